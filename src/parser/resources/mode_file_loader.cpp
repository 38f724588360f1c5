#include "mode_file_loader.h"

#include <string>
#include <string_view>
#include <utility>

#include "vexa/host/pathname.h"
#include "vexa/host/platform.h"
#include "vexa/parser/parser_exception.h"
#include "vexa/parser/parser_tool_case.h"

namespace vexaparser {

namespace {

constexpr std::string_view kCrWord = "<cr>";
constexpr std::string_view kComplexKeyPrefix = "complex_node_";

// Ancestor walks follow parent pointers, which a grammar can bend into a
// cycle (a loop end that re-adds a parentless root).  No sensible mode file
// nests this deep, so the walks stop here instead of running forever.
constexpr int kMaxAncestorSteps = 4096;

bool startsWith(const std::string& text, char c) { return !text.empty() && text[0] == c; }

// The help of child key under node: its help map entry, or the child's own
// help for that key (complex children have no help map entry).
// Returned by reference: grafting a sub-mode asks for the help of every
// child it copies.
const std::string& helpOfChild(const ParserTreeNode* node, const std::string& key,
                               const ParserTreeNode* child) {
  static const std::string kNoHelp;
  const ParserTreeNode::HelpMap& helps = node->helps();
  auto it = helps.find(key);
  if (it != helps.end()) return it->second;
  auto own = child->keySet.find(key);
  return own != child->keySet.end() ? own->second : kNoHelp;
}

}  // namespace

std::string ModeFileLoader::filesPath(const std::string& folder, const std::string& name) {
  return folder + "files" + vexahost::kPathSeparator + name;
}

std::vector<std::string> ModeFileLoader::readLines(const std::string& fullPath) {
  std::string text;
  vexahost::Pathname path(fullPath);
  if (!path.readAll(text)) throw ParserException::cannotOpen(fullPath);
  std::vector<std::string_view> views;
  splitLines(text, views);
  return std::vector<std::string>(views.begin(), views.end());
}

void ModeFileLoader::splitLines(const std::string& text, std::vector<std::string_view>& lines) {
  const std::string_view all(text);
  std::size_t start = 0;
  while (start < all.size()) {
    std::size_t end = all.find('\n', start);
    if (end == std::string_view::npos) end = all.size();
    std::size_t len = end - start;
    if (len > 0 && all[start + len - 1] == '\r') --len;
    lines.push_back(all.substr(start, len));
    start = end + 1;
  }
}

void ModeFileLoader::splitLine(std::string_view text, std::string& scratch, Line& line) {
  scratch.assign(text);
  ParserToolCase::parseCmdLine(scratch, line.word, line.help, line.letters, line.argument,
                               line.tail);
}

void ModeFileLoader::loadFile(const std::string& fileName, ParserTreeNode* root) {
  // The file's text stays here while its lines are read; the lines are views
  // into it.
  std::string text;
  {
    const std::string fullPath = filesPath(grammar_.folder(), fileName);
    if (!vexahost::Pathname(fullPath).readAll(text)) {
      if (!fileName_.empty()) failedAt_ = fileName_ + ":" + std::to_string(lineNo_);
      throw ParserException::cannotOpen(fullPath);
    }
  }
  std::vector<std::string_view> lines;
  splitLines(text, lines);
  // The file and line being read, restored when this file is done.
  const std::string outerFile = std::exchange(fileName_, fileName);
  const std::size_t outerLine = lineNo_;
  // A nested load (sub-mode or shared file) reads its own file on the same
  // build stack; its closing lines never reach below its own root, and the
  // stack is back at the caller's depth afterwards whatever the file holds.
  std::size_t outerBase = baseDepth_;
  std::size_t outerDepth = tree_.buildStack.size();
  tree_.buildStack.push(root);
  baseDepth_ = tree_.buildStack.size();
  // One line object for the whole file: its fields keep their storage.
  Line line;
  std::string scratch;
  for (std::size_t next = 0; next < lines.size();) {
    lineNo_ = next + 1;
    splitLine(lines[next++], scratch, line);
    if (line.word.empty()) continue;
    if (startsWith(line.word, '!')) {
      // A closing line while only the file's root is open is not valid and
      // is ignored: the root stays open.
      if (tree_.buildStack.size() > baseDepth_) tree_.buildStack.pop();
    } else if (startsWith(line.word, '#')) {
      addComplexBlock(line, lines, next);
    } else {
      addLine(line);
    }
  }
  while (tree_.buildStack.size() > outerDepth) tree_.buildStack.pop();
  baseDepth_ = outerBase;
  fileName_ = outerFile;
  lineNo_ = outerLine;
}

void ModeFileLoader::addLine(const Line& line) {
  std::string key;
  bool optional = false;
  if (line.word == kCrWord) {
    key = kEndKey;
  } else {
    bool hasOpen = false;
    bool hasClose = false;
    ParserToolCase::testOptionToken(line.word, key, hasOpen, hasClose);
    if (hasOpen && hasClose) {
      addOptionalKeyToOpenNode(key, line);
      return;
    }
    if (hasClose) {
      // A "]" without "[" is not a valid word: the line is rejected.
      openRejectedLine();
      return;
    }
    optional = hasOpen;
    if (!hasOpen) key = line.word;
  }
  if (key.empty()) {  // "[" alone names no key
    openRejectedLine();
    return;
  }

  ParserTreeNode* open = openNode();
  if (ParserTreeNode* existing = existingChild(open, key)) {
    // A repeated prefix re-opens the child: help, letters and argument of
    // this line are ignored, its tail is applied.
    tree_.buildStack.push(existing);
    applyTail(existing, line.tail);
    return;
  }
  ParserTreeNode* node = grammar_.newNode();
  node->keySet[key] = line.help;
  node->letters = parseLetters(line.letters);
  node->optionMember = node->hasLetter(kLetterOb);
  node->argument = line.argument;
  node->endMark = key == kEndKey;
  open->addChild(key, line.help, node, optional);
  tree_.buildStack.push(node);
  // The tail goes before the building steps: an "&file" tail replaces the
  // node's children, and must not wipe out a loop or option continuation
  // that the steps add.
  applyTail(node, line.tail);
  finishNewNode(node);
}

void ModeFileLoader::addOptionalKeyToOpenNode(const std::string& key, const Line& line) {
  if (key.empty()) {
    openRejectedLine();
    return;
  }
  ParserTreeNode* open = openNode();
  open->keySet[key] = line.help;
  open->letters |= parseLetters(line.letters);
  if (open->hasLetter(kLetterOb)) open->optionMember = true;
  open->argument = line.argument;
  // The conflict list follows the argument of a "cf" node whichever line
  // gave it; the other building steps belong to new nodes only.
  fillConflictList(open);
  open->addChild(key, line.help, open, true);
  childrenChanged(open);
  tree_.buildStack.push(open);
  applyTail(open, line.tail);
}

void ModeFileLoader::addComplexBlock(const Line& line, const std::vector<std::string_view>& lines,
                                     std::size_t& next) {
  ParserTreeNode* open = openNode();
  ParserTreeNode* node = grammar_.newNode();
  node->complexMark = true;
  node->letters = parseLetters(line.letters);
  node->optionMember = node->hasLetter(kLetterOb);
  // The closing "#" line ends the block and is consumed; it is not one of
  // the alternatives.  A file that ends inside a block ends the block.
  Line alternative;
  std::string scratch;
  while (next < lines.size()) {
    splitLine(lines[next++], scratch, alternative);
    if (alternative.word.empty()) continue;
    if (startsWith(alternative.word, '#')) break;
    node->keySet[alternative.word] = alternative.help;
  }
  ++open->complexCounter;
  std::string key = std::string(kComplexKeyPrefix) + std::to_string(open->complexCounter);
  bool replaces = open->children.count(key) != 0 || open->optionChildren.count(key) != 0;
  open->addChild(key, std::string(), node);
  if (replaces) {
    childrenChanged(open);  // a grafted block of the same number is replaced
  } else {
    indexNewComplexChild(open, node);
  }
  tree_.buildStack.push(node);
  // The opening "#" line is a full mode-file line; its tail is honoured like
  // any other line's.
  applyTail(node, line.tail);
  finishNewNode(node);
}

void ModeFileLoader::openRejectedLine() {
  // The rejected line still opens a node so that its closing line and the
  // lines nested under it keep the rest of the file in place; the node hangs
  // below nothing, so none of it reaches the tree.
  tree_.buildStack.push(grammar_.newNode());
}

ParserTreeNode* ModeFileLoader::existingChild(ParserTreeNode* open, const std::string& key) {
  for (const ParserTreeNode::ChildMap* group :
       {&open->children, &open->optionalChildren, &open->optionChildren}) {
    auto it = group->find(key);
    if (it != group->end()) return it->second;
  }
  const ComplexIndex& complexes = complexIndexOf(open);
  auto it = complexes.find(key);
  return it == complexes.end() ? nullptr : it->second;
}

const ModeFileLoader::ComplexIndex& ModeFileLoader::complexIndexOf(const ParserTreeNode* node) {
  auto [entry, isNew] = complexIndex_.try_emplace(node);
  if (isNew) {
    // Plain children first, then optional, then option-group children, each
    // in key order; the first complex child that answers a key keeps it.
    for (const ParserTreeNode::ChildMap* group :
         {&node->children, &node->optionalChildren, &node->optionChildren}) {
      for (const auto& [childKey, child] : *group) {
        if (!child->complexMark) continue;
        for (const auto& [alternative, help] : child->keySet) {
          entry->second.emplace(alternative, child);
        }
      }
    }
  }
  return entry->second;
}

void ModeFileLoader::indexNewComplexChild(const ParserTreeNode* parent, ParserTreeNode* complex) {
  auto entry = complexIndex_.find(parent);
  if (entry == complexIndex_.end()) return;  // built on the first lookup
  for (const auto& [alternative, help] : complex->keySet) {
    if (!entry->second.emplace(alternative, complex).second) {
      // Two blocks answer the same key: the order of precedence is the
      // key order of the children, which a rebuild gets right.
      complexIndex_.erase(entry);
      return;
    }
  }
}

void ModeFileLoader::applyTail(ParserTreeNode* node, const std::string& tail) {
  if (tail.empty()) return;
  std::vector<std::string> tokens;
  ParserToolCase::splitString(tail, " \t", tokens);
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    const std::string& token = tokens[i];
    if (startsWith(token, '&')) {
      if (token.size() > 1) shareModeFile(node, token.substr(1));
    } else if (startsWith(token, '@')) {
      // "@prompt" needs its file token; without one the token is ignored.
      if (i + 1 < tokens.size()) {
        openSubMode(node, token.substr(1), tokens[i + 1]);
        ++i;
      }
    }
  }
}

