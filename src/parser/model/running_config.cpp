#include "vexa/parser/running_config.h"

#include "vexa/host/pathname.h"
#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/parser_resources.h"
#include "vexa/parser/vexa_parser_util.h"

namespace vexaparser {

bool buildRunningConfigListing(const Grammar& grammar, const RunningConfigSource& source,
                               RunningConfigListing& result) {
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
    result.running = VexaParserUtil::mergeConfigCmds(grammar, source.deltaCommands, baseline);
  } else {
    std::string delta;
    if (!vexahost::Pathname(deltaPath).readAll(delta)) return false;
    const std::string stored = VexaParserUtil::mergeConfigCmds(grammar, delta, baseline);
    result.running = VexaParserUtil::mergeConfigCmds(grammar, source.deltaCommands, stored);
  }
  // The terminal first lists the running configuration itself and then
  // replaces it with the fallback listing: only the second is ever read.
  const std::string fallback =
      VexaParserUtil::fallbackConfigCmds(grammar, result.running, baseline, 1);
  result.listing = "!\n" + fallback + "!\nend\n" + "\n";
  return true;
}

bool buildRunningConfigListing(const RunningConfigSource& source, RunningConfigListing& result) {
  return buildRunningConfigListing(*ParserResources::instance().grammar(), source, result);
}

RunningConfigLister hostRunningConfigLister() {
  return [](const RunningConfigRequest& request, std::string& listing) {
    RunningConfigSource source;
    source.hostName = request.hostName;
    source.configFile = request.configFile;
    source.type = request.type;
    source.deltaCommands = request.deltaCommands;
    source.baseline = vexahost::VexaFileSystem::GetCurrBaselineFileSystem();
    source.project = vexahost::VexaFileSystem::GetCurrProjectFileSystem();
    RunningConfigListing result;
    if (request.grammar == nullptr || !buildRunningConfigListing(*request.grammar, source, result)) {
      return false;
    }
    listing = std::move(result.listing);
    return true;
  };
}

}  // namespace vexaparser
