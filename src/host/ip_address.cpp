#include "vexa/host/ip_address.h"

#include <cstddef>

namespace vexahost {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Parses one dotted quad starting at text[pos], stopping at `end`; on success
// pos is left just after the last group.
bool parseQuad(const std::string& text, std::size_t& pos, std::size_t end) {
  for (int group = 0; group < 4; ++group) {
    if (group > 0) {
      if (pos >= end || text[pos] != '.') return false;
      ++pos;
    }
    std::size_t digits = 0;
    int value = 0;
    while (pos < end && isDigit(text[pos])) {
      if (++digits > 3) return false;
      value = value * 10 + (text[pos] - '0');
      ++pos;
    }
    if (digits == 0 || value > 255) return false;
  }
  return true;
}

}  // namespace

bool IpAddress::isValidIpAddress(const std::string& text) {
  std::size_t pos = 0;
  return parseQuad(text, pos, text.size()) && pos == text.size();
}

bool IpAddress::isValidIpAddressAndMaskLen(const std::string& text) {
  const std::size_t slash = text.find('/');
  if (slash == std::string::npos) return false;
  std::size_t pos = 0;
  if (!parseQuad(text, pos, slash) || pos != slash) return false;
  const std::size_t maskLen = text.size() - slash - 1;
  if (maskLen < 1 || maskLen > 2) return false;
  int mask = 0;
  for (std::size_t i = slash + 1; i < text.size(); ++i) {
    if (!isDigit(text[i])) return false;
    mask = mask * 10 + (text[i] - '0');
  }
  return mask <= 32;
}

}  // namespace vexahost
