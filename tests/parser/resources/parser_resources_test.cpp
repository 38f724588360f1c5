// Loading a grammar: mode trees, prompts, key tables, the command flag file
// and the failure rules; and the default grammar of the documented statics.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "host/temp_dir.h"
#include "resource_test_support.h"
#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/grammar_loader.h"
#include "vexa/parser/parser_resources.h"
#include "vexa/parser/vexa_parser_util.h"
#include "vexa/parser/vty.h"

namespace vexaparser::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class GrammarLoadTest : public ResourceTest {
 protected:
  static GrammarLoad loadSet(const std::string& set) {
    return loadGrammar(GrammarOptions{dataFolder(set), true});
  }
  static const Node* rootOf(const Grammar& grammar, VTYModeType mode) {
    const ParserTree* tree = grammar.modeTree(mode);
    return tree == nullptr ? nullptr : tree->root;
  }
};

// The trees' contents are walked through the terminal (tests/parser/cli);
// here only what loading itself adds: prompts and sub-mode files.
TEST_F(GrammarLoadTest, BuildsThreeModeTreesWithTheirPromptsAndSubModes) {
  const GrammarLoad load = loadSet("full");
  EXPECT_EQ(load.error, "");
  const Grammar& grammar = *load.grammar;
  EXPECT_TRUE(grammar.hasAllModes());
  const std::pair<VTYModeType, const char*> prompts[] = {
      {VIEW_MODE, ">"}, {EXECUTION_MODE, "#"}, {CONFIGURATION_MODE, "(config)#"}};
  for (const auto& [mode, prompt] : prompts) {
    ASSERT_NE(rootOf(grammar, mode), nullptr) << mode;
    EXPECT_TRUE(rootOf(grammar, mode)->modeMark) << mode;
    EXPECT_EQ(grammar.modePrompt(rootOf(grammar, mode)), prompt) << mode;
  }
  // Sub-modes open on their <cr> lines; "line" grafts the file "interface"
  // loaded, so its nodes are shared.
  const Node* config = rootOf(grammar, CONFIGURATION_MODE);
  const Node* ifEnd = child(child(child(config, "interface"), "&interfacefile.cfm"), kEndKey);
  const Node* lineEnd = child(child(config, "line"), kEndKey);
  EXPECT_TRUE(ifEnd->modeMark);
  EXPECT_EQ(ifEnd->modeName, "(config-if)#");
  EXPECT_EQ(grammar.modePrompt(lineEnd), "(config-line)#");
  EXPECT_EQ(lineEnd->children, ifEnd->children);
  EXPECT_NE(child(ifEnd, "shutdown"), nullptr);
  EXPECT_THAT(keysOf(grammar.modeTree(CONFIGURATION_MODE)->subModeFiles),
              ElementsAre("if.cfm", "router.cfm"));
  EXPECT_THAT(grammar.commandOrder(), IsEmpty()) << "no commandorder folder";
  EXPECT_THAT(grammar.overwriteKeys(), ElementsAre("description", "hostname", "ipaddress"));
}

TEST_F(GrammarLoadTest, KeyTablesAreNamedAfterTheirFiles) {
  const GrammarLoad load = loadSet("full");
  EXPECT_THAT(keysOf(load.grammar->keyTables()), ElementsAre("&interfacefile.cfm", "&vrfnames"))
      << "a sub-folder of keyfiles is not a key file";
  const Grammar::KeyTable* names = load.grammar->keyTable("&interfacefile.cfm");
  ASSERT_NE(names, nullptr);
  // Lowered; one-field lines ignored; only the first two fields read.
  EXPECT_THAT(keysOf(*names), ElementsAre("<0-9>", "fastethernet", "gigabitethernet", "leading"));
  EXPECT_EQ(names->at("gigabitethernet"), "gigabitethernet ieee 802.3z");
  EXPECT_EQ(names->at("leading"), "empty");
  const Grammar::KeyTable* vrfs = load.grammar->keyTable("&vrfnames");
  ASSERT_NE(vrfs, nullptr);
  EXPECT_EQ(vrfs->at("red"), "the red vrf") << "no carriage return in the help";
  EXPECT_EQ(load.grammar->keyTable("&missing"), nullptr);
}

TEST_F(GrammarLoadTest, LoadStopsAtAMissingModeFileAndNamesIt) {
  const std::string files = dataFolder("missing_submode") + "files/";
  const struct {
    const char* set;
    bool view, execution;
    std::string error;
  } cases[] = {{"missing_submode", true, true,
                "configuration_mod.cfm:9: error: can't open file: " + files + "not_there.cfm"},
               {"missing_view", false, false,
                "error: can't open file: " + dataFolder("missing_view") + "files/view_mode.cfm"}};
  for (const auto& c : cases) {
    const GrammarLoad load = loadSet(c.set);
    EXPECT_EQ(load.error, c.error) << c.set;
    EXPECT_EQ(rootOf(*load.grammar, VIEW_MODE) != nullptr, c.view) << c.set;
    EXPECT_EQ(rootOf(*load.grammar, EXECUTION_MODE) != nullptr, c.execution) << c.set;
    EXPECT_EQ(rootOf(*load.grammar, CONFIGURATION_MODE), nullptr) << c.set;
    EXPECT_FALSE(load.grammar->hasAllModes()) << c.set;
    EXPECT_THAT(load.grammar->keyTables(), IsEmpty()) << "a missing keyfiles folder is no error";
  }
}

