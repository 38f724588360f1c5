// CConf: the host's ini-file reader.
//
// Used by the design-reader filter settings to read "fix_DesignFilter.ini"
// and "fix_designreader.ini".  A file is read once, when its name is set:
// sections in "[name]" lines, "key = value" lines (blanks around "=" and at
// both ends trimmed), ";" and "#" comment lines, LF or CR LF line ends.
// Section and key names compare case-insensitively, as on Windows; when a key
// appears twice in a section the first value wins and the key is listed once.
// A section that appears twice continues the first one.  A UTF-8 byte order
// mark at the start is skipped; lines before the first section and lines
// without "=" hold no key; the value is the text after the first "=", taken
// as it is (no quote removal, no trailing comments).
//
// A bare name (no separator in it) is looked up in the system resource folder
// (VexaFileSystem::GetSystemResourceFolder()); a name with a separator is used
// as the path it is.
#ifndef VEXA_HOST_CONF_H_
#define VEXA_HOST_CONF_H_

#include <list>
#include <string>
#include <vector>

namespace vexahost {

class CConf {
 public:
  CConf();
  explicit CConf(const std::string& fileName);

  // Names the ini file and reads it; an unreadable file reads as empty.
  void SetConfFileName(const std::string& fileName);
  // The full path the name resolved to.
  const std::string& GetConfFilePath() const { return path_; }

  // True when the file exists (and could be read).
  bool IsFileExist() const;

  // Fills keys (after clearing it) with the key names of the section in file
  // order; false when the section is absent.
  bool GetIniSectionAllKey(const std::string& section, std::list<std::string>& keys) const;
  bool GetIniSectionAllKey(const std::string& section, std::vector<std::string>& keys) const;

  // Copies the value into buffer, cut to size - 1 bytes and NUL-terminated.
  // An absent key yields defaultValue (or "" when null).  Returns false when
  // the key is absent.  Nothing is written when buffer is null or size is 0.
  bool GetStringValue(const std::string& section, const std::string& key, char* buffer,
                      std::size_t size, const char* defaultValue = nullptr) const;
  // The same without a buffer.
  std::string GetStringValue(const std::string& section, const std::string& key,
                             const std::string& defaultValue = "") const;

  // The leading decimal integer of the value (optional sign), or defaultValue
  // when the key is absent or its value does not start with a number.  A
  // number beyond the range of int gives INT_MAX or INT_MIN.
  int GetIntValue(const std::string& section, const std::string& key, int defaultValue = 0) const;

 private:
  struct Entry {
    std::string key;
    std::string value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };
  const Section* findSection(const std::string& name) const;
  const Entry* findEntry(const std::string& section, const std::string& key) const;
  void parse(const std::string& text);

  std::string path_;
  bool exists_ = false;
  std::vector<Section> sections_;
};

}  // namespace vexahost

#endif  // VEXA_HOST_CONF_H_
