// vexa-config as a user runs it: the built program with arguments, standard
// input, output, error and exit status, over the small test grammar of
// tests/data/parser/model/.
#include "tools/vexa_config_test_support.h"

namespace {

using vexatools::testing::Args;
using vexatools::testing::ToolRun;
using vexatools::testing::VexaConfigTest;

TEST_F(VexaConfigTest, HelpNamesEveryCommand) {
  const ToolRun r = run({"--help"});
  EXPECT_EQ(r.status, 0);
  for (const char* command :
       {"check FILE", "normalize FILE", "merge BASE NEW", "fallback CURRENT TARGET [--incremental]",
        "section FILE KEY", "extract FILE WHAT", "routing-protocol KEY", "--raw",
        "--resources DIR"}) {
    EXPECT_NE(r.out.find(command), std::string::npos) << command;
  }
}

TEST_F(VexaConfigTest, UsageAndIoErrorsExitTwoWithAMessage) {
  const std::string b = dir_.write("b.cfg", "hostname r1\n");
  // clang-format off
  const struct { Args args; std::string inError; } cases[] = {
      {{}, ""}, {{"frobnicate"}, ""}, {{"merge", "only-one"}, ""}, {{"check"}, ""},
      {{"check", "a", "--incremental"}, ""}, {{"check", "a", "--raw"}, "--raw"},
      {{"section", b, "hostname", "--type", "x"}, "--type"}, {{"extract", b, "frob"}, "frob"},
      {{"extract", b, "interface"}, "argument"}, {{"extract", b, "acls", "x"}, "no argument"},
      {{"check", "a", "--bogus"}, "--bogus"}, {{"merge", "-", "-"}, "only once"},
      {{"normalize", dir_.path() + "absent.cfg"}, "absent.cfg"},
      {{"merge", dir_.path(), b}, "folder"},
      {{"--resources", dir_.path(), "normalize", b},
       "did not load: error: can't open file: " + dir_.path() + "files/view_mode.cfm"}};
  // clang-format on
  for (const auto& c : cases) {
    const ToolRun r = run(c.args);
    std::string shown;
    for (const std::string& arg : c.args) shown += arg + " ";
    EXPECT_EQ(r.status, 2) << shown;
    EXPECT_EQ(r.err.rfind("vexa-config: error: ", 0), 0u) << shown << r.err;
    EXPECT_NE(r.err.find(c.inError), std::string::npos) << shown << r.err;
    EXPECT_TRUE(r.out.empty()) << shown;
  }
}

TEST_F(VexaConfigTest, NormalizeMergeAndFallback) {
  const std::string base = dir_.write("base.cfg",
                                      "hostname r1\r\n!\r\ninterface Fa0\r\n"
                                      " ip address 10.1.0.1 255.255.255.0\r\n!\r\nend\r\n");
  const std::string current = dir_.write("current.cfg", "no logging 10.0.0.50\n");
  const std::string target = dir_.write("target.cfg", "logging 10.0.0.50\nhostname r1\n");
  // clang-format off
  const struct { Args args; std::string input, out; } cases[] = {
      // The device's form: no blank before the line end; --raw: the library's text.
      {{"normalize", "-"}, "hostname   r1\n!\nversion 15.1\nend\n", "hostname r1\nversion 15.1\n"},
      {{"normalize", "-", "--raw"}, "hostname r1\n", "hostname r1 \n"},
      {{"merge", base, "-"}, "hostname r2\ninterface Fa0\n shutdown\n",
       "hostname r2\ninterface Fa0\n ip address 10.1.0.1 255.255.255.0\n shutdown\n!\n"},
      // Whole files: the "no" line is not a stored line, so nothing undoes it, and the
      // item it names counts as present; only the hostname comes back.
      {{"fallback", current, target}, "", "hostname r1\n"},
      // Typed on top of target: the "no" form removed one line, which comes back.
      {{"fallback", current, target, "--incremental"}, "", "logging 10.0.0.50\n"}};
  // clang-format on
  for (const auto& c : cases) {
    const ToolRun r = run(c.args, c.input);
    EXPECT_EQ(r.status, 0) << c.args[0] << r.err;
    EXPECT_EQ(r.out, c.out) << c.args[0];
  }
}

TEST_F(VexaConfigTest, CheckCountsListsAndIsStrict) {
  const std::string good =
      dir_.write("good.cfg",
                 "Building configuration...\n\nCurrent configuration : 58 bytes\nversion 15.1\n!\n"
                 "hostname r1\n\ninterface Fa0\n shutdown\n!\nend\n");
  const std::string bad =
      dir_.write("bad.cfg", "hostname r1\r\nfrobnicate\r\ninterface Fa0\r\n mtu 1400\r\n");
  const ToolRun r = run({"check", good, bad, "--list"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, good + ": 3 lines, 3 recognized, 0 unrecognized\n" + bad + ":2: frobnicate\n" +
                       bad + ":4:  mtu 1400\n" + bad + ": 4 lines, 2 recognized, 2 unrecognized\n" +
                       "total: 7 lines, 5 recognized, 2 unrecognized\n");
  EXPECT_EQ(run({"check", bad, "--strict"}).status, 1);
  EXPECT_EQ(run({"check", good, "--strict"}).status, 0);
}

}  // namespace
