#include "vexa/host/raw_terminal.h"

#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace vexahost {
namespace {

// Saved by enterRawMode, read by the exit and signal paths.
struct termios savedModes;
volatile sig_atomic_t savedFd = -1;
volatile sig_atomic_t firstSignal = 0;

void onTerminationSignal(int signal) {
  if (firstSignal == signal) {
    restoreTerminalModes();
    ::_exit(128 + signal);
  }
  if (firstSignal == 0) firstSignal = signal;
}

}  // namespace

bool enterRawMode(int fd) {
  struct termios modes;
  if (::isatty(fd) != 1 || ::tcgetattr(fd, &modes) != 0) return false;
  static bool exitHookSet = false;
  if (!exitHookSet) {
    exitHookSet = ::atexit(restoreTerminalModes) == 0;
  }
  savedModes = modes;
  savedFd = fd;
  modes.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR |
                                          ICRNL | IXON | IXOFF);
  modes.c_oflag &= ~static_cast<tcflag_t>(OPOST);
  modes.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  modes.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB);
  modes.c_cflag |= CS8;
  modes.c_cc[VMIN] = 1;
  modes.c_cc[VTIME] = 0;
  if (::tcsetattr(fd, TCSAFLUSH, &modes) != 0) {
    savedFd = -1;
    return false;
  }
  return true;
}

void restoreTerminalModes() {
  const int fd = savedFd;
  if (fd < 0) return;
  ::tcsetattr(fd, TCSAFLUSH, &savedModes);
  savedFd = -1;
}

int terminalColumns(int fd) {
  struct winsize size;
  if (::ioctl(fd, TIOCGWINSZ, &size) != 0) return 0;
  return size.ws_col;
}

int waitForInput(int fd, int timeoutMs) {
  struct pollfd entry = {fd, POLLIN, 0};
  const int n = ::poll(&entry, 1, timeoutMs < 0 ? -1 : timeoutMs);
  if (n < 0) return -1;
  return n == 0 ? 0 : 1;
}

long readInput(int fd, char* buffer, std::size_t size) {
  const ssize_t n = ::read(fd, buffer, size);
  return n < 0 ? -1 : static_cast<long>(n);
}

bool writeOutput(int fd, const std::string& text) {
  const char* data = text.data();
  std::size_t left = text.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, data, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

void catchTerminationSignals() {
  struct sigaction action = {};
  action.sa_handler = onTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART: a blocking read returns early
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) ::sigaction(signal, &action, nullptr);
  ::signal(SIGPIPE, SIG_IGN);
}

int terminationSignal() { return firstSignal; }

}  // namespace vexahost
