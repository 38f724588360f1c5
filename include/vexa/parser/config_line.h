// What a configuration line holds, judged by its first word: the one rule
// for the lines that carry no command.
//
// The merge writer leaves out blank, comment and "end" lines (it writes its
// own "!" lines); the recognition count (vexa-config check, line_recognition.h)
// counts only command lines.
#ifndef VEXA_PARSER_CONFIG_LINE_H_
#define VEXA_PARSER_CONFIG_LINE_H_

#include <cstddef>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vexaparser {

enum class ConfigLineKind {
  kBlank,    // nothing but blanks, tabs and line ends
  kComment,  // the first word begins with "!"
  kEnd,      // the first word is "end" (any case)
  kVersion,  // the first word is "version" (any case)
  kCommand,  // anything else
};

// The kind of line; words are separated by blanks, tabs and line ends.
ConfigLineKind configLineKind(std::string_view line);

// Whether the line begins, after blanks and tabs, with "bann" (any case): a
// terminal may take a new banner delimiter from such a line, so a reading
// that stands for the terminal's state cannot pass over it.
bool mayNameBannerDelimiter(std::string_view line);

// The next non-empty piece of text between carriage returns and line feeds
// from at on: the next line a terminal reads from a configuration text, one
// command each.  at moves past the piece and its end; false at the end of
// the text.
inline bool nextConfigLine(std::string_view text, std::size_t& at, std::string_view& line) {
  const char* const end = text.data() + text.size();
  while (at < text.size()) {
    const char* const begin = text.data() + at;
    // Most lines end in a bare line feed: found with memchr, then a
    // carriage return inside the piece cuts it as well.
    const auto* feed = static_cast<const char*>(std::memchr(begin, '\n', end - begin));
    const char* stop = feed == nullptr ? end : feed;
    const auto* cr = static_cast<const char*>(std::memchr(begin, '\r', stop - begin));
    if (cr != nullptr) stop = cr;
    at = static_cast<std::size_t>(stop - text.data()) + 1;
    if (stop > begin) {
      line = std::string_view(begin, static_cast<std::size_t>(stop - begin));
      return true;
    }
  }
  return false;
}

// How many lines nextConfigLine gives for text: the places where a piece
// begins, a byte that is no line end after one that is (or at the start).
// Sixteen bytes at a time where the machine has the instructions for it.
inline std::size_t countConfigLines(std::string_view text) {
  const auto isEnd = [](char c) { return c == '\n' || c == '\r'; };
  const char* const data = text.data();
  const std::size_t size = text.size();
  std::size_t count = 0;
  bool afterEnd = true;  // the start counts as after a line end
  std::size_t i = 0;
#if defined(__SSE2__)
  const __m128i feed = _mm_set1_epi8('\n');
  const __m128i ret = _mm_set1_epi8('\r');
  for (; i + 16 <= size; i += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
    const auto ends = static_cast<unsigned>(_mm_movemask_epi8(
        _mm_or_si128(_mm_cmpeq_epi8(bytes, feed), _mm_cmpeq_epi8(bytes, ret))));
    // A byte begins a line when it is no end and the byte before it is one.
    const unsigned before = (ends << 1 | (afterEnd ? 1u : 0u)) & 0xFFFFu;
    unsigned begins = ~ends & before & 0xFFFFu;
    while (begins != 0) {
      begins &= begins - 1;
      ++count;
    }
    afterEnd = (ends & 0x8000u) != 0;
  }
#endif
  for (; i < size; ++i) {
    const bool end = isEnd(data[i]);
    if (!end && afterEnd) ++count;
    afterEnd = end;
  }
  return count;
}

// Calls fn with every line of text that nextConfigLine gives, in order.
template <typename Fn>
void forEachConfigLine(std::string_view text, Fn&& fn) {
  std::size_t at = 0;
  std::string_view line;
  while (nextConfigLine(text, at, line)) fn(line);
}

}  // namespace vexaparser

#endif  // VEXA_PARSER_CONFIG_LINE_H_
