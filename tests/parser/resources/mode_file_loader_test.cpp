// The mode-file format: every construct loaded into tree shape, compared as
// whole tree dumps (format in tree_dump.h), and the dump's own marks and
// bounds; what a dump does not show is asserted on the nodes.  Option groups
// (every option end offers the other members) are exercised through the
// terminal in tests/parser/cli/vty_test.cpp.  A missing mode file and the
// line that named it: parser_resources_test.cpp.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "resource_test_support.h"
#include "vexa/host/vexa_file_system.h"

namespace vexaparser::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using ModeFileTest = ResourceTest;

// "a line without bars" and blank lines add nothing; "<CR>" lowered is the
// end word; "word|help" has empty help; a leading empty field is dropped.
const char kWordsDump[] =
    "(root)\n"
    "  &interfacefile.cfm  \"interface names\"\n"
    "  <1-4294967295>  \"a number\"  /k\n"
    "  a.b.c.d  \"an address\"\n"
    "  hostname  \"\"\n"
    "  interface  \"select an interface\"  /k/o\n"
    "    <cr>  \"end here\"  <end>\n"
    "  leading  \"bar\"\n"
    "  plain  \"\"\n";

// clang-format off
TEST_F(ModeFileTest, LoadedShapes) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      // An extra "!" while only the root is open is ignored.
      {"closing.cfm", "(root)\n  hostname  \"set the name\"  /k\n"
                      "  ip  \"global ip configuration\"  /k\n    address  \"set an address\"\n"
                      "    route  \"set a route\"\n  logging  \"log things\"\n"},
      {"words.cfm", kWordsDump},
      {"words_crlf.cfm", kWordsDump},
      // "[vrf" opens an optional child; "[all]" makes the open node answer to
      // "all" too (letters added, argument replaced); "bad]" is dropped with
      // everything below it.
      {"optional.cfm", "(root)\n  after  \"after the rejected line\"\n"
                       "  ip  \"ip commands\"  /k/o  arg=\"argtext\"\n    <cr>  \" \"  <end>\n"
                       "    [opt] all  \"all of them\"  /k/o  arg=\"argtext\"  ^(root)  (loop)\n"
                       "    [opt] vrf  \"optional vrf\"\n      <word>  \"vrf name\"\n"},
      // A repeated prefix re-opens the child: its tail applies (the sub-mode is
      // grafted), its help, letters and argument do not.
      {"repeat.cfm", "(root)\n  ip  \"first help\"  /k  @\"(ip)#\" ipsub.cfm\n"
                     "    address  \"set address\"\n    route  \"set route\"\n"
                     "    sub-one  \"first sub-mode command\"  ^(root)\n"},
      // Complex blocks: lines after the block are its children, a later line
      // naming one of its keys re-opens it, "ob" joins the option group, a
      // block running to the end of the file keeps what it read.
      {"complex.cfm", "(root)\n  complex_node_# = {fastethernet|gigabitethernet}  /k\n"
                      "    <cr>  \" \"  <end>\n    <0-9>  \"port\"\n"
                      "  complex_node_# = {one|two}\n  {ob} complex_node_# = {alpha|beta}  /ob\n"},
      // The loop end re-adds the complex node under its first key; its other
      // key below x re-opens it.
      {"complex_loop.cfm", "(root)\n  complex_node_# = {alpha|beta}  /lb\n    x  \"x\"  /le\n"
                           "      alpha = {alpha|beta}  /lb  ^(root)  (loop)\n"},
      // The conflict list comes from the argument only with "cf".
      {"conflict.cfm", "(root)\n  keep  \"no conflict letter\"  arg=\"a,b\"\n"
                       "  shutdown  \"shut\"  /cf  arg=\"a, b,c,, \"  cf={a,b,c}\n"},
      // A sub-mode that names its own file ends.
      {"selfref.cfm", "(root)\n  a  \"a\"\n    <cr>  \" \"  <end>  @\"(a)#\" selfref.cfm\n"
                      "      a  \"a\"  ^(root)\n"
                      "        <cr>  \" \"  <end>  @\"(a)#\" selfref.cfm\n"
                      "          a  \"a\"  ^(root)  (loop)\n      b  \"b\"  ^(root)\n  b  \"b\"\n"},
      // A prompt without a file opens no sub-mode.
      {"prompt_no_file.cfm", "(root)\n  a  \"a\"\n"},
      // A loop end adds its loop begin below it (the first parent stays), "lb/le" on
      // one node repeats it, nested loops pair up; each loop is written once, marked.
      {"loop.cfm", "(root)\n  neighbor  \"n\"  /k\n    <a.b.c.d>  \"address\"  /lb\n"
                   "      remote-as  \"ras\"\n        <1-65535>  \"as number\"  /le\n"
                   "          <cr>  \" \"  <end>\n"
                   "          <a.b.c.d>  \"address\"  /lb  ^neighbor  (loop)\n"
                   "  outer  \"o\"  /lb\n    inner  \"i\"  /lb\n      x  \"x\"  /le\n"
                   "        inner  \"i\"  /lb  ^outer  (loop)\n        y  \"y\"  /le\n"
                   "          outer  \"o\"  /lb  ^(root)  (loop)\n  vlan  \"v\"\n"
                   "    <1-4094>  \"vlan id\"  /lb/le\n      <cr>  \" \"  <end>\n"
                   "      <1-4094>  \"vlan id\"  /lb/le  ^vlan  (loop)\n"},
  };
  const std::regex number("complex_node_-?[0-9]+");
  for (const auto& [file, expected] : cases) {
    useDataSet("format");
    const ParserTree tree = load(file);
    ASSERT_NE(tree.root, nullptr) << file;
    EXPECT_EQ(std::regex_replace(dump(tree), number, "complex_node_#"), expected) << file;
    EXPECT_TRUE(tree.root->modeMark) << file;
    EXPECT_EQ(tree.root->parent, nullptr) << file;
    EXPECT_TRUE(tree.buildStack.empty()) << file;
  }
}
// clang-format on

