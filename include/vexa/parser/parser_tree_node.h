// ParserTreeNode: one node of a command syntax tree.
//
// The mode-file loader (ParserTree, VexaParserUtil) builds the nodes, the
// matcher of the terminal walks them word by word, and the configuration
// model reads their letters to decide how a command combines with others.
//
// Every node belongs to the Grammar that built it (Grammar::newNode): never
// freed one by one, released with the grammar.  Trees therefore share nodes
// freely (a sub-mode file's nodes hang below several parents, loops point
// back up), and all the pointers below are non-owning.
//
// Fields are plain and public, in the order the system documents them; after
// loading nothing changes them.  The options already given in the line being
// matched are kept by the walk (UsedOptions, node_matcher.h), not here.
#ifndef VEXA_PARSER_PARSER_TREE_NODE_H_
#define VEXA_PARSER_PARSER_TREE_NODE_H_

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vexaparser {

// Letter codes of the mode files ("k/o/ob" in the third field of a line) and
// their bits in ParserTreeNode::letters.  Bit 0x100 has no code.
inline constexpr uint32_t kLetterK = 0x1;        // "k": key position of the command
inline constexpr uint32_t kLetterO = 0x2;        // "o": overwrite command
inline constexpr uint32_t kLetterA = 0x4;        // "a": append command
inline constexpr uint32_t kLetterM = 0x8;        // "m": multi-value command
inline constexpr uint32_t kLetterMb = 0x10;      // "mb": argument written before the word
inline constexpr uint32_t kLetterMa = 0x20;      // "ma": no effect beyond the argument
inline constexpr uint32_t kLetterLb = 0x40;      // "lb": loop begin
inline constexpr uint32_t kLetterLe = 0x80;      // "le": loop end
inline constexpr uint32_t kLetterN = 0x200;      // "n": end of a complete command
inline constexpr uint32_t kLetterSn = 0x400;     // "sn": stored form
inline constexpr uint32_t kLetterSb = 0x800;     // "sb": stored form
inline constexpr uint32_t kLetterOb = 0x1000;    // "ob": member of an option group
inline constexpr uint32_t kLetterOe = 0x2000;    // "oe": end of an option
inline constexpr uint32_t kLetterNc = 0x4000;    // "nc": negation of "n"
inline constexpr uint32_t kLetterCf = 0x8000;    // "cf": argument lists conflicting keys
inline constexpr uint32_t kLetterRp = 0x10000;   // "rp": argument replaces the typed word
inline constexpr uint32_t kLetterNe = 0x20000;   // "ne": limit of a "no" match
inline constexpr uint32_t kLetterNk = 0x40000;   // "nk": limit of a "no" match
inline constexpr uint32_t kLetterIf = 0x80000;   // "if": kept, read by nothing
inline constexpr uint32_t kLetterWa = 0x100000;  // "wa": words at this node joined into one

// The bit of one letter code ("k", "ob", ...); 0 for an unknown code.
uint32_t letterBit(std::string_view code);
// The bits of a letters field: split on "/", blanks around a code ignored,
// unknown codes ignored.
uint32_t parseLetters(std::string_view field);
// The codes of the set bits joined by "/" in bit order ("k/o/ob"); empty for 0.
std::string formatLetters(uint32_t letters);

// The key of the end-of-command node: the "<cr>" line of a mode file.
inline constexpr char kEndKey[] = "\n";

class ParserTreeNode;

// What NodeMatcher looks up at one node beyond the child maps, worked out
// once from the node's children (node_matcher.cpp builds it).  The views
// and pointers point into the node's children, which no longer change once
// a grammar is loaded.
struct NodeLookup {
  // A key of a child that the typed step may accept for a word other than
  // itself: a key-table name, a bracketed type or a bare type, with the pass
  // that tries it, in the order the step tries them.
  struct Typed {
    uint8_t pass;
    bool optionGroup;
    uint32_t ordinal;  // position in the step's order
    ParserTreeNode* child;
    const std::string* key;
    // For a key-table key: the grammar's table and its typed keys (null
    // when the grammar has no such table), looked up once.
    const std::map<std::string, std::string>* table = nullptr;
    const std::vector<std::string>* tableTypedKeys = nullptr;
  };
  std::vector<Typed> typed;
  // Everything a word can name at the node, found with one hash of the word.
  struct ByWord {
    // The child stored under the word, plain and option group.
    ParserTreeNode* plain = nullptr;
    ParserTreeNode* option = nullptr;
    // The first complex child answering the word, plain and option group.
    ParserTreeNode* complexPlain = nullptr;
    ParserTreeNode* complexOption = nullptr;
    // A key of the bare pass that accepts only itself: the first child
    // with it (and its position) in the typed step's order.
    ParserTreeNode* sameChild = nullptr;
    uint32_t sameOrdinal = UINT32_MAX;
  };
  std::unordered_map<std::string_view, ByWord> byWord;
  // The first child (plain, then option group) with a free-text key.
  ParserTreeNode* freeText = nullptr;
  // NodeMatcher::acceptsInterfaceNames of the node.
  bool interfaceNames = false;
};

class ParserTreeNode {
 public:
  using ChildMap = std::map<std::string, ParserTreeNode*>;
  using HelpMap = std::map<std::string, std::string>;

  // A fresh node: everything empty or false, complexCounter a random value.
  // A grammar's nodes come from Grammar::newNode(), which owns them.
  ParserTreeNode();
  // A fresh node with the given counter (one whose counter is set later:
  // making it draws no random number).
  explicit ParserTreeNode(int32_t counter);

  // The node opens a command mode: the root of a mode file loaded as a tree
  // or a sub-mode, or a node with an "@" tail token.
  bool modeMark = false;
  // End-of-command node (the "<cr>" line); its key is "\n".
  bool endMark = false;
  // Mode file grafted below this node by an "@" token.
  std::string modeFileName;
  // The prompt given by the "@" token.
  std::string modeName;
  // Ordinary children by key.
  ChildMap children;
  // Help text of every child key (plain, optional and option-group); complex
  // children have no entry (their keys are in their own keySet).  Only help
  // listings read them: a grammar read from its image reads a node's texts
  // the first time they are asked for (any thread).
  const HelpMap& helps() const;
  // The same to change (loaders only).
  HelpMap& helpsToEdit();
  // The texts are to be read by read from a record of size bytes at at,
  // which stays in memory while the node lives (a grammar image's).
  using HelpReader = void (*)(const char* at, uint32_t size, HelpMap& into);
  void helpsFromRecord(const char* at, uint32_t size, HelpReader read);
  // Children from "[x" words: listed in help, not matched.
  ChildMap optionalChildren;
  // Keys that may not follow once this node is passed (letter "cf").
  std::set<std::string> conflictList;
  // kLetter* bits.
  uint32_t letters = 0;
  // Fourth field of the mode-file line (text for "mb"/"rp", list for "cf").
  std::string argument;
  // The node below which this one was first added; null for roots.
  ParserTreeNode* parent = nullptr;
  // The node answers to several alternative keys (a "#" block).
  bool complexMark = false;
  // The words this node answers to, with their help: one key for an ordinary
  // node, the alternatives for a complex node, plus keys of "[x]" lines.
  HelpMap keySet;
  // Numbers the complex children ("complex_node_<n>"); starts random and is
  // incremented before each use.
  int32_t complexCounter = 0;
  // Children with the letter "ob".
  ChildMap optionChildren;
  // The node has the letter "ob".
  bool optionMember = false;

  // NodeMatcher's lookup index of this node, built on first use from the
  // loaded grammar (never by the loaders); owned by the node.
  mutable std::atomic<const NodeLookup*> lookup{nullptr};

 private:
  void readHelpRecord() const;
  // Made with the first help text: the nodes of a grammar read from its
  // image have none until asked.
  mutable std::unique_ptr<HelpMap> helpMap_;
  // The image record of the help texts while they are not read yet.
  mutable std::atomic<const char*> helpRecord_{nullptr};
  uint32_t helpRecordSize_ = 0;
  HelpReader helpReader_ = nullptr;

 public:
  ~ParserTreeNode();
  ParserTreeNode(const ParserTreeNode&) = delete;
  ParserTreeNode& operator=(const ParserTreeNode&) = delete;

  // Adds child under key.  Nothing for an empty key or a null child.  The
  // child goes into optionChildren when child->optionMember, else into
  // optionalChildren when optional, else into children; an existing entry of
  // the same key is replaced.  A child that is not complex also sets
  // helpMap[key] = help.  child->parent becomes this node only if it has none
  // (and never the child itself).
  void addChild(const std::string& key, const std::string& help, ParserTreeNode* child,
                bool optional = false);

  bool hasLetter(uint32_t bit) const { return (letters & bit) != 0; }

  // The smallest key of keySet and its help; empty strings when keySet is
  // empty.  Loops and option groups re-add a node under its first key.
  std::string firstKey() const;
  std::string firstHelp() const;
};

}  // namespace vexaparser

#endif  // VEXA_PARSER_PARSER_TREE_NODE_H_
