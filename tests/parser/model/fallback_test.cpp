// fallback(current, target): the commands that take a configuration back to
// another, whole files compared (the listing's form) and incrementally.
#include <string>

#include "model_test_support.h"

namespace vexaparser::testing {
namespace {

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

TEST_F(FallbackTest, EmptyCurrentReturnsTargetUnchanged) {
  const std::string target = "hostname r1\r\n!\r\nend\r\n";
  EXPECT_EQ(fallback("", target), target);
  EXPECT_EQ(incrementalFallback("", target), target);
}

}  // namespace
}  // namespace vexaparser::testing
