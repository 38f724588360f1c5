// WordSet: the words typed at one node of a command's node path
// (CiscoCommandLine::NodePath), in ascending order, without duplicates.
//
// Almost every element of a node path holds a single word, and a
// configuration tree holds one path per command: so the single word lives
// inside the set, and only a second word moves the words to a sorted
// vector.  It reads like the std::set<std::string> it replaces (ordered
// iteration, count, insert, erase, comparison, conversion to a std::set).
#ifndef VEXA_PARSER_WORD_SET_H_
#define VEXA_PARSER_WORD_SET_H_

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vexaparser {

class WordSet {
 public:
  using value_type = std::string;
  using const_iterator = const std::string*;
  using iterator = const_iterator;
  using size_type = std::size_t;

  WordSet() = default;
  // The set of one word.
  explicit WordSet(std::string word) : one_(std::move(word)), size_(1) {}
  WordSet(std::initializer_list<std::string> words) {
    for (const std::string& word : words) insert(word);
  }
  WordSet(const WordSet& other) : one_(other.one_), size_(other.size_) {
    if (other.many_ != nullptr) many_ = std::make_unique<std::vector<std::string>>(*other.many_);
  }
  WordSet(WordSet&&) noexcept = default;
  WordSet& operator=(const WordSet& other) {
    if (this != &other) *this = WordSet(other);
    return *this;
  }
  WordSet& operator=(WordSet&&) noexcept = default;

  const_iterator begin() const { return many_ != nullptr ? many_->data() : &one_; }
  const_iterator end() const { return begin() + size_; }
  size_type size() const { return size_; }
  bool empty() const { return size_ == 0; }
  size_type count(std::string_view word) const { return find(word) != end() ? 1 : 0; }

  // Adds word unless present; whether it was added.
  bool insert(std::string word) {
    if (many_ == nullptr) {
      if (size_ == 0) {
        one_ = std::move(word);
        size_ = 1;
        return true;
      }
      if (one_ == word) return false;
      many_ = std::make_unique<std::vector<std::string>>();
      many_->reserve(2);
      many_->push_back(std::exchange(one_, std::string()));
    }
    auto at = std::lower_bound(many_->begin(), many_->end(), word);
    if (at != many_->end() && *at == word) return false;
    many_->insert(at, std::move(word));
    size_ = static_cast<uint32_t>(many_->size());
    return true;
  }
  template <typename It>
  void insert(It first, It last) {
    for (; first != last; ++first) insert(*first);
  }
  // Removes word; the number removed (0 or 1).
  size_type erase(std::string_view word) {
    if (many_ == nullptr) {
      if (size_ == 0 || one_ != word) return 0;
      one_ = std::string();
      size_ = 0;
      return 1;
    }
    auto at = std::lower_bound(many_->begin(), many_->end(), word,
                               [](const std::string& a, std::string_view b) { return a < b; });
    if (at == many_->end() || *at != word) return 0;
    many_->erase(at);
    size_ = static_cast<uint32_t>(many_->size());
    return 1;
  }

  operator std::set<std::string>() const { return std::set<std::string>(begin(), end()); }

  friend bool operator==(const WordSet& a, const WordSet& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
  }
  friend bool operator==(const WordSet& a, const std::set<std::string>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
  }

 private:
  const_iterator find(std::string_view word) const {
    if (many_ == nullptr) return size_ == 1 && one_ == word ? begin() : end();
    auto at = std::lower_bound(many_->begin(), many_->end(), word,
                               [](const std::string& a, std::string_view b) { return a < b; });
    return at != many_->end() && *at == word ? &*at : end();
  }

  // The word while there is at most one and no vector was needed.
  std::string one_;
  std::unique_ptr<std::vector<std::string>> many_;
  uint32_t size_ = 0;
};

}  // namespace vexaparser

#endif  // VEXA_PARSER_WORD_SET_H_