TEST_F(ModeFileTest, DumpBoundsAndOptions) {
  const ParserTree tree = load("loop.cfm");
  TreeDumpOptions shallow;
  shallow.maxDepth = 1;
  shallow.showHelp = false;
  EXPECT_EQ(dumpParserTree(tree.root, shallow), "(root)\n  neighbor  /k\n  outer  /lb\n  vlan\n");
  TreeDumpOptions few;
  few.maxLines = 3;
  EXPECT_EQ(dumpParserTree(tree.root, few),
            "(root)\n  neighbor  \"n\"  /k\n    <a.b.c.d>  \"address\"  /lb\n...\n");
}

TEST_F(ModeFileTest, FieldsTheDumpDoesNotShow) {
  const ParserTree words = load("words.cfm");
  // "k||" leaves the one-blank placeholder as the argument.
  EXPECT_EQ(child(words.root, "<1-4294967295>")->argument, " ");

  const ParserTree opt = load("optional.cfm");
  const Node* ip = child(opt.root, "ip");
  EXPECT_THAT(keysOf(ip->keySet), ElementsAre("all", "ip"));
  EXPECT_EQ(ip->keySet.at("all"), "all of them");

  const ParserTree repeat = load("repeat.cfm");
  ip = child(repeat.root, "ip");
  EXPECT_EQ(ip->argument, " ");
  ASSERT_EQ(repeat.subModeFiles.count("ipsub.cfm"), 1u);
  EXPECT_EQ(child(repeat.subModeFiles.at("ipsub.cfm"), "sub-one"), child(ip, "sub-one"));

  const ParserTree selfref = load("selfref.cfm");
  EXPECT_NE(selfref.subModeFiles.at("selfref.cfm"), selfref.root)
      << "the sub-mode is its own copy of the file";
}

