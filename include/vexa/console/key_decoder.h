// KeyDecoder: the bytes a terminal sends, cut into the keys of the line
// editor.  Most bytes are keys of their own; the ANSI escape sequences of
// the cursor and editing keys (ESC [ A, ESC O H, ESC [ 3 ~ ...) become the
// editor's PC extended-key bytes (Up -72, Down -80, Right -77, Left -75,
// Home -71, End -79, Insert -82, Delete -83).
//
// Used by hosts that read a real terminal or a recorded key stream.  A
// sequence may arrive split over several reads: its beginning is kept until
// the rest comes, or until flush() says that nothing more is coming.  Other
// escape sequences (function keys, bracketed paste marks) are dropped whole;
// ESC followed by an ordinary byte is the ESC key and that byte.
#ifndef VEXA_CONSOLE_KEY_DECODER_H_
#define VEXA_CONSOLE_KEY_DECODER_H_

#include <cstddef>
#include <string>
#include <vector>

namespace vexaconsole {

class KeyDecoder {
 public:
  // Longest escape sequence kept; a longer one is dropped.
  static constexpr std::size_t kMaxSequence = 32;

  // Appends to keys every key the bytes complete (each key one or more
  // bytes for GetLineData::Getlinem).
  void feed(const char* data, std::size_t size, std::vector<std::string>& keys);
  // No more bytes are coming for now: a pending lone ESC is the ESC key, a
  // pending cut sequence is dropped.
  void flush(std::vector<std::string>& keys);
  // Whether the beginning of a sequence is waiting for its rest.
  bool pending() const { return !sequence_.empty(); }

 private:
  void feedByte(char byte, std::vector<std::string>& keys);
  // The key of a complete sequence, or the empty text to drop it.
  static std::string translate(const std::string& sequence);

  std::string sequence_;
};

}  // namespace vexaconsole

#endif  // VEXA_CONSOLE_KEY_DECODER_H_
