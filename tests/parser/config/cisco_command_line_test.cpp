// CiscoCommandLine: filling a command word by word, its texts, copies and
// the tree it belongs to.
#include "vexa/parser/cisco_command_line.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "parser/config/command_line_test_support.h"
#include "vexa/parser/command_flag.h"
#include "vexa/parser/parser_resources.h"

namespace vexaparser::testing {
namespace {

using Words = std::vector<std::set<std::string>>;

// ---- flags from the node letters ----

struct FlagCase {
  const char* name;
  // One node per word; the last is the end node, fed "\n".
  std::vector<uint32_t> letters;
  bool isNo;
  uint32_t flags;
  CiscoCommandLineFlag flag;
};

std::ostream& operator<<(std::ostream& out, const FlagCase& c) { return out << c.name; }

class CommandLineFlagTest : public ::testing::TestWithParam<FlagCase> {};

TEST_P(CommandLineFlagTest, LettersGiveFlagsAndFlag) {
  const FlagCase& c = GetParam();
  ParserTreeNode* at = makeNode(nullptr, "root");
  CiscoCommandLine command;
  for (std::size_t i = 0; i < c.letters.size(); ++i) {
    const bool last = i + 1 == c.letters.size();
    const std::string word = last ? std::string(kEndKey) : "w" + std::to_string(i);
    at = last ? makeEnd(at, c.letters[i]) : makeNode(at, word, c.letters[i]);
    command.addTreeNodes(at, word, c.isNo);
  }
  EXPECT_EQ(command.getFlags(), c.flags) << c;
  EXPECT_EQ(command.getFlag(), c.flag) << c;
  EXPECT_EQ(command.getTreeNodeSize(), static_cast<int>(c.letters.size())) << c;
}

constexpr uint32_t k = kLetterK, n = kLetterN;

INSTANTIATE_TEST_SUITE_P(
    CiscoCommandLine, CommandLineFlagTest,
    ::testing::Values(
        FlagCase{"plain command is stored", {k, 0, 0}, false, FLAG_STORED, AppendCommand},
        FlagCase{"sn clears stored", {k, kLetterSn, 0}, false, 0, AppendCommand},
        FlagCase{"sb after sn stores again",
                 {k | kLetterSn, kLetterSb, 0},
                 false,
                 FLAG_STORED,
                 AppendCommand},
        FlagCase{"no form without n at the end is incomplete",
                 {k, 0, 0},
                 true,
                 FLAG_NO | FLAG_INCOMPLETE,
                 AppendCommand},
        FlagCase{"no form with n at the end is complete", {k, 0, n}, true, FLAG_NO, AppendCommand},
        FlagCase{"n at a middle node only: last node decides",
                 {k, n, 0},
                 true,
                 FLAG_NO | FLAG_INCOMPLETE,
                 AppendCommand},
        FlagCase{
            "nc negates n", {k, 0, n | kLetterNc}, true, FLAG_NO | FLAG_INCOMPLETE, AppendCommand},
        FlagCase{"no form through sn is stored",
                 {k, kLetterSn, n},
                 true,
                 FLAG_NO | FLAG_STORED,
                 AppendCommand},
        FlagCase{"no form through sb is stored",
                 {k, kLetterSb, n},
                 true,
                 FLAG_NO | FLAG_STORED,
                 AppendCommand},
        FlagCase{"ne ends the no match: complete from there on",
                 {k, kLetterNe, 0},
                 true,
                 FLAG_NO | FLAG_NO_END,
                 AppendCommand},
        FlagCase{"ne is ignored by a positive command",
                 {k, kLetterNe, 0},
                 false,
                 FLAG_STORED,
                 AppendCommand},
        FlagCase{"cf marks a conflict position",
                 {k, kLetterCf, 0},
                 false,
                 FLAG_STORED | FLAG_CONFLICT,
                 AppendCommand},
        FlagCase{"o gives overwrite", {k | kLetterO, 0, 0}, false, FLAG_STORED, OverwriteCommand},
        FlagCase{"m gives multi-value", {k, kLetterM, 0}, false, FLAG_STORED, MultiValueCommand},
        FlagCase{"a wins over o", {k, kLetterO | kLetterA, 0}, false, FLAG_STORED, AppendCommand},
        FlagCase{
            "o wins over m", {k, kLetterM | kLetterO, 0}, false, FLAG_STORED, OverwriteCommand},
        FlagCase{"a later letter replaces an earlier one",
                 {k | kLetterO, kLetterM, 0},
                 false,
                 FLAG_STORED,
                 MultiValueCommand},
        FlagCase{"a later a turns overwrite into append",
                 {k | kLetterO, kLetterA, 0},
                 false,
                 FLAG_STORED,
                 AppendCommand}));

TEST(CiscoCommandLineTest, ModeMarkedEndNodeSetsModeFlag) {
  ParserTreeNode* interface = makeNode(nullptr, "interface", k);
  ParserTreeNode* name = makeNode(interface, "<name>", k);
  ParserTreeNode* end = makeEnd(name);
  end->modeMark = true;
  CommandPtr command = build({{interface, "interface"}, {name, "fa0/1"}});
  EXPECT_EQ(command->getFlags() & FLAG_MODE, 0u);
  command->addTreeNodes(end, kEndKey, false);
  EXPECT_NE(command->getFlags() & FLAG_MODE, 0u);
}

TEST(CiscoCommandLineTest, NoFormStartsUnstoredWhateverCameBefore) {
  ParserTreeNode* hostname = makeNode(nullptr, "hostname", k);
  CiscoCommandLine command;
  command.setFlags(FLAG_STORED, false);
  command.addTreeNodes(hostname, "hostname", true);
  EXPECT_EQ(command.getFlags() & FLAG_STORED, 0u);
}

TEST(CiscoCommandLineTest, NullNodeIsIgnored) {
  CiscoCommandLine command;
  command.addTreeNodes(nullptr, "x", true);
  EXPECT_EQ(command.getFlags(), 0u);
  EXPECT_EQ(command.getTreeNodeSize(), 0);
}

// ---- words of one node ----

TEST(CiscoCommandLineTest, WaNodeJoinsItsWordsIntoOneValue) {
  ParserTreeNode* description = makeNode(nullptr, "description", k);
  ParserTreeNode* text = makeNode(description, "line", kLetterWa);
  ParserTreeNode* end = makeEnd(text);
  CommandPtr command = build({{description, "description"},
                              {text, "hello"},
                              {text, "big"},
                              {text, "world"},
                              {end, kEndKey}});
  EXPECT_EQ(pathWords(*command), (Words{{"description"}, {"hello big world"}, {"\n"}}));
  EXPECT_EQ(command->getTreeNodeSize(), 3);
  EXPECT_EQ(command->genCommandStr(), "description hello big world \n");
}

TEST(CiscoCommandLineTest, RepeatedNodeWithoutWaGathersWordsInOrder) {
  ParserTreeNode* vlan = makeNode(nullptr, "vlan", k);
  ParserTreeNode* id = makeNode(vlan, "<id>");
  CommandPtr command = build({{vlan, "vlan"}, {id, "30"}, {id, "10"}, {id, "30"}});
  EXPECT_EQ(pathWords(*command), (Words{{"vlan"}, {"10", "30"}}));
  EXPECT_EQ(command->getTreeNodeSize(), 2);
}

// ---- nested commands at option-group nodes ----

// police <rate> [burst <n> | action <word>] ...: "burst" and "action" are
// option-group members below the rate node.
class CommandLineNestedTest : public ::testing::Test {
 protected:
  CommandLineNestedTest() {
    police = makeNode(nullptr, "police", k);
    rate = makeNode(police, "<rate>");
    rateEnd = makeEnd(rate, n);
    burst = makeNode(rate, "burst", kLetterOb | kLetterM);
    burstValue = makeNode(burst, "<n>");
    burstEnd = makeEnd(burstValue, n);
    action = makeNode(rate, "action", kLetterOb | kLetterN);
    actionValue = makeNode(action, "<word>");
  }
  std::vector<Step> withBurst(const std::string& value) const {
    return {{police, "police"},
            {rate, "100"},
            {burst, "burst"},
            {burstValue, value},
            {burstEnd, kEndKey}};
  }

