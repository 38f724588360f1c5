#include "vexa/host/ip_address.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vexahost {
namespace {

TEST(IpAddressTest, AddressAndAddressWithMaskLengthTables) {
  // clang-format off
  const struct { bool (*accepts)(const std::string&); std::vector<std::string> valid, invalid; }
      tables[] = {
      // Leading zeros read as decimal, up to three digits a group.
      {IpAddress::isValidIpAddress, {"0.0.0.0", "255.255.255.255", "010.001.000.009"},
       {"256.1.1.1", "1.1.1.256", "0001.2.3.4", "1.2.3", "1.2.3.4.5", "1.2.3.4.", ".1.2.3.4",
        "1..2.3", "", " 1.2.3.4", "1.2.3.4\n", "a.b.c.d", "1.2.3.-4", "+1.2.3.4", "0x1.2.3.4",
        "1.2.3.4/24", std::string("1.2.3.4\0", 8), "\xb9.2.3.4"}},
      // One or two digits of mask length.
      {IpAddress::isValidIpAddressAndMaskLen, {"10.0.0.0/0", "10.0.0.0/32", "10.0.0.0/08", "10.0.0.0/00"},
       {"10.0.0.0/33", "10.0.0.0/100", "10.0.0.0/008", "10.0.0.0/", "10.0.0.0", "/24",
        "256.0.0.0/24", "10.0.0.0/-1", "10.0.0.0/+8", "10.0.0.0/2 ", "10.0.0.0 /24",
        "10.0.0.0//24", "10.0.0.0/24/24", "10.0.0.0/255.0.0.0", ""}}};
  // clang-format on
  for (const auto& table : tables) {
    for (const std::string& text : table.valid) EXPECT_TRUE(table.accepts(text)) << text;
    for (const std::string& text : table.invalid) EXPECT_FALSE(table.accepts(text)) << text;
  }
}

}  // namespace
}  // namespace vexahost
