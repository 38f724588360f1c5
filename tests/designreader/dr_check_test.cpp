// Checker tests: the report for every kind of error, the bracket stack limit, the process-wide
// error counter that limits messages, and the character reader.

#include "vexa/designreader/dr_check.h"

#include <gtest/gtest.h>

#include <string>

#include "designreader/dr_test_support.h"

namespace vexadr {
namespace {

const std::string kNoNet = "Summary:\n\tPossible error(s), but no net delimiter imbalance.\n";
const std::string kOpenBrace = "Summary:\n1 too few opening braces.\n";
const std::string kCloseParen = "Summary:\n1 too few closing parentheses.\n";
const std::string kSuppressed = "Other error messages being suppressed.\n";

// The report of one check; the error counter starts at 0, as in a fresh process, unless kept.
std::string check(const std::string& text, bool keepCounter = false) {
  if (!keepCounter) DRCheckPeer::errorCounter() = 0;
  DRCheck checker(text);
  EXPECT_TRUE(checker.syntaxCheck());
  return checker.getErrStr();
}

std::string repeated(const std::string& text, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += text;
  return out;
}

// The messages for unmatched closers on lines first..last.
std::string muddles(char closer, int first, int last) {
  std::string out;
  for (int line = first; line <= last; ++line) {
    out += std::string("Muddle detected at unmatched closing ") + closer + " line " +
           std::to_string(line) + ".\n";
  }
  return out;
}

// The message for an entry still open at the end of the text.
std::string unclosed(const std::string& kind, int line) {
  return "*Unclosed brak at EOF: " + kind + " opened on line " + std::to_string(line) + ".\n";
}

TEST(CheckTest, AcceptsWellFormedScripts) {
  // clang-format off
  const std::string scripts[] = {
      "", " if (isempty(#a)) { print \"none\"; } else { print #a; }\r\n",
      " if (a) if (b) x; else y;", " if\n  (a) x;",
      "if (a = b) x;",  // not a keyword at the very start of the text
      "xif (a = b) y;", "#a = \"({[\"; ! ({[\n#b = #c;",
      "x; else y;",  // an "else" without an "if" opens nothing to close
      // Character literals hide their content.
      "x = '(' + '\\'' + '\\012' + '\"' + '\\n' + '';", "'", "'\\", "'\\1"};
  // clang-format on
  for (const std::string& text : scripts) EXPECT_EQ("", check(text)) << text;
}

TEST(CheckTest, ReportsEveryKindOfError) {
  const std::string parenAtEnd = unclosed(")", 1) + kCloseParen;
  // clang-format off
  const TextCase cases[] = {
      {"'ab(", parenAtEnd},  // not a complete literal: the character after it is scanned again
      {"{[(}", "Missing closers detected line 1.\n\tMissing closing ) opened line 1.\n"
               "\tMissing closing ] opened line 1.\nSummary:\n1 too few closing square brackets.\n"
               "1 too few closing parentheses.\n"},
      {"}\n{", muddles('}', 1, 1) + unclosed("}", 2) + kNoNet},
      {"{\n(\n[", unclosed("]", 3) + unclosed(")", 2) + unclosed("}", 1) + "Summary:\n1 too few "
                  "closing braces.\n1 too few closing square brackets.\n1 too few closing "
                  "parentheses.\n"},
      // Comments do not hide line breaks from the count.
      {"! one\n! two (\n\n}", muddles('}', 4, 4) + kOpenBrace},
      {" if (a = b) x;", "Assignment instead of equals in conditional, line 1.\n" + kNoNet},
      {" if\nx;", "Bad if (no condition) line 2.\n" + kNoNet},
      {" if", "Bad if (no condition) line 1.\n" + kNoNet},
      // A carriage return is an ordinary character, not a blank to skip.
      {" if\r\n(a) x;", "Bad if (no condition) line 1.\n" + kNoNet},
      {" if (a)", unclosed("then", 1) + unclosed("if", 1)},
      {" if (a", unclosed(")", 1) + unclosed("if-condition", 1) + unclosed("if", 1) + kCloseParen},
      {" if (a) x; else", unclosed("else", 1)},
      {"{\n if (a)\n}", "Missing closers detected line 3.\n\tMissing closing then opened line 2.\n"
                        "\tMissing closing if opened line 2.\n" + kNoNet},
      // A broken string is reported once, with the line on which it first breaks.
      {"x = \"a\nb\nc\";\n}", "*Error: '\"' quoted string not ended by line 1.\n" +
                              muddles('}', 4, 4) + kOpenBrace},
      {"\n\"a\nb", "*Error: '\"' quoted string not ended by line 2.\n"
                   "*Error: '\"' quoted string not ended by end of file.\n" + kNoNet},
      {"( \"a\\", "*Error: '\"' quoted string not ended by end of file.\n" + parenAtEnd},
      // An escaped quote does not end the string; an escaped line break is not counted.
      {"\"a\\\"(\" (", parenAtEnd},
      {"\"a\\\nb\"\n}", muddles('}', 2, 2) + kOpenBrace},
      // The stack holds 63 open entries.
      {std::string(64, '('), "***stack overflow" + repeated(unclosed(")", 1), 63) +
                             "Summary:\n63 too few closing parentheses.\n"},
      {std::string(63, '['), repeated(unclosed("]", 1), 63) +
                             "Summary:\n63 too few closing square brackets.\n"},
      // Nine ordinary messages in a row at most; a fatal error restarts the count.
      {repeated(")\n", 10) + "\"a\n\"\n" + repeated("]\n", 9),
       muddles(')', 1, 9) + kSuppressed + "*Error: '\"' quoted string not ended by line 11.\n" +
           muddles(']', 13, 20) + kSuppressed +
           "Summary:\n9 too few opening square brackets.\n10 too few opening parentheses.\n"},
  };
  // clang-format on
  for (const TextCase& c : cases) EXPECT_EQ(c.expected, check(c.text)) << c.text;
}

TEST(CheckTest, ErrorCounterCarriesOverBetweenChecks) {
  // A summary leaves the counter at 1 and a clean check leaves it alone, so the next check
  // writes one message fewer.
  EXPECT_EQ(muddles('}', 1, 1) + kOpenBrace, check("}"));
  EXPECT_EQ("", check("#a = #b;", true));
  EXPECT_EQ(muddles(')', 1, 8) + kSuppressed + "Summary:\n10 too few opening parentheses.\n",
            check(repeated(")\n", 10), true));
}

TEST(CheckReaderTest, FoldsBlanksCommentsAndLineBreaks) {
  // clang-format off
  const TextCase cases[] = {
      {"a  \t b", "a b"}, {"a\t\t\n b", "a\nb"}, {"a\r\nb", "a\r\nb"},
      {"a ! c ( \n \r\n\t b", "a  b"}, {"a!c", "a "}, {std::string("a\0b", 3), "a"},
      {"\xff\x80", "\xff\x80"},
  };
  // clang-format on
  for (const TextCase& c : cases) {
    DRCheck checker(c.text);
    std::string read;
    for (int ch; (ch = checker.getChar()) != 0;) read.push_back(static_cast<char>(ch));
    EXPECT_EQ(c.expected, read) << c.text;
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
  DRCheck atStart("");
  atStart.ungetChar('q', false);  // nothing before the start: ignored
  EXPECT_EQ(0, atStart.getChar());
}

}  // namespace
}  // namespace vexadr
