// VTY: construction, modes, parsing lines and replaying configuration text.
#include "vexa/parser/vty.h"

#include <mutex>
#include <utility>

#include "parser/cli/replayed_line.h"
#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/config_line.h"
#include "vexa/parser/parser_tool_case.h"

namespace vexaparser {

namespace {

constexpr VTYModeType kModes[] = {VIEW_MODE, EXECUTION_MODE, CONFIGURATION_MODE};

}  // namespace

std::map<VTYModeType, ParserTree> VTY::mTrees4Modes;

VTY::VTY(std::shared_ptr<const Grammar> grammar, TerminalOptions options)
    : grammar_(grammar != nullptr ? std::move(grammar) : std::make_shared<const Grammar>("")),
      runningConfig_(std::move(options.runningConfig)),
      runningCLIMode_(options.runningCLIMode),
      hostName_(std::move(options.hostName)) {
  if (grammar_->hasAllModes()) {
    {
      // Terminals may be made on several threads at once (merge and
      // fallback read their two texts side by side).
      static std::mutex shared;
      const std::lock_guard<std::mutex> hold(shared);
      for (VTYModeType mode : kModes) mTrees4Modes[mode] = *grammar_->modeTree(mode);
    }
    for (VTYModeType mode : kModes) installMode(mode);
  }
  modeStack_.push_back(VIEW_MODE);
}

VTY::~VTY() { DestroyModelAll(); }

std::unique_ptr<VTY> VTY::create(std::shared_ptr<const Grammar> grammar, TerminalOptions options) {
  if (grammar == nullptr || !grammar->hasAllModes()) return nullptr;
  return std::make_unique<VTY>(std::move(grammar), std::move(options));
}

void VTY::installMode(VTYModeType mode) {
  modes_[mode] = std::make_unique<CommandMode>(this, *grammar_, mode);
}

void VTY::DestroyModelAll() { modes_.clear(); }

CommandMode* VTY::currentCommandMode() const {
  auto it = modes_.find(modeStack_.back());
  return it == modes_.end() ? nullptr : it->second.get();
}

void VTY::reset() {
  modeStack_.clear();
  modeStack_.push_back(VIEW_MODE);
  for (auto& [mode, commandMode] : modes_) commandMode->reset();
}

bool VTY::parse(const std::string& line, bool popOnLeave, CiscoCommandLine* commandLine) {
  CommandMode* mode = currentCommandMode();
  if (mode == nullptr) {
    lastError_ = kNotReadyMessage;
    output_ << lastError_ << '\n';
    return false;
  }
  mode->setCommandLine(commandLine);
  const LineOutcome outcome = mode->parse(line);
  // The object belongs to the caller, who may destroy it after the line;
  // the mode must not keep it.
  mode->setCommandLine(nullptr);

  std::string kept;
  if (outcome.complete) {
    inBanner_ = outcome.inBanner;
    switch (outcome.change) {
      case ModeChange::kStay:
        modeChanged_ = false;
        break;
      case ModeChange::kLeave:
        if (getCurrentMode() == VIEW_MODE) return true;
        kept = mode->getCompleteLine();
        modeChanged_ = true;
        if (popOnLeave) modeStack_.pop_back();
        break;
      case ModeChange::kEnterExecution:
      case ModeChange::kEnterConfiguration:
        kept = mode->getCompleteLine();
        modeStack_.push_back(outcome.change == ModeChange::kEnterExecution ? EXECUTION_MODE
                                                                          : CONFIGURATION_MODE);
        modeChanged_ = true;
        break;
    }
    lastError_.clear();
  } else {
    inBanner_ = false;
    output_ << outcome.error << '\n';
    lastError_ = outcome.error;
  }
  if (modeChanged_) {
    CommandMode* now = currentCommandMode();
    now->reset();
    now->setCompleteLine(kept);
  }
  return outcome.complete;
}

void VTY::writeInput(const std::string& text) {
  input_.clear();
  input_ << text;
}

void VTY::execute() {
  std::string line;
  while (std::getline(input_, line)) {
    // Text from the host may end its lines with carriage return and line
    // feed; the carriage return is part of the line end, not of the line.
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && (line.back() == '?' || line.back() == '\t')) {
      hook(line);
    } else {
      parse(line + " \n", true, nullptr);
    }
  }
  input_.clear();
  input_.str(std::string());
}

void VTY::getPrompt(std::string& out) const {
  const CommandMode* mode = currentCommandMode();
  out = mode == nullptr ? std::string() : mode->getPrompt();
}

void VTY::getOutputString(std::string& out) {
  out = output_.str();
  output_.str(std::string());
  output_.clear();
}

void VTY::getCompleteLine(std::string& out) const {
  const CommandMode* mode = currentCommandMode();
  out = mode == nullptr ? std::string() : mode->getCompleteLine();
}

void VTY::getInfoLine(std::string& out) const {
  const CommandMode* mode = currentCommandMode();
  out = mode == nullptr ? std::string() : mode->getInfoLine();
}

void VTY::getMajorCommands(std::string& out) const {
  const CommandMode* mode = currentCommandMode();
  out = mode == nullptr ? std::string() : mode->getMajorCommands();
}

