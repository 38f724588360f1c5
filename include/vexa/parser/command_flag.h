// How a configuration command combines with a configuration.
#ifndef VEXA_PARSER_COMMAND_FLAG_H_
#define VEXA_PARSER_COMMAND_FLAG_H_

namespace vexaparser {

enum CiscoCommandLineFlag {
  NoCommand = 1,
  NoOverwriteCommand = 2,
  AppendCommand = 3,
  OverwriteCommand = 4,
  MultiValueCommand = 5,
  UnknownCommand = 6,
};

}  // namespace vexaparser

#endif  // VEXA_PARSER_COMMAND_FLAG_H_
