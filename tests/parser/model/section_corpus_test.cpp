// Section search and extraction on both corpora of real configurations:
// the reused answers of the scratch terminal give exactly what one terminal
// fed line by line gives, and every interface, access list, route map, NAT
// command, routing process and VRF of every file is found, checked against
// what the file's own indentation says.  Bad input ends without a crash.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <list>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "parser/grammar/grammar_test_support.h"
#include "parser/model/model_test_support.h"
#include "parser/model/section_search.h"
#include "vexa/host/pathname.h"
#include "vexa/parser/node_matcher.h"
#include "vexa/parser/parser_tool_case.h"
#include "vexa/parser/vexa_parser_get_config.h"

namespace vexaparser::testing {
namespace {

struct CorpusFile {
  std::string name, text;
  std::vector<std::string> lines;  // without line ends
};

const std::vector<CorpusFile>& corpora() {
  static const std::vector<CorpusFile> files = [] {
    std::vector<CorpusFile> all;
    for (const char* folder : {VEXA_CORPUS_DIR, VEXA_WIDE_CORPUS_DIR}) {
      for (const vexahost::Pathname& path : vexahost::Pathname(folder).dirContents()) {
        const std::string file = path.file();
        if (path.isDirectory() || file == "MANIFEST.tsv" || file == "README.md") continue;
        CorpusFile entry{path.data(), "", {}};
        path.readAll(entry.text);
        for (std::size_t at = 0; at < entry.text.size();) {
          std::size_t end = std::min(entry.text.find('\n', at), entry.text.size());
          std::string line = entry.text.substr(at, end - at);
          if (!line.empty() && line.back() == '\r') line.pop_back();
          entry.lines.push_back(line);
          at = end + 1;
        }
        all.push_back(std::move(entry));
      }
    }
    return all;
  }();
  return files;
}

bool startsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}
bool isComment(const std::string& line) {
  const std::size_t start = line.find_first_not_of(" \t");
  return start == std::string::npos || line[start] == '!';
}
std::string secondWord(const std::string& line) {
  std::vector<std::string> words;
  ParserToolCase::splitString(line, " \t", words);
  return words.size() > 1 ? words[1] : std::string();
}

// The indented lines under the header at line i, comments left out: the
// block as the file's indentation shows it.
std::vector<std::string> indentedBlock(const CorpusFile& file, std::size_t i) {
  std::vector<std::string> block;
  for (std::size_t j = i + 1; j < file.lines.size(); ++j) {
    const std::string& line = file.lines[j];
    if (isComment(line)) continue;
    if (line[0] != ' ') break;
    block.push_back(line);
  }
  return block;
}

// The level the terminal gives each line of the file read as a whole; -1
// for a line that gives no command.
std::vector<int> levelsOf(const CorpusFile& file) {
  const CmdInfo info(file.text);
  std::vector<int> levels;
  std::size_t next = 0;
  for (const std::string& line : file.lines) {
    std::vector<std::string> pieces;
    ParserToolCase::splitString(line, "\r", pieces);
    next += pieces.size();
    levels.push_back(pieces.empty() ? -1 : info.commands[next - 1]->getLevel());
  }
  return levels;
}

// Whether the terminal reads the block under the header at line i as the
// indentation shows it: every line inside, the line after it at the top.
// Where the grammar does not know a line the two part.
bool readInPlace(const CorpusFile& file, const std::vector<int>& levels, std::size_t i) {
  for (std::size_t j = i + 1; j < file.lines.size(); ++j) {
    if (isComment(file.lines[j])) continue;
    if (file.lines[j][0] != ' ') return levels[j] == 0;
    if (levels[j] < 1) return false;
  }
  return true;
}

// The lines of a search result that are not empty.
std::vector<std::string> resultLines(const std::string& text) {
  std::vector<std::string> lines;
  ParserToolCase::splitString(text, "\n", lines);
  return lines;
}

class SectionCorpusTest : public ProductGrammarTest {};

TEST_F(SectionCorpusTest, ReusedAnswersEqualOneTerminalFedLineByLine) {
  // Besides the corpora: banners that end blocks, quotes that open banner
  // text in the terminal, pager residue, carriage returns inside lines.
  CorpusFile tricky{"tricky",
                    cfg("interface Gi0/1| description say \"hi| mtu 1400|banner motd ^C|"
                        "interface Gi0/9|^C|interface Gi0/2| shutdown|--More--\b\binterface"
                        " Gi0/3|\rinterface Gi0/4\r| no shutdown|ip access-list standard 5|"
                        " permit any|ip access-list standard 6|access-list 5 deny any"),
                    {}};
  std::vector<const CorpusFile*> files{&tricky};
  for (const CorpusFile& file : corpora()) files.push_back(&file);
  int compared = 0;
  for (const CorpusFile* file : files) {
    std::set<std::string> keys{"interface", "router",   "ip vrf",      "ip nat",
                               "banner",    "line",     "access-list", "ip access-list",
                               "int gi0/2", "int gi0/4"};
    for (const std::string& line : file->lines) {
      for (const char* word :
           {"interface ", "router ", "route-map ", "ip access-list ", "access-list "}) {
        if (startsWith(line, word)) keys.insert(line.substr(0, line.find(' ', strlen(word))));
      }
    }
    model::SectionText& kept = model::sectionTextFor(file->text);
    for (const std::string& key : keys) {
      const std::string completed = VexaParserUtil::completeConfigKey(key);
      const bool acl = startsWith(key, "access-list") || startsWith(key, "ip access-list");
      for (SEARCHTYPE type :
           acl ? std::vector<SEARCHTYPE>{SEARCH_ACL, SEARCH_ACL_HEADERS, SEARCH_ACL_BLOCK}
               : std::vector<SEARCHTYPE>{SEARCH_BODY, SEARCH_HEADERS, SEARCH_BLOCK}) {
        model::SectionText fresh(file->text);
        model::SearchOptions plain;
        plain.feed.reuse = false;
        std::string expected, reused;
        if (type <= SEARCH_BLOCK) {
          model::specialSearch(fresh, completed, type, expected, plain);
          model::specialSearch(kept, completed, type, reused, {});
        } else {
          model::aclSearch(fresh, completed, type, expected, plain);
          model::aclSearch(kept, completed, type, reused, {});
        }
        EXPECT_EQ(reused, expected) << file->name << ": " << key << " type " << type;
        ++compared;
      }
    }
  }
  EXPECT_GE(compared, 2500);
}

TEST_F(SectionCorpusTest, EveryInterfaceIsFoundByItsAbbreviatedName) {
  const ParserResources::KeyTable& types =
      *ParserResources::instance().keyTable(NodeMatcher::kInterfaceTable);
  // The shortest prefix of a type that no other type shares.
  auto abbreviation = [&types](const std::string& type) {
    for (std::size_t n = 2; n < type.size(); ++n) {
      const std::string prefix = type.substr(0, n);
      if (std::count_if(types.begin(), types.end(),
                        [&](const auto& entry) { return startsWith(entry.first, prefix); }) == 1) {
        return prefix;
      }
    }
    return type;
  };
  int interfaces = 0;
  int exact = 0;
  for (const CorpusFile& file : corpora()) {
    const std::vector<int> levels = levelsOf(file);
    // The blocks of each interface (the file may open one twice), and
    // whether the terminal reads all of them as the indentation shows.
    struct Wanted {
      std::string typed, blocks;
      bool inPlace = true;
    };
    std::map<std::string, Wanted> wanted;
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
      std::string type, number;
      if (!startsWith(file.lines[i], "interface ") ||
          !NodeMatcher::splitInterfaceName(secondWord(file.lines[i]), type, number) ||
          types.count(ParserToolCase::string2Lower(type)) == 0) {
        continue;
      }
      const std::string header = VexaParserUtil::completeConfigKey(file.lines[i]) + " \n";
      Wanted& one = wanted[header];
      one.typed = abbreviation(ParserToolCase::string2Lower(type)) + number;
      one.blocks += header;
      for (const std::string& line : indentedBlock(file, i)) one.blocks += "  " + line + "\n";
      one.inPlace = one.inPlace && readInPlace(file, levels, i);
    }
    for (const auto& [header, one] : wanted) {
      std::string found;
      VexaParserGetConfig::getInterfaceConfig(file.text, 0, one.typed, found);
      EXPECT_TRUE(startsWith(found, header)) << file.name << ": " << one.typed;
      if (one.inPlace) {
        EXPECT_EQ(found, one.blocks) << file.name << ": " << one.typed;
        ++exact;
      }
      ++interfaces;
    }
  }
  EXPECT_GE(interfaces, 500);
  EXPECT_GE(exact, interfaces * 9 / 10) << exact << " of " << interfaces << " compared whole";
}

