// CommandMode: the matching state of one command mode of one terminal.
//
// A terminal (VTY) owns one per mode (view, execution, configuration) and
// hands every line to the one of its current mode.  The mode walks the line
// word by word through its syntax tree (NodeMatcher::findChild) of the
// terminal's grammar, keeps the
// stack of sub-modes entered so far (the node that opened each, the command
// object and the complete line of the command that opened it), builds the
// complete form of the command, and fills the command line object that the
// caller attached.  A command of an enclosing level typed in a sub-mode is
// matched there and leaves the sub-mode; a line that fails leaves the state
// as it was before the line.
//
// Used only through its terminal; it writes to the terminal's output.
#ifndef VEXA_PARSER_COMMAND_MODE_H_
#define VEXA_PARSER_COMMAND_MODE_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "vexa/parser/grammar.h"
#include "vexa/parser/node_matcher.h"
#include "vexa/parser/parser_tree_node.h"
#include "vexa/parser/vty_mode_type.h"

namespace vexaparser {

class CiscoCommandLine;
class NodeMatcher;
class VTY;

// What a complete line does to the terminal's mode.
enum class ModeChange {
  kStay,                // the mode stays
  kLeave,               // leave the mode ("exit" at its top, "end")
  kEnterExecution,      // "enable"
  kEnterConfiguration,  // "configure", "configure terminal"
};

// The outcome of CommandMode::parse.
struct LineOutcome {
  // The line is complete; otherwise it failed and the mode is as before it.
  bool complete = false;
  ModeChange change = ModeChange::kStay;
  // A banner text is open after the line (complete lines only).
  bool inBanner = false;
  // The message of a failed line ("% Invalid input detected at ^" when
  // running as a command line, "% Incomplete command.", or empty).
  std::string error;
};

class CommandMode {
 public:

  // The mode modeType of grammar (its tree must be loaded) for owner; both
  // must outlive it.  Starts reset.
  CommandMode(VTY* owner, const Grammar& grammar, VTYModeType modeType);
  CommandMode(const CommandMode&) = delete;
  CommandMode& operator=(const CommandMode&) = delete;

  // Back to the mode's root: no sub-mode, no major command, no banner.
  void reset();

  // The command line object that the next lines fill (not owned; null for
  // none).  The terminal attaches one for a line and detaches it after.
  void setCommandLine(CiscoCommandLine* commandLine) { commandLine_ = commandLine; }

  // Parses one line.  A failed line leaves the state as it was before the
  // line, with no banner open.
  LineOutcome parse(const std::string& line);

  const std::string& getPrompt() const { return state_.prompt; }
  const std::string& getCompleteLine() const { return completeLine_; }
  const std::string& getInfoLine() const { return infoApart_ ? infoLine_ : completeLine_; }
  void setCompleteLine(const std::string& text) {
    keepInfoApart();
    completeLine_ = text;
  }
  void setInfoLine(const std::string& text) {
    infoLine_ = text;
    infoApart_ = true;
  }

  // The major commands concatenated; without the last one when the last
  // line opened a sub-mode (major depth below their number).
  std::string getMajorCommands() const;
  // All major commands concatenated.
  std::string getAllMajorCommands() const;
  std::size_t majorCommandCount() const { return state_.majorCommands.size(); }
  // The commands of the sub-modes open now, outermost first: lines to come
  // may go below them.
  const std::vector<CiscoCommandLine*>& openCommands() const { return state_.commandStack; }
  // Number of major commands that enclose the current command.
  int getMajorDepth() const { return state_.majorDepth; }
  // The last line entered a sub-mode, or was accepted only at an enclosing
  // level.
  bool levelChanged() const { return state_.levelChanged; }
  bool inBanner() const { return inBanner_; }
  VTYModeType modeType() const { return modeType_; }
  bool runningCLIMode() const { return runningCLIMode_; }

