// Shared fixture of the terminal tests: a small hand-written grammar from
// tests/data/parser/cli/<set>/, and terminals over it driven the way the
// console does (a line gets " \n" appended, "?" and tab go to hook).
#ifndef VEXA_TESTS_PARSER_CLI_CLI_TEST_SUPPORT_H_
#define VEXA_TESTS_PARSER_CLI_CLI_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "parser/test_grammar.h"
#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/parser_tree_node.h"
#include "vexa/parser/scratch_terminal.h"
#include "vexa/parser/vty.h"

namespace vexaparser::testing {

inline std::string cliDataFolder(const std::string& set) {
  return std::string(VEXA_TEST_DATA_DIR) + "parser/cli/" + set + "/";
}

// The grammar of the set.
inline std::shared_ptr<Grammar> cliGrammar(const std::string& set) {
  return testGrammar(cliDataFolder(set));
}

// Returns what one of VTY's string getters writes.
inline std::string read(const VTY& t, void (VTY::*getter)(std::string&) const) {
  std::string out;
  (t.*getter)(out);
  return out;
}

// Takes and empties the terminal's output.
inline std::string output(VTY& t) {
  std::string out;
  t.getOutputString(out);
  return out;
}

// One line of a console session and the terminal's answer. A line ending
// in "?" or tab goes to hook and only its output is checked. A typed line
// with a prompt also checks the prompt; the complete line (nullptr: the line
// as typed, or nothing when it failed) and the info line, equal to it while
// the terminal mode stays; success (no "%" message) and the last error;
// whether a banner text is open (the host name is then empty); and that a
// failed line keeps the major commands, a good one sets the mode-change flag.
struct Step {
  const char* line;
  const char* output;
  const char* prompt = nullptr;
  const char* complete = nullptr;
  bool banner = false;
};

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    terminal_ = VTY::create(grammar_, TerminalOptions{"Router", true, {}});
    ASSERT_NE(terminal_, nullptr);
  }

  // Runs a line as the console does (" \n" appended), optionally with a
  // command line object attached; returns the output of the line.
  std::string type(const std::string& line, CiscoCommandLine* command = nullptr) {
    lastResult_ = terminal_->parse(line + " \n", true, command);
    return output(*terminal_);
  }
  // Help or completion: the line is handed to hook as it is.
  std::string hook(const std::string& line) {
    terminal_->hook(line);
    return output(*terminal_);
  }
  void play(std::initializer_list<Step> steps) {
    for (const Step& s : steps) {
      const std::string line = s.line;
      if (!line.empty() && (line.back() == '?' || line.back() == '\t')) {
        EXPECT_EQ(hook(line), s.output) << line;
        continue;
      }
      const VTYModeType mode = terminal_->getCurrentMode();
      const std::string majors = majorCommands();
      EXPECT_EQ(type(line), s.output) << line;
      if (s.prompt == nullptr) continue;
      const bool ok = s.output[0] != '%';
      EXPECT_EQ(lastResult_, ok) << line;
      EXPECT_EQ(prompt(), s.prompt) << line;
      const std::string complete = s.complete != nullptr ? s.complete : ok ? line + " \n" : "";
      EXPECT_EQ(completeLine(), complete) << line;
      if (terminal_->getCurrentMode() == mode) {
        EXPECT_EQ(read(*terminal_, &VTY::getInfoLine), complete) << line;
      }
      EXPECT_EQ(terminal_->getLastError(),
                ok ? "" : std::string(s.output, std::strlen(s.output) - 1))
          << line;
      EXPECT_EQ(terminal_->getHostName().empty(), s.banner) << line;
      if (ok) {
        EXPECT_EQ(terminal_->modeChanged(), terminal_->getCurrentMode() != mode) << line;
      } else {
        EXPECT_EQ(majorCommands(), majors) << line;
      }
    }
  }
  std::string prompt() const { return read(*terminal_, &VTY::getPrompt); }
  std::string completeLine() const { return read(*terminal_, &VTY::getCompleteLine); }
  std::string majorCommands() const { return read(*terminal_, &VTY::getMajorCommands); }
  void enterConfiguration() {
    type("enable");
    type("configure terminal");
    ASSERT_EQ(prompt(), "(config)#");
  }
  // A scratch terminal (host "hostName", no abbreviations) in configuration
  // mode, as the configuration model makes them.
  VTY& scratchInConfiguration() {
    scratch_ = makeScratchTerminal(*grammar_);
    output(*scratch_);
    return *scratch_;
  }

  std::shared_ptr<const Grammar> grammar_ = cliGrammar("basic");
  std::unique_ptr<VTY> terminal_;
  std::unique_ptr<VTY> scratch_;
  bool lastResult_ = false;
};

// Owns the commands that getComLineInfo hands out (a flat list: every
// command once, children included).
struct CommandList {
  std::vector<CiscoCommandLine*> commands;
  ~CommandList() { releaseCommands(commands); }
};

}  // namespace vexaparser::testing

#endif  // VEXA_TESTS_PARSER_CLI_CLI_TEST_SUPPORT_H_
