#include "vexa/parser/parser_tree_node.h"

#include <array>
#include <iterator>
#include <mutex>
#include <random>
#include <string_view>

namespace vexaparser {

namespace {

struct LetterCode {
  std::string_view code;
  uint32_t bit;
};

constexpr LetterCode kLetterCodes[] = {
    {"k", kLetterK},   {"o", kLetterO},   {"a", kLetterA},   {"m", kLetterM},   {"mb", kLetterMb},
    {"ma", kLetterMa}, {"lb", kLetterLb}, {"le", kLetterLe}, {"n", kLetterN},   {"sn", kLetterSn},
    {"sb", kLetterSb}, {"ob", kLetterOb}, {"oe", kLetterOe}, {"nc", kLetterNc}, {"cf", kLetterCf},
    {"rp", kLetterRp}, {"ne", kLetterNe}, {"nk", kLetterNk}, {"if", kLetterIf}, {"wa", kLetterWa},
};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Complex children are keyed "complex_node_<counter>".  The counter starts at
// a random value so that children grafted together from different files
// (sub-modes, shared files) are unlikely to collide.  Kept below 2^30 so the
// increments never overflow.
int32_t randomCounterStart() {
  static std::minstd_rand engine{std::random_device{}()};
  return static_cast<int32_t>(engine() % (1u << 30));
}

// The codes as one number each (first character in the high byte), so that
// a code is found by comparing numbers: every mode-file line has a letters
// field.
constexpr uint32_t codeNumber(std::string_view code) {
  return code.size() == 1   ? static_cast<unsigned char>(code[0])
         : code.size() == 2 ? static_cast<uint32_t>(static_cast<unsigned char>(code[0])) << 8 |
                                  static_cast<unsigned char>(code[1])
                            : 0;
}

// The number of each code of the table, in its order.
constexpr auto kCodeNumbers = [] {
  std::array<uint32_t, std::size(kLetterCodes)> numbers{};
  for (std::size_t i = 0; i < numbers.size(); ++i) numbers[i] = codeNumber(kLetterCodes[i].code);
  return numbers;
}();

}  // namespace

uint32_t letterBit(std::string_view code) {
  const uint32_t number = codeNumber(code);
  if (number == 0) return 0;
  for (std::size_t i = 0; i < kCodeNumbers.size(); ++i) {
    if (kCodeNumbers[i] == number) return kLetterCodes[i].bit;
  }
  return 0;
}

uint32_t parseLetters(std::string_view field) {
  uint32_t bits = 0;
  std::size_t pos = 0;
  while (pos <= field.size()) {
    std::size_t slash = field.find('/', pos);
    if (slash == std::string_view::npos) slash = field.size();
    std::string_view code = field.substr(pos, slash - pos);
    while (!code.empty() && isBlank(code.front())) code.remove_prefix(1);
    while (!code.empty() && isBlank(code.back())) code.remove_suffix(1);
    bits |= letterBit(code);
    pos = slash + 1;
  }
  return bits;
}

std::string formatLetters(uint32_t letters) {
  std::string out;
  // Table order is not bit order ("n" is 0x200 after "le" 0x80); walk bits.
  for (uint32_t bit = 1; bit != 0; bit <<= 1) {
    if ((letters & bit) == 0) continue;
    for (const LetterCode& entry : kLetterCodes) {
      if (entry.bit == bit) {
        if (!out.empty()) out += '/';
        out += entry.code;
      }
    }
  }
  return out;
}

ParserTreeNode::ParserTreeNode() : complexCounter(randomCounterStart()) {}

ParserTreeNode::ParserTreeNode(int32_t counter) : complexCounter(counter) {}

const ParserTreeNode::HelpMap& ParserTreeNode::helps() const {
  static const HelpMap kNone;
  if (helpRecord_.load(std::memory_order_acquire) != nullptr) readHelpRecord();
  return helpMap_ == nullptr ? kNone : *helpMap_;
}

ParserTreeNode::HelpMap& ParserTreeNode::helpsToEdit() {
  if (helpRecord_.load(std::memory_order_acquire) != nullptr) readHelpRecord();
  if (helpMap_ == nullptr) helpMap_ = std::make_unique<HelpMap>();
  return *helpMap_;
}

void ParserTreeNode::helpsFromRecord(const char* at, uint32_t size, HelpReader read) {
  helpMap_.reset();
  helpRecordSize_ = size;
  helpReader_ = read;
  helpRecord_.store(at, std::memory_order_release);
}

void ParserTreeNode::readHelpRecord() const {
  // Two terminals may ask at once: one reads, the other waits for it.
  static std::mutex reading;
  const std::lock_guard<std::mutex> hold(reading);
  const char* at = helpRecord_.load(std::memory_order_relaxed);
  if (at == nullptr) return;
  if (helpMap_ == nullptr) helpMap_ = std::make_unique<HelpMap>();
  helpReader_(at, helpRecordSize_, *helpMap_);
  helpRecord_.store(nullptr, std::memory_order_release);
}

ParserTreeNode::~ParserTreeNode() { delete lookup.load(); }

void ParserTreeNode::addChild(const std::string& key, const std::string& help,
                              ParserTreeNode* child, bool optional) {
  if (key.empty() || child == nullptr) return;
  if (child->optionMember) {
    optionChildren[key] = child;
  } else if (optional) {
    optionalChildren[key] = child;
  } else {
    children[key] = child;
  }
  if (!child->complexMark) helpsToEdit()[key] = help;
  // A node re-added below itself ("[x]" on a root) must not become its own
  // parent: ancestor walks would never end.
  if (child->parent == nullptr && child != this) child->parent = this;
}

std::string ParserTreeNode::firstKey() const {
  return keySet.empty() ? std::string() : keySet.begin()->first;
}

std::string ParserTreeNode::firstHelp() const {
  return keySet.empty() ? std::string() : keySet.begin()->second;
}

}  // namespace vexaparser
