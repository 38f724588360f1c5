// VTY replaying configuration text: getComLineInfo (levels, parents, texts,
// flags of the command objects) and the command objects filled through the
// terminal's matching.
#include <gtest/gtest.h>

#include <string>

#include "cli_test_support.h"
#include "vexa/parser/vty.h"

namespace vexaparser::testing {
namespace {

using ConfigTextTest = CliTest;

TEST_F(ConfigTextTest, LevelsParentsAndTextsOfABlockWithSubModes) {
  VTY& scratch = scratchInConfiguration();
  const std::string text =
      "router bgp 100\r\n"
      " neighbor 1.1.1.1 remote-as 200\r\n"
      " address-family ipv4\r\n"
      "  network 10.0.0.0\r\n"
      " neighbor 2.2.2.2 weight 5\r\n"
      "!\r\n"
      "\r\n"
      "interface fastethernet0/1\n"
      " ip address 1.1.1.1 255.255.255.0\n"
      " bogus line\n"
      " no shutdown\n"
      "   \n"
      "end\n"
      "hostname r1\n";
  CommandList list;
  std::string errorText = "stale";
  int errorLine = 0;
  EXPECT_TRUE(scratch.getComLineInfo(text, list.commands, errorText, errorLine, true));
  EXPECT_EQ(errorLine, 9);
  EXPECT_EQ(errorText, "");  // a scratch terminal names no invalid word
  ASSERT_EQ(list.commands.size(), 13u);

  struct Expected {
    int level;
    const char* majors;
    const char* current;  // nullptr: flag UnknownCommand with the raw line
    int parent;           // index of the parent command; -1 for none
  };
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
  for (std::size_t i = 0; i < list.commands.size(); ++i) {
    const CiscoCommandLine& command = *list.commands[i];
    const Expected& e = expected[i];
    EXPECT_EQ(command.getLineNo(), static_cast<int>(i) + 1) << i;
    CiscoCommandLine* parent = e.parent < 0 ? nullptr : list.commands[e.parent];
    EXPECT_EQ(command.getParentCommand(), parent) << i;
    if (e.current == nullptr) {
      EXPECT_EQ(command.getFlag(), UnknownCommand) << i;
      continue;
    }
    EXPECT_EQ(command.getLevel(), e.level) << i;
    std::string majors;
    command.getMajorCmdStr(majors);
    EXPECT_EQ(majors, e.majors) << i;
    EXPECT_EQ(command.getCurrentCommand(), e.current) << i;
    EXPECT_EQ(command.getOriginalCmd(), e.current) << i;
  }
  EXPECT_EQ(list.commands[5]->getOriginalStr(), "!");
  EXPECT_EQ(list.commands[10]->getOriginalStr(), "   ");
  EXPECT_EQ(list.commands[11]->getOriginalStr(), "end");
  EXPECT_EQ(list.commands[11]->getLevel(), 0);

  // Children in configuration order; the failed line belongs to no one.
  const auto& routerChildren = list.commands[0]->getChildCommands();
  ASSERT_EQ(routerChildren.size(), 3u);
  EXPECT_EQ(routerChildren[0], list.commands[1]);
  EXPECT_EQ(routerChildren[1], list.commands[2]);
  EXPECT_EQ(routerChildren[2], list.commands[4]);
  EXPECT_EQ(list.commands[2]->getChildCommands().size(), 1u);
  EXPECT_EQ(list.commands[6]->getChildCommands().size(), 2u);
  EXPECT_TRUE(list.commands[8]->getChildCommands().empty());
}

TEST_F(ConfigTextTest, FlagsAndNestedCommandsThroughTheTerminal) {
  VTY& scratch = scratchInConfiguration();
  CommandList list;
  std::string errorText;
  int errorLine = 0;
  scratch.getComLineInfo(
      "router bgp 100\n"
      " neighbor 1.1.1.1 remote-as 200\n"
      "interface serial0\n"
      " no shutdown\n"
      " no ip\n"
      " description to the core\n"
      "hostname r1\n",
      list.commands, errorText, errorLine, true);
  ASSERT_EQ(list.commands.size(), 7u);
  const CiscoCommandLine& router = *list.commands[0];
  EXPECT_EQ(router.getFlags(), FLAG_STORED | FLAG_MODE);
  EXPECT_EQ(router.getTreeNodeSize(), 4);  // router, bgp, the number, end

  // The option begins a nested command that takes the rest of the words.
  const CiscoCommandLine& neighbor = *list.commands[1];
  EXPECT_EQ(neighbor.getTreeNodeSize(), 2);
  ASSERT_EQ(neighbor.getNestedCommands().size(), 1u);
  const CiscoCommandLine& remoteAs = *neighbor.getNestedCommands().begin()->second;
  EXPECT_NE(remoteAs.getFlags() & FLAG_NESTED, 0u);
  EXPECT_EQ(remoteAs.getTreeNodeSize(), 3);  // remote-as, the number, end

  const CiscoCommandLine& noShutdown = *list.commands[3];
  EXPECT_NE(noShutdown.getFlags() & FLAG_NO, 0u);
  EXPECT_EQ(noShutdown.getCurrentCommand(), "no shutdown \n");

  // "no ip" stops before a node that ends the command: incomplete, so the
  // line fails and keeps its text.
  EXPECT_EQ(errorLine, 5);
  EXPECT_EQ(errorText, "% Incomplete command.");
  EXPECT_EQ(list.commands[4]->getCurrentCommand(), "no ip\n");

  // Words joined at a "wa" node.
  const CiscoCommandLine& description = *list.commands[5];
  ASSERT_EQ(description.getNodePath().size(), 3u);
  EXPECT_EQ(description.getNodePath()[1].second, std::set<std::string>{"to the core"});
  EXPECT_EQ(list.commands[6]->getFlag(), OverwriteCommand);
}

TEST_F(ConfigTextTest, FirstFailedLineInsideASubModeGetsItsLevel) {
  VTY& scratch = scratchInConfiguration();
  ASSERT_TRUE(scratch.parse("router bgp 7 \n", true, nullptr));
  std::string majors;
  scratch.getMajorCommands(majors);
  EXPECT_EQ(majors, "");
  CommandList list;
  std::string errorText;
  int errorLine = 0;
  EXPECT_FALSE(scratch.getComLineInfo(" bogus\n", list.commands, errorText, errorLine, true));
  ASSERT_EQ(list.commands.size(), 1u);
  EXPECT_EQ(errorLine, 1);
  EXPECT_EQ(list.commands[0]->getLevel(), 1);
  list.commands[0]->getMajorCmdStr(majors);
  EXPECT_EQ(majors, "router bgp 7 \n");
  EXPECT_EQ(list.commands[0]->getOriginalCmd(), "bogus\n");
}

TEST_F(ConfigTextTest, EmptyTextGivesNothing) {
  VTY& scratch = scratchInConfiguration();
  CommandList list;
  std::string errorText;
  int errorLine = 0;
  EXPECT_FALSE(scratch.getComLineInfo("", list.commands, errorText, errorLine, true));
  EXPECT_FALSE(scratch.getComLineInfo("\r\n\n", list.commands, errorText, errorLine, true));
  EXPECT_TRUE(list.commands.empty());
  EXPECT_EQ(errorLine, 0);
}

TEST_F(ConfigTextTest, ConsoleLineFillsTheCommandObject) {
  enterConfiguration();
  CiscoCommandLine command;
  EXPECT_EQ(typeWith("int fa0/1", command), "");
  // The console's objects are not linked into trees.
  EXPECT_EQ(command.getParentCommand(), nullptr);
  EXPECT_EQ(command.getFlags(), FLAG_STORED | FLAG_MODE);
  ASSERT_EQ(command.getNodePath().size(), 4u);
  EXPECT_EQ(command.getNodePath()[1].second, std::set<std::string>{"fastethernet"});
  EXPECT_EQ(command.getNodePath()[2].second, std::set<std::string>{"0/1"});

  // A line that fails at every level leaves the object as it was before,
  // although its first words matched.
  CiscoCommandLine failed;
  EXPECT_EQ(typeWith("hostname a b", failed), "% Invalid input detected at ^\n");
  EXPECT_EQ(failed.getTreeNodeSize(), 0);
  EXPECT_EQ(failed.getFlags(), 0u);
}

}  // namespace
}  // namespace vexaparser::testing
