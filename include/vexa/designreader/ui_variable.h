// UIVariableForDR and UIVariableType: the items a user picks for a
// design-reader run (interfaces, protocols, IP addresses), written as the
// variable files that the generated Perl program reads.
//
// The script library (DesignNoteParser) saves a variable set into a fresh
// folder for each run and passes that folder to the program, whose runtime
// library fills the lists @UI_InterfaceList, @UI_ProtocolList,
// @UI_InterfaceNameList and @UI_IPAddressList from the files.
#ifndef VEXA_DESIGNREADER_UI_VARIABLE_H_
#define VEXA_DESIGNREADER_UI_VARIABLE_H_

#include <map>
#include <set>
#include <string>

namespace vexadr {

// The kinds of picked items; each kind has one variable file.
class UIVariableType {
 public:
  static constexpr int InterfaceList = 1;
  static constexpr int ProtocolList = 2;
  static constexpr int IPAddressList = 3;
  static constexpr int InterfaceNameList = 4;

  // The file name stem of kind: "UI_InterfaceList", "UI_ProtocolList",
  // "UI_IPAddressList", "UI_InterfaceNameList", "UI_Unknown" for any other.
  static std::string toString(int kind);
};

// The picks of one device, grouped by kind; each value once per kind, in
// byte order.  A kind is present only while it holds a value.
class UIVariableForDR {
 public:
  using Values = std::map<int, std::set<std::string>>;

  explicit UIVariableForDR(const std::string& deviceName = std::string());

  void setDeviceName(const std::string& name) { deviceName_ = name; }
  const std::string& getDeviceName() const { return deviceName_; }

  // Adds value to kind; false (nothing added) when kind is 0 or negative.
  // A value is cut at its last carriage return.  An interface (kind 1) is
  // stored as "interface " + value and its bare name goes to kind 4 too.
  bool addVariableValue(int kind, const std::string& value);
  // True when kind holds no value.
  bool isEmpty(int kind) const;
  // Drops every value; the device name stays.
  void clear() { values_.clear(); }
  // Writes folder + separator + toString(kind) + ".txt" for each kind
  // present, one value per line, lines ending in CR LF.  False when the
  // folder does not exist; otherwise true (a file that cannot be written is
  // skipped).
  bool save(const std::string& folder) const;

  const Values& getValues() const { return values_; }

 private:
  std::string deviceName_;
  Values values_;
};

}  // namespace vexadr

#endif  // VEXA_DESIGNREADER_UI_VARIABLE_H_
