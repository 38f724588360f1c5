// ConfigResult: a written configuration text with the trees it came from.
#include "vexa/parser/config_result.h"

#include <utility>

#include "vexa/parser/cisco_command_line.h"

namespace vexaparser {

ConfigResult& ConfigResult::operator=(ConfigResult&& other) noexcept {
  if (this != &other) {
    release();
    text = std::move(other.text);
    lineCommands = std::move(other.lineCommands);
    linesKnown_ = other.linesKnown_;
    trees_ = std::move(other.trees_);
    other.trees_.clear();
    releasing_ = std::move(other.releasing_);
  }
  return *this;
}

ConfigResult::~ConfigResult() { release(); }

void ConfigResult::keep(std::vector<CiscoCommandLine*>& commands) {
  trees_.push_back(std::move(commands));
  commands.clear();
}

void ConfigResult::releaseMeanwhile(std::vector<std::vector<CiscoCommandLine*>> trees) {
  if (releasing_.joinable()) releasing_.join();
  const auto releaseAll = [](std::vector<std::vector<CiscoCommandLine*>>& lists) {
    for (std::vector<CiscoCommandLine*>& list : lists) releaseCommands(list);
  };
  if (std::thread::hardware_concurrency() < 2) {
    releaseAll(trees);
    return;
  }
  releasing_ = std::thread([releaseAll, lists = std::move(trees)]() mutable { releaseAll(lists); });
}

// Last kept first, as the owners of the trees went out of scope before.
void ConfigResult::release() {
  if (releasing_.joinable()) releasing_.join();
  lineCommands.clear();
  while (!trees_.empty()) {
    releaseCommands(trees_.back());
    trees_.pop_back();
  }
}

}  // namespace vexaparser