void VTY::setCompleteLine(const std::string& text) {
  if (CommandMode* mode = currentCommandMode()) mode->setCompleteLine(text);
}

void VTY::setInfoLine(const std::string& text) {
  if (CommandMode* mode = currentCommandMode()) mode->setInfoLine(text);
}

void VTY::setConfigAndDeltaFile(const std::string& configFile, int type) {
  configFile_ = configFile;
  type_ = type;
}

namespace {

// The enclosing mode commands as the commands of a text share them; null
// for none.
std::shared_ptr<const std::string> sharedMajors(std::string text) {
  if (text.empty()) return nullptr;
  return std::make_shared<const std::string>(std::move(text));
}

}  // namespace

bool VTY::getComLineInfo(const std::string& text, std::vector<CiscoCommandLine*>& out,
                         std::string& errorText, int& errorLine, bool popFlag) {
  LineCursor cursor = startReading();
  forEachConfigLine(text, [&](std::string_view piece) {
    readConfigLine(piece, cursor, out, errorText, errorLine, popFlag);
  });
  return cursor.result;
}

VTY::LineCursor VTY::startReading(int firstLineNo) const {
  LineCursor cursor;
  cursor.mode = currentCommandMode();
  cursor.majors =
      sharedMajors(cursor.mode == nullptr ? std::string() : cursor.mode->getMajorCommands());
  cursor.firstLineNo = firstLineNo;
  cursor.lineNo = firstLineNo - 1;
  return cursor;
}

void VTY::readConfigLine(std::string_view piece, LineCursor& cursor,
                         std::vector<CiscoCommandLine*>& out, std::string& errorText,
                         int& errorLine, bool popFlag) {
  readLine_.assign(piece);
  const std::string& line = readLine_;
  const int lineNo = ++cursor.lineNo;
  std::unique_ptr<CiscoCommandLine> command;
  if (cursor.spare != nullptr && !cursor.spare->empty()) {
    command.reset(cursor.spare->back());
    cursor.spare->pop_back();
  } else {
    command = std::make_unique<CiscoCommandLine>();
  }
  command->setLineNo(lineNo);
  if (replaySkips(line)) {
    command->setFlag(UnknownCommand);
    command->setOriginalStr(line);
  } else if (cursor.mode == nullptr) {
    cursor.result = parse(line, popFlag, command.get());
    errorLine = lineNo;
    errorText = lastError_;
  } else {
    cursor.result = parseComLine(line, cursor, popFlag, *command, errorText, errorLine);
  }
  out.push_back(command.release());
}

VTY::ReadingState VTY::readingState(const LineCursor& cursor) const {
  ReadingState state;
  state.modeStack = modeStack_;
  state.modeChanged = modeChanged_;
  state.inBanner = inBanner_;
  if (cursor.mode != nullptr) state.mode = cursor.mode->reading();
  if (cursor.majors != nullptr) state.majors = *cursor.majors;
  state.level = cursor.level;
  state.result = cursor.result;
  return state;
}

void VTY::setBannerDelimiter(char delimiter) {
  if (CommandMode* mode = currentCommandMode()) mode->setBannerDelimiter(delimiter);
}

bool VTY::parseComLine(const std::string& line, LineCursor& cursor, bool popFlag,
                       CiscoCommandLine& command, std::string& errorText, int& errorLine) {
  CommandMode& mode = *cursor.mode;
  std::shared_ptr<const std::string>& majors = cursor.majors;
  int& level = cursor.level;
  const int lineNo = cursor.lineNo;
  const bool first = lineNo == cursor.firstLineNo;
  const bool previousChanged = mode.levelChanged();
  const bool ok = parse(line, popFlag, &command);
  if (!ok) {
    errorLine = lineNo;
    errorText = lastError_;
    // The state is as before the line: a major depth below the number of
    // major commands means that the last line parsed opened a sub-mode, and
    // the failed line belongs inside it.
    const bool afterSubMode =
        static_cast<std::size_t>(mode.getMajorDepth()) < mode.majorCommandCount();
    if (first || afterSubMode) {
      majors = sharedMajors(mode.getAllMajorCommands());
      level = mode.getMajorDepth() + (afterSubMode ? 1 : 0);
    }
    command.setLevel(level);
    command.setMajorCommands(majors);
    std::string text = withoutLeadingBlanks(line);
    text += '\n';
    command.setCurrentCommand(text);
    command.setOriginalCmd(text);
    return false;
  }
  // A configuration tree keeps every command of the text: no spare room.
  if (cursor.spare == nullptr) command.fitNodePath();
  if (first || mode.levelChanged() || previousChanged) {
    majors = sharedMajors(mode.getMajorCommands());
    level = mode.getMajorDepth();
  }
  if (mode.getInfoLine().empty()) {
    command.setFlag(UnknownCommand);
    command.setOriginalStr(line);
  } else {
    command.setCurrentCommand(mode.getInfoLine());
    command.setOriginalCmd(mode.getCompleteLine());
    command.setMajorCommands(majors);
  }
  command.setLevel(level);
  return true;
}

}  // namespace vexaparser
