// CiscoCommandLine: how two commands relate (comparable, cancelled,
// conflicting), the multi-value merge, and the order number from the
// command order table.  The everyday cases (same or different interface,
// a short "no" form, gathering and removing values, the first template's
// number) are in the merge/fallback tables of tests/parser/model; here the
// letter combinations and boundaries those grammars do not reach.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "parser/config/command_line_test_support.h"
#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/grammar.h"

namespace vexaparser::testing {
namespace {

// A small configuration grammar:
//   interface(k) <name>(k) <cr>
//   ip(k) address(k) [<addr> <mask> [secondary(k)]] <cr>
//   ip(k) route(k) <prefix>(k) <mask>(k) <hop> <cr>
//   trunk-vlans(k) <vlan>(m) <cr>
//   police-rate(k/m) <rate> <cr> with the option group burst(ob/m) <n>(m) <cr>
//   and action(ob/o) <word> <cr>
class CommandLineRelationTest : public ::testing::Test {
 protected:
  CommandLineRelationTest() {
    makeEnd(makeNode(makeNode(root, "interface", kLetterK), "<name>", kLetterK));
    ip = makeNode(root, "ip", kLetterK);
    address = makeNode(ip, "address", kLetterK);
    makeEnd(address);
    addr = makeNode(address, "<addr>");
    mask = makeNode(addr, "<mask>");
    makeEnd(mask);
    makeEnd(makeNode(mask, "secondary", kLetterK));
    route = makeNode(ip, "route", kLetterK);
    prefix = makeNode(route, "<prefix>", kLetterK);
    hop = makeNode(makeNode(prefix, "<mask>", kLetterK), "<hop>");
    makeEnd(hop);
    vlans = makeNode(root, "trunk-vlans", kLetterK);
    vlan = makeNode(vlans, "<vlan>", kLetterM);
    makeEnd(vlan);
    rate = makeNode(makeNode(root, "police-rate", kLetterK | kLetterM), "<rate>");
    makeEnd(rate);
    burst = makeNode(rate, "burst", kLetterOb | kLetterM);
    makeEnd(makeNode(burst, "<n>", kLetterM));
    action = makeNode(rate, "action", kLetterOb | kLetterO);
    makeEnd(makeNode(action, "<word>"));
  }
  CommandPtr cmd(const std::string& text) { return parse(root, text); }
  CommandPtr no(const std::string& text) { return parse(root, text, true); }

