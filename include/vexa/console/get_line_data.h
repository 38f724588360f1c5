// GetLineData: the single-line editor of one terminal window, with
// Emacs-style keys, a kill buffer, a mark, horizontal scrolling of long
// lines, a history of 99 lines (optionally kept in a file) and incremental
// history search.
//
// The editor reads no keyboard and writes no screen.  Its caller hands it
// one key at a time (Getlinem); everything the user should see (echo,
// backspaces that move the cursor, bells, redrawn prompts and lines) is
// appended to output(), which the caller displays and clears.  The console
// loop (console_loop.h) is the usual caller; "?" and TAB reach the terminal
// through two process-wide hook slots that the loop fills.
//
// Display model: the line is shown after the prompt in a window of
// (terminal width - prompt length) columns.  A line that does not fit is
// shifted by the scroll step; "$" marks text hidden at either edge.  The
// display cursor is kept as a line index (cursor field) and moved with
// backspaces (code 8) and by rewriting characters.
//
// Fatal errors (overflowing the 40960-byte line, a width below 21, a failed
// history copy) append a message beginning "\n*** Error: " to output() and
// go through the handler of fatal_error.h.
//
// One thread per editor.  The hook slots are process-wide.  Editors are not
// copied.
#ifndef VEXA_CONSOLE_GET_LINE_DATA_H_
#define VEXA_CONSOLE_GET_LINE_DATA_H_

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace vexaparser {
class VTY;
}

namespace vexaconsole {

// A hook slot: gets the line buffer (writable, kBufferSize bytes), the
// prompt length, the cursor (in and out), the terminal and the editor's
// output text; returns the first changed line index, -1 when only the cursor
// moved, or -2 to have everything redrawn.
using GlHook = int (*)(char* buffer, int promptLength, int* cursor, vexaparser::VTY* terminal,
                       std::string& output);

class GetLineData {
 public:
  static constexpr int kBufferSize = 40960;
  // Cursor request for gl_fixup: the end of the line, without a bell.
  static constexpr int kEndOfLine = 40960;
  static constexpr int kHistorySize = 100;
  // Longest search text: the search prompt (text and "? ") fits 101 bytes.
  static constexpr int kMaxSearchText = 98;
  // Longest history file read at start.
  static constexpr std::size_t kMaxHistoryFileBytes = 1 << 20;

  GetLineData();
  ~GetLineData();
  GetLineData(const GetLineData&) = delete;
  GetLineData& operator=(const GetLineData&) = delete;

  // ---- options and state ----

  // "noecho" sets the no-echo setting, "erase" the erase setting (value 0 or
  // not); other names are ignored.
  void Gl_config(const char* which, int value);
  // Terminal width; below 21 is fatal.  The scroll step becomes width / 3.
  void Gl_setwidth(int width);
  void Gl_windowchanged() {}
  int Gl_eof() const { return endOfInput_; }

  // ---- keys ----

  // Getlinem with mode 0.
  char* Getline(const std::string& keys, const char* prompt, vexaparser::VTY* terminal);
  // Processes the key whose bytes are keys (only the first byte counts; an
  // empty text is byte 0).  Mode 2 cleans up; mode -1 only starts a new line
  // (options reset); mode 0 (or below) starts a new line first when the last
  // one was completed.  Returns the line buffer, or null for mode 2, for the
  // start of mode -1, and for mode 1 unless the key completed the line.
  char* Getlinem(const std::string& keys, int mode, const char* prompt, vexaparser::VTY* terminal);
  // The key code of an input byte: 0-127 themselves (ESC is 21), the PC
  // extended keys -71 Home, -72 Up, -75 Left, -77 Right, -79 End, -80 Down,
  // -82 Insert, -83 Delete as 1, 16, 2, 6, 5, 14, 15, 4; other bytes 0.
  int gl_getc(char byte) const;

  // ---- lifecycle ----

  void gl_init();
  void gl_cleanup() { initState_ = 0; }
  // The host owns the terminal's modes; the editor changes none.
  void gl_char_init() {}
  void gl_char_cleanup() {}

  // ---- output ----

  // Writes one character, unless not on a terminal, or echo is off and the
  // character is printable and not blank.
  void gl_putc(int c);
  // Writes text regardless of echo (not when not on a terminal).
  void gl_puts(const char* text);
  // Fatal error: message to output(), then the fatal-error handler.
  void gl_error(const char* message);

  // ---- editing primitives ----

