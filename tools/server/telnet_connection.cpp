// serveTelnet: one telnet client in its own process.
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <vector>

#include "server/connections.h"
#include "server/telnet_negotiation.h"
#include "server/telnet_parser.h"
#include "vexa/host/raw_terminal.h"

namespace vexaserver {

namespace {

using Clock = std::chrono::steady_clock;

// How long the rest of an escape sequence may take to arrive.
constexpr int kEscapeWaitMs = 50;
// How often a quiet connection looks at the clock and the signals.
constexpr int kTickMs = 1000;

bool idleTooLong(Clock::time_point last, const ConnectionLimits& limits) {
  return limits.idleTimeoutSeconds > 0 &&
         Clock::now() - last >= std::chrono::seconds(limits.idleTimeoutSeconds);
}

void finish(int fd) {
  ::shutdown(fd, SHUT_RDWR);
  ::close(fd);
}

}  // namespace

int serveTelnet(int fd, const ServedDevice& device, const ConnectionLimits& limits) {
  ServedSession session;
  std::string error;
  if (!session.open(device, false, error)) {
    vexahost::writeOutput(fd, "% " + error + "\r\n");
    finish(fd);
    return 1;
  }
  TelnetNegotiation negotiation;
  TelnetParser parser;
  bool open = vexahost::writeOutput(fd, negotiation.opening() + telnetEscape(session.start()));
  Clock::time_point last = Clock::now();
  std::vector<char> buffer(4096);
  std::string data;
  std::vector<TelnetEvent> events;
  while (open && !session.finished() && vexahost::terminationSignal() == 0) {
    const int ready = vexahost::waitForInput(fd, session.keysPending() ? kEscapeWaitMs : kTickMs);
    if (ready < 0) break;
    if (ready == 0) {
      if (session.keysPending())
        open = vexahost::writeOutput(fd, telnetEscape(session.flushKeys()));
      if (idleTooLong(last, limits)) break;
      continue;
    }
    const long n = vexahost::readInput(fd, buffer.data(), buffer.size());
    if (n <= 0) break;
    last = Clock::now();
    data.clear();
    events.clear();
    parser.feed(buffer.data(), static_cast<std::size_t>(n), data, events);
    std::string out;
    for (const TelnetEvent& event : events) {
      out += negotiation.answer(event);
      if (event.kind == TelnetEventKind::kSubnegotiation && event.code == kOptionWindowSize) {
        session.setWindow(negotiation.columns(), negotiation.rows());
      }
    }
    out += telnetEscape(session.input(data));
    open = vexahost::writeOutput(fd, out);
  }
  finish(fd);
  return 0;
}

}  // namespace vexaserver
