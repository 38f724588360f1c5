// OrderedLists: the configuration lists whose entries a device evaluates
// in order (access lists, prefix lists, AS-path and community lists), as
// remediation and its device model see them.
//
// Two shapes: a block list is a mode command whose children are the
// entries ("ip access-list extended EDGE"); a line list is a run of
// top-level lines that share a leading key ("access-list 101 ...",
// "ip prefix-list PL seq 5 ...").  Some lists number their entries (a
// leading number in a named access list, "seq N" in a prefix list, "sequence
// N" in an IPv6 access list): the device keeps those entries sorted by
// number, and a single entry can be removed.  Numbered access lists,
// AS-path and community lists have no entry numbers and their "no" form
// removes the whole list.
//
// Internal to src/remediation/.
#ifndef VEXA_SRC_REMEDIATION_ORDERED_LISTS_H_
#define VEXA_SRC_REMEDIATION_ORDERED_LISTS_H_

#include <string>
#include <vector>

#include "remediation/line_tree.h"

namespace vexaremediation {

enum class ListShape { kBlock, kLines };

// How an entry carries its number.
enum class EntryNumbering {
  kNone,
  kLeading,          // "10 permit ip any any"
  kSeqKeyword,       // "ip prefix-list PL seq 5 permit ..."
  kSequenceKeyword,  // "permit ipv6 any any sequence 10"
};

struct ListKind {
  ListShape shape;
  EntryNumbering numbering;
  // Whether "no <entry>" removes that entry alone (otherwise the device
  // drops the whole list).
  bool entryRemovable;
  // The number the device gives an unnumbered entry after the last one.
  long numberStep;
};

// What a top-level line of the written configuration is as a list.
struct ListRef {
  const ListKind* kind = nullptr;  // null: not part of an ordered list
  // The list's identity: the header of a block list, the shared leading
  // words of a line list ("ip prefix-list PL").
  std::string key;
};

// Classifies a top-level node: a block list's header (with or without
// entries), an entry of a line list, or nothing.
ListRef classifyTopLevel(const LineNode& node);

// Whether a line belongs to an ordered list whatever its children and a
// leading "no ": an entry, a list header, or the removal of either.
bool belongsToList(const LineNode& node);

// The entry's number, or -1 when it carries none.
long entryNumber(const ListKind& kind, const std::string& entryText);

// The numbers a device shows for a list's entries in order: each entry's
// own number, or the previous one plus the kind's step.
std::vector<long> effectiveNumbers(const ListKind& kind, const std::vector<LineNode>& entries);

}  // namespace vexaremediation

#endif  // VEXA_SRC_REMEDIATION_ORDERED_LISTS_H_
