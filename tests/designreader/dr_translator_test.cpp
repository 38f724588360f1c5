// Translator tests below the golden files: the lexer, the argument reader,
// the pattern rewrite, the placing of helper lines, statement cases the
// golden scripts leave out, and the program file itself.

#include "vexa/designreader/dr_translator.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
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

// ---- lexer ----

struct LexCase {
  std::string script;
  std::string words;
};

TEST(TranslatorLexerTest, SplitsScriptsIntoWords) {
  const LexCase cases[] = {
      {"", ""},
      {"#a=#b+$c", "[#a=#b][+][@c]"},
      {"a  b\t\r\n", "[a][  ][b][\t][\r][\n]"},
      {"x(y),[z];'\"\\!{}-", "[x][(][y][)][,][[][z][]][;]['][\"][\\][!][{][}][-]"},
      {"end ", "[end][ ]"},
      {"  end", "[  ][end]"},
      {"$UI_InterfaceList", "[@UI_InterfaceList]"},
      {"a$b$", "[a@b@]"},
      {"if(x<=3.5)", "[if][(][x<=3.5][)]"},
      {std::string("a\xff"
                   "b"),
       std::string("[a\xff"
                   "b]")},
      {std::string("( \xff)"), "[(][ ][][)]"},
      {std::string("a\0b", 3), "[a]"},
  };
  for (const LexCase& c : cases) {
    DRTranslatorPeer peer(c.script);
    EXPECT_EQ(c.words, joined(peer.words())) << c.script;
  }
}

TEST(TranslatorLexerTest, CountsOnlyLineFeedWords) {
  DRTranslatorPeer peer("a\r\nb\n\n c\r");
  peer.words();
  EXPECT_EQ(4, peer.line());
}

TEST(TranslatorLexerTest, UnSpaceWordSkipsBlanksAndKeepsTheLastWordAtTheEnd) {
  EXPECT_EQ("x", DRTranslatorPeer(" \t\r\n x y").unSpaceWord());
  EXPECT_EQ("  ", DRTranslatorPeer("\n  ").unSpaceWord());
  EXPECT_EQ("", DRTranslatorPeer("").unSpaceWord());
}

TEST(TranslatorLexerTest, WordTypesFollowTheFirstCharacter) {
  const std::pair<std::string, int> cases[] = {{"", -1},   {"a", 0},    {" x", 1},
                                               {"+", 2},   {"-", 3},    {"=#", 4},
                                               {"@ui", 5}, {"#set", 6}, {"\t", 0}};
  for (const auto& [word, type] : cases) {
    EXPECT_EQ(type, DRTranslatorPeer::wordType(word)) << word;
  }
}

// ---- argument reader ----

struct ArgumentCase {
  std::string source;
  std::string arguments;  // joined, or the error text when rejected
};

TEST(TranslatorArgumentsTest, SplitsAtEveryCommaAndTrims) {
  const ArgumentCase cases[] = {
      {"(a, ,b)", "[a][\"\"][b]"},  {"()", "[\"\"]"},
      {" \r\n(x)", "[x]"},          {"(f(x), \"p,q\")", "[f(x)][\"p][q\"]"},
      {"( x\r\n ,\ty )", "[x][y]"}, {"(a; {b}\n)", "[a; {b}]"},
      {"(a,)", "[a][\"\"]"},        {"(Mixed Case)", "[Mixed Case]"},
  };
  for (const ArgumentCase& c : cases) {
    DRTranslatorPeer peer(c.source);
    std::vector<std::string> arguments;
    EXPECT_EQ(0, peer.funVariables(arguments)) << c.source;
    EXPECT_EQ(c.arguments, joined(arguments)) << c.source;
    EXPECT_EQ("", peer.errorText()) << c.source;
  }
}

TEST(TranslatorArgumentsTest, ReportsMissingBrackets) {
  const ArgumentCase cases[] = {
      {"x)", "Function lacks left bracket on code line 1.\r\n"},
      {"", "Function lacks left bracket on code line 1.\r\n"},
      {"\n\n;", "Function lacks left bracket on code line 3.\r\n"},
      {"(a,\nb", "Function lacks right bracketon code line 2.\r\n"},
      {"((a)", "Function lacks right bracketon code line 1.\r\n"},
  };
  for (const ArgumentCase& c : cases) {
    DRTranslatorPeer peer(c.source);
    std::vector<std::string> arguments;
    EXPECT_EQ(-1, peer.funVariables(arguments)) << c.source;
    EXPECT_EQ(c.arguments, peer.errorText()) << c.source;
  }
}

