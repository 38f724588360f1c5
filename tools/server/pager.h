// Pager: a long answer shown a screen at a time, as a device's line does
// with "terminal length N".
//
// An answer of more lines than the screen holds stops after length - 1
// lines with " --More-- "; the space bar shows the next screen, Enter one
// more line, any other key drops the rest.  The prompt that follows the
// answer (the text after its last line end) is always shown.  The marker is
// wiped with backspaces before the text goes on.  Length 0 pages nothing.
// Pure text in, text out.  Used by the served device session.
#ifndef VEXA_TOOLS_SERVER_PAGER_H_
#define VEXA_TOOLS_SERVER_PAGER_H_

#include <cstddef>
#include <string>
#include <vector>

namespace vexaserver {

class Pager {
 public:
  static constexpr char kMore[] = " --More-- ";

  // Lines per screen; 0 for no paging.
  void setLength(int length) { length_ = length < 0 ? 0 : length; }
  int length() const { return length_; }

  // The part of text to show now; the rest waits for keys.
  std::string show(const std::string& text);
  // Whether text is waiting for a key.
  bool waiting() const { return !rest_.empty(); }
  // The answer to one key while waiting.
  std::string key(char key);

 private:
  // Up to count lines of the waiting text, then the marker or the tail.
  std::string next(std::size_t count);

  int length_ = 24;
  std::vector<std::string> rest_;  // waiting lines, each with its line end
  std::size_t next_ = 0;           // index of the first waiting line
  std::string tail_;
};

}  // namespace vexaserver

#endif  // VEXA_TOOLS_SERVER_PAGER_H_
