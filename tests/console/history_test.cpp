// The history ring and the history file, including the ways the file can
// fail or lie, and the file replacement it is trimmed through.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <string>
#include <vector>

#include "host/temp_dir.h"
#include "vexa/console/get_line_data.h"
#include "vexa/host/file_update.h"

namespace vexaconsole::testing {
namespace {

using vexahost::testing::TempDir;

// The entries from the newest back to the oldest.
std::vector<std::string> entries(GetLineData& editor) {
  std::vector<std::string> out;
  for (const char* e = editor.hist_prev(); *e != '\0'; e = editor.hist_prev()) out.push_back(e);
  return out;
}

std::string numbered(const std::string& prefix, int from, int to) {
  std::string text;
  for (int i = from; i <= to; ++i) text += prefix + std::to_string(i) + "\n";
  return text;
}

void addNumbered(GetLineData& editor, const std::string& prefix, int from, int to) {
  for (int i = from; i <= to; ++i) editor.Gl_histadd((prefix + std::to_string(i) + "\n").c_str());
}

TEST(HistoryTest, RingKeeps99EntriesWithoutRepeatsOrBlankLines) {
  GetLineData editor;
  editor.Gl_histinit("-");
  for (const char* line : {"A\n", "A", "B\n", "  \t\n", "A\n"}) editor.Gl_histadd(line);
  EXPECT_EQ(entries(editor), std::vector<std::string>({"A", "B", "A"}));
  addNumbered(editor, "n", 1, 100);
  const std::vector<std::string> kept = entries(editor);
  ASSERT_EQ(kept.size(), 99u);
  EXPECT_EQ(kept.front(), "n100");
  EXPECT_EQ(kept.back(), "n2");
}

TEST(HistoryTest, FileIsReadInPiecesAppendedAndTrimmed) {
  TempDir dir;
  const std::string path = dir.write("history", "one\ntwo\n" + std::string(300, 'x') + "\n");
  GetLineData editor;
  editor.Gl_histinit(path.c_str());
  EXPECT_EQ(editor.historyFileLineCount(), 4);
  EXPECT_EQ(entries(editor),
            std::vector<std::string>({std::string(45, 'x'), std::string(255, 'x'), "two", "one"}));
  addNumbered(editor, "a", 1, 96);
  EXPECT_EQ(editor.historyFileLineCount(), 100);
  addNumbered(editor, "a", 97, 97);
  EXPECT_EQ(editor.historyFileLineCount(), 61) << "100 lines: the first 40 dropped";
  EXPECT_EQ(dir.read("history"), numbered("a", 38, 97));

  GetLineData fresh;
  fresh.Gl_histinit((dir.path() + "new").c_str());
  EXPECT_TRUE(std::filesystem::exists(dir.path() + "new")) << "a missing file is created";
  EXPECT_EQ(fresh.historyFileLineCount(), 1);
}

TEST(HistoryTest, TrimmingThatCannotWriteKeepsTheWholeFile) {
  TempDir dir;
  // The temporary file's name would pass the file system's name limit.
  const std::string name(250, 'h');
  const std::string path = dir.write(name, numbered("old", 1, 99));
  GetLineData editor;
  editor.Gl_histinit(path.c_str());
  editor.Gl_histadd("new1\n");
  EXPECT_EQ(editor.historyFileLineCount(), 101);
  EXPECT_EQ(dir.read(name), numbered("old", 1, 99) + "new1\n");
  std::filesystem::remove_all(dir.path());
  editor.Gl_histadd("new2\n");
  EXPECT_EQ(editor.historyFileLineCount(), 101) << "an append that fails is not counted";
  EXPECT_EQ(entries(editor).front(), "new2");
}

TEST(HistoryTest, GarbageFilesAndCountsThatLieAreSurvived) {
  TempDir dir;
  const std::string path =
      dir.write("garbage", std::string("\0\0bin\xff\x01\n", 8) + "ok\n" + std::string(600, '\x80'));
  GetLineData editor;
  editor.Gl_histinit(path.c_str());
  EXPECT_EQ(editor.historyFileLineCount(), 4);
  // Pieces of 255: zero bytes cut them short, empty and repeated ones are skipped.
  EXPECT_EQ(entries(editor),
            std::vector<std::string>({std::string(90, '\x80'), std::string(255, '\x80'), "ok"}));
  editor.Gl_histinit("/dev/zero");  // endless: read up to the limit only
  EXPECT_EQ(editor.historyFileLineCount(), 2);

  const std::string lying = dir.write("lying", numbered("l", 1, 99));
  editor.Gl_histinit(lying.c_str());
  dir.write("lying", "l1\n");  // cut short behind the editor's back
  addNumbered(editor, "m", 1, 1);
  EXPECT_EQ(dir.read("lying"), "");
  EXPECT_EQ(editor.historyFileLineCount(), 1);
}

TEST(FileUpdateTest, ReplacingFailsWithoutTouchingTheOldFile) {
  TempDir dir;
  const std::string path = dir.write("delta", "old text\n");
  std::string error;
  struct rlimit old;
  getrlimit(RLIMIT_FSIZE, &old);
  struct rlimit small = old;
  small.rlim_cur = 4;  // a full disk, for this process
  auto* oldSignal = signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  EXPECT_FALSE(vexahost::replaceFileContents(path, "new and longer text\n", error));
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, oldSignal);
  EXPECT_NE(error.find("File too large"), std::string::npos) << error;
  EXPECT_EQ(dir.read("delta"), "old text\n");
  EXPECT_FALSE(vexahost::replaceFileContents(dir.path(), "x", error)) << "a folder";
  EXPECT_FALSE(vexahost::replaceFileContents(dir.path() + "no/such/file", "x", error));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
      << "no temporary file is left behind";

  std::filesystem::create_symlink(path, dir.path() + "link");
  EXPECT_TRUE(vexahost::replaceFileContents(dir.path() + "link", "through the link\n", error));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.path() + "link"));
  EXPECT_EQ(dir.read("delta"), "through the link\n");
}

}  // namespace
}  // namespace vexaconsole::testing