// ---- pattern rewrite ----

struct PatternCase {
  std::string pattern;
  int mode;
  std::string rewritten;
  std::string captures;
  std::string references;
};

TEST(TranslatorPatternTest, RewritesCapturesAndReferences) {
  const std::string group = "([^ \\t\\r\\n]*)";
  const PatternCase cases[] = {
      {"\"no groups\"", 0, "\"no groups\"", "", ""},
      {"\"interface (@name)\"", 0, "\"interface " + group + "\"", "[@name]", ""},
      {"\"ip (@a) (#m)\"", 1, "\"ip " + group + " " + group + "\"", "[@a][#m]", ""},
      {"\"ip @ip mask @m\"", 0, "\"ip $ip[$index] mask $m[$index]\"", "", "[@ip][@m]"},
      {"\"ip @ip mask @m\"", 1, "\"ip $ip[0] mask $m[0]\"", "", "[@ip][@m]"},
      {"\"@a x @a\"", 0, "\"$a[$index] x $a[$index]\"", "", "[@a][@a]"},
      {"\"(a b) @x\"", 0, "\"" + group + " $x[$index]\"", "[a b]", "[@x]"},
      {"\"tail @end", 1, "\"tail $end[0]", "", "[@end]"},
      // A ")" before the next "(": the group runs to the end of the pattern.
      {"\"a ) b (c\"", 0, "\"a ) b " + group, "[c\"]", ""},
      // The rewrite resumes one character after a replaced group, so a group
      // that follows another directly is left as written.
      {"(@a)(@b)", 0, group + "($b)[$index]", "[@a][@b]", ""},
  };
  for (const PatternCase& c : cases) {
    DRTranslatorPeer peer("");
    std::string pattern = c.pattern;
    std::vector<std::string> captures;
    std::vector<std::string> references;
    EXPECT_EQ(0, peer.solveRegular(pattern, captures, references, c.mode));
    EXPECT_EQ(c.rewritten, pattern) << c.pattern;
    EXPECT_EQ(c.captures, joined(captures)) << c.pattern;
    EXPECT_EQ(c.references, joined(references)) << c.pattern;
  }
}

// ---- placing lines before the statement ----

