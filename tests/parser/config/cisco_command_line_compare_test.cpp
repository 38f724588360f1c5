// CiscoCommandLine: how two commands relate (comparable, cancelled,
// conflicting), the multi-value merge, and the order number from the
// command order table.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "parser/config/command_line_test_support.h"
#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/parser_resources.h"

namespace vexaparser::testing {
namespace {

using Words = std::vector<std::set<std::string>>;

// A small configuration grammar:
//   interface(k) <name>(k) <cr>
//   ip(k) address(k) <addr> <mask> [secondary(k)] <cr>
//   ip(k) route(k) <prefix>(k) <mask>(k) <hop> <cr>
class CommandLineRelationTest : public ::testing::Test {
 protected:
  CommandLineRelationTest() {
    interface = makeNode(nullptr, "interface", kLetterK);
    name = makeNode(interface, "<name>", kLetterK);
    interfaceEnd = makeEnd(name);
    ip = makeNode(nullptr, "ip", kLetterK);
    address = makeNode(ip, "address", kLetterK);
    addr = makeNode(address, "<addr>");
    mask = makeNode(addr, "<mask>");
    maskEnd = makeEnd(mask);
    secondary = makeNode(mask, "secondary", kLetterK);
    secondaryEnd = makeEnd(secondary);
    addressEnd = makeEnd(address);
    route = makeNode(ip, "route", kLetterK);
    prefix = makeNode(route, "<prefix>", kLetterK);
    prefixMask = makeNode(prefix, "<mask>", kLetterK);
    hop = makeNode(prefixMask, "<hop>");
    routeEnd = makeEnd(hop);
  }

  CommandPtr interfaceCmd(const std::string& id, bool isNo = false) {
    return build({{interface, "interface"}, {name, id}, {interfaceEnd, kEndKey}}, isNo);
  }
  CommandPtr ipAddress(const std::string& a, const std::string& m, bool isSecondary = false,
                       bool isNo = false) {
    std::vector<Step> steps = {{ip, "ip"}, {address, "address"}, {addr, a}, {mask, m}};
    if (isSecondary) steps.push_back({secondary, "secondary"});
    steps.push_back({isSecondary ? secondaryEnd : maskEnd, kEndKey});
    return build(steps, isNo);
  }
  CommandPtr noIpAddress() {
    return build({{ip, "ip"}, {address, "address"}, {addressEnd, kEndKey}}, true);
  }
  CommandPtr ipRoute(const std::string& p, const std::string& m, const std::string& h,
                     bool isNo = false) {
    return build(
        {{ip, "ip"}, {route, "route"}, {prefix, p}, {prefixMask, m}, {hop, h}, {routeEnd, kEndKey}},
        isNo);
  }

