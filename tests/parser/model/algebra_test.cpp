// merge(base, delta): the delta's commands applied to a stored
// configuration, and fallback(current, target): the commands that take a
// configuration back to another, whole files compared (the listing's form) and
// incrementally; by the flags the test grammar gives each command.  Expected
// texts are worked out from the combination rules; recognised commands are
// written as the terminal completes them, with a blank before the line end.
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
      // SurvivesBytes, and the corpus check of tools/device_form_test.cpp); the base is
      // written in the writer's form even when nothing applies.
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

// An empty stored side (or delta) hands the other text back as it is.
TEST_F(MergeTest, EmptyArgumentReturnsTheOtherAndCrLfMergesLikeLf) {
  const std::string text = "hostname r1\r\n!\r\ninterface Fa0\r\n shutdown\r\nend";
  EXPECT_EQ(merge(text, ""), text);
  EXPECT_EQ(merge("", text), text);
  EXPECT_EQ(fallback("", text), text);
  EXPECT_EQ(incrementalFallback("", text), text);
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

using FallbackTest = ModelTest;

TEST_F(FallbackTest, TakesCurrentBackToTarget) {
  struct Case {
    bool wholeFile;
    std::string current, target, expected;
  };
  constexpr bool W = true, I = false;  // whole files compared, or incrementally
  const std::string ospf = "router ospf 1| router-id 1.1.1.1| address-family ipv4|";
  const std::string af2 = "  neighbor 10.0.0.2 activate| !|!";
  const std::string ns = "ip name-server ";
  // clang-format off
  const Case cases[] = {
      // Whole files: nothing for equal files; a child undone two levels deep; a
      // multi-value command gives its "no" form first; missing target lines follow the
      // undo lines, a removed mode comes back whole; an empty target negates every
      // stored top-level command.  (Overwrite, stored "no", child and append undo on
      // the product grammar: grammar/letters_test.cpp.)
      {W, ospf + af2, ospf + af2, ""},
      {W, ospf + "  neighbor 10.0.0.2 activate|  neighbor 10.0.0.3 activate| !|!", ospf + af2,
       "router ospf 1 | address-family ipv4 |  no neighbor 10.0.0.3 activate | !|!"},
      {W, ns + "1.1.1.1 2.2.2.2", ns + "1.1.1.1",
       "no " + ns + "1.1.1.1 2.2.2.2 |" + ns + "1.1.1.1 "},
      {W, "hostname r|ip route 10.0.0.0 255.0.0.0 1.1.1.1",
       "logging 1.1.1.5|hostname r|ip route 10.9.0.0 255.255.0.0 1.1.1.1",
       "no ip route 10.0.0.0 255.0.0.0 1.1.1.1 |logging 1.1.1.5 |"
       "ip route 10.9.0.0 255.255.0.0 1.1.1.1 "},
      {W, "hostname r", "hostname r|interface Fa1| description x|!",
       "interface Fa1 | description x |!"},
      {W, "hostname r1|no ip domain-lookup|interface Fa0| shutdown|!", "",
       "no hostname r1 |ip domain-lookup |no interface Fa0 |!"},
      // Incremental: a "no" form re-adds the target lines it removed, a stored one its
      // cancelled target line at once or else its positive form; changes as above; a
      // default form brings back the stored "no" line.
      {I, "no logging 1.1.1.1", "logging 1.1.1.1|logging 1.1.1.2", "logging 1.1.1.1 "},
      {I, "no hostname", "hostname r1", "hostname r1 "},
      // (at once: a later command of the level would otherwise drop it)
      {I, "no ip domain-lookup|logging 1.1.1.1", "ip domain-lookup|logging 1.1.1.1",
       "ip domain-lookup "},
      {I, "no ip domain-lookup", "hostname r1", "ip domain-lookup "},
      {I, "hostname r2", "hostname r1", "hostname r1 "},
      {I, ns + "3.3.3.3", ns + "1.1.1.1", "no " + ns + "3.3.3.3 |" + ns + "1.1.1.1 "},
      {I, "logging 1.1.1.5", "hostname r1", "no logging 1.1.1.5 "},
      {I, "ip domain-lookup", "no ip domain-lookup", "no ip domain-lookup "},
      {I, "interface Fa0| shutdown", "interface Fa0| description x|!",
       "interface Fa0 | no shutdown |!"},
  };
  // clang-format on
  for (const Case& c : cases) {
    const std::string current = lines(c.current), target = lines(c.target);
    EXPECT_EQ(c.wholeFile ? fallback(current, target) : incrementalFallback(current, target),
              lines(c.expected))
        << (c.wholeFile ? "whole files" : "incremental") << "\n--- current:\n"
        << current << "--- target:\n"
        << target;
  }
}

}  // namespace
}  // namespace vexaparser::testing
