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

// Every test starts from the defaults and leaves them behind.
class FoldersTest : public ::testing::Test {
 protected:
  void TearDown() override {
    VexaFileSystem::SetSystemResourceFolder("");
    VexaFileSystem::SetTempFolder("");
    VexaFileSystem::SetCacheFolder("");
    VexaFileSystem::SetPerlExepath("");
  }
  std::string privateName() const { return dir_.path() + "vexa-" + std::to_string(getuid()); }
  testing::TempDir dir_;
};

TEST_F(FoldersTest, ResourceAndTempFolderApiThenEnvironmentThenDefault) {
  {
    ScopedEnv empty("VEXA_RESOURCE_DIR", "");  // an empty value counts as unset: the default
    EXPECT_TRUE(Pathname(VexaFileSystem::GetSystemResourceFolder() + "files").isDirectory());
  }
  ScopedEnv env("VEXA_RESOURCE_DIR", "/env/res");
  EXPECT_EQ(VexaFileSystem::GetSystemResourceFolder(), "/env/res/");  // separator added
  VexaFileSystem::SetSystemResourceFolder("/api/res/");
  EXPECT_EQ(VexaFileSystem::GetScriptFilePath("DRFunctions"), "/api/res/scripts/DRFunctions");

  // Configured temporary folders are made when missing.
  ScopedEnv tmp("VEXA_TEMP_DIR", (dir_.path() + "env-tmp").c_str());
  EXPECT_EQ(VexaFileSystem::GetTempFolder(), dir_.path() + "env-tmp/");
  EXPECT_TRUE(Pathname(dir_.path() + "env-tmp").isDirectory());
  VexaFileSystem::SetTempFolder(dir_.path() + "api-tmp/");
  EXPECT_EQ(VexaFileSystem::GetTempFolder(), dir_.path() + "api-tmp/");
  EXPECT_TRUE(Pathname(dir_.path() + "api-tmp").isDirectory());
  VexaFileSystem::SetSystemResourceFolder("");  // an empty value gives the next source back
  VexaFileSystem::SetTempFolder("");
  EXPECT_EQ(VexaFileSystem::GetSystemResourceFolder() + VexaFileSystem::GetTempFolder(),
            "/env/res/" + dir_.path() + "env-tmp/");
}

TEST_F(FoldersTest, CacheFolderApiThenEnvironmentThenXdgThenHome) {
  ScopedEnv home("HOME", "/h");
  ScopedEnv xdg("XDG_CACHE_HOME", nullptr);
  ScopedEnv own("VEXA_CACHE_DIR", nullptr);
  EXPECT_EQ(VexaFileSystem::GetCacheFolder(), "/h/.cache/vexa/");
  {
    ScopedEnv set("XDG_CACHE_HOME", "/x/");
    EXPECT_EQ(VexaFileSystem::GetCacheFolder(), "/x/vexa/");
    ScopedEnv none("VEXA_CACHE_DIR", "");  // set but empty: no cache
    EXPECT_EQ(VexaFileSystem::GetCacheFolder(), "");
    VexaFileSystem::SetCacheFolder("/api");
    EXPECT_EQ(VexaFileSystem::GetCacheFolder(), "/api/");
  }
}

