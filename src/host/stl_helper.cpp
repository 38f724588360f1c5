#include "vexa/host/stl_helper.h"

#include <cstddef>

namespace vexahost {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::size_t skipBlanks(const std::string& text, std::size_t pos) {
  while (pos < text.size() && isBlank(text[pos])) ++pos;
  return pos;
}

}  // namespace

std::string StlHelper::GetFirstWord(std::string& text) {
  const std::size_t begin = skipBlanks(text, 0);
  std::size_t end = begin;
  while (end < text.size() && !isBlank(text[end])) ++end;
  std::string word = text.substr(begin, end - begin);
  text.erase(0, skipBlanks(text, end));
  return word;
}

void StlHelper::replaceString(std::string& text, const std::string& from, const std::string& to) {
  if (from.empty()) return;
  std::string result;
  std::size_t pos = 0;
  for (std::size_t hit = text.find(from); hit != std::string::npos; hit = text.find(from, pos)) {
    result.append(text, pos, hit - pos);
    result += to;
    pos = hit + from.size();
  }
  if (pos == 0) return;
  result.append(text, pos, std::string::npos);
  text.swap(result);
}

}  // namespace vexahost
