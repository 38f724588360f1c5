// The product grammar measured on the corpus of real configurations
// (VEXA_CORPUS_DIR): how many lines it recognizes (a ratchet on the
// recorded figures), that reading both texts at once changes no result, and
// that the fallback of a change rolls it back.  That a normalize loses no
// line of either corpus is checked, token by token, on the device form
// (tests/tools/device_form_test.cpp).
#include <atomic>
#include <fstream>
#include <iostream>
#include <limits>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>

#include "grammar_test_support.h"
#include "parser/model/read_in_parts.h"
#include "parser/model/side_by_side.h"
#include "vexa/parser/config_line.h"

namespace vexaparser::testing {
namespace {

// The lines of a data file of these tests, without empty and "#" lines.
std::vector<std::string> recordedLines(const std::string& name) {
  std::vector<std::string> lines;
  std::ifstream in(grammarDataFile(name));
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.front() != '#') lines.push_back(line);
  }
  return lines;
}

// The recorded figures: "file<TAB>recognized<TAB>lines" per line, the last
// one "total". Later work may raise the recognized figures, never lower them.
std::map<std::string, long> recordedRecognition(const std::string& table) {
  std::map<std::string, long> recorded;
  for (const std::string& line : recordedLines(table)) {
    std::istringstream fields(line);
    std::string file;
    long recognized = 0;
    if (std::getline(fields, file, '\t') && fields >> recognized) recorded[file] = recognized;
  }
  return recorded;
}

class CorpusTest : public ProductGrammarTest {};

// Each corpus with its table of figures and the share of its counted lines
// that must be recognized at least (per thousand).
struct RatchetedCorpus {
  const char* folder;
  const char* table;
  long perMille;
};

TEST_F(CorpusTest, RecognitionNeverDropsBelowTheRecordedFigures) {
  for (const RatchetedCorpus& corpus :
       {RatchetedCorpus{VEXA_CORPUS_DIR, "corpus_recognition.tsv", 994},
        RatchetedCorpus{VEXA_WIDE_CORPUS_DIR, "wide_corpus_recognition.tsv", 980}}) {
    const std::vector<std::string> files = corpusFiles(corpus.folder);
    EXPECT_GE(files.size(), 40u) << "corpus folder: " << corpus.folder;
    const std::map<std::string, long> recorded = recordedRecognition(corpus.table);
    ASSERT_FALSE(recorded.empty()) << "no recorded figures in " << corpus.table;
    Recognition total;
    std::ostringstream table;
    for (const std::string& file : files) {
      const Recognition count = recognize(corpusText(file, corpus.folder));
      total.lines += count.lines;
      total.recognized += count.recognized;
      table << file << '\t' << count.recognized << '\t' << count.lines << '\n';
      auto it = recorded.find(file);
      ASSERT_NE(it, recorded.end()) << file << " has no recorded figure in " << corpus.table;
      std::string unrecognized;
      for (const std::string& line : count.unrecognized) unrecognized += "  " + line + "\n";
      EXPECT_GE(count.recognized, it->second) << file << ": unrecognized lines now:\n"
                                              << unrecognized;
    }
    table << "total\t" << total.recognized << '\t' << total.lines << '\n';
    std::cout << corpus.table << ":\n" << table.str();
    ASSERT_NE(recorded.find("total"), recorded.end()) << corpus.table;
    EXPECT_GE(total.recognized, recorded.at("total")) << corpus.table;
    EXPECT_GE(total.recognized * 1000, total.lines * corpus.perMille)
        << corpus.table << ": " << total.recognized << " of " << total.lines << " lines recognized";
  }
}

