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
  auto it = keyTableIndex_.find(name);
  return it == keyTableIndex_.end() ? nullptr : it->second.table;
}

const Grammar::OrderIndex* Grammar::commandOrderIndexOf(const ParserTreeNode* mode) const {
  static const std::string kDefault = kDefaultOrderEntry;
  return commandOrderIndex(mode->modeFileName.empty() ? kDefault : mode->modeFileName);
}

const Grammar::OrderIndex* Grammar::commandOrderIndex(const std::string& name) const {
  auto it = commandOrderIndex_.find(name);
  return it == commandOrderIndex_.end() ? nullptr : &it->second;
}

void Grammar::setCommandOrder(CommandOrderTable table) {
  commandOrder_ = std::move(table);
  commandOrderIndex_.clear();
  for (const auto& [name, templates] : commandOrder_) {
    OrderIndex& index = commandOrderIndex_[name];
    index.templates = &templates;
    for (std::size_t k = 0; k < templates.size(); ++k) {
      const auto& path = templates[k].path;
      const auto at = static_cast<uint32_t>(k);
      if (path.empty() || path.front().second) index.fitAtStart.push_back(at);
      if (!path.empty()) index.byFirstNode[path.front().first].push_back(at);
    }
  }
}

void Grammar::setModeTree(VTYModeType mode, const ParserTree& tree) { modeTrees_[mode] = tree; }

void Grammar::setModePrompt(const ParserTreeNode* node, const std::string& prompt) {
  modePrompts_[node] = prompt;
}

const std::vector<std::string>* Grammar::typedKeys(const std::string& name) const {
  auto it = keyTableIndex_.find(name);
  return it == keyTableIndex_.end() ? nullptr : &it->second.typed;
}

void Grammar::setKeyTable(const std::string& name, KeyTable table) {
  KeyTableEntry& entry = keyTableIndex_[name];
  std::vector<std::string>& typed = entry.typed;
  typed.clear();
  for (const auto& [key, help] : table) {
    if (ParserToolCase::acceptsOtherInput(key)) typed.push_back(key);
  }
  KeyTable& stored = keyTables_[name];
  stored = std::move(table);
  entry.table = &stored;
}

}  // namespace vexaparser
