// VexaParserUtil: merging new configuration commands into a stored
// configuration, and writing configuration trees back as text.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "parser/model/command_trees.h"
#include "parser/model/level.h"
#include "parser/model/line_stream.h"
#include "parser/model/side_by_side.h"
#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/config_line.h"
#include "vexa/parser/grammar.h"
#include "vexa/parser/parser_resources.h"
#include "vexa/parser/vexa_parser_util.h"

namespace vexaparser {

using model::CommandList;
using model::detachedCopy;
using model::hasFlags;
using model::isNoForm;
using model::isStored;
using model::Level;
using model::opensMode;
using model::OwnedTrees;

namespace {

// A line that holds no configuration: blank, a "!" comment or "end".
bool isStructuralLine(const std::string& line) {
  const ConfigLineKind kind = configLineKind(line);
  return kind == ConfigLineKind::kBlank || kind == ConfigLineKind::kComment ||
         kind == ConfigLineKind::kEnd;
}

// The size of the text appendExpanded writes, to reserve it at once.
std::size_t expandedSize(CommandList::const_iterator first, CommandList::const_iterator last,
                         int level) {
  const std::size_t indent = static_cast<std::size_t>(std::max(0, level));
  std::size_t size = 0;
  for (auto it = first; it != last; ++it) {
    const CiscoCommandLine* command = *it;
    // At most: the indent, the command (or raw line) and its line end, and
    // the "!" line of a mode.
    size += indent + command->getOriginalStr().size() + command->getOriginalCmd().size() + 1;
    if (hasFlags(command, FLAG_MODE)) size += indent + 2;
    const CommandList& children = command->getChildCommands();
    if (!children.empty()) size += expandedSize(children.begin(), children.end(), level + 1);
  }
  return size;
}

std::size_t expandedSize(const CommandList& commands, int level) {
  return expandedSize(commands.begin(), commands.end(), level);
}

// Which command wrote each line of the text appendExpanded writes; null
// when the caller does not ask.  A piece of text that is not exactly one
// line ended by a line end makes the record unusable (known false).
struct LineRecord {
  std::vector<const CiscoCommandLine*>* lines = nullptr;
  bool known = true;
};

bool isLineEnd(char c) { return c == '\n' || c == '\r'; }

// Text written into room already made, from its start on: what a half of a
// large tree writes in place.  The room is sized with expandedSize, which
// the text never exceeds.
class Region {
 public:
  explicit Region(char* base) : base_(base) {}
  std::size_t size() const { return used_; }
  const char* data() const { return base_; }
  Region& operator+=(char c) {
    base_[used_++] = c;
    return *this;
  }
  Region& operator+=(std::string_view text) {
    std::memcpy(base_ + used_, text.data(), text.size());
    used_ += text.size();
    return *this;
  }
  void append(const std::string& text, std::size_t from, std::size_t) {
    *this += std::string_view(text).substr(from);
  }

