// CommandMode: walking a line through the syntax tree of one mode, and
// accepting the words it matches.
#include "vexa/parser/command_mode.h"

#include <array>

#include <cstring>

#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/config_line.h"
#include "vexa/parser/node_matcher.h"
#include "vexa/parser/parser_exception.h"
#include "vexa/parser/parser_tool_case.h"
#include "vexa/parser/vty.h"

namespace vexaparser {

namespace {

constexpr char kInvalidInputMessage[] = "% Invalid input detected at ^";
constexpr char kIncompleteMessage[] = "% Incomplete command.";
constexpr char kEnterConfigurationMessage[] = "Enter configuration commands, one per line.";

// The characters that separate words: blanks, tabs and line ends.
constexpr std::array<bool, 256> kWordSeparator = [] {
  std::array<bool, 256> table{};
  for (const unsigned char c : {' ', '\t', '\r', '\n'}) table[c] = true;
  return table;
}();

// The words of line into words, reusing its strings' storage.
void splitWords(const std::string& line, std::vector<std::string>& words) {
  std::size_t count = 0;
  std::size_t pos = 0;
  const std::size_t size = line.size();
  auto separator = [](char c) { return kWordSeparator[static_cast<unsigned char>(c)]; };
  while (pos < size) {
    while (pos < size && separator(line[pos])) ++pos;
    if (pos == size) break;
    const std::size_t begin = pos;
    while (pos < size && !separator(line[pos])) ++pos;
    if (count == words.size()) words.emplace_back();
    words[count++].assign(line, begin, pos - begin);
  }
  words.resize(count);
}

// Whether word, lowered, begins with prefix (lower case).
bool lowerStartsWith(const std::string& word, std::string_view prefix) {
  if (word.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char c = word[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

template <typename T>
void popIfAny(std::vector<T>& stack) {
  if (!stack.empty()) stack.pop_back();
}

// Keeps text up to and including its last line feed.
void cutAfterLastLineFeed(std::string& text) {
  std::size_t last = text.rfind('\n');
  if (last != std::string::npos) text.erase(last + 1);
}

}  // namespace

CommandMode::CommandMode(VTY* owner, const Grammar& grammar, VTYModeType modeType)
    : owner_(owner),
      grammar_(grammar),
      root_(grammar.modeTree(modeType)->root),
      runningCLIMode_(owner != nullptr && owner->runningCLIMode()),
      modeType_(modeType) {
  reset();
}

void CommandMode::reset() {
  currentNode_ = root_;
  state_ = State{};
  state_.nodeStack.push_back(root_);
  setPrompt(root_);
  inBanner_ = false;
  leavePending_ = false;
  saved_ = state_;
}

std::string CommandMode::topPrompt() const { return grammar_.modePrompt(topNode()); }

void CommandMode::setPrompt(const ParserTreeNode* node) {
  if (node != nullptr && node == state_.promptNode) return;
  state_.prompt = grammar_.modePrompt(node);
  state_.promptNode = node;
}

std::string CommandMode::getAllMajorCommands() const {
  std::string all;
  for (const std::string& major : state_.majorCommands) all += major;
  return all;
}

std::string CommandMode::getMajorCommands() const {
  std::size_t count = state_.majorCommands.size();
  if (static_cast<std::size_t>(state_.majorDepth) < count) --count;
  std::string joined;
  for (std::size_t i = 0; i < count; ++i) joined += state_.majorCommands[i];
  return joined;
}

void CommandMode::popLevel() {
  popIfAny(state_.nodeStack);
  popIfAny(state_.commandStack);
  popIfAny(state_.majorCommands);
  if (commandLine_ != nullptr) commandLine_->clearVisitedOption();
}

LineOutcome CommandMode::parse(const std::string& line) {
  LineOutcome outcome;
  if (leavePending_) {
    leavePending_ = false;
    popLevel();
    setPrompt(topNode());
    state_.majorDepth = static_cast<int>(state_.majorCommands.size());
  }
  saved_ = state_;
  completeLine_.clear();
  infoApart_ = false;
  // An emptied node stack (the help of every level pops them all) starts
  // over at the root, like a mode that was never used.
  if (currentNode_ == nullptr || state_.nodeStack.empty()) {
    currentNode_ = root_;
    state_.nodeStack.push_back(root_);
  }

  splitWords(line, words_);
  if (runningCLIMode_) {
    const std::string first =
        words_.empty() ? std::string() : ParserToolCase::string2Lower(words_.front());
    if (first == "exit" || (first == "end" && modeType_ == CONFIGURATION_MODE)) {
      leaveLevel(first, outcome);
      outcome.complete = true;
      return outcome;
    }
  }

  // The options given in the line count for every level it is tried at.
  usedOptions_.clear();
  NodeMatcher matcher(grammar_, usedOptions_, &matchMemo_);
  WalkResult result = WalkResult::kInvalid;
  bool lowerLevel = false;
  try {
    while (!state_.nodeStack.empty()) {
      result = walk(line, matcher, outcome);
      if (result != WalkResult::kInvalid) break;
      inBanner_ = false;
      lowerLevel = true;
    }
  } catch (const ParserException& e) {
    result = WalkResult::kInvalid;
    outcome.error = e.getMessage();
  }

  if (result != WalkResult::kComplete) {
    completeLine_.clear();
    infoApart_ = false;
    state_ = saved_;
    inBanner_ = false;
    outcome.change = ModeChange::kStay;
    return outcome;
  }
  if (lowerLevel) state_.levelChanged = true;
  // "exit-address-family" and its kin close the nested mode they are typed
  // in; the command itself stays in that mode.
  if (!lowerLevel && !inBanner_ && state_.nodeStack.size() > 2 && !words_.empty() &&
      lowerStartsWith(words_.front(), "exit-")) {
    leavePending_ = true;
    state_.levelChanged = true;
    setPrompt(state_.nodeStack[state_.nodeStack.size() - 2]);
  }
  outcome.complete = true;
  outcome.inBanner = inBanner_;
  return outcome;
}

void CommandMode::leaveLevel(const std::string& firstWord, LineOutcome& outcome) {
  if (firstWord == "exit") {
    // At the view prompt the root stays: "exit" there changes nothing.
    if (modeType_ == VIEW_MODE && state_.nodeStack.size() == 1) {
      outcome.change = ModeChange::kLeave;
    } else {
      popIfAny(state_.nodeStack);
      popIfAny(state_.majorCommands);
      if (!state_.nodeStack.empty()) {
        currentNode_ = state_.nodeStack.back();
        setPrompt(currentNode_);
      } else {
        outcome.change = ModeChange::kLeave;
      }
    }
    setBothLines("exit");
  } else {
    outcome.change = ModeChange::kLeave;
    setBothLines("end \n");
  }
  state_.majorDepth = static_cast<int>(state_.majorCommands.size());
}

CommandMode::Reading CommandMode::reading() const {
  Reading reading;
  reading.nodeStack = state_.nodeStack;
  reading.openCommands = state_.commandStack.size();
  reading.majorCommands = state_.majorCommands;
  reading.prompt = state_.prompt;
  reading.majorDepth = state_.majorDepth;
  reading.levelChanged = state_.levelChanged;
  reading.inBanner = inBanner_;
  reading.leavePending = leavePending_;
  reading.bannerDelimiter = bannerDelimiter_;
  return reading;
}

char CommandMode::bannerDelimiterAfter(std::string_view line, char current) {
  // Every line passes here: most are rejected by their first letter.
  std::size_t start = 0;
  while (start < line.size() && (line[start] == ' ' || line[start] == '\t')) ++start;
  if (start == line.size() || line[start] != 'b' || line.compare(start, 4, "bann") != 0) {
    return current;
  }
  const std::size_t firstBlank = line.find(' ', start);
  const std::size_t secondBlank =
      firstBlank == std::string_view::npos ? std::string_view::npos : line.find(' ', firstBlank + 1);
  if (secondBlank != std::string_view::npos && secondBlank + 1 < line.size()) {
    return line[secondBlank + 1];
  }
  return current;
}

bool CommandMode::consumeBannerText(const std::string& line) {
  bannerDelimiter_ = bannerDelimiterAfter(line, bannerDelimiter_);
  if (inBanner_ && line.find(bannerDelimiter_) == std::string::npos) {
    setBothLines(line + "\n");
    return true;
  }
  // Text before the closing delimiter ends the banner on a text line
  // ("****^C"); what follows the delimiter there is dropped by a device.
  if (inBanner_) {
    const std::size_t delimiter = line.find(bannerDelimiter_);
    if (line.find_first_not_of(" \t") < delimiter) {
      inBanner_ = false;
      setBothLines(line + "\n");
      return true;
    }
  }
  // Every delimiter on the line opens or closes a banner.
  const char* const end = line.data() + line.size();
  for (const char* at = line.data();
       (at = static_cast<const char*>(std::memchr(at, bannerDelimiter_, end - at))) != nullptr;
       ++at) {
    inBanner_ = !inBanner_;
  }
  return false;
}

CommandMode::WalkResult CommandMode::walk(const std::string& line, NodeMatcher& matcher,
                                          LineOutcome& outcome) {
  completeLine_.clear();
  infoApart_ = false;
  currentNode_ = state_.nodeStack.back();
  setPrompt(currentNode_);

  if (consumeBannerText(line)) return WalkResult::kComplete;
  const std::vector<std::string>& words = words_;
  if (words.empty()) return WalkResult::kComplete;
  // Comments, and the version line at the top, are taken without a match.
  const ConfigLineKind kind = configLineKind(line);
  if (kind == ConfigLineKind::kComment) return WalkResult::kComplete;
  if (kind == ConfigLineKind::kVersion && state_.nodeStack.size() == 1) {
    return WalkResult::kComplete;
  }
  const bool noForm = words.size() > 1 && words.front().size() == 2 &&
                      lowerStartsWith(words.front(), "no");
  // Most lines give one path element per word after "no" and one for the
  // end: room for exactly those, so the path is rarely moved or fitted.
  if (commandLine_ != nullptr) {
    commandLine_->reserveNodePath(words.size() - (noForm ? 1 : 0) + 1);
  }

  WalkResult result = WalkResult::kIncomplete;
  for (std::size_t i = noForm ? 1 : 0; i < words.size(); ++i) {
    ParserTreeNode* node = currentNode_;
    std::string matched;
    ParserTreeNode* child = matcher.findChild(node, words[i], runningCLIMode_, matched);
    if (child == nullptr && matcher.acceptsInterfaceNames(node)) {
      NodeMatcher::InterfaceMatch split;
      child = matcher.matchInterfaceName(node, words[i], runningCLIMode_, split);
      if (split.typeNode != nullptr) {
        record(split.typeText, split.typeNode, noForm);
        currentNode_ = split.typeNode;
      }
      if (child != nullptr) matched = split.numberText;
    }
    if (child == nullptr) {
      popLevel();
      if (runningCLIMode_) outcome.error = kInvalidInputMessage;
      return WalkResult::kInvalid;
    }
    result = accept(matched, child, noForm);
  }

  auto end = currentNode_->children.find(kEndKey);
  if (end != currentNode_->children.end()) {
    result = accept(kEndKey, end->second, noForm);
  } else if (result == WalkResult::kIncomplete && noForm &&
             (commandLine_ == nullptr || (commandLine_->getFlags() & FLAG_INCOMPLETE) == 0)) {
    // A "no" form may stop before the end of the positive command.
    completeLine_ += kEndKey;
    if (!runningCLIMode_) attachToParent();
    result = WalkResult::kComplete;
  }
  if (result == WalkResult::kIncomplete) outcome.error = kIncompleteMessage;
  if (result == WalkResult::kComplete) finishCommand(noForm, outcome);
  return result;
}

void CommandMode::record(const std::string& text, ParserTreeNode* node, bool noForm) {
  const bool argumentBefore = node->hasLetter(kLetterMb) && !noForm;
  // The piece goes to the complete line; the info line reads the same text.
  std::string& out = completeLine_;
  if (argumentBefore) {
    out += node->argument;
    out += ' ';
  }
  if (text == kEndKey) {
    out += kEndKey;
  } else {
    out += !argumentBefore && node->hasLetter(kLetterRp) ? node->argument : text;
    out += ' ';
  }
  if (commandLine_ != nullptr) commandLine_->addTreeNodes(node, text, noForm);
}

void CommandMode::attachToParent() {
  if (commandLine_ == nullptr) return;
  // A grammar that puts the mode mark before the end of a command would make
  // the command its own parent; the enclosing command is taken instead.
  CiscoCommandLine* parent = nullptr;
  for (auto it = state_.commandStack.rbegin(); it != state_.commandStack.rend(); ++it) {
    if (*it != commandLine_) {
      parent = *it;
      break;
    }
  }
  commandLine_->setParentCommand(parent, true);
  const ParserTreeNode* mode = state_.nodeStack.empty() ? nullptr : state_.nodeStack.back();
  if (mode == nullptr) return;
  // Lines come in runs of one mode: its order entry is looked up once a run.
  if (mode != orderMode_) {
    orderMode_ = mode;
    orderIndex_ = grammar_.commandOrderIndexOf(mode);
  }
  commandLine_->setOrderNo(orderIndex_);
}

CommandMode::WalkResult CommandMode::accept(const std::string& text, ParserTreeNode* node,
                                            bool noForm) {
  record(text, node, noForm);
  if (text == kEndKey && !runningCLIMode_) attachToParent();
  currentNode_ = node;
  const bool entered = node->modeMark && !noForm;
  if (entered) {
    state_.nodeStack.push_back(node);
    state_.commandStack.push_back(commandLine_);
    state_.majorCommands.push_back(completeLine_);
    setPrompt(node);
  }
  state_.majorDepth = static_cast<int>(state_.majorCommands.size()) - (entered ? 1 : 0);
  state_.levelChanged = entered;
  return node->endMark ? WalkResult::kComplete : WalkResult::kIncomplete;
}

void CommandMode::finishCommand(bool noForm, LineOutcome& outcome) {
  if (noForm) {
    completeLine_.insert(0, "no ");
    cutAfterLastLineFeed(completeLine_);
  }
  if (completeLine_ == "configure \n" || completeLine_ == "configure terminal \n") {
    owner_->output_ << kEnterConfigurationMessage << '\n';
    outcome.change = ModeChange::kEnterConfiguration;
  } else if (completeLine_ == "enable \n") {
    outcome.change = ModeChange::kEnterExecution;
  } else if (completeLine_ == "show running-config \n") {
    owner_->writeRunningConfig();
  }
}

}  // namespace vexaparser
