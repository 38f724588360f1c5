// libFuzzer target: the telnet option parser of the network front end.  The
// bytes are fed whole and again in pieces whose sizes the input's first
// byte picks: a sequence cut at a read boundary must give the same data and
// the same events as one read.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "server/telnet_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::size_t step = 1 + data[0] % 7;
  const char* bytes = reinterpret_cast<const char*>(data + 1);
  const std::size_t length = size - 1;

  vexaserver::TelnetParser whole;
  std::string wholeData;
  std::vector<vexaserver::TelnetEvent> wholeEvents;
  whole.feed(bytes, length, wholeData, wholeEvents);

  vexaserver::TelnetParser pieces;
  std::string pieceData;
  std::vector<vexaserver::TelnetEvent> pieceEvents;
  for (std::size_t at = 0; at < length; at += step) {
    pieces.feed(bytes + at, std::min(step, length - at), pieceData, pieceEvents);
  }
  if (wholeData != pieceData || wholeEvents != pieceEvents) std::abort();
  for (const vexaserver::TelnetEvent& event : wholeEvents) {
    if (event.payload.size() > vexaserver::TelnetParser::kMaxSubnegotiation) std::abort();
    int columns = 0;
    int rows = 0;
    vexaserver::windowSizeOf(event, columns, rows);
  }
  return 0;
}
