// Both design-reader classes take any byte string.  The seed inputs of the
// fuzz targets (tests/data/designreader/seeds/: random scripts biased
// towards the characters and words the two scanners act on) must neither
// crash, hang nor read past the end (run under AddressSanitizer to see the
// last), and the results keep their basic shape.

#include <gtest/gtest.h>

#include <string>

#include "designreader/dr_test_support.h"
#include "vexa/designreader/dr_check.h"
#include "vexa/designreader/dr_translator.h"
#include "vexa/host/pathname.h"

namespace vexadr {
namespace {

using SeedInputTest = DRResourceTest;

TEST_F(SeedInputTest, CheckerAndTranslatorKeepTheirShapeOnEverySeed) {
  int seeds = 0;
  for (const vexahost::Pathname& seed : vexahost::Pathname(drData("seeds")).dirContents()) {
    const std::string text = readFile(seed.data());
    const std::string name = seed.file();
    ++seeds;
    DRCheck checker(text);
    ASSERT_TRUE(checker.syntaxCheck()) << name;
    const std::string report = checker.getErrStr();
    EXPECT_TRUE(report.empty() || report.back() == '\n') << name;  // ends with a complete line

    DRTranslatorPeer peer(text);
    const std::string body = peer.body();
    const std::string& error = peer.errorText();
    if (body == "<failed>") {
      EXPECT_TRUE(error.empty() || (error.size() >= 3 && error.substr(error.size() - 3) == ".\r\n"))
          << name;
    } else {
      EXPECT_EQ("", error) << name;
      EXPECT_EQ(std::string::npos, body.find('#')) << name;
    }
    DRTranslator translator(text, dir_.path() + "seed.pl");
    translator.translateScriptFile();
    const std::string program = readFile(dir_.path() + "seed.pl");
    EXPECT_EQ(0u, program.rfind("\r\n#Read the config file into a perl hash variable.\r\n", 0))
        << name;
    EXPECT_NE(std::string::npos, program.find("\r\nclose OUTFILE;\n")) << name;
  }
  EXPECT_GE(seeds, 50);
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
