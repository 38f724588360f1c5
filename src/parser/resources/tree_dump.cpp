#include "vexa/parser/tree_dump.h"

#include <set>
#include <vector>

#include "vexa/parser/grammar.h"

namespace vexaparser {

namespace {

std::string displayKey(const std::string& key) { return key == kEndKey ? "<cr>" : key; }

class TreeDumper {
 public:
  explicit TreeDumper(const TreeDumpOptions& options) : options_(options) {}

  std::string dump(const ParserTreeNode* root) {
    std::string line = "(root)";
    appendModeInfo(line, root);
    if (!emit(0, line)) return out_;
    written_.insert(root);
    path_.push_back(root);
    writeChildren(root, 1);
    return out_;
  }

 private:
  void appendModeInfo(std::string& line, const ParserTreeNode* node) {
    const std::string prompt =
        options_.grammar == nullptr ? std::string() : options_.grammar->modePrompt(node);
    if (!prompt.empty() || !node->modeFileName.empty()) {
      line += "  @\"" + prompt + "\"";
      if (!node->modeFileName.empty()) line += " " + node->modeFileName;
    } else if (node->modeMark && node->parent != nullptr) {
      line += "  <mode>";
    }
  }

  // False once the line budget is spent.
  bool emit(std::size_t depth, const std::string& text) {
    if (stopped_) return false;
    if (lines_ >= options_.maxLines) {
      out_ += "...\n";
      stopped_ = true;
      return false;
    }
    out_.append(2 * depth, ' ');
    out_ += text;
    out_ += '\n';
    ++lines_;
    return true;
  }

  void writeChildren(const ParserTreeNode* node, std::size_t depth) {
    if (depth > options_.maxDepth) return;
    struct Group {
      const ParserTreeNode::ChildMap* children;
      const char* marker;
    };
    for (const Group& group : {Group{&node->children, ""}, Group{&node->optionalChildren, "[opt] "},
                               Group{&node->optionChildren, "{ob} "}}) {
      for (const auto& [key, child] : *group.children) {
        if (!writeChild(node, key, child, group.marker, depth)) return;
      }
    }
  }

  bool writeChild(const ParserTreeNode* parent, const std::string& key, const ParserTreeNode* child,
                  const char* marker, std::size_t depth) {
    std::string line = marker + displayKey(key);
    if (child->complexMark) {
      line += " = {";
      bool first = true;
      for (const auto& [alternative, help] : child->keySet) {
        if (!first) line += '|';
        line += displayKey(alternative);
        first = false;
      }
      line += '}';
    }
    if (options_.showHelp) {
      const ParserTreeNode::HelpMap& helps = parent->helps();
      auto help = helps.find(key);
      if (help != helps.end()) line += "  \"" + help->second + "\"";
    }
    if (child->letters != 0) line += "  /" + formatLetters(child->letters);
    // A single blank is how an empty argument field reads ("k||"): not shown.
    if (!child->argument.empty() && child->argument != " ") {
      line += "  arg=\"" + child->argument + "\"";
    }
    if (!child->conflictList.empty()) {
      line += "  cf={";
      bool first = true;
      for (const std::string& conflict : child->conflictList) {
        if (!first) line += ',';
        line += conflict;
        first = false;
      }
      line += '}';
    }
    if (child->endMark) line += "  <end>";
    appendModeInfo(line, child);
    if (child->parent != parent) {
      line += "  ^";
      line += child->parent == nullptr        ? "(none)"
              : child->parent->keySet.empty() ? "(root)"
                                              : displayKey(child->parent->firstKey());
    }
    bool onPath = false;
    for (const ParserTreeNode* ancestor : path_) onPath = onPath || ancestor == child;
    if (onPath) {
      line += "  (loop)";
    } else if (written_.count(child) != 0) {
      line += "  (see above)";
    }
    if (!emit(depth, line)) return false;
    if (onPath || !written_.insert(child).second) return true;
    path_.push_back(child);
    writeChildren(child, depth + 1);
    path_.pop_back();
    return !stopped_;
  }

  const TreeDumpOptions& options_;
  std::string out_;
  std::size_t lines_ = 0;
  bool stopped_ = false;
  std::set<const ParserTreeNode*> written_;
  std::vector<const ParserTreeNode*> path_;
};

}  // namespace

std::string dumpParserTree(const ParserTreeNode* root, const TreeDumpOptions& options) {
  if (root == nullptr) return std::string();
  return TreeDumper(options).dump(root);
}

}  // namespace vexaparser