  ParserTreeNode *interface, *name, *interfaceEnd, *ip, *address, *addr, *mask, *maskEnd,
      *secondary, *secondaryEnd, *addressEnd, *route, *prefix, *prefixMask, *hop, *routeEnd;
};

// ---- isComparable ----

TEST_F(CommandLineRelationTest, IsComparableFollowsKeyPositions) {
  struct Case {
    const char* name;
    CommandPtr mine;
    CommandPtr other;
    bool expected;
  };
  Case cases[] = {
      {"interface names differ at a k position", interfaceCmd("fa0/1"), interfaceCmd("fa0/2"),
       false},
      {"same interface", interfaceCmd("fa0/1"), interfaceCmd("fa0/1"), true},
      {"ip address: only keywords carry k", ipAddress("1.1.1.1", "255.0.0.0"),
       ipAddress("2.2.2.2", "255.255.0.0"), true},
      {"k node against the other's line end", ipAddress("1.1.1.1", "255.0.0.0"),
       ipAddress("1.1.1.1", "255.0.0.0", true), false},
      {"other longer by a k node", build({{ip, "ip"}}), ipAddress("1.1.1.1", "255.0.0.0"), false},
      {"mine longer by a k node", ipAddress("1.1.1.1", "255.0.0.0"), build({{ip, "ip"}}), false},
      {"other longer without k nodes", build({{ip, "ip"}, {address, "address"}}),
       ipAddress("1.1.1.1", "255.0.0.0"), true},
      {"line end against a plain node", noIpAddress(), ipAddress("1.1.1.1", "255.0.0.0"), true},
      {"different k nodes", ipAddress("1.1.1.1", "255.0.0.0"),
       ipRoute("10.0.0.0", "255.0.0.0", "1.1.1.1"), false},
      {"routes differing only in the next hop", ipRoute("10.0.0.0", "255.0.0.0", "1.1.1.1"),
       ipRoute("10.0.0.0", "255.0.0.0", "2.2.2.2"), true},
      {"routes differing in the prefix", ipRoute("10.0.0.0", "255.0.0.0", "1.1.1.1"),
       ipRoute("11.0.0.0", "255.0.0.0", "1.1.1.1"), false},
      {"a no form compares like its command", ipAddress("1.1.1.1", "255.0.0.0"),
       ipAddress("3.3.3.3", "255.0.0.0", false, true), true},
      {"empty path", std::make_unique<CiscoCommandLine>(), interfaceCmd("fa0/1"), false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.mine->isComparable(c.other.get()), c.expected) << c.name;
  }
  CommandPtr removed = interfaceCmd("fa0/1");
  CommandPtr same = interfaceCmd("fa0/1");
  removed->setFlags(FLAG_REMOVED, false);
  EXPECT_FALSE(removed->isComparable(same.get()));
  EXPECT_TRUE(same->isComparable(removed.get())) << "only this command's mark counts";
  EXPECT_FALSE(same->isComparable(nullptr));
}

// ---- isNoable ----

TEST_F(CommandLineRelationTest, IsNoableStopsAtLineEndAndAtNe) {
  CommandPtr configured = ipAddress("1.1.1.1", "255.0.0.0");
  EXPECT_TRUE(configured->isNoable(noIpAddress().get())) << "no ip address";
  EXPECT_TRUE(configured->isNoable(ipAddress("1.1.1.1", "255.0.0.0", false, true).get()));
  EXPECT_TRUE(configured->isNoable(ipAddress("9.9.9.9", "255.0.0.0", false, true).get()))
      << "words of positions without k or n are not compared";
  EXPECT_FALSE(configured->isNoable(ipRoute("1.0.0.0", "255.0.0.0", "1.1.1.1", true).get()))
      << "nodes differ";
  EXPECT_TRUE(configured->isNoable(ipAddress("1.1.1.1", "255.0.0.0", true, true).get()))
      << "the walk stops at the configured line end; only n and nk count beyond it";

  CommandPtr route1 = ipRoute("10.0.0.0", "255.0.0.0", "1.1.1.1");
  EXPECT_FALSE(route1->isNoable(ipRoute("11.0.0.0", "255.0.0.0", "1.1.1.1", true).get()))
      << "words differ at a k position";

  configured->setFlags(FLAG_REMOVED, false);
  EXPECT_FALSE(configured->isNoable(noIpAddress().get()));
  EXPECT_FALSE(ipAddress("1.1.1.1", "255.0.0.0")->isNoable(nullptr));
  EXPECT_FALSE(CiscoCommandLine().isNoable(noIpAddress().get()));
}

TEST_F(CommandLineRelationTest, IsNoableLetters) {
  struct Case {
    const char* name;
    uint32_t addrLetters;
    uint32_t maskLetters;
    bool shortNo;  // "no ip address" instead of "no ip address 2.2.2.2 255.255.0.0"
    bool expected;
  };
  const Case cases[] = {
      {"plain positions", 0, 0, false, true},
      {"n without m: words must agree", kLetterN, 0, false, false},
      {"n with m: words not compared", kLetterN | kLetterM, 0, false, true},
      {"ne on the no form's node: cancels at once", kLetterNe, kLetterK, false, true},
      {"ne after a difference at a k node", kLetterK, kLetterNe, false, false},
      {"k on a differing word", 0, kLetterK, false, false},
      {"short no: remaining configured node with nk", kLetterNk, 0, true, false},
      {"short no: remaining configured node without nk", 0, 0, true, true},
  };
  for (const Case& c : cases) {
    addr->letters = c.addrLetters;
    mask->letters = c.maskLetters;
    CommandPtr configured = ipAddress("1.1.1.1", "255.0.0.0");
    CommandPtr no = c.shortNo ? noIpAddress() : ipAddress("2.2.2.2", "255.255.0.0", false, true);
    EXPECT_EQ(configured->isNoable(no.get()), c.expected) << c.name;
  }
}

TEST_F(CommandLineRelationTest, IsNoableRejectsNoFormWithNBeyondTheStop) {
  // The configured line ends at "address"; the "no" form goes on through a
  // node with "n": it names more than the configured line holds.
  addr->letters = kLetterN;
  CommandPtr configured = build({{ip, "ip"}, {address, "address"}, {addressEnd, kEndKey}});
  EXPECT_FALSE(configured->isNoable(ipAddress("1.1.1.1", "255.0.0.0", false, true).get()));
  addr->letters = 0;
  EXPECT_TRUE(configured->isNoable(ipAddress("1.1.1.1", "255.0.0.0", false, true).get()));
}

// ---- isConflictWith ----

TEST_F(CommandLineRelationTest, IsConflictWithAtCfPosition) {
  hop->letters = kLetterCf;
  CommandPtr route1 = ipRoute("10.0.0.0", "255.0.0.0", "1.1.1.1");
  ASSERT_NE(route1->getFlags() & FLAG_CONFLICT, 0u);
  EXPECT_TRUE(route1->isConflictWith(ipRoute("10.0.0.0", "255.0.0.0", "2.2.2.2").get()));
  EXPECT_FALSE(route1->isConflictWith(ipRoute("10.0.0.0", "255.0.0.0", "1.1.1.1").get()));
  EXPECT_FALSE(route1->isConflictWith(ipAddress("1.1.1.1", "255.0.0.0").get()))
      << "paths part before the cf node";
  EXPECT_FALSE(route1->isConflictWith(build({{ip, "ip"}, {route, "route"}}).get()))
      << "other's path runs out first";
  EXPECT_FALSE(route1->isConflictWith(nullptr));
  hop->letters = 0;
  CommandPtr plain = ipRoute("10.0.0.0", "255.0.0.0", "1.1.1.1");
  hop->letters = kLetterCf;
  EXPECT_FALSE(plain->isConflictWith(ipRoute("10.0.0.0", "255.0.0.0", "2.2.2.2").get()))
      << "needs FLAG_CONFLICT on this command";
}

// ---- mergeCommand ----

// switchport trunk-vlans(k) <vlan>(m) <cr>, where "<vlan>" may also be
// followed by the option group "tagged"(ob).
class CommandLineMergeTest : public ::testing::Test {
 protected:
  CommandLineMergeTest() {
    vlans = makeNode(nullptr, "trunk-vlans", kLetterK);
    vlan = makeNode(vlans, "<vlan>", kLetterM);
    end = makeEnd(vlan);
  }
  CommandPtr vlanCmd(std::vector<std::string> ids, bool isNo = false) {
    std::vector<Step> steps = {{vlans, "trunk-vlans"}};
    for (const std::string& id : ids) steps.push_back({vlan, id});
    steps.push_back({end, kEndKey});
    return build(steps, isNo);
  }

