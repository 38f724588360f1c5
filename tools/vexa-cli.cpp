// vexa-cli: the emulated device terminal in the user's own terminal, or
// served on the network for automation tools.
//
//   vexa-cli [--hostname NAME] [--config FILE] [--delta FILE] [--history FILE]
//            [--keys FILE|-] [--log FILE]
//   vexa-cli --listen [HOST:]PORT [--ssh-listen [HOST:]PORT --host-key FILE]
//            [--username U] [--password P] [--enable-secret S] [--config FILE]
//            [--delta FILE] [--idle-timeout SECONDS] [--max-connections N]
//
// The keyboard is read in raw mode, byte by byte; the terminal's escape
// sequences become the line editor's keys, every key goes through the
// console loop, and the terminal text that comes back is written with CR LF
// line ends.  The terminal's modes are put back however the program ends.
// With --keys the bytes of a file are the keys instead, and the terminal
// text is written as it is (LF line ends).
//
// Exit status 0 when the user left the device, 2 on usage or I/O errors
// (the delta file not written included), 128 + signal number after SIGINT,
// SIGTERM or SIGHUP (the session is stored all the same).  Served, the
// program runs until SIGTERM, SIGINT or SIGHUP and then exits 0 (see
// server/server.h).
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "common/grammar_loader.h"
#include "common/tool_args.h"
#include "server/server.h"
#include "vexa/console/console_log.h"
#include "vexa/console/console_session.h"
#include "vexa/console/key_decoder.h"
#include "vexa/host/platform.h"
#include "vexa/host/raw_terminal.h"
#include "vexa/host/terminal.h"
#include "vexa/host/vexa_file_system.h"

namespace {

using vexaconsole::ConsoleSession;
using vexatools::kExitOk;
using vexatools::kExitUsage;

constexpr char kProgram[] = "vexa-cli";
// How long the rest of an escape sequence may take to arrive.
constexpr int kEscapeWaitMs = 50;

constexpr char kHelp[] =
    "usage: vexa-cli [--hostname NAME] [--config FILE] [--delta FILE] [--history FILE]\n"
    "                [--keys FILE|-] [--log FILE] [--resources DIR]\n"
    "       vexa-cli --listen [HOST:]PORT [--ssh-listen [HOST:]PORT --host-key FILE]\n"
    "                [--username U] [--password P] [--enable-secret S]\n"
    "                [--idle-timeout SECONDS] [--max-connections N] [device options]\n"
    "\n"
    "An emulated Cisco IOS device in your terminal: view, enable and configuration\n"
    "modes, \"?\" help, TAB completion, an Emacs-style line editor with history\n"
    "(^P/^N, ^R/^S search) and \"show running-config\" over the stored configuration.\n"
    "Leave with \"exit\" at the view prompt or ^D on an empty line.\n"
    "\n"
    "options:\n"
    "  --hostname NAME  the device's host name (default: the configuration's\n"
    "                   \"hostname\" line, else Router)\n"
    "  --config FILE    the device's stored configuration (default: the bundled\n"
    "                   sample router, samples/router.cfg in the resource folder)\n"
    "  --delta FILE     the device's delta file: the configuration commands of\n"
    "                   earlier sessions, read at start; this session's commands\n"
    "                   are added to it at exit\n"
    "  --history FILE   keep the line history in FILE across sessions\n"
    "  --keys FILE|-    take the keys from FILE (\"-\": standard input) instead of\n"
    "                   the keyboard and print the terminal text a user would see\n"
    "  --log FILE       append the console's log lines to FILE (default: no log)\n"
    "  --resources DIR  resource folder holding files/ and samples/\n"
    "\n"
    "serving the device to automation tools (netmiko, scrapli, Ansible, Expect):\n"
    "  --listen [HOST:]PORT      serve over telnet; HOST defaults to 127.0.0.1,\n"
    "                            so only this machine can connect; PORT 0 picks\n"
    "                            a free port (the server prints where it listens)\n"
    "  --ssh-listen [HOST:]PORT  serve over SSH (password authentication)\n"
    "  --host-key FILE           the SSH host key; created when missing\n"
    "  --username U, --password P\n"
    "                            the login (\"Username:\"/\"Password:\"); with only\n"
    "                            --password the device asks for the password\n"
    "                            alone; without either there is no login\n"
    "  --enable-secret S         the secret \"enable\" asks for\n"
    "  --idle-timeout SECONDS    close quiet connections (default 600, 0: never)\n"
    "  --max-connections N       connections at once (default 16)\n"
    "  Every connection runs in its own process; the delta file (a temporary one\n"
    "  without --delta) is the device's state, updated after every configuration\n"
    "  command and shared by all connections.  Served, \"show running-config\"\n"
    "  lists the running configuration itself.  SIGTERM stops the server.\n"
    "  -h, --help       show this help\n"
    "  --version        show the version\n"
    "\n"
    "exit status: 0 when the user left the device (served: after a clean stop),\n"
    "2 on usage or I/O errors, 128 + signal number after SIGINT, SIGTERM or SIGHUP.\n";

int usageError(const std::string& message) {
  vexatools::printError(kProgram, message);
  std::cerr << "Try 'vexa-cli --help'.\n";
  return kExitUsage;
}

// Standard output, with CR LF line ends while the terminal is in raw mode.
class Screen {
 public:
  explicit Screen(bool crlf) : crlf_(crlf) {}

