// Command text utilities: splitting, command forms, captured-output cleaning,
// access-list headers, mode-file field split.
#include "vexa/parser/parser_tool_case.h"

#include <gtest/gtest.h>

#include <ctime>
#include <list>
#include <set>
#include <string>
#include <vector>

#include "parser/text/parser_tool_case_peer.h"
#include "vexa/parser/command_flag.h"

namespace vexaparser {
namespace {

using PTC = ParserToolCase;
using Strings = std::vector<std::string>;

TEST(TextUtilitiesTest, SplitStringDropsEmptyTokensAndAppends) {
  struct Case {
    std::string text;
    std::string delimiters;
    Strings tokens;
  };
  const std::vector<Case> cases = {
      {"  a  b ", " ", {"a", "b"}},
      {"   ", " ", {}},
      {"", " ", {}},
      {"a,,b;c;", ",;", {"a", "b", "c"}},
      {"abc", "", {"abc"}},
      {std::string("a\0\0b\0", 5), std::string("\0", 1), {"a", "b"}},
      {"x\xff y", " ", {"x\xff", "y"}},
  };
  for (const auto& c : cases) {
    Strings out = {"kept"};
    PTC::splitString(c.text, c.delimiters, out);
    Strings expected = {"kept"};
    expected.insert(expected.end(), c.tokens.begin(), c.tokens.end());
    EXPECT_EQ(out, expected) << show(c.text);

    std::list<std::string*> owned;
    PTC::splitString(c.text, c.delimiters, owned);
    Strings from_list;
    for (std::string* s : owned) {
      from_list.push_back(*s);
      delete s;
    }
    EXPECT_EQ(from_list, c.tokens) << show(c.text);
  }
}

TEST(TextUtilitiesTest, CleanLine) {
  EXPECT_EQ(PTC::cleanLine("  ip   address\t1\r\n"), "ip address 1 \n");
  EXPECT_EQ(PTC::cleanLine("x"), "x \n");
  EXPECT_EQ(PTC::cleanLine(""), "\n");
  EXPECT_EQ(PTC::cleanLine(" \t\r\n "), "\n");
}

TEST(TextUtilitiesTest, RemoveMore) {
  struct Case {
    std::string line;
    std::string cleaned;
  };
  const std::vector<Case> cases = {
      {"interface Ethernet0", "interface Ethernet0"},
      {"", ""},
      {"--More", "--More"},
      {" --More-- interface x", " interface x"},
      {"--More--", ""},
      {"abc --More-- \b\b\b\b\b\b\b\b        \b\b\b\b\b\b\b\bhostname r1", "hostname r1"},
      {"--More--\r\x1b[Kip route", "[Kip route"},
      {"--More--x\xe9y", "y"},  // 8-bit bytes are not printable in the classic locale
      {"--More--a--More--b", "a--More--b"},
  };
  for (const auto& c : cases) {
    std::string line = c.line;
    PTC::removeMore(line);
    EXPECT_EQ(line, c.cleaned) << show(c.line);
  }
}

class CmdFlagTest : public ::testing::Test {
 protected:
  void SetUp() override { saved_ = overwriteCommandKeys(); }
  void TearDown() override { overwriteCommandKeys() = saved_; }

