// Token types: which words each type of the mode files accepts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "parser/text/parser_tool_case_peer.h"
#include "vexa/parser/parser_tool_case.h"

namespace vexaparser {
namespace {

using PTC = ParserToolCase;

struct TypeCase {
  std::string type;
  std::string input;
  bool accepted;
};

TEST(TokenValidationTest, BracketedTypes) {
  const std::vector<TypeCase> cases = {
      // Decimal ranges: bounds compared as digit strings, leading zeros ignored.
      {"<1-4294967295>", "4294967295", true},
      {"<1-4294967295>", "0004294967295", true},
      {"<1-4294967295>", "4294967296", false},
      {"<1-4294967295>", "42949672950", false},
      {"<1-4294967295>", "99999999999999999999", false},
      {"<1-4294967295>", "0", false},
      {"<1-4294967295>", "000", false},
      {"<1-4294967295>", "1", true},
      {"<0-4294967295>", "0", true},
      {"<0-4294967295>", "-1", false},
      {"<1-99>", "99", true},
      {"<1-99>", "099", true},
      {"<1-99>", "100", false},
      {"<10-20>", "9", false},
      {"<10-20>", "15", true},
      // A decimal range never takes an IPv4 address.
      {"<0-4294967295>", "10.1.1.1", false},
      {"<1-99>", "1.1.1.1", false},
      // Hexadecimal ranges: only when a bound holds a letter, lower-case input.
      {"<0-ff>", "a0", true},
      {"<0-ff>", "0ff", true},
      {"<0-ff>", "ff", true},
      {"<0-ff>", "5", true},
      {"<0-ff>", "A0", false},
      {"<0-ff>", "100", false},
      {"<0-ff>", "fg", false},
      {"<10-ff>", "f", false},
      {"<10-ff>", "1f", true},
      {"<a-ff>", "9", false},
      {"<a-ff>", "b", true},
      {"<0-99>", "5a", false},
      {"<0-99>", "a", false},
      // A range whose type holds "." takes any dotted word but an address.
      {"<1-2.5>", "1.5", true},
      {"<1-2.5>", "x.y", true},
      {"<1-2.5>", "2", false},
      {"<1-2.5>", "10.1.1.1", false},
      // The type itself, and no other bracketed word.
      {"<1-10>", "<1-10>", true},
      {"<1-10>", "<5>", false},
      {"<word>", "<x>", false},
      // Times: int, any one non-blank character, int; the rest is ignored.
      {"<hh:mm>", "24:60", true},
      {"<hh:mm>", "00:00", true},
      {"<hh:mm>", "7.5", true},
      {"<hh:mm>", " 7 : 5", true},
      {"<hh:mm>", "12:30xyz", true},
      {"<hh:mm>", "+1:+2", true},
      {"<hh:mm>", "12:", false},
      {"<hh:mm>", "12", false},
      {"<hh:mm>", "25:00", false},
      {"<hh:mm>", "12:61", false},
      {"<hh:mm>", "-1:00", false},
      {"<hh:mm>", "ab:cd", false},
      {"<hh:mm>", "99999999999:1", false},
      {"<hh:mm>", "", false},
      {"<month>", "12", true},
      {"<month>", "1", true},
      {"<month>", "1x", true},
      {"<month>", " 3", true},
      {"<month>", "13", false},
      {"<month>", "0", false},
      {"<month>", "January", false},
      {"<month>", "", false},
      {"<day>", "31", true},
      {"<day>", "3x", true},
      {"<day>", "32", false},
      {"<day>", "0", false},
      {"<a.b.c.d>", "10.1.1.1", true},
      {"<a.b.c.d>", "10.1.1", false},
      {"<a.b.c.d>", "10.1.1.256", false},
      {"<h.h.h>", "0011.22aa.BBcc", true},
      {"<h.h.h>", "0011.22aa.bbc", false},
      {"<h.h.h>", "0011.22aa.bbcc0", false},
      {"<hostname or a.b.c.d>", "router-1", true},
      {"<hostname or a.b.c.d>", "", true},
      {"<interface name>", "anything at all", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PTC::isValidInput(c.type, c.input), c.accepted)
        << c.type << " with " << show(c.input);
  }
}

TEST(TokenValidationTest, BareTypes) {
  const std::vector<TypeCase> cases = {
      {"a.b.c.d", "10.1.1.1", true},
      {"a.b.c.d", "10.1.1.256", false},
      {"a.b.c.d", "a.b.c.d", true},
      {"a.b.c.d/<1-32>", "10.0.0.0/8", true},
      {"a.b.c.d/<1-32>", "10.0.0.0/33", false},
      {"a.b.c.d/<1-32>", "10.0.0.0", false},
      // Route distinguishers and targets.
      {"oui:vpn-index", "16777215:4294967295", true},
      {"oui:vpn-index", "00016777215:0004294967295", true},
      {"oui:vpn-index", "16777216:1", false},
      {"oui:vpn-index", "1:4294967296", false},
      {"oui:vpn-index", "1:x", false},
      {"oui:vpn-index", "x:1", false},
      {"oui:vpn-index", "10.1.1.1:1", false},
      {"oui:vpn-index", "5", true},
      {"aa:nn", "65000:10", true},
      {"aa:nn", "10.1.1.1:10", true},
      {"aa:nn", "10.1.1:10", false},
      {"aa:nn", "65000:x", false},
      {"aa:nn", "65000:", true},
      {"aa:nn", ":5", true},
      {"aa:nn", "65000", true},
      {"aa:nn", "10.1.1.1", false},
      {"aa:nn", "4294967295:4294967295", true},
      {"aa:nn", "4294967296:1", false},
      {"aa:nn", "1:4294967296", false},
      {"aa:nn", "1:2:3", false},
      {"aa:nn", "ab:1", false},
      {"asn:nn or ip-address:nn", "192.168.0.1:4294967295", true},
      {"asn:nn or ip-address:nn", "192.168.0.1:4294967296", false},
      {"rt:any", "7:8", true},
      {"rt:any", "7:8x", false},
      {"id", "4294967295", true},
      {"id", "0", true},
      {"id", "4294967296", false},
      {"id", "12a", false},
      {"id", "-1", false},
      {"+/-<metric>", "+", true},
      {"+/-<metric>", "-", true},
      {"+/-<metric>", "+0", true},
      {"+/-<metric>", "-4294967295", true},
      {"+/-<metric>", "+4294967296", false},
      {"+/-<metric>", "+ff", false},
      {"+/-<metric>", "5", false},
      {"+/-<metric>", "", false},
      {"+/-<delay>", "+", true},
      {"+/-<delay>", "-5", true},
      {"+/-<delay>", "+01", true},
      {"+/-<delay>", "+4294967295", true},
      {"+/-<delay>", "+0", false},
      {"+/-<delay>", "-000", false},
      {"+/-<delay>", "5", false},
      {"+/-<delay>", "+-5", false},
      {"h.h.h", "0011.22aa.BBcc", true},
      {"h.h.h", "0011-22aa-bbcc", false},
      {"h.h.h", "0011.22ag.bbcc", false},
      // A bare type without a rule takes only its own name.
      {"dscp", "dscp", true},
      {"dscp", "af11", false},
      {"dscp", "", false},
      {"word", "anything", false},
      // The end of the line is never a value.
      {"id", "\n", false},
      {"\n", "\n", false},
      {"+/-<metric>", "\n", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PTC::isNewValidInput(c.type, c.input), c.accepted)
        << c.type << " with " << show(c.input);
  }
}

TEST(TokenValidationTest, FreeTextTypesTakeAnyWordButTheLineEnd) {
  for (const std::string type : {"hostname or a.b.c.d", "word", "line"}) {
    for (const std::string input : {"x", "", "two words", "<1-10>", "\xff\x01"}) {
      EXPECT_TRUE(PTC::isAnyValidInput(type, input)) << type << " with " << show(input);
    }
    EXPECT_FALSE(PTC::isAnyValidInput(type, "\n")) << type;
  }
  EXPECT_FALSE(PTC::isAnyValidInput("Word", "x"));
  EXPECT_FALSE(PTC::isAnyValidInput("<word>", "x"));
  EXPECT_FALSE(PTC::isAnyValidInput("id", "1"));
}

TEST(TokenValidationTest, PartialMatched) {
  struct Case {
    std::string keyword;
    std::string input;
    bool matched;
  };
  const std::vector<Case> cases = {
      {"interface", "INT", true},
      {"interface", "interface", true},
      {"Interface", "iNt", true},
      {"interface", "", true},
      {"interface", "interfaces", false},
      {"interface", "inx", false},
      {"word", "w", false},
      {"word", "", false},
      {"line", "l", false},
      {"hostname or a.b.c.d", "h", false},
      {"\xc9t\xe9", "\xe9", false},  // lowering is ASCII only
      {"\xc9t\xe9", "\xc9T", true},
      {std::string("a\0b", 3), std::string("A\0", 2), true},
      {"", "", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PTC::partialMatched(c.keyword, c.input), c.matched)
        << show(c.keyword) << " with " << show(c.input);
  }
}

TEST(TokenValidationTest, IsValidNumberComparesDigitStrings) {
  struct Case {
    std::string a;
    std::string b;
    bool less_or_equal;
  };
  const std::vector<Case> cases = {
      {"4294967295", "4294967295", true},
      {"4294967296", "4294967295", false},
      {"0004294967295", "4294967295", true},
      {"4294967295", "0004294967294", false},
      {"", "0", true},
      {"0", "", true},
      {"000", "0", true},
      {"9", "10", true},
      {"10", "9", false},
      {"a0", "ff", true},
      {"ff", "100", true},
      {"100", "ff", false},
      {"A0", "ff", false},
      {"1", "-1", false},
      {"1 ", "2", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PTC::isValidNumber(c.a, c.b), c.less_or_equal) << show(c.a) << " <= " << show(c.b);
  }
}

TEST(TokenValidationTest, CharacterClasses) {
  struct Case {
    std::string s;
    bool num;
    bool hex;
    bool only_hex;
  };
  const std::vector<Case> cases = {
      {"", true, true, false},
      {"0123", true, true, false},
      {"a", false, true, true},
      {"12a", false, true, true},
      {"12ag", false, false, true},  // nothing after the first letter is looked at
      {"1g", false, false, false},
      {"A", false, false, false},
      {"0AF", false, false, false},
      {"0af", false, true, true},
      {std::string("1\0", 2), false, false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParserToolCasePeer::isStringNum(c.s), c.num) << show(c.s);
    EXPECT_EQ(ParserToolCasePeer::isStringHexNum(c.s), c.hex) << show(c.s);
    EXPECT_EQ(ParserToolCasePeer::isStringOnlyHexNum(c.s), c.only_hex) << show(c.s);
  }
}

TEST(TokenValidationTest, MacAddressNeedsTheWholeToken) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"0011.22aa.BBcc", true},     {"ffff.FFFF.0000", true},  {"0011.22aa.bbc", false},
      {"0011.22aa.bbcc.", false},   {"0011.22aa", false},      {"0011:22aa:bbcc", false},
      {"001.122aa.bbcc", false},    {" 011.22aa.bbcc", false}, {"", false},
      {"0011.22aa.bbc\xff", false},
  };
  for (const auto& [input, accepted] : cases) {
    EXPECT_EQ(ParserToolCasePeer::isMAC(input), accepted) << show(input);
  }
}

TEST(TokenValidationTest, PrivateRangeChecksSurviveMalformedTypes) {
  // The matcher sends only "<lo-hi>" names here; anything else must still
  // answer without reading outside the type.
  for (const std::string type : {"", "-", "<", "<-", "-5", "<1-", "<-5>", "<1-10"}) {
    for (const std::string input : {"", "0", "5", "a", "10"}) {
      (void)ParserToolCasePeer::isValidRange(type, input);
      (void)ParserToolCasePeer::isValidHexRange(type, input);
    }
  }
  EXPECT_TRUE(ParserToolCasePeer::isValidRange("<-5>", "5"));
  EXPECT_FALSE(ParserToolCasePeer::isValidRange("<-5>", "6"));
  EXPECT_FALSE(ParserToolCasePeer::isValidRange("nodash", "0"));
  EXPECT_TRUE(ParserToolCasePeer::isValidHexRange("<-f>", "e"));
  EXPECT_FALSE(ParserToolCasePeer::isValidHexRange("<-5>", "e"));
}

}  // namespace
}  // namespace vexaparser
