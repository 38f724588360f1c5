#include "vexa/parser/grammar.h"

#include <atomic>
#include <new>
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

std::size_t Grammar::nodeCount() const {
  std::size_t count = pool_.size();
  for (const NodeBlock& block : blocks_) count += block.size();
  return count;
}

Grammar::NodeBlock::NodeBlock(std::size_t count)
    : nodes_(static_cast<ParserTreeNode*>(
          ::operator new(count * sizeof(ParserTreeNode), std::align_val_t{alignof(ParserTreeNode)}))),
      count_(count) {}

Grammar::NodeBlock::~NodeBlock() {
  if (nodes_ == nullptr) return;
  for (std::size_t i = 0; i < made_; ++i) nodes_[i].~ParserTreeNode();
  ::operator delete(nodes_, std::align_val_t{alignof(ParserTreeNode)});
}

Grammar::NodeBlock::NodeBlock(NodeBlock&& other) noexcept
    : nodes_(other.nodes_), count_(other.count_), made_(other.made_) {
  other.nodes_ = nullptr;
  other.count_ = 0;
  other.made_ = 0;
}

void Grammar::NodeBlock::makeAll() noexcept {
  for (; made_ < count_; ++made_) new (nodes_ + made_) ParserTreeNode(0);
}

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