 private:
  std::set<std::string> saved_;
};

TEST_F(CmdFlagTest, WithoutOverwriteSet) {
  overwriteCommandKeys().clear();
  EXPECT_EQ(PTC::getCmdFlag(""), AppendCommand);
  EXPECT_EQ(PTC::getCmdFlag("no shutdown"), NoCommand);
  EXPECT_EQ(PTC::getCmdFlag("shutdown"), AppendCommand);
  EXPECT_EQ(PTC::getCmdFlag("no"), AppendCommand);
  EXPECT_EQ(PTC::getCmdFlag("noshutdown"), AppendCommand);
  EXPECT_EQ(PTC::getCmdFlag(" no shutdown"), AppendCommand);
}

TEST_F(CmdFlagTest, WithOverwriteSet) {
  overwriteCommandKeys() = {"hostname", "nohostname", "ipaddress"};
  EXPECT_EQ(PTC::getCmdFlag("hostname <word>"), OverwriteCommand);
  EXPECT_EQ(PTC::getCmdFlag("ip  address <a.b.c.d> <a.b.c.d>"), OverwriteCommand);
  EXPECT_EQ(PTC::getCmdFlag("no hostname"), NoOverwriteCommand);
  EXPECT_EQ(PTC::getCmdFlag("no ip address"), NoCommand);    // key "noipaddress"
  EXPECT_EQ(PTC::getCmdFlag("hostname r1"), AppendCommand);  // key "hostnamer1"
  EXPECT_EQ(PTC::getCmdFlag(""), AppendCommand);
}

TEST(TextUtilitiesTest, IsTheSameCmd) {
  struct Case {
    std::string a;
    std::string b;
    bool check_no;
    bool same;
  };
  const std::vector<Case> cases = {
      {"no shutdown", "shutdown", true, true},
      {"shutdown", "no shutdown", true, true},
      {"shutdown", "shutdown", true, false},
      {"shutdown", "shutdown", false, true},
      {"no shutdown", "shutdown", false, false},
      {"ip address <a.b.c.d>", "ip  address\t<x> <y>", false, true},
      {"no ip address <a.b.c.d>", "ip address", true, true},
      {"noshutdown", "shutdown", true, true},  // keys carry no blanks
      {"", "", false, true},
      {"", "no", true, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PTC::isTheSameCmd(c.a, c.b, c.check_no), c.same)
        << show(c.a) << " vs " << show(c.b) << " checkNo " << c.check_no;
  }
}

TEST(TextUtilitiesTest, CommandForms) {
  struct Case {
    std::string text;
    std::string first;
    std::string key;
    std::string variables;
    std::string whole;
  };
  const std::vector<Case> cases = {
      {"ip address <a.b.c.d> <a.b.c.d>", "ip", "ipaddress", "<a.b.c.d><a.b.c.d>",
       "ipaddress<a.b.c.d><a.b.c.d>"},
      {" \t\r\nhostname\r\n", "hostname", "hostname", "", "hostname"},
      {"x<y <z> w", "x<y", "x<yw", "<z>", "x<y<z>w"},
      {"", "", "", "", ""},
      {" \r\n\t", "", "", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PTC::getFirstKey(c.text), c.first) << show(c.text);
    EXPECT_EQ(PTC::getKeyStr(c.text), c.key) << show(c.text);
    EXPECT_EQ(PTC::getVariableStr(c.text), c.variables) << show(c.text);
    EXPECT_EQ(PTC::getWholeStr(c.text), c.whole) << show(c.text);
  }
}

TEST(TextUtilitiesTest, PvFormStrings) {
  EXPECT_TRUE(PTC::isPvFormStr("<1-10>"));
  EXPECT_TRUE(PTC::isPvFormStr("<>"));
  EXPECT_FALSE(PTC::isPvFormStr("<"));
  EXPECT_FALSE(PTC::isPvFormStr(">"));
  EXPECT_FALSE(PTC::isPvFormStr(""));
  EXPECT_FALSE(PTC::isPvFormStr("<1-10"));

  std::string out = "old";
  PTC::getVarFromPvFormStr("<1-10>", out);
  EXPECT_EQ(out, "1-10");
  PTC::getVarFromPvFormStr("<", out);
  EXPECT_EQ(out, "");
  out = "old";
  PTC::getVarFromPvFormStr("", out);
  EXPECT_EQ(out, "");
}

TEST(TextUtilitiesTest, TestOptionToken) {
  struct Case {
    std::string token;
    std::string out;
    bool open;
    bool close;
  };
  const std::vector<Case> cases = {
      {"[abc]", "abc", true, true}, {"abc", "abc", false, false}, {"[abc", "abc", true, false},
      {"ab]c", "ab", false, true},  {"x]y[z", "z", true, true},   {"[a]b]", "a", true, true},
      {"", "", false, false},       {"[]", "", true, true},
  };
  for (const auto& c : cases) {
    std::string out = "old";
    bool open = !c.open;
    bool close = !c.close;
    PTC::testOptionToken(c.token, out, open, close);
    EXPECT_EQ(out, c.out) << show(c.token);
    EXPECT_EQ(open, c.open) << show(c.token);
    EXPECT_EQ(close, c.close) << show(c.token);
  }
}

TEST(TextUtilitiesTest, FilterLinesDropsCommentsAndVersion) {
  std::string out = "kept\n";
  PTC::filterLines("hostname r1\r\n!\r\nversion 12.4\r\n\r\ninterface e0 ! x\ninterface e1", out);
  EXPECT_EQ(out, "kept\nhostname r1 \ninterface e1 \n");
}

TEST(TextUtilitiesTest, StrInCmd) {
  struct Case {
    std::string command;
    std::string words;
    bool begins;
  };
  const std::vector<Case> cases = {
      {"ip address 1", "ip address", true},
      {"ipaddress 1", "ip address", true},
      {"ip addresses", "ip address", false},
      {"ip address", "ip address", true},
      {"ip\taddress\n", "ip address", true},
      {"  ip address", "ip address", true},
      {"ip", "ip address", false},
      {"ip addr", "ip address", false},
      {"ip address", "ipaddress", false},
      {"ip address 1", "ip", true},
      {"ipv6 address", "ip", false},
      {"", "", true},
      {"ip", "", false},
      {"", "ip", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PTC::strInCmd(c.command, c.words), c.begins)
        << show(c.command) << " begins with " << show(c.words);
  }
}

TEST(TextUtilitiesTest, AccessListHeaderTranslation) {
  struct Case {
    std::string command;
    std::string command_after;
    std::string other;  // "=" : left as it was
  };
  const std::vector<Case> cases = {
      {"access-list 150 permit ip any any", "access-list 150 permit ip any any",
       "ip access-list extended 150"},
      {"access-list 5 permit any", "access-list 5 permit any", "ip access-list standard 5"},
      {"access-list 99", "access-list 99", "ip access-list standard 99"},
      {"access-list 100", "access-list 100", "ip access-list extended 100"},
      {"access-list 199", "access-list 199", "ip access-list extended 199"},
      {"access-list 300 permit any", "access-list 300 permit any", ""},
      {"access-list 0", "access-list 0", ""},
      {"access-list abc", "access-list abc", ""},
      {"access-list", "access-list", "ip access-list"},
      {"\taccess-list\t5\n", "\taccess-list\t5\n", "ip access-list standard 5"},
      {"ip access-list standard 5", "access-list 5", "ip access-list standard 5"},
      {"ip access-list extended 150", "access-list 150", "ip access-list extended 150"},
      {"ip access-list extended 200", "", "ip access-list extended 200"},
      {"ip access-list standard 0", "", "ip access-list standard 0"},
      {"ip access-list extended abc", "", "ip access-list extended abc"},
      {"ip access-list standard", "", "ip access-list standard"},
      {"ip access-list resequence 5", "", "ip access-list resequence 5"},
      {"ip access-list", "access-list", "ip access-list"},
      {"ip foo", "", ""},
      {"ip", "", ""},
      {"interface e0", "interface e0", "="},
      {"", "", "="},
      {"IP access-list standard 5", "IP access-list standard 5", "="},
  };
  for (const auto& c : cases) {
    std::string command = c.command;
    std::string other = "=";
    PTC::getBothAclCmdsStr(command, other);
    EXPECT_EQ(command, c.command_after) << show(c.command);
    EXPECT_EQ(other, c.other) << show(c.command);
  }
}

TEST(TextUtilitiesTest, IsIpACLWithNo) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"ip access-list standard 5", true},
      {"IP Access-List Extended 150", true},
      {"  ip\taccess-list  standard 12 remark x", true},
      {"ip access-list extended abc", false},
      {"ip access-list standard 5a", false},
      {"ip access-list standard", false},
      {"ip access-list foo 1", false},
      {"no ip access-list standard 5", false},
      {"", false},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(PTC::isIpACLWithNo(text), expected) << show(text);
  }
}

