// Remediation checked against its device model: the script, pasted line by
// line into a device holding RUNNING, must leave INTENDED (order-sensitive
// lists in order) with no line rejected; both directions; and a
// configuration needs no script against itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "host/temp_dir.h"
#include "vexa/host/pathname.h"
#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/vexa_parser_util.h"
#include "vexa/remediation/remediation.h"

namespace vexaremediation {
namespace {

using vexahost::testing::readFile;
using vexaparser::VexaParserUtil;

class RemediationTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    vexahost::VexaFileSystem::SetSystemResourceFolder(VEXA_SOURCE_RESOURCE_DIR);
    VexaParserUtil::createParserResource();
    VexaParserUtil::setOverwriteCmds();
  }
  static void TearDownTestSuite() {
    VexaParserUtil::destroyParserResource();
    vexahost::VexaFileSystem::SetSystemResourceFolder("");
  }
  void SetUp() override { ASSERT_TRUE(VexaParserUtil::resourcesReady()); }

  // The script from running to intended; fails the test unless a device
  // holding running accepts every line and ends up holding intended.
  static std::string roundTrip(const std::string& running, const std::string& intended,
                               const std::string& what) {
    const std::string script = remediate(running, intended);
    const AppliedScript applied = applyScript(deviceState(running), script);
    std::string rejected;
    for (const std::string& line : applied.rejectedLines) rejected += "  " + line + "\n";
    EXPECT_TRUE(applied.rejectedLines.empty()) << what << ": lines rejected:\n"
                                               << rejected << "script:\n" << script;
    std::string whyNot;
    EXPECT_TRUE(sameConfiguration(applied.configuration, deviceState(intended), &whyNot))
        << what << ": " << whyNot << "\nscript:\n" << script;
    return script;
  }
};

// Lines joined by "|" (one blank per level kept), each ending in "\n".
std::string lines(std::string piped) {
  std::replace(piped.begin(), piped.end(), '|', '\n');
  return piped + "\n";
}

// The script without the blanks the library leaves at line ends.
std::string withoutTrailingBlanks(const std::string& text) {
  std::istringstream in(text);
  std::string out;
  for (std::string line; std::getline(in, line);) {
    out += line.erase(line.find_last_not_of(' ') + 1) + "\n";
  }
  return out;
}

struct Case {
  const char* what;
  const char* running;
  const char* intended;
  const char* script;
};

