// VTY help ("?") and completion (tab), and the help of every mode level.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli_test_support.h"
#include "vexa/parser/node_matcher.h"
#include "vexa/parser/vty.h"

namespace vexaparser::testing {
namespace {

constexpr char kUnrecognized[] = "% Unrecognized command\n";

using HelpTest = CliTest;

struct HookCase {
  const char* line;
  const char* output;
};

TEST_F(HelpTest, QuestionMarkListings) {
  EXPECT_EQ(hook("?"),
            "enable\tturn on privileged commands\n"
            "show\tshow running system information\n");
  type("enable");
  const HookCase cases[] = {
      {"show ?",
       "running-config\tcurrent operating configuration\n"
       "version\t\tsystem hardware and software status\n"},
      {"sh?", "show\t\tshow running system information\n"},
      {"SH ?",
       "running-config\tcurrent operating configuration\n"
       "version\t\tsystem hardware and software status\n"},
      {"configure ?", "<cr>\t\tend\nterminal\tconfigure from the terminal\n"},
      {"ping 10.1.1.1 ?", "<cr>\tend\n"},
      {"zzz?", kUnrecognized},
      {"zzz ?", kUnrecognized},
      {"show zzz ?", kUnrecognized},
      {"show version zzz ?", kUnrecognized},
      // Blanks between words do not count; a tab inside a word does.
      {"show   ?",
       "running-config\tcurrent operating configuration\n"
       "version\t\tsystem hardware and software status\n"},
      {"show\tver?", kUnrecognized},
  };
  for (const HookCase& c : cases) EXPECT_EQ(hook(c.line), c.output) << c.line;
}

TEST_F(HelpTest, QuestionMarkInConfiguration) {
  enterConfiguration();
  std::ostringstream root;
  NodeMatcher::printHints(ParserResources::instance().modeTree(CONFIGURATION_MODE)->root, root, "");
  EXPECT_EQ(hook("?"), root.str());
  const HookCase cases[] = {
      // A full value is echoed when no word begins with it.
      {"router bgp 5?", "5\n"},
      {"router bgp 5 ?", "<cr>\tend\n"},
      {"delay +?", "<1-4294967295>\tdelay offset\n"},
      {"metric -?", "-\n"},
      {"interface ?",
       "ethernet\tieee 802.3\n"
       "fastethernet\tfastethernet ieee 802.3\n"
       "loopback\tloopback interface\n"
       "serial\t\tserial\n"},
      {"interface s?", "serial\t\tserial\n"},
      // An interface name is split into its type and number.
      {"interface fa0?", "<cr>\tend\n"},
      {"int fa0/1 ?", "<cr>\tend\n"},
      {"interface fastethernet 0 ?", "<cr>\tend\n"},
      {"hostname ?", "word\tthis system's network name\n"},
      {"hostname R1?", "R1\n"},
      {"clock ?", "set\tset the time\n"},
      {"c?", "calendar\tmanage the hardware calendar\nclock\t\tmanage the system clock\n"},
  };
  for (const HookCase& c : cases) EXPECT_EQ(hook(c.line), c.output) << c.line;
}

TEST_F(HelpTest, QuestionMarkHidesUsedOptionsAndSkipsNo) {
  enterConfiguration();
  type("router bgp 1");
  EXPECT_EQ(hook("neighbor 1.1.1.1 remote-as 5 ?"),
            "<cr>\t\tend\n"
            "description\tneighbor specific description\n"
            "weight\t\tset default weight for routes from this neighbor\n");
  EXPECT_EQ(hook("neighbor 1.1.1.1 rem 5 weight 3 ?"),
            "<cr>\t\tend\ndescription\tneighbor specific description\n");
  // The help released the options it used: the line can be typed.
  EXPECT_EQ(type("neighbor 1.1.1.1 remote-as 5 weight 3"), "");
  EXPECT_EQ(hook("neighbor 1.1.1.1 remote-as 5 weight 3 ?"),
            "<cr>\t\tend\ndescription\tneighbor specific description\n");
  type("exit");
  type("interface serial0");
  EXPECT_EQ(hook("no shut?"), "shutdown\tshutdown the selected interface\n");
  EXPECT_EQ(hook("NO ip ?"),
            "access-group\tspecify access control for packets\n"
            "address\t\tset the ip address of an interface\n");
  EXPECT_EQ(hook("ip access-group 1 in ?"), "<cr>\tend\nlog\tlog matches against this entry\n");
}

TEST_F(HelpTest, TabCompletion) {
  type("enable");
  const HookCase execCases[] = {
      {"conf\t", "configure "},
      {"conf t\t", "conf terminal "},
      {"CONF\t", "configure "},
      {"show \t", "show "},
      {"\t", ""},
      {"ping 10.1.1.1\t", "ping 10.1.1.1 "},
      // Nothing matches: the words before and the (empty) common prefix.
      {"xyz\t", ""},
      {"show xyz\t", "show "},
      // The walk stopped: the rest is written back as typed.
      {"xyz abc\t", "xyz abc"},
  };
  for (const HookCase& c : execCases) EXPECT_EQ(hook(c.line), c.output) << c.line;

  type("configure terminal");
  const HookCase configCases[] = {
      {"i\t", "i"},
      {"lo\t", "log"},
      {"logg\t", "logging "},
      {"int\t", "interface "},
      {"interface fa\t", "interface fastethernet "},
      {"router bgp 100\t", "router bgp 100 "},
      {"router bgp 0\t", "router bgp "},
      {"hostname R\t", "hostname R "},
      // A type name typed as it stands completes to nothing at all.
      {"ip route <a.b.c.d>\t", ""},
      {"c\t", "c"},
      {"cl\t", "clock "},
  };
  for (const HookCase& c : configCases) EXPECT_EQ(hook(c.line), c.output) << c.line;

  type("interface serial0");
  EXPECT_EQ(hook("no shut\t"), "no shutdown ");
  EXPECT_EQ(hook("sp 1\t"), "sp 10");
  EXPECT_EQ(hook("sp a\t"), "sp auto ");
}

TEST_F(HelpTest, HookIgnoresLinesWithoutAKey) {
  EXPECT_EQ(hook(""), "");
  EXPECT_EQ(hook("enable"), "");
  EXPECT_EQ(hook("enable "), "");
}

TEST_F(HelpTest, HintCommandListsEveryLevelInnermostFirst) {
  VTY& scratch = scratchInConfiguration();
  std::vector<ConfigHint> hints;
  EXPECT_TRUE(scratch.hintCommand("Router BGP 100\r\n address-family ipv4\r\n", "n", hints));
  ASSERT_EQ(hints.size(), 3u);
  const std::string af = "network\tspecify a network to announce via bgp\n";
  const std::string router = "neighbor\tspecify a neighbor router\n";
  const std::string config = "name-server\tspecify address of name server\n";
  EXPECT_EQ(hints[0].word, "(config-router-af)#");
  EXPECT_EQ(hints[0].help, af);
  EXPECT_EQ(hints[1].word, "(config-router)#");
  EXPECT_EQ(hints[1].help, af + router);
  EXPECT_EQ(hints[2].word, "(config)#");
  EXPECT_EQ(hints[2].help, af + router + config);

  // Every level is closed afterwards; the terminal starts again at its root.
  EXPECT_TRUE(scratch.parse("hostname x \n", true, nullptr));
  std::string prompt;
  scratch.getPrompt(prompt);
  EXPECT_EQ(prompt, "(config)#");
}

TEST_F(HelpTest, HintCommandSkipsLevelsThatDoNotKnowTheWord) {
  VTY& scratch = scratchInConfiguration();
  std::vector<ConfigHint> hints;
  // Replaying stops at "end": the text below it is not entered.
  scratch.hintCommand("router bgp 1\nend\ninterface serial0\n", "zzz", hints);
  EXPECT_TRUE(hints.empty());

  // Once a level answered "% Unrecognized command" the output keeps it, so
  // the levels after it give no hint either.
  VTY& again = scratchInConfiguration();
  hints.clear();
  again.hintCommand("router bgp 1\n", "h", hints);
  ASSERT_EQ(hints.size(), 0u);
  hints.clear();
  VTY& third = scratchInConfiguration();
  third.hintCommand("", "h", hints);
  ASSERT_EQ(hints.size(), 1u);
  EXPECT_EQ(hints[0].word, "(config)#");
  EXPECT_EQ(hints[0].help, "hostname\tset system's network name\n");
}

TEST_F(HelpTest, NextCommandWordsAtEveryLevel) {
  VTY& scratch = scratchInConfiguration();
  scratch.findMajorCommand("interface serial0\n");
  std::vector<ConfigHint> hints;
  scratch.getNextCmdWords("s?", hints);
  // The configuration root has no word beginning with "s": no hint there.
  ASSERT_EQ(hints.size(), 1u);
  EXPECT_EQ(hints[0].word, "(config-if)#");
  EXPECT_EQ(hints[0].help,
            "shutdown\tshutdown the selected interface\n"
            "speed\t\tconfigure speed operation\n");
  std::string rest;
  scratch.getOutputString(rest);
  EXPECT_EQ(rest, hints[0].help + kUnrecognized);
}

}  // namespace
}  // namespace vexaparser::testing
