// Writing a configuration tree's lines while its text is still being read.
//
// A text's tree is a list of top-level commands, each with the commands
// read in its blocks below it.  A top-level tree can take no more commands
// once a later top-level command has been read and the terminal reading
// the text holds none of the tree's commands open (a line goes below an
// open mode command, or below the last command read one level up, and a
// top-level command closes every level).  A LineStream links the commands
// as they are read, as the whole reading would, and writes each top-level
// tree as soon as it is complete and the trees before it are written; then
// its commands are reset for the reading terminal to read further lines
// into.  Only the trees still open live, whatever the size of the text, and
// each written line is handed to a callback with the command that wrote
// it, while that command lives.
//
// A tree that writes other than one line per command and "!" line cannot
// be handed over that way: the stream gives up (failed()), hands nothing
// more over and only keeps the commands to destroy them.
//
// Internal to src/parser/model/.
#ifndef VEXA_SRC_PARSER_MODEL_LINE_STREAM_H_
#define VEXA_SRC_PARSER_MODEL_LINE_STREAM_H_

#include <algorithm>
#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/command_mode.h"
#include "vexa/parser/config_line.h"
#include "vexa/parser/config_result.h"
#include "vexa/parser/vexa_parser_util.h"
#include "vexa/parser/vty.h"

namespace vexaparser::model {

// The last command read at each level, which a command the terminal did not
// link goes below.
class OpenLevels {
 public:
  // The command a command of level without a parent goes below: the last
  // one read at the nearest level above it; null for none or at level 0.
  CiscoCommandLine* enclosing(std::size_t level) const {
    if (level == 0) return nullptr;
    for (std::size_t up = std::min(level, last_.size()); up > 0; --up) {
      if (last_[up - 1] != nullptr) return last_[up - 1];
    }
    return nullptr;
  }
  // command, read at level, closes every deeper level.
  void note(std::size_t level, CiscoCommandLine* command) {
    last_.resize(level + 1, nullptr);
    last_[level] = command;
  }

 private:
  std::vector<CiscoCommandLine*> last_;
};

// The text of VexaParserUtil::normalizeConfig(grammar, text), gathered line
// by line as the text is read (normalizeLines): no tree of the whole text
// stands meanwhile.  Through the whole tree when the text cannot be handed
// over line by line.  given, when not null, is the caller's text handed
// over (text itself): it is emptied once read.
std::string normalizedText(const Grammar& grammar, const std::string& text, std::string* given);

// The commands the terminal reading with cursor holds open.
inline const std::vector<CiscoCommandLine*>& openCommands(const VTY::LineCursor& cursor) {
  static const std::vector<CiscoCommandLine*> kNone;
  return cursor.mode == nullptr ? kNone : cursor.mode->openCommands();
}

class LineStream {
 public:
  // How the stream writes a list of top-level trees: the text and the
  // command of each line.
  using TreeWriter = void (*)(const std::vector<CiscoCommandLine*>& trees, ConfigResult& result,
                              bool lines);
  LineStream(const VexaParserUtil::NormalizedLine& out, TreeWriter writer)
      : out_(out), writer_(writer) {}
  ~LineStream();
  LineStream(const LineStream&) = delete;
  LineStream& operator=(const LineStream&) = delete;

  // The trees of the first count commands taken live until the stream is
  // destroyed: others still read those commands.
  void keepFirst(std::size_t count) { keepFirst_ = count; }
  // Takes command, the next of the text, with its tree from now on.
  // stillOpen: the commands the reading terminal holds open after it
  // (CommandMode::openCommands).
  void take(CiscoCommandLine* command, const std::vector<CiscoCommandLine*>& stillOpen);
  // Takes every command of commands and empties the list.  When a line's
  // callback throws, the commands taken so far (the failing one with them)
  // are out of the list, which holds the rest.
  void takeAll(std::vector<CiscoCommandLine*>& commands,
               const std::vector<CiscoCommandLine*>& stillOpen) {
    std::size_t taken = 0;
    try {
      for (; taken < commands.size(); ++taken) take(commands[taken], stillOpen);
    } catch (...) {
      commands.erase(commands.begin(), commands.begin() + static_cast<std::ptrdiff_t>(taken) + 1);
      throw;
    }
    commands.clear();
  }
  // Writes the trees still open: the text is read, nothing reads on.
  void finish();
  bool failed() const { return failed_; }
  // The first command taken (its level tells whether the stream began at
  // the top); null before any.
  const CiscoCommandLine* firstTaken() const { return first_; }
  // The commands of written trees, reset for the reading terminal to read
  // further lines into (VTY::LineCursor::spare): a stream makes few
  // commands of its own once its first trees are written.
  std::vector<CiscoCommandLine*>* spare() { return &spare_; }

 private:
  struct Tree {
    CiscoCommandLine* command;
    bool kept;
  };
  // Writes the first tree waiting, hands its lines over and lets it go.
  void writeFirst();
  // Takes the commands of a written tree apart into the spare commands
  // (the list has room for all it keeps: this allocates nothing).
  void reuse(CiscoCommandLine* command);
  // More spare commands than this are let go (a long access list would
  // otherwise keep its size in spare commands).
  static constexpr std::size_t kMostSpare = 4096;

  const VexaParserUtil::NormalizedLine& out_;
  TreeWriter writer_;
  OpenLevels levels_;
  // Top-level trees not written yet, in the order of the text.
  std::deque<Tree> waiting_;
  // Written trees that live on (keepFirst).
  std::vector<CiscoCommandLine*> kept_;
  std::vector<CiscoCommandLine*> spare_;
  std::vector<CiscoCommandLine*> one_;
  std::vector<const CiscoCommandLine*> roots_;
  ConfigResult written_;
  std::size_t taken_ = 0;
  std::size_t keepFirst_ = 0;
  const CiscoCommandLine* first_ = nullptr;
  bool failed_ = false;
};

}  // namespace vexaparser::model

#endif  // VEXA_SRC_PARSER_MODEL_LINE_STREAM_H_
