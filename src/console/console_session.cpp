#include "vexa/console/console_session.h"

#include <sstream>

#include "vexa/console/console_loop.h"
#include "vexa/host/file_update.h"
#include "vexa/host/pathname.h"
#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/vexa_parser_util.h"
#include "vexa/parser/vty.h"

namespace vexaconsole {

namespace {

constexpr char kDefaultHostName[] = "Router";
constexpr std::size_t kMaxFileBytes = std::size_t{1} << 30;

// Reads a whole file that must exist; false with a message otherwise.
bool readRequired(const std::string& what, const std::string& path, std::string& text,
                  std::string& error) {
  const vexahost::Pathname file(path);
  if (!file.exists()) {
    error = "cannot read " + what + " '" + path + "': no such file";
  } else if (file.isDirectory()) {
    error = "cannot read " + what + " '" + path + "': is a folder";
  } else if (!vexahost::readFileHead(path, kMaxFileBytes, text)) {
    error = "cannot read " + what + " '" + path + "': permission denied or unreadable";
  } else {
    return true;
  }
  return false;
}

std::string withoutLineEnd(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ' || text.back() == '\r')) {
    text.pop_back();
  }
  return text;
}

}  // namespace

std::string configuredHostName(const std::string& configuration) {
  std::istringstream lines(configuration);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string keyword, name;
    if (line.rfind("hostname", 0) == 0 && (words >> keyword >> name) && keyword == "hostname") {
      return name;
    }
  }
  return std::string();
}

ConsoleSession::ConsoleSession() = default;
ConsoleSession::~ConsoleSession() = default;

bool ConsoleSession::open(const ConsoleSessionOptions& options, std::string& error) {
  options_ = options;
  std::string configuration;
  if (!readRequired("the configuration", options.configPath, configuration, error)) return false;
  storedDelta_.clear();
  const bool deltaExists =
      !options.deltaPath.empty() && vexahost::Pathname(options.deltaPath).exists();
  if (deltaExists && !readRequired("the delta file", options.deltaPath, storedDelta_, error)) {
    return false;
  }
  if (!vexaparser::VexaParserUtil::resourcesReady()) {
    error = "the parser resources are not loaded";
    return false;
  }
  hostName_ = options.hostName;
  if (hostName_.empty()) hostName_ = configuredHostName(configuration);
  if (hostName_.empty()) hostName_ = kDefaultHostName;

  // The running configuration listing finds the files by device name.
  vexahost::VexaFileSystem::GetCurrBaselineFileSystem()->SetConfigFilePath(hostName_,
                                                                           options.configPath);
  // A delta file that does not exist yet holds nothing to list.
  vexahost::VexaFileSystem::GetCurrProjectFileSystem()->SetConfigDeltaFilePath(
      hostName_, deltaExists ? options.deltaPath : std::string());
  terminal_ = vexaparser::VTY::create(hostName_, true);
  if (terminal_ == nullptr) {
    error = "the parser resources are not loaded";
    return false;
  }
  terminal_->setConfigAndDeltaFile(hostName_, 0);
  editor_.Gl_histinit(options.historyPath.empty() ? "-" : options.historyPath.c_str());
  editor_.parser_init("");
  delta_.clear();
  finished_ = false;
  return true;
}

std::string ConsoleSession::start() {
  std::string output;
  showPrompt(*terminal_, editor_, output);
  return output;
}

std::string ConsoleSession::key(const std::string& bytes) {
  const bool atViewPrompt = terminal_->getCurrentMode() == vexaparser::VIEW_MODE;
  std::string output;
  parser_main(*terminal_, editor_, bytes, output, &delta_);
  if (editor_.inputEnded()) {
    finished_ = true;
  } else if (atViewPrompt && editor_.startOfLine() &&
             terminal_->getCurrentMode() == vexaparser::VIEW_MODE) {
    std::string complete;
    terminal_->getCompleteLine(complete);
    finished_ = withoutLineEnd(complete) == "exit";
  }
  return output;
}

bool ConsoleSession::close(std::string& error) {
  error.clear();
  if (options_.deltaPath.empty() || delta_.empty()) return true;
  // Only this session's commands are added, under the lock the network
  // front end takes, so that changes other sessions wrote meanwhile stay.
  std::string text = delta_;
  if (!text.empty() && text.back() != '\n') text += '\n';
  if (!vexahost::appendUnderLock(options_.deltaPath, options_.deltaPath + ".lock", text, error)) {
    return false;
  }
  storedDelta_ += text;
  delta_.clear();
  return true;
}

}  // namespace vexaconsole