void ModeFileLoader::openSubMode(ParserTreeNode* node, const std::string& prompt,
                                 const std::string& file) {
  grammar_.setModePrompt(node, prompt);
  node->modeName = prompt;
  node->modeMark = true;
  node->modeFileName = file;
  tree_.buildStack.push(node);
  ParserTreeNode* subRoot = nullptr;
  auto known = tree_.subModeFiles.find(file);
  if (known != tree_.subModeFiles.end()) {
    subRoot = known->second;
  } else {
    subRoot = grammar_.newNode();
    subRoot->modeMark = true;
    // Registered before reading, so a file that refers to itself (directly or
    // through others) grafts what has been read so far instead of recursing
    // without end.
    tree_.subModeFiles[file] = subRoot;
    loadFile(file, subRoot);
  }
  for (const auto& [key, child] : subRoot->children) {
    node->addChild(key, helpOfChild(subRoot, key, child), child, false);
  }
  for (const auto& [key, child] : subRoot->optionalChildren) {
    node->addChild(key, helpOfChild(subRoot, key, child), child, true);
  }
  for (const auto& [key, child] : subRoot->optionChildren) {
    node->addChild(key, helpOfChild(subRoot, key, child), child, false);
  }
  childrenChanged(node);
  tree_.buildStack.pop();
}

