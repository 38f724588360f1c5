// Shared fixture of the parser-resource tests: points the resource folder at
// a test data set and starts every test from empty resource tables.
#ifndef VEXA_TESTS_PARSER_RESOURCES_RESOURCE_TEST_SUPPORT_H_
#define VEXA_TESTS_PARSER_RESOURCES_RESOURCE_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/parser_resources.h"
#include "vexa/parser/parser_tree.h"
#include "vexa/parser/parser_tree_node.h"

namespace vexaparser::testing {

inline std::string dataFolder(const std::string& set) {
  return std::string(VEXA_TEST_DATA_DIR) + "parser/resources/" + set + "/";
}

class ResourceTest : public ::testing::Test {
 protected:
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

  // The plain child under key, or null.
  static ParserTreeNode* child(const ParserTreeNode* node, const std::string& key) {
    auto it = node->children.find(key);
    return it == node->children.end() ? nullptr : it->second;
  }
  static ParserTreeNode* optional(const ParserTreeNode* node, const std::string& key) {
    auto it = node->optionalChildren.find(key);
    return it == node->optionalChildren.end() ? nullptr : it->second;
  }
  static ParserTreeNode* option(const ParserTreeNode* node, const std::string& key) {
    auto it = node->optionChildren.find(key);
    return it == node->optionChildren.end() ? nullptr : it->second;
  }
  template <typename Map>
  static std::vector<std::string> keysOf(const Map& map) {
    std::vector<std::string> keys;
    for (const auto& entry : map) keys.push_back(entry.first);
    return keys;
  }
};

}  // namespace vexaparser::testing

#endif  // VEXA_TESTS_PARSER_RESOURCES_RESOURCE_TEST_SUPPORT_H_
