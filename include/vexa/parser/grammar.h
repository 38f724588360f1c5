// Grammar: the device language as the parser knows it.
//
// One object holds what the resource files say: the syntax trees of the
// three command modes, the prompt of every mode and sub-mode, the key
// tables, the command order table and the overwrite set.  The loader
// (loadGrammar, grammar_loader.h) builds it; afterwards it is only read:
// terminals (VTY), their modes and the configuration algebra receive it
// explicitly, as const Grammar&.  Several grammars can live side by side.
//
// A grammar owns every syntax-tree node it built; trees share nodes freely,
// and node pointers (in terminals, in CiscoCommandLine node paths) stay
// valid while the grammar lives.  Grammars are shared with std::shared_ptr:
// a terminal keeps its grammar alive.  VexaParserUtil's static entry points
// and ParserResources work on one default grammar (parser_resources.h).
//
// The building members are for the loaders: a grammar is complete once it
// is shared, and nothing changes it while a terminal uses it.
#ifndef VEXA_PARSER_GRAMMAR_H_
#define VEXA_PARSER_GRAMMAR_H_

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "vexa/parser/parser_tree.h"
#include "vexa/parser/parser_tree_node.h"
#include "vexa/parser/vty_mode_type.h"

namespace vexaparser {

class Grammar : public std::enable_shared_from_this<Grammar> {
 public:
  // key -> help text, in key order.
  using KeyTable = std::map<std::string, std::string>;
  // One command of an order file: the nodes its words matched (each with
  // whether the command may end there, its words holding "\n") and its rank.
  struct OrderTemplate {
    std::vector<std::pair<const ParserTreeNode*, bool>> path;
    int32_t orderNo = 0;
  };
  // Order file name without its last extension -> templates in file order.
  using CommandOrderTable = std::map<std::string, std::vector<OrderTemplate>>;
  // The templates of one order file by where a command can meet them: by
  // the node of their first element, and those that fit any command at
  // their first element (an empty path, or one that may end there); both
  // lists hold positions in file order.
  struct OrderIndex {
    std::unordered_map<const ParserTreeNode*, std::vector<uint32_t>> byFirstNode;
    std::vector<uint32_t> fitAtStart;
    // The templates the positions above count in (the order table's entry).
    const std::vector<OrderTemplate>* templates = nullptr;
  };

  // An empty grammar whose files are read below folder (the resource
  // folder, ending in a separator).
  explicit Grammar(std::string folder);
  Grammar(const Grammar&) = delete;
  Grammar& operator=(const Grammar&) = delete;
  ~Grammar();

  // ---- reading ----

  // The resource folder the grammar's files were read from.
  const std::string& folder() const { return folder_; }
  // The tree of mode, or null when it was not loaded.
  const ParserTree* modeTree(VTYModeType mode) const;
  // Whether all three mode trees are loaded: a terminal needs them.
  bool hasAllModes() const;
  // The prompt of a root or sub-mode node; empty when it has none.
  const std::string& modePrompt(const ParserTreeNode* node) const;
  // The key table of that name ("&interfacefile.cfm"), or null.
  const KeyTable* keyTable(const std::string& name) const;
  const std::map<std::string, KeyTable>& keyTables() const { return keyTables_; }
  // The keys of that table that may accept a word other than themselves
  // (ParserToolCase::acceptsOtherInput), in key order; null when there is no
  // such table.  Every other key accepts only itself.
  const std::vector<std::string>* typedKeys(const std::string& name) const;
  const CommandOrderTable& commandOrder() const { return commandOrder_; }
  // The index of the templates of commandOrder() under name; null when the
  // table has no such entry.
  const OrderIndex* commandOrderIndex(const std::string& name) const;
  // The entry that orders the commands of a mode: the one of the mode
  // node's file, kDefaultOrderEntry for a node without one.
  static constexpr char kDefaultOrderEntry[] = "configuration_mod.cfm";
  const OrderIndex* commandOrderIndexOf(const ParserTreeNode* mode) const;
  // Keys (ParserToolCase::getKeyStr) of the overwrite commands.
  const std::set<std::string>& overwriteKeys() const { return overwriteKeys_; }
  // Number of nodes the grammar owns.
  std::size_t nodeCount() const;
  // A number no other grammar of the process has had: lets a cache tell
  // grammars apart even where one is freed and another takes its address.
  uint64_t id() const { return id_; }

