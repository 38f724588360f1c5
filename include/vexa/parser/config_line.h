// What a configuration line holds, judged by its first word: the one rule
// for the lines that carry no command.
//
// The merge writer leaves out blank, comment and "end" lines (it writes its
// own "!" lines); the recognition count (vexa-config check, line_recognition.h)
// counts only command lines.
#ifndef VEXA_PARSER_CONFIG_LINE_H_
#define VEXA_PARSER_CONFIG_LINE_H_

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

}  // namespace vexaparser

#endif  // VEXA_PARSER_CONFIG_LINE_H_
