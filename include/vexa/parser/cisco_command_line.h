// CiscoCommandLine: one configuration command as matched against the command
// syntax tree, and a node of a configuration tree.
//
// The terminal's matcher creates one per line it replays, calls addTreeNodes
// once per matched word (the end-of-line word "\n" last, with the end node),
// then sets the texts, the level, the parent and the order number.  The
// configuration algebra (tree building, merge, fallback) reads the node path,
// the flag and the flag bits to decide how commands combine, and writes the
// trees back with genCommandStr.
//
// A configuration is a vector of top-level commands; each one's children are
// the commands of the sub-mode it opens, in configuration order.
//
// Ownership: a command owns its tree.  Its children (linked with
// setParentCommand(parent, true) or copied with it) and its nested commands
// (sub-commands that begin at an option-group node inside the same line) are
// destroyed with it.  The parent, the current nested command and all
// syntax-tree nodes are never owned (nodes belong to the grammar).  A list
// of commands is released with releaseCommands, whether it holds top-level
// trees or every command of a text (getCmdInfo's list, children included).
//
// Not thread-safe; one thread at a time, like the rest of the parser.
#ifndef VEXA_PARSER_CISCO_COMMAND_LINE_H_
#define VEXA_PARSER_CISCO_COMMAND_LINE_H_

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "vexa/parser/command_flag.h"
#include "vexa/parser/grammar.h"
#include "vexa/parser/parser_tree_node.h"
#include "vexa/parser/word_set.h"

namespace vexaparser {

// Bits of CiscoCommandLine::getFlags().
inline constexpr uint32_t FLAG_NO = 0x1;           // the command is a "no" form
inline constexpr uint32_t FLAG_STORED = 0x2;       // this form is stored as a configuration line
inline constexpr uint32_t FLAG_MODE = 0x4;         // a matched node opens a sub-mode
inline constexpr uint32_t FLAG_REMOVED = 0x8;      // marked for removal; comparisons skip it
inline constexpr uint32_t FLAG_NO_END = 0x10;      // a "no" form passed a node with "ne"
inline constexpr uint32_t FLAG_INCOMPLETE = 0x20;  // not complete at its last node
inline constexpr uint32_t FLAG_NESTED = 0x40;      // a nested command of another command
inline constexpr uint32_t FLAG_CONFLICT = 0x80;    // a node with "cf" was matched

class CiscoCommandLine {
 public:
  // One element of the node path: a syntax-tree node and the word or words
  // typed at it, in ascending order.
  using NodePathElement = std::pair<ParserTreeNode*, WordSet>;
  using NodePath = std::vector<NodePathElement>;
  // Nested commands by the option-group node they begin at.  "Node order"
  // is the order of this map: the order of the node pointers.
  using NestedMap = std::map<ParserTreeNode*, std::unique_ptr<CiscoCommandLine>>;

  // Level 0, line number 0, empty texts, flag AppendCommand, order number 0,
  // no flag bits, no parent, no children, empty node path.
  CiscoCommandLine() = default;
  // Copies level, the four texts, flag, order number, flags and node path.  Line number 0, parent null, no current nested command.  Every
  // child and nested command is copied deeply (the copy owns them); the
  // copied children keep a null parent and line number 0.
  CiscoCommandLine(const CiscoCommandLine& other);
  // Copies level, the four texts, flag, flags, order number and node path.  Keeps this command's line number, parent, children and
  // current nested command; adds a deep copy of every nested command of
  // other whose node this command does not have yet (existing ones stay).
  CiscoCommandLine& operator=(const CiscoCommandLine& other);
  // Destroys the children and the nested commands with their trees.
  ~CiscoCommandLine();

  // ---- accessors ----

