#include "vexa/parser/scratch_terminal.h"

namespace vexaparser {

std::unique_ptr<VTY> makeScratchTerminal(const Grammar& grammar, const ScratchOptions& options) {
  TerminalOptions terminal;
  terminal.hostName = kScratchHostName;
  terminal.runningCLIMode = options.runningCLIMode;
  std::unique_ptr<VTY> vty = VTY::create(grammar.shared_from_this(), std::move(terminal));
  if (vty != nullptr) enterConfiguration(*vty, options);
  return vty;
}

void enterConfiguration(VTY& vty, const ScratchOptions& options) {
  vty.parse("enable\n", true, nullptr);
  vty.parse(options.configureLine, true, nullptr);
}

}  // namespace vexaparser
