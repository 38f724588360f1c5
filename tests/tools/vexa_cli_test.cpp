// vexa-cli with scripted keys (--keys) on the bundled sample router: the
// terminal text a user would see, the delta and history files across
// sessions, and the errors that end it before or after the session.
#include <string>

#include "tools/vexa_config_test_support.h"

namespace {

using namespace vexatools::testing;
using CliRun = ToolRun;

class VexaCliTest : public ::testing::Test {
 protected:
  // Runs vexa-cli with args and the key bytes in a --keys file.
  CliRun run(const std::string& keys, Args args = {}) {
    args.insert(args.begin(), {"--keys", dir_.write("keys", keys)});
    return runCommand(dir_, commandLine("vexa-cli", args));
  }
  vexahost::testing::TempDir dir_;
};

TEST_F(VexaCliTest, SessionsShowTheTerminalTextAndKeepTheirWorkInTheDeltaFile) {
  const std::string delta = dir_.path() + "r.delta";
  const std::string history = dir_.path() + "r.history";
  CliRun r =
      run("enable\rconfigure terminal\rinterface GigabitEthernet0/3\rdescription spare\r"
          "end\rexit\rexit\rnever typed",
          {"--delta", delta, "--history", history});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "branch-rtr1>enable\nbranch-rtr1#configure terminal\n"
            "Enter configuration commands, one per line.\n"
            "branch-rtr1(config)#interface GigabitEthernet0/3\n"
            "branch-rtr1(config-if)#description spare\nbranch-rtr1(config-if)#end\n"
            "branch-rtr1#exit\nbranch-rtr1>exit\nbranch-rtr1>\n");
  EXPECT_EQ(dir_.read("r.delta"), "interface gigabitethernet 0/3 \ndescription spare \n");

  // The next session sees the stored change, gets the history back (Up),
  // and leaves with ^D; the listing undoes what the delta file changed.
  r = run("enable\rshow running-config\r\x1b[A\x15\x04",
          {"--delta", delta, "--history", history, "--hostname", "lab"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "lab>enable\nlab#show running-config\n!\ninterface gigabitethernet 0/3 \n"
            " description unused \n!\n!\nend\n\nlab#show running-config" +
                std::string(19, '\b') + std::string(19, ' ') + std::string(19, '\b') + "\n");
  EXPECT_EQ(dir_.read("r.delta"), "interface gigabitethernet 0/3 \ndescription spare \n")
      << "no command typed: the file stays as it was";
  EXPECT_EQ(dir_.read("r.history"),
            "enable\nconfigure terminal\ninterface GigabitEthernet0/3\n"
            "description spare\nend\nexit\nenable\nshow running-config\n");
}

TEST_F(VexaCliTest, EscapeSequencesAreEditorKeys) {
  const CliRun r = run("ab\x1b[D\x1b[Dx\x1b[3~\x1b[F\x1b");
  EXPECT_EQ(r.out, "branch-rtr1>ab\b\bxab\b\bb \b\bb\b\b  \b\b\n");
  EXPECT_EQ(r.err, "");
}

TEST_F(VexaCliTest, UnwritableDeltaIsReportedAfterTheSession) {
  const std::string delta = dir_.path() + "missing-folder/r.delta";
  const CliRun r = run("enable\rconfigure terminal\rhostname r9\rend\r",
                       {"--delta", delta, "--history", dir_.path() + "h"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.out.find("branch-rtr1(config)#end\nbranch-rtr1#\n"), std::string::npos) << r.out;
  EXPECT_EQ(r.err.rfind("vexa-cli: error: cannot ", 0), 0u) << r.err;
  EXPECT_NE(r.err.find("'" + delta), std::string::npos) << r.err;
  EXPECT_EQ(dir_.read("h"), "enable\nconfigure terminal\nhostname r9\nend\n");
}

TEST_F(VexaCliTest, BadStartsExitTwoWithAMessage) {
  const std::string folder = dir_.path();
  const struct {
    Args args;
    std::string inError;
  } cases[] = {
      {{"--config", folder + "absent.cfg"},
       "cannot read the configuration '" + folder + "absent.cfg'"},
      {{"--config", folder}, "is a folder"},
      {{"--config", "-"}, "must be a file"},
      {{"--delta", folder}, "cannot read the delta file"},
      {{"extra"}, "extra"},
      {{"--resources", folder}, "did not load"},
      {{"--log", folder + "no/log"}, "log file"},
  };
  for (const auto& c : cases) {
    const CliRun r = run("enable\r", c.args);
    EXPECT_EQ(r.status, 2) << c.inError;
    EXPECT_EQ(r.err.rfind("vexa-cli: error: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(c.inError), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "") << c.inError;
  }
}

}  // namespace
