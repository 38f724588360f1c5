#include "server/exec_commands.h"

#include <sstream>
#include <utility>
#include <vector>

#include "common/device_form.h"
#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/running_config.h"
#include "vexa/parser/vty.h"

namespace vexaserver {

namespace {

using vexaparser::VTY;

constexpr char kDefaultVersion[] = "15.2";

std::vector<std::string> wordsOf(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

bool readNumber(const std::string& word, int& number) {
  if (word.empty() || word.size() > 6) return false;
  number = 0;
  for (char c : word) {
    if (c < '0' || c > '9') return false;
    number = number * 10 + (c - '0');
  }
  return true;
}

ExecLine classify(const std::vector<std::string>& words, vexaparser::VTYModeType mode) {
  using Words = std::vector<std::string>;
  ExecLine line;
  if (words == Words{"show", "running-config"}) {
    line.command = ExecCommand::kShowRunningConfig;
  } else if (words == Words{"show", "version"}) {
    line.command = ExecCommand::kShowVersion;
  } else if (words == Words{"write"} || words == Words{"write", "memory"}) {
    line.command = ExecCommand::kWriteMemory;
  } else if (words == Words{"exit"} || words == Words{"logout"}) {
    line.command = ExecCommand::kExit;
  } else if (words == Words{"enable"} && mode == vexaparser::VIEW_MODE) {
    line.command = ExecCommand::kEnable;
  } else if (words.size() == 3 && words[0] == "terminal" && readNumber(words[2], line.number)) {
    if (words[1] == "length") line.command = ExecCommand::kTerminalLength;
    if (words[1] == "width") line.command = ExecCommand::kTerminalWidth;
  }
  return line;
}

// The running configuration of the terminal's device, in the device's form;
// false when a file cannot be read.
bool runningConfig(VTY& terminal, std::string& text) {
  vexaparser::RunningConfigSource source;
  source.hostName = terminal.getHostName();
  source.configFile = terminal.getConfigFile();
  source.type = terminal.getType();
  source.deltaCommands = terminal.getAllConfigCmds();
  source.baseline = vexahost::VexaFileSystem::GetCurrBaselineFileSystem();
  source.project = vexahost::VexaFileSystem::GetCurrProjectFileSystem();
  vexaparser::RunningConfigListing listing;
  if (!vexaparser::buildRunningConfigListing(source, listing)) return false;
  static const vexatools::DeviceForm form = vexatools::DeviceForm::load();
  text = form.write(listing.running);
  return true;
}

std::string uptimeText(std::time_t started) {
  long minutes = static_cast<long>(std::difftime(std::time(nullptr), started)) / 60;
  if (minutes < 0) minutes = 0;
  const std::pair<long, const char*> units[] = {
      {minutes / (7 * 24 * 60), "week"},
      {minutes / (24 * 60) % 7, "day"},
      {minutes / 60 % 24, "hour"},
  };
  std::string text;
  for (const auto& [count, unit] : units) {
    if (count == 0) continue;
    text += std::to_string(count) + " " + unit + (count == 1 ? ", " : "s, ");
  }
  const long rest = minutes % 60;
  return text + std::to_string(rest) + (rest == 1 ? " minute" : " minutes");
}

// "version X" and the interface types of a configuration in device form,
// counted without subinterfaces, in the order they first appear.
void describeConfiguration(const std::string& config, std::string& version,
                           std::vector<std::pair<std::string, int>>& interfaces) {
  std::istringstream lines(config);
  for (std::string line; std::getline(lines, line);) {
    const std::vector<std::string> words = wordsOf(line);
    if (line.empty() || line[0] == ' ' || words.size() < 2) continue;
    if (words[0] == "version") version = words[1];
    if (words[0] != "interface" || words[1].find_first_of(".:") != std::string::npos) continue;
    const std::string type = words[1].substr(0, words[1].find_first_of("0123456789"));
    auto it = interfaces.begin();
    while (it != interfaces.end() && it->first != type) ++it;
    if (it == interfaces.end()) {
      interfaces.emplace_back(type, 1);
    } else {
      ++it->second;
    }
  }
}

}  // namespace

// Under the scratch host name the terminal lists no configuration, so a
// "show running-config" parsed in it costs nothing.
ExecCommandReader::ExecCommandReader()
    : scratch_(VTY::create(vexaparser::kScratchHostName, true)) {}
ExecCommandReader::~ExecCommandReader() = default;

ExecLine ExecCommandReader::read(const std::string& line, vexaparser::VTYModeType mode) {
  if (scratch_ == nullptr ||
      (mode != vexaparser::VIEW_MODE && mode != vexaparser::EXECUTION_MODE)) {
    return {};
  }
  std::string ignored;
  scratch_->reset();
  if (mode == vexaparser::EXECUTION_MODE) scratch_->parse("enable \n", true, nullptr);
  const bool ok =
      scratch_->getCurrentMode() == mode && scratch_->parse(line + " \n", true, nullptr);
  scratch_->getOutputString(ignored);
  if (!ok) return {};
  std::string complete;
  scratch_->getCompleteLine(complete);
  return classify(wordsOf(complete), mode);
}

std::string runningConfigAnswer(VTY& terminal) {
  std::string config;
  if (!runningConfig(terminal, config)) {
    return "% Cannot read the stored configuration or the delta file\n";
  }
  // The listing ends with "end" as a device's does, whatever the merge kept.
  if (config.size() < 4 || config.compare(config.size() - 4, 4, "end\n") != 0) config += "end\n";
  return "Building configuration...\n\nCurrent configuration : " + std::to_string(config.size()) +
         " bytes\n" + config;
}

std::string versionAnswer(VTY& terminal, const std::string& hostName, std::time_t started) {
  std::string config;
  runningConfig(terminal, config);
  std::string version = kDefaultVersion;
  std::vector<std::pair<std::string, int>> interfaces;
  describeConfiguration(config, version, interfaces);
  std::string text =
      "Cisco IOS Software, vexa emulated router Software (VEXA-ADVENTERPRISEK9-M), Version " +
      version +
      ", RELEASE SOFTWARE (emulated)\n"
      "Technical Support: see the vexa documentation\n"
      "Compiled by the vexa developers\n"
      "\n"
      "ROM: vexa emulated bootstrap\n"
      "\n" +
      hostName + " uptime is " + uptimeText(started) +
      "\n"
      "System returned to ROM by power-on\n"
      "System image file is \"flash:vexa-adventerprisek9-mz.bin\"\n"
      "\n"
      "cisco VEXA (emulated) processor with 491520K/32768K bytes of memory.\n"
      "Processor board ID VEXA0000001\n";
  for (const auto& [type, count] : interfaces) {
    text += std::to_string(count) + " " + type + (count == 1 ? " interface\n" : " interfaces\n");
  }
  return text +
         "255K bytes of non-volatile configuration memory.\n"
         "\n"
         "Configuration register is 0x2102\n";
}

}  // namespace vexaserver
