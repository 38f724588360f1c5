// merge(base, delta): NEW's commands applied to a stored configuration, by
// the flags the test grammar gives each command.  Expected texts are worked
// out from the combination rules; recognised commands are written as the
// terminal completes them, with a blank before the line end.
#include <string>
#include <vector>

#include "model_test_support.h"

namespace vexaparser::testing {
namespace {

struct MergeCase {
  const char* name;
  std::string base;
  std::string delta;
  std::string expected;
};

std::ostream& operator<<(std::ostream& os, const MergeCase& c) {
  return os << c.name << "\n--- base:\n" << c.base << "--- delta:\n" << c.delta;
}

const std::string kInterfaces = config({
    "hostname r1",
    "!",
    "interface Fa0",
    " description uplink to core",
    " ip address 10.1.0.1 255.255.255.0",
    "!",
    "interface Fa1",
    " ip address 10.2.0.1 255.255.255.0",
    " shutdown",
    "!",
    "router ospf 1",
    " router-id 1.1.1.1",
    "!",
});

const std::vector<MergeCase>& mergeCases() {
  static const std::vector<MergeCase> cases = {
      // ---- "no" forms (A) ----
      {"NoFormMatchingNothingIsDroppedUnlessStored", config({"hostname r1"}),
       config({"no logging 10.0.0.9"}), config({"hostname r1 "})},
      {"StoredNoFormMatchingNothingIsAdded", config({"hostname r1"}),
       config({"no ip domain-lookup"}), config({"hostname r1 ", "no ip domain-lookup "})},
      {"StoredNoFormAlreadyPresentIsKeptOnce", config({"no ip domain-lookup", "hostname r1"}),
       config({"no ip domain-lookup"}), config({"no ip domain-lookup ", "hostname r1 "})},
      {"NoFormRemovesOverwriteCommand", config({"hostname r1", "logging 10.0.0.50"}),
       config({"no hostname"}), config({"logging 10.0.0.50 "})},
      {"NoFormRemovesOnlyTheNegatedAppendCommand",
       config({"logging 10.0.0.50", "logging 10.0.0.51"}), config({"no logging 10.0.0.50"}),
       config({"logging 10.0.0.51 "})},
      {"NoFormOfMultiValueRemovesOneValue", config({"ip name-server 10.0.0.1 10.0.0.2"}),
       config({"no ip name-server 10.0.0.1"}), config({"ip name-server 10.0.0.2 "})},
      {"NoFormOfMultiValueRemovingTheLastValueRemovesTheLine",
       config({"ip name-server 10.0.0.1", "hostname r1"}), config({"no ip name-server 10.0.0.1"}),
       config({"hostname r1 "})},
      {"NoFormInsideInterfaceRemovesChild", kInterfaces, config({"interface Fa1", " no shutdown"}),
       config({"hostname r1 ", "interface Fa0 ", " description uplink to core ",
               " ip address 10.1.0.1 255.255.255.0 ", "!", "interface Fa1 ",
               " ip address 10.2.0.1 255.255.255.0 ", "!", "router ospf 1 ", " router-id 1.1.1.1 ",
               "!"})},
      {"NoFormOfModeCommandRemovesWholeBlock", kInterfaces, config({"no interface Fa0"}),
       config({"hostname r1 ", "interface Fa1 ", " ip address 10.2.0.1 255.255.255.0 ",
               " shutdown ", "!", "router ospf 1 ", " router-id 1.1.1.1 ", "!"})},

      // ---- positive forms (B) ----
      {"DefaultFormRemovesStoredNoLine", config({"hostname r1", "no ip domain-lookup"}),
       config({"ip domain-lookup"}), config({"hostname r1 "})},
      {"ConflictingCommandIsRefused", config({"boot system flash:a.bin"}),
       config({"boot system flash:b.bin"}), config({"boot system flash:a.bin "})},
      {"OverwriteReplacesInPlace", config({"hostname r1", "logging 10.0.0.50"}),
       config({"hostname r2"}), config({"hostname r2 ", "logging 10.0.0.50 "})},
      {"OverwriteInsideInterfaceReplacesInPlace", kInterfaces,
       config({"interface Fa0", " ip address 10.1.0.9 255.255.255.0"}),
       config({"hostname r1 ", "interface Fa0 ", " description uplink to core ",
               " ip address 10.1.0.9 255.255.255.0 ", "!", "interface Fa1 ",
               " ip address 10.2.0.1 255.255.255.0 ", " shutdown ", "!", "router ospf 1 ",
               " router-id 1.1.1.1 ", "!"})},
      {"SameAppendCommandTwiceIsStoredOnce", config({"logging 10.0.0.50"}),
       config({"logging 10.0.0.50"}), config({"logging 10.0.0.50 "})},
      {"NewAppendCommandFollowsItsRun",
       config({"logging 10.0.0.50", "logging 10.0.0.51", "interface Fa0", "!"}),
       config({"logging 10.0.0.52"}),
       config({"logging 10.0.0.50 ", "logging 10.0.0.51 ", "logging 10.0.0.52 ", "interface Fa0 ",
               "!"})},
      {"MultiValueGathersValuesInOrder", config({"ip name-server 10.0.0.1"}),
       config({"ip name-server 10.0.0.3 10.0.0.2"}),
       config({"ip name-server 10.0.0.1 10.0.0.2 10.0.0.3 "})},
      {"NewInterfaceIsPlacedByOrderNumberWithStoredChildrenOnly", kInterfaces,
       config({"interface Fa9", " description new link", " no shutdown"}),
       config({"hostname r1 ", "interface Fa0 ", " description uplink to core ",
               " ip address 10.1.0.1 255.255.255.0 ", "!", "interface Fa1 ",
               " ip address 10.2.0.1 255.255.255.0 ", " shutdown ", "!", "interface Fa9 ",
               " description new link ", "!", "router ospf 1 ", " router-id 1.1.1.1 ", "!"})},
      {"NewTopLevelCommandMovesAheadOfHigherOrderNumber",
       config({"interface Fa0", "!", "router ospf 1", "!"}), config({"hostname r2"}),
       config({"hostname r2 ", "interface Fa0 ", "!", "router ospf 1 ", "!"})},
      {"SubModeMergeTwoLevelsDeep",
       config({"router ospf 1", " router-id 1.1.1.1", " address-family ipv4",
               "  neighbor 10.0.0.2 activate", " !", "!"}),
       config({"router ospf 1", " address-family ipv4", "  neighbor 10.0.0.3 activate"}),
       config({"router ospf 1 ", " router-id 1.1.1.1 ", " address-family ipv4 ",
               "  neighbor 10.0.0.2 activate ", "  neighbor 10.0.0.3 activate ", " !", "!"})},
      {"NewSubModeChildIsPlacedByItsModeOrder",
       config({"router ospf 1", " network 10.1.0.0 0.0.0.255 area 0", "!"}),
       config({"router ospf 1", " router-id 2.2.2.2"}),
       config(
           {"router ospf 1 ", " router-id 2.2.2.2 ", " network 10.1.0.0 0.0.0.255 area 0 ", "!"})},

      // ---- lines the grammar does not know ----
      {"UnknownNewLineIsNotAdded", config({"hostname r1"}), config({"frobnicate on"}),
       config({"hostname r1 "})},
      {"UnknownStoredLinesKeepTheirTextAtEveryLevel",
       config({"version 15.1", "interface Fa0", " mtu 1400", " ip address 10.1.0.1 255.0.0.0", "!",
               "end"}),
       config({"hostname r2"}),
       config({"version 15.1", "hostname r2 ", "interface Fa0 ", " mtu 1400",
               " ip address 10.1.0.1 255.0.0.0 ", "!"})},
  };
  return cases;
}

class MergeTableTest : public ModelTest, public ::testing::WithParamInterface<MergeCase> {};

TEST_P(MergeTableTest, GivesTheDeviceConfiguration) {
  const MergeCase& c = GetParam();
  EXPECT_EQ(merge(c.base, c.delta), c.expected) << c;
}

INSTANTIATE_TEST_SUITE_P(Cases, MergeTableTest, ::testing::ValuesIn(mergeCases()),
                         [](const ::testing::TestParamInfo<MergeCase>& param) {
                           return std::string(param.param.name);
                         });

using MergeTest = ModelTest;

TEST_F(MergeTest, EmptyArgumentReturnsTheOtherByteForByte) {
  const std::string text = "hostname r1\r\n!\r\ninterface Fa0\r\n shutdown\r\nend";
  EXPECT_EQ(merge(text, ""), text);
  EXPECT_EQ(merge("", text), text);
}

TEST_F(MergeTest, CrLfAndLfTextsMergeAlike) {
  const std::string base = "hostname r1\r\nlogging 10.0.0.50\r\n";
  EXPECT_EQ(merge(base, "hostname r2"), config({"hostname r2 ", "logging 10.0.0.50 "}));
}

TEST_F(MergeTest, DeltaWithOnlyUnknownLinesNormalisesTheBase) {
  // The base goes through the tree even when nothing applies: comments and
  // "end" go, recognised commands take their completed form.
  EXPECT_EQ(merge(config({"hostname  r1", "!", "end"}), "!\n"), config({"hostname r1 "}));
}

TEST_F(MergeTest, SurvivesBytesOutsideTheGrammar) {
  std::string odd = "hostname r\xff\n\x01\x02 \n interface\x80\n";
  odd += std::string("no ") + '\0' + "x\n" + std::string(20000, 'a') + "\n";
  EXPECT_EQ(merge(config({"hostname r1"}), odd), config({"hostname r\xff "}));
  // As the stored side, every line the grammar refuses keeps its text.
  std::string expected = "hostname r2 \n\x01\x02 \ninterface\x80\nno ";
  expected += std::string(1, '\0') + "x\n" + std::string(20000, 'a') + "\n";
  EXPECT_EQ(merge(odd, config({"hostname r2"})), expected);
}

}  // namespace
}  // namespace vexaparser::testing
