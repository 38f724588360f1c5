// VexaParserUtil: the fallback commands that take one configuration back to
// another.
#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "parser/model/command_trees.h"
#include "parser/model/level.h"
#include "parser/model/line_stream.h"
#include "parser/model/side_by_side.h"
#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/grammar.h"
#include "vexa/parser/parser_resources.h"
#include "vexa/parser/vexa_parser_util.h"

namespace vexaparser {

using model::assignedCopy;
using model::CommandList;
using model::detachedCopy;
using model::hasFlags;
using model::isNoForm;
using model::isStored;
using model::Level;
using model::opensMode;
using model::OwnedTrees;

namespace {

// The commands of one level of the fallback, as they are written: each
// belongs to the level's mode command (not linked into its children: the
// list is those children).
class Output {
 public:
  Output(CommandList& commands, CiscoCommandLine* parent) : commands_(commands), parent_(parent) {}
  void add(std::unique_ptr<CiscoCommandLine> command) {
    command->setParentCommand(parent_, false);
    commands_.push_back(command.release());
  }
  void addCopy(const CiscoCommandLine* command) { add(detachedCopy(command, parent_)); }
  CiscoCommandLine* parent() const { return parent_; }

 private:
  CommandList& commands_;
  CiscoCommandLine* parent_;
};

// A new command (owned by the caller) that inverts command: its original
// command with "no " added or taken away.
std::unique_ptr<CiscoCommandLine> inverseOf(const CiscoCommandLine* command) {
  auto inverse = std::make_unique<CiscoCommandLine>();
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

bool sameCurrent(const CiscoCommandLine* a, const CiscoCommandLine* b) {
  return a->getCurrentCommand() == b->getCurrentCommand();
}

// The fallback of one level: current's commands against target's, the
// result appended to out.
using LevelFallback = void (*)(const CommandList& current, const CommandList& target, Output& out);

// The differences inside a mode command: a new command assigned from
// modeFrom whose children are the fallback of the two commands' children;
// written only when something inside differs.
void fallbackInsideMode(LevelFallback fallback, const CiscoCommandLine* command,
                        const CiscoCommandLine* found, const CiscoCommandLine* modeFrom,
                        Output& out) {
  std::unique_ptr<CiscoCommandLine> mode = assignedCopy(modeFrom, out.parent());
  Output inside(mode->childCommandsToEdit(), mode.get());
  fallback(command->getChildCommands(), found->getChildCommands(), inside);
  if (!mode->getChildCommands().empty()) out.add(std::move(mode));
}

// ---- whole-file fallback ----

void fallbackFile(const CommandList& current, const CommandList& target, Output& out);

// The undo of a command target lacks: its "no" form; for a multi-value
// command, the "no" form of the values the "no" form would leave.
std::unique_ptr<CiscoCommandLine> undoOfMissing(const CiscoCommandLine* command) {
  std::unique_ptr<CiscoCommandLine> undo = inverseOf(command);
  if (command->getFlag() != MultiValueCommand) return undo;
  CiscoCommandLine values(*command);
  return values.mergeCommand(undo.get()) ? inverseOf(&values) : inverseOf(command);
}

// The undo of one stored command of current against target.
void undoInFile(Level& target, const CiscoCommandLine* command, Output& out) {
  const std::size_t at = target.firstComparable(command);
  if (at == target.size()) {
    out.add(undoOfMissing(command));
    return;
  }
  const CiscoCommandLine* found = target.at(at);
  switch (command->getFlag()) {
    case AppendCommand: {
      if (opensMode(command)) fallbackInsideMode(&fallbackFile, command, found, found, out);
      const Level::Run run = target.scanAppendRun(
          at, command, [&](const CiscoCommandLine*) { out.add(inverseOf(command)); });
      if (!run.exact) out.add(inverseOf(command));
      return;
    }
    case OverwriteCommand:
      if (!sameCurrent(found, command)) {
        out.addCopy(found);
      } else if (opensMode(command)) {
        fallbackInsideMode(&fallbackFile, command, found, command, out);
      }
      return;
    case MultiValueCommand:
      if (!sameCurrent(found, command)) {
        out.add(inverseOf(command));
        out.addCopy(found);
      }
      return;
    default:
      if (opensMode(command)) fallbackInsideMode(&fallbackFile, command, found, command, out);
  }
}

// Undo lines of current in current order, then the stored lines of target
// that current lacks, in target order.  Each command's undo lines depend
// only on it and on target: the two halves of a large file are undone side
// by side, the second half's lines written after the first's.
void fallbackFile(const CommandList& current, const CommandList& target, Output& out) {
  Level targetLevel(target);
  const auto undoAll = [&targetLevel](CommandList::const_iterator from,
                                      CommandList::const_iterator to, Output& into) {
    for (auto it = from; it != to; ++it) {
      if (isStored(*it)) undoInFile(targetLevel, *it, into);
    }
  };
  const std::size_t half = out.parent() == nullptr ? model::halvesAt(current) : 0;
  if (half == 0) {
    undoAll(current.begin(), current.end(), out);
  } else {
    targetLevel.indexAll();
    OwnedTrees later;
    Output second(later.commands, out.parent());
    const auto middle = current.begin() + static_cast<std::ptrdiff_t>(half);
    model::sideBySide(
        true, [&] { undoAll(current.begin(), middle, out); },
        [&] { undoAll(middle, current.end(), second); });
    CommandList moved;
    moved.swap(later.commands);
    for (CiscoCommandLine* command : moved) out.add(std::unique_ptr<CiscoCommandLine>(command));
  }
  Level currentLevel(current);
  for (const CiscoCommandLine* wanted : target) {
    if (isStored(wanted) && currentLevel.firstComparable(wanted) == current.size()) {
      out.addCopy(wanted);
    }
  }
}

// ---- incremental fallback ----

void fallbackIncremental(const CommandList& current, const CommandList& target, Output& out);

// Target commands that a "no" form of current removed, to be written back.
// Holding one removes it from the target level (marked, it stays in the
// tree), so that no later comparison of the level finds it; the copies
// written lose the mark.
class Held {
 public:
  explicit Held(Level& target) : target_(target) {}
  void hold(CiscoCommandLine* command) {
    target_.remove(command);
    held_.push_back(command);
  }
  void writeTo(Output& out) {
    for (const CiscoCommandLine* command : held_) {
      std::unique_ptr<CiscoCommandLine> copy = detachedCopy(command, out.parent());
      copy->clearFlags(FLAG_REMOVED);
      out.add(std::move(copy));
    }
    held_.clear();
  }
  void clear() { held_.clear(); }

 private:
  Level& target_;
  CommandList held_;
};

// A positive command of current (cases A.1 to A.7).
void undoPositive(Level& target, const CiscoCommandLine* command, Held& held, Output& out) {
  const std::size_t at = target.firstComparable(command);
  if (at == target.size()) {
    if (isStored(command)) out.add(inverseOf(command));
    return;
  }
  CiscoCommandLine* found = target.at(at);
  if (!isStored(command)) {
    if (isNoForm(found)) out.addCopy(found);
    return;
  }
  switch (command->getFlag()) {
    case AppendCommand: {
      if (opensMode(command)) {
        fallbackInsideMode(&fallbackIncremental, command, found, found, out);
        return;
      }
      const Level::Run run =
          target.scanAppendRun(at, command, [&held](CiscoCommandLine* c) { held.hold(c); });
      if (!run.exact) {
        out.add(inverseOf(command));
        held.writeTo(out);
      }
      held.clear();
      return;
    }
    case OverwriteCommand:
      if (!sameCurrent(found, command)) {
        out.addCopy(found);
      } else if (opensMode(command)) {
        fallbackInsideMode(&fallbackIncremental, command, found, found, out);
      }
      return;
    case MultiValueCommand:
      out.add(inverseOf(command));
      out.addCopy(found);
      return;
    default:
      if (opensMode(command))
        fallbackInsideMode(&fallbackIncremental, command, found, command, out);
  }
}

// A "no" form of current (cases B.1 to B.4).
void undoNoForm(Level& target, const CiscoCommandLine* command, Held& held, Output& out) {
  const std::size_t at = target.firstNoable(command);
  if (at == target.size()) {
    // A stored "no" line that target does not cancel: its positive form.
    if (isStored(command)) out.add(inverseOf(command));
    return;
  }
  CiscoCommandLine* found = target.at(at);
  if (!isStored(command)) {
    if (command->getFlag() == MultiValueCommand) {
      out.add(inverseOf(command));
      out.addCopy(found);
    } else if (command->getFlag() != AppendCommand) {
      held.hold(found);
    } else {
      target.scanCancelledRun(at, command, false, [&held](CiscoCommandLine* c) { held.hold(c); });
    }
    held.writeTo(out);
    return;
  }
  // The stored "no" line cancelled this target line, which must come back.
  // It is written at once rather than held for a later command of the
  // level: a hold list still full at the end of the level would otherwise
  // lose it, and the fallback would not restore the target.
  if (found->isComparable(command) && !isNoForm(found)) held.hold(found);
  held.writeTo(out);
}

// current read as commands typed on top of target: "no" forms re-add the
// target lines they removed.
void fallbackIncremental(const CommandList& current, const CommandList& target, Output& out) {
  Level targetLevel(target);
  Held held(targetLevel);
  for (const CiscoCommandLine* command : current) {
    if (isNoForm(command)) {
      undoNoForm(targetLevel, command, held, out);
    } else {
      undoPositive(targetLevel, command, held, out);
    }
  }
  // Nothing is left held here (every case above writes or empties the
  // list); written all the same, so that no target line is lost.
  held.writeTo(out);
}

}  // namespace

std::unique_ptr<CiscoCommandLine> VexaParserUtil::createNoCommand(const CiscoCommandLine* command) {
  return inverseOf(command);
}

std::string VexaParserUtil::fallbackConfigCmds(const std::string& current,
                                               const std::string& target, unsigned wholeFile) {
  return fallbackConfigCmds(*ParserResources::instance().grammar(), current, target, wholeFile);
}

std::string VexaParserUtil::fallbackConfigCmds(const Grammar& grammar, const std::string& current,
                                               const std::string& target, unsigned wholeFile) {
  return std::move(fallbackConfig(grammar, current, target, wholeFile, false).text);
}

ConfigResult VexaParserUtil::fallbackConfig(const Grammar& grammar, const std::string& current,
                                            const std::string& target, unsigned wholeFile,
                                            bool lines) {
  return fallbackTexts(grammar, current, target, nullptr, nullptr, wholeFile, lines);
}

ConfigResult VexaParserUtil::fallbackConfig(const Grammar& grammar, std::string&& current,
                                            std::string&& target, unsigned wholeFile,
                                            bool lines) {
  return fallbackTexts(grammar, current, target, &current, &target, wholeFile, lines);
}

ConfigResult VexaParserUtil::fallbackTexts(const Grammar& grammar, const std::string& current,
                                           const std::string& target, std::string* givenCurrent,
                                           std::string* givenTarget, unsigned wholeFile,
                                           bool lines) {
  if (current.empty()) return model::unchangedText(target, givenTarget);
  if (!grammar.hasAllModes()) return ConfigResult();  // nothing can be compared
  // Both sides are normalised first (through the tree, back to text and into
  // a tree again), so that both are compared in the form the writer gives.
  OwnedTrees currentTrees;
  OwnedTrees targetTrees;
  const auto normalised = [&grammar](const std::string& text, std::string* given,
                                     OwnedTrees& trees) {
    // The normal form is gathered line by line: no tree of the whole text
    // stands before the one compared.
    const std::string normal = model::normalizedText(grammar, text, given);
    std::string errorText;
    int errorLine = 0;
    transformCmds(grammar, normal, trees.commands, errorText, errorLine);
  };
  // Read before the texts may be emptied.
  const bool together = model::worthSideBySide(current.size(), target.size());
  model::sideBySide(
      together, [&] { normalised(current, givenCurrent, currentTrees); },
      [&] { normalised(target, givenTarget, targetTrees); }, model::treeRoom(target.size()));

  ConfigResult result;
  OwnedTrees out;
  if (wholeFile != 0) {
    fallbackCiscoCommandFile(currentTrees.commands, targetTrees.commands, out.commands, nullptr);
  } else {
    fallbackCiscoCommands(currentTrees.commands, targetTrees.commands, out.commands, nullptr);
  }
  // The output holds copies only: both compared trees are released on a
  // second thread while it is written (and while the caller reads it).
  std::vector<std::vector<CiscoCommandLine*>> compared(2);
  compared[0].swap(currentTrees.commands);
  compared[1].swap(targetTrees.commands);
  result.releaseMeanwhile(std::move(compared));
  expandInto(out.commands, result, lines);
  result.keep(out.commands);
  return result;
}

void VexaParserUtil::fallbackCiscoCommandFile(const std::vector<CiscoCommandLine*>& current,
                                              const std::vector<CiscoCommandLine*>& target,
                                              std::vector<CiscoCommandLine*>& out,
                                              CiscoCommandLine* parent) {
  Output level(out, parent);
  fallbackFile(current, target, level);
}

void VexaParserUtil::fallbackCiscoCommands(const std::vector<CiscoCommandLine*>& current,
                                           const std::vector<CiscoCommandLine*>& target,
                                           std::vector<CiscoCommandLine*>& out,
                                           CiscoCommandLine* parent) {
  Output level(out, parent);
  fallbackIncremental(current, target, level);
}

}  // namespace vexaparser
