// VTY as a console terminal over the "basic" grammar: modes and prompts,
// abbreviations, messages, option groups, banners, "no" forms, failed lines
// and the command objects of console lines.
#include "vexa/parser/vty.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "cli_test_support.h"

namespace vexaparser::testing {
namespace {

constexpr char kInvalid[] = "% Invalid input detected at ^\n";
constexpr char kIncomplete[] = "% Incomplete command.\n";
constexpr char kEnter[] = "Enter configuration commands, one per line.\n";
constexpr char kIf[] = "(config-if)#";
constexpr char kConfig[] = "(config)#";
constexpr char kRouter[] = "(config-router)#";

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

}  // namespace
}  // namespace vexaparser::testing
