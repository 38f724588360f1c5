// Building configuration trees: getCmdInfo through a scratch terminal and the
// command order table it fills, and the sibling index over a built level,
// which answers exactly as a walk from the front of the level does.  Levels,
// parents and texts of the tree come from the terminal replay
// (tests/parser/cli/vty_config_text_test.cpp).
#include <string>
#include <vector>

#include "model_test_support.h"
#include "parser/model/sibling_index.h"

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

using SiblingIndexTest = ModelTest;

// A level with many commands of every kind, some repeated, some "no" forms.
std::string busyLevel(int seed) {
  // clang-format off
  const std::string kinds[] = {
      "interface Fa#| shutdown", "logging 10.0.0.#", "no logging 10.0.0.#",
      "ip name-server 10.1.0.# 10.2.0.#", "no ip name-server 10.1.0.#",
      "ip route 10.#.0.0 255.255.0.0 10.0.0.1", "no ip domain-lookup", "hostname r#|no hostname",
      "boot system flash:#|frobnicate #"};
  // clang-format on
  std::string text;
  for (int i = 0; i < 60; ++i) {
    const int v = (i * 7 + seed) % 23;
    std::string kind = kinds[i % 9].substr(i % 9 == 6 && v % 2 == 1 ? 3 : 0);
    for (std::size_t at; (at = kind.find('#')) != std::string::npos;) {
      kind.replace(at, 1, std::to_string(v));
    }
    text += lines(kind);
  }
  return text;
}

std::vector<CiscoCommandLine*> topLevel(const CmdInfo& info) {
  std::vector<CiscoCommandLine*> level;
  for (CiscoCommandLine* command : info.commands) {
    if (command->getParentCommand() == nullptr && command->getLevel() == 0) {
      level.push_back(command);
    }
  }
  return level;
}

TEST_F(SiblingIndexTest, AnswersLikeAWalkFromTheFront) {
  CmdInfo stored(*grammar_, busyLevel(3));
  CmdInfo asked(*grammar_, busyLevel(11));
  std::vector<CiscoCommandLine*> level = topLevel(stored);
  ASSERT_GT(level.size(), 60u);
  // Some commands marked removed, as merge and fallback do.
  for (std::size_t i = 0; i < level.size(); i += 5) level[i]->setFlags(FLAG_REMOVED, false);
  model::SiblingIndex index(level);
  std::vector<CiscoCommandLine*> questions = topLevel(asked);
  questions.insert(questions.end(), level.begin(), level.end());
  const std::size_t half = questions.size() / 2;
  for (std::size_t q = 0; q < questions.size(); ++q) {
    const CiscoCommandLine* question = questions[q];
    // Halfway, the level grows at its end, as merge appends new commands.
    if (q == half) level.insert(level.end(), questions.begin(), questions.begin() + 10);
    std::size_t comparable = level.size();
    std::size_t noable = level.size();
    for (std::size_t i = level.size(); i-- > 0;) {
      if (level[i]->isComparable(question)) comparable = i;
      if (level[i]->isNoable(question)) noable = i;
    }
    EXPECT_EQ(index.firstComparable(question), comparable) << question->getCurrentCommand();
    EXPECT_EQ(index.firstNoable(question), noable) << question->getCurrentCommand();
  }
}

}  // namespace
}  // namespace vexaparser::testing
