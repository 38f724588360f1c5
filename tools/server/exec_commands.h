// The commands a served device answers itself at the ">" and "#" prompts,
// before a line reaches its terminal: what automation tools send to set up
// a session and read the device's state.
//
// The grammar knows these commands (they complete, abbreviate and fail as
// on the console) but gives them no effect, so the front end supplies it:
// "terminal length N" and "terminal width N" set the pager and the line
// width, "show running-config" lists the running configuration itself (the
// console lists the commands that lead back to the stored configuration
// instead), "show version" describes the device, "write memory" confirms
// (every change is stored as it is made), "exit" and "logout" end the
// session, and "enable" asks for the enable secret when there is one.
//
// Which command a line is, is decided by the grammar: the line is parsed
// in a scratch terminal in the same mode, and the words of the completed
// line (abbreviations expanded) are compared.  A line the grammar refuses
// is never claimed, so the device's own error answers it.
#ifndef VEXA_TOOLS_SERVER_EXEC_COMMANDS_H_
#define VEXA_TOOLS_SERVER_EXEC_COMMANDS_H_

#include <ctime>
#include <memory>
#include <string>

#include "vexa/parser/vty_mode_type.h"

namespace vexaparser {
class VTY;
}

namespace vexaserver {

enum class ExecCommand {
  kNone,  // the terminal's line
  kShowRunningConfig,
  kShowVersion,
  kTerminalLength,
  kTerminalWidth,
  kWriteMemory,
  kExit,
  kEnable,
};

struct ExecLine {
  ExecCommand command = ExecCommand::kNone;
  int number = 0;  // the value of "terminal length/width"
};

class ExecCommandReader {
 public:
  ExecCommandReader();
  ~ExecCommandReader();

  // What line is in mode (view or execution; configuration modes give
  // kNone).  Needs the parser resources.
  ExecLine read(const std::string& line, vexaparser::VTYModeType mode);

 private:
  std::unique_ptr<vexaparser::VTY> scratch_;
};

// What "show running-config" answers, for the device of terminal: its
// running configuration (the stored configuration, the delta file as it is
// now and the terminal's unstored commands merged) in the device's form,
// framed as the device frames it.  An error line when a file cannot be read.
std::string runningConfigAnswer(vexaparser::VTY& terminal);

// What "show version" answers: a plausible description of an IOS router
// named hostName, up since started, with the version and interfaces of its
// running configuration.
std::string versionAnswer(vexaparser::VTY& terminal, const std::string& hostName,
                          std::time_t started);

}  // namespace vexaserver

#endif  // VEXA_TOOLS_SERVER_EXEC_COMMANDS_H_
