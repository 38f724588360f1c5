// VTY: help ("?") and completion (tab), and the help of every mode level of
// a configuration text.
#include <string>
#include <vector>

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

// findChild; an option child found is remembered in mode for the clean-up
// of the used options its check recorded.
ParserTreeNode* findChild(CommandMode& mode, ParserTreeNode* node, const std::string& word,
                          bool allowAbbreviation, std::string& matched) {
  ParserTreeNode* child = NodeMatcher::findChild(node, word, allowAbbreviation, matched);
  if (child != nullptr && child->optionMember) mode.rememberOption(node, child);
  return child;
}

// The interface-name split of word at node, remembering option children.
ParserTreeNode* interfaceChild(CommandMode& mode, ParserTreeNode* node, const std::string& word,
                               bool allowAbbreviation) {
  NodeMatcher::InterfaceMatch split;
  ParserTreeNode* child = NodeMatcher::matchInterfaceName(node, word, allowAbbreviation, split);
  if (split.typeNode != nullptr && split.typeNode->optionMember) {
    mode.rememberOption(node, split.typeNode);
  }
  if (child != nullptr && child->optionMember) mode.rememberOption(split.typeNode, child);
  return child;
}

// The child of node for a word of the walk: findChild and, failing that,
// the interface-name split.
ParserTreeNode* walkChild(CommandMode& mode, ParserTreeNode* node, const std::string& word,
                          bool allowAbbreviation) {
  std::string matched;
  ParserTreeNode* child = findChild(mode, node, word, allowAbbreviation, matched);
  if (child != nullptr || !NodeMatcher::acceptsInterfaceNames(node)) return child;
  return interfaceChild(mode, node, word, allowAbbreviation);
}

std::string withoutLeadingBlanks(const std::string& line) {
  const std::size_t start = line.find_first_not_of(" \t");
  return start == std::string::npos ? std::string() : line.substr(start);
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

  std::string prefix;
  ParserTreeNode* node = mode->topNode();
  for (std::size_t i = 0; i + 1 < words.size(); ++i) {
    prefix += words[i];
    prefix += ' ';
    if (isNoWord(words[i])) continue;
    if (node == nullptr) break;
    node = walkChild(*mode, node, words[i], runningCLIMode_);
  }

  if (!inBanner_) {
    if (key == '?') {
      ParserTreeNode* target = partial.empty() ? node : nullptr;
      bool done = false;
      if (node != nullptr && !partial.empty()) {
        done = NodeMatcher::printHints(node, output_, partial);
        std::string matched;
        if (!done && findChild(*mode, node, partial, true, matched) != nullptr) {
          // A value typed in full (a number, an address) is echoed back.
          output_ << matched << '\n';
          done = true;
        }
        if (!done && NodeMatcher::acceptsInterfaceNames(node)) {
          target = interfaceChild(*mode, node, partial, true);
        }
      }
      if (!done && target == nullptr) output_ << kUnrecognizedMessage << '\n';
      if (!done && target != nullptr) NodeMatcher::printHints(target, output_, std::string());
    } else if (node != nullptr && !partial.empty()) {
      std::string matched;
      if (findChild(*mode, node, partial, true, matched) != nullptr) {
        if (!isTypeName(matched)) output_ << prefix << matched << ' ';
      } else {
        output_ << prefix << matched;
      }
    } else {
      output_ << prefix << partial;
    }
  }
  mode->clearUsedOptions();
}

void VTY::findMajorCommand(const std::string& text) {
  std::vector<std::string> lines;
  ParserToolCase::splitString(ParserToolCase::string2Lower(text), "\r\n", lines);
  for (const std::string& line : lines) {
    const std::string rest = withoutLeadingBlanks(line);
    if (rest.empty() || (rest.size() >= 3 && rest.compare(0, 3, "end") == 0)) break;
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
