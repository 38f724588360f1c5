// Translator tests.  The golden files: every script under tests/data/designreader/translator/ is
// translated and compared byte for byte with its expected program.  NAME.drs is the script;
// prologue.pl holds the fixed prologue every program opens with, NAME.pl the rest of the expected
// program up to and including "close OUTFILE;\n" (the runtime library follows it unchanged);
// NAME.err, when present, holds the expected error text of a script the translator rejects, whose
// program then has no body.  Programs of accepted scripts must also compile with perl -c.  Below
// the golden files: the lexer, the argument reader, the pattern rewrite, the placing of helper
// lines, statements the golden scripts leave out, and the program file itself.  (Generated
// programs run with the product's runtime library: dr_functions_test.cpp.)

#include "vexa/designreader/dr_translator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "designreader/dr_test_support.h"
#include "vexa/host/vexa_file_system.h"

namespace vexadr {
namespace {

std::string joined(const std::vector<std::string>& words) {
  std::string out;
  for (const std::string& word : words) out += "[" + word + "]";
  return out;
}

TEST(TranslatorLexerTest, SplitsScriptsIntoWords) {
  // clang-format off
  const TextCase cases[] = {
      {"", ""}, {"#a=#b+$c", "[#a=#b][+][@c]"}, {"a  b\t\r\n", "[a][  ][b][\t][\r][\n]"},
      {"x(y),[z];'\"\\!{}-", "[x][(][y][)][,][[][z][]][;]['][\"][\\][!][{][}][-]"},
      {"  end", "[  ][end]"}, {"a$b$", "[a@b@]"}, {"a\xff" "b", "[a\xff" "b]"},
      {"( \xff)", "[(][ ][][)]"}, {std::string("a\0b", 3), "[a]"},
  };
  // clang-format on
  for (const TextCase& c : cases) {
    EXPECT_EQ(c.expected, joined(DRTranslatorPeer(c.text).words())) << c.text;
  }
}

TEST(TranslatorArgumentsTest, SplitsAtEveryCommaAndTrimsOrReportsBrackets) {
  // clang-format off
  const TextCase cases[] = {  // the joined arguments, or the error text when rejected
      {"()", "[\"\"]"}, {" \r\n(x)", "[x]"}, {"(a,)", "[a][\"\"]"},
      {"(f(x), \"p,q\")", "[f(x)][\"p][q\"]"}, {"( x\r\n ,\ty )", "[x][y]"},
      {"", "Function lacks left bracket on code line 1.\r\n"},
      {"\n\n;", "Function lacks left bracket on code line 3.\r\n"},
      {"((a)", "Function lacks right bracketon code line 1.\r\n"},
  };
  // clang-format on
  for (const TextCase& c : cases) {
    DRTranslatorPeer peer(c.text);
    std::vector<std::string> arguments;
    const bool rejected = c.expected.rfind("Function", 0) == 0;
    EXPECT_EQ(rejected ? -1 : 0, peer.funVariables(arguments)) << c.text;
    // An accepted list must leave no error text behind.
    EXPECT_EQ(c.expected, rejected ? peer.errorText() : joined(arguments) + peer.errorText())
        << c.text;
  }
}

TEST(TranslatorPatternTest, RewritesCapturesAndReferences) {
  const std::string group = "([^ \\t\\r\\n]*)";
  const struct {
    std::string pattern;
    int mode;
    std::string expected;  // the rewritten pattern, the captures, the references
  } cases[] = {
      {"\"(a b) @x\"", 0, "\"" + group + " $x[$index]\" [a b] [@x]"},
      {"\"tail @end", 1, "\"tail $end[0]  [@end]"},
      // A ")" before the next "(": the group runs to the end of the pattern.
      {"\"a ) b (c\"", 0, "\"a ) b " + group + " [c\"] "},
      // The rewrite resumes one character after a replaced group, so a group that follows
      // another directly is left as written.
      {"(@a)(@b)", 0, group + "($b)[$index] [@a][@b] "},
  };
  for (const auto& c : cases) {
    std::string pattern = c.pattern;
    std::vector<std::string> captures;
    std::vector<std::string> references;
    EXPECT_EQ(0, DRTranslatorPeer("").solveRegular(pattern, captures, references, c.mode));
    EXPECT_EQ(c.expected, pattern + " " + joined(captures) + " " + joined(references)) << c.pattern;
  }
}

TEST(TranslatorInsertTest, PlacesLinesAfterTheLastStatementEnd) {
  DRTranslatorPeer peer("");
  // clang-format off
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{}, "[L][\n]"}, {{"{"}, "[L][\n][{]"},  // the first entry is never taken as a statement end
      {{"{", "\n", "}", "z"}, "[{][\n][}][L][\n][z]"},
      {{"a", "\n", "b", ";"}, "[a][\n][b][;][L][\n]"},
  };
  // clang-format on
  for (const auto& [before, expected] : cases) {
    std::vector<std::string> words = before;
    peer.insertPreLine("L", words);
    EXPECT_EQ(expected, joined(words)) << joined(before);
  }
  std::vector<std::string> words = {"x", ";", "#a"};
  peer.insertPreLine("one", words);
  peer.insertPreLine("two", words);
  EXPECT_EQ("[x][;][one][\n][two][\n][#a]", joined(words));  // successive lines keep call order
}