// The default grammar behind VexaParserUtil's resource statics.
TEST_F(GrammarLoadTest, DefaultGrammarIsCreatedReplacedAndDropped) {
  ParserResources& resources = ParserResources::instance();
  resources.install(std::make_shared<Grammar>(""));
  vexahost::VexaFileSystem::SetSystemResourceFolder(dataFolder("full"));
  VexaParserUtil::createParserResource();
  ASSERT_TRUE(VexaParserUtil::resourcesReady()) << resources.loadError();
  EXPECT_THAT(resources.overwriteSet(), IsEmpty()) << "creation does not read the flag file";
  VexaParserUtil::setOverwriteCmds();
  EXPECT_THAT(resources.overwriteSet(), ElementsAre("description", "hostname", "ipaddress"));
  const Node* root = resources.modeTree(CONFIGURATION_MODE)->root;

  vexahost::VexaFileSystem::SetSystemResourceFolder(dataFolder("missing_submode"));
  VexaParserUtil::createNewParserResource();
  EXPECT_FALSE(VexaParserUtil::resourcesReady()) << "no mixture of old and new trees";
  EXPECT_NE(resources.modeTree(EXECUTION_MODE), nullptr) << "what was built stays";
  EXPECT_NE(resources.loadError(), "");
  EXPECT_EQ(resources.overwriteSet().size(), 3u) << "the overwrite set outlives its grammar";
  EXPECT_TRUE(root->modeMark) << "an old grammar's nodes stay valid";

  EXPECT_TRUE(VexaParserUtil::Destroy());
  EXPECT_TRUE(VexaParserUtil().Cleanup());
  EXPECT_EQ(resources.modeTree(VIEW_MODE), nullptr);
  EXPECT_EQ(VTY::create("Router", true), nullptr);
  EXPECT_EQ(
      parserError(&VexaParserUtil::setOverwriteCmds),
      "error: can't open file: " + dataFolder("missing_submode") + "files/commandflag/cisco.flg");
  EXPECT_THAT(resources.overwriteSet(), IsEmpty());
  vexahost::VexaFileSystem::SetSystemResourceFolder("");
}

// Mode files with hostile bytes, written to a private resource folder.
class HostileModeFileTest : public ResourceTest {
 protected:
  void write(const std::string& name, const std::string& text) {
    dir_.write("files/" + name, text);
  }
  vexahost::testing::TempDir dir_;
};

// 3000 loop ends in a row: each nests below the one before.
std::string deepChain() {
  std::string text;
  for (int i = 0; i < 3000; ++i) text += "w" + std::to_string(i) + "|h|le||\n";
  return text;
}

TEST_F(HostileModeFileTest, OddBytesAndShapesLoad) {
  // clang-format off
  const std::string cases[] = {
      "", "\n\n\r\n", "|\n||\n|||\n||||\n", "#|\n#|\n#|ob||\n",
      std::string("a\0b|h\0elp|k||\n", 15) + "\xff\xfe|\x80|ob/oe|cf|\n",
      "[|x||\n[]|y||\n]|z||\n<cr>|end||@\n",
      "x|x|le/lb/oe/ob/cf|,,,|&\n" + std::string(100000, 'w') + "|h||\n", deepChain()};
  // clang-format on
  for (const std::string& text : cases) {
    grammar_ = std::make_shared<Grammar>(dir_.path());
    write("odd.cfm", text);
    const ParserTree tree = load("odd.cfm");
    ASSERT_NE(tree.root, nullptr);
    EXPECT_TRUE(tree.buildStack.empty());
  }
}

TEST_F(HostileModeFileTest, KeyFileWithBinaryContent) {
  write("keyfiles/bin", std::string("k\0ey|h\xff\n\n|\n", 12));
  write("view_mode.cfm", "a|a||\n");
  const GrammarLoad load = loadGrammar(GrammarOptions{dir_.path(), true});
  const Grammar::KeyTable* table = load.grammar->keyTable("&bin");
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->size(), 1u);
  EXPECT_EQ(table->begin()->first, std::string("k\0ey", 4));
  EXPECT_NE(load.grammar->modeTree(VIEW_MODE), nullptr);
  EXPECT_EQ(load.grammar->modeTree(EXECUTION_MODE), nullptr);
}

}  // namespace
}  // namespace vexaparser::testing
