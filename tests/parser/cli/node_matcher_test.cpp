// NodeMatcher over the "basic" grammar: finding a child, abbreviations,
// option checks, interface names and the "?" listing of a node.
#include "vexa/parser/node_matcher.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli_test_support.h"

namespace vexaparser::testing {
namespace {

class NodeMatcherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    loadGrammar("basic");
    ASSERT_TRUE(VexaParserUtil::resourcesReady());
    config_ = ParserResources::instance().modeTree(CONFIGURATION_MODE)->root;
  }
  void TearDown() override {
    ParserResources::instance().releaseEverything();
    vexahost::VexaFileSystem::SetSystemResourceFolder("");
  }

  // Follows words from node, each matched in full; null when one is missing.
  static ParserTreeNode* walk(ParserTreeNode* node, const std::vector<std::string>& words) {
    for (const std::string& word : words) {
      std::string matched;
      node = NodeMatcher::findChild(node, word, false, matched);
      if (node == nullptr) return nullptr;
    }
    return node;
  }
  static std::string hints(const ParserTreeNode* node, const std::string& prefix) {
    std::ostringstream out;
    NodeMatcher::printHints(node, out, prefix);
    return out.str();
  }

  ParserTreeNode* config_ = nullptr;
};

struct FindCase {
  const char* word;
  bool abbreviate;
  const char* expectedKey;  // key of the child found; nullptr for none
  const char* matched;
};

TEST_F(NodeMatcherTest, FindChildAtConfigurationRoot) {
  const FindCase cases[] = {
      {"interface", false, "interface", "interface"},
      {"in", true, "interface", "interface"},
      {"in", false, nullptr, ""},
      // Ambiguous: interface, ip, ipv6; the common prefix is the word.
      {"i", true, nullptr, "i"},
      // An exact keyword wins over the longer keyword it abbreviates.
      {"ip", true, "ip", "ip"},
      {"ipv", true, "ipv6", "ipv6"},
      // logging and login share "log".
      {"lo", true, nullptr, "log"},
      {"logg", true, "logging", "logging"},
      // Upper case: by abbreviation the key, through the lowered retry the
      // lowered word.
      {"INT", true, "interface", "interface"},
      {"INTERFACE", false, "interface", "interface"},
      {"INT", false, nullptr, ""},
      // Complex node: both alternatives, and their common prefix.
      {"clock", false, "complex", "clock"},
      {"cal", true, "complex", "calendar"},
      {"c", true, nullptr, "c"},
      {"nothing", true, nullptr, ""},
      {"", true, nullptr, ""},
  };
  for (const FindCase& c : cases) {
    std::string matched = "stale";
    ParserTreeNode* child = NodeMatcher::findChild(config_, c.word, c.abbreviate, matched);
    EXPECT_EQ(matched, c.matched) << c.word << " abbreviate=" << c.abbreviate;
    if (c.expectedKey == nullptr) {
      EXPECT_EQ(child, nullptr) << c.word;
    } else if (std::string(c.expectedKey) == "complex") {
      ASSERT_NE(child, nullptr) << c.word;
      EXPECT_TRUE(child->complexMark) << c.word;
    } else {
      ASSERT_NE(child, nullptr) << c.word;
      EXPECT_EQ(child, config_->children.at(c.expectedKey)) << c.word;
    }
  }
}

TEST_F(NodeMatcherTest, TokenTypesAndKeyTables) {
  ParserTreeNode* route = walk(config_, {"ip", "route"});
  ParserTreeNode* bgp = walk(config_, {"router", "bgp"});
  ParserTreeNode* delay = walk(config_, {"delay"});
  ParserTreeNode* interface = walk(config_, {"interface"});
  ASSERT_TRUE(route && bgp && delay && interface);
  struct Case {
    ParserTreeNode* node;
    const char* word;
    bool abbreviate;
    bool found;
    const char* matched;
  };
  const Case cases[] = {
      {route, "10.0.0.0", false, true, "10.0.0.0"},
      {route, "10.0.0", false, false, ""},
      {bgp, "4294967295", false, true, "4294967295"},
      {bgp, "0", false, false, ""},
      {bgp, "4294967296", false, false, ""},
      {delay, "+5", false, true, "+5"},
      {delay, "-", false, true, "-"},
      {delay, "+0", false, false, ""},
      {interface, "fastethernet", false, true, "fastethernet"},
      {interface, "FastEthernet", false, true, "fastethernet"},
      {interface, "fa", true, true, "fastethernet"},
      {interface, "e", true, true, "ethernet"},
      {interface, "fa", false, false, ""},
      // A word of the table with a number glued on is not a key.
      {interface, "fastethernet0/1", true, false, ""},
  };
  for (const Case& c : cases) {
    std::string matched;
    ParserTreeNode* child = NodeMatcher::findChild(c.node, c.word, c.abbreviate, matched);
    EXPECT_EQ(child != nullptr, c.found) << c.word;
    EXPECT_EQ(matched, c.matched) << c.word;
  }
}

