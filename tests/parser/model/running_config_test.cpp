// The "show running-config" listing: baseline, delta file and typed commands
// merged, then the fallback from that running configuration back to the
// baseline between "!" and "!\nend\n".
#include "vexa/parser/running_config.h"

#include <string>

#include "host/temp_dir.h"
#include "model_test_support.h"
#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/vty.h"

namespace vexaparser::testing {
namespace {

class RunningConfigTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    baseline_.SetConfigFilePath("r1", baselinePath_);
    source_ = {"R1", "r1", 0, "", &baseline_, &project_};
  }
  void TearDown() override {
    vexahost::VexaFileSystem::GetCurrBaselineFileSystem()->Clear();
    vexahost::VexaFileSystem::GetCurrProjectFileSystem()->Clear();
  }

  // The listing, or "<nothing>" when none is written.
  std::string listing() {
    RunningConfigListing result;
    if (!buildRunningConfigListing(*grammar_, source_, result)) return "<nothing>";
    return result.listing;
  }
  // What "show running-config" typed in a terminal prints: it reads the
  // host's current file systems and the terminal's own typed commands.
  std::string show(const std::string& hostName, const std::string& typed) {
    vexahost::VexaFileSystem::GetCurrBaselineFileSystem()->SetConfigFilePath("r1", baselinePath_);
    VTY vty(grammar_, TerminalOptions{hostName, true, hostRunningConfigLister()});
    vty.setConfigAndDeltaFile("r1", 0);
    vty.registerDeltaCmd(typed);
    vty.writeInput("enable\nshow running-config\n");
    vty.execute();
    std::string output;
    vty.getOutputString(output);
    return output;
  }

  vexahost::testing::TempDir dir_;
  const std::string baselinePath_ = dir_.write(
      "r1.cfg", lines("hostname r1|!|interface Fa0| ip address 10.1.0.1 255.0.0.0|!|end"));
  vexahost::VexaFileSystem baseline_, project_;
  RunningConfigSource source_;
};

TEST_F(RunningConfigTest, TypedCommandsAreListedAsTheirUndo) {
  EXPECT_EQ(listing(), "!\n!\nend\n\n");
  source_.deltaCommands = lines("hostname r2|interface Fa0| shutdown");
  EXPECT_EQ(listing(), lines("!|hostname r1 |interface Fa0 | no shutdown |!|!|end|"));
  EXPECT_EQ(show("R1", lines("hostname r2")), "!\nhostname r1 \n!\nend\n\n");
  EXPECT_EQ(show("hostName", lines("hostname r2")), "") << "scratch terminal";
}

TEST_F(RunningConfigTest, DeltaFileIsMergedBeforeTheTypedCommands) {
  project_.SetConfigDeltaFilePath("r1",
                                  dir_.write("r1.delta", lines("logging 10.0.0.60|hostname r5")));
  source_.deltaCommands = lines("hostname r2");
  RunningConfigListing result;
  ASSERT_TRUE(buildRunningConfigListing(*grammar_, source_, result));
  EXPECT_EQ(result.running, lines("hostname r2 |logging 10.0.0.60 |interface Fa0 |"
                                  " ip address 10.1.0.1 255.0.0.0 |!"));
  EXPECT_EQ(result.listing, lines("!|hostname r1 |no logging 10.0.0.60 |!|end|"));
}

TEST_F(RunningConfigTest, MissingPiecesListNothing) {
  source_.hostName = "hostName";
  EXPECT_EQ(listing(), "<nothing>") << "scratch terminal";
  source_.hostName = "R1";
  source_.configFile = "unknown-device";
  EXPECT_EQ(listing(), "<nothing>") << "no baseline path";
  source_.configFile = "r1";
  baseline_.SetConfigFilePath("r1", dir_.path() + "absent.cfg");
  EXPECT_EQ(listing(), "<nothing>") << "unreadable baseline";
  baseline_.SetConfigFilePath("r1", baselinePath_);
  project_.SetConfigDeltaFilePath("r1", dir_.path() + "absent.delta");
  EXPECT_EQ(listing(), "<nothing>") << "unreadable delta file";
  source_.baseline = nullptr;
  EXPECT_EQ(listing(), "<nothing>") << "no baseline file system";
}

}  // namespace
}  // namespace vexaparser::testing
