// ConfigHint: one help entry of the terminal's help for a configuration text.
//
// VTY::getNextCmdWords and VTY::hintCommand answer with a vector of them, one
// per mode level: the word is the prompt of the level, the help is the "?"
// listing produced there.  The configuration model hands them on to the host.
#ifndef VEXA_PARSER_CONFIG_HINT_H_
#define VEXA_PARSER_CONFIG_HINT_H_

#include <string>

namespace vexaparser {

struct ConfigHint {
  std::string word;
  std::string help;
};

}  // namespace vexaparser

#endif  // VEXA_PARSER_CONFIG_HINT_H_
