// Resource creation and release: mode trees, prompts, key tables, the
// command flag file and the failure rules.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "resource_test_support.h"
#include "vexa/host/pathname.h"
#include "vexa/parser/command_flag.h"
#include "vexa/parser/parser_exception.h"
#include "vexa/parser/vexa_parser_util.h"

namespace vexaparser::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ResourceCreationTest : public ResourceTest {
 protected:
  void create(const std::string& set) {
    useDataSet(set);
    VexaParserUtil::createParserResource();
  }
  const ParserTreeNode* rootOf(VTYModeType mode) {
    const ParserTree* tree = resources().modeTree(mode);
    return tree == nullptr ? nullptr : tree->root;
  }
};

TEST_F(ResourceCreationTest, BuildsThreeModeTreesWithTheirPrompts) {
  create("full");
  EXPECT_TRUE(VexaParserUtil::resourcesReady());
  const struct {
    VTYModeType mode;
    const char* prompt;
    const char* firstKey;
  } modes[] = {{VIEW_MODE, ">", "enable"},
               {EXECUTION_MODE, "#", "configure"},
               {CONFIGURATION_MODE, "(config)#", "hostname"}};
  for (const auto& m : modes) {
    const ParserTreeNode* root = rootOf(m.mode);
    ASSERT_NE(root, nullptr) << m.prompt;
    EXPECT_TRUE(root->modeMark) << m.prompt;
    EXPECT_EQ(resources().modePrompt(root), m.prompt);
    EXPECT_EQ(root->children.begin()->first, m.firstKey) << m.prompt;
  }
  EXPECT_THAT(resources().modeTrees().size(), 3u);
}

TEST_F(ResourceCreationTest, SubModesOpenOnTheirCrLines) {
  create("full");
  const ParserTreeNode* config = rootOf(CONFIGURATION_MODE);
  ASSERT_NE(config, nullptr);
  const ParserTreeNode* names = child(child(config, "interface"), "&interfacefile.cfm");
  ASSERT_NE(names, nullptr);
  const ParserTreeNode* enter = child(names, kEndKey);
  ASSERT_NE(enter, nullptr);
  EXPECT_TRUE(enter->endMark);
  EXPECT_TRUE(enter->modeMark);
  EXPECT_EQ(enter->modeName, "(config-if)#");
  EXPECT_EQ(enter->modeFileName, "if.cfm");
  EXPECT_EQ(resources().modePrompt(enter), "(config-if)#");
  EXPECT_FALSE(names->modeMark);
  // The sub-mode's commands in their groups.
  EXPECT_THAT(keysOf(enter->children), ElementsAre("shutdown"));
  EXPECT_THAT(keysOf(enter->optionalChildren), ElementsAre("no-op"));
  EXPECT_THAT(keysOf(enter->optionChildren), ElementsAre("description"));
  EXPECT_EQ(enter->helpMap.at("shutdown"), "shutdown the selected interface");
  // "line" grafts the same file: loaded once for the tree, nodes shared.
  const ParserTreeNode* line = child(child(config, "line"), kEndKey);
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(resources().modePrompt(line), "(config-line)#");
  EXPECT_EQ(child(line, "shutdown"), child(enter, "shutdown"));
  const ParserTree* tree = resources().modeTree(CONFIGURATION_MODE);
  EXPECT_THAT(keysOf(tree->subModeFiles), ElementsAre("if.cfm", "router.cfm"));
  const ParserTreeNode* router =
      child(child(child(child(config, "router"), "ospf"), "<1-65535>"), kEndKey);
  ASSERT_NE(router, nullptr);
  EXPECT_EQ(resources().modePrompt(router), "(config-router)#");
  EXPECT_NE(child(router, "network"), nullptr);
}

