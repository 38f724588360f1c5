// Shared fixture of the product-grammar tests: the grammar of the source
// tree's resources/ (mode files, key files, command order files and the
// command flag file), loaded once and made the default grammar for the
// documented entry points, and the grammar's domain: a console terminal to
// type into, the configuration algebra on text (merge, fallback, normalize),
// and the measurements on the corpus of real configurations.
#ifndef VEXA_TESTS_PARSER_GRAMMAR_GRAMMAR_TEST_SUPPORT_H_
#define VEXA_TESTS_PARSER_GRAMMAR_GRAMMAR_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "parser/test_grammar.h"
#include "vexa/parser/parser_resources.h"
#include "vexa/parser/vexa_parser_util.h"
#include "vexa/parser/vty.h"

namespace vexaparser::testing {

// Configuration text from lines separated by "|": every line gets "\n".
std::string cfg(const std::string& piped);
// The normalized form of the lines separated by "|": every line but "!"
// ends in a blank, every line in "\n".
std::string out(const std::string& piped);

// The product grammar as the default grammar: the tests exercise the
// documented entry points over it.
class ProductGrammarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ParserResources::instance().install(productGrammar());
    ASSERT_TRUE(VexaParserUtil::resourcesReady()) << "the product grammar did not load";
  }

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
  // A console terminal at the view prompt, or in configuration mode.
  static std::unique_ptr<VTY> terminal(bool configure) {
    std::unique_ptr<VTY> vty = VTY::create("Router", true);
    if (vty != nullptr && configure) {
      typed(*vty, "enable");
      typed(*vty, "configure terminal");
    }
    return vty;
  }
  // Runs one line as the console does (" \n" appended, or to hook when it
  // ends in "?" or a tab); returns its output.
  static std::string typed(VTY& vty, const std::string& line) {
    if (!line.empty() && (line.back() == '?' || line.back() == '\t')) {
      vty.hook(line);
    } else {
      vty.parse(line + " \n", true, nullptr);
    }
    std::string text;
    vty.getOutputString(text);
    return text;
  }
  static std::string prompt(const VTY& vty) {
    std::string text;
    vty.getPrompt(text);
    return text;
  }
};

// ---- the corpus of real configurations (VEXA_CORPUS_DIR) ----

inline std::string corpusFolder() { return VEXA_CORPUS_DIR; }
// The names of the configuration files of a corpus folder (every file but
// its MANIFEST.tsv), sorted.
std::vector<std::string> corpusFiles(const std::string& folder = corpusFolder());
// The whole text of a corpus file; empty when it cannot be read.
std::string corpusText(const std::string& name, const std::string& folder = corpusFolder());
// The configuration files of both corpora (VEXA_CORPUS_DIR, then
// VEXA_WIDE_CORPUS_DIR): name and text.
std::vector<std::pair<std::string, std::string>> corpora();
// The path of a data file of these tests.
inline std::string grammarDataFile(const std::string& name) {
  return std::string(VEXA_TEST_DATA_DIR) + "parser/grammar/" + name;
}

struct Recognition {
  long lines = 0;       // counted lines
  long recognized = 0;  // counted lines the configuration terminal accepts
  std::vector<std::string> unrecognized;
};

// The count of "vexa-config check" (recognizeLines) with the default
// grammar.
Recognition recognize(const std::string& text);

// Every configuration line of text with the lines of the modes that enclose
// it (by indentation), joined by " > ", with counts: a tree compared without
// the order of sibling lines.  Lines are compared in a form the terminal's
// rewriting keeps (lowered, blanks removed: "GigabitEthernet0/1" and
// "gigabitethernet 0/1 " are the same) while every other change shows.
// Lines without configuration are left out: blank, "!", "end", "version",
// and the listing header lines "Building configuration..." and "Current
// configuration : N bytes".
std::map<std::string, int> treeLines(const std::string& text);

// The delta of the rollback test for a normalized configuration (one blank
// of indentation per level): some commands removed with "no" at the top, in
// sub-modes and in nested sub-modes, descriptions changed or added in
// interfaces, a changed host name, and new top-level commands and a new
// interface. Deterministic: chosen by position only.
std::string rollbackDelta(const std::string& normalized);

// Lines of a that b lacks (with their missing counts), one per line, for
// failure messages.
std::string missingLines(const std::map<std::string, int>& a, const std::map<std::string, int>& b);

}  // namespace vexaparser::testing

#endif  // VEXA_TESTS_PARSER_GRAMMAR_GRAMMAR_TEST_SUPPORT_H_
