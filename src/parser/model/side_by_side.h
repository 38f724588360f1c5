// Two independent pieces of work at once: merge and fallback read their two
// texts into trees side by side.  Each side has its own scratch terminal and
// its own trees; the grammar is only read (terminals keep no state in
// common), so the two need no locking.  The sizes from which the work is
// shared between two cores are here too, one knob each.
//
// Internal to src/parser/model/.
#ifndef VEXA_SRC_PARSER_MODEL_SIDE_BY_SIDE_H_
#define VEXA_SRC_PARSER_MODEL_SIDE_BY_SIDE_H_

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <exception>
#include <thread>
#include <vector>

namespace vexaparser::model {

// Below this many bytes of text on the smaller side a second thread costs
// more than it saves (starting one costs about what reading a few dozen
// lines does).  Tests move it to make either way happen.
inline std::atomic<std::size_t>& sideBySideBytes() {
  static std::atomic<std::size_t> bytes{32 * 1024};
  return bytes;
}

// Below this many bytes one text is read by one terminal, not in two parts
// (read_in_parts.h).  Tests move it.
inline std::atomic<std::size_t>& readInPartsBytes() {
  static std::atomic<std::size_t> bytes{64 * 1024};
  return bytes;
}

// From this many top-level commands on, a whole-file fallback finds the
// undo lines of the two halves side by side (fallback.cpp), and a tree is
// written as text in two halves side by side (merge.cpp).  Tests move it.
inline std::atomic<std::size_t>& fileHalvesFrom() {
  static std::atomic<std::size_t> commands{512};
  return commands;
}

// From this many commands on, a reading's loose lines are linked below
// their enclosing commands in two halves side by side (build_trees.cpp).
// Tests move it.
inline std::atomic<std::size_t>& linkHalvesFrom() {
  static std::atomic<std::size_t> commands{16384};
  return commands;
}

// Whether this thread is one of two that sideBySide runs at once: work on
// it then leaves the other core to its sibling (readInParts does not split).
inline bool& sharingCores() {
  thread_local bool sharing = false;
  return sharing;
}

// Marks the thread as sharing the cores while it lives.
class SharingCores {
 public:
  SharingCores() : was_(sharingCores()) { sharingCores() = true; }
  ~SharingCores() { sharingCores() = was_; }
  SharingCores(const SharingCores&) = delete;
  SharingCores& operator=(const SharingCores&) = delete;

 private:
  bool was_;
};

// Gives this thread's heap room for about bytes more at once.  The C
// library grows the heap of a thread other than the first a page at a time,
// with a system call for each page, when it is first filled (thousands of
// calls for the trees of a large text); a block just below the size it
// would map on its own, taken and freed again, raises that mark in steps of
// its size instead.  Nothing is touched: the room costs no memory until it
// is used.  Called on threads of their own only.
inline void roomToGrow(std::size_t bytes) {
  constexpr std::size_t kStep = 120 * 1024;
  std::vector<void*> blocks;
  blocks.reserve(bytes / kStep + 1);
  for (std::size_t room = 0; room < bytes; room += kStep) blocks.push_back(std::malloc(kStep));
  for (void* block : blocks) std::free(block);
}

// The room the trees of a text of bytes take, at most about.
inline std::size_t treeRoom(std::size_t bytes) { return 12 * bytes; }

// Runs first and second, on two threads when together (and the machine has
// more than one), else one after the other; returns when both are done.  An
// exception of second is raised again here after first has finished.  The
// second thread first gives its heap secondRoom bytes of room (roomToGrow).
template <typename First, typename Second>
void sideBySide(bool together, First&& first, Second&& second, std::size_t secondRoom = 0) {
  if (!together || std::thread::hardware_concurrency() < 2) {
    first();
    second();
    return;
  }
  std::exception_ptr failed;
  std::thread other([&second, &failed, secondRoom] {
    const SharingCores sharing;
    try {
      roomToGrow(secondRoom);
      second();
    } catch (...) {
      failed = std::current_exception();
    }
  });
  const SharingCores sharing;
  try {
    first();
  } catch (...) {
    other.join();
    throw;
  }
  other.join();
  if (failed) std::rethrow_exception(failed);
}

// Where a list of top-level commands is cut in two halves of about the same
// work, a command counting with its children (anything with
// getChildCommands()); 0 for no cut: fewer than fileHalvesFrom() commands,
// or the cores are shared already.
template <typename Commands>
std::size_t halvesAt(const Commands& commands) {
  if (commands.size() < fileHalvesFrom().load(std::memory_order_relaxed) || sharingCores()) {
    return 0;
  }
  std::size_t total = 0;
  for (const auto* command : commands) total += 1 + command->getChildCommands().size();
  std::size_t sum = 0;
  for (std::size_t i = 0; i < commands.size(); ++i) {
    sum += 1 + commands[i]->getChildCommands().size();
    if (2 * sum >= total) return i + 1 < commands.size() ? i + 1 : 0;
  }
  return 0;
}

// Whether two texts are both large enough to be read side by side.
inline bool worthSideBySide(std::size_t a, std::size_t b) {
  const std::size_t least = sideBySideBytes().load(std::memory_order_relaxed);
  return a >= least && b >= least;
}

}  // namespace vexaparser::model

#endif  // VEXA_SRC_PARSER_MODEL_SIDE_BY_SIDE_H_
