// The device's form of what the programs write, checked where it matters:
// a normalize of every corpus configuration, written in the device's form,
// must give back the file's own lines but for real normalisation.
//
// The comparison: the lines of the file (blank, "!" and "end" lines left
// out) and of the output ("!" lines left out) as multisets of token lists.
// A token that names an interface (its letters are an interface type of the
// key table, its rest a number) keeps its case, so that "gigabitethernet0/1"
// or "Gigabitethernet0/1" against the file's "GigabitEthernet0/1" shows;
// every other token is compared lowered, as the terminal records keywords
// ("dot1Q", "RW", hexadecimal words).  Splitting the tokens collapses runs of
// blanks inside a line, which the library does.  What then differs must be
// explained, line against line, by one of:
//  - an abbreviation expanded: the file's token is a proper prefix of the
//    output's (keyword), or names the same interface in the device's
//    spelling ("Gi0/1", "tunnel0" -> "GigabitEthernet0/1", "Tunnel0");
//  - an interface header written with the name apart, joined ("interface
//    ethernet 1/11" -> "interface Ethernet1/11"); elsewhere two words apart
//    may be no interface ("switchport access vlan 20"), so only here;
//  - order: the same tokens in another order.
// Trailing blanks fail on their own, and every line must keep the
// indentation the library gave it (one blank per level).
#include "common/device_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "vexa/host/pathname.h"
#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/node_matcher.h"
#include "vexa/parser/parser_resources.h"
#include "vexa/parser/parser_tool_case.h"
#include "vexa/parser/vexa_parser_util.h"

namespace {

using vexaparser::VexaParserUtil;
using Tokens = std::vector<std::string>;

std::string lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

class DeviceFormTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    vexaparser::ParserResources::instance().clearAll();
    vexahost::VexaFileSystem::SetSystemResourceFolder(VEXA_SOURCE_RESOURCE_DIR);
    VexaParserUtil::createParserResource();
    VexaParserUtil::setOverwriteCmds();
  }
  static void TearDownTestSuite() {
    VexaParserUtil::destroyParserResource();
    vexaparser::ParserResources::instance().releaseEverything();
    vexahost::VexaFileSystem::SetSystemResourceFolder("");
  }
  void SetUp() override { ASSERT_TRUE(VexaParserUtil::resourcesReady()); }

 public:
  // The device's spelling of the interface a token names, or empty.
  std::string interfaceSpelling(const std::string& token) const {
    std::string type;
    std::string number;
    if (!vexaparser::NodeMatcher::splitInterfaceName(token, type, number)) return std::string();
    const std::string key = lowered(type);
    for (const auto& [candidate, spelled] : spellings_) {
      if (candidate.compare(0, key.size(), key) == 0) return spelled + number;
    }
    return std::string();
  }
  bool namesInterface(const std::string& token) const {
    std::string type;
    std::string number;
    return vexaparser::NodeMatcher::splitInterfaceName(token, type, number) &&
           spellings_.count(lowered(type)) != 0;
  }
  Tokens canonical(const std::string& line) const {
    Tokens tokens;
    vexaparser::ParserToolCase::splitString(line, " \t\r", tokens);
    for (std::string& token : tokens) {
      if (!namesInterface(token)) token = lowered(token);
    }
    return tokens;
  }
  // Whether output is file's line after a normalisation the header lists.
  bool explained(const Tokens& file, const Tokens& output) const {
    if (file.size() == output.size() + 1 && file.size() >= 3 && file[0] == "interface" &&
        output[0] == "interface") {
      return output[1] == interfaceSpelling(file[1] + file[2]) &&
             std::equal(file.begin() + 3, file.end(), output.begin() + 2);
    }
    if (file.size() != output.size()) return false;
    bool expanded = true;
    for (std::size_t i = 0; i < file.size() && expanded; ++i) {
      const std::string& a = file[i];
      const std::string& b = output[i];
      expanded = a == b ||
                 (a.size() < b.size() && lowered(b).compare(0, a.size(), lowered(a)) == 0 &&
                  !namesInterface(b)) ||
                 (namesInterface(b) && interfaceSpelling(a) == b);
    }
    if (expanded) return true;
    Tokens x = file;
    Tokens y = output;
    std::sort(x.begin(), x.end());
    std::sort(y.begin(), y.end());
    return x == y;
  }

  std::map<std::string, std::string> spellings_ = [] {
    std::map<std::string, std::string> table;
    const vexatools::DeviceForm form = vexatools::DeviceForm::load();
    for (const auto& [key, help] : *vexaparser::ParserResources::instance().keyTable(
             vexaparser::NodeMatcher::kInterfaceTable)) {
      table[key] = form.spelling(key);
    }
    return table;
  }();
};

