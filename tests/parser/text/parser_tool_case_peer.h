// Test access to the private checks of ParserToolCase, and a printer that
// makes control and 8-bit bytes visible in assertion messages.
#ifndef VEXA_TESTS_PARSER_TEXT_PARSER_TOOL_CASE_PEER_H_
#define VEXA_TESTS_PARSER_TEXT_PARSER_TOOL_CASE_PEER_H_

#include <cstdio>
#include <string>

#include "vexa/parser/parser_tool_case.h"

namespace vexaparser {

class ParserToolCasePeer {
 public:
  static bool isValidRange(const std::string& t, const std::string& s) {
    return ParserToolCase::isValidRange(t, s);
  }
  static bool isValidHexRange(const std::string& t, const std::string& s) {
    return ParserToolCase::isValidHexRange(t, s);
  }
  static bool isMAC(const std::string& s) { return ParserToolCase::isMAC(s); }
  static bool isStringNum(const std::string& s) { return ParserToolCase::isStringNum(s); }
  static bool isStringHexNum(const std::string& s) { return ParserToolCase::isStringHexNum(s); }
  static bool isStringOnlyHexNum(const std::string& s) {
    return ParserToolCase::isStringOnlyHexNum(s);
  }
};

// The bytes of s quoted, with control and 8-bit bytes written as \xNN.
inline std::string show(const std::string& s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    if (c >= 0x20 && c < 0x7f && c != '\\') {
      out.push_back(static_cast<char>(c));
    } else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02x", c);
      out += buf;
    }
  }
  return out + "\"";
}

}  // namespace vexaparser

#endif  // VEXA_TESTS_PARSER_TEXT_PARSER_TOOL_CASE_PEER_H_
