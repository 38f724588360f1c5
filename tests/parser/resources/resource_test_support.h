// Shared fixture of the parser-resource tests: a fresh grammar per test that
// reads a test data set, and lookups on the nodes it loads.
#ifndef VEXA_TESTS_PARSER_RESOURCES_RESOURCE_TEST_SUPPORT_H_
#define VEXA_TESTS_PARSER_RESOURCES_RESOURCE_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "vexa/parser/grammar.h"
#include "vexa/parser/parser_exception.h"
#include "vexa/parser/parser_tree.h"
#include "vexa/parser/parser_tree_node.h"
#include "vexa/parser/tree_dump.h"

namespace vexaparser::testing {

inline std::string dataFolder(const std::string& set) {
  return std::string(VEXA_TEST_DATA_DIR) + "parser/resources/" + set + "/";
}

// The message of the ParserException that fn() throws (also its what()), or
// "no exception".
template <typename Fn>
std::string parserError(Fn fn) {
  try {
    fn();
  } catch (const ParserException& e) {
    EXPECT_STREQ(e.what(), e.getMessage().c_str());
    return e.getMessage();
  }
  return "no exception";
}

class ResourceTest : public ::testing::Test {
 protected:
  using Node = ParserTreeNode;

  // Starts over with a fresh grammar reading the data set.
  void useDataSet(const std::string& set) { grammar_ = std::make_shared<Grammar>(dataFolder(set)); }
  // Loads a mode file of the data set into the grammar.
  ParserTree load(const std::string& file) { return ParserTree(*grammar_, file); }
  // The dump of a tree, with the grammar's prompts.
  std::string dump(const ParserTree& tree, TreeDumpOptions options = {}) const {
    options.grammar = grammar_.get();
    return dumpParserTree(tree.root, options);
  }

  // The entry under key of a child map, or null.
  template <typename Map>
  static Node* find(const Map& map, const std::string& key) {
    auto it = map.find(key);
    return it == map.end() ? nullptr : it->second;
  }
  static Node* child(const Node* n, const std::string& k) { return find(n->children, k); }
  static Node* option(const Node* n, const std::string& k) { return find(n->optionChildren, k); }
  template <typename Map>
  static std::vector<std::string> keysOf(const Map& map) {
    std::vector<std::string> keys;
    for (const auto& entry : map) keys.push_back(entry.first);
    return keys;
  }

  std::shared_ptr<Grammar> grammar_ = std::make_shared<Grammar>(dataFolder("format"));
};

}  // namespace vexaparser::testing

#endif  // VEXA_TESTS_PARSER_RESOURCES_RESOURCE_TEST_SUPPORT_H_
