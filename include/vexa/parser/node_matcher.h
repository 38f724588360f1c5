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

#include <cstddef>
#include <cstdint>
#include <deque>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
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
  bool has(const ParserTreeNode* node, std::string_view key) const;
  // Records key, copied.
  void add(const ParserTreeNode* node, const std::string& key);
  // Records a key of the grammar (a node's key set or conflict list), which
  // outlives the walk: kept as it stands, without a copy.
  void addKept(const ParserTreeNode* node, const std::string& key);
  // Forgets every key; the storage stays for the next walk.
  void clear() {
    used_ = 0;
    copied_ = 0;
  }

 private:
  // A line gives few options: a short list of (group node, key) beats maps.
  // Entries [0, used_) are in use.
  std::vector<std::pair<const ParserTreeNode*, std::string_view>> entries_;
  std::size_t used_ = 0;
  // The copied keys the entries view, [0, copied_) in use; a deque keeps
  // them in place as it grows, and each keeps its storage for the next walk.
  std::deque<std::string> copies_;
  std::size_t copied_ = 0;
};

// What findChild answered for a word at a node, where the answer did not
// read the options used in the line: such an answer depends on nothing but
// the node, the word and whether abbreviations count, so a word met again at
// the same node (most of a configuration's keywords and many of its values)
// needs no second lookup.
// A fixed table of one answer per slot, made on first use; a new answer
// replaces whatever held its slot.  Only exact answers are kept: a child
// recorded under the word as typed, or no child at all.  Lives as long as
// the terminal mode that reads with it; one thread at a time.
class MatchMemo {
 public:
  // Longer words are not kept (a word up to this length is held in the
  // string object itself).
  static constexpr std::size_t kLongest = 14;
  // Whether an answer for word at node is kept; child receives it.
  bool find(const ParserTreeNode* node, bool abbreviation, const std::string& word,
            ParserTreeNode*& child) const;
  void remember(const ParserTreeNode* node, bool abbreviation, const std::string& word,
                ParserTreeNode* child);

 private:
  // The word's bytes in two words of eight, the rest zero, then the
  // abbreviation flag and the length in the last two bytes: a key compared
  // in two steps.
  struct Key {
    uint64_t low = 0;
    uint64_t high = 0;
    bool operator==(const Key& other) const { return low == other.low && high == other.high; }
  };
  struct Slot {
    const ParserTreeNode* node = nullptr;
    ParserTreeNode* child = nullptr;
    Key key;
  };
  static constexpr std::size_t kSlots = 4096;
  static Key keyOf(bool abbreviation, const std::string& word);
  static std::size_t slotOf(const ParserTreeNode* node, const Key& key);
  std::vector<Slot> slots_;
};

class NodeMatcher {
 public:
  // The name of the key table of interface types; a node that has it (or one
  // of its keys) as a child accepts interface names such as "fastethernet0/1".
  static constexpr const char* kInterfaceTable = "&interfacefile.cfm";

  // A matcher over grammar's key tables that records options in used; both
  // must outlive it.
  // With a memo, findChild answers from it where it can and keeps what it
  // finds there.
  NodeMatcher(const Grammar& grammar, UsedOptions& used, MatchMemo* memo = nullptr)
      : grammar_(grammar), used_(used), memo_(memo) {}

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

  ParserTreeNode* findChildUncached(const ParserTreeNode* node, const std::string& word,
                                    bool allowAbbreviation, std::string& matched);

  const Grammar& grammar_;
  UsedOptions& used_;
  MatchMemo* memo_;
  // Set whenever the options used in the line are read.
  mutable bool optionsRead_ = false;
};

}  // namespace vexaparser

#endif  // VEXA_PARSER_NODE_MATCHER_H_
