#include "vexa/parser/grammar.h"

#include <atomic>
#include <utility>

#include "vexa/parser/parser_tool_case.h"

namespace vexaparser {

namespace {

uint64_t nextGrammarId() {
  static std::atomic<uint64_t> next{1};
  return next++;
}

}  // namespace

Grammar::Grammar(std::string folder) : folder_(std::move(folder)), id_(nextGrammarId()) {}

Grammar::~Grammar() = default;

ParserTreeNode* Grammar::newNode() { return &pool_.emplace_back(); }

const ParserTree* Grammar::modeTree(VTYModeType mode) const {
  auto it = modeTrees_.find(mode);
  return it == modeTrees_.end() ? nullptr : &it->second;
}

bool Grammar::hasAllModes() const {
  return modeTree(VIEW_MODE) != nullptr && modeTree(EXECUTION_MODE) != nullptr &&
         modeTree(CONFIGURATION_MODE) != nullptr;
}

const std::string& Grammar::modePrompt(const ParserTreeNode* node) const {
  static const std::string kNone;
  auto it = modePrompts_.find(node);
  return it == modePrompts_.end() ? kNone : it->second;
}

const Grammar::KeyTable* Grammar::keyTable(const std::string& name) const {
  auto it = keyTables_.find(name);
  return it == keyTables_.end() ? nullptr : &it->second;
}

void Grammar::setModeTree(VTYModeType mode, const ParserTree& tree) { modeTrees_[mode] = tree; }

void Grammar::setModePrompt(const ParserTreeNode* node, const std::string& prompt) {
  modePrompts_[node] = prompt;
}

const std::vector<std::string>* Grammar::typedKeys(const std::string& name) const {
  auto it = typedKeys_.find(name);
  return it == typedKeys_.end() ? nullptr : &it->second;
}

void Grammar::setKeyTable(const std::string& name, KeyTable table) {
  std::vector<std::string>& typed = typedKeys_[name];
  typed.clear();
  for (const auto& [key, help] : table) {
    if (ParserToolCase::acceptsOtherInput(key)) typed.push_back(key);
  }
  keyTables_[name] = std::move(table);
}

}  // namespace vexaparser
