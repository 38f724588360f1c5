// Building configuration trees: getCmdInfo through a scratch terminal and the
// command order table it fills.  Levels, parents and texts of the tree come
// from the terminal replay (tests/parser/cli/vty_config_text_test.cpp).
#include <string>
#include <vector>

#include "model_test_support.h"

namespace vexaparser::testing {
namespace {

using BuildTreesTest = ModelTest;

TEST_F(BuildTreesTest, LineThatFailsKeepsItsTextAndIsReported) {
  CmdInfo info(*grammar_, lines("hostname r1|  frobnicate now|logging 10.0.0.1"));
  ASSERT_EQ(info.commands.size(), 3u);
  const CiscoCommandLine* failed = info.commands[1];
  EXPECT_EQ(failed->getFlag(), AppendCommand);
  EXPECT_EQ(failed->getFlags(), 0u);
  EXPECT_EQ(failed->getOriginalCmd(), "frobnicate now\n");
  EXPECT_EQ(info.errorLine, 2);
  EXPECT_TRUE(info.result) << "the result is that of the last line";
}

TEST_F(BuildTreesTest, CommandsTakeTheOrderNumberOfTheirMode) {
  CmdInfo info(
      *grammar_, lines("logging 10.0.0.1|interface Fa0| shutdown| description x|router ospf 1|"
            " address-family ipv4|  neighbor 10.0.0.2 activate|ip route 0.0.0.0 0.0.0.0 1.1.1.1"));
  std::vector<int> orders;
  for (const CiscoCommandLine* command : info.commands) orders.push_back(command->getOrderNo());
  // configuration_mod.cfm.ord: logging 5, interface 6, router 7, ip route 8;
  // if.cfm.ord: description 2, shutdown 5; router.cfm.ord: address-family 5
  // (its "!" line used up number 3); af.cfm has no order file.
  EXPECT_EQ(orders, (std::vector<int>{5, 6, 5, 2, 7, 5, 0, 8}));
}

TEST_F(BuildTreesTest, OrderTableSkipsHiddenFilesAndKeepsTheFirstOfTwoKeys) {
  const Grammar::CommandOrderTable& table = grammar_->commandOrder();
  std::vector<std::string> keys;
  for (const auto& [key, templates] : table) keys.push_back(key);
  EXPECT_EQ(keys, (std::vector<std::string>{"configuration_mod.cfm", "if.cfm", "router.cfm"}));
  // configuration_mod.cfm.zzz lists "router ospf 9" after the .ord file
  // won: the entry keeps the eight templates of the .ord file.
  const auto& top = table.at("configuration_mod.cfm");
  ASSERT_EQ(top.size(), 8u);
  EXPECT_EQ(top.front().path.front().first->firstKey(), "hostname");
  EXPECT_EQ(top.back().orderNo, 8);
  EXPECT_EQ(table.at("if.cfm").size(), 5u);
}

TEST_F(BuildTreesTest, WithoutModeTreesTextsPassThrough) {
  const auto empty = std::make_shared<Grammar>("");
  CmdInfo none(*empty, lines("hostname r1"));
  EXPECT_TRUE(none.commands.empty());
  EXPECT_FALSE(none.result);
  EXPECT_EQ(VexaParserUtil::mergeConfigCmds(*empty, lines("hostname r2"), lines("hostname r1")),
            lines("hostname r1"));
  EXPECT_EQ(VexaParserUtil::fallbackConfigCmds(*empty, lines("hostname r2"), lines("hostname r1"), 1),
            "");
  EXPECT_EQ(VexaParserUtil::normalizeConfigCmds(*empty, "hostname  r1\n!\n"), "hostname  r1\n!\n");
}

}  // namespace
}  // namespace vexaparser::testing