TEST_F(RemediationTest, ScriptsForOrderSensitiveListsModesAndRepeatedLines) {
  const Case cases[] = {
      {"an entry in the middle of a numbered list: the list is given again",
       "access-list 101 permit tcp any any eq 22|access-list 101 deny ip any any",
       "access-list 101 permit tcp any any eq 22|access-list 101 permit tcp any any eq 443|"
       "access-list 101 deny ip any any",
       "no access-list 101|access-list 101 permit tcp any any eq 22|"
       "access-list 101 permit tcp any any eq 443|access-list 101 deny ip any any"},
      {"an entry in the middle of an unnumbered named list: the list is given again",
       "ip access-list extended EDGE| permit tcp any any eq 22| deny ip any any",
       "ip access-list extended EDGE| permit tcp any any eq 22| permit tcp any any eq 443|"
       " deny ip any any",
       "no ip access-list extended EDGE|ip access-list extended EDGE| permit tcp any any eq 22|"
       " permit tcp any any eq 443| deny ip any any| exit"},
      {"a numbered entry falls into place by its number",
       "ip access-list extended EDGE| 10 permit tcp any any eq 22| 20 deny ip any any",
       "ip access-list extended EDGE| 10 permit tcp any any eq 22| 15 permit tcp any any eq 443|"
       " 20 deny ip any any",
       "ip access-list extended EDGE| 15 permit tcp any any eq 443| exit"},
      {"a prefix-list entry with its sequence number",
       "ip prefix-list PL seq 5 permit 10.0.0.0/8|ip prefix-list PL seq 10 deny 0.0.0.0/0 le 32",
       "ip prefix-list PL seq 5 permit 10.0.0.0/8|ip prefix-list PL seq 7 permit 172.16.0.0/12|"
       "ip prefix-list PL seq 10 deny 0.0.0.0/0 le 32",
       "ip prefix-list PL seq 7 permit 172.16.0.0/12"},
      {"AS-path entries reordered: removed whole and given again",
       "ip as-path access-list 10 permit ^$|ip as-path access-list 10 permit ^65000_",
       "ip as-path access-list 10 permit ^65000_|ip as-path access-list 10 permit ^$",
       "no ip as-path access-list 10|ip as-path access-list 10 permit ^65000_|"
       "ip as-path access-list 10 permit ^$"},
      {"a list that goes is removed with one line",
       "access-list 102 permit ip any any|access-list 102 deny tcp any any|hostname a",
       "hostname a", "no access-list 102"},
      {"a new BGP neighbor exists before its address family activates it",
       "router bgp 65000| neighbor 10.0.0.1 remote-as 65001| address-family ipv4|"
       "  neighbor 10.0.0.1 activate| exit-address-family",
       "router bgp 65000| neighbor 10.0.0.1 remote-as 65001| neighbor 10.0.0.2 remote-as 65002|"
       " address-family ipv4|  neighbor 10.0.0.1 activate|  neighbor 10.0.0.2 activate|"
       " exit-address-family",
       "router bgp 65000| neighbor 10.0.0.2 remote-as 65002| address-family ipv4|"
       "  neighbor 10.0.0.2 activate|  exit-address-family| exit"},
      {"shutdown becomes no shutdown once", "interface GigabitEthernet0/1| shutdown",
       "interface GigabitEthernet0/1| no shutdown",
       "interface gigabitethernet 0/1| no shutdown| exit"},
      {"a changed banner is given whole", "banner motd ^C|old text|^C|hostname a",
       "banner motd ^C|new text|^C|hostname a", "banner motd ^C|new text|^C"},
  };
  for (const Case& c : cases) {
    const std::string script = roundTrip(lines(c.running), lines(c.intended), c.what);
    EXPECT_EQ(withoutTrailingBlanks(script), lines(c.script)) << c.what;
  }
}

TEST_F(RemediationTest, AConfigurationStatingAnItemTwiceNeedsNothingAgainstItself) {
  const std::string twice = lines("no aaa new-model|aaa new-model|hostname a|hostname b");
  EXPECT_EQ(remediate(twice, twice), "");
  EXPECT_EQ(remediate(twice, lines("aaa new-model|hostname b")), "");
}

TEST_F(RemediationTest, EveryPeerPairRoundTripsBothWays) {
  int pairs = 0;
  for (const vexahost::Pathname& pair :
       vexahost::Pathname(VEXA_REMEDIATION_PAIRS_DIR).dirContents()) {
    if (!pair.isDirectory()) continue;
    const std::string running = readFile(pair.data() + "/running.cfg");
    const std::string intended = readFile(pair.data() + "/intended.cfg");
    EXPECT_FALSE(roundTrip(running, intended, pair.file()).empty()) << pair.file();
    roundTrip(intended, running, pair.file() + " (rollback)");
    ++pairs;
  }
  EXPECT_GE(pairs, 9);
}

// Every file of both corpora needs nothing against itself; each file of the
// first one round-trips with its variant (tests/data/remediation-variants/).
TEST_F(RemediationTest, EveryCorpusFileNeedsNothingAgainstItselfAndRoundTripsWithItsVariant) {
  int files[2] = {0, 0};
  for (const bool wide : {false, true}) {
    for (const vexahost::Pathname& entry :
         vexahost::Pathname(wide ? VEXA_WIDE_CORPUS_DIR : VEXA_CORPUS_DIR).dirContents()) {
      const std::string name = entry.file();
      if (name == "MANIFEST.tsv") continue;
      const std::string original = readFile(entry.data());
      EXPECT_EQ(remediate(original, original), "") << name;
      ++files[wide];
      if (wide) continue;
      const std::string variant =
          readFile(std::string(VEXA_TEST_DATA_DIR) + "remediation-variants/" + name);
      ASSERT_FALSE(variant.empty()) << name;
      roundTrip(original, variant, name);
      roundTrip(variant, original, name + " (rollback)");
    }
  }
  EXPECT_GE(files[0], 40);
  EXPECT_GE(files[1], 200);
}

}  // namespace
}  // namespace vexaremediation
