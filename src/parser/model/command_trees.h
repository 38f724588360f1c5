// Small helpers shared by the configuration algebra (tree building, merge,
// fallback): an owner that releases a list of configuration trees, the
// copies that merge and fallback add to a level, and the texts a caller
// hands over.
//
// Internal to src/parser/model/.
#ifndef VEXA_SRC_PARSER_MODEL_COMMAND_TREES_H_
#define VEXA_SRC_PARSER_MODEL_COMMAND_TREES_H_

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/config_result.h"

namespace vexaparser::model {

using CommandList = std::vector<CiscoCommandLine*>;

// Owns a list of configuration trees (or every command of a text) and
// releases them (releaseCommands) when it goes out of scope.
class OwnedTrees {
 public:
  OwnedTrees() = default;
  OwnedTrees(const OwnedTrees&) = delete;
  OwnedTrees& operator=(const OwnedTrees&) = delete;
  ~OwnedTrees() { releaseCommands(commands); }

  CommandList commands;
};

// A deep copy of command (children included) whose parent is parent, not
// added to parent's children: the caller places it in a list itself.
inline std::unique_ptr<CiscoCommandLine> detachedCopy(const CiscoCommandLine* command,
                                                      CiscoCommandLine* parent) {
  auto copy = std::make_unique<CiscoCommandLine>(*command);
  copy->setParentCommand(parent, false);
  return copy;
}

// A new command assigned from command (texts, flags, node path, nested
// commands; no children, line number 0) whose parent is parent, not added
// to parent's children.
inline std::unique_ptr<CiscoCommandLine> assignedCopy(const CiscoCommandLine* command,
                                                      CiscoCommandLine* parent) {
  auto copy = std::make_unique<CiscoCommandLine>();
  *copy = *command;
  copy->setParentCommand(parent, false);
  return copy;
}

// text as the result, unchanged: taken over when the caller handed it over
// (given is its own string), copied otherwise.
inline ConfigResult unchangedText(const std::string& text, std::string* given) {
  if (given != nullptr) return ConfigResult(std::move(*given));
  return ConfigResult(text);
}

// Gives the room of a handed-over text back once it has been read; nothing
// for a text the caller keeps (null).
inline void giveBack(std::string* given) {
  if (given != nullptr) std::string().swap(*given);
}

inline bool hasFlags(const CiscoCommandLine* command, uint32_t bits) {
  return (command->getFlags() & bits) != 0;
}

inline bool isNoForm(const CiscoCommandLine* command) { return hasFlags(command, FLAG_NO); }
inline bool isStored(const CiscoCommandLine* command) { return hasFlags(command, FLAG_STORED); }
inline bool opensMode(const CiscoCommandLine* command) { return hasFlags(command, FLAG_MODE); }

}  // namespace vexaparser::model

#endif  // VEXA_SRC_PARSER_MODEL_COMMAND_TREES_H_
