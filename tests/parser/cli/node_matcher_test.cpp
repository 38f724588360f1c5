// NodeMatcher over the "basic" grammar: finding a child, abbreviations,
// token types and key tables, interface names and the "?" listing of a node.
// The option checks are exercised through the terminal (vty_test.cpp).
#include "vexa/parser/node_matcher.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli_test_support.h"

namespace vexaparser::testing {
namespace {

class NodeMatcherTest : public CliTest {
 protected:
  // The configuration root, then each word of path matched in full ("<cr>"
  // stands for the end key); null when one is missing.
  ParserTreeNode* walk(const std::string& path) {
    ParserTreeNode* node = grammar_->modeTree(CONFIGURATION_MODE)->root;
    std::istringstream words(path);
    std::string word;
    std::string matched;
    while (node != nullptr && words >> word) {
      node = matcher_.findChild(node, word == "<cr>" ? kEndKey : word, false, matched);
    }
    return node;
  }
  std::string hints(const ParserTreeNode* node, const std::string& prefix) {
    std::ostringstream out;
    const bool printed = matcher_.printHints(node, out, prefix);
    EXPECT_EQ(printed, !out.str().empty()) << prefix;
    return out.str();
  }

  UsedOptions used_;
  NodeMatcher matcher_{*grammar_, used_};
};

TEST_F(NodeMatcherTest, FindChildTriesKeysTypesTablesAbbreviationsThenLowered) {
  const char* kSpeed = "interface ethernet 0 <cr> speed";
  // clang-format off
  // key: of the child found; nullptr for none, "#" for the complex node.
  struct Case { const char* path; const char* word; bool abbreviate; const char* key;
                const char* matched; };
  const Case cases[] = {
      {"", "interface", false, "interface", "interface"}, {"", "in", false, nullptr, ""},
      {"", "in", true, "interface", "interface"},
      {"", "i", true, nullptr, "i"},  // interface, ip, ipv6: the common prefix
      {"", "lo", true, nullptr, "log"},  // logging, login
      {"", "ip", true, "ip", "ip"}, {"", "ipv", true, "ipv6", "ipv6"},  // exact beats longer
      // Upper case: by abbreviation the key, through the lowered retry the lowered word.
      {"", "INT", true, "interface", "interface"}, {"", "INT", false, nullptr, ""},
      {"", "INTERFACE", false, "interface", "interface"},
      {"", "clock", false, "#", "clock"}, {"", "cal", true, "#", "calendar"},
      {"", "nothing", true, nullptr, ""}, {"", "", true, nullptr, ""},
      {"ip route", "10.0.0.0", false, "<a.b.c.d>", "10.0.0.0"},
      {"ip route", "10.0.0", false, nullptr, ""},
      {"router bgp", "4294967295", false, "<1-4294967295>", "4294967295"},
      {"router bgp", "0", false, nullptr, ""}, {"router bgp", "4294967296", false, nullptr, ""},
      {"delay", "+5", false, "+/-<delay>", "+5"}, {"delay", "-", false, "+/-<delay>", "-"},
      {"delay", "+0", false, nullptr, ""},
      {"interface", "FastEthernet", false, "&interfacefile.cfm", "fastethernet"},
      {"interface", "e", true, "&interfacefile.cfm", "ethernet"},
      {"interface", "fa", false, nullptr, ""},
      {"interface", "fastethernet0/1", true, nullptr, ""},  // a number glued on: no key
      {kSpeed, "1", true, nullptr, "10"},  // 10 and 100
      {kSpeed, "au", true, "&speed.cfm", "auto"},
  };
  // clang-format on
  for (const Case& c : cases) {
    const std::string input =
        std::string(c.path) + " / " + c.word + " abbreviate=" + (c.abbreviate ? "yes" : "no");
    ParserTreeNode* node = walk(c.path);
    ASSERT_NE(node, nullptr) << input;
    std::string matched = "stale";
    ParserTreeNode* child = matcher_.findChild(node, c.word, c.abbreviate, matched);
    EXPECT_EQ(matched, c.matched) << input;
    if (c.key == nullptr) {
      EXPECT_EQ(child, nullptr) << input;
    } else if (std::string(c.key) == "#") {
      ASSERT_NE(child, nullptr) << input;
      EXPECT_TRUE(child->complexMark) << input;
    } else {
      EXPECT_EQ(child, node->children.at(c.key)) << input;
    }
  }
}

TEST_F(NodeMatcherTest, InterfaceNamesSplitBeforeTheFirstDigit) {
  // clang-format off
  struct Case { const char* word; bool split; const char* type; const char* number; };
  const Case cases[] = {
      {"fastethernet0/1", true, "fastethernet", "0/1"}, {"e0", true, "e", "0"},
      {"serial1/0:1", true, "serial", "1/0:1"}, {"0/1", false, "", ""}, {"serial", false, "", ""},
      {"", false, "", ""}, {"\xff\x80\x31", true, "\xff\x80", "1"},
      {"Dot11Radio0/1", true, "Dot11Radio", "0/1"}, {"Modular-Cable1/2/3:4", true, "Modular-Cable", "1/2/3:4"},
      {"ether0/0-1", true, "ether", "0/0-1"}, {"x-/1", true, "x-/", "1"},
  };
  // clang-format on
  for (const Case& c : cases) {
    std::string type = "x";
    std::string number = "y";
    EXPECT_EQ(NodeMatcher::splitInterfaceName(c.word, type, number), c.split) << c.word;
    EXPECT_EQ(type, c.type) << c.word;
    EXPECT_EQ(number, c.number) << c.word;
  }

  EXPECT_TRUE(matcher_.acceptsInterfaceNames(walk("interface")));
  EXPECT_FALSE(matcher_.acceptsInterfaceNames(walk("")));
}

TEST_F(NodeMatcherTest, HintsAlignOnTabColumnsAndCutTheHelp) {
  // Tab columns: two for words under 8 characters when the widest takes two;
  // help pieces of 79 - 16 = 63 characters.
  const std::string logging =
      "logging\t\tmodify message logging facilities, the destination host and the\n"
      "\t\t level of the messages sent to it\n"
      "login\t\tenable secure login checking\n";
  // clang-format off
  struct Case { const char* path; const char* prefix; std::string expected; };
  const Case cases[] = {
      {"", "LO", logging}, {"", "zz", ""},
      // Without a sign the type name itself is shown (with one, its range: vty_test).
      {"delay", "", "+/-<delay>\tdelay offset\n"},
  };
  // clang-format on
  for (const Case& c : cases) {
    EXPECT_EQ(hints(walk(c.path), c.prefix), c.expected) << c.path << " / " << c.prefix;
  }

  // A word too long for the columns: the help follows the single tab whole.
  ParserTreeNode node;
  ParserTreeNode child;
  const std::string word(80, 'w');
  const std::string help(100, 'h');
  child.keySet[word] = help;
  node.addChild(word, help, &child);
  EXPECT_EQ(hints(&node, ""), word + "\t" + help + "\n");
}

}  // namespace
}  // namespace vexaparser::testing
