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
// value is below a bound, in O(log n).  The leaves are a power of two wide
// (those past the last position hold kNone), so a change walks up from its
// leaf.
class FirstBelowTree {
 public:
  static constexpr int64_t kNone = std::numeric_limits<int64_t>::max();

  explicit FirstBelowTree(std::size_t count) : count_(count) {
    while (width_ < count) width_ *= 2;
    min_.assign(2 * width_, kNone);
  }

  void set(std::size_t at, int64_t value) {
    std::size_t node = width_ + at;
    min_[node] = value;
    for (node /= 2; node >= 1; node /= 2) min_[node] = std::min(min_[2 * node], min_[2 * node + 1]);
  }
  // Every position at once, valueOf(at) for each.
  template <typename ValueOf>
  void assign(const ValueOf& valueOf) {
    for (std::size_t at = 0; at < count_; ++at) min_[width_ + at] = valueOf(at);
    for (std::size_t node = width_ - 1; node >= 1; --node) {
      min_[node] = std::min(min_[2 * node], min_[2 * node + 1]);
    }
  }
  // count_ when there is no such position.
  std::size_t firstBelow(std::size_t from, int64_t bound) const {
    return from >= count_ ? count_ : firstBelow(1, 0, width_, from, bound);
  }

 private:
  std::size_t firstBelow(std::size_t node, std::size_t lo, std::size_t hi, std::size_t from,
                         int64_t bound) const {
    if (hi <= from || min_[node] >= bound) return count_;
    if (hi - lo == 1) return lo;
    const std::size_t mid = lo + (hi - lo) / 2;
    const std::size_t left = firstBelow(2 * node, lo, mid, from, bound);
    return left != count_ ? left : firstBelow(2 * node + 1, mid, hi, from, bound);
  }

  std::size_t count_;
  std::size_t width_ = 1;
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
  const auto lineOf = [&](std::size_t at) -> int64_t {
    const CiscoCommandLine* c = commands[at];
    return c->getLineNo() >= 1 ? c->getLineNo() : kNone;
  };
  const auto newRankOf = [&](std::size_t at) -> int64_t {
    const CiscoCommandLine* c = commands[at];
    return c->getLineNo() < 1 && c->getOrderNo() >= 1 ? c->getOrderNo() : kNone;
  };
  const auto anyRankOf = [&](std::size_t at) -> int64_t {
    const CiscoCommandLine* c = commands[at];
    return c->getOrderNo() >= 1 ? c->getOrderNo() : kNone;
  };
  auto place = [&](std::size_t at) {
    lines.set(at, lineOf(at));
    newRanks.set(at, newRankOf(at));
    anyRanks.set(at, anyRankOf(at));
  };
  lines.assign(lineOf);
  newRanks.assign(newRankOf);
  anyRanks.assign(anyRankOf);

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
