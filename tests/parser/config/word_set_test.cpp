// WordSet against the std::set<std::string> it stands in for: the same
// words in the same order after any sequence of inserts and erases.
#include "vexa/parser/word_set.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace vexaparser {
namespace {

struct Step {
  bool insert;
  std::string word;
};

// Applies steps to a WordSet and a std::set alike, comparing after each.
void expectSameAsSet(const std::vector<Step>& steps) {
  WordSet words;
  std::set<std::string> expected;
  for (const Step& step : steps) {
    if (step.insert) {
      EXPECT_EQ(words.insert(step.word), expected.insert(step.word).second) << step.word;
    } else {
      EXPECT_EQ(words.erase(step.word), expected.erase(step.word)) << step.word;
    }
    EXPECT_EQ(std::vector<std::string>(words.begin(), words.end()),
              std::vector<std::string>(expected.begin(), expected.end()))
        << (step.insert ? "after inserting " : "after erasing ") << step.word;
    EXPECT_EQ(words.size(), expected.size());
    EXPECT_EQ(words.count(step.word), expected.count(step.word));
  }
}

TEST(WordSetTest, KeepsWordsSortedAndUniqueAsASetDoes) {
  expectSameAsSet({{true, "to"},
                   {true, "the"},
                   {true, "to"},
                   {true, "core"},
                   {true, "\n"},
                   {true, "a-long-word-beyond-the-inline-buffer"},
                   {true, "fifteen-chars-x"},
                   {true, "sixteen-chars-xx"},
                   {true, ""},
                   {true, "Z"},
                   {true, "the"}});
}

TEST(WordSetTest, ErasesDownToNothingAndGrowsAgain) {
  expectSameAsSet({{true, "sixteen-chars-xx"},
                   {false, "sixteen-chars-x"},
                   {false, "sixteen-chars-xx"},
                   {true, "one"},
                   {false, "other"},
                   {false, "one"},
                   {false, "one"},
                   {true, "two"},
                   {true, "three"},
                   {false, "two"},
                   {false, "three"},
                   {true, "four"}});
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
