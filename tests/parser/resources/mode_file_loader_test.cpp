// The mode-file format: every construct loaded into tree shape.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "resource_test_support.h"
#include "vexa/parser/parser_exception.h"

namespace vexaparser::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StartsWith;

using ModeFileTest = ResourceTest;

TEST_F(ModeFileTest, RootIsAModeNodeWithoutParent) {
  ParserTree tree("closing.cfm");
  ASSERT_NE(tree.root, nullptr);
  EXPECT_TRUE(tree.root->modeMark);
  EXPECT_EQ(tree.root->parent, nullptr);
  EXPECT_TRUE(tree.buildStack.empty());
}

TEST_F(ModeFileTest, ClosingLineClosesExactlyOneNode) {
  ParserTree tree("closing.cfm");
  // An extra "!" while only the root is open is ignored: "logging" still
  // lands at the top level.
  EXPECT_THAT(keysOf(tree.root->children), ElementsAre("hostname", "ip", "logging"));
  ParserTreeNode* ip = child(tree.root, "ip");
  ASSERT_NE(ip, nullptr);
  EXPECT_THAT(keysOf(ip->children), ElementsAre("address", "route"));
  EXPECT_EQ(child(ip, "address")->parent, ip);
  EXPECT_EQ(ip->parent, tree.root);
  EXPECT_THAT(keysOf(child(tree.root, "hostname")->children), IsEmpty());
  EXPECT_EQ(tree.root->helpMap.at("ip"), "global ip configuration");
}

TEST_F(ModeFileTest, FieldsAreLoweredAndSplit) {
  for (const char* file : {"words.cfm", "words_crlf.cfm"}) {
    ParserTree tree(file);
    const ParserTreeNode* root = tree.root;
    // "a line without bars" and blank lines add nothing; a leading empty
    // field is dropped so "leading" becomes the word.
    EXPECT_THAT(keysOf(root->children),
                ElementsAre("&interfacefile.cfm", "<1-4294967295>", "a.b.c.d", "hostname",
                            "interface", "leading", "plain"))
        << file;
    ParserTreeNode* interface = child(root, "interface");
    ASSERT_NE(interface, nullptr) << file;
    EXPECT_EQ(root->helpMap.at("interface"), "select an interface") << file;
    EXPECT_THAT(keysOf(interface->keySet), ElementsAre("interface")) << file;
    EXPECT_EQ(interface->keySet.at("interface"), "select an interface") << file;
    EXPECT_EQ(interface->letters, kLetterK | kLetterO) << file;
    // "<CR>" lowered is the end word.
    ParserTreeNode* end = child(interface, kEndKey);
    ASSERT_NE(end, nullptr) << file;
    EXPECT_TRUE(end->endMark) << file;
    EXPECT_EQ(interface->helpMap.at(kEndKey), "end here") << file;
    EXPECT_EQ(end->keySet.at(kEndKey), "end here") << file;
    EXPECT_EQ(end->parent, interface) << file;
    // "word|help": empty help, the rest is a tail.
    EXPECT_EQ(root->helpMap.at("hostname"), "") << file;
    EXPECT_EQ(root->helpMap.at("plain"), "") << file;
    EXPECT_EQ(root->helpMap.at("leading"), "bar") << file;
    EXPECT_EQ(child(root, "<1-4294967295>")->letters, kLetterK) << file;
    EXPECT_FALSE(child(root, "a.b.c.d")->endMark) << file;
    // "k||" leaves the one-blank placeholder as the argument.
    EXPECT_EQ(child(root, "<1-4294967295>")->argument, " ") << file;
  }
}

