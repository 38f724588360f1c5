// ParserTree: the command syntax tree of one mode file.
//
// VexaParserUtil::createNewParserResource loads one tree per command mode
// ("view_mode.cfm", "execution_mode.cfm", "configuration_mod.cfm"); the
// terminal copies the three trees when it is created and walks them.  A tree
// is a small handle: its nodes live in the node pool of ParserResources, so
// copying a tree copies pointers and destroying one frees no node.
#ifndef VEXA_PARSER_PARSER_TREE_H_
#define VEXA_PARSER_PARSER_TREE_H_

#include <map>
#include <stack>
#include <string>

#include "vexa/parser/parser_tree_node.h"

namespace vexaparser {

class ParserTree {
 public:
  // An empty tree: no root.  Used for default-constructed map entries.
  ParserTree() = default;

  // Loads the mode file "files" + separator + fileName below the resource
  // folder into a fresh tree whose root has the mode mark.  flag is accepted
  // for the documented signature and not read.
  // Throws ParserException ("error: can't open file: " + full path) when the
  // file, or a mode file it refers to, cannot be opened.
  explicit ParserTree(const std::string& fileName, bool flag = false);

  // The root of the loaded file (mode mark set); null for an empty tree.
  ParserTreeNode* root = nullptr;
  // Sub-mode files ("@prompt file" tail tokens) loaded for this tree: file
  // name -> root node of that file.  Each is loaded at most once per tree.
  std::map<std::string, ParserTreeNode*> subModeFiles;
  // The nodes opened while loading; empty afterwards.
  std::stack<ParserTreeNode*> buildStack;
};

}  // namespace vexaparser

#endif  // VEXA_PARSER_PARSER_TREE_H_
