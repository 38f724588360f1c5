// VTY: the emulated command line of one device.
//
// Two kinds of user: the console loop of a terminal window, which creates a
// terminal with runningCLIMode true (keywords may be abbreviated, "exit" and
// "end" leave levels, invalid words are reported), and the configuration
// model, which feeds configuration text through scratch terminals (host name
// "hostName", runningCLIMode false, scratch_terminal.h) to turn it into
// CiscoCommandLine objects.
//
// Lines go through the view (">"), execution ("#") and configuration
// ("(config)#") modes and their sub-modes; each line is matched against the
// syntax tree of the current mode of the terminal's grammar by that mode's
// CommandMode.  The terminal collects messages, help lists and completions
// in its output text, which the caller takes with getOutputString.
//
// A terminal is created over a grammar (grammar.h) that has all three mode
// trees and keeps it alive; the constructors without a grammar use the
// default grammar (parser_resources.h) and answer "show running-config" from
// the host's file systems (running_config.h).  A terminal created without
// complete grammar is refused: create() returns null, and a terminal
// constructed directly is inert: isReady() is false, getPrompt gives the
// empty text, and every parse fails with the error kNotReadyMessage written
// to the output like any failed line (help and completion write the same
// message).
//
// One thread per terminal; terminals keep no state in common.
#ifndef VEXA_PARSER_VTY_H_
#define VEXA_PARSER_VTY_H_

#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "vexa/parser/command_mode.h"
#include "vexa/parser/config_hint.h"
#include "vexa/parser/grammar.h"
#include "vexa/parser/parser_tree.h"
#include "vexa/parser/vty_mode_type.h"

namespace vexaparser {

class CiscoCommandLine;
class NodeMatcher;

// The host name of the scratch terminals that turn configuration text into
// commands; the running configuration listing stays silent for them.
inline constexpr char kScratchHostName[] = "hostName";

// What a terminal hands over for "show running-config": its grammar and
// host data (running_config.h builds the listing from it).
struct RunningConfigRequest {
  const Grammar* grammar = nullptr;
  std::string hostName;
  std::string configFile;
  int type = 0;
  std::string deltaCommands;
};
// Gives the listing for a request; false when there is nothing to list.
using RunningConfigLister =
    std::function<bool(const RunningConfigRequest& request, std::string& listing)>;

struct TerminalOptions {
  std::string hostName = kScratchHostName;
  // Keywords may be abbreviated, "exit" and "end" leave levels, invalid
  // words are reported.
  bool runningCLIMode = false;
  // Answers "show running-config"; empty: the command lists nothing.
  RunningConfigLister runningConfig;
};

class VTY {
 public:
  // The error of every line of a terminal created without parser resources.
  static constexpr const char* kNotReadyMessage = "% Parser resources are not loaded";

  // A terminal over grammar (kept alive by the terminal; null stands for an
  // empty grammar).
  VTY(std::shared_ptr<const Grammar> grammar, TerminalOptions options);
  // Over the default grammar, listing the running configuration from the
  // host's file systems.  Host name "hostName", not running as a command
  // line.
  VTY();
  VTY(const std::string& hostName, bool runningCLIMode);
  ~VTY();
  VTY(const VTY&) = delete;
  VTY& operator=(const VTY&) = delete;

  // A new terminal, or null when grammar is null or lacks a mode tree.
  static std::unique_ptr<VTY> create(std::shared_ptr<const Grammar> grammar,
                                     TerminalOptions options);
  // Over the default grammar, as the constructor of the same arguments.
  static std::unique_ptr<VTY> create(const std::string& hostName, bool runningCLIMode);
  // Whether the terminal has its three modes (the grammar was complete).
  bool isReady() const { return !modes_.empty(); }
  const Grammar& grammar() const { return *grammar_; }

  // The mode trees copied by the last terminal created over a complete
  // grammar.
  static std::map<VTYModeType, ParserTree> mTrees4Modes;
  // Whether this terminal's last successful line changed the mode.
  bool modeChanged() const { return modeChanged_; }

  // ---- lines ----

  // Parses one line in the current mode; commandLine (not owned, may be
  // null) is filled with the matched nodes while the line is parsed.  A
  // complete line may change the mode ("enable", "configure terminal",
  // "exit", "end"); with popOnLeave false, leaving a mode only resets it.
  // A failed line writes its error and a line end to the output and keeps it
  // as the last error.  Returns whether the line succeeded.
  bool parse(const std::string& line, bool popOnLeave, CiscoCommandLine* commandLine);
  // Appends text to the input stream for execute().
  void writeInput(const std::string& text);
  // Runs every line of the input stream: a line ending in "?" or a tab goes
  // to hook, any other line (an empty one too) to parse with " \n" appended.
  void execute();
  // Help ("?") or completion (tab) for a line whose last character is the
  // key; writes the listing or the completed line to the output.
  void hook(const std::string& line);
  // Back to the view mode, every mode at its root.
  void reset();

  // ---- state ----

  void getPrompt(std::string& out) const;
  // The output text; the output is emptied.
  void getOutputString(std::string& out);
  void getCompleteLine(std::string& out) const;
  void getInfoLine(std::string& out) const;
  // The major commands of the current mode concatenated; without the last
  // one when the last line opened a sub-mode.
  void getMajorCommands(std::string& out) const;
  const std::string& getLastError() const { return lastError_; }
  // The current mode (top of the mode stack).
  VTYModeType getCurrentMode() const { return modeStack_.back(); }