// Lines of text cut at line feeds and carriage returns; blank ones go.
std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  vexaparser::ParserToolCase::splitString(text, "\r\n", lines);
  lines.erase(std::remove_if(lines.begin(), lines.end(),
                             [](const std::string& line) {
                               return line.find_first_not_of(" \t") == std::string::npos;
                             }),
              lines.end());
  return lines;
}

std::string firstWord(const std::string& line) {
  const std::size_t start = line.find_first_not_of(" \t");
  return line.substr(start, line.find_first_of(" \t", start) - start);
}

// What a device-form output of the normalized file differs in beyond the
// normalisations the header lists; empty when nothing.
std::vector<std::string> differences(const DeviceFormTest& test, const std::string& file,
                                     const std::string& raw, const std::string& device);

TEST_F(DeviceFormTest, NormalizedCorpusDiffersOnlyByRealNormalisation) {
  const vexatools::DeviceForm form = vexatools::DeviceForm::load();
  ASSERT_GE(spellings_.size(), 20u);
  int files = 0;
  for (const char* folder : {VEXA_CORPUS_DIR, VEXA_WIDE_CORPUS_DIR}) {
    for (const vexahost::Pathname& path : vexahost::Pathname(folder).dirContents()) {
      const std::string& name = path.data();
      const std::string file = path.file();
      if (path.isDirectory() || file == "MANIFEST.tsv" || file == "README.md") continue;
      ++files;
      std::string text;
      ASSERT_TRUE(path.readAll(text)) << name;
      const std::string raw = VexaParserUtil::normalizeConfigCmds(text);
      for (const std::string& difference : differences(*this, text, raw, form.write(raw))) {
        ADD_FAILURE() << name << ": " << difference;
      }
    }
  }
  EXPECT_GE(files, 200);
}

TEST_F(DeviceFormTest, TheComparisonShowsSpellingAndSpacingNoise) {
  const std::string file =
      "interface GigabitEthernet0/1\n switchport access vlan 20\n!\nhostname r1\n";
  const std::string raw = VexaParserUtil::normalizeConfigCmds(file);
  const std::string good = vexatools::DeviceForm::load().write(raw);
  EXPECT_TRUE(differences(*this, file, raw, good).empty()) << good;
  for (const char* noisy :
       {"interface gigabitethernet0/1\n switchport access vlan 20\n!\nhostname r1\n",
        "interface GigabitEthernet 0/1\n switchport access vlan 20\n!\nhostname r1\n",
        "interface GigabitEthernet0/1\n switchport access Vlan20\n!\nhostname r1\n",
        "interface GigabitEthernet0/1 \n switchport access vlan 20\n!\nhostname r1\n",
        "interface GigabitEthernet0/1\n  switchport access vlan 20\n!\nhostname r1\n"}) {
    EXPECT_FALSE(differences(*this, file, raw, noisy).empty()) << noisy;
  }
}

std::vector<std::string> differences(const DeviceFormTest& test, const std::string& file,
                                     const std::string& raw, const std::string& device) {
  std::vector<std::string> found;
  const std::vector<std::string> rawLines = linesOf(raw);
  const std::vector<std::string> deviceLines = linesOf(device);
  if (rawLines.size() != deviceLines.size()) return {"line counts differ from the library's"};
  std::map<Tokens, int> balance;  // output minus file
  for (std::size_t i = 0; i < deviceLines.size(); ++i) {
    const std::string& line = deviceLines[i];
    if (line.back() == ' ' || line.back() == '\t') found.push_back("trailing blank: " + line);
    if (line.find_first_not_of(' ') != rawLines[i].find_first_not_of(' ')) {
      found.push_back("indentation changed: " + line);
    }
    if (firstWord(line) != "!") ++balance[test.canonical(line)];
  }
  for (const std::string& line : linesOf(file)) {
    const std::string first = firstWord(line);
    if (first[0] != '!' && lowered(first) != "end") --balance[test.canonical(line)];
  }
  std::vector<Tokens> extra;
  std::vector<Tokens> missing;
  for (const auto& [tokens, count] : balance) {
    for (int n = 0; n < count; ++n) extra.push_back(tokens);
    for (int n = 0; n < -count; ++n) missing.push_back(tokens);
  }
  auto shown = [](const Tokens& tokens) {
    std::string text;
    for (const std::string& token : tokens) text += token + " ";
    return text;
  };
  for (const Tokens& line : extra) {
    auto partner = std::find_if(missing.begin(), missing.end(),
                                [&](const Tokens& m) { return test.explained(m, line); });
    if (partner == missing.end()) {
      found.push_back("unexplained line: " + shown(line));
    } else {
      missing.erase(partner);
    }
  }
  for (const Tokens& line : missing) found.push_back("line lost: " + shown(line));
  return found;
}

}  // namespace
