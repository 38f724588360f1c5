// The node letters of the product grammar give the device's behaviour: each
// case merges (or falls back) configuration text and checks the result.
#include <string>

#include "grammar_test_support.h"

namespace vexaparser::testing {
namespace {

class LettersTest : public ProductGrammarTest {};

// ---- overwrite ("o") ----

TEST_F(LettersTest, HostnameReplaces) {
  EXPECT_EQ(merge(lines({"hostname R1"}), lines({"hostname R2"})), "hostname R2 \n");
}

TEST_F(LettersTest, IpAddressReplacesAndSecondaryAdds) {
  const std::string base = lines({"interface GigabitEthernet0/1",
                                  " ip address 10.0.0.1 255.255.255.0",
                                  " ip address 10.0.1.1 255.255.255.0 secondary", "!"});
  EXPECT_EQ(merge(base, lines({"interface GigabitEthernet0/1", " ip address 10.0.0.2 255.255.255.0",
                               " ip address 10.0.2.1 255.255.255.0 secondary"})),
            lines({"interface gigabitethernet 0/1 ", " ip address 10.0.0.2 255.255.255.0 ",
                   " ip address 10.0.1.1 255.255.255.0 secondary ",
                   " ip address 10.0.2.1 255.255.255.0 secondary ", "!"}));
}

TEST_F(LettersTest, NoSecondaryRemovesOnlyThatAddress) {
  const std::string base = lines({"interface GigabitEthernet0/1",
                                  " ip address 10.0.0.1 255.255.255.0",
                                  " ip address 10.0.1.1 255.255.255.0 secondary",
                                  " ip address 10.0.2.1 255.255.255.0 secondary", "!"});
  EXPECT_EQ(merge(base, lines({"interface GigabitEthernet0/1",
                               " no ip address 10.0.1.1 255.255.255.0 secondary"})),
            lines({"interface gigabitethernet 0/1 ", " ip address 10.0.0.1 255.255.255.0 ",
                   " ip address 10.0.2.1 255.255.255.0 secondary ", "!"}));
}

TEST_F(LettersTest, NoIpAddressRemovesTheAddressWhateverItWas) {
  const std::string delta = lines({"interface GigabitEthernet0/1", " no ip address"});
  for (const char* address : {" ip address 10.0.0.1 255.255.255.0", " ip address 192.168.7.9/30",
                              " ip address dhcp"}) {
    const std::string base = lines({"interface GigabitEthernet0/1", address,
                                    " ip address 10.9.9.1 255.255.255.0 secondary",
                                    " description uplink", "!"});
    EXPECT_EQ(merge(base, delta),
              lines({"interface gigabitethernet 0/1 ", " description uplink ", "!"}))
        << address;
  }
}

TEST_F(LettersTest, AnAddressReplacesAStoredNoIpAddress) {
  EXPECT_EQ(merge(lines({"interface GigabitEthernet0/1", " no ip address", "!"}),
                  lines({"interface GigabitEthernet0/1", " ip address 10.0.0.1 255.255.255.0"})),
            lines({"interface gigabitethernet 0/1 ", " ip address 10.0.0.1 255.255.255.0 ", "!"}));
}

TEST_F(LettersTest, DescriptionKeepsAllItsWordsAsOneValue) {
  // Words joined ("wa"): the value is kept in its order, replaced as a whole.
  EXPECT_EQ(merge(lines({"interface GigabitEthernet0/1", " description old link", "!"}),
                  lines({"interface GigabitEthernet0/1", " description to core   via B"})),
            lines({"interface gigabitethernet 0/1 ", " description to core via B ", "!"}));
}

// ---- "no" forms and stored "no" forms ("sn", "sb") ----

TEST_F(LettersTest, NoShutdownRemovesShutdown) {
  EXPECT_EQ(merge(lines({"interface GigabitEthernet0/1", " shutdown", " duplex auto", "!"}),
                  lines({"interface GigabitEthernet0/1", " no shutdown"})),
            lines({"interface gigabitethernet 0/1 ", " duplex auto ", "!"}));
}

TEST_F(LettersTest, StoredNoFormsStayStored) {
  const std::string merged =
      merge(lines({"hostname R1"}),
            lines({"no ip domain-lookup", "no ip domain lookup", "no service pad",
                   "no ip http server", "no cdp run", "no ip source-route"}));
  // Each lands where the order table puts it ("service" before "hostname").
  EXPECT_EQ(merged, lines({"no service pad ", "hostname R1 ", "no ip domain lookup ",
                           "no ip domain-lookup ", "no ip http server ", "no cdp run ",
                           "no ip source-route "}));
  // The same "no" form again is stored once.
  EXPECT_EQ(merge(merged, lines({"no ip domain-lookup"})), merged);
}

TEST_F(LettersTest, DefaultFormRemovesTheStoredNoForm) {
  // "ip domain-lookup" is the default ("sn"): typing it takes the "no" away.
  EXPECT_EQ(merge(lines({"hostname R1", "no ip domain-lookup"}), lines({"ip domain-lookup"})),
            lines({"hostname R1 "}));
  // Both forms of "ip http server" are written ("sb"): one replaces the other.
  EXPECT_EQ(merge(lines({"hostname R1", "no ip http server"}), lines({"ip http server"})),
            lines({"hostname R1 ", "ip http server "}));
}

TEST_F(LettersTest, NoFormOfASettingRemovesIt) {
  EXPECT_EQ(merge(lines({"hostname R1", "ip domain name example.com", "logging buffered 4096"}),
                  lines({"no ip domain name", "no logging buffered"})),
            lines({"hostname R1 "}));
}

TEST_F(LettersTest, NoRouterRemovesTheWholeBlock) {
  const std::string base =
      lines({"hostname R1", "router ospf 1", " router-id 1.1.1.1",
             " network 10.0.0.0 0.0.0.255 area 0", "!", "router ospf 2",
             " network 10.1.0.0 0.0.0.255 area 0", "!"});
  EXPECT_EQ(merge(base, lines({"no router ospf 1"})),
            lines({"hostname R1 ", "router ospf 2 ", " network 10.1.0.0 0.0.0.255 area 0 ", "!"}));
}

// ---- lists ----

TEST_F(LettersTest, AccessListEntriesAppendInOrder) {
  const std::string base = lines({"access-list 10 permit 10.0.0.0 0.0.0.255",
                                  "access-list 10 deny any", "line vty 0 4", " login", "!"});
  EXPECT_EQ(merge(base, lines({"access-list 10 permit 10.1.0.0 0.0.0.255",
                               "access-list 10 permit 10.2.0.0 0.0.0.255"})),
            lines({"access-list 10 permit 10.0.0.0 0.0.0.255 ", "access-list 10 deny any ",
                   "access-list 10 permit 10.1.0.0 0.0.0.255 ",
                   "access-list 10 permit 10.2.0.0 0.0.0.255 ", "line vty 0 4 ", " login ",
                   "!"}));
  // The same entry again is not added twice.
  EXPECT_EQ(merge(base, lines({"access-list 10 deny any"})), normalize(base));
}

TEST_F(LettersTest, NamedAccessListEntriesAppendInOrder) {
  const std::string base = lines({"ip access-list extended EDGE",
                                  " permit tcp any host 10.0.0.1 eq 22",
                                  " deny ip any any log", "!"});
  EXPECT_EQ(merge(base, lines({"ip access-list extended EDGE",
                               " permit udp any any eq domain"})),
            lines({"ip access-list extended EDGE ", " permit tcp any host 10.0.0.1 eq 22 ",
                   " deny ip any any log ", " permit udp any any eq domain ", "!"}));
}

TEST_F(LettersTest, NoAccessListRemovesTheWholeList) {
  const std::string base = lines({"access-list 10 permit 10.0.0.0 0.0.0.255",
                                  "access-list 10 deny any", "access-list 20 permit any"});
  EXPECT_EQ(merge(base, lines({"no access-list 10"})), lines({"access-list 20 permit any "}));
  // A "no" form of one entry removes just that entry.
  EXPECT_EQ(merge(base, lines({"no access-list 10 deny any"})),
            lines({"access-list 10 permit 10.0.0.0 0.0.0.255 ", "access-list 20 permit any "}));
}

TEST_F(LettersTest, NameServersGatherIntoOneLine) {
  // Multi-value ("m"): values join the stored line; a "no" form takes one out.
  EXPECT_EQ(merge(lines({"ip name-server 10.0.0.1"}), lines({"ip name-server 10.0.0.2"})),
            lines({"ip name-server 10.0.0.1 10.0.0.2 "}));
  EXPECT_EQ(merge(lines({"ip name-server 10.0.0.1 10.0.0.2"}),
                  lines({"no ip name-server 10.0.0.1"})),
            lines({"ip name-server 10.0.0.2 "}));
}

// ---- key positions ("k") and the command order table ----

TEST_F(LettersTest, NewInterfaceIsPlacedAmongInterfaces) {
  const std::string base =
      lines({"hostname R1", "interface GigabitEthernet0/0", " ip address 10.0.0.1 255.255.255.0",
             "!", "router ospf 1", " network 10.0.0.0 0.0.0.255 area 0", "!",
             "ip route 0.0.0.0 0.0.0.0 10.0.0.254", "line vty 0 4", " login", "!"});
  EXPECT_EQ(merge(base, lines({"interface Loopback0", " ip address 10.9.9.9 255.255.255.255"})),
            lines({"hostname R1 ", "interface gigabitethernet 0/0 ",
                   " ip address 10.0.0.1 255.255.255.0 ", "!", "interface loopback 0 ",
                   " ip address 10.9.9.9 255.255.255.255 ", "!", "router ospf 1 ",
                   " network 10.0.0.0 0.0.0.255 area 0 ", "!",
                   "ip route 0.0.0.0 0.0.0.0 10.0.0.254 ", "line vty 0 4 ", " login ", "!"}));
}

TEST_F(LettersTest, NewCommandsInAnInterfaceTakeTheirPlace) {
  EXPECT_EQ(merge(lines({"interface GigabitEthernet0/0", " ip address 10.0.0.1 255.255.255.0",
                         " shutdown", " duplex auto", "!"}),
                  lines({"interface GigabitEthernet0/0", " description uplink",
                         " ip nat inside"})),
            lines({"interface gigabitethernet 0/0 ", " description uplink ",
                   " ip address 10.0.0.1 255.255.255.0 ", " ip nat inside ", " shutdown ",
                   " duplex auto ", "!"}));
}

TEST_F(LettersTest, ChangedStaticRouteBehavesAsOnTheDevice) {
  const std::string base =
      lines({"hostname R1", "ip route 10.9.0.0 255.255.0.0 10.0.0.253",
             "ip route 10.9.0.0 255.255.0.0 10.0.0.252", "access-list 10 permit any"});
  // The same prefix and next hop with a distance replaces the route; another
  // next hop is another route; a new prefix goes among the routes.
  EXPECT_EQ(merge(base, lines({"ip route 10.9.0.0 255.255.0.0 10.0.0.253 200",
                               "ip route 10.8.0.0 255.255.0.0 10.0.0.252"})),
            lines({"hostname R1 ", "ip route 10.9.0.0 255.255.0.0 10.0.0.253 200 ",
                   "ip route 10.9.0.0 255.255.0.0 10.0.0.252 ",
                   "ip route 10.8.0.0 255.255.0.0 10.0.0.252 ", "access-list 10 permit any "}));
  EXPECT_EQ(merge(base, lines({"no ip route 10.9.0.0 255.255.0.0 10.0.0.252"})),
            lines({"hostname R1 ", "ip route 10.9.0.0 255.255.0.0 10.0.0.253 ",
                   "access-list 10 permit any "}));
}

TEST_F(LettersTest, ChangedNtpServerBehavesAsOnTheDevice) {
  EXPECT_EQ(merge(lines({"hostname R1", "ntp server 10.0.0.1 key 1", "ntp server 10.0.0.2"}),
                  lines({"ntp server 10.0.0.1 prefer", "ntp server 10.0.0.3",
                         "no ntp server 10.0.0.2"})),
            lines({"hostname R1 ", "ntp server 10.0.0.1 prefer ", "ntp server 10.0.0.3 "}));
}

// ---- option groups ("ob", "oe") ----

TEST_F(LettersTest, OptionsMayComeInAnyOrder) {
  auto vty = configTerminal();
  ASSERT_NE(vty, nullptr);
  for (const char* line :
       {"ntp server 10.0.0.1 key 1 prefer source Loopback0",
        "ntp server 10.0.0.1 source Loopback0 prefer key 1",
        "ip route 10.0.0.0 255.0.0.0 Null0 tag 5 name BLACKHOLE 250",
        "ip route 10.0.0.0 255.0.0.0 192.0.2.1 250 permanent name X",
        "ip nat inside source static 10.0.0.1 192.0.2.1 no-alias extendable",
        "ip nat inside source static 10.0.0.1 192.0.2.1 extendable no-alias",
        "logging host 10.0.0.9 vrf MGMT transport udp port 5514",
        "ip prefix-list P seq 5 permit 10.0.0.0/8 le 24 ge 16",
        "access-list 101 permit tcp any any eq 22 log established",
        "access-list 101 permit tcp any any established eq 22 log"}) {
    EXPECT_EQ(typed(*vty, line), "") << line;
    EXPECT_EQ(prompt(*vty), "(config)#") << line;
  }
  // An option is taken once.
  EXPECT_EQ(typed(*vty, "ntp server 10.0.0.1 prefer prefer"), "% Invalid input detected at ^\n");
  // The same server with its options in another order is the same server.
  EXPECT_EQ(merge(lines({"ntp server 10.0.0.1 key 1 prefer"}),
                  lines({"ntp server 10.0.0.1 prefer key 1"})),
            lines({"ntp server 10.0.0.1 prefer key 1 "}));
}

// ---- fallback ----

TEST_F(LettersTest, FallbackUndoesEachKindOfChange) {
  const std::string target = lines({"hostname R1", "interface GigabitEthernet0/1",
                                    " ip address 10.0.0.1 255.255.255.0", "!",
                                    "access-list 10 permit any"});
  const std::string current = lines(
      {"hostname R2", "no ip domain-lookup", "interface GigabitEthernet0/1",
       " ip address 10.0.0.2 255.255.255.0", " shutdown", "!",
       "ip route 10.8.0.0 255.255.0.0 10.0.0.252", "access-list 10 permit any",
       "access-list 10 deny 10.1.1.1"});
  EXPECT_EQ(fallback(current, target),
            lines({"hostname R1 ", "ip domain-lookup ", "interface gigabitethernet 0/1 ",
                   " ip address 10.0.0.1 255.255.255.0 ", " no shutdown ", "!",
                   "no ip route 10.8.0.0 255.255.0.0 10.0.0.252 ",
                   "no access-list 10 deny 10.1.1.1 "}));
  EXPECT_EQ(merge(current, fallback(current, target)), normalize(target));
}

TEST_F(LettersTest, FallbackPutsRemovedEntriesBack) {
  const std::string target = lines({"ip access-list extended EDGE", " permit tcp any any eq 22",
                                    " permit udp any any eq domain", " deny ip any any", "!"});
  const std::string current = merge(target, lines({"ip access-list extended EDGE",
                                                   " no permit udp any any eq domain"}));
  EXPECT_EQ(current, lines({"ip access-list extended EDGE ", " permit tcp any any eq 22 ",
                            " deny ip any any ", "!"}));
  const std::string restored = merge(current, fallback(current, target));
  EXPECT_NE(restored.find(" permit udp any any eq domain \n"), std::string::npos) << restored;
}

}  // namespace
}  // namespace vexaparser::testing
