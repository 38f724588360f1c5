// NodeMatcher: how one typed word is matched against the children of a
// syntax-tree node, and how the "?" listing of a node is printed.
//
// The terminal's per-mode parser (CommandMode) walks an input line word by
// word with findChild; the terminal's help and completion (VTY::hook) use the
// same operations without recording anything.  Keys are stored lowered; a
// word that fails as typed is tried again lowered.
//
// A matcher serves one walk of one input line: it reads the grammar's key
// tables, and the option check records the option keys given so far in the
// line in the walk's UsedOptions.  The syntax tree itself is only read.
#ifndef VEXA_PARSER_NODE_MATCHER_H_
#define VEXA_PARSER_NODE_MATCHER_H_

#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "vexa/parser/grammar.h"
#include "vexa/parser/parser_tree_node.h"

namespace vexaparser {

// The option keys given in the line being matched, and the keys they
// exclude, by the node of the option group they were given at.  Lives for
// one walk; empty at its start.
class UsedOptions {
 public:
  bool has(const ParserTreeNode* node, const std::string& key) const;
  void add(const ParserTreeNode* node, const std::string& key);
  // Forgets every key; the storage stays for the next walk.
  void clear() { used_ = 0; }

 private:
  // A line gives few options: a short list of (group node, key) beats maps.
  // Entries [0, used_) are in use; the rest keep their strings' storage.
  std::vector<std::pair<const ParserTreeNode*, std::string>> entries_;
  std::size_t used_ = 0;
};

class NodeMatcher {
 public:
  // The name of the key table of interface types; a node that has it (or one
  // of its keys) as a child accepts interface names such as "fastethernet0/1".
  static constexpr const char* kInterfaceTable = "&interfacefile.cfm";

  // A matcher over grammar's key tables that records options in used; both
  // must outlive it.
  NodeMatcher(const Grammar& grammar, UsedOptions& used) : grammar_(grammar), used_(used) {}

  // The child of node that word selects, or null.  matched receives the text
  // to record for the word: the word itself (or lowered, when only the
  // lowered word matched), the full key for an abbreviation, or, when the
  // abbreviation is ambiguous (null result), the candidates' longest common
  // prefix.  Abbreviations are tried only when allowAbbreviation.  An option
  // child refused by the option check is no match.  Null node: null.
  ParserTreeNode* findChild(const ParserTreeNode* node, const std::string& word,
                            bool allowAbbreviation, std::string& matched);

  // The abbreviation match alone: the one child with a key (or a key of its
  // key table) that word abbreviates, after the option check.  With several
  // candidates: null, and matched is their longest common prefix; with none:
  // null and matched unchanged.
  ParserTreeNode* abbreviationMatch(const ParserTreeNode* node, const std::string& word,
                                    std::string& matched);

  // Option check for child found under node by key: children without the
  // option-group mark pass unchanged.  An option already used in the line
  // (at node or at the child's own group node) or excluded by a "cf" list is
  // refused (null); an accepted one records key (all keys of a complex
  // child) and the child's conflict list as used.
  ParserTreeNode* optionCheck(const ParserTreeNode* node, const std::string& key,
                              ParserTreeNode* child);

  // Whether the key table tableName ("&name") exists and accepts word: as a
  // key, through a "<...>" key (isValidInput) or any key (isNewValidInput).
  bool keyTableAccepts(const std::string& tableName, const std::string& word) const;
  // The same with the table and its typed keys already looked up.
  static bool keyTableAccepts(const Grammar::KeyTable* table,
                              const std::vector<std::string>* typedKeys, const std::string& word);

  // Whether node accepts interface names: a plain or option-group child has
  // the key kInterfaceTable, or a key that this table accepts.
  bool acceptsInterfaceNames(const ParserTreeNode* node) const;

  // Cuts word before the number that ends it: the trailing run of digits,
  // "/", ".", ":" and "-", from its first digit ("Dot11Radio0" is type
  // "Dot11Radio"); false (and both parts empty) unless both are non-empty.
  static bool splitInterfaceName(const std::string& word, std::string& type, std::string& number);

  // The two matches of an interface name at a node: the type part and the
  // node it selected, then the number part and the node it selected below.
  struct InterfaceMatch {
    ParserTreeNode* typeNode = nullptr;
    std::string typeText;  // matched text of the type part
    ParserTreeNode* numberNode = nullptr;
    std::string numberText;  // the number part as typed
  };
  // Splits word and matches both parts (findChild with allowAbbreviation).
  // Returns the number node (null when the split or either match fails); the
  // parts found so far are left in match.
  ParserTreeNode* matchInterfaceName(const ParserTreeNode* node, const std::string& word,
                                     bool allowAbbreviation, InterfaceMatch& match);

  // Writes the "?" listing of node to out: every word that may follow (key
  // tables expanded, complex children's keys included) that prefix
  // abbreviates (all words when prefix is empty), less the options used or
  // excluded in this line.  Each entry is the word ("<cr>" for the end of the
  // command), tabs up to a common column, and the help cut into pieces that
  // fit in 79 characters, each piece on its own line.  Returns whether any
  // word was written.
  bool printHints(const ParserTreeNode* node, std::ostream& out, const std::string& prefix) const;

 private:
  // The outcome of one step of finding a child: a child, nothing, or an
  // option child that the option check refused.
  struct StepResult {
    ParserTreeNode* child = nullptr;
    bool refused = false;
  };
  StepResult checked(const ParserTreeNode* node, const std::string& key, ParserTreeNode* child);
  // Both steps take what the node's lookup holds under the word (null for
  // nothing), found once for the two; the typed step also the lookup.
  StepResult exactLookup(const ParserTreeNode* node, const std::string& word,
                         const NodeLookup::ByWord* entry);
  StepResult typedLookup(const ParserTreeNode* node, const NodeLookup& lookup,
                         const std::string& word, const NodeLookup::ByWord* entry);
  StepResult findChildSteps(const ParserTreeNode* node, const std::string& word,
                            bool allowAbbreviation, std::string& matched);
  bool refusesOption(const ParserTreeNode* node, const std::string& key) const;
  // acceptsInterfaceNames worked out from the node's children.
  bool findsInterfaceNames(const ParserTreeNode* node) const;
  // The node's lookup index, built on first use.
  const NodeLookup& lookupOf(const ParserTreeNode* node) const;
  bool hintSkipped(const ParserTreeNode* node, const std::string& word,
                   const std::string& prefix) const;

  const Grammar& grammar_;
  UsedOptions& used_;
};

}  // namespace vexaparser

#endif  // VEXA_PARSER_NODE_MATCHER_H_
