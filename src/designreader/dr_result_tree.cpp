// Result files of design-reader runs read into trees of lines.

#include "vexa/designreader/dr_result_tree.h"

#include <climits>
#include <fstream>
#include <sstream>

#include "vexa/host/pathname.h"

namespace vexadr {

namespace {

constexpr char kNumberMark[] = ":::";
constexpr char kOpenTag[] = "!#tag#";
constexpr char kCloseTag[] = "!#tag_close#";
constexpr char kCountMark[] = "#LineNumbers#";

// The value of the decimal digits at the start of text (0 without any),
// held at INT_MAX when it is larger.
int leadingNumber(const std::string& text, size_t from = 0) {
  long long value = 0;
  for (size_t i = from; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > INT_MAX) return INT_MAX;
  }
  return static_cast<int>(value);
}

// Reads the next line without its line end (a CR before the LF goes too,
// as a text-mode stream drops it); false at the end of the stream.
bool nextLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

bool isTagged(const LineFormat& line) { return line.tagKind == 1 || line.tagKind == 2; }

}  // namespace

LineFormat::LineFormat(const std::string& raw) {
  std::string line = raw;
  for (char& c : line) {
    if (c == '\b') c = ' ';
  }
  const size_t mark = line.find(kNumberMark);
  if (mark == std::string::npos) {
    text = line;
    return;
  }
  number = leadingNumber(line);
  const std::string rest = line.substr(mark + sizeof(kNumberMark) - 1);

  // The tag stands at the end of the line, so its last occurrence counts.
  const size_t count = rest.rfind(kCountMark);
  if (count != std::string::npos) {
    const char* tag = nullptr;
    if (rest.find(kCloseTag) != std::string::npos) {
      tagKind = 2;
      tag = kCloseTag;
    } else if (rest.find(kOpenTag) != std::string::npos) {
      tagKind = 1;
      tag = kOpenTag;
    }
    if (tag != nullptr) {
      const size_t tagLength = std::char_traits<char>::length(tag);
      size_t at = rest.rfind(tag, count);
      if (at == std::string::npos) at = rest.find(tag);
      const size_t noteBegin = at + tagLength;
      const std::string note =
          noteBegin < count ? rest.substr(noteBegin, count - noteBegin) : std::string();
      // One separator character stands between the text and the tag.
      text = at > 0 ? rest.substr(0, at - 1) : std::string();
      if (!note.empty()) text += " !" + note;
      lineCount = leadingNumber(rest, count + sizeof(kCountMark) - 1);
      return;
    }
  }
  text = rest;
}

LineFormat::~LineFormat() = default;

DRResultTree::DRResultTree(const std::string& path) { genResultTree(path); }

DRResultTree::~DRResultTree() = default;

std::unique_ptr<DRResultTree> DRResultTree::fromText(const std::string& text) {
  std::unique_ptr<DRResultTree> tree(new DRResultTree());
  std::istringstream in(text);
  tree->readAll(in);
  return tree;
}

bool DRResultTree::genResultTree(const std::string& path) {
  if (!vexahost::Pathname(path).exists()) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  readAll(in);
  return true;
}

void DRResultTree::readAll(std::istream& in) {
  std::string pending;
  bool hasPending = false;
  for (;;) {
    if (!hasPending && !nextLine(in, pending)) break;
    hasPending = false;
    auto line = std::make_unique<LineFormat>(pending);
    if (isTagged(*line)) {
      line->subTree =
          genResultTree(in, pending, hasPending,
                        static_cast<long long>(line->number) + line->lineCount, line->lineCount, 1);
    }
    lines_.push_back(std::move(line));
  }
}

std::unique_ptr<DRResultTree> DRResultTree::genResultTree(std::istream& in, std::string& pending,
                                                          bool& hasPending, long long limit,
                                                          int count, int depth) {
  if (in.bad() || count < 1 || depth > kMaxDepth) return nullptr;
  std::unique_ptr<DRResultTree> tree(new DRResultTree());
  int taken = 0;
  for (;;) {
    if (!hasPending) {
      if (taken >= count) return tree;
      if (!nextLine(in, pending)) return tree;
      hasPending = true;
    }
    ++taken;
    auto line = std::make_unique<LineFormat>(pending);
    if (line->number > limit) return tree;  // the enclosing reader takes it
    hasPending = false;
    if (isTagged(*line)) {
      line->subTree = genResultTree(in, pending, hasPending,
                                    static_cast<long long>(line->number) + line->lineCount,
                                    line->lineCount, depth + 1);
    }
    tree->lines_.push_back(std::move(line));
  }
}

void DRResultTree::getAllLines(std::map<int, std::string>& lines) const {
  for (const auto& line : lines_) {
    if (line->number > 0) lines.emplace(line->number, line->text);
    if (line->subTree) line->subTree->getAllLines(lines);
  }
}

}  // namespace vexadr
