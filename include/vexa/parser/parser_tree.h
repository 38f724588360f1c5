// ParserTree: the command syntax tree of one mode file.
//
// The loader reads one tree per command mode ("view_mode.cfm",
// "execution_mode.cfm", "configuration_mod.cfm") into a Grammar; the
// terminal walks them.  A tree is a small handle: its nodes belong to a
// grammar, so copying a tree copies pointers and destroying one frees no
// node.
#ifndef VEXA_PARSER_PARSER_TREE_H_
#define VEXA_PARSER_PARSER_TREE_H_

#include <map>
#include <memory>
#include <stack>
#include <string>

#include "vexa/parser/parser_tree_node.h"

namespace vexaparser {

class Grammar;

class ParserTree {
 public:
  // An empty tree: no root.  Used for default-constructed map entries.
  ParserTree() = default;

  // Loads the mode file "files" + separator + fileName below the host's
  // resource folder into a fresh tree whose root has the mode mark.  The
  // nodes belong to a grammar of the tree's own, which the tree and its
  // copies keep alive.  flag is accepted for the documented signature and
  // not read.  Throws ParserException ("error: can't open file: " + full
  // path) when the file, or a mode file it refers to, cannot be opened.
  explicit ParserTree(const std::string& fileName, bool flag = false);
  // The same, into grammar: its nodes, its prompts ("@" tokens) and its
  // shared mode files, read below the grammar's folder.  When the load
  // fails and failedAt is given, it receives where: the mode file and line
  // that named the file that could not be opened ("if.cfm:12"), or empty
  // when it was fileName itself.
  ParserTree(Grammar& grammar, const std::string& fileName, std::string* failedAt = nullptr);

  // The root of the loaded file (mode mark set); null for an empty tree.
  ParserTreeNode* root = nullptr;
  // Sub-mode files ("@prompt file" tail tokens) loaded for this tree: file
  // name -> root node of that file.  Each is loaded at most once per tree.
  std::map<std::string, ParserTreeNode*> subModeFiles;
  // The nodes opened while loading; empty afterwards.
  std::stack<ParserTreeNode*> buildStack;
  // The grammar of a tree loaded on its own (first constructor); null for
  // a tree loaded into a grammar, which owns the nodes itself.
  std::shared_ptr<const Grammar> nodeOwner;
};

}  // namespace vexaparser

#endif  // VEXA_PARSER_PARSER_TREE_H_
