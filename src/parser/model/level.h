// Level: one level of a configuration tree as merge and fallback walk it.
//
// A level is a list of sibling commands: the top-level commands of a text,
// or the children of a mode command.  Merge and fallback ask of a level,
// once per command of the other side, which is the first command comparable
// with it or cancelled by it, and read the runs of commands that follow that
// one.  The level answers through its SiblingIndex; every change to an
// editable level (appending, inserting, assigning, merging values, marking
// for removal) goes through the level, so the index always describes the
// list.  The commands marked for removal stay in the list, refused by every
// comparison, until applyRemovals destroys them.
//
// Internal to src/parser/model/.
#ifndef VEXA_SRC_PARSER_MODEL_LEVEL_H_
#define VEXA_SRC_PARSER_MODEL_LEVEL_H_

#include <cstddef>
#include <memory>
#include <vector>

#include "parser/model/command_trees.h"
#include "parser/model/sibling_index.h"

namespace vexaparser::model {

class Level {
 public:
  // A level that is only read (fallback): the list must outlive the level
  // and not change meanwhile.
  explicit Level(const CommandList& siblings);
  // A level that merge edits: siblings is parent's children (or the
  // top-level list, parent null); commands added to it get parent as their
  // parent without being linked again.
  Level(CommandList& siblings, CiscoCommandLine* parent);
  Level(const Level&) = delete;
  Level& operator=(const Level&) = delete;

  std::size_t size() const { return list_.size(); }
  CiscoCommandLine* at(std::size_t i) const { return list_[i]; }
  CiscoCommandLine* parent() const { return parent_; }

  // Position of the first command c with c->isComparable(command), or size().
  std::size_t firstComparable(const CiscoCommandLine* command) {
    return index_.firstComparable(command);
  }
  // Position of the first command c with c->isNoable(noCommand), or size().
  std::size_t firstNoable(const CiscoCommandLine* noCommand) {
    return index_.firstNoable(noCommand);
  }
  // Indexes the whole level now: a level that is only read may then be
  // searched on several threads.
  void indexAll() { index_.indexAll(); }

  // The run of an append command from position from: the commands that stay
  // comparable with command.  A command whose current command equals
  // command's ends the run (exact); visit sees each command of the run
  // before it whose "no" bit differs from command's and that command
  // cancels (isNoable).  end is where the run stopped.
  struct Run {
    bool exact = false;
    std::size_t end = 0;
  };
  template <typename Visit>
  Run scanAppendRun(std::size_t from, const CiscoCommandLine* command, Visit visit) const;

  // The run that a "no" form of an append command cancels from position
  // from: each command up to the first that is itself a "no" form or that
  // noCommand does not cancel.  With skipUnknown, lines the grammar did not
  // recognise (flag UnknownCommand) are passed over.
  template <typename Visit>
  void scanCancelledRun(std::size_t from, const CiscoCommandLine* noCommand, bool skipUnknown,
                        Visit visit) const;

  // ---- changes (editable levels only) ----

  // Appends command (its parent becomes the level's).
  void append(std::unique_ptr<CiscoCommandLine> command);
  // Inserts command before position at (its parent becomes the level's).
  void insert(std::size_t at, std::unique_ptr<CiscoCommandLine> command);
  // *at(i) = from: texts, flags and node path (the command keeps its line
  // number, parent and children).
  void assign(std::size_t i, const CiscoCommandLine& from);
  // at(i)->mergeCommand(added); returns its result.
  bool mergeValues(std::size_t i, const CiscoCommandLine* added);
  // Marks command FLAG_REMOVED; it leaves the list at applyRemovals.  A
  // level that is only read may mark too: its commands stay in the list.
  void remove(CiscoCommandLine* command);
  // Takes the commands marked by remove out of the list (the rest keep their
  // order) and destroys them with their trees.
  void applyRemovals();
  // Orders the list (VexaParserUtil::SortCiscoCommands).
  void sort();

 private:
  CommandList& editable();
  // Re-files the command at i when a change moved it in the index.
  void refiled(std::size_t i, const SiblingIndex::Head& before);

  const CommandList& list_;
  CommandList* editable_ = nullptr;
  CiscoCommandLine* parent_ = nullptr;
  SiblingIndex index_;
  CommandList removed_;
};

template <typename Visit>
Level::Run Level::scanAppendRun(std::size_t from, const CiscoCommandLine* command,
                                Visit visit) const {
  Run run;
  for (run.end = from; run.end < list_.size() && list_[run.end]->isComparable(command); ++run.end) {
    CiscoCommandLine* other = list_[run.end];
    if (other->isExactlyMatch(command)) {
      run.exact = true;
      break;
    }
    if (isNoForm(other) != isNoForm(command) && other->isNoable(command)) visit(other);
  }
  return run;
}

template <typename Visit>
void Level::scanCancelledRun(std::size_t from, const CiscoCommandLine* noCommand, bool skipUnknown,
                             Visit visit) const {
  for (std::size_t i = from; i < list_.size(); ++i) {
    CiscoCommandLine* command = list_[i];
    if (skipUnknown && command->getFlag() == UnknownCommand) continue;
    if (isNoForm(command) || !command->isNoable(noCommand)) break;
    visit(command);
  }
}

}  // namespace vexaparser::model

#endif  // VEXA_SRC_PARSER_MODEL_LEVEL_H_
