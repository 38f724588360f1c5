// vexa-config section and extract over the product grammar: sections found
// by what an engineer types, written in the device's form (or --raw).
#include "tools/vexa_config_test_support.h"

namespace {

using vexatools::testing::Args;
using vexatools::testing::onProduct;
using vexatools::testing::ToolRun;
using vexatools::testing::VexaConfigTest;

constexpr char kRouter[] =
    "interface GigabitEthernet0/1\n description uplink\n ip nat outside\n!\n"
    "interface Vlan20\n ip vrf forwarding RED\n!\n"
    "interface Port-channel10\n switchport access vlan 20\n!\n"
    "ip vrf RED\n rd 1:1\n!\n"
    "router ospf 1\n passive-interface GigabitEthernet0/1\n!\n"
    "ip nat inside source list 1 interface GigabitEthernet0/1 overload\n"
    "ip access-list extended WEB\n permit tcp any any eq 80\n!\n";

constexpr char kUplink[] = "interface GigabitEthernet0/1\n description uplink\n ip nat outside\n";

class VexaConfigSectionTest : public VexaConfigTest {
 protected:
  ToolRun runOnRouter(Args args) {
    args.insert(args.begin() + 1, dir_.write("r1.cfg", kRouter));
    return run(onProduct(args));
  }
};

TEST_F(VexaConfigSectionTest, SectionsAsTypedInTheDevicesForm) {
  // clang-format off
  const struct { Args args; std::string out; } cases[] = {
      {{"extract", "interface", "Gi0/1"}, kUplink},
      {{"extract", "interfaces", "po10", "vlan20"},
       "interface Port-channel10\n switchport access vlan 20\n"
       "interface Vlan20\n ip vrf forwarding RED\n"},
      // Interface references inside commands; the key line of a process.
      {{"extract", "routing-protocol", "ospf", "1"},
       "router ospf 1\n passive-interface GigabitEthernet0/1\n"},
      {{"extract", "nat", "inside", "source"},
       "ip nat inside source list 1 interface GigabitEthernet0/1 overload\n"},
      // Entries at their level, the empty lines of the library's text gone.
      {{"extract", "acl", "WEB"}, "ip access-list extended WEB\n permit tcp any any eq 80\n"},
      // A body without its header keeps the file's indentation.
      {{"extract", "vrf", "RED"}, " rd 1:1\n"},
      // The library's text: the completed header, block lines as read behind two blanks.
      {{"section", "int", "gi0/1", "--raw"},
       "interface gigabitethernet 0/1 \n   description uplink\n   ip nat outside\n"},
  };
  // clang-format on
  for (const auto& c : cases) {
    std::string shown;
    for (const std::string& arg : c.args) shown += arg + " ";
    const ToolRun r = runOnRouter(c.args);
    EXPECT_EQ(r.status, 0) << shown << r.err;
    EXPECT_EQ(r.out, c.out) << shown;
  }
}

TEST_F(VexaConfigSectionTest, NothingFoundExitsOne) {
  for (const Args& args : {Args{"extract", "interface", "Gi0/9"}, Args{"section", "frobnicate"},
                           Args{"extract", "vrf", "BLUE"}}) {
    const ToolRun r = runOnRouter(args);
    EXPECT_EQ(r.status, 1) << args[1];
    EXPECT_TRUE(r.out.empty()) << args[1];
    EXPECT_EQ(r.err.rfind("vexa-config: error: nothing found", 0), 0u) << r.err;
  }
}

}  // namespace