  ParserTreeNode* root = makeNode(nullptr, "root");
  ParserTreeNode *ip, *address, *addr, *mask, *route, *prefix, *hop, *vlans, *vlan, *rate, *burst,
      *action;
};

TEST_F(CommandLineRelationTest, IsComparableFollowsKeyPositions) {
  const std::string a = "ip address 1.1.1.1 255.0.0.0", f1 = "interface fa0/1";
  const std::string r = "ip route 10.0.0.0 255.0.0.0 ";
  // clang-format off
  struct Case { const char* name; CommandPtr mine, other; bool expected; };
  Case cases[] = {
      {"ip address: only keywords carry k", cmd(a), cmd("ip address 2.2.2.2 255.255.0.0"), true},
      {"k node against the other's line end", cmd(a), cmd(a + " secondary"), false},
      {"other longer by a k node", cmd("ip"), cmd(a), false},
      {"mine longer by a k node", cmd(a), cmd("ip"), false},
      {"line end against a plain node", no("ip address"), cmd(a), true},
      {"routes differing only in the next hop", cmd(r + "1.1.1.1"), cmd(r + "2.2.2.2"), true},
      {"empty path", std::make_unique<CiscoCommandLine>(), cmd(f1), false},
  };
  // clang-format on
  for (const Case& c : cases) EXPECT_EQ(c.mine->isComparable(c.other.get()), c.expected) << c.name;
  CommandPtr removed = cmd("interface fa0/1");
  CommandPtr same = cmd("interface fa0/1");
  removed->setFlags(FLAG_REMOVED, false);
  EXPECT_FALSE(removed->isComparable(same.get()));
  EXPECT_TRUE(same->isComparable(removed.get())) << "only this command's mark counts";
}

TEST_F(CommandLineRelationTest, IsNoableComparesKeyAndEndPositionsUpToALineEnd) {
  const char* const a1 = "ip address 1.1.1.1 255.0.0.0";
  const char* const a2 = "ip address 2.2.2.2 255.255.0.0";
  const char* const r1 = "ip route 10.0.0.0 255.0.0.0 1.1.1.1";
  const uint32_t k = kLetterK, n = kLetterN, ne = kLetterNe;
  struct Case {
    const char* name;
    uint32_t addrLetters, maskLetters;
    std::string mine, no;
    bool expected;
  };
  // clang-format off
  const Case cases[] = {
      {"words without k or n are not compared", 0, 0, a1, a2, true},
      {"the walk stops at the configured line end", 0, 0, a1, a1 + std::string(" secondary"), true},
      {"words differ at a k position", 0, 0, r1, "ip route 11.0.0.0 255.0.0.0 1.1.1.1", false},
      {"n without m: words must agree", n, 0, a1, a2, false},
      {"n with m: words not compared", n | kLetterM, 0, a1, a2, true},
      {"ne on the no form's node: cancels at once", ne, k, a1, a2, true},
      {"ne after a difference at a k node", k, ne, a1, a2, false},
      {"k on a differing word", 0, k, a1, a2, false},
      {"remaining configured node with nk", kLetterNk, 0, a1, "ip address", false},
      {"no form with n beyond the configured end", n, 0, "ip address", a1, false},
  };
  // clang-format on
  for (const Case& c : cases) {
    addr->letters = c.addrLetters;
    mask->letters = c.maskLetters;
    EXPECT_EQ(cmd(c.mine)->isNoable(no(c.no).get()), c.expected) << c.name;
  }
  addr->letters = mask->letters = 0;
  CommandPtr configured = cmd(a1);
  configured->setFlags(FLAG_REMOVED, false);
  EXPECT_FALSE(configured->isNoable(no("ip address").get()));
  EXPECT_FALSE(CiscoCommandLine().isNoable(no("ip address").get()));
}

TEST_F(CommandLineRelationTest, IsConflictWithAtCfPosition) {
  const std::string r = "ip route 10.0.0.0 255.0.0.0 ";
  CommandPtr plain = cmd(r + "1.1.1.1");
  hop->letters = kLetterCf;
  CommandPtr route1 = cmd(r + "1.1.1.1");
  ASSERT_NE(route1->getFlags() & FLAG_CONFLICT, 0u);
  EXPECT_TRUE(route1->isConflictWith(cmd(r + "2.2.2.2").get()));
  EXPECT_FALSE(route1->isConflictWith(cmd(r + "1.1.1.1").get()));
  EXPECT_FALSE(route1->isConflictWith(cmd("ip address 1.1.1.1 255.0.0.0").get()))
      << "paths part before the cf node";
  EXPECT_FALSE(route1->isConflictWith(cmd("ip route").get())) << "other's path runs out first";
  EXPECT_FALSE(plain->isConflictWith(cmd(r + "2.2.2.2").get()))
      << "needs FLAG_CONFLICT on this command";
}

TEST_F(CommandLineRelationTest, NoFormOfMultiValueRemovesOnlyValuesItNames) {
  CommandPtr base = cmd("trunk-vlans 10 20");
  ASSERT_EQ(base->getFlag(), MultiValueCommand);
  EXPECT_TRUE(base->mergeCommand(no("trunk-vlans 30").get()));
  EXPECT_EQ(pathWords(*base), (Words{{"trunk-vlans"}, {"10", "20"}, {"\n"}}));
  EXPECT_FALSE(base->mergeCommand(no("trunk-vlans 20 10").get())) << "no value left";
}

TEST_F(CommandLineRelationTest, MergeLeavesOtherCommandsAndKeyPositions) {
  CommandPtr base = cmd("trunk-vlans 10");
  CommandPtr other = cmd("trunk-vlans 20");
  other->setFlag(AppendCommand);
  EXPECT_TRUE(base->mergeCommand(other.get()));
  base->setFlag(OverwriteCommand);
  other->setFlag(MultiValueCommand);
  EXPECT_TRUE(base->mergeCommand(other.get()));
  EXPECT_EQ(pathWords(*base)[1], (std::set<std::string>{"10"}));

  vlans->letters = kLetterK | kLetterM;
  base = cmd("trunk-vlans 10");
  EXPECT_TRUE(base->mergeCommand(build({{vlans, "other"}, {vlan, "20"}}).get()));
  EXPECT_EQ(pathWords(*base), (Words{{"trunk-vlans"}, {"10", "20"}, {"\n"}}));
  // A "no" form that ends before an option group removes the command.
  makeNode(vlan, "tagged", kLetterOb);
  EXPECT_FALSE(cmd("trunk-vlans 10 20")->mergeCommand(no("trunk-vlans 10").get()));
}

TEST_F(CommandLineRelationTest, MergeGathersAssignsOrCopiesNestedCommands) {
  CommandPtr base = cmd("police-rate 100 burst 5");
  ASSERT_EQ(base->getFlag(), MultiValueCommand);
  EXPECT_TRUE(base->mergeCommand(cmd("police-rate 100 burst 6").get()));
  EXPECT_EQ(pathWords(*nestedAt(*base, burst)), (Words{{"burst"}, {"5", "6"}, {"\n"}}));

  CommandPtr other = cmd("police-rate 100 action drop");
  EXPECT_TRUE(base->mergeCommand(other.get()));
  CiscoCommandLine* added = nestedAt(*base, action);
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(added->getParentCommand(), base.get()) << "a copy of the other's";
  // The first nested command ends in "\n"; the text is cut there before
  // the next one is appended.
  EXPECT_EQ(base->getOriginalCmd(), burst < action ? "police-rate 100 burst 5 6  action drop \n"
                                                   : "police-rate 100 action drop  burst 5 6 \n");
  // A nested command that is not multi-value is assigned over, in place.
  EXPECT_TRUE(base->mergeCommand(cmd("police-rate 100 action transmit").get()));
  EXPECT_EQ(nestedAt(*base, action), added);
  EXPECT_EQ(pathWords(*added), (Words{{"action"}, {"transmit"}, {"\n"}}));
}

TEST_F(CommandLineRelationTest, NoFormOfNestedCommand) {
  // "burst" lacks "n": the "no" form stops at the rate, which begins an
  // option group.
  const std::string burst5 = "police-rate 100 burst 5";
  CommandPtr base = cmd(burst5);
  EXPECT_FALSE(base->mergeCommand(no(burst5).get()));
  EXPECT_NE(nestedAt(*base, burst), nullptr);

  burst->letters |= kLetterN;
  EXPECT_TRUE(base->mergeCommand(no(burst5).get()));
  EXPECT_EQ(base->getOriginalCmd(), "police-rate 100\n");
  CommandPtr withAction = cmd("police-rate 100 action drop");
  EXPECT_TRUE(withAction->mergeCommand(no(burst5).get()));
  EXPECT_EQ(nestedAt(*withAction, burst), nullptr) << "a no form is not copied in";
  EXPECT_EQ(withAction->getNestedCommands().size(), 1u);

  // What is left must be able to end by itself.
  for (bool rateMayEnd : {true, false}) {
    if (!rateMayEnd) rate->children.erase(kEndKey);
    base = cmd(burst5);
    base->mergeCommand(cmd("police-rate 100 action drop").get());
    ASSERT_EQ(base->getNestedCommands().size(), 2u);
    EXPECT_EQ(base->mergeCommand(no(burst5).get()), rateMayEnd) << "rate may end: " << rateMayEnd;
    EXPECT_EQ(nestedAt(*base, burst), nullptr);
  }
}

// setOrderNo against a command order table of the test's own.
class CommandLineOrderTest : public CommandLineRelationTest {
 protected:
  static constexpr char kMode[] = "order_test_mode.cfm";

