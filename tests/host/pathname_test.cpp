#include "vexa/host/pathname.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "host/temp_dir.h"

namespace vexahost {
namespace {

TEST(PathnameTest, FileAndFileBaseTable) {
  // clang-format off
  const struct { std::string path, file, base; } cases[] = {
      {"a/b.cmf", "b.cmf", "b"}, {"/x/y/archive.tar.gz", "archive.tar.gz", "archive.tar"},
      {"dir.d/noext", "noext", "noext"}, {"folder.v2//", "folder.v2", "folder"},
      {"plain", "plain", "plain"}, {".profile", ".profile", ""}, {"a/b.", "b.", "b"},
      {"/", "", ""}, {"", "", ""}, {"a/..", "..", "."}};
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(Pathname(c.path).file(), c.file) << "'" << c.path << "'";
    EXPECT_EQ(Pathname(c.path).fileBase(), c.base) << "'" << c.path << "'";
  }
}

class PathnameTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"t/b.txt", "t/A.txt", "t/a.txt", "t/.hidden", "t/sub/deep/f.cmf"}) {
      dir_.write(name, name);
    }
  }
  Pathname at(const std::string& name) const { return Pathname(dir_.path() + name); }
  testing::TempDir dir_;
};

TEST_F(PathnameTreeTest, ExistsIsDirectoryAndContents) {
  EXPECT_TRUE(at("t").isDirectory() && at("t/a.txt").exists());
  EXPECT_FALSE(at("t/a.txt").isDirectory() || at("t/none").exists() || at("t/none").isDirectory());
  EXPECT_FALSE(Pathname("").exists());
  EXPECT_FALSE(at("t" + std::string("\0/a.txt", 7)).exists());  // not cut at the NUL

  // Sorted by bytes, without "." and ".."; a trailing separator is not doubled.
  for (const char* folder : {"t", "t/"}) {
    std::string names;
    for (const Pathname& entry : at(folder).dirContents()) names += entry.data() + "|";
    const std::string p = dir_.path() + "t/";
    EXPECT_EQ(names, p + ".hidden|" + p + "A.txt|" + p + "a.txt|" + p + "b.txt|" + p + "sub|");
  }
  ASSERT_TRUE(at("emptydir").makeDirectories());
  for (const Pathname& p : {at("t/a.txt"), at("missing"), Pathname(""), at("emptydir")}) {
    EXPECT_TRUE(p.dirContents().empty()) << p.data();
  }
}

TEST_F(PathnameTreeTest, RemoveAndMakeDirectories) {
  EXPECT_FALSE(at("t/sub").removeFile(false));  // not empty
  std::filesystem::create_directory_symlink(dir_.path() + "t/sub", dir_.path() + "link");
  EXPECT_TRUE(at("link").removeFile(true));  // the link only, not its target
  EXPECT_TRUE(at("t/sub/deep/f.cmf").exists());
  EXPECT_TRUE(at("t/sub").removeFile(true));
  EXPECT_FALSE(at("t/sub").exists());
  EXPECT_TRUE(at("t/a.txt").removeFile(false));
  EXPECT_FALSE(at("t/a.txt").removeFile(true));  // already gone
  EXPECT_TRUE(at("t/b.txt").exists());

  EXPECT_TRUE(at("new/one/two").makeDirectories() && at("new/one/two").isDirectory());
  EXPECT_TRUE(at("new/one/two").makeDirectories());  // already there
  EXPECT_FALSE(at("t/b.txt/below").makeDirectories());
}

TEST_F(PathnameTreeTest, ReadWriteCopyMove) {
  const std::string bytes("line1\r\nline2\0\xff", 14);
  std::string read;
  ASSERT_TRUE(at("out.txt").writeAll(bytes) && at("out.txt").readAll(read));
  EXPECT_EQ(read, bytes);
  ASSERT_TRUE(at("out.txt").writeAll("short"));                // replaces the whole file
  EXPECT_TRUE(at("out.txt").copyTo(dir_.path() + "t/a.txt"));  // overwrites
  EXPECT_EQ(dir_.read("t/a.txt") + dir_.read("out.txt"), "shortshort");
  EXPECT_TRUE(at("t/b.txt").moveTo(dir_.path() + "out.txt"));  // overwrites
  EXPECT_FALSE(at("t/b.txt").exists());
  EXPECT_EQ(dir_.read("out.txt"), "t/b.txt");

  EXPECT_FALSE(at("missing").copyTo(dir_.path() + "x") || at("missing").moveTo(dir_.path() + "x"));
  EXPECT_FALSE(at("missing").readAll(read));
  EXPECT_TRUE(read.empty());
  EXPECT_FALSE(at("t").readAll(read) || at("nofolder/x.txt").writeAll("x"));
}

}  // namespace
}  // namespace vexahost
