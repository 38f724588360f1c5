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

// Calls fn with every line of text that nextConfigLine gives, in order.
template <typename Fn>
void forEachConfigLine(std::string_view text, Fn&& fn) {
  std::size_t at = 0;
  std::string_view line;
  while (nextConfigLine(text, at, line)) fn(line);
}

}  // namespace vexaparser

#endif  // VEXA_PARSER_CONFIG_LINE_H_
