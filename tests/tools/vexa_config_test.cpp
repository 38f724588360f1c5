// vexa-config as a user runs it: the built program with arguments, standard
// input, output, error and exit status, over the small test grammar of
// tests/data/parser/model/ (the device grammar is a later piece of work).
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::string kResources = std::string(VEXA_TEST_DATA_DIR) + "parser/model";

struct ToolRun {
  int status = -1;
  std::string out;
  std::string err;
};

std::string quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class VexaConfigTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/vexa-config-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { std::system(("rm -rf " + quote(dir_)).c_str()); }

  std::string file(const std::string& name, const std::string& text) {
    const std::string path = dir_ + "/" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  // Runs vexa-config with args (each quoted) and input on standard input.
  ToolRun run(const std::vector<std::string>& args, const std::string& input = "") {
    std::string command = quote(std::string(VEXA_BIN_DIR) + "vexa-config");
    for (const std::string& arg : args) command += " " + quote(arg);
    command += " < " + quote(file("stdin", input)) + " > " + quote(dir_ + "/out") + " 2> " +
               quote(dir_ + "/err");
    ToolRun result;
    const int raw = std::system(command.c_str());
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = readFile(dir_ + "/out");
    result.err = readFile(dir_ + "/err");
    return result;
  }
  ToolRun runWithGrammar(std::vector<std::string> args, const std::string& input = "") {
    args.push_back("--resources");
    args.push_back(kResources);
    return run(args, input);
  }

  std::string dir_;
};

TEST_F(VexaConfigTest, HelpNamesTheFourCommandsOnly) {
  const ToolRun r = run({"--help"});
  EXPECT_EQ(r.status, 0);
  for (const char* command : {"check FILE", "normalize FILE", "merge BASE NEW",
                              "fallback CURRENT TARGET [--incremental]", "--resources DIR"}) {
    EXPECT_NE(r.out.find(command), std::string::npos) << command;
  }
  EXPECT_EQ(r.out.find("section"), std::string::npos);
  EXPECT_EQ(r.out.find("extract"), std::string::npos);
}

TEST_F(VexaConfigTest, UsageErrorsExitTwoWithAMessage) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"frobnicate"},
      {"merge", "only-one"},
      {"normalize", "a", "b"},
      {"check"},
      {"merge", "a", "b", "--strict"},
      {"check", "a", "--incremental"},
      {"check", "a", "--bogus"},
      {"merge", "-", "-"},
  };
  for (const auto& args : cases) {
    const ToolRun r = runWithGrammar(args);
    std::string shown;
    for (const std::string& arg : args) shown += arg + " ";
    EXPECT_EQ(r.status, 2) << shown;
    EXPECT_EQ(r.err.rfind("vexa-config: error: ", 0), 0u) << shown << r.err;
    EXPECT_TRUE(r.out.empty()) << shown;
  }
}

TEST_F(VexaConfigTest, MissingOrUnreadableFileIsAnIoError) {
  const ToolRun missing = runWithGrammar({"normalize", dir_ + "/absent.cfg"});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("absent.cfg"), std::string::npos) << missing.err;
  const ToolRun folder = runWithGrammar({"merge", dir_, file("b.cfg", "hostname r1\n")});
  EXPECT_EQ(folder.status, 2);
  EXPECT_NE(folder.err.find("folder"), std::string::npos) << folder.err;
}

TEST_F(VexaConfigTest, ResourcesThatDoNotLoadAreReported) {
  const ToolRun r = run({"--resources", dir_, "normalize", "-"}, "hostname r1\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("did not load"), std::string::npos) << r.err;
  EXPECT_TRUE(r.out.empty());
}

TEST_F(VexaConfigTest, MergeAppliesNewToBase) {
  const std::string base = file("base.cfg",
                                "hostname r1\r\n!\r\ninterface Fa0\r\n"
                                " ip address 10.1.0.1 255.255.255.0\r\n!\r\nend\r\n");
  const ToolRun r = runWithGrammar({"merge", base, "-"}, "hostname r2\ninterface Fa0\n shutdown\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "hostname r2 \ninterface Fa0 \n ip address 10.1.0.1 255.255.255.0 \n shutdown \n!\n");
}

TEST_F(VexaConfigTest, FallbackWholeFileAndIncremental) {
  const std::string current = file("current.cfg", "no logging 10.0.0.50\n");
  const std::string target = file("target.cfg", "logging 10.0.0.50\nhostname r1\n");
  const ToolRun whole = runWithGrammar({"fallback", current, target});
  EXPECT_EQ(whole.status, 0) << whole.err;
  // Whole files: the "no" line is not a stored line, so nothing undoes it,
  // and the item it names counts as present; only the hostname comes back.
  EXPECT_EQ(whole.out, "hostname r1 \n");
  const ToolRun incremental = runWithGrammar({"fallback", current, target, "--incremental"});
  EXPECT_EQ(incremental.status, 0) << incremental.err;
  // Typed on top of target: the "no" form removed one line, which comes back.
  EXPECT_EQ(incremental.out, "logging 10.0.0.50 \n");
}

TEST_F(VexaConfigTest, NormalizeReadsStandardInput) {
  const ToolRun r = runWithGrammar({"normalize", "-"}, "hostname   r1\n!\nversion 15.1\nend\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "hostname r1 \nversion 15.1\n");
}

TEST_F(VexaConfigTest, CheckCountsListsAndIsStrict) {
  const std::string good = file("good.cfg",
                                "version 15.1\n!\nhostname r1\n\ninterface Fa0\n"
                                " shutdown\n!\nend\n");
  const std::string bad = file("bad.cfg",
                               "hostname r1\r\nfrobnicate\r\ninterface Fa0\r\n"
                               " mtu 1400\r\n");
  const ToolRun r = runWithGrammar({"check", good, bad, "--list"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, good + ": 3 lines, 3 recognized, 0 unrecognized\n" + bad + ":2: frobnicate\n" +
                       bad + ":4:  mtu 1400\n" + bad + ": 4 lines, 2 recognized, 2 unrecognized\n" +
                       "total: 7 lines, 5 recognized, 2 unrecognized\n");
  EXPECT_EQ(runWithGrammar({"check", bad, "--strict"}).status, 1);
  EXPECT_EQ(runWithGrammar({"check", good, "--strict"}).status, 0);
}

TEST_F(VexaConfigTest, CorpusFilesMergeAndFallBackWithoutCrashing) {
  const std::string corpus = VEXA_CORPUS_DIR;
  const std::vector<std::string> names = {"batfish__as1border1.cfg", "batfish__as2core1.cfg"};
  for (const std::string& name : names) {
    const std::string path = corpus + name;
    const ToolRun merged = runWithGrammar({"merge", path, "-"}, "hostname changed\ninterface X9\n");
    EXPECT_EQ(merged.status, 0) << name << merged.err;
    EXPECT_NE(merged.out.find("hostname changed \n"), std::string::npos) << name;
    const std::string mergedPath = file("merged.cfg", merged.out);
    const ToolRun back = runWithGrammar({"fallback", mergedPath, path});
    EXPECT_EQ(back.status, 0) << name << back.err;
    EXPECT_NE(back.out.find("no interface X9 \n"), std::string::npos) << name << back.out;
  }
}

}  // namespace