TEST(TranslatorStatementTest, TranslatesOrRejectsStatements) {
  // clang-format off
  const TextCase cases[] = {  // the body and the error text; "<failed>" for no body
      // Union whose right operand is missing at the end of the script.
      {"#a = #b +", "@temp1 = ();\r\n@temp1 = combineLines(\\@b, \\);\r\n@a = @temp1"},
      {"#b + ", "<failed>\"\" is an illegal variable in expression on code line 1.\r\n"},
      // A closing parenthesis as the last character completes not (and isempty).
      {"#a = not(#b)",
       "@temp2 = ();\r\n\n@temp2 = combineLines(\\@temp2, \\@b);\r\n\n@a = excludeLines(\\@temp2)"},
      {"#a = not(#b * #c);", "<failed>Not variable is wrong on code line1.\r\n"},
      // "if" may follow only ";", braces, "=", "+", "-" or "(".
      {"if (isempty(#a)) {} else if (isempty(#b)) {}",
       "<failed>There is an illegal expression on/before code line 1.\r\n"},
      {"(#a)", "(@a)"},
      {"print \"abc", "print OUTFILE \"abc"},
      {"#a = search_line(\"x\");",
       "<failed>Function has wrong argument number on code line 1.\r\n"},
      {"#a = search_line(\"x\", all, #s, e, f);",
       "<failed>Function has wrong argument number on code line 1.\r\n"},
      {"if (is_in_samenet(a,b,c,d,)) {}", "if (is_in_samenet(\\a,\\b,\\c,d,\"\"\"\")) {}"},
      // A scope written as a user-interface list is lower-cased like any scope.
      {"#a = search_line(\"x\", first, @UI_InterfaceList);",
       "\n\nif (@ui_interfacelist)\n{\n@matchResults = (\"\") x 0;\r\n\n@a = "
       "search_line(\"x\",\"first\",\\@ui_interfacelist,\"\");\r\n}\n;"},
      // At most two double quotes are taken out of the extra text.
      {"#a = search_line(\"x\", all, \"\", A\"b\"c\"d);",
       "@matchResults = (\"\") x 0;\r\n\n@a = search_line(\"x\",\"all\",\"\",\"abc\"d\");\r\n;"},
      // References in later patterns take the first element.
      {"#a = search_paragraph_between(\"x\", \"y @v\", all);",
       "@matchResultsBegin = (\"\") x 0;\r\n\n@matchResultsEnd = (\"\") x 0;\r\n\n"
       "@a = search_paragraph_between(\"x\",\"y $v[0]\",\"all\",\"\",\"\");\r\n;"},
  };
  // clang-format on
  for (const TextCase& c : cases) {
    DRTranslatorPeer peer(c.text);
    const std::string body = peer.body();  // before the error text, which it fills
    EXPECT_EQ(c.expected, body + peer.errorText()) << c.text;
  }
}

// The golden scripts, sorted.
std::vector<std::string> goldenNames() {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(drGoldenDir(), ec)) {
    if (entry.path().extension() == ".drs") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The expected program of a golden script: the shared prologue, then its own NAME.pl.
std::string expectedProgram(const std::string& name) {
  return readFile(drGoldenDir() + "prologue.pl") + readFile(drGoldenDir() + name + ".pl");
}

class TranslatorGoldenTest : public DRResourceTest,
                             public ::testing::WithParamInterface<std::string> {};

TEST_P(TranslatorGoldenTest, ProgramMatchesExpected) {
  const std::string golden = drGoldenDir() + GetParam();
  // Written over a longer stale program, which must not survive.
  const std::string path = dir_.write(GetParam() + ".pl", std::string(1 << 15, 'x'));
  DRTranslator translator(readFile(golden + ".drs"), path);
  translator.translateScriptFile();
  if (std::filesystem::exists(golden + ".err")) {
    // A rejected script: the prologue and the epilogue are still written.
    EXPECT_EQ(readFile(golden + ".err"), translator.errorText);
    EXPECT_EQ(expectedProgram("empty") + library_, readFile(path));
    return;
  }
  EXPECT_EQ(expectedProgram(GetParam()) + library_, readFile(path));
  ASSERT_EQ("", translator.errorText);
  EXPECT_EQ(0, runPerl({"-c", path}, path + ".log")) << readFile(path + ".log");
}

INSTANTIATE_TEST_SUITE_P(Golden, TranslatorGoldenTest, ::testing::ValuesIn(goldenNames()),
                         [](const auto& param) { return param.param; });

TEST(TranslatorGoldenSetTest, FindsTheScripts) { EXPECT_GE(goldenNames().size(), 30u); }

using TranslatorFileTest = DRResourceTest;

TEST_F(TranslatorFileTest, MissingLibraryLeavesTheProgramWithoutEpilogue) {
  const std::string prologue = expectedProgram("empty");
  std::filesystem::create_directories(dir_.path() + "resources/scripts");
  vexahost::VexaFileSystem::SetSystemResourceFolder(dir_.path() + "resources/");
  DRTranslator translator("#a = #b;", dir_.path() + "out.pl");
  translator.translateScriptFile();
  EXPECT_EQ(prologue.substr(0, prologue.find("\r\nclose OUTFILE;\n")) + "@a = @b;",
            readFile(dir_.path() + "out.pl"));
  EXPECT_EQ("", translator.errorText);
}

TEST_F(TranslatorFileTest, UnwritablePathWritesNothingAndSaysNothing) {
  DRTranslator translator("print x;", dir_.path() + "no/such/folder/out.pl");
  translator.translateScriptFile();
  EXPECT_FALSE(std::filesystem::exists(dir_.path() + "no/such/folder/out.pl"));
  EXPECT_EQ("", translator.errorText);
}

}  // namespace
}  // namespace vexadr
