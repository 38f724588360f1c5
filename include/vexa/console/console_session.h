// ConsoleSession: one emulated device terminal as a program offers it to a
// user: the device's stored configuration as baseline, a delta file that
// keeps the configuration commands of earlier sessions, a history file, a
// terminal (VTY) and a line editor joined by the console loop, and the two
// ways a user leaves ("exit" at the view prompt, ^D on an empty line).
//
// Used by vexa-cli for the keyboard and for scripted key streams.  The
// parser resources must be loaded before open().  The session configures the
// host's process-wide baseline and project file systems, so one session per
// process.
#ifndef VEXA_CONSOLE_CONSOLE_SESSION_H_
#define VEXA_CONSOLE_CONSOLE_SESSION_H_

#include <memory>
#include <string>

#include "vexa/console/get_line_data.h"

namespace vexaparser {
class VTY;
}

namespace vexaconsole {

struct ConsoleSessionOptions {
  // The device's stored configuration (required).
  std::string configPath;
  // The delta file; empty for none.  Read at open, written by close.
  std::string deltaPath;
  // The history file; empty for none.
  std::string historyPath;
  // Empty: the configuration's "hostname" line, else "Router".
  std::string hostName;
};

class ConsoleSession {
 public:
  ConsoleSession();
  ~ConsoleSession();
  ConsoleSession(const ConsoleSession&) = delete;
  ConsoleSession& operator=(const ConsoleSession&) = delete;

  // Reads the configuration and the delta file (a missing delta file is an
  // empty one), points the host's file systems at them and opens the
  // terminal and the editor.  False with a message in error when a file
  // cannot be read or the parser resources are not loaded.
  bool open(const ConsoleSessionOptions& options, std::string& error);
  // The terminal text that shows the first prompt.
  std::string start();
  // Processes one key (its bytes); returns the terminal text.
  std::string key(const std::string& bytes);
  // Whether the user left the device.
  bool finished() const { return finished_; }
  // Stores the session's configuration commands: the delta file becomes its
  // earlier text followed by them, replaced as a whole (never half-written).
  // Nothing is written when no command was typed.  False with a message in
  // error when the file could not be written.
  bool close(std::string& error);

  const std::string& hostName() const { return hostName_; }
  // The configuration commands typed in this session.
  const std::string& delta() const { return delta_; }
  GetLineData& editor() { return editor_; }
  // The device's terminal, for hosts that drive the console loop themselves
  // (valid after a successful open).
  vexaparser::VTY& terminal() { return *terminal_; }

 private:
  ConsoleSessionOptions options_;
  std::string hostName_;
  std::string storedDelta_;
  std::string delta_;
  std::unique_ptr<vexaparser::VTY> terminal_;
  GetLineData editor_;
  bool finished_ = false;
};

// The host name of a configuration's first "hostname" line; empty when none.
std::string configuredHostName(const std::string& configuration);

}  // namespace vexaconsole

#endif  // VEXA_CONSOLE_CONSOLE_SESSION_H_
