// The readable dump of syntax trees: shape, marks, and bounds on shared nodes.
#include "vexa/parser/tree_dump.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "resource_test_support.h"
#include "vexa/parser/vexa_parser_util.h"

namespace vexaparser::testing {
namespace {

using ::testing::HasSubstr;

using TreeDumpTest = ResourceTest;

std::size_t lineCount(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST_F(TreeDumpTest, LoopsAreWrittenOnceAndMarked) {
  ParserTree tree("loop.cfm");
  EXPECT_EQ(dumpParserTree(tree.root),
            "(root)\n"
            "  neighbor  \"n\"  /k\n"
            "    <a.b.c.d>  \"address\"  /lb\n"
            "      remote-as  \"ras\"\n"
            "        <1-65535>  \"as number\"  /le\n"
            "          <cr>  \" \"  <end>\n"
            "          <a.b.c.d>  \"address\"  /lb  ^neighbor  (loop)\n"
            "  outer  \"o\"  /lb\n"
            "    inner  \"i\"  /lb\n"
            "      x  \"x\"  /le\n"
            "        inner  \"i\"  /lb  ^outer  (loop)\n"
            "        y  \"y\"  /le\n"
            "          outer  \"o\"  /lb  ^(root)  (loop)\n"
            "  vlan  \"v\"\n"
            "    <1-4094>  \"vlan id\"  /lb/le\n"
            "      <cr>  \" \"  <end>\n"
            "      <1-4094>  \"vlan id\"  /lb/le  ^vlan  (loop)\n");
}

TEST_F(TreeDumpTest, ShowsGroupsComplexKeysArgumentsAndConflicts) {
  ParserTree options("options.cfm");
  std::string text = dumpParserTree(options.root);
  EXPECT_THAT(text, HasSubstr("\n      {ob} description  \"d\"  /ob/oe\n")) << text;
  EXPECT_THAT(text, HasSubstr("{ob} weight  \"w\"  /ob  ^<a.b.c.d>  (see above)\n")) << text;

  ParserTree optional("optional.cfm");
  text = dumpParserTree(optional.root);
  EXPECT_THAT(text, HasSubstr("\n  ip  \"ip commands\"  /k/o  arg=\"argtext\"\n")) << text;
  EXPECT_THAT(
      text, HasSubstr("\n    [opt] all  \"all of them\"  /k/o  arg=\"argtext\"  ^(root)  (loop)\n"))
      << text;
  EXPECT_THAT(text, HasSubstr("\n    [opt] vrf  \"optional vrf\"\n")) << text;

  ParserTree conflict("conflict.cfm");
  EXPECT_THAT(dumpParserTree(conflict.root),
              HasSubstr("shutdown  \"shut\"  /cf  arg=\"a, b,c,, \"  cf={a,b,c}\n"));

  ParserTree complex("complex.cfm");
  EXPECT_THAT(dumpParserTree(complex.root), HasSubstr(" = {fastethernet|gigabitethernet}  /k\n"));
}

TEST_F(TreeDumpTest, ShowsPromptsAndSubModes) {
  useDataSet("full");
  VexaParserUtil::createParserResource();
  const ParserTree* config = resources().modeTree(CONFIGURATION_MODE);
  ASSERT_NE(config, nullptr);
  std::string text = dumpParserTree(config->root);
  EXPECT_THAT(text, HasSubstr("(root)  @\"(config)#\"\n"));
  EXPECT_THAT(text,
              HasSubstr("<cr>  \" \"  <end>  @\"(config-if)#\" if.cfm\n"
                        "        shutdown  \"shutdown the selected interface\"  /n  ^(root)\n"));
  EXPECT_THAT(text, HasSubstr("      shutdown  \"shutdown the selected interface\"  /n  ^(root)  "
                              "(see above)\n"));
}

TEST_F(TreeDumpTest, BoundsAndOptions) {
  EXPECT_EQ(dumpParserTree(nullptr), "");
  ParserTree tree("loop.cfm");
  TreeDumpOptions shallow;
  shallow.maxDepth = 1;
  shallow.showHelp = false;
  EXPECT_EQ(dumpParserTree(tree.root, shallow), "(root)\n  neighbor  /k\n  outer  /lb\n  vlan\n");
  TreeDumpOptions few;
  few.maxLines = 3;
  std::string text = dumpParserTree(tree.root, few);
  EXPECT_EQ(lineCount(text), 4u) << text;
  EXPECT_THAT(text, ::testing::EndsWith("\n...\n"));
}

}  // namespace
}  // namespace vexaparser::testing
