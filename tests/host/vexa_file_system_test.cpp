#include "vexa/host/vexa_file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "host/temp_dir.h"
#include "vexa/host/pathname.h"

namespace vexahost {
namespace {

using testing::ScopedEnv;
using testing::TempDir;
using Words = std::vector<std::string>;

// ---- per-device file systems ----

TEST(DeviceFileSystemTest, PathsPerDeviceAndClear) {
  VexaFileSystem fs;
  EXPECT_EQ(fs.GetConfigFilePath("r1", 0, false), "");
  fs.SetConfigFilePath("r1", "/cfg/r1.cfg");
  fs.SetConfigDeltaFilePath("r1", "/cfg/r1.delta");
  fs.SetConfigFilePath("r2", "/cfg/r2.cfg");
  EXPECT_EQ(fs.GetConfigFilePath("r1"), "/cfg/r1.cfg");
  EXPECT_EQ(fs.GetConfigDeltaFilePath("r1"), "/cfg/r1.delta");
  EXPECT_EQ(fs.GetConfigDeltaFilePath("r2"), "");
  EXPECT_EQ(fs.GetConfigFilePath("R1"), "");  // device names are exact
  fs.SetConfigFilePath("r2", "");
  EXPECT_EQ(fs.GetConfigFilePath("r2"), "");
  fs.Clear();
  EXPECT_EQ(fs.GetConfigFilePath("r1"), "");
  EXPECT_EQ(fs.GetConfigDeltaFilePath("r1"), "");
}

TEST(DeviceFileSystemTest, ProjectAndBaselineAreSeparateProcessWideObjects) {
  VexaFileSystem* project = VexaFileSystem::GetCurrProjectFileSystem();
  VexaFileSystem* baseline = VexaFileSystem::GetCurrBaselineFileSystem();
  ASSERT_NE(project, nullptr);
  ASSERT_NE(baseline, nullptr);
  EXPECT_NE(project, baseline);
  EXPECT_EQ(project, VexaFileSystem::GetCurrProjectFileSystem());
  project->SetConfigFilePath("dev", "/p/dev.cfg");
  EXPECT_EQ(VexaFileSystem::GetCurrProjectFileSystem()->GetConfigFilePath("dev"), "/p/dev.cfg");
  EXPECT_EQ(baseline->GetConfigFilePath("dev"), "");
  project->Clear();
}

// ---- folders ----

// Every test starts from the defaults and leaves them behind.
class FoldersTest : public ::testing::Test {
 protected:
  void TearDown() override {
    VexaFileSystem::SetSystemResourceFolder("");
    VexaFileSystem::SetTempFolder("");
    VexaFileSystem::SetPerlExepath("");
  }
  TempDir dir_;
};

TEST_F(FoldersTest, ResourceFolderEnvironmentThenApi) {
  ScopedEnv env("VEXA_RESOURCE_DIR", "/env/res");
  EXPECT_EQ(VexaFileSystem::GetSystemResourceFolder(), "/env/res/");
  VexaFileSystem::SetSystemResourceFolder("/api/res/");
  EXPECT_EQ(VexaFileSystem::GetSystemResourceFolder(), "/api/res/");
  EXPECT_EQ(VexaFileSystem::GetScriptFilePath("DRFunctions"), "/api/res/scripts/DRFunctions");
  VexaFileSystem::SetSystemResourceFolder("");
  EXPECT_EQ(VexaFileSystem::GetSystemResourceFolder(), "/env/res/");
}

TEST_F(FoldersTest, ResourceFolderDefaultHoldsTheResourceFiles) {
  ScopedEnv env("VEXA_RESOURCE_DIR", nullptr);
  const std::string folder = VexaFileSystem::GetSystemResourceFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  EXPECT_TRUE(Pathname(folder + "files").isDirectory()) << folder;
  ScopedEnv emptyEnv("VEXA_RESOURCE_DIR", "");  // an empty value counts as unset
  EXPECT_EQ(VexaFileSystem::GetSystemResourceFolder(), folder);
}

TEST_F(FoldersTest, TempFolderEnvironmentThenApiCreatedWhenMissing) {
  ScopedEnv env("VEXA_TEMP_DIR", (dir_.path() + "env-tmp").c_str());
  EXPECT_EQ(VexaFileSystem::GetTempFolder(), dir_.path() + "env-tmp/");
  EXPECT_TRUE(Pathname(dir_.path() + "env-tmp").isDirectory());
  VexaFileSystem::SetTempFolder(dir_.path() + "api-tmp/");
  EXPECT_EQ(VexaFileSystem::GetTempFolder(), dir_.path() + "api-tmp/");
  EXPECT_TRUE(Pathname(dir_.path() + "api-tmp").isDirectory());
  VexaFileSystem::SetTempFolder("");
  EXPECT_EQ(VexaFileSystem::GetTempFolder(), dir_.path() + "env-tmp/");
}

TEST_F(FoldersTest, DefaultTempFolderIsPrivateUnderTmpdir) {
  ScopedEnv env("VEXA_TEMP_DIR", nullptr);
  ScopedEnv tmp("TMPDIR", dir_.path().c_str());
  const std::string expected = dir_.path() + "vexa-" + std::to_string(getuid()) + "/";
  EXPECT_EQ(VexaFileSystem::GetTempFolder(), expected);
  struct stat info {};
  ASSERT_EQ(stat(expected.c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
  EXPECT_EQ(info.st_mode & 0777, 0700u);

  // Removed behind our back: made again on the next use.
  ASSERT_TRUE(Pathname(expected).removeFile(true));
  EXPECT_EQ(VexaFileSystem::GetTempFolder(), expected);
  EXPECT_TRUE(Pathname(expected).isDirectory());
}

TEST_F(FoldersTest, ForeignTempFolderNameIsNotUsed) {
  ScopedEnv env("VEXA_TEMP_DIR", nullptr);
  ScopedEnv tmp("TMPDIR", dir_.path().c_str());
  const std::string name = "vexa-" + std::to_string(getuid());
  std::filesystem::create_directory(dir_.path() + "elsewhere");
  std::filesystem::create_directory_symlink(dir_.path() + "elsewhere", dir_.path() + name);
  const std::string folder = VexaFileSystem::GetTempFolder();
  EXPECT_NE(folder, dir_.path() + name + "/");
  EXPECT_EQ(folder.rfind(dir_.path() + name + "-", 0), 0u) << folder;
  EXPECT_TRUE(Pathname(folder).isDirectory());
  EXPECT_EQ(VexaFileSystem::GetTempFolder(), folder);  // kept
}

TEST_F(FoldersTest, PerlPathApiEnvironmentAndPathSearch) {
  const std::string bin = dir_.path() + "bin";
  const std::string fakePerl = dir_.write("bin/perl", "#!/bin/sh\n");
  std::filesystem::permissions(fakePerl, std::filesystem::perms::owner_all);
  dir_.write("notexec/perl", "");  // not executable: skipped

  {
    ScopedEnv perl("VEXA_PERL", nullptr);
    ScopedEnv path("PATH", (dir_.path() + "notexec:" + bin).c_str());
    EXPECT_EQ(VexaFileSystem::GetPerlExepath(), fakePerl);
    ScopedEnv noPath("PATH", dir_.path().c_str());
    EXPECT_EQ(VexaFileSystem::GetPerlExepath(), "perl");
  }
  ScopedEnv perl("VEXA_PERL", "/opt/perl/bin/perl");
  EXPECT_EQ(VexaFileSystem::GetPerlExepath(), "/opt/perl/bin/perl");
  VexaFileSystem::SetPerlExepath("/api/perl");
  EXPECT_EQ(VexaFileSystem::GetPerlExepath(), "/api/perl");
  VexaFileSystem::SetPerlExepath("");
  EXPECT_EQ(VexaFileSystem::GetPerlExepath(), "/opt/perl/bin/perl");
}

// ---- splitting command lines ----

TEST(SplitCommandLineTest, WindowsRulesTable) {
  const struct {
    std::string text;
    Words words;
  } cases[] = {
      {"a b  c", {"a", "b", "c"}},
      {"  lead and trail  ", {"lead", "and", "trail"}},
      {"a\tb\t \tc", {"a", "b", "c"}},
      {"", {}},
      {" \t ", {}},
      {"\"a b\" c", {"a b", "c"}},
      {"a\"b c\"d", {"ab cd"}},
      {"\"a\tb\"", {"a\tb"}},
      {"\"\"", {""}},
      {"a \"\" b", {"a", "", "b"}},
      {"\"a\"\"b\"", {"a\"b"}},
      {"\"\"\"\"", {"\""}},
      {"\"unterminated b", {"unterminated b"}},
      {"\\\"a", {"\"a"}},            // \"a -> "a
      {"\\\\\"a b\"", {"\\a b"}},    // \\"a b" -> \a b
      {"\\\\\\\"a", {"\\\"a"}},      // \\\"a -> \"a
      {"\\\\\\\\\"a\"", {"\\\\a"}},  // \\\\"a" -> \\a
      {"a\\\\b", {"a\\\\b"}},        // not before a quote: literal
      {"a\\", {"a\\"}},              // trailing backslash stays
      {"\"a\\\\\"", {"a\\"}},        // "a\\" -> a\ (quote closes)
      {"\"a\\\"\"", {"a\""}},        // "a\"" -> a"
      {"C:\\Program Files\\x", {"C:\\Program", "Files\\x"}},
      {"\"C:\\Program Files\\\\\" next", {"C:\\Program Files\\", "next"}},
      {"a\nb", {"a\nb"}},  // only blanks and tabs separate
  };
  for (const auto& c : cases) {
    EXPECT_EQ(VexaFileSystem::SplitCommandLine(c.text), c.words) << "[" << c.text << "]";
  }
}

// ---- running programs ----

class ExecuteCmdTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir_.path().empty());
    // Writes its arguments after the first, one per line in brackets, to the
    // file named by the first.  Kept in a folder with a blank in its name.
    script_ = dir_.write("with blank/args.sh",
                         "#!/bin/sh\n"
                         "out=\"$1\"; shift\n"
                         "for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > \"$out\"\n");
    std::filesystem::permissions(script_, std::filesystem::perms::owner_all);
  }
  // Runs the script with the argument text and returns what it wrote.
  std::string argsSeen(const std::string& arguments) {
    const std::string out = dir_.path() + "out.txt";
    std::filesystem::remove(out);
    EXPECT_EQ(VexaFileSystem::ExecuteCmd(script_, "\"" + out + "\" " + arguments), 0) << arguments;
    return dir_.read("out.txt");
  }

