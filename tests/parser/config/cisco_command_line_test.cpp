// CiscoCommandLine: filling a command word by word, its texts, copies and
// the tree it belongs to.  The plain letter rules ("o", "m", mode marks, an
// early "no" form), "wa" values and nested commands opened by an option are
// also walked through the terminal (tests/parser/cli/vty_config_text_test.cpp,
// vty_test.cpp) and the product grammar (tests/parser/grammar/letters_test.cpp).
#include "vexa/parser/cisco_command_line.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "parser/config/command_line_test_support.h"
#include "vexa/parser/command_flag.h"

namespace vexaparser::testing {
namespace {

TEST(CiscoCommandLineTest, LettersGiveFlagsAndFlag) {
  constexpr uint32_t k = kLetterK, n = kLetterN, o = kLetterO, m = kLetterM, a = kLetterA;
  constexpr uint32_t sn = kLetterSn, sb = kLetterSb, ne = kLetterNe;
  constexpr uint32_t S = FLAG_STORED, N = FLAG_NO, I = FLAG_INCOMPLETE;
  constexpr auto A = AppendCommand, O = OverwriteCommand, M = MultiValueCommand;
  struct Case {
    const char* name;
    std::vector<uint32_t> letters;
    bool isNo;
    uint32_t flags;
    CiscoCommandLineFlag flag;
  };
  // clang-format off
  const Case cases[] = {  // one node per word; the last is the end node
      {"plain command is stored", {k, 0, 0}, false, S, A},
      {"sn clears stored", {k, sn, 0}, false, 0, A},
      {"sb after sn stores again", {k | sn, sb, 0}, false, S, A},
      {"n in the middle only: last node decides", {k, n, 0}, true, N | I, A},
      {"nc negates n", {k, 0, n | kLetterNc}, true, N | I, A},
      {"ne ends the no match: complete from there on", {k, ne, 0}, true, N | FLAG_NO_END, A},
      {"ne is ignored by a positive command", {k, ne, 0}, false, S, A},
      {"a wins over o", {k, o | a, 0}, false, S, A},
      {"o wins over m", {k, m | o, 0}, false, S, O},
      {"a later letter replaces an earlier one", {k | o, m, 0}, false, S, M},
  };
  // clang-format on
  for (const Case& c : cases) {
    ParserTreeNode* at = makeNode(nullptr, "root");
    CiscoCommandLine command;
    command.setFlags(FLAG_STORED, false);  // left from before: a "no" form must clear it
    for (std::size_t i = 0; i < c.letters.size(); ++i) {
      const bool last = i + 1 == c.letters.size();
      const std::string word = last ? std::string(kEndKey) : "w" + std::to_string(i);
      at = last ? makeEnd(at, c.letters[i]) : makeNode(at, word, c.letters[i]);
      command.addTreeNodes(at, word, c.isNo);
    }
    EXPECT_EQ(command.getFlags(), c.flags) << c.name;
    EXPECT_EQ(command.getFlag(), c.flag) << c.name;
    EXPECT_EQ(command.getTreeNodeSize(), static_cast<int>(c.letters.size())) << c.name;
  }
}

TEST(CiscoCommandLineTest, WordsOfOneNodeGatherAsASortedSet) {
  ParserTreeNode* root = makeNode(nullptr, "root");
  makeNode(makeNode(root, "vlan", kLetterK), "<id>");
  CommandPtr vlan = parse(root, "vlan 30 10 30");
  EXPECT_EQ(pathWords(*vlan), (Words{{"vlan"}, {"10", "30"}}));
  EXPECT_EQ(vlan->getTreeNodeSize(), 2);
}

TEST(CiscoCommandLineTest, GenCommandStrJoinsWordsOfThePath) {
  // The first element's words are joined without a blank, later words each
  // follow one; a missing line end is added; bytes are kept as they are.
  ParserTreeNode* first = makeNode(nullptr, "a");
  ParserTreeNode* second = makeNode(first, "b");
  CiscoCommandLine command;
  EXPECT_EQ(command.genCommandStr(), "\n");
  feed(command, {{first, "b"}, {first, std::string("a\0", 2)}, {second, "w2"}, {second, "\xff"}});
  EXPECT_EQ(command.genCommandStr(), std::string("a\0b w2 \xff\n", 9));
  EXPECT_EQ(command.getOriginalCmd(), command.genCommandStr());
  feed(command, {{makeEnd(second), kEndKey}});
  EXPECT_EQ(command.genCommandStr(), std::string("a\0b w2 \xff \n", 10));
}

// police <rate> [burst <n> | action <word>]: "burst" and "action" are
// option-group members below the rate node.
class CommandLineNestedTest : public ::testing::Test {
 protected:
  CommandLineNestedTest() {
    police = makeNode(root, "police", kLetterK);
    rate = makeNode(police, "<rate>");
    rateEnd = makeEnd(rate, kLetterN);
    burst = makeNode(rate, "burst", kLetterOb | kLetterM);
    burstValue = makeNode(burst, "<n>");
    burstEnd = makeEnd(burstValue, kLetterN);
    action = makeNode(rate, "action", kLetterOb | kLetterN);
    actionValue = makeNode(action, "<word>");
  }

