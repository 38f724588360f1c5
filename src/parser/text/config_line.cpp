#include "vexa/parser/config_line.h"

#include <cctype>

namespace vexaparser {

namespace {

// Whether word, lowered, is lowerWord.
bool isWord(std::string_view word, std::string_view lowerWord) {
  if (word.size() != lowerWord.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(word[i])) != lowerWord[i]) return false;
  }
  return true;
}

}  // namespace

ConfigLineKind configLineKind(std::string_view line) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const std::size_t start = line.find_first_not_of(kBlanks);
  if (start == std::string_view::npos) return ConfigLineKind::kBlank;
  if (line[start] == '!') return ConfigLineKind::kComment;
  std::size_t stop = line.find_first_of(kBlanks, start);
  if (stop == std::string_view::npos) stop = line.size();
  const std::string_view word = line.substr(start, stop - start);
  if (isWord(word, "end")) return ConfigLineKind::kEnd;
  if (isWord(word, "version")) return ConfigLineKind::kVersion;
  return ConfigLineKind::kCommand;
}

}  // namespace vexaparser