TEST_F(FoldersTest, DefaultTempFolderIsPrivateUnderTmpdir) {
  ScopedEnv env("VEXA_TEMP_DIR", nullptr);
  ScopedEnv tmp("TMPDIR", dir_.path().c_str());
  const std::string expected = privateName() + "/";
  EXPECT_EQ(VexaFileSystem::GetTempFolder(), expected);
  struct stat info {};
  ASSERT_EQ(stat(expected.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & (S_IFMT | 0777), S_IFDIR | 0700u);
  ASSERT_TRUE(Pathname(expected).removeFile(true));  // removed behind our back: made again
  EXPECT_EQ(VexaFileSystem::GetTempFolder(), expected);
  EXPECT_TRUE(Pathname(expected).isDirectory());

  // A folder of that name that is not ours (here a link) is never used.
  ASSERT_TRUE(Pathname(expected).removeFile(true));
  std::filesystem::create_directory(dir_.path() + "elsewhere");
  std::filesystem::create_directory_symlink(dir_.path() + "elsewhere", privateName());
  const std::string folder = VexaFileSystem::GetTempFolder();
  EXPECT_EQ(folder.rfind(privateName() + "-", 0), 0u) << folder;
  EXPECT_TRUE(Pathname(folder).isDirectory());
  EXPECT_EQ(VexaFileSystem::GetTempFolder(), folder);  // kept
}

TEST_F(FoldersTest, PerlPathApiEnvironmentAndPathSearch) {
  const std::string fakePerl = dir_.write("bin/perl", "#!/bin/sh\n");
  std::filesystem::permissions(fakePerl, std::filesystem::perms::owner_all);
  dir_.write("notexec/perl", "");  // not executable: skipped
  {
    ScopedEnv perl("VEXA_PERL", nullptr);
    ScopedEnv path("PATH", (dir_.path() + "notexec:" + dir_.path() + "bin").c_str());
    EXPECT_EQ(VexaFileSystem::GetPerlExepath(), fakePerl);
    ScopedEnv noPerl("PATH", dir_.path().c_str());
    EXPECT_EQ(VexaFileSystem::GetPerlExepath(), "perl");
  }
  ScopedEnv perl("VEXA_PERL", "/opt/perl");
  VexaFileSystem::SetPerlExepath("/api/perl");
  EXPECT_EQ(VexaFileSystem::GetPerlExepath(), "/api/perl");
  VexaFileSystem::SetPerlExepath("");
  EXPECT_EQ(VexaFileSystem::GetPerlExepath(), "/opt/perl");
}

TEST(SplitCommandLineTest, WindowsRulesTable) {
  // Backslashes count only before a quote: 2n give n and the quote acts, 2n+1 give n and a quote.
  // clang-format off
  const struct { std::string text; std::vector<std::string> words; } cases[] = {
      {"  a\tb \t c  ", {"a", "b", "c"}}, {"", {}}, {"a\nb", {"a\nb"}},
      {"a\"b c\"d", {"ab cd"}}, {"a \"\" b", {"a", "", "b"}}, {"\"a\"\"b\"", {"a\"b"}},
      {"\"\"\"\"", {"\""}}, {"\"unterminated b", {"unterminated b"}}, {"\\\"a", {"\"a"}},
      {"\\\\\"a b\"", {"\\a b"}}, {"\\\\\\\"a", {"\\\"a"}}, {"a\\", {"a\\"}},
      {"a\\\\b", {"a\\\\b"}}};
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(VexaFileSystem::SplitCommandLine(c.text), c.words) << "[" << c.text << "]";
  }
}

TEST(ExecuteCmdTest, ExitStatusTable) {
  // "/bin/sh -c ..." as program: leading arguments in the program text; "sh": found on PATH.
  // clang-format off
  const struct { std::string program, arguments; int status; } cases[] = {
      {"/bin/sh", "-c \"exit 255\"", 255}, {"/bin/sh -c \"exit 7\"", "", 7},
      {"sh", "-c \"exit 5\"", 5}, {"/bin/sh", "-c \"kill -9 $$\"", 128 + 9},
      {"/nonexistent/program", "", -1}, {"no-such-program-vexa-test", "a b", -1},
      {"", "-c true", -1}, {"/bin/sh", std::string("-c \"exit 1\0\"", 12), -1}};
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(VexaFileSystem::ExecuteCmd(c.program, c.arguments), c.status)
        << c.program << c.arguments;
  }
}

// The program, in a folder with a blank in its name, writes its arguments one per line in
// brackets; nothing passes through a shell.  The backslash rules are those of the table above.
TEST(ExecuteCmdTest, ArgumentsArriveIntact) {
  testing::TempDir dir;
  const std::string script = dir.write("with blank/args.sh",
                                       "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; "
                                       "done > \"$(dirname \"$0\")/out\"\n");
  std::filesystem::permissions(script, std::filesystem::perms::owner_all);
  // clang-format off
  const struct { std::string arguments, seen; } cases[] = {
      {"plain \"with blanks\" \"\" \"tab\there\"", "[plain]\n[with blanks]\n[]\n[tab\there]\n"},
      {"'single' $HOME `id` ;|&* \xe4\xf6", "['single']\n[$HOME]\n[`id`]\n[;|&*]\n[\xe4\xf6]\n"}};
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(VexaFileSystem::ExecuteCmd(script, c.arguments), 0) << c.arguments;
    EXPECT_EQ(dir.read("with blank/out"), c.seen) << c.arguments;
  }

  // Without waiting: returns 0 at once, and the program still runs.
  EXPECT_EQ(VexaFileSystem::ExecuteCmd(script, "late", false, false), 0);
  for (int i = 0; i < 500 && dir.read("with blank/out") != "[late]\n"; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_EQ(dir.read("with blank/out"), "[late]\n");
}

}  // namespace
}  // namespace vexahost
