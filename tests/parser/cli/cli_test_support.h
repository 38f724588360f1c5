// Shared fixture of the terminal tests: loads a small hand-written grammar
// from tests/data/parser/cli/<set>/ and drives terminals over it the way the
// console does (a line gets " \n" appended, "?" and tab go to hook).
#ifndef VEXA_TESTS_PARSER_CLI_CLI_TEST_SUPPORT_H_
#define VEXA_TESTS_PARSER_CLI_CLI_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/parser_resources.h"
#include "vexa/parser/parser_tree_node.h"
#include "vexa/parser/vexa_parser_util.h"
#include "vexa/parser/vty.h"

namespace vexaparser::testing {

inline std::string cliDataFolder(const std::string& set) {
  return std::string(VEXA_TEST_DATA_DIR) + "parser/cli/" + set + "/";
}

// Loads the grammar set into fresh resources.
inline void loadGrammar(const std::string& set) {
  ParserResources::instance().clearAll();
  vexahost::VexaFileSystem::SetSystemResourceFolder(cliDataFolder(set));
  VexaParserUtil::createParserResource();
}

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    loadGrammar("basic");
    ASSERT_TRUE(VexaParserUtil::resourcesReady());
    terminal_ = VTY::create("Router", true);
    ASSERT_NE(terminal_, nullptr);
  }
  void TearDown() override {
    terminal_.reset();
    scratch_.reset();
    ParserResources::instance().releaseEverything();
    vexahost::VexaFileSystem::SetSystemResourceFolder("");
  }

  // The console's way of running a line: " \n" appended; returns the
  // output of the line.
  std::string type(const std::string& line, VTY* vty = nullptr) {
    VTY& t = vty != nullptr ? *vty : *terminal_;
    lastResult_ = t.parse(line + " \n", true, nullptr);
    return output(t);
  }
  // Runs a line with a command line object attached.
  std::string typeWith(const std::string& line, CiscoCommandLine& command) {
    lastResult_ = terminal_->parse(line + " \n", true, &command);
    return output(*terminal_);
  }
  // Help or completion: the line is handed to hook as it is.
  std::string hook(const std::string& line) {
    terminal_->hook(line);
    return output(*terminal_);
  }
  static std::string output(VTY& t) {
    std::string out;
    t.getOutputString(out);
    return out;
  }
  std::string prompt() const {
    std::string out;
    terminal_->getPrompt(out);
    return out;
  }
  std::string completeLine() const {
    std::string out;
    terminal_->getCompleteLine(out);
    return out;
  }
  std::string infoLine() const {
    std::string out;
    terminal_->getInfoLine(out);
    return out;
  }
  std::string majorCommands() const {
    std::string out;
    terminal_->getMajorCommands(out);
    return out;
  }
  // The console terminal in configuration mode.
  void enterConfiguration() {
    type("enable");
    type("configure terminal");
    ASSERT_EQ(prompt(), "(config)#");
  }
  // A scratch terminal (host "hostName", no abbreviations) in configuration
  // mode, as the configuration model makes them.
  VTY& scratchInConfiguration() {
    scratch_ = std::make_unique<VTY>();
    scratch_->parse("enable\n", true, nullptr);
    scratch_->parse("configure terminal \n", true, nullptr);
    output(*scratch_);
    return *scratch_;
  }

  std::unique_ptr<VTY> terminal_;
  std::unique_ptr<VTY> scratch_;
  bool lastResult_ = false;
};

// Owns the commands that getComLineInfo hands out (a flat list: every
// command once, children included).
struct CommandList {
  std::vector<CiscoCommandLine*> commands;
  ~CommandList() {
    for (CiscoCommandLine* command : commands) deleteCiscoCommandLine(command);
  }
};

}  // namespace vexaparser::testing

#endif  // VEXA_TESTS_PARSER_CLI_CLI_TEST_SUPPORT_H_
