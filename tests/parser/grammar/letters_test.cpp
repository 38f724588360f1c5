// The node letters of the product grammar give the device's behaviour: each
// case merges (or falls back) configuration text and checks the result.
#include <string>
#include <vector>

#include "grammar_test_support.h"

namespace vexaparser::testing {
namespace {

class LettersTest : public ProductGrammarTest {};

constexpr char kGi[] = "interface GigabitEthernet0/1|";
constexpr char kGiOut[] = "interface gigabitethernet 0/1|";
constexpr char kAddress[] = " ip address 10.0.0.1 255.255.255.0";
constexpr char kSecondary[] = " ip address 10.0.1.1 255.255.255.0 secondary";
constexpr char kStoredNo[] =
    "no service pad|hostname R1|no ip domain lookup|no ip domain-lookup|no ip http server|"
    "no cdp run|no ip source-route";
constexpr char kAcl[] = "access-list 10 permit 10.0.0.0 0.0.0.255|access-list 10 deny any|";

TEST_F(LettersTest, MergeGivesWhatTheDeviceWouldHold) {
  const std::string g = kGi;
  const std::string o = kGiOut;
  const std::string address = kAddress;
  const std::string secondary = kSecondary;
  const std::string routes =
      "hostname R1|ip route 10.9.0.0 255.255.0.0 10.0.0.253|ip route 10.9.0.0 255.255.0.0 "
      "10.0.0.252|";
  struct Case {
    std::string base;
    std::string delta;
    std::string expected;  // in normalized form
  };
  // clang-format off
  std::vector<Case> cases = {
      // Overwrite ("o"): a host name, a primary address; a secondary one adds.
      {"hostname R1", "hostname R2", "hostname R2"},
      {g + address + "|" + secondary + "|!",
       g + " ip address 10.0.0.2 255.255.255.0| ip address 10.0.2.1 255.255.255.0 secondary",
       o + " ip address 10.0.0.2 255.255.255.0|" + secondary +
           "| ip address 10.0.2.1 255.255.255.0 secondary|!"},
      {g + address + "|" + secondary + "| ip address 10.0.2.1 255.255.255.0 secondary|!",
       g + " no" + secondary, o + address + "| ip address 10.0.2.1 255.255.255.0 secondary|!"},
      {g + " no ip address|!", g + address, o + address + "|!"},
      // Words joined ("wa"): the value is kept in its order, replaced as a whole.
      {g + " description old link|!", g + " description to core   via B",
       o + " description to core via B|!"},
      // "no" forms, and stored "no" forms ("sn", "sb") in the order table's places.
      {g + " shutdown| duplex auto|!", g + " no shutdown", o + " duplex auto|!"},
      {"hostname R1", "no ip domain-lookup|no ip domain lookup|no service pad|"
                      "no ip http server|no cdp run|no ip source-route", kStoredNo},
      {kStoredNo, "no ip domain-lookup", kStoredNo},  // stored once
      // "ip domain-lookup" is the default ("sn"): typing it takes the "no" away;
      // both forms of "ip http server" are written ("sb"): one replaces the other.
      {"hostname R1|no ip domain-lookup", "ip domain-lookup", "hostname R1"},
      {"hostname R1|no ip http server", "ip http server", "hostname R1|ip http server"},
      {"hostname R1|ip domain name example.com|logging buffered 4096",
       "no ip domain name|no logging buffered", "hostname R1"},
      {"hostname R1|router ospf 1| router-id 1.1.1.1| network 10.0.0.0 0.0.0.255 area 0|!|"
       "router ospf 2| network 10.1.0.0 0.0.0.255 area 0|!", "no router ospf 1",
       "hostname R1|router ospf 2| network 10.1.0.0 0.0.0.255 area 0|!"},
      // Lists: entries append in order, once; "no" removes a list or an entry.
      {std::string(kAcl) + "line vty 0 4| login|!",
       "access-list 10 permit 10.1.0.0 0.0.0.255|access-list 10 permit 10.2.0.0 0.0.0.255",
       std::string(kAcl) + "access-list 10 permit 10.1.0.0 0.0.0.255|"
           "access-list 10 permit 10.2.0.0 0.0.0.255|line vty 0 4| login|!"},
      {std::string(kAcl) + "line vty 0 4| login|!", "access-list 10 deny any",
       std::string(kAcl) + "line vty 0 4| login|!"},
      {std::string(kAcl) + "access-list 20 permit any", "no access-list 10",
       "access-list 20 permit any"},
      {std::string(kAcl) + "access-list 20 permit any", "no access-list 10 deny any",
       "access-list 10 permit 10.0.0.0 0.0.0.255|access-list 20 permit any"},
      {"ip access-list extended EDGE| permit tcp any any eq 22| permit udp any any eq domain|"
       " deny ip any any|!", "ip access-list extended EDGE| no permit udp any any eq domain",
       "ip access-list extended EDGE| permit tcp any any eq 22| deny ip any any|!"},
      // Multi-value ("m"): values join the stored line; a "no" form takes one out.
      {"ip name-server 10.0.0.1", "ip name-server 10.0.0.2", "ip name-server 10.0.0.1 10.0.0.2"},
      {"ip name-server 10.0.0.1 10.0.0.2", "no ip name-server 10.0.0.1", "ip name-server 10.0.0.2"},
      // Key positions ("k") and the command order table.
      {"hostname R1|" + g + address + "|!|router ospf 1| network 10.0.0.0 0.0.0.255 area 0|!",
       "interface Loopback0| ip address 10.9.9.9 255.255.255.255", "hostname R1|" + o + address +
       "|!|interface loopback 0| ip address 10.9.9.9 255.255.255.255|!|router ospf 1|"
       " network 10.0.0.0 0.0.0.255 area 0|!"},
      {g + address + "| shutdown| duplex auto|!", g + " description uplink| ip nat inside",
       o + " description uplink|" + address + "| ip nat inside| shutdown| duplex auto|!"},
      // The same prefix and next hop with a distance replaces the route; another
      // next hop is another route; a new prefix goes among the routes.
      {routes + "access-list 10 permit any",
       "ip route 10.9.0.0 255.255.0.0 10.0.0.253 200|ip route 10.8.0.0 255.255.0.0 10.0.0.252",
       "hostname R1|ip route 10.9.0.0 255.255.0.0 10.0.0.253 200|"
       "ip route 10.9.0.0 255.255.0.0 10.0.0.252|ip route 10.8.0.0 255.255.0.0 10.0.0.252|"
       "access-list 10 permit any"},
      {routes + "access-list 10 permit any", "no ip route 10.9.0.0 255.255.0.0 10.0.0.252",
       "hostname R1|ip route 10.9.0.0 255.255.0.0 10.0.0.253|access-list 10 permit any"},
      // The same server with its options in another order is the same server.
      {"ntp server 10.0.0.1 key 1 prefer", "ntp server 10.0.0.1 prefer key 1",
       "ntp server 10.0.0.1 prefer key 1"},
  };
  // clang-format on
  // "no ip address" removes the address whatever it was, secondaries too.
  for (const char* primary : {kAddress, " ip address 192.168.7.9/30", " ip address dhcp"}) {
    cases.push_back({g + primary +
                         "| ip address 10.9.9.1 255.255.255.0 secondary|"
                         " description uplink|!",
                     g + " no ip address", o + " description uplink|!"});
  }
  // A "no" form of a list passes over blank lines inside the list.
  cases.push_back(
      {"access-list 10 permit any|   |access-list 10 deny any|access-list 20 permit any",
       "no access-list 10", "access-list 20 permit any"});
  for (const Case& c : cases) {
    EXPECT_EQ(merge(cfg(c.base), cfg(c.delta)), out(c.expected)) << c.base << "\n+ " << c.delta;
  }
}

TEST_F(LettersTest, FallbackUndoesEachKindOfChange) {
  const std::string target =
      cfg(std::string("hostname R1|") + kGi + kAddress + "|!|access-list 10 permit any");
  const std::string current =
      cfg(std::string("hostname R2|no ip domain-lookup|") + kGi +
          " ip address 10.0.0.2 255.255.255.0| shutdown|!|ip route 10.8.0.0 255.255.0.0 10.0.0.252|"
          "access-list 10 permit any|access-list 10 deny 10.1.1.1");
  EXPECT_EQ(fallback(current, target),
            out(std::string("hostname R1|ip domain-lookup|") + kGiOut + kAddress +
                "| no shutdown|!|no ip route 10.8.0.0 255.255.0.0 10.0.0.252|"
                "no access-list 10 deny 10.1.1.1"));
}

}  // namespace
}  // namespace vexaparser::testing
