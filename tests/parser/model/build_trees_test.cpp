// Building configuration trees: getCmdInfo through a scratch terminal, the
// command order table it fills, and the help of a partial text.
#include <string>
#include <vector>

#include "model_test_support.h"
#include "vexa/parser/config_hint.h"

namespace vexaparser::testing {
namespace {

using BuildTreesTest = ModelTest;

TEST_F(BuildTreesTest, InterfaceBlockGivesChildrenWithLevelsAndLineNumbers) {
  CmdInfo info(
      lines("hostname r1|interface Fa0| description to core| ip address 10.1.0.1 255.0.0.0|!"));
  ASSERT_EQ(info.commands.size(), 5u);
  CiscoCommandLine* interface = info.commands[1];
  EXPECT_EQ(interface->getLevel(), 0);
  EXPECT_NE(interface->getFlags() & FLAG_MODE, 0u);
  ASSERT_EQ(interface->getChildCommands().size(), 2u);
  for (int i = 0; i < 2; ++i) {
    const CiscoCommandLine* child = interface->getChildCommands()[i];
    EXPECT_EQ(child, info.commands[i + 2]);
    EXPECT_EQ(child->getLevel(), 1);
    EXPECT_EQ(child->getLineNo(), i + 3);
    EXPECT_EQ(child->getParentCommand(), interface);
  }
  EXPECT_EQ(info.commands[2]->getOriginalCmd(), "description to core \n");
}

TEST_F(BuildTreesTest, EndAndBlankLinesAreUnknownAndEmptyLinesAreNotCounted) {
  EXPECT_TRUE(CmdInfo("").commands.empty());
  EXPECT_FALSE(CmdInfo("").result);
  CmdInfo info("hostname r1\r\n\r\n\n   \nend\n");
  ASSERT_EQ(info.commands.size(), 3u);
  EXPECT_EQ(info.commands[0]->getLineNo(), 1);
  EXPECT_EQ(info.commands[1]->getLineNo(), 2);
  EXPECT_EQ(info.commands[1]->getFlag(), UnknownCommand);
  EXPECT_EQ(info.commands[1]->getOriginalStr(), "   ");
  EXPECT_EQ(info.commands[2]->getFlag(), UnknownCommand);
  EXPECT_EQ(info.commands[2]->getOriginalStr(), "end");
}

TEST_F(BuildTreesTest, LineThatFailsKeepsItsTextAndIsReported) {
  CmdInfo info(lines("hostname r1|  frobnicate now|logging 10.0.0.1"));
  ASSERT_EQ(info.commands.size(), 3u);
  const CiscoCommandLine* failed = info.commands[1];
  EXPECT_EQ(failed->getFlag(), AppendCommand);
  EXPECT_EQ(failed->getFlags(), 0u);
  EXPECT_EQ(failed->getCurrentCommand(), "frobnicate now\n");
  EXPECT_EQ(failed->getOriginalCmd(), "frobnicate now\n");
  EXPECT_EQ(info.errorLine, 2);
  EXPECT_TRUE(info.result) << "the result is that of the last line";
}

TEST_F(BuildTreesTest, CommandsTakeTheOrderNumberOfTheirMode) {
  CmdInfo info(
      lines("logging 10.0.0.1|interface Fa0| shutdown| description x|router ospf 1|"
            " address-family ipv4|  neighbor 10.0.0.2 activate|ip route 0.0.0.0 0.0.0.0 1.1.1.1"));
  std::vector<int> orders;
  for (const CiscoCommandLine* command : info.commands) orders.push_back(command->getOrderNo());
  // configuration_mod.cfm.ord: logging 5, interface 6, router 7, ip route 8;
  // if.cfm.ord: description 2, shutdown 5; router.cfm.ord: address-family 5
  // (its "!" line used up number 3); af.cfm has no order file.
  EXPECT_EQ(orders, (std::vector<int>{5, 6, 5, 2, 7, 5, 0, 8}));
}

TEST_F(BuildTreesTest, OrderTableSkipsHiddenFilesAndKeepsTheFirstOfTwoKeys) {
  auto& table = ParserResources::instance().cmdOrderTable();
  std::vector<std::string> keys;
  for (const auto& [key, templates] : table) keys.push_back(key);
  EXPECT_EQ(keys, (std::vector<std::string>{"configuration_mod.cfm", "if.cfm", "router.cfm"}));
  // configuration_mod.cfm.zzz lists "router ospf 9" after the .ord file
  // won: the entry keeps the eight templates of the .ord file.
  const auto& top = table.at("configuration_mod.cfm");
  ASSERT_EQ(top.size(), 8u);
  EXPECT_EQ(top.front()->getCurrentCommand(), "hostname r \n");
  EXPECT_EQ(top.back()->getOrderNo(), 8);
  // A template that matched nothing is destroyed; its number stays used.
  std::vector<int> routerNumbers;
  for (const CiscoCommandLine* templ : table.at("router.cfm")) {
    routerNumbers.push_back(templ->getOrderNo());
    EXPECT_TRUE(templ->getChildCommands().empty());
    EXPECT_EQ(templ->getParentCommand(), nullptr);
  }
  EXPECT_EQ(routerNumbers, (std::vector<int>{1, 2, 4, 5}));
}

TEST_F(BuildTreesTest, WithoutResourcesTextsPassThroughUntilCreationRebuildsThem) {
  VexaParserUtil::destroyParserResource();
  EXPECT_TRUE(ParserResources::instance().cmdOrderTable().empty());
  CmdInfo none(lines("hostname r1"));
  EXPECT_TRUE(none.commands.empty());
  EXPECT_FALSE(none.result);
  EXPECT_EQ(merge(lines("hostname r1"), lines("hostname r2")), lines("hostname r1"));
  EXPECT_EQ(fallback(lines("hostname r2"), lines("hostname r1")), "");
  EXPECT_EQ(normalize("hostname  r1\n!\n"), "hostname  r1\n!\n");

  VexaParserUtil::createParserResource();
  ASSERT_TRUE(VexaParserUtil::resourcesReady());
  VexaParserUtil::createParserResource();  // again: rebuilt, not doubled
  EXPECT_EQ(ParserResources::instance().cmdOrderTable().at("if.cfm").size(), 5u);
  CmdInfo info(lines("interface Fa0| shutdown"));
  EXPECT_EQ(info.commands[1]->getOrderNo(), 5);
}

TEST_F(BuildTreesTest, HintListsTheWordsOfTheSubMode) {
  std::string command = lines("interface Fa0");
  std::string word = "ip ";
  std::vector<ConfigHint> hints;
  ASSERT_TRUE(VexaParserUtil::hintCommand(command, word, hints));
  ASSERT_FALSE(hints.empty());
  EXPECT_NE(hints.front().help.find("helper-address"), std::string::npos) << hints.front().help;
}

}  // namespace
}  // namespace vexaparser::testing
