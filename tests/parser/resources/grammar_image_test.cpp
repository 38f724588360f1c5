// The grammar image: the grammar read back from it is the grammar it was
// written from; an image that does not fit (another fingerprint, cut short,
// damaged) is not used; and the fingerprint follows the resource files.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "host/temp_dir.h"
#include "parser/resources/grammar_image.h"
#include "parser/test_grammar.h"
#include "vexa/parser/grammar_loader.h"
#include "vexa/parser/tree_dump.h"
#include "vexa/parser/vexa_parser_util.h"

namespace vexaparser::testing {
namespace {

using vexahost::testing::ScopedEnv;
using vexahost::testing::TempDir;

// Everything a grammar holds, as text: its three trees with prompts, its key
// tables and its order table (nodes named by their keys).
std::string grammarText(const Grammar& grammar) {
  std::string text;
  TreeDumpOptions options;
  options.grammar = &grammar;
  for (VTYModeType mode : {VIEW_MODE, EXECUTION_MODE, CONFIGURATION_MODE}) {
    text += dumpParserTree(grammar.modeTree(mode)->root, options);
  }
  // The marks the dump leaves out, node by node in the order of a walk.
  std::set<const ParserTreeNode*> seen;
  std::vector<const ParserTreeNode*> open;
  for (VTYModeType mode : {VIEW_MODE, EXECUTION_MODE, CONFIGURATION_MODE}) {
    open.push_back(grammar.modeTree(mode)->root);
  }
  while (!open.empty()) {
    const ParserTreeNode* node = open.back();
    open.pop_back();
    if (!seen.insert(node).second) continue;
    text += std::to_string(node->modeMark) + std::to_string(node->endMark) +
            std::to_string(node->complexMark) + std::to_string(node->optionMember);
    for (const auto* group : {&node->children, &node->optionalChildren, &node->optionChildren}) {
      for (const auto& [key, child] : *group) open.push_back(child);
    }
  }
  text += '\n';
  for (const auto& [name, table] : grammar.keyTables()) {
    text += name + ':';
    for (const auto& [key, help] : table) text += key + '=' + help + ';';
    text += '\n';
  }
  for (const auto& [name, templates] : grammar.commandOrder()) {
    text += name + ':';
    for (const Grammar::OrderTemplate& templ : templates) {
      text += std::to_string(templ.orderNo);
      for (const auto& [node, ends] : templ.path) text += ' ' + node->firstKey() + (ends ? "$" : "");
      text += ';';
    }
    text += '\n';
  }
  return text;
}

class GrammarImageTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(cache_.path().empty()); }
  // The product grammar as the mode files give it.
  static std::shared_ptr<Grammar> fromFiles() {
    return loadGrammar(GrammarOptions{VEXA_SOURCE_RESOURCE_DIR, true, false}).grammar;
  }
  TempDir cache_;
};

TEST_F(GrammarImageTest, ReadsBackTheGrammarItWasWrittenFrom) {
  const std::shared_ptr<Grammar> files = fromFiles();
  ASSERT_TRUE(files->hasAllModes());
  const std::string path = cache_.path() + "grammar.img";
  ASSERT_TRUE(GrammarImage::write(*files, 42, path));
  const std::shared_ptr<Grammar> image = GrammarImage::read(VEXA_SOURCE_RESOURCE_DIR, 42, path);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->nodeCount(), files->nodeCount());
  EXPECT_EQ(grammarText(*image), grammarText(*files));
  // A grammar read from an image (its nodes made in blocks) is written and
  // read back the same.
  ASSERT_TRUE(GrammarImage::write(*image, 42, cache_.path() + "again.img"));
  const std::shared_ptr<Grammar> again =
      GrammarImage::read(VEXA_SOURCE_RESOURCE_DIR, 42, cache_.path() + "again.img");
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(grammarText(*again), grammarText(*files));
  // Read the same way: a configuration that uses sub-modes, option groups,
  // loops and key tables, with its order numbers.
  const std::string text =
      "hostname r1\ninterface GigabitEthernet0/1\n ip address 10.0.0.1 255.255.255.0\n"
      " switchport trunk allowed vlan 10,20\nrouter bgp 65000\n neighbor 10.0.0.2 remote-as 1\n"
      " address-family ipv4\n  neighbor 10.0.0.2 activate\nsnmp-server enable traps ike policy "
      "add\nip access-list extended A\n 10 permit tcp any any eq 22 log\n";
  EXPECT_EQ(VexaParserUtil::normalizeConfigCmds(*image, text),
            VexaParserUtil::normalizeConfigCmds(*files, text));

  // Not used: another fingerprint, a damaged byte, a cut-short file.
  EXPECT_EQ(GrammarImage::read(VEXA_SOURCE_RESOURCE_DIR, 43, path), nullptr);
  std::string bytes = cache_.read("grammar.img");
  for (const std::string& broken :
       {bytes.substr(0, bytes.size() / 2), std::string(bytes).replace(bytes.size() / 2, 1, "\x7f")}) {
    cache_.write("grammar.img", broken);
    EXPECT_EQ(GrammarImage::read(VEXA_SOURCE_RESOURCE_DIR, 42, path), nullptr);
  }
}

TEST_F(GrammarImageTest, FingerprintFollowsTheFilesAndWaitsForThemToSettle) {
  TempDir resources;
  resources.write("files/view_mode.cfm", "show|show things|n||\n");
  resources.write("files/keyfiles/k", "a|b\n");
  // Just written: its times might not yet tell a further change apart.
  EXPECT_EQ(GrammarImage::fingerprint(resources.path()), GrammarImage::kRacy);
  const int64_t usual = GrammarImage::settleNanos().exchange(0);
  const uint64_t before = GrammarImage::fingerprint(resources.path());
  EXPECT_NE(before, GrammarImage::kRacy);
  EXPECT_EQ(GrammarImage::fingerprint(resources.path()), before);
  resources.write("files/keyfiles/k", "a|bc\n");
  const uint64_t changed = GrammarImage::fingerprint(resources.path());
  resources.write("files/keyfiles/more", "");
  EXPECT_NE(changed, before);
  EXPECT_NE(GrammarImage::fingerprint(resources.path()), changed);

  // A load writes the image to the cache folder and the next load reads it.
  const ScopedEnv cache("VEXA_CACHE_DIR", cache_.path().c_str());
  const std::string path = GrammarImage::imagePath(VEXA_SOURCE_RESOURCE_DIR);
  EXPECT_EQ(path.rfind(cache_.path(), 0), 0u) << path;
  const GrammarLoad first = loadGrammar(GrammarOptions{VEXA_SOURCE_RESOURCE_DIR, true, true});
  const std::string written = cache_.read(path.substr(cache_.path().size()));
  EXPECT_FALSE(written.empty());
  // Complex children are numbered from a random start on every load from
  // the files: the second load has the first one's numbers.
  const GrammarLoad second = loadGrammar(GrammarOptions{VEXA_SOURCE_RESOURCE_DIR, true, true});
  EXPECT_EQ(grammarText(*second.grammar), grammarText(*first.grammar));
  EXPECT_EQ(cache_.read(path.substr(cache_.path().size())), written);
  GrammarImage::settleNanos() = usual;
}

}  // namespace
}  // namespace vexaparser::testing