TEST_F(ModeFileTest, EveryLetterCodeSetsItsBit) {
  const struct {
    const char* code;
    uint32_t bit;
  } cases[] = {
      {"k", kLetterK},   {"o", kLetterO},   {"a", kLetterA},   {"m", kLetterM},   {"mb", kLetterMb},
      {"ma", kLetterMa}, {"lb", kLetterLb}, {"le", kLetterLe}, {"n", kLetterN},   {"sn", kLetterSn},
      {"sb", kLetterSb}, {"ob", kLetterOb}, {"oe", kLetterOe}, {"nc", kLetterNc}, {"cf", kLetterCf},
      {"rp", kLetterRp}, {"ne", kLetterNe}, {"nk", kLetterNk}, {"if", kLetterIf}, {"wa", kLetterWa},
  };
  ParserTree tree("letters.cfm");
  uint32_t seen = 0;
  for (const auto& c : cases) {
    std::string key = std::string("code_") + c.code;
    EXPECT_EQ(letterBit(c.code), c.bit) << c.code;
    const ParserTreeNode* node =
        c.bit == kLetterOb ? option(tree.root, key) : child(tree.root, key);
    ASSERT_NE(node, nullptr) << c.code;
    EXPECT_EQ(node->letters, c.bit) << c.code;
    EXPECT_EQ(node->optionMember, c.bit == kLetterOb) << c.code;
    EXPECT_EQ(seen & c.bit, 0u) << c.code << " shares a bit";
    seen |= c.bit;
  }
  EXPECT_EQ(seen, 0x1FFEFFu);
  EXPECT_EQ(child(tree.root, "mixed")->letters, kLetterK | kLetterO | kLetterM);
  EXPECT_EQ(child(tree.root, "unknown")->letters, 0u);
}

TEST_F(ModeFileTest, LetterFieldHelpers) {
  EXPECT_EQ(parseLetters(""), 0u);
  EXPECT_EQ(parseLetters(" "), 0u);
  EXPECT_EQ(parseLetters("k/o//ob/"), kLetterK | kLetterO | kLetterOb);
  EXPECT_EQ(parseLetters("K"), 0u) << "codes are matched as lowered by the loader";
  EXPECT_EQ(letterBit("x"), 0u);
  EXPECT_EQ(formatLetters(0), "");
  EXPECT_EQ(formatLetters(kLetterWa | kLetterK | kLetterN | kLetterLe), "k/le/n/wa");
  EXPECT_EQ(formatLetters(0x100), "") << "bit 0x100 has no code";
}

TEST_F(ModeFileTest, BracketedKeysGoToTheOptionalGroup) {
  ParserTree tree("optional.cfm");
  ParserTreeNode* ip = child(tree.root, "ip");
  ASSERT_NE(ip, nullptr);
  // "[vrf": a new node in the optional group, with its own children.
  ParserTreeNode* vrf = optional(ip, "vrf");
  ASSERT_NE(vrf, nullptr);
  EXPECT_EQ(vrf->parent, ip);
  EXPECT_EQ(child(ip, "vrf"), nullptr);
  EXPECT_THAT(keysOf(vrf->children), ElementsAre("<word>"));
  EXPECT_EQ(ip->helpMap.at("vrf"), "optional vrf");
  // "[all]": the open node itself answers to "all" too, takes the letters in
  // addition and the argument in place of its own, and is re-opened.
  EXPECT_EQ(optional(ip, "all"), ip);
  EXPECT_THAT(keysOf(ip->keySet), ElementsAre("all", "ip"));
  EXPECT_EQ(ip->keySet.at("all"), "all of them");
  EXPECT_EQ(ip->keySet.at("ip"), "ip commands");
  EXPECT_EQ(ip->helpMap.at("all"), "all of them");
  EXPECT_EQ(ip->letters, kLetterK | kLetterO);
  EXPECT_EQ(ip->argument, "argtext");
  EXPECT_EQ(ip->parent, tree.root);
  EXPECT_NE(child(ip, kEndKey), nullptr) << "lines after [all] are children of the open node";
  // "bad]" is rejected with everything nested below it; the file goes on.
  EXPECT_THAT(keysOf(tree.root->children), ElementsAre("after", "ip"));
}