 private:
  char* base_;
  std::size_t used_ = 0;
};

// Notes that command wrote text from from on: nothing for a blank piece,
// the command for one line, and an unusable record otherwise.
template <typename Text>
void noteLine(const Text& text, std::size_t from, const CiscoCommandLine* command,
              LineRecord& record) {
  if (record.lines == nullptr || !record.known) return;
  // The piece is one line when its first line end is followed only by line
  // ends; the line ends are found with memchr, not byte by byte.
  const char* begin = text.data() + from;
  const char* end = text.data() + text.size();
  while (begin < end && isLineEnd(*begin)) ++begin;
  if (begin == end) return;  // blank: no line
  const auto* feed = static_cast<const char*>(std::memchr(begin, '\n', end - begin));
  const auto* ret = static_cast<const char*>(std::memchr(begin, '\r', end - begin));
  const char* stop = feed == nullptr ? ret : ret == nullptr ? feed : std::min(feed, ret);
  if (stop == nullptr) {
    record.known = false;  // the next piece would continue this line
    return;
  }
  for (const char* at = stop; at < end; ++at) {
    if (!isLineEnd(*at)) {
      record.known = false;  // more than one line
      return;
    }
  }
  record.lines->push_back(command);
}

template <typename Text>
void appendExpanded(CommandList::const_iterator first, CommandList::const_iterator last, int level,
                    Text& text, LineRecord& record) {
  const std::string indent(static_cast<std::size_t>(std::max(0, level)), ' ');
  for (auto it = first; it != last; ++it) {
    const CiscoCommandLine* command = *it;
    const std::size_t from = text.size();
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
    noteLine(text, from, command, record);
    const CommandList& children = command->getChildCommands();
    if (!children.empty()) appendExpanded(children.begin(), children.end(), level + 1, text, record);
    if (hasFlags(command, FLAG_MODE)) {
      const std::size_t close = text.size();
      text += indent;
      text += std::string_view("!\n");
      noteLine(text, close, nullptr, record);
    }
  }
}

void appendExpanded(const CommandList& commands, int level, std::string& text,
                    LineRecord& record) {
  appendExpanded(commands.begin(), commands.end(), level, text, record);
}

void mergeLevel(const CommandList& newList, Level& base);

// The children of a new mode command merged into those of the stored one.
void mergeChildren(const CiscoCommandLine* added, CiscoCommandLine* into) {
  Level children(into->childCommandsToEdit(), into);
  mergeLevel(added->getChildCommands(), children);
}

// A "no" form: it cancels what it negates, or is kept when the device
// stores it and it cancels nothing.
void mergeNoForm(Level& base, const CiscoCommandLine* added) {
  const CiscoCommandLineFlag flag = added->getFlag();
  const std::size_t at = base.firstNoable(added);
  if (at == base.size()) {
    if (isStored(added)) base.append(detachedCopy(added, base.parent()));
    return;
  }
  CiscoCommandLine* found = base.at(at);
  if (!isStored(added)) {
    if (flag == AppendCommand) {
      // An append command's "no" form cancels the whole run of commands it
      // negates, passing over lines the grammar does not know.
      base.scanCancelledRun(at, added, true, [&base](CiscoCommandLine* c) { base.remove(c); });
    } else if (!(flag == MultiValueCommand && base.mergeValues(at, added))) {
      base.remove(found);
    }
    return;
  }
  if (!found->isComparable(added)) return;
  if (flag == OverwriteCommand) {
    base.assign(at, *added);  // keeps its line number, parent and children
  } else if (!isNoForm(found)) {
    base.remove(found);
  }
}

// A positive command that addresses nothing stored: only a stored form
// enters, and of a new mode command only the stored forms of its commands.
void addNewCommand(Level& base, const CiscoCommandLine* added) {
  if (!isStored(added)) return;  // a default that is not stored
  std::unique_ptr<CiscoCommandLine> copy = detachedCopy(added, base.parent());
  if (added->getFlag() == AppendCommand) copy->genCommandStr();
  if (opensMode(added)) {
    copy->delOnlyChildCmds();
    mergeChildren(added, copy.get());
  }
  base.append(std::move(copy));
}

// An append command joins the run of the commands comparable with it,
// unless it is there already or cancels a stored line of the run.
void appendToRun(Level& base, std::size_t at, const CiscoCommandLine* added) {
  bool keep = true;
  const Level::Run run = base.scanAppendRun(at, added, [&](CiscoCommandLine* cancelled) {
    base.remove(cancelled);
    if (isStored(cancelled)) keep = false;
  });
  if (keep && !run.exact) base.insert(run.end, detachedCopy(added, base.parent()));
}

// A positive command: it replaces, joins or merges into what it addresses.
void mergePositive(Level& base, const CiscoCommandLine* added) {
  const std::size_t at = base.firstComparable(added);
  if (at == base.size()) {
    addNewCommand(base, added);
    return;
  }
  CiscoCommandLine* found = base.at(at);
  if (!isStored(added)) {
    // The new command sets a default: a stored "no" line or an overwritten
    // value of the same item goes.
    if (isNoForm(found) || found->getFlag() == OverwriteCommand) base.remove(found);
    return;
  }
  if (hasFlags(added, FLAG_CONFLICT) && found->isConflictWith(added)) return;
  switch (added->getFlag()) {
    case OverwriteCommand:
      if (!found->isExactlyMatch(added)) {
        base.assign(at, *added);
      } else if (opensMode(added)) {
        mergeChildren(added, found);
      }
      return;
    case AppendCommand:
      if (opensMode(added)) {
        mergeChildren(added, found);
      } else {
        appendToRun(base, at, added);
      }
      return;
    case MultiValueCommand:
      base.mergeValues(at, added);
      return;
    default:
      if (opensMode(added)) mergeChildren(added, found);
  }
}

// Applies newList to base by the commands' flags, then takes out what was
// cancelled and orders the level.  Commands removed meanwhile stay in the
// list, marked, so that no later comparison finds them.
void mergeLevel(const CommandList& newList, Level& base) {
  for (const CiscoCommandLine* added : newList) {
    if (isNoForm(added)) {
      mergeNoForm(base, added);
    } else {
      mergePositive(base, added);
    }
  }
  base.applyRemovals();
  base.sort();
}

}  // namespace

std::string VexaParserUtil::mergeConfigCmds(const std::string& newCommands,
                                            const std::string& configuration) {
  return mergeConfigCmds(*ParserResources::instance().grammar(), newCommands, configuration);
}

std::string VexaParserUtil::mergeConfigCmds(const Grammar& grammar, const std::string& newCommands,
                                            const std::string& configuration) {
  return std::move(mergeConfig(grammar, newCommands, configuration, false).text);
}

ConfigResult VexaParserUtil::mergeConfig(const Grammar& grammar, const std::string& newCommands,
                                         const std::string& configuration, bool lines) {
  return mergeTexts(grammar, newCommands, configuration, nullptr, nullptr, lines);
}

ConfigResult VexaParserUtil::mergeConfig(const Grammar& grammar, std::string&& newCommands,
                                         std::string&& configuration, bool lines) {
  return mergeTexts(grammar, newCommands, configuration, &newCommands, &configuration, lines);
}

ConfigResult VexaParserUtil::mergeTexts(const Grammar& grammar, const std::string& newCommands,
                                        const std::string& configuration, std::string* givenNew,
                                        std::string* givenConfiguration, bool lines) {
  if (newCommands.empty()) return model::unchangedText(configuration, givenConfiguration);
  if (configuration.empty()) return model::unchangedText(newCommands, givenNew);
  // Without a grammar nothing parses: the stored text is kept rather than
  // replaced by an empty tree's text.
  if (!grammar.hasAllModes()) return model::unchangedText(configuration, givenConfiguration);
  ConfigResult result;
  OwnedTrees added;
  OwnedTrees base;
  // A text that fails to parse in part still merges with what was built.
  const auto read = [&grammar](const std::string& text, std::string* given, OwnedTrees& trees) {
    std::string errorText;
    int errorLine = 0;
    transformCmds(grammar, text, trees.commands, errorText, errorLine);
    model::giveBack(given);
  };
  const bool together = model::worthSideBySide(newCommands.size(), configuration.size());
  model::sideBySide(
      together, [&] { read(newCommands, givenNew, added); },
      [&] { read(configuration, givenConfiguration, base); },
      model::treeRoom(configuration.size()));
  mergeCiscoCommands(added.commands, base.commands, nullptr);
  // What the new commands gave the stored tree was copied into it: their own
  // trees are released on a second thread while the merged tree is written.
  model::sideBySide(
      together, [&] { expandInto(base.commands, result, lines); },
      [&] { releaseCommands(added.commands); });
  result.keep(base.commands);
  return result;
}

std::string VexaParserUtil::normalizeConfigCmds(const std::string& text) {
  return normalizeConfigCmds(*ParserResources::instance().grammar(), text);
}

std::string VexaParserUtil::normalizeConfigCmds(const Grammar& grammar, const std::string& text) {
  // Only the text is asked for: it is written tree by tree as it is read.
  return model::normalizedText(grammar, text, nullptr);
}

ConfigResult VexaParserUtil::normalizeConfig(const Grammar& grammar, const std::string& text,
                                             bool lines) {
  return normalizeText(grammar, text, nullptr, lines);
}

ConfigResult VexaParserUtil::normalizeConfig(const Grammar& grammar, std::string&& text,
                                             bool lines) {
  return normalizeText(grammar, text, &text, lines);
}

ConfigResult VexaParserUtil::normalizeText(const Grammar& grammar, const std::string& text,
                                           std::string* givenText, bool lines) {
  if (!grammar.hasAllModes()) return model::unchangedText(text, givenText);
  ConfigResult result;
  OwnedTrees trees;
  std::string errorText;
  int errorLine = 0;
  transformCmds(grammar, text, trees.commands, errorText, errorLine);
  // The text is not read again: the written text goes into its room, whose
  // pages are in memory already (a text read from a file has room to grow).
  if (givenText != nullptr) result.text.swap(*givenText);
  expandInto(trees.commands, result, lines);
  result.keep(trees.commands);
  return result;
}

std::string VexaParserUtil::expandMergedCmds(const std::vector<CiscoCommandLine*>& commands,
                                             int level) {
  std::string text;
  text.reserve(expandedSize(commands, level));
  LineRecord none;
  appendExpanded(commands, level, text, none);
  return text;
}

void VexaParserUtil::expandInto(const std::vector<CiscoCommandLine*>& commands,
                                ConfigResult& result, bool lines) {
  result.text.clear();
  result.lineCommands.clear();
  LineRecord record{lines ? &result.lineCommands : nullptr, lines};
  const std::size_t half = model::halvesAt(commands);
  if (half == 0) {
    result.text.reserve(expandedSize(commands, 0));
    appendExpanded(commands, 0, result.text, record);
  } else {
    // Each top-level command's lines depend on it alone: a large tree is
    // written in two halves side by side, the second half's text and lines
    // put after the first's.
    const auto middle = commands.begin() + static_cast<std::ptrdiff_t>(half);
    std::size_t firstSize = 0;
    std::size_t secondSize = 0;
    model::sideBySide(
        true, [&] { firstSize = expandedSize(commands.begin(), middle, 0); },
        [&] { secondSize = expandedSize(middle, commands.end(), 0); });
    // Both halves are written into the one text, each from the start of
    // its room; the second is then moved up to where the first ended.
    result.text.resize(firstSize + secondSize);
    Region firstText(result.text.data());
    Region secondText(result.text.data() + firstSize);
    std::vector<const CiscoCommandLine*> secondLines;
    LineRecord secondRecord{lines ? &secondLines : nullptr, lines};
    model::sideBySide(
        true, [&] { appendExpanded(commands.begin(), middle, 0, firstText, record); },
        [&] { appendExpanded(middle, commands.end(), 0, secondText, secondRecord); });
    std::memmove(result.text.data() + firstText.size(), secondText.data(), secondText.size());
    result.text.resize(firstText.size() + secondText.size());
    record.known = record.known && secondRecord.known;
    if (record.known && lines) {
      result.lineCommands.insert(result.lineCommands.end(), secondLines.begin(),
                                 secondLines.end());
    }
  }
  result.linesKnown_ = record.known;
  if (!record.known) result.lineCommands.clear();
}

void VexaParserUtil::mergeCiscoCommands(const std::vector<CiscoCommandLine*>& newList,
                                        std::vector<CiscoCommandLine*>& baseList,
                                        CiscoCommandLine* parent) {
  Level base(baseList, parent);
  mergeLevel(newList, base);
}

}  // namespace vexaparser
