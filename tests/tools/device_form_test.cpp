// The device's form of what the programs write: a normalize of every corpus
// configuration, in the device's form, gives back the file's own lines but
// for real normalisation.  Lines are compared as multisets of token lists
// in which a token naming an interface keeps its case (so "gigabitethernet0/1"
// against "GigabitEthernet0/1" shows) and every other token is lowered (the
// terminal records keywords lowered: "dot1Q", "RW").  What still differs must
// be, line against line, an abbreviation expanded (a keyword prefix, or an
// interface name respelled: "Gi0/1", "tunnel0"), an interface header written
// with the name apart and now joined ("interface ethernet 1/11"; elsewhere
// two words may be no interface: "vlan 20"), or the same tokens reordered.
// Trailing blanks and a changed indentation fail on their own.
#include "common/device_form.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "parser/grammar/grammar_test_support.h"
#include "vexa/host/pathname.h"
#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/node_matcher.h"
#include "vexa/parser/parser_tool_case.h"

namespace vexaparser::testing {
namespace {

using Tokens = std::vector<std::string>;

class DeviceFormTest : public ProductGrammarTest {
 protected:
  // The device's spelling of the interface a token names ("Gi0/1"), or "".
  std::string spelled(const std::string& token) const {
    std::string type, number;
    if (!NodeMatcher::splitInterfaceName(token, type, number)) return "";
    type = ParserToolCase::string2Lower(type);
    for (const auto& [key, help] :
         *ParserResources::instance().keyTable(NodeMatcher::kInterfaceTable)) {
      if (key.compare(0, type.size(), type) == 0) return form_.spelling(key) + number;
    }
    return "";
  }
  bool namesInterface(const std::string& token) const {
    std::string type, number;
    return NodeMatcher::splitInterfaceName(token, type, number) &&
           ParserResources::instance()
                   .keyTable(NodeMatcher::kInterfaceTable)
                   ->count(ParserToolCase::string2Lower(type)) != 0;
  }
  Tokens canonical(const std::string& line) const {
    Tokens tokens;
    ParserToolCase::splitString(line, " \t\r", tokens);
    for (std::string& t : tokens) t = namesInterface(t) ? t : ParserToolCase::string2Lower(t);
    return tokens;
  }
  bool explained(const Tokens& file, const Tokens& out) const {
    if (file.size() == out.size() + 1 && file.size() >= 3 && file[0] == "interface") {
      return out[1] == spelled(file[1] + file[2]) &&
             std::equal(file.begin() + 3, file.end(), out.begin() + 2);
    }
    if (file.size() != out.size()) return false;
    bool expanded = true;
    for (std::size_t i = 0; i < file.size() && expanded; ++i) {
      const std::string& a = file[i];
      const std::string& b = out[i];
      expanded =
          a == b || (namesInterface(b) ? spelled(a) == b
                                       : a.size() < b.size() && b.compare(0, a.size(), a) == 0);
    }
    Tokens x = file, y = out;
    std::sort(x.begin(), x.end());
    std::sort(y.begin(), y.end());
    return expanded || x == y;
  }
  // What device (the device form of raw, the normalized file) shows beyond
  // real normalisation; empty when nothing.
  std::vector<std::string> differences(const std::string& file, const std::string& raw,
                                       const std::string& device) const {
    auto linesOf = [](const std::string& text) {
      Tokens lines;
      ParserToolCase::splitString(text, "\r\n", lines);
      lines.erase(std::remove_if(lines.begin(), lines.end(),
                                 [](const std::string& l) {
                                   return l.find_first_not_of(" \t") == std::string::npos;
                                 }),
                  lines.end());
      return lines;
    };
    const Tokens rawLines = linesOf(raw), deviceLines = linesOf(device);
    if (rawLines.size() != deviceLines.size()) return {"line count"};
    std::vector<std::string> found;
    std::map<Tokens, int> balance;  // output minus file
    std::string top;  // the last line at the top level
    for (std::size_t i = 0; i < deviceLines.size(); ++i) {
      const std::string& line = deviceLines[i];
      if (line.back() == ' ') found.push_back("trailing blank: " + line);
      // "exit-address-family" and its kin, and the settings of an IP SLA
      // operation, go one level up.
      const std::size_t indent = line.find_first_not_of(' ');
      const std::size_t rawIndent = rawLines[i].find_first_not_of(' ');
      if (rawIndent == 0) top = rawLines[i];
      const bool up = line.compare(indent, 5, "exit-") == 0 ||
                      (rawIndent >= 2 && top.rfind("ip sla ", 0) == 0 && line[indent] != '!');
      // The lines of a public-key chain and of a MIB expression go one down.
      const bool down = rawIndent > 0 && line[indent] != '!' &&
                        (top.rfind("ip ssh pubkey-chain", 0) == 0 ||
                         top.rfind("snmp mib expression", 0) == 0);
      if (indent + (up ? 1 : 0) != rawIndent + (down ? 1 : 0)) {
        found.push_back("indentation: " + line);
      }
      if (canonical(line)[0] != "!") ++balance[canonical(line)];
    }
    for (const std::string& line : linesOf(file)) {
      const Tokens tokens = canonical(line);
      if (tokens[0][0] != '!' && tokens[0] != "end") --balance[tokens];
    }
    std::vector<Tokens> extra, missing;
    for (const auto& [tokens, count] : balance) {
      extra.insert(extra.end(), std::max(count, 0), tokens);
      missing.insert(missing.end(), std::max(-count, 0), tokens);
    }
    for (const Tokens& line : extra) {
      auto partner = std::find_if(missing.begin(), missing.end(),
                                  [&](const Tokens& m) { return explained(m, line); });
      if (partner == missing.end()) found.push_back("unexplained: " + line.front() + " ...");
      if (partner != missing.end()) missing.erase(partner);
    }
    for (const Tokens& line : missing) found.push_back("lost: " + line.front() + " ...");
    return found;
  }

