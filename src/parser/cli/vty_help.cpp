// VTY: help ("?") and completion (tab), and the help of every mode level of
// a configuration text.
#include <string>
#include <vector>

#include "parser/cli/replayed_line.h"
#include "vexa/parser/node_matcher.h"
#include "vexa/parser/parser_tool_case.h"
#include "vexa/parser/vty.h"

namespace vexaparser {

namespace {

constexpr char kUnrecognizedMessage[] = "% Unrecognized command";
constexpr char kUnrecognizedMarker[] = "Unrecognized command";

bool isNoWord(const std::string& word) {
  return word.size() == 2 && ParserToolCase::string2Lower(word) == "no";
}

bool isTypeName(const std::string& text) {
  return !text.empty() && ParserToolCase::isPvFormStr(text);
}

// The child of node for a word of the walk: findChild and, failing that,
// the interface-name split.
ParserTreeNode* walkChild(NodeMatcher& matcher, const ParserTreeNode* node, const std::string& word,
                          bool allowAbbreviation) {
  std::string matched;
  ParserTreeNode* child = matcher.findChild(node, word, allowAbbreviation, matched);
  if (child != nullptr || !matcher.acceptsInterfaceNames(node)) return child;
  NodeMatcher::InterfaceMatch split;
  return matcher.matchInterfaceName(node, word, allowAbbreviation, split);
}

}  // namespace

void VTY::hook(const std::string& line) {
  CommandMode* mode = currentCommandMode();
  if (mode == nullptr) {
    output_ << kNotReadyMessage << '\n';
    return;
  }
  // The caller hands over a line ending in the key; anything else is not a
  // help or completion request and writes nothing.
  if (line.empty() || (line.back() != '?' && line.back() != '\t')) return;
  const char key = line.back();
  std::vector<std::string> words;
  ParserToolCase::splitString(line, " ", words);
  const std::string partial = words.back().substr(0, words.back().size() - 1);

  // The options given in the words before the key count for the listing.
  UsedOptions used;
  NodeMatcher matcher(*grammar_, used);
  std::string prefix;
  const ParserTreeNode* node = mode->topNode();
  for (std::size_t i = 0; i + 1 < words.size(); ++i) {
    prefix += words[i];
    prefix += ' ';
    if (isNoWord(words[i])) continue;
    if (node == nullptr) break;
    node = walkChild(matcher, node, words[i], runningCLIMode_);
  }
  if (inBanner_) return;
  if (key == '\t') {
    writeCompletion(matcher, node, prefix, partial);
    return;
  }
  const ParserTreeNode* target = partial.empty() ? node : nullptr;
  if (node != nullptr && !partial.empty()) {
    if (matcher.printHints(node, output_, partial)) return;
    std::string matched;
    if (matcher.findChild(node, partial, true, matched) != nullptr) {
      // A value typed in full (a number, an address) is echoed back.
      output_ << matched << '\n';
      return;
    }
    if (matcher.acceptsInterfaceNames(node)) {
      NodeMatcher::InterfaceMatch split;
      target = matcher.matchInterfaceName(node, partial, true, split);
    }
  }
  if (target == nullptr) {
    output_ << kUnrecognizedMessage << '\n';
  } else {
    matcher.printHints(target, output_, std::string());
  }
}

void VTY::writeCompletion(NodeMatcher& matcher, const ParserTreeNode* node,
                          const std::string& prefix, const std::string& partial) {
  if (node == nullptr || partial.empty()) {
    output_ << prefix << partial;
    return;
  }
  std::string matched;
  if (matcher.findChild(node, partial, true, matched) != nullptr) {
    if (!isTypeName(matched)) output_ << prefix << matched << ' ';
  } else {
    output_ << prefix << matched;
  }
}

void VTY::findMajorCommand(const std::string& text) {
  std::vector<std::string> lines;
  ParserToolCase::splitString(ParserToolCase::string2Lower(text), "\r\n", lines);
  for (const std::string& line : lines) {
    if (replaySkips(line)) break;
    parse(line, true, nullptr);
  }
}

void VTY::getNextCmdWords(const std::string& text, std::vector<ConfigHint>& hints) {
  CommandMode* mode = currentCommandMode();
  if (mode == nullptr) return;
  for (int level = static_cast<int>(mode->majorCommandCount()); level >= 0; --level) {
    hook(text);
    std::string listing = output_.str();
    if (listing.find(kUnrecognizedMarker) == std::string::npos) {
      hints.push_back(ConfigHint{mode->topPrompt(), std::move(listing)});
    }
    output_.clear();
    mode->popLevel();
  }
}

bool VTY::hintCommand(const std::string& text, const std::string& word,
                      std::vector<ConfigHint>& hints) {
  findMajorCommand(text);
  getNextCmdWords(word + "?", hints);
  return true;
}

}  // namespace vexaparser
