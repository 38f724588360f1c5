// VexaParserUtil: configuration section search (GetCmdsFromConfig), and
// the two searches behind it.
#include "parser/model/section_search.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/parser_resources.h"
#include "vexa/parser/parser_tool_case.h"
#include "vexa/parser/scratch_terminal.h"
#include "vexa/parser/vty.h"

namespace vexaparser {

namespace model {

namespace {

constexpr std::string_view kVersionWord = "version";

// The characters ParserToolCase::strInCmd skips between words.
bool isSeparator(char c) { return c == ' ' || c == '\t' || c == '\n'; }

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

std::string lowerFirstWord(const std::string& key) {
  std::string first = key.substr(0, key.find(' '));
  for (char& c : first) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return first;
}

// The reading of one block search, kept together so that the loop over
// the text reads as the search does.
class BlockSearch {
 public:
  BlockSearch(const Grammar& grammar, SectionText& text, const std::string& key, SEARCHTYPE type,
              std::string& out, const SearchOptions& options)
      : grammar_(grammar),
        text_(text),
        key_(key),
        first_(lowerFirstWord(key)),
        type_(type),
        out_(out),
        hits_(options.hits),
        indexed_(options.feed.reuse),
        feed_(grammar, text, options.feed) {}

  void run() {
    if (first_.empty()) return;
    subInterface_ = first_ == "interface" && key_.find('.') != std::string::npos;
    const std::vector<uint32_t>* candidates = indexed_ ? &text_.candidates(first_) : nullptr;
    const PlainRun* plain = indexed_ ? plainRunOf(*candidates) : nullptr;
    const std::size_t count = text_.lineCount();
    // While the banner reading agrees with the plain reading of the text
    // (no block read yet, or none that ended inside what that reading
    // takes for a banner), the index of candidates says which lines a
    // reading line by line would hand to the terminal; and while the
    // terminal's state is that of the plain run, the next line that can
    // match is found without feeding the ones before it.
    bool synced = true;
    std::size_t pos = 0;
    while (pos < count) {
      if (indexed_ && !synced && !banner_.open() && !text_.bannerOpenBefore(pos)) synced = true;
      std::size_t line = pos;
      if (indexed_ && synced) {
        auto next = std::lower_bound(candidates->begin(), candidates->end(), pos);
        if (next == candidates->end()) break;
        std::size_t k = static_cast<std::size_t>(next - candidates->begin());
        if (plain != nullptr && followsPlainRun(*plain, k)) {
          k = nextMatch(*plain, k);
          if (k == candidates->size()) break;
          if (k > 0) feed_.jumpTo(plain->states[k - 1]);
        }
        line = (*candidates)[k];
      } else if (!isCandidate(line)) {
        pos = line + 1;
        continue;
      }
      pos = examine(line);
      if (pos != line + 1) synced = !text_.bannerOpenBefore(std::min(pos, count - 1));
    }
  }

 private:
  // The plain run of the key's first word, read once per text when a
  // second search of that word comes: a single search gains nothing by it.
  const PlainRun* plainRunOf(const std::vector<uint32_t>& candidates) {
    PlainRun& plain = text_.plainRun(first_);
    if (plain.built) return &plain;
    if (plain.searches++ == 0) return nullptr;
    plain.built = true;
    ScratchFeed feed(grammar_, text_, FeedOptions{});
    for (uint32_t line : candidates) {
      const FeedOutcome& answer = feed.feed(SectionText::blockLineId(line));
      if (!feed.described()) break;
      const auto k = static_cast<uint32_t>(plain.states.size());
      plain.states.push_back(feed.state());
      plain.answers.push_back(&answer);
      addWordPrefixes(answer.original, k, plain.byWordPrefix);
      if (first_ == "interface") {
        addWordPrefixes(withoutLeadingBlanks(text_.lowered(line)), k, plain.lineByWordPrefix);
      }
    }
    return &plain;
  }

  // Files k under every beginning of text that ends with a word, with
  // blanks, tabs and line feeds left out.
  static void addWordPrefixes(std::string_view text, uint32_t k,
                              std::unordered_map<std::string, std::vector<uint32_t>>& index) {
    std::string bare;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (isSeparator(text[i])) continue;
      bare += text[i];
      if (i + 1 == text.size() || isSeparator(text[i + 1])) index[bare].push_back(k);
    }
  }

  // Whether the terminal stands where the plain run stood before candidate k.
  bool followsPlainRun(const PlainRun& plain, std::size_t k) const {
    if (!feed_.described() || k >= plain.states.size()) return false;
    return feed_.state() == (k == 0 ? 0 : plain.states[k - 1]);
  }

