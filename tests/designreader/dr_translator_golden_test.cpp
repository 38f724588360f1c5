// Golden tests of the translator: every script under
// tests/data/designreader/translator/ is translated and compared byte for
// byte with its expected program.  NAME.drs is the script; NAME.pl holds the
// expected program up to and including "close OUTFILE;\n" (the runtime
// library follows it unchanged); NAME.err, when present, holds the expected
// error text of a script the translator rejects, whose program then has no
// body.  Programs of accepted scripts must also compile with perl -c.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "designreader/dr_test_support.h"
#include "vexa/designreader/dr_translator.h"
#include "vexa/host/vexa_file_system.h"

namespace vexadr {
namespace {

bool exists(const std::string& path) { return std::filesystem::exists(path); }

// The golden scripts, sorted; rejected ones are those with a NAME.err file.
std::vector<std::string> goldenNames(bool rejected) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(drGoldenDir(), ec)) {
    if (entry.path().extension() != ".drs") continue;
    const std::string name = entry.path().stem().string();
    if (exists(drGoldenDir() + name + ".err") == rejected) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string testName(const ::testing::TestParamInfo<std::string>& param) { return param.param; }

class TranslatorGoldenTest : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    vexahost::VexaFileSystem::SetSystemResourceFolder(drResourceDir());
    library_ = readFile(drResourceDir() + "scripts/DRFunctions");
    ASSERT_FALSE(library_.empty());
  }
  void TearDown() override { vexahost::VexaFileSystem::SetSystemResourceFolder(std::string()); }

  // Translates the golden script into the scratch folder; returns the program.
  std::string translate() {
    programPath_ = scratchDir() + GetParam() + ".pl";
    DRTranslator translator(readFile(drGoldenDir() + GetParam() + ".drs"), programPath_);
    translator.translateScriptFile();
    errorText_ = translator.errorText;
    return readFile(programPath_);
  }

  std::string library_;
  std::string programPath_;
  std::string errorText_;
};

using AcceptedScriptTest = TranslatorGoldenTest;
using RejectedScriptTest = TranslatorGoldenTest;

TEST_P(AcceptedScriptTest, ProgramMatchesExpected) {
  const std::string program = translate();
  EXPECT_EQ("", errorText_);
  EXPECT_EQ(readFile(drGoldenDir() + GetParam() + ".pl") + library_, program);
}

TEST_P(AcceptedScriptTest, ProgramCompilesWithPerl) {
  translate();
  ASSERT_EQ("", errorText_);
  const std::string log = programPath_ + ".log";
  const std::string command = "\"" + vexahost::VexaFileSystem::GetPerlExepath() + "\" -c \"" +
                              programPath_ + "\" > \"" + log + "\" 2>&1";
  const int status = std::system(command.c_str());
  EXPECT_EQ(0, status) << readFile(log);
}

TEST_P(RejectedScriptTest, ReportsErrorAndWritesNoBody) {
  const std::string program = translate();
  EXPECT_EQ(readFile(drGoldenDir() + GetParam() + ".err"), errorText_);
  // The prologue and the epilogue are still written.
  EXPECT_EQ(readFile(drGoldenDir() + "empty.pl") + library_, program);
}

INSTANTIATE_TEST_SUITE_P(Golden, AcceptedScriptTest, ::testing::ValuesIn(goldenNames(false)),
                         testName);
INSTANTIATE_TEST_SUITE_P(Golden, RejectedScriptTest, ::testing::ValuesIn(goldenNames(true)),
                         testName);

TEST(TranslatorGoldenSetTest, FindsAcceptedAndRejectedScripts) {
  EXPECT_GE(goldenNames(false).size(), 10u);
  EXPECT_GE(goldenNames(true).size(), 20u);
}

}  // namespace
}  // namespace vexadr
