// TelnetNegotiation: the server's side of telnet option negotiation, with
// no I/O.
//
// The server offers what a terminal client expects from a device: it
// echoes (WILL ECHO), sends no go-ahead (WILL SUPPRESS-GO-AHEAD), asks the
// client to do the same (DO SUPPRESS-GO-AHEAD) and to report its window size
// (DO NAWS).  Every other option is refused.  Each option keeps a state per
// side, and an answer is sent only when a state changes, so that two
// parties never loop on the same option.  The device echoes in any case:
// a client that refuses ECHO (as scripting libraries do) still receives the
// echo a router's line would give it.
//
// Used by the telnet front end of vexa-cli with the events of TelnetParser.
#ifndef VEXA_TOOLS_SERVER_TELNET_NEGOTIATION_H_
#define VEXA_TOOLS_SERVER_TELNET_NEGOTIATION_H_

#include <array>
#include <cstdint>
#include <string>

#include "server/telnet_parser.h"

namespace vexaserver {

class TelnetNegotiation {
 public:
  // The bytes the server sends first: its offers and requests.
  std::string opening();

  // The bytes that answer one event (possibly none).  A window-size report
  // also updates columns() and rows().
  std::string answer(const TelnetEvent& event);

  // The client's window, 0 while it has not reported one (or reported 0).
  int columns() const { return columns_; }
  int rows() const { return rows_; }
  // Whether the option is on for the server's side / the client's side.
  bool localEnabled(std::uint8_t option) const { return local_[option] == Side::kOn; }
  bool remoteEnabled(std::uint8_t option) const { return remote_[option] == Side::kOn; }

 private:
  enum class Side : std::uint8_t { kOff, kAsked, kOn };

  std::array<Side, 256> local_{};
  std::array<Side, 256> remote_{};
  int columns_ = 0;
  int rows_ = 0;
};

// IAC verb option.
std::string telnetCommand(std::uint8_t verb, std::uint8_t option);

// Data for a telnet connection: every data byte 255 doubled.
std::string telnetEscape(const std::string& data);

}  // namespace vexaserver

#endif  // VEXA_TOOLS_SERVER_TELNET_NEGOTIATION_H_
