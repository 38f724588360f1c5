// Shared fixture of the product-grammar tests: loads the mode files, key
// files, command order files and the command flag file of the source tree's
// resources/ once per test suite, and speaks the grammar's domain: a console
// terminal to type into (typed, help), the configuration algebra on text
// (merge, fallback, normalize) and the corpus of real configurations.
#ifndef VEXA_TESTS_PARSER_GRAMMAR_GRAMMAR_TEST_SUPPORT_H_
#define VEXA_TESTS_PARSER_GRAMMAR_GRAMMAR_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/parser_resources.h"
#include "vexa/parser/vexa_parser_util.h"
#include "vexa/parser/vty.h"

namespace vexaparser::testing {

// Configuration text: every line followed by "\n".
inline std::string lines(std::initializer_list<const char*> text) {
  std::string out;
  for (const char* line : text) {
    out += line;
    out += '\n';
  }
  return out;
}

// The product grammar, loaded for the whole suite: loading it is the
// expensive part, and every test of a suite only reads it.
class ProductGrammarTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ParserResources::instance().clearAll();
    vexahost::VexaFileSystem::SetSystemResourceFolder(VEXA_SOURCE_RESOURCE_DIR);
    VexaParserUtil::createParserResource();
    VexaParserUtil::setOverwriteCmds();
  }
  static void TearDownTestSuite() {
    VexaParserUtil::destroyParserResource();
    ParserResources::instance().releaseEverything();
    vexahost::VexaFileSystem::SetSystemResourceFolder("");
  }
  void SetUp() override {
    ASSERT_TRUE(VexaParserUtil::resourcesReady()) << "the product grammar did not load";
  }

  // ---- the configuration algebra on text ----

  // delta's commands applied to base.
  static std::string merge(const std::string& base, const std::string& delta) {
    return VexaParserUtil::mergeConfigCmds(delta, base);
  }
  // The commands that take current back to target (whole files compared).
  static std::string fallback(const std::string& current, const std::string& target) {
    return VexaParserUtil::fallbackConfigCmds(current, target, 1);
  }
  static std::string normalize(const std::string& text) {
    return VexaParserUtil::normalizeConfigCmds(text);
  }

  // ---- a console terminal ----

  // A terminal in configuration mode that runs lines as the console does.
  static std::unique_ptr<VTY> configTerminal() {
    std::unique_ptr<VTY> vty = VTY::create("Router", true);
    if (vty == nullptr) return vty;
    typed(*vty, "enable");
    typed(*vty, "configure terminal");
    return vty;
  }
  // Runs one line (" \n" appended); returns its output.
  static std::string typed(VTY& vty, const std::string& line) {
    vty.parse(line + " \n", true, nullptr);
    std::string out;
    vty.getOutputString(out);
    return out;
  }
  // The help listing for a line ending in "?".
  static std::string help(VTY& vty, const std::string& lineWithMark) {
    vty.hook(lineWithMark);
    std::string out;
    vty.getOutputString(out);
    return out;
  }
  static std::string prompt(const VTY& vty) {
    std::string out;
    vty.getPrompt(out);
    return out;
  }
};

// ---- the corpus of real configurations ----

// The corpus folder (with a trailing separator).
inline std::string corpusFolder() { return VEXA_CORPUS_DIR; }
// The names of the corpus configuration files, sorted.
std::vector<std::string> corpusFiles();
// The whole text of a corpus file; empty when it cannot be read.
std::string corpusText(const std::string& name);
// The path of a data file of these tests.
inline std::string grammarDataFile(const std::string& name) {
  return std::string(VEXA_TEST_DATA_DIR) + "parser/grammar/" + name;
}

}  // namespace vexaparser::testing

#endif  // VEXA_TESTS_PARSER_GRAMMAR_GRAMMAR_TEST_SUPPORT_H_
