// DeviceForm: configuration text as the device prints it, for what the
// programs write.
//
// The library keeps its texts in their defined form: a recognised command
// ends in a blank before the line end, interface names stand as the
// matcher recorded them (type in lower case, apart from the number:
// "interface gigabitethernet 0/1 "), and the section searches copy block
// lines as read behind two blanks.  The programs write what an engineer
// expects from the device instead: no trailing blanks, one blank of
// indentation per level, and interface names joined and spelled the
// device's way ("interface GigabitEthernet0/1", "Port-channel10"), inside
// commands as well ("ip nat inside source list 1 interface
// GigabitEthernet0/0 overload").
//
// The spelling of each interface type is the third field of the interface
// key table, files/keyfiles/interfacefile.cfm ("key|help|Spelling"), read
// from the resource folder, so that a type added there is spelled right
// everywhere.  Which words are interface references, and the level of each
// line, come from the commands the lines were written from (a ConfigResult
// of the library), or else from reading the text again through a
// configuration terminal: only words the matcher took as an interface type and number are joined
// ("switchport access vlan 20" stays as it is).  Needs the parser resources
// for that; without them lines only lose their trailing blanks.
#ifndef VEXA_TOOLS_COMMON_DEVICE_FORM_H_
#define VEXA_TOOLS_COMMON_DEVICE_FORM_H_

#include <cstddef>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "vexa/parser/config_result.h"

namespace vexatools {

struct DeviceFormOptions {
  // Blanks the library put before lines it copied as read (the block
  // searches write two blanks and the line as read).  A line the terminal
  // does not recognise loses them and keeps its own indentation.
  std::size_t copiedIndent = 0;
};

class DeviceForm {
 public:
  // Reads the spellings from the interface key table in the host's
  // resource folder.  A missing table, or a type without a third field,
  // leaves those types spelled as the library wrote them (still joined).
  static DeviceForm load();
  // Spellings by lower-case key, for tests.
  explicit DeviceForm(std::map<std::string, std::string> spellings)
      : spellings_(std::move(spellings)) {}

  // text in the device's form: lines cut at line feeds and carriage
  // returns, each written with one blank per level, interface references
  // joined and spelled, no trailing blanks, and a line feed; blank lines go.
  // A line the terminal does not recognise keeps its words and spacing.
  std::string write(const std::string& text, const DeviceFormOptions& options = {}) const;
  // The same for the text of result, read through the commands result
  // holds for its lines instead of a terminal (the text is not parsed
  // again); as write(text) when result does not know its lines.
  std::string write(const vexaparser::ConfigResult& result,
                    const DeviceFormOptions& options = {}) const;
  // The same written to out a piece at a time, so that the device form of
  // a large result never stands in memory whole beside it.
  void write(const vexaparser::ConfigResult& result, std::ostream& out,
             const DeviceFormOptions& options = {}) const;

  // The device's spelling of the interface type key ("port-channel" ->
  // "Port-channel"); key itself when the table has none.
  std::string spelling(const std::string& key) const;

  // Lines written one at a time, as write writes the lines of a text: for
  // lines handed over while they are made (VexaParserUtil::normalizeLines).
  class LineWriter {
   public:
    explicit LineWriter(const DeviceForm& form, const DeviceFormOptions& options = {});
    ~LineWriter();
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;
    // line (a line of the library's text, without its line end) in the
    // device's form and a line feed, appended to out; nothing for a blank
    // line.  command is the one that wrote the line, or null.
    void write(std::string_view line, const vexaparser::CiscoCommandLine* command,
               std::string& out);

   private:
    struct Scratch;
    const DeviceForm& form_;
    DeviceFormOptions options_;
    std::unique_ptr<Scratch> scratch_;
  };

 private:
  // Writes into out; with a stream, hands out to it whenever it has grown
  // past a piece and at the end (out is then left empty).
  void writeLines(const std::string& text, const DeviceFormOptions& options,
                  const std::vector<const vexaparser::CiscoCommandLine*>* known, std::string& out,
                  std::ostream* stream) const;

  std::map<std::string, std::string> spellings_;
};

}  // namespace vexatools

#endif  // VEXA_TOOLS_COMMON_DEVICE_FORM_H_
