// VTY as a console terminal over the "basic" grammar: modes and prompts,
// abbreviations, messages, option groups, banners, "no" forms, failed lines,
// the command objects of console lines, help ("?") and completion (tab), and
// the help of every mode level.
#include "vexa/parser/vty.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "cli_test_support.h"

namespace vexaparser::testing {
namespace {

constexpr char kInvalid[] = "% Invalid input detected at ^\n";
constexpr char kIncomplete[] = "% Incomplete command.\n";
constexpr char kEnter[] = "Enter configuration commands, one per line.\n";
constexpr char kIf[] = "(config-if)#";
constexpr char kConfig[] = "(config)#";
constexpr char kRouter[] = "(config-router)#";
constexpr char kUnrecognized[] = "% Unrecognized command\n";
constexpr char kShow[] =
    "running-config\tcurrent operating configuration\n"
    "version\t\tsystem hardware and software status\n";
constexpr char kCr[] = "<cr>\tend\n";
constexpr char kNeighborOptions[] = "<cr>\t\tend\ndescription\tneighbor specific description\n";

using TerminalTest = CliTest;

// One console session through every mode level (see Step for what each line
// checks). A failed line leaves the mode and the options it used as they
// were; a configuration command typed in a sub-mode leaves it (two levels at
// once from the address family).
TEST_F(TerminalTest, SessionThroughEveryModeLevel) {
  const char* kAf = "(config-router-af)#";
  // clang-format off
  play({
      {"", "", ">", ""},
      {"exit", "", ">", "exit"},  // at the view prompt it changes nothing
      {"end", kInvalid, ">"},     // "end" is special only in configuration mode
      {"en", "", "#", "enable \n"},
      {"show running-config", "", "#"},  // no stored files: nothing listed
      {"sh ver", "", "#", "show version \n"}, {"conf t", kEnter, kConfig, "configure terminal \n"},
      {"interface serial0", "", kIf, "interface serial 0 \n"}, {"hostname y", "", kConfig},
      {"router bgp 100", "", kRouter}, {"address-family ipv4", "", kAf},
      {"exit", "", kRouter, "exit"}, {"address-family ipv4", "", kAf},
      {"neighbor 1.1.1.1 weight 5", "", kRouter}, {"address-family ipv4", "", kAf},
      {"bogus", kInvalid, kAf}, {"network", kIncomplete, kAf},
      {"neighbor 1.1.1.1 bogus", kInvalid, kAf}, {"ip route 10.0.0.0", kIncomplete, kAf},
      {"lo", kInvalid, kAf},  // ambiguous abbreviations are reported like unknown words
      {"no", kInvalid, kAf},  // an ordinary word; this grammar has no such command
      {"network 10.0.0.0", "", kAf}, {"ip route 10.0.0.0 255.0.0.0 1.1.1.1", "", kConfig},
      {"int fa0/1", "", kIf, "interface fastethernet 0/1 \n"}, {"exit", "", kConfig, "exit"},
      {"INTERFACE FastEthernet 0/2", "", kIf, "interface fastethernet 0/2 \n"},
      {"sp a", "", kIf, "speed auto \n"},
      // An option taken after another in one line is refused the second time
      // in the next.
      {"ip access-group 1 log in", "", kIf}, {"ip access-group 1 in log in", kInvalid, kIf},
      {"ip add 10.1.1.1 255.255.255.0 sec", "", kIf,
       "ip address 10.1.1.1 255.255.255.0 secondary \n"},
      {"desc Link To Core", "", kIf, "description Link To Core \n"}, {"no shutdown", "", kIf},
      {"no ip", "", kIf},  // a "no" form may stop early
      {"no interface serial1", "", kConfig, "no interface serial 1 \n"},  // and enters no mode
      {"cl s", "", kConfig, "clock set \n"},
      // The argument goes before the word only in the positive form.
      {"name-server 1.1.1.1", "", kConfig, "ip name-server 1.1.1.1 \n"},
      {"no name-server 1.1.1.1", "", kConfig},
      {"router bgp 1", "", kRouter},
      // Options of a group in any order, each at most once, even abbreviated (any order
      // and plain repeats on the product grammar: grammar/modes_test.cpp).
      {"neighbor 1.1.1.1 description remote-as 5 weight 1", "", kRouter},
      {"neighbor 1.1.1.1 remote-as 5 weight 3 rem 6", kInvalid, kRouter},
      {"neighbor 1.1.1.1 rem 5 w 3", "", kRouter, "neighbor 1.1.1.1 remote-as 5 weight 3 \n"},
      {"!", "", kRouter, ""}, {"  !x", "", kRouter, ""},
      // "version" is a comment at the top of a mode only: unknown in the
      // sub-mode, the line is accepted one level up.
      {"Version 12.4", "", kConfig, ""},
      // Banner text is not matched, whatever it holds; a closing line that is
      // the delimiter alone is walked like any line, one with text before the
      // delimiter is the banner's last text line.
      {"banner motd ^C", "", kConfig, nullptr, true},
      {"Welcome to the router", "", kConfig, "Welcome to the router \n\n", true},
      {"interface serial0", "", kConfig, "interface serial0 \n\n", true}, {"?", ""}, {"int\t", ""},
      {"^C", "", kConfig, "^c \n"}, {"banner motd # hello #", "", kConfig},
      {"banner motd #", "", kConfig, nullptr, true}, {"bye #", "", kConfig, "bye # \n\n"},
      // Options that exclude each other.
      {"interface serial0", "", kIf, "interface serial 0 \n"},
      {"ip access-group 1 log in", "", kIf}, {"ip access-group 1 in log out", kInvalid, kIf},
      {"ip access-group 1 out", "", kIf},
      {"end", "", "#", "end \n"}, {"configure", kEnter, kConfig, "configure \n"},
      {"exit", "", "#", "exit"}, {"exit", "", ">", "exit"},
  });
  // clang-format on
}

// The command object of a console line: filled by the matching, never
// linked into a tree, and able to forbid a "no" form from stopping early.
TEST_F(TerminalTest, ConsoleLineFillsTheCommandObject) {
  enterConfiguration();
  CiscoCommandLine command;
  EXPECT_EQ(type("int fa0/1", &command), "");
  EXPECT_EQ(command.getParentCommand(), nullptr);
  EXPECT_EQ(command.getFlags(), FLAG_STORED | FLAG_MODE);
  ASSERT_EQ(command.getNodePath().size(), 4u);
  EXPECT_EQ(command.getNodePath()[1].second, std::set<std::string>{"fastethernet"});
  EXPECT_EQ(command.getNodePath()[2].second, std::set<std::string>{"0/1"});
  CiscoCommandLine noIp;
  EXPECT_EQ(type("no ip", &noIp), kIncomplete);
  // A line that fails at every level leaves the object as it was before,
  // although its first words matched.
  CiscoCommandLine failed;
  EXPECT_EQ(type("hostname a b", &failed), kInvalid);
  EXPECT_EQ(failed.getTreeNodeSize(), 0);
  EXPECT_EQ(failed.getFlags(), 0u);
}

TEST_F(TerminalTest, ExecuteRunsTheInputStream) {
  terminal_->writeInput("enable\nconf t\nhostname r1\nzzz\nint\t\nclock ?\r\n\nend\n");
  terminal_->execute();
  EXPECT_EQ(output(*terminal_), std::string(kEnter) + kInvalid + "interface set\tset the time\n");
  EXPECT_EQ(prompt(), "#");
  // The input was consumed; more can be written and run.
  terminal_->writeInput("exit");
  terminal_->execute();
  EXPECT_EQ(prompt(), ">");
}

TEST_F(TerminalTest, ScratchTerminalMatchesOnlyFullWords) {
  VTY& scratch = scratchInConfiguration();
  EXPECT_EQ(read(scratch, &VTY::getPrompt), kConfig);
  // An abbreviation is an unknown word: it fails without a message (the
  // incomplete-line message of scratch terminals: vty_config_text_test.cpp).
  EXPECT_FALSE(scratch.parse("int fa0/1 \n", true, nullptr));
  EXPECT_EQ(output(scratch), "\n");
  EXPECT_EQ(scratch.getLastError(), "");
  // "exit" and "end" are words of the grammar here.
  EXPECT_FALSE(scratch.parse("end \n", true, nullptr));
  EXPECT_TRUE(scratch.parse("INTERFACE FASTETHERNET0/1 \n", true, nullptr));
  EXPECT_EQ(read(scratch, &VTY::getPrompt), kIf);
}

TEST_F(TerminalTest, OddLinesSurvive) {
  enterConfiguration();
  for (const std::string& line :
       {std::string("host\0name x", 11), std::string(5000, 'a'), std::string("\xff\xfe \x80"),
        std::string("\t\r"), "interface serial" + std::string(300, '9'), std::string("no no")}) {
    type(line);
    EXPECT_EQ(prompt().substr(0, 7), "(config") << line.substr(0, 40);
  }
}

TEST(TerminalWithoutResources, IsRefused) {
  const std::shared_ptr<const Grammar> missing = cliGrammar("missing");
  ASSERT_FALSE(missing->hasAllModes());
  EXPECT_EQ(VTY::create(missing, TerminalOptions{"Router", true, {}}), nullptr);
  VTY inert(missing, TerminalOptions{"Router", true, {}});
  EXPECT_FALSE(inert.isReady());
  EXPECT_FALSE(inert.parse("enable \n", true, nullptr));
  EXPECT_EQ(output(inert), std::string(VTY::kNotReadyMessage) + "\n");
  EXPECT_EQ(read(inert, &VTY::getPrompt), "");
  inert.hook("?");
  EXPECT_EQ(output(inert), std::string(VTY::kNotReadyMessage) + "\n");
}

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
      {"configure terminal", kEnter},
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
        {kRouter, router},
        {kConfig, router + "name-server\tspecify address of name server\n"}}},
      // Replaying stops at "end": the text below it is not entered.
      {"router bgp 1\nend\ninterface serial0\n", "zzz", {}},
      // Once a level answered "% Unrecognized command" the output keeps it,
      // so the levels after it give no hint either.
      {"router bgp 1\n", "h", {}},
      {"", "h", {{kConfig, "hostname\tset system's network name\n"}}},
      // The configuration root has no word beginning with "s": no hint there.
      {"interface serial0\n",
       "s",
       {{kIf,
         "shutdown\tshutdown the selected interface\nspeed\t\tconfigure speed operation\n"}}},
  };
  for (const Case& c : cases) {
    std::vector<ConfigHint> hints;
    EXPECT_TRUE(scratchInConfiguration().hintCommand(c.text, c.word, hints));
    Hints got;
    for (const ConfigHint& hint : hints) got.emplace_back(hint.word, hint.help);
    EXPECT_EQ(got, c.expected) << c.text;
    EXPECT_TRUE(scratch_->parse("hostname x \n", true, nullptr)) << c.text;
    EXPECT_EQ(read(*scratch_, &VTY::getPrompt), kConfig) << c.text;
  }
}

}  // namespace
}  // namespace vexaparser::testing
