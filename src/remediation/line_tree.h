// LineTree: configuration text in the library's written form as a tree of
// lines, for the remediation layer.
//
// The library writes configuration text one blank of indentation per level,
// each mode command closed by a "!" line; remediation compares, filters and
// reorders such texts line by line without going back to command objects.
// A line's text is kept as written (trailing blank included), its level
// given by the tree.
//
// Internal to src/remediation/.
#ifndef VEXA_SRC_REMEDIATION_LINE_TREE_H_
#define VEXA_SRC_REMEDIATION_LINE_TREE_H_

#include <cstddef>
#include <string>
#include <vector>

namespace vexaremediation {

struct LineNode {
  std::string text;  // without indentation, as written otherwise
  std::vector<LineNode> children;

  // The text without trailing blanks: what two lines are compared by.
  std::string key() const;
  // The index of the first child whose key is key, or children.size().
  std::size_t findChild(const std::string& key) const;
};

// The lines of text as a forest.  Blank lines and "!" lines go; a line's
// parent is the nearest earlier line indented less than it.
std::vector<LineNode> parseLineTree(const std::string& text);

// The forest written back: one blank per level, no closing "!" lines.
void writeLineTree(const std::vector<LineNode>& nodes, int level, std::string& out);

// Text without leading and trailing blanks, tabs and carriage returns.
std::string trimmed(const std::string& text);
// The blank-separated words of text.
std::vector<std::string> wordsOf(const std::string& text);

}  // namespace vexaremediation

#endif  // VEXA_SRC_REMEDIATION_LINE_TREE_H_