TEST(TranslatorInsertTest, PlacesLinesAfterTheLastStatementEnd) {
  DRTranslatorPeer peer("");
  struct Case {
    std::vector<std::string> words;
    std::string expected;
  };
  const Case cases[] = {
      {{}, "[L][\n]"},
      {{"{"}, "[L][\n][{]"},  // the first entry is never taken as a statement end
      {{"x", ";", "y", " "}, "[x][;][L][\n][y][ ]"},
      {{"{", "\n", "}", "z"}, "[{][\n][}][L][\n][z]"},
      {{"a", "\n", "b", ";"}, "[a][\n][b][;][L][\n]"},
      {{"a", "\r", "b"}, "[L][\n][a][\r][b]"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> words = c.words;
    peer.insertPreLine("L", words);
    EXPECT_EQ(c.expected, joined(words)) << joined(c.words);
  }
}

TEST(TranslatorInsertTest, SuccessiveLinesKeepCallOrder) {
  DRTranslatorPeer peer("");
  std::vector<std::string> words = {"x", ";", "#a", " ", "="};
  peer.insertPreLine("one", words);
  peer.insertPreLine("two", words);
  EXPECT_EQ("[x][;][one][\n][two][\n][#a][ ][=]", joined(words));
}

// ---- statements ----

struct BodyCase {
  std::string script;
  std::string body;   // "<failed>" when the translation fails
  std::string error;  // expected errorText
};

TEST(TranslatorStatementTest, TranslatesOrRejectsStatements) {
  const BodyCase cases[] = {
      // Union whose right operand is missing at the end of the script.
      {"#a = #b +", "@temp1 = ();\r\n@temp1 = combineLines(\\@b, \\);\r\n@a = @temp1", ""},
      {"#b +", "<failed>", "\"\" is an illegal variable in expression on code line 1.\r\n"},
      {"#b + ", "<failed>", "\"\" is an illegal variable in expression on code line 1.\r\n"},
      {"#a = #b - @UI_ProtocolList;",
       "@temp1 = ();\r\n@temp1 = removeLines(\\@b, \\@UI_ProtocolList);\r\n@a= @temp1;", ""},
      // Parentheses inside a set expression are not supported.
      {"#a = (#b + #c);", "<failed>", "An illegal expression on code line 1.\r\n"},
      // A closing parenthesis as the last character completes isempty and not.
      {"#a = not(#b)",
       "@temp2 = ();\r\n\n@temp2 = combineLines(\\@temp2, \\@b);\r\n\n@a = "
       "excludeLines(\\@temp2)",
       ""},
      {"if (isempty(#a))",
       "@temp3 = ();\r\n\n@temp3 = combineLines(\\@temp3, \\@a);\r\n\nif (isEmpty(\\@temp3))", ""},
      {"#a = not(#b + x);", "<failed>", "Not variable is wrong on code line1.\r\n"},
      {"#a = not(#b * #c);", "<failed>", "Not variable is wrong on code line1.\r\n"},
      {"#a = not #b;", "<failed>", "Function lacks left bracket  on code line1.\r\n"},
      // "if" may follow only ";", braces, "=", "+", "-" or "(".
      {"if (isempty(#a)) {} else if (isempty(#b)) {}", "<failed>",
       "There is an illegal expression on/before code line 1.\r\n"},
      {"(#a)", "(@a)", ""},
      {"#a = #b; !x\n", "@a = @b; ", ""},
      {"#a = #b; !x\r", "@a = @b; ", ""},
      {"if (#a eq \"x\"", "if (@a eq \"x\"", ""},
      {"print \"abc", "print OUTFILE \"abc", ""},
      {"print \"a\nb\" #c", "<failed>",
       "There is an illegal expression on/before code line 2.\r\n"},
      {"print;", "<failed>", "Print information formate is wrong on codeline 1.\r\n"},
      {"#a = search_line(\"x\");", "<failed>",
       "Function has wrong argument number on code line 1.\r\n"},
      {"#a = search_line(\"x\", all, #s, e, f);", "<failed>",
       "Function has wrong argument number on code line 1.\r\n"},
      {"#a = search_paragraph_begin(\"x\", some);", "<failed>",
       "Function has wrong flag argument on code line 1.\r\n"},
      {"#a = search_paragraph_between(\"x\");", "<failed>",
       "Function has wrong argument number on code line 1.\r\n"},
      {"#a = search_paragraph(\"x\", \"y\", \"z\", all, #s, e, f);", "<failed>",
       "Function has wrong argument number on code line 1.\r\n"},
      {"if (is_in_samenet #a) {}", "<failed>", "Function lacks left bracket on code line 1.\r\n"},
      {"if (is_in_samenet(a,b,c,d,)) {}", "if (is_in_samenet(\\a,\\b,\\c,d,\"\"\"\")) {}", ""},
      // A scope written as a user-interface list is lower-cased like any scope.
      {"#a = search_line(\"x\", first, @UI_InterfaceList);",
       "\n\nif (@ui_interfacelist)\n{\n@matchResults = (\"\") x 0;\r\n\n@a = "
       "search_line(\"x\",\"first\",\\@ui_interfacelist,\"\");\r\n}\n;",
       ""},
      // At most two double quotes are taken out of the extra text.
      {"#a = search_line(\"x\", all, \"\", A\"b\"c\"d);",
       "@matchResults = (\"\") x 0;\r\n\n@a = search_line(\"x\",\"all\",\"\",\"abc\"d\");\r\n;",
       ""},
  };
  for (const BodyCase& c : cases) {
    DRTranslatorPeer peer(c.script);
    EXPECT_EQ(c.body, peer.body()) << c.script;
    EXPECT_EQ(c.error, peer.errorText()) << c.script;
  }
}

TEST(TranslatorStatementTest, StopsAtTheFirstFailingBuiltin) {
  DRTranslatorPeer peer("print x;\r\nprint y;\r\n");
  EXPECT_EQ("<failed>", peer.body());
  EXPECT_EQ("Print information formate is wrong on codeline 1.\r\n", peer.errorText());
}

TEST(TranslatorStatementTest, ReferencesInLaterPatternsTakeTheFirstElement) {
  DRTranslatorPeer peer("#a = search_paragraph_between(\"x\", \"y @v\", all);");
  EXPECT_EQ(
      "@matchResultsBegin = (\"\") x 0;\r\n\n@matchResultsEnd = (\"\") x 0;\r\n\n"
      "@a = search_paragraph_between(\"x\",\"y $v[0]\",\"all\",\"\",\"\");\r\n;",
      peer.body());
}

// ---- the program file ----

class TranslatorFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    vexahost::VexaFileSystem::SetSystemResourceFolder(drResourceDir());
    dir_ = scratchDir();
    prologueAndEpilogue_ = readFile(drGoldenDir() + "empty.pl");
    library_ = readFile(drResourceDir() + "scripts/DRFunctions");
  }
  void TearDown() override { vexahost::VexaFileSystem::SetSystemResourceFolder(std::string()); }

  std::string dir_;
  std::string prologueAndEpilogue_;  // ends in "close OUTFILE;\n"
  std::string library_;
};

