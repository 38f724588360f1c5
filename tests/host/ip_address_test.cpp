#include "vexa/host/ip_address.h"

#include <gtest/gtest.h>

#include <string>

namespace vexahost {
namespace {

TEST(IpAddressTest, DottedQuadTable) {
  // Leading zeros read as decimal, up to three digits a group.
  const std::string valid[] = {"0.0.0.0", "255.255.255.255", "010.001.000.009"};
  // clang-format off
  const std::string invalid[] = {"256.1.1.1", "1.1.1.256", "0001.2.3.4", "1.2.3", "1.2.3.4.5",
      "1.2.3.4.", ".1.2.3.4", "1..2.3", "", " 1.2.3.4", "1.2.3.4\n", "a.b.c.d", "1.2.3.-4",
      "+1.2.3.4", "0x1.2.3.4", "1.2.3.4/24", std::string("1.2.3.4\0", 8), "\xb9.2.3.4"};
  // clang-format on
  for (const std::string& text : valid) EXPECT_TRUE(IpAddress::isValidIpAddress(text)) << text;
  for (const std::string& text : invalid) EXPECT_FALSE(IpAddress::isValidIpAddress(text)) << text;
}

TEST(IpAddressTest, AddressAndMaskLengthTable) {
  // One or two digits of mask length.
  const std::string valid[] = {"10.0.0.0/0", "10.0.0.0/32", "10.0.0.0/08", "10.0.0.0/00"};
  // clang-format off
  const std::string invalid[] = {"10.0.0.0/33", "10.0.0.0/100", "10.0.0.0/008", "10.0.0.0/",
      "10.0.0.0", "/24", "256.0.0.0/24", "10.0.0.0/-1", "10.0.0.0/+8", "10.0.0.0/2 ",
      "10.0.0.0 /24", "10.0.0.0//24", "10.0.0.0/24/24", "10.0.0.0/255.0.0.0", ""};
  // clang-format on
  for (const auto& t : valid) EXPECT_TRUE(IpAddress::isValidIpAddressAndMaskLen(t)) << t;
  for (const auto& t : invalid) EXPECT_FALSE(IpAddress::isValidIpAddressAndMaskLen(t)) << t;
}

}  // namespace
}  // namespace vexahost
