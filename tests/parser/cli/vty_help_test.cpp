// VTY help ("?") and completion (tab), and the help of every mode level.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "cli_test_support.h"
#include "vexa/parser/vty.h"

namespace vexaparser::testing {
namespace {

constexpr char kUnrecognized[] = "% Unrecognized command\n";
constexpr char kShow[] =
    "running-config\tcurrent operating configuration\n"
    "version\t\tsystem hardware and software status\n";
constexpr char kCr[] = "<cr>\tend\n";
constexpr char kNeighborOptions[] = "<cr>\t\tend\ndescription\tneighbor specific description\n";

using HelpTest = CliTest;

// One session: lines ending in "?" or tab go to hook, the others are typed.
TEST_F(HelpTest, HelpAndCompletionInEveryMode) {
  // clang-format off
  play({
      {"?", "enable\tturn on privileged commands\nshow\tshow running system information\n"},
      {"enable", ""},
      {"sh?", "show\t\tshow running system information\n"},
      {"configure ?", "<cr>\t\tend\nterminal\tconfigure from the terminal\n"},
      {"zzz?", kUnrecognized}, {"show version zzz ?", kUnrecognized},
      // Blanks between words do not count; a tab inside a word does.
      {"show   ?", kShow}, {"show\tver?", kUnrecognized},
      {"conf t\t", "conf terminal "}, {"\t", ""},
      // Nothing matches: the words before and the (empty) common prefix; a
      // walk that stopped writes the rest back as typed.
      {"xyz\t", ""}, {"show xyz\t", "show "}, {"xyz abc\t", "xyz abc"},
      {"configure terminal", "Enter configuration commands, one per line.\n"},
      // A full value is echoed when no word begins with it.
      {"router bgp 5?", "5\n"},
      {"delay +?", "<1-4294967295>\tdelay offset\n"}, {"metric -?", "-\n"},
      {"interface ?", "ethernet\tieee 802.3\nfastethernet\tfastethernet ieee 802.3\n"
                      "loopback\tloopback interface\nserial\t\tserial\n"},
      // An interface name is split into its type and number.
      {"interface fa0?", kCr}, {"hostname ?", "word\tthis system's network name\n"},
      {"c?", "calendar\tmanage the hardware calendar\nclock\t\tmanage the system clock\n"},
      {"lo\t", "log"}, {"int\t", "interface "},
      {"interface fa\t", "interface fastethernet "},
      {"router bgp 100\t", "router bgp 100 "}, {"router bgp 0\t", "router bgp "},
      {"ip route <a.b.c.d>\t", ""},  // a type name typed as it stands completes to nothing
      {"c\t", "c"}, {"cl\t", "clock "},
      // Used options are hidden, and released after the help.
      {"router bgp 1", ""},
      {"neighbor 1.1.1.1 remote-as 5 ?",
       "<cr>\t\tend\ndescription\tneighbor specific description\n"
       "weight\t\tset default weight for routes from this neighbor\n"},
      {"neighbor 1.1.1.1 rem 5 weight 3 ?", kNeighborOptions},
      // "no" is skipped.
      {"interface serial0", ""},
      {"no shut?", "shutdown\tshutdown the selected interface\n"},
      {"NO ip ?", "access-group\tspecify access control for packets\n"
                  "address\t\tset the ip address of an interface\n"},
      {"ip access-group 1 in ?", "<cr>\tend\nlog\tlog matches against this entry\n"},
      {"no shut\t", "no shutdown "}, {"sp a\t", "sp auto "},
      {"exit", ""},
  });
  // clang-format on
  // Lines without the key are no requests.
  for (const char* line : {"", "enable", "enable "}) EXPECT_EQ(hook(line), "") << line;
}

// The listing of every level a configuration text opens, innermost first;
// levels that do not know the word give none. Every level is closed
// afterwards: the terminal starts again at its root.
TEST_F(HelpTest, HintCommandGivesTheHelpOfEveryLevelInnermostFirst) {
  const std::string af = "network\tspecify a network to announce via bgp\n";
  const std::string router = af + "neighbor\tspecify a neighbor router\n";
  using Hints = std::vector<std::pair<std::string, std::string>>;
  struct Case {
    const char* text;
    const char* word;
    Hints expected;
  };
  const Case cases[] = {
      {"Router BGP 100\r\n address-family ipv4\r\n",
       "n",
       {{"(config-router-af)#", af},
        {"(config-router)#", router},
        {"(config)#", router + "name-server\tspecify address of name server\n"}}},
      // Replaying stops at "end": the text below it is not entered.
      {"router bgp 1\nend\ninterface serial0\n", "zzz", {}},
      // Once a level answered "% Unrecognized command" the output keeps it,
      // so the levels after it give no hint either.
      {"router bgp 1\n", "h", {}},
      {"", "h", {{"(config)#", "hostname\tset system's network name\n"}}},
      // The configuration root has no word beginning with "s": no hint there.
      {"interface serial0\n",
       "s",
       {{"(config-if)#",
         "shutdown\tshutdown the selected interface\nspeed\t\tconfigure speed operation\n"}}},
  };
  for (const Case& c : cases) {
    std::vector<ConfigHint> hints;
    EXPECT_TRUE(scratchInConfiguration().hintCommand(c.text, c.word, hints));
    Hints got;
    for (const ConfigHint& hint : hints) got.emplace_back(hint.word, hint.help);
    EXPECT_EQ(got, c.expected) << c.text;
    EXPECT_TRUE(scratch_->parse("hostname x \n", true, nullptr)) << c.text;
    EXPECT_EQ(read(*scratch_, &VTY::getPrompt), "(config)#") << c.text;
  }
}

}  // namespace
}  // namespace vexaparser::testing