  void gl_addchar(int c);
  // Deletes before the cursor (loc -1) or under it (loc 0); bell when there
  // is nothing there.
  void gl_del(int loc);
  void gl_kill();
  // Moves characters i to j inclusive to the kill buffer; no redraw.
  void gl_kill_region(int i, int j);
  void gl_kill_1_word();
  void gl_kill_back_1_word();
  void gl_yank();
  void gl_transpose();
  void gl_set_mark() { mark_ = cursor_; }
  // Kills from the smaller of mark and cursor to one before the larger.
  void gl_wipe();
  void gl_exch();
  void gl_back_1_word();
  void gl_fwd_1_word();
  // Completes the line: appends "\n", sets the start-of-line flag.
  void gl_newline();
  void gl_redraw();
  // Brings the display up to date; see the file comment.  change: first
  // changed index, -1 cursor only, -2 everything; cursor: requested cursor.
  void gl_fixup(const char* prompt, int change, int cursor);
  // Inserts spaces up to the next multiple of 8 of offset + cursor; returns
  // the old cursor.
  static int gl_tab(char* buffer, int offset, int* cursor);
  static bool is_whitespace(char c);

  // ---- history (history.cpp) ----

  void hist_init();
  // Uses the named history file ("-": none): its lines are loaded, later
  // lines appended; a missing file is created.
  void Gl_histinit(const char* file);
  void Gl_histadd(const char* line);
  // Copy of line without its last character when it holds a line end.
  std::string hist_save(const char* line);
  const char* hist_prev();
  const char* hist_next();

  // ---- incremental search (history.cpp) ----

  // c 0 resets, above 0 appends, below 0 removes.  False when c was refused.
  bool search_update(int c);
  void search_addchar(int c);
  void search_term();
  void search_back(int newSearch);
  void search_forw(int newSearch);

  // ---- console loop members (console_loop.cpp) ----

  // getline_init, then sets the start-of-line flag.  Once, before the first key.
  void parser_init(const std::string& unused);
  // Installs the console loop's help and completion hooks; returns 0.
  int getline_init();
  // Feeds one key with the terminal's prompt; a completed non-empty line
  // goes to the history.  Returns the last line (null when none).
  char* vtysh_rl_gets(const std::string& keys, vexaparser::VTY& terminal);

  // ---- for the console loop and hosts ----

  // Restarts editing on an empty line with prompt (not owned; null means the
  // empty text) and draws the prompt.
  void startNewLine(const char* prompt);
  // The terminal text produced since the caller last cleared it.
  std::string& output() { return output_; }
  bool startOfLine() const { return startOfLine_; }
  // Whether the last key ended the input (^D or Delete on an empty line).
  bool inputEnded() const { return inputEnded_; }
  const char* lastLine() const { return lastLine_; }
  const char* line() const { return buffer_.get(); }
  int cursor() const { return cursor_; }
  const char* killBuffer() const { return killBuffer_.get(); }
  int mark() const { return mark_; }
  bool searching() const { return searchMode_; }
  int historyFileLineCount() const { return histFileLines_; }

  // The process-wide hook slots (null: none).
  static void setHooks(GlHook help, GlHook completion);

 private:
  // Calls a hook and redraws when it asks for it.
  void callHook(GlHook hook, vexaparser::VTY* terminal);
  // Handles a control key (below 32, or 127); returns true when it ended
  // the line (Enter, ^D on an empty line).
  bool controlKey(int c, vexaparser::VTY* terminal);
  // Writes prompt with echo off cleared; remembers it as the last prompt.
  void writePrompt(const char* prompt);
  // A history entry (or the empty text) copied into the line, cursor at the end.
  void showHistoryEntry(const char* entry);
  // Draws the line with the search prompt, cursor at the search text.
  void showSearchMatch();
  void searchStep(bool forward, int newSearch);
  // Rewrites the history file without its first lines.
  void trimHistoryFile();

  // Editor state, in the order the editor documents it.
  int initState_ = -1;
  int notATerminal_ = 0;
  int endOfInput_ = 0;
  int termWidth_ = 80;
  int scrollStep_ = 27;
  int windowWidth_ = 0;
  int redrawExtent_ = 0;
  int overwrite_ = 0;
  int noEcho_ = 0;
  int echoOffNow_ = 0;
  int erase_ = 0;
  int cursor_ = 0;
  int length_ = 0;
  std::unique_ptr<char[]> buffer_;
  std::unique_ptr<char[]> killBuffer_;
  const char* prompt_ = "";
  int interruptKey_ = 0;
  bool searchMode_ = false;
  int histFileLines_ = 0;  // 0: no history file; else lines in it + 1
  std::string histFileName_;
  int mark_ = -1;
  bool startOfLine_ = false;
  std::string searchPrompt_;
  std::string searchText_;
  bool searchForward_ = false;
  int searchLast_ = 0;
  std::string lastPrompt_;
  int histPos_ = 0;
  int histEnd_ = 0;
  // Slots: nullopt holds nothing, "" the empty text.
  std::array<std::optional<std::string>, kHistorySize> hist_;
  std::optional<std::string> histPrevEntry_;
  char* lastLine_ = nullptr;
  std::string output_;
  bool inputEnded_ = false;

  // Display scroll state.
  int shift_ = 0;
  bool hiddenLeft_ = false;
  bool hiddenRight_ = false;

  static GlHook helpHook_;
  static GlHook completionHook_;
};

}  // namespace vexaconsole

#endif  // VEXA_CONSOLE_GET_LINE_DATA_H_
