// NodeMatcher::printHints: the "?" listing of one syntax-tree node.
#include <algorithm>
#include <map>
#include <string>
#include <string_view>

#include "vexa/parser/node_matcher.h"
#include "vexa/parser/parser_tool_case.h"

namespace vexaparser {

namespace {

constexpr std::size_t kTabWidth = 8;
constexpr std::size_t kLineWidth = 79;

// Views into the node's maps and the key tables, which do not change while
// the listing is written.
using HintMap = std::map<std::string_view, std::string_view>;

// Every word that may follow node, with its help, in key order: the help
// map with key-table references expanded, and the alternatives of complex
// children (which have no help-map entry).
HintMap collectHints(const Grammar& grammar, const ParserTreeNode* node) {
  HintMap words;
  for (const auto& [key, help] : node->helps()) {
    if (!key.empty() && key.front() == '&') {
      // A reference to a table that was never loaded lists nothing.
      if (const Grammar::KeyTable* table = grammar.keyTable(key)) {
        for (const auto& [tableKey, tableHelp] : *table) words.emplace(tableKey, tableHelp);
      }
    } else {
      words.emplace(key, help);
    }
  }
  for (const ParserTreeNode::ChildMap* group : {&node->children, &node->optionChildren}) {
    for (const auto& [childKey, child] : *group) {
      if (!child->complexMark) continue;
      for (const auto& [alternative, help] : child->keySet) words.emplace(alternative, help);
    }
  }
  return words;
}

}  // namespace

// An option of this node's group that was given (or excluded) at another
// node of the line, as recorded for that option's own group node; and the
// words the prefix does not abbreviate or this node's options exclude.
bool NodeMatcher::hintSkipped(const ParserTreeNode* node, const std::string& word,
                              const std::string& prefix) const {
  if (!prefix.empty() && !ParserToolCase::partialMatched(word, prefix)) return true;
  if (used_.has(node, word)) return true;
  if (node->hasLetter(kLetterCf) && node->conflictList.count(word) != 0) return true;
  for (const auto& [key, child] : node->optionChildren) {
    if (key != word && child->keySet.count(word) == 0) continue;
    const ParserTreeNode* group = child->parent;
    if (group == nullptr || group == node) continue;
    if (used_.has(group, word) || group->conflictList.count(word) != 0) return true;
  }
  return false;
}

namespace {

std::string_view displayed(const std::string& word, const std::string& prefix) {
  if (word == kEndKey) return "<cr>";
  const bool signTyped = !prefix.empty() && (prefix.front() == '+' || prefix.front() == '-');
  if (signTyped && word == "+/-<delay>") return "<1-4294967295>";
  if (signTyped && word == "+/-<metric>") return "<0-4294967295>";
  return word;
}

}  // namespace

bool NodeMatcher::printHints(const ParserTreeNode* node, std::ostream& out,
                             const std::string& prefix) const {
  if (node == nullptr) return false;
  const HintMap words = collectHints(grammar_, node);
  std::size_t columns = 1;
  for (const auto& [word, help] : words) columns = std::max(columns, word.size() / kTabWidth + 1);
  // A word of 72 characters or more leaves no room on the line; its help is
  // then written whole instead of in pieces.
  const std::size_t pieceWidth =
      kLineWidth > kTabWidth * columns ? kLineWidth - kTabWidth * columns : std::string::npos;
  const std::string tabs(columns, '\t');

  bool printed = false;
  std::string word;
  for (const auto& [wordView, help] : words) {
    word.assign(wordView);
    if (hintSkipped(node, word, prefix)) continue;
    printed = true;
    const std::string_view shown = displayed(word, prefix);
    out.write(shown.data(), static_cast<std::streamsize>(shown.size()));
    out.write(tabs.data(), static_cast<std::streamsize>(columns - word.size() / kTabWidth));
    // An empty help still ends its entry's line.
    std::size_t pos = 0;
    do {
      if (pos != 0) out.write(tabs.data(), static_cast<std::streamsize>(columns));
      const std::string_view piece = help.substr(pos, pieceWidth);
      out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
      out.put('\n');
      if (pieceWidth == std::string::npos) break;
      pos += pieceWidth;
    } while (pos < help.size());
  }
  return printed;
}

}  // namespace vexaparser
