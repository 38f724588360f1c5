// The Perl runtime library (resources/scripts/DRFunctions) and the bundled script library, run
// with Perl: the scripts of runtime/cases.txt on runtime/router.cfg write the expected results
// (searches under each flag and scope, captures, notes, sets, address checks, result lines); every
// bundled script checks, runs and cleans up on corpus copies, and on configurations read by hand
// its findings are the lines a reader finds there.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "designreader/dr_test_support.h"
#include "vexa/designreader/dr_script_file.h"

namespace vexadr {
namespace {

using RuntimeTest = DRLibraryTest;

TEST_F(RuntimeTest, ScriptsWriteTheExpectedResults) {
  VEXA_REQUIRE_PERL();
  const std::vector<Case> cases = readCases(drData("runtime/cases.txt"));
  ASSERT_GE(cases.size(), 20u);
  const std::string config = drData("runtime/router.cfg");
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected,
              DesignNoteParser::getDesignNote(dir_.write("t.cmf", c.input), config, nullptr))
        << c.title;
  }
  EXPECT_TRUE(leftovers().empty());
}

using BundledScriptsTest = DRLibraryTest;

std::vector<std::string> bundledScripts() {
  std::vector<std::string> paths;
  const DesignNoteParser library(bundledLibrary(), true);
  for (const auto& [folder, node] : library.getSubDirects()) {
    for (const std::string& name : node->getScriptFiles()) {
      paths.push_back(node->getScriptFileFullPath(name));
    }
  }
  return paths;
}

UIVariableForDR picks(const std::vector<std::string>& interfaces,
                      const std::vector<std::string>& addresses) {
  UIVariableForDR variables("device");
  for (const std::string& name : interfaces) variables.addVariableValue(1, name);
  for (const std::string& address : addresses) variables.addVariableValue(3, address);
  variables.addVariableValue(2, "bgp");
  return variables;
}

std::vector<std::string> configLines(const std::string& name) {
  std::ifstream in(corpusFile(name), std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// The configuration lines a result names, in line order.
std::string numbers(const std::string& result) {
  std::map<int, std::string> lines;
  DRResultTree::fromText(result)->getAllLines(lines);
  std::string out;
  for (const auto& [number, text] : lines) out += (out.empty() ? "" : " ") + std::to_string(number);
  return out;
}

TEST_F(BundledScriptsTest, EveryScriptChecksRunsAndLeavesNothingBehind) {
  VEXA_REQUIRE_PERL();
  const std::vector<std::string> scripts = bundledScripts();
  ASSERT_GE(scripts.size(), 25u);
  const UIVariableForDR variables = picks({"GigabitEthernet0/0", "Ethernet0"}, {"10.23.21.9"});
  for (const std::string& path : scripts) {
    const DRScriptFile script(path);
    EXPECT_FALSE(script.getDescription().empty()) << path;
    EXPECT_EQ("", DesignNoteParser::checkScriptFile(script.getContext())) << path;
    for (const char* config : {"batfish__as2border2.cfg", "batfish__cisco_interface.cfg",
                               "netutils__ios_full_sent.cfg", "pybatfish__rtr-with-acl.cfg"}) {
      const std::string result =
          DesignNoteParser::getDesignNote(path, corpusFile(config), &variables);
      EXPECT_EQ(0, DesignNoteParser::lastRunStatus()) << path << " " << config;
      // Every finding shows its configuration line (and perhaps a note after it).
      const std::vector<std::string> text = configLines(config);
      std::map<int, std::string> lines;
      DRResultTree::fromText(result)->getAllLines(lines);
      for (const auto& [number, shown] : lines) {
        ASSERT_LE(number, static_cast<int>(text.size())) << path << " " << config;
        EXPECT_EQ(0u, shown.rfind(text[number - 1], 0)) << path << " " << config << ":" << number;
      }
    }
  }
  EXPECT_TRUE(leftovers().empty());
}

// The rows of bundled_findings.tsv: script, configuration, picked interfaces and addresses (","
// between them, "-" for none) and the configuration lines the findings name.
TEST_F(BundledScriptsTest, FindingsMatchTheConfigurations) {
  VEXA_REQUIRE_PERL();
  std::ifstream rows(drData("bundled_findings.tsv"));
  const auto list = [](const std::string& field) {
    std::vector<std::string> items;
    std::istringstream in(field == "-" ? "" : field);
    for (std::string item; std::getline(in, item, ',');) items.push_back(item);
    return items;
  };
  int count = 0;
  for (std::string row; std::getline(rows, row);) {
    if (row.empty() || row[0] == '#') continue;
    std::istringstream in(row);
    std::string script, config, interfaces, addresses, lines;
    std::getline(in, script, '\t');
    std::getline(in, config, '\t');
    std::getline(in, interfaces, '\t');
    std::getline(in, addresses, '\t');
    std::getline(in, lines);
    const UIVariableForDR variables = picks(list(interfaces), list(addresses));
    const std::string path =
        config.find('/') == std::string::npos ? corpusFile(config) : drData(config);
    EXPECT_EQ(lines, numbers(DesignNoteParser::getDesignNote(bundledLibrary() + script + ".cmf",
                                                             path, &variables)))
        << script << " on " << config;
    ++count;
  }
  EXPECT_GE(count, 10);
  // The bundled favourites with findings there: no firewall script finds anything.
  const auto useful = DesignNoteParser::getUsefulFiles(corpusFile("batfish__as2border2.cfg"));
  ASSERT_NE(nullptr, useful);
  EXPECT_EQ(1u, useful->getSubDirects()
                    .at("Interfaces")
                    ->getScriptFiles()
                    .count("InterfacesWithoutDescription"));
  EXPECT_EQ(0u, useful->getSubDirects().count("Firewall"));
  EXPECT_EQ(nullptr, DesignNoteParser::getUsefulFiles(corpusFile("none.cfg")));
  EXPECT_TRUE(leftovers().empty());
}

}  // namespace
}  // namespace vexadr