TEST_F(ModeFileTest, RepeatedPrefixReopensTheChild) {
  ParserTree tree("repeat.cfm");
  ASSERT_EQ(tree.root->children.size(), 1u);
  ParserTreeNode* ip = child(tree.root, "ip");
  ASSERT_NE(ip, nullptr);
  EXPECT_THAT(keysOf(ip->children), ElementsAre("address", "route", "sub-one"));
  // Help, letters and argument of the repeated line are not applied...
  EXPECT_EQ(tree.root->helpMap.at("ip"), "first help");
  EXPECT_EQ(ip->keySet.at("ip"), "first help");
  EXPECT_EQ(ip->letters, kLetterK);
  EXPECT_EQ(ip->argument, " ");
  // ...its tail is: "ip" opens a sub-mode.
  EXPECT_TRUE(ip->modeMark);
  EXPECT_EQ(ip->modeName, "(ip)#");
  EXPECT_EQ(ip->modeFileName, "ipsub.cfm");
  EXPECT_EQ(resources().modePrompt(ip), "(ip)#");
}

TEST_F(ModeFileTest, ComplexBlocksMakeNumberedAlternativeNodes) {
  ParserTree tree("complex.cfm");
  const ParserTreeNode* root = tree.root;
  std::vector<ParserTreeNode*> complexes;
  std::vector<long> numbers;
  for (const auto* group : {&root->children, &root->optionChildren}) {
    for (const auto& [key, node] : *group) {
      ASSERT_THAT(key, StartsWith("complex_node_"));
      EXPECT_TRUE(node->complexMark) << key;
      EXPECT_EQ(root->helpMap.count(key), 0u) << "complex children have no help entry";
      EXPECT_EQ(node->parent, root) << key;
      complexes.push_back(node);
      numbers.push_back(std::strtol(key.c_str() + 13, nullptr, 10));
    }
  }
  ASSERT_EQ(complexes.size(), 3u);
  // The counter belongs to the parent and is incremented before each use.
  std::sort(numbers.begin(), numbers.end());
  EXPECT_EQ(numbers[1], numbers[0] + 1);
  EXPECT_EQ(numbers[2], numbers[0] + 2);
  EXPECT_EQ(root->complexCounter, numbers[2]);

  ParserTreeNode* ports = nullptr;
  ParserTreeNode* alphabet = nullptr;
  ParserTreeNode* open = nullptr;
  for (ParserTreeNode* node : complexes) {
    if (node->keySet.count("fastethernet")) ports = node;
    if (node->keySet.count("alpha")) alphabet = node;
    if (node->keySet.count("one")) open = node;
  }
  ASSERT_TRUE(ports && alphabet && open);
  EXPECT_THAT(keysOf(ports->keySet), ElementsAre("fastethernet", "gigabitethernet"));
  EXPECT_EQ(ports->keySet.at("gigabitethernet"), "gigabit ethernet");
  EXPECT_EQ(ports->letters, kLetterK);
  EXPECT_EQ(ports->argument, "");
  // Lines after the block are its children; a later line naming one of its
  // keys re-opens it without changing its letters.
  EXPECT_THAT(keysOf(ports->children), ElementsAre("\n", "<0-9>"));
  EXPECT_EQ(child(ports, "<0-9>")->parent, ports);
  // With "ob" the complex node joins the option group; the closing "#" line
  // is not an alternative.
  EXPECT_TRUE(alphabet->optionMember);
  EXPECT_THAT(keysOf(alphabet->keySet), ElementsAre("alpha", "beta"));
  // A block that runs to the end of the file keeps what it read.
  EXPECT_THAT(keysOf(open->keySet), ElementsAre("one", "two"));
}

TEST_F(ModeFileTest, ComplexChildReachedThroughALoopIsReopenedByAnyOfItsKeys) {
  ParserTree tree("complex_loop.cfm");
  ASSERT_EQ(tree.root->children.size(), 1u);
  ParserTreeNode* complex = tree.root->children.begin()->second;
  ParserTreeNode* x = child(complex, "x");
  ASSERT_NE(x, nullptr);
  // The loop end re-adds the complex node under its first key; a line naming
  // its other key below x re-opens it instead of making a new node.
  EXPECT_THAT(keysOf(x->children), ElementsAre("alpha"));
  EXPECT_EQ(child(x, "alpha"), complex);
  EXPECT_THAT(keysOf(complex->children), ElementsAre("x"));
}