void ModeFileLoader::shareModeFile(ParserTreeNode* node, const std::string& file) {
  auto& shared = grammar_.sharedModeFiles();
  ParserTreeNode* sharedRoot = nullptr;
  auto known = shared.find(file);
  if (known != shared.end()) {
    sharedRoot = known->second;
  } else {
    // Loaded once per grammar; registered first for the same reason as
    // sub-mode files.  Its root is not a mode node.
    sharedRoot = grammar_.newNode();
    shared[file] = sharedRoot;
    loadFile(file, sharedRoot);
  }
  node->children = sharedRoot->children;
  node->optionChildren = sharedRoot->optionChildren;
  node->helpsToEdit() = sharedRoot->helps();
  childrenChanged(node);
}

void ModeFileLoader::finishNewNode(ParserTreeNode* node) {
  addLoopBack(node);
  fillConflictList(node);
  addOptionsAfterEnd(node);
  addToOptionEnds(node);
}

void ModeFileLoader::addLoopBack(ParserTreeNode* node) {
  if (!node->hasLetter(kLetterLe)) return;
  // The node itself counts first, so a node with both "lb" and "le" loops to
  // itself: its word may be repeated.
  int count = 0;
  int steps = 0;
  for (ParserTreeNode* n = node; n != nullptr && steps < kMaxAncestorSteps;
       n = n->parent, ++steps) {
    if (n->hasLetter(kLetterLe)) ++count;
    if (n->hasLetter(kLetterLb)) --count;
    if (count == 0) {
      node->addChild(n->firstKey(), n->firstHelp(), n);
      childrenChanged(node);
      return;
    }
  }
}

