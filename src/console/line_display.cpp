// GetLineData: the display update.  gl_fixup is the one routine that writes
// the line; everything else says what changed and where the cursor goes.
#include <algorithm>
#include <cstring>
#include <string>

#include "vexa/console/get_line_data.h"

namespace vexaconsole {

namespace {

constexpr int kBell = 7;

}  // namespace

void GetLineData::writePrompt(const char* prompt) {
  echoOffNow_ = 0;
  gl_puts(prompt);
  echoOffNow_ = noEcho_;
  lastPrompt_ = prompt;
}

void GetLineData::gl_fixup(const char* prompt, int change, int cursor) {
  if (prompt == nullptr) prompt = "";
  const int promptLength = static_cast<int>(std::strlen(prompt));
  if (change == -2) {
    shift_ = 0;
    hiddenLeft_ = hiddenRight_ = false;
    cursor_ = length_ = 0;
    writePrompt(prompt);
    change = 0;
    windowWidth_ = termWidth_ - promptLength;
  } else if (lastPrompt_ != prompt) {
    const int oldLength = static_cast<int>(lastPrompt_.size());
    // Counting the old prompt's extra width as line makes the repaint blank
    // it out when the new prompt is shorter.
    length_ = length_ + oldLength - promptLength;
    for (int i = cursor_ - shift_ + oldLength; i > 0; --i) gl_putc('\b');
    writePrompt(prompt);
    cursor_ = shift_;
    windowWidth_ = termWidth_ - promptLength;
    change = 0;
  }

  const int oldRight = hiddenRight_ ? windowWidth_ - 1 : length_ - shift_;
  int backspaces = cursor_ - shift_;
  if (change >= 0) {
    length_ = static_cast<int>(std::strlen(buffer_.get()));
    change = std::min(change, length_);
  }
  if (cursor > length_) {
    if (cursor != kEndOfLine) gl_putc(kBell);
    cursor = length_;
  }
  if (cursor < 0) {
    gl_putc(kBell);
    cursor = 0;
  }

  int extra = 0;
  if (hiddenRight_) {
    extra = 2;
  } else if (hiddenLeft_) {
    extra = cursor >= shift_ + windowWidth_ - scrollStep_ / 2 ? 0 : 2;
  }
  int newShift = cursor + extra + scrollStep_ - windowWidth_;
  newShift = newShift > 0 ? newShift / scrollStep_ * scrollStep_ : 0;

  // The repaint runs from left to right (exclusive); rightEnd is where it
  // would end without the redraw extent.
  bool repaint = false;
  int left = 0;
  int right = 0;
  int rightEnd = 0;
  auto computeRight = [&]() {
    hiddenRight_ = length_ > shift_ + windowWidth_ - 1;
    rightEnd = hiddenRight_ ? shift_ + windowWidth_ - 2 : length_;
    right = rightEnd;
  };
  if (newShift != shift_) {
    shift_ = newShift;
    hiddenLeft_ = shift_ != 0;
    computeRight();
    left = shift_;
    repaint = true;
  } else if (change >= 0) {
    if (change >= shift_ + (hiddenLeft_ ? 1 : 0)) {
      left = change;
      backspaces = cursor_ - change;
    } else {
      left = shift_;
    }
    computeRight();
    if (redrawExtent_ != 0 && right > left + redrawExtent_) right = left + redrawExtent_;
    repaint = true;
  }
  const int newRight = hiddenRight_ ? windowWidth_ - 1 : length_ - shift_;
  const int blanks = std::max(0, oldRight - newRight);

  if (repaint) {
    for (int i = 0; i < backspaces; ++i) gl_putc('\b');
    int from = left;
    if (left == shift_ && hiddenLeft_) {
      gl_putc('$');
      ++from;
    }
    for (int i = std::max(from, 0); i < right && i < length_; ++i) gl_putc(buffer_[i]);
    cursor_ = std::max(from, right);
    if (hiddenRight_ && right == rightEnd) {
      gl_putc('$');
      ++cursor_;
    } else {
      for (int i = 0; i < blanks; ++i) gl_putc(' ');
      cursor_ += blanks;
    }
  }
  // Only characters of the line are rewritten to move right; a cursor that
  // a very long prompt pushed outside the line moves with blanks.
  for (; cursor_ < cursor; ++cursor_) {
    gl_putc(cursor_ >= 0 && cursor_ < length_ ? buffer_[cursor_] : ' ');
  }
  for (; cursor_ > cursor; --cursor_) gl_putc('\b');
}

void GetLineData::gl_newline() {
  length_ = static_cast<int>(std::strlen(buffer_.get()));
  if (length_ >= kBufferSize - 1) {
    gl_error("\n*** Error: Getline(): input buffer overflow\n");
    return;
  }
  if (erase_) {
    // The line disappears: redrawn with an empty prompt and nothing in it.
    const std::string kept(buffer_.get(), static_cast<std::size_t>(length_));
    buffer_[0] = '\0';
    gl_fixup("", 0, 0);
    std::memcpy(buffer_.get(), kept.data(), kept.size());
    length_ = static_cast<int>(kept.size());
  } else {
    gl_fixup(prompt_, -1, std::min(windowWidth_ - 5, length_));
    gl_putc('\n');
  }
  buffer_[length_] = '\n';
  buffer_[length_ + 1] = '\0';
  mark_ = -1;
  startOfLine_ = true;
}

void GetLineData::gl_redraw() {
  if (initState_ != 1) return;
  gl_putc('\n');
  gl_fixup(prompt_, -2, cursor_);
}

void GetLineData::startNewLine(const char* prompt) {
  gl_init();
  prompt_ = prompt == nullptr ? "" : prompt;
  buffer_[0] = '\0';
  gl_fixup(prompt_, -2, kEndOfLine);
}

}  // namespace vexaconsole
