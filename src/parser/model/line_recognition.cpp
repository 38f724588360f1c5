#include "vexa/parser/line_recognition.h"

#include <memory>

#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/config_line.h"
#include "vexa/parser/scratch_terminal.h"

namespace vexaparser {

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
      if (configLineKind(line) != ConfigLineKind::kCommand) continue;
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
