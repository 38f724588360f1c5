#include "vexa/host/stl_helper.h"

#include <gtest/gtest.h>

#include <string>

namespace vexahost {
namespace {

TEST(StlHelperTest, GetFirstWordRemovesWordAndSurroundingBlanks) {
  // clang-format off
  const struct { std::string text, word, rest; } cases[] = {
      {"  ip   address 1.2.3.4", "ip", "address 1.2.3.4"}, {"\tno\t\tshutdown", "no", "shutdown"},
      {"trail   ", "trail", ""}, {"", "", ""}, {"   \t ", "", ""},
      {"a\nb c", "a\nb", "c"},  // only blanks and tabs separate
      {std::string("x\0y z", 5), std::string("x\0y", 3), "z"}, {"\xe4 \xfc", "\xe4", "\xfc"}};
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
      {"hello", "xyz", "q", "hello"}, {"hello", "", "q", "hello"}, {"", "a", "b", ""},
      {"%1 and %1", "%1", "eth0", "eth0 and eth0"}, {"ababa", "aba", "X", "Xba"},
      {std::string("a\0b", 3), std::string("\0", 1), "-", "a-b"}};
  // clang-format on
  for (const auto& c : cases) {
    std::string text = c.text;
    StlHelper::replaceString(text, c.from, c.to);
    EXPECT_EQ(text, c.result) << "'" << c.text << "' '" << c.from << "' -> '" << c.to << "'";
  }
}

}  // namespace
}  // namespace vexahost
