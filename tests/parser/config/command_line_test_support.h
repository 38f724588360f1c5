// Shared helpers of the configuration-line tests: small syntax trees built by
// hand from pool nodes, and a feeder that hands words to addTreeNodes the way
// the terminal's matcher does (each word with the node it matched, "\n" last
// with the end node).
#ifndef VEXA_TESTS_PARSER_CONFIG_COMMAND_LINE_TEST_SUPPORT_H_
#define VEXA_TESTS_PARSER_CONFIG_COMMAND_LINE_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/parser_resources.h"
#include "vexa/parser/parser_tree_node.h"

namespace vexaparser::testing {

// A word and the node it matched.
using Step = std::pair<ParserTreeNode*, std::string>;
using CommandPtr = std::unique_ptr<CiscoCommandLine>;

// A node below parent (when given) under key, with the letters; "ob" also
// sets the option-group member mark, as the loader does.
inline ParserTreeNode* makeNode(ParserTreeNode* parent, const std::string& key,
                                uint32_t letters = 0) {
  ParserTreeNode* node = ParserResources::instance().newNode();
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

// The words of the node path, element by element.
inline std::vector<std::set<std::string>> pathWords(const CiscoCommandLine& command) {
  std::vector<std::set<std::string>> out;
  for (const auto& element : command.getNodePath()) out.push_back(element.second);
  return out;
}

inline std::vector<const ParserTreeNode*> pathNodes(const CiscoCommandLine& command) {
  std::vector<const ParserTreeNode*> out;
  for (const auto& element : command.getNodePath()) out.push_back(element.first);
  return out;
}

// The nested command at node, or null.
inline CiscoCommandLine* nestedAt(const CiscoCommandLine& command, ParserTreeNode* node) {
  auto it = command.getNestedCommands().find(node);
  return it == command.getNestedCommands().end() ? nullptr : it->second.get();
}

}  // namespace vexaparser::testing

#endif  // VEXA_TESTS_PARSER_CONFIG_COMMAND_LINE_TEST_SUPPORT_H_
