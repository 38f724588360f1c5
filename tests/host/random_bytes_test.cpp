// Random byte strings, with NULs and 8-bit bytes, through the parsers of the
// host layer: nothing may crash, and what each returns must keep its
// properties.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "vexa/host/stl_helper.h"
#include "vexa/host/vexa_file_system.h"

namespace vexahost {
namespace {

constexpr int kIterations = 3000;

class RandomBytesTest : public ::testing::Test {
 protected:
  // Up to maxLength bytes weighted toward what the parsers look at; never the byte 1.
  std::string text(std::size_t maxLength) {
    static const std::string kInteresting("0123456789../ \t\"\\\\\0\n\r", 21);
    std::string result(pick(maxLength + 1), '\0');
    for (char& c : result) {
      c = pick(3) == 0 ? static_cast<char>(pick(256)) : kInteresting[pick(kInteresting.size())];
      if (c == '\x01') c = 'x';
    }
    return result;
  }
  std::size_t pick(std::size_t bound) { return engine_() % bound; }
  static bool isBlank(char c) { return c == ' ' || c == '\t'; }
  std::mt19937 engine_{20240501};
};

// Walking the words of a text gives its bytes without the blanks; replacing a
// text by a marker and back gives the original.
TEST_F(RandomBytesTest, GetFirstWordAndReplaceStringKeepTheText) {
  const std::string marker("\x01", 1);
  for (int i = 0; i < kIterations; ++i) {
    const std::string original = text(40), from = text(3);
    std::string rest = original, joined, withoutBlanks;
    for (std::string w = StlHelper::GetFirstWord(rest); !w.empty();
         w = StlHelper::GetFirstWord(rest)) {
      for (char c : w) ASSERT_FALSE(isBlank(c)) << original;
      joined += w;
    }
    EXPECT_TRUE(rest.empty()) << original;
    for (char c : original) withoutBlanks += isBlank(c) ? "" : std::string(1, c);
    EXPECT_EQ(joined, withoutBlanks);

    std::string s = original;
    StlHelper::replaceString(s, from, marker);
    EXPECT_TRUE(from.empty() || s.find(from) == std::string::npos) << original;
    StlHelper::replaceString(s, marker, from);
    EXPECT_EQ(s, original) << "from '" << from << "'";
  }
}

// Each random word, quoted by the rules (backslashes doubled before a quote,
// a quote escaped), comes back from SplitCommandLine unchanged.
TEST_F(RandomBytesTest, SplitCommandLineGivesBackQuotedWords) {
  for (int i = 0; i < kIterations; ++i) {
    std::vector<std::string> words(pick(5));
    std::string line;
    for (std::string& word : words) {
      word = text(12);
      line += pick(2) == 0 ? " \"" : "\t \"";
      std::size_t slashes = 0;
      for (char c : word) {
        if (c == '"') line.append(slashes + 1, '\\');
        slashes = c == '\\' ? slashes + 1 : 0;
        line += c;
      }
      line.append(slashes, '\\') += '"';
    }
    EXPECT_EQ(VexaFileSystem::SplitCommandLine(line), words) << line;
  }
}

}  // namespace
}  // namespace vexahost
