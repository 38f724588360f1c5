#include "parser/model/level.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "vexa/parser/vexa_parser_util.h"

namespace vexaparser::model {

Level::Level(const CommandList& siblings) : list_(siblings), index_(siblings) {}

Level::Level(CommandList& siblings, CiscoCommandLine* parent)
    : list_(siblings), editable_(&siblings), parent_(parent), index_(siblings) {}

CommandList& Level::editable() {
  // Merge is the only editor, and it builds every level it edits as such.
  return *editable_;
}

void Level::append(std::unique_ptr<CiscoCommandLine> command) {
  command->setParentCommand(parent_, false);
  // The index catches up with commands appended at the end by itself.
  editable().push_back(command.release());
}

void Level::insert(std::size_t at, std::unique_ptr<CiscoCommandLine> command) {
  if (at >= list_.size()) {
    append(std::move(command));
    return;
  }
  command->setParentCommand(parent_, false);
  // Every later position moves: the index starts over.
  index_.invalidate();
  CommandList& list = editable();
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), command.release());
}

void Level::refiled(std::size_t i, const SiblingIndex::Head& before) {
  if (!(SiblingIndex::headOf(list_[i]) == before)) index_.invalidate();
}

void Level::assign(std::size_t i, const CiscoCommandLine& from) {
  const SiblingIndex::Head before = SiblingIndex::headOf(list_[i]);
  *editable()[i] = from;
  refiled(i, before);
}

bool Level::mergeValues(std::size_t i, const CiscoCommandLine* added) {
  const SiblingIndex::Head before = SiblingIndex::headOf(list_[i]);
  const bool kept = editable()[i]->mergeCommand(added);
  refiled(i, before);
  return kept;
}

void Level::remove(CiscoCommandLine* command) {
  if (hasFlags(command, FLAG_REMOVED)) return;
  command->setFlags(FLAG_REMOVED, false);
  removed_.push_back(command);
}

void Level::applyRemovals() {
  if (removed_.empty()) return;
  CommandList& list = editable();
  list.erase(std::remove_if(list.begin(), list.end(),
                            [](const CiscoCommandLine* c) { return hasFlags(c, FLAG_REMOVED); }),
             list.end());
  index_.invalidate();
  // Out of the list, the marked commands belong to the level alone.
  std::vector<std::unique_ptr<CiscoCommandLine>> gone;
  for (CiscoCommandLine* command : removed_) gone.emplace_back(command);
  removed_.clear();
}

void Level::sort() {
  VexaParserUtil::SortCiscoCommands(editable());
  index_.invalidate();
}

}  // namespace vexaparser::model