  ParserTreeNode *vlans, *vlan, *end;
};

TEST_F(CommandLineMergeTest, PositiveFormGathersValues) {
  CommandPtr base = vlanCmd({"10"});
  ASSERT_EQ(base->getFlag(), MultiValueCommand);
  EXPECT_TRUE(base->mergeCommand(vlanCmd({"30", "20"}).get()));
  EXPECT_EQ(pathWords(*base), (Words{{"trunk-vlans"}, {"10", "20", "30"}, {"\n"}}));
  EXPECT_EQ(base->getOriginalCmd(), "trunk-vlans 10 20 30 \n");
}

TEST_F(CommandLineMergeTest, NoFormRemovesValues) {
  struct Case {
    std::vector<std::string> base, removed;
    bool keeps;
    Words words;
  };
  const Case cases[] = {
      {{"10", "20"}, {"10"}, true, {{"trunk-vlans"}, {"20"}, {"\n"}}},
      {{"10", "20"}, {"30"}, true, {{"trunk-vlans"}, {"10", "20"}, {"\n"}}},
      {{"10"}, {"10"}, false, {}},
      {{"10", "20"}, {"20", "10"}, false, {}},
  };
  for (const Case& c : cases) {
    CommandPtr base = vlanCmd(c.base);
    const bool result = base->mergeCommand(vlanCmd(c.removed, true).get());
    EXPECT_EQ(result, c.keeps) << ::testing::PrintToString(c.removed);
    if (c.keeps) {
      EXPECT_EQ(pathWords(*base), c.words) << ::testing::PrintToString(c.removed);
    }
  }
}

TEST_F(CommandLineMergeTest, OnlyMultiValueCommandsMerge) {
  CommandPtr base = vlanCmd({"10"});
  CommandPtr other = vlanCmd({"20"});
  other->setFlag(AppendCommand);
  EXPECT_TRUE(base->mergeCommand(other.get()));
  base->setFlag(OverwriteCommand);
  other->setFlag(MultiValueCommand);
  EXPECT_TRUE(base->mergeCommand(other.get()));
  EXPECT_EQ(pathWords(*base)[1], (std::set<std::string>{"10"}));
  EXPECT_TRUE(base->mergeCommand(nullptr));
}

TEST_F(CommandLineMergeTest, KeyPositionsAreNotGathered) {
  vlans->letters = kLetterK | kLetterM;
  CommandPtr base = vlanCmd({"10"});
  CommandPtr other = build({{vlans, "other"}, {vlan, "20"}, {end, kEndKey}});
  EXPECT_TRUE(base->mergeCommand(other.get()));
  EXPECT_EQ(pathWords(*base), (Words{{"trunk-vlans"}, {"10", "20"}, {"\n"}}));
}

TEST_F(CommandLineMergeTest, NoFormEndingBeforeAnOptionGroupRemovesCommand) {
  makeNode(vlan, "tagged", kLetterOb);
  CommandPtr base = vlanCmd({"10", "20"});
  EXPECT_FALSE(base->mergeCommand(vlanCmd({"10"}, true).get()));
}

// police-rate(k/m) <rate> with the option group burst(ob/m) <n> and
// action(ob/o) <word>.
class CommandLineNestedMergeTest : public ::testing::Test {
 protected:
  CommandLineNestedMergeTest() {
    police = makeNode(nullptr, "police-rate", kLetterK | kLetterM);
    rate = makeNode(police, "<rate>");
    rateEnd = makeEnd(rate);
    burst = makeNode(rate, "burst", kLetterOb | kLetterM);
    burstValue = makeNode(burst, "<n>", kLetterM);
    burstEnd = makeEnd(burstValue);
    action = makeNode(rate, "action", kLetterOb | kLetterO);
    actionValue = makeNode(action, "<word>");
    actionEnd = makeEnd(actionValue);
  }
  CommandPtr withBurst(const std::string& value, bool isNo = false) {
    return build({{police, "police-rate"},
                  {rate, "100"},
                  {burst, "burst"},
                  {burstValue, value},
                  {burstEnd, kEndKey}},
                 isNo);
  }
  CommandPtr withAction(const std::string& value, bool isNo = false) {
    return build({{police, "police-rate"},
                  {rate, "100"},
                  {action, "action"},
                  {actionValue, value},
                  {actionEnd, kEndKey}},
                 isNo);
  }

