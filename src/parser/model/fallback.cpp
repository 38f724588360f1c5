// VexaParserUtil: the fallback commands that take one configuration back to
// another.
#include <cstddef>
#include <string>
#include <vector>

#include "parser/model/command_trees.h"
#include "parser/model/sibling_index.h"
#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/vexa_parser_util.h"

namespace vexaparser {

using model::assignedCopy;
using model::CommandList;
using model::detachedCopy;
using model::hasFlags;
using model::isNoForm;
using model::OwnedTrees;
using model::SiblingIndex;

namespace {

// Appends command to out as a member of parent's level (not linked into
// parent's children: out is that list).
void appendTo(CommandList& out, CiscoCommandLine* command, CiscoCommandLine* parent) {
  command->setParentCommand(parent, false);
  out.push_back(command);
}

// Keeps the mode command built for a level only when something inside it
// differs; otherwise destroys it.
void keepIfChanged(CommandList& out, CiscoCommandLine* mode) {
  if (mode->getChildCommands().empty()) {
    deleteCommandTree(mode);
  } else {
    out.push_back(mode);
  }
}

}  // namespace

CiscoCommandLine* VexaParserUtil::createNoCommand(const CiscoCommandLine* command) {
  auto* inverse = new CiscoCommandLine();
  *inverse = *command;
  const std::string& text = inverse->getOriginalCmd();
  if (text.compare(0, 3, "no ") == 0) {
    inverse->setOriginalCmd(text.substr(3));
    inverse->clearFlags(FLAG_NO);
  } else {
    inverse->setOriginalCmd("no " + text);
    inverse->setFlags(FLAG_NO, true);
  }
  return inverse;
}

std::string VexaParserUtil::fallbackConfigCmds(const std::string& current,
                                               const std::string& target, unsigned wholeFile) {
  if (current.empty()) return target;
  if (!resourcesReady()) return std::string();  // nothing can be compared
  std::string errorText;
  int errorLine = 0;
  // Both sides are normalised first (through the tree, back to text and into
  // a tree again), so that both are compared in the form the writer gives.
  OwnedTrees currentTrees;
  OwnedTrees targetTrees;
  transformCmds(normalizeConfigCmds(current), currentTrees.commands, errorText, errorLine);
  transformCmds(normalizeConfigCmds(target), targetTrees.commands, errorText, errorLine);

  OwnedTrees out;
  if (wholeFile != 0) {
    fallbackCiscoCommandFile(currentTrees.commands, targetTrees.commands, out.commands, nullptr);
  } else {
    fallbackCiscoCommands(currentTrees.commands, targetTrees.commands, out.commands, nullptr);
  }
  return expandMergedCmds(out.commands, 0);
}

void VexaParserUtil::fallbackCiscoCommandFile(const std::vector<CiscoCommandLine*>& current,
                                              const std::vector<CiscoCommandLine*>& target,
                                              std::vector<CiscoCommandLine*>& out,
                                              CiscoCommandLine* parent) {
  SiblingIndex targetIndex(target);
  // Pass 1: what current has that target has not, or has otherwise.
  for (const CiscoCommandLine* command : current) {
    if (!hasFlags(command, FLAG_STORED)) continue;
    const CiscoCommandLineFlag flag = command->getFlag();
    const std::size_t at = targetIndex.firstComparable(command);

    if (at == target.size()) {
      CiscoCommandLine* undo = createNoCommand(command);
      if (flag == MultiValueCommand) {
        // The values that the "no" form leaves decide what to write.
        auto* values = new CiscoCommandLine(*command);
        CiscoCommandLine* better =
            values->mergeCommand(undo) ? createNoCommand(values) : createNoCommand(command);
        deleteCommandTree(values);
        deleteCommandTree(undo);
        undo = better;
      }
      appendTo(out, undo, parent);
      continue;
    }
    const CiscoCommandLine* found = target[at];

    if (flag == AppendCommand) {
      if (hasFlags(command, FLAG_MODE)) {
        CiscoCommandLine* mode = assignedCopy(found, parent);
        fallbackCiscoCommandFile(command->getChildCommands(), found->getChildCommands(),
                                 mode->getChildCommands(), mode);
        keepIfChanged(out, mode);
      }
      bool exact = false;
      for (std::size_t i = at; i < target.size() && target[i]->isComparable(command); ++i) {
        const CiscoCommandLine* other = target[i];
        if (other->isExactlyMatch(command)) {
          exact = true;
          break;
        }
        if (isNoForm(other) != isNoForm(command) && other->isNoable(command)) {
          appendTo(out, createNoCommand(command), parent);
        }
      }
      if (!exact) appendTo(out, createNoCommand(command), parent);
      continue;
    }
    if (flag == OverwriteCommand) {
      if (found->getCurrentCommand() == command->getCurrentCommand()) {
        if (hasFlags(command, FLAG_MODE)) {
          CiscoCommandLine* mode = assignedCopy(command, parent);
          fallbackCiscoCommandFile(command->getChildCommands(), found->getChildCommands(),
                                   mode->getChildCommands(), mode);
          keepIfChanged(out, mode);
        }
      } else {
        appendTo(out, detachedCopy(found, parent), parent);
      }
      continue;
    }
    if (flag == MultiValueCommand) {
      if (found->getCurrentCommand() != command->getCurrentCommand()) {
        appendTo(out, createNoCommand(command), parent);
        appendTo(out, detachedCopy(found, parent), parent);
      }
      continue;
    }
    if (hasFlags(command, FLAG_MODE)) {
      CiscoCommandLine* mode = assignedCopy(command, parent);
      fallbackCiscoCommandFile(command->getChildCommands(), found->getChildCommands(),
                               mode->getChildCommands(), mode);
      keepIfChanged(out, mode);
    }
  }

  // Pass 2: what target has that current lacks, in target order.
  SiblingIndex currentIndex(current);
  for (const CiscoCommandLine* wanted : target) {
    if (!hasFlags(wanted, FLAG_STORED)) continue;
    if (currentIndex.firstComparable(wanted) == current.size()) {
      appendTo(out, detachedCopy(wanted, parent), parent);
    }
  }
}

void VexaParserUtil::fallbackCiscoCommands(const std::vector<CiscoCommandLine*>& current,
                                           const std::vector<CiscoCommandLine*>& target,
                                           std::vector<CiscoCommandLine*>& out,
                                           CiscoCommandLine* parent) {
  // Target commands that a "no" form of current removed, to be written back.
  CommandList held;
  auto writeHeld = [&]() {
    for (const CiscoCommandLine* command : held) {
      CiscoCommandLine* copy = detachedCopy(command, parent);
      copy->clearFlags(FLAG_REMOVED);  // the mark belongs to the target tree
      appendTo(out, copy, parent);
    }
    held.clear();
  };
  auto hold = [&held](CiscoCommandLine* command) {
    command->setFlags(FLAG_REMOVED, false);
    held.push_back(command);
  };
  auto recurse = [&](const CiscoCommandLine* command, const CiscoCommandLine* found,
                     const CiscoCommandLine* modeFrom) {
    CiscoCommandLine* mode = assignedCopy(modeFrom, parent);
    fallbackCiscoCommands(command->getChildCommands(), found->getChildCommands(),
                          mode->getChildCommands(), mode);
    keepIfChanged(out, mode);
  };

  SiblingIndex targetIndex(target);
  for (const CiscoCommandLine* command : current) {
    const CiscoCommandLineFlag flag = command->getFlag();
    const bool stored = hasFlags(command, FLAG_STORED);

    if (!isNoForm(command)) {
      const std::size_t at = targetIndex.firstComparable(command);
      if (at == target.size()) {
        if (stored) appendTo(out, createNoCommand(command), parent);
        continue;
      }
      CiscoCommandLine* found = target[at];
      if (!stored) {
        if (isNoForm(found)) appendTo(out, detachedCopy(found, parent), parent);
        continue;
      }
      if (flag == AppendCommand && hasFlags(command, FLAG_MODE)) {
        recurse(command, found, found);
        continue;
      }
      if (flag == AppendCommand) {
        bool exact = false;
        for (std::size_t i = at; i < target.size() && target[i]->isComparable(command); ++i) {
          CiscoCommandLine* other = target[i];
          if (other->isExactlyMatch(command)) {
            exact = true;
            break;
          }
          if (isNoForm(other) != isNoForm(command) && other->isNoable(command)) hold(other);
        }
        if (!exact) {
          appendTo(out, createNoCommand(command), parent);
          writeHeld();
        }
        held.clear();
        continue;
      }
      if (flag == OverwriteCommand) {
        if (found->getCurrentCommand() != command->getCurrentCommand()) {
          appendTo(out, detachedCopy(found, parent), parent);
        } else if (hasFlags(command, FLAG_MODE)) {
          recurse(command, found, found);
        }
        continue;
      }
      if (flag == MultiValueCommand) {
        appendTo(out, createNoCommand(command), parent);
        appendTo(out, detachedCopy(found, parent), parent);
        continue;
      }
      if (hasFlags(command, FLAG_MODE)) recurse(command, found, command);
      continue;
    }

    const std::size_t at = targetIndex.firstNoable(command);
    if (at == target.size()) {
      // A stored "no" line that target does not cancel: its positive form.
      if (stored) appendTo(out, createNoCommand(command), parent);
      continue;
    }
    CiscoCommandLine* found = target[at];
    if (!stored) {
      if (flag == MultiValueCommand) {
        appendTo(out, createNoCommand(command), parent);
        appendTo(out, detachedCopy(found, parent), parent);
      } else if (flag != AppendCommand) {
        hold(found);
      } else {
        for (std::size_t i = at; i < target.size(); ++i) {
          CiscoCommandLine* other = target[i];
          if (isNoForm(other) || !other->isNoable(command)) break;
          hold(other);
        }
      }
      writeHeld();
      continue;
    }
    if (found->isComparable(command)) {
      // The stored "no" line cancelled this target line, which must come
      // back.  It is written at once rather than held for a later command of
      // the level: a hold list still full at the end of the level would
      // otherwise lose it, and the fallback would not restore the target.
      if (!isNoForm(found)) {
        hold(found);
        writeHeld();
      }
    } else {
      writeHeld();
    }
  }
  // Nothing is left held here (every case above writes or empties the
  // list); written all the same, so that no target line is lost.
  writeHeld();
}

}  // namespace vexaparser
