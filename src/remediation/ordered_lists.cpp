#include "remediation/ordered_lists.h"

#include <cctype>
#include <cstddef>

namespace vexaremediation {

namespace {

constexpr ListKind kNamedAccessList{ListShape::kBlock, EntryNumbering::kLeading, true, 10};
constexpr ListKind kIpv6AccessList{ListShape::kBlock, EntryNumbering::kSequenceKeyword, true, 10};
constexpr ListKind kUnnumberedBlock{ListShape::kBlock, EntryNumbering::kNone, true, 10};
constexpr ListKind kPrefixList{ListShape::kLines, EntryNumbering::kSeqKeyword, true, 5};
constexpr ListKind kWholeListLines{ListShape::kLines, EntryNumbering::kNone, false, 10};

bool isNumber(const std::string& word) {
  if (word.empty() || word.size() > 9) return false;
  for (unsigned char c : word) {
    if (std::isdigit(c) == 0) return false;
  }
  return true;
}

std::string lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string joinedWords(const std::vector<std::string>& words, std::size_t count) {
  std::string key;
  for (std::size_t i = 0; i < count && i < words.size(); ++i) {
    if (i > 0) key += ' ';
    key += words[i];
  }
  return key;
}

ListRef blockList(const LineNode& node, const std::vector<std::string>& w) {
  const std::string first = w.empty() ? std::string() : lowered(w[0]);
  const std::string second = w.size() > 1 ? lowered(w[1]) : std::string();
  const std::string third = w.size() > 2 ? lowered(w[2]) : std::string();
  const ListKind* kind = nullptr;
  if (w.size() == 4 && first == "ip" && second == "access-list" &&
      (third == "standard" || third == "extended")) {
    kind = &kNamedAccessList;
  } else if (w.size() == 3 && first == "ipv6" && second == "access-list") {
    kind = &kIpv6AccessList;
  } else if (w.size() == 4 && first == "mac" && second == "access-list" && third == "extended") {
    kind = &kUnnumberedBlock;
  }
  return kind == nullptr ? ListRef{} : ListRef{kind, node.key()};
}

ListRef lineList(const std::vector<std::string>& w) {
  auto word = [&w](std::size_t i) { return i < w.size() ? lowered(w[i]) : std::string(); };
  auto isAction = [](const std::string& x) { return x == "permit" || x == "deny"; };
  if (word(0) == "access-list" && isNumber(word(1)) && w.size() > 2) {
    return {&kWholeListLines, joinedWords(w, 2)};
  }
  if ((word(0) == "ip" || word(0) == "ipv6") && word(1) == "prefix-list" && w.size() > 3 &&
      (word(3) == "seq" || isAction(word(3)))) {
    return {&kPrefixList, joinedWords(w, 3)};
  }
  if (word(0) == "ip" && word(1) == "as-path" && word(2) == "access-list" && w.size() > 4) {
    return {&kWholeListLines, joinedWords(w, 4)};
  }
  if (word(0) == "ip" && (word(1) == "community-list" || word(1) == "extcommunity-list")) {
    if ((word(2) == "standard" || word(2) == "expanded") && w.size() > 4) {
      return {&kWholeListLines, joinedWords(w, 4)};
    }
    if (isNumber(word(2)) && w.size() > 3) return {&kWholeListLines, joinedWords(w, 3)};
  }
  return {};
}

}  // namespace

ListRef classifyTopLevel(const LineNode& node) {
  const std::vector<std::string> words = wordsOf(node.text);
  // A block list's header may stand alone: the list is there, empty.
  const ListRef block = blockList(node, words);
  if (block.kind != nullptr || !node.children.empty()) return block;
  return lineList(words);
}

bool belongsToList(const LineNode& node) {
  std::vector<std::string> words = wordsOf(node.text);
  if (!words.empty() && lowered(words[0]) == "no") words.erase(words.begin());
  return blockList(node, words).kind != nullptr || lineList(words).kind != nullptr;
}

long entryNumber(const ListKind& kind, const std::string& entryText) {
  const std::vector<std::string> w = wordsOf(entryText);
  switch (kind.numbering) {
    case EntryNumbering::kLeading:
      return !w.empty() && isNumber(w[0]) ? std::stol(w[0]) : -1;
    case EntryNumbering::kSeqKeyword:
      return w.size() > 4 && lowered(w[3]) == "seq" && isNumber(w[4]) ? std::stol(w[4]) : -1;
    case EntryNumbering::kSequenceKeyword:
      for (std::size_t i = 0; i + 1 < w.size(); ++i) {
        if (lowered(w[i]) == "sequence" && isNumber(w[i + 1])) return std::stol(w[i + 1]);
      }
      return -1;
    case EntryNumbering::kNone:
      return -1;
  }
  return -1;
}

std::vector<long> effectiveNumbers(const ListKind& kind, const std::vector<LineNode>& entries) {
  std::vector<long> numbers;
  long last = 0;
  for (const LineNode& entry : entries) {
    const long own = entryNumber(kind, entry.text);
    last = own >= 0 ? own : last + kind.numberStep;
    numbers.push_back(last);
  }
  return numbers;
}

}  // namespace vexaremediation
