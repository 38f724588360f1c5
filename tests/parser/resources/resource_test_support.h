// Shared fixture of the parser-resource tests: points the resource folder at
// a test data set and starts every test from empty resource tables.
#ifndef VEXA_TESTS_PARSER_RESOURCES_RESOURCE_TEST_SUPPORT_H_
#define VEXA_TESTS_PARSER_RESOURCES_RESOURCE_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/parser_exception.h"
#include "vexa/parser/parser_resources.h"
#include "vexa/parser/parser_tree.h"
#include "vexa/parser/parser_tree_node.h"

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

  void SetUp() override {
    ParserResources::instance().clearAll();
    useDataSet("format");
  }
  void TearDown() override {
    ParserResources::instance().releaseEverything();
    vexahost::VexaFileSystem::SetSystemResourceFolder("");
  }

  static void useDataSet(const std::string& set) {
    vexahost::VexaFileSystem::SetSystemResourceFolder(dataFolder(set));
  }
  static ParserResources& resources() { return ParserResources::instance(); }

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
};

}  // namespace vexaparser::testing

#endif  // VEXA_TESTS_PARSER_RESOURCES_RESOURCE_TEST_SUPPORT_H_
