// The listing of "show running-config": the stored baseline configuration,
// the stored delta file and the commands typed in a terminal merged into the
// running configuration, and the fallback commands from that running
// configuration back to the baseline, framed as a configuration listing.
//
// A terminal (VTY) writes the listing for "show running-config" through the
// lister it was given (hostRunningConfigLister for the terminals of the
// default grammar); a host may call it directly.  The files come from the
// host's file systems (vexahost::VexaFileSystem): the baseline one gives the
// stored configuration, the project one the delta file.
#ifndef VEXA_PARSER_RUNNING_CONFIG_H_
#define VEXA_PARSER_RUNNING_CONFIG_H_

#include <string>

#include "vexa/parser/grammar.h"
#include "vexa/parser/vty.h"

namespace vexahost {
class VexaFileSystem;
}

namespace vexaparser {

// What the listing reads.  The file systems are not owned.
struct RunningConfigSource {
  // The terminal's host name; the scratch terminals' "hostName" lists nothing.
  std::string hostName;
  // The device configuration name and type given to the file systems.
  std::string configFile;
  int type = 0;
  // The configuration commands typed so far (VTY::getAllConfigCmds).
  std::string deltaCommands;
  // Gives the baseline path (GetConfigFilePath); null lists nothing.
  const vexahost::VexaFileSystem* baseline = nullptr;
  // Gives the delta file path (GetConfigDeltaFilePath); null or an empty
  // path means there is no delta file.
  const vexahost::VexaFileSystem* project = nullptr;
};

struct RunningConfigListing {
  // The running configuration: baseline, delta file and typed commands
  // merged.
  std::string running;
  // What the terminal shows: "!\n", the fallback commands from the running
  // configuration back to the baseline, "!\nend\n" and a line end.
  std::string listing;
};

// Builds the listing, merging and falling back with grammar.  Returns
// false, with nothing to show, for a scratch terminal, a missing baseline
// file system or an empty baseline path, an unreadable baseline file or an
// unreadable delta file.
bool buildRunningConfigListing(const Grammar& grammar, const RunningConfigSource& source,
                               RunningConfigListing& result);
// The same with the default grammar.
bool buildRunningConfigListing(const RunningConfigSource& source, RunningConfigListing& result);

// The lister of a terminal that reads the host's current baseline and
// project file systems (VexaFileSystem::GetCurrBaselineFileSystem,
// GetCurrProjectFileSystem) when the command is typed.
RunningConfigLister hostRunningConfigLister();

}  // namespace vexaparser

#endif  // VEXA_PARSER_RUNNING_CONFIG_H_
