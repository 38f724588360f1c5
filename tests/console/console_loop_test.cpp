// The console loop around the editor: the delta text rules, the host's
// terminal check and interrupt, fatal errors through the replaceable
// handler, the log line, and keys no user should type.
#include <gmock/gmock.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <log4cpp/Category.hh>
#include <log4cpp/PassThroughLayout.hh>
#include <log4cpp/StringQueueAppender.hh>
#include <string>
#include <vector>

#include "console_test_support.h"
#include "vexa/console/console_log.h"
#include "vexa/console/fatal_error.h"

namespace vexaconsole::testing {
namespace {

volatile sig_atomic_t interrupts = 0;
void countInterrupt(int) { interrupts = interrupts + 1; }

// Runs keys in a child process that is a process group of its own (the
// console interrupt goes to the whole group, the test runner included
// otherwise), counting SIGINT.  The child exits 0 when its text and count
// are the expected ones.
#define EXPECT_INTERRUPTED(typeKeys, expectedText, expectedInterrupts)                \
  EXPECT_EXIT(                                                                        \
      {                                                                               \
        setpgid(0, 0);                                                                \
        signal(SIGINT, countInterrupt);                                               \
        const std::string text = (typeKeys);                                          \
        const bool ok = text == (expectedText) && interrupts == (expectedInterrupts); \
        if (!ok)                                                                      \
          std::fprintf(stderr, "%s / %d", ::testing::PrintToString(text).c_str(),     \
                       static_cast<int>(interrupts));                                 \
        std::exit(ok ? 0 : 1);                                                        \
      },                                                                              \
      ::testing::ExitedWithCode(0), "")

std::vector<std::string> fatalMessages;
void recordFatal(const std::string& message) { fatalMessages.push_back(message); }

class ConsoleLoopTest : public ConsoleTest {};

TEST_F(ConsoleLoopTest, DeltaTextCollectsConfigurationCommands) {
  type("enable\rconfigure terminal\rinterface Loopback1\r");  // no delta text given
  struct Step {
    const char* line;
    const char* delta;
  };
  // clang-format off
  const Step steps[] = {
      // A sub-mode's first command into an empty delta brings the commands that opened it.
      {"description x", "interface loopback 1 \ndescription x \n"},
      {"shutdown", "interface loopback 1 \ndescription x \nshutdown \n"},
      {"exit", "interface loopback 1 \ndescription x \nshutdown \n"},
      // "extended" holds "end": not recorded, but the delta is handed over all the same.
      {"ip access-list extended FOO", "interface loopback 1 \ndescription x \nshutdown \n"},
      {"permit ip any any", "interface loopback 1 \ndescription x \nshutdown \npermit ip any any \n"},
      {"end", "interface loopback 1 \ndescription x \nshutdown \npermit ip any any \n"},
      {"show clock", "interface loopback 1 \ndescription x \nshutdown \npermit ip any any \n"},
  };
  // clang-format on
  std::string delta;
  for (const Step& step : steps) {
    type(std::string(step.line) + "\r", &delta);
    EXPECT_EQ(delta, step.delta) << step.line;
    EXPECT_EQ(terminal_->getAllConfigCmds(), step.delta) << step.line;
  }
}

TEST_F(ConsoleLoopTest, WithoutATerminalOnlyTheTerminalsAnswersShow) {
  vexahost::setTerminalOverride(false);
  EXPECT_EQ(type("sh?"), "\nshow\t\tshow running system information\n");
  EXPECT_INTERRUPTED(type("\x15zz\x03\r"), "% Invalid input detected at ^\n", 0);
}

TEST_F(ConsoleLoopTest, InterruptKeyRaisesTheConsoleInterruptAndRedraws) {
  EXPECT_INTERRUPTED(type("ab\x03"), "R1>ab\nR1>ab", 1);
}

TEST_F(ConsoleLoopTest, FatalErrorsGoThroughTheReplaceableHandler) {
  fatalMessages.clear();
  const FatalErrorHandler old = setFatalErrorHandler(recordFatal);
  editor_->Gl_setwidth(20);
  const std::string full(GetLineData::kBufferSize - 1, 'x');
  type(full);
  const std::string overflow = "\n*** Error: Getline(): input buffer overflow\n";
  EXPECT_EQ(type("y"), overflow) << "the 40960th character";
  EXPECT_EQ(std::string(editor_->line()), full);
  EXPECT_EQ(type("\r"), overflow) << "completing a full line";
  setFatalErrorHandler(old);
  EXPECT_EQ(fatalMessages, std::vector<std::string>(
                               {"\n*** Error: minimum screen width is 21\n", overflow, overflow}));
}

TEST_F(ConsoleLoopTest, EachKeyIsLoggedInTheEmulatedCliCategory) {
  log4cpp::Category& category = log4cpp::Category::getInstance(kLogCategory);
  auto* appender = new log4cpp::StringQueueAppender("test");
  appender->setLayout(new log4cpp::PassThroughLayout());
  category.setPriority(log4cpp::Priority::INFO);
  category.addAppender(appender);
  type("a");
  ASSERT_EQ(appender->queueSize(), 1u);
  EXPECT_EQ(appender->getQueue().front(), "After Parser Main Buf R1>a");
  logConsoleNowhere();
  type("b");
  EXPECT_EQ(category.getAllAppenders().size(), 0u);
}

TEST_F(ConsoleLoopTest, AnyByteLongLinesAndLongPromptsLeaveAWorkingEditor) {
  std::string everyByte;
  for (int round = 0; round < 2; ++round) {
    for (int b = 0; b < 256; ++b) everyByte += static_cast<char>(b);
  }
  // Afterwards the editor still works: the next line gives the new prompt.
  const auto typeAllThenEnable = [&] {
    type(everyByte);
    return std::string(type("\025enable\r").ends_with("\nR1#") ? "works" : "broken");  // ^U
  };
  EXPECT_INTERRUPTED(typeAllThenEnable(), "works", 2);

  const std::string longLine(10000, 'x');
  type(longLine);
  EXPECT_THAT(type("\r"), ::testing::EndsWith("\n% Invalid input detected at ^\nR1>"));
  type("\x10");
  EXPECT_EQ(std::string(editor_->line()), longLine) << "the history gives it back";

  terminal_ = vexaparser::VTY::create(std::string(2000, 'h'), true);
  editor_ = std::make_unique<GetLineData>();
  editor_->parser_init("");
  EXPECT_EQ(std::string(vtysh_prompt(*terminal_)), std::string(1023, 'h'));
  type(std::string(300, 'z') + "\x01\x05\x7f\x10\x12z\r");
  EXPECT_STREQ(editor_->line(), "");
}

}  // namespace
}  // namespace vexaconsole::testing
