// Golden outputs of the product grammar: normalize, merge, whole-file and
// incremental fallback over every corpus file and remediation pair, and a
// console session through every common mode.  Any change to what the
// library returns for these inputs shows here; a change of the grammar or
// of a defined result re-records them on purpose:
//
//   VEXA_GOLDEN_UPDATE=1 build/default/bin/vexa_parser_tests --gtest_filter='Golden*'
//
// The algebra outputs are kept as length and 64-bit FNV-1a hash per output
// (the texts themselves would be megabytes); VEXA_GOLDEN_DUMP=DIR writes the
// texts, so that two builds can be compared with diff.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "parser/grammar/grammar_test_support.h"
#include "vexa/host/pathname.h"

namespace vexaparser::testing {
namespace {

std::string goldenFile(const std::string& name) {
  return std::string(VEXA_TEST_DATA_DIR) + "parser/golden/" + name;
}

bool updating() { return std::getenv("VEXA_GOLDEN_UPDATE") != nullptr; }

std::string readText(const std::string& path) {
  std::string text;
  if (!vexahost::Pathname(path).readAll(text)) text.clear();
  return text;
}

void writeText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string fingerprint(const std::string& text) {
  uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
  std::ostringstream out;
  out << text.size() << '\t' << std::hex << hash;
  return out.str();
}

// The configuration files of a corpus folder (its MANIFEST and notes aside).
std::vector<std::string> configurationFiles(const std::string& folder) {
  std::vector<std::string> paths;
  for (const vexahost::Pathname& entry : vexahost::Pathname(folder).dirContents()) {
    const std::string name = entry.file();
    if (entry.isDirectory() || name == "MANIFEST.tsv" || name == "README.md") continue;
    paths.push_back(entry.data());
  }
  return paths;
}

class GoldenTest : public ProductGrammarTest {
 protected:
  // Records "name<TAB>operation<TAB>length<TAB>hash" and, when dumping, the
  // text itself.
  void record(const std::string& name, const std::string& operation, const std::string& text) {
    table_ << name << '\t' << operation << '\t' << fingerprint(text) << '\n';
    if (const char* dump = std::getenv("VEXA_GOLDEN_DUMP")) {
      std::string file = name + "." + operation;
      for (char& c : file) c = c == '/' ? '_' : c;
      writeText(std::string(dump) + "/" + file, text);
    }
  }

  // Compares the table with the recorded one line by line, or records it.
  void compareWith(const std::string& goldenName) {
    const std::string path = goldenFile(goldenName);
    if (updating()) {
      writeText(path, table_.str());
      return;
    }
    std::istringstream want(readText(path));
    std::istringstream got(table_.str());
    std::string wantLine;
    std::string gotLine;
    int changed = 0;
    while (std::getline(want, wantLine)) {
      if (!std::getline(got, gotLine)) gotLine = "(missing)";
      if (wantLine != gotLine && ++changed <= 20) {
        ADD_FAILURE() << "recorded: " << wantLine << "\nnow:      " << gotLine;
      }
    }
    if (std::getline(got, gotLine)) ADD_FAILURE() << "not recorded: " << gotLine;
    EXPECT_EQ(changed, 0) << "outputs differ from " << path;
  }

  std::ostringstream table_;
};

TEST_F(GoldenTest, AlgebraOutputsOverTheCorporaAreUnchanged) {
  for (const char* folder : {VEXA_CORPUS_DIR, VEXA_WIDE_CORPUS_DIR}) {
    for (const std::string& path : configurationFiles(folder)) {
      const std::string name = vexahost::Pathname(path).file();
      const std::string text = readText(path);
      const std::string normalized = normalize(text);
      const std::string delta = rollbackDelta(normalized);
      const std::string merged = merge(text, delta);
      record(name, "normalize", normalized);
      record(name, "merge", merged);
      record(name, "fallback", fallback(merged, text));
      record(name, "fallback-incremental", VexaParserUtil::fallbackConfigCmds(delta, text, 0));
    }
  }
  for (const vexahost::Pathname& pair :
       vexahost::Pathname(VEXA_REMEDIATION_PAIRS_DIR).dirContents()) {
    if (!pair.isDirectory()) continue;
    const std::string running = readText(pair.data() + "/running.cfg");
    const std::string intended = readText(pair.data() + "/intended.cfg");
    const std::string name = pair.file();
    record(name, "normalize", normalize(running));
    record(name, "merge", merge(running, intended));
    record(name, "fallback", fallback(running, intended));
    record(name, "fallback-incremental", VexaParserUtil::fallbackConfigCmds(running, intended, 0));
  }
  compareWith("algebra.tsv");
}

// What a console user sees line by line: the prompt, the typed line, the
// terminal's answer ("?" and TAB lines go to help and completion).
TEST_F(GoldenTest, ConsoleSessionThroughEveryModeIsUnchanged) {
  const std::vector<std::string> session = {
      "?", "en?", "show ?", "enable", "?", "conf\t", "configure terminal", "?", "int?",
      "interface ?", "interface GigabitEthernet0/1", "?", "ip ?", "ip address 10.1.1.1 255.255.255.0",
      "desc\t", "description uplink to core", "shutdown", "no shutdown", "bogus command",
      "ip address", "exit", "router ospf 1", "?", "network 10.0.0.0 0.255.255.255 area 0",
      "passive-interface ?", "exit", "router bgp 65000", "neighbor 10.0.0.2 remote-as 65001",
      "address-family ipv4", "?", "neighbor 10.0.0.2 activate", "exit-address-family", "exit",
      "line vty 0 4", "?", "transport input ssh", "exit", "ip access-list extended EDGE", "?",
      "permit tcp any any eq 22", "deny ip any any log", "exit", "route-map RM permit 10", "?",
      "match ip address EDGE", "set local-preference 200", "end", "show running-config",
      "disable", "exit"};
  std::unique_ptr<VTY> vty = VTY::create("Router", true);
  ASSERT_NE(vty, nullptr);
  std::string transcript;
  for (const std::string& line : session) {
    std::string prompt;
    vty->getPrompt(prompt);
    transcript += vty->getHostName() + prompt + line + "\n";
    if (!line.empty() && (line.back() == '?' || line.back() == '\t')) {
      vty->hook(line);
    } else {
      vty->parse(line + " \n", true, nullptr);
    }
    std::string output;
    vty->getOutputString(output);
    transcript += output;
  }
  const std::string path = goldenFile("console_session.txt");
  if (updating()) {
    writeText(path, transcript);
    return;
  }
  EXPECT_EQ(transcript, readText(path)) << "re-record with VEXA_GOLDEN_UPDATE=1 if intended";
}

}  // namespace
}  // namespace vexaparser::testing
