#include "vexa/host/ip_address.h"

#include <gtest/gtest.h>

#include <string>

namespace vexahost {
namespace {

struct Case {
  std::string text;
  bool valid;
};

TEST(IpAddressTest, DottedQuadTable) {
  // clang-format off
  const Case cases[] = {
      {"0.0.0.0", true},
      {"255.255.255.255", true},
      {"10.1.2.3", true},
      {"010.001.000.009", true},  // leading zeros read as decimal
      {"1.2.3.4", true},
      {"256.1.1.1", false},
      {"1.1.1.256", false},
      {"1.2.3.999", false},
      {"0001.2.3.4", false},  // four digits
      {"1.2.3", false},
      {"1.2.3.4.5", false},
      {"1.2.3.4.", false},
      {".1.2.3.4", false},
      {"1..2.3", false},
      {"1.2..3.4", false},
      {"", false},
      {"....", false},
      {" 1.2.3.4", false},
      {"1.2.3.4 ", false},
      {"1.2. 3.4", false},
      {"1.2.3.4\n", false},
      {"a.b.c.d", false},
      {"1.2.3.-4", false},
      {"+1.2.3.4", false},
      {"0x1.2.3.4", false},
      {"1.2.3.4/24", false},
      {std::string("1.2.3.4\0", 8), false},
      {"\xb9.2.3.4", false},
  };
  // clang-format on
  for (const Case& c : cases) {
    EXPECT_EQ(IpAddress::isValidIpAddress(c.text), c.valid) << "'" << c.text << "'";
  }
}

TEST(IpAddressTest, AddressAndMaskLengthTable) {
  // clang-format off
  const Case cases[] = {
      {"10.0.0.0/0", true},
      {"10.0.0.0/8", true},
      {"10.0.0.0/32", true},
      {"10.0.0.0/08", true},
      {"10.0.0.0/00", true},
      {"10.0.0.0/33", false},
      {"10.0.0.0/99", false},
      {"10.0.0.0/100", false},
      {"10.0.0.0/008", false},  // three digits
      {"10.0.0.0/", false},
      {"10.0.0.0", false},
      {"/24", false},
      {"10.0.0/24", false},
      {"256.0.0.0/24", false},
      {"10.0.0.0/-1", false},
      {"10.0.0.0/+8", false},
      {"10.0.0.0/2 ", false},
      {"10.0.0.0 /24", false},
      {"10.0.0.0//24", false},
      {"10.0.0.0/24/24", false},
      {"10.0.0.0/255.0.0.0", false},
      {"10.0.0.0./24", false},
      {"", false},
  };
  // clang-format on
  for (const Case& c : cases) {
    EXPECT_EQ(IpAddress::isValidIpAddressAndMaskLen(c.text), c.valid) << "'" << c.text << "'";
  }
}

TEST(IpAddressTest, EveryGroupValueUpTo255IsAccepted) {
  for (int v = 0; v <= 300; ++v) {
    const std::string text = "1." + std::to_string(v) + ".3.4";
    EXPECT_EQ(IpAddress::isValidIpAddress(text), v <= 255) << text;
  }
  for (int m = 0; m <= 40; ++m) {
    const std::string text = "1.2.3.4/" + std::to_string(m);
    EXPECT_EQ(IpAddress::isValidIpAddressAndMaskLen(text), m <= 32) << text;
  }
}

}  // namespace
}  // namespace vexahost
