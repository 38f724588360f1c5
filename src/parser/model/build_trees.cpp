// VexaParserUtil: turning configuration text into CiscoCommandLine trees
// through a scratch terminal, and the help of a partial configuration text.
#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "parser/model/command_trees.h"
#include "parser/model/line_stream.h"
#include "parser/model/read_in_parts.h"
#include "parser/model/side_by_side.h"
#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/parser_resources.h"
#include "vexa/parser/scratch_terminal.h"
#include "vexa/parser/vexa_parser_util.h"
#include "vexa/parser/vty.h"

namespace vexaparser {

namespace {

// How many commands ahead the linking fetches.
constexpr std::size_t kLinkAhead = 16;

// Links command below parent among the children the terminal linked there
// already, keeping the children in line order.
void linkInLineOrder(CiscoCommandLine* command, CiscoCommandLine* parent) {
  command->setParentCommand(parent, false);
  std::vector<CiscoCommandLine*>& children = parent->childCommandsToEdit();
  auto at = std::upper_bound(children.begin(), children.end(), command,
                             [](const CiscoCommandLine* a, const CiscoCommandLine* b) {
                               return a->getLineNo() < b->getLineNo();
                             });
  children.insert(at, command);
}

}  // namespace

bool VexaParserUtil::getCmdInfo(const std::string& text, std::vector<CiscoCommandLine*>& out,
                                std::string& errorText, int& errorLine) {
  return getCmdInfo(*ParserResources::instance().grammar(), text, out, errorText, errorLine);
}

bool VexaParserUtil::getCmdInfo(const Grammar& grammar, const std::string& text,
                                std::vector<CiscoCommandLine*>& out, std::string& errorText,
                                int& errorLine) {
  if (model::worthReadingInParts(text)) {
    return model::readInParts(grammar, text, out, errorText, errorLine);
  }
  std::unique_ptr<VTY> vty = makeScratchTerminal(grammar);
  if (vty == nullptr) {
    errorText = VTY::kNotReadyMessage;
    return false;
  }
  return vty->getComLineInfo(text, out, errorText, errorLine, true);
}

void VexaParserUtil::releaseCmdInfo(std::vector<CiscoCommandLine*>& commands) {
  releaseCommands(commands);
}

bool VexaParserUtil::transformCmds(const Grammar& grammar, const std::string& text,
                                   std::vector<CiscoCommandLine*>& out, std::string& errorText,
                                   int& errorLine) {
  std::vector<CiscoCommandLine*> all;
  const bool result = getCmdInfo(grammar, text, all, errorText, errorLine);

  // The terminal links a command below its mode command only when the
  // command was recognised.  A line it could not match (or accepted without
  // recognising, such as a "!" line) inside a sub-mode carries the level of
  // that sub-mode but no parent.  Such a line is linked below the last
  // command read one level up, so that it is neither lost from the merged
  // text nor leaked: nothing of a user's configuration is dropped.
  const auto link = [&all](std::size_t from, std::size_t to, std::vector<CiscoCommandLine*>& top) {
    model::OpenLevels levels;
    for (std::size_t i = from; i < to; ++i) {
      // The commands lie scattered in memory: the ones a few steps ahead
      // are fetched meanwhile.
      if (i + kLinkAhead < to) all[i + kLinkAhead]->prefetchLinks();
      CiscoCommandLine* command = all[i];
      const std::size_t level = static_cast<std::size_t>(std::max(0, command->getLevel()));
      if (command->getParentCommand() == nullptr) {
        if (CiscoCommandLine* enclosing = levels.enclosing(level)) {
          linkInLineOrder(command, enclosing);
        } else {
          top.push_back(command);
        }
      }
      levels.note(level, command);
    }
  };
  // A top-level command closes every level: the commands from one on are
  // linked whatever came before, so a long list is linked in two halves
  // side by side, each below commands of its own half only.
  std::size_t half = all.size();
  if (all.size() >= model::linkHalvesFrom().load(std::memory_order_relaxed) &&
      !model::sharingCores()) {
    for (half = all.size() / 2; half < all.size() && all[half]->getLevel() > 0; ++half) {
    }
  }
  if (half == all.size()) {
    link(0, all.size(), out);
    return result;
  }
  std::vector<CiscoCommandLine*> secondTop;
  model::sideBySide(
      true, [&] { link(0, half, out); }, [&] { link(half, all.size(), secondTop); });
  out.insert(out.end(), secondTop.begin(), secondTop.end());
  return result;
}

bool VexaParserUtil::hintCommand(std::string& command, std::string& second,
                                 std::vector<ConfigHint>& hints) {
  return hintCommand(*ParserResources::instance().grammar(), command, second, hints);
}

bool VexaParserUtil::hintCommand(const Grammar& grammar, std::string& command, std::string& second,
                                 std::vector<ConfigHint>& hints) {
  std::unique_ptr<VTY> vty = makeScratchTerminal(grammar);
  if (vty == nullptr) return false;
  return vty->hintCommand(command, second, hints);
}

}  // namespace vexaparser
