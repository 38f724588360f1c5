// The pager of long answers: screens, single lines, quitting, and the
// prompt that always follows.
#include "server/pager.h"

#include <gtest/gtest.h>

#include <string>

namespace vexaserver {
namespace {

const std::string kWipe = std::string(10, '\b') + std::string(10, ' ') + std::string(10, '\b');
const std::string kAnswer = "1\n2\n3\n4\n5\n6\nR1#";

TEST(PagerTest, ShowsAScreenAtATimeAndThePromptLast) {
  Pager pager;
  pager.setLength(3);
  EXPECT_EQ(pager.show(kAnswer), "1\n2\n --More-- ");
  EXPECT_TRUE(pager.waiting());
  EXPECT_EQ(pager.key('\r'), kWipe + "3\n --More-- ");
  EXPECT_EQ(pager.key(' '), kWipe + "4\n5\n --More-- ");
  EXPECT_EQ(pager.key(' '), kWipe + "6\nR1#");
  EXPECT_FALSE(pager.waiting());
}

TEST(PagerTest, AnyOtherKeyDropsTheRestButNotThePrompt) {
  Pager pager;
  pager.setLength(3);
  pager.show(kAnswer);
  EXPECT_EQ(pager.key('q'), kWipe + "R1#");
  EXPECT_FALSE(pager.waiting());
  EXPECT_EQ(pager.key(' '), "") << "nothing waits any more";
}

TEST(PagerTest, LengthZeroOrAShortAnswerIsNotPaged) {
  Pager pager;
  pager.setLength(0);
  EXPECT_EQ(pager.show(kAnswer), kAnswer);
  pager.setLength(7);
  EXPECT_EQ(pager.show(kAnswer), kAnswer);
  pager.setLength(1);  // still moves on: one line per screen
  EXPECT_EQ(pager.show("a\nb\n>"), "a\n --More-- ");
}

}  // namespace
}  // namespace vexaserver
