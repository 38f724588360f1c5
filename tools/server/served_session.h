// ServedSession: one network connection's emulated device, independent of
// the protocol that carries it.
//
// The connection hands it the client's data bytes and sends back the text
// it returns (CR LF line ends).  The session logs the user in as a device
// does ("Username:", "Password:", "% Login invalid", a limit of attempts),
// then runs the console loop (line editor and terminal) on the device's
// stored configuration, with the commands of exec_commands.h answered by
// the front end, the enable secret asked by "enable", and long answers
// paged by "terminal length".
//
// The device's state is the delta file, shared by every connection: each
// configuration command is added to it (under a lock, replacing the file
// whole) as soon as its line is complete, and "show running-config" reads
// it anew, so parallel sessions see and keep each other's changes.
//
// Enter is CR, LF, CR LF or CR NUL.  ^C never reaches the line editor (on
// the console it interrupts the program).  The line history lives in
// memory only.  One session per process (the console's file systems and
// terminal state are process-wide); the parser resources must be loaded.
#ifndef VEXA_TOOLS_SERVER_SERVED_SESSION_H_
#define VEXA_TOOLS_SERVER_SERVED_SESSION_H_

#include <ctime>
#include <string>

#include "server/exec_commands.h"
#include "server/pager.h"
#include "vexa/console/console_loop.h"
#include "vexa/console/console_session.h"
#include "vexa/console/key_decoder.h"

namespace vexaserver {

struct ServedDevice {
  // The stored configuration (required) and the shared delta file
  // (required; created by the server) with the lock file beside it.
  std::string configPath;
  std::string deltaPath;
  std::string lockPath;
  // Empty: the configuration's "hostname" line, else "Router".
  std::string hostName;
  // Login: none when password is empty; "Password:" alone when username
  // is empty; both prompts otherwise.
  std::string username;
  std::string password;
  // Asked by "enable" when not empty.
  std::string enableSecret;
  // Wrong answers before the connection (login) or the request (enable)
  // is refused.
  int attempts = 3;
  // For the uptime of "show version".
  std::time_t started = 0;
};

class ServedSession {
 public:
  // Opens the device; loginDone skips the login prompts (the transport has
  // authenticated the user already).  False with a message in error when a
  // file cannot be read.
  bool open(const ServedDevice& device, bool loginDone, std::string& error);
  // The text that greets the client: the login prompt or the device prompt.
  std::string start();
  // The answer to the client's data bytes.
  std::string input(const std::string& bytes);
  // Whether a cut escape sequence waits; the caller calls flushKeys when no
  // more bytes arrive soon after.
  bool keysPending() const { return decoder_.pending(); }
  std::string flushKeys();
  // The client's window; zeros are ignored.  A size the user set with
  // "terminal length/width" is kept.
  void setWindow(int columns, int rows);
  // Whether the session is over (exit, logout, ^D, failed login).
  bool finished() const { return state_ == State::kFinished; }
  // Whether "username"/"password" answer the login (for transports that
  // authenticate themselves).
  static bool credentialsMatch(const ServedDevice& device, const std::string& username,
                               const std::string& password);

 private:
  enum class State { kUsername, kPassword, kShell, kEnableSecret, kFinished };

  // One byte after Enter normalisation, in the current state.
  void byte(char c, std::string& out);
  void shellKey(const std::string& key, std::string& out);
  // A line typed at a login or secret prompt is complete.
  void promptLine(std::string& out);
  vexaconsole::LineHandling handleLine(const std::string& line, std::string& out);
  // Adds the typed configuration commands to the delta file.
  void storeDelta(std::string& out);
  std::string devicePrompt();

  ServedDevice device_;
  vexaconsole::ConsoleSession console_;
  vexaconsole::KeyDecoder decoder_;
  ExecCommandReader reader_;
  Pager pager_;
  vexaconsole::LineHandler handler_;
  State state_ = State::kShell;
  std::string delta_;     // commands typed and not yet stored
  std::string typed_;     // the answer at a login or secret prompt
  std::string username_;  // the login name given
  int failures_ = 0;
  bool lastWasCr_ = false;
  bool widthSet_ = false;
  bool lengthSet_ = false;
};

// text with every LF preceded by CR.
std::string withCrLf(const std::string& text);

}  // namespace vexaserver

#endif  // VEXA_TOOLS_SERVER_SERVED_SESSION_H_
