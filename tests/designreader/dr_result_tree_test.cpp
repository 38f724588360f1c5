// Result files read into trees (the cases of results.txt: line forms, nested paragraphs bounded by
// counts and number limits, files cut short or lying about their counts), the depth limit, and the
// configuration-like text built back from a tree.

#include "vexa/designreader/dr_result_tree.h"

#include <gtest/gtest.h>

#include <list>
#include <map>
#include <string>
#include <vector>

#include "designreader/dr_test_support.h"

namespace vexadr {
namespace {

// The tree as text: each line's number, kind and count, then its text, nested lines indented.
std::string dump(const DRResultTree& tree, const std::string& indent = "") {
  std::string out;
  for (const auto& line : tree.getLines()) {
    out += indent + std::to_string(line->number) + "/" + std::to_string(line->tagKind) + "/" +
           std::to_string(line->lineCount) + " " + line->text + "\n";
    if (line->subTree) out += dump(*line->subTree, indent + "  ");
  }
  return out;
}

std::string dumpText(const std::string& text) { return dump(*DRResultTree::fromText(text)); }

// Line forms, and paragraphs bounded by count and number limit.
TEST(ResultTreeTest, ReadsLinesAndParagraphs) {
  const std::vector<Case> cases = readCases(drData("results.txt"));
  ASSERT_GE(cases.size(), 7u);
  for (const Case& c : cases) EXPECT_EQ(c.expected, dumpText(c.input)) << c.title;
  // Line ends as a text-mode stream leaves them; an empty line is a plain line.
  EXPECT_EQ("-1/0/0 \n1/0/0 a\n", dumpText("\r\n1:::a\r\n"));
}

TEST(ResultTreeTest, DeepNestingIsCutAtTheDepthLimit) {
  std::string file;
  const int lines = DRResultTree::kMaxDepth + 50;
  for (int i = 1; i <= lines; ++i) file += std::to_string(i) + ":::x !#tag##LineNumbers#9999\n";
  const auto tree = DRResultTree::fromText(file);
  std::map<int, std::string> all;
  tree->getAllLines(all);
  EXPECT_EQ(static_cast<size_t>(lines), all.size());
  int depth = 0;
  for (const DRResultTree* level = tree.get(); level != nullptr && !level->isEmpty();
       level = level->getLines().front()->subTree.get()) {
    ++depth;
  }
  EXPECT_EQ(DRResultTree::kMaxDepth + 1, depth);
}

TEST(ResultTreeTest, AllLinesKeepTheFirstTextOfANumber) {
  const auto tree = DRResultTree::fromText(
      "plain\n0:::zero\n5:::first !#tag##LineNumbers#3\n6:::six\n5:::again\n7:::seven\n");
  std::map<int, std::string> all{{7, "kept"}};
  tree->getAllLines(all);
  EXPECT_EQ((std::map<int, std::string>{{5, "first"}, {6, "six"}, {7, "kept"}}), all);
  EXPECT_TRUE(DRResultTree("/no/such/file").isEmpty());
}

TEST(ResultTreeTest, BuildsConfigurationLikeText) {
  // The text, then "|", the close lines and the line count.
  const TextCase cases[] = {
      {"1:::A\n2:::B\n", "A\r\n!\r\nB\r\n!\r\n|4"},
      {"Header\n3:::r !#tag_close##LineNumbers#2\n4::: a\n5::: b\n9:::x !#tag#n#LineNumbers#0\n",
       "Header\r\n!\r\nr\r\n a\r\n b\r\n!\r\nx !n\r\n!\r\n|3 8"}};
  for (const TextCase& c : cases) {
    std::string text;
    std::list<int> closeLines;
    int count = 0;
    EXPECT_TRUE(DesignNoteParser::BuildSyntaxStringFromTree(DRResultTree::fromText(c.text).get(), 0,
                                                            text, closeLines, count));
    text += "|";
    for (int line : closeLines) text += std::to_string(line) + " ";
    EXPECT_EQ(c.expected, text + std::to_string(count)) << c.text;
  }
  std::list<int> closeLines;
  int count = 0;
  std::string text;
  EXPECT_FALSE(DesignNoteParser::BuildSyntaxStringFromTree(nullptr, 0, text, closeLines, count));
}

}  // namespace
}  // namespace vexadr
