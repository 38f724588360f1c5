// TelnetParser: the receiving side of the telnet protocol, with no I/O.
//
// The bytes a telnet client sends are the user's data interleaved with
// commands that begin with IAC (255): option negotiation (WILL, WONT, DO,
// DONT and an option code), subnegotiation (SB option ... SE, e.g. the
// window size) and one-byte commands (NOP, interrupt, break, ...).  The
// parser separates the two: data bytes go to one text, everything else
// becomes events.  A sequence cut at the end of one call is completed by the
// next one, so a connection feeds whatever each read returned.
//
// The parser undoes the protocol's escapes: IAC IAC is one data byte 255,
// CR NUL (a bare carriage return) is CR.  CR LF stays as it is: what counts
// as Enter is the caller's business.  Subnegotiation payloads longer than
// kMaxSubnegotiation bytes are cut to that length.  Pure and total: any
// byte string is accepted.  Used by the telnet front end of vexa-cli.
#ifndef VEXA_TOOLS_SERVER_TELNET_PARSER_H_
#define VEXA_TOOLS_SERVER_TELNET_PARSER_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vexaserver {

// Protocol bytes.
inline constexpr std::uint8_t kTelnetIac = 255;
inline constexpr std::uint8_t kTelnetDont = 254;
inline constexpr std::uint8_t kTelnetDo = 253;
inline constexpr std::uint8_t kTelnetWont = 252;
inline constexpr std::uint8_t kTelnetWill = 251;
inline constexpr std::uint8_t kTelnetSb = 250;
inline constexpr std::uint8_t kTelnetSe = 240;
// Option codes the server negotiates.
inline constexpr std::uint8_t kOptionEcho = 1;
inline constexpr std::uint8_t kOptionSuppressGoAhead = 3;
inline constexpr std::uint8_t kOptionWindowSize = 31;

enum class TelnetEventKind {
  kWill,
  kWont,
  kDo,
  kDont,
  kSubnegotiation,  // code: the option; payload: the bytes up to IAC SE
  kCommand,         // code: the command byte (NOP, IP, BRK, AYT, ...)
};

struct TelnetEvent {
  TelnetEventKind kind = TelnetEventKind::kCommand;
  std::uint8_t code = 0;
  std::string payload;

  bool operator==(const TelnetEvent&) const = default;
};

class TelnetParser {
 public:
  static constexpr std::size_t kMaxSubnegotiation = 64;

  // Consumes size bytes: data bytes are appended to data, negotiation and
  // commands to events, in the order they arrived within each.
  void feed(const char* bytes, std::size_t size, std::string& data,
            std::vector<TelnetEvent>& events);

 private:
  enum class State { kData, kDataCr, kIac, kOption, kSubOption, kSubData, kSubIac };

  State state_ = State::kData;
  std::uint8_t verb_ = 0;  // WILL/WONT/DO/DONT awaiting its option
  TelnetEvent sub_;
};

// The window size of a window-size subnegotiation: false when event is not
// one or its payload is not the four bytes of width and height.
bool windowSizeOf(const TelnetEvent& event, int& columns, int& rows);

}  // namespace vexaserver

#endif  // VEXA_TOOLS_SERVER_TELNET_PARSER_H_
