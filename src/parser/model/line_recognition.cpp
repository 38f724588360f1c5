#include "vexa/parser/line_recognition.h"

#include <memory>
#include <string_view>

#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/config_line.h"
#include "vexa/parser/scratch_terminal.h"

namespace vexaparser {
namespace {

// The header a listing of the running configuration starts with
// ("Building configuration...", "Current configuration : N bytes"): printed
// by the device, not configuration.
bool isListingHeader(const std::string& line) {
  const std::size_t start = line.find_first_not_of(" \t");
  const std::string_view text = std::string_view(line).substr(start);
  return text.starts_with("Building configuration") || text.starts_with("Current configuration");
}

}  // namespace

LineRecognition recognizeLines(const Grammar& grammar, const std::string& text) {
  LineRecognition count;
  std::unique_ptr<VTY> vty = makeScratchTerminal(grammar);
  if (vty == nullptr) return count;
  // The terminal links later lines to earlier mode commands: every command
  // lives until the whole text is read.
  std::vector<CiscoCommandLine*> commands;
  long lineNo = 1;
  for (std::size_t start = 0; start <= text.size(); ++lineNo) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    for (std::size_t piece = start; piece <= end;) {
      std::size_t pieceEnd = text.find('\r', piece);
      if (pieceEnd == std::string::npos || pieceEnd > end) pieceEnd = end;
      const std::string line = text.substr(piece, pieceEnd - piece);
      piece = pieceEnd + 1;
      if (line.empty()) continue;
      commands.push_back(new CiscoCommandLine());
      const bool parsed = vty->parse(line, true, commands.back());
      if (configLineKind(line) != ConfigLineKind::kCommand || isListingHeader(line)) continue;
      ++count.lines;
      std::string info;
      vty->getInfoLine(info);
      if (parsed && !info.empty()) {
        ++count.recognized;
      } else {
        count.unrecognized.push_back({lineNo, line});
      }
    }
    start = end + 1;
  }
  vty.reset();
  releaseCommands(commands);
  return count;
}

}  // namespace vexaparser