  int32_t getLevel() const { return c_.level; }
  void setLevel(int32_t level) { c_.level = level; }
  // 1-based line in the text the command was read from; 0 when not read.
  int32_t getLineNo() const { return c_.lineNo; }
  void setLineNo(int32_t lineNo) { c_.lineNo = lineNo; }
  // The enclosing mode commands joined by "\r\n", copied into out.
  void getMajorCmdStr(std::string& out) const { out = majorText(); }
  // The enclosing mode commands split on "\r\n"; empty pieces are dropped.
  std::vector<std::string> getMajorCommands() const;
  void setMajorCommands(const std::string& joined) {
    c_.majorCommands = joined.empty() ? nullptr : std::make_shared<const std::string>(joined);
  }
  // The same text shared with other commands (the commands of one sub-mode
  // read from a text have the same enclosing commands); null for none.
  void setMajorCommands(std::shared_ptr<const std::string> joined) {
    c_.majorCommands = std::move(joined);
  }
  // The command as the syntax tree recognised it (the terminal's info line).
  const std::string& getCurrentCommand() const { return c_.currentCommand; }
  void setCurrentCommand(const std::string& text) {
    if (c_.originalIsCurrent) {
      c_.rare.editCommand() = c_.currentCommand;
      c_.originalIsCurrent = false;
    }
    c_.currentCommand = text;
  }
  // The printable command, ending in "\n" (see genCommandStr).
  const std::string& getOriginalCmd() const {
    return c_.originalIsCurrent ? c_.currentCommand : c_.rare.command();
  }
  void setOriginalCmd(const std::string& text) {
    if (text == c_.currentCommand) {
      c_.originalIsCurrent = true;
      c_.rare.clearCommand();
    } else {
      c_.rare.editCommand() = text;
      c_.originalIsCurrent = false;
    }
  }
  // The raw line, kept for a line the syntax tree did not recognise.
  const std::string& getOriginalStr() const { return c_.rare.raw(); }
  void setOriginalStr(const std::string& text) { c_.rare.editRaw() = text; }
  CiscoCommandLineFlag getFlag() const { return static_cast<CiscoCommandLineFlag>(c_.flag); }
  void setFlag(CiscoCommandLineFlag flag) { c_.flag = static_cast<int8_t>(flag); }
  // The FLAG_* bits.
  uint32_t getFlags() const { return c_.flags; }
  // Rank in the command order table; 0 when unknown.
  int32_t getOrderNo() const { return c_.orderNo; }
  void setOrderNo(int32_t orderNo) { c_.orderNo = orderNo; }
  // The commands of the sub-mode this command opens (owned by the tree).
  const std::vector<CiscoCommandLine*>& getChildCommands() const {
    return children_ == nullptr ? noCommands() : *children_;
  }
  // The same to change; the list is made with the first child, as most
  // commands open no sub-mode.
  std::vector<CiscoCommandLine*>& childCommandsToEdit();
  // Number of distinct syntax-tree nodes in the node path (a node appears
  // in the path once: a second word at it joins its element).
  int32_t getTreeNodeSize() const { return static_cast<int32_t>(c_.nodePath.size()); }
  // The mode command this one belongs to; null at the top (not owned).
  CiscoCommandLine* getParentCommand() const { return parent_; }
  // Asks the processor to fetch what a pass over many commands reads next:
  // the level and the links (the whole command).
  void prefetchLinks() const {
    __builtin_prefetch(&c_);
    __builtin_prefetch(&c_.level);
    __builtin_prefetch(&parent_);
    __builtin_prefetch(&nested_);
  }
  const NodePath& getNodePath() const { return c_.nodePath; }
  const NestedMap& getNestedCommands() const { return nested(); }
  // The nested command further words go to; null while they go to this one.
  CiscoCommandLine* getCurrentNestedCommand() const {
    return nested_ == nullptr ? nullptr : nested_->current;
  }

  // ---- flag bits ----

  // ORs bits into the flag bits; when recursive, also into every nested
  // command, depth first.
  void setFlags(uint32_t bits, bool recursive);
  // Clears bits (this command only); used when a "no" form is turned back
  // into its positive command.
  void clearFlags(uint32_t bits) { c_.flags = static_cast<uint16_t>(c_.flags & ~bits); }
  // Sets (on) or clears FLAG_INCOMPLETE; a nested command passes the same
  // call on to the command that owns it.
  void setNoCompleteCmd(bool on);
  // flag = ParserToolCase::getCmdFlag(current command).
  void flagTheCmd();

  // ---- building ----