  TempDir dir_;
  std::string script_;
};

TEST_F(ExecuteCmdTest, ExitStatusTable) {
  const struct {
    std::string program, arguments;
    int status;
  } cases[] = {
      {"/bin/sh", "-c \"exit 3\"", 3},
      {"/bin/sh", "-c \"exit 0\"", 0},
      {"/bin/sh", "-c \"exit 255\"", 255},
      {"/bin/sh -c \"exit 7\"", "", 7},  // leading arguments in the program text
      {"sh", "-c \"exit 5\"", 5},        // found on PATH
      {"/bin/sh", "-c \"kill -9 $$\"", 128 + 9},
      {"/nonexistent/program", "", -1},
      {"no-such-program-vexa-test", "a b", -1},
      {"", "-c true", -1},
      {"  ", "", -1},
      {"\"\"", "", -1},
      {"/bin/sh", std::string("-c \"exit 1\0\"", 12), -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(VexaFileSystem::ExecuteCmd(c.program, c.arguments, false, true), c.status)
        << "[" << c.program << "] [" << c.arguments << "]";
  }
}

TEST_F(ExecuteCmdTest, ArgumentsArriveIntact) {
  EXPECT_EQ(argsSeen("plain two"), "[plain]\n[two]\n");
  EXPECT_EQ(argsSeen("\"with blanks\" \"\" \"tab\there\""), "[with blanks]\n[]\n[tab\there]\n");
  EXPECT_EQ(argsSeen("say\\\"hi\\\" \"a \"\"q\"\" b\""), "[say\"hi\"]\n[a \"q\" b]\n");
  EXPECT_EQ(argsSeen("C:\\dir\\ \"C:\\end\\\\\""), "[C:\\dir\\]\n[C:\\end\\]\n");
  EXPECT_EQ(argsSeen("'single' $HOME `id` ;|&*"), "['single']\n[$HOME]\n[`id`]\n[;|&*]\n");
  EXPECT_EQ(argsSeen("\xe4\xf6\xfc"), "[\xe4\xf6\xfc]\n");
}

TEST_F(ExecuteCmdTest, WithoutWaitReturnsAtOnceAndTheProgramRuns) {
  const std::string marker = dir_.path() + "marker";
  EXPECT_EQ(
      VexaFileSystem::ExecuteCmd("/bin/sh", "-c \"echo done > '" + marker + "'\"", false, false),
      0);
  for (int i = 0; i < 500 && dir_.read("marker").empty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_EQ(dir_.read("marker"), "done\n");
}

}  // namespace
}  // namespace vexahost