  ParserTreeNode *police, *rate, *rateEnd, *burst, *burstValue, *burstEnd, *action, *actionValue,
      *actionEnd;
};

TEST_F(CommandLineNestedMergeTest, MultiValueNestedCommandsMergeRecursively) {
  CommandPtr base = withBurst("5");
  ASSERT_EQ(base->getFlag(), MultiValueCommand);
  EXPECT_TRUE(base->mergeCommand(withBurst("6").get()));
  ASSERT_EQ(base->getNestedCommands().size(), 1u);
  EXPECT_EQ(pathWords(*nestedAt(*base, burst)), (Words{{"burst"}, {"5", "6"}, {"\n"}}));
  EXPECT_EQ(base->getOriginalCmd(), "police-rate 100 burst 5 6 \n");
}

TEST_F(CommandLineNestedMergeTest, OtherNestedCommandsAreAssignedOver) {
  CommandPtr base = withAction("drop");
  CiscoCommandLine* nested = nestedAt(*base, action);
  EXPECT_TRUE(base->mergeCommand(withAction("transmit").get()));
  EXPECT_EQ(nestedAt(*base, action), nested);
  EXPECT_EQ(pathWords(*nested), (Words{{"action"}, {"transmit"}, {"\n"}}));
  EXPECT_EQ(base->getOriginalCmd(), "police-rate 100 action transmit \n");
}

TEST_F(CommandLineNestedMergeTest, MissingNestedCommandIsCopiedIn) {
  CommandPtr base = withBurst("5");
  CommandPtr other = withAction("drop");
  EXPECT_TRUE(base->mergeCommand(other.get()));
  CiscoCommandLine* added = nestedAt(*base, action);
  ASSERT_NE(added, nullptr);
  EXPECT_NE(added, nestedAt(*other, action));
  EXPECT_EQ(added->getParentCommand(), base.get());
  EXPECT_EQ(base->getNestedCommands().size(), 2u);
  // The first nested command ends in "\n"; the text is cut there before
  // the next one is appended.
  const bool burstFirst = burst < action;
  EXPECT_EQ(base->getOriginalCmd(), burstFirst ? "police-rate 100 burst 5  action drop \n"
                                               : "police-rate 100 action drop  burst 5 \n");
}

TEST_F(CommandLineNestedMergeTest, NoFormNestedCommandsAreNotCopiedIn) {
  burst->letters |= kLetterN;
  CommandPtr base = withAction("drop");
  EXPECT_TRUE(base->mergeCommand(withBurst("5", true).get()));
  EXPECT_EQ(nestedAt(*base, burst), nullptr);
  EXPECT_EQ(base->getNestedCommands().size(), 1u);
}

TEST_F(CommandLineNestedMergeTest, NoFormRemovesNestedCommandAtNodeWithN) {
  burst->letters |= kLetterN;
  CommandPtr base = withBurst("5");
  EXPECT_TRUE(base->mergeCommand(withBurst("5", true).get()));
  EXPECT_TRUE(base->getNestedCommands().empty());
  EXPECT_EQ(base->getOriginalCmd(), "police-rate 100\n");
}

TEST_F(CommandLineNestedMergeTest, RemainderMustBeAbleToEnd) {
  burst->letters |= kLetterN;
  for (bool rateMayEnd : {true, false}) {
    if (!rateMayEnd) rate->children.erase(kEndKey);
    CommandPtr base = withBurst("5");
    base->mergeCommand(withAction("drop").get());
    ASSERT_EQ(base->getNestedCommands().size(), 2u);
    EXPECT_EQ(base->mergeCommand(withBurst("5", true).get()), rateMayEnd)
        << "rate may end: " << rateMayEnd;
    EXPECT_EQ(nestedAt(*base, burst), nullptr);
    EXPECT_NE(nestedAt(*base, action), nullptr);
  }
}

TEST_F(CommandLineNestedMergeTest, NoFormOfNestedWithoutNRemovesCommandBeforeOptionGroup) {
  // "burst" lacks "n": the "no" form stops at the rate, which begins an
  // option group.
  CommandPtr base = withBurst("5");
  EXPECT_FALSE(base->mergeCommand(withBurst("5", true).get()));
  EXPECT_NE(nestedAt(*base, burst), nullptr);
}

// ---- setOrderNo against the command order table ----

class CommandLineOrderTest : public ::testing::Test {
 protected:
  static constexpr char kMode[] = "order_test_mode.cfm";