  void write(const std::string& text) {
    if (text.empty()) return;
    std::string out;
    if (crlf_) {
      out.reserve(text.size() + 16);
      for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
      }
    }
    vexahost::writeOutput(STDOUT_FILENO, crlf_ ? out : text);
    atLineStart_ = text.back() == '\n';
  }
  // Leaves the user's shell a fresh line.
  void finishLine() {
    if (!atLineStart_) write("\n");
  }

 private:
  bool crlf_;
  bool atLineStart_ = true;
};

// Feeds keys to the session until the user leaves or a signal arrives.
// Returns false when the session ended for either reason.
bool feedKeys(ConsoleSession& session, const std::vector<std::string>& keys, Screen& screen) {
  for (const std::string& key : keys) {
    screen.write(session.key(key));
    if (session.finished() || vexahost::terminationSignal() != 0) return false;
  }
  return true;
}

void runKeyStream(ConsoleSession& session, const std::string& bytes, Screen& screen) {
  vexaconsole::KeyDecoder decoder;
  std::vector<std::string> keys;
  decoder.feed(bytes.data(), bytes.size(), keys);
  decoder.flush(keys);
  feedKeys(session, keys, screen);
}

// Reads the keyboard (or whatever standard input is) until the session ends.
void runKeyboard(ConsoleSession& session, Screen& screen) {
  vexaconsole::KeyDecoder decoder;
  std::vector<std::string> keys;
  char buffer[256];
  for (;;) {
    if (vexahost::terminationSignal() != 0) return;
    const int ready = vexahost::waitForInput(STDIN_FILENO, decoder.pending() ? kEscapeWaitMs : -1);
    if (ready < 0) return;  // a signal, or standard input is gone
    keys.clear();
    if (ready == 0) {
      decoder.flush(keys);
    } else {
      const long n = vexahost::readInput(STDIN_FILENO, buffer, sizeof buffer);
      if (n <= 0) {
        decoder.flush(keys);
        feedKeys(session, keys, screen);
        return;  // end of input, a hang-up or a signal
      }
      decoder.feed(buffer, static_cast<std::size_t>(n), keys);
    }
    if (!feedKeys(session, keys, screen)) return;
  }
}

std::string defaultConfigPath() {
  return vexahost::VexaFileSystem::GetSystemResourceFolder() + "samples" +
         vexahost::kPathSeparator + "router.cfg";
}

bool readCount(const vexatools::ParsedArgs& args, const std::string& option, int fallback,
               int minimum, int& count, std::string& error) {
  const std::string text = args.value(option, std::to_string(fallback));
  if (text.empty() || text.size() > 7 ||
      text.find_first_not_of("0123456789") != std::string::npos || std::stoi(text) < minimum) {
    error = option + " takes a number from " + std::to_string(minimum) + ", not '" + text + "'";
    return false;
  }
  count = std::stoi(text);
  return true;
}