TEST(TextUtilitiesTest, DivideString) {
  struct Case {
    std::string text;
    std::string head;
    std::string tail;
  };
  const std::vector<Case> cases = {
      {"a|b|c", "a|b|", "c"}, {"abc", "", "abc"}, {"a|", "a|", ""},
      {"|", "|", ""},         {"", "", ""},       {"!a|b", "!a|b", "="},
  };
  for (const auto& c : cases) {
    std::string head = "=";
    std::string tail = "=";
    PTC::divideString(c.text, head, tail);
    EXPECT_EQ(head, c.head) << show(c.text);
    EXPECT_EQ(tail, c.tail) << show(c.text);
  }
}

TEST(TextUtilitiesTest, ParseCmdLine) {
  struct Case {
    std::string line;
    Strings fields;  // f1, f2, f3, f4, rest
  };
  const std::vector<Case> cases = {
      {"a||b|rest", {"a", " ", "b", "", "rest"}},
      {"\t  Interface|Help Text|K|Arg|Tail Part",
       {"interface", "help text", "k", "arg", "Tail Part"}},
      {"no bars here", {"", "", "", "", "no bars here"}},
      {"a|b|c|d|e|f|Rest", {"a", "b", "c", "d", "Rest"}},
      {"a|||b|", {"a", " ", " ", "b", ""}},
      {"!Comment|X", {"!comment", "x", "", "", ""}},
      {"|A|", {"a", "", "", "", ""}},
      {"", {"", "", "", "", ""}},
      {" \t \t", {"", "", "", "", ""}},
      {"k\tword|help\t|", {"k word", "help ", "", "", ""}},
  };
  for (const auto& c : cases) {
    Strings out(5, "stale");
    PTC::parseCmdLine(c.line, out[0], out[1], out[2], out[3], out[4]);
    EXPECT_EQ(out, c.fields) << show(c.line);
  }
}

TEST(TextUtilitiesTest, String2Lower) {
  EXPECT_EQ(PTC::string2Lower("ABC xyz-09"), "abc xyz-09");
  EXPECT_EQ(PTC::string2Lower("\xc9T\xe9"), "\xc9t\xe9");
  EXPECT_EQ(PTC::string2Lower(std::string("A\0B", 3)), std::string("a\0b", 3));
}

TEST(TextUtilitiesTest, String2CutSpaceRemovesOneKindOfTrailer) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"abc  ", "abc"},    {"abc\r\r", "abc"}, {"abc \r", "abc "},
      {"abc\r ", "abc\r"}, {"a b", "a b"},     {"   ", ""},
      {"\r\r", ""},        {"", ""},           {" abc\n", " abc\n"},
  };
  for (const auto& [text, cut] : cases) {
    EXPECT_EQ(PTC::string2CutSpace(text), cut) << show(text);
  }
}

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
