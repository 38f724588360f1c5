// WordSet: the words typed at one node of a command's node path
// (CiscoCommandLine::NodePath), in ascending order, without duplicates.
//
// A configuration tree holds one node path per command, and almost every
// element of a path holds a single short word (a keyword, a number, an
// address).  So the set takes 16 bytes: a word of up to 15 characters lives
// inside it, a longer single word in one block of characters, and only a
// second word moves the words to a sorted vector.  It reads like a
// std::set<std::string> (ordered iteration, count, insert, erase,
// comparison, conversion to a std::set); its words are read as
// std::string_view, valid until the set changes.
#ifndef VEXA_PARSER_WORD_SET_H_
#define VEXA_PARSER_WORD_SET_H_

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vexaparser {

class WordSet {
 public:
  using value_type = std::string_view;
  using size_type = std::size_t;

  class const_iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string_view;

    const_iterator() = default;
    std::string_view operator*() const { return set_->at(index_); }
    const_iterator& operator++() {
      ++index_;
      return *this;
    }
    const_iterator operator++(int) {
      const_iterator before = *this;
      ++index_;
      return before;
    }
    friend bool operator==(const_iterator a, const_iterator b) { return a.index_ == b.index_; }
    friend bool operator!=(const_iterator a, const_iterator b) { return a.index_ != b.index_; }

   private:
    friend class WordSet;
    const_iterator(const WordSet* set, size_type index) : set_(set), index_(index) {}
    const WordSet* set_ = nullptr;
    size_type index_ = 0;
  };
  using iterator = const_iterator;

  WordSet() = default;
  // The set of one word.
  explicit WordSet(std::string_view word) { setOne(word); }
  WordSet(std::initializer_list<std::string_view> words) {
    for (std::string_view word : words) insert(word);
  }
  WordSet(const WordSet& other) { copyFrom(other); }
  WordSet(WordSet&& other) noexcept {
    std::memcpy(bytes_, other.bytes_, sizeof bytes_);
    other.bytes_[kTag] = kEmpty;
  }
  WordSet& operator=(const WordSet& other) {
    if (this != &other) {
      release();
      copyFrom(other);
    }
    return *this;
  }
  WordSet& operator=(WordSet&& other) noexcept {
    if (this != &other) {
      release();
      std::memcpy(bytes_, other.bytes_, sizeof bytes_);
      other.bytes_[kTag] = kEmpty;
    }
    return *this;
  }
  ~WordSet() { release(); }

  const_iterator begin() const { return const_iterator(this, 0); }
  const_iterator end() const { return const_iterator(this, size()); }
  size_type size() const {
    const uint8_t tag = tagOf();
    if (tag == kEmpty) return 0;
    if (tag == kMany) return many()->size();
    return 1;
  }
  bool empty() const { return tagOf() == kEmpty; }
  size_type count(std::string_view word) const {
    if (tagOf() != kMany) return !empty() && at(0) == word ? 1 : 0;
    return std::binary_search(many()->begin(), many()->end(), word, Less()) ? 1 : 0;
  }

  // Adds word unless present; whether it was added.
  bool insert(std::string_view word) {
    const uint8_t tag = tagOf();
    if (tag == kEmpty) {
      setOne(word);
      return true;
    }
    if (tag != kMany) {
      const std::string_view one = at(0);
      if (one == word) return false;
      auto* words = new std::vector<std::string>();
      words->reserve(2);
      words->emplace_back(one);
      release();
      setMany(words);
    }
    std::vector<std::string>& words = *many();
    auto pos = std::lower_bound(words.begin(), words.end(), word, Less());
    if (pos != words.end() && *pos == word) return false;
    words.emplace(pos, word);
    return true;
  }
  template <typename It>
  void insert(It first, It last) {
    for (; first != last; ++first) insert(std::string_view(*first));
  }
  // Removes word; the number removed (0 or 1).
  size_type erase(std::string_view word) {
    if (tagOf() != kMany) {
      if (empty() || at(0) != word) return 0;
      release();
      return 1;
    }
    std::vector<std::string>& words = *many();
    auto pos = std::lower_bound(words.begin(), words.end(), word, Less());
    if (pos == words.end() || *pos != word) return 0;
    words.erase(pos);
    if (words.size() == 1) {
      // Back to the form of a set of one word (see operator==).
      std::vector<std::string>* last = many();
      bytes_[kTag] = kEmpty;
      setOne(last->front());
      delete last;
    }
    return 1;
  }

  operator std::set<std::string>() const {
    std::set<std::string> words;
    for (std::string_view word : *this) words.emplace(word);
    return words;
  }

  // A set has one form for its words: none, one word (inside, zero-padded,
  // or in a block), or two and more in the vector.  So a set holding a word
  // inside equals another only byte for byte.
  friend bool operator==(const WordSet& a, const WordSet& b) {
    const uint8_t ta = a.tagOf();
    const uint8_t tb = b.tagOf();
    if (ta >= kInline || tb >= kInline) return std::memcmp(a.bytes_, b.bytes_, sizeof a.bytes_) == 0;
    if (ta != tb) return false;
    if (ta == kEmpty) return true;
    if (ta == kLong) return a.at(0) == b.at(0);
    return *a.many() == *b.many();
  }
  // Equal sets give equal values.
  std::size_t hashValue() const {
    const uint8_t tag = tagOf();
    if (tag >= kInline) {
      uint64_t low = 0;
      uint64_t high = 0;
      std::memcpy(&low, bytes_, 8);
      std::memcpy(&high, bytes_ + 8, 8);
      const uint64_t mixed = (low ^ (high * 0x9e3779b97f4a7c15ULL)) * 0xff51afd7ed558ccdULL;
      return static_cast<std::size_t>(mixed ^ (mixed >> 32));
    }
    std::size_t value = size();
    for (std::string_view word : *this) {
      value = (value ^ std::hash<std::string_view>{}(word)) * 0x100000001b3ULL;
    }
    return value;
  }
  friend bool operator!=(const WordSet& a, const WordSet& b) { return !(a == b); }
  friend bool operator==(const WordSet& a, const std::set<std::string>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
  }

 private:
  struct Less {
    bool operator()(std::string_view a, std::string_view b) const { return a < b; }
  };

  // bytes_[kTag] says what the other fifteen bytes hold:
  //   kEmpty        nothing;
  //   kLong         one word: a char block (pointer) and its length (uint32);
  //   kMany         a pointer to the sorted std::vector<std::string>;
  //   kInline + n   one word of n characters (n <= 15) in bytes_[0..n).
  static constexpr std::size_t kTag = 15;
  static constexpr std::size_t kInlineMax = 15;
  static constexpr uint8_t kEmpty = 0;
  static constexpr uint8_t kLong = 1;
  static constexpr uint8_t kMany = 2;
  static constexpr uint8_t kInline = 16;

  uint8_t tagOf() const { return static_cast<uint8_t>(bytes_[kTag]); }
  template <typename T>
  T* pointer() const {
    T* p = nullptr;
    std::memcpy(&p, bytes_, sizeof p);
    return p;
  }
  void setPointer(const void* p) { std::memcpy(bytes_, &p, sizeof p); }
  std::vector<std::string>* many() const { return pointer<std::vector<std::string>>(); }
  void setMany(std::vector<std::string>* words) {
    setPointer(words);
    bytes_[kTag] = static_cast<char>(kMany);
  }
  uint32_t longLength() const {
    uint32_t n = 0;
    std::memcpy(&n, bytes_ + sizeof(void*), sizeof n);
    return n;
  }

  // The word at index (index < size()).
  std::string_view at(size_type index) const {
    const uint8_t tag = tagOf();
    if (tag >= kInline) return std::string_view(bytes_, tag - kInline);
    if (tag == kLong) return std::string_view(pointer<char>(), longLength());
    return (*many())[index];
  }

  // Requires the set to hold nothing.
  void setOne(std::string_view word) {
    if (word.size() <= kInlineMax) {
      std::memcpy(bytes_, word.data(), word.size());
      std::memset(bytes_ + word.size(), 0, kInlineMax - word.size());
      bytes_[kTag] = static_cast<char>(kInline + word.size());
      return;
    }
    char* block = new char[word.size()];
    std::memcpy(block, word.data(), word.size());
    setPointer(block);
    const auto n = static_cast<uint32_t>(word.size());
    std::memcpy(bytes_ + sizeof(void*), &n, sizeof n);
    bytes_[kTag] = static_cast<char>(kLong);
  }
  // Requires the set to hold nothing.
  void copyFrom(const WordSet& other) {
    const uint8_t tag = other.tagOf();
    if (tag == kLong) {
      setOne(other.at(0));
    } else if (tag == kMany) {
      setMany(new std::vector<std::string>(*other.many()));
    } else {
      std::memcpy(bytes_, other.bytes_, sizeof bytes_);
    }
  }
  void release() {
    const uint8_t tag = tagOf();
    if (tag == kLong) delete[] pointer<char>();
    if (tag == kMany) delete many();
    bytes_[kTag] = kEmpty;
  }

  char bytes_[16] = {};
};

static_assert(sizeof(WordSet) == 16, "a node path element stays small");

}  // namespace vexaparser

#endif  // VEXA_PARSER_WORD_SET_H_
