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

// Walks the ascending positions of the chain from first and of wild
// together (no duplicates between them) until pred answers; returns that
// position or none.
template <typename Pred>
std::size_t firstOfBoth(const SiblingIndex::KeyChains& chains, uint32_t first,
                        const std::vector<std::size_t>& wild, std::size_t none, Pred pred) {
  constexpr uint32_t kEnd = SiblingIndex::KeyChains::kEnd;
  uint32_t a = first;
  std::size_t j = 0;
  while (a != kEnd || j < wild.size()) {
    std::size_t at = 0;
    if (j >= wild.size() || (a != kEnd && a < wild[j])) {
      at = a;
      a = chains.next(a);
    } else {
      at = wild[j++];
    }
    if (pred(at)) return at;
  }
  return none;
}

}  // namespace

// ---- KeyChains ----

void SiblingIndex::KeyChains::clear() {
  slots_.clear();
  inUse_ = 0;
  next_.clear();
}

std::size_t SiblingIndex::KeyChains::slotOf(std::uint64_t key) const {
  // The keys are hashes already; the top bits pick the slot.
  const std::size_t mask = slots_.size() - 1;
  std::size_t at = static_cast<std::size_t>((key * 0x9e3779b97f4a7c15ULL) >> 20) & mask;
  while (slots_[at].first != kEnd && slots_[at].key != key) at = (at + 1) & mask;
  return at;
}

void SiblingIndex::KeyChains::grow() {
  std::vector<Slot> old = std::move(slots_);
  slots_.assign(old.empty() ? 64 : 2 * old.size(), Slot{});
  for (const Slot& slot : old) {
    if (slot.first != kEnd) slots_[slotOf(slot.key)] = slot;
  }
}

void SiblingIndex::KeyChains::add(std::uint64_t key, uint32_t position) {
  if (2 * (inUse_ + 1) > slots_.size()) grow();
  if (next_.size() <= position) next_.resize(static_cast<std::size_t>(position) + 1, kEnd);
  next_[position] = kEnd;
  Slot& slot = slots_[slotOf(key)];
  if (slot.first == kEnd) {
    slot.key = key;
    slot.first = position;
    ++inUse_;
  } else {
    next_[slot.last] = position;
  }
  slot.last = position;
}

uint32_t SiblingIndex::KeyChains::first(std::uint64_t key) const {
  if (slots_.empty()) return kEnd;
  return slots_[slotOf(key)].first;
}

// ---- SiblingIndex ----

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
    const auto position = static_cast<uint32_t>(indexed_);
    comparable_.add(comparableKey(command), position);
    if (firstHoldsEnd(command)) {
      wild_.push_back(indexed_);
    } else {
      byFirstNode_.add(reinterpret_cast<std::uintptr_t>(path.front().first), position);
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
  for (uint32_t at = comparable_.first(comparableKey(command)); at != KeyChains::kEnd;
       at = comparable_.next(at)) {
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
  const uint32_t sameNode =
      byFirstNode_.first(reinterpret_cast<std::uintptr_t>(path.front().first));
  return firstOfBoth(byFirstNode_, sameNode, wild_, none,
                     [&](std::size_t at) { return list_[at]->isNoable(noCommand); });
}

}  // namespace vexaparser::model