  // The first candidate from k on whose command matches the key, reading
  // the plain run; past the run (the candidate count when it covers them
  // all) when none within it does.
  std::size_t nextMatch(const PlainRun& plain, std::size_t k) const {
    std::string bareKey;
    for (char c : key_) {
      if (!isSeparator(c)) bareKey += c;
    }
    std::size_t best = plain.states.size();
    auto found = plain.byWordPrefix.find(bareKey);
    if (found != plain.byWordPrefix.end()) {
      for (auto it = std::lower_bound(found->second.begin(), found->second.end(), k);
           it != found->second.end() && *it < best; ++it) {
        if (ParserToolCase::strInCmd(plain.answers[*it]->original, key_)) best = *it;
      }
    }
    if (!subInterface_) return best;
    found = plain.lineByWordPrefix.find(bareKey);
    if (found == plain.lineByWordPrefix.end()) return best;
    const std::vector<uint32_t>& candidates = text_.candidates(first_);
    for (auto it = std::lower_bound(found->second.begin(), found->second.end(), k);
         it != found->second.end() && *it < best; ++it) {
      const std::string lowered = text_.lowered(candidates[*it]);
      if (ParserToolCase::strInCmd(std::string(withoutLeadingBlanks(lowered)), key_)) best = *it;
    }
    return best;
  }

  // Banner text, blank lines and lines that do not begin with the key's
  // first word are no candidates.
  bool isCandidate(std::size_t line) {
    if (text_.blank(line)) return false;
    const std::string lowered = text_.lowered(line);
    const std::string_view trimmed = withoutLeadingBlanks(lowered);
    if (banner_.consume(lowered, trimmed)) return false;
    return beginsWithWord(trimmed, first_);
  }

  bool matches(std::size_t line, const FeedOutcome& header) const {
    if (ParserToolCase::strInCmd(header.original, key_)) return true;
    if (!subInterface_) return false;
    const std::string lowered = text_.lowered(line);
    return ParserToolCase::strInCmd(std::string(withoutLeadingBlanks(lowered)), key_);
  }

  // Hands a candidate to the terminal and writes what matches.  Returns
  // the next line to examine: the line after it, or the line that ended
  // its block (examined again).
  std::size_t examine(std::size_t line) {
    const FeedOutcome& header = feed_.feed(SectionText::blockLineId(line));
    if (!matches(line, header)) return line + 1;
    if (type_ == SEARCH_HEADERS) {
      out_ += text_.cleaned(line);
      out_ += '\n';
      return line + 1;
    }
    if (type_ == SEARCH_BLOCK) out_ += header.original;
    const int headerLevel = header.level;
    std::size_t next = line + 1;
    for (; next < text_.lineCount(); ++next) {
      if (text_.blank(next)) continue;
      const std::string lowered = text_.lowered(next);
      const std::string_view trimmed = withoutLeadingBlanks(lowered);
      if (trimmed.front() == '!') continue;
      if (startsWith(trimmed, kVersionWord)) {
        out_ += "  ";
        out_ += lowered;
        out_ += '\n';
        continue;
      }
      if (feed_.feed(SectionText::blockLineId(next)).level == headerLevel) break;
      out_ += "  ";
      out_ += text_.cleaned(next);
      out_ += '\n';
    }
    if (hits_ != nullptr) hits_->push_back(SectionHit{line, next});
    // A block is only read from a candidate, which the banner reading had
    // found outside any banner; it stays closed.
    return next;
  }

