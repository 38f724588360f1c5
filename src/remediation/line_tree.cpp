#include "remediation/line_tree.h"

#include <utility>

namespace vexaremediation {

std::string LineNode::key() const { return trimmed(text); }

std::size_t LineNode::findChild(const std::string& wanted) const {
  for (std::size_t i = 0; i < children.size(); ++i) {
    if (children[i].key() == wanted) return i;
  }
  return children.size();
}

std::string trimmed(const std::string& text) {
  const std::size_t start = text.find_first_not_of(" \t\r");
  if (start == std::string::npos) return std::string();
  return text.substr(start, text.find_last_not_of(" \t\r") + 1 - start);
}

std::vector<std::string> wordsOf(const std::string& text) {
  std::vector<std::string> words;
  std::size_t at = 0;
  while ((at = text.find_first_not_of(" \t\r\n", at)) != std::string::npos) {
    const std::size_t stop = text.find_first_of(" \t\r\n", at);
    words.push_back(text.substr(at, stop == std::string::npos ? std::string::npos : stop - at));
    at = stop;
  }
  return words;
}

std::vector<LineNode> parseLineTree(const std::string& text) {
  std::vector<LineNode> roots;
  // The open lines: indentation and the index path from the roots, since
  // the vectors move while they grow.
  std::vector<std::pair<std::size_t, std::size_t>> open;  // (indent, index)
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t stop = text.find('\n', start);
    if (stop == std::string::npos) stop = text.size();
    std::string line = text.substr(start, stop - start);
    start = stop + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string content = trimmed(line);
    if (content.empty() || content == "!") continue;
    const std::size_t indent = line.find_first_not_of(' ');
    while (!open.empty() && open.back().first >= indent) open.pop_back();
    std::vector<LineNode>* siblings = &roots;
    for (const auto& [openIndent, index] : open) siblings = &(*siblings)[index].children;
    siblings->push_back(LineNode{line.substr(indent), {}});
    open.emplace_back(indent, siblings->size() - 1);
  }
  return roots;
}

void writeLineTree(const std::vector<LineNode>& nodes, int level, std::string& out) {
  for (const LineNode& node : nodes) {
    out.append(static_cast<std::size_t>(level), ' ');
    out += node.text;
    out += '\n';
    writeLineTree(node.children, level + 1, out);
  }
}

}  // namespace vexaremediation
