#include "vexa/host/terminal.h"

#include <signal.h>
#include <unistd.h>

namespace vexahost {
namespace {

std::optional<bool>& terminalOverride() {
  static std::optional<bool> value;
  return value;
}

}  // namespace

bool isTerminal() {
  if (terminalOverride().has_value()) return *terminalOverride();
  return isatty(STDIN_FILENO) == 1 && isatty(STDOUT_FILENO) == 1;
}

void setTerminalOverride(std::optional<bool> value) { terminalOverride() = value; }

bool sendConsoleInterrupt() { return kill(0, SIGINT) == 0; }

}  // namespace vexahost
