// The text utilities of ParserToolCase: splitting, key / variable / whole
// forms, cleaning of captured output, access-list header translation, the
// field split of mode-file lines and the processor-clock timer.
#include "vexa/parser/parser_tool_case.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "vexa/host/stl_helper.h"

namespace vexaparser {

namespace {

constexpr std::string_view kWordSeparators = " \t\r\n";
constexpr std::string_view kMoreMarker = "--More--";

// The process-wide timer readings.
std::clock_t g_timer_start = 0;
std::clock_t g_timer_stop = 0;

// A byte table for reading mode-file fields: tabs become blanks, upper-case
// letters lower case, every other byte stays.
struct FieldFold {
  char to[256];
  constexpr FieldFold() : to() {
    for (int c = 0; c < 256; ++c) {
      to[c] = c == '\t' ? ' ' : (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a')
                                                        : static_cast<char>(c);
    }
  }
};
constexpr FieldFold kFieldFold;

// Calls fn(token) for every non-empty run of bytes not in delimiters, in
// order.  Stateless, unlike strtok, and safe on embedded NULs.
template <typename Fn>
void forEachToken(std::string_view text, std::string_view delimiters, Fn fn) {
  // A byte table: the library's find_first_of looks every byte up in the
  // delimiters one call at a time, which dominated splitting whole texts.
  bool isDelimiter[256] = {};
  for (char d : delimiters) isDelimiter[static_cast<unsigned char>(d)] = true;
  const size_t size = text.size();
  size_t pos = 0;
  while (pos < size) {
    while (pos < size && isDelimiter[static_cast<unsigned char>(text[pos])]) ++pos;
    if (pos == size) return;
    const size_t begin = pos;
    while (pos < size && !isDelimiter[static_cast<unsigned char>(text[pos])]) ++pos;
    fn(text.substr(begin, pos - begin));
  }
}

std::vector<std::string> tokens(std::string_view text, std::string_view delimiters) {
  std::vector<std::string> out;
  forEachToken(text, delimiters, [&out](std::string_view t) { out.emplace_back(t); });
  return out;
}

// Printable in the classic locale: the ASCII graphic characters and blank.
bool isClassicPrint(unsigned char c) { return c >= 0x20 && c <= 0x7e; }

bool isStrInCmdSeparator(char c) { return c == ' ' || c == '\t' || c == '\n'; }

bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// The value of a word read the way the C library reads a decimal int: an
// optional sign, then the leading digits (none gives 0).  Saturates instead of
// overflowing, which keeps every out-of-range word out of range.
int64_t leadingDecimalValue(std::string_view word) {
  size_t i = 0;
  bool negative = false;
  if (i < word.size() && (word[i] == '+' || word[i] == '-')) {
    negative = word[i] == '-';
    ++i;
  }
  int64_t value = 0;
  constexpr int64_t kCap = int64_t{1} << 40;
  for (; i < word.size() && isAsciiDigit(word[i]); ++i) {
    value = value * 10 + (word[i] - '0');
    if (value > kCap) value = kCap;
  }
  return negative ? -value : value;
}

// Concatenates the words of text for which keep(word) holds.
template <typename Pred>
std::string joinWords(const std::string& text, Pred keep) {
  std::string out;
  forEachToken(text, kWordSeparators, [&](std::string_view word) {
    if (keep(word)) out.append(word);
  });
  return out;
}

}  // namespace

void ParserToolCase::splitString(const std::string& text, const std::string& delimiters,
                                 std::vector<std::string>& out) {
  forEachToken(text, delimiters, [&out](std::string_view t) { out.emplace_back(t); });
}

void ParserToolCase::splitString(const std::string& text, const std::string& delimiters,
                                 std::list<std::string*>& out) {
  forEachToken(text, delimiters, [&out](std::string_view t) { out.push_back(new std::string(t)); });
}

std::string ParserToolCase::cleanLine(const std::string& line) {
  std::string out;
  out.reserve(line.size() + 2);
  forEachToken(line, kWordSeparators, [&out](std::string_view word) {
    out.append(word);
    out.push_back(' ');
  });
  out.push_back('\n');
  return out;
}

void ParserToolCase::removeMore(std::string& line) {
  size_t marker = line.find(kMoreMarker);
  if (marker == std::string::npos) return;
  std::string after = line.substr(marker + kMoreMarker.size());
  // The pager erases its prompt with control characters; what the device
  // printed after the last of them is the real text.
  size_t last_control = std::string::npos;
  for (size_t i = 0; i < after.size(); ++i) {
    if (!isClassicPrint(static_cast<unsigned char>(after[i]))) last_control = i;
  }
  if (last_control != std::string::npos) after.erase(0, last_control + 1);
  line = std::move(after);
}

CiscoCommandLineFlag ParserToolCase::getCmdFlag(const std::string& command,
                                                const std::set<std::string>& overwriteKeys) {
  if (command.empty()) return AppendCommand;
  bool is_no = command.compare(0, 3, "no ") == 0;
  bool overwrites = overwriteKeys.count(getKeyStr(command)) != 0;
  if (is_no) return overwrites ? NoOverwriteCommand : NoCommand;
  return overwrites ? OverwriteCommand : AppendCommand;
}

bool ParserToolCase::isTheSameCmd(const std::string& a, const std::string& b, bool checkNo) {
  std::string ka = getKeyStr(a);
  std::string kb = getKeyStr(b);
  if (!checkNo) return ka == kb;
  return ka == "no" + kb || "no" + ka == kb;
}

std::string ParserToolCase::getFirstKey(const std::string& text) {
  std::string first;
  bool found = false;
  forEachToken(text, kWordSeparators, [&](std::string_view word) {
    if (!found) first.assign(word);
    found = true;
  });
  return first;
}

std::string ParserToolCase::getKeyStr(const std::string& text) {
  return joinWords(text, [](std::string_view w) { return w.front() != '<'; });
}

std::string ParserToolCase::getVariableStr(const std::string& text) {
  return joinWords(text, [](std::string_view w) { return w.front() == '<'; });
}

std::string ParserToolCase::getWholeStr(const std::string& text) {
  return joinWords(text, [](std::string_view) { return true; });
}

void ParserToolCase::getVarFromPvFormStr(const std::string& text, std::string& out) {
  if (text.size() < 2) {
    out.clear();
    return;
  }
  out = text.substr(1, text.size() - 2);
}

void ParserToolCase::testOptionToken(const std::string& token, std::string& out, bool& hasOpen,
                                     bool& hasClose) {
  size_t open = token.find('[');
  hasOpen = open != std::string::npos;
  hasClose = token.find(']') != std::string::npos;
  size_t begin = hasOpen ? open + 1 : 0;
  // A "]" before the "[" does not close it: the option runs to the end.
  size_t end = token.find(']', begin);
  if (end == std::string::npos) end = token.size();
  out = token.substr(begin, end - begin);
}

void ParserToolCase::filterLines(const std::string& text, std::string& out) {
  forEachToken(text, "\r\n", [&out](std::string_view line) {
    if (line.find('!') != std::string_view::npos) return;
    if (line.find("version") != std::string_view::npos) return;
    out.append(line);
    out.append(" \n");
  });
}

bool ParserToolCase::strInCmd(const std::string& command, const std::string& words) {
  size_t i = 0;
  size_t j = 0;
  const size_t n = command.size();
  const size_t m = words.size();
  while (i < n && j < m) {
    while (i < n && isStrInCmdSeparator(command[i])) ++i;
    while (j < m && isStrInCmdSeparator(words[j])) ++j;
    // The blanks between the words were skipped on both sides independently,
    // so "ip address" also matches "ipaddress".
    while (j < m && !isStrInCmdSeparator(words[j])) {
      if (i >= n || command[i] != words[j]) return false;
      ++i;
      ++j;
    }
  }
  if (j < m) return false;
  return i >= n || isStrInCmdSeparator(command[i]);
}

void ParserToolCase::getBothAclCmdsStr(std::string& command, std::string& other) {
  std::vector<std::string> words = tokens(command, " \t\n");
  if (words.empty()) return;
  if (words[0] == "access-list") {
    other = "ip access-list";
    if (words.size() > 1) {
      int64_t n = leadingDecimalValue(words[1]);
      if (n >= 1 && n <= 99) {
        other += " standard " + words[1];
      } else if (n >= 100 && n <= 199) {
        other += " extended " + words[1];
      } else {
        other.clear();
      }
    }
    return;
  }
  if (words[0] != "ip") return;
  if (words.size() < 2 || words[1] != "access-list") {
    command.clear();
    other.clear();
    return;
  }
  other = command;
  if (words.size() == 2) {
    command = "access-list";
    return;
  }
  if ((words[2] == "standard" || words[2] == "extended") && words.size() > 3 &&
      isAsciiDigit(words[3][0])) {
    int64_t n = leadingDecimalValue(words[3]);
    if (n >= 1 && n <= 199) {
      command = "access-list " + words[3];
      return;
    }
  }
  command.clear();
}

void ParserToolCase::divideString(const std::string& text, std::string& head, std::string& tail) {
  if (!text.empty() && text[0] == '!') {
    head = text;
    return;
  }
  size_t bar = text.rfind('|');
  if (bar == std::string::npos) {
    head.clear();
    tail = text;
    return;
  }
  head = text.substr(0, bar + 1);
  tail = text.substr(bar + 1);
}

void ParserToolCase::parseCmdLine(const std::string& line, std::string& field1, std::string& field2,
                                  std::string& field3, std::string& field4, std::string& rest) {
  field1.clear();
  field2.clear();
  field3.clear();
  field4.clear();
  rest.clear();

  // Tabs count as blanks; leading blanks go.
  size_t start = 0;
  while (start < line.size() && (line[start] == ' ' || line[start] == '\t')) ++start;
  if (start == line.size()) return;
  const std::string_view text = std::string_view(line).substr(start);

  // The fields are the "|"-separated pieces of the head, tabs made blanks and
  // lowered: the whole text for a "!" line, else the text up to its last "|"
  // (the rest is the tail, tabs made blanks).  The first piece is dropped
  // when empty; a later empty piece ("||") is a one-blank field, so that
  // every field keeps its place.  Read in one pass, without a copy.
  size_t headSize = text.size();
  if (text[0] != '!') {
    const size_t bar = text.rfind('|');
    headSize = bar == std::string_view::npos ? 0 : bar + 1;
    rest.assign(text.substr(headSize));
    std::replace(rest.begin(), rest.end(), '\t', ' ');
    if (headSize == 0) return;
  }
  std::string* fields[] = {&field1, &field2, &field3, &field4};
  size_t index = 0;
  for (size_t pos = 0; pos < headSize && index < 4;) {
    const void* bar = std::memchr(text.data() + pos, '|', headSize - pos);
    const size_t stop =
        bar == nullptr ? headSize : static_cast<size_t>(static_cast<const char*>(bar) - text.data());
    if (stop == pos) {
      if (pos > 0) *fields[index++] = " ";
    } else {
      std::string& out = *fields[index++];
      out.resize(stop - pos);
      char* to = out.data();
      for (size_t i = pos; i < stop; ++i) *to++ = kFieldFold.to[static_cast<unsigned char>(text[i])];
    }
    pos = stop + 1;
  }
}

bool ParserToolCase::isIpACLWithNo(const std::string& text) {
  if (text.empty()) return false;
  std::string rest = string2Lower(text);
  if (vexahost::StlHelper::GetFirstWord(rest) != "ip") return false;
  if (vexahost::StlHelper::GetFirstWord(rest) != "access-list") return false;
  std::string kind = vexahost::StlHelper::GetFirstWord(rest);
  if (kind != "standard" && kind != "extended") return false;
  std::string number = vexahost::StlHelper::GetFirstWord(rest);
  if (number.empty()) return false;
  for (char c : number) {
    if (!isAsciiDigit(c)) return false;
  }
  return true;
}

bool ParserToolCase::isPvFormStr(const std::string& text) {
  return text.size() >= 2 && text.front() == '<' && text.back() == '>';
}

std::string ParserToolCase::string2Lower(const std::string& text) {
  std::string out = text;
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::string ParserToolCase::string2CutSpace(const std::string& text) {
  size_t last_non_blank = text.find_last_not_of(' ');
  size_t last_non_cr = text.find_last_not_of('\r');
  if (last_non_blank == std::string::npos || last_non_cr == std::string::npos) return "";
  // Only one kind of trailing character goes: "x \r" keeps its blank.
  size_t keep = std::min(last_non_blank, last_non_cr);
  return text.substr(0, keep + 1);
}

void ParserToolCase::timerStart() { g_timer_start = std::clock(); }

void ParserToolCase::timerStop() { g_timer_stop = std::clock(); }

double ParserToolCase::elapsedTime() {
  return static_cast<double>(g_timer_stop - g_timer_start) / CLOCKS_PER_SEC;
}

}  // namespace vexaparser
