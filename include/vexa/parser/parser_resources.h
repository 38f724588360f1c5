// ParserResources: the default grammar of the process.
//
// VexaParserUtil's documented static entry points, the terminals made with
// VTY's constructors without a grammar, and VexaParserGetConfig work on one
// default Grammar (grammar.h): VexaParserUtil::createParserResource loads
// it, destroyParserResource drops it, and a program that loads its grammar
// itself (loadGrammar) can install it.  Everything else receives a grammar
// explicitly.  This class holds that default and reads it.
//
// A grammar that stops being the default is kept until process end, so that
// node pointers handed out while it was the default (in CiscoCommandLine
// node paths) stay valid.  Changed only on one thread while no terminal
// parses, like the grammar itself.
#ifndef VEXA_PARSER_PARSER_RESOURCES_H_
#define VEXA_PARSER_PARSER_RESOURCES_H_

#include <cstddef>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "vexa/parser/grammar.h"
#include "vexa/parser/parser_tree.h"
#include "vexa/parser/parser_tree_node.h"
#include "vexa/parser/vty_mode_type.h"

namespace vexaparser {

class ParserResources {
 public:
  using KeyTable = Grammar::KeyTable;

  static ParserResources& instance();

  ParserResources(const ParserResources&) = delete;
  ParserResources& operator=(const ParserResources&) = delete;

  // The default grammar; an empty one (no mode trees) until it is loaded.
  std::shared_ptr<const Grammar> grammar() const { return current_; }
  // Makes grammar (not null) the default.
  void install(std::shared_ptr<Grammar> grammar);
  // What the last VexaParserUtil::createNewParserResource could not read
  // (GrammarLoad::error); empty when it loaded everything.
  const std::string& loadError() const { return loadError_; }

  // ---- the default grammar's tables ----

  // Number of nodes the default grammar owns.
  std::size_t nodeCount() const { return current_->nodeCount(); }
  // The tree of mode, or null when it is not loaded.
  const ParserTree* modeTree(VTYModeType mode) const { return current_->modeTree(mode); }
  // The prompt of node; empty when it has none.
  std::string modePrompt(const ParserTreeNode* node) const { return current_->modePrompt(node); }
  // The table of that name ("&interfacefile.cfm"), or null.
  const KeyTable* keyTable(const std::string& name) const { return current_->keyTable(name); }
  const Grammar::CommandOrderTable& cmdOrderTable() const { return current_->commandOrder(); }
  const std::set<std::string>& overwriteSet() const { return current_->overwriteKeys(); }

 private:
  friend class VexaParserUtil;

  ParserResources();
  ~ParserResources();

  std::shared_ptr<Grammar> current_;
  std::vector<std::shared_ptr<const Grammar>> retired_;
  std::string loadError_;
};

}  // namespace vexaparser

#endif  // VEXA_PARSER_PARSER_RESOURCES_H_
