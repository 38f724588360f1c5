// Terminal bytes cut into editor keys: escape sequences, also split over
// reads and cut short.
#include "vexa/console/key_decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vexaconsole::testing {
namespace {

// The keys of the bytes fed in the given chunks, then flushed, joined by "|".
std::string decode(const std::vector<std::string>& chunks) {
  KeyDecoder decoder;
  std::vector<std::string> keys;
  for (const std::string& chunk : chunks) decoder.feed(chunk.data(), chunk.size(), keys);
  decoder.flush(keys);
  std::string joined;
  for (const std::string& key : keys) joined += (joined.empty() ? "" : "|") + key;
  return joined;
}

TEST(KeyDecoderTest, EscapeSequencesBecomeExtendedKeys) {
  struct Case {
    std::vector<std::string> chunks;
    std::string keys;
  };
  // clang-format off
  const Case cases[] = {
      {{"ab\r"}, "a|b|\r"},
      {{"\x1b[A\x1b[B\x1b[C\x1b[D"}, "\xb8|\xb0|\xb3|\xb5"},
      {{"\x1bOH\x1bOF\x1b[H\x1b[F"}, "\xb9|\xb1|\xb9|\xb1"},
      {{"\x1b[1~\x1b[2~\x1b[3~\x1b[4~\x1b[7~\x1b[8~"}, "\xb9|\xae|\xad|\xb1|\xb9|\xb1"},
      {{"\x1b[1;5C"}, "\xb3"},                          // with modifiers
      {{"\x1b", "[", "3", "~x"}, "\xad|x"},              // split over reads
      {{"\x1b[15~\x1b[200~p\x1b[201~\x1bOP"}, "p"},     // other sequences dropped
      {{"\x1bx"}, "\x1b|x"},                            // ESC and an ordinary byte
      {{"\x1b"}, "\x1b"},                               // a lone ESC at the end
      {{"\x1b[1"}, ""},                                 // cut at the end: dropped
      {{"\x1b[1\ra"}, "\r|a"},                          // cut by a control byte
      {{"\x1b\x1b[A"}, "\x1b|\xb8"},
      {{"\x1b[" + std::string(40, '1') + "~"}, "1|1|1|1|1|1|1|1|1|1|~"},  // too long
  };
  // clang-format on
  for (const Case& c : cases) {
    EXPECT_EQ(decode(c.chunks), c.keys) << ::testing::PrintToString(c.chunks);
  }
}

}  // namespace
}  // namespace vexaconsole::testing
