#include "parser/model/sibling_index.h"

#include <cstdint>
#include <functional>
#include <string_view>

namespace vexaparser::model {

namespace {

// Folds a 64-bit value into hash (a multiply and a shift per value: the
// key is recomputed for every command a merge or fallback looks up).
void mix(std::uint64_t& hash, std::uint64_t value) {
  hash ^= value;
  hash *= 0x9e3779b97f4a7c15ULL;
  hash ^= hash >> 29;
}

// Two commands can only be comparable when the runs of "k" nodes at the
// front of their node paths are the same nodes with the same words: at a
// position where either path has a "k" node, isComparable demands the same
// node and words, so a run cannot end earlier in one path than in the other
// (and a path used up before its partner's "k" node fails as well).  The
// key is a hash of that run: commands with equal runs share a bucket, and
// the few others a collision adds are turned away by the real test.
std::uint64_t comparableKey(const CiscoCommandLine* command) {
  std::uint64_t hash = 0x243f6a8885a308d3ULL;
  for (const auto& [node, words] : command->getNodePath()) {
    if (node == nullptr || !node->hasLetter(kLetterK)) break;
    mix(hash, reinterpret_cast<std::uintptr_t>(node));
    mix(hash, words.hashValue());
  }
  return hash;
}

bool firstHoldsEnd(const CiscoCommandLine* command) {
  const auto& path = command->getNodePath();
  return !path.empty() && path.front().second.count(kEndKey) != 0;
}

// Walks the ascending positions of a and b together (no duplicates between
// them) until pred answers; returns that position or none.
template <typename Pred>
std::size_t firstOfBoth(const std::vector<std::size_t>* a, const std::vector<std::size_t>* b,
                        std::size_t none, Pred pred) {
  std::size_t i = 0;
  std::size_t j = 0;
  const std::size_t na = a == nullptr ? 0 : a->size();
  const std::size_t nb = b == nullptr ? 0 : b->size();
  while (i < na || j < nb) {
    std::size_t at = 0;
    if (j >= nb || (i < na && (*a)[i] < (*b)[j])) {
      at = (*a)[i++];
    } else {
      at = (*b)[j++];
    }
    if (pred(at)) return at;
  }
  return none;
}

}  // namespace

SiblingIndex::Head SiblingIndex::headOf(const CiscoCommandLine* command) {
  const auto& path = command->getNodePath();
  if (path.empty()) return Head{};
  return Head{path.front().first, firstHoldsEnd(command)};
}

void SiblingIndex::catchUp() {
  for (; indexed_ < list_.size(); ++indexed_) {
    const CiscoCommandLine* command = list_[indexed_];
    const auto& path = command->getNodePath();
    // A command without a node path (a line the grammar does not know)
    // answers neither question; leaving it out keeps the buckets of the
    // commands that do small.
    if (path.empty()) continue;
    comparable_[comparableKey(command)].push_back(indexed_);
    if (firstHoldsEnd(command)) {
      wild_.push_back(indexed_);
    } else {
      byFirstNode_[path.front().first].push_back(indexed_);
    }
  }
}

std::size_t SiblingIndex::firstComparable(const CiscoCommandLine* command) {
  const std::size_t none = list_.size();
  if (none < kMinIndexed) {
    for (std::size_t i = 0; i < none; ++i) {
      if (list_[i]->isComparable(command)) return i;
    }
    return none;
  }
  catchUp();
  auto bucket = comparable_.find(comparableKey(command));
  if (bucket == comparable_.end()) return none;
  for (std::size_t at : bucket->second) {
    if (list_[at]->isComparable(command)) return at;
  }
  return none;
}

std::size_t SiblingIndex::firstNoable(const CiscoCommandLine* noCommand) {
  const std::size_t none = list_.size();
  const auto& path = noCommand->getNodePath();
  // isNoable compares first nodes unless an end-of-line word stops the walk
  // at once; such "no" commands (and short lists) are walked directly.
  if (none < kMinIndexed || path.empty() || firstHoldsEnd(noCommand)) {
    for (std::size_t i = 0; i < none; ++i) {
      if (list_[i]->isNoable(noCommand)) return i;
    }
    return none;
  }
  catchUp();
  auto bucket = byFirstNode_.find(path.front().first);
  const std::vector<std::size_t>* sameNode =
      bucket == byFirstNode_.end() ? nullptr : &bucket->second;
  return firstOfBoth(sameNode, &wild_, none,
                     [&](std::size_t at) { return list_[at]->isNoable(noCommand); });
}

}  // namespace vexaparser::model
