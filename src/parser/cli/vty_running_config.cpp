// VTY::writeRunningConfig: the listing of the built-in "show running-config".
//
// The listing itself (baseline, delta file and typed commands merged, then
// the fallback back to the baseline) belongs to the configuration model; the
// terminal hands its grammar and host data to the lister it was given.
#include "vexa/parser/vty.h"

namespace vexaparser {

void VTY::writeRunningConfig() {
  if (!runningConfig_) return;
  RunningConfigRequest request;
  request.grammar = grammar_.get();
  request.hostName = hostName_;
  request.configFile = configFile_;
  request.type = type_;
  request.deltaCommands = deltaCommands_;
  std::string listing;
  // A scratch terminal, a device without stored files or an unreadable file
  // lists nothing; the command is complete all the same.
  if (!runningConfig_(request, listing)) return;
  // The listing replaces whatever the output held.
  output_.str(std::string());
  output_.clear();
  output_ << listing;
}

}  // namespace vexaparser
