// The device model of remediation: a configuration as a device holds it,
// a script applied as a device takes pasted lines, and the comparison of
// two configurations by what they configure.
#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <numeric>
#include <set>

#include "remediation/banners.h"
#include "remediation/device_state.h"
#include "remediation/line_tree.h"
#include "remediation/ordered_lists.h"
#include "vexa/parser/vexa_parser_util.h"
#include "vexa/parser/vty.h"
#include "vexa/remediation/remediation.h"

namespace vexaremediation {

namespace {

using vexaparser::VexaParserUtil;
using vexaparser::VTY;

// Puts entries into the device's order of their numbers (stable: entries
// with the same number keep their order).  True when anything moved.
bool sortByNumber(const ListKind& kind, std::vector<LineNode>& entries) {
  if (kind.numbering == EntryNumbering::kNone || entries.size() < 2) return false;
  const std::vector<long> numbers = effectiveNumbers(kind, entries);
  std::vector<std::size_t> order(entries.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&numbers](std::size_t a, std::size_t b) { return numbers[a] < numbers[b]; });
  if (std::is_sorted(order.begin(), order.end())) return false;
  std::vector<LineNode> sorted;
  sorted.reserve(entries.size());
  for (std::size_t i : order) sorted.push_back(std::move(entries[i]));
  entries = std::move(sorted);
  return true;
}

}  // namespace

std::string withNumberedEntriesSorted(const std::string& text) {
  std::vector<LineNode> forest = parseLineTree(text);
  bool moved = false;
  // Line lists: the slots their entries take, per list.
  std::map<std::string, std::vector<std::size_t>> slots;
  std::map<std::string, const ListKind*> kinds;
  for (std::size_t i = 0; i < forest.size(); ++i) {
    const ListRef ref = classifyTopLevel(forest[i]);
    if (ref.kind == nullptr) continue;
    if (ref.kind->shape == ListShape::kBlock) {
      moved = sortByNumber(*ref.kind, forest[i].children) || moved;
    } else if (ref.kind->numbering != EntryNumbering::kNone) {
      slots[ref.key].push_back(i);
      kinds[ref.key] = ref.kind;
    }
  }
  for (const auto& [key, at] : slots) {
    std::vector<LineNode> entries;
    for (std::size_t i : at) entries.push_back(forest[i]);
    if (!sortByNumber(*kinds[key], entries)) continue;
    moved = true;
    for (std::size_t n = 0; n < at.size(); ++n) forest[at[n]] = std::move(entries[n]);
  }
  if (!moved) return text;
  std::string out;
  writeLineTree(forest, 0, out);
  return out;
}

namespace {

std::string firstWordLowered(const std::string& line) {
  const std::vector<std::string> words = wordsOf(line);
  std::string word = words.empty() ? std::string() : words[0];
  for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return word;
}

// The lines of text cut at every line feed, empty ones included.
std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t stop = text.find('\n', start);
    if (stop == std::string::npos) stop = text.size();
    lines.push_back(text.substr(start, stop - start));
    start = stop + 1;
  }
  return lines;
}

std::string bannersText(const std::vector<Banner>& banners) {
  std::string text;
  for (const Banner& banner : banners) text += banner.text();
  return text;
}

// Applies the accepted configuration lines of a pasted script to the
// device's configuration.  The lines are gathered as configuration text,
// each below the mode commands it was typed under; the tree builder reads
// such text by its commands, not by its indentation, so whenever the script
// leaves a sub-mode the text gathered so far is merged first and a fresh
// text begins (a line of the outer mode might otherwise be read inside the
// sub-mode).
class DeltaApplier {
 public:
  explicit DeltaApplier(std::string& configuration) : configuration_(configuration) {}
  ~DeltaApplier() { flush(); }

  void add(const std::vector<std::string>& context, const std::string& line) {
    std::size_t same = 0;
    while (same < context.size() && same < written_.size() && context[same] == written_[same]) {
      ++same;
    }
    if (!written_.empty() && same + 1 < written_.size()) {
      flush();
      same = 0;
    }
    written_.resize(same);
    for (std::size_t i = same; i < context.size(); ++i) {
      text_.append(i, ' ');
      text_ += context[i] + "\n";
      written_.push_back(context[i]);
    }
    text_.append(context.size(), ' ');
    text_ += line + "\n";
    written_.push_back(line);
  }

  void flush() {
    if (!text_.empty()) {
      configuration_ =
          withNumberedEntriesSorted(VexaParserUtil::mergeConfigCmds(text_, configuration_));
    }
    text_.clear();
    written_.clear();
  }

 private:
  std::string& configuration_;
  std::vector<std::string> written_;
  std::string text_;
};

// The identity of an item when siblings are compared without their order:
// the line and, below it, its children (in order for a list's entries).
std::string canonical(const LineNode& node, bool keepChildOrder) {
  std::vector<std::string> children;
  for (const LineNode& child : node.children) children.push_back(canonical(child, false));
  if (!keepChildOrder) std::sort(children.begin(), children.end());
  std::string text = node.key();
  for (const std::string& child : children) text += "\n  " + child;
  return text;
}

