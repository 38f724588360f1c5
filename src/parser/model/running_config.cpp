#include "vexa/parser/running_config.h"

#include "vexa/host/pathname.h"
#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/vexa_parser_util.h"

namespace vexaparser {

namespace {

constexpr char kScratchHostName[] = "hostName";

}  // namespace

bool buildRunningConfigListing(const RunningConfigSource& source, RunningConfigListing& result) {
  result = RunningConfigListing{};
  if (source.hostName == kScratchHostName || source.baseline == nullptr) return false;
  const std::string baselinePath =
      source.baseline->GetConfigFilePath(source.configFile, source.type, false);
  if (baselinePath.empty()) return false;
  std::string baseline;
  if (!vexahost::Pathname(baselinePath).readAll(baseline)) return false;

  const std::string deltaPath = source.project == nullptr
                                    ? std::string()
                                    : source.project->GetConfigDeltaFilePath(source.configFile);
  if (deltaPath.empty()) {
    result.running = VexaParserUtil::mergeConfigCmds(source.deltaCommands, baseline);
  } else {
    std::string delta;
    if (!vexahost::Pathname(deltaPath).readAll(delta)) return false;
    const std::string stored = VexaParserUtil::mergeConfigCmds(delta, baseline);
    result.running = VexaParserUtil::mergeConfigCmds(source.deltaCommands, stored);
  }
  // The terminal first lists the running configuration itself and then
  // replaces it with the fallback listing: only the second is ever read.
  const std::string fallback = VexaParserUtil::fallbackConfigCmds(result.running, baseline, 1);
  result.listing = "!\n" + fallback + "!\nend\n" + "\n";
  return true;
}

}  // namespace vexaparser
