#include "vexa/host/pathname.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "host/temp_dir.h"

namespace vexahost {
namespace {

using testing::TempDir;

std::vector<std::string> names(const std::vector<Pathname>& entries) {
  std::vector<std::string> result;
  for (const Pathname& entry : entries) result.push_back(entry.file());
  return result;
}

TEST(PathnameTest, FileAndFileBaseTable) {
  const struct {
    std::string path, file, base;
  } cases[] = {
      {"a/b.cmf", "b.cmf", "b"},
      {"/x/y/archive.tar.gz", "archive.tar.gz", "archive.tar"},
      {"dir.d/noext", "noext", "noext"},
      {"folder/", "folder", "folder"},
      {"folder.v2//", "folder.v2", "folder"},
      {"plain", "plain", "plain"},
      {".profile", ".profile", ""},
      {"a/b.", "b.", "b"},
      {"/", "", ""},
      {"", "", ""},
      {"a/..", "..", "."},
  };
  for (const auto& c : cases) {
    const Pathname p(c.path);
    EXPECT_EQ(p.file(), c.file) << "'" << c.path << "'";
    EXPECT_EQ(p.fileBase(), c.base) << "'" << c.path << "'";
    EXPECT_EQ(p.data(), c.path);
  }
}

class PathnameTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir_.path().empty());
    dir_.write("tree/b.txt", "b");
    dir_.write("tree/A.txt", "A");
    dir_.write("tree/a.txt", "a");
    dir_.write("tree/.hidden", "h");
    dir_.write("tree/sub/deep/file.cmf", "x");
  }
  std::string path(const std::string& name) const { return dir_.path() + name; }

  TempDir dir_;
};

TEST_F(PathnameTreeTest, ExistsAndIsDirectory) {
  EXPECT_TRUE(Pathname(path("tree")).exists());
  EXPECT_TRUE(Pathname(path("tree")).isDirectory());
  EXPECT_TRUE(Pathname(path("tree/a.txt")).exists());
  EXPECT_FALSE(Pathname(path("tree/a.txt")).isDirectory());
  EXPECT_FALSE(Pathname(path("tree/none")).exists());
  EXPECT_FALSE(Pathname(path("tree/none")).isDirectory());
  EXPECT_FALSE(Pathname("").exists());
  EXPECT_FALSE(Pathname(path("tree") + std::string("\0/a.txt", 7)).exists());
}

TEST_F(PathnameTreeTest, DirContentsSortedWithoutDotEntries) {
  const std::vector<Pathname> entries = Pathname(path("tree")).dirContents();
  EXPECT_EQ(names(entries),
            (std::vector<std::string>{".hidden", "A.txt", "a.txt", "b.txt", "sub"}));
  ASSERT_FALSE(entries.empty());
  EXPECT_EQ(entries[1].data(), path("tree/A.txt"));
  // A folder path that already ends in a separator is not doubled.
  EXPECT_EQ(Pathname(path("tree/")).dirContents()[1].data(), path("tree/A.txt"));
}

TEST_F(PathnameTreeTest, DirContentsOfNonFolderIsEmpty) {
  EXPECT_TRUE(Pathname(path("tree/a.txt")).dirContents().empty());
  EXPECT_TRUE(Pathname(path("missing")).dirContents().empty());
  EXPECT_TRUE(Pathname("").dirContents().empty());
  ASSERT_TRUE(Pathname(path("emptydir")).makeDirectories());
  EXPECT_TRUE(Pathname(path("emptydir")).dirContents().empty());
}

TEST_F(PathnameTreeTest, RemoveFolderWithContent) {
  EXPECT_FALSE(Pathname(path("tree/sub")).removeFile(false));  // not empty
  EXPECT_TRUE(Pathname(path("tree/sub")).exists());
  EXPECT_TRUE(Pathname(path("tree/sub")).removeFile(true));
  EXPECT_FALSE(Pathname(path("tree/sub")).exists());
  EXPECT_TRUE(Pathname(path("tree/a.txt")).removeFile(false));
  EXPECT_FALSE(Pathname(path("tree/a.txt")).exists());
  EXPECT_FALSE(Pathname(path("tree/a.txt")).removeFile(true));  // already gone
  EXPECT_TRUE(Pathname(path("tree/b.txt")).exists());
}

TEST_F(PathnameTreeTest, RemovingALinkKeepsItsTarget) {
  std::error_code ec;
  std::filesystem::create_directory_symlink(path("tree/sub"), path("link"), ec);
  ASSERT_FALSE(ec);
  EXPECT_TRUE(Pathname(path("link")).removeFile(true));
  EXPECT_FALSE(Pathname(path("link")).exists());
  EXPECT_TRUE(Pathname(path("tree/sub/deep/file.cmf")).exists());
}

TEST_F(PathnameTreeTest, MakeDirectoriesCreatesParents) {
  const Pathname deep(path("new/one/two"));
  EXPECT_TRUE(deep.makeDirectories());
  EXPECT_TRUE(deep.isDirectory());
  EXPECT_TRUE(deep.makeDirectories());  // already there
  EXPECT_FALSE(Pathname(path("tree/a.txt/below")).makeDirectories());
}

TEST_F(PathnameTreeTest, ReadWriteCopyMove) {
  const std::string bytes("line1\r\nline2\0\xff", 14);
  const Pathname file(path("out.txt"));
  ASSERT_TRUE(file.writeAll(bytes));
  std::string read;
  ASSERT_TRUE(file.readAll(read));
  EXPECT_EQ(read, bytes);

  ASSERT_TRUE(file.writeAll("short"));  // replaces the whole file
  ASSERT_TRUE(file.readAll(read));
  EXPECT_EQ(read, "short");

  EXPECT_TRUE(file.copyTo(path("tree/a.txt")));  // overwrites
  EXPECT_EQ(dir_.read("tree/a.txt"), "short");
  EXPECT_TRUE(file.exists());

  EXPECT_TRUE(Pathname(path("tree/b.txt")).moveTo(path("out.txt")));  // overwrites
  EXPECT_FALSE(Pathname(path("tree/b.txt")).exists());
  EXPECT_EQ(dir_.read("out.txt"), "b");

  EXPECT_FALSE(Pathname(path("missing")).copyTo(path("x")));
  EXPECT_FALSE(Pathname(path("missing")).moveTo(path("x")));
  EXPECT_FALSE(Pathname(path("missing")).readAll(read));
  EXPECT_TRUE(read.empty());
  EXPECT_FALSE(Pathname(path("tree")).readAll(read));
  EXPECT_FALSE(Pathname(path("nofolder/x.txt")).writeAll("x"));
}

}  // namespace
}  // namespace vexahost
