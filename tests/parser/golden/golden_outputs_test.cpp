// Golden outputs of the product grammar: normalize, merge, whole-file and
// incremental fallback over every corpus file and remediation pair; the
// commands built from every corpus file, its recognition count, the help of
// its last mode, its sections and extractions and an interface removed from
// it; and a console session through every common mode.  Any change to what the
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
#include <list>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "host/temp_dir.h"
#include "parser/grammar/grammar_test_support.h"
#include "vexa/host/pathname.h"
#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/vexa_parser_get_config.h"

namespace vexaparser::testing {
namespace {

using vexahost::testing::readFile;

std::string goldenFile(const std::string& name) {
  return std::string(VEXA_TEST_DATA_DIR) + "parser/golden/" + name;
}

bool updating() { return std::getenv("VEXA_GOLDEN_UPDATE") != nullptr; }

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
    std::istringstream want(readFile(path));
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
  for (const auto& [name, text] : corpora()) {
    const std::string normalized = normalize(text);
    const std::string delta = rollbackDelta(normalized);
    const std::string merged = merge(text, delta);
    record(name, "normalize", normalized);
    record(name, "merge", merged);
    record(name, "fallback", fallback(merged, text));
    record(name, "fallback-incremental", VexaParserUtil::fallbackConfigCmds(delta, text, 0));
  }
  for (const vexahost::Pathname& pair :
       vexahost::Pathname(VEXA_REMEDIATION_PAIRS_DIR).dirContents()) {
    if (!pair.isDirectory()) continue;
    const std::string running = readFile(pair.data() + "/running.cfg");
    const std::string intended = readFile(pair.data() + "/intended.cfg");
    const std::string name = pair.file();
    record(name, "normalize", normalize(running));
    record(name, "merge", merge(running, intended));
    record(name, "fallback", fallback(running, intended));
    record(name, "fallback-incremental", VexaParserUtil::fallbackConfigCmds(running, intended, 0));
  }
  compareWith("algebra.tsv");
}

// Every command getCmdInfo builds: line, level, flags, order number, path
// size, parent's line and texts.
std::string builtCommands(const std::string& text) {
  std::vector<CiscoCommandLine*> commands;
  std::string errorText;
  int errorLine = 0;
  VexaParserUtil::getCmdInfo(text, commands, errorText, errorLine);
  std::ostringstream out;
  for (const CiscoCommandLine* c : commands) {
    const CiscoCommandLine* parent = c->getParentCommand();
    out << c->getLineNo() << ' ' << c->getLevel() << ' ' << c->getFlag() << ' ' << c->getFlags()
        << ' ' << c->getOrderNo() << ' ' << c->getTreeNodeSize() << ' '
        << (parent == nullptr ? 0 : parent->getLineNo()) << '|' << c->getCurrentCommand() << '|'
        << c->getOriginalCmd() << '|' << c->getOriginalStr() << '\n';
  }
  out << errorLine << errorText;
  VexaParserUtil::releaseCmdInfo(commands);
  return out.str();
}

// The lines of text, without their line ends.
std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The header lines that a search for key finds, as read.
std::vector<std::string> headers(const std::string& text, const std::string& key) {
  std::string found;
  VexaParserUtil::GetCmdsFromConfig(text, found, key, SEARCH_HEADERS);
  return linesOf(found);
}

// The interface names of text's headers, as read.
std::vector<std::string> interfaceNames(const std::string& text) {
  std::vector<std::string> names;
  for (const std::string& line : headers(text, "interface")) {
    const std::size_t blank = line.find(' ');
    if (blank != std::string::npos) names.push_back(line.substr(blank + 1));
  }
  return names;
}

// The searches and extractions of the section search on one text.
std::string sections(const std::string& text) {
  std::string out;
  for (SEARCHTYPE type : {SEARCH_BODY, SEARCH_HEADERS, SEARCH_BLOCK, SEARCH_ACL,
                          SEARCH_ACL_HEADERS, SEARCH_ACL_BLOCK}) {
    for (const char* key : {"interface", "router", "ip access-list", "access-list", "ip vrf",
                            "route-map", "ip nat", "line", "int gi0/1", "access-list 10"}) {
      VexaParserUtil::GetCmdsFromConfig(text, out, key, type);
      out += "|\n";
    }
  }
  const std::vector<std::string> interfaces = interfaceNames(text);
  for (const std::string& name : interfaces) {
    VexaParserGetConfig::getInterfaceConfig(text, 0, name, out);
  }
  std::vector<std::string> blocks;
  VexaParserGetConfig::getInterfacesConfig(text, 0, interfaces, blocks);
  std::list<std::string> acls;
  VexaParserGetConfig::getAcls(text, 0, acls);
  for (const std::string& acl : acls) VexaParserGetConfig::getAclConfig(text, 0, acl, out);
  VexaParserGetConfig::GetRoutingProtocols(text, 0, out);
  VexaParserGetConfig::GetRoutingProtocolConfig(text, 0, headers(text, "router"), out);
  std::string vrfs;
  VexaParserGetConfig::GetAllVrfs(text, 0, vrfs);
  for (const std::string& vrf : linesOf(vrfs)) VexaParserGetConfig::GetVrfCmds(text, 0, vrf, out);
  VexaParserGetConfig::getRouteMapConfig(text, 0, "route-map", out);
  VexaParserGetConfig::getIpNatConfig(text, 0, "ip nat", out);
  for (const std::string& block : blocks) out += block;
  for (const std::string& acl : acls) out += acl + "\n";
  return out + vrfs;
}

TEST_F(GoldenTest, CommandsRecognitionHelpAndSectionsOverTheCorporaAreUnchanged) {
  const vexahost::testing::TempDir temp;
  for (const auto& [name, text] : corpora()) {
    record(name, "commands", builtCommands(text));
    const Recognition count = recognize(text);
    std::string unrecognized = std::to_string(count.lines) + " " +
                               std::to_string(count.recognized) + "\n";
    for (const std::string& line : count.unrecognized) unrecognized += line + "\n";
    record(name, "check", unrecognized);
    std::string command = text;
    std::string word;
    std::vector<ConfigHint> hints;
    VexaParserUtil::hintCommand(command, word, hints);
    std::string help;
    for (const ConfigHint& hint : hints) help += hint.word + "\t" + hint.help + "\n";
    record(name, "help", help);
    record(name, "sections", sections(text));
    const std::vector<std::string> interfaces = interfaceNames(text);
    const std::string copy = temp.write("config.cfg", text);
    const bool removed = VexaParserUtil::removeInterfaceFromConfigFile(
        copy, interfaces.empty() ? std::string("Gi0/1") : interfaces.front());
    record(name, "remove-interface", (removed ? "1\n" : "0\n") + temp.read("config.cfg"));
  }
  compareWith("corpus.tsv");
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
  std::unique_ptr<VTY> vty = terminal(false);
  ASSERT_NE(vty, nullptr);
  std::string transcript;
  for (const std::string& line : session) {
    transcript += vty->getHostName() + prompt(*vty) + line + "\n";
    transcript += typed(*vty, line);
  }
  const std::string path = goldenFile("console_session.txt");
  if (updating()) {
    writeText(path, transcript);
    return;
  }
  EXPECT_EQ(transcript, readFile(path)) << "re-record with VEXA_GOLDEN_UPDATE=1 if intended";
}

}  // namespace
}  // namespace vexaparser::testing