TEST_F(ResourceCreationTest, KeyTablesAreNamedAfterTheirFiles) {
  create("full");
  EXPECT_THAT(keysOf(resources().keyTables()), ElementsAre("&interfacefile.cfm", "&vrfnames"))
      << "a sub-folder of keyfiles is not a key file";
  const ParserResources::KeyTable* names = resources().keyTable("&interfacefile.cfm");
  ASSERT_NE(names, nullptr);
  // Lowered; one-field lines ignored; only the first two fields read.
  EXPECT_THAT(keysOf(*names), ElementsAre("<0-9>", "fastethernet", "gigabitethernet", "leading"));
  EXPECT_EQ(names->at("fastethernet"), "fast ethernet ieee 802.3");
  EXPECT_EQ(names->at("gigabitethernet"), "gigabitethernet ieee 802.3z");
  EXPECT_EQ(names->at("leading"), "empty");
  const ParserResources::KeyTable* vrfs = resources().keyTable("&vrfnames");
  ASSERT_NE(vrfs, nullptr);
  EXPECT_EQ(vrfs->at("red"), "the red vrf") << "no carriage return in the help";
  EXPECT_EQ(resources().keyTable("&missing"), nullptr);
}

TEST_F(ResourceCreationTest, MissingKeyFileFolderIsNotAnError) {
  create("missing_submode");
  EXPECT_THAT(resources().keyTables(), IsEmpty());
  EXPECT_NE(rootOf(VIEW_MODE), nullptr);
}

TEST_F(ResourceCreationTest, MissingViewModeLeavesNoTrees) {
  create("missing_view");
  EXPECT_THAT(resources().modeTrees(), IsEmpty());
  EXPECT_FALSE(VexaParserUtil::resourcesReady());
}

TEST_F(ResourceCreationTest, MissingSubModeFileStopsAtItsModeFile) {
  create("missing_submode");
  EXPECT_NE(rootOf(VIEW_MODE), nullptr);
  EXPECT_NE(rootOf(EXECUTION_MODE), nullptr);
  EXPECT_EQ(rootOf(CONFIGURATION_MODE), nullptr);
  EXPECT_FALSE(VexaParserUtil::resourcesReady());
}

TEST_F(ResourceCreationTest, RecreationReplacesEarlierTrees) {
  create("full");
  ASSERT_TRUE(VexaParserUtil::resourcesReady());
  create("missing_view");
  EXPECT_THAT(resources().modeTrees(), IsEmpty()) << "no mixture of old and new trees";
}

TEST_F(ResourceCreationTest, DestroyReleasesTreesButKeepsNodes) {
  create("full");
  const ParserTreeNode* config = rootOf(CONFIGURATION_MODE);
  ASSERT_NE(config, nullptr);
  std::size_t nodes = resources().nodeCount();
  EXPECT_TRUE(VexaParserUtil::Destroy());
  EXPECT_THAT(resources().modeTrees(), IsEmpty());
  EXPECT_FALSE(VexaParserUtil::resourcesReady());
  EXPECT_EQ(resources().nodeCount(), nodes);
  EXPECT_NE(child(config, "hostname"), nullptr) << "nodes stay valid";
  create("full");
  VexaParserUtil util;
  EXPECT_TRUE(util.Cleanup());
  EXPECT_THAT(resources().modeTrees(), IsEmpty());
  resources().releaseEverything();
  EXPECT_EQ(resources().nodeCount(), 0u);
  EXPECT_THAT(resources().modePrompts(), IsEmpty());
}

// Stand-ins for template commands: the deleter is the only code that touches
// them, so their addresses suffice.
int deletedTemplates = 0;
void countDeletion(CiscoCommandLine*) { ++deletedTemplates; }

TEST_F(ResourceCreationTest, DestroyReleasesCommandOrderTemplatesThroughTheDeleter) {
  int storage[3] = {};
  auto fake = [&](int i) { return reinterpret_cast<CiscoCommandLine*>(&storage[i]); };
  resources().cmdOrderTable()["configuration_mod"] = {fake(0), fake(1)};
  resources().cmdOrderTable()["if"] = {fake(2)};
  resources().setCommandDeleter(&countDeletion);
  deletedTemplates = 0;
  VexaParserUtil::destroyParserResource();
  resources().setCommandDeleter(nullptr);
  EXPECT_EQ(deletedTemplates, 3);
  EXPECT_THAT(resources().cmdOrderTable(), IsEmpty());
}

TEST_F(ResourceCreationTest, CreationLeavesTheCommandOrderTableEmptyForNow) {
  create("full");
  EXPECT_THAT(resources().cmdOrderTable(), IsEmpty());
}