// merge and fallback read their two texts on two threads when both are
// large, a whole-file fallback of many top-level commands undoes its two
// halves on two threads, and a long reading links its loose lines in two
// halves: every corpus file against the next one, and against a change of
// itself, gives the same text either way (one after the other, each text
// is read in two parts); and the same again when the texts are handed over
// (emptied once read, on two threads).
TEST_F(CorpusTest, ReadingBothTextsAtOnceChangesNothing) {
  std::atomic<std::size_t>& least = model::sideBySideBytes();
  std::atomic<std::size_t>& parts = model::readInPartsBytes();
  const std::size_t usualParts = parts.load();
  std::atomic<std::size_t>& halves = model::fileHalvesFrom();
  std::atomic<std::size_t>& linkHalves = model::linkHalvesFrom();
  const std::size_t usual = least.load();
  const std::size_t usualHalves = halves.load();
  const std::size_t usualLinkHalves = linkHalves.load();
  const Grammar& grammar = *ParserResources::instance().grammar();
  const std::vector<std::string> files = corpusFiles();
  for (std::size_t i = 0; i < files.size(); ++i) {
    const std::string a = corpusText(files[i]);
    for (const std::string& b : {corpusText(files[(i + 1) % files.size()]), rollbackDelta(normalize(a))}) {
      std::string results[3];
      for (std::size_t bytes : {std::numeric_limits<std::size_t>::max(), std::size_t{0}}) {
        least = bytes;
        parts = bytes == 0 ? usualParts : 0;
        halves = bytes == 0 ? 2 : bytes;
        linkHalves = bytes == 0 ? 2 : bytes;
        results[bytes == 0] = normalize(a) + "|" + merge(a, b) + "|" + fallback(a, b) + "|" +
                              VexaParserUtil::fallbackConfigCmds(a, b, 0);
      }
      EXPECT_EQ(results[0], results[1]) << files[i];
      std::string texts[6] = {b, a, a, b, a, b};
      results[2] = normalize(a) + "|" +
                   VexaParserUtil::mergeConfig(grammar, std::move(texts[0]), std::move(texts[1]),
                                               false).text +
                   "|" +
                   VexaParserUtil::fallbackConfig(grammar, std::move(texts[2]),
                                                  std::move(texts[3]), 1, false).text +
                   "|" +
                   VexaParserUtil::fallbackConfig(grammar, std::move(texts[4]),
                                                  std::move(texts[5]), 0, false).text;
      EXPECT_EQ(results[2], results[0]) << files[i];
      for (const std::string& given : texts) EXPECT_TRUE(given.empty()) << files[i];
    }
    std::string given = a;
    EXPECT_EQ(VexaParserUtil::normalizeConfig(grammar, std::move(given)).text, normalize(a));
    EXPECT_TRUE(given.empty()) << files[i];
  }
  least = usual;
  parts = usualParts;
  halves = usualHalves;
  linkHalves = usualLinkHalves;
}

// Everything a reading gives: each command with its links, and the error.
std::string readingOf(const std::string& text) {
  std::vector<CiscoCommandLine*> commands;
  std::string errorText;
  int errorLine = 0;
  const bool result = VexaParserUtil::getCmdInfo(text, commands, errorText, errorLine);
  std::ostringstream dump;
  dump << result << ' ' << errorLine << ' ' << errorText << '\n';
  for (const CiscoCommandLine* c : commands) {
    std::string majors;
    c->getMajorCmdStr(majors);
    dump << c->getLineNo() << ' ' << c->getLevel() << ' ' << c->getFlag() << ' '
         << c->getFlags() << ' ' << c->getOrderNo() << ' ' << c->getTreeNodeSize() << ' '
         << c->getNestedCommands().size() << ' '
         << (c->getParentCommand() ? c->getParentCommand()->getLineNo() : 0) << ' '
         << c->getChildCommands().size() << '[' << c->getCurrentCommand() << '|'
         << c->getOriginalCmd() << '|' << c->getOriginalStr() << '|' << majors << "]\n";
  }
  releaseCommands(commands);
  return dump.str();
}

