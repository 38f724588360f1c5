// ModeFileLoader: reads mode files into syntax-tree nodes.
//
// Used by ParserTree's constructors.  One loader serves one tree: sub-mode
// files ("@prompt file") are loaded once per tree through the tree's
// subModeFiles map, shared files ("&file") once per grammar.  A mode file describes a tree in pre-order: every line
// "word|help|letters|argument|tail" adds a node below the open node and opens
// it, a line beginning with "!" closes the node opened last.  The rules the
// loader decides for itself are commented where it decides them.
#ifndef VEXA_SRC_PARSER_RESOURCES_MODE_FILE_LOADER_H_
#define VEXA_SRC_PARSER_RESOURCES_MODE_FILE_LOADER_H_

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "vexa/parser/grammar.h"
#include "vexa/parser/parser_tree.h"
#include "vexa/parser/parser_tree_node.h"

namespace vexaparser {

class ModeFileLoader {
 public:
  ModeFileLoader(ParserTree& tree, Grammar& grammar) : tree_(tree), grammar_(grammar) {}

  // Loads mode file fileName (below "files/" of the grammar's folder) into
  // root: every line adds below root.  Throws ParserException when the file
  // or a file it refers to cannot be opened; what was added stays.
  void loadFile(const std::string& fileName, ParserTreeNode* root);
  // After a failed load: the mode file and line that named the file that
  // could not be opened ("if.cfm:12"); empty when it was the first file.
  const std::string& failedAt() const { return failedAt_; }

  // The full path of a file below "files/" of folder.
  static std::string filesPath(const std::string& folder, const std::string& name);
  // The lines of a file (line feed or carriage return + line feed); throws
  // ParserException with the full path when it cannot be read.
  static std::vector<std::string> readLines(const std::string& fullPath);

 private:
  // The lines of text as views into it, split as readLines splits.
  static void splitLines(const std::string& text, std::vector<std::string_view>& lines);

  struct Line {
    std::string word, help, letters, argument, tail;
  };
  // The fields of text into line (every field is overwritten).  scratch
  // holds the text for the field split and keeps its storage from line to
  // line.
  static void splitLine(std::string_view text, std::string& scratch, Line& line);

  void addLine(const Line& line);
  void addOptionalKeyToOpenNode(const std::string& key, const Line& line);
  void addComplexBlock(const Line& line, const std::vector<std::string_view>& lines,
                       std::size_t& next);
  void openRejectedLine();
  void applyTail(ParserTreeNode* node, const std::string& tail);
  void openSubMode(ParserTreeNode* node, const std::string& prompt, const std::string& file);
  void shareModeFile(ParserTreeNode* node, const std::string& file);

  // The four tree-building steps after a new node.
  void finishNewNode(ParserTreeNode* node);
  void addLoopBack(ParserTreeNode* node);
  static void fillConflictList(ParserTreeNode* node);
  void addOptionsAfterEnd(ParserTreeNode* node);
  void addToOptionEnds(ParserTreeNode* node);

  ParserTreeNode* existingChild(ParserTreeNode* open, const std::string& key);
  // The loader's index of the complex children of a node: alternative key ->
  // complex child.  Built on the first lookup at a node, extended by new
  // blocks, and dropped whenever the loader adds children in any other way.
  using ComplexIndex = std::map<std::string, ParserTreeNode*>;
  const ComplexIndex& complexIndexOf(const ParserTreeNode* node);
  void indexNewComplexChild(const ParserTreeNode* parent, ParserTreeNode* complex);
  void childrenChanged(const ParserTreeNode* node) { complexIndex_.erase(node); }

  ParserTreeNode* openNode() const { return tree_.buildStack.top(); }

  ParserTree& tree_;
  Grammar& grammar_;
  // Depth of the build stack at which the file being read has its root.
  std::size_t baseDepth_ = 0;
  // The file being read and its line, for failedAt().
  std::string fileName_;
  std::size_t lineNo_ = 0;
  std::string failedAt_;
  std::unordered_map<const ParserTreeNode*, ComplexIndex> complexIndex_;
};

}  // namespace vexaparser

#endif  // VEXA_SRC_PARSER_RESOURCES_MODE_FILE_LOADER_H_