  const vexatools::DeviceForm form_ = vexatools::DeviceForm::load();
};

TEST_F(DeviceFormTest, NormalizedCorpusDiffersOnlyByRealNormalisation) {
  int files = 0;
  for (const char* folder : {VEXA_CORPUS_DIR, VEXA_WIDE_CORPUS_DIR}) {
    for (const vexahost::Pathname& path : vexahost::Pathname(folder).dirContents()) {
      if (path.isDirectory() || path.file() == "MANIFEST.tsv" || path.file() == "README.md") {
        continue;
      }
      std::string text;
      ASSERT_TRUE(path.readAll(text)) << path.data();
      const std::string raw = VexaParserUtil::normalizeConfigCmds(text);
      const std::string device = form_.write(raw);
      for (const std::string& difference : differences(text, raw, device)) {
        ADD_FAILURE() << path.data() << ": " << difference;
      }
      // Written from the trees the text came from, without reading it again:
      // the same text, and the same device form.
      const ConfigResult result =
          VexaParserUtil::normalizeConfig(*ParserResources::instance().grammar(), text);
      EXPECT_EQ(result.text, raw) << path.data();
      EXPECT_TRUE(result.linesKnown()) << path.data();
      EXPECT_EQ(form_.write(result), device) << path.data();
      ++files;
    }
  }
  EXPECT_GE(files, 240);
}

// A large tree is written as text in two halves side by side, and a large
// text goes to a stream in pieces, its second half written on a second
// thread meanwhile: each line still gets its own command.
TEST_F(DeviceFormTest, AStreamGetsTheSameTextInPieces) {
  std::string text;
  for (int i = 0; i < 6000; ++i) {
    text += "interface Loopback" + std::to_string(i) + "\n ip address 10.0." +
            std::to_string(i / 250) + "." + std::to_string(i % 250) + " 255.255.255.255\n";
  }
  const ConfigResult result =
      VexaParserUtil::normalizeConfig(*ParserResources::instance().grammar(), text);
  ASSERT_TRUE(result.linesKnown());
  std::istringstream lines(result.text);
  std::string line;
  std::size_t at = 0;
  for (; std::getline(lines, line); ++at) {
    ASSERT_LT(at, result.lineCommands.size());
    const CiscoCommandLine* command = result.lineCommands[at];
    if (command != nullptr) {
      EXPECT_EQ(line.substr(line.find_first_not_of(' ')) + "\n", command->getOriginalCmd()) << at;
    }
  }
  EXPECT_EQ(at, result.lineCommands.size());
  const std::string whole = form_.write(result);
  ASSERT_GT(whole.size(), 256u * 1024);
  std::ostringstream streamed;
  form_.write(result, streamed);
  EXPECT_EQ(streamed.str(), whole);
}

// Text in the device's form comes back unchanged: capitals the matcher
// lowers, the closing lines of modes and banners.
TEST_F(DeviceFormTest, DevicePrintedTextComesBackAsPrinted) {
  const std::string file =
      "snmp-server community ro RO\n"
      "snmp-server community x view ro RW 10\n"
      "ip community-list standard cl permit local-AS\n"
      "ip ips notify SDEE\n"
      "vrf definition A\n"
      " rd 1:1\n"
      " address-family ipv4\n"
      "  route-target export 1:1\n"
      " exit-address-family\n"
      "interface GigabitEthernet0/1.100\n"
      " encapsulation dot1Q 100\n"
      "interface GigabitEthernet0/2\n"
      " service instance 2 ethernet\n"
      "  encapsulation dot1q 20\n"
      "ip sla monitor 5\n"
      " type echo protocol ipIcmpEcho 10.0.0.1\n"
      " frequency 60\n"
      "ip sla 6\n"
      " icmp-echo 10.0.0.2\n"
      " history filter overThreshold\n"
      "route-map X permit 10\n"
      " set community 100:1 local-AS\n"
      "router bgp 1\n"
      " neighbor 10.0.0.1 local-as 5\n"
      "crypto pki certificate chain TP\n"
      " certificate self-signed 01\n"
      "  30820330 A0030201 F70D0101\n"
      "  quit\n"
      "ip ssh pubkey-chain\n"
      "  username boxen\n"
      "   key-hash ssh-rsa 5CC74A68B18B026A1709FB09D1F44E2F\n"
      "banner motd ^C\n"
      "Authorised access only\n"
      "^C\n";
  Tokens written, lines, expected;
  ParserToolCase::splitString(form_.write(VexaParserUtil::normalizeConfigCmds(file)), "\n",
                              written);
  for (const std::string& line : written) {
    if (line.find_first_not_of(" !") != std::string::npos) lines.push_back(line);
  }
  ParserToolCase::splitString(file, "\n", expected);
  EXPECT_EQ(lines, expected);
}

TEST_F(DeviceFormTest, TheComparisonShowsSpellingAndSpacingNoise) {
  const std::string file = "interface GigabitEthernet0/1\n switchport access vlan 20\n";
  const std::string raw = VexaParserUtil::normalizeConfigCmds(file);
  EXPECT_TRUE(differences(file, raw, form_.write(raw)).empty()) << form_.write(raw);
  for (const char* noisy : {"interface gigabitethernet0/1\n switchport access vlan 20\n!\n",
                            "interface GigabitEthernet 0/1\n switchport access vlan 20\n!\n",
                            "interface GigabitEthernet0/1\n switchport access Vlan20\n!\n",
                            "interface GigabitEthernet0/1 \n switchport access vlan 20\n!\n",
                            "interface GigabitEthernet0/1\n  switchport access vlan 20\n!\n"}) {
    EXPECT_FALSE(differences(file, raw, noisy).empty()) << noisy;
  }
}

}  // namespace
}  // namespace vexaparser::testing