TEST_F(SectionCorpusTest, AccessListsRouteMapsNatRoutingProcessesAndVrfs) {
  int sections = 0;
  auto count = [](const std::vector<std::string>& lines, const std::string& prefix) {
    return std::count_if(lines.begin(), lines.end(),
                         [&](const std::string& l) { return startsWith(l, prefix); });
  };
  for (const CorpusFile& file : corpora()) {
    const std::vector<int> levels = levelsOf(file);
    // Numbered lists and route maps by their line counts, routing processes
    // (entered again or not) by the lines of all their blocks, where the
    // terminal reads them in place.
    std::map<std::string, long> numbered, routeMaps, processes;
    std::set<std::string> outOfPlace;
    std::vector<std::string> routers, vrfs;
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
      const std::string& line = file.lines[i];
      if (startsWith(line, "access-list ")) ++numbered["access-list " + secondWord(line) + " "];
      if (startsWith(line, "route-map ")) ++routeMaps["route-map " + secondWord(line) + " "];
      if (startsWith(line, "ip vrf ")) vrfs.push_back(line);
      if (startsWith(line, "router ")) {
        routers.push_back(line);
        processes[line] += static_cast<long>(indentedBlock(file, i).size());
        bool recognised = false;
        model::completeKey(line, &recognised);
        if (!recognised || !readInPlace(file, levels, i)) outOfPlace.insert(line);
      }
      std::string found;
      if (startsWith(line, "ip access-list standard ") ||
          startsWith(line, "ip access-list extended ")) {
        // The header and one line per entry (comments give empty lines).
        VexaParserGetConfig::getAclConfig(file.text, 0, line, found);
        EXPECT_EQ(resultLines(found).size(), indentedBlock(file, i).size() + 1)
            << file.name << ": " << line << "\n"
            << found;
        ++sections;
      } else if (startsWith(line, "ip nat ")) {
        // Completed as a header, or as read inside the block of an earlier
        // header (an interface's "ip nat inside" read inside the interface).
        VexaParserGetConfig::getIpNatConfig(file.text, 0, "ip nat", found);
        const std::vector<std::string> lines = resultLines(found);
        const std::string completed = VexaParserUtil::completeConfigKey(line) + " ";
        EXPECT_GT(std::count(lines.begin(), lines.end(), completed) +
                      std::count(lines.begin(), lines.end(), "  " + line),
                  0)
            << file.name << ": " << line;
        ++sections;
      }
    }
    for (const auto& [list, lines] : numbered) {
      std::string found;
      VexaParserGetConfig::getAclConfig(file.text, 0, list, found);
      EXPECT_EQ(count(resultLines(found), list), lines) << file.name << ": " << list;
    }
    for (const auto& [map, lines] : routeMaps) {
      std::string found;
      VexaParserGetConfig::getRouteMapConfig(file.text, 0, map, found);
      EXPECT_EQ(count(resultLines(found), map), lines) << file.name << ": " << map;
    }
    for (const auto& [process, lines] : processes) {
      if (outOfPlace.count(process) != 0) continue;
      std::string found;
      VexaParserGetConfig::GetRoutingProtocolConfig(file.text, 0, process, found);
      EXPECT_EQ(static_cast<long>(resultLines(found).size()), lines == 0 ? 0 : lines + 1)
          << file.name << ": " << process;
    }
    // Every routing process and VRF definition of the top level, in order
    // (the search also takes such lines indented), no VRF assignment.
    std::string found;
    VexaParserGetConfig::GetRoutingProtocols(file.text, 0, found);
    std::vector<std::string> listed = resultLines(found);
    EXPECT_TRUE(std::includes(listed.begin(), listed.end(), routers.begin(), routers.end()))
        << file.name << "\n"
        << found;
    VexaParserGetConfig::GetAllVrfs(file.text, 0, found);
    listed = resultLines(found);
    EXPECT_TRUE(std::includes(listed.begin(), listed.end(), vrfs.begin(), vrfs.end()))
        << file.name << "\n"
        << found;
    EXPECT_EQ(found.find("forwarding"), std::string::npos) << file.name;
    sections += static_cast<int>(numbered.size() + routeMaps.size() + processes.size());
  }
  EXPECT_GE(sections, 500);
}