  ParserTreeNode* root = makeNode(nullptr, "root");
  ParserTreeNode *police, *rate, *rateEnd, *burst, *burstValue, *burstEnd, *action, *actionValue;
};

TEST_F(CommandLineNestedTest, OptionGroupWordOpensNestedCommandThatTakesTheRest) {
  CommandPtr command = parse(root, "police 100 burst 5");
  EXPECT_EQ(pathWords(*command), (Words{{"police"}, {"100"}}));
  CiscoCommandLine* nested = nestedAt(*command, burst);
  ASSERT_NE(nested, nullptr);
  EXPECT_EQ(command->getCurrentNestedCommand(), nested);
  EXPECT_EQ(nested->getParentCommand(), command.get());
  EXPECT_EQ(command->genCommandStr(), "police 100 burst 5 \n");
  // setFlags reaches nested commands only when recursive.
  command->setFlags(FLAG_REMOVED, false);
  EXPECT_EQ(nested->getFlags() & FLAG_REMOVED, 0u);
  command->setFlags(FLAG_NO, true);
  EXPECT_EQ(command->getFlags() & (FLAG_REMOVED | FLAG_NO), FLAG_REMOVED | FLAG_NO);
  EXPECT_NE(nested->getFlags() & FLAG_NO, 0u);
  // An option member not right below the last node is an ordinary word.
  command = build({{police, "police"}, {burst, "burst"}, {burstValue, "5"}});
  EXPECT_TRUE(command->getNestedCommands().empty());
  EXPECT_EQ(pathWords(*command), (Words{{"police"}, {"burst"}, {"5"}}));
}

TEST_F(CommandLineNestedTest, OptionDecidesWhetherTheOwnerIsComplete) {
  struct Case {
    const char* text;
    bool isNo;
    uint32_t burstEnd;
    bool incomplete;
    CiscoCommandLineFlag nestedFlag;
  };
  // clang-format off
  const Case cases[] = {
      {"police 100 burst 5", false, kLetterN, true, MultiValueCommand},  // "burst" lacks "n"
      {"police 100 action drop", false, kLetterN, false, AppendCommand},
      {"police 100 burst 5", true, kLetterN, false, MultiValueCommand},  // the no form's end counts
      {"police 100 burst 5", true, 0, true, MultiValueCommand},
  };
  // clang-format on
  for (const Case& c : cases) {
    burstEnd->letters = c.burstEnd;
    CommandPtr command = parse(root, c.text, c.isNo);
    const CiscoCommandLine* nested = command->getCurrentNestedCommand();
    ASSERT_NE(nested, nullptr) << c.text;
    EXPECT_EQ(nested->getFlag(), c.nestedFlag) << c.text;
    EXPECT_EQ(nested->getFlags() & (FLAG_NO | FLAG_NESTED), (c.isNo ? FLAG_NO : 0u) | FLAG_NESTED);
    EXPECT_EQ((command->getFlags() & FLAG_INCOMPLETE) != 0, c.incomplete)
        << c.text << (c.isNo ? " (no form), end letters " : ", end letters ") << c.burstEnd;
    if (c.isNo) {
      EXPECT_EQ((nested->getFlags() & FLAG_INCOMPLETE) != 0, c.incomplete) << c.text;
    }
  }
}

TEST_F(CommandLineNestedTest, CopyResumesItsNestedCommandAndCutsTheTextAtLineEnd) {
  CommandPtr command = parse(root, "police 100 burst 5");
  CiscoCommandLine copy(*command);  // a copy has no current nested command
  ASSERT_EQ(copy.getCurrentNestedCommand(), nullptr);
  feed(copy, {{burst, "burst"}, {burstValue, "7"}});
  ASSERT_EQ(copy.getNestedCommands().size(), 1u);
  EXPECT_EQ(copy.getCurrentNestedCommand(), nestedAt(copy, burst));
  EXPECT_EQ(pathWords(*nestedAt(copy, burst)), (Words{{"burst"}, {"5", "7"}, {"\n"}}));
  EXPECT_EQ(copy.getTreeNodeSize(), 2);

  CiscoCommandLine ended(*command);
  ended.addTreeNodes(rateEnd, kEndKey, false);  // goes to the copy itself
  EXPECT_EQ(pathWords(ended), (Words{{"police"}, {"100"}, {"\n"}}));
  EXPECT_EQ(ended.genCommandStr(), "police 100  burst 5 \n");
  EXPECT_EQ(ended.getOriginalCmd(), "police 100  burst 5 \n");
}

TEST_F(CommandLineNestedTest, ClearVisitedOptionForgetsTheMatch) {
  CommandPtr command = parse(root, "police 100 burst 5");
  CiscoCommandLine parent;
  command->setParentCommand(&parent, false);
  command->setOrderNo(12);
  command->setLineNo(4);
  command->clearVisitedOption();  // flags and path: see the terminal's failed lines
  EXPECT_EQ(command->getOrderNo(), 0);
  EXPECT_EQ(command->getParentCommand(), nullptr);
  EXPECT_TRUE(command->getNestedCommands().empty());
  EXPECT_EQ(command->getLineNo(), 4);
  // Matching again starts from scratch on the command itself.
  feed(*command, {{police, "police"}, {rate, "200"}, {rateEnd, kEndKey}});
  EXPECT_EQ(command->genCommandStr(), "police 200 \n");
}

// police 100 burst 5, line 3, level 1, under an owner, with a child.
class CommandLineCopyTest : public CommandLineNestedTest {
 protected:
  CommandLineCopyTest() {
    source->setLevel(1);
    source->setLineNo(3);
    source->setParentCommand(&owner, false);
    child->setParentCommand(source, true);
  }
  ~CommandLineCopyTest() override { delete source; }

