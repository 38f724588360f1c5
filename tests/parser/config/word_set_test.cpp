// WordSet against the std::set<std::string> it stands in for: the same
// words in the same order after any sequence of inserts and erases.
#include "vexa/parser/word_set.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace vexaparser {
namespace {

// Applies each step ("+word" inserts, "-word" erases) to a WordSet and a
// std::set alike, comparing after each.
TEST(WordSetTest, InsertsAndErasesAsASetDoes) {
  const std::vector<std::vector<std::string>> runs = {
      // Sorted and unique, words of the inline buffer's size and beyond.
      {"+to", "+the", "+to", "+core", "+\n", "+a-long-word-beyond-the-inline-buffer",
       "+fifteen-chars-x", "+sixteen-chars-xx", "+", "+Z", "+the"},
      // Down to nothing and growing again.
      {"+sixteen-chars-xx", "-sixteen-chars-x", "-sixteen-chars-xx", "+one", "-other", "-one",
       "-one", "+two", "+three", "-two", "-three", "+four"},
  };
  for (const std::vector<std::string>& steps : runs) {
    WordSet words;
    std::set<std::string> expected;
    for (const std::string& step : steps) {
      const std::string word = step.substr(1);
      if (step[0] == '+') {
        EXPECT_EQ(words.insert(word), expected.insert(word).second) << step;
      } else {
        EXPECT_EQ(words.erase(word), expected.erase(word)) << step;
      }
      EXPECT_EQ(std::vector<std::string>(words.begin(), words.end()),
                std::vector<std::string>(expected.begin(), expected.end()))
          << "after " << step;
      EXPECT_EQ(words.size(), expected.size()) << step;
      EXPECT_EQ(words.count(word), expected.count(word)) << step;
    }
  }
}

TEST(WordSetTest, CopiesAreIndependentAndCompareByWords) {
  WordSet original{"b", "a"};
  WordSet copy = original;
  WordSet longWord("a-word-kept-outside-the-set");
  WordSet longCopy = longWord;
  longWord = WordSet("x");
  EXPECT_EQ(longCopy, (std::set<std::string>{"a-word-kept-outside-the-set"}));
  WordSet moved = std::move(longCopy);
  EXPECT_TRUE(longCopy.empty());
  EXPECT_EQ(moved, (std::set<std::string>{"a-word-kept-outside-the-set"}));
  copy.insert("c");
  EXPECT_EQ(original, (std::set<std::string>{"a", "b"}));
  EXPECT_EQ(copy, (std::set<std::string>{"a", "b", "c"}));
  EXPECT_FALSE(original == copy);
  copy.erase("c");
  EXPECT_EQ(original, copy);
  // Down to one word again, short or long: equal to the set made of it,
  // with the same hash value.
  for (const char* word : {"b", "a-long-word-kept-outside-the-set"}) {
    WordSet shrunk{word, "zz"};
    shrunk.erase("zz");
    WordSet made(word);
    EXPECT_TRUE(shrunk == made) << word;
    EXPECT_EQ(shrunk.hashValue(), made.hashValue()) << word;
    EXPECT_FALSE(shrunk == WordSet("zz")) << word;
  }
  WordSet reused("a-long-word-kept-outside-the-set");
  reused.erase("a-long-word-kept-outside-the-set");
  reused.insert("b");
  EXPECT_TRUE(reused == WordSet("b"));
  const std::set<std::string> converted = copy;
  EXPECT_EQ(converted, (std::set<std::string>{"a", "b"}));
}

}  // namespace
}  // namespace vexaparser
