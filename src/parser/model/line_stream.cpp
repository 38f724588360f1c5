#include "parser/model/line_stream.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

#include "parser/model/command_trees.h"
#include "parser/model/read_in_parts.h"
#include "vexa/parser/grammar.h"
#include "vexa/parser/scratch_terminal.h"

namespace vexaparser::model {

LineStream::~LineStream() {
  for (const Tree& tree : waiting_) delete tree.command;
  for (CiscoCommandLine* command : kept_) delete command;
  for (CiscoCommandLine* command : spare_) delete command;
}

void LineStream::take(CiscoCommandLine* command, const std::vector<CiscoCommandLine*>& stillOpen) {
  if (first_ == nullptr) first_ = command;
  const bool kept = taken_++ < keepFirst_;
  const std::size_t level = static_cast<std::size_t>(std::max(0, command->getLevel()));
  // Linked as the whole reading links it: lines come in order, so the
  // command goes after the children its parent has.
  if (command->getParentCommand() == nullptr) {
    if (CiscoCommandLine* enclosing = levels_.enclosing(level)) {
      command->setParentCommand(enclosing, false);
      enclosing->childCommandsToEdit().push_back(command);
    } else {
      waiting_.push_back({command, kept});
    }
  }
  levels_.note(level, command);
  if (failed_ || waiting_.size() < 2) return;
  // The trees with a later one are complete once the terminal holds none
  // of their commands open.
  roots_.clear();
  for (const CiscoCommandLine* open : stillOpen) {
    while (open->getParentCommand() != nullptr) open = open->getParentCommand();
    roots_.push_back(open);
  }
  while (!failed_ && waiting_.size() >= 2 &&
         std::find(roots_.begin(), roots_.end(), waiting_.front().command) == roots_.end()) {
    writeFirst();
  }
}

void LineStream::finish() {
  while (!failed_ && !waiting_.empty()) writeFirst();
}

void LineStream::writeFirst() {
  const Tree tree = waiting_.front();
  one_.assign(1, tree.command);
  writer_(one_, written_, true);
  const std::vector<const CiscoCommandLine*>& lines = written_.lineCommands;
  if (!written_.linesKnown() || countConfigLines(written_.text) != lines.size()) {
    failed_ = true;
    return;  // the tree waits to be destroyed with the stream
  }
  std::size_t at = 0;
  // A callback that throws leaves the tree waiting, to be destroyed with
  // the stream.
  forEachConfigLine(written_.text, [&](std::string_view line) { out_(line, lines[at++]); });
  if (!tree.kept && spare_.capacity() < kMostSpare) spare_.reserve(kMostSpare);
  waiting_.pop_front();
  if (tree.kept) {
    kept_.push_back(tree.command);
  } else {
    reuse(tree.command);
  }
}

void LineStream::reuse(CiscoCommandLine* command) {
  // Children first, each with its own children: a tree is a few levels
  // deep.  Nothing here allocates (the spare list has its room already).
  if (!command->getChildCommands().empty()) {
    std::vector<CiscoCommandLine*>& children = command->childCommandsToEdit();
    for (CiscoCommandLine* child : children) reuse(child);
    children.clear();
  }
  if (spare_.size() < kMostSpare) {
    command->resetKeepingRoom();
    spare_.push_back(command);
  } else {
    delete command;
  }
}

std::string normalizedText(const Grammar& grammar, const std::string& text, std::string* given) {
  std::string normal;
  std::string back;
  normal.reserve(text.size());
  const auto into = [](std::string& out) {
    return [&out](std::string_view line, const CiscoCommandLine*) {
      out += line;
      out += '\n';
    };
  };
  const int parts = VexaParserUtil::normalizeLines(grammar, text, into(normal), into(back));
  if (parts == 0) {
    return given != nullptr
               ? std::move(VexaParserUtil::normalizeConfig(grammar, std::move(*given), false).text)
               : std::move(VexaParserUtil::normalizeConfig(grammar, text, false).text);
  }
  giveBack(given);
  if (parts == 2) normal += back;
  return normal;
}

}  // namespace vexaparser::model

namespace vexaparser {

int VexaParserUtil::normalizeLines(const Grammar& grammar, const std::string& text,
                                   const NormalizedLine& first, const NormalizedLine& second) {
  // Without a grammar the text comes back as it is: no lines of commands.
  if (!grammar.hasAllModes()) return 0;
  model::LineStream one(first, &expandInto);
  model::LineStream two(second, &expandInto);
  std::vector<CiscoCommandLine*> none;
  std::string errorText;
  int errorLine = 0;
  if (model::worthReadingInParts(text)) {
    model::PartStreams streams{&one, &two};
    model::readInParts(grammar, text, none, errorText, errorLine, &streams);
    if (!streams.joined) return one.failed() ? 0 : 1;
    // The second part's lines stand for the first terminal's reading only
    // when the tree's levels start afresh there.
    const CiscoCommandLine* start = two.firstTaken();
    const bool atTop = start == nullptr || start->getLevel() == 0;
    return one.failed() || two.failed() || !atTop ? 0 : 2;
  }
  std::unique_ptr<VTY> vty = makeScratchTerminal(grammar);
  if (vty == nullptr) return 0;
  VTY::LineCursor cursor = vty->startReading();
  cursor.spare = one.spare();
  std::vector<CiscoCommandLine*> read;
  forEachConfigLine(text, [&](std::string_view line) {
    vty->readConfigLine(line, cursor, read, errorText, errorLine, true);
    one.takeAll(read, model::openCommands(cursor));
  });
  vty.reset();
  one.finish();
  return one.failed() ? 0 : 1;
}

}  // namespace vexaparser
