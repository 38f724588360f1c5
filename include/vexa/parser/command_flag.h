// How a configuration command combines with a configuration, and the
// process-wide overwrite set that decides part of it.
#ifndef VEXA_PARSER_COMMAND_FLAG_H_
#define VEXA_PARSER_COMMAND_FLAG_H_

#include <set>
#include <string>

namespace vexaparser {

enum CiscoCommandLineFlag {
  NoCommand = 1,
  NoOverwriteCommand = 2,
  AppendCommand = 3,
  OverwriteCommand = 4,
  MultiValueCommand = 5,
  UnknownCommand = 6,
};

// The keys (ParserToolCase::getKeyStr) of the overwrite commands of the
// command flag file.  Filled by VexaParserUtil::setOverwriteCmds; empty until
// then.  Process-wide and unprotected: written only while no terminal exists.
std::set<std::string>& overwriteCommandKeys();

}  // namespace vexaparser

#endif  // VEXA_PARSER_COMMAND_FLAG_H_
