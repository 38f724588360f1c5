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

bool isLineBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

ConfigLineKind configLineKind(std::string_view line) {
  // Read a character at a time: every line of a text comes through here.
  std::size_t start = 0;
  while (start < line.size() && isLineBlank(line[start])) ++start;
  if (start == line.size()) return ConfigLineKind::kBlank;
  if (line[start] == '!') return ConfigLineKind::kComment;
  std::size_t stop = start;
  while (stop < line.size() && !isLineBlank(line[stop])) ++stop;
  const std::string_view word = line.substr(start, stop - start);
  if (isWord(word, "end")) return ConfigLineKind::kEnd;
  if (isWord(word, "version")) return ConfigLineKind::kVersion;
  return ConfigLineKind::kCommand;
}

bool mayNameBannerDelimiter(std::string_view line) {
  std::size_t start = 0;
  while (start < line.size() && (line[start] == ' ' || line[start] == '\t')) ++start;
  return isWord(line.substr(start, 4), "bann");
}

}  // namespace vexaparser