  CiscoCommandLine owner;
  CiscoCommandLine* source = parse(root, "police 100 burst 5").release();
  CiscoCommandLine* child = new CiscoCommandLine();
};

TEST_F(CommandLineCopyTest, CopyConstructorMakesDetachedDeepCopy) {
  auto* copy = new CiscoCommandLine(*source);
  EXPECT_EQ(copy->getLineNo(), 0);
  EXPECT_EQ(copy->getParentCommand(), nullptr);
  EXPECT_EQ(copy->getLevel(), 1);
  EXPECT_EQ(copy->getNodePath(), source->getNodePath());
  ASSERT_EQ(copy->getChildCommands().size(), 1u);
  CiscoCommandLine* copiedChild = copy->getChildCommands()[0];
  EXPECT_NE(copiedChild, child);
  EXPECT_EQ(copiedChild->getParentCommand(), nullptr);
  EXPECT_EQ(copy->getCurrentNestedCommand(), nullptr);
  CiscoCommandLine* copiedNested = nestedAt(*copy, burst);
  ASSERT_NE(copiedNested, nullptr);
  EXPECT_NE(copiedNested, nestedAt(*source, burst));
  EXPECT_EQ(copiedNested->getParentCommand(), copy);

  delete copy;  // the copy lives on its own
  EXPECT_EQ(source->getChildCommands()[0], child);
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
  EXPECT_EQ(target.getChildCommands(), (std::vector<CiscoCommandLine*>{targetChild}));
  EXPECT_EQ(target.getNodePath(), sourceWithAction.getNodePath());
  // Its own "action" stays; "burst" is added as a copy.
  EXPECT_EQ(nestedAt(target, action), targetAction);
  EXPECT_EQ(pathWords(*targetAction), (Words{{"action"}, {"drop"}}));
  CiscoCommandLine* added = nestedAt(target, burst);
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(pathWords(*added), (Words{{"burst"}, {"5", "9"}, {"\n"}}));
  EXPECT_EQ(added->getParentCommand(), &target);
  target.delOnlyChildCmds();
  sourceWithAction.delOnlyChildCmds();
}

TEST(CommandLineTreeTest, ParentLinksAndPreOrderWalk) {
  CiscoCommandLine parent, detached;
  detached.setParentCommand(&parent, false);
  EXPECT_EQ(detached.getParentCommand(), &parent);
  EXPECT_TRUE(parent.getChildCommands().empty());
  // root { a { a1 } b }: pre-order, not level by level.
  auto* root = new CiscoCommandLine();
  CiscoCommandLine *a = new CiscoCommandLine(), *a1 = new CiscoCommandLine();
  CiscoCommandLine* b = new CiscoCommandLine();
  a->setParentCommand(root, true);
  a1->setParentCommand(a, true);
  b->setParentCommand(root, true);
  std::vector<CiscoCommandLine*> all{&parent};
  root->getAllChildCommands(all);
  EXPECT_EQ(all, (std::vector<CiscoCommandLine*>{&parent, a, a1, b}));
  std::vector<CiscoCommandLine*> trees{root, new CiscoCommandLine()};
  releaseCommands(trees);  // the leak checker sees every node freed
  EXPECT_TRUE(trees.empty());
}

TEST(CommandLineTreeTest, MajorCommandsSplitOnCrLfAndFlagTheCmdReadsTheCurrentCommand) {
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"", {}},
      {"a\r\n", {"a"}},
      {"a\nb\rc", {"a\nb\rc"}},
      {"\r\n\r\nx\r\n\r", {"x", "\r"}},
  };
  for (const auto& [joined, expected] : cases) {
    CiscoCommandLine command;
    command.setMajorCommands(joined);
    EXPECT_EQ(command.getMajorCommands(), expected) << joined;
  }
  CiscoCommandLine command;
  command.setCurrentCommand("no ip route <a.b.c.d>");
  command.flagTheCmd();
  EXPECT_EQ(command.getFlag(), NoCommand);
}

}  // namespace
}  // namespace vexaparser::testing