  CommandLineOrderTest() {
    root = makeNode(nullptr, "root");
    root->modeFileName = kMode;
    ip = makeNode(root, "ip", kLetterK);
    route = makeNode(ip, "route", kLetterK);
    routeEnd = makeEnd(route);
    prefix = makeNode(route, "<prefix>");
    prefixEnd = makeEnd(prefix);
    address = makeNode(ip, "address", kLetterK);
    addressEnd = makeEnd(address);
    // The default entry may hold the real templates: set them aside.
    auto& table = ParserResources::instance().cmdOrderTable();
    auto found = table.find("configuration_mod.cfm");
    if (found != table.end()) {
      hadDefault_ = true;
      std::swap(savedDefault_, found->second);
    }
  }
  ~CommandLineOrderTest() override {
    auto& table = ParserResources::instance().cmdOrderTable();
    for (const char* name : {kMode, "configuration_mod.cfm"}) {
      auto found = table.find(name);
      if (found == table.end()) continue;
      for (CiscoCommandLine* templ : found->second) deleteCiscoCommandLine(templ);
      table.erase(found);
    }
    if (hadDefault_) table["configuration_mod.cfm"] = std::move(savedDefault_);
  }

  void addTemplate(const std::string& mode, const std::vector<Step>& steps, int orderNo) {
    auto* templ = build(steps).release();
    templ->setOrderNo(orderNo);
    ParserResources::instance().cmdOrderTable()[mode].push_back(templ);
  }
  int orderOf(const std::vector<Step>& steps, ParserTreeNode* mode) {
    CommandPtr command = build(steps);
    command->setOrderNo(-1);
    command->setOrderNo(mode);
    return command->getOrderNo();
  }

