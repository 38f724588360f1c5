// The line editor's terminal text, byte for byte, key by key through the
// console loop: echo, backspaces, bells, prompt redraws, scrolling, killing
// and yanking, history keys and incremental search, "?" and TAB.
#include <string>
#include <vector>

#include "console_test_support.h"

namespace vexaconsole::testing {
namespace {

const std::string B = "\b";
const std::string kInvalid = "% Invalid input detected at ^\n";

struct KeyCase {
  std::string typedBefore;  // keys typed first; their text is not checked
  std::string keys;
  std::string expected;
};

// 77 characters "0123456789012...": one more than the window holds.
const std::string s77 = [] {
  std::string s;
  for (int i = 0; i < 77; ++i) s += static_cast<char>('0' + i % 10);
  return s;
}();

// clang-format off
const std::vector<KeyCase> kCases = {
    // The prompt is drawn with the first redraw: a refused first key shows none.
    {"", "ab", "R1>ab"},
    {"", "\x7f" "a", "\aR1>a"},
    {"", "ab\x7f", "R1>ab\b \b"},
    {"", "ab\x04", "R1>ab\a"},
    {"", "ab\x01\x04", "R1>ab\b\bb \b\b"},
    {"", "\x04", "\n"},
    {"", "ab\x1a", "R1>ab\a"},
    {"", "ab\x0c", "R1>ab\nR1>ab"},
    // Extended keys: Left, Left, Left (bell at 0), Right, End.
    {"", "ab\xb5\xb5\xb5\xb3\xb1", "R1>ab\b\b\aab"},
    // A byte that is no key abandons the line without touching the display.
    {"", "ab\x80" "c", "R1>abc"},
    // Kill to the end, yank back; ESC kills the whole line; overwrite.
    {"", "abc\x01\x0b\x19", "R1>abc\b\b\b   \b\b\babc"},
    {"", "abc\x1b", "R1>abc\b\b\b   \b\b\b"},
    {"", "abc\x01\x0fX", "R1>abc\b\b\bX"},
    // Yank sets the mark; ^X goes there, ^W kills up to the old cursor.
    {"", "ab\x01\x0b\x19" "cd\x18\x17", "R1>ab\b\b  \b\babcd\b\b\b\b    \b\b\b\b"},
    {"", "abc\x02\x14", "R1>abc\b\bcb\b"},
    {"", "ab\x14", "R1>ab\a"},
    // Scrolling in a 77-column window with a 27-column step.
    {"", s77.substr(0, 76), "R1>" + s77.substr(0, 76)},
    {"", s77, "R1>" + s77.substr(0, 76) + rep(B, 76) + "$" + s77.substr(28) + rep(" ", 26) + rep(B, 26)},
    {s77, "\x01", rep(B, 50) + s77.substr(0, 75) + "$" + rep(B, 76)},
    // Enter on an empty line stores no history (^P rings).
    {"", "x\x7f\r\x10", "R1>x\b \b\nR1>\a"},
    {"", "sh?", "R1>sh?\nshow\t\tshow running system information\nR1>sh"},
    {"", "sh\t", "R1>sh\nR1>show "},
    // ^P to the oldest entry and past it, ^N back to the empty line and past it.
    {"alpha one\rbeta two\r", "\x10\x10\x10",
     "beta two" + rep(B, 8) + "alpha one\a" + rep(B, 9) + rep(" ", 9) + rep(B, 9)},
    {"alpha one\rbeta two\r\x10\x10\x10", "\x0e\x0e\x0e\x0e",
     "alpha one" + rep(B, 9) + "beta two \b" + rep(B, 8) + rep(" ", 8) + rep(B, 8) + "\a"},
    // ^R, "al" finds the newest match, ^R the next one; Backspace searches
    // "a" again from there; Enter completes the line found.
    {"alpha one\rbeta two\ralpha three\r", "\x12" "al\x12\x7f\r",
     "\b\b\b?  \b" "\b\ba? alpha three" + rep(B, 11) + "\b\b\bal? alpha three" + rep(B, 11) +
         "alpha one  " + rep(B, 11) + "\b\b\b\ba? alpha one " + rep(B, 10) + "\b\b\bR1>alpha one" +
         rep(B, 9) + "alpha one\n" + kInvalid + "R1>"},
};
// clang-format on

class LineEditorTest : public ConsoleTest {};

TEST_F(LineEditorTest, KeysGiveTheExactTerminalText) {
  for (const KeyCase& c : kCases) {
    SetUp();
    type(c.typedBefore);
    EXPECT_EQ(type(c.keys), c.expected)
        << "typed before: " << ::testing::PrintToString(c.typedBefore)
        << "\nkeys: " << ::testing::PrintToString(c.keys);
  }
}

TEST_F(LineEditorTest, WordPrimitivesStopAtNonWordCharacters) {
  type("ip  add_r 1.2");
  editor_->gl_back_1_word();
  EXPECT_EQ(editor_->cursor(), 12);
  editor_->gl_back_1_word();
  EXPECT_EQ(editor_->cursor(), 10);
  editor_->gl_back_1_word();
  EXPECT_EQ(editor_->cursor(), 4);
  editor_->gl_kill_1_word();
  EXPECT_STREQ(editor_->line(), "ip   1.2");
  EXPECT_STREQ(editor_->killBuffer(), "add_r");
  editor_->gl_fwd_1_word();
  EXPECT_EQ(editor_->cursor(), 5);
  editor_->gl_fwd_1_word();
  EXPECT_EQ(editor_->cursor(), 7);
  editor_->gl_kill_back_1_word();
  EXPECT_STREQ(editor_->line(), "ip   2");
  EXPECT_STREQ(editor_->killBuffer(), "1.");
  char tabbed[GetLineData::kBufferSize] = "ab";
  int cursor = 2;
  EXPECT_EQ(GetLineData::gl_tab(tabbed, 3, &cursor), 2);
  EXPECT_STREQ(tabbed, "ab   ");
  EXPECT_EQ(cursor, 5);
}

}  // namespace
}  // namespace vexaconsole::testing
