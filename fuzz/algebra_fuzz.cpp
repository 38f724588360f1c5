// libFuzzer target: the configuration algebra on any text.  The input is a
// configuration and, after a NUL byte, a second one.  normalize must keep
// every configuration line of its input (compared lowered and without
// blanks, as the device-form corpus test does); merge and both fallbacks
// run on the pair.

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "vexa/parser/vexa_parser_util.h"

namespace {

using vexaparser::VexaParserUtil;

std::string firstWordLowered(const std::string& line) {
  const std::size_t start = line.find_first_not_of(" \t");
  if (start == std::string::npos) return std::string();
  std::string word = line.substr(start, line.find_first_of(" \t", start) - start);
  for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return word;
}

// The configuration lines of text, lowered and without blanks, counted.
std::map<std::string, int> configurationLines(const std::string& text) {
  std::map<std::string, int> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t stop = text.find_first_of("\r\n", start);
    if (stop == std::string::npos) stop = text.size();
    const std::string line = text.substr(start, stop - start);
    start = stop + 1;
    const std::string first = firstWordLowered(line);
    if (first.empty() || first.front() == '!' || first == "end" || first == "version") continue;
    std::string key;
    for (char c : line) {
      if (c != ' ' && c != '\t') key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    ++lines[key];
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vexafuzz::loadDeviceGrammarOnce();
  const std::vector<std::string> parts = vexafuzz::partsOf(vexafuzz::textOf(data, size), '\0', 2);
  const std::string& first = parts[0];
  const std::string& second = parts[1];
  if (configurationLines(VexaParserUtil::normalizeConfigCmds(first)) != configurationLines(first)) {
    std::abort();
  }
  const std::string merged = VexaParserUtil::mergeConfigCmds(second, first);
  VexaParserUtil::fallbackConfigCmds(merged, first, 1);
  VexaParserUtil::fallbackConfigCmds(second, first, 0);
  return 0;
}
