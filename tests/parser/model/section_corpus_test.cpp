// Section search and extraction on both corpora: reused answers equal one
// terminal fed line by line; every interface, access list, route map, NAT
// command, routing process and VRF is found, checked against the file's
// indentation where the terminal reads the block in place.
#include <algorithm>
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

using Lines = std::vector<std::string>;

struct CorpusFile {
  std::string name, text;
  Lines lines;              // non-empty, without line ends
  std::vector<int> levels;  // of each line, the file read whole by the terminal
};

Lines split(const std::string& text, const char* separators) {
  Lines pieces;
  ParserToolCase::splitString(text, separators, pieces);
  return pieces;
}

bool startsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

const std::vector<CorpusFile>& corpora() {
  static const std::vector<CorpusFile> files = [] {
    std::vector<CorpusFile> all;
    for (const char* folder : {VEXA_CORPUS_DIR, VEXA_WIDE_CORPUS_DIR}) {
      for (const vexahost::Pathname& path : vexahost::Pathname(folder).dirContents()) {
        const std::string name = path.file();
        if (path.isDirectory() || name == "MANIFEST.tsv" || name == "README.md") continue;
        CorpusFile file{path.data(), "", {}, {}};
        path.readAll(file.text);
        const CmdInfo info(*productGrammar(), file.text);
        std::size_t command = 0;
        for (std::string& line : split(file.text, "\n")) {
          command += split(line, "\r").size();
          if (line.back() == '\r') line.pop_back();
          file.lines.push_back(line);
          file.levels.push_back(command > 0 ? info.commands[command - 1]->getLevel() : -1);
        }
        all.push_back(std::move(file));
      }
    }
    return all;
  }();
  return files;
}

// The block under the header at line i as the indentation shows it
// (comments left out), and whether the terminal reads it so: every line
// inside, the line after it at the top.
struct Block {
  Lines lines;
  bool inPlace = true;
};
Block indentedBlock(const CorpusFile& file, std::size_t i) {
  Block block;
  for (std::size_t j = i + 1; j < file.lines.size(); ++j) {
    const std::string& line = file.lines[j];
    if (split(line, " \t").empty() || split(line, " \t")[0][0] == '!') continue;
    if (line[0] != ' ') {
      block.inPlace = block.inPlace && file.levels[j] == 0;
      break;
    }
    block.inPlace = block.inPlace && file.levels[j] >= 1;
    block.lines.push_back(line);
  }
  return block;
}

std::string word(const std::string& line, std::size_t n) {
  const Lines words = split(line, " \t");
  return words.size() > n ? words[n] : std::string();
}

long countBeginningWith(const Lines& lines, const std::string& prefix) {
  return std::count_if(lines.begin(), lines.end(),
                       [&](const std::string& l) { return startsWith(l, prefix); });
}

class SectionCorpusTest : public ProductGrammarTest {};

TEST_F(SectionCorpusTest, ReusedAnswersEqualOneTerminalFedLineByLine) {
  // Besides the corpora: banners that end blocks, quotes that open banner
  // text in the terminal, pager residue, carriage returns inside lines.
  const std::string tricky =
      cfg("interface Gi0/1| description say \"hi| mtu 1400|banner motd ^C|interface Gi0/9|^C|"
          "interface Gi0/2| shutdown|--More--\b\binterface Gi0/3|\rinterface Gi0/4\r| no shutdown|"
          "ip access-list standard 5| permit any|ip access-list standard 6|access-list 5 deny any");
  std::vector<std::pair<std::string, const std::string*>> texts{{"tricky", &tricky}};
  for (const CorpusFile& file : corpora()) texts.emplace_back(file.name, &file.text);
  int compared = 0;
  for (const auto& [name, text] : texts) {
    std::set<std::string> keys{"interface", "router",      "ip vrf",         "ip nat",
                               "banner",    "access-list", "ip access-list", "int gi0/2"};
    for (const std::string& line : split(*text, "\r\n")) {
      for (const char* first : {"interface", "router", "route-map", "access-list", "ip"}) {
        if (word(line, 0) == first) keys.insert(word(line, 0) + " " + word(line, 1));
      }
    }
    const Grammar& grammar = *productGrammar();
    model::SectionText& kept = model::sectionTextFor(grammar, *text);
    for (const std::string& key : keys) {
      const std::string completed = VexaParserUtil::completeConfigKey(key);
      const bool acl = startsWith(key, "access-list") || startsWith(key, "ip access-list");
      for (int type = acl ? SEARCH_ACL : SEARCH_BODY;
           type <= (acl ? SEARCH_ACL_BLOCK : SEARCH_BLOCK); ++type) {
        auto search = acl ? model::aclSearch : model::specialSearch;
        model::SectionText fresh(*text);
        model::SearchOptions plain;
        plain.feed.reuse = false;
        std::string expected, reused;
        search(grammar, fresh, completed, static_cast<SEARCHTYPE>(type), expected, plain);
        search(grammar, kept, completed, static_cast<SEARCHTYPE>(type), reused, {});
        EXPECT_EQ(reused, expected) << name << ": " << key << " type " << type;
        ++compared;
      }
    }
  }
  EXPECT_GE(compared, 2500);
}

