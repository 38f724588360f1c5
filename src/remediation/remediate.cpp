// remediate: the fallback from the running configuration to the intended
// one, turned into a script a device accepts line by line.
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "remediation/banners.h"
#include "remediation/device_state.h"
#include "remediation/line_tree.h"
#include "remediation/ordered_lists.h"
#include "vexa/parser/vexa_parser_util.h"
#include "vexa/remediation/remediation.h"

namespace vexaremediation {

namespace {

constexpr std::size_t kNoOrder = static_cast<std::size_t>(-1);

// One line of the script with the lines typed in the sub-mode it opens.
// order: the line's place among its siblings in the intended
// configuration (kNoOrder for removals).
struct Step {
  std::string text;
  std::vector<Step> children;
  std::size_t order = kNoOrder;
  // A list or banner: defined before the lines that refer to it, removed
  // after them.
  bool definition = false;
};

// The script in its two phases: what goes (deepest first), then what comes
// (in the intended order, so that what a line depends on is there first).
struct Script {
  std::vector<Step> teardown;
  std::vector<Step> buildup;
};

Step stepOf(const LineNode& node, std::size_t order) {
  Step step{node.text, {}, order};
  for (const LineNode& child : node.children) step.children.push_back(stepOf(child, order));
  return step;
}

// Adds step to a level of the script: a line already there is not stated
// twice, a mode command already there takes the new lines below it.
void addStep(std::vector<Step>& level, Step step) {
  const std::string key = trimmed(step.text);
  for (Step& existing : level) {
    if (trimmed(existing.text) != key || existing.children.empty() != step.children.empty()) continue;
    for (Step& child : step.children) addStep(existing.children, std::move(child));
    return;
  }
  level.push_back(std::move(step));
}

// Index of the lines of one level by their text (the first of equal ones).
std::unordered_map<std::string, std::size_t> indexOf(const std::vector<LineNode>& level) {
  std::unordered_map<std::string, std::size_t> index;
  for (std::size_t i = 0; i < level.size(); ++i) index.emplace(level[i].key(), i);
  return index;
}

// Sorts the fallback's lines of one level into the two phases: a line the
// intended level holds is part of the build-up, any other one undoes
// something.  A mode command goes into each phase that has lines below it.
void splitLevel(const std::vector<LineNode>& fallback, const std::vector<LineNode>* intended,
                std::vector<Step>& teardown, std::vector<Step>& buildup) {
  const std::unordered_map<std::string, std::size_t> index =
      intended != nullptr ? indexOf(*intended) : std::unordered_map<std::string, std::size_t>{};
  for (const LineNode& node : fallback) {
    const auto found = index.find(node.key());
    const std::size_t at = found == index.end() ? kNoOrder : found->second;
    if (node.children.empty()) {
      addStep(at == kNoOrder ? teardown : buildup, Step{node.text, {}, at});
      continue;
    }
    if (at == kNoOrder) {
      addStep(teardown, stepOf(node, kNoOrder));
      continue;
    }
    Step down{node.text, {}, kNoOrder};
    Step up{node.text, {}, at};
    splitLevel(node.children, &(*intended)[at].children, down.children, up.children);
    if (!down.children.empty()) addStep(teardown, std::move(down));
    if (!up.children.empty()) addStep(buildup, std::move(up));
  }
}

// ---- ordered lists ----

struct ListState {
  const ListKind* kind = nullptr;
  bool present = false;
  std::string header;  // a block list's header line
  std::vector<LineNode> entries;
  std::vector<std::size_t> places;  // top-level index of each entry (lines) or the header
};

using ListMap = std::map<std::string, ListState>;

ListMap listsOf(const std::vector<LineNode>& forest) {
  ListMap lists;
  for (std::size_t i = 0; i < forest.size(); ++i) {
    const ListRef ref = classifyTopLevel(forest[i]);
    if (ref.kind == nullptr) continue;
    ListState& list = lists[ref.key];
    list.kind = ref.kind;
    list.present = true;
    if (ref.kind->shape == ListShape::kBlock) {
      list.header = forest[i].text;
      list.entries = forest[i].children;
      list.places.assign(1, i);
    } else {
      list.entries.push_back(forest[i]);
      list.places.push_back(i);
    }
  }
  return lists;
}

bool sameEntries(const std::vector<LineNode>& a, const std::vector<LineNode>& b, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    if (a[i].key() != b[i].key()) return false;
  }
  return true;
}

bool isSubsequence(const std::vector<LineNode>& part, const std::vector<LineNode>& whole) {
  std::size_t at = 0;
  for (const LineNode& entry : whole) {
    if (at < part.size() && part[at].key() == entry.key()) ++at;
  }
  return at == part.size();
}

bool allNumbered(const ListKind& kind, const std::vector<LineNode>& entries) {
  return std::all_of(entries.begin(), entries.end(),
                     [&kind](const LineNode& e) { return entryNumber(kind, e.text) >= 0; });
}

class ListPlanner {
 public:
  ListPlanner(const std::string& key, const ListState& running, const ListState& intended,
              Script& script)
      : key_(key), running_(running), intended_(intended), script_(script),
        kind_(intended.kind != nullptr ? *intended.kind : *running.kind) {}

