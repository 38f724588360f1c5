// VTY::writeRunningConfig: the listing of the built-in "show running-config".
//
// The listing itself (baseline, delta file and typed commands merged, then
// the fallback back to the baseline) belongs to the configuration model;
// the terminal gives it its own fields and the host's current file systems.
#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/running_config.h"
#include "vexa/parser/vty.h"

namespace vexaparser {

void VTY::writeRunningConfig() {
  RunningConfigSource source;
  source.hostName = hostName_;
  source.configFile = configFile_;
  source.type = type_;
  source.deltaCommands = deltaCommands_;
  source.baseline = vexahost::VexaFileSystem::GetCurrBaselineFileSystem();
  source.project = vexahost::VexaFileSystem::GetCurrProjectFileSystem();
  RunningConfigListing result;
  // A scratch terminal, a device without stored files or an unreadable file
  // lists nothing; the command is complete all the same.
  if (!buildRunningConfigListing(source, result)) return;
  // The listing replaces whatever the output held.
  output_.str(std::string());
  output_.clear();
  output_ << result.listing;
}

}  // namespace vexaparser
