// The text helpers and corpus measurements declared in grammar_test_support.h.
#include <algorithm>
#include <cctype>
#include <memory>
#include <sstream>
#include <utility>

#include "grammar_test_support.h"
#include "host/temp_dir.h"
#include "vexa/host/pathname.h"
#include "vexa/parser/config_line.h"
#include "vexa/parser/line_recognition.h"

namespace vexaparser::testing {

namespace {

std::string lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string firstWordLowered(const std::string& line) {
  const std::size_t start = line.find_first_not_of(" \t");
  if (start == std::string::npos) return std::string();
  return lowered(line.substr(start, line.find_first_of(" \t", start) - start));
}

std::string trimmed(const std::string& line) {
  const std::size_t start = line.find_first_not_of(" \t\r");
  if (start == std::string::npos) return std::string();
  return line.substr(start, line.find_last_not_of(" \t\r") + 1 - start);
}

// The lines of text cut at line feeds and carriage returns; empty pieces go.
std::vector<std::string> physicalLines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t stop = std::min(text.find_first_of("\r\n", start), text.size());
    if (stop > start) lines.push_back(text.substr(start, stop - start));
    start = stop + 1;
  }
  return lines;
}

std::size_t indentation(const std::string& line) {
  return std::min(line.find_first_not_of(' '), line.size());
}

// Whether a line carries no configuration: no command line, or a header
// of a listing.
bool isIgnoredLine(const std::string& line) {
  const std::string text = trimmed(line);
  return configLineKind(text) != ConfigLineKind::kCommand ||
         text.starts_with("Building configuration") || text.starts_with("Current configuration");
}

// A line as compared: lowered, every blank, tab and line end removed.
std::string comparable(const std::string& line) {
  std::string text;
  for (char c : line) {
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') text += c;
  }
  return lowered(text);
}

// A normalized configuration as a tree of lines.
struct Line {
  std::string text;
  std::vector<Line> children;
};

std::vector<Line> parseTree(const std::string& normalized) {
  std::vector<Line> roots;
  // The open lines: their indentation and their children.
  std::vector<std::pair<std::size_t, std::vector<Line>*>> open;
  for (const std::string& raw : physicalLines(normalized)) {
    const std::string text = trimmed(raw);
    if (text.empty() || text == "!") continue;
    const std::size_t indent = indentation(raw);
    while (!open.empty() && open.back().first >= indent) open.pop_back();
    std::vector<Line>& siblings = open.empty() ? roots : *open.back().second;
    siblings.push_back(Line{text, {}});
    open.push_back({indent, &siblings.back().children});
  }
  return roots;
}

// Lines the delta never touches: banner lines take no part in merges, and
// "exit-..." lines only close address families.
bool untouchable(const std::string& line) {
  const std::string first = firstWordLowered(line);
  return isIgnoredLine(line) || first == "no" || first == "banner" || first == "^c" ||
         first == "^" || first == "%" || first == "$" || first.starts_with("exit");
}

std::string joined(const std::string& piped, bool normalized) {
  std::string text;
  std::istringstream lines(piped);
  std::string line;
  while (std::getline(lines, line, '|')) text += line + (normalized && line != "!" ? " \n" : "\n");
  return text;
}

}  // namespace

std::string cfg(const std::string& piped) { return joined(piped, false); }
std::string out(const std::string& piped) { return joined(piped, true); }

std::vector<std::string> corpusFiles(const std::string& folder) {
  std::vector<std::string> names;
  for (const vexahost::Pathname& entry : vexahost::Pathname(folder).dirContents()) {
    const std::string name = entry.file();
    if (!name.empty() && name != "MANIFEST.tsv" && !entry.isDirectory()) names.push_back(name);
  }
  return names;
}

std::string corpusText(const std::string& name, const std::string& folder) {
  return vexahost::testing::readFile(folder + name);
}

std::vector<std::pair<std::string, std::string>> corpora() {
  std::vector<std::pair<std::string, std::string>> all;
  for (const char* folder : {VEXA_CORPUS_DIR, VEXA_WIDE_CORPUS_DIR}) {
    for (const std::string& name : corpusFiles(folder)) {
      all.emplace_back(name, corpusText(name, folder));
    }
  }
  return all;
}

Recognition recognize(const std::string& text) {
  const LineRecognition lines = recognizeLines(*ParserResources::instance().grammar(), text);
  Recognition count{lines.lines, lines.recognized, {}};
  for (const LineRecognition::Line& line : lines.unrecognized) count.unrecognized.push_back(line.text);
  return count;
}

std::map<std::string, int> treeLines(const std::string& text) {
  std::map<std::string, int> lines;
  std::vector<std::pair<std::size_t, std::string>> open;
  for (const std::string& line : physicalLines(text)) {
    if (isIgnoredLine(line)) continue;
    const std::size_t indent = indentation(line);
    while (!open.empty() && open.back().first >= indent) open.pop_back();
    std::string path;
    for (const auto& enclosing : open) path += enclosing.second + " > ";
    ++lines[path + comparable(line)];
    open.push_back({indent, comparable(line)});
  }
  return lines;
}

std::string rollbackDelta(const std::string& normalized) {
  const std::vector<Line> roots = parseTree(normalized);
  std::ostringstream delta;
  for (std::size_t i = 0; i < roots.size(); ++i) {
    const Line& top = roots[i];
    if (untouchable(top.text)) continue;
    if (top.children.empty()) {
      // Every fifth plain command goes.
      if (i % 5 == 2) delta << "no " << top.text << '\n';
      continue;
    }
    std::vector<const Line*> leaves;
    std::vector<const Line*> modes;
    for (const Line& child : top.children) {
      if (!child.children.empty()) {
        modes.push_back(&child);
      } else if (!untouchable(child.text)) {
        leaves.push_back(&child);
      }
    }
    if (i % 3 == 0 && !leaves.empty()) {
      delta << top.text << "\n no " << leaves[leaves.size() / 2]->text << '\n';
    }
    if (i % 3 == 1 && !modes.empty()) {
      for (const Line& grandchild : modes.front()->children) {
        if (grandchild.children.empty() && !untouchable(grandchild.text)) {
          delta << top.text << "\n " << modes.front()->text << "\n  no " << grandchild.text << '\n';
          break;
        }
      }
    }
    if (i % 4 == 1 && top.text.starts_with("interface")) {
      delta << top.text << "\n description rollback test " << i << '\n';
    }
  }
  delta << "hostname rollback-test\nip route 192.0.2.0 255.255.255.0 Null0\n"
        << "ntp server 192.0.2.10\ninterface Loopback777\n description added by the delta\n"
        << " ip address 192.0.2.77 255.255.255.255\n";
  return delta.str();
}

std::string missingLines(const std::map<std::string, int>& a, const std::map<std::string, int>& b) {
  std::string text;
  for (const auto& [line, count] : a) {
    auto it = b.find(line);
    const int there = it == b.end() ? 0 : it->second;
    if (there < count) text += "  " + line + " (x" + std::to_string(count - there) + ")\n";
  }
  return text;
}

}  // namespace vexaparser::testing
