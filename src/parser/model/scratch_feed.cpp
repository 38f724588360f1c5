#include "parser/model/scratch_feed.h"

#include <string>

#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/config_line.h"
#include "vexa/parser/scratch_terminal.h"
#include "vexa/parser/vty.h"

namespace vexaparser::model {

namespace {

// The live terminal collects a line end per failed line; emptied now and then.
constexpr unsigned kDrainEvery = 1024;

uint64_t memoKey(uint32_t stateId, uint32_t lineId) {
  return (static_cast<uint64_t>(stateId) << 32) | lineId;
}

}  // namespace

ScratchFeed::ScratchFeed(const Grammar& grammar, SectionText& text, const FeedOptions& options)
    : grammar_(grammar), text_(text), memo_(text.memo()) {
  if (!options.reuse) {
    described_ = false;
    startLive();
  }
}

ScratchFeed::~ScratchFeed() {
  // The terminal links commands to earlier ones; it goes first.
  live_.reset();
  releaseCommands();
}

void ScratchFeed::releaseCommands() {
  vexaparser::releaseCommands(commands_);
}

bool ScratchFeed::startLive() {
  // The search reads configuration lines as "configure" leaves the terminal.
  ScratchOptions options;
  options.configureLine = "configure\n";
  if (live_ == nullptr) {
    live_ = makeScratchTerminal(grammar_, options);
    if (live_ == nullptr) return false;
  } else {
    live_->reset();
    enterConfiguration(*live_, options);
  }
  releaseCommands();
  std::string drained;
  live_->getOutputString(drained);
  return true;
}

bool ScratchFeed::replayState() {
  if (!startLive()) return false;
  // A copy: feeding may not touch the memo, but the list is small.
  const std::vector<uint32_t> lines = memo_.states[state_];
  for (uint32_t id : lines) feedLive(text_.fedText(id));
  liveInState_ = true;
  return true;
}

FeedOutcome ScratchFeed::feedLive(std::string_view line) {
  FeedOutcome outcome;
  if (live_ == nullptr) return outcome;
  const std::size_t before = commands_.size();
  std::string errorText;
  int errorLine = 0;
  outcome.parsed = live_->getComLineInfo(std::string(line), commands_, errorText, errorLine, true);
  if (++feedsSinceDrain_ >= kDrainEvery) {
    feedsSinceDrain_ = 0;
    std::string drained;
    live_->getOutputString(drained);
  }
  if (commands_.size() == before) {
    outcome.parsed = false;
    return outcome;
  }
  const CiscoCommandLine* command = commands_.back();
  outcome.original = command->getOriginalCmd();
  outcome.level = command->getLevel();
  return outcome;
}

bool ScratchFeed::liveStateDescribed(const FeedOutcome& outcome) const {
  // A failed line leaves the terminal as it was, banner closed.
  if (!outcome.parsed) return true;
  // An open banner text shows as an empty host name.
  return live_->getCurrentMode() == CONFIGURATION_MODE && !live_->modeChanged() &&
         !live_->getHostName().empty() && outcome.level >= 0 &&
         static_cast<std::size_t>(outcome.level) <= memo_.states[state_].size();
}

const FeedOutcome& ScratchFeed::feed(uint32_t id) {
  const std::string_view line = text_.fedText(id);
  if (described_ && !mayNameBannerDelimiter(line) && line.find('\r') == std::string_view::npos) {
    return feedDescribed(id, line);
  }
  if (described_) {
    // From here on only a live terminal knows the state.
    described_ = false;
    if (!liveInState_ && !replayState()) {
      last_ = FeedOutcome();
      return last_;
    }
  }
  last_ = feedLive(line);
  return last_;
}

const FeedOutcome& ScratchFeed::feedDescribed(uint32_t id, std::string_view line) {
  if (memo_.lastByLine.size() <= id) memo_.lastByLine.resize(2 * text_.lineCount() + 2);
  std::pair<uint32_t, const ParseMemo::Answer*>& last = memo_.lastByLine[id];
  const ParseMemo::Answer* known =
      last.second != nullptr && last.first == state_ ? last.second : nullptr;
  const uint64_t key = memoKey(state_, id);
  if (known == nullptr) {
    auto found = memo_.answers.find(key);
    if (found != memo_.answers.end()) known = &found->second;
  }
  if (known != nullptr) {
    last = {state_, known};
    // The live terminal did not see the line; a line that leaves the state
    // as it was would not have moved it anyway.
    if (known->next != state_) liveInState_ = false;
    state_ = known->next;
    return known->outcome;
  }
  if (!liveInState_ && !replayState()) {
    described_ = false;  // no terminal: nothing to describe
    last_ = FeedOutcome();
    return last_;
  }
  last_ = feedLive(line);
  if (!liveStateDescribed(last_)) {
    described_ = false;
    return last_;
  }
  uint32_t next = state_;
  if (last_.parsed) {
    // The line closed the levels above its own and stands for the level it
    // may have opened.
    std::vector<uint32_t> after = memo_.states[state_];
    after.resize(static_cast<std::size_t>(last_.level));
    after.push_back(id);
    next = memo_.intern(after);
  }
  auto inserted = memo_.answers.emplace(key, ParseMemo::Answer{std::move(last_), next});
  memo_.lastByLine[id] = {state_, &inserted.first->second};
  state_ = next;
  return inserted.first->second.outcome;
}

}  // namespace vexaparser::model