  // ---- building (loaders only) ----

  // A fresh node owned by the grammar.
  ParserTreeNode* newNode();
  // Room for a number of nodes in one allocation, made in place one after
  // the other by whoever fills them (the image reader makes and fills two
  // blocks on two threads).  A node's address is known before it is made.
  // Destroys the nodes it made; the grammar owns it once adopted.
  class NodeBlock {
   public:
    explicit NodeBlock(std::size_t count);
    ~NodeBlock();
    NodeBlock(NodeBlock&& other) noexcept;
    NodeBlock& operator=(NodeBlock&&) = delete;
    NodeBlock(const NodeBlock&) = delete;
    NodeBlock& operator=(const NodeBlock&) = delete;
    std::size_t size() const { return count_; }
    ParserTreeNode* at(std::size_t i) const { return nodes_ + i; }
    // Makes every node not made yet; their counters are set by the filler.
    void makeAll() noexcept;

   private:
    ParserTreeNode* nodes_;
    std::size_t count_;
    std::size_t made_ = 0;
  };
  void adoptNodes(NodeBlock block) { blocks_.push_back(std::move(block)); }
  // Keeps the memory an image was read from while the grammar lives.
  void keepImage(std::shared_ptr<const void> image) { image_ = std::move(image); }
  void setModeTree(VTYModeType mode, const ParserTree& tree);
  // Drops the mode trees (their nodes stay).
  void clearModeTrees() { modeTrees_.clear(); }
  void setModePrompt(const ParserTreeNode* node, const std::string& prompt);
  // Adds or replaces a key table.
  void setKeyTable(const std::string& name, KeyTable table);
  // Mode files shared by "&file" tokens: file name -> root, each loaded once
  // per grammar.
  std::map<std::string, ParserTreeNode*>& sharedModeFiles() { return sharedModeFiles_; }
  void setCommandOrder(CommandOrderTable table);
  void setOverwriteKeys(std::set<std::string> keys) { overwriteKeys_ = std::move(keys); }

 private:
  // Writes and reads grammar images (src/parser/resources/grammar_image.h).
  friend class GrammarImageCodec;

  std::string folder_;
  uint64_t id_;
  // A deque never moves its elements, so node pointers stay valid.
  std::deque<ParserTreeNode> pool_;
  // The image the nodes of blocks_ were read from (their help texts).
  std::shared_ptr<const void> image_;
  // Nodes made a block at a time, after those of pool_.
  std::vector<NodeBlock> blocks_;
  std::map<VTYModeType, ParserTree> modeTrees_;
  // Looked up for every line a terminal reads: hashed.
  std::unordered_map<const ParserTreeNode*, std::string> modePrompts_;
  std::map<std::string, KeyTable> keyTables_;
  // Each key table by name with its typed keys, looked up for the words of
  // every line: hashed (keyTables_ keeps its order for the listings).
  struct KeyTableEntry {
    const KeyTable* table = nullptr;
    std::vector<std::string> typed;
  };
  std::unordered_map<std::string, KeyTableEntry> keyTableIndex_;
  std::map<std::string, ParserTreeNode*> sharedModeFiles_;
  CommandOrderTable commandOrder_;
  std::unordered_map<std::string, OrderIndex> commandOrderIndex_;
  std::set<std::string> overwriteKeys_;
};

}  // namespace vexaparser

#endif  // VEXA_PARSER_GRAMMAR_H_
