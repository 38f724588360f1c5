// VTY replaying configuration text: getComLineInfo (levels, parents, texts,
// flags of the command objects filled through the terminal's matching).
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "cli_test_support.h"
#include "vexa/parser/vty.h"

namespace vexaparser::testing {
namespace {

class ConfigTextTest : public CliTest {
 protected:
  // Replays text on a scratch terminal in configuration mode.
  bool replay(const std::string& text, bool enterRouter = false) {
    VTY& scratch = scratchInConfiguration();
    if (enterRouter) {
      EXPECT_TRUE(scratch.parse("router bgp 7 \n", true, nullptr));
    }
    return scratch.getComLineInfo(text, list_.commands, errorText_, errorLine_, true);
  }
  static std::string majorsOf(const CiscoCommandLine& command) {
    std::string majors;
    command.getMajorCmdStr(majors);
    return majors;
  }

  CommandList list_;
  std::string errorText_ = "stale";
  int errorLine_ = 0;
};

TEST_F(ConfigTextTest, LevelsParentsAndTextsOfABlockWithSubModes) {
  EXPECT_TRUE(
      replay("router bgp 100\r\n neighbor 1.1.1.1 remote-as 200\r\n address-family ipv4\r\n"
             "  network 10.0.0.0\r\n neighbor 2.2.2.2 weight 5\r\n!\r\n\r\n"
             "interface fastethernet0/1\n ip address 1.1.1.1 255.255.255.0\n bogus line\n"
             " no shutdown\n   \nend\nhostname r1\n"));
  EXPECT_EQ(errorLine_, 9);
  EXPECT_EQ(errorText_, "");  // a scratch terminal names no invalid word
  const std::vector<CiscoCommandLine*>& c = list_.commands;
  ASSERT_EQ(c.size(), 13u);
  // clang-format off
  // current: nullptr for a flag UnknownCommand; parent: index of the parent command, or -1.
  struct Expected { int level; const char* majors; const char* current; int parent; };
  const Expected expected[] = {
      {0, "", "router bgp 100 \n", -1},
      {1, "router bgp 100 \n", "neighbor 1.1.1.1 remote-as 200 \n", 0},
      {1, "router bgp 100 \n", "address-family ipv4 \n", 0},
      {2, "router bgp 100 \naddress-family ipv4 \n", "network 10.0.0.0 \n", 2},
      {1, "router bgp 100 \n", "neighbor 2.2.2.2 weight 5 \n", 0},
      {1, "", nullptr, -1},
      {0, "", "interface fastethernet 0/1 \n", -1},
      {1, "interface fastethernet 0/1 \n", "ip address 1.1.1.1 255.255.255.0 \n", 6},
      {1, "interface fastethernet 0/1 \n", "bogus line\n", -1},
      {1, "interface fastethernet 0/1 \n", "no shutdown \n", 6},
      {0, "", nullptr, -1},
      {0, "", nullptr, -1},
      {0, "", "hostname r1 \n", -1},
  };
  // clang-format on
  for (std::size_t i = 0; i < c.size(); ++i) {
    const Expected& e = expected[i];
    EXPECT_EQ(c[i]->getLineNo(), static_cast<int>(i) + 1) << i;
    EXPECT_EQ(c[i]->getParentCommand(), e.parent < 0 ? nullptr : c[e.parent]) << i;
    EXPECT_EQ(c[i]->getLevel(), e.level) << i;
    if (e.current == nullptr) {
      EXPECT_EQ(c[i]->getFlag(), UnknownCommand) << i;
      continue;
    }
    EXPECT_EQ(majorsOf(*c[i]), e.majors) << i;
    EXPECT_EQ(c[i]->getCurrentCommand(), e.current) << i;
    EXPECT_EQ(c[i]->getOriginalCmd(), e.current) << i;
  }
  EXPECT_EQ(c[5]->getOriginalStr(), "!");
  EXPECT_EQ(c[10]->getOriginalStr(), "   ");
  EXPECT_EQ(c[11]->getOriginalStr(), "end");
  // Children in configuration order; the failed line belongs to no one.
  EXPECT_EQ(c[0]->getChildCommands(), (std::vector<CiscoCommandLine*>{c[1], c[2], c[4]}));
  EXPECT_EQ(c[2]->getChildCommands().size(), 1u);
  EXPECT_EQ(c[6]->getChildCommands().size(), 2u);
  EXPECT_TRUE(c[8]->getChildCommands().empty());
}

TEST_F(ConfigTextTest, FlagsAndNestedCommandsThroughTheTerminal) {
  replay(
      "router bgp 100\n neighbor 1.1.1.1 remote-as 200\ninterface serial0\n no shutdown\n"
      " no ip\n description to the core\nhostname r1\n");
  const std::vector<CiscoCommandLine*>& c = list_.commands;
  ASSERT_EQ(c.size(), 7u);
  EXPECT_EQ(c[0]->getFlags(), FLAG_STORED | FLAG_MODE);
  EXPECT_EQ(c[0]->getTreeNodeSize(), 4);  // router, bgp, the number, end
  // The option begins a nested command that takes the rest of the words.
  EXPECT_EQ(c[1]->getTreeNodeSize(), 2);
  ASSERT_EQ(c[1]->getNestedCommands().size(), 1u);
  const CiscoCommandLine& remoteAs = *c[1]->getNestedCommands().begin()->second;
  EXPECT_NE(remoteAs.getFlags() & FLAG_NESTED, 0u);
  EXPECT_EQ(remoteAs.getTreeNodeSize(), 3);  // remote-as, the number, end
  EXPECT_NE(c[3]->getFlags() & FLAG_NO, 0u);
  // "no ip" stops before a node that ends the command: incomplete, so the
  // line fails and keeps its text.
  EXPECT_EQ(errorLine_, 5);
  EXPECT_EQ(errorText_, "% Incomplete command.");
  EXPECT_EQ(c[4]->getCurrentCommand(), "no ip\n");
  // Words joined at a "wa" node.
  ASSERT_EQ(c[5]->getNodePath().size(), 3u);
  EXPECT_EQ(c[5]->getNodePath()[1].second, std::set<std::string>{"to the core"});
  EXPECT_EQ(c[6]->getFlag(), OverwriteCommand);
}

TEST_F(ConfigTextTest, FirstFailedLineInsideASubModeGetsItsLevel) {
  EXPECT_FALSE(replay(" bogus\n", true));
  ASSERT_EQ(list_.commands.size(), 1u);
  EXPECT_EQ(errorLine_, 1);
  EXPECT_EQ(list_.commands[0]->getLevel(), 1);
  EXPECT_EQ(majorsOf(*list_.commands[0]), "router bgp 7 \n");
  EXPECT_EQ(list_.commands[0]->getOriginalCmd(), "bogus\n");
}

TEST_F(ConfigTextTest, EmptyTextGivesNothing) {
  EXPECT_FALSE(replay(""));
  EXPECT_FALSE(replay("\r\n\n"));
  EXPECT_TRUE(list_.commands.empty());
  EXPECT_EQ(errorLine_, 0);
}

}  // namespace
}  // namespace vexaparser::testing
