#include "vexa/host/terminal.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace vexahost {
namespace {

// Forcing the answer is exercised by the console tests (the interrupt key
// acts only on a terminal); here: clearing the override goes back to asking
// whether both standard streams are terminals.
TEST(TerminalTest, ClearedOverrideAsksTheStandardStreams) {
  setTerminalOverride(!(isatty(STDIN_FILENO) == 1 && isatty(STDOUT_FILENO) == 1));
  setTerminalOverride(std::nullopt);
  EXPECT_EQ(isTerminal(), isatty(STDIN_FILENO) == 1 && isatty(STDOUT_FILENO) == 1);
}

}  // namespace
}  // namespace vexahost
