// VexaParserUtil: merging new configuration commands into a stored
// configuration, and writing configuration trees back as text.
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <string>
#include <vector>

#include "parser/model/command_trees.h"
#include "parser/model/sibling_index.h"
#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/vexa_parser_util.h"

namespace vexaparser {

using model::CommandList;
using model::detachedCopy;
using model::hasFlags;
using model::isNoForm;
using model::OwnedTrees;
using model::SiblingIndex;

namespace {

// The commands a merge level removes; they leave the level after every new
// command has been applied and are destroyed then.
class RemovalSet {
 public:
  void add(CiscoCommandLine* command) {
    if (hasFlags(command, FLAG_REMOVED)) return;
    command->setFlags(FLAG_REMOVED, false);
    removed_.push_back(command);
  }
  // Takes every marked command out of level (the rest keep their order)
  // and destroys it with its sub-tree.
  void apply(CommandList& level) {
    if (removed_.empty()) return;
    level.erase(std::remove_if(level.begin(), level.end(),
                               [](const CiscoCommandLine* c) { return hasFlags(c, FLAG_REMOVED); }),
                level.end());
    for (CiscoCommandLine* command : removed_) deleteCommandTree(command);
    removed_.clear();
  }

 private:
  CommandList removed_;
};

// A line that holds no configuration: blank, a "!" comment or "end".
bool isStructuralLine(const std::string& line) {
  std::size_t start = line.find_first_not_of(" \t");
  if (start == std::string::npos || line[start] == '!') return true;
  std::size_t stop = line.find_first_of(" \t", start);
  if (stop == std::string::npos) stop = line.size();
  if (stop - start != 3) return false;
  std::string word = line.substr(start, 3);
  for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return word == "end";
}

void appendExpanded(const CommandList& commands, int level, std::string& text) {
  const std::string indent(static_cast<std::size_t>(std::max(0, level)), ' ');
  for (const CiscoCommandLine* command : commands) {
    if (command->getFlag() == UnknownCommand) {
      // A line the terminal accepted without recognising a command keeps its
      // raw text at every level (re-indented), so that nothing of the user's
      // configuration is dropped.  Blank, "!" and "end" lines carry nothing:
      // the writer produces its own "!" lines.
      const std::string& raw = command->getOriginalStr();
      if (!isStructuralLine(raw)) {
        text += indent;
        text.append(raw, raw.find_first_not_of(" \t"), std::string::npos);
        text += '\n';
      }
    } else {
      text += indent;
      text += command->getOriginalCmd();
    }
    if (!command->getChildCommands().empty()) {
      appendExpanded(command->getChildCommands(), level + 1, text);
    }
    if (hasFlags(command, FLAG_MODE)) {
      text += indent;
      text += "!\n";
    }
  }
}

}  // namespace

std::string VexaParserUtil::mergeConfigCmds(const std::string& newCommands,
                                            const std::string& configuration) {
  if (newCommands.empty()) return configuration;
  if (configuration.empty()) return newCommands;
  // Without a grammar nothing parses: the stored text is kept rather than
  // replaced by an empty tree's text.
  if (!resourcesReady()) return configuration;
  OwnedTrees added;
  OwnedTrees base;
  std::string errorText;
  int errorLine = 0;
  // A text that fails to parse in part still merges with what was built.
  transformCmds(newCommands, added.commands, errorText, errorLine);
  transformCmds(configuration, base.commands, errorText, errorLine);
  mergeCiscoCommands(added.commands, base.commands, nullptr);
  return expandMergedCmds(base.commands, 0);
}

std::string VexaParserUtil::normalizeConfigCmds(const std::string& text) {
  if (!resourcesReady()) return text;
  OwnedTrees trees;
  std::string errorText;
  int errorLine = 0;
  transformCmds(text, trees.commands, errorText, errorLine);
  return expandMergedCmds(trees.commands, 0);
}

std::string VexaParserUtil::expandMergedCmds(const std::vector<CiscoCommandLine*>& commands,
                                             int level) {
  std::string text;
  appendExpanded(commands, level, text);
  return text;
}

void VexaParserUtil::mergeCiscoCommands(const std::vector<CiscoCommandLine*>& newList,
                                        std::vector<CiscoCommandLine*>& baseList,
                                        CiscoCommandLine* parent) {
  // Commands removed here stay in baseList, marked, until every new command
  // has been applied: isComparable and isNoable refuse them meanwhile.  They
  // are destroyed as soon as they leave the list.
  RemovalSet removed;
  SiblingIndex index(baseList);
  // Assignments and value merges may change how the index files a command.
  auto changed = [&index](CiscoCommandLine* command, SiblingIndex::Head before) {
    if (!(SiblingIndex::headOf(command) == before)) index.invalidate();
  };
  for (const CiscoCommandLine* added : newList) {
    const CiscoCommandLineFlag flag = added->getFlag();
    const uint32_t bits = added->getFlags();

    if ((bits & FLAG_NO) != 0) {
      const std::size_t at = index.firstNoable(added);
      if (at == baseList.size()) {
        // Nothing to cancel: only a "no" form that the device stores is kept.
        if ((bits & FLAG_STORED) != 0) baseList.push_back(detachedCopy(added, parent));
        continue;
      }
      CiscoCommandLine* found = baseList[at];
      const SiblingIndex::Head head = SiblingIndex::headOf(found);
      if ((bits & FLAG_STORED) == 0) {
        if (flag != AppendCommand) {
          const bool kept = flag == MultiValueCommand && found->mergeCommand(added);
          changed(found, head);
          if (kept) continue;
          removed.add(found);
          continue;
        }
        // An append command's "no" form cancels the whole run of commands it
        // negates, passing over lines the grammar does not know.
        for (std::size_t i = at; i < baseList.size(); ++i) {
          CiscoCommandLine* command = baseList[i];
          if (command->getFlag() == UnknownCommand) continue;
          if (isNoForm(command) || !command->isNoable(added)) break;
          removed.add(command);
        }
        continue;
      }
      if (found->isComparable(added)) {
        if (flag == OverwriteCommand) {
          *found = *added;  // keeps its line number, parent and children
          changed(found, head);
        } else if (!isNoForm(found)) {
          removed.add(found);
        }
      }
      continue;
    }

    const std::size_t at = index.firstComparable(added);
    if (at == baseList.size()) {
      if ((bits & FLAG_STORED) == 0) continue;  // a default that is not stored
      CiscoCommandLine* copy = detachedCopy(added, parent);
      if (flag == AppendCommand) copy->genCommandStr();
      if ((bits & FLAG_MODE) != 0) {
        // Only the stored forms of the sub-mode's commands enter.
        copy->delOnlyChildCmds();
        mergeCiscoCommands(added->getChildCommands(), copy->getChildCommands(), copy);
      }
      baseList.push_back(copy);
      continue;
    }
    CiscoCommandLine* found = baseList[at];
    const SiblingIndex::Head head = SiblingIndex::headOf(found);
    if ((bits & FLAG_STORED) == 0) {
      // The new command sets a default: a stored "no" line or an overwritten
      // value of the same item goes.
      if (isNoForm(found) || found->getFlag() == OverwriteCommand) removed.add(found);
      continue;
    }
    if ((bits & FLAG_CONFLICT) != 0 && found->isConflictWith(added)) continue;
    if (flag == OverwriteCommand) {
      if (!found->isExactlyMatch(added)) {
        *found = *added;
        changed(found, head);
      } else if ((bits & FLAG_MODE) != 0) {
        mergeCiscoCommands(added->getChildCommands(), found->getChildCommands(), found);
      }
      continue;
    }
    if (flag == AppendCommand) {
      if ((bits & FLAG_MODE) != 0) {
        mergeCiscoCommands(added->getChildCommands(), found->getChildCommands(), found);
        continue;
      }
      bool keep = true;
      std::size_t end = at;
      for (; end < baseList.size() && baseList[end]->isComparable(added); ++end) {
        CiscoCommandLine* command = baseList[end];
        if (command->isExactlyMatch(added)) {
          keep = false;  // already there
          break;
        }
        if (isNoForm(command) != isNoForm(added) && command->isNoable(added)) {
          removed.add(command);
          if (hasFlags(command, FLAG_STORED)) keep = false;
        }
      }
      if (keep) {
        // Positions after the insertion move: the index starts over.
        if (end < baseList.size()) index.invalidate();
        baseList.insert(baseList.begin() + static_cast<std::ptrdiff_t>(end),
                        detachedCopy(added, parent));
      }
      continue;
    }
    if (flag == MultiValueCommand) {
      found->mergeCommand(added);
      changed(found, head);
    } else if ((bits & FLAG_MODE) != 0) {
      mergeCiscoCommands(added->getChildCommands(), found->getChildCommands(), found);
    }
  }
  removed.apply(baseList);
  SortCiscoCommands(baseList);
}

}  // namespace vexaparser
