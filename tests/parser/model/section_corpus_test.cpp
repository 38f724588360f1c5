// Section search and extraction on both corpora: the answers the search
// reuses equal one terminal fed line by line, and bad input ends without a
// crash.  What the searches find in every corpus file is pinned by the
// golden outputs (tests/parser/golden/).
#include <set>
#include <string>
#include <vector>

#include "parser/grammar/grammar_test_support.h"
#include "parser/model/model_test_support.h"
#include "parser/model/section_search.h"
#include "vexa/parser/parser_tool_case.h"

namespace vexaparser::testing {
namespace {

using Lines = std::vector<std::string>;

Lines split(const std::string& text, const char* separators) {
  Lines pieces;
  ParserToolCase::splitString(text, separators, pieces);
  return pieces;
}

std::string word(const std::string& line, std::size_t n) {
  const Lines words = split(line, " \t");
  return words.size() > n ? words[n] : std::string();
}

class SectionCorpusTest : public ProductGrammarTest {};

TEST_F(SectionCorpusTest, ReusedAnswersEqualOneTerminalFedLineByLine) {
  // Besides the corpora: banners that end blocks, quotes that open banner
  // text in the terminal, pager residue, carriage returns inside lines.
  const std::string tricky =
      cfg("interface Gi0/1| description say \"hi| mtu 1400|banner motd ^C|interface Gi0/9|^C|"
          "interface Gi0/2| shutdown|--More--\b\binterface Gi0/3|\rinterface Gi0/4\r| no shutdown|"
          "ip access-list standard 5| permit any|ip access-list standard 6|access-list 5 deny any");
  const std::vector<std::pair<std::string, std::string>> files = corpora();
  std::vector<std::pair<std::string, const std::string*>> texts{{"tricky", &tricky}};
  for (const auto& [name, text] : files) texts.emplace_back(name, &text);
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
      const bool acl = key.starts_with("access-list") || key.starts_with("ip access-list");
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
