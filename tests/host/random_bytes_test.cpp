// Random byte strings, with NULs and 8-bit bytes, through the parsers of the
// host layer: nothing may crash, and what each returns must keep its
// properties.
#include <gtest/gtest.h>

#include <cstddef>
#include <random>
#include <string>
#include <vector>

#include "vexa/host/ip_address.h"
#include "vexa/host/stl_helper.h"
#include "vexa/host/vexa_file_system.h"

namespace vexahost {
namespace {

constexpr int kIterations = 4000;

class RandomBytes {
 public:
  explicit RandomBytes(unsigned seed) : engine_(seed) {}

  // Bytes weighted toward what the parsers look at.
  std::string text(std::size_t maxLength) {
    static const std::string kInteresting("0123456789../ \t\"\\\\\0\n\r", 21);
    std::string result(pick(maxLength + 1), '\0');
    for (char& c : result) {
      c = pick(3) == 0 ? static_cast<char>(pick(256)) : kInteresting[pick(kInteresting.size())];
    }
    return result;
  }
  std::size_t pick(std::size_t bound) {
    return std::uniform_int_distribution<std::size_t>(0, bound - 1)(engine_);
  }

 private:
  std::mt19937 engine_;
};

// Quotes one argument so that SplitCommandLine gives it back unchanged.
std::string quoteArgument(const std::string& word) {
  std::string quoted = "\"";
  std::size_t slashes = 0;
  for (char c : word) {
    if (c == '\\') {
      ++slashes;
    } else if (c == '"') {
      quoted.append(slashes + 1, '\\');
      slashes = 0;
    } else {
      slashes = 0;
    }
    quoted += c;
  }
  quoted.append(slashes, '\\');
  return quoted + "\"";
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

TEST(RandomBytesTest, IpAddressAcceptsOnlyDottedDigits) {
  RandomBytes random(1);
  for (int i = 0; i < kIterations; ++i) {
    const std::string text = random.pick(4) == 0 ? "10.0.0.1/" + random.text(3) : random.text(20);
    if (IpAddress::isValidIpAddress(text)) {
      std::size_t dots = 0;
      for (char c : text) {
        ASSERT_TRUE(c == '.' || (c >= '0' && c <= '9')) << text;
        dots += c == '.';
      }
      EXPECT_EQ(dots, 3u) << text;
    }
    if (IpAddress::isValidIpAddressAndMaskLen(text)) {
      const std::size_t slash = text.find('/');
      ASSERT_NE(slash, std::string::npos) << text;
      EXPECT_TRUE(IpAddress::isValidIpAddress(text.substr(0, slash))) << text;
      EXPECT_LE(std::stoi(text.substr(slash + 1)), 32) << text;
    }
  }
}

TEST(RandomBytesTest, GetFirstWordWalksBlankSeparatedWords) {
  RandomBytes random(2);
  for (int i = 0; i < kIterations; ++i) {
    const std::string original = random.text(40);
    std::string text = original;
    std::string joined;
    for (std::size_t guard = 0; guard <= original.size(); ++guard) {
      const std::string word = StlHelper::GetFirstWord(text);
      if (word.empty()) break;
      for (char c : word) ASSERT_FALSE(isBlank(c)) << original;
      joined += word;
    }
    EXPECT_TRUE(text.empty()) << original;
    std::string withoutBlanks;
    for (char c : original) {
      if (!isBlank(c)) withoutBlanks += c;
    }
    EXPECT_EQ(joined, withoutBlanks);
  }
}

TEST(RandomBytesTest, ReplaceStringRoundTripsThroughAMarker) {
  RandomBytes random(3);
  const std::string marker("\x01", 1);
  for (int i = 0; i < kIterations; ++i) {
    std::string original = random.text(40);
    for (char& c : original) {
      if (c == '\x01') c = 'x';  // the marker never occurs in the text
    }
    std::string from = random.text(3);
    for (char& c : from) {
      if (c == '\x01') c = 'x';
    }
    std::string text = original;
    StlHelper::replaceString(text, from, marker);
    if (!from.empty()) {
      EXPECT_EQ(text.find(from), std::string::npos) << original;
    }
    StlHelper::replaceString(text, marker, from);
    EXPECT_EQ(text, original) << "from '" << from << "'";
  }
}

TEST(RandomBytesTest, SplitCommandLineGivesBackQuotedWords) {
  RandomBytes random(4);
  for (int i = 0; i < kIterations; ++i) {
    std::vector<std::string> words(random.pick(5));
    std::string line;
    for (std::string& word : words) {
      word = random.text(12);
      line += (random.pick(2) == 0 ? " " : "\t ") + quoteArgument(word);
    }
    EXPECT_EQ(VexaFileSystem::SplitCommandLine(line), words) << line;

    // Any text splits into words without blanks outside quotes; a text
    // without quotes and backslashes splits exactly at the blanks.
    const std::string text = random.text(40);
    const std::vector<std::string> split = VexaFileSystem::SplitCommandLine(text);
    if (text.find_first_of("\"\\") == std::string::npos) {
      std::vector<std::string> expected;
      std::string current;
      for (char c : text + " ") {
        if (!isBlank(c)) {
          current += c;
        } else if (!current.empty()) {
          expected.push_back(current);
          current.clear();
        }
      }
      EXPECT_EQ(split, expected) << text;
    }
  }
}

}  // namespace
}  // namespace vexahost