// Drops, level by level, the "no X" lines of either side that only state
// an item the other side does not mention at all (neither "X" nor "no X"):
// such a line sets what the other configuration leaves unsaid.
void dropUnsaidNoLines(std::vector<LineNode>& a, std::vector<LineNode>& b) {
  auto keys = [](const std::vector<LineNode>& level) {
    std::set<std::string> out;
    for (const LineNode& node : level) out.insert(node.key());
    return out;
  };
  const std::set<std::string> inA = keys(a);
  const std::set<std::string> inB = keys(b);
  auto unsaid = [&inA, &inB](const std::set<std::string>* other) {
    return [&inA, &inB, other](const LineNode& node) {
      const std::string key = node.key();
      return node.children.empty() && key.rfind("no ", 0) == 0 && other->count(key) == 0 &&
             inA.count(key.substr(3)) == 0 && inB.count(key.substr(3)) == 0;
    };
  };
  a.erase(std::remove_if(a.begin(), a.end(), unsaid(&inB)), a.end());
  b.erase(std::remove_if(b.begin(), b.end(), unsaid(&inA)), b.end());
  for (LineNode& node : a) {
    for (LineNode& other : b) {
      if (other.key() == node.key()) dropUnsaidNoLines(node.children, other.children);
    }
  }
}

std::vector<std::string> canonicalItems(const std::vector<LineNode>& forest) {
  std::vector<std::pair<std::string, std::string>> items;  // (sort key, item)
  for (const LineNode& node : forest) {
    const ListRef ref = classifyTopLevel(node);
    const std::string item = canonical(node, ref.kind != nullptr);
    // A line list's entries share one sort key and keep their order.
    const bool entry = ref.kind != nullptr && ref.kind->shape == ListShape::kLines;
    items.emplace_back(entry ? "list " + ref.key : item, item);
  }
  std::stable_sort(items.begin(), items.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> out;
  for (auto& item : items) out.push_back(std::move(item.second));
  return out;
}

}  // namespace

DeviceState stateOf(const std::string& configuration) {
  SplitBanners split = splitBanners(configuration);
  // Merging into a configuration that holds nothing applies the text's
  // commands one after the other, as a device given them from scratch.
  return DeviceState{std::move(split.banners),
                     withNumberedEntriesSorted(VexaParserUtil::mergeConfigCmds(split.rest, "!\n"))};
}

std::string deviceState(const std::string& configuration) {
  if (!VexaParserUtil::resourcesReady()) return configuration;
  const DeviceState state = stateOf(configuration);
  return bannersText(state.banners) + state.rest;
}

AppliedScript applyScript(const std::string& running, const std::string& script) {
  AppliedScript result{running, {}};
  std::unique_ptr<VTY> vty = VTY::create("Router", true);
  if (vty == nullptr) return result;
  std::string ignored;
  vty->parse("enable \n", true, nullptr);
  vty->parse("configure terminal \n", true, nullptr);
  vty->getOutputString(ignored);
  SplitBanners device = splitBanners(running);
  const SplitBanners given = splitBanners(script);
  std::vector<bool> inBanner;
  for (std::size_t index : given.bannerLines) {
    if (inBanner.size() <= index) inBanner.resize(index + 1, false);
    inBanner[index] = true;
  }
  DeltaApplier delta(device.rest);
  const std::vector<std::string> lines = splitLines(script);
  for (std::size_t index = 0; index < lines.size(); ++index) {
    const std::string& raw = lines[index];
    std::string line = trimmed(raw);
    if (line.empty() || line.front() == '!') continue;
    const bool bannerLine = index < inBanner.size() && inBanner[index];
    const std::string removedBanner = removedBannerType(line);
    if (!removedBanner.empty()) {
      device.banners.erase(std::remove_if(device.banners.begin(), device.banners.end(),
                                          [&](const Banner& b) { return b.type == removedBanner; }),
                           device.banners.end());
    }
    const std::string first = firstWordLowered(line);
    // "exit-address-family" and its kin leave their sub-mode on a device,
    // which the terminal's own "exit" does.
    if (first.rfind("exit-", 0) == 0) line = "exit";
    const bool ok = vty->parse(line + " \n", true, nullptr);
    vty->getOutputString(ignored);
    if (!ok) {
      result.rejectedLines.push_back(trimmed(raw));
      continue;
    }
    // Banners are replaced whole below; the text is only typed here.
    if (bannerLine || !removedBanner.empty() || line == "exit" || first == "end") continue;
    std::string complete;
    vty->getCompleteLine(complete);
    if (!complete.empty() && complete.back() == '\n') complete.pop_back();
    if (trimmed(complete).empty()) continue;
    std::string majors;
    vty->getMajorCommands(majors);
    std::vector<std::string> context;
    for (std::string& major : splitLines(majors)) context.push_back(std::move(major));
    delta.add(context, complete);
  }
  for (const Banner& banner : given.banners) {
    auto same = std::find_if(device.banners.begin(), device.banners.end(),
                             [&](const Banner& b) { return b.type == banner.type; });
    if (same == device.banners.end()) {
      device.banners.push_back(banner);
    } else {
      *same = banner;
    }
  }
  delta.flush();
  result.configuration = bannersText(device.banners) + device.rest;
  return result;
}

bool sameConfiguration(const std::string& a, const std::string& b, std::string* whyNot) {
  std::vector<LineNode> treeA = parseLineTree(a);
  std::vector<LineNode> treeB = parseLineTree(b);
  dropUnsaidNoLines(treeA, treeB);
  const std::vector<std::string> left = canonicalItems(treeA);
  const std::vector<std::string> right = canonicalItems(treeB);
  if (left == right) return true;
  if (whyNot != nullptr) {
    std::size_t i = 0;
    while (i < left.size() && i < right.size() && left[i] == right[i]) ++i;
    *whyNot = "first difference:\n< " + (i < left.size() ? left[i] : std::string("(nothing)")) +
              "\n> " + (i < right.size() ? right[i] : std::string("(nothing)"));
  }
  return false;
}

}  // namespace vexaremediation
