// Shared fixture of the console tests: the product grammar as the default
// grammar, and per test a console terminal named "R1" (view prompt "R1>",
// three characters, so the line window is 77 columns of 80) with a fresh
// editor, the host's terminal check answering yes.  Keys are typed one byte
// at a time through parser_main, exactly as a host hands them over.
#ifndef VEXA_TESTS_CONSOLE_CONSOLE_TEST_SUPPORT_H_
#define VEXA_TESTS_CONSOLE_CONSOLE_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "parser/test_grammar.h"
#include "vexa/console/console_loop.h"
#include "vexa/console/get_line_data.h"
#include "vexa/host/terminal.h"
#include "vexa/parser/parser_resources.h"
#include "vexa/parser/vty.h"

namespace vexaconsole::testing {

// text repeated n times: rep("\b", 3) is three backspaces.
inline std::string rep(const std::string& text, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += text;
  return out;
}

class ConsoleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The console works on the default grammar, as a host's does.
    vexaparser::ParserResources::instance().install(vexaparser::testing::productGrammar());
    vexahost::setTerminalOverride(true);
    terminal_ = vexaparser::VTY::create("R1", true);
    ASSERT_NE(terminal_, nullptr) << "the product grammar did not load";
    editor_ = std::make_unique<GetLineData>();
    editor_->parser_init("");
  }
  void TearDown() override { vexahost::setTerminalOverride(std::nullopt); }

  // Types every byte of keys as one key; returns the terminal text of all.
  std::string type(const std::string& keys, std::string* delta = nullptr) {
    std::string all, out;
    for (char c : keys) {
      parser_main(*terminal_, *editor_, std::string(1, c), out, delta);
      all += out;
    }
    return all;
  }

  std::unique_ptr<vexaparser::VTY> terminal_;
  std::unique_ptr<GetLineData> editor_;
};

}  // namespace vexaconsole::testing

#endif  // VEXA_TESTS_CONSOLE_CONSOLE_TEST_SUPPORT_H_