  // The node on top of the node stack (the innermost open mode), or null.
  ParserTreeNode* topNode() const {
    return state_.nodeStack.empty() ? nullptr : state_.nodeStack.back();
  }
  // The prompt of topNode() in the grammar's prompts; empty when none.
  std::string topPrompt() const;
  // What decides how the mode reads the lines still to come, apart from
  // which command objects opened its levels: two modes of one grammar whose
  // readings are equal read every further line alike.
  struct Reading {
    std::vector<ParserTreeNode*> nodeStack;
    std::size_t openCommands = 0;
    std::vector<std::string> majorCommands;
    std::string prompt;
    int majorDepth = 0;
    bool levelChanged = false;
    bool inBanner = false;
    bool leavePending = false;
    char bannerDelimiter = '"';
    bool operator==(const Reading&) const = default;
  };
  Reading reading() const;
  // The character that opens and closes a banner text.  A line that begins
  // (after blanks and tabs) with "bann" and has a character after its second
  // blank sets it to that character: bannerDelimiterAfter.
  char bannerDelimiter() const { return bannerDelimiter_; }
  void setBannerDelimiter(char delimiter) { bannerDelimiter_ = delimiter; }
  static char bannerDelimiterAfter(std::string_view line, char current);

  // Closes the innermost level: pops the node stack, the command stack and
  // the major commands, and clears the visited options of the attached
  // command line object.  For the help of every mode level.
  void popLevel();

 private:
  // Outcome of walking a line at one level.
  enum class WalkResult { kComplete, kIncomplete, kInvalid };

  // The levels entered so far: what a failed line restores, saved and
  // restored as a whole.
  struct State {
    // The mode's root, then the node of every sub-mode entered.
    std::vector<ParserTreeNode*> nodeStack;
    // The command line object of the command that opened each sub-mode.
    std::vector<CiscoCommandLine*> commandStack;
    // The complete line of the command that opened each sub-mode.
    std::vector<std::string> majorCommands;
    // The prompt of the node on top of the node stack.
    std::string prompt;
    // The node prompt was looked up for (null: none known), so that a line
    // read at the same level does not look it up again.
    const ParserTreeNode* promptNode = nullptr;
    int majorDepth = 0;
    bool levelChanged = false;
  };

  // "exit" and "end" of a terminal running as a command line.
  void leaveLevel(const std::string& firstWord, LineOutcome& outcome);
  // One attempt at the node on top of the node stack.
  WalkResult walk(const std::string& line, NodeMatcher& matcher, LineOutcome& outcome);
  // Banner delimiter and open state; true when the line is banner text.
  bool consumeBannerText(const std::string& line);
  // Appends text at node to the complete and info lines and to the command
  // line object.
  void record(const std::string& text, ParserTreeNode* node, bool noForm);
  // The prompt becomes node's prompt in the grammar.
  void setPrompt(const ParserTreeNode* node);
  WalkResult accept(const std::string& text, ParserTreeNode* node, bool noForm);
  void attachToParent();
  void finishCommand(bool noForm, LineOutcome& outcome);

  VTY* owner_;
  const Grammar& grammar_;
  // The root of the mode's tree.
  ParserTreeNode* root_;
  ParserTreeNode* currentNode_ = nullptr;
  CiscoCommandLine* commandLine_ = nullptr;
  State state_;
  // The state before the line being parsed.
  State saved_;
  // The parse builds the complete line and the info line from the same
  // pieces: it writes completeLine_ alone, and the info line is the same
  // text until a caller sets one of the two by itself (infoApart_).
  std::string completeLine_;
  std::string infoLine_;
  bool infoApart_ = false;
  // Both lines as the parse writes them: the info line follows the complete one.
  void setBothLines(std::string text) {
    completeLine_ = std::move(text);
    infoApart_ = false;
  }
  void keepInfoApart() {
    if (infoApart_) return;
    infoLine_ = completeLine_;
    infoApart_ = true;
  }
  // The words of the line being parsed and the options it gave (kept to
  // reuse their storage).
  std::vector<std::string> words_;
  UsedOptions usedOptions_;
  MatchMemo matchMemo_;
  // The mode node whose command order entry was looked up last, and that
  // entry (null for none).
  const ParserTreeNode* orderMode_ = nullptr;
  const Grammar::OrderIndex* orderIndex_ = nullptr;
  char bannerDelimiter_ = '"';
  bool inBanner_ = false;
  bool runningCLIMode_;
  // The last line was an "exit-..." command of a nested mode (such as
  // "exit-address-family"): the next line starts one level up.
  bool leavePending_ = false;
  VTYModeType modeType_;
};

}  // namespace vexaparser

#endif  // VEXA_PARSER_COMMAND_MODE_H_