TEST_F(ModeFileTest, LoopEndAddsTheLoopBeginBelowIt) {
  ParserTree tree("loop.cfm");
  ParserTreeNode* neighbor = child(tree.root, "neighbor");
  ParserTreeNode* address = child(neighbor, "<a.b.c.d>");
  ParserTreeNode* as = child(child(address, "remote-as"), "<1-65535>");
  ASSERT_NE(as, nullptr);
  // After the AS number another address may follow: the loop is typed again.
  EXPECT_EQ(child(as, "<a.b.c.d>"), address);
  EXPECT_EQ(as->helpMap.at("<a.b.c.d>"), "address");
  EXPECT_EQ(address->parent, neighbor) << "a loop keeps the first parent";
  EXPECT_NE(child(as, kEndKey), nullptr);

  // "lb/le" on one node: the word may be repeated.
  ParserTreeNode* vlan = child(child(tree.root, "vlan"), "<1-4094>");
  ASSERT_NE(vlan, nullptr);
  EXPECT_EQ(child(vlan, "<1-4094>"), vlan);
  EXPECT_EQ(vlan->parent, child(tree.root, "vlan"));

  // Nested loops pair up: x ends the inner loop, y (below x) the outer one.
  ParserTreeNode* outer = child(tree.root, "outer");
  ParserTreeNode* inner = child(outer, "inner");
  ParserTreeNode* x = child(inner, "x");
  ASSERT_NE(x, nullptr);
  EXPECT_EQ(child(x, "inner"), inner);
  ParserTreeNode* y = child(x, "y");
  ASSERT_NE(y, nullptr);
  EXPECT_EQ(child(y, "outer"), outer);
  EXPECT_EQ(child(y, "inner"), nullptr);
}

TEST_F(ModeFileTest, OptionGroupMembersFollowEachOtherInAnyOrder) {
  ParserTree tree("options.cfm");
  ParserTreeNode* group = child(child(tree.root, "neighbor"), "<a.b.c.d>");
  ASSERT_NE(group, nullptr);
  EXPECT_THAT(keysOf(group->optionChildren), ElementsAre("description", "remote-as", "weight"));
  EXPECT_THAT(keysOf(group->children), IsEmpty());
  ParserTreeNode* remoteAs = option(group, "remote-as");
  ParserTreeNode* weight = option(group, "weight");
  ParserTreeNode* description = option(group, "description");
  for (ParserTreeNode* member : {remoteAs, weight, description}) {
    EXPECT_TRUE(member->optionMember);
    EXPECT_EQ(member->parent, group);
  }
  // Every option end offers the other members, whichever was written first.
  ParserTreeNode* asEnd = child(remoteAs, "<1-65535>");
  ParserTreeNode* weightEnd = child(weight, "<0-65535>");
  ASSERT_TRUE(asEnd && weightEnd);
  EXPECT_THAT(keysOf(asEnd->optionChildren), ElementsAre("description", "weight"));
  EXPECT_THAT(keysOf(weightEnd->optionChildren), ElementsAre("description", "remote-as"));
  EXPECT_THAT(keysOf(description->optionChildren), ElementsAre("remote-as", "weight"));
  EXPECT_EQ(option(asEnd, "weight"), weight);
  EXPECT_EQ(option(weightEnd, "remote-as"), remoteAs);
  EXPECT_EQ(asEnd->helpMap.at("weight"), "w");
  EXPECT_EQ(weightEnd->helpMap.at("remote-as"), "ras");
  // The end node of each option keeps its own children.
  EXPECT_NE(child(asEnd, kEndKey), nullptr);
  EXPECT_NE(child(description, kEndKey), nullptr);
}

TEST_F(ModeFileTest, ConflictListComesFromTheArgumentWithCf) {
  ParserTree tree("conflict.cfm");
  ParserTreeNode* shutdown = child(tree.root, "shutdown");
  ASSERT_NE(shutdown, nullptr);
  EXPECT_EQ(shutdown->argument, "a, b,c,, ");
  EXPECT_THAT(shutdown->conflictList, ElementsAre("a", "b", "c"));
  ParserTreeNode* keep = child(tree.root, "keep");
  EXPECT_EQ(keep->argument, "a,b");
  EXPECT_THAT(keep->conflictList, IsEmpty());
}

