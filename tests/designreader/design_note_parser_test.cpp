// The script library tree on disk, and script runs through the Perl interpreter: results as text
// and trees, merged findings, the interpreter's command line, and the temporary files that every
// run, failed or not, must leave behind it: none.  (Useful scripts: tests/tools/vexa_dr_test.cpp.)

#include "vexa/designreader/design_note_parser.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "designreader/dr_test_support.h"
#include "vexa/designreader/dr_check.h"
#include "vexa/designreader/dr_script_file.h"

namespace vexadr {
namespace {

namespace fs = std::filesystem;
using LibraryTreeTest = DRLibraryTest;
using ScriptRunTest = DRLibraryTest;

const char kConfig[] = "hostname r1\r\ninterface Gi0/1\r\n shutdown\r\n";
const char kShutdown[] = "#s = search_line(\"shutdown\", all);\r\nprint #s;\r\n";

TEST_F(LibraryTreeTest, ListsScriptsAndFoldersAndChangesThemOnDisk) {
  dir_.write("lib/one.cmf", "x");
  dir_.write("lib/notes.txt", "not a script");
  dir_.write("lib/.hidden/h.cmf", "x");
  dir_.write("lib/sub/two.cmf", "x");
  DesignNoteParser root(dir_.path() + "lib/", true);
  EXPECT_EQ(dir_.path() + "lib", root.getRootDirct());
  EXPECT_EQ(std::set<std::string>{"one"}, root.getScriptFiles());
  ASSERT_EQ(1u, root.getSubDirects().size());
  EXPECT_EQ(std::set<std::string>{"two"}, root.getSubDirects().at("sub")->getScriptFiles());
  EXPECT_EQ(dir_.path() + "lib/one.cmf", root.getScriptFileFullPath("one"));

  EXPECT_FALSE(root.addScriptFile("one", "#a = #b;", "taken"));
  EXPECT_EQ("x", dir_.read("lib/one.cmf"));
  EXPECT_FALSE(root.addScriptFile("three", "", "no context"));
  EXPECT_FALSE(root.addScriptFile("", "#a = #b;", "no name"));
  ASSERT_TRUE(root.addScriptFile("three", "#a = #b;", "new"));
  EXPECT_FALSE(DRScriptFile(dir_.path() + "lib/three.cmf").isFavourite());
  EXPECT_TRUE(root.delScriptFile("three"));  // the script file only
  EXPECT_FALSE(fs::exists(dir_.path() + "lib/three.cmf"));
  EXPECT_TRUE(fs::exists(dir_.path() + "lib/three.pl"));
  EXPECT_FALSE(root.delScriptFile("three"));

  for (const char* bad : {"", "sub", "a/b"}) EXPECT_FALSE(root.addSubDirect(bad)) << bad;
  EXPECT_TRUE(root.addSubDirect("new"));
  EXPECT_TRUE(fs::is_directory(dir_.path() + "lib/new"));
  const DesignNoteParser copy = root;  // deep: the copy survives the original's changes
  EXPECT_TRUE(root.delSubDirect("sub"));
  EXPECT_FALSE(root.delSubDirect("sub"));
  EXPECT_FALSE(fs::exists(dir_.path() + "lib/sub"));
  EXPECT_EQ(std::set<std::string>{"two"}, copy.getSubDirects().at("sub")->getScriptFiles());
  EXPECT_FALSE(DesignNoteParser(dir_.path() + "nothing", false).genScriptFileTree());
}

TEST_F(ScriptRunTest, CheckReportsCheckerErrorsWithoutTranslating) {
  const std::string checkerErrors[] = {
      "}", "{", "(", "[\n]]", "print \"open;\n", " if x;", " if (a = b) x;", std::string(64, '(')};
  for (const std::string& text : checkerErrors) {
    DRCheck check(text);
    check.syntaxCheck();
    const std::string report = DesignNoteParser::checkScriptFile(text);
    EXPECT_FALSE(report.empty()) << text;
    EXPECT_EQ(check.getErrStr(), report) << text;
    EXPECT_TRUE(leftovers().empty()) << text;
  }
  EXPECT_EQ("", DesignNoteParser::checkScriptFile(kShutdown));
  EXPECT_TRUE(leftovers().empty());
}

TEST_F(ScriptRunTest, RunsGiveTextTreesAndMergedFindingsAndLeaveNothingBehind) {
  VEXA_REQUIRE_PERL();
  UIVariableForDR picks("r1");
  picks.addVariableValue(UIVariableType::IPAddressList, "10.0.0.1");
  picks.addVariableValue(UIVariableType::InterfaceList, "Gi0/1");
  EXPECT_EQ("10.0.0.1|interface Gi0/1|Gi0/1\n",
            run("print \"@UI_IPAddressList|@UI_InterfaceList|@UI_InterfaceNameList\\n\";", kConfig,
                &picks));
  EXPECT_EQ("\n", run("print \"@UI_IPAddressList\\n\";", kConfig));
  EXPECT_TRUE(leftovers().empty());

  // Trees need the program saved beside the script.
  const std::string config = dir_.write("r1.cfg", kConfig);
  DesignNoteParser lib(dir_.path() + "lib", false);
  fs::create_directories(dir_.path() + "lib");
  dir_.write("lib/unsaved.cmf", kShutdown);
  EXPECT_EQ(nullptr,
            DesignNoteParser::getDesignNoteTree(dir_.path() + "lib/unsaved.cmf", config, nullptr));
  ASSERT_TRUE(lib.addScriptFile(
      "a", "#h = search_line(\"hostname .*\", all, , \"first\");\nprint #h;", ""));
  ASSERT_TRUE(lib.addScriptFile("b",
                                "#h = search_line(\"hostname .*|shutdown\", all, , \"b\");\n"
                                "print #h;",
                                ""));
  const auto tree =
      DesignNoteParser::getDesignNoteTree(lib.getScriptFileFullPath("b"), config, nullptr);
  ASSERT_NE(nullptr, tree);
  EXPECT_EQ("hostname r1 !b", tree->getLines()[0]->text);
  EXPECT_EQ("hostname r1 !first\r\ninterface Gi0/1\r\n shutdown !b\r\n",
            DesignNoteParser::getResultByMultiFilters(
                {lib.getScriptFileFullPath("a"), dir_.path() + "lib/unsaved.cmf",
                 lib.getScriptFileFullPath("b")},
                config, &picks));
  EXPECT_TRUE(leftovers().empty());
}

TEST_F(ScriptRunTest, ThePathsReachPerlAsThreeArgumentsWhateverTheyHold) {
  // A stand-in interpreter that writes down its arguments, one per line.
  const std::string record = dir_.path() + "args.txt";
  const std::string fake =
      dir_.write("fake-perl",
                 "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + record + "'\n");
  fs::permissions(fake, fs::perms::owner_all);
  vexahost::VexaFileSystem::SetPerlExepath(fake);
  const std::string odd = "we \"ird\" ; $(touch x) `y` \\";
  const std::string config = dir_.write(odd + ".cfg", kConfig);
  const std::string script = dir_.write(odd + ".cmf", kShutdown);
  UIVariableForDR picks;
  picks.addVariableValue(UIVariableType::ProtocolList, "ospf");
  const UIVariableForDR* const runs[] = {nullptr, &picks};
  for (const UIVariableForDR* variables : runs) {
    EXPECT_EQ("", DesignNoteParser::getDesignNote(script, config, variables));
    const std::string folder =
        variables ? temp() + std::to_string(reinterpret_cast<std::uintptr_t>(variables)) : "";
    EXPECT_EQ(temp() + odd + ".pl\n" + config + "\n" + temp() + odd + ".drtmp\n" + folder + "\\\n",
              dir_.read("args.txt"));
    EXPECT_EQ(0, DesignNoteParser::lastRunStatus());
    EXPECT_TRUE(leftovers().empty());
  }
  EXPECT_FALSE(fs::exists(dir_.path() + "x"));
}

TEST_F(ScriptRunTest, FailedRunsGiveNothingAndLeaveNothing) {
  VEXA_REQUIRE_PERL();
  UIVariableForDR picks;
  picks.addVariableValue(UIVariableType::IPAddressList, "10.0.0.1");
  // The program does not compile; a script with translation errors has no body; an empty
  // script and missing files are not run.
  EXPECT_EQ("", run("if (is_in_samenet(#a, #b, #c, 1/0)) {}", kConfig, &picks));
  EXPECT_NE(0, DesignNoteParser::lastRunStatus());
  EXPECT_EQ("", run("#a = foo(#b);", kConfig, &picks));
  EXPECT_EQ("", run("", kConfig, &picks));
  EXPECT_EQ("",
            DesignNoteParser::getDesignNote(dir_.path() + "t.cmf", dir_.path() + "no.cfg", &picks));
  EXPECT_EQ(
      "", DesignNoteParser::getDesignNote(dir_.path() + "no.cmf", dir_.path() + "t.cfg", nullptr));
  vexahost::VexaFileSystem::SetPerlExepath(dir_.path() + "no-perl");
  EXPECT_EQ("", run(kShutdown, kConfig, &picks));
  EXPECT_EQ(-1, DesignNoteParser::lastRunStatus());
  EXPECT_TRUE(leftovers().empty());
}

}  // namespace
}  // namespace vexadr
