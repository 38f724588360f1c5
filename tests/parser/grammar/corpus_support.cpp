#include "corpus_support.h"

#include <cctype>
#include <memory>
#include <sstream>
#include <utility>

#include "grammar_test_support.h"
#include "vexa/host/pathname.h"
#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/vty.h"

namespace vexaparser::testing {

namespace {

std::string lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string firstWordLowered(const std::string& line) {
  std::size_t start = 0;
  while (start < line.size() && isBlank(line[start])) ++start;
  std::size_t stop = start;
  while (stop < line.size() && !isBlank(line[stop])) ++stop;
  return lowered(line.substr(start, stop - start));
}

std::string trimmed(const std::string& line) {
  std::size_t start = 0;
  while (start < line.size() && (isBlank(line[start]) || line[start] == '\r')) ++start;
  std::size_t stop = line.size();
  while (stop > start && (isBlank(line[stop - 1]) || line[stop - 1] == '\r')) --stop;
  return line.substr(start, stop - start);
}

// The lines of text cut at line feeds and carriage returns; empty pieces go.
std::vector<std::string> physicalLines(const std::string& text) {
  std::vector<std::string> out;
  std::string current;
  for (char c : text) {
    if (c == '\n' || c == '\r') {
      if (!current.empty()) out.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) out.push_back(current);
  return out;
}

std::size_t indentation(const std::string& line) {
  std::size_t n = 0;
  while (n < line.size() && line[n] == ' ') ++n;
  return n;
}

// A normalized configuration as a tree of lines.
struct Line {
  std::string text;
  std::vector<Line> children;
};

std::vector<Line> parseTree(const std::string& normalized) {
  std::vector<Line> roots;
  // The path of open lines: their indentation and where they live.
  std::vector<std::pair<std::size_t, std::vector<Line>*>> open;
  open.push_back({0, &roots});
  std::vector<std::size_t> depths;
  for (const std::string& raw : physicalLines(normalized)) {
    const std::string text = trimmed(raw);
    if (text.empty() || text == "!") continue;
    const std::size_t indent = indentation(raw);
    while (!depths.empty() && depths.back() >= indent) {
      depths.pop_back();
      open.pop_back();
    }
    std::vector<Line>& siblings = *open.back().second;
    siblings.push_back(Line{text, {}});
    depths.push_back(indent);
    open.push_back({indent, &siblings.back().children});
  }
  return roots;
}

bool startsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// Lines the delta never touches: banner lines take no part in merges, and
// "exit-..." lines only close address families.
bool untouchable(const std::string& line) {
  const std::string first = firstWordLowered(line);
  return isIgnoredLine(line) || first == "no" || first == "banner" || first == "^c" ||
         first == "^" || first == "%" || first == "$" || startsWith(first, "exit");
}

}  // namespace

std::vector<std::string> corpusFiles() {
  std::vector<std::string> names;
  for (const vexahost::Pathname& entry : vexahost::Pathname(corpusFolder()).dirContents()) {
    const std::string name = entry.file();
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".cfg") == 0) names.push_back(name);
  }
  return names;
}

std::string corpusText(const std::string& name) {
  std::string text;
  if (!vexahost::Pathname(corpusFolder() + name).readAll(text)) text.clear();
  return text;
}

Recognition recognize(const std::string& text) {
  Recognition count;
  std::unique_ptr<VTY> vty = VTY::create("hostName", false);
  if (vty == nullptr) return count;
  vty->parse("enable\n", true, nullptr);
  vty->parse("configure terminal \n", true, nullptr);
  // The terminal links later lines to earlier mode commands: every command
  // object lives until the whole text is read.
  std::vector<std::unique_ptr<CiscoCommandLine>> commands;
  for (const std::string& line : physicalLines(text)) {
    commands.push_back(std::make_unique<CiscoCommandLine>());
    const bool parsed = vty->parse(line, true, commands.back().get());
    std::string info;
    vty->getInfoLine(info);
    const std::string first = firstWordLowered(line);
    if (first.empty() || first.front() == '!' || first == "end" || first == "version") continue;
    ++count.lines;
    if (parsed && !info.empty()) {
      ++count.recognized;
    } else {
      count.unrecognized.push_back(line);
    }
  }
  vty.reset();
  return count;
}

bool isIgnoredLine(const std::string& line) {
  const std::string text = trimmed(line);
  if (text.empty() || text.front() == '!') return true;
  const std::string first = firstWordLowered(text);
  return first == "end" || first == "version" || startsWith(text, "Building configuration") ||
         startsWith(text, "Current configuration");
}

std::string comparable(const std::string& line) {
  std::string out;
  for (char c : line) {
    if (isBlank(c) || c == '\r' || c == '\n') continue;
    out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return out;
}

std::map<std::string, int> configurationLines(const std::string& text) {
  std::map<std::string, int> out;
  for (const std::string& line : physicalLines(text)) {
    if (!isIgnoredLine(line)) ++out[comparable(line)];
  }
  return out;
}

std::map<std::string, int> treeLines(const std::string& text) {
  std::map<std::string, int> out;
  std::vector<std::pair<std::size_t, std::string>> open;
  for (const std::string& line : physicalLines(text)) {
    if (isIgnoredLine(line)) continue;
    const std::size_t indent = indentation(line);
    while (!open.empty() && open.back().first >= indent) open.pop_back();
    std::string path;
    for (const auto& enclosing : open) path += enclosing.second + " > ";
    path += comparable(line);
    ++out[path];
    open.push_back({indent, comparable(line)});
  }
  return out;
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
          delta << top.text << "\n " << modes.front()->text << "\n  no " << grandchild.text
                << '\n';
          break;
        }
      }
    }
    if (i % 4 == 1 && startsWith(top.text, "interface")) {
      delta << top.text << "\n description rollback test " << i << '\n';
    }
  }
  delta << "hostname rollback-test\n"
        << "ip route 192.0.2.0 255.255.255.0 Null0\n"
        << "ntp server 192.0.2.10\n"
        << "interface Loopback777\n"
        << " description added by the delta\n"
        << " ip address 192.0.2.77 255.255.255.255\n";
  return delta.str();
}

std::string missingLines(const std::map<std::string, int>& a,
                         const std::map<std::string, int>& b) {
  std::string out;
  for (const auto& [line, count] : a) {
    auto it = b.find(line);
    const int there = it == b.end() ? 0 : it->second;
    if (there < count) out += "  " + line + " (x" + std::to_string(count - there) + ")\n";
  }
  return out;
}

}  // namespace vexaparser::testing