  // Stores parent (not owned); when parent is not null and addToParent,
  // appends this command to parent's children: parent then owns it.
  void setParentCommand(CiscoCommandLine* parent, bool addToParent);
  // Adds one matched word: node is the syntax-tree node it matched, isNo
  // whether the line is a "no" form.  Updates the flag and flag bits from
  // the node's letters, extends the node path, and opens or continues a
  // nested command at an option-group node.  A null node is ignored.
  void addTreeNodes(ParserTreeNode* node, const std::string& word, bool isNo);
  // Order number from the first template of the command order table (entry
  // of node's mode file name, "configuration_mod.cfm" when it has none)
  // whose node path this one's begins with, or that may end where the two
  // part.  Unchanged when node is null, the path or table is empty, the
  // table has no entry or no template fits.
  void setOrderNo(const ParserTreeNode* node, const Grammar::CommandOrderTable& table);
  // The same with grammar's table, through its index (the same answer).
  void setOrderNo(const ParserTreeNode* node, const Grammar& grammar);
  // The same with the index of node's entry already looked up (null: no
  // entry, nothing changes).
  void setOrderNo(const Grammar::OrderIndex* index);
  // The same with the table of the default grammar (parser_resources.h).
  void setOrderNo(ParserTreeNode* node);
  // Gives back the spare room of the node path (its own and its nested
  // commands'), once the command is complete; nothing else changes.
  void fitNodePath();
  // Room for elements node path elements, taken before the first is added
  // when the caller knows how many a line gives at most; a path that fills
  // it exactly needs no fitting afterwards.  Nothing else changes.
  void reserveNodePath(std::size_t elements) { c_.nodePath.reserve(elements); }
  // Back to a command as the default constructor makes it, keeping the
  // room of its node path and current command for the next line read into
  // it.  Its children and nested commands are destroyed: a caller that
  // reuses the children takes them out first.
  void resetKeepingRoom();
  // Back to the state before matching: order number, flags and parent 0,
  // node path and node set emptied.  The nested commands were built from the
  // same words, so they are destroyed too and no nested command is current.
  // Texts, flag, level, line number and children stay.
  void clearVisitedOption();

  // ---- tree ----

  // Appends every child followed by its own descendants (pre-order) to out.
  void getAllChildCommands(std::vector<CiscoCommandLine*>& out) const;
  // Destroys every child with all its descendants and empties the children.
  void delOnlyChildCmds();

  // ---- comparisons (a null argument gives false) ----

  // The two current commands are equal strings.
  bool isExactlyMatch(const CiscoCommandLine* other) const;
  // Both address the same configuration item: same nodes and words at every
  // position where either path has a "k" node, no "k" node beyond the
  // shorter path.  False when this command is removed or has no path.
  bool isComparable(const CiscoCommandLine* other) const;
  // noCommand cancels this configured command (a "no" form against the
  // positive command, or a positive command against a stored "no" line).
  // False when this command is removed or has no path.
  bool isNoable(const CiscoCommandLine* noCommand) const;
  // With FLAG_CONFLICT: the paths agree node by node up to a "cf" node of
  // other whose words differ from this command's.
  bool isConflictWith(const CiscoCommandLine* other) const;
  // Both were read alike: the same texts, level, line number, flag, flag
  // bits, order number and node path, and equal nested commands; the links
  // are left to the caller (children aside: a reader may have gone on).
  // What a text read in parts checks where two readers meet.
  bool sameContent(const CiscoCommandLine& other) const;

  // ---- combining ----

  // Merges the newly entered multi-value command other (flag 5) into this
  // one (flag 5): gathers or removes values at "m" positions and merges the
  // nested commands.  Returns false when the merged command has lost all its
  // values and is to be removed, true otherwise.  When either flag is not 5
  // (or other is null) nothing changes and the result is true; otherwise a
  // true result comes with the original command rebuilt (genCommandStr).
  bool mergeCommand(const CiscoCommandLine* other);
  // Rebuilds the original command from the node path (words of an element
  // in ascending order, elements separated by one blank, the first element's
  // words joined without one) and the nested commands (appended after
  // cutting at the first "\n"); always ends in "\n".  Returns the field.
  const std::string& genCommandStr();

