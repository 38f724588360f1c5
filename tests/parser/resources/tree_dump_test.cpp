// The readable dump of syntax trees: shape, marks, and bounds on shared nodes.
// Groups, complex keys, arguments and conflicts are in the dumps of
// mode_file_loader_test.cpp, prompts and sub-modes in parser_resources_test.cpp.
#include "vexa/parser/tree_dump.h"

#include <gtest/gtest.h>

#include <string>

#include "resource_test_support.h"

namespace vexaparser::testing {
namespace {

using TreeDumpTest = ResourceTest;

// Also the loader's loop rules: a loop end adds its loop begin below it (the
// first parent stays), "lb/le" on one node repeats it, nested loops pair up.
TEST_F(TreeDumpTest, LoopsAreWrittenOnceAndMarked) {
  const ParserTree tree = load("loop.cfm");
  EXPECT_EQ(dump(tree),
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

TEST_F(TreeDumpTest, BoundsAndOptions) {
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

}  // namespace
}  // namespace vexaparser::testing