TEST_F(ResourceCreationTest, OverwriteSetComesFromTheFlagFileOnlyOnRequest) {
  create("full");
  EXPECT_THAT(overwriteCommandKeys(), IsEmpty()) << "creation does not read the flag file";
  overwriteCommandKeys().insert("stale");
  VexaParserUtil::setOverwriteCmds();
  EXPECT_THAT(overwriteCommandKeys(), ElementsAre("description", "hostname", "ipaddress"));
  EXPECT_EQ(&resources().overwriteSet(), &overwriteCommandKeys());
}

TEST_F(ResourceCreationTest, MissingFlagFileRaisesAndEmptiesTheSet) {
  useDataSet("missing_view");
  overwriteCommandKeys().insert("stale");
  try {
    VexaParserUtil::setOverwriteCmds();
    ADD_FAILURE() << "no exception";
  } catch (const ParserException& e) {
    EXPECT_EQ(e.getMessage(), "error: can't open file: " + dataFolder("missing_view") +
                                  "files/commandflag/cisco.flg");
  }
  EXPECT_THAT(overwriteCommandKeys(), IsEmpty());
}

// Mode files with hostile bytes, written to a private resource folder.
class HostileModeFileTest : public ResourceTest {
 protected:
  void SetUp() override {
    ResourceTest::SetUp();
    folder_ = vexahost::VexaFileSystem::GetTempFolder() + "h-res-hostile/";
    vexahost::Pathname(folder_ + "files/keyfiles").makeDirectories();
    vexahost::VexaFileSystem::SetSystemResourceFolder(folder_);
  }
  void TearDown() override {
    vexahost::Pathname(folder_).removeFile(true);
    ResourceTest::TearDown();
  }
  void write(const std::string& name, const std::string& text) {
    ASSERT_TRUE(vexahost::Pathname(folder_ + "files/" + name).writeAll(text));
  }
  std::string folder_;
};

TEST_F(HostileModeFileTest, OddBytesAndShapesLoad) {
  const std::string cases[] = {
      "",
      "\n\n\r\n",
      "!\n!\n!\n",
      "|\n||\n|||\n||||\n",
      std::string("a\0b|h\0elp|k||\n", 15) + "\xff\xfe|\x80|ob/oe|cf|\n",
      "[|x||\n[]|y||\n]|z||\n<cr>|end||@\n",
      "#|\n#|\n#|ob||\n",
      "x|x|le/lb/oe/ob/cf|,,,|&\n" + std::string(100000, 'w') + "|h||\n",
      "deep|||\n" + std::string(5000, 'd') + "\n",
  };
  for (const std::string& text : cases) {
    ResourceTest::SetUp();
    vexahost::VexaFileSystem::SetSystemResourceFolder(folder_);
    write("odd.cfm", text);
    ParserTree tree("odd.cfm");
    ASSERT_NE(tree.root, nullptr);
    EXPECT_TRUE(tree.buildStack.empty());
  }
}

TEST_F(HostileModeFileTest, DeepNestingAndLongChains) {
  std::string text;
  for (int i = 0; i < 3000; ++i) text += "w" + std::to_string(i) + "|h|le||\n";
  write("deep.cfm", text);
  ParserTree tree("deep.cfm");
  const ParserTreeNode* node = tree.root;
  int depth = 0;
  while (!node->children.empty()) {
    node = node->children.begin()->second;
    ++depth;
  }
  EXPECT_EQ(depth, 3000);
}

TEST_F(HostileModeFileTest, KeyFileWithBinaryContent) {
  ASSERT_TRUE(vexahost::Pathname(folder_ + "files/keyfiles/bin")
                  .writeAll(std::string("k\0ey|h\xff\n\n|\n", 12)));
  write("view_mode.cfm", "a|a||\n");
  VexaParserUtil::createParserResource();
  const ParserResources::KeyTable* table = resources().keyTable("&bin");
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->size(), 1u);
  EXPECT_EQ(table->begin()->first, std::string("k\0ey", 4));
  EXPECT_NE(resources().modeTree(VIEW_MODE), nullptr);
  EXPECT_EQ(resources().modeTree(EXECUTION_MODE), nullptr);
}

}  // namespace
}  // namespace vexaparser::testing