  ParserTreeNode *police, *rate, *rateEnd, *burst, *burstValue, *burstEnd, *action, *actionValue;
};

TEST_F(CommandLineNestedTest, OptionGroupWordOpensNestedCommandThatTakesTheRest) {
  CommandPtr command = build(withBurst("5"));
  EXPECT_EQ(pathNodes(*command), (std::vector<const ParserTreeNode*>{police, rate}));
  ASSERT_EQ(command->getNestedCommands().size(), 1u);
  CiscoCommandLine* nested = nestedAt(*command, burst);
  ASSERT_NE(nested, nullptr);
  EXPECT_EQ(command->getCurrentNestedCommand(), nested);
  EXPECT_EQ(pathWords(*nested), (Words{{"burst"}, {"5"}, {"\n"}}));
  EXPECT_EQ(nested->getParentCommand(), command.get());
  EXPECT_EQ(nested->getFlags(), FLAG_NESTED);
  EXPECT_EQ(nested->getFlag(), MultiValueCommand);
  // "burst" lacks "n": the owner cannot end where the option begins.
  EXPECT_NE(command->getFlags() & FLAG_INCOMPLETE, 0u);
  EXPECT_EQ(command->genCommandStr(), "police 100 burst 5 \n");
}

TEST_F(CommandLineNestedTest, OptionWithNEndsOwnerCompletely) {
  CommandPtr command = build({{police, "police"}, {rate, "100"}, {action, "action"}});
  CiscoCommandLine* nested = nestedAt(*command, action);
  ASSERT_NE(nested, nullptr);
  EXPECT_EQ(nested->getFlag(), AppendCommand);
  EXPECT_EQ(command->getFlags() & FLAG_INCOMPLETE, 0u);
}

TEST_F(CommandLineNestedTest, NoFormPassesCompletionToOwner) {
  struct Case {
    uint32_t endLetters;
    bool incomplete;
  };
  for (const Case& c : {Case{n, false}, Case{0, true}}) {
    burstEnd->letters = c.endLetters;
    CommandPtr command = build(withBurst("5"), true);
    CiscoCommandLine* nested = nestedAt(*command, burst);
    ASSERT_NE(nested, nullptr);
    EXPECT_EQ(nested->getFlags() & (FLAG_NO | FLAG_NESTED), FLAG_NO | FLAG_NESTED);
    EXPECT_EQ((command->getFlags() & FLAG_INCOMPLETE) != 0, c.incomplete)
        << "end letters " << c.endLetters;
    EXPECT_EQ((nested->getFlags() & FLAG_INCOMPLETE) != 0, c.incomplete);
  }
  burstEnd->letters = n;
}

TEST_F(CommandLineNestedTest, NestedCommandIsCreatedOncePerNode) {
  CommandPtr command = build(withBurst("5"));
  CiscoCommandLine copy(*command);  // a copy has no current nested command
  ASSERT_EQ(copy.getCurrentNestedCommand(), nullptr);
  feed(copy, {{burst, "burst"}, {burstValue, "7"}});
  ASSERT_EQ(copy.getNestedCommands().size(), 1u);
  CiscoCommandLine* nested = nestedAt(copy, burst);
  EXPECT_EQ(copy.getCurrentNestedCommand(), nested);
  EXPECT_EQ(pathWords(*nested), (Words{{"burst"}, {"5", "7"}, {"\n"}}));
  EXPECT_EQ(copy.getTreeNodeSize(), 2);
}

TEST_F(CommandLineNestedTest, OptionMemberNotBelowLastNodeIsAnOrdinaryWord) {
  CommandPtr command = build({{police, "police"}, {burst, "burst"}, {burstValue, "5"}});
  EXPECT_TRUE(command->getNestedCommands().empty());
  EXPECT_EQ(pathNodes(*command), (std::vector<const ParserTreeNode*>{police, burst, burstValue}));
}

TEST_F(CommandLineNestedTest, GenCommandStrCutsAtLineEndBeforeNestedCommands) {
  CommandPtr command = build(withBurst("5"));
  CiscoCommandLine copy(*command);
  copy.addTreeNodes(rateEnd, kEndKey, false);  // goes to the copy itself
  EXPECT_EQ(pathWords(copy), (Words{{"police"}, {"100"}, {"\n"}}));
  EXPECT_EQ(copy.genCommandStr(), "police 100  burst 5 \n");
  EXPECT_EQ(copy.getOriginalCmd(), "police 100  burst 5 \n");
}

TEST_F(CommandLineNestedTest, SetFlagsReachesNestedCommandsOnlyWhenRecursive) {
  CommandPtr command = build(withBurst("5"));
  CiscoCommandLine* nested = nestedAt(*command, burst);
  command->setFlags(FLAG_REMOVED, false);
  EXPECT_EQ(nested->getFlags() & FLAG_REMOVED, 0u);
  command->setFlags(FLAG_NO, true);
  EXPECT_NE(command->getFlags() & FLAG_REMOVED, 0u);
  EXPECT_NE(command->getFlags() & FLAG_NO, 0u);
  EXPECT_NE(nested->getFlags() & FLAG_NO, 0u);
}

TEST_F(CommandLineNestedTest, ClearVisitedOptionForgetsTheMatch) {
  CommandPtr command = build(withBurst("5"));
  CiscoCommandLine parent;
  command->setParentCommand(&parent, false);
  command->setOrderNo(12);
  command->setLineNo(4);
  command->setCurrentCommand("police <rate> burst <n>");
  command->clearVisitedOption();
  EXPECT_EQ(command->getFlags(), 0u);
  EXPECT_EQ(command->getOrderNo(), 0);
  EXPECT_EQ(command->getParentCommand(), nullptr);
  EXPECT_EQ(command->getTreeNodeSize(), 0);
  EXPECT_TRUE(command->getNodePath().empty());
  EXPECT_TRUE(command->getNestedCommands().empty());
  EXPECT_EQ(command->getCurrentNestedCommand(), nullptr);
  EXPECT_EQ(command->getLineNo(), 4);
  EXPECT_EQ(command->getCurrentCommand(), "police <rate> burst <n>");
  // Matching again starts from scratch on the command itself.
  feed(*command, {{police, "police"}, {rate, "200"}, {rateEnd, kEndKey}});
  EXPECT_EQ(command->genCommandStr(), "police 200 \n");
}

// ---- genCommandStr ----

struct GenCase {
  const char* name;
  std::vector<std::pair<int, std::string>> words;  // node index (0..2), word
  std::string expected;
};

TEST(CiscoCommandLineTest, GenCommandStrJoinsWordsOfThePath) {
  ParserTreeNode* first = makeNode(nullptr, "a");
  ParserTreeNode* second = makeNode(first, "b");
  ParserTreeNode* end = makeEnd(second);
  ParserTreeNode* nodes[] = {first, second, end};
  const std::vector<GenCase> cases = {
      {"empty path", {}, "\n"},
      {"first element's words joined without blank",
       {{0, "b"}, {0, "a"}, {1, "v"}, {2, "\n"}},
       "ab v \n"},
      {"later element's words each preceded by a blank",
       {{0, "x"}, {1, "w2"}, {1, "w1"}, {2, "\n"}},
       "x w1 w2 \n"},
      {"line end added when missing", {{0, "x"}, {1, "y"}}, "x y\n"},
      {"bytes kept as they are",
       {{0, std::string("a\0b", 3)}, {1, "\xff"}},
       std::string("a\0b \xff\n", 6)},
  };
  for (const GenCase& c : cases) {
    CiscoCommandLine command;
    for (const auto& [index, word] : c.words) command.addTreeNodes(nodes[index], word, false);
    EXPECT_EQ(command.genCommandStr(), c.expected) << c.name;
    EXPECT_EQ(command.getOriginalCmd(), c.expected) << c.name;
  }
}

// ---- copying ----

class CommandLineCopyTest : public CommandLineNestedTest {
 protected:
  // police 100 burst 5, line 3, under a parent, with a child and a grandchild.
  CommandLineCopyTest() {
    source = build(withBurst("5")).release();
    source->setLevel(1);
    source->setLineNo(3);
    source->setMajorCommands("policy-map p\r\nclass c");
    source->setCurrentCommand("police <rate> burst <n>");
    source->setOriginalCmd("police 100 burst 5 \n");
    source->setOriginalStr("  police 100 burst 5");
    source->setOrderNo(9);
    source->setFlags(FLAG_MODE, false);
    source->setParentCommand(&owner, false);
    child = new CiscoCommandLine();
    child->setLineNo(4);
    child->setCurrentCommand("conform-action transmit");
    child->setParentCommand(source, true);
    grandchild = new CiscoCommandLine();
    grandchild->setLineNo(5);
    grandchild->setParentCommand(child, true);
  }
  ~CommandLineCopyTest() override { deleteCommandTree(source); }

