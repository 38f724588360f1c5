// What a configuration line holds, judged by its first word: the one rule
// for the lines that carry no command.
//
// The merge writer leaves out blank, comment and "end" lines (it writes its
// own "!" lines); the recognition count (vexa-config check, line_recognition.h)
// counts only command lines.
#ifndef VEXA_PARSER_CONFIG_LINE_H_
#define VEXA_PARSER_CONFIG_LINE_H_

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

// Calls fn with every non-empty piece of text between carriage returns and
// line feeds, in order: the lines a terminal reads from a configuration
// text, one command each.
template <typename Fn>
void forEachConfigLine(std::string_view text, Fn&& fn) {
  const char* at = text.data();
  const char* const end = at + text.size();
  while (at < end) {
    // Most lines end in a bare line feed: found with memchr, then a
    // carriage return inside the piece cuts it as well.
    const auto* feed = static_cast<const char*>(std::memchr(at, '\n', end - at));
    const char* stop = feed == nullptr ? end : feed;
    for (const char* piece = at; piece < stop;) {
      const auto* cr = static_cast<const char*>(std::memchr(piece, '\r', stop - piece));
      const char* pieceEnd = cr == nullptr ? stop : cr;
      if (pieceEnd > piece) fn(std::string_view(piece, pieceEnd - piece));
      piece = pieceEnd + 1;
    }
    at = stop + 1;
  }
}

}  // namespace vexaparser

#endif  // VEXA_PARSER_CONFIG_LINE_H_
