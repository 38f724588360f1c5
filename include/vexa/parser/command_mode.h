// CommandMode: the matching state of one command mode of one terminal.
//
// A terminal (VTY) owns one per mode (view, execution, configuration) and
// hands every line to the one of its current mode.  The mode walks the line
// word by word through its syntax tree (NodeMatcher::findChild), keeps the
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
#include <vector>

#include "vexa/parser/parser_tree.h"
#include "vexa/parser/parser_tree_node.h"
#include "vexa/parser/vty_mode_type.h"

namespace vexaparser {

class CiscoCommandLine;
class VTY;

class CommandMode {
 public:
  // Outcome of walking a line at one level.
  enum WalkResult { kComplete = 0, kIncomplete = 1, kInvalid = 2 };
  // parse codes besides the modes to enter (EXECUTION_MODE, CONFIGURATION_MODE).
  static constexpr int kStayCode = 3;   // the mode stays
  static constexpr int kLeaveCode = 4;  // leave the mode ("exit" at its top, "end")

  // A mode over tree (its root must be set) for owner, which must outlive
  // it; starts reset.  The tree's nodes belong to the node pool.
  CommandMode(VTY* owner, const ParserTree& tree, VTYModeType modeType);
  CommandMode(const CommandMode&) = delete;
  CommandMode& operator=(const CommandMode&) = delete;

  // Back to the mode's root: no sub-mode, no major command, no banner.
  void reset();

  // The command line object that the next lines fill (not owned; null for
  // none).  The terminal attaches one for a line and detaches it after.
  void setCommandLine(CiscoCommandLine* commandLine) { commandLine_ = commandLine; }

  // Parses one line.  Returns true when it is complete: code is then
  // kStayCode, kLeaveCode, or the mode to enter (1 or 2), and inBanner tells
  // whether a banner text is open.  Returns false (state restored, no banner
  // open) with the message in errorText ("% Invalid input detected at ^"
  // when running as a command line, "% Incomplete command.", or empty).
  bool parse(const std::string& line, std::string& errorText, int& code, bool& inBanner);

  const std::string& getPrompt() const { return prompt_; }
  const std::string& getCompleteLine() const { return completeLine_; }
  const std::string& getInfoLine() const { return infoLine_; }
  void setCompleteLine(const std::string& text) { completeLine_ = text; }
  void setInfoLine(const std::string& text) { infoLine_ = text; }

  // The major commands concatenated; without the last one when the last
  // line opened a sub-mode (major depth below their number).
  std::string getMajorCommands() const;
  // All major commands concatenated.
  std::string getAllMajorCommands() const;
  std::size_t majorCommandCount() const { return majorCommands_.size(); }
  // Number of major commands that enclose the current command.
  int getMajorDepth() const { return majorDepth_; }
  // The last line entered a sub-mode, or was accepted only at an enclosing
  // level.
  bool levelChanged() const { return levelChanged_; }
  bool inBanner() const { return inBanner_; }
  VTYModeType modeType() const { return modeType_; }
  bool runningCLIMode() const { return runningCLIMode_; }

  // The node on top of the node stack (the innermost open mode), or null.
  ParserTreeNode* topNode() const { return nodeStack_.empty() ? nullptr : nodeStack_.back(); }
  // The prompt of topNode() in the mode prompts table; empty when none.
  std::string topPrompt() const;
  // Closes the innermost level: pops the node stack, the command stack and
  // the major commands, and clears the visited options of the attached
  // command line object.  For the help of every mode level.
  void popLevel();

  // Option children found while matching record used options in the shared
  // nodes; remember the node and the child so that clearUsedOptions empties
  // them (and their parents') when the line is done.
  void rememberOption(ParserTreeNode* node, ParserTreeNode* child);
  void clearUsedOptions();

 private:
  struct SavedState {
    std::vector<ParserTreeNode*> nodeStack;
    std::vector<CiscoCommandLine*> commandStack;
    std::vector<std::string> majorCommands;
    std::string prompt;
    int majorDepth = 0;
    bool levelChanged = false;
  };

  void saveState();
  void restoreState();
  // "exit" and "end" of a terminal running as a command line.
  void leaveLevel(const std::string& firstWord, int& code);
  // One attempt at the node on top of the node stack.
  WalkResult walk(const std::string& line, std::string& errorText, int& code);
  // Banner delimiter and open state; true when the line is banner text.
  bool consumeBannerText(const std::string& line);
  // Appends text at node to the complete and info lines and to the command
  // line object.
  void record(const std::string& text, ParserTreeNode* node, bool noForm);
  WalkResult accept(const std::string& text, ParserTreeNode* node, bool noForm);
  void attachToParent();
  void finishCommand(bool noForm, int& code);

  VTY* owner_;
  // The root of the mode's tree.
  ParserTreeNode* root_;
  ParserTreeNode* currentNode_ = nullptr;
  CiscoCommandLine* commandLine_ = nullptr;
  std::vector<ParserTreeNode*> nodeStack_;
  std::vector<CiscoCommandLine*> commandStack_;
  std::vector<std::string> majorCommands_;
  std::string prompt_;
  std::string completeLine_;
  std::string infoLine_;
  char bannerDelimiter_ = '"';
  bool inBanner_ = false;
  bool runningCLIMode_;
  bool levelChanged_ = false;
  int majorDepth_ = 0;
  VTYModeType modeType_;
  std::vector<ParserTreeNode*> optionNodes_;
  SavedState saved_;
};

}  // namespace vexaparser

#endif  // VEXA_PARSER_COMMAND_MODE_H_
