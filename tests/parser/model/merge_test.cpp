// merge(base, delta): NEW's commands applied to a stored configuration, by
// the flags the test grammar gives each command.  Expected texts are worked
// out from the combination rules; recognised commands are written as the
// terminal completes them, with a blank before the line end.
#include <string>

#include "model_test_support.h"

namespace vexaparser::testing {
namespace {

using MergeTest = ModelTest;

TEST_F(MergeTest, GivesTheDeviceConfiguration) {
  struct Case {
    std::string base, delta, expected;
  };
  const std::string af = "router ospf 1| address-family ipv4|  neighbor 10.0.0.";
  const std::string afW = "router ospf 1 | router-id 1.1.1.1 | address-family ipv4 |";
  // clang-format off
  const Case cases[] = {
      // A "no" form matching nothing is dropped unless stored; the line of a multi-value
      // command goes with its last value; a conflicting command is refused; multi-value
      // values gather in order.  (Overwrite, append runs, stored "no" once, the default
      // form, removing children and blocks, new modes by order number: on the product
      // grammar in grammar/letters_test.cpp.)
      {"hostname r", "no logging 1.1.1.9", "hostname r "},
      {"hostname r", "no ip domain-lookup", "hostname r |no ip domain-lookup "},
      {"ip name-server 1.1.1.1|hostname r", "no ip name-server 1.1.1.1", "hostname r "},
      {"boot system flash:a.bin", "boot system flash:b.bin", "boot system flash:a.bin "},
      {"ip name-server 1.1.1.1", "ip name-server 3.3.3.3 2.2.2.2",
       "ip name-server 1.1.1.1 2.2.2.2 3.3.3.3 "},
      // New commands placed by order number at the top level, and two levels deep.
      {"interface Fa0|!|router ospf 1|!", "hostname r",
       "hostname r |interface Fa0 |!|router ospf 1 |!"},
      {"router ospf 1| router-id 1.1.1.1| address-family ipv4|  neighbor 10.0.0.2 activate| !|!",
       af + "3 activate", afW + "  neighbor 10.0.0.2 activate |  neighbor 10.0.0.3 activate | !|!"},
      // A line the grammar does not know is not added (a stored one keeps its text:
      // SurvivesBytes, and the corpus nothing-lost test); the base is written in the
      // writer's form even when nothing applies.
      {"hostname r", "frobnicate on", "hostname r "},
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
