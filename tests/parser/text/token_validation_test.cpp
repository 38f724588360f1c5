// Token types: which words each type of the mode files accepts.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "parser/text/parser_tool_case_peer.h"
#include "vexa/parser/parser_tool_case.h"

namespace vexaparser {
namespace {

using PTC = ParserToolCase;
using Strings = std::vector<std::string>;

struct TypeCase {
  std::string type;
  Strings accepted;
  Strings rejected;
};

template <typename Check>
void expectTypes(const std::vector<TypeCase>& cases, Check check) {
  for (const auto& c : cases) {
    for (bool want : {true, false}) {
      for (const std::string& in : want ? c.accepted : c.rejected) {
        EXPECT_EQ(check(c.type, in), want) << show(c.type) << " with " << show(in);
      }
    }
  }
}

// clang-format off
TEST(TokenValidationTest, BracketedTypesAcceptValuesInTheirRange) {
  expectTypes({
      // Decimal ranges (see also the arithmetic comparison in the robustness test).
      {"<1-4294967295>", {"0004294967295"}, {"99999999999999999999", "000", "-1", "10.1.1.1"}},
      // Hexadecimal only when a bound holds a letter; lower-case input.
      {"<0-ff>", {"a0", "0ff", "ff", "5"}, {"A0", "100", "fg"}},
      {"<10-ff>", {"1f"}, {"f"}},
      {"<a-ff>", {"b"}, {"9"}},
      {"<0-99>", {}, {"5a", "a"}},
      // A range whose type holds "." takes any dotted word but an address.
      {"<1-2.5>", {"1.5", "x.y"}, {"2", "10.1.1.1"}},
      // The type itself, and no other bracketed word.
      {"<1-10>", {}, {"<5>"}},
      {"<hostname or a.b.c.d>", {"router-1", "", "anything at all"}, {"<x>"}},
      // Times: int, any one non-blank character, int; the rest is ignored.
      {"<hh:mm>", {"24:60", "00:00", "7.5", " 7 : 5", "12:30xyz", "+1:+2"},
       {"12:", "25:00", "12:61", "-1:00", "99999999999:1", ""}},
      {"<month>", {"12", "1", "1x", " 3"}, {"13", "0", ""}},
      {"<day>", {"31", "3x"}, {"32", "0"}},
      {"<a.b.c.d>", {"10.1.1.1"}, {"10.1.1", "10.1.1.256"}},
      {"<h.h.h>", {"0011.22aa.BBcc"}, {"0011.22aa.bbc", "0011.22aa.bbcc0"}},
  }, PTC::isValidInput);
}

TEST(TokenValidationTest, BareTypesAcceptTheirValueShape) {
  expectTypes({
      {"a.b.c.d", {"10.1.1.1", "a.b.c.d"}, {"10.1.1.256", "\n"}},
      {"a.b.c.d/<1-32>", {"10.0.0.0/8"}, {"10.0.0.0/33", "10.0.0.0"}},
      // Route distinguishers and targets.
      {"oui:vpn-index", {"00016777215:0004294967295", "5"},
       {"16777216:1", "1:4294967296", "1:x", "10.1.1.1:1"}},
      {"aa:nn", {"10.1.1.1:10", "65000:", ":5", "65000", "4294967295:4294967295"},
       {"10.1.1:10", "65000:x", "10.1.1.1", "4294967296:1", "1:4294967296", "1:2:3"}},
      {"asn:nn or ip-address:nn", {"192.168.0.1:4294967295"}, {"192.168.0.1:4294967296"}},
      {"rt:any", {"7:8"}, {"7:8x"}},
      {"id", {"4294967295", "0"}, {"4294967296", "12a", "-1", "\n"}},
      {"+/-<metric>", {"+", "-", "+0", "-4294967295"}, {"+4294967296", "+ff", "5", "", "\n"}},
      {"+/-<delay>", {"+", "-5", "+01", "+4294967295"}, {"+0", "-000", "5", "+-5"}},
      // A MAC address needs the whole token.
      {"h.h.h", {"0011.22aa.BBcc"},
       {"0011-22aa-bbcc", "0011.22ag.bbcc", "0011.22aa.bbcc.", "001.122aa.bbcc", ""}},
      // A bare type without a rule takes only its own name; the line end is never a value.
      {"dscp", {"dscp"}, {"af11", ""}},
      {"word", {}, {"anything"}},
  }, PTC::isNewValidInput);
}

TEST(TokenValidationTest, FreeTextTypesTakeAnyWordButTheLineEnd) {
  expectTypes({
      {"hostname or a.b.c.d", {"two words", "\xff\x01"}, {"\n"}},
      {"word", {"", "<1-10>"}, {"\n"}}, {"line", {"x"}, {"\n"}},
      {"Word", {}, {"x"}}, {"<word>", {}, {"x"}}, {"id", {}, {"1"}},
  }, PTC::isAnyValidInput);
}

TEST(TokenValidationTest, PartialMatchIsACaseFreePrefixOfAKeyword) {
  expectTypes({
      {"interface", {"INT", ""}, {"interfaces", "inx"}},
      {"Interface", {"iNt"}, {}},
      {"word", {}, {"w", ""}}, {"line", {}, {"l"}}, {"hostname or a.b.c.d", {}, {"h"}},
      {"\xc9t\xe9", {"\xc9T"}, {"\xe9"}},  // lowering is ASCII only
      {std::string("a\0b", 3), {std::string("A\0", 2)}, {}},
  }, PTC::partialMatched);
}

TEST(TokenValidationTest, IsValidNumberComparesDigitStrings) {
  // Each row: whether its first string is <= each of the others.
  expectTypes({
      {"4294967295", {"0004294967295"}, {"0004294967294"}}, {"0004294967295", {}, {"4294967294"}},
      {"", {"0"}, {}}, {"000", {"0"}, {}}, {"10", {}, {"9"}},
      {"a0", {"ff"}, {}}, {"100", {}, {"ff"}}, {"A0", {}, {"ff"}}, {"1", {}, {"-1"}},
  }, PTC::isValidNumber);
}
// clang-format on

// clang-format off
TEST(TokenValidationTest, DigitAndHexClassesOfWholeStrings) {
  const std::vector<std::tuple<std::string, bool, bool, bool>> cases = {  // num, hex, only hex
      {"", true, true, false},    {"0123", true, true, false},  {"12a", false, true, true},
      {"12ag", false, false, true},  // stops at the first letter
      {"1g", false, false, false}, {"0AF", false, false, false}, {std::string("1\0", 2), false, false, false},
  };
  for (const auto& [s, num, hex, only_hex] : cases) {
    EXPECT_EQ(ParserToolCasePeer::isStringNum(s), num) << show(s);
    EXPECT_EQ(ParserToolCasePeer::isStringHexNum(s), hex) << show(s);
    EXPECT_EQ(ParserToolCasePeer::isStringOnlyHexNum(s), only_hex) << show(s);
  }
}
// clang-format on

}  // namespace
}  // namespace vexaparser