  ParserTreeNode *root, *ip, *route, *routeEnd, *prefix, *prefixEnd, *address, *addressEnd;
  bool hadDefault_ = false;
  std::vector<CiscoCommandLine*> savedDefault_;
};

TEST_F(CommandLineOrderTest, FirstFittingTemplateGivesTheNumber) {
  addTemplate(kMode, {{ip, "ip"}, {address, "address"}, {addressEnd, kEndKey}}, 4);
  addTemplate(kMode, {{ip, "ip"}, {route, "route"}, {prefix, "0.0.0.0"}}, 7);
  addTemplate(kMode, {{ip, "ip"}, {route, "route"}, {routeEnd, kEndKey}}, 8);
  addTemplate(kMode, {{ip, "ip"}}, 9);
  struct Case {
    const char* name;
    std::vector<Step> steps;
    int expected;
  };
  const Case cases[] = {
      {"same path", {{ip, "ip"}, {address, "address"}, {addressEnd, kEndKey}}, 4},
      {"template used up, words not compared",
       {{ip, "ip"}, {route, "route"}, {prefix, "10.0.0.0"}, {prefixEnd, kEndKey}},
       7},
      {"template may end where the paths part", {{ip, "ip"}, {address, "address"}, {ip, "x"}}, 4},
      {"command used up where a template may end", {{ip, "ip"}, {route, "route"}}, 8},
      {"only the shortest template fits", {{ip, "ip"}, {prefix, "1.0.0.0"}}, 9},
  };
  for (const Case& c : cases) EXPECT_EQ(orderOf(c.steps, root), c.expected) << c.name;
}

TEST_F(CommandLineOrderTest, NoFittingTemplateOrEntryLeavesNumber) {
  addTemplate(kMode, {{ip, "ip"}, {route, "route"}, {prefix, "0.0.0.0"}}, 7);
  const std::vector<Step> address1 = {{ip, "ip"}, {address, "address"}, {addressEnd, kEndKey}};
  EXPECT_EQ(orderOf(address1, root), -1) << "no template fits";

  ParserTreeNode* otherMode = makeNode(nullptr, "root");
  otherMode->modeFileName = "no_such_mode.cfm";
  EXPECT_EQ(orderOf(address1, otherMode), -1) << "no entry for the mode file";
  EXPECT_EQ(orderOf(address1, nullptr), -1) << "no node";

  CiscoCommandLine empty;
  empty.setOrderNo(-1);
  empty.setOrderNo(root);
  EXPECT_EQ(empty.getOrderNo(), -1) << "empty path";
}

TEST_F(CommandLineOrderTest, NodeWithoutModeFileUsesConfigurationMode) {
  addTemplate("configuration_mod.cfm", {{ip, "ip"}, {address, "address"}}, 3);
  ParserTreeNode* top = makeNode(nullptr, "root");
  EXPECT_EQ(orderOf({{ip, "ip"}, {address, "address"}, {addressEnd, kEndKey}}, top), 3);
  EXPECT_EQ(orderOf({{ip, "ip"}, {address, "address"}, {addressEnd, kEndKey}}, root), -1);
}

}  // namespace
}  // namespace vexaparser::testing
