#include "server/telnet_parser.h"

namespace vexaserver {

namespace {

bool isVerb(std::uint8_t byte) { return byte >= kTelnetWill && byte <= kTelnetDont; }

TelnetEventKind verbKind(std::uint8_t verb) {
  switch (verb) {
    case kTelnetWill:
      return TelnetEventKind::kWill;
    case kTelnetWont:
      return TelnetEventKind::kWont;
    case kTelnetDo:
      return TelnetEventKind::kDo;
    default:
      return TelnetEventKind::kDont;
  }
}

}  // namespace

void TelnetParser::feed(const char* bytes, std::size_t size, std::string& data,
                        std::vector<TelnetEvent>& events) {
  for (std::size_t i = 0; i < size; ++i) {
    const auto byte = static_cast<std::uint8_t>(bytes[i]);
    switch (state_) {
      case State::kDataCr:
        state_ = State::kData;
        if (byte == 0) break;  // CR NUL: the NUL only marks a bare CR
        [[fallthrough]];
      case State::kData:
        if (byte == kTelnetIac) {
          state_ = State::kIac;
        } else {
          data += static_cast<char>(byte);
          if (byte == '\r') state_ = State::kDataCr;
        }
        break;
      case State::kIac:
        if (byte == kTelnetIac) {
          data += static_cast<char>(byte);
          state_ = State::kData;
        } else if (isVerb(byte)) {
          verb_ = byte;
          state_ = State::kOption;
        } else if (byte == kTelnetSb) {
          state_ = State::kSubOption;
        } else {
          // SE outside a subnegotiation is reported like any other command.
          events.push_back({TelnetEventKind::kCommand, byte, {}});
          state_ = State::kData;
        }
        break;
      case State::kOption:
        events.push_back({verbKind(verb_), byte, {}});
        state_ = State::kData;
        break;
      case State::kSubOption:
        sub_ = {TelnetEventKind::kSubnegotiation, byte, {}};
        state_ = byte == kTelnetIac ? State::kSubIac : State::kSubData;
        break;
      case State::kSubData:
        if (byte == kTelnetIac) {
          state_ = State::kSubIac;
        } else if (sub_.payload.size() < kMaxSubnegotiation) {
          sub_.payload += static_cast<char>(byte);
        }
        break;
      case State::kSubIac:
        if (byte == kTelnetIac) {
          if (sub_.payload.size() < kMaxSubnegotiation) sub_.payload += static_cast<char>(byte);
          state_ = State::kSubData;
          break;
        }
        // IAC SE ends the subnegotiation; any other command ends it too
        // (the client broke the rule) and is then taken as a command.
        events.push_back(std::move(sub_));
        sub_ = {};
        state_ = State::kData;
        if (byte != kTelnetSe) {
          state_ = State::kIac;
          --i;  // the byte again, now as the command after IAC
        }
        break;
    }
  }
}

bool windowSizeOf(const TelnetEvent& event, int& columns, int& rows) {
  if (event.kind != TelnetEventKind::kSubnegotiation || event.code != kOptionWindowSize ||
      event.payload.size() != 4) {
    return false;
  }
  const auto at = [&event](std::size_t i) { return static_cast<std::uint8_t>(event.payload[i]); };
  columns = at(0) * 256 + at(1);
  rows = at(2) * 256 + at(3);
  return true;
}

}  // namespace vexaserver
