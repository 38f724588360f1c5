// SiblingIndex: finds, among the commands of one configuration level, the
// first one comparable with a given command (isComparable) or the first one
// a given "no" form cancels (isNoable), without trying every command.
//
// Merge and fallback ask these two questions once per command of one side
// against the whole level of the other side; with an index a level of n
// commands answers in about the size of the matching bucket instead of n.
// The answers are exactly those of a walk from the front: the buckets hold
// every command that can possibly answer, in list order, and each candidate
// is still put to the real test.
//
// Internal to src/parser/model/.
#ifndef VEXA_SRC_PARSER_MODEL_SIBLING_INDEX_H_
#define VEXA_SRC_PARSER_MODEL_SIBLING_INDEX_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "parser/model/command_trees.h"

namespace vexaparser::model {

class SiblingIndex {
 public:
  // Indexes list, which must outlive the index.  The list may change only
  // by push_back (the index notices) or by marking commands FLAG_REMOVED;
  // any other change needs invalidate().
  explicit SiblingIndex(const CommandList& list) : list_(list) {}

  // Position of the first command c of the list with c->isComparable(command),
  // or the list's size.
  std::size_t firstComparable(const CiscoCommandLine* command);
  // Position of the first command c with c->isNoable(noCommand), or the size.
  std::size_t firstNoable(const CiscoCommandLine* noCommand);
  // Files every command of the list now.  Until the list changes, the two
  // lookups above then only read, and may be asked on several threads.
  void indexAll() { catchUp(); }
  // The list changed in a way the index cannot follow (an insertion before
  // the end, a command whose node path changed its first node).
  void invalidate() {
    indexed_ = 0;
    comparable_.clear();
    byFirstNode_.clear();
    wild_.clear();
  }

  // Positions filed under 64-bit keys, the positions of each key in
  // ascending order, chained through one array: no allocation per key or
  // per position.  Positions are added in ascending order.
  class KeyChains {
   public:
    static constexpr uint32_t kEnd = UINT32_MAX;
    void clear();
    void add(std::uint64_t key, uint32_t position);
    // The first position filed under key, or kEnd.
    uint32_t first(std::uint64_t key) const;
    // The position after position under the same key, or kEnd.
    uint32_t next(uint32_t position) const { return next_[position]; }

   private:
    struct Slot {
      std::uint64_t key = 0;
      uint32_t first = kEnd;  // kEnd: the slot is free
      uint32_t last = kEnd;
    };
    std::size_t slotOf(std::uint64_t key) const;
    void grow();

    std::vector<Slot> slots_;  // a power of two, at most half in use
    std::size_t inUse_ = 0;
    std::vector<uint32_t> next_;  // by position
  };

  // What the index files a command under besides its "k" run: its first
  // node and whether its first element holds the end-of-line word.  A
  // change that alters it needs invalidate().
  struct Head {
    const void* node = nullptr;
    bool holdsEnd = false;
    bool operator==(const Head&) const = default;
  };
  static Head headOf(const CiscoCommandLine* command);

 private:
  // Lists this short are walked directly.
  static constexpr std::size_t kMinIndexed = 16;

  void catchUp();

  const CommandList& list_;
  std::size_t indexed_ = 0;  // positions [0, indexed_) are in the chains
  // Hash of the leading run of "k" nodes -> positions, ascending.
  KeyChains comparable_;
  // First node -> positions, ascending; wild_: positions whose first element
  // holds the end-of-line word (they may answer isNoable for any node).
  KeyChains byFirstNode_;
  std::vector<std::size_t> wild_;
};

}  // namespace vexaparser::model

#endif  // VEXA_SRC_PARSER_MODEL_SIBLING_INDEX_H_
