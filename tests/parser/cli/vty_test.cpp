// VTY as a console terminal over the "basic" grammar: modes and prompts,
// abbreviations, messages, banners, "no" forms and failed lines.
#include "vexa/parser/vty.h"

#include <gtest/gtest.h>

#include <string>

#include "cli_test_support.h"
#include "vexa/host/pathname.h"

namespace vexaparser::testing {
namespace {

constexpr char kInvalid[] = "% Invalid input detected at ^\n";
constexpr char kIncomplete[] = "% Incomplete command.\n";
constexpr char kEnterConfiguration[] = "Enter configuration commands, one per line.\n";

using TerminalTest = CliTest;

TEST_F(TerminalTest, PromptsThroughModesAndSubModes) {
  struct Step {
    const char* line;
    const char* output;
    const char* prompt;
  };
  const Step steps[] = {
      {"", "", ">"},
      {"enable", "", "#"},
      {"configure terminal", kEnterConfiguration, "(config)#"},
      {"interface fastethernet0/1", "", "(config-if)#"},
      {"exit", "", "(config)#"},
      {"router bgp 100", "", "(config-router)#"},
      {"address-family ipv4", "", "(config-router-af)#"},
      {"exit", "", "(config-router)#"},
      {"address-family ipv4", "", "(config-router-af)#"},
      {"end", "", "#"},
      {"configure", kEnterConfiguration, "(config)#"},
      {"exit", "", "#"},
      {"exit", "", ">"},
      {"exit", "", ">"},
      {"exit", "", ">"},
  };
  for (const Step& step : steps) {
    EXPECT_EQ(type(step.line), step.output) << step.line;
    EXPECT_TRUE(lastResult_) << step.line;
    EXPECT_EQ(prompt(), step.prompt) << step.line;
  }
}

TEST_F(TerminalTest, ModeChangesKeepTheCompleteLine) {
  type("en");
  EXPECT_EQ(completeLine(), "enable \n");
  EXPECT_TRUE(VTY::modeChanged());
  EXPECT_EQ(type("conf t"), kEnterConfiguration);
  EXPECT_EQ(completeLine(), "configure terminal \n");
  type("hostname r1");
  EXPECT_FALSE(VTY::modeChanged());
  EXPECT_EQ(terminal_->getCurrentMode(), CONFIGURATION_MODE);
  type("end");
  EXPECT_EQ(completeLine(), "end \n");
  EXPECT_EQ(terminal_->getCurrentMode(), EXECUTION_MODE);
}

TEST_F(TerminalTest, ExitAtTheViewPromptChangesNothingAndEndIsAWord) {
  EXPECT_EQ(type("exit"), "");
  EXPECT_TRUE(lastResult_);
  EXPECT_EQ(prompt(), ">");
  // "end" is special only in configuration mode.
  EXPECT_EQ(type("end"), kInvalid);
  EXPECT_FALSE(lastResult_);
  EXPECT_EQ(terminal_->getLastError(), "% Invalid input detected at ^");
  EXPECT_EQ(type("exit"), "");
  EXPECT_EQ(terminal_->getLastError(), "% Invalid input detected at ^");
  EXPECT_EQ(prompt(), ">");
}

TEST_F(TerminalTest, ConfigurationCommandInSubModeLeavesIt) {
  enterConfiguration();
  type("interface serial0");
  ASSERT_EQ(prompt(), "(config-if)#");
  EXPECT_EQ(type("hostname y"), "");
  EXPECT_TRUE(lastResult_);
  EXPECT_EQ(prompt(), "(config)#");
  EXPECT_EQ(completeLine(), "hostname y \n");

  // Two levels at once, from the address family back to the router.
  type("router bgp 1");
  type("address-family ipv4");
  EXPECT_EQ(type("neighbor 1.1.1.1 weight 5"), "");
  EXPECT_EQ(prompt(), "(config-router)#");
  type("address-family ipv4");
  EXPECT_EQ(type("ip route 10.0.0.0 255.0.0.0 1.1.1.1"), "");
  EXPECT_EQ(prompt(), "(config)#");
}

TEST_F(TerminalTest, FailedLineRestoresTheState) {
  enterConfiguration();
  type("router bgp 1");
  type("address-family ipv4");
  const std::string majors = majorCommands();
  EXPECT_EQ(majors, "router bgp 1 \n");
  for (const char* line : {"bogus", "network", "ip route 10.0.0.0", "neighbor 1.1.1.1 bogus"}) {
    type(line);
    EXPECT_FALSE(lastResult_) << line;
    EXPECT_EQ(prompt(), "(config-router-af)#") << line;
    EXPECT_EQ(majorCommands(), majors) << line;
    EXPECT_EQ(completeLine(), "") << line;
  }
  EXPECT_EQ(type("network 10.0.0.0"), "");
  EXPECT_EQ(majorCommands(), "router bgp 1 \naddress-family ipv4 \n");
}

TEST_F(TerminalTest, MessagesOfFailedLines) {
  enterConfiguration();
  struct Case {
    const char* line;
    const char* output;
  };
  const Case cases[] = {
      {"ip route 10.0.0.0", kIncomplete},
      {"ip route 10.0.0", kInvalid},
      {"router bgp 0", kInvalid},
      {"hostname", kIncomplete},
      // Ambiguous abbreviations are reported like unknown words.
      {"i", kInvalid},
      {"lo", kInvalid},
      {"speed auto", kInvalid},
      {"zzz", kInvalid},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(type(c.line), c.output) << c.line;
    EXPECT_FALSE(lastResult_) << c.line;
  }
  // A good line empties the last error.
  type("hostname r");
  EXPECT_EQ(terminal_->getLastError(), "");
}

TEST_F(TerminalTest, AbbreviationsUpperCaseKeyTablesAndTypes) {
  enterConfiguration();
  struct Case {
    const char* line;
    const char* complete;
    const char* prompt;
  };
  const Case cases[] = {
      {"int fa0/1", "interface fastethernet 0/1 \n", "(config-if)#"},
      {"INTERFACE FastEthernet 0/2", "interface fastethernet 0/2 \n", "(config-if)#"},
      {"sp a", "speed auto \n", "(config-if)#"},
      {"speed 100", "speed 100 \n", "(config-if)#"},
      {"ip add 10.1.1.1 255.255.255.0 sec", "ip address 10.1.1.1 255.255.255.0 secondary \n",
       "(config-if)#"},
      {"desc Link To Core", "description Link To Core \n", "(config-if)#"},
      {"HOSTNAME R1", "hostname R1 \n", "(config)#"},
      {"int e1", "interface ethernet 1 \n", "(config-if)#"},
      {"ip route 10.0.0.0 255.0.0.0 192.168.1.1", "ip route 10.0.0.0 255.0.0.0 192.168.1.1 \n",
       "(config)#"},
      {"delay -20", "delay -20 \n", "(config)#"},
      {"cl s", "clock set \n", "(config)#"},
      {"calendar set", "calendar set \n", "(config)#"},
      {"router bgp 4294967295", "router bgp 4294967295 \n", "(config-router)#"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(type(c.line), "") << c.line;
    EXPECT_TRUE(lastResult_) << c.line;
    EXPECT_EQ(completeLine(), c.complete) << c.line;
    EXPECT_EQ(infoLine(), c.complete) << c.line;
    EXPECT_EQ(prompt(), c.prompt) << c.line;
  }
}

TEST_F(TerminalTest, ArgumentBeforeAndReplacedWords) {
  enterConfiguration();
  type("name-server 1.1.1.1");
  EXPECT_EQ(completeLine(), "ip name-server 1.1.1.1 \n");
  // The argument goes before the word only in the positive form.
  type("no name-server 1.1.1.1");
  EXPECT_EQ(completeLine(), "no name-server 1.1.1.1 \n");
  type("domain example.com");
  EXPECT_EQ(completeLine(), "ip domain-name example.com \n");
}

TEST_F(TerminalTest, OptionGroupsInAnyOrderAndNeverTwice) {
  enterConfiguration();
  type("router bgp 1");
  struct Case {
    const char* line;
    bool ok;
  };
  const Case cases[] = {
      {"neighbor 1.1.1.1 remote-as 5", true},
      {"neighbor 1.1.1.1 remote-as 5 weight 3", true},
      {"neighbor 1.1.1.1 weight 3 remote-as 5", true},
      {"neighbor 1.1.1.1 description remote-as 5 weight 1", true},
      {"neighbor 1.1.1.1 remote-as 5 remote-as 6", false},
      {"neighbor 1.1.1.1 remote-as 5 weight 3 remote-as 6", false},
      {"neighbor 1.1.1.1 weight 3 description weight 4", false},
      // The options of the failed lines were released with them.
      {"neighbor 1.1.1.1 weight 3 remote-as 5", true},
      {"neighbor 1.1.1.1 rem 5 w 3", true},
  };
  for (const Case& c : cases) {
    type(c.line);
    EXPECT_EQ(lastResult_, c.ok) << c.line;
    EXPECT_EQ(prompt(), "(config-router)#") << c.line;
  }
  type("neighbor 1.1.1.1 rem 5 w 3");
  EXPECT_EQ(completeLine(), "neighbor 1.1.1.1 remote-as 5 weight 3 \n");
}

TEST_F(TerminalTest, ConflictingOptions) {
  enterConfiguration();
  type("interface serial0");
  for (const char* line :
       {"ip access-group 1 in", "ip access-group 1 out log", "ip access-group 1 log in"}) {
    EXPECT_EQ(type(line), "") << line;
  }
  for (const char* line : {"ip access-group 1 in out", "ip access-group 1 in log out",
                           "ip access-group 1 in log in"}) {
    EXPECT_EQ(type(line), kInvalid) << line;
  }
}

TEST_F(TerminalTest, NoForms) {
  enterConfiguration();
  type("interface serial0");
  EXPECT_EQ(type("no shutdown"), "");
  EXPECT_EQ(completeLine(), "no shutdown \n");
  // "no" alone is an ordinary word, and this grammar has no such command.
  EXPECT_EQ(type("no"), kInvalid);
  EXPECT_EQ(prompt(), "(config-if)#");
  // A "no" form may stop early unless the command object says it cannot.
  EXPECT_EQ(type("no ip"), "");
  EXPECT_EQ(completeLine(), "no ip \n");
  CiscoCommandLine noIp;
  EXPECT_EQ(typeWith("no ip", noIp), kIncomplete);
  CiscoCommandLine noAddress;
  EXPECT_EQ(typeWith("no ip address", noAddress), "");
  EXPECT_EQ(completeLine(), "no ip address \n");
  EXPECT_NE(noAddress.getFlags() & FLAG_NO, 0u);
  EXPECT_EQ(noAddress.getFlags() & FLAG_INCOMPLETE, 0u);
  // A "no" form never enters the sub-mode its command opens.
  EXPECT_EQ(type("no interface serial1"), "");
  EXPECT_EQ(completeLine(), "no interface serial 1 \n");
  EXPECT_EQ(prompt(), "(config)#");
}

TEST_F(TerminalTest, CommentsAndVersion) {
  enterConfiguration();
  type("router bgp 1");
  for (const char* line : {"!", "! a comment", "  !x"}) {
    EXPECT_EQ(type(line), "") << line;
    EXPECT_TRUE(lastResult_) << line;
    EXPECT_EQ(prompt(), "(config-router)#") << line;
    EXPECT_EQ(completeLine(), "") << line;
  }
  // "version" is a comment at the top of a mode only: in the sub-mode it is
  // unknown, and the line is accepted one level up.
  EXPECT_EQ(type("version 12.4"), "");
  EXPECT_EQ(prompt(), "(config)#");
  EXPECT_EQ(type("Version 12.4"), "");
  EXPECT_EQ(prompt(), "(config)#");
}

TEST_F(TerminalTest, BannerWithItsDelimiter) {
  enterConfiguration();
  EXPECT_EQ(type("banner motd ^C"), "");
  EXPECT_EQ(terminal_->getHostName(), "");
  EXPECT_EQ(type("Welcome to the router"), "");
  EXPECT_EQ(completeLine(), "Welcome to the router \n\n");
  // Banner text is not matched, whatever it holds.
  EXPECT_EQ(type("interface serial0"), "");
  EXPECT_EQ(prompt(), "(config)#");
  EXPECT_EQ(hook("?"), "");
  EXPECT_EQ(hook("int\t"), "");
  // The closing line is walked like any line.
  EXPECT_EQ(type("^C"), "");
  EXPECT_EQ(completeLine(), "^c \n");
  EXPECT_EQ(terminal_->getHostName(), "Router");

  // Opened and closed on one line.
  EXPECT_EQ(type("banner motd # hello #"), "");
  EXPECT_EQ(terminal_->getHostName(), "Router");
  EXPECT_EQ(completeLine(), "banner motd # hello # \n");
  // A closing line that the grammar does not know fails and closes it too.
  type("banner motd #");
  EXPECT_EQ(terminal_->getHostName(), "");
  EXPECT_EQ(type("bye #"), kInvalid);
  EXPECT_EQ(terminal_->getHostName(), "Router");
  EXPECT_EQ(type("hostname r2"), "");
  EXPECT_EQ(completeLine(), "hostname r2 \n");
}

TEST_F(TerminalTest, ShowRunningConfigWithoutStoredFilesListsNothing) {
  type("enable");
  EXPECT_EQ(type("show running-config"), "");
  EXPECT_TRUE(lastResult_);
  EXPECT_EQ(completeLine(), "show running-config \n");
  EXPECT_EQ(type("sh ver"), "");
  EXPECT_EQ(completeLine(), "show version \n");
}

TEST_F(TerminalTest, ShowRunningConfigListsTheUndoOfTypedCommands) {
  const std::string folder = vexahost::VexaFileSystem::GetTempFolder() + "cli_running_config/";
  vexahost::Pathname(folder).removeFile(true);
  ASSERT_TRUE(vexahost::Pathname(folder).makeDirectories());
  ASSERT_TRUE(vexahost::Pathname(folder + "r1.cfg").writeAll("hostname r1\r\nlogin\r\nend\r\n"));
  vexahost::VexaFileSystem::GetCurrBaselineFileSystem()->SetConfigFilePath("r1", folder + "r1.cfg");
  terminal_->setConfigAndDeltaFile("r1", 0);

  type("enable");
  EXPECT_EQ(type("show running-config"), "!\n!\nend\n\n");
  terminal_->registerDeltaCmd("hostname r2 \n");
  EXPECT_EQ(type("show running-config"), "!\nhostname r1 \n!\nend\n\n");
  // Scratch terminals never list, whatever the files say.
  VTY scratch;
  scratch.setConfigAndDeltaFile("r1", 0);
  scratch.parse("enable \n", true, nullptr);
  EXPECT_TRUE(scratch.parse("show running-config \n", true, nullptr));
  EXPECT_EQ(output(scratch), "");
  vexahost::VexaFileSystem::GetCurrBaselineFileSystem()->Clear();
  vexahost::Pathname(folder).removeFile(true);
}

TEST_F(TerminalTest, ExecuteRunsTheInputStream) {
  terminal_->writeInput("enable\nconf t\nhostname r1\nzzz\nint\t\nlo?\r\n\nend\n");
  terminal_->execute();
  EXPECT_EQ(output(*terminal_),
            std::string(kEnterConfiguration) + kInvalid + "interface " +
                "logging\t\tmodify message logging facilities, the destination host and the\n"
                "\t\t level of the messages sent to it\n"
                "login\t\tenable secure login checking\n");
  EXPECT_EQ(prompt(), "#");
  // The input was consumed; more can be written and run.
  terminal_->writeInput("exit");
  terminal_->execute();
  EXPECT_EQ(prompt(), ">");
}

TEST_F(TerminalTest, ScratchTerminalMatchesOnlyFullWords) {
  VTY& scratch = scratchInConfiguration();
  std::string prompt;
  scratch.getPrompt(prompt);
  EXPECT_EQ(prompt, "(config)#");
  EXPECT_EQ(scratch.getHostName(), "hostName");
  EXPECT_FALSE(scratch.runningCLIMode());
  // An unknown word fails without a message; incomplete lines say so.
  EXPECT_FALSE(scratch.parse("int fa0/1 \n", true, nullptr));
  EXPECT_EQ(output(scratch), "\n");
  EXPECT_EQ(scratch.getLastError(), "");
  EXPECT_FALSE(scratch.parse("hostname \n", true, nullptr));
  EXPECT_EQ(scratch.getLastError(), "% Incomplete command.");
  // "exit" and "end" are words of the grammar here.
  EXPECT_FALSE(scratch.parse("end \n", true, nullptr));
  EXPECT_TRUE(scratch.parse("INTERFACE FASTETHERNET0/1 \n", true, nullptr));
  scratch.getPrompt(prompt);
  EXPECT_EQ(prompt, "(config-if)#");
}

TEST_F(TerminalTest, OddLinesSurvive) {
  enterConfiguration();
  const std::string lines[] = {
      std::string("host\0name x", 11),
      std::string(5000, 'a'),
      "\xff\xfe \x80",
      "\t\r",
      std::string("interface serial") + std::string(300, '9'),
      "no",
      "no no no",
  };
  for (const std::string& line : lines) {
    type(line);
    EXPECT_EQ(prompt().substr(0, 7), "(config") << line.substr(0, 40);
  }
}

TEST(TerminalWithoutResources, IsRefused) {
  ParserResources::instance().clearAll();
  vexahost::VexaFileSystem::SetSystemResourceFolder(cliDataFolder("missing"));
  VexaParserUtil::createParserResource();
  ASSERT_FALSE(VexaParserUtil::resourcesReady());
  EXPECT_EQ(VTY::create("Router", true), nullptr);

  VTY inert("Router", true);
  EXPECT_FALSE(inert.isReady());
  EXPECT_FALSE(inert.parse("enable \n", true, nullptr));
  std::string out;
  inert.getOutputString(out);
  EXPECT_EQ(out, std::string(VTY::kNotReadyMessage) + "\n");
  inert.getPrompt(out);
  EXPECT_EQ(out, "");
  inert.hook("?");
  inert.getOutputString(out);
  EXPECT_EQ(out, std::string(VTY::kNotReadyMessage) + "\n");
  vexahost::VexaFileSystem::SetSystemResourceFolder("");
}

}  // namespace
}  // namespace vexaparser::testing