  const Grammar& grammar_;
  SectionText& text_;
  const std::string& key_;
  const std::string first_;
  const SEARCHTYPE type_;
  std::string& out_;
  std::vector<SectionHit>* hits_;
  const bool indexed_;
  ScratchFeed feed_;
  BannerScan banner_;
  bool subInterface_ = false;
};

// The key read by a configuration terminal that runs as a command line,
// and whether it recognised it.
std::pair<std::string, bool> completeOnce(const Grammar& grammar, const std::string& key) {
  std::vector<std::string> words;
  ParserToolCase::splitString(key, " \t\n", words);
  std::string joined;
  for (const std::string& word : words) {
    if (!joined.empty()) joined += ' ';
    joined += word;
  }
  if (joined.empty()) return {joined, false};
  ScratchOptions options;
  options.runningCLIMode = true;
  std::unique_ptr<VTY> vty = makeScratchTerminal(grammar, options);
  if (vty == nullptr) return {std::string(), false};
  std::vector<CiscoCommandLine*> commands;
  std::string errorText;
  int errorLine = 0;
  const bool parsed = vty->getComLineInfo(joined, commands, errorText, errorLine, true);
  std::string completed = commands.empty() ? std::string() : commands.back()->getOriginalCmd();
  const bool recognised =
      parsed && !commands.empty() && !commands.back()->getCurrentCommand().empty();
  vty.reset();
  VexaParserUtil::releaseCmdInfo(commands);
  if (!completed.empty() && completed.back() == '\n') completed.pop_back();
  if (!completed.empty() && completed.back() == ' ') completed.pop_back();
  return {completed, recognised};
}

}  // namespace

void specialSearch(const Grammar& grammar, SectionText& text, const std::string& key,
                   SEARCHTYPE type, std::string& out, const SearchOptions& options) {
  if (type != SEARCH_BODY && type != SEARCH_HEADERS && type != SEARCH_BLOCK) return;
  BlockSearch(grammar, text, key, type, out, options).run();
}

void aclSearch(const Grammar& grammar, SectionText& text, const std::string& key, SEARCHTYPE type,
               std::string& out, const SearchOptions& options) {
  if (type != SEARCH_ACL && type != SEARCH_ACL_HEADERS && type != SEARCH_ACL_BLOCK) return;
  std::string keyA = key;
  std::string keyB;
  ParserToolCase::getBothAclCmdsStr(keyA, keyB);
  ScratchFeed feed(grammar, text, options.feed);
  const std::size_t count = text.lineCount();

  std::vector<uint32_t> lines;
  if (options.feed.reuse) {
    // Only lines that begin with either form can matter.
    lines = text.linesBeginningWith(keyA);
    const std::vector<uint32_t> named = text.linesBeginningWith(keyB);
    lines.insert(lines.end(), named.begin(), named.end());
    std::sort(lines.begin(), lines.end());
  } else {
    for (std::size_t i = 0; i < count; ++i) lines.push_back(static_cast<uint32_t>(i));
  }

  auto appendLine = [&out](const std::string& original) {
    out += original;
    out += '\n';
  };
  std::size_t firstUnread = 0;
  for (uint32_t i : lines) {
    if (i < firstUnread) continue;
    const std::string_view line = text.fedText(SectionText::aclLineId(i));
    if (!keyA.empty() && startsWith(line, keyA)) {
      const FeedOutcome& command = feed.feed(SectionText::aclLineId(i));
      if (command.level == 0 && ParserToolCase::strInCmd(command.original, keyA)) {
        appendLine(command.original);
      }
      continue;
    }
    if (keyB.empty() || !startsWith(line, keyB)) continue;
    const FeedOutcome& header = feed.feed(SectionText::aclLineId(i));
    if (header.level != 0 || !ParserToolCase::strInCmd(header.original, keyB)) continue;
    appendLine(header.original);
    if (type == SEARCH_ACL_HEADERS) continue;
    const int headerLevel = header.level;
    std::size_t next = static_cast<std::size_t>(i) + 1;
    for (; next < count; ++next) {
      const std::string_view entry = text.fedText(SectionText::aclLineId(next));
      if (entry.empty()) continue;
      const FeedOutcome& command = feed.feed(SectionText::aclLineId(next));
      if (command.level == headerLevel) break;
      if (command.level == headerLevel + 1) appendLine(command.original);
    }
    // The line that ended the entries is not examined again.
    firstUnread = next + 1;
  }
}

std::string completeKey(const Grammar& grammar, const std::string& key, bool* recognised) {
  // Callers complete the same few keys again and again.
  constexpr std::size_t kKeptKeys = 4096;
  static uint64_t stamp = 0;  // Grammar::id()
  static std::unordered_map<std::string, std::pair<std::string, bool>> completed;
  if (grammar.id() != stamp || completed.size() >= kKeptKeys) {
    stamp = grammar.id();
    completed.clear();
  }
  auto known = completed.find(key);
  if (known == completed.end()) known = completed.emplace(key, completeOnce(grammar, key)).first;
  if (recognised != nullptr) *recognised = known->second.second;
  return known->second.first;
}

}  // namespace model

std::string VexaParserUtil::completeConfigKey(const std::string& key) {
  return completeConfigKey(*ParserResources::instance().grammar(), key);
}

std::string VexaParserUtil::completeConfigKey(const Grammar& grammar, const std::string& key) {
  return model::completeKey(grammar, key, nullptr);
}

void VexaParserUtil::GetCmdsFromConfig(const std::string& configuration, std::string& out,
                                       const std::string& key, SEARCHTYPE type) {
  GetCmdsFromConfig(*ParserResources::instance().grammar(), configuration, out, key, type);
}

void VexaParserUtil::GetCmdsFromConfig(const Grammar& grammar, const std::string& configuration,
                                       std::string& out, const std::string& key, SEARCHTYPE type) {
  if (key.empty() || type == SEARCH_NONE) return;
  const std::string completed = completeConfigKey(grammar, key);
  if (completed.empty()) return;
  model::SectionText& text = model::sectionTextFor(grammar, configuration);
  if (type == SEARCH_BODY || type == SEARCH_HEADERS || type == SEARCH_BLOCK) {
    model::specialSearch(grammar, text, completed, type, out, {});
  } else {
    model::aclSearch(grammar, text, completed, type, out, {});
  }
}

void VexaParserUtil::GetSpecialCmdsFromConfig(const std::string& configuration,
                                              const std::string& key, std::string& out,
                                              SEARCHTYPE type) {
  const std::shared_ptr<const Grammar> grammar = ParserResources::instance().grammar();
  model::specialSearch(*grammar, model::sectionTextFor(*grammar, configuration), key, type, out,
                       {});
}

void VexaParserUtil::GetAclCmdsFromConfig(const std::string& configuration, const std::string& key,
                                          std::string& out, SEARCHTYPE type) {
  const std::shared_ptr<const Grammar> grammar = ParserResources::instance().grammar();
  model::aclSearch(*grammar, model::sectionTextFor(*grammar, configuration), key, type, out, {});
}

bool VexaParserUtil::isTheSameCmd(const std::string& a, const std::string& b, bool checkNo) {
  return ParserToolCase::isTheSameCmd(a, b, checkNo);
}

}  // namespace vexaparser
