// VexaParserUtil::SortCiscoCommands: the ordering of sibling commands by line
// number and order number.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/vexa_parser_util.h"

namespace vexaparser {

namespace {

// Whether best must give way to c.  Only a strict answer moves a command,
// which keeps equal commands where they are.
bool takesPlaceOf(const CiscoCommandLine* best, const CiscoCommandLine* c) {
  if (best->getLineNo() < 1 || c->getLineNo() < 1) {
    // A command not read from the text (a new or copied one) is placed by
    // the order table alone, and only between commands that have a rank.
    return best->getOrderNo() >= 1 && c->getOrderNo() >= 1 && best->getOrderNo() > c->getOrderNo();
  }
  return best->getLineNo() > c->getLineNo();
}

// Every line number at least 1 and never decreasing: the selection sort
// below would not move anything.
bool alreadyInLineOrder(const std::vector<CiscoCommandLine*>& commands) {
  for (std::size_t i = 0; i < commands.size(); ++i) {
    if (commands[i]->getLineNo() < 1) return false;
    if (i > 0 && commands[i - 1]->getLineNo() > commands[i]->getLineNo()) return false;
  }
  return true;
}

// The selection sort itself: for each position, a left-to-right scan keeps
// the best command so far and replaces it whenever takesPlaceOf says so.
void selectionSort(std::vector<CiscoCommandLine*>& commands) {
  const std::size_t count = commands.size();
  for (std::size_t i = 0; i < count; ++i) {
    std::size_t best = i;
    for (std::size_t j = i + 1; j < count; ++j) {
      if (takesPlaceOf(commands[best], commands[j])) best = j;
    }
    if (best != i) std::swap(commands[i], commands[best]);
  }
}

// Minimum tree over positions: the first position at or after from whose
// value is below a bound, in O(log n).
class FirstBelowTree {
 public:
  static constexpr int64_t kNone = std::numeric_limits<int64_t>::max();

  explicit FirstBelowTree(std::size_t count) : count_(count), min_(4 * count + 4, kNone) {}

  void set(std::size_t at, int64_t value) { set(1, 0, count_, at, value); }
  // count_ when there is no such position.
  std::size_t firstBelow(std::size_t from, int64_t bound) const {
    return from >= count_ ? count_ : firstBelow(1, 0, count_, from, bound);
  }

 private:
  void set(std::size_t node, std::size_t lo, std::size_t hi, std::size_t at, int64_t value) {
    if (hi - lo == 1) {
      min_[node] = value;
      return;
    }
    const std::size_t mid = lo + (hi - lo) / 2;
    if (at < mid) {
      set(2 * node, lo, mid, at, value);
    } else {
      set(2 * node + 1, mid, hi, at, value);
    }
    min_[node] = std::min(min_[2 * node], min_[2 * node + 1]);
  }
  std::size_t firstBelow(std::size_t node, std::size_t lo, std::size_t hi, std::size_t from,
                         int64_t bound) const {
    if (hi <= from || min_[node] >= bound) return count_;
    if (hi - lo == 1) return lo;
    const std::size_t mid = lo + (hi - lo) / 2;
    const std::size_t left = firstBelow(2 * node, lo, mid, from, bound);
    return left != count_ ? left : firstBelow(2 * node + 1, mid, hi, from, bound);
  }

  std::size_t count_;
  std::vector<int64_t> min_;
};

// The same selection sort, with each scan jumping from one change of the
// best command to the next instead of visiting every position.  While the
// best command was read from the text (line >= 1), the next to take its
// place is the first later one read from the text with a smaller line
// number, or the first later new one whose rank is between 1 and the best's
// rank; once the best is a new command, only the first later command of
// either kind with a smaller rank of at least 1.  Three trees answer "first
// later position with a value below x" for those three kinds of value.
void indexedSelectionSort(std::vector<CiscoCommandLine*>& commands) {
  const std::size_t count = commands.size();
  constexpr int64_t kNone = FirstBelowTree::kNone;
  FirstBelowTree lines(count);     // line number of a command read from the text
  FirstBelowTree newRanks(count);  // rank >= 1 of a new command
  FirstBelowTree anyRanks(count);  // rank >= 1 of any command
  auto place = [&](std::size_t at) {
    const CiscoCommandLine* c = commands[at];
    const bool read = c->getLineNo() >= 1;
    const bool ranked = c->getOrderNo() >= 1;
    lines.set(at, read ? c->getLineNo() : kNone);
    newRanks.set(at, !read && ranked ? c->getOrderNo() : kNone);
    anyRanks.set(at, ranked ? c->getOrderNo() : kNone);
  };
  for (std::size_t at = 0; at < count; ++at) place(at);

  for (std::size_t i = 0; i < count; ++i) {
    std::size_t best = i;
    for (;;) {
      const CiscoCommandLine* b = commands[best];
      const std::size_t from = best + 1;
      std::size_t next = count;
      if (b->getLineNo() >= 1) {
        next = lines.firstBelow(from, b->getLineNo());
        if (b->getOrderNo() >= 1) next = std::min(next, newRanks.firstBelow(from, b->getOrderNo()));
      } else if (b->getOrderNo() >= 1) {
        next = anyRanks.firstBelow(from, b->getOrderNo());
      }
      if (next == count) break;
      best = next;
    }
    if (best != i) {
      std::swap(commands[i], commands[best]);
      place(i);
      place(best);
    }
  }
}

// Below this size the plain scan is cheaper than building the trees.
constexpr std::size_t kIndexedSortFrom = 64;

}  // namespace

void VexaParserUtil::SortCiscoCommands(std::vector<CiscoCommandLine*>& commands) {
  // The common case (a level that received no new command) is answered in
  // one pass; the result is the same as the sort's, which moves nothing.
  if (alreadyInLineOrder(commands)) return;
  // The comparison is not a strict weak ordering, so the result is defined
  // by the selection sort and its visiting order; std::sort would differ.
  // Long lists take the indexed form of the same sort (same result).
  if (commands.size() < kIndexedSortFrom) {
    selectionSort(commands);
  } else {
    indexedSelectionSort(commands);
  }
}

}  // namespace vexaparser
