#include "server/pager.h"

#include <algorithm>

namespace vexaserver {

namespace {

// Backspaces over the marker, blanks over it, and back again.
std::string wipeMarker() {
  const std::size_t width = sizeof Pager::kMore - 1;
  return std::string(width, '\b') + std::string(width, ' ') + std::string(width, '\b');
}

}  // namespace

std::string Pager::show(const std::string& text) {
  if (length_ == 0) return text;
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
    lines.push_back(text.substr(start, end + 1 - start));
    start = end + 1;
  }
  const std::size_t screen = static_cast<std::size_t>(std::max(1, length_ - 1));
  if (lines.size() <= screen) return text;
  rest_ = std::move(lines);
  next_ = 0;
  tail_ = text.substr(start);
  return next(screen);
}

std::string Pager::key(char key) {
  if (!waiting()) return {};
  std::string out = wipeMarker();
  if (key == ' ') {
    out += next(static_cast<std::size_t>(std::max(1, length_ - 1)));
  } else if (key == '\r' || key == '\n') {
    out += next(1);
  } else {
    out += tail_;
    rest_.clear();
    tail_.clear();
  }
  return out;
}

std::string Pager::next(std::size_t count) {
  std::string out;
  const std::size_t end = std::min(rest_.size(), next_ + count);
  for (; next_ < end; ++next_) out += rest_[next_];
  if (next_ < rest_.size()) return out + kMore;
  out += tail_;
  rest_.clear();
  tail_.clear();
  return out;
}

}  // namespace vexaserver
