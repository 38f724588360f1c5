// Both design-reader classes take any byte string: random scripts, biased
// towards the characters and words the two scanners act on, must neither
// crash, hang nor read past the end (run under AddressSanitizer to see the
// last), and the results keep their basic shape.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "designreader/dr_test_support.h"
#include "vexa/designreader/dr_check.h"
#include "vexa/designreader/dr_translator.h"
#include "vexa/host/vexa_file_system.h"

namespace vexadr {
namespace {

class RandomScripts {
 public:
  explicit RandomScripts(unsigned seed) : engine_(seed) {}

  std::string next() {
    // clang-format off
    static const std::string kPieces[] = {
        "(", ")", "{", "}", "[", "]", ";", "!", "\"", "'", "\\", "=", "==", "+", "-", ",",
        " ", "  ", "\t", "\r\n", "\n", "\r", "#a", "@b", "$c", "if", " if", "else", " else ",
        "if (", "isempty(", "not(", "print ", "search_line(", "search_paragraph(",
        "search_paragraph_begin(", "search_paragraph_between(", "is_in_samenet(", "all",
        "first", "\"(@x) @y\"", "@UI_InterfaceList", "\xff", std::string("\0", 1), "\\0",
        "'\\12'"};
    // clang-format on
    const size_t length = std::uniform_int_distribution<size_t>(0, 120)(engine_);
    std::string text;
    for (size_t i = 0; i < length; ++i) {
      const int choice = std::uniform_int_distribution<int>(0, 3)(engine_);
      if (choice == 0) {
        text.push_back(static_cast<char>(std::uniform_int_distribution<int>(0, 255)(engine_)));
      } else {
        const size_t piece =
            std::uniform_int_distribution<size_t>(0, std::size(kPieces) - 1)(engine_);
        text += kPieces[piece];
      }
    }
    return text;
  }

 private:
  std::mt19937 engine_;
};

bool endsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(RandomInputTest, CheckerSurvivesAnyBytes) {
  RandomScripts scripts(20240601u);
  for (int i = 0; i < 4000; ++i) {
    const std::string text = scripts.next();
    DRCheck checker(text);
    ASSERT_TRUE(checker.syntaxCheck()) << i;
    const std::string report = checker.getErrStr();
    // Every report closes with a complete line.
    EXPECT_TRUE(report.empty() || report.back() == '\n') << i;
  }
}

TEST(RandomInputTest, TranslatorSurvivesAnyBytes) {
  RandomScripts scripts(777u);
  for (int i = 0; i < 4000; ++i) {
    const std::string text = scripts.next();
    DRTranslatorPeer peer(text);
    const std::string body = peer.body();
    if (body == "<failed>") {
      EXPECT_TRUE(peer.errorText().empty() || endsWith(peer.errorText(), ".\r\n")) << i;
    } else {
      EXPECT_EQ("", peer.errorText()) << i;
      EXPECT_EQ(std::string::npos, body.find('#')) << i;
    }
  }
}

TEST(RandomInputTest, TranslatorWritesProgramsForAnyBytes) {
  vexahost::VexaFileSystem::SetSystemResourceFolder(drResourceDir());
  const std::string path = scratchDir() + "random.pl";
  const std::string prologueStart = "\r\n#Read the config file into a perl hash variable.\r\n";
  RandomScripts scripts(99u);
  for (int i = 0; i < 300; ++i) {
    DRTranslator translator(scripts.next(), path);
    translator.translateScriptFile();
    const std::string program = readFile(path);
    EXPECT_EQ(0u, program.rfind(prologueStart, 0)) << i;
    EXPECT_NE(std::string::npos, program.find("\r\nclose OUTFILE;\n")) << i;
  }
  vexahost::VexaFileSystem::SetSystemResourceFolder(std::string());
}

TEST(LongInputTest, LongScriptsAndLinesStayCheap) {
  std::string lines;
  std::string oneLine;
  for (int i = 0; i < 5000; ++i) {
    lines += " if (isempty(#a)) { #b = #c + #d - #e; } else { print #b; }\r\n";
    oneLine += "#a = #b + #c; ";
  }
  DRCheck checker(lines + oneLine);
  checker.syntaxCheck();
  EXPECT_EQ("", checker.getErrStr());

  DRTranslatorPeer peer(lines + oneLine);
  const std::string body = peer.body();
  EXPECT_EQ("", peer.errorText());
  EXPECT_EQ(5001, peer.line());
  EXPECT_EQ(std::string::npos, body.find('#'));
}

}  // namespace
}  // namespace vexadr