// The served device: the options of --listen and --ssh-listen.
int serve(const vexatools::ParsedArgs& args) {
  for (const char* option : {"--keys", "--history"}) {
    if (args.has(option))
      return usageError(std::string(option) + " is for the terminal, not served");
  }
  vexaserver::ServerOptions options;
  std::string error;
  for (auto [option, endpoint] :
       {std::pair{"--listen", &options.telnet}, std::pair{"--ssh-listen", &options.ssh}}) {
    if (!args.has(option)) continue;
    endpoint->emplace();
    if (!vexaserver::parseEndpoint(args.value(option), **endpoint, error)) return usageError(error);
  }
  if (options.ssh && !args.has("--host-key"))
    return usageError("--ssh-listen needs --host-key FILE");
  if (args.has("--username") && !args.has("--password")) {
    return usageError("--username needs --password");
  }
  if (!readCount(args, "--idle-timeout", options.idleTimeoutSeconds, 0, options.idleTimeoutSeconds,
                 error) ||
      !readCount(args, "--max-connections", options.maxConnections, 1, options.maxConnections,
                 error)) {
    return usageError(error);
  }
  options.hostKeyPath = args.value("--host-key");
  vexaserver::ServedDevice& device = options.device;
  device.configPath = args.value("--config", defaultConfigPath());
  device.deltaPath = args.value("--delta");
  device.hostName = args.value("--hostname");
  device.username = args.value("--username");
  device.password = args.value("--password");
  device.enableSecret = args.value("--enable-secret");
  if (!vexatools::loadDeviceGrammar(kProgram)) return kExitUsage;
  return vexaserver::runServer(options, std::cout);
}

}  // namespace

int main(int argc, char** argv) {
  vexatools::ArgRules rules;
  rules.valueOptions = {
      "--hostname", "--config",        "--delta",        "--history",        "--keys",
      "--log",      "--listen",        "--ssh-listen",   "--host-key",       "--username",
      "--password", "--enable-secret", "--idle-timeout", "--max-connections"};
  vexatools::ParsedArgs args;
  std::string error;
  if (!vexatools::parseArgs(argc, argv, rules, args, error)) return usageError(error);
  if (args.help) {
    std::cout << kHelp;
    return kExitOk;
  }
  if (args.version) return vexatools::printVersion(kProgram);
  if (!args.positionals.empty()) {
    return usageError("unexpected argument '" + args.positionals.front() + "'");
  }
  if (!vexatools::applyResourceOption(args, error)) return usageError(error);
  if (args.value("--config") == "-") {
    return usageError("the configuration must be a file: standard input carries the keys");
  }
  if (args.has("--log")) {
    if (!vexaconsole::logConsoleToFile(args.value("--log"), error)) {
      vexatools::printError(kProgram, error);
      return kExitUsage;
    }
  } else {
    vexaconsole::logConsoleNowhere();
  }
  if (args.has("--listen") || args.has("--ssh-listen")) return serve(args);
  for (const char* option : {"--host-key", "--username", "--password", "--enable-secret",
                             "--idle-timeout", "--max-connections"}) {
    if (args.has(option))
      return usageError(std::string(option) + " needs --listen or --ssh-listen");
  }
  if (!vexatools::loadDeviceGrammar(kProgram)) return kExitUsage;

  vexaconsole::ConsoleSessionOptions options;
  options.configPath = args.value("--config", defaultConfigPath());
  options.deltaPath = args.value("--delta");
  options.historyPath = args.value("--history");
  options.hostName = args.value("--hostname");
  std::string keyBytes;
  const bool scripted = args.has("--keys");
  if (scripted && !vexatools::readInput(args.value("--keys"), keyBytes, error)) {
    vexatools::printError(kProgram, error);
    return kExitUsage;
  }
  ConsoleSession session;
  if (!session.open(options, error)) {
    vexatools::printError(kProgram, error);
    return kExitUsage;
  }

  vexahost::catchTerminationSignals();
  bool raw = false;
  if (scripted) {
    // Scripted keys are shown as a terminal would show them.
    vexahost::setTerminalOverride(true);
  } else if (isatty(STDIN_FILENO) == 1) {
    raw = vexahost::enterRawMode(STDIN_FILENO);
    if (!raw) {
      vexatools::printError(kProgram, "cannot put the terminal into raw mode");
      return kExitUsage;
    }
    const int columns = vexahost::terminalColumns(STDOUT_FILENO);
    if (columns >= 21) session.editor().Gl_setwidth(columns);
  }
  Screen screen(raw && isatty(STDOUT_FILENO) == 1);
  screen.write(session.start());
  if (scripted) {
    runKeyStream(session, keyBytes, screen);
  } else {
    runKeyboard(session, screen);
  }
  screen.finishLine();
  vexahost::restoreTerminalModes();

  int status = kExitOk;
  if (!session.close(error)) {
    vexatools::printError(kProgram, error);
    status = kExitUsage;
  }
  if (const int signal = vexahost::terminationSignal(); signal != 0 && status == kExitOk) {
    status = 128 + signal;
  }
  return status;
}
