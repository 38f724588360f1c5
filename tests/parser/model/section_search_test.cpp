// Configuration section search and extraction on small configurations,
// over the product grammar: abbreviated keys, where blocks end, banners,
// pager residue, both access-list syntaxes, the extraction operations'
// post-processing, and removing an interface from a file.
#include <list>
#include <string>
#include <vector>

#include "host/temp_dir.h"
#include "parser/grammar/grammar_test_support.h"
#include "vexa/parser/vexa_parser_get_config.h"

namespace vexaparser::testing {
namespace {

const std::string kRouter =
    cfg("hostname r1|interface GigabitEthernet0/1| description to core|"
        " ip address 10.0.0.1 255.255.255.0| !|interface GigabitEthernet0/1.100|"
        " encapsulation dot1Q 100|interface GigabitEthernet0/10| ip vrf forwarding RED|"
        "banner motd ^C|interface GigabitEthernet0/1|^C|ip vrf RED| rd 1:1|router ospf 1|"
        " network 10.0.0.0 0.0.0.255 area 0|access-list 10 permit 10.0.0.0 0.0.0.255|"
        "access-list 100 permit ip any any|ip access-list standard 10| permit 10.1.0.0 0.0.0.255|"
        "ip access-list extended WEB| permit tcp any any eq 80");

const std::string kUplink =
    "interface gigabitethernet 0/1 \n   description to core\n   ip address 10.0.0.1 "
    "255.255.255.0\n";

class SectionSearchTest : public ProductGrammarTest {
 protected:
  static std::string search(const std::string& config, const std::string& key, SEARCHTYPE type) {
    std::string out;
    VexaParserUtil::GetCmdsFromConfig(config, out, key, type);
    return out;
  }
};

TEST_F(SectionSearchTest, FindsSectionsAsTheSearchReadsThem) {
  // clang-format off
  const struct { std::string config, key; SEARCHTYPE type; std::string out; } cases[] = {
      {kRouter, "frobnicate", SEARCH_BLOCK, ""},
      // Not 0/1.100, not 0/10, not the banner text; " !" inside is skipped.
      {kRouter, "int gi0/1", SEARCH_BLOCK, kUplink},
      {kRouter, "interface Gi0/1.100", SEARCH_BLOCK,
       "interface gigabitethernet 0/1.100 \n   encapsulation dot1Q 100\n"},
      {kRouter, "interface", SEARCH_HEADERS,
       "interface GigabitEthernet0/1\ninterface GigabitEthernet0/1.100\n"
       "interface GigabitEthernet0/10\n"},
      // The line that ends one block is the header of the next.
      {kRouter, "interface", SEARCH_BLOCK,
       kUplink + "interface gigabitethernet 0/1.100 \n   encapsulation dot1Q 100\n"
       "interface gigabitethernet 0/10 \n   ip vrf forwarding RED\n"},
      {kRouter, "router ospf 1", SEARCH_BODY, "   network 10.0.0.0 0.0.0.255 area 0\n"},
      // Both syntaxes of list 10, each line followed by a line feed of its own.
      {kRouter, "access-list 10", SEARCH_ACL,
       "access-list 10 permit 10.0.0.0 0.0.0.255 \n\nip access-list standard 10 \n\n"
       "permit 10.1.0.0 0.0.0.255 \n\n"},
      {kRouter, "access-list", SEARCH_ACL_HEADERS,
       "access-list 10 permit 10.0.0.0 0.0.0.255 \n\naccess-list 100 permit ip any any \n\n"
       "ip access-list standard 10 \n\nip access-list extended WEB \n\n"},
      {kRouter, "ip access-list extended WEB", SEARCH_ACL_BLOCK,
       "ip access-list extended WEB \n\npermit tcp any any eq 80 \n\n"},
      // Pager residue; a banner closed on its own line; a banner line
      // without delimiter; a block that runs to the end; CR LF.
      {cfg("--More--\b\b\b\binterface GigabitEthernet0/2| shutdown"), "int gi0/2", SEARCH_BLOCK,
       "interface gigabitethernet 0/2 \n   shutdown\n"},
      {cfg("banner motd ^C hi ^C|interface GigabitEthernet0/2"), "int gi0/2", SEARCH_HEADERS,
       "interface GigabitEthernet0/2\n"},
      {cfg("banner motd|interface GigabitEthernet0/2"), "int gi0/2", SEARCH_HEADERS,
       "interface GigabitEthernet0/2\n"},
      {cfg("banner motd ^C|interface GigabitEthernet0/2"), "int gi0/2", SEARCH_HEADERS, ""},
      {"interface Loopback0\r\n ip address 1.1.1.1 255.255.255.255\r\n", "int lo0", SEARCH_BODY,
       "   ip address 1.1.1.1 255.255.255.255\n"},
  };
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(search(c.config, c.key, c.type), c.out) << c.key << " type " << c.type << "\n"
                                                      << c.config;
  }
}

TEST_F(SectionSearchTest, ExtractionOperations) {
  std::string out;
  VexaParserGetConfig::getInterfaceConfig(kRouter, 0, "", out);
  EXPECT_EQ(out, "");
  for (const char* name : {"Gi0/1", "gi 0/1", "GigabitEthernet0/1"}) {
    out.clear();
    VexaParserGetConfig::getInterfaceConfig(kRouter, 0, name, out);
    EXPECT_EQ(out, kUplink) << name;
  }

  // Mixed case and no blank before the number; no digit, an abbreviation
  // and a name not present add nothing.
  std::vector<std::string> blocks;
  VexaParserGetConfig::getInterfacesConfig(
      kRouter, 0, {"GigabitEthernet0/10", "Loopback", "Gi0/1", "Serial0/0", "gigabitEthernet0/1"},
      blocks);
  EXPECT_EQ(blocks, (std::vector<std::string>{
                        "interface gigabitethernet 0/10 \n   ip vrf forwarding RED\n", kUplink}));

  std::list<std::string> acls{"access-list 100"};
  VexaParserGetConfig::getAcls(kRouter, 0, acls);
  EXPECT_EQ(acls, (std::list<std::string>{"access-list 100", "access-list 10",
                                          "ip access-list standard 10 ",
                                          "ip access-list extended WEB "}));

  // clang-format off
  const struct { std::string got, want; } results[] = {
      {[] { std::string s; VexaParserGetConfig::GetRoutingProtocolConfig(
                kRouter, 0, std::vector<std::string>{"router bgp 9", "router ospf 1"}, s);
            return s; }(),
       "router ospf 1\n   network 10.0.0.0 0.0.0.255 area 0\n"},
      // The assignment inside an interface is not a definition.
      {[] { std::string s = "old"; VexaParserGetConfig::GetAllVrfs(kRouter, 0, s); return s; }(),
       "ip vrf RED\n"},
      {[] { std::string s; VexaParserGetConfig::GetVrfCmds(kRouter, 0, "ip vrf RED", s);
            return s; }(),
       "   rd 1:1\n"},
  };
  // clang-format on
  for (const auto& r : results) EXPECT_EQ(r.got, r.want);
}

TEST_F(SectionSearchTest, RemovesAnInterfaceFromAFileOrLeavesItUntouched) {
  vexahost::testing::TempDir dir;
  const std::string before =
      "hostname r1\r\ninterface Loopback0\r\n ip address 1.1.1.1 255.255.255.255\r\n!\r\n"
      "interface Loopback1\r\n shutdown\r\nend\r\n";
  const std::string path = dir.write("r1.cfg", before);
  EXPECT_TRUE(VexaParserUtil::removeInterfaceFromConfigFile(path, "lo0"));
  EXPECT_EQ(dir.read("r1.cfg"), "hostname r1\r\ninterface Loopback1\r\n shutdown\r\nend\r\n");
  EXPECT_TRUE(VexaParserUtil::removeInterfaceFromConfigFile(path, "Loopback7"));
  // A bare type would name every interface of its type.
  EXPECT_FALSE(VexaParserUtil::removeInterfaceFromConfigFile(path, "Loopback"));
  EXPECT_EQ(dir.read("r1.cfg"), "hostname r1\r\ninterface Loopback1\r\n shutdown\r\nend\r\n");
  EXPECT_FALSE(VexaParserUtil::removeInterfaceFromConfigFile(dir.path() + "absent.cfg", "lo1"));
  EXPECT_FALSE(VexaParserUtil::removeInterfaceFromConfigFile(dir.path(), "lo1"));
  // No temporary file stays behind.
  EXPECT_EQ(dir.read("r1.cfg.vexa-tmp"), "");
}

}  // namespace
}  // namespace vexaparser::testing
