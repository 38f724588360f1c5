// The token-type checks of ParserToolCase: whether a typed word is a valid
// value of a token type of the mode files, and keyword abbreviation.
//
// Upper bounds are compared as digit strings before any number is formed, so
// values up to 4294967295 never overflow; numbers are formed only from digit
// strings already known to be in range.
#include <cstdint>
#include <locale>
#include <sstream>
#include <string>
#include <string_view>

#include "vexa/host/ip_address.h"
#include "vexa/parser/parser_tool_case.h"

namespace vexaparser {

namespace {

constexpr std::string_view kMaxUint32 = "4294967295";
constexpr std::string_view kMaxOui = "16777215";

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLowerHexLetter(char c) { return c >= 'a' && c <= 'f'; }

// s without its leading zeros; "0" when nothing else remains.
std::string_view stripLeadingZeros(std::string_view s) {
  size_t first = s.find_first_not_of('0');
  if (first == std::string_view::npos) return "0";
  return s.substr(first);
}

// The value of the leading decimal digits of s (0 when there are none),
// saturated at the largest unsigned 32-bit value the way a 32-bit strtoul
// does.
uint32_t leadingDigitsValue(std::string_view s) {
  uint64_t value = 0;
  for (size_t i = 0; i < s.size() && isDigit(s[i]); ++i) {
    value = value * 10 + static_cast<uint64_t>(s[i] - '0');
    if (value > UINT32_MAX) return UINT32_MAX;
  }
  return static_cast<uint32_t>(value);
}

// The bounds of a range type "<lo-hi>": lo is what lies between the first
// character and the first "-", hi what follows that "-" up to the last
// character.  False when the type has no "-".
bool rangeBounds(std::string_view type, std::string_view& lo, std::string_view& hi) {
  size_t dash = type.find('-');
  if (dash == std::string_view::npos) return false;
  lo = dash >= 1 ? type.substr(1, dash - 1) : std::string_view();
  size_t hi_begin = dash + 1;
  size_t hi_end = type.size() - 1;  // type is not empty: it holds the dash
  hi = hi_begin < hi_end ? type.substr(hi_begin, hi_end - hi_begin) : std::string_view();
  return true;
}

// Splits at the first ":"; without one, both halves are the whole input.
void splitAtColon(const std::string& input, std::string& left, std::string& right) {
  size_t colon = input.find(':');
  if (colon == std::string::npos) {
    left = input;
    right = input;
    return;
  }
  left = input.substr(0, colon);
  right = input.substr(colon + 1);
}

// Reads one int from the front of in with the classic stream rules.
bool readInt(std::istringstream& in, int& value) { return static_cast<bool>(in >> value); }

std::istringstream classicStream(const std::string& input) {
  std::istringstream in(input);
  in.imbue(std::locale::classic());
  return in;
}

// Reads one integer with the stream rules (leading blanks, optional sign,
// trailing text ignored) and tells whether it lies in [lo, hi].
bool leadingIntInRange(const std::string& input, int lo, int hi) {
  std::istringstream in = classicStream(input);
  int value = 0;
  if (!readInt(in, value)) return false;
  return value >= lo && value <= hi;
}

}  // namespace

bool ParserToolCase::isStringNum(const std::string& s) {
  for (char c : s) {
    if (!isDigit(c)) return false;
  }
  return true;
}

bool ParserToolCase::isStringHexNum(const std::string& s) {
  for (char c : s) {
    if (!isDigit(c) && !isLowerHexLetter(c)) return false;
  }
  return true;
}

bool ParserToolCase::isStringOnlyHexNum(const std::string& s) {
  // Only the characters up to the first hexadecimal letter are looked at.
  for (char c : s) {
    if (isLowerHexLetter(c)) return true;
    if (!isDigit(c)) return false;
  }
  return false;
}

bool ParserToolCase::isValidNumber(const std::string& a, const std::string& b) {
  if (!isStringNum(a) && !isStringHexNum(a)) return false;
  if (!isStringNum(b) && !isStringHexNum(b)) return false;
  std::string_view sa = stripLeadingZeros(a);
  std::string_view sb = stripLeadingZeros(b);
  if (sa.size() != sb.size()) return sa.size() < sb.size();
  // Digits sort below "a" to "f", so this also orders lower-case hexadecimal.
  return sa <= sb;
}

bool ParserToolCase::isValidInput(const std::string& type, const std::string& input) {
  if (input == type) return true;
  if (isPvFormStr(input)) return false;
  if (type.find('-') == std::string::npos) {
    if (type == "<hh:mm>") return isValidTime(input);
    if (type == "<month>") return isMonth(input);
    if (type == "<day>") return isDay(input);
    if (type == "<a.b.c.d>") return vexahost::IpAddress::isValidIpAddress(input);
    if (type == "<h.h.h>") return isMAC(input);
    // "<hostname or a.b.c.d>" and every other bracketed name take any word.
    return true;
  }
  if (input.find('.') != std::string::npos) {
    // Neither a decimal nor a hexadecimal number has a dot: only a range
    // written with dots takes a dotted word, and never an address.
    if (type.find('.') == std::string::npos) return false;
    return !vexahost::IpAddress::isValidIpAddress(input);
  }
  if (isValidRange(type, input)) return true;
  return isValidHexRange(type, input);
}

bool ParserToolCase::isValidRange(const std::string& type, const std::string& input) {
  if (type.find('.') != std::string::npos) {
    return input.find('.') != std::string::npos && !vexahost::IpAddress::isValidIpAddress(input);
  }
  if (!isStringNum(input)) return false;
  std::string_view lo_text;
  std::string_view hi_text;
  if (!rangeBounds(type, lo_text, hi_text)) return false;
  uint32_t lo = leadingDigitsValue(lo_text);
  uint32_t hi = leadingDigitsValue(hi_text);
  std::string_view d = stripLeadingZeros(input);
  if (d.size() > hi_text.size()) return false;
  if (d.size() == hi_text.size() && d > hi_text) return false;
  uint32_t value = leadingDigitsValue(d);
  return lo <= value && value <= hi;
}

bool ParserToolCase::isValidHexRange(const std::string& type, const std::string& input) {
  if (!isStringHexNum(input)) return false;
  std::string_view lo_view;
  std::string_view hi_view;
  if (!rangeBounds(type, lo_view, hi_view)) return false;
  const std::string lo_text(lo_view);
  const std::string hi_text(hi_view);
  // A range is hexadecimal only when one of its bounds needs a letter.
  if (!isStringOnlyHexNum(hi_text) && !isStringOnlyHexNum(lo_text)) return false;
  return isValidNumber(input, hi_text) && isValidNumber(lo_text, input);
}

bool ParserToolCase::isValidTime(const std::string& input) {
  std::istringstream in = classicStream(input);
  int hours = 0;
  char separator = 0;
  int minutes = 0;
  // The separator is any one non-blank character: "7.5" is a time.
  if (!readInt(in, hours)) return false;
  if (!(in >> separator)) return false;
  if (!readInt(in, minutes)) return false;
  return hours >= 0 && hours <= 24 && minutes >= 0 && minutes <= 60;
}

bool ParserToolCase::isMonth(const std::string& input) { return leadingIntInRange(input, 1, 12); }

bool ParserToolCase::isDay(const std::string& input) { return leadingIntInRange(input, 1, 31); }

bool ParserToolCase::isMAC(const std::string& input) {
  // The whole token must be three dot-separated groups of four hexadecimal
  // digits: "0011.22aa.BBcc".
  if (input.size() != 14) return false;
  for (size_t i = 0; i < input.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(input[i]);
    if (i % 5 == 4) {
      if (c != '.') return false;
    } else if (!(isDigit(static_cast<char>(c)) || (c >= 'a' && c <= 'f') ||
                 (c >= 'A' && c <= 'F'))) {
      return false;
    }
  }
  return true;
}

bool ParserToolCase::isNewValidInput(const std::string& type, const std::string& input) {
  if (input == "\n") return false;
  if (input == type) return true;
  if (type == "a.b.c.d") return vexahost::IpAddress::isValidIpAddress(input);
  if (type == "a.b.c.d/<1-32>") return vexahost::IpAddress::isValidIpAddressAndMaskLen(input);

  const std::string max_uint32(kMaxUint32);
  if (type == "oui:vpn-index") {
    std::string left;
    std::string right;
    splitAtColon(input, left, right);
    if (!isStringNum(left) || !isStringNum(right)) return false;
    return isValidNumber(left, std::string(kMaxOui)) && isValidNumber(right, max_uint32);
  }
  // "asn:nn or ip-address:nn", "aa:nn" and every other type with a colon.
  if (type.find(':') != std::string::npos) {
    std::string left;
    std::string right;
    splitAtColon(input, left, right);
    if (!isStringNum(right) || !isValidNumber(right, max_uint32)) return false;
    if (!isStringNum(left)) return vexahost::IpAddress::isValidIpAddress(left);
    return isValidNumber(left, max_uint32);
  }
  if (type == "id") return isStringNum(input) && isValidNumber(input, max_uint32);
  if (type == "+/-<metric>" || type == "+/-<delay>") {
    if (input.empty() || (input[0] != '+' && input[0] != '-')) return false;
    if (input.size() == 1) return true;
    std::string rest = input.substr(1);
    if (!isStringNum(rest) || !isValidNumber(rest, max_uint32)) return false;
    // A delay is at least 1; a metric may be 0.
    return type == "+/-<metric>" || isValidNumber("1", rest);
  }
  if (type == "h.h.h") return isMAC(input);
  return false;
}

bool ParserToolCase::acceptsOtherInput(const std::string& type) {
  // The types isNewValidInput knows, in its order; every bracketed type goes
  // to isValidInput.
  return isPvFormStr(type) || type == "a.b.c.d" || type == "a.b.c.d/<1-32>" ||
         type.find(':') != std::string::npos || type == "id" || type == "+/-<metric>" ||
         type == "+/-<delay>" || type == "h.h.h";
}

bool ParserToolCase::isAnyValidInput(const std::string& type, const std::string& input) {
  if (input == "\n") return false;
  return type == "hostname or a.b.c.d" || type == "word" || type == "line";
}

bool ParserToolCase::partialMatched(const std::string& keyword, const std::string& input) {
  if (input.size() > keyword.size()) return false;
  if (isAnyValidInput(keyword, input)) return false;
  // Compared byte by byte, lowered as string2Lower does: the matcher calls
  // this for every child of a node, so it must not allocate.
  auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  for (size_t i = 0; i < input.size(); ++i) {
    if (lower(input[i]) != lower(keyword[i])) return false;
  }
  return true;
}

}  // namespace vexaparser
