// GetLineData: construction, options, the key loop (Getlinem), key codes and
// output.  Editing primitives are in line_edit.cpp, the display update in
// line_display.cpp, history and search in history.cpp.
#include "vexa/console/get_line_data.h"

#include <cctype>
#include <cstring>

#include "vexa/console/fatal_error.h"
#include "vexa/host/terminal.h"

namespace vexaconsole {

GlHook GetLineData::helpHook_ = nullptr;
GlHook GetLineData::completionHook_ = nullptr;

namespace {

constexpr int kBell = 7;

// Control codes of the key bindings.
enum Key : int {
  kAbandon = 0,
  kHome = 1,
  kLeft = 2,
  kDelete = 4,
  kEnd = 5,
  kRight = 6,
  kBackspace = 8,
  kTab = 9,
  kLineFeed = 10,
  kKillToEnd = 11,
  kRedraw = 12,
  kReturn = 13,
  kNext = 14,
  kOverwrite = 15,
  kPrevious = 16,
  kSearchBack = 18,
  kSearchForward = 19,
  kTranspose = 20,
  kKillLine = 21,
  kWipe = 23,
  kExchange = 24,
  kYank = 25,
  kDel = 127,
};

}  // namespace

GetLineData::GetLineData()
    : buffer_(new char[kBufferSize]()), killBuffer_(new char[kBufferSize]()) {}

GetLineData::~GetLineData() = default;

void GetLineData::setHooks(GlHook help, GlHook completion) {
  helpHook_ = help;
  completionHook_ = completion;
}

void GetLineData::Gl_config(const char* which, int value) {
  if (which == nullptr) return;
  if (std::strcmp(which, "noecho") == 0) noEcho_ = value;
  if (std::strcmp(which, "erase") == 0) erase_ = value;
}

void GetLineData::Gl_setwidth(int width) {
  if (width < 21) {
    gl_error("\n*** Error: minimum screen width is 21\n");
    return;
  }
  termWidth_ = width;
  scrollStep_ = width / 3;
}

void GetLineData::gl_init() {
  if (initState_ == -1) hist_init();
  if (vexahost::isTerminal()) {
    interruptKey_ = 3;
  } else {
    notATerminal_ = 1;
  }
  gl_char_init();
  initState_ = 1;
}

int GetLineData::gl_getc(char byte) const {
  const int c = static_cast<signed char>(byte);
  if (c >= 0) return c == 27 ? kKillLine : c;
  switch (c) {
    case -71:
      return kHome;
    case -72:
      return kPrevious;
    case -75:
      return kLeft;
    case -77:
      return kRight;
    case -79:
      return kEnd;
    case -80:
      return kNext;
    case -82:
      return kOverwrite;
    case -83:
      return kDelete;
    default:
      return kAbandon;
  }
}

void GetLineData::gl_putc(int c) {
  if (notATerminal_) return;
  if (echoOffNow_ && std::isgraph(static_cast<unsigned char>(c))) return;
  output_ += static_cast<char>(c);
}

void GetLineData::gl_puts(const char* text) {
  if (notATerminal_ || text == nullptr) return;
  output_ += text;
}

void GetLineData::gl_error(const char* message) {
  output_ += message;
  gl_cleanup();
  reportFatalError(message);
}

char* GetLineData::Getline(const std::string& keys, const char* prompt, vexaparser::VTY* terminal) {
  return Getlinem(keys, 0, prompt, terminal);
}

char* GetLineData::Getlinem(const std::string& keys, int mode, const char* prompt,
                            vexaparser::VTY* terminal) {
  if (mode == 2) {
    gl_cleanup();
    return nullptr;
  }
  if (mode <= 0 && startOfLine_) {
    if (mode == -1) {
      noEcho_ = 0;
      erase_ = 0;
    }
    gl_init();
    prompt_ = prompt == nullptr ? "" : prompt;
    buffer_[0] = '\0';
    if (mode == -1) return nullptr;
    startOfLine_ = false;
  }

  inputEnded_ = false;
  const int c = gl_getc(keys.empty() ? '\0' : keys[0]);
  if (c == kAbandon) {
    // The line is dropped without touching the display; cursor and length
    // start again from an empty line so that later keys stay inside it.
    endOfInput_ = 0;
    gl_cleanup();
    buffer_[0] = '\0';
    cursor_ = length_ = 0;
    shift_ = 0;
    hiddenLeft_ = hiddenRight_ = false;
    return buffer_.get();
  }
  redrawExtent_ = 0;

  if (c < 32 || c == kDel) {
    if (controlKey(c, terminal)) return buffer_.get();
  } else {
    if (searchMode_) {
      search_addchar(c);
    } else {
      gl_addchar(c);
    }
    if (c == '?' && helpHook_ != nullptr) callHook(helpHook_, terminal);
  }
  return mode == 1 ? nullptr : buffer_.get();
}

bool GetLineData::controlKey(int c, vexaparser::VTY* terminal) {
  if (searchMode_) {
    switch (c) {
      case kNext:
      case kPrevious:
        search_term();
        gl_set_mark();
        return false;
      case kBackspace:
      case kDel:
        search_addchar(-1);
        gl_set_mark();
        return false;
      case kSearchBack:
      case kSearchForward:
        break;
      default:
        search_term();
        break;
    }
  }
  switch (c) {
    case kHome:
      gl_fixup(prompt_, -1, 0);
      break;
    case kLeft:
      gl_fixup(prompt_, -1, cursor_ - 1);
      break;
    case kDelete:
      if (length_ == 0) {
        gl_cleanup();
        gl_putc('\n');
        inputEnded_ = true;
        return true;
      }
      gl_del(0);
      break;
    case kEnd:
      gl_fixup(prompt_, -1, length_);
      break;
    case kRight:
      gl_fixup(prompt_, -1, cursor_ + 1);
      break;
    case kBackspace:
    case kDel:
      gl_del(-1);
      break;
    case kTab:
      if (completionHook_ != nullptr) callHook(completionHook_, terminal);
      break;
    case kLineFeed:
    case kReturn: {
      const bool fits = length_ < kBufferSize - 1;
      gl_newline();
      if (!fits) return false;  // the fatal-error handler returned
      gl_cleanup();
      return true;
    }
    case kKillToEnd:
      gl_kill();
      break;
    case kRedraw:
      gl_redraw();
      break;
    case kNext:
      showHistoryEntry(hist_next());
      break;
    case kOverwrite:
      overwrite_ = !overwrite_;
      break;
    case kPrevious:
      showHistoryEntry(hist_prev());
      break;
    case kSearchBack:
      search_back(1);
      break;
    case kSearchForward:
      search_forw(1);
      break;
    case kTranspose:
      gl_transpose();
      break;
    case kKillLine:
      gl_fixup(prompt_, -1, 0);
      gl_kill();
      break;
    case kWipe:
      gl_wipe();
      break;
    case kExchange:
      gl_exch();
      break;
    case kYank:
      gl_yank();
      break;
    default:
      if (interruptKey_ != 0 && c == interruptKey_) {
        gl_cleanup();
        vexahost::sendConsoleInterrupt();
        gl_init();
        gl_redraw();
      } else {
        gl_putc(kBell);
      }
      break;
  }
  return false;
}

void GetLineData::callHook(GlHook hook, vexaparser::VTY* terminal) {
  int position = cursor_;
  const int result =
      hook(buffer_.get(), static_cast<int>(std::strlen(prompt_)), &position, terminal, output_);
  // A hook may rewrite the line; keep the length honest for later edits.
  buffer_[kBufferSize - 1] = '\0';
  if (result >= 0 || position != cursor_ || result == -2) {
    gl_fixup(prompt_, result, position);
  }
  length_ = static_cast<int>(std::strlen(buffer_.get()));
  if (cursor_ > length_) cursor_ = length_;
}

void GetLineData::showHistoryEntry(const char* entry) {
  std::strncpy(buffer_.get(), entry, kBufferSize - 1);
  buffer_[kBufferSize - 1] = '\0';
  gl_fixup(prompt_, 0, kEndOfLine);
}

}  // namespace vexaconsole
