// Both design-reader classes take any byte string: random scripts, biased towards the characters
// and words the two scanners act on, must neither crash, hang nor read past the end (run under
// AddressSanitizer to see the last), and the results keep their basic shape.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "designreader/dr_test_support.h"
#include "vexa/designreader/dr_check.h"
#include "vexa/designreader/dr_translator.h"

namespace vexadr {
namespace {

std::string randomScript(std::mt19937& engine) {
  // clang-format off
  static const std::string kPieces[] = {
      "(", ")", "{", "}", "[", "]", ";", "!", "\"", "'", "\\", "=", "==", "+", "-", ",", " ", "  ",
      "\t", "\r\n", "\n", "\r", "#a", "@b", "$c", "if", " if", "else", " else ", "if (", "isempty(",
      "not(", "print ", "search_line(", "search_paragraph(", "search_paragraph_begin(",
      "search_paragraph_between(", "is_in_samenet(", "all", "first", "\"(@x) @y\"",
      "@UI_InterfaceList", "\xff", std::string("\0", 1), "\\0", "'\\12'"};
  // clang-format on
  std::uniform_int_distribution<size_t> piece(0, std::size(kPieces) - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  std::string text;
  for (size_t i = std::uniform_int_distribution<size_t>(0, 120)(engine); i > 0; --i) {
    if (byte(engine) < 64) {
      text.push_back(static_cast<char>(byte(engine)));
    } else {
      text += kPieces[piece(engine)];
    }
  }
  return text;
}

using RandomInputTest = DRResourceTest;

TEST_F(RandomInputTest, CheckerAndTranslatorSurviveAnyBytes) {
  std::mt19937 engine(20240601u);
  for (int i = 0; i < 1500; ++i) {
    const std::string text = randomScript(engine);
    DRCheck checker(text);
    ASSERT_TRUE(checker.syntaxCheck()) << i;
    const std::string report = checker.getErrStr();
    EXPECT_TRUE(report.empty() || report.back() == '\n') << i;  // ends with a complete line

    DRTranslatorPeer peer(text);
    const std::string body = peer.body();
    const std::string& error = peer.errorText();
    if (body == "<failed>") {
      EXPECT_TRUE(error.empty() || (error.size() >= 3 && error.substr(error.size() - 3) == ".\r\n"))
          << i;
    } else {
      EXPECT_EQ("", error) << i;
      EXPECT_EQ(std::string::npos, body.find('#')) << i;
    }
    if (i % 25 != 0) continue;  // the whole program file for some of them
    DRTranslator translator(text, dir_ + "random.pl");
    translator.translateScriptFile();
    const std::string program = readFile(dir_ + "random.pl");
    EXPECT_EQ(0u, program.rfind("\r\n#Read the config file into a perl hash variable.\r\n", 0))
        << i;
    EXPECT_NE(std::string::npos, program.find("\r\nclose OUTFILE;\n")) << i;
  }
}

TEST(LongInputTest, LongScriptsAndLinesStayCheap) {
  // 5000 lines, the last one 70000 bytes long.
  std::string text;
  for (int i = 0; i < 5000; ++i) text += " if (isempty(#a)) { #b = #c-#d; } else { print #b; }\r\n";
  for (int i = 0; i < 5000; ++i) text += "#a = #b + #c; ";
  DRCheck checker(text);
  checker.syntaxCheck();
  EXPECT_EQ("", checker.getErrStr());

  DRTranslatorPeer peer(text);
  const std::string body = peer.body();
  EXPECT_EQ("", peer.errorText());
  EXPECT_EQ(5001, peer.line());
  EXPECT_EQ(std::string::npos, body.find('#'));
}

}  // namespace
}  // namespace vexadr
