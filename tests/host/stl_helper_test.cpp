#include "vexa/host/stl_helper.h"

#include <gtest/gtest.h>

#include <string>

namespace vexahost {
namespace {

TEST(StlHelperTest, GetFirstWordRemovesWordAndSurroundingBlanks) {
  // clang-format off
  const struct { std::string text, word, rest; } cases[] = {
      {" \t ip \t address 1.2.3.4", "ip", "address 1.2.3.4"}, {"trail   ", "trail", ""},
      {"", "", ""}, {"   \t ", "", ""}, {"a\nb c", "a\nb", "c"}};  // only blanks and tabs separate
  // clang-format on
  for (const auto& c : cases) {
    std::string text = c.text;
    EXPECT_EQ(StlHelper::GetFirstWord(text), c.word) << "'" << c.text << "'";
    EXPECT_EQ(text, c.rest) << "'" << c.text << "'";
  }
}

TEST(StlHelperTest, ReplaceStringTable) {
  // Left to right, no overlaps, replaced text is not scanned again.
  // clang-format off
  const struct { std::string text, from, to, result; } cases[] = {
      {"aaa", "a", "aa", "aaaaaa"}, {"aaaa", "aa", "a", "aa"}, {"abcabc", "abc", "", ""},
      {"hello", "", "q", "hello"}, {"", "a", "b", ""}, {"ababa", "aba", "X", "Xba"}};
  // clang-format on
  for (const auto& c : cases) {
    std::string text = c.text;
    StlHelper::replaceString(text, c.from, c.to);
    EXPECT_EQ(text, c.result) << "'" << c.text << "' '" << c.from << "' -> '" << c.to << "'";
  }
}

}  // namespace
}  // namespace vexahost
