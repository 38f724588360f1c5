#include "server/telnet_negotiation.h"

namespace vexaserver {

namespace {

bool serverOffers(std::uint8_t option) {
  return option == kOptionEcho || option == kOptionSuppressGoAhead;
}

bool serverWants(std::uint8_t option) {
  return option == kOptionSuppressGoAhead || option == kOptionWindowSize;
}

}  // namespace

std::string telnetCommand(std::uint8_t verb, std::uint8_t option) {
  return {static_cast<char>(kTelnetIac), static_cast<char>(verb), static_cast<char>(option)};
}

std::string telnetEscape(const std::string& data) {
  std::string out;
  out.reserve(data.size());
  for (char c : data) {
    out += c;
    if (static_cast<std::uint8_t>(c) == kTelnetIac) out += c;
  }
  return out;
}

std::string TelnetNegotiation::opening() {
  std::string out;
  for (std::uint8_t option : {kOptionEcho, kOptionSuppressGoAhead}) {
    local_[option] = Side::kAsked;
    out += telnetCommand(kTelnetWill, option);
  }
  for (std::uint8_t option : {kOptionSuppressGoAhead, kOptionWindowSize}) {
    remote_[option] = Side::kAsked;
    out += telnetCommand(kTelnetDo, option);
  }
  return out;
}

std::string TelnetNegotiation::answer(const TelnetEvent& event) {
  const std::uint8_t option = event.code;
  switch (event.kind) {
    case TelnetEventKind::kDo:
      if (!serverOffers(option)) return telnetCommand(kTelnetWont, option);
      if (local_[option] == Side::kOff) {
        local_[option] = Side::kOn;
        return telnetCommand(kTelnetWill, option);
      }
      local_[option] = Side::kOn;  // the answer to our offer
      return {};
    case TelnetEventKind::kDont: {
      const bool wasOn = local_[option] == Side::kOn;
      local_[option] = Side::kOff;
      return wasOn ? telnetCommand(kTelnetWont, option) : std::string();
    }
    case TelnetEventKind::kWill:
      if (!serverWants(option)) return telnetCommand(kTelnetDont, option);
      if (remote_[option] == Side::kOff) {
        remote_[option] = Side::kOn;
        return telnetCommand(kTelnetDo, option);
      }
      remote_[option] = Side::kOn;
      return {};
    case TelnetEventKind::kWont: {
      const bool wasOn = remote_[option] == Side::kOn;
      remote_[option] = Side::kOff;
      return wasOn ? telnetCommand(kTelnetDont, option) : std::string();
    }
    case TelnetEventKind::kSubnegotiation: {
      int columns = 0;
      int rows = 0;
      if (windowSizeOf(event, columns, rows)) {
        columns_ = columns;
        rows_ = rows;
      }
      return {};
    }
    case TelnetEventKind::kCommand:
      return {};
  }
  return {};
}

}  // namespace vexaserver