 private:
  // Flag 3, 4 or 5 from the node's "a", "o", "m" letters; current when none.
  static CiscoCommandLineFlag flagFromLetters(const ParserTreeNode* node,
                                              CiscoCommandLineFlag current);
  // Deep copies of other's nested commands for nodes this one lacks.
  void copyMissingNestedCommands(const CiscoCommandLine& other);
  // addTreeNodes: a nested command opened (or resumed) at node; the flags
  // a word at node gives this command.
  void openNestedCommand(ParserTreeNode* node, const std::string& word, bool isNo);
  void takeLetters(const ParserTreeNode* node, bool isNo);
  // mergeCommand's steps: the values at the multi-value positions (false
  // when a "no" form removed the last one), the nested commands (whether a
  // nested node of other has "n"), and whether what a "no" form leaves can
  // stand as a command.
  bool mergePathValues(const CiscoCommandLine& other);
  bool mergeNestedCommands(const CiscoCommandLine& other);
  bool survivesNoForm(const CiscoCommandLine& other, bool nestedEndsCommand) const;

  // The two texts most commands leave empty (the original command while it
  // differs from the current one, and the raw line): one pointer until
  // either is set.
  class RareTexts {
   public:
    RareTexts() = default;
    RareTexts(const RareTexts& other) { *this = other; }
    RareTexts& operator=(const RareTexts& other) {
      if (this != &other) {
        texts_ = other.texts_ == nullptr ? nullptr : std::make_unique<Texts>(*other.texts_);
      }
      return *this;
    }
    RareTexts(RareTexts&&) noexcept = default;
    RareTexts& operator=(RareTexts&&) noexcept = default;
    const std::string& command() const { return texts_ == nullptr ? emptyText() : texts_->command; }
    const std::string& raw() const { return texts_ == nullptr ? emptyText() : texts_->raw; }
    std::string& editCommand() { return edit().command; }
    std::string& editRaw() { return edit().raw; }
    void clearCommand() {
      if (texts_ != nullptr) texts_->command.clear();
    }

   private:
    struct Texts {
      std::string command;
      std::string raw;
    };
    Texts& edit() {
      if (texts_ == nullptr) texts_ = std::make_unique<Texts>();
      return *texts_;
    }
    std::unique_ptr<Texts> texts_;
  };
  static const std::string& emptyText();
  static const std::vector<CiscoCommandLine*>& noCommands();
  // The nested commands (an empty map when there are none), and the map to
  // change them in (created when needed).
  const NestedMap& nested() const;
  NestedMap& nestedToEdit();

  // What a copy and an assignment take from the other command, in one
  // piece: the text forms, the flags and the node path.  A tree holds one
  // per line, so the members are ordered to leave no padding between them
  // (the command fits a 128-byte heap block with 64-bit pointers).
  struct Copied {
    // Shared: never changed in place, only replaced.
    std::shared_ptr<const std::string> majorCommands;
    std::string currentCommand;
    // originalCommand and originalString.
    RareTexts rare;
    NodePath nodePath;
    int32_t level = 0;
    int32_t orderNo = 0;
    // Not copied, kept here where it takes no room of its own: a copy
    // starts at line 0 and an assignment keeps the line of the command
    // assigned to.
    int32_t lineNo = 0;
    // The FLAG_* bits.
    uint16_t flags = 0;
    // A CiscoCommandLineFlag.
    int8_t flag = AppendCommand;
    // The original command is the current command (most commands as read):
    // kept once, in currentCommand.
    bool originalIsCurrent = false;
  };
  const std::string& majorText() const;

  // The nested commands and the one further words go to (null while they
  // go to the owning command).
  struct Nested {
    NestedMap byNode;
    CiscoCommandLine* current = nullptr;
  };

  Copied c_;
  CiscoCommandLine* parent_ = nullptr;
  std::unique_ptr<std::vector<CiscoCommandLine*>> children_;
  // Created with the first nested command: most commands have none.
  std::unique_ptr<Nested> nested_;
};

// Destroys the commands of a list and empties it: each command without a
// parent, with its tree.  A listed command that has a parent belongs to that
// parent's tree: a getCmdInfo list (every command of a text) and a list of
// top-level trees are both released exactly once.  A parent outside the list
// must outlive this call.
void releaseCommands(std::vector<CiscoCommandLine*>& commands);

}  // namespace vexaparser

#endif  // VEXA_PARSER_CISCO_COMMAND_LINE_H_
