// Random byte strings (NULs, 8-bit bytes, the characters the rules look for)
// through every operation: nothing crashes, and the invariants that hold for
// any input hold.  Also a differential check of decimal ranges against
// arithmetic on wide integers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <list>
#include <random>
#include <string>
#include <vector>

#include "parser/text/parser_tool_case_peer.h"
#include "vexa/parser/parser_tool_case.h"

namespace vexaparser {
namespace {

using PTC = ParserToolCase;

// Mostly bytes that the rules care about, some arbitrary bytes, and now and
// then a whole fragment ("--More--", "access-list", ...).
std::string randomText(std::mt19937& rng, size_t max_len) {
  static const std::string kAlphabet = std::string("0123456789abcdefABF.:-+<>|[]! \t\r\n") +
                                       std::string("\0\x01\x08\x1b\x7f\x80\xe9\xff", 8);
  static const std::vector<std::string> kFragments = {"--More--", "access-list", "ip ", "standard ",
                                                      "no ",      "4294967295",  "||",  "10.1.1.1"};
  std::string out;
  for (size_t len = rng() % (max_len + 1); out.size() < len;) {
    const size_t kind = rng() % 10;
    if (kind == 0) {
      out += kFragments[rng() % kFragments.size()];
    } else {
      out.push_back(kind == 1 ? static_cast<char>(rng()) : kAlphabet[rng() % kAlphabet.size()]);
    }
  }
  return out;
}

// Only evaluates its arguments: the calls must merely return.
template <typename... T>
void survive(const T&...) {}

TEST(RobustnessTest, RandomBytesThroughEveryOperation) {
  // clang-format off
  static const std::vector<std::string> kTypes = {
      "<1-4294967295>", "<0-ff>", "<1-2.5>", "<hh:mm>", "<month>", "<day>", "<a.b.c.d>", "<h.h.h>",
      "<hostname or a.b.c.d>", "a.b.c.d", "a.b.c.d/<1-32>", "oui:vpn-index", "aa:nn", "id",
      "+/-<metric>", "+/-<delay>", "h.h.h", "word", "line", "interface"};
  // clang-format on
  std::mt19937 rng(20240611);
  for (int round = 0; round < 1500; ++round) {
    const std::string a = randomText(rng, round % 10 == 0 ? 300 : 40);
    const std::string b = randomText(rng, 24);
    const std::string type = rng() % 3 == 0 ? randomText(rng, 12) : kTypes[rng() % kTypes.size()];
    SCOPED_TRACE("a=" + show(a) + " b=" + show(b) + " type=" + show(type));

    // Token validation.
    EXPECT_TRUE(PTC::isValidInput(a, a));
    EXPECT_EQ(PTC::isNewValidInput(a, a), a != "\n");
    survive(PTC::isValidInput(type, b), PTC::isNewValidInput(type, b),
            PTC::isAnyValidInput(type, b), PTC::partialMatched(a, b));
    EXPECT_EQ(PTC::partialMatched(a, a), !PTC::isAnyValidInput(a, a));
    EXPECT_EQ(PTC::isValidNumber(a, a), ParserToolCasePeer::isStringHexNum(a));
    survive(PTC::isValidNumber(a, b), ParserToolCasePeer::isValidRange(a, b),
            ParserToolCasePeer::isValidHexRange(a, b));
    EXPECT_TRUE(!ParserToolCasePeer::isMAC(b) || b.size() == 14u);
    EXPECT_TRUE(!ParserToolCasePeer::isStringNum(a) || ParserToolCasePeer::isStringHexNum(a));

    // Splitting and command forms.
    std::vector<std::string> tokens;
    PTC::splitString(a, b, tokens);
    for (const std::string& t : tokens) {
      EXPECT_FALSE(t.empty());
      EXPECT_EQ(t.find_first_of(b), std::string::npos);
    }
    std::list<std::string*> owned;
    PTC::splitString(a, b, owned);
    std::vector<std::string> from_list;
    for (std::string* s : owned) {
      from_list.push_back(*s);
      delete s;
    }
    EXPECT_EQ(from_list, tokens);

    const std::string cleaned = PTC::cleanLine(a);
    ASSERT_FALSE(cleaned.empty());
    EXPECT_EQ(cleaned.back(), '\n');
    EXPECT_EQ(PTC::cleanLine(cleaned), cleaned);
    EXPECT_EQ(PTC::getWholeStr(a).size(), PTC::getKeyStr(a).size() + PTC::getVariableStr(a).size());
    survive(PTC::getFirstKey(a), PTC::getCmdFlag(a, {b}), PTC::isTheSameCmd(a, b, true),
            PTC::strInCmd(a, b), PTC::isPvFormStr(a), PTC::isIpACLWithNo(a));
    EXPECT_TRUE(PTC::isTheSameCmd(a, a, false));
    EXPECT_TRUE(PTC::strInCmd(a, a));

    std::string more = a;
    PTC::removeMore(more);
    EXPECT_EQ(a.compare(a.size() - std::min(more.size(), a.size()), std::string::npos, more), 0);

    std::string out;
    bool open = false, close = false;
    PTC::testOptionToken(a, out, open, close);
    EXPECT_LE(out.size(), a.size());
    PTC::getVarFromPvFormStr(a, out);
    PTC::filterLines(a, out);

    std::string command = a, other, head, tail;
    PTC::getBothAclCmdsStr(command, other);
    PTC::divideString(a, head, tail);
    EXPECT_EQ(head + tail, a);  // a comment line stays whole in head

    std::string f1, f2, f3, f4, rest;
    PTC::parseCmdLine(a, f1, f2, f3, f4, rest);
    for (const std::string* f : {&f1, &f2, &f3, &f4}) {
      EXPECT_EQ(f->find('|'), std::string::npos);
      EXPECT_EQ(PTC::string2Lower(*f), *f);
    }

    EXPECT_EQ(PTC::string2Lower(a).size(), a.size());
    const std::string cut = PTC::string2CutSpace(a);
    EXPECT_EQ(a.compare(0, cut.size(), cut), 0);
  }
}

// Decimal ranges against arithmetic: random bounds up to 4294967295 and
// random digit strings with leading zeros, some beyond 32 bits.
TEST(RobustnessTest, DecimalRangesAgreeWithArithmetic) {
  std::mt19937_64 rng(7);
  auto bound = [&rng]() -> uint64_t {
    const uint64_t kind = rng() % 4;
    return kind == 0 ? rng() % 100 : kind == 1 ? 4294967295u - rng() % 3 : rng() % 4294967296u;
  };
  for (int round = 0; round < 1000; ++round) {
    uint64_t lo = bound(), hi = bound();
    if (lo > hi) std::swap(lo, hi);
    const std::string type = "<" + std::to_string(lo) + "-" + std::to_string(hi) + ">";
    uint64_t value = rng() % 3 == 0 ? rng() % 100000000000ull : lo + rng() % (hi - lo + 3);
    const std::string input = std::string(rng() % 4, '0') + std::to_string(value);
    EXPECT_EQ(PTC::isValidInput(type, input), value >= lo && value <= hi)
        << type << " with " << input;
  }
}

}  // namespace
}  // namespace vexaparser
