// vexa-dr as a user runs it: running scripts on configurations with picks, the library listing,
// and the errors for bad scripts, missing files and a missing Perl interpreter.
#include <filesystem>
#include <string>

#include "tools/vexa_config_test_support.h"

namespace {

using namespace vexatools::testing;

const char kConfig[] =
    "hostname r1\ninterface Gi0/1\n ip address 10.0.0.1 255.255.255.0\n shutdown\n";
const char kScript[] =
    "#s = search_line(\"shutdown\", all, , \"down\");\nprint \"Found:\\n\";\nprint #s;\n";

class VexaDrTest : public ::testing::Test {
 protected:
  // Runs vexa-dr with the product resources, a temporary folder of the test's own and env
  // settings placed before the command.
  ToolRun run(const Args& args, const std::string& env = "", const std::string& input = "") {
    return runCommand(dir_,
                      "VEXA_TEMP_DIR=" + quote(dir_.path() + "tmp") + " " + env + " " +
                          commandLine("vexa-dr", onProduct(args)),
                      input);
  }
  bool tempIsEmpty() const {
    std::error_code ec;
    return std::filesystem::is_empty(dir_.path() + "tmp", ec) || ec;
  }
  vexahost::testing::TempDir dir_;
};

TEST_F(VexaDrTest, RunPrintsFindingsTreesAndRawResults) {
  const std::string script = dir_.write("down.cmf", kScript);
  const std::string config = dir_.write("my \"r1\"; $(touch x).cfg", kConfig);
  const struct {
    Args args;
    std::string out;
  } cases[] = {
      {{"run", script, config}, "Found:\n2: interface Gi0/1\n4:  shutdown !down\n"},
      {{"run", script, config, "--tree"}, "Found:\n!\ninterface Gi0/1\n shutdown !down\n!\n"},
      {{"run", script, config, "--raw"},
       "Found:\n2:::interface Gi0/1 !#tag_close##LineNumbers#2\n4::: shutdown "
       "!#tag#down#LineNumbers#0\n"},
      {{"run", "-", config, "--ip", "10.0.0.9", "--interface", "Gi0/1", "--protocol", "ospf"},
       "10.0.0.9/interface Gi0/1/ospf\n"}};
  for (const auto& c : cases) {
    const ToolRun r =
        run(c.args, "", "print \"@UI_IPAddressList/@UI_InterfaceList/@UI_ProtocolList\\n\";");
    EXPECT_EQ(0, r.status) << c.args.back() << r.err;
    EXPECT_EQ(c.out, r.out) << c.args.back();
  }
  EXPECT_FALSE(std::filesystem::exists(dir_.path() + "x"));
  EXPECT_TRUE(tempIsEmpty());
}

TEST_F(VexaDrTest, BadScriptsMissingFilesAndMissingPerlAreReported) {
  const std::string config = dir_.write("r1.cfg", kConfig);
  const std::string script = dir_.write("down.cmf", kScript);
  // Line numbers count from the script's first line, after the header.
  const std::string broken =
      dir_.write("broken.cmf", "!!!Favourite,1\n!!!Context:\n#a = foo(#b);\n");
  const std::string message = "\"foo\" is an illegal method in expression on code line 1.\r\n";
  const ToolRun bad = run({"run", broken, config});
  EXPECT_EQ(1, bad.status);
  EXPECT_EQ(message, bad.err);
  EXPECT_EQ(message, run({"check", broken}).out);
  EXPECT_EQ(1, run({"run", dir_.write("unbalanced.cmf", "{"), config}).status);

  const struct {
    Args args;
    std::string env, inError;
  } cases[] = {{{"run", script, config}, "PATH=/nowhere", "VEXA_PERL"},
               {{"library", "--useful", config}, "VEXA_PERL=/no/such/perl", "VEXA_PERL"},
               {{"run", script, dir_.path() + "none.cfg"}, "", "none.cfg"},
               {{"run", dir_.write("empty.cmf", ""), config}, "", "no script text"},
               {{"run", "-", "-"}, "", "standard input"},
               {{"run", script}, "", "SCRIPT and CONFIG"},
               {{"run", script, config, "--useful", config}, "", "does not belong"},
               {{"library", dir_.path() + "none"}, "", "not a folder"},
               {{"library", "--useful", dir_.path()}, "", "cannot read"}};
  for (const auto& c : cases) {
    const ToolRun r = run(c.args, c.env);
    EXPECT_EQ(2, r.status) << c.env << " " << c.args.back();
    EXPECT_EQ(0u, r.err.rfind("vexa-dr: error: ", 0)) << r.err;
    EXPECT_NE(std::string::npos, r.err.find(c.inError)) << r.err;
    EXPECT_EQ("", r.out) << c.args.back();
  }
  EXPECT_TRUE(tempIsEmpty());
}

TEST_F(VexaDrTest, LibraryListsScriptsAndTheUsefulOnes) {
  dir_.write(
      "lib/Checks/down.cmf",
      std::string("!!!Favourite,1\n!!!Description:\n!!!Shut interfaces\n!!!more\n!!!Context:\n") +
          "#s = search_line(\"shutdown\", all);\nif (isempty(#s)) {\n} else {\n  print #s;\n}\n");
  dir_.write("lib/Checks/quiet.cmf",
             "!!!Favourite,1\n!!!Context:\n#s = search_line(\"x\", all);\nprint #s;");
  dir_.write("lib/Picks/picked.cmf",
             "!!!Favourite,0\n!!!Description:\n!!!Needs picks\n!!!Context:\nprint \"x\";");
  const std::string config = dir_.write("r1.cfg", kConfig);
  const ToolRun all = run({"library", dir_.path() + "lib"});
  EXPECT_EQ(0, all.status) << all.err;
  EXPECT_EQ("Checks/\n  * down: Shut interfaces\n  * quiet\nPicks/\n    picked: Needs picks\n",
            all.out);
  const ToolRun useful = run({"library", dir_.path() + "lib", "--useful", config});
  EXPECT_EQ(0, useful.status) << useful.err;
  EXPECT_EQ("Checks/\n  * down: Shut interfaces\n", useful.out);
  // The favourites find nothing: nothing is listed.
  EXPECT_EQ(
      "", run({"library", dir_.path() + "lib", "--useful", dir_.write("quiet.cfg", "end\n")}).out);
  EXPECT_NE(std::string::npos, run({"library"}).out.find("  * InterfacesWithoutDescription: "));
  EXPECT_TRUE(tempIsEmpty());
}

}  // namespace
