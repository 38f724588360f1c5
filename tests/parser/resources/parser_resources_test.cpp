// Resource creation and release: mode trees, prompts, key tables, the
// command flag file and the failure rules.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>

#include "resource_test_support.h"
#include "vexa/host/pathname.h"
#include "vexa/parser/command_flag.h"
#include "vexa/parser/tree_dump.h"
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
  const Node* rootOf(VTYModeType mode) {
    const ParserTree* tree = resources().modeTree(mode);
    return tree == nullptr ? nullptr : tree->root;
  }
};

// The trees' contents are walked through the terminal (tests/parser/cli);
// here only what creation itself adds: prompts and sub-mode files.
TEST_F(ResourceCreationTest, BuildsThreeModeTreesWithTheirPromptsAndSubModes) {
  create("full");
  EXPECT_TRUE(VexaParserUtil::resourcesReady());
  const std::pair<VTYModeType, const char*> prompts[] = {
      {VIEW_MODE, ">"}, {EXECUTION_MODE, "#"}, {CONFIGURATION_MODE, "(config)#"}};
  for (const auto& [mode, prompt] : prompts) {
    ASSERT_NE(rootOf(mode), nullptr) << mode;
    EXPECT_TRUE(rootOf(mode)->modeMark) << mode;
    EXPECT_EQ(resources().modePrompt(rootOf(mode)), prompt) << mode;
  }
  EXPECT_EQ(resources().modeTrees().size(), 3u);
  // Sub-modes open on their <cr> lines; "line" grafts the file "interface"
  // loaded, so its nodes are shared.
  const Node* config = rootOf(CONFIGURATION_MODE);
  const Node* ifEnd = child(child(child(config, "interface"), "&interfacefile.cfm"), kEndKey);
  const Node* lineEnd = child(child(config, "line"), kEndKey);
  EXPECT_TRUE(ifEnd->modeMark);
  EXPECT_EQ(ifEnd->modeName, "(config-if)#");
  EXPECT_EQ(resources().modePrompt(lineEnd), "(config-line)#");
  EXPECT_EQ(lineEnd->children, ifEnd->children);
  EXPECT_NE(child(ifEnd, "shutdown"), nullptr);
  EXPECT_THAT(keysOf(resources().modeTree(CONFIGURATION_MODE)->subModeFiles),
              ElementsAre("if.cfm", "router.cfm"));
  EXPECT_THAT(resources().cmdOrderTable(), IsEmpty()) << "filled by the configuration model";
}

TEST_F(ResourceCreationTest, KeyTablesAreNamedAfterTheirFiles) {
  create("full");
  EXPECT_THAT(keysOf(resources().keyTables()), ElementsAre("&interfacefile.cfm", "&vrfnames"))
      << "a sub-folder of keyfiles is not a key file";
  const ParserResources::KeyTable* names = resources().keyTable("&interfacefile.cfm");
  ASSERT_NE(names, nullptr);
  // Lowered; one-field lines ignored; only the first two fields read.
  EXPECT_THAT(keysOf(*names), ElementsAre("<0-9>", "fastethernet", "gigabitethernet", "leading"));
  EXPECT_EQ(names->at("gigabitethernet"), "gigabitethernet ieee 802.3z");
  EXPECT_EQ(names->at("leading"), "empty");
  const ParserResources::KeyTable* vrfs = resources().keyTable("&vrfnames");
  ASSERT_NE(vrfs, nullptr);
  EXPECT_EQ(vrfs->at("red"), "the red vrf") << "no carriage return in the help";
  EXPECT_EQ(resources().keyTable("&missing"), nullptr);
}

TEST_F(ResourceCreationTest, CreationStopsAtAMissingModeFileWithoutOldTrees) {
  const struct {
    const char* set;
    bool view, execution;
  } cases[] = {{"missing_submode", true, true}, {"missing_view", false, false}};
  for (const auto& c : cases) {
    create("full");
    ASSERT_TRUE(VexaParserUtil::resourcesReady());
    create(c.set);
    EXPECT_EQ(rootOf(VIEW_MODE) != nullptr, c.view) << c.set;
    EXPECT_EQ(rootOf(EXECUTION_MODE) != nullptr, c.execution) << c.set;
    EXPECT_EQ(rootOf(CONFIGURATION_MODE), nullptr) << c.set << ": no mixture of old and new";
    EXPECT_FALSE(VexaParserUtil::resourcesReady()) << c.set;
  }
  resources().clearAll();
  create("missing_submode");
  EXPECT_THAT(resources().keyTables(), IsEmpty()) << "a missing keyfiles folder is no error";
}

// Stand-ins for template commands: the deleter is the only code that touches
// them, so their addresses suffice.
int deletedTemplates = 0;
void countDeletion(CiscoCommandLine*) { ++deletedTemplates; }

TEST_F(ResourceCreationTest, DestroyReleasesTreesAndTemplatesButKeepsNodes) {
  create("full");
  const Node* config = rootOf(CONFIGURATION_MODE);
  ASSERT_NE(config, nullptr);
  std::size_t nodes = resources().nodeCount();
  int storage[3] = {};
  auto fake = [&](int i) { return reinterpret_cast<CiscoCommandLine*>(&storage[i]); };
  resources().cmdOrderTable()["configuration_mod"] = {fake(0), fake(1)};
  resources().cmdOrderTable()["if"] = {fake(2)};
  resources().setCommandDeleter(&countDeletion);
  deletedTemplates = 0;
  EXPECT_TRUE(VexaParserUtil::Destroy());
  resources().setCommandDeleter(nullptr);
  EXPECT_EQ(deletedTemplates, 3);
  EXPECT_THAT(resources().modeTrees(), IsEmpty());
  EXPECT_EQ(resources().nodeCount(), nodes) << "nodes stay valid";
  create("full");
  EXPECT_TRUE(VexaParserUtil().Cleanup());
  EXPECT_THAT(resources().modeTrees(), IsEmpty());
  resources().releaseEverything();
  EXPECT_EQ(resources().nodeCount(), 0u);
  EXPECT_THAT(resources().modePrompts(), IsEmpty());
}

TEST_F(ResourceCreationTest, OverwriteSetComesFromTheFlagFileOnlyOnRequest) {
  create("full");
  EXPECT_THAT(overwriteCommandKeys(), IsEmpty()) << "creation does not read the flag file";
  overwriteCommandKeys().insert("stale");
  VexaParserUtil::setOverwriteCmds();
  EXPECT_THAT(overwriteCommandKeys(), ElementsAre("description", "hostname", "ipaddress"));

  useDataSet("missing_view");
  EXPECT_EQ(
      parserError(&VexaParserUtil::setOverwriteCmds),
      "error: can't open file: " + dataFolder("missing_view") + "files/commandflag/cisco.flg");
  EXPECT_THAT(overwriteCommandKeys(), IsEmpty());
}

// Mode files with hostile bytes, written to a private resource folder.
class HostileModeFileTest : public ResourceTest {
 protected:
  void SetUp() override {
    ResourceTest::SetUp();
    folder_ = vexahost::VexaFileSystem::GetTempFolder() + "hostile_" +
              std::to_string(std::random_device{}()) + "/";
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
    resources().clearAll();
    write("odd.cfm", text);
    ParserTree tree("odd.cfm");
    ASSERT_NE(tree.root, nullptr);
    EXPECT_TRUE(tree.buildStack.empty());
  }
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
