#include "vexa/host/stl_helper.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vexahost {
namespace {

// Walks all words of text with repeated GetFirstWord calls.
std::vector<std::string> walkWords(std::string text) {
  std::vector<std::string> words;
  for (std::string word = StlHelper::GetFirstWord(text); !word.empty();
       word = StlHelper::GetFirstWord(text)) {
    words.push_back(word);
  }
  EXPECT_EQ(text, "");
  return words;
}

TEST(StlHelperTest, GetFirstWordRemovesWordAndSurroundingBlanks) {
  struct Case {
    std::string text;
    std::string word;
    std::string rest;
  };
  const Case cases[] = {
      {"interface Ethernet0", "interface", "Ethernet0"},
      {"  ip   address 1.2.3.4", "ip", "address 1.2.3.4"},
      {"\tno\t\tshutdown", "no", "shutdown"},
      {"single", "single", ""},
      {"trail   ", "trail", ""},
      {"", "", ""},
      {"   \t ", "", ""},
      {"a\nb c", "a\nb", "c"},  // only blanks and tabs separate
      {std::string("x\0y z", 5), std::string("x\0y", 3), "z"},
      {"\xe4\xf6 \xfc", "\xe4\xf6", "\xfc"},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    EXPECT_EQ(StlHelper::GetFirstWord(text), c.word) << "'" << c.text << "'";
    EXPECT_EQ(text, c.rest) << "'" << c.text << "'";
  }
}

TEST(StlHelperTest, RepeatedCallsWalkTheWords) {
  EXPECT_EQ(walkWords(" router  ospf 1\tarea 0 "),
            (std::vector<std::string>{"router", "ospf", "1", "area", "0"}));
  EXPECT_TRUE(walkWords("").empty());
}

TEST(StlHelperTest, ReplaceStringTable) {
  struct Case {
    std::string text, from, to, result;
  };
  const Case cases[] = {
      {"a-b-c", "-", "+", "a+b+c"},
      {"aaa", "a", "aa", "aaaaaa"},  // replaced text is not scanned again
      {"aaaa", "aa", "a", "aa"},
      {"abcabc", "abc", "", ""},
      {"hello", "xyz", "q", "hello"},
      {"hello", "", "q", "hello"},
      {"", "a", "b", ""},
      {"\\\\", "\\", "\\\\", "\\\\\\\\"},
      {"%1 and %1", "%1", "eth0", "eth0 and eth0"},
      {"ababa", "aba", "X", "Xba"},  // left to right, no overlaps
      {std::string("a\0b", 3), std::string("\0", 1), "-", "a-b"},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    StlHelper::replaceString(text, c.from, c.to);
    EXPECT_EQ(text, c.result) << "'" << c.text << "' '" << c.from << "' -> '" << c.to << "'";
  }
}

}  // namespace
}  // namespace vexahost
