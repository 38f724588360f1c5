// Checker tests: reports for brackets, strings, character literals and the
// if/else pairing, the character reader, the bracket stack limit, and the
// process-wide error counter.

#include "vexa/designreader/dr_check.h"

#include <gtest/gtest.h>

#include <string>

#include "designreader/dr_test_support.h"

namespace vexadr {
namespace {

const char kNoNet[] = "\tPossible error(s), but no net delimiter imbalance.\n";

// Each test starts as a fresh process would: the error counter at 0.
class CheckTest : public ::testing::Test {
 protected:
  void SetUp() override { DRCheckPeer::errorCounter() = 0; }

  static std::string check(const std::string& text) {
    DRCheck checker(text);
    EXPECT_TRUE(checker.syntaxCheck());
    return checker.getErrStr();
  }
};

struct ReportCase {
  std::string text;
  std::string report;
};

TEST_F(CheckTest, AcceptsWellFormedScripts) {
  const std::string cases[] = {
      "",
      "#a = #b;\r\n#c = #d;",
      "#a = search_line(\"interface (@name)\", all);\r\n",
      " if (isempty(#a)) { print \"none\"; } else { print #a; }\r\n",
      " if (#a == #b) x;",
      "{ if (a) { x; } else { y; } }",
      "{ if (a) x; }",
      " if (a) if (b) x; else y;",
      " if\n  (a) x;",
      "if (a = b) x;",  // not a keyword at the very start of the text
      "xif (a = b) y;",
      "#a = \"({[\"; ! ({[\n#b = #c;",
      "x = '(' + '\\'' + '\\012' + '\"' + '\\n';",
      "x = ''; y = (1);",
  };
  for (const std::string& text : cases) {
    DRCheckPeer::errorCounter() = 0;
    EXPECT_EQ("", check(text)) << text;
  }
}

TEST_F(CheckTest, ReportsBracketAndKeywordErrors) {
  const ReportCase cases[] = {
      {"{(}",
       "Missing closers detected line 1.\n\tMissing closing ) opened line 1.\nSummary:\n"
       "1 too few closing parentheses.\n"},
      {"{[(}",
       "Missing closers detected line 1.\n\tMissing closing ) opened line 1.\n"
       "\tMissing closing ] opened line 1.\nSummary:\n1 too few closing square brackets.\n"
       "1 too few closing parentheses.\n"},
      {"}",
       "Muddle detected at unmatched closing } line 1.\nSummary:\n1 too few opening braces.\n"},
      {"a\n\n]",
       "Muddle detected at unmatched closing ] line 3.\nSummary:\n"
       "1 too few opening square brackets.\n"},
      {"))",
       "Muddle detected at unmatched closing ) line 1.\nMuddle detected at unmatched closing ) "
       "line 1.\nSummary:\n2 too few opening parentheses.\n"},
      {"}\n{",
       "Muddle detected at unmatched closing } line 1.\n*Unclosed brak at EOF: } opened on line "
       "2.\nSummary:\n" +
           std::string(kNoNet)},
      {"{\n(\n[",
       "*Unclosed brak at EOF: ] opened on line 3.\n*Unclosed brak at EOF: ) opened on line 2.\n"
       "*Unclosed brak at EOF: } opened on line 1.\nSummary:\n1 too few closing braces.\n"
       "1 too few closing square brackets.\n1 too few closing parentheses.\n"},
      {" if (a = b) x;",
       "Assignment instead of equals in conditional, line 1.\nSummary:\n" + std::string(kNoNet)},
      {" if x;", "Bad if (no condition) line 1.\nSummary:\n" + std::string(kNoNet)},
      {" if\nx;", "Bad if (no condition) line 2.\nSummary:\n" + std::string(kNoNet)},
      {" if", "Bad if (no condition) line 1.\nSummary:\n" + std::string(kNoNet)},
      // A carriage return is an ordinary character, not a blank to skip.
      {" if\r\n(a) x;", "Bad if (no condition) line 1.\nSummary:\n" + std::string(kNoNet)},
      {" if (a)",
       "*Unclosed brak at EOF: then opened on line 1.\n*Unclosed brak at EOF: if opened on line "
       "1.\n"},
      {"{\n if (a)\n}",
       "Missing closers detected line 3.\n\tMissing closing then opened line 2.\n"
       "\tMissing closing if opened line 2.\nSummary:\n" +
           std::string(kNoNet)},
      {"x; else y;", ""},  // an "else" without an "if" opens nothing to close
      // Comments do not hide line breaks from the count.
      {"! one\n! two (\n\n}",
       "Muddle detected at unmatched closing } line 4.\nSummary:\n1 too few opening braces.\n"},
  };
  for (const ReportCase& c : cases) {
    DRCheckPeer::errorCounter() = 0;
    EXPECT_EQ(c.report, check(c.text)) << c.text;
  }
}

TEST_F(CheckTest, ReportsStringsNotEnded) {
  const ReportCase cases[] = {
      // Reported once, with the line on which the string first breaks.
      {"x = \"a\nb\nc\";\n}",
       "*Error: '\"' quoted string not ended by line 1.\nMuddle detected at unmatched closing } "
       "line 4.\nSummary:\n1 too few opening braces.\n"},
      {"x = \"abc",
       "*Error: '\"' quoted string not ended by end of file.\nSummary:\n" + std::string(kNoNet)},
      {"\n\"a\nb",
       "*Error: '\"' quoted string not ended by line 2.\n*Error: '\"' quoted string not ended by "
       "end of file.\nSummary:\n" +
           std::string(kNoNet)},
      {"( \"a\\",
       "*Error: '\"' quoted string not ended by end of file.\n"
       "*Unclosed brak at EOF: ) opened on line 1.\nSummary:\n"
       "1 too few closing parentheses.\n"},
      // An escaped quote does not end the string; an escaped line break is not counted.
      {"\"a\\\"(\" (",
       "*Unclosed brak at EOF: ) opened on line 1.\nSummary:\n"
       "1 too few closing parentheses.\n"},
      {"\"a\\\nb\"\n}",
       "Muddle detected at unmatched closing } line 2.\nSummary:\n1 too few opening braces.\n"},
  };
  for (const ReportCase& c : cases) {
    DRCheckPeer::errorCounter() = 0;
    EXPECT_EQ(c.report, check(c.text)) << c.text;
  }
}

TEST_F(CheckTest, CharacterLiteralsHideTheirContent) {
  const ReportCase cases[] = {
      {"'('", ""},
      {"'\\''", ""},
      {"'\\123' (",
       "*Unclosed brak at EOF: ) opened on line 1.\nSummary:\n"
       "1 too few closing parentheses.\n"},
      // Not a complete literal: the character after it is scanned again.
      {"'ab(",
       "*Unclosed brak at EOF: ) opened on line 1.\nSummary:\n"
       "1 too few closing parentheses.\n"},
      {"'", ""},
      {"'\\", ""},
      {"'\\1", ""},
  };
  for (const ReportCase& c : cases) {
    DRCheckPeer::errorCounter() = 0;
    EXPECT_EQ(c.report, check(c.text)) << c.text;
  }
}

TEST_F(CheckTest, StackHoldsSixtyThreeOpenEntries) {
  std::string expected = "***stack overflow";
  for (int i = 0; i < 63; ++i) expected += "*Unclosed brak at EOF: ) opened on line 1.\n";
  expected += "Summary:\n63 too few closing parentheses.\n";
  EXPECT_EQ(expected, check(std::string(64, '(')));

  std::string full;
  for (int i = 0; i < 63; ++i) full += "*Unclosed brak at EOF: ] opened on line 1.\n";
  full += "Summary:\n63 too few closing square brackets.\n";
  EXPECT_EQ(full, check(std::string(63, '[')));
}

TEST_F(CheckTest, SuppressesAfterNineErrors) {
  std::string text;
  std::string expected;
  for (int line = 1; line <= 10; ++line) {
    text += ")\n";
    if (line <= 9) {
      expected += "Muddle detected at unmatched closing ) line " + std::to_string(line) + ".\n";
    }
  }
  expected += "Other error messages being suppressed.\n";
  expected += "Summary:\n10 too few opening parentheses.\n";
  EXPECT_EQ(expected, check(text));
}

TEST_F(CheckTest, ErrorCounterCarriesOverBetweenChecks) {
  const std::string tenErrors = ")\n)\n)\n)\n)\n)\n)\n)\n)\n)\n";
  EXPECT_NE("", check("}"));         // ends with "Summary:", leaving the counter at 1
  EXPECT_EQ("", check("#a = #b;"));  // a clean check leaves it unchanged
  EXPECT_EQ(1, DRCheckPeer::errorCounter());

  const std::string report = check(tenErrors);
  std::string expected;
  for (int line = 1; line <= 8; ++line) {
    expected += "Muddle detected at unmatched closing ) line " + std::to_string(line) + ".\n";
  }
  expected += "Other error messages being suppressed.\nSummary:\n10 too few opening parentheses.\n";
  EXPECT_EQ(expected, report);
  EXPECT_EQ(1, DRCheckPeer::errorCounter());
}

TEST_F(CheckTest, FatalErrorRestartsTheCount) {
  // Ten ordinary errors, then a broken string, then nine more ordinary ones.
  std::string text = ")\n)\n)\n)\n)\n)\n)\n)\n)\n)\n\"a\n\"\n";
  for (int i = 0; i < 9; ++i) text += "]\n";
  const std::string report = check(text);
  std::string expected;
  for (int line = 1; line <= 9; ++line) {
    expected += "Muddle detected at unmatched closing ) line " + std::to_string(line) + ".\n";
  }
  expected += "Other error messages being suppressed.\n";
  expected += "*Error: '\"' quoted string not ended by line 11.\n";
  for (int line = 13; line <= 20; ++line) {
    expected += "Muddle detected at unmatched closing ] line " + std::to_string(line) + ".\n";
  }
  expected += "Other error messages being suppressed.\n";
  expected += "Summary:\n9 too few opening square brackets.\n10 too few opening parentheses.\n";
  EXPECT_EQ(expected, report);
}

TEST_F(CheckTest, SecondScanOfTheSameCheckerRepeatsTheSummary) {
  DRCheck checker("}");
  checker.syntaxCheck();
  const std::string first = checker.getErrStr();
  checker.syntaxCheck();
  EXPECT_EQ(first + "Summary:\n1 too few opening braces.\n", checker.getErrStr());
}

// ---- the character reader ----

std::string readAll(DRCheck& checker) {
  std::string out;
  for (int c; (c = checker.getChar()) != 0;) out.push_back(static_cast<char>(c));
  return out;
}

TEST(CheckReaderTest, FoldsBlanksCommentsAndLineBreaks) {
  const ReportCase cases[] = {
      {"a  \t b", "a b"},
      {"a \n\n  b", "a\nb"},
      {"a\t\t\n b", "a\nb"},
      {"a\r\nb", "a\r\nb"},
      {"a\n\r\nb", "a\n\r\nb"},
      {"a ! c ( \n \r\n\t b", "a  b"},
      {"a!c", "a "},
      {"!x\n!y\nz", "  z"},
      {std::string("a\0b", 3), "a"},
      {"\xff\x80", "\xff\x80"},
  };
  for (const ReportCase& c : cases) {
    DRCheck checker(c.text);
    EXPECT_EQ(c.report, readAll(checker)) << c.text;
    EXPECT_EQ(0, checker.getChar()) << c.text;
  }
}

TEST(CheckReaderTest, UngetStoresTheCharacterOrASpace) {
  DRCheck checker("xy");
  EXPECT_EQ('x', checker.getChar());
  checker.ungetChar('\n', true);
  EXPECT_EQ(' ', checker.getChar());
  checker.ungetChar('\n', false);
  EXPECT_EQ('\n', checker.getChar());  // a line break read again, with its run
  EXPECT_EQ('y', checker.getChar());
  EXPECT_EQ(0, checker.getChar());
  checker.ungetChar(0, false);
  EXPECT_EQ(0, checker.getChar());

  DRCheck atStart("");
  atStart.ungetChar('q', false);  // nothing before the start: ignored
  EXPECT_EQ(0, atStart.getChar());
}

}  // namespace
}  // namespace vexadr
