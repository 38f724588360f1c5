// The "show running-config" listing: baseline, delta file and typed commands
// merged, then the fallback from that running configuration back to the
// baseline between "!" and "!\nend\n".
#include "vexa/parser/running_config.h"

#include <string>

#include "model_test_support.h"
#include "vexa/host/pathname.h"
#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/vty.h"

namespace vexaparser::testing {
namespace {

const std::string kBaseline = config({
    "hostname r1",
    "!",
    "interface Fa0",
    " ip address 10.1.0.1 255.255.255.0",
    "!",
    "end",
});

class RunningConfigTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    folder_ = vexahost::VexaFileSystem::GetTempFolder() + "running_config_test/";
    vexahost::Pathname(folder_).removeFile(true);
    ASSERT_TRUE(vexahost::Pathname(folder_).makeDirectories());
    baselinePath_ = writeFile("r1.cfg", kBaseline);
    baseline_.SetConfigFilePath("r1", baselinePath_);
    source_.hostName = "R1";
    source_.configFile = "r1";
    source_.baseline = &baseline_;
    source_.project = &project_;
  }
  void TearDown() override {
    vexahost::Pathname(folder_).removeFile(true);
    ModelTest::TearDown();
  }

  std::string writeFile(const std::string& name, const std::string& text) {
    const std::string path = folder_ + name;
    EXPECT_TRUE(vexahost::Pathname(path).writeAll(text));
    return path;
  }
  // The listing, or "<nothing>" when none is written.
  std::string listing() {
    RunningConfigListing result;
    if (!buildRunningConfigListing(source_, result)) return "<nothing>";
    return result.listing;
  }

  std::string folder_;
  std::string baselinePath_;
  vexahost::VexaFileSystem baseline_;
  vexahost::VexaFileSystem project_;
  RunningConfigSource source_;
};

TEST_F(RunningConfigTest, UnchangedDeviceListsAnEmptyFallback) {
  EXPECT_EQ(listing(), "!\n!\nend\n\n");
}

TEST_F(RunningConfigTest, TypedCommandsAreListedAsTheirUndo) {
  source_.deltaCommands = config({"hostname r2", "interface Fa0", " shutdown"});
  EXPECT_EQ(listing(),
            config({"!", "hostname r1 ", "interface Fa0 ", " no shutdown ", "!", "!", "end", ""}));
}

TEST_F(RunningConfigTest, DeltaFileIsMergedBeforeTheTypedCommands) {
  project_.SetConfigDeltaFilePath(
      "r1", writeFile("r1.delta", config({"logging 10.0.0.60", "hostname r5"})));
  source_.deltaCommands = config({"hostname r2"});
  RunningConfigListing result;
  ASSERT_TRUE(buildRunningConfigListing(source_, result));
  EXPECT_EQ(result.running, config({"hostname r2 ", "logging 10.0.0.60 ", "interface Fa0 ",
                                    " ip address 10.1.0.1 255.255.255.0 ", "!"}));
  EXPECT_EQ(result.listing, config({"!", "hostname r1 ", "no logging 10.0.0.60 ", "!", "end", ""}));
}

TEST_F(RunningConfigTest, MissingPiecesListNothing) {
  source_.hostName = "hostName";
  EXPECT_EQ(listing(), "<nothing>") << "scratch terminal";
  source_.hostName = "R1";
  source_.configFile = "unknown-device";
  EXPECT_EQ(listing(), "<nothing>") << "no baseline path";
  source_.configFile = "r1";
  baseline_.SetConfigFilePath("r1", folder_ + "absent.cfg");
  EXPECT_EQ(listing(), "<nothing>") << "unreadable baseline";
  baseline_.SetConfigFilePath("r1", baselinePath_);
  project_.SetConfigDeltaFilePath("r1", folder_ + "absent.delta");
  EXPECT_EQ(listing(), "<nothing>") << "unreadable delta file";
  source_.baseline = nullptr;
  EXPECT_EQ(listing(), "<nothing>") << "no baseline file system";
}

// "show running-config" typed in a terminal reads the host's current file
// systems and the terminal's own typed commands.
class ShowRunningConfigTest : public RunningConfigTest {
 protected:
  void SetUp() override {
    RunningConfigTest::SetUp();
    vexahost::VexaFileSystem::GetCurrBaselineFileSystem()->SetConfigFilePath("r1", baselinePath_);
  }
  void TearDown() override {
    vexahost::VexaFileSystem::GetCurrBaselineFileSystem()->Clear();
    vexahost::VexaFileSystem::GetCurrProjectFileSystem()->Clear();
    RunningConfigTest::TearDown();
  }
  static std::string show(const std::string& hostName, const std::string& typed) {
    VTY vty(hostName, true);
    vty.setConfigAndDeltaFile("r1", 0);
    vty.registerDeltaCmd(typed);
    vty.writeInput("enable\nshow running-config\n");
    vty.execute();
    std::string output;
    vty.getOutputString(output);
    return output;
  }
};

TEST_F(ShowRunningConfigTest, TerminalListsTheUndoOfItsTypedCommands) {
  EXPECT_EQ(show("R1", config({"hostname r2"})), "!\nhostname r1 \n!\nend\n\n");
  EXPECT_EQ(show("R1", ""), "!\n!\nend\n\n");
}

TEST_F(ShowRunningConfigTest, ScratchTerminalListsNothing) {
  EXPECT_EQ(show("hostName", config({"hostname r2"})), "");
}

}  // namespace
}  // namespace vexaparser::testing