// A large text is read in two parts at once where a top-level block begins
// near the middle: every corpus file, texts where the guess is wrong (the
// line after the "!" belongs to the open sub-mode, or fails) and one where
// the parts agree only from the line after it, read the same as from the
// first line to the last.
TEST_F(CorpusTest, ReadingATextInTwoPartsChangesNothing) {
  std::atomic<std::size_t>& least = model::readInPartsBytes();
  const std::size_t usual = least.load();
  const unsigned joinedBefore = model::partReads().joined.load();
  const auto bothWays = [&least](const std::string& text) {
    least = std::numeric_limits<std::size_t>::max();
    const std::string whole = readingOf(text);
    least = 0;
    return std::make_pair(whole, readingOf(text));
  };
  for (const std::string& file : corpusFiles()) {
    const auto [whole, parts] = bothWays(corpusText(file));
    EXPECT_EQ(whole, parts) << file;
  }
  EXPECT_GT(model::partReads().joined.load(), joinedBefore + 20);
  // The middle line of each text is the one after its "!" line.
  const std::string banner = "banner motd ^C|hello \"there|^C|";
  const unsigned joinedBeforeGuesses = model::partReads().joined.load();
  for (const std::string& text :
       {cfg(banner + "interface Loopback0|!|description moved|!|hostname r1|!"),
        cfg(banner + "interface Loopback0|!|frobnicate now|!|hostname r1|!"),
        cfg(banner + "interface Loopback0|!|hostname r2| description a^b|hostname r1|!"),
        cfg("banner motd ^C|hello|!|ip access-list extended A|!|x^C|!|hostname r1")}) {
    const unsigned tried = model::partReads().tried.load();
    const auto [whole, parts] = bothWays(text);
    EXPECT_EQ(whole, parts) << text;
    EXPECT_EQ(model::partReads().tried.load(), tried + 1) << text;
  }
  // The guess is wrong at the middle line; a few lines on the terminals may
  // agree again (the parts then join there), but not in every text.
  EXPECT_LT(model::partReads().joined.load(), joinedBeforeGuesses + 4);
  // Right after a sub-mode the first terminal closes a level on the middle
  // line, a fresh one does not: they agree from the next line on.
  const unsigned joinedBeforeRoutes = model::partReads().joined.load();
  std::string routes = "router bgp 1|";
  for (int n = 1; n <= 5; ++n) routes += " neighbor 10.0.0." + std::to_string(n) + " remote-as 2|";
  routes += "!|ip route 10.1.0.0 255.255.0.0 10.0.0.1|ip route 10.2.0.0 255.255.0.0 10.0.0.1|";
  const auto [whole, parts] = bothWays(cfg(routes));
  EXPECT_EQ(whole, parts);
  EXPECT_EQ(model::partReads().joined.load(), joinedBeforeRoutes + 1);
  least = usual;
}

// Each line of a normalized text with what its command says of it (its
// line number and text), "-" for a "!" line.
std::string linesOf(std::string_view line, const CiscoCommandLine* command) {
  std::ostringstream dump;
  dump << line << " <- ";
  if (command == nullptr) {
    dump << '-';
  } else {
    dump << command->getLineNo() << ' ' << command->getLevel() << ' ' << command->getFlag() << ' '
         << command->getFlags() << ' ' << command->getOrderNo() << ' ' << command->getTreeNodeSize()
         << ' ' << command->getCurrentCommand();
  }
  return dump.str() + '\n';
}