TEST_F(NodeMatcherTest, KeyTableAbbreviationIsAmbiguousBetweenTableKeys) {
  ParserTreeNode* ifRoot = walk(config_, {"interface", "ethernet", "0"});
  ASSERT_NE(ifRoot, nullptr);
  ParserTreeNode* end = ifRoot->children.at(kEndKey);
  ParserTreeNode* speed = walk(end, {"speed"});
  ASSERT_NE(speed, nullptr);
  std::string matched;
  EXPECT_EQ(NodeMatcher::findChild(speed, "1", true, matched), nullptr);
  EXPECT_EQ(matched, "10");  // 10 and 100
  EXPECT_NE(NodeMatcher::findChild(speed, "au", true, matched), nullptr);
  EXPECT_EQ(matched, "auto");
  EXPECT_NE(NodeMatcher::findChild(speed, "100", false, matched), nullptr);
  EXPECT_EQ(matched, "100");
}

TEST_F(NodeMatcherTest, OptionIsAcceptedOnceAndClearedWithUsedOptions) {
  ParserTreeNode* router = walk(config_, {"router", "bgp", "1"})->children.at(kEndKey);
  ParserTreeNode* address = walk(router, {"neighbor", "1.1.1.1"});
  ASSERT_NE(address, nullptr);
  std::string matched;
  ParserTreeNode* remoteAs = NodeMatcher::findChild(address, "remote-as", false, matched);
  ASSERT_NE(remoteAs, nullptr);
  EXPECT_TRUE(remoteAs->optionMember);
  EXPECT_EQ(address->usedOptions.count("remote-as"), 1u);
  // Given again at the same node, or after another option that offers it
  // again, it is refused; no looser step lets it through.
  EXPECT_EQ(NodeMatcher::findChild(address, "remote-as", true, matched), nullptr);
  ParserTreeNode* weightValue = walk(address, {"weight", "3"});
  ASSERT_NE(weightValue, nullptr);
  ASSERT_EQ(weightValue->optionChildren.count("remote-as"), 1u);
  EXPECT_EQ(NodeMatcher::findChild(weightValue, "remote-as", false, matched), nullptr);
  EXPECT_EQ(NodeMatcher::findChild(weightValue, "rem", true, matched), nullptr);
  EXPECT_EQ(hints(weightValue, ""), "<cr>\t\tend\ndescription\tneighbor specific description\n");

  address->usedOptions.clear();
  EXPECT_EQ(NodeMatcher::findChild(weightValue, "remote-as", false, matched), remoteAs);
  address->usedOptions.clear();
  weightValue->usedOptions.clear();
}

TEST_F(NodeMatcherTest, ConflictListRefusesTheOtherOption) {
  ParserTreeNode* ifRoot = walk(config_, {"interface", "serial", "0"})->children.at(kEndKey);
  ParserTreeNode* list = walk(ifRoot, {"ip", "access-group", "10"});
  ASSERT_NE(list, nullptr);
  std::string matched;
  ParserTreeNode* in = NodeMatcher::findChild(list, "in", false, matched);
  ASSERT_NE(in, nullptr);
  EXPECT_EQ(NodeMatcher::findChild(in, "out", false, matched), nullptr);
  EXPECT_EQ(hints(in, ""), "<cr>\tend\nlog\tlog matches against this entry\n");
  ParserTreeNode* log = NodeMatcher::findChild(in, "log", false, matched);
  ASSERT_NE(log, nullptr);
  // "in" put "out" among the used options of the group node.
  EXPECT_EQ(NodeMatcher::findChild(log, "out", false, matched), nullptr);
  for (ParserTreeNode* node : {list, in, log}) node->usedOptions.clear();
}

