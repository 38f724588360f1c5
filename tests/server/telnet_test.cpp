// The telnet protocol parser and the server's option negotiation: tables of
// byte strings, fed whole and one byte at a time.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "server/telnet_negotiation.h"
#include "server/telnet_parser.h"

namespace vexaserver {
namespace {

using Kind = TelnetEventKind;
using Events = std::vector<TelnetEvent>;

const std::string kIac = "\xff";

std::string bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out += static_cast<char>(v);
  return out;
}

struct ParserCase {
  const char* name;
  std::string input;
  std::string data;
  Events events;
};

std::vector<ParserCase> parserCases() {
  const std::string windowSize = bytes({0, 80, 0, 24});
  // clang-format off
  return {
      {"plain data", "show run\r\n", "show run\r\n", {}},
      {"CR NUL is a bare CR", std::string("a\r\0b", 4), "a\rb", {}},
      {"doubled IAC is data 255", "x" + kIac + kIac + "y", "x\xffy", {}},
      {"negotiation between data", "a" + bytes({255, 251, 24}) + "b" + bytes({255, 254, 1}), "ab",
       {{Kind::kWill, 24, ""}, {Kind::kDont, 1, ""}}},
      {"window size", bytes({255, 250, 31, 0, 132, 0, 50, 255, 240}), "",
       {{Kind::kSubnegotiation, 31, bytes({0, 132, 0, 50})}}},
      {"IAC doubled in a subnegotiation", bytes({255, 250, 31, 0, 255, 255, 0, 24, 255, 240}), "",
       {{Kind::kSubnegotiation, 31, bytes({0, 255, 0, 24})}}},
      {"one-byte commands", bytes({255, 241, 'a', 255, 244}), "a",
       {{Kind::kCommand, 241, ""}, {Kind::kCommand, 244, ""}}},
      {"a command ends a subnegotiation the client did not close",
       bytes({255, 250, 24, 'x', 255, 253, 1}), "",
       {{Kind::kSubnegotiation, 24, "x"}, {Kind::kDo, 1, ""}}},
      {"a long subnegotiation is cut",
       bytes({255, 250, 24}) + std::string(200, 'z') + bytes({255, 240}) + "ok", "ok",
       {{Kind::kSubnegotiation, 24, std::string(TelnetParser::kMaxSubnegotiation, 'z')}}},
      {"a cut sequence waits", "a" + bytes({255, 250, 31, 0}), "a", {}},
      // Fed a byte at a time, the window size is cut at every read boundary.
      {"a NUL after a negotiation is data, not the end of a CR NUL",
       "a\r" + bytes({255, 250, 31}) + windowSize + bytes({255, 240, 0}) + "b",
       std::string("a\r\0b", 4), {{Kind::kSubnegotiation, 31, windowSize}}},
  };
  // clang-format on
}

TEST(TelnetParserTest, SeparatesDataFromNegotiationWhateverTheReadsAre) {
  for (const ParserCase& c : parserCases()) {
    for (bool byteByByte : {false, true}) {
      TelnetParser parser;
      std::string data;
      Events events;
      if (byteByByte) {
        for (char b : c.input) parser.feed(&b, 1, data, events);
      } else {
        parser.feed(c.input.data(), c.input.size(), data, events);
      }
      EXPECT_EQ(data, c.data) << c.name << (byteByByte ? " (byte by byte)" : "");
      EXPECT_EQ(events, c.events) << c.name << (byteByByte ? " (byte by byte)" : "");
    }
  }
}

// What the server answers to each client message after its opening.
struct NegotiationCase {
  const char* name;
  TelnetEvent event;
  std::string answer;
};

TEST(TelnetNegotiationTest, AnswersOnlyWhenAnOptionChangesState) {
  const std::vector<NegotiationCase> cases = {
      {"DO ECHO acknowledges the offer", {Kind::kDo, kOptionEcho, ""}, ""},
      {"WILL NAWS acknowledges the request", {Kind::kWill, kOptionWindowSize, ""}, ""},
      {"unknown DO is refused", {Kind::kDo, 24, ""}, telnetCommand(kTelnetWont, 24)},
      {"unknown WILL is refused", {Kind::kWill, 39, ""}, telnetCommand(kTelnetDont, 39)},
      {"DONT ECHO refuses the offer silently", {Kind::kDont, kOptionEcho, ""}, ""},
      {"WONT NAWS refuses the request silently", {Kind::kWont, kOptionWindowSize, ""}, ""},
  };
  for (const NegotiationCase& c : cases) {
    TelnetNegotiation negotiation;
    negotiation.opening();
    EXPECT_EQ(negotiation.answer(c.event), c.answer) << c.name;
  }
}

TEST(TelnetNegotiationTest, OpensWithEchoSuppressGoAheadAndWindowSize) {
  TelnetNegotiation negotiation;
  EXPECT_EQ(negotiation.opening(), telnetCommand(kTelnetWill, kOptionEcho) +
                                       telnetCommand(kTelnetWill, kOptionSuppressGoAhead) +
                                       telnetCommand(kTelnetDo, kOptionSuppressGoAhead) +
                                       telnetCommand(kTelnetDo, kOptionWindowSize));
  negotiation.answer({Kind::kDo, kOptionEcho, ""});
  EXPECT_TRUE(negotiation.localEnabled(kOptionEcho));
  // Once on, a repeated DO is not answered again (no loop), and DONT is.
  EXPECT_EQ(negotiation.answer({Kind::kDo, kOptionEcho, ""}), "");
  EXPECT_EQ(negotiation.answer({Kind::kDont, kOptionEcho, ""}),
            telnetCommand(kTelnetWont, kOptionEcho));
  EXPECT_FALSE(negotiation.localEnabled(kOptionEcho));
  negotiation.answer({Kind::kSubnegotiation, kOptionWindowSize, bytes({1, 0, 0, 40})});
  EXPECT_EQ(negotiation.columns(), 256);
  EXPECT_EQ(negotiation.rows(), 40);
  // A malformed window report changes nothing.
  negotiation.answer({Kind::kSubnegotiation, kOptionWindowSize, bytes({0, 80})});
  EXPECT_EQ(negotiation.columns(), 256);
}

TEST(TelnetNegotiationTest, EscapeDoublesEveryIac) {
  EXPECT_EQ(telnetEscape(bytes({'a', 255, 'b', 255, 255})),
            bytes({'a', 255, 255, 'b', 255, 255, 255, 255}));
}

}  // namespace
}  // namespace vexaserver
