// fallback(current, target): the commands that take a configuration back to
// another, whole files compared (the listing's form) and incrementally.
#include <string>
#include <vector>

#include "model_test_support.h"

namespace vexaparser::testing {
namespace {

struct FallbackCase {
  const char* name;
  std::string current;
  std::string target;
  std::string expected;
};

std::ostream& operator<<(std::ostream& os, const FallbackCase& c) {
  return os << c.name << "\n--- current:\n" << c.current << "--- target:\n" << c.target;
}

const std::string kBaseline = config({
    "hostname r1",
    "ip name-server 10.0.0.1",
    "interface Fa0",
    " description uplink",
    " ip address 10.1.0.1 255.255.255.0",
    "!",
    "router ospf 1",
    " router-id 1.1.1.1",
    " address-family ipv4",
    "  neighbor 10.0.0.2 activate",
    " !",
    "!",
});

const std::vector<FallbackCase>& wholeFileCases() {
  static const std::vector<FallbackCase> cases = {
      {"EqualConfigurationsNeedNothing", kBaseline, kBaseline, ""},
      {"AddedInterfaceChildIsUndoneInsideItsInterface",
       config({"interface Fa0", " description uplink", " shutdown", "!"}),
       config({"interface Fa0", " description uplink", "!"}),
       config({"interface Fa0 ", " no shutdown ", "!"})},
      {"ChangedOverwriteCommandGivesTheTargetLine", config({"hostname r2"}),
       config({"hostname r1"}), config({"hostname r1 "})},
      {"ChangedMultiValueCommandGivesNoFormThenTargetLine",
       config({"ip name-server 10.0.0.1 10.0.0.2"}), config({"ip name-server 10.0.0.1"}),
       config({"no ip name-server 10.0.0.1 10.0.0.2 ", "ip name-server 10.0.0.1 "})},
      {"StoredNoLineGivesThePositiveCommand", config({"no ip domain-lookup", "hostname r1"}),
       config({"hostname r1"}), config({"ip domain-lookup "})},
      {"MissingTargetLinesFollowTheUndoLines",
       config({"hostname r1", "ip route 10.0.0.0 255.0.0.0 10.1.0.254"}),
       config({"logging 10.0.0.50", "hostname r1", "ip route 10.9.0.0 255.255.0.0 10.1.0.254"}),
       config({"no ip route 10.0.0.0 255.0.0.0 10.1.0.254 ", "logging 10.0.0.50 ",
               "ip route 10.9.0.0 255.255.0.0 10.1.0.254 "})},
      {"EmptyTargetNegatesEveryStoredTopLevelCommand",
       config({"hostname r1", "no ip domain-lookup", "interface Fa0", " shutdown", "!"}), "",
       config({"no hostname r1 ", "ip domain-lookup ", "no interface Fa0 ", "!"})},
      {"RemovedInterfaceComesBackWhole", config({"hostname r1"}),
       config({"hostname r1", "interface Fa1", " ip address 10.2.0.1 255.255.255.0", "!"}),
       config({"interface Fa1 ", " ip address 10.2.0.1 255.255.255.0 ", "!"})},
      {"ChangeTwoLevelsDeepIsWrittenInsideBothModes",
       config({"router ospf 1", " router-id 1.1.1.1", " address-family ipv4",
               "  neighbor 10.0.0.2 activate", "  neighbor 10.0.0.3 activate", " !", "!"}),
       config({"router ospf 1", " router-id 1.1.1.1", " address-family ipv4",
               "  neighbor 10.0.0.2 activate", " !", "!"}),
       config({"router ospf 1 ", " address-family ipv4 ", "  no neighbor 10.0.0.3 activate ", " !",
               "!"})},
      {"AddedAppendCommandBesideComparableOnesIsNegated",
       config({"logging 10.0.0.50", "logging 10.0.0.51"}), config({"logging 10.0.0.50"}),
       config({"no logging 10.0.0.51 "})},
  };
  return cases;
}

const std::vector<FallbackCase>& incrementalCases() {
  static const std::vector<FallbackCase> cases = {
      {"NoFormReAddsTheTargetLineItRemoved", config({"no logging 10.0.0.50"}),
       config({"logging 10.0.0.50", "logging 10.0.0.51"}), config({"logging 10.0.0.50 "})},
      {"NoFormOfOverwriteCommandReAddsIt", config({"no hostname"}), config({"hostname r1"}),
       config({"hostname r1 "})},
      {"StoredNoFormWritesCancelledTargetLineAtOnce", config({"no ip domain-lookup"}),
       config({"ip domain-lookup"}), config({"ip domain-lookup "})},
      {"StoredNoFormWithoutTargetGivesPositiveCommand", config({"no ip domain-lookup"}),
       config({"hostname r1"}), config({"ip domain-lookup "})},
      {"ChangedOverwriteGivesTargetLine", config({"hostname r2"}), config({"hostname r1"}),
       config({"hostname r1 "})},
      {"MultiValueGivesNoFormThenTargetLine", config({"ip name-server 10.0.0.3"}),
       config({"ip name-server 10.0.0.1"}),
       config({"no ip name-server 10.0.0.3 ", "ip name-server 10.0.0.1 "})},
      {"NewAppendCommandIsNegated", config({"logging 10.0.0.52"}), config({"hostname r1"}),
       config({"no logging 10.0.0.52 "})},
      {"DefaultFormBringsBackStoredNoLine", config({"ip domain-lookup"}),
       config({"no ip domain-lookup"}), config({"no ip domain-lookup "})},
      {"InterfaceChildUndoneInsideInterface", config({"interface Fa0", " shutdown"}),
       config({"interface Fa0", " description uplink", "!"}),
       config({"interface Fa0 ", " no shutdown ", "!"})},
  };
  return cases;
}

class WholeFileFallbackTest : public ModelTest,
                              public ::testing::WithParamInterface<FallbackCase> {};

TEST_P(WholeFileFallbackTest, TakesCurrentBackToTarget) {
  const FallbackCase& c = GetParam();
  EXPECT_EQ(fallback(c.current, c.target), c.expected) << c;
}

INSTANTIATE_TEST_SUITE_P(Cases, WholeFileFallbackTest, ::testing::ValuesIn(wholeFileCases()),
                         [](const ::testing::TestParamInfo<FallbackCase>& param) {
                           return std::string(param.param.name);
                         });

class IncrementalFallbackTest : public ModelTest,
                                public ::testing::WithParamInterface<FallbackCase> {};

TEST_P(IncrementalFallbackTest, UndoesTheTypedCommands) {
  const FallbackCase& c = GetParam();
  EXPECT_EQ(incrementalFallback(c.current, c.target), c.expected) << c;
}

INSTANTIATE_TEST_SUITE_P(Cases, IncrementalFallbackTest, ::testing::ValuesIn(incrementalCases()),
                         [](const ::testing::TestParamInfo<FallbackCase>& param) {
                           return std::string(param.param.name);
                         });

using FallbackTest = ModelTest;

TEST_F(FallbackTest, EmptyCurrentReturnsTargetUnchanged) {
  const std::string target = "hostname r1\r\n!\r\nend\r\n";
  EXPECT_EQ(fallback("", target), target);
  EXPECT_EQ(incrementalFallback("", target), target);
}

TEST_F(FallbackTest, FallbackOfAMergeRestoresTheBaseline) {
  // Whatever a delta changes, merging the fallback back in gives the
  // baseline again (in its normalised form).
  const std::string delta =
      config({"hostname r9", "ip name-server 10.0.0.7", "interface Fa0", " shutdown",
              " description changed", "interface Fa5", " ip address 10.5.0.1 255.255.255.0",
              "router ospf 1", " address-family ipv4", "  neighbor 10.0.0.9 activate"});
  const std::string running = merge(kBaseline, delta);
  ASSERT_NE(running, normalize(kBaseline));
  const std::string undo = fallback(running, kBaseline);
  EXPECT_EQ(merge(running, undo), normalize(kBaseline)) << "undo:\n" << undo;
}

}  // namespace
}  // namespace vexaparser::testing
