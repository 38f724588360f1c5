#include "server/served_session.h"

#include <algorithm>
#include <iostream>
#include <vector>

#include "vexa/host/file_update.h"
#include "vexa/host/terminal.h"
#include "vexa/parser/vty.h"

namespace vexaserver {

namespace {

constexpr char kCtrlC = 3;
constexpr char kCtrlU = 21;
constexpr std::size_t kMaxAnswer = 128;
// The widest line the device takes ("terminal width" stops at 512; 0 there
// means no limit).
constexpr int kMaxWidth = 512;
constexpr int kMinWidth = 21;  // the line editor's narrowest window

}  // namespace

std::string withCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

bool ServedSession::credentialsMatch(const ServedDevice& device, const std::string& username,
                                     const std::string& password) {
  if (device.password.empty()) return true;
  return (device.username.empty() || username == device.username) && password == device.password;
}

bool ServedSession::open(const ServedDevice& device, bool loginDone, std::string& error) {
  device_ = device;
  // The line editor echoes and redraws only for a terminal; the client is one.
  vexahost::setTerminalOverride(true);
  vexaconsole::ConsoleSessionOptions options;
  options.configPath = device.configPath;
  options.deltaPath = device.deltaPath;
  options.hostName = device.hostName;
  if (!console_.open(options, error)) return false;
  handler_ = [this](const std::string& line, std::string& out) { return handleLine(line, out); };
  if (loginDone || device.password.empty()) {
    state_ = State::kShell;
  } else {
    state_ = device.username.empty() ? State::kPassword : State::kUsername;
  }
  return true;
}

std::string ServedSession::start() {
  if (state_ == State::kShell) return withCrLf("\n" + devicePrompt());
  return withCrLf(std::string("\n\nUser Access Verification\n\n") +
                  (state_ == State::kUsername ? "Username: " : "Password: "));
}

std::string ServedSession::devicePrompt() {
  std::string text;
  vexaconsole::showPrompt(console_.terminal(), console_.editor(), text);
  return text;
}

void ServedSession::setWindow(int columns, int rows) {
  if (columns > 0 && !widthSet_) {
    console_.editor().Gl_setwidth(std::clamp(columns, kMinWidth, kMaxWidth));
  }
  if (rows > 0 && !lengthSet_) pager_.setLength(std::min(rows, kMaxWidth));
}

std::string ServedSession::input(const std::string& bytes) {
  std::string out;
  for (char c : bytes) {
    if (state_ == State::kFinished) break;
    // CR LF and CR NUL are one Enter; a lone LF is Enter too.
    const bool afterCr = lastWasCr_;
    lastWasCr_ = c == '\r';
    if (afterCr && (c == '\n' || c == '\0')) continue;
    byte(c == '\n' ? '\r' : c, out);
  }
  return withCrLf(out);
}

std::string ServedSession::flushKeys() {
  std::vector<std::string> keys;
  decoder_.flush(keys);
  std::string out;
  for (const std::string& key : keys) {
    if (state_ == State::kShell) shellKey(key, out);
  }
  return withCrLf(out);
}

void ServedSession::byte(char c, std::string& out) {
  if (state_ == State::kShell) {
    if (pager_.waiting()) {
      out += pager_.key(c);
      return;
    }
    std::vector<std::string> keys;
    decoder_.feed(&c, 1, keys);
    for (const std::string& key : keys) {
      if (state_ == State::kShell) shellKey(key, out);
    }
    return;
  }
  // A login or secret prompt: the name is echoed, secrets are not.
  const bool echo = state_ == State::kUsername;
  if (c == '\r') {
    promptLine(out);
  } else if (c == '\b' || c == '\x7f') {
    if (!typed_.empty()) {
      typed_.pop_back();
      if (echo) out += "\b \b";
    }
  } else if (c == kCtrlU) {
    if (echo) {
      for (std::size_t i = 0; i < typed_.size(); ++i) out += "\b \b";
    }
    typed_.clear();
  } else if (static_cast<unsigned char>(c) >= ' ' && typed_.size() < kMaxAnswer) {
    typed_ += c;
    if (echo) out += c;
  }
}

void ServedSession::shellKey(const std::string& key, std::string& out) {
  // On the console ^C interrupts the program; a served device ignores it.
  if (key.size() == 1 && key[0] == kCtrlC) return;
  vexaparser::VTY& terminal = console_.terminal();
  const std::string unstored = delta_;
  std::string text;
  vexaconsole::parser_main(terminal, console_.editor(), key, text, &delta_, handler_);
  if (console_.editor().inputEnded()) state_ = State::kFinished;
  if (!console_.editor().startOfLine() || delta_.empty()) {
    out += pager_.show(text);
    return;
  }
  std::string complete;
  terminal.getCompleteLine(complete);
  if (complete.find_first_not_of(" \n") == std::string::npos) {
    // A blank or refused line in a sub-mode would store its mode's commands
    // alone.
    delta_ = unstored;
    terminal.registerDeltaCmd(delta_);
  }
  if (!delta_.empty()) {
    std::string error;
    if (vexahost::appendUnderLock(device_.deltaPath, device_.lockPath, delta_, error)) {
      delta_.clear();
      terminal.registerDeltaCmd(delta_);
    } else {
      // Kept for the next line; the user learns it before the prompt.
      std::cerr << "vexa-cli: error: " << error << '\n';
      const std::size_t promptAt = text.rfind('\n') + 1;
      text.insert(promptAt, "% Configuration not stored: " + error + "\n");
    }
  }
  out += pager_.show(text);
}

vexaconsole::LineHandling ServedSession::handleLine(const std::string& line, std::string& out) {
  using vexaconsole::LineHandling;
  vexaparser::VTY& terminal = console_.terminal();
  const ExecLine command = reader_.read(line, terminal.getCurrentMode());
  switch (command.command) {
    case ExecCommand::kNone:
      return LineHandling::kPassOn;
    case ExecCommand::kShowRunningConfig:
      out += runningConfigAnswer(terminal);
      break;
    case ExecCommand::kShowVersion:
      out += versionAnswer(terminal, console_.hostName(), device_.started);
      break;
    case ExecCommand::kTerminalLength:
      pager_.setLength(command.number);
      lengthSet_ = true;
      break;
    case ExecCommand::kTerminalWidth:
      console_.editor().Gl_setwidth(
          command.number == 0 ? kMaxWidth : std::clamp(command.number, kMinWidth, kMaxWidth));
      widthSet_ = true;
      break;
    case ExecCommand::kWriteMemory:
      // Every change is in the delta file already.
      out += "Building configuration...\n[OK]\n";
      break;
    case ExecCommand::kExit:
      state_ = State::kFinished;
      return LineHandling::kAwaitingInput;
    case ExecCommand::kEnable:
      if (device_.enableSecret.empty()) return LineHandling::kPassOn;
      out += "Password: ";
      state_ = State::kEnableSecret;
      failures_ = 0;
      return LineHandling::kAwaitingInput;
  }
  return LineHandling::kHandled;
}

void ServedSession::promptLine(std::string& out) {
  const std::string typed = typed_;
  typed_.clear();
  const bool attemptsLeft = failures_ + 1 < device_.attempts;
  switch (state_) {
    case State::kUsername:
      username_ = typed;
      out += "\nPassword: ";
      state_ = State::kPassword;
      return;
    case State::kPassword:
      if (credentialsMatch(device_, username_, typed)) {
        state_ = State::kShell;
        out += "\n\n" + devicePrompt();
        return;
      }
      ++failures_;
      if (device_.username.empty()) {
        out += attemptsLeft ? "\nPassword: " : "\n% Bad passwords\n";
      } else {
        out += attemptsLeft ? "\n% Login invalid\n\nUsername: " : "\n% Login invalid\n";
        state_ = State::kUsername;
      }
      if (!attemptsLeft) state_ = State::kFinished;
      return;
    case State::kEnableSecret:
      if (typed == device_.enableSecret) {
        vexaparser::VTY& terminal = console_.terminal();
        terminal.parse("enable \n", true, nullptr);
        std::string ignored;
        terminal.getOutputString(ignored);
        state_ = State::kShell;
        out += "\n" + devicePrompt();
        return;
      }
      ++failures_;
      if (attemptsLeft) {
        out += "\nPassword: ";
      } else {
        state_ = State::kShell;
        out += "\n% Bad secrets\n\n" + devicePrompt();
      }
      return;
    case State::kShell:
    case State::kFinished:
      return;
  }
}

}  // namespace vexaserver
