// Shared fixture of the configuration-algebra tests: loads the small test
// grammar of tests/data/parser/model/ (interfaces, an OSPF router with an
// address-family sub-mode, overwrite, append, multi-value, stored "no" and
// conflict commands, command order files) and speaks the algebra's domain:
// merge(base, delta), fallback(current, target), config({lines...}).
#ifndef VEXA_TESTS_PARSER_MODEL_MODEL_TEST_SUPPORT_H_
#define VEXA_TESTS_PARSER_MODEL_MODEL_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/parser_exception.h"
#include "vexa/parser/parser_resources.h"
#include "vexa/parser/vexa_parser_util.h"

namespace vexaparser::testing {

inline std::string modelGrammarFolder() {
  return std::string(VEXA_TEST_DATA_DIR) + "parser/model/";
}

// Configuration text: every line followed by "\n".  The writer ends each
// recognised command with a blank before the line end ("hostname r1 "), as
// the terminal completes it; expected texts spell that blank out.
inline std::string config(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) {
    text += line;
    text += '\n';
  }
  return text;
}

class ModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ParserResources::instance().clearAll();
    vexahost::VexaFileSystem::SetSystemResourceFolder(modelGrammarFolder());
    VexaParserUtil::createParserResource();
    VexaParserUtil::setOverwriteCmds();
    ASSERT_TRUE(VexaParserUtil::resourcesReady()) << "test grammar did not load";
  }
  void TearDown() override {
    VexaParserUtil::destroyParserResource();
    ParserResources::instance().releaseEverything();
    vexahost::VexaFileSystem::SetSystemResourceFolder("");
  }

  // NEW's commands applied to BASE.
  static std::string merge(const std::string& base, const std::string& delta) {
    return VexaParserUtil::mergeConfigCmds(delta, base);
  }
  // Commands that take current back to target, whole files compared.
  static std::string fallback(const std::string& current, const std::string& target) {
    return VexaParserUtil::fallbackConfigCmds(current, target, 1);
  }
  // The incremental variant.
  static std::string incrementalFallback(const std::string& current, const std::string& target) {
    return VexaParserUtil::fallbackConfigCmds(current, target, 0);
  }
  static std::string normalize(const std::string& text) {
    return VexaParserUtil::normalizeConfigCmds(text);
  }
};

// Owns the flat command list of getCmdInfo.
struct CmdInfo {
  std::vector<CiscoCommandLine*> commands;
  std::string errorText;
  int errorLine = 0;
  bool result = false;

  explicit CmdInfo(const std::string& text) {
    result = VexaParserUtil::getCmdInfo(text, commands, errorText, errorLine);
  }
  ~CmdInfo() { VexaParserUtil::releaseCmdInfo(commands); }
  CmdInfo(const CmdInfo&) = delete;
  CmdInfo& operator=(const CmdInfo&) = delete;
};

}  // namespace vexaparser::testing

#endif  // VEXA_TESTS_PARSER_MODEL_MODEL_TEST_SUPPORT_H_