TEST_F(ModeFileTest, SharedFileGivesItsTopLevelChildrenOncePerProcess) {
  ParserTree tree("shared.cfm");
  ParserTreeNode* ip = child(tree.root, "ip");
  ParserTreeNode* ipv6 = child(tree.root, "ipv6");
  ASSERT_TRUE(ip && ipv6);
  ASSERT_EQ(resources().sharedModeFiles().count("ipcommon.cfm"), 1u);
  ParserTreeNode* common = resources().sharedModeFiles().at("ipcommon.cfm");
  EXPECT_FALSE(common->modeMark);
  EXPECT_FALSE(ip->modeMark);
  for (ParserTreeNode* node : {ip, ipv6}) {
    EXPECT_EQ(node->children, common->children);
    EXPECT_EQ(node->optionChildren, common->optionChildren);
    EXPECT_EQ(node->helpMap, common->helpMap);
    EXPECT_THAT(node->optionalChildren, IsEmpty()) << "optional children are not shared";
  }
  EXPECT_EQ(child(ip, "address")->parent, common);
  EXPECT_EQ(ip->children.size(), 3u) << "address, route and the complex node";
  EXPECT_NE(option(ip, "mtu"), nullptr);

  // Another tree referring to the file reuses the nodes without reading it.
  std::size_t nodesBefore = resources().nodeCount();
  ParserTree again("shared_again.cfm");
  EXPECT_EQ(resources().nodeCount(), nodesBefore + 2) << "root and \"other\" only";
  EXPECT_EQ(child(child(again.root, "other"), "address"), child(ip, "address"));
}

TEST_F(ModeFileTest, SubModeFileIsGraftedBelowTheNode) {
  ParserTree tree("repeat.cfm");
  ParserTreeNode* ip = child(tree.root, "ip");
  ASSERT_EQ(tree.subModeFiles.count("ipsub.cfm"), 1u);
  ParserTreeNode* subRoot = tree.subModeFiles.at("ipsub.cfm");
  EXPECT_TRUE(subRoot->modeMark);
  ParserTreeNode* subOne = child(ip, "sub-one");
  ASSERT_NE(subOne, nullptr);
  EXPECT_EQ(child(subRoot, "sub-one"), subOne);
  EXPECT_EQ(subOne->parent, subRoot) << "a grafted child keeps its parent";
  EXPECT_EQ(ip->helpMap.at("sub-one"), "first sub-mode command");
}

TEST_F(ModeFileTest, SelfReferringSubModeEnds) {
  ParserTree tree("selfref.cfm");
  ParserTreeNode* end = child(child(tree.root, "a"), kEndKey);
  ASSERT_NE(end, nullptr);
  EXPECT_TRUE(end->modeMark);
  ParserTreeNode* subRoot = tree.subModeFiles.at("selfref.cfm");
  EXPECT_NE(subRoot, tree.root) << "the sub-mode is its own copy of the file";
  EXPECT_THAT(keysOf(subRoot->children), ElementsAre("a", "b"));
  EXPECT_THAT(keysOf(tree.root->children), ElementsAre("a", "b"));
}

TEST_F(ModeFileTest, PromptWithoutFileIsIgnored) {
  ParserTree tree("prompt_no_file.cfm");
  ParserTreeNode* a = child(tree.root, "a");
  ASSERT_NE(a, nullptr);
  EXPECT_FALSE(a->modeMark);
  EXPECT_EQ(resources().modePrompt(a), "");
}

TEST_F(ModeFileTest, MissingFilesRaiseParserExceptionWithTheFullPath) {
  const std::string files = dataFolder("format") + "files/";
  const struct {
    const char* file;
    std::string missing;
  } cases[] = {{"nothing_here.cfm", files + "nothing_here.cfm"},
               {"missing_sub.cfm", files + "not_there.cfm"}};
  for (const auto& c : cases) {
    try {
      ParserTree tree(c.file);
      ADD_FAILURE() << "no exception for " << c.file;
    } catch (const ParserException& e) {
      EXPECT_EQ(e.getMessage(), "error: can't open file: " + c.missing) << c.file;
      EXPECT_STREQ(e.what(), ("error: can't open file: " + c.missing).c_str()) << c.file;
    }
  }
}

}  // namespace
}  // namespace vexaparser::testing
