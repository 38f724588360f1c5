// The product grammar loads completely, and a console user finds every mode
// with its prompt and a sensible "?" listing.
#include <string>
#include <vector>

#include "grammar_test_support.h"
#include "vexa/parser/parser_resources.h"
#include "vexa/parser/tree_dump.h"

namespace vexaparser::testing {
namespace {

class ModesTest : public ProductGrammarTest {};

TEST_F(ModesTest, EveryResourceFileLoads) {
  ParserResources& resources = ParserResources::instance();
  for (VTYModeType mode : {VIEW_MODE, EXECUTION_MODE, CONFIGURATION_MODE}) {
    ASSERT_NE(resources.modeTree(mode), nullptr) << mode;
  }
  for (const char* table : {"&interfacefile.cfm", "&ports.cfm", "&loglevels.cfm",
                            "&icmptypes.cfm", "&cmd_line.cfm"}) {
    ASSERT_NE(resources.keyTable(table), nullptr) << table;
  }
  EXPECT_EQ(resources.keyTable("&interfacefile.cfm")->count("gigabitethernet"), 1u);
  for (const char* order : {"configuration_mod.cfm", "interface.cfm", "router_bgp.cfm",
                            "router_bgp_af.cfm", "line.cfm"}) {
    auto it = resources.cmdOrderTable().find(order);
    ASSERT_NE(it, resources.cmdOrderTable().end()) << order;
    EXPECT_FALSE(it->second.empty()) << order;
  }
  EXPECT_GT(resources.overwriteSet().count("hostname"), 0u);
}

TEST_F(ModesTest, InterfaceNamesWorkInFullAndAbbreviated) {
  auto vty = configTerminal();
  ASSERT_NE(vty, nullptr);
  for (const char* line : {"interface GigabitEthernet0/1", "int gi0/1", "interface gi 0/1",
                           "interface FastEthernet0/0.100", "int lo0", "interface Port-channel1",
                           "interface Vlan10", "interface Tunnel5", "interface Serial1/0:0",
                           "interface TenGigabitEthernet1/0/1"}) {
    EXPECT_EQ(typed(*vty, line), "") << line;
    EXPECT_EQ(prompt(*vty), "(config-if)#") << line;
    EXPECT_EQ(typed(*vty, "exit"), "") << line;
  }
  typed(*vty, "int gi0/1");
  std::string complete;
  vty->getCompleteLine(complete);
  EXPECT_EQ(complete, "interface gigabitethernet 0/1 \n");
}

struct ModeCase {
  std::vector<const char*> enter;  // lines typed in configuration mode
  const char* prompt;
  std::vector<const char*> listed;  // "word<TAB>" entries the "?" listing shows
};

TEST_F(ModesTest, EveryModeHasItsPromptAndListsItsCommands) {
  const std::vector<ModeCase> cases = {
      {{}, "(config)#", {"hostname", "interface", "router", "ip", "access-list", "line"}},
      {{"interface GigabitEthernet0/1"},
       "(config-if)#",
       {"description", "ip", "shutdown", "switchport", "duplex", "speed"}},
      {{"interface GigabitEthernet0/1.10 point-to-point"}, "(config-subif)#", {"encapsulation"}},
      {{"line vty 0 4"}, "(config-line)#", {"login", "transport", "exec-timeout", "password"}},
      {{"line con 0"}, "(config-line)#", {"logging", "privilege"}},
      {{"router ospf 1"}, "(config-router)#", {"network", "router-id", "passive-interface"}},
      {{"router eigrp 10"}, "(config-router)#", {"network", "eigrp", "variance"}},
      {{"router rip"}, "(config-router)#", {"version", "network"}},
      {{"router bgp 65000"}, "(config-router)#", {"neighbor", "bgp", "address-family"}},
      {{"router bgp 65000", "address-family ipv4 vrf RED"},
       "(config-router-af)#",
       {"neighbor", "network", "exit-address-family"}},
      {{"ip access-list standard MGMT"}, "(config-std-nacl)#", {"permit", "deny", "remark"}},
      {{"ip access-list extended EDGE"}, "(config-ext-nacl)#", {"permit", "deny", "remark"}},
      {{"route-map RM permit 10"}, "(config-route-map)#", {"match", "set", "continue"}},
      {{"ip vrf RED"}, "(config-vrf)#", {"rd", "route-target"}},
      {{"vrf definition RED"}, "(config-vrf)#", {"rd", "address-family"}},
      {{"vrf definition RED", "address-family ipv4"}, "(config-vrf-af)#", {"route-target"}},
      {{"class-map match-any VOICE"}, "(config-cmap)#", {"match", "description"}},
      {{"policy-map WAN"}, "(config-pmap)#", {"class"}},
      {{"policy-map WAN", "class VOICE"}, "(config-pmap-c)#", {"priority", "bandwidth", "set"}},
      {{"ip dhcp pool LAN"}, "(dhcp-config)#", {"network", "default-router", "dns-server"}},
      {{"crypto isakmp policy 10"}, "(config-isakmp)#", {"authentication", "group", "hash"}},
      {{"crypto ipsec transform-set TS esp-aes esp-sha-hmac"}, "(cfg-crypto-trans)#", {"mode"}},
      {{"crypto map VPN 10 ipsec-isakmp"}, "(config-crypto-map)#", {"set", "match"}},
      {{"key chain KC"}, "(config-keychain)#", {"key"}},
      {{"key chain KC", "key 1"}, "(config-keychain-key)#", {"key-string"}},
      {{"aaa group server tacacs+ TAC"}, "(config-sg)#", {"server"}},
      {{"archive"}, "(config-archive)#", {"path", "log"}},
      {{"control-plane"}, "(config-cp)#", {"service-policy"}},
      {{"vlan 10"}, "(config-vlan)#", {"name"}},
      {{"ip sla 5"}, "(config-ip-sla)#", {"icmp-echo"}},
      {{"object-group network SERVERS"}, "(config-network-group)#", {"host", "description"}},
  };
  for (const ModeCase& mode : cases) {
    auto vty = configTerminal();
    ASSERT_NE(vty, nullptr);
    std::string entered;
    for (const char* line : mode.enter) {
      EXPECT_EQ(typed(*vty, line), "") << line;
      entered += line;
      entered += " / ";
    }
    EXPECT_EQ(prompt(*vty), mode.prompt) << entered;
    const std::string listing = help(*vty, "?");
    for (const char* word : mode.listed) {
      const std::string entry = std::string("\n") + word + "\t";
      const std::size_t at = ("\n" + listing).find(entry);
      ASSERT_NE(at, std::string::npos) << entered << "lists no " << word << ":\n" << listing;
      // A help text follows the word on its line.
      const std::size_t end = ("\n" + listing).find('\n', at + 1);
      const std::string row = ("\n" + listing).substr(at + 1, end - at - 1);
      EXPECT_NE(row.find_first_not_of("\t ", std::string(word).size()), std::string::npos)
          << entered << "no help text for " << word;
    }
  }
}

TEST_F(ModesTest, ViewAndExecutionModes) {
  std::unique_ptr<VTY> vty = VTY::create("Router", true);
  ASSERT_NE(vty, nullptr);
  EXPECT_EQ(prompt(*vty), ">");
  const std::string view = help(*vty, "?");
  for (const char* word : {"enable\t", "ping\t", "show\t", "exit\t"}) {
    EXPECT_NE(view.find(word), std::string::npos) << word << "\n" << view;
  }
  EXPECT_EQ(typed(*vty, "enable"), "");
  EXPECT_EQ(prompt(*vty), "#");
  const std::string exec = help(*vty, "?");
  for (const char* word : {"configure\t", "show\t", "copy\t", "write\t", "disable\t"}) {
    EXPECT_NE(exec.find(word), std::string::npos) << word << "\n" << exec;
  }
  EXPECT_NE(help(*vty, "show ?").find("running-config\t"), std::string::npos);
  EXPECT_EQ(typed(*vty, "configure terminal"), "Enter configuration commands, one per line.\n");
  EXPECT_EQ(prompt(*vty), "(config)#");
  EXPECT_EQ(typed(*vty, "end"), "");
  EXPECT_EQ(prompt(*vty), "#");
}

TEST_F(ModesTest, EnclosingCommandsLeaveTheSubMode) {
  auto vty = configTerminal();
  ASSERT_NE(vty, nullptr);
  typed(*vty, "interface GigabitEthernet0/1");
  ASSERT_EQ(prompt(*vty), "(config-if)#");
  // Top-level commands that an interface does not know leave the interface.
  for (const char* line : {"ntp server 10.0.0.1", "crypto ipsec transform-set T esp-aes",
                           "ipv6 unicast-routing", "dot1x system-auth-control",
                           "platform punt-keepalive disable-kernel-core"}) {
    typed(*vty, "interface GigabitEthernet0/1");
    EXPECT_EQ(typed(*vty, line), "") << line;
    EXPECT_NE(prompt(*vty), "(config-if)#") << line;
  }
}

TEST_F(ModesTest, UnknownWordsAreInvalidEverywhere) {
  auto vty = configTerminal();
  ASSERT_NE(vty, nullptr);
  // "line" is a command and the name of the free-text type; it must not take
  // unknown words.
  EXPECT_EQ(typed(*vty, "frobnicate 0"), "% Invalid input detected at ^\n");
  EXPECT_EQ(typed(*vty, "line vty 0 4"), "");
  EXPECT_EQ(prompt(*vty), "(config-line)#");
}

}  // namespace
}  // namespace vexaparser::testing
