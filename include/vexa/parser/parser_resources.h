// ParserResources: every process-wide table of the parser in one object.
//
// Holds the node pool, the mode trees of the three command modes, the prompt
// of every mode node, the key tables, the shared mode files and the command
// order table; the overwrite set is reached through it as well.  The loaders
// (VexaParserUtil::createNewParserResource, ParserTree) fill it; the terminal,
// the matcher and the configuration model read it.
//
// Built and destroyed on one thread while no terminal exists, read-only
// afterwards (except the nodes' used options).  There is exactly one
// instance, reached with instance(); it lives until process end, when the
// node pool is released with it.
#ifndef VEXA_PARSER_PARSER_RESOURCES_H_
#define VEXA_PARSER_PARSER_RESOURCES_H_

#include <cstddef>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "vexa/parser/parser_tree.h"
#include "vexa/parser/parser_tree_node.h"
#include "vexa/parser/vty_mode_type.h"

namespace vexaparser {

class CiscoCommandLine;

class ParserResources {
 public:
  // key -> help text, in key order.
  using KeyTable = std::map<std::string, std::string>;
  // Command order templates are CiscoCommandLine objects owned by the table.
  using CommandDeleter = void (*)(CiscoCommandLine*);

  static ParserResources& instance();

  ParserResources(const ParserResources&) = delete;
  ParserResources& operator=(const ParserResources&) = delete;

  // ---- node pool ----

  // A fresh node owned by the pool; valid until process end.
  ParserTreeNode* newNode();
  // Number of nodes ever built.
  std::size_t nodeCount() const { return pool_.size(); }

  // ---- mode trees: VTYModeType -> owned ParserTree ----

  std::map<VTYModeType, std::unique_ptr<ParserTree>>& modeTrees() { return modeTrees_; }
  // The tree of mode, or null when it is not loaded.
  const ParserTree* modeTree(VTYModeType mode) const;

  // ---- mode prompts: root or sub-mode node -> prompt ----

  std::map<const ParserTreeNode*, std::string>& modePrompts() { return modePrompts_; }
  // The prompt of node; empty when it has none.
  std::string modePrompt(const ParserTreeNode* node) const;

  // ---- key tables: "&" + key file name -> table ----

  std::map<std::string, KeyTable>& keyTables() { return keyTables_; }
  // The table of that name ("&interfacefile.cfm"), or null.
  const KeyTable* keyTable(const std::string& name) const;

  // ---- shared mode files: file name -> root (no mode mark) ----

  std::map<std::string, ParserTreeNode*>& sharedModeFiles() { return sharedModeFiles_; }

  // ---- command order table: order file name without its last extension ->
  // template commands, in file order ----

  std::map<std::string, std::vector<CiscoCommandLine*>>& cmdOrderTable() { return cmdOrderTable_; }
  // The code that builds the templates registers how to destroy one (the
  // class is incomplete here, so this file cannot delete it).
  void setCommandDeleter(CommandDeleter deleter) { commandDeleter_ = deleter; }
  // Destroys every template through the registered deleter and empties the
  // table.
  void releaseCmdOrderTemplates();

  // ---- overwrite set (overwriteCommandKeys()) ----

  std::set<std::string>& overwriteSet();

  // Empties every table (mode trees, prompts, key tables, shared mode files,
  // command order table, overwrite set).  Nodes stay in the pool.  For hosts
  // and tests that switch to another resource folder: shared mode files are
  // otherwise loaded once per process.
  void clearAll();
  // clearAll(), then frees every node of the pool at once.  Every node
  // pointer held anywhere (trees, terminals, commands) becomes invalid: only
  // for tests and benchmarks that load everything afresh.
  void releaseEverything();

 private:
  ParserResources() = default;
  ~ParserResources();

  // A deque never moves its elements, so node pointers stay valid.
  std::deque<ParserTreeNode> pool_;
  std::map<VTYModeType, std::unique_ptr<ParserTree>> modeTrees_;
  std::map<const ParserTreeNode*, std::string> modePrompts_;
  std::map<std::string, KeyTable> keyTables_;
  std::map<std::string, ParserTreeNode*> sharedModeFiles_;
  std::map<std::string, std::vector<CiscoCommandLine*>> cmdOrderTable_;
  CommandDeleter commandDeleter_ = nullptr;
};

}  // namespace vexaparser

#endif  // VEXA_PARSER_PARSER_RESOURCES_H_
