#include "parser/model/section_text.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "vexa/parser/parser_tool_case.h"

namespace vexaparser::model {

namespace {

constexpr std::string_view kMoreMarker = "--More--";
constexpr std::string_view kBannerWord = "banner";
// Texts kept by sectionTextFor; a caller usually works on one or two.
constexpr std::size_t kKeptTexts = 4;

bool isBlankChar(char c) { return c == ' ' || c == '\t'; }

char lowerChar(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

std::string lowerText(std::string_view text) {
  std::string lowered(text);
  for (char& c : lowered) c = lowerChar(c);
  return lowered;
}

// Texts that differ mostly differ near one end (a line added or changed at
// the end), so the ends are compared before the whole.
bool sameText(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  const std::size_t end = std::min<std::size_t>(a.size(), 4096);
  return std::memcmp(a.data() + a.size() - end, b.data() + b.size() - end, end) == 0 &&
         std::memcmp(a.data(), b.data(), a.size()) == 0;
}

struct KeptText {
  uint64_t grammar = 0;  // Grammar::id()
  std::unique_ptr<SectionText> text;
};

}  // namespace

std::size_t ParseMemo::StateHash::operator()(const std::vector<uint32_t>& state) const {
  std::size_t hash = state.size();
  for (uint32_t id : state) hash = hash * 1000003u ^ id;
  return hash;
}

uint32_t ParseMemo::intern(const std::vector<uint32_t>& state) {
  auto known = stateIds.find(state);
  if (known != stateIds.end()) return known->second;
  const auto id = static_cast<uint32_t>(states.size());
  states.push_back(state);
  stateIds.emplace(state, id);
  return id;
}

std::string_view cutTrailingBlanks(std::string_view line) {
  // ParserToolCase::string2CutSpace: without the trailing blanks or without
  // the trailing carriage returns, whichever leaves less.
  const std::size_t lastNonBlank = line.find_last_not_of(' ');
  const std::size_t lastNonReturn = line.find_last_not_of('\r');
  if (lastNonBlank == std::string_view::npos || lastNonReturn == std::string_view::npos) {
    return std::string_view();
  }
  return line.substr(0, std::min(lastNonBlank, lastNonReturn) + 1);
}

bool beginsWithWord(std::string_view text, std::string_view word) {
  if (word.empty() || text.size() < word.size() || text.compare(0, word.size(), word) != 0) {
    return false;
  }
  return text.size() == word.size() || isBlankChar(text[word.size()]);
}

std::string_view withoutLeadingBlanks(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && isBlankChar(text[start])) ++start;
  return text.substr(start);
}

bool BannerScan::consume(std::string_view lowered, std::string_view trimmed) {
  if (open_) {
    if (!lowered.empty() && lowered.front() == delimiter_) open_ = false;
    return true;
  }
  if (!beginsWithWord(trimmed, kBannerWord)) return false;
  // The third word's first character is the delimiter.  A banner whose
  // delimiter comes back later on the same line is complete on it; a banner
  // line without a third word has no text after it.
  std::size_t at = 0;
  for (int word = 0; word < 3; ++word) {
    while (at < trimmed.size() && isBlankChar(trimmed[at])) ++at;
    if (at >= trimmed.size()) return true;
    if (word < 2) {
      while (at < trimmed.size() && !isBlankChar(trimmed[at])) ++at;
    }
  }
  delimiter_ = trimmed[at];
  open_ = trimmed.find(delimiter_, at + 1) == std::string_view::npos;
  return true;
}

SectionText::SectionText(std::string configuration) : text_(std::move(configuration)) {
  std::size_t start = 0;
  while (start < text_.size()) {
    std::size_t end = text_.find('\n', start);
    if (end == std::string::npos) end = text_.size();
    Line line;
    line.start = start;
    line.length = end - start;
    if (line.length > 0 && text_[end - 1] == '\r') --line.length;
    lines_.push_back(line);
    start = end + 1;
  }

  BannerScan banner;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    Line& line = lines_[i];
    const std::string_view asRead = read(i);
    if (asRead.find(kMoreMarker) != std::string_view::npos) {
      std::string cleanedLine(asRead);
      ParserToolCase::removeMore(cleanedLine);
      line.cleanedIndex = static_cast<int32_t>(cleaned_.size());
      cleaned_.push_back(std::move(cleanedLine));
    }
    const std::string_view lineText = cleaned(i);
    line.blank = lineText.find_first_not_of(" \t\r") == std::string_view::npos;
    line.bannerOpenBefore = banner.open();
    if (line.blank) continue;

    const std::string_view trimmed = withoutLeadingBlanks(lineText);
    std::size_t wordEnd = 0;
    while (wordEnd < trimmed.size() && !isBlankChar(trimmed[wordEnd])) ++wordEnd;
    std::string firstWord = lowerText(trimmed.substr(0, wordEnd));
    // Only a banner line or banner text needs the lowered line.
    if (banner.open() || firstWord == kBannerWord) {
      const std::string loweredLine = lowerText(lineText);
      line.bannerSkipped = banner.consume(loweredLine, withoutLeadingBlanks(loweredLine));
    }
    if (!line.bannerSkipped) byFirstWord_[std::move(firstWord)].push_back(static_cast<uint32_t>(i));

    std::size_t tokenEnd = 0;
    while (tokenEnd < asRead.size() && !isBlankChar(asRead[tokenEnd])) ++tokenEnd;
    if (tokenEnd > 0) {
      byFirstToken_[std::string(asRead.substr(0, tokenEnd))].push_back(static_cast<uint32_t>(i));
    }
  }
}

