#include "vexa/parser/node_matcher.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "vexa/parser/parser_resources.h"
#include "vexa/parser/parser_tool_case.h"

namespace vexaparser {

namespace {

using KeyTable = ParserResources::KeyTable;

const KeyTable* keyTableNamed(const std::string& name) {
  return ParserResources::instance().keyTable(name);
}

bool isTableKey(const std::string& key) { return !key.empty() && key.front() == '&'; }

bool isBracketed(const std::string& key) {
  return !key.empty() && ParserToolCase::isPvFormStr(key);
}

bool inConflictList(const ParserTreeNode* node, const std::string& key) {
  return node->hasLetter(kLetterCf) && node->conflictList.count(key) != 0;
}

bool refusesOption(const ParserTreeNode* node, const std::string& key) {
  return node->usedOptions.count(key) != 0 || inConflictList(node, key);
}

// The outcome of one step of finding a child: a child, nothing, or an option
// child that the option check refused.  A refused option ends the search, so
// that a later, looser step (an exact keyword also passes isNewValidInput)
// cannot let the option in a second time.
struct StepResult {
  ParserTreeNode* child = nullptr;
  bool refused = false;
};

StepResult checked(ParserTreeNode* node, const std::string& key, ParserTreeNode* child) {
  ParserTreeNode* passed = NodeMatcher::optionCheck(node, key, child);
  return passed != nullptr ? StepResult{passed, false} : StepResult{nullptr, true};
}

ParserTreeNode* complexChildWithKey(const ParserTreeNode::ChildMap& group,
                                    const std::string& word) {
  for (const auto& [key, child] : group) {
    if (child->complexMark && child->keySet.count(word) != 0) return child;
  }
  return nullptr;
}

// Step 1: the stored keys, then the key sets of complex children.
StepResult exactLookup(ParserTreeNode* node, const std::string& word) {
  auto plain = node->children.find(word);
  if (plain != node->children.end()) return {plain->second, false};
  auto option = node->optionChildren.find(word);
  if (option != node->optionChildren.end()) return checked(node, word, option->second);
  if (ParserTreeNode* complex = complexChildWithKey(node->children, word)) {
    return {complex, false};
  }
  if (ParserTreeNode* complex = complexChildWithKey(node->optionChildren, word)) {
    return checked(node, word, complex);
  }
  return {};
}

enum class TypedPass { kKeyTable, kBracketed, kBare };

bool typedPassAccepts(TypedPass pass, const std::string& key, const std::string& word) {
  switch (pass) {
    case TypedPass::kKeyTable:
      return isTableKey(key) && NodeMatcher::keyTableAccepts(key, word);
    case TypedPass::kBracketed:
      return isBracketed(key) && ParserToolCase::isValidInput(key, word);
    case TypedPass::kBare:
      return ParserToolCase::isNewValidInput(key, word);
  }
  return false;
}

// Step 2: key tables, bracketed types, bare types; plain children before
// option-group children in every pass.  Only the key-table pass puts an
// option child through the option check.
StepResult typedLookup(ParserTreeNode* node, const std::string& word) {
  for (TypedPass pass : {TypedPass::kKeyTable, TypedPass::kBracketed, TypedPass::kBare}) {
    for (const ParserTreeNode::ChildMap* group : {&node->children, &node->optionChildren}) {
      const bool optionGroup = group == &node->optionChildren;
      for (const auto& [childKey, child] : *group) {
        for (const auto& [key, help] : child->keySet) {
          if (!typedPassAccepts(pass, key, word)) continue;
          if (pass == TypedPass::kKeyTable && optionGroup) return checked(node, key, child);
          return {child, false};
        }
      }
    }
  }
  return {};
}

// Step 4: the free-text types.
ParserTreeNode* freeTextLookup(ParserTreeNode* node, const std::string& word) {
  for (const ParserTreeNode::ChildMap* group : {&node->children, &node->optionChildren}) {
    for (const auto& [childKey, child] : *group) {
      for (const auto& [key, help] : child->keySet) {
        if (ParserToolCase::isAnyValidInput(key, word)) return child;
      }
    }
  }
  return nullptr;
}

// Steps 1 to 4 for one spelling of the word.
StepResult findChildSteps(ParserTreeNode* node, const std::string& word, bool allowAbbreviation,
                          std::string& matched) {
  StepResult step = exactLookup(node, word);
  if (step.child == nullptr && !step.refused) step = typedLookup(node, word);
  if (step.refused) return step;
  if (step.child != nullptr) {
    matched = word;
    return step;
  }
  if (allowAbbreviation) {
    if (ParserTreeNode* child = NodeMatcher::abbreviationMatch(node, word, matched)) {
      return {child, false};
    }
  }
  if (ParserTreeNode* child = freeTextLookup(node, word)) {
    matched = word;
    return {child, false};
  }
  return {};
}

void addCandidate(std::map<std::string, ParserTreeNode*>& candidates, const ParserTreeNode* node,
                  bool optionGroup, const std::string& key, ParserTreeNode* child) {
  if (optionGroup && refusesOption(node, key)) return;
  candidates.emplace(key, child);
}

}  // namespace

ParserTreeNode* NodeMatcher::findChild(ParserTreeNode* node, const std::string& word,
                                       bool allowAbbreviation, std::string& matched) {
  matched.clear();
  if (node == nullptr) return nullptr;
  StepResult step = findChildSteps(node, word, allowAbbreviation, matched);
  if (step.child != nullptr || step.refused || !matched.empty()) return step.child;
  const std::string lowered = ParserToolCase::string2Lower(word);
  if (lowered == word) return nullptr;  // the same steps would find nothing again
  return findChildSteps(node, lowered, allowAbbreviation, matched).child;
}

ParserTreeNode* NodeMatcher::abbreviationMatch(ParserTreeNode* node, const std::string& word,
                                               std::string& matched) {
  if (node == nullptr) return nullptr;
  std::map<std::string, ParserTreeNode*> candidates;
  for (const ParserTreeNode::ChildMap* group : {&node->children, &node->optionChildren}) {
    const bool optionGroup = group == &node->optionChildren;
    for (const auto& [childKey, child] : *group) {
      if (optionGroup && refusesOption(node, childKey)) continue;
      for (const auto& [key, help] : child->keySet) {
        if (ParserToolCase::partialMatched(key, word)) {
          addCandidate(candidates, node, optionGroup, key, child);
        }
        if (!isTableKey(key)) continue;
        if (const KeyTable* table = keyTableNamed(key)) {
          for (const auto& [tableKey, tableHelp] : *table) {
            if (ParserToolCase::partialMatched(tableKey, word)) {
              addCandidate(candidates, node, optionGroup, tableKey, child);
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

ParserTreeNode* NodeMatcher::optionCheck(ParserTreeNode* node, const std::string& key,
                                         ParserTreeNode* child) {
  if (child == nullptr || !child->optionMember) return child;
  if (refusesOption(node, key)) return nullptr;
  ParserTreeNode* group = child->parent;
  const bool otherGroup = group != nullptr && group != node;
  if (otherGroup && refusesOption(group, key)) return nullptr;
  auto record = [&](ParserTreeNode* target) {
    target->usedOptions.insert(key);
    if (child->complexMark) {
      for (const auto& [alternative, help] : child->keySet) target->usedOptions.insert(alternative);
    }
  };
  record(node);
  if (otherGroup) record(group);
  node->usedOptions.insert(child->conflictList.begin(), child->conflictList.end());
  return child;
}

bool NodeMatcher::keyTableAccepts(const std::string& tableName, const std::string& word) {
  const KeyTable* table = keyTableNamed(tableName);
  if (table == nullptr) return false;
  if (table->count(word) != 0) return true;
  for (const auto& [key, help] : *table) {
    if (isBracketed(key) && ParserToolCase::isValidInput(key, word)) return true;
    if (ParserToolCase::isNewValidInput(key, word)) return true;
  }
  return false;
}

bool NodeMatcher::acceptsInterfaceNames(const ParserTreeNode* node) {
  if (node == nullptr) return false;
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
  auto digit = std::find_if(word.begin(), word.end(),
                            [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
  if (digit == word.begin() || digit == word.end()) return false;
  type.assign(word.begin(), digit);
  number.assign(digit, word.end());
  return true;
}

ParserTreeNode* NodeMatcher::matchInterfaceName(ParserTreeNode* node, const std::string& word,
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