TEST_F(ModeFileTest, EveryLetterCodeSetsABitOfItsOwn) {
  // letters.cfm has a line "code_<c>" for each of the twenty codes.
  const ParserTree tree = load("letters.cfm");
  uint32_t seen = 0;
  int codes = 0;
  for (const auto* group : {&tree.root->children, &tree.root->optionChildren}) {
    for (const auto& [key, node] : *group) {
      if (key.rfind("code_", 0) != 0) continue;
      ++codes;
      EXPECT_EQ(node->letters, letterBit(key.substr(5))) << key;
      EXPECT_EQ(formatLetters(node->letters), key.substr(5)) << key;
      EXPECT_EQ(seen & node->letters, 0u) << key << " shares a bit";
      seen |= node->letters;
    }
  }
  EXPECT_EQ(codes, 20);
  EXPECT_EQ(seen, 0x1FFEFFu);
  EXPECT_EQ(child(tree.root, "mixed")->letters, kLetterK | kLetterO | kLetterM);

  EXPECT_EQ(parseLetters(" "), 0u);
  EXPECT_EQ(parseLetters("k/o//ob/"), kLetterK | kLetterO | kLetterOb);
  EXPECT_EQ(parseLetters("K"), 0u) << "codes are matched as lowered by the loader";
  EXPECT_EQ(parseLetters("zz/k"), kLetterK) << "unknown codes are skipped";
  EXPECT_EQ(formatLetters(0x100), "") << "bit 0x100 has no code";
}

TEST_F(ModeFileTest, ComplexNodesAreNumberedByTheirParentsCounter) {
  const ParserTree tree = load("complex.cfm");
  const Node* root = tree.root;
  std::vector<long> numbers;
  const Node* ports = nullptr;
  for (const auto* group : {&root->children, &root->optionChildren}) {
    for (const auto& [key, node] : *group) {
      numbers.push_back(std::stol(key.substr(13)));
      if (node->keySet.count("fastethernet")) ports = node;
    }
  }
  // Incremented before each use, from a start of its own.
  ASSERT_EQ(numbers.size(), 3u);
  std::sort(numbers.begin(), numbers.end());
  EXPECT_THAT(numbers, ElementsAre(numbers[0], numbers[0] + 1, numbers[0] + 2));
  EXPECT_EQ(root->complexCounter, numbers[2]);
  ASSERT_NE(ports, nullptr);
  EXPECT_EQ(ports->keySet.at("gigabitethernet"), "gigabit ethernet");
}

// A shared file gives its top-level children and options (not the optional
// ones) to every node naming it; the text after the name is ignored.
TEST_F(ModeFileTest, SharedFileIsReadOncePerGrammar) {
  const ParserTree tree = load("shared.cfm");
  ASSERT_EQ(grammar_->sharedModeFiles().count("ipcommon.cfm"), 1u);
  const Node* common = grammar_->sharedModeFiles().at("ipcommon.cfm");
  EXPECT_FALSE(common->modeMark);
  for (const char* key : {"ip", "ipv6"}) {
    const Node* user = child(tree.root, key);
    EXPECT_EQ(user->children, common->children) << key;
    EXPECT_EQ(user->optionChildren, common->optionChildren) << key;
    EXPECT_THAT(user->optionalChildren, IsEmpty()) << key;
  }
  EXPECT_THAT(keysOf(common->optionChildren), ElementsAre("mtu"));
  EXPECT_EQ(child(common, "address")->parent, common);
  // Another tree naming the file reuses the nodes without reading it.
  std::size_t nodesBefore = grammar_->nodeCount();
  const ParserTree again = load("shared_again.cfm");
  EXPECT_EQ(grammar_->nodeCount(), nodesBefore + 2) << "root and \"other\" only";
  EXPECT_EQ(child(child(again.root, "other"), "address"), child(common, "address"));
}

// The documented constructor reads the host's resource folder into nodes of
// the tree's own, which its copies keep alive.
TEST_F(ModeFileTest, TreeLoadedOnItsOwnOwnsItsNodes) {
  vexahost::VexaFileSystem::SetSystemResourceFolder(dataFolder("format"));
  ParserTree copy;
  {
    const ParserTree tree("repeat.cfm");
    ASSERT_NE(tree.nodeOwner, nullptr);
    copy = tree;
  }
  EXPECT_EQ(copy.nodeOwner->modePrompt(child(copy.root, "ip")), "(ip)#");
  vexahost::VexaFileSystem::SetSystemResourceFolder("");
}

}  // namespace
}  // namespace vexaparser::testing