  CommandLineOrderTest() { root->modeFileName = kMode; }
  void addTemplate(const std::string& mode, CommandPtr templ, int orderNo) {
    Grammar::OrderTemplate entry;
    entry.orderNo = orderNo;
    for (const auto& [node, words] : templ->getNodePath()) {
      entry.path.emplace_back(node, words.count(kEndKey) != 0);
    }
    table_[mode].push_back(entry);
  }
  int orderOf(CommandPtr command, ParserTreeNode* mode) {
    command->setOrderNo(-1);
    command->setOrderNo(mode, table_);
    const int fromTable = command->getOrderNo();
    // The terminal asks the grammar, whose index must give the same answer.
    auto grammar = std::make_shared<Grammar>("");
    grammar->setCommandOrder(table_);
    command->setOrderNo(-1);
    command->setOrderNo(mode, *grammar);
    EXPECT_EQ(command->getOrderNo(), fromTable) << "through the grammar's index";
    return fromTable;
  }

  Grammar::CommandOrderTable table_;
};

TEST_F(CommandLineOrderTest, FirstFittingTemplateGivesTheNumber) {
  addTemplate(kMode, cmd("ip address"), 4);
  addTemplate(kMode, build({{ip, "ip"}, {route, "route"}, {prefix, "0.0.0.0"}}), 7);
  addTemplate(kMode, cmd("ip"), 9);
  // clang-format off
  struct Case { const char* name; CommandPtr command; int expected; };
  Case cases[] = {
      {"command used up where the template may end", build({{ip, "ip"}, {address, "address"}}), 4},
      {"template used up, words not compared", cmd("ip route 10.0.0.0 255.0.0.0 1.1.1.1"), 7},
      {"only the shortest template fits", build({{ip, "ip"}, {prefix, "1.0.0.0"}}), 9},
  };
  // clang-format on
  for (Case& c : cases) EXPECT_EQ(orderOf(std::move(c.command), root), c.expected) << c.name;
}

TEST_F(CommandLineOrderTest, TemplateWithoutPathFitsEveryCommandFromItsPlace) {
  addTemplate(kMode, cmd("ip address"), 4);
  addTemplate(kMode, std::make_unique<CiscoCommandLine>(), 5);
  addTemplate(kMode, cmd("ip"), 9);
  EXPECT_EQ(orderOf(build({{ip, "ip"}, {address, "address"}}), root), 4) << "an earlier fit";
  EXPECT_EQ(orderOf(cmd("ip route 10.0.0.0 255.0.0.0 1.1.1.1"), root), 5)
      << "a later template of the same first node comes too late";
}

TEST_F(CommandLineOrderTest, NoFittingTemplateOrEntryLeavesNumber) {
  addTemplate(kMode, build({{ip, "ip"}, {route, "route"}, {prefix, "0.0.0.0"}}), 7);
  EXPECT_EQ(orderOf(cmd("ip address"), root), -1) << "no template fits";
  EXPECT_EQ(orderOf(cmd("ip route 1.0.0.0 255.0.0.0 1.1.1.1"), nullptr), -1) << "no node";
  EXPECT_EQ(orderOf(std::make_unique<CiscoCommandLine>(), root), -1) << "empty path";
  // A node without a mode file takes the configuration mode's templates.
  addTemplate("configuration_mod.cfm", build({{ip, "ip"}, {route, "route"}}), 3);
  EXPECT_EQ(orderOf(cmd("ip route 1.0.0.0 255.0.0.0 1.1.1.1"), makeNode(nullptr, "top")), 3);
}

}  // namespace
}  // namespace vexaparser::testing
