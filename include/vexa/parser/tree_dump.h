// A readable text dump of a command syntax tree.
//
// For tests and grammar authors: shows, one node per line and indented by
// depth, every child with its group, key(s), help, letters, argument, prompt
// and sub-mode file.  Syntax trees share nodes and contain loops, so each
// node's subtree is written once; a later reference to a node already written
// (a loop back to an ancestor, an option re-added after an option end, a
// grafted sub-mode) is one line ending in "(see above)" or "(loop)".
//
// Line format, indented two blanks per level:
//   [group ]key[ = {alt|alt}]  "help"[  /letters][  arg="..."][  cf={a,b}]
//       [  <end>][  @"prompt" file][  ^parent]
// group: nothing for a plain child, "[opt]" for an optional child, "{ob}" for
// an option-group child.  "\n" is written "<cr>".  "^parent" names the
// node's parent key when it is not the node it is listed under.
#ifndef VEXA_PARSER_TREE_DUMP_H_
#define VEXA_PARSER_TREE_DUMP_H_

#include <cstddef>
#include <string>

#include "vexa/parser/parser_tree_node.h"

namespace vexaparser {

class Grammar;

struct TreeDumpOptions {
  // Gives the prompts of mode nodes; null: no prompts are shown.
  const Grammar* grammar = nullptr;
  // Children below this depth are not written (the root is depth 0).
  std::size_t maxDepth = 64;
  // The dump stops after this many lines with a final "..." line.
  std::size_t maxLines = 100000;
  bool showHelp = true;
};

// The dump of the tree below root (the root itself is the first line, with
// its prompt when it has one in the grammar's prompts).  Empty for null.
std::string dumpParserTree(const ParserTreeNode* root, const TreeDumpOptions& options = {});

}  // namespace vexaparser

#endif  // VEXA_PARSER_TREE_DUMP_H_
