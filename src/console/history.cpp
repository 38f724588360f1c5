// GetLineData: the history ring, the history file and incremental search.
//
// The ring has kHistorySize slots; the slot at the history end always holds
// the empty text, so at most kHistorySize - 1 lines are kept.  The history
// file gets every stored line appended; when it passes 100 lines its first
// 40 are dropped by writing the rest to a temporary file that replaces it,
// so a failure (full disk, folder not writable) leaves the old file whole.
#include <algorithm>
#include <cstring>
#include <new>
#include <string>

#include "vexa/console/get_line_data.h"
#include "vexa/host/file_update.h"
#include "vexa/host/pathname.h"

namespace vexaconsole {

namespace {

constexpr int kBell = 7;
// History file lines read as one piece at most (longer lines give several).
constexpr std::size_t kHistoryPiece = 255;
constexpr int kHistoryFileLimit = 100;
constexpr int kHistoryFileDrop = 40;

int countLines(const std::string& text) {
  int lines = 0;
  for (char c : text) lines += c == '\n' ? 1 : 0;
  if (!text.empty() && text.back() != '\n') ++lines;
  return lines;
}

}  // namespace

void GetLineData::hist_init() {
  if (histFileLines_ != 0) return;
  for (auto& slot : hist_) slot.reset();
  hist_[0] = std::string();
  histPos_ = histEnd_ = 0;
  histPrevEntry_.reset();
}

void GetLineData::Gl_histinit(const char* file) {
  histFileLines_ = 0;
  hist_init();
  if (file == nullptr || std::strcmp(file, "-") == 0) return;
  // Names of any length are used as given; the file system has the last word.
  histFileName_ = file;
  std::string text;
  int lines = 0;
  if (vexahost::readFileHead(histFileName_, kMaxHistoryFileBytes, text)) {
    for (std::size_t pos = 0; pos < text.size();) {
      std::size_t end = std::min(text.size(), pos + kHistoryPiece);
      const std::size_t lineEnd = text.find('\n', pos);
      if (lineEnd != std::string::npos && lineEnd < end) end = lineEnd + 1;
      // A piece is a C text: anything after a zero byte is not part of it.
      Gl_histadd(std::string(text, pos, end - pos).c_str());
      pos = end;
    }
    lines = countLines(text);
  } else if (!vexahost::Pathname(histFileName_).exists()) {
    vexahost::appendToFile(histFileName_, "");
  }
  histFileLines_ = lines + 1;
}

std::string GetLineData::hist_save(const char* line) {
  try {
    std::string copy(line);
    if (copy.find('\n') != std::string::npos) copy.pop_back();
    return copy;
  } catch (const std::bad_alloc&) {
    gl_error("\n*** Error: hist_save() failed on malloc\n");
    return std::string();
  }
}

void GetLineData::Gl_histadd(const char* line) {
  if (line == nullptr) return;
  const char* p = line;
  while (*p == ' ' || *p == '\t' || *p == '\n') ++p;
  if (*p == '\0') {
    histPos_ = histEnd_;
    return;
  }
  std::size_t len = std::strlen(line);
  if (std::strchr(line, '\n') != nullptr) --len;
  if (histPrevEntry_ && histPrevEntry_->size() == len &&
      std::memcmp(histPrevEntry_->data(), line, len) == 0) {
    histPos_ = histEnd_;
    return;
  }
  std::string entry = hist_save(line);
  hist_[histEnd_] = entry;
  histPrevEntry_ = entry;
  histEnd_ = (histEnd_ + 1) % kHistorySize;
  hist_[histEnd_] = std::string();
  if (histFileLines_ > 0 && vexahost::appendToFile(histFileName_, entry + "\n")) {
    if (++histFileLines_ > kHistoryFileLimit) trimHistoryFile();
  }
  histPos_ = histEnd_;
}

void GetLineData::trimHistoryFile() {
  std::string text;
  // A file too big to read whole is left alone rather than cut short.
  if (!vexahost::readFileHead(histFileName_, kMaxHistoryFileBytes, text) ||
      text.size() >= kMaxHistoryFileBytes) {
    return;
  }
  std::size_t start = 0;
  for (int dropped = 0; dropped < kHistoryFileDrop && start < text.size(); ++dropped) {
    const std::size_t lineEnd = text.find('\n', start);
    start = lineEnd == std::string::npos ? text.size() : lineEnd + 1;
  }
  const std::string kept = text.substr(start);
  std::string error;
  if (vexahost::replaceFileContents(histFileName_, kept, error)) {
    histFileLines_ = countLines(kept) + 1;
  }
}

const char* GetLineData::hist_prev() {
  const char* entry = nullptr;
  const int previous = (histPos_ - 1 + kHistorySize) % kHistorySize;
  if (hist_[histPos_].has_value() && previous != histEnd_) {
    histPos_ = previous;
    if (hist_[histPos_].has_value()) entry = hist_[histPos_]->c_str();
  }
  if (entry == nullptr) {
    gl_putc(kBell);
    entry = "";
  }
  return entry;
}

const char* GetLineData::hist_next() {
  const char* entry = nullptr;
  if (histPos_ != histEnd_) {
    histPos_ = (histPos_ + 1) % kHistorySize;
    if (hist_[histPos_].has_value()) entry = hist_[histPos_]->c_str();
  }
  if (entry == nullptr) {
    gl_putc(kBell);
    entry = "";
  }
  return entry;
}

bool GetLineData::search_update(int c) {
  if (c == 0) {
    searchText_.clear();
  } else if (c > 0) {
    // The search prompt has room for kMaxSearchText characters; a further
    // one is refused.
    if (static_cast<int>(searchText_.size()) >= kMaxSearchText) {
      gl_putc(kBell);
      return false;
    }
    searchText_ += static_cast<char>(c);
  } else if (!searchText_.empty()) {
    searchText_.pop_back();
  } else {
    gl_putc(kBell);
    histPos_ = histEnd_;
  }
  searchPrompt_ = searchText_ + "? ";
  return true;
}

void GetLineData::showSearchMatch() {
  const char* at = std::strstr(buffer_.get(), searchText_.c_str());
  gl_fixup(searchPrompt_.c_str(), 0, at == nullptr ? 0 : static_cast<int>(at - buffer_.get()));
}

void GetLineData::search_addchar(int c) {
  if (!search_update(c)) return;
  if (c < 0) {
    if (!searchText_.empty()) {
      const auto& entry = hist_[searchLast_];
      std::strncpy(buffer_.get(), entry ? entry->c_str() : "", kBufferSize - 1);
      histPos_ = searchLast_;
    } else {
      buffer_[0] = '\0';
      histPos_ = histEnd_;
    }
  }
  if (std::strstr(buffer_.get(), searchText_.c_str()) != nullptr) {
    showSearchMatch();
  } else {
    searchStep(searchForward_, 0);
  }
}

void GetLineData::search_term() {
  searchMode_ = false;
  if (buffer_[0] == '\0') histPos_ = histEnd_;
  gl_fixup(prompt_, 0, cursor_);
}

void GetLineData::search_back(int newSearch) { searchStep(false, newSearch); }

void GetLineData::search_forw(int newSearch) { searchStep(true, newSearch); }

void GetLineData::searchStep(bool forward, int newSearch) {
  searchForward_ = forward;
  if (!searchMode_) {
    histPos_ = histEnd_;
    searchLast_ = histPos_;
    search_update(0);
    searchMode_ = true;
    buffer_[0] = '\0';
    gl_fixup(searchPrompt_.c_str(), 0, 0);
    return;
  }
  if (searchText_.empty()) {
    gl_putc(kBell);
    return;
  }
  const char* entry = forward ? hist_next() : hist_prev();
  while (*entry != '\0' && std::strstr(entry, searchText_.c_str()) == nullptr) {
    entry = forward ? hist_next() : hist_prev();
  }
  if (*entry == '\0') {
    buffer_[0] = '\0';
    gl_fixup(searchPrompt_.c_str(), 0, 0);
    return;
  }
  std::strncpy(buffer_.get(), entry, kBufferSize - 1);
  showSearchMatch();
  if (newSearch) searchLast_ = histPos_;
}

}  // namespace vexaconsole
