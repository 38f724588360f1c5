// The rule by which a terminal replays configuration text (getComLineInfo,
// findMajorCommand): a line that is blank, or whose text after leading
// blanks and tabs begins with "end", is not parsed.
//
// Internal to src/parser/cli/.
#ifndef VEXA_SRC_PARSER_CLI_REPLAYED_LINE_H_
#define VEXA_SRC_PARSER_CLI_REPLAYED_LINE_H_

#include <string>

namespace vexaparser {

// line without its leading blanks and tabs.
inline std::string withoutLeadingBlanks(const std::string& line) {
  const std::size_t start = line.find_first_not_of(" \t");
  return start == std::string::npos ? std::string() : line.substr(start);
}

// Whether replaying configuration text passes line by without parsing it.
// Asked of every line read: looked at in place.
inline bool replaySkips(const std::string& line) {
  const std::size_t start = line.find_first_not_of(" \t");
  return start == std::string::npos || line.compare(start, 3, "end") == 0;
}

}  // namespace vexaparser

#endif  // VEXA_SRC_PARSER_CLI_REPLAYED_LINE_H_
