#include "remediation/banners.h"

#include <algorithm>
#include <cctype>

#include "remediation/line_tree.h"

namespace vexaremediation {

namespace {

std::string lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The delimiter a banner line sets: the character after its second blank.
char delimiterOf(const std::string& line) {
  const std::size_t first = line.find(' ');
  const std::size_t second = first == std::string::npos ? first : line.find(' ', first + 1);
  return second == std::string::npos || second + 1 >= line.size() ? '\0' : line[second + 1];
}

bool isBannerLine(const std::string& line) {
  const std::size_t start = line.find_first_not_of(" \t");
  return start == 0 && lowered(line.substr(0, 4)) == "bann";
}

void keep(std::vector<Banner>& banners, Banner banner) {
  for (Banner& existing : banners) {
    if (existing.type == banner.type) {
      existing = std::move(banner);
      return;
    }
  }
  banners.push_back(std::move(banner));
}

}  // namespace

std::string Banner::text() const {
  std::string out;
  for (const std::string& line : lines) out += line + "\n";
  return out;
}

SplitBanners splitBanners(const std::string& text) {
  SplitBanners result;
  Banner open;
  char delimiter = '\0';
  bool inside = false;
  std::size_t index = 0;
  for (std::size_t start = 0; start < text.size(); ++index) {
    std::size_t stop = text.find('\n', start);
    if (stop == std::string::npos) stop = text.size();
    std::string line = text.substr(start, stop - start);
    start = stop + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!inside && isBannerLine(line)) {
      delimiter = delimiterOf(line);
      const std::vector<std::string> words = wordsOf(line);
      open = Banner{words.size() > 1 ? lowered(words[1]) : std::string(), {}};
      inside = delimiter != '\0' && std::count(line.begin(), line.end(), delimiter) % 2 == 1;
      open.lines.push_back(line);
      result.bannerLines.push_back(index);
      if (!inside) keep(result.banners, std::move(open));
      continue;
    }
    if (inside) {
      open.lines.push_back(line);
      result.bannerLines.push_back(index);
      if (std::count(line.begin(), line.end(), delimiter) % 2 == 1) {
        inside = false;
        keep(result.banners, std::move(open));
      }
      continue;
    }
    result.rest += line + "\n";
  }
  // A banner whose text never closes keeps what it had.
  if (inside) keep(result.banners, std::move(open));
  return result;
}

std::string removedBannerType(const std::string& line) {
  const std::vector<std::string> words = wordsOf(line);
  if (words.size() < 3 || lowered(words[0]) != "no" || lowered(words[1]).rfind("bann", 0) != 0) {
    return std::string();
  }
  return lowered(words[2]);
}

}  // namespace vexaremediation