  CiscoCommandLine owner;
  CiscoCommandLine* source;
  CiscoCommandLine* child;
  CiscoCommandLine* grandchild;
};

TEST_F(CommandLineCopyTest, CopyConstructorMakesDetachedDeepCopy) {
  auto* copy = new CiscoCommandLine(*source);
  EXPECT_EQ(copy->getLineNo(), 0);
  EXPECT_EQ(copy->getParentCommand(), nullptr);
  EXPECT_EQ(copy->getLevel(), 1);
  EXPECT_EQ(copy->getMajorCommands(), (std::vector<std::string>{"policy-map p", "class c"}));
  EXPECT_EQ(copy->getCurrentCommand(), source->getCurrentCommand());
  EXPECT_EQ(copy->getOriginalCmd(), source->getOriginalCmd());
  EXPECT_EQ(copy->getOriginalStr(), source->getOriginalStr());
  EXPECT_EQ(copy->getFlag(), source->getFlag());
  EXPECT_EQ(copy->getFlags(), source->getFlags());
  EXPECT_EQ(copy->getOrderNo(), 9);
  EXPECT_EQ(copy->getNodePath(), source->getNodePath());
  EXPECT_EQ(copy->getTreeNodeSize(), source->getTreeNodeSize());

  ASSERT_EQ(copy->getChildCommands().size(), 1u);
  CiscoCommandLine* copiedChild = copy->getChildCommands()[0];
  EXPECT_NE(copiedChild, child);
  EXPECT_EQ(copiedChild->getCurrentCommand(), "conform-action transmit");
  EXPECT_EQ(copiedChild->getLineNo(), 0);
  EXPECT_EQ(copiedChild->getParentCommand(), nullptr);
  ASSERT_EQ(copiedChild->getChildCommands().size(), 1u);
  EXPECT_NE(copiedChild->getChildCommands()[0], grandchild);
  EXPECT_EQ(copiedChild->getChildCommands()[0]->getLineNo(), 0);

  EXPECT_NE(source->getCurrentNestedCommand(), nullptr);
  EXPECT_EQ(copy->getCurrentNestedCommand(), nullptr);
  CiscoCommandLine* copiedNested = nestedAt(*copy, burst);
  ASSERT_NE(copiedNested, nullptr);
  EXPECT_NE(copiedNested, nestedAt(*source, burst));
  EXPECT_EQ(copiedNested->getParentCommand(), copy);
  EXPECT_EQ(copiedNested->getNodePath(), nestedAt(*source, burst)->getNodePath());

  // The copy lives on its own.
  deleteCommandTree(copy);
  EXPECT_EQ(source->getChildCommands()[0], child);
  EXPECT_EQ(source->genCommandStr(), "police 100 burst 5 \n");
}

TEST_F(CommandLineCopyTest, AssignmentKeepsPlaceAndAddsMissingNestedCommands) {
  CiscoCommandLine target;
  feed(target, {{police, "police"}, {rate, "100"}, {action, "action"}, {actionValue, "drop"}});
  CiscoCommandLine* targetAction = nestedAt(target, action);
  CiscoCommandLine targetParent;
  target.setParentCommand(&targetParent, false);
  target.setLineNo(7);
  auto* targetChild = new CiscoCommandLine();
  targetChild->setParentCommand(&target, true);

  // The source has both a "burst" and an "action" nested command.
  source->addTreeNodes(burstValue, "9", false);  // still in "burst"
  CiscoCommandLine sourceWithAction(*source);
  feed(sourceWithAction, {{action, "action"}, {actionValue, "pass"}});
  ASSERT_EQ(sourceWithAction.getNestedCommands().size(), 2u);

  target = sourceWithAction;
  EXPECT_EQ(target.getLineNo(), 7);
  EXPECT_EQ(target.getParentCommand(), &targetParent);
  ASSERT_EQ(target.getChildCommands().size(), 1u);
  EXPECT_EQ(target.getChildCommands()[0], targetChild);
  EXPECT_EQ(target.getLevel(), 1);
  EXPECT_EQ(target.getOrderNo(), 9);
  EXPECT_EQ(target.getCurrentCommand(), "police <rate> burst <n>");
  EXPECT_EQ(target.getFlags(), sourceWithAction.getFlags());
  EXPECT_EQ(target.getNodePath(), sourceWithAction.getNodePath());
  // Its own "action" stays; "burst" is added as a copy.
  EXPECT_EQ(nestedAt(target, action), targetAction);
  EXPECT_EQ(pathWords(*targetAction), (Words{{"action"}, {"drop"}}));
  CiscoCommandLine* added = nestedAt(target, burst);
  ASSERT_NE(added, nullptr);
  EXPECT_NE(added, nestedAt(sourceWithAction, burst));
  EXPECT_EQ(pathWords(*added), (Words{{"burst"}, {"5", "9"}, {"\n"}}));
  EXPECT_EQ(added->getParentCommand(), &target);

  target.delOnlyChildCmds();
  sourceWithAction.delOnlyChildCmds();
}

TEST_F(CommandLineCopyTest, SelfAssignmentChangesNothing) {
  CiscoCommandLine& alias = *source;
  *source = alias;
  EXPECT_EQ(source->getLineNo(), 3);
  EXPECT_EQ(source->getNestedCommands().size(), 1u);
  EXPECT_EQ(source->getChildCommands().size(), 1u);
}

// ---- the tree ----

TEST(CommandLineTreeTest, SetParentCommandAddsOnlyWhenAsked) {
  CiscoCommandLine parent;
  CiscoCommandLine detached;
  detached.setParentCommand(&parent, false);
  EXPECT_EQ(detached.getParentCommand(), &parent);
  EXPECT_TRUE(parent.getChildCommands().empty());

  auto* attached = new CiscoCommandLine();
  attached->setParentCommand(&parent, true);
  EXPECT_EQ(parent.getChildCommands(), (std::vector<CiscoCommandLine*>{attached}));
  CiscoCommandLine top;
  top.setParentCommand(nullptr, true);
  EXPECT_EQ(top.getParentCommand(), nullptr);
  parent.delOnlyChildCmds();
  EXPECT_TRUE(parent.getChildCommands().empty());
}

TEST(CommandLineTreeTest, GetAllChildCommandsIsPreOrderAndAppends) {
  // root { a { a1 { a11 } a2 } b }
  auto* root = new CiscoCommandLine();
  auto add = [](CiscoCommandLine* parent) {
    auto* child = new CiscoCommandLine();
    child->setParentCommand(parent, true);
    return child;
  };
  CiscoCommandLine* a = add(root);
  CiscoCommandLine* a1 = add(a);
  CiscoCommandLine* a11 = add(a1);
  CiscoCommandLine* a2 = add(a);
  CiscoCommandLine* b = add(root);
  CiscoCommandLine marker;
  std::vector<CiscoCommandLine*> all{&marker};
  root->getAllChildCommands(all);
  EXPECT_EQ(all, (std::vector<CiscoCommandLine*>{&marker, a, a1, a11, a2, b}));

  std::vector<CiscoCommandLine*> trees{root, new CiscoCommandLine()};
  deleteCommandTree(trees);  // the leak checker sees every node freed
  EXPECT_TRUE(trees.empty());
}

TEST(CommandLineTreeTest, GetMajorCommandsSplitsOnCrLf) {
  struct Case {
    std::string joined;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"", {}},
      {"interface fa0/0", {"interface fa0/0"}},
      {"router bgp 1\r\naddress-family ipv4", {"router bgp 1", "address-family ipv4"}},
      {"a\r\n", {"a"}},
      {"a\nb\rc", {"a\nb\rc"}},
      {"\r\n\r\nx\r\n\r", {"x", "\r"}},
  };
  for (const Case& c : cases) {
    CiscoCommandLine command;
    command.setMajorCommands(c.joined);
    EXPECT_EQ(command.getMajorCommands(), c.expected) << c.joined;
    std::string out = "stale";
    command.getMajorCmdStr(out);
    EXPECT_EQ(out, c.joined);
  }
}

TEST(CiscoCommandLineTest, FlagTheCmdUsesTheOverwriteSet) {
  std::set<std::string> saved;
  std::swap(saved, overwriteCommandKeys());
  overwriteCommandKeys().insert("hostname");
  overwriteCommandKeys().insert("nohostname");
  const std::vector<std::pair<std::string, CiscoCommandLineFlag>> cases = {
      {"hostname <word>", OverwriteCommand},
      {"no hostname <word>", NoOverwriteCommand},
      {"ip route <a.b.c.d>", AppendCommand},
      {"no ip route <a.b.c.d>", NoCommand},
  };
  for (const auto& [text, flag] : cases) {
    CiscoCommandLine command;
    command.setFlag(UnknownCommand);
    command.setCurrentCommand(text);
    command.flagTheCmd();
    EXPECT_EQ(command.getFlag(), flag) << text;
  }
  std::swap(saved, overwriteCommandKeys());
}

TEST(CiscoCommandLineTest, IsExactlyMatchComparesCurrentCommands) {
  CiscoCommandLine a, b;
  a.setCurrentCommand("ip address <a.b.c.d> <a.b.c.d>");
  b.setCurrentCommand("ip address <a.b.c.d> <a.b.c.d>");
  a.setOriginalCmd("ip address 1.1.1.1 255.0.0.0 \n");
  EXPECT_TRUE(a.isExactlyMatch(&b));
  b.setCurrentCommand("ip address <a.b.c.d> <a.b.c.d> secondary");
  EXPECT_FALSE(a.isExactlyMatch(&b));
  EXPECT_FALSE(a.isExactlyMatch(nullptr));
}

}  // namespace
}  // namespace vexaparser::testing
