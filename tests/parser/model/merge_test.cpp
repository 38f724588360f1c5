// merge(base, delta): NEW's commands applied to a stored configuration, by
// the flags the test grammar gives each command.  Expected texts are worked
// out from the combination rules; recognised commands are written as the
// terminal completes them, with a blank before the line end.
#include <string>

#include "model_test_support.h"

namespace vexaparser::testing {
namespace {

using MergeTest = ModelTest;

// A stored configuration with two interfaces and a router, in pieces, and
// the same pieces as the writer gives them.
const std::string kFa0 = "interface Fa0| description uplink| ip address 10.1.0.1 255.0.0.0|!|";
const std::string kFa1 = "interface Fa1| ip address 10.2.0.1 255.0.0.0| shutdown|!|";
const std::string kAll = "hostname r|!|" + kFa0 + kFa1 + "router ospf 1| router-id 1.1.1.1|!";
const std::string kFa0W = "interface Fa0 | description uplink | ip address 10.1.0.1 255.0.0.0 |!|";
const std::string kFa1W = "interface Fa1 | ip address 10.2.0.1 255.0.0.0 |";
const std::string kOspfW = "router ospf 1 | router-id 1.1.1.1 |!";

TEST_F(MergeTest, GivesTheDeviceConfiguration) {
  struct Case {
    std::string base, delta, expected;
  };
  const std::string af = "router ospf 1| address-family ipv4|  neighbor 10.0.0.";
  const std::string afW = "router ospf 1 | router-id 1.1.1.1 | address-family ipv4 |";
  // clang-format off
  const Case cases[] = {
      // A "no" form matching nothing is dropped unless stored; a stored one is kept once.
      {"hostname r", "no logging 1.1.1.9", "hostname r "},
      {"hostname r", "no ip domain-lookup", "hostname r |no ip domain-lookup "},
      {"no ip domain-lookup|hostname r", "no ip domain-lookup", "no ip domain-lookup |hostname r "},
      // A "no" form removes an overwrite command, only the negated append command, one
      // value of a multi-value command (the line with the last), a child, a whole block.
      {"hostname r|logging 1.1.1.1", "no hostname", "logging 1.1.1.1 "},
      {"logging 1.1.1.1|logging 1.1.1.2", "no logging 1.1.1.1", "logging 1.1.1.2 "},
      {"ip name-server 1.1.1.1 2.2.2.2", "no ip name-server 1.1.1.1", "ip name-server 2.2.2.2 "},
      {"ip name-server 1.1.1.1|hostname r", "no ip name-server 1.1.1.1", "hostname r "},
      {kAll, "interface Fa1| no shutdown", "hostname r |" + kFa0W + kFa1W + "!|" + kOspfW},
      {kAll, "no interface Fa0", "hostname r |" + kFa1W + " shutdown |!|" + kOspfW},
      // The default form removes a stored "no" line; a conflicting command is refused.
      {"hostname r|no ip domain-lookup", "ip domain-lookup", "hostname r "},
      {"boot system flash:a.bin", "boot system flash:b.bin", "boot system flash:a.bin "},
      // Overwrite replaces in place; the same append command is stored once, a new one
      // follows its run; multi-value values gather in order.
      {"hostname r|logging 1.1.1.1", "hostname s", "hostname s |logging 1.1.1.1 "},
      {"logging 1.1.1.1", "logging 1.1.1.1", "logging 1.1.1.1 "},
      {"logging 1.1.1.1|logging 1.1.1.2|interface Fa0|!", "logging 1.1.1.3",
       "logging 1.1.1.1 |logging 1.1.1.2 |logging 1.1.1.3 |interface Fa0 |!"},
      {"ip name-server 1.1.1.1", "ip name-server 3.3.3.3 2.2.2.2",
       "ip name-server 1.1.1.1 2.2.2.2 3.3.3.3 "},
      // New commands are placed by order number (a new mode with its stored children
      // only), at the top level and in sub-modes, two levels deep.
      {kAll, "interface Fa9| description new| no shutdown",
       "hostname r |" + kFa0W + kFa1W + " shutdown |!|interface Fa9 | description new |!|" +
       kOspfW},
      {"interface Fa0|!|router ospf 1|!", "hostname r",
       "hostname r |interface Fa0 |!|router ospf 1 |!"},
      {"router ospf 1| network 10.1.0.0 0.0.0.255 area 0|!", "router ospf 1| router-id 2.2.2.2",
       "router ospf 1 | router-id 2.2.2.2 | network 10.1.0.0 0.0.0.255 area 0 |!"},
      {"router ospf 1| router-id 1.1.1.1| address-family ipv4|  neighbor 10.0.0.2 activate| !|!",
       af + "3 activate", afW + "  neighbor 10.0.0.2 activate |  neighbor 10.0.0.3 activate | !|!"},
      // Lines the grammar does not know: a new one is not added, a stored one keeps its text
      // at every level; the base is written in the writer's form even when nothing applies.
      {"hostname r", "frobnicate on", "hostname r "},
      {"version 15.1|interface Fa0| mtu 1400| description x|!|end", "hostname s",
       "version 15.1|hostname s |interface Fa0 | mtu 1400| description x |!"},
      {"hostname  r|!|end", "!", "hostname r "},
  };
  // clang-format on
  for (const Case& c : cases) {
    EXPECT_EQ(merge(lines(c.base), lines(c.delta)), lines(c.expected))
        << "--- base:\n"
        << lines(c.base) << "--- delta:\n"
        << lines(c.delta);
  }
}

TEST_F(MergeTest, EmptyArgumentReturnsTheOtherAndCrLfMergesLikeLf) {
  const std::string text = "hostname r1\r\n!\r\ninterface Fa0\r\n shutdown\r\nend";
  EXPECT_EQ(merge(text, ""), text);
  EXPECT_EQ(merge("", text), text);
  EXPECT_EQ(merge("hostname r1\r\nlogging 10.0.0.50\r\n", "hostname r2"),
            lines("hostname r2 |logging 10.0.0.50 "));
}

TEST_F(MergeTest, SurvivesBytesOutsideTheGrammar) {
  std::string odd = "hostname r\xff\n\x01\x02 \n interface\x80\n";
  odd += std::string("no ") + '\0' + "x\n" + std::string(20000, 'a') + "\n";
  EXPECT_EQ(merge(lines("hostname r1"), odd), lines("hostname r\xff "));
  // As the stored side, every line the grammar refuses keeps its text.
  std::string expected = "hostname r2 \n\x01\x02 \ninterface\x80\nno ";
  expected += std::string(1, '\0') + "x\n" + std::string(20000, 'a') + "\n";
  EXPECT_EQ(merge(odd, lines("hostname r2")), expected);
}

}  // namespace
}  // namespace vexaparser::testing
