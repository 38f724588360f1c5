// Script files: the .cmf format on disk, odd files, saving with check and translation, and the
// companion files that are deleted and renamed with a script.

#include "vexa/designreader/dr_script_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "designreader/dr_test_support.h"

namespace vexadr {
namespace {

namespace fs = std::filesystem;
using ScriptFileTest = DRLibraryTest;

TEST_F(ScriptFileTest, WritesTheHeaderWithCrLfAndReadsEveryFieldBack) {
  const struct {
    std::string description, context;
    bool favourite;
  } cases[] = {{"first\nsecond", "#a = search_line(\"x\", all);", false},
               {"", "print \"y\";\r\n", true},
               // Context lines that look like header lines are kept verbatim.
               {"d", "!!!Favourite,0\n!!!Description:\n!!!Context:\nprint \"z\";", true}};
  for (const auto& c : cases) {
    DRScriptFile script(c.context, c.description, c.favourite);
    const std::string path = dir_.path() + "s.cmf";
    ASSERT_TRUE(script.saveScriptFile(path));
    const DRScriptFile back(path);
    EXPECT_EQ(c.description, back.getDescription()) << c.context;
    EXPECT_EQ(c.context, back.getContext());
    EXPECT_EQ(c.favourite, back.isFavourite());
    EXPECT_EQ("s", back.getFileName());
    EXPECT_EQ(path, back.getFilePath());
  }
  DRScriptFile("x;", "first\nsecond", false).saveScriptFile(dir_.path() + "s.cmf");
  EXPECT_EQ(
      "!!!Version,200\r\n!!!Favourite,0\r\n!!!Description:\r\n!!!first\r\n!!!second\r\n"
      "!!!Context:\r\nx;",
      dir_.read("s.cmf"));
  DRScriptFile("x;", "", true).saveScriptFile(dir_.path() + "s.cmf");
  EXPECT_NE(std::string::npos, dir_.read("s.cmf").find("!!!Description:\r\n!!!\r\n!!!Context:"));
}

TEST_F(ScriptFileTest, ReadsOddFiles) {
  const struct {
    std::string text, description, context;
    bool favourite;
  } cases[] = {{"print \"x\";\r\n", "", "print \"x\";\n", true},  // no header at all
               {"!!!Favourite,0\r\nprint #a;", "", "!!!Favourite,0\nprint #a;", false},
               {"!!!Favourite,1", "", "!!!Favourite,1", true},
               {"!!!Favourite,yes\n!!!Context:\nx", "", "x", false},
               {"!!!Description:\n!!", "", "!!!Description:\n!!", true},  // marker too near the end
               {"!!!Description:\n!!!d\n!!!Context:", "d", "", true},  // context marker at the end
               {"!!!Context:\n!!!Description:\n!!!late", "late", "!!!Description:\n!!!late", true},
               {"", "", "", true}};
  for (const auto& c : cases) {
    const DRScriptFile script(dir_.write("odd.cmf", c.text));
    EXPECT_EQ(c.description, script.getDescription()) << c.text;
    EXPECT_EQ(c.context, script.getContext()) << c.text;
    EXPECT_EQ(c.favourite, script.isFavourite()) << c.text;
  }
  for (const std::string& path : {dir_.path() + "missing.cmf", dir_.path()}) {
    const DRScriptFile script(path);
    EXPECT_TRUE(script.isFavourite() && script.getContext().empty() &&
                script.getFilePath().empty() && script.getFileName().empty())
        << path;
  }
}

TEST_F(ScriptFileTest, SavingWritesAProgramOnlyForACleanScript) {
  DRScriptFile inMemory("#a = #b;", "", true);
  EXPECT_FALSE(inMemory.save());
  EXPECT_TRUE(leftovers().empty());

  const std::string path = dir_.write("s.cmf", "#a = #b;");
  DRScriptFile script(path);
  script.setDescription("copy", true);
  EXPECT_TRUE(fs::exists(dir_.path() + "s.pl"));
  script.setContext("#a = #b; }", true);  // checker error: the stale program goes
  EXPECT_FALSE(fs::exists(dir_.path() + "s.pl"));
  script.setContext("#a = foo(#b);", true);  // translator error
  EXPECT_FALSE(fs::exists(dir_.path() + "s.pl"));
  script.setFavourite(false, true);
  const DRScriptFile back(path);
  EXPECT_EQ("copy", back.getDescription());
  EXPECT_EQ("#a = foo(#b);", back.getContext());
  EXPECT_FALSE(back.isFavourite());
  EXPECT_FALSE(script.saveScriptFile(dir_.path() + "no/such/folder/s.cmf"));
}

TEST_F(ScriptFileTest, CompanionsTravelWithTheScript) {
  const std::string script = dir_.write("lib/a.cmf", "#a = #b;");
  const std::string source = dir_.write("source.txt", "sample");
  EXPECT_TRUE(DRScriptFile::setSampleFile(script, source, 1));
  EXPECT_TRUE(DRScriptFile::setSampleFile(script, source, 3));  // any other index: sample2
  EXPECT_TRUE(DRScriptFile::setSampleMap(script, source));
  EXPECT_FALSE(DRScriptFile::setSampleFile(script, dir_.path() + "none", 1));
  EXPECT_FALSE(DRScriptFile::setSampleFile(dir_.write("lib/plain.txt", ""), source, 1));
  EXPECT_FALSE(DRScriptFile::setSampleMap(dir_.path() + "lib/none.cmf", source));
  const std::string samples[] = {"", dir_.path() + "lib/a.sample1", dir_.path() + "lib/a.sample2",
                                 ""};
  for (int index = 0; index <= 3; ++index) {
    EXPECT_EQ(samples[index], DRScriptFile::getSampleFileFullPath(script, index)) << index;
  }
  EXPECT_EQ(dir_.path() + "lib/a.map", DRScriptFile::getSampleMapFullPath(script));
  dir_.write("lib/a.pl", "program");

  // The target name's script exists: it stays, companions with free names move.
  dir_.write("lib/b.cmf", "other");
  dir_.write("lib/b.map", "other map");
  EXPECT_TRUE(DRScriptFile::renameScriptFile(dir_.path() + "lib/", "a", "b"));
  EXPECT_EQ("#a = #b;other mapprogramsample",
            dir_.read("lib/a.cmf") + dir_.read("lib/b.map") + dir_.read("lib/b.pl") +
                dir_.read("lib/b.sample1") + dir_.read("lib/a.sample1"));
  for (const char* to : {"c", ""}) {
    EXPECT_FALSE(DRScriptFile::renameScriptFile(dir_.path() + "lib/", *to ? "none" : "a", to));
  }
  EXPECT_FALSE(DRScriptFile::renameScriptFile(dir_.path() + "nolib/", "a", "c"));

  DRScriptFile::delScriptFile(dir_.path() + "lib/b.cmf");
  for (const char* gone : {"b.cmf", "b.map", "b.pl", "b.sample1", "b.sample2"}) {
    EXPECT_FALSE(fs::exists(dir_.path() + "lib/" + gone)) << gone;
  }
  DRScriptFile::delScriptFile(dir_.path() + "lib/plain.txt");  // no ".cmf": left alone
  EXPECT_TRUE(fs::exists(dir_.path() + "lib/a.map") && fs::exists(dir_.path() + "lib/plain.txt"));
  dir_.write("lib/sub/deep.cmf", "x");
  DRScriptFile::delScriptFiles(dir_.path() + "lib/");  // recursively, then the folder
  EXPECT_FALSE(fs::exists(dir_.path() + "lib"));
}

}  // namespace
}  // namespace vexadr