TEST_F(SectionCorpusTest, BadInputEndsWithoutACrash) {
  const std::string huge(1 << 20, 'x');
  // clang-format off
  const struct { std::string config, key; SEARCHTYPE type; std::string out; } cases[] = {
      {"", "interface", SEARCH_BLOCK, ""},
      {"interface Loopback0\n", "", SEARCH_BLOCK, ""},
      {"interface Loopback0\n", "interface " + huge, SEARCH_BLOCK, ""},
      // A header the terminal cannot read stands at the top, as does its next line.
      {"interface " + huge + "\n " + huge + "\n", "interface", SEARCH_BLOCK,
       "interface " + huge + "\n"},
      {"--More--" + huge + "\b" + huge + "\n", "interface", SEARCH_HEADERS, ""},
      {"banner motd ^C\ninterface Loopback0\n", "interface", SEARCH_HEADERS, ""},
      {"access-list " + huge + "\n", "access-list " + huge, SEARCH_ACL,
       "access-list " + huge + "\n\n"},
      // A line the terminal cannot read after a header belongs to its block.
      {std::string("interface Loopback0\n\0\xff\x80\n", 24), "int lo0", SEARCH_BLOCK,
       std::string("interface loopback 0 \n  \0\xff\x80\n", 28)},
  };
  // clang-format on
  for (const auto& c : cases) {
    std::string out;
    VexaParserUtil::GetCmdsFromConfig(c.config, out, c.key, c.type);
    EXPECT_EQ(out, c.out) << c.config.substr(0, 40) << " / " << c.key.substr(0, 40);
  }
}

}  // namespace
}  // namespace vexaparser::testing