void ModeFileLoader::fillConflictList(ParserTreeNode* node) {
  if (!node->hasLetter(kLetterCf)) return;
  std::vector<std::string> pieces;
  ParserToolCase::splitString(node->argument, ",", pieces);
  for (std::string& piece : pieces) {
    // Blanks around a key ("a, b") are not part of it; a blank piece (the
    // one-blank empty field) names nothing.
    std::size_t first = piece.find_first_not_of(" \t");
    if (first == std::string::npos) continue;
    std::size_t last = piece.find_last_not_of(" \t");
    node->conflictList.insert(piece.substr(first, last - first + 1));
  }
}

void ModeFileLoader::addOptionsAfterEnd(ParserTreeNode* node) {
  if (!node->hasLetter(kLetterOe)) return;
  int steps = 0;
  for (ParserTreeNode* a = node; a != nullptr && steps < kMaxAncestorSteps;
       a = a->parent, ++steps) {
    if (!a->optionMember || a->parent == nullptr) continue;
    ParserTreeNode* group = a->parent;
    for (const auto& [key, sibling] : group->optionChildren) {
      if (sibling != a && sibling != node) {
        node->addChild(key, helpOfChild(group, key, sibling), sibling);
      }
    }
  }
  childrenChanged(node);
}

void ModeFileLoader::addToOptionEnds(ParserTreeNode* node) {
  if (!node->optionMember || node->parent == nullptr) return;
  ParserTreeNode* group = node->parent;
  const std::string key = node->firstKey();
  const std::string help = node->firstHelp();
  std::vector<ParserTreeNode*> pending;
  for (const auto& [siblingKey, sibling] : group->optionChildren) {
    if (sibling != node && sibling->parent == group) pending.push_back(sibling);
  }
  // Only children first added below the visited node are followed, so the
  // walk stays inside each option's own subtree and cannot cycle.
  while (!pending.empty()) {
    ParserTreeNode* visited = pending.back();
    pending.pop_back();
    if (visited->hasLetter(kLetterOe)) {
      visited->addChild(key, help, node);
      childrenChanged(visited);
    }
    for (const ParserTreeNode::ChildMap* children :
         {&visited->optionChildren, &visited->children}) {
      for (const auto& [childKey, child] : *children) {
        if (child->parent == visited && child != visited) pending.push_back(child);
      }
    }
  }
}

}  // namespace vexaparser