  // ---- configuration text ----

  // Replays configuration text (lowered) so that the terminal enters the
  // sub-modes it opens; stops at an empty line or one beginning with "end".
  void findMajorCommand(const std::string& text);
  // Parses every non-empty line of text into a new CiscoCommandLine appended
  // to out (owned by the caller; with runningCLIMode false each is also
  // appended to the children of the mode command it was typed under).
  // Lines that are blank or begin with "end" are flagged UnknownCommand.  A
  // failed line reports its number in errorLine and the last error in
  // errorText.  Returns the result of the last parse (false when none).
  bool getComLineInfo(const std::string& text, std::vector<CiscoCommandLine*>& out,
                      std::string& errorText, int& errorLine, bool popFlag);
  // Where getComLineInfo stands between two lines of a text, so that a text
  // can be read line by line (readConfigLine) and in parts.
  struct LineCursor {
    // The mode the text is read in (null for none: every line then goes
    // through parse).
    CommandMode* mode = nullptr;
    // The enclosing mode commands and the level a failed line takes.
    std::shared_ptr<const std::string> majors;
    int level = 0;
    // The number of the last line read, and of the line read as the text's
    // first.
    int lineNo = 0;
    int firstLineNo = 1;
    // The result of the last line.
    bool result = false;
    // Commands to read lines into before new ones are made (taken from the
    // back, reset with resetKeepingRoom), or null.  Commands read with them
    // keep the spare room of their node paths: they are not kept long.
    std::vector<CiscoCommandLine*>* spare = nullptr;
  };
  // A cursor before a text whose first line gets the number firstLineNo.
  LineCursor startReading(int firstLineNo = 1) const;
  // Reads the next line of a text as getComLineInfo does (the line is one
  // piece of forEachConfigLine).
  void readConfigLine(std::string_view line, LineCursor& cursor,
                      std::vector<CiscoCommandLine*>& out, std::string& errorText, int& errorLine,
                      bool popFlag);
  // What decides how the lines after cursor are read, apart from which
  // command objects opened the levels: two terminals of one grammar whose
  // states are equal read every further line alike.
  struct ReadingState {
    std::vector<VTYModeType> modeStack;
    bool modeChanged = false;
    bool inBanner = false;
    CommandMode::Reading mode;
    std::string majors;
    int level = 0;
    bool result = false;
    bool operator==(const ReadingState&) const = default;
  };
  ReadingState readingState(const LineCursor& cursor) const;
  // Sets the banner delimiter of the current mode (see CommandMode).
  void setBannerDelimiter(char delimiter);

  // The "?" help of text at every mode level, innermost first: one hint per
  // level that knows the words, its word the level's prompt and its help the
  // output so far.  Leaves the node stack empty and the output unread.
  void getNextCmdWords(const std::string& text, std::vector<ConfigHint>& hints);
  // findMajorCommand(text), then getNextCmdWords(word + "?"); returns true.
  bool hintCommand(const std::string& text, const std::string& word,
                   std::vector<ConfigHint>& hints);

  // ---- host data ----

  void registerDeltaCmd(const std::string& text) { deltaCommands_ = text; }
  std::string getAllConfigCmds() const { return deltaCommands_; }
  void registerRemovedInterface(const std::string& name) { removedInterfaces_.push_back(name); }
  std::vector<std::string> removedInterface() const { return removedInterfaces_; }
  void setConfigAndDeltaFile(const std::string& configFile, int type);
  std::string getConfigFile() const { return configFile_; }
  int getType() const { return type_; }
  // The empty text while a banner text is open, else the host name.
  std::string getHostName() const { return inBanner_ ? std::string() : hostName_; }
  bool runningCLIMode() const { return runningCLIMode_; }

 private:
  friend class CommandMode;

  CommandMode* currentCommandMode() const;
  void setCompleteLine(const std::string& text);
  void setInfoLine(const std::string& text);
  void installMode(VTYModeType mode);
  void DestroyModelAll();
  // The "show running-config" listing, written to the output.
  void writeRunningConfig();
  // Tab completion of partial after the words that led to node.
  void writeCompletion(NodeMatcher& matcher, const ParserTreeNode* node, const std::string& prefix,
                       const std::string& partial);
  // Parses one line of getComLineInfo into command.
  bool parseComLine(const std::string& line, LineCursor& cursor, bool popFlag,
                    CiscoCommandLine& command, std::string& errorText, int& errorLine);
  // The line being read, kept to reuse its storage.
  std::string readLine_;

  std::shared_ptr<const Grammar> grammar_;
  RunningConfigLister runningConfig_;
  bool modeChanged_ = false;
  std::stringstream input_;
  std::stringstream output_;
  std::string configFile_;
  int type_ = 0;
  bool inBanner_ = false;
  bool runningCLIMode_;
  std::string hostName_;
  std::string deltaCommands_;
  std::string lastError_;
  std::map<VTYModeType, std::unique_ptr<CommandMode>> modes_;
  std::vector<VTYModeType> modeStack_;
  std::vector<std::string> removedInterfaces_;
};

}  // namespace vexaparser

#endif  // VEXA_PARSER_VTY_H_