TEST_F(SectionCorpusTest, EveryInterfaceIsFoundByItsAbbreviatedName) {
  const ParserResources::KeyTable& types =
      *ParserResources::instance().keyTable(NodeMatcher::kInterfaceTable);
  auto abbreviated = [&types](const std::string& type) {  // shortest unique prefix
    std::size_t n = 2;
    while (n < type.size() && std::count_if(types.begin(), types.end(), [&](const auto& entry) {
                                return startsWith(entry.first, type.substr(0, n));
                              }) > 1) {
      ++n;
    }
    return type.substr(0, n);
  };
  int interfaces = 0, exact = 0;
  for (const CorpusFile& file : corpora()) {
    // Each interface's blocks (a file may open one twice), as typed.
    std::map<std::string, std::pair<std::string, Block>> wanted;
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
      std::string type, number;
      if (!startsWith(file.lines[i], "interface ") ||
          !NodeMatcher::splitInterfaceName(word(file.lines[i], 1), type, number) ||
          types.count(ParserToolCase::string2Lower(type)) == 0) {
        continue;
      }
      auto& [typed, blocks] = wanted[VexaParserUtil::completeConfigKey(file.lines[i]) + " \n"];
      typed = abbreviated(ParserToolCase::string2Lower(type)) + number;
      const Block block = indentedBlock(file, i);
      blocks.lines.push_back("");  // the header's place
      blocks.lines.insert(blocks.lines.end(), block.lines.begin(), block.lines.end());
      blocks.inPlace = blocks.inPlace && block.inPlace;
    }
    for (const auto& [header, typedAndBlocks] : wanted) {
      const auto& [typed, blocks] = typedAndBlocks;
      std::string found, expected;
      VexaParserGetConfig::getInterfaceConfig(file.text, 0, typed, found);
      for (const std::string& line : blocks.lines)
        expected += line.empty() ? header : "  " + line + "\n";
      EXPECT_TRUE(startsWith(found, header)) << file.name << ": " << typed;
      if (blocks.inPlace) {
        EXPECT_EQ(found, expected) << file.name << ": " << typed;
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
  for (const CorpusFile& file : corpora()) {
    // Numbered lists and route maps by their line counts, routing processes
    // (entered again or not) by the lines of all their blocks.
    std::map<std::string, long> counted;  // key -> lines wanted, -1: not in place
    Lines routers, vrfs;
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
      const std::string& line = file.lines[i];
      std::string found;
      if (word(line, 0) == "access-list" || word(line, 0) == "route-map") {
        ++counted[word(line, 0) + " " + word(line, 1) + " "];
      } else if (word(line, 0) == "router") {
        routers.push_back(line);
        const Block block = indentedBlock(file, i);
        bool recognised = false;
        model::completeKey(*productGrammar(), line, &recognised);
        long& wanted = counted[line];
        wanted = !recognised || !block.inPlace || wanted < 0
                     ? -1
                     : wanted + static_cast<long>(block.lines.size());
      } else if (startsWith(line, "ip vrf ")) {
        vrfs.push_back(line);
      } else if (startsWith(line, "ip access-list standard ") ||
                 startsWith(line, "ip access-list extended ")) {
        // The header and one line per entry.
        VexaParserGetConfig::getAclConfig(file.text, 0, line, found);
        EXPECT_EQ(split(found, "\n").size(), indentedBlock(file, i).lines.size() + 1)
            << file.name << ": " << line;
        ++sections;
      } else if (startsWith(line, "ip nat ")) {
        // Completed as a header, or as read in the block of an earlier
        // candidate (an interface's "ip nat inside" is one too).
        VexaParserGetConfig::getIpNatConfig(file.text, 0, "ip nat", found);
        const Lines lines = split(found, "\n");
        EXPECT_GT(
            std::count(lines.begin(), lines.end(), VexaParserUtil::completeConfigKey(line) + " ") +
                std::count(lines.begin(), lines.end(), "  " + line),
            0)
            << file.name << ": " << line;
        ++sections;
      }
    }
    for (const auto& [key, lines] : counted) {
      std::string found;
      if (startsWith(key, "access-list")) {
        VexaParserGetConfig::getAclConfig(file.text, 0, key, found);
        EXPECT_EQ(countBeginningWith(split(found, "\n"), key), lines) << file.name << ": " << key;
      } else if (startsWith(key, "route-map")) {
        VexaParserGetConfig::getRouteMapConfig(file.text, 0, key, found);
        EXPECT_EQ(countBeginningWith(split(found, "\n"), key), lines) << file.name << ": " << key;
      } else if (lines >= 0) {
        VexaParserGetConfig::GetRoutingProtocolConfig(file.text, 0, key, found);
        EXPECT_EQ(static_cast<long>(split(found, "\n").size()), lines == 0 ? 0 : lines + 1)
            << file.name << ": " << key;
      }
      ++sections;
    }
    // Every process and VRF definition of the top level, in order (the
    // search takes indented ones too), and no VRF assignment.
    std::string found;
    VexaParserGetConfig::GetRoutingProtocols(file.text, 0, found);
    Lines listed = split(found, "\n");
    EXPECT_TRUE(std::includes(listed.begin(), listed.end(), routers.begin(), routers.end()))
        << file.name;
    VexaParserGetConfig::GetAllVrfs(file.text, 0, found);
    listed = split(found, "\n");
    EXPECT_TRUE(std::includes(listed.begin(), listed.end(), vrfs.begin(), vrfs.end())) << file.name;
    EXPECT_EQ(found.find("forwarding"), std::string::npos) << file.name;
  }
  EXPECT_GE(sections, 500);
}

TEST_F(SectionCorpusTest, BadInputEndsWithoutACrash) {
  const std::string huge(1 << 20, 'x');
  // clang-format off
  const struct { std::string config, key; SEARCHTYPE type; std::string out; } cases[] = {
      {"", "interface", SEARCH_BLOCK, ""},
      {"interface Loopback0\n", "", SEARCH_BLOCK, ""},
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