  void plan() {
    const auto& had = running_.entries;
    const auto& want = intended_.entries;
    if (running_.present == intended_.present && had.size() == want.size() &&
        sameEntries(had, want, had.size())) {
      return;
    }
    if (!intended_.present) {
      removeWholeList();
    } else if (!running_.present) {
      add(0, want.size());
    } else if (kind_.numbering != EntryNumbering::kNone && allNumbered(kind_, had) &&
               allNumbered(kind_, want)) {
      editByNumber();
    } else if (had.size() < want.size() && sameEntries(had, want, had.size())) {
      add(had.size(), want.size());
    } else if (kind_.entryRemovable && isSubsequence(want, had)) {
      removeMissing();
    } else {
      removeWholeList();
      add(0, want.size());
    }
  }

 private:
  bool isBlock() const { return kind_.shape == ListShape::kBlock; }

  void removeWholeList() {
    const std::string& subject = isBlock() ? running_.header : key_ + " ";
    addStep(script_.teardown, Step{"no " + subject, {}, kNoOrder, true});
  }

  // Entries [from, to) of the intended list, at their intended places.
  void add(std::size_t from, std::size_t to) {
    if (isBlock()) {
      Step block{intended_.header, {}, intended_.places[0], true};
      for (std::size_t i = from; i < to; ++i) {
        block.children.push_back(Step{intended_.entries[i].text, {}, i});
      }
      addStep(script_.buildup, std::move(block));
      return;
    }
    for (std::size_t i = from; i < to; ++i) {
      addStep(script_.buildup, Step{intended_.entries[i].text, {}, intended_.places[i], true});
    }
  }

  void removeEntry(const LineNode& entry) {
    Step removal{"no " + entry.text, {}, kNoOrder, true};
    if (!isBlock()) {
      addStep(script_.teardown, std::move(removal));
      return;
    }
    Step block{running_.header, {}, kNoOrder, true};
    block.children.push_back(std::move(removal));
    addStep(script_.teardown, std::move(block));
  }

  void removeMissing() {
    std::size_t at = 0;
    for (const LineNode& entry : running_.entries) {
      if (at < intended_.entries.size() && intended_.entries[at].key() == entry.key()) {
        ++at;
      } else {
        removeEntry(entry);
      }
    }
  }

  // The device keeps numbered entries in number order: entries whose number
  // is gone or now carries another entry are removed, the new ones are
  // given with their numbers and fall into place.
  void editByNumber() {
    std::map<long, std::string> had;
    for (const LineNode& entry : running_.entries) had[entryNumber(kind_, entry.text)] = entry.key();
    std::map<long, std::string> want;
    for (const LineNode& entry : intended_.entries) {
      want[entryNumber(kind_, entry.text)] = entry.key();
    }
    for (const LineNode& entry : running_.entries) {
      const auto it = want.find(entryNumber(kind_, entry.text));
      if (it == want.end() || it->second != entry.key()) removeEntry(entry);
    }
    for (std::size_t i = 0; i < intended_.entries.size(); ++i) {
      const LineNode& entry = intended_.entries[i];
      const auto it = had.find(entryNumber(kind_, entry.text));
      if (it == had.end() || it->second != entry.key()) add(i, i + 1);
    }
  }

