// Random byte strings (NULs, 8-bit bytes, the characters the rules look for)
// through every operation: nothing crashes, and the invariants that hold for
// any input hold.  Also a differential check of decimal ranges against
// arithmetic on wide integers.
#include <gtest/gtest.h>

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

class RandomText {
 public:
  explicit RandomText(uint32_t seed) : rng_(seed) {}

  // Mostly bytes that the rules care about, some arbitrary bytes, and now
  // and then a whole fragment ("--More--", "access-list", ...).
  std::string next(size_t max_len) {
    static const std::string kAlphabet = std::string("0123456789abcdefABF.:-+<>|[]! \t\r\n") +
                                         std::string("\0\x01\x08\x1b\x7f\x80\xe9\xff", 8);
    static const std::vector<std::string> kFragments = {
        "--More--", "access-list", "ip ", "standard ", "extended ", "no ", "4294967295",
        "0000",     "version",     "||",  "<1-99>",    "10.1.1.1",  "ff"};
    std::string out;
    size_t len = pick(max_len + 1);
    while (out.size() < len) {
      switch (pick(10)) {
        case 0:
          out += kFragments[pick(kFragments.size())];
          break;
        case 1:
          out.push_back(static_cast<char>(pick(256)));
          break;
        default:
          out.push_back(kAlphabet[pick(kAlphabet.size())]);
      }
    }
    return out;
  }

  size_t pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng_); }

 private:
  std::mt19937 rng_;
};

bool isSuffix(const std::string& part, const std::string& whole) {
  return part.size() <= whole.size() &&
         whole.compare(whole.size() - part.size(), part.size(), part) == 0;
}

TEST(RobustnessTest, RandomBytesThroughEveryOperation) {
  static const std::vector<std::string> kTypes = {"<1-4294967295>",
                                                  "<0-ff>",
                                                  "<1-2.5>",
                                                  "<hh:mm>",
                                                  "<month>",
                                                  "<day>",
                                                  "<a.b.c.d>",
                                                  "<h.h.h>",
                                                  "<hostname or a.b.c.d>",
                                                  "a.b.c.d",
                                                  "a.b.c.d/<1-32>",
                                                  "oui:vpn-index",
                                                  "aa:nn",
                                                  "id",
                                                  "+/-<metric>",
                                                  "+/-<delay>",
                                                  "h.h.h",
                                                  "word",
                                                  "line",
                                                  "interface"};
  RandomText gen(20240611);
  for (int round = 0; round < 4000; ++round) {
    const std::string a = gen.next(round % 10 == 0 ? 300 : 40);
    const std::string b = gen.next(24);
    const std::string type = gen.pick(3) == 0 ? gen.next(12) : kTypes[gen.pick(kTypes.size())];
    SCOPED_TRACE("a=" + show(a) + " b=" + show(b) + " type=" + show(type));

    // Token validation.
    EXPECT_TRUE(PTC::isValidInput(a, a));
    EXPECT_EQ(PTC::isNewValidInput(a, a), a != "\n");
    (void)PTC::isValidInput(type, b);
    (void)PTC::isNewValidInput(type, b);
    (void)PTC::isAnyValidInput(type, b);
    (void)PTC::partialMatched(a, b);
    EXPECT_EQ(PTC::partialMatched(a, a), !PTC::isAnyValidInput(a, a));
    EXPECT_EQ(PTC::isValidNumber(a, a), ParserToolCasePeer::isStringHexNum(a));
    (void)PTC::isValidNumber(a, b);
    (void)ParserToolCasePeer::isValidRange(a, b);
    (void)ParserToolCasePeer::isValidHexRange(a, b);
    (void)ParserToolCasePeer::isValidTime(b);
    (void)ParserToolCasePeer::isMonth(b);
    (void)ParserToolCasePeer::isDay(b);
    if (ParserToolCasePeer::isMAC(b)) {
      EXPECT_EQ(b.size(), 14u);
    }
    if (ParserToolCasePeer::isStringNum(a)) {
      EXPECT_TRUE(ParserToolCasePeer::isStringHexNum(a));
    }

    // Splitting and command forms.
    std::vector<std::string> tokens;
    PTC::splitString(a, b, tokens);
    for (const std::string& t : tokens) {
      EXPECT_FALSE(t.empty());
      EXPECT_EQ(t.find_first_of(b), std::string::npos);
    }
    std::list<std::string*> owned;
    PTC::splitString(a, b, owned);
    EXPECT_EQ(owned.size(), tokens.size());
    for (std::string* s : owned) delete s;

    const std::string cleaned = PTC::cleanLine(a);
    ASSERT_FALSE(cleaned.empty());
    EXPECT_EQ(cleaned.back(), '\n');
    EXPECT_EQ(PTC::cleanLine(cleaned), cleaned);
    EXPECT_EQ(PTC::getWholeStr(a).size(), PTC::getKeyStr(a).size() + PTC::getVariableStr(a).size());
    (void)PTC::getFirstKey(a);
    (void)PTC::getCmdFlag(a);
    EXPECT_TRUE(PTC::isTheSameCmd(a, a, false));
    (void)PTC::isTheSameCmd(a, b, true);
    EXPECT_TRUE(PTC::strInCmd(a, a));
    (void)PTC::strInCmd(a, b);

    std::string more = a;
    PTC::removeMore(more);
    EXPECT_TRUE(isSuffix(more, a));

    std::string out;
    bool open = false;
    bool close = false;
    PTC::testOptionToken(a, out, open, close);
    EXPECT_LE(out.size(), a.size());
    PTC::getVarFromPvFormStr(a, out);
    PTC::filterLines(a, out);
    (void)PTC::isPvFormStr(a);
    (void)PTC::isIpACLWithNo(a);

    std::string command = a;
    std::string other;
    PTC::getBothAclCmdsStr(command, other);

    std::string head;
    std::string tail;
    PTC::divideString(a, head, tail);
    if (a.empty() || a[0] != '!') {
      EXPECT_EQ(head + tail, a);
    }

    std::string f1, f2, f3, f4, rest;
    PTC::parseCmdLine(a, f1, f2, f3, f4, rest);
    for (const std::string* f : {&f1, &f2, &f3, &f4}) {
      EXPECT_EQ(f->find('|'), std::string::npos);
      EXPECT_EQ(PTC::string2Lower(*f), *f);
    }

    const std::string lowered = PTC::string2Lower(a);
    EXPECT_EQ(lowered.size(), a.size());
    const std::string cut = PTC::string2CutSpace(a);
    EXPECT_EQ(a.compare(0, cut.size(), cut), 0);
  }
}

// Decimal ranges against arithmetic: random bounds up to 4294967295 and
// random digit strings with leading zeros, some beyond 32 bits.
TEST(RobustnessTest, DecimalRangesAgreeWithArithmetic) {
  std::mt19937_64 rng(7);
  auto bound = [&rng]() -> uint64_t {
    switch (rng() % 4) {
      case 0:
        return rng() % 100;
      case 1:
        return 4294967295u - rng() % 3;
      default:
        return rng() % 4294967296u;
    }
  };
  for (int round = 0; round < 3000; ++round) {
    uint64_t lo = bound();
    uint64_t hi = bound();
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
