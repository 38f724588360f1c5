#include "vexa/host/terminal.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vexahost {
namespace {

TEST(TerminalTest, OverrideWinsUntilCleared) {
  setTerminalOverride(true);
  EXPECT_TRUE(isTerminal());
  setTerminalOverride(false);
  EXPECT_FALSE(isTerminal());
  setTerminalOverride(std::nullopt);
  EXPECT_EQ(isTerminal(), isatty(STDIN_FILENO) == 1 && isatty(STDOUT_FILENO) == 1);
}

volatile sig_atomic_t gInterrupted = 0;

// The interrupt goes to the whole process group, so it is sent from a child
// in a group of its own, never to the test runner's group.
TEST(TerminalTest, ConsoleInterruptReachesTheProcessGroup) {
  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    setpgid(0, 0);
    signal(SIGINT, [](int) { gInterrupted = 1; });
    _exit(sendConsoleInterrupt() && gInterrupted == 1 ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

}  // namespace
}  // namespace vexahost
