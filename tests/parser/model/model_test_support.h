// Shared fixture of the configuration-algebra tests: loads the small test
// grammar of tests/data/parser/model/ (interfaces, an OSPF router with an
// address-family sub-mode, overwrite, append, multi-value, stored "no" and
// conflict commands, command order files) and speaks the algebra's domain:
// merge(base, delta), fallback(current, target), lines("a|b").
#ifndef VEXA_TESTS_PARSER_MODEL_MODEL_TEST_SUPPORT_H_
#define VEXA_TESTS_PARSER_MODEL_MODEL_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "parser/test_grammar.h"
#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/vexa_parser_util.h"

namespace vexaparser::testing {

// Configuration text from "|"-separated lines, every line followed by
// "\n" ("a|b" gives "a\nb\n"; "" gives ""). The writer ends each recognised
// command with a blank before the line end ("hostname r1 "), as the terminal
// completes it; expected texts spell that blank out.
inline std::string lines(std::string_view joined) {
  std::string text;
  if (joined.empty()) return text;
  for (char c : joined) text += c == '|' ? '\n' : c;
  return text + '\n';
}

// The test grammar.
inline std::shared_ptr<Grammar> modelGrammar() {
  return testGrammar(std::string(VEXA_TEST_DATA_DIR) + "parser/model/");
}

class ModelTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(grammar_->hasAllModes()) << "test grammar did not load"; }

  // delta's commands applied to base.
  std::string merge(const std::string& base, const std::string& delta) const {
    return VexaParserUtil::mergeConfigCmds(*grammar_, delta, base);
  }
  // Commands that take current back to target, whole files compared or
  // incrementally.
  std::string fallback(const std::string& current, const std::string& target) const {
    return VexaParserUtil::fallbackConfigCmds(*grammar_, current, target, 1);
  }
  std::string incrementalFallback(const std::string& current, const std::string& target) const {
    return VexaParserUtil::fallbackConfigCmds(*grammar_, current, target, 0);
  }
  std::string normalize(const std::string& text) const {
    return VexaParserUtil::normalizeConfigCmds(*grammar_, text);
  }

  std::shared_ptr<const Grammar> grammar_ = modelGrammar();
};

// Owns the flat command list of getCmdInfo.
struct CmdInfo {
  std::vector<CiscoCommandLine*> commands;
  std::string errorText;
  int errorLine = 0;
  bool result = false;

  CmdInfo(const Grammar& grammar, const std::string& text) {
    result = VexaParserUtil::getCmdInfo(grammar, text, commands, errorText, errorLine);
  }
  ~CmdInfo() { VexaParserUtil::releaseCmdInfo(commands); }
  CmdInfo(const CmdInfo&) = delete;
  CmdInfo& operator=(const CmdInfo&) = delete;
};

}  // namespace vexaparser::testing

#endif  // VEXA_TESTS_PARSER_MODEL_MODEL_TEST_SUPPORT_H_