  const std::string& key_;
  const ListState& running_;
  const ListState& intended_;
  Script& script_;
  const ListKind& kind_;
};

// A banner that differs is given again whole; one the intended
// configuration lacks is removed.
void planBanners(const std::vector<Banner>& had, const std::vector<Banner>& want, Script& script) {
  auto find = [](const std::vector<Banner>& banners, const std::string& type) {
    return std::find_if(banners.begin(), banners.end(),
                        [&type](const Banner& b) { return b.type == type; });
  };
  for (const Banner& banner : had) {
    if (find(want, banner.type) == want.end()) {
      addStep(script.teardown, Step{"no banner " + banner.type, {}, kNoOrder, true});
    }
  }
  for (const Banner& banner : want) {
    const auto same = find(had, banner.type);
    if (same != had.end() && same->lines == banner.lines) continue;
    std::string block = banner.text();
    block.pop_back();  // the writer ends the step's text
    addStep(script.buildup, Step{block, {}, 0, true});
  }
}

// ---- writing ----

// Build-up: definitions first, then the intended order.  Teardown: what
// goes inside a mode first, then the lines of this level, the definitions
// (which the others may refer to) last.
void sortPhases(std::vector<Step>& level, bool buildup) {
  auto rank = [buildup](const Step& s) {
    if (buildup) return s.definition ? 0 : 1;
    return !s.children.empty() ? 0 : s.definition ? 2 : 1;
  };
  std::stable_sort(level.begin(), level.end(), [&](const Step& a, const Step& b) {
    if (rank(a) != rank(b)) return rank(a) < rank(b);
    return buildup && a.order < b.order;
  });
  for (Step& step : level) sortPhases(step.children, buildup);
}

std::string exitFor(const std::string& header) {
  const std::vector<std::string> words = wordsOf(header);
  std::string first = words.empty() ? std::string() : words[0];
  for (char& c : first) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return first == "address-family" ? "exit-address-family" : "exit";
}

void writeSteps(const std::vector<Step>& steps, int level, std::string& out) {
  const std::string indent(static_cast<std::size_t>(level), ' ');
  for (const Step& step : steps) {
    out += indent + step.text + "\n";
    if (step.children.empty()) continue;
    writeSteps(step.children, level + 1, out);
    // Explicit exits, so that a pasted script lands where it is written.
    out += indent + " " + exitFor(step.text) + "\n";
  }
}

}  // namespace

std::string remediate(const std::string& running, const std::string& intended) {
  if (!vexaparser::VexaParserUtil::resourcesReady()) return std::string();
  const DeviceState had = stateOf(running);
  const DeviceState want = stateOf(intended);
  const std::vector<LineNode> hadTree = parseLineTree(had.rest);
  const std::vector<LineNode> wantTree = parseLineTree(want.rest);
  std::vector<LineNode> fallback =
      parseLineTree(vexaparser::VexaParserUtil::fallbackConfigCmds(had.rest, want.rest, 1));
  // Ordered lists are planned whole, below; the fallback's entry by entry
  // lines for them go.
  fallback.erase(std::remove_if(fallback.begin(), fallback.end(), belongsToList), fallback.end());

  Script script;
  splitLevel(fallback, &wantTree, script.teardown, script.buildup);
  planBanners(had.banners, want.banners, script);
  const ListMap hadLists = listsOf(hadTree);
  const ListMap wantLists = listsOf(wantTree);
  const ListState none;
  for (const auto& [key, list] : hadLists) {
    const auto it = wantLists.find(key);
    ListPlanner(key, list, it == wantLists.end() ? none : it->second, script).plan();
  }
  for (const auto& [key, list] : wantLists) {
    if (hadLists.count(key) == 0) ListPlanner(key, none, list, script).plan();
  }
  sortPhases(script.teardown, false);
  sortPhases(script.buildup, true);
  std::string out;
  writeSteps(script.teardown, 0, out);
  writeSteps(script.buildup, 0, out);
  return out;
}

}  // namespace vexaremediation
