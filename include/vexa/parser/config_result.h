// ConfigResult: the text a normalize, merge or fallback writes, together
// with the configuration commands each of its lines was written from.
//
// VexaParserUtil::normalizeConfigCmds, mergeConfigCmds and
// fallbackConfigCmds return the text alone; the ...Config forms
// (normalizeConfig, mergeConfig, fallbackConfig) return it in a
// ConfigResult, byte for byte the same text, and keep the trees it was
// written from alive with it.  A writer that needs to know what each line
// is (its level, the interface names its words hold: the device-form output
// of the programs) reads lineCommands instead of parsing the text again.
#ifndef VEXA_PARSER_CONFIG_RESULT_H_
#define VEXA_PARSER_CONFIG_RESULT_H_

#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace vexaparser {

class CiscoCommandLine;

class ConfigResult {
 public:
  ConfigResult() = default;
  explicit ConfigResult(std::string written) : text(std::move(written)) {}
  ConfigResult(const ConfigResult&) = delete;
  ConfigResult& operator=(const ConfigResult&) = delete;
  ConfigResult(ConfigResult&&) noexcept = default;
  ConfigResult& operator=(ConfigResult&&) noexcept;
  ~ConfigResult();

  // Whether lineCommands holds one entry per line of text.
  bool linesKnown() const { return linesKnown_; }

  std::string text;
  // One entry per non-empty line of text (lines cut at line feeds and
  // carriage returns): the command that wrote the line, or null for a "!"
  // line the writer closed a mode with.  Valid while this result lives.
  // Empty, and linesKnown() false, when the text did not come from trees
  // (an argument returned unchanged) or a command wrote other than exactly
  // one line.
  std::vector<const CiscoCommandLine*> lineCommands;

 private:
  friend class VexaParserUtil;
  // Takes over top-level commands (released with the result).
  void keep(std::vector<CiscoCommandLine*>& commands);
  // Takes over trees the result was not written from and releases them on
  // a second thread while the caller goes on (when the machine has more
  // than one core); the result waits for it before it goes.
  void releaseMeanwhile(std::vector<std::vector<CiscoCommandLine*>> trees);
  void release();

  bool linesKnown_ = false;
  std::vector<std::vector<CiscoCommandLine*>> trees_;
  std::thread releasing_;
};

}  // namespace vexaparser

#endif  // VEXA_PARSER_CONFIG_RESULT_H_
