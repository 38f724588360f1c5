#include "vexa/parser/node_matcher.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <tuple>

#include "vexa/parser/parser_tool_case.h"

namespace vexaparser {

namespace {

bool isTableKey(const std::string& key) { return !key.empty() && key.front() == '&'; }

bool isBracketed(const std::string& key) {
  return !key.empty() && ParserToolCase::isPvFormStr(key);
}

bool inConflictList(const ParserTreeNode* node, const std::string& key) {
  return node->hasLetter(kLetterCf) && node->conflictList.count(key) != 0;
}

enum class TypedPass : uint8_t { kKeyTable, kBracketed, kBare };

constexpr uint32_t kNoOrdinal = UINT32_MAX;


}  // namespace

// ---- UsedOptions ----

bool UsedOptions::has(const ParserTreeNode* node, std::string_view key) const {
  for (std::size_t i = 0; i < used_; ++i) {
    if (entries_[i].first == node && entries_[i].second == key) return true;
  }
  return false;
}

void UsedOptions::add(const ParserTreeNode* node, const std::string& key) {
  if (copied_ == copies_.size()) copies_.emplace_back();
  std::string& copy = copies_[copied_++];
  copy.assign(key);
  addKept(node, copy);
}

void UsedOptions::addKept(const ParserTreeNode* node, const std::string& key) {
  // Appended without a search: a key given twice only answers has() twice
  // over, and a search per key made a long conflict list quadratic.
  if (used_ == entries_.size()) entries_.emplace_back();
  entries_[used_].first = node;
  entries_[used_].second = key;
  ++used_;
}

// ---- MatchMemo ----

MatchMemo::Key MatchMemo::keyOf(bool abbreviation, const std::string& word) {
  // A word this short sits in the string's own buffer of sixteen bytes:
  // read whole, then cut to its length.
  const std::size_t size = word.size();
  Key key;
  std::memcpy(&key.low, word.data(), 8);
  std::memcpy(&key.high, word.data() + 8, 8);
  key.low &= size >= 8 ? ~uint64_t{0} : (uint64_t{1} << (8 * size)) - 1;
  key.high &= size <= 8 ? uint64_t{0} : (uint64_t{1} << (8 * (size - 8))) - 1;
  key.high |= (uint64_t{abbreviation ? 1u : 0u} << 48) | (uint64_t{size} << 56);
  return key;
}

std::size_t MatchMemo::slotOf(const ParserTreeNode* node, const Key& key) {
  uint64_t hash = reinterpret_cast<uintptr_t>(node);
  hash = (hash ^ key.low) * 0x9E3779B97F4A7C15ULL;
  hash = (hash ^ (hash >> 29) ^ key.high) * 0xBF58476D1CE4E5B9ULL;
  return static_cast<std::size_t>(hash >> 32) & (kSlots - 1);
}

bool MatchMemo::find(const ParserTreeNode* node, bool abbreviation, const std::string& word,
                     ParserTreeNode*& child) const {
  if (slots_.empty()) return false;
  const Key key = keyOf(abbreviation, word);
  const Slot& slot = slots_[slotOf(node, key)];
  if (slot.node != node || !(slot.key == key)) return false;
  child = slot.child;
  return true;
}

void MatchMemo::remember(const ParserTreeNode* node, bool abbreviation, const std::string& word,
                         ParserTreeNode* child) {
  if (word.size() > kLongest || word.capacity() < 15) return;
  if (slots_.empty()) slots_.resize(kSlots);
  const Key key = keyOf(abbreviation, word);
  Slot& slot = slots_[slotOf(node, key)];
  slot.node = node;
  slot.child = child;
  slot.key = key;
}

// ---- finding a child ----

bool NodeMatcher::refusesOption(const ParserTreeNode* node, const std::string& key) const {
  optionsRead_ = true;
  return used_.has(node, key) || inConflictList(node, key);
}

// A refused option ends the search, so that a later, looser step (an exact
// keyword also passes isNewValidInput) cannot let the option in a second
// time.
NodeMatcher::StepResult NodeMatcher::checked(const ParserTreeNode* node, const std::string& key,
                                             ParserTreeNode* child) {
  ParserTreeNode* passed = optionCheck(node, key, child);
  return passed != nullptr ? StepResult{passed, false} : StepResult{nullptr, true};
}

// Step 1: the stored keys, then the key sets of complex children.
NodeMatcher::StepResult NodeMatcher::exactLookup(const ParserTreeNode* node,
                                                 const std::string& word,
                                                 const NodeLookup::ByWord* entry) {
  if (entry == nullptr) return {};
  if (entry->plain != nullptr) return {entry->plain, false};
  if (entry->option != nullptr) return checked(node, word, entry->option);
  if (entry->complexPlain != nullptr) return {entry->complexPlain, false};
  if (entry->complexOption != nullptr) return checked(node, word, entry->complexOption);
  return {};
}

// Step 2: key tables, bracketed types, bare types; plain children before
// option-group children in every pass.  Only the key-table pass puts an
// option child through the option check.  The node's lookup lists the keys
// in the order they are tried; a key that can only accept itself is found
// by the word, and wins when nothing tried before it accepts.
NodeMatcher::StepResult NodeMatcher::typedLookup(const ParserTreeNode* node,
                                                 const NodeLookup& lookup,
                                                 const std::string& word,
                                                 const NodeLookup::ByWord* entry) {
  uint32_t sameOrdinal = kNoOrdinal;
  ParserTreeNode* sameChild = nullptr;
  // The bare types never accept the end-of-line word, not even as itself.
  if (word != kEndKey && entry != nullptr && entry->sameChild != nullptr) {
    sameOrdinal = entry->sameOrdinal;
    sameChild = entry->sameChild;
  }
  for (const NodeLookup::Typed& typed : lookup.typed) {
    if (typed.ordinal > sameOrdinal) break;
    const std::string& key = *typed.key;
    switch (static_cast<TypedPass>(typed.pass)) {
      case TypedPass::kKeyTable:
        if (!keyTableAccepts(typed.table, typed.tableTypedKeys, word)) continue;
        if (typed.optionGroup) return checked(node, key, typed.child);
        return {typed.child, false};
      case TypedPass::kBracketed:
        if (!ParserToolCase::isValidInput(key, word)) continue;
        return {typed.child, false};
      case TypedPass::kBare:
        if (!ParserToolCase::isNewValidInput(key, word)) continue;
        return {typed.child, false};
    }
  }
  if (sameChild != nullptr) return {sameChild, false};
  return {};
}

const NodeLookup& NodeMatcher::lookupOf(const ParserTreeNode* node) const {
  if (const NodeLookup* known = node->lookup.load(std::memory_order_acquire)) return *known;
  auto built = std::make_unique<NodeLookup>();
  uint32_t ordinal = 0;
  for (TypedPass pass : {TypedPass::kKeyTable, TypedPass::kBracketed, TypedPass::kBare}) {
    for (const ParserTreeNode::ChildMap* group : {&node->children, &node->optionChildren}) {
      const bool optionGroup = group == &node->optionChildren;
      for (const auto& [childKey, child] : *group) {
        for (const auto& [key, help] : child->keySet) {
          const uint32_t at = ordinal++;
          bool tried = false;
          switch (pass) {
            case TypedPass::kKeyTable:
              tried = isTableKey(key);
              break;
            case TypedPass::kBracketed:
              tried = isBracketed(key);
              break;
            case TypedPass::kBare:
              tried = ParserToolCase::acceptsOtherInput(key);
              if (!tried) {
                NodeLookup::ByWord& entry = built->byWord[key];
                if (entry.sameChild == nullptr) {
                  entry.sameChild = child;
                  entry.sameOrdinal = at;
                }
              }
              break;
          }
          if (tried) {
            NodeLookup::Typed entry{static_cast<uint8_t>(pass), optionGroup, at, child, &key};
            if (pass == TypedPass::kKeyTable) {
              entry.table = grammar_.keyTable(key);
              entry.tableTypedKeys = grammar_.typedKeys(key);
            }
            built->typed.push_back(entry);
          }
        }
      }
    }
  }
  // The child maps hashed, the keys of complex children, and the first child
  // (plain group first) with a free-text key: one pass over both groups.
  for (const ParserTreeNode::ChildMap* group : {&node->children, &node->optionChildren}) {
    const bool plainGroup = group == &node->children;
    for (const auto& [childKey, child] : *group) {
      ParserTreeNode*& stored = plainGroup ? built->byWord[childKey].plain
                                           : built->byWord[childKey].option;
      if (stored == nullptr) stored = child;
      for (const auto& [key, help] : child->keySet) {
        if (child->complexMark) {
          ParserTreeNode*& complex = plainGroup ? built->byWord[key].complexPlain
                                                : built->byWord[key].complexOption;
          if (complex == nullptr) complex = child;
        }
        // isAnyValidInput's types, which accept every other word.
        if (built->freeText == nullptr && ParserToolCase::isAnyValidInput(key, "")) {
          built->freeText = child;
        }
      }
    }
  }
  built->interfaceNames = findsInterfaceNames(node);
  // Another thread may have built the same index meanwhile: one is kept.
  const NodeLookup* expected = nullptr;
  if (node->lookup.compare_exchange_strong(expected, built.get(), std::memory_order_acq_rel)) {
    return *built.release();
  }
  return *expected;
}

// Steps 1 to 4 for one spelling of the word.
NodeMatcher::StepResult NodeMatcher::findChildSteps(const ParserTreeNode* node,
                                                    const std::string& word,
                                                    bool allowAbbreviation, std::string& matched) {
  const NodeLookup& lookup = lookupOf(node);
  auto found = lookup.byWord.find(word);
  const NodeLookup::ByWord* entry = found == lookup.byWord.end() ? nullptr : &found->second;
  StepResult step = exactLookup(node, word, entry);
  if (step.child == nullptr && !step.refused) step = typedLookup(node, lookup, word, entry);
  if (step.refused) return step;
  if (step.child != nullptr) {
    matched = word;
    return step;
  }
  if (allowAbbreviation) {
    if (ParserTreeNode* child = abbreviationMatch(node, word, matched)) return {child, false};
  }
  // Step 4: the free-text types take any word but the end of the line; the
  // node's lookup knows the first child with one.
  ParserTreeNode* freeText = lookup.freeText;
  if (freeText != nullptr && word != kEndKey) {
    matched = word;
    return {freeText, false};
  }
  return {};
}

ParserTreeNode* NodeMatcher::findChild(const ParserTreeNode* node, const std::string& word,
                                       bool allowAbbreviation, std::string& matched) {
  matched.clear();
  if (node == nullptr) return nullptr;
  // The memo reads sixteen bytes of the word's storage (see MatchMemo::keyOf).
  const bool memoable =
      memo_ != nullptr && word.size() <= MatchMemo::kLongest && word.capacity() >= 15;
  if (!memoable) return findChildUncached(node, word, allowAbbreviation, matched);
  ParserTreeNode* child = nullptr;
  if (memo_->find(node, allowAbbreviation, word, child)) {
    if (child != nullptr) matched = word;
    return child;
  }
  // An answer that read the options given so far in the line may differ
  // the next time: only the others are kept.
  optionsRead_ = false;
  child = findChildUncached(node, word, allowAbbreviation, matched);
  if (!optionsRead_ && (child != nullptr ? matched == word : matched.empty())) {
    memo_->remember(node, allowAbbreviation, word, child);
  }
  return child;
}

ParserTreeNode* NodeMatcher::findChildUncached(const ParserTreeNode* node, const std::string& word,
                                               bool allowAbbreviation, std::string& matched) {
  StepResult step = findChildSteps(node, word, allowAbbreviation, matched);
  if (step.child != nullptr || step.refused || !matched.empty()) return step.child;
  const std::string lowered = ParserToolCase::string2Lower(word);
  if (lowered == word) return nullptr;  // the same steps would find nothing again
  return findChildSteps(node, lowered, allowAbbreviation, matched).child;
}

ParserTreeNode* NodeMatcher::abbreviationMatch(const ParserTreeNode* node, const std::string& word,
                                               std::string& matched) {
  if (node == nullptr) return nullptr;
  std::map<std::string, ParserTreeNode*> candidates;
  auto addCandidate = [&](bool optionGroup, const std::string& key, ParserTreeNode* child) {
    if (optionGroup && refusesOption(node, key)) return;
    candidates.emplace(key, child);
  };
  for (const ParserTreeNode::ChildMap* group : {&node->children, &node->optionChildren}) {
    const bool optionGroup = group == &node->optionChildren;
    for (const auto& [childKey, child] : *group) {
      if (optionGroup && refusesOption(node, childKey)) continue;
      for (const auto& [key, help] : child->keySet) {
        if (ParserToolCase::partialMatched(key, word)) addCandidate(optionGroup, key, child);
        if (!isTableKey(key)) continue;
        if (const Grammar::KeyTable* table = grammar_.keyTable(key)) {
          for (const auto& [tableKey, tableHelp] : *table) {
            if (ParserToolCase::partialMatched(tableKey, word)) {
              addCandidate(optionGroup, tableKey, child);
            }
          }
        }
      }
    }
  }
  if (candidates.empty()) return nullptr;
  if (candidates.size() == 1) {
    matched = candidates.begin()->first;
    return optionCheck(node, matched, candidates.begin()->second);
  }
  // Ambiguous: the longest prefix of the first candidate that every
  // candidate still extends; TAB completion writes it.
  const std::string& first = candidates.begin()->first;
  std::size_t length = std::min(word.size(), first.size());
  while (length < first.size()) {
    const std::string longer = first.substr(0, length + 1);
    bool all = std::all_of(candidates.begin(), candidates.end(), [&](const auto& candidate) {
      return ParserToolCase::partialMatched(candidate.first, longer);
    });
    if (!all) break;
    ++length;
  }
  matched = first.substr(0, length);
  return nullptr;
}

ParserTreeNode* NodeMatcher::optionCheck(const ParserTreeNode* node, const std::string& key,
                                         ParserTreeNode* child) {
  if (child == nullptr || !child->optionMember) return child;
  if (refusesOption(node, key)) return nullptr;
  const ParserTreeNode* group = child->parent;
  const bool otherGroup = group != nullptr && group != node;
  if (otherGroup && refusesOption(group, key)) return nullptr;
  auto record = [&](const ParserTreeNode* target) {
    used_.add(target, key);
    if (child->complexMark) {
      for (const auto& [alternative, help] : child->keySet) used_.addKept(target, alternative);
    }
  };
  record(node);
  if (otherGroup) record(group);
  for (const std::string& excluded : child->conflictList) used_.addKept(node, excluded);
  return child;
}

bool NodeMatcher::keyTableAccepts(const std::string& tableName, const std::string& word) const {
  return keyTableAccepts(grammar_.keyTable(tableName), grammar_.typedKeys(tableName), word);
}

bool NodeMatcher::keyTableAccepts(const Grammar::KeyTable* table,
                                  const std::vector<std::string>* typedKeys,
                                  const std::string& word) {
  if (table == nullptr || typedKeys == nullptr) return false;
  if (table->count(word) != 0) return true;
  // Only the typed keys can accept a word that is not a key itself.
  for (const std::string& key : *typedKeys) {
    if (isBracketed(key) && ParserToolCase::isValidInput(key, word)) return true;
    if (ParserToolCase::isNewValidInput(key, word)) return true;
  }
  return false;
}

bool NodeMatcher::acceptsInterfaceNames(const ParserTreeNode* node) const {
  if (node == nullptr) return false;
  // The answer depends only on the grammar, which no longer changes once a
  // matcher walks it: worked out once per node.
  return lookupOf(node).interfaceNames;
}

bool NodeMatcher::findsInterfaceNames(const ParserTreeNode* node) const {
  for (const ParserTreeNode::ChildMap* group : {&node->children, &node->optionChildren}) {
    for (const auto& [childKey, child] : *group) {
      if (childKey == kInterfaceTable) return true;
      for (const auto& [key, help] : child->keySet) {
        // The end of a command is not a word: a "<...>" entry of the table
        // would otherwise make every node that may end accept interfaces.
        if (key == kEndKey) continue;
        if (key == kInterfaceTable || keyTableAccepts(kInterfaceTable, key)) return true;
      }
    }
  }
  return false;
}

bool NodeMatcher::splitInterfaceName(const std::string& word, std::string& type,
                                     std::string& number) {
  type.clear();
  number.clear();
  // The number is the trailing run of digits and separators, from its first
  // digit on: a type may hold digits itself ("Dot11Radio0").
  auto numberChar = [](char c) {
    return std::isdigit(static_cast<unsigned char>(c)) || c == '/' || c == '.' || c == ':' ||
           c == '-';
  };
  auto digit = std::find_if_not(word.rbegin(), word.rend(), numberChar).base();
  digit = std::find_if(digit, word.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
  if (digit == word.begin() || digit == word.end()) return false;
  type.assign(word.begin(), digit);
  number.assign(digit, word.end());
  return true;
}

ParserTreeNode* NodeMatcher::matchInterfaceName(const ParserTreeNode* node, const std::string& word,
                                                bool allowAbbreviation, InterfaceMatch& match) {
  match = InterfaceMatch{};
  std::string type;
  std::string number;
  if (node == nullptr || !splitInterfaceName(word, type, number)) return nullptr;
  match.typeNode = findChild(node, type, allowAbbreviation, match.typeText);
  if (match.typeNode == nullptr) return nullptr;
  std::string numberMatched;
  match.numberNode = findChild(match.typeNode, number, allowAbbreviation, numberMatched);
  match.numberText = number;
  return match.numberNode;
}

}  // namespace vexaparser
