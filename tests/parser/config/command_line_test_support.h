// Shared helpers of the configuration-line tests: small syntax trees built by
// hand, and feeders that hand words to addTreeNodes the way
// the terminal's matcher does (each word with the node it matched, "\n" last
// with the end node).
#ifndef VEXA_TESTS_PARSER_CONFIG_COMMAND_LINE_TEST_SUPPORT_H_
#define VEXA_TESTS_PARSER_CONFIG_COMMAND_LINE_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/parser_tree_node.h"

namespace vexaparser::testing {

// A word and the node it matched.
using Step = std::pair<ParserTreeNode*, std::string>;
using CommandPtr = std::unique_ptr<CiscoCommandLine>;
using Words = std::vector<std::set<std::string>>;

// A node below parent (when given) under key, with the letters; "ob" also
// sets the option-group member mark, as the loader does.
inline ParserTreeNode* makeNode(ParserTreeNode* parent, const std::string& key,
                                uint32_t letters = 0) {
  // The nodes of the tests' trees live until the process ends.
  static std::deque<ParserTreeNode> pool;
  ParserTreeNode* node = &pool.emplace_back();
  node->letters = letters;
  node->optionMember = (letters & kLetterOb) != 0;
  node->keySet[key] = "";
  if (parent != nullptr) parent->addChild(key, "", node);
  return node;
}

// The end-of-command node ("<cr>") below parent.
inline ParserTreeNode* makeEnd(ParserTreeNode* parent, uint32_t letters = 0) {
  ParserTreeNode* node = makeNode(parent, kEndKey, letters);
  node->endMark = true;
  return node;
}

inline void feed(CiscoCommandLine& command, const std::vector<Step>& steps, bool isNo = false) {
  for (const Step& step : steps) command.addTreeNodes(step.first, step.second, isNo);
}

inline CommandPtr build(const std::vector<Step>& steps, bool isNo = false) {
  auto command = std::make_unique<CiscoCommandLine>();
  feed(*command, steps, isNo);
  return command;
}

// The command the blank-separated words spell below root: a word takes the
// child or option-group member of its name, else the first "<...>" child,
// else stays on the "<...>" node it is at (repeated values); "\n" follows
// where the last node may end.
inline CommandPtr parse(ParserTreeNode* root, const std::string& text, bool isNo = false) {
  auto command = std::make_unique<CiscoCommandLine>();
  ParserTreeNode* at = root;
  std::istringstream words(text);
  auto named = [](const ParserTreeNode::ChildMap& map, const std::string& key) {
    auto it = map.find(key);
    return it == map.end() ? static_cast<ParserTreeNode*>(nullptr) : it->second;
  };
  for (std::string word; words >> word;) {
    ParserTreeNode* next = named(at->children, word);
    if (next == nullptr) next = named(at->optionChildren, word);
    auto value = at->children.lower_bound("<");
    if (next == nullptr && value != at->children.end() && value->first[0] == '<') {
      next = value->second;
    }
    if (next != nullptr) {
      at = next;
    } else if (at->firstKey().rfind('<', 0) != 0) {
      ADD_FAILURE() << "no node for \"" << word << "\" in \"" << text << '"';
      return command;
    }
    command->addTreeNodes(at, word, isNo);
  }
  auto end = at->children.find(kEndKey);
  if (end != at->children.end()) command->addTreeNodes(end->second, kEndKey, isNo);
  return command;
}

// The words of the node path, element by element.
inline Words pathWords(const CiscoCommandLine& command) {
  Words out;
  for (const auto& element : command.getNodePath()) out.push_back(element.second);
  return out;
}

// The nested command at node, or null.
inline CiscoCommandLine* nestedAt(const CiscoCommandLine& command, ParserTreeNode* node) {
  auto it = command.getNestedCommands().find(node);
  return it == command.getNestedCommands().end() ? nullptr : it->second.get();
}

}  // namespace vexaparser::testing

#endif  // VEXA_TESTS_PARSER_CONFIG_COMMAND_LINE_TEST_SUPPORT_H_
