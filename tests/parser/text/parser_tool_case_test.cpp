// Command text utilities: splitting, command forms, captured-output cleaning,
// access-list headers, mode-file field split.
#include "vexa/parser/parser_tool_case.h"

#include <gtest/gtest.h>

#include <array>
#include <ctime>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "parser/text/parser_tool_case_peer.h"
#include "vexa/parser/command_flag.h"
#include "vexa/parser/config_line.h"

namespace vexaparser {
namespace {

using PTC = ParserToolCase;
using Strings = std::vector<std::string>;
using Pairs = std::vector<std::pair<std::string, std::string>>;

// The list form is compared with this one in the robustness test.
TEST(TextUtilitiesTest, SplitStringDropsEmptyTokensAndAppends) {
  const std::vector<std::tuple<std::string, std::string, Strings>> cases = {
      {"   ", " ", {}}, {"", " ", {}}, {" a,,b;c;", ",; ", {"a", "b", "c"}}, {"abc", "", {"abc"}}};
  for (const auto& [text, delimiters, tokens] : cases) {
    Strings out = {"kept"};
    PTC::splitString(text, delimiters, out);
    Strings expected = {"kept"};
    expected.insert(expected.end(), tokens.begin(), tokens.end());
    EXPECT_EQ(out, expected) << show(text);
  }
}

// clang-format off
TEST(TextUtilitiesTest, OneStringTransforms) {
  struct Case {
    std::string (*fn)(const std::string&);
    std::string in, out;
  };
  const std::vector<Case> cases = {
      {PTC::cleanLine, "  ip   address\t1\r\n", "ip address 1 \n"},
      {PTC::cleanLine, " \t\r\n ", "\n"}, {PTC::string2Lower, "ABC xyz-09", "abc xyz-09"},
      {PTC::string2Lower, std::string("\xc9T\0", 3), std::string("\xc9t\0", 3)},
      // string2CutSpace removes one kind of trailer only.
      {PTC::string2CutSpace, "abc  ", "abc"}, {PTC::string2CutSpace, "abc\r\r", "abc"},
      {PTC::string2CutSpace, "abc \r", "abc "}, {PTC::string2CutSpace, "abc\r ", "abc\r"},
      {PTC::string2CutSpace, "   ", ""}, {PTC::string2CutSpace, "", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(c.fn(c.in), c.out) << show(c.in);
}

TEST(TextUtilitiesTest, RemoveMoreDropsPagerResidueAndWhatItErased) {
  const Pairs cases = {
      {"", ""}, {"--More", "--More"},
      {" --More-- interface x", " interface x"}, {"--More--", ""},
      {"abc --More-- \b\b\b\b\b\b\b\b        \b\b\b\b\b\b\b\bhostname r1", "hostname r1"},
      {"--More--\r\x1b[Kip route", "[Kip route"},
      {"--More--x\xe9y", "y"},  // 8-bit bytes are not printable in the classic locale
      {"--More--a--More--b", "a--More--b"},
  };
  for (const auto& [in, cleaned] : cases) {
    std::string line = in;
    PTC::removeMore(line);
    EXPECT_EQ(line, cleaned) << show(in);
  }
}

TEST(TextUtilitiesTest, CmdFlagFollowsNoAndTheOverwriteSet) {
  const std::set<std::string> overwrite = {"hostname", "nohostname", "ipaddress"};
  const std::vector<std::pair<std::string, CiscoCommandLineFlag>> cases = {
      {"", AppendCommand}, {"no shutdown", NoCommand}, {"no", AppendCommand},
      {"noshutdown", AppendCommand}, {" no shutdown", AppendCommand},
      {"ip  address <a.b.c.d> <a.b.c.d>", OverwriteCommand},
      {"no hostname", NoOverwriteCommand},
      {"no ip address", NoCommand},    // key "noipaddress"
      {"hostname r1", AppendCommand},  // key "hostnamer1"
  };
  for (const auto& [command, flag] : cases) {
    EXPECT_EQ(PTC::getCmdFlag(command, overwrite), flag) << command;
  }
}

TEST(TextUtilitiesTest, IsTheSameCmdComparesKeysAndNoForms) {
  const std::vector<std::tuple<std::string, std::string, bool, bool>> cases = {
      {"shutdown", "no shutdown", true, true}, {"shutdown", "shutdown", true, false},
      {"no shutdown", "shutdown", false, false},
      {"ip address <a.b.c.d>", "ip  address\t<x> <y>", false, true},
      {"no ip address <a.b.c.d>", "ip address", true, true},
      {"noshutdown", "shutdown", true, true},  // keys carry no blanks
      {"", "no", true, true},
  };
  for (const auto& [a, b, check_no, same] : cases) {
    EXPECT_EQ(PTC::isTheSameCmd(a, b, check_no), same) << a << " vs " << b << " " << check_no;
  }
}

TEST(TextUtilitiesTest, KeyVariableAndWholeFormsSplitAtBracketedWords) {
  // Text, first key, key form, variable form, whole form.
  const std::vector<std::array<std::string, 5>> cases = {
      {"ip address <a.b.c.d> <a.b.c.d>", "ip", "ipaddress", "<a.b.c.d><a.b.c.d>",
       "ipaddress<a.b.c.d><a.b.c.d>"},
      {" \t\r\nhostname\r\n", "hostname", "hostname", "", "hostname"},
      {"x<y <z> w", "x<y", "x<yw", "<z>", "x<y<z>w"},
      {"", "", "", "", ""}, {" \r\n\t", "", "", "", ""},
  };
  for (const auto& [text, first, key, variables, whole] : cases) {
    EXPECT_EQ(PTC::getFirstKey(text), first) << show(text);
    EXPECT_EQ(PTC::getKeyStr(text), key) << show(text);
    EXPECT_EQ(PTC::getVariableStr(text), variables) << show(text);
    EXPECT_EQ(PTC::getWholeStr(text), whole) << show(text);
  }
}

TEST(TextUtilitiesTest, PvFormStringsAreBracketedAndGiveTheirInside) {
  for (const std::string s : {"<1-10>", "<>"}) EXPECT_TRUE(PTC::isPvFormStr(s)) << s;
  for (const std::string s : {"<", ">", "", "<1-10"}) EXPECT_FALSE(PTC::isPvFormStr(s)) << s;
  for (const auto& [in, var] : Pairs{{"<1-10>", "1-10"}, {"<", ""}, {"", ""}}) {
    std::string out = "old";
    PTC::getVarFromPvFormStr(in, out);
    EXPECT_EQ(out, var) << in;
  }
}

TEST(TextUtilitiesTest, OptionTokenKeyIsBetweenLastOpenAndFirstClose) {
  const std::vector<std::tuple<std::string, std::string, bool, bool>> cases = {
      {"[abc]", "abc", true, true}, {"abc", "abc", false, false}, {"[abc", "abc", true, false},
      {"ab]c", "ab", false, true},  {"x]y[z", "z", true, true},   {"[a]b]", "a", true, true},
      {"[]", "", true, true},
  };
  for (const auto& [token, want_out, want_open, want_close] : cases) {
    std::string out = "old";
    bool open = !want_open, close = !want_close;
    PTC::testOptionToken(token, out, open, close);
    EXPECT_EQ(out, want_out) << token;
    EXPECT_EQ(open, want_open) << token;
    EXPECT_EQ(close, want_close) << token;
  }
}

// The first word decides; blanks, tabs and line ends separate words.
TEST(TextUtilitiesTest, ConfigLineKindJudgesTheFirstWord) {
  using K = ConfigLineKind;
  const std::vector<std::pair<std::string, K>> cases = {
      {"", K::kBlank},          {" \t\r\n", K::kBlank},      {"!", K::kComment},
      {"  !x y", K::kComment},  {"END", K::kEnd},             {"end\r\n", K::kEnd},
      {"endx", K::kCommand},    {"Version 15.1", K::kVersion}, {"\tversion\n", K::kVersion},
      {"versions", K::kCommand}, {"no version", K::kCommand}, {"x !", K::kCommand}};
  for (const auto& [line, kind] : cases) EXPECT_EQ(configLineKind(line), kind) << show(line);
}

// countConfigLines counts what nextConfigLine gives, whatever the line ends
// and wherever they fall against its sixteen-byte steps.
TEST(TextUtilitiesTest, CountConfigLinesCountsTheLinesThatAreRead) {
  std::vector<std::string> texts = {"", "\n", "\r\n\r\n", "a", "a\r\nb\n\nc", "\r\rx\r"};
  const std::string pieces[] = {"ab", "\r\n", "\n", "\r", "hostname r1", "\n\n\n"};
  for (unsigned seed = 1; seed < 200; ++seed) {
    std::string text;
    for (unsigned n = seed; text.size() < 70; n = n * 1103515245u + 12345u) {
      text += pieces[(n >> 16) % 6];
    }
    texts.push_back(text);
  }
  for (const std::string& text : texts) {
    std::size_t read = 0;
    forEachConfigLine(text, [&read](std::string_view) { ++read; });
    EXPECT_EQ(countConfigLines(text), read) << show(text);
  }
}

TEST(TextUtilitiesTest, FilterLinesDropsCommentsAndVersion) {
  std::string out = "kept\n";
  PTC::filterLines("hostname r1\r\n!\r\nversion 12.4\r\n\r\ninterface e0 ! x\ninterface e1", out);
  EXPECT_EQ(out, "kept\nhostname r1 \ninterface e1 \n");
}

TEST(TextUtilitiesTest, StrInCmdMatchesWholeLeadingWordsWithoutBlanks) {
  const std::vector<std::tuple<std::string, std::string, bool>> cases = {
      {"ipaddress 1", "ip address", true}, {"ip addresses", "ip address", false},
      {"  ip\taddress\n", "ip address", true}, {"ip addr", "ip address", false},
      {"ip address", "ipaddress", false}, {"ipv6 address", "ip", false},
      {"ip", "", false}, {"", "ip", false},
  };
  for (const auto& [command, words, begins] : cases) {
    EXPECT_EQ(PTC::strInCmd(command, words), begins) << show(command) << " with " << show(words);
  }
}

TEST(TextUtilitiesTest, AccessListKeysTranslateBetweenNumberedAndNamedForms) {
  // Command in, command after ("=": unchanged), other after ("=": left as it was).
  const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
      {"access-list 199 permit ip any any", "=", "ip access-list extended 199"},
      {"\taccess-list\t99\n", "=", "ip access-list standard 99"}, {"access-list 0", "=", ""},
      {"access-list 100", "=", "ip access-list extended 100"}, {"access-list 200", "=", ""},
      {"access-list", "=", "ip access-list"},
      {"ip access-list standard 5", "access-list 5", "ip access-list standard 5"},
      {"ip access-list extended 200", "", "ip access-list extended 200"},
      {"ip access-list standard", "", "ip access-list standard"},
      {"ip access-list resequence 5", "", "ip access-list resequence 5"},
      {"ip access-list", "access-list", "ip access-list"}, {"ip foo", "", ""},
      {"interface e0", "=", "="}, {"IP access-list standard 5", "=", "="},
  };
  for (const auto& [in, command_after, other_after] : cases) {
    std::string command = in, other = "=";
    PTC::getBothAclCmdsStr(command, other);
    EXPECT_EQ(command, command_after == "=" ? in : command_after) << show(in);
    EXPECT_EQ(other, other_after) << show(in);
  }
}

TEST(TextUtilitiesTest, IsIpACLWithNoTakesStandardOrExtendedHeadersWithANumber) {
  for (const std::string s : {"IP Access-List Extended 150", "  ip\taccess-list  standard 12 x"}) {
    EXPECT_TRUE(PTC::isIpACLWithNo(s)) << s;
  }
  for (const std::string s : {"ip access-list standard 5a", "ip access-list standard",
                              "ip access-list foo 1", "no ip access-list standard 5", ""}) {
    EXPECT_FALSE(PTC::isIpACLWithNo(s)) << s;
  }
}

TEST(TextUtilitiesTest, ParseCmdLineGivesFourLoweredFieldsAndTheTailAsWritten) {
  const std::vector<std::pair<std::string, Strings>> cases = {  // fields f1 to f4, rest
      {"a||b|rest", {"a", " ", "b", "", "rest"}},
      {"\t  Interface|Help Text|K|Arg|Tail Part",
       {"interface", "help text", "k", "arg", "Tail Part"}},
      {"no bars here", {"", "", "", "", "no bars here"}},
      {"a|b|c|d|e|f|Rest", {"a", "b", "c", "d", "Rest"}},
      {"a|||b|", {"a", " ", " ", "b", ""}},
      {"!Comment|X", {"!comment", "x", "", "", ""}},
      {"|A|", {"a", "", "", "", ""}},
      {" \t \t", {"", "", "", "", ""}},
      {"k\tword|help\t|", {"k word", "help ", "", "", ""}},
  };
  for (const auto& [line, fields] : cases) {
    Strings out(5, "stale");
    PTC::parseCmdLine(line, out[0], out[1], out[2], out[3], out[4]);
    EXPECT_EQ(out, fields) << show(line);
  }
}
// clang-format on

TEST(TextUtilitiesTest, ElapsedTimeIsInSeconds) {
  PTC::timerStart();
  const std::clock_t begin = std::clock();
  // Spin for at least a twentieth of a second of processor time.
  while (std::clock() - begin < CLOCKS_PER_SEC / 20) {
  }
  PTC::timerStop();
  EXPECT_GE(PTC::elapsedTime(), 0.05);
  EXPECT_LT(PTC::elapsedTime(), 30.0);
}

}  // namespace
}  // namespace vexaparser
