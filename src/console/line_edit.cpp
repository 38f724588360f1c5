// GetLineData: the editing primitives.  Each changes the line buffer and
// then asks gl_fixup to bring the display up to date from the first changed
// index; a refused edit rings the bell and leaves the line as it was.
#include <algorithm>
#include <cctype>
#include <cstring>

#include "vexa/console/get_line_data.h"

namespace vexaconsole {

namespace {

constexpr int kBell = 7;
constexpr char kOverflow[] = "\n*** Error: Getline(): input buffer overflow\n";

}  // namespace

bool GetLineData::is_whitespace(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return !(std::isalnum(u) || c == '_');
}

void GetLineData::gl_addchar(int c) {
  if (length_ >= kBufferSize - 1) {
    gl_error(kOverflow);
    return;
  }
  char* buf = buffer_.get();
  if (overwrite_ && cursor_ < length_) {
    buf[cursor_] = static_cast<char>(c);
    redrawExtent_ = 1;
  } else {
    std::memmove(buf + cursor_ + 1, buf + cursor_, static_cast<std::size_t>(length_ - cursor_ + 1));
    buf[cursor_] = static_cast<char>(c);
  }
  gl_fixup(prompt_, cursor_, cursor_ + 1);
}

void GetLineData::gl_del(int loc) {
  if ((loc == -1 && cursor_ > 0) || (loc == 0 && cursor_ < length_)) {
    char* buf = buffer_.get();
    const int at = cursor_ + loc;
    std::memmove(buf + at, buf + at + 1, static_cast<std::size_t>(length_ - at));
    gl_fixup(prompt_, at, at);
  } else {
    gl_putc(kBell);
  }
}

void GetLineData::gl_kill() {
  if (cursor_ < length_) {
    std::strcpy(killBuffer_.get(), buffer_.get() + cursor_);
    buffer_[cursor_] = '\0';
    gl_fixup(prompt_, cursor_, cursor_);
  } else {
    gl_putc(kBell);
  }
}

void GetLineData::gl_kill_region(int i, int j) {
  if (i < 0 || j < i || j >= length_) return;
  char* buf = buffer_.get();
  const int count = j - i + 1;
  std::memcpy(killBuffer_.get(), buf + i, static_cast<std::size_t>(count));
  killBuffer_[count] = '\0';
  // The length field stays: it is what the display shows until the redraw.
  std::memmove(buf + i, buf + j + 1, static_cast<std::size_t>(length_ - j));
}

void GetLineData::gl_kill_1_word() {
  const char* buf = buffer_.get();
  int i = cursor_;
  while (i < length_ && is_whitespace(buf[i])) ++i;
  while (i + 1 < length_ && !is_whitespace(buf[i + 1])) ++i;
  if (i >= length_) i = length_ - 1;
  if (i < cursor_) {
    gl_putc(kBell);
    return;
  }
  gl_kill_region(cursor_, i);
  gl_fixup(prompt_, cursor_, cursor_);
}

void GetLineData::gl_kill_back_1_word() {
  const char* buf = buffer_.get();
  int i = cursor_;
  while (i > 0 && is_whitespace(buf[i - 1])) --i;
  while (i > 0 && !is_whitespace(buf[i - 1])) --i;
  mark_ = i;
  gl_wipe();
}

void GetLineData::gl_wipe() {
  if (mark_ < 0 || mark_ == cursor_) return;
  const int left = std::min(mark_, cursor_);
  // A mark left beyond a line that has since become shorter counts as its end.
  const int right = std::min(std::max(mark_, cursor_), length_);
  if (left >= right) return;
  gl_kill_region(left, right - 1);
  gl_fixup(prompt_, left, left);
}

void GetLineData::gl_yank() {
  const int len = static_cast<int>(std::strlen(killBuffer_.get()));
  if (len == 0) {
    gl_putc(kBell);
    return;
  }
  gl_set_mark();
  char* buf = buffer_.get();
  if (overwrite_) {
    if (cursor_ + len >= kBufferSize - 1) {
      gl_error(kOverflow);
      return;
    }
    if (cursor_ + len > length_) buf[cursor_ + len] = '\0';
    std::memcpy(buf + cursor_, killBuffer_.get(), static_cast<std::size_t>(len));
    redrawExtent_ = len;
  } else {
    if (length_ + len >= kBufferSize - 1) {
      gl_error(kOverflow);
      return;
    }
    std::memmove(buf + cursor_ + len, buf + cursor_,
                 static_cast<std::size_t>(length_ - cursor_ + 1));
    std::memcpy(buf + cursor_, killBuffer_.get(), static_cast<std::size_t>(len));
  }
  gl_fixup(prompt_, cursor_, cursor_ + len);
}

void GetLineData::gl_transpose() {
  if (cursor_ > 0 && cursor_ < length_) {
    std::swap(buffer_[cursor_ - 1], buffer_[cursor_]);
    redrawExtent_ = 2;
    gl_fixup(prompt_, cursor_ - 1, cursor_);
  } else {
    gl_putc(kBell);
  }
}

void GetLineData::gl_exch() {
  if (mark_ < 0) return;
  const int old = cursor_;
  gl_fixup(prompt_, -1, mark_);
  mark_ = old;
}

void GetLineData::gl_back_1_word() {
  const char* buf = buffer_.get();
  int i = cursor_;
  if (i > 0 && is_whitespace(buf[i - 1])) --i;
  while (i > 0 && is_whitespace(buf[i])) --i;
  while (i > 0 && !is_whitespace(buf[i - 1])) --i;
  gl_fixup(prompt_, -1, i);
}

void GetLineData::gl_fwd_1_word() {
  const char* buf = buffer_.get();
  int i = cursor_;
  while (i < length_ && !is_whitespace(buf[i])) ++i;
  while (i < length_ && is_whitespace(buf[i])) ++i;
  gl_fixup(prompt_, -1, i);
}

int GetLineData::gl_tab(char* buffer, int offset, int* cursor) {
  const int old = *cursor;
  const int count = 8 - ((offset + old) % 8);
  const int len = static_cast<int>(std::strlen(buffer));
  if (len + count >= kBufferSize) return old;
  std::memmove(buffer + old + count, buffer + old, static_cast<std::size_t>(len - old + 1));
  std::memset(buffer + old, ' ', static_cast<std::size_t>(count));
  *cursor = old + count;
  return old;
}

}  // namespace vexaconsole