// The lines handed over while a text is read are the lines of its tree,
// with their commands, read in one part or in two: every corpus file (and
// one with carriage returns), a text whose two parts do not join, and "!"
// lines inside a block.
TEST_F(CorpusTest, NormalizedLinesHandedOverAreTheTreesLines) {
  std::atomic<std::size_t>& least = model::readInPartsBytes();
  const std::size_t usual = least.load();
  const Grammar& grammar = *ParserResources::instance().grammar();
  std::vector<std::string> texts;
  for (const std::string& file : corpusFiles()) texts.push_back(corpusText(file));
  std::string crlf;
  for (char c : texts.front()) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  texts.push_back(crlf);
  texts.push_back(cfg("banner motd ^C|hello|!|interface Loopback0|!|frobnicate now|!|hostname r1"));
  texts.push_back(
      cfg("vrf definition M| !| address-family ipv4| exit-address-family| !|"
          " address-family ipv6| exit-address-family|!|hostname r1|!"));
  for (const std::string& text : texts) {
    const ConfigResult result = VexaParserUtil::normalizeConfig(grammar, text);
    ASSERT_TRUE(result.linesKnown());
    std::string expected;
    std::size_t at = 0;
    forEachConfigLine(result.text, [&](std::string_view line) {
      expected += linesOf(line, result.lineCommands[at++]);
    });
    for (std::size_t bytes : {std::numeric_limits<std::size_t>::max(), std::size_t{0}}) {
      least = bytes;
      std::string first[2];
      std::string second[2];
      const auto into = [](std::string* out) {
        return [out](std::string_view line, const CiscoCommandLine* c) {
          out[0] += linesOf(line, c);
          (out[1] += line) += '\n';
        };
      };
      const int parts = VexaParserUtil::normalizeLines(grammar, text, into(first), into(second));
      ASSERT_GT(parts, 0) << text;
      EXPECT_EQ(parts == 2 ? first[0] + second[0] : first[0], expected) << text;
      // Each line ended by a line feed is the text itself.
      EXPECT_EQ(parts == 2 ? first[1] + second[1] : first[1], result.text) << text;
    }
  }
  least = usual;
}

// A callback that throws ends the reading with its exception, in one part
// or in two, and every command is destroyed once (no double free).
TEST_F(CorpusTest, NormalizedLinesEndWithTheCallbacksException) {
  std::atomic<std::size_t>& least = model::readInPartsBytes();
  const std::size_t usual = least.load();
  const Grammar& grammar = *ParserResources::instance().grammar();
  const std::string text = corpusText(corpusFiles().front());
  for (std::size_t bytes : {std::numeric_limits<std::size_t>::max(), std::size_t{0}}) {
    least = bytes;
    for (int side = 0; side < 2; ++side) {
      std::atomic<int> lines{0};
      const auto throwing = [&lines](std::string_view, const CiscoCommandLine*) {
        if (++lines == 20) throw std::runtime_error("stop");
      };
      const auto quiet = [](std::string_view, const CiscoCommandLine*) {};
      if (side == 0) {
        EXPECT_THROW(VexaParserUtil::normalizeLines(grammar, text, throwing, quiet),
                     std::runtime_error);
      } else if (bytes == 0) {
        EXPECT_THROW(VexaParserUtil::normalizeLines(grammar, text, quiet, throwing),
                     std::runtime_error);
      }
    }
  }
  least = usual;
}

// merge(merge(C, D), fallback(merge(C, D), C)) is C again, siblings in any
// order.  Where it does not hold, the reason is one the grammar cannot
// change (see rollback_holds.txt); the files where it holds may only grow.
TEST_F(CorpusTest, FallbackRollsAChangeBack) {
  const std::vector<std::string> lines = recordedLines("rollback_holds.txt");
  const std::set<std::string> recorded(lines.begin(), lines.end());
  int holds = 0;
  std::string failing;
  for (const std::string& file : corpusFiles()) {
    const std::string original = normalize(corpusText(file));
    const std::string delta = rollbackDelta(original);
    const std::string changed = merge(original, delta);
    const std::string undo = fallback(changed, original);
    const std::string restored = merge(changed, undo);
    const std::map<std::string, int> want = treeLines(original);
    const std::map<std::string, int> got = treeLines(restored);
    // The delta must have changed something, or the test proves nothing.
    EXPECT_NE(treeLines(changed), want) << file;
    if (got == want) {
      ++holds;
    } else {
      failing += " " + file;
      EXPECT_EQ(recorded.count(file), 0u) << file << ": rollback recorded to hold\nlost:\n"
                                          << missingLines(want, got) << "added:\n"
                                          << missingLines(got, want) << "delta:\n"
                                          << delta << "fallback:\n"
                                          << undo;
    }
  }
  std::cout << "rollback holds for " << holds << " of " << corpusFiles().size()
            << " files; not for:" << failing << '\n';
  EXPECT_GE(holds, static_cast<int>(recorded.size()));
}

}  // namespace
}  // namespace vexaparser::testing
