#include "vexa/console/key_decoder.h"

namespace vexaconsole {

namespace {

constexpr char kEscape = 27;

// The editor's extended-key bytes (PC scan codes taken as negative bytes).
constexpr char kUp = static_cast<char>(-72);
constexpr char kDown = static_cast<char>(-80);
constexpr char kRight = static_cast<char>(-77);
constexpr char kLeft = static_cast<char>(-75);
constexpr char kHome = static_cast<char>(-71);
constexpr char kEnd = static_cast<char>(-79);
constexpr char kInsert = static_cast<char>(-82);
constexpr char kDelete = static_cast<char>(-83);

bool isFinalByte(char c) { return c >= 0x40 && c <= 0x7e; }
bool isParameterByte(char c) { return c >= 0x20 && c <= 0x3f; }

char letterKey(char final) {
  switch (final) {
    case 'A':
      return kUp;
    case 'B':
      return kDown;
    case 'C':
      return kRight;
    case 'D':
      return kLeft;
    case 'H':
      return kHome;
    case 'F':
      return kEnd;
    default:
      return 0;
  }
}

char tildeKey(int number) {
  switch (number) {
    case 1:
    case 7:
      return kHome;
    case 2:
      return kInsert;
    case 3:
      return kDelete;
    case 4:
    case 8:
      return kEnd;
    default:
      return 0;
  }
}

}  // namespace

std::string KeyDecoder::translate(const std::string& sequence) {
  const char final = sequence.back();
  char key = 0;
  if (sequence[1] == 'O') {
    key = letterKey(final);
  } else if (final == '~') {
    // ESC [ n ~ or ESC [ n ; modifiers ~: the first number names the key.
    int number = 0;
    for (std::size_t i = 2; i < sequence.size() && sequence[i] >= '0' && sequence[i] <= '9'; ++i) {
      number = number * 10 + (sequence[i] - '0');
      if (number > 1000) break;
    }
    key = tildeKey(number);
  } else {
    key = letterKey(final);
  }
  return key == 0 ? std::string() : std::string(1, key);
}

void KeyDecoder::feed(const char* data, std::size_t size, std::vector<std::string>& keys) {
  for (std::size_t i = 0; i < size; ++i) feedByte(data[i], keys);
}

void KeyDecoder::feedByte(char byte, std::vector<std::string>& keys) {
  if (sequence_.empty()) {
    if (byte == kEscape) {
      sequence_ = byte;
    } else {
      keys.emplace_back(1, byte);
    }
    return;
  }
  if (sequence_.size() == 1) {
    if (byte == '[' || byte == 'O') {
      sequence_ += byte;
      return;
    }
    // ESC and an ordinary byte: the ESC key, then the byte on its own.
    keys.emplace_back(1, kEscape);
    sequence_.clear();
    feedByte(byte, keys);
    return;
  }
  const bool ss3 = sequence_[1] == 'O';
  if (isFinalByte(byte)) {
    sequence_ += byte;
    std::string key = translate(sequence_);
    sequence_.clear();
    if (!key.empty()) keys.push_back(key);
    return;
  }
  if (!ss3 && isParameterByte(byte) && sequence_.size() < kMaxSequence) {
    sequence_ += byte;
    return;
  }
  // A byte that cannot continue the sequence cuts it short: the beginning is
  // dropped and the byte counts on its own.
  sequence_.clear();
  feedByte(byte, keys);
}

void KeyDecoder::flush(std::vector<std::string>& keys) {
  if (sequence_.size() == 1) keys.emplace_back(1, kEscape);
  sequence_.clear();
}

}  // namespace vexaconsole
