// A console user finds every mode of the product grammar with its prompt and
// a sensible "?" listing.
#include <sstream>
#include <string>

#include "grammar_test_support.h"

namespace vexaparser::testing {
namespace {

class ModesTest : public ProductGrammarTest {};

constexpr char kEnterConfiguration[] = "Enter configuration commands, one per line.\n";

// Lines typed from the view prompt ("|" between them), the prompt they lead
// to, and words its "?" listing shows, each with a help text.  The view,
// privileged, configuration, interface, OSPF, line, extended-list and
// route-map listings are pinned whole by the golden console session
// (tests/parser/golden).
TEST_F(ModesTest, EveryModeHasItsPromptAndListsItsCommands) {
  const std::string c = "enable|configure terminal|";
  // clang-format off
  struct Case { std::string enter; const char* prompt; const char* listed; };
  const Case cases[] = {
      {c + "interface GigabitEthernet0/1.10 point-to-point", "(config-subif)#", "encapsulation"},
      {c + "router bgp 65000", "(config-router)#", "neighbor bgp address-family"},
      {c + "router bgp 65000|address-family ipv4 vrf RED", "(config-router-af)#",
       "neighbor network exit-address-family"},
      {c + "ip access-list standard MGMT", "(config-std-nacl)#", "permit deny remark"},
      {c + "vrf definition RED", "(config-vrf)#", "rd address-family"},
      {c + "vrf definition RED|address-family ipv4", "(config-vrf-af)#", "route-target"},
      {c + "class-map match-any VOICE", "(config-cmap)#", "match description"},
      {c + "policy-map WAN", "(config-pmap)#", "class"},
      {c + "policy-map WAN|class VOICE", "(config-pmap-c)#", "priority bandwidth set"},
      {c + "ip dhcp pool LAN", "(dhcp-config)#", "network default-router dns-server"},
      {c + "crypto isakmp policy 10", "(config-isakmp)#", "authentication group hash"},
      {c + "crypto ipsec transform-set TS esp-aes esp-sha-hmac", "(cfg-crypto-trans)#", "mode"},
      {c + "crypto map VPN 10 ipsec-isakmp", "(config-crypto-map)#", "set match"},
      {c + "key chain KC", "(config-keychain)#", "key"},
      {c + "key chain KC|key 1", "(config-keychain-key)#", "key-string"},
      {c + "aaa group server tacacs+ TAC", "(config-sg)#", "server"},
      {c + "archive", "(config-archive)#", "path log"},
      {c + "control-plane", "(config-cp)#", "service-policy"},
      {c + "vlan 10", "(config-vlan)#", "name"},
      {c + "ip sla 5", "(config-ip-sla)#", "icmp-echo"},
      {c + "object-group network SERVERS", "(config-network-group)#", "host description"},
  };
  // clang-format on
  for (const Case& mode : cases) {
    auto vty = terminal(false);
    ASSERT_NE(vty, nullptr);
    std::istringstream lines(mode.enter);
    for (std::string line; std::getline(lines, line, '|');) {
      const bool configure = line == "configure terminal";
      EXPECT_EQ(typed(*vty, line), configure ? kEnterConfiguration : "") << line;
    }
    EXPECT_EQ(prompt(*vty), mode.prompt) << mode.enter;
    const std::string listing = "\n" + typed(*vty, "?");
    std::istringstream words(mode.listed);
    for (std::string word; words >> word;) {
      const std::size_t at = listing.find("\n" + word + "\t");
      ASSERT_NE(at, std::string::npos) << mode.enter << " lists no " << word << ":" << listing;
      // A help text follows the word on its line.
      const std::string row = listing.substr(at + 1, listing.find('\n', at + 1) - at - 1);
      EXPECT_NE(row.find_first_not_of("\t ", word.size()), std::string::npos)
          << mode.enter << ": no help text for " << word;
    }
  }
}

// One console session: interface names in full and abbreviated; top-level
// commands that a sub-mode does not know leave it; option groups ("ob",
// "oe") take their options in any order, each once; unknown words are invalid
// ("line" is a command and the name of the free-text type: it must not take
// them).
TEST_F(ModesTest, ConsoleSession) {
  auto vty = terminal(false);
  ASSERT_NE(vty, nullptr);
  typed(*vty, "enable");
  EXPECT_NE(typed(*vty, "show ?").find("running-config\t"), std::string::npos);
  EXPECT_EQ(typed(*vty, "configure terminal"), kEnterConfiguration);
  const char* kIf = "(config-if)#";
  const char* kConfig = "(config)#";
  // clang-format off
  struct Step { const char* line; const char* prompt; bool ok; };
  const Step steps[] = {
      {"interface GigabitEthernet0/1", kIf, true}, {"ntp server 10.0.0.1", kConfig, true},
      {"interface gi 0/1", kIf, true}, {"ipv6 unicast-routing", kConfig, true},
      {"ntp server 10.0.0.1 key 1 prefer source Loopback0", kConfig, true},
      {"ntp server 10.0.0.1 source Loopback0 prefer key 1", kConfig, true},
      {"ip route 10.0.0.0 255.0.0.0 Null0 tag 5 name BLACKHOLE 250", kConfig, true},
      {"interface Serial1/0:0", kIf, true}, {"interface FastEthernet0/0.100", kIf, true},
      {"ip nat inside source static 10.0.0.1 192.0.2.1 no-alias extendable", kConfig, true},
      {"ip nat inside source static 10.0.0.1 192.0.2.1 extendable no-alias", kConfig, true},
      {"logging host 10.0.0.9 vrf MGMT transport udp port 5514", kConfig, true},
      {"ip prefix-list P seq 5 permit 10.0.0.0/8 le 24 ge 16", kConfig, true},
      {"access-list 101 permit tcp any any eq 22 log established", kConfig, true},
      {"access-list 101 permit tcp any any established eq 22 log", kConfig, true},
      {"ntp server 10.0.0.1 prefer prefer", kConfig, false},
      {"frobnicate 0", kConfig, false},
      {"line vty 0 4", "(config-line)#", true},
  };
  // clang-format on
  for (const Step& s : steps) {
    EXPECT_EQ(typed(*vty, s.line), s.ok ? "" : "% Invalid input detected at ^\n") << s.line;
    EXPECT_EQ(prompt(*vty), s.prompt) << s.line;
  }
  typed(*vty, "int gi0/1");
  std::string complete;
  vty->getCompleteLine(complete);
  EXPECT_EQ(complete, "interface gigabitethernet 0/1 \n");
}

}  // namespace
}  // namespace vexaparser::testing