TEST_F(TranslatorFileTest, MissingLibraryLeavesTheProgramWithoutEpilogue) {
  const std::string emptyResources = dir_ + "resources/";
  std::filesystem::create_directories(emptyResources + "scripts");
  vexahost::VexaFileSystem::SetSystemResourceFolder(emptyResources);
  DRTranslator translator("#a = #b;", dir_ + "out.pl");
  translator.translateScriptFile();
  const std::string epilogue = "\r\nclose OUTFILE;\n";
  const std::string prologue =
      prologueAndEpilogue_.substr(0, prologueAndEpilogue_.size() - epilogue.size());
  EXPECT_EQ(prologue + "@a = @b;", readFile(dir_ + "out.pl"));
  EXPECT_EQ("", translator.errorText);
}

TEST_F(TranslatorFileTest, UnwritablePathWritesNothingAndSaysNothing) {
  const std::string path = dir_ + "no/such/folder/out.pl";
  DRTranslator translator("print x;", path);
  translator.translateScriptFile();
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_EQ("", translator.errorText);
}

TEST_F(TranslatorFileTest, ReplacesAnExistingProgram) {
  writeFile(dir_ + "out.pl", std::string(5000, 'x'));
  DRTranslator translator("", dir_ + "out.pl");
  translator.translateScriptFile();
  EXPECT_EQ(prologueAndEpilogue_ + library_, readFile(dir_ + "out.pl"));
}

TEST_F(TranslatorFileTest, CopiesTranslateLikeTheOriginal) {
  DRTranslator original("#a = #b + #c;\r\n", dir_ + "a.pl");
  DRTranslator copy(original);
  DRTranslator assigned("print x;", dir_ + "b.pl");
  assigned = original;

  copy.translateScriptFile();
  const std::string fromCopy = readFile(dir_ + "a.pl");
  assigned.translateScriptFile();
  const std::string fromAssigned = readFile(dir_ + "a.pl");
  original.translateScriptFile();
  const std::string fromOriginal = readFile(dir_ + "a.pl");

  EXPECT_NE(std::string::npos, fromOriginal.find("@a = @temp1;\r\n"));
  EXPECT_EQ(fromOriginal, fromCopy);
  EXPECT_EQ(fromOriginal, fromAssigned);
  EXPECT_EQ("", assigned.errorText);
  EXPECT_FALSE(std::filesystem::exists(dir_ + "b.pl"));
}

TEST(TranslatorGetStringTest, GivesDecimalText) {
  EXPECT_EQ("0", DRTranslator::getString(0));
  EXPECT_EQ("42", DRTranslator::getString(42));
  EXPECT_EQ("-7", DRTranslator::getString(-7));
}

// ---- generated programs at run time (with the test copy of the library) ----

TEST_F(TranslatorFileTest, GeneratedProgramSearchesAndPrints) {
  writeFile(dir_ + "config.txt",
            "interface Gi0/1\r\n shutdown\r\ninterface Gi0/2\r\n description up\r\n"
            "interface Gi0/3\r\n shutdown\r\n");
  const std::string script =
      "#ifs = search_line(\"^interface (@name)\", all);\r\n"
      "#down = search_paragraph_begin(\"^interface $name\", all);\r\n"
      "print @name;\r\n"
      "#shut = search_line(\"^ shutdown\", all, #down);\r\n"
      "if (isempty(#shut)) {\r\n  print \"none\";\r\n} else {\r\n  print #shut;\r\n}\r\n";
  DRTranslator translator(script, dir_ + "run.pl");
  translator.translateScriptFile();
  ASSERT_EQ("", translator.errorText);
  const std::string command = "\"" + vexahost::VexaFileSystem::GetPerlExepath() + "\" \"" + dir_ +
                              "run.pl\" \"" + dir_ + "config.txt\" \"" + dir_ + "result.txt\" \"" +
                              dir_ + "\" > \"" + dir_ + "run.log\" 2>&1";
  ASSERT_EQ(0, std::system(command.c_str())) << readFile(dir_ + "run.log");
  EXPECT_EQ("Gi0/1Gi0/2Gi0/3\n2::: shutdown\n6::: shutdown\n", readFile(dir_ + "result.txt"));
}

}  // namespace
}  // namespace vexadr