std::string_view SectionText::read(std::size_t i) const {
  return std::string_view(text_).substr(lines_[i].start, lines_[i].length);
}

std::string_view SectionText::cleaned(std::size_t i) const {
  const int32_t index = lines_[i].cleanedIndex;
  return index < 0 ? read(i) : std::string_view(cleaned_[static_cast<std::size_t>(index)]);
}

std::string SectionText::lowered(std::size_t i) const { return lowerText(cleaned(i)); }

std::string_view SectionText::fedText(uint32_t id) const {
  const std::size_t line = id / 2;
  return id % 2 == 0 ? cleaned(line) : cutTrailingBlanks(read(line));
}

std::size_t SectionText::lineEnd(std::size_t i) const {
  return i + 1 < lines_.size() ? lines_[i + 1].start : text_.size();
}

const std::vector<uint32_t>& SectionText::candidates(const std::string& word) {
  auto known = candidates_.find(word);
  if (known != candidates_.end()) return known->second;
  std::vector<uint32_t>& found = candidates_[word];
  auto lines = byFirstWord_.find(word);
  if (lines != byFirstWord_.end()) found = lines->second;
  return found;
}

std::vector<uint32_t> SectionText::linesBeginningWith(const std::string& prefix) const {
  std::vector<uint32_t> found;
  if (prefix.empty()) return found;
  const std::size_t blank = prefix.find_first_of(" \t");
  if (blank != std::string::npos) {
    // The line's first token is the prefix's first token exactly.
    auto lines = byFirstToken_.find(std::string_view(prefix).substr(0, blank));
    if (lines == byFirstToken_.end()) return found;
    for (uint32_t i : lines->second) {
      if (read(i).substr(0, prefix.size()) == prefix) found.push_back(i);
    }
    return found;
  }
  for (auto it = byFirstToken_.lower_bound(prefix);
       it != byFirstToken_.end() && it->first.compare(0, prefix.size(), prefix) == 0; ++it) {
    found.insert(found.end(), it->second.begin(), it->second.end());
  }
  std::sort(found.begin(), found.end());
  return found;
}

SectionText& sectionTextFor(const Grammar& grammar, const std::string& text) {
  static std::vector<KeptText> kept;
  const uint64_t stamp = grammar.id();
  for (std::size_t i = 0; i < kept.size(); ++i) {
    if (kept[i].grammar == stamp && sameText(kept[i].text->text(), text)) {
      std::rotate(kept.begin(), kept.begin() + static_cast<std::ptrdiff_t>(i),
                  kept.begin() + static_cast<std::ptrdiff_t>(i) + 1);
      return *kept.front().text;
    }
  }
  if (kept.size() == kKeptTexts) kept.pop_back();
  kept.insert(kept.begin(), KeptText{stamp, std::make_unique<SectionText>(text)});
  return *kept.front().text;
}

}  // namespace vexaparser::model
