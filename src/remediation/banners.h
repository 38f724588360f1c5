// Banners: the delimited texts of "banner motd ^C ... ^C" and its kin,
// taken out of a configuration so that remediation can treat each as one
// item.  The library's tree keeps a banner's text lines as lines it does
// not recognise, which merge and fallback pass over; remediation compares
// and replaces banners whole instead.
//
// A banner block is found as the terminal reads one: a top-level line that
// begins with "bann" takes the character after its second blank as its
// delimiter; each occurrence of the delimiter opens or closes the text;
// lines without it are text while it is open.
//
// Internal to src/remediation/.
#ifndef VEXA_SRC_REMEDIATION_BANNERS_H_
#define VEXA_SRC_REMEDIATION_BANNERS_H_

#include <string>
#include <vector>

namespace vexaremediation {

struct Banner {
  std::string type;                // "motd", "login", ... (lowered)
  std::vector<std::string> lines;  // the banner line, its text, the closing line
  std::string text() const;        // the lines, each ending in a line feed
};

struct SplitBanners {
  std::string rest;             // the text without its banner blocks
  std::vector<Banner> banners;  // one per type, the last given; first-given order
  // Indexes (0-based, among the text's lines cut at line feeds) of lines
  // that belong to banner blocks.
  std::vector<std::size_t> bannerLines;
};

SplitBanners splitBanners(const std::string& text);

// The banner type that "no banner TYPE ..." removes, or empty.
std::string removedBannerType(const std::string& line);

}  // namespace vexaremediation

#endif  // VEXA_SRC_REMEDIATION_BANNERS_H_