TEST_F(NodeMatcherTest, InterfaceNameSplit) {
  struct Case {
    const char* word;
    bool split;
    const char* type;
    const char* number;
  };
  const Case cases[] = {
      {"fastethernet0/1", true, "fastethernet", "0/1"},
      {"e0", true, "e", "0"},
      {"serial1/0:1", true, "serial", "1/0:1"},
      {"0/1", false, "", ""},
      {"serial", false, "", ""},
      {"", false, "", ""},
      {"\xff\x80\x31", true, "\xff\x80", "1"},
  };
  for (const Case& c : cases) {
    std::string type = "x";
    std::string number = "y";
    EXPECT_EQ(NodeMatcher::splitInterfaceName(c.word, type, number), c.split) << c.word;
    EXPECT_EQ(type, c.type) << c.word;
    EXPECT_EQ(number, c.number) << c.word;
  }

  ParserTreeNode* interface = walk(config_, {"interface"});
  EXPECT_TRUE(NodeMatcher::acceptsInterfaceNames(interface));
  EXPECT_FALSE(NodeMatcher::acceptsInterfaceNames(config_));
  NodeMatcher::InterfaceMatch match;
  ParserTreeNode* number = NodeMatcher::matchInterfaceName(interface, "fa0/1", true, match);
  ASSERT_NE(number, nullptr);
  EXPECT_EQ(match.typeText, "fastethernet");
  EXPECT_EQ(match.numberText, "0/1");
  EXPECT_EQ(number, walk(interface, {"fastethernet", "0/1"}));
  EXPECT_EQ(NodeMatcher::matchInterfaceName(interface, "fa0/1", false, match), nullptr);
  EXPECT_EQ(match.typeNode, nullptr);
}

TEST_F(NodeMatcherTest, HintsOfTheConfigurationRoot) {
  // Two tab columns ("name-server" has 11 characters); help pieces of
  // 79 - 16 = 63 characters.
  const std::string expected =
      "^c\t\tend of a banner text\n"
      "banner\t\tdefine a login banner\n"
      "calendar\tmanage the hardware calendar\n"
      "clock\t\tmanage the system clock\n"
      "delay\t\tadjust delay\n"
      "domain\t\tdefine the default domain name\n"
      "hostname\tset system's network name\n"
      "interface\tselect an interface to configure\n"
      "ip\t\tglobal ip configuration subcommands\n"
      "ipv6\t\tglobal ipv6 configuration subcommands\n"
      "logging\t\tmodify message logging facilities, the destination host and the\n"
      "\t\t level of the messages sent to it\n"
      "login\t\tenable secure login checking\n"
      "metric\t\tadjust metric\n"
      "name-server\tspecify address of name server\n"
      "router\t\tenable a routing process\n";
  EXPECT_EQ(hints(config_, ""), expected);
  EXPECT_EQ(hints(config_, "LO"),
            "logging\t\tmodify message logging facilities, the destination host and the\n"
            "\t\t level of the messages sent to it\n"
            "login\t\tenable secure login checking\n");
  std::ostringstream none;
  EXPECT_FALSE(NodeMatcher::printHints(config_, none, "zz"));
  EXPECT_EQ(none.str(), "");
  EXPECT_FALSE(NodeMatcher::printHints(nullptr, none, ""));
}

TEST_F(NodeMatcherTest, HintsExpandKeyTablesAndShowSignedRanges) {
  EXPECT_EQ(hints(walk(config_, {"interface"}), ""),
            "ethernet\tieee 802.3\n"
            "fastethernet\tfastethernet ieee 802.3\n"
            "loopback\tloopback interface\n"
            "serial\t\tserial\n");
  ParserTreeNode* delay = walk(config_, {"delay"});
  EXPECT_EQ(hints(delay, "+"), "<1-4294967295>\tdelay offset\n");
  // Without a sign the type name itself is shown.
  EXPECT_EQ(hints(delay, ""), "+/-<delay>\tdelay offset\n");
  EXPECT_EQ(hints(walk(config_, {"metric"}), "+"), "<0-4294967295>\tmetric offset\n");
}

TEST_F(NodeMatcherTest, HintsOfVeryLongWordsAreWrittenWhole) {
  ParserTreeNode* node = ParserResources::instance().newNode();
  ParserTreeNode* child = ParserResources::instance().newNode();
  const std::string word(80, 'w');
  const std::string help(100, 'h');
  child->keySet[word] = help;
  node->addChild(word, help, child);
  // Eleven columns leave no room: the help follows the single tab whole.
  EXPECT_EQ(hints(node, ""), word + "\t" + help + "\n");
}

}  // namespace
}  // namespace vexaparser::testing
