#include "vexa/parser/cisco_command_line.h"

#include <algorithm>
#include <cstddef>
#include <new>
#include <string>
#include <utility>

#include "vexa/parser/parser_tool_case.h"

namespace vexaparser {

namespace {

// Room for the usual node path at its first word: growing one element at a
// time cost several allocations per command.
constexpr std::size_t kPathReserve = 6;

bool hasEndWord(const WordSet& words) { return words.count(kEndKey) != 0; }

bool has(const ParserTreeNode* node, uint32_t letter) {
  return node != nullptr && node->hasLetter(letter);
}

}  // namespace

// A tree holds one command per line: on the usual 64-bit library the
// command stays within a 128-byte heap block (120 bytes and the block's
// header).
static_assert(sizeof(void*) != 8 || sizeof(std::string) != 32 || sizeof(CiscoCommandLine) <= 120,
              "CiscoCommandLine grew past its heap block");
static_assert((FLAG_NO | FLAG_STORED | FLAG_MODE | FLAG_REMOVED | FLAG_NO_END | FLAG_INCOMPLETE |
               FLAG_NESTED | FLAG_CONFLICT) <= 0xFFFF,
              "the flag bits are kept in 16 bits");

CiscoCommandLine::CiscoCommandLine(const CiscoCommandLine& other) : c_(other.c_) {
  c_.lineNo = 0;
  if (other.children_ != nullptr && !other.children_->empty()) {
    std::vector<CiscoCommandLine*>& children = childCommandsToEdit();
    children.reserve(other.children_->size());
    // The copied children keep a null parent: the copy is a detached tree
    // that the caller links where it needs it.
    for (const CiscoCommandLine* child : *other.children_) {
      children.push_back(new CiscoCommandLine(*child));
    }
  }
  copyMissingNestedCommands(other);
}

CiscoCommandLine& CiscoCommandLine::operator=(const CiscoCommandLine& other) {
  if (this == &other) return *this;
  const int32_t lineNo = c_.lineNo;
  c_ = other.c_;
  c_.lineNo = lineNo;
  copyMissingNestedCommands(other);
  return *this;
}

CiscoCommandLine::~CiscoCommandLine() { delOnlyChildCmds(); }

const std::string& CiscoCommandLine::emptyText() {
  static const std::string kEmpty;
  return kEmpty;
}

const std::vector<CiscoCommandLine*>& CiscoCommandLine::noCommands() {
  static const std::vector<CiscoCommandLine*> kNone;
  return kNone;
}

std::vector<CiscoCommandLine*>& CiscoCommandLine::childCommandsToEdit() {
  if (children_ == nullptr) children_ = std::make_unique<std::vector<CiscoCommandLine*>>();
  return *children_;
}

const CiscoCommandLine::NestedMap& CiscoCommandLine::nested() const {
  static const NestedMap kNone;
  return nested_ == nullptr ? kNone : nested_->byNode;
}

CiscoCommandLine::NestedMap& CiscoCommandLine::nestedToEdit() {
  if (nested_ == nullptr) nested_ = std::make_unique<Nested>();
  return nested_->byNode;
}

void CiscoCommandLine::copyMissingNestedCommands(const CiscoCommandLine& other) {
  for (const auto& [node, inner] : other.nested()) {
    if (nested().count(node) != 0) continue;
    auto copy = std::make_unique<CiscoCommandLine>(*inner);
    // A nested command always points at its owner, so that setNoCompleteCmd
    // reaches it from the copy as it does from the original.
    copy->parent_ = this;
    nestedToEdit().emplace(node, std::move(copy));
  }
}

const std::string& CiscoCommandLine::majorText() const {
  static const std::string kNone;
  return c_.majorCommands == nullptr ? kNone : *c_.majorCommands;
}

std::vector<std::string> CiscoCommandLine::getMajorCommands() const {
  const std::string& joined = majorText();
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start <= joined.size()) {
    std::size_t end = joined.find("\r\n", start);
    if (end == std::string::npos) end = joined.size();
    // Empty pieces carry no command (a trailing separator, or none at all).
    if (end > start) out.push_back(joined.substr(start, end - start));
    start = end + 2;
  }
  return out;
}

void CiscoCommandLine::setFlags(uint32_t bits, bool recursive) {
  c_.flags |= bits;
  if (!recursive) return;
  for (auto& [node, inner] : nested()) inner->setFlags(bits, true);
}

void CiscoCommandLine::setNoCompleteCmd(bool on) {
  if (on) {
    c_.flags |= FLAG_INCOMPLETE;
  } else {
    c_.flags &= ~FLAG_INCOMPLETE;
  }
  if ((c_.flags & FLAG_NESTED) != 0 && parent_ != nullptr) parent_->setNoCompleteCmd(on);
}

void CiscoCommandLine::flagTheCmd() { setFlag(ParserToolCase::getCmdFlag(c_.currentCommand)); }

void CiscoCommandLine::setParentCommand(CiscoCommandLine* parent, bool addToParent) {
  parent_ = parent;
  if (parent != nullptr && addToParent) parent->childCommandsToEdit().push_back(this);
}

CiscoCommandLineFlag CiscoCommandLine::flagFromLetters(const ParserTreeNode* node,
                                                       CiscoCommandLineFlag current) {
  if (node->hasLetter(kLetterA)) return AppendCommand;
  if (node->hasLetter(kLetterO)) return OverwriteCommand;
  if (node->hasLetter(kLetterM)) return MultiValueCommand;
  return current;
}

void CiscoCommandLine::openNestedCommand(ParserTreeNode* node, const std::string& word, bool isNo) {
  auto found = nested().find(node);
  if (found != nested().end()) {
    nested_->current = found->second.get();
    return;
  }
  auto nested = std::make_unique<CiscoCommandLine>();
  nested->parent_ = this;
  nested->c_.flags |= FLAG_NESTED;
  if (isNo) nested->c_.flags |= FLAG_NO;
  setNoCompleteCmd(!(node->hasLetter(kLetterN) && !node->hasLetter(kLetterNc)));
  nested->setFlag(flagFromLetters(node, nested->getFlag()));
  nested->c_.nodePath.emplace_back(node, WordSet(word));
  CiscoCommandLine* opened = nested.get();
  nestedToEdit().emplace(node, std::move(nested));
  nested_->current = opened;
}

void CiscoCommandLine::takeLetters(const ParserTreeNode* node, bool isNo) {
  if (isNo) {
    c_.flags |= FLAG_NO;
    if (c_.nodePath.empty()) c_.flags &= ~FLAG_STORED;
    if (node->hasLetter(kLetterSn) || node->hasLetter(kLetterSb)) c_.flags |= FLAG_STORED;
    if (node->hasLetter(kLetterNe)) c_.flags |= FLAG_NO_END;
    const bool incomplete =
        (c_.flags & FLAG_NO_END) == 0 && (!node->hasLetter(kLetterN) || node->hasLetter(kLetterNc));
    setNoCompleteCmd(incomplete);
  } else {
    if (c_.nodePath.empty()) c_.flags |= FLAG_STORED;
    if (node->hasLetter(kLetterSn)) c_.flags &= ~FLAG_STORED;
    if (node->hasLetter(kLetterSb)) c_.flags |= FLAG_STORED;
  }
  if (node->modeMark) c_.flags |= FLAG_MODE;
  if (node->hasLetter(kLetterCf)) c_.flags |= FLAG_CONFLICT;
  setFlag(flagFromLetters(node, getFlag()));
}

void CiscoCommandLine::addTreeNodes(ParserTreeNode* node, const std::string& word, bool isNo) {
  if (node == nullptr) return;
  if (getCurrentNestedCommand() != nullptr) {
    getCurrentNestedCommand()->addTreeNodes(node, word, isNo);
    return;
  }
  // An option-group member right after the last node of this command opens
  // (or resumes) a nested command that takes the rest of the words.
  if (node->optionMember && !c_.nodePath.empty() && node->parent == c_.nodePath.back().first) {
    openNestedCommand(node, word, isNo);
    return;
  }
  takeLetters(node, isNo);
  // A node appears in the path once; paths are a few elements long.
  auto element = std::find_if(c_.nodePath.begin(), c_.nodePath.end(),
                              [node](const NodePathElement& e) { return e.first == node; });
  if (element == c_.nodePath.end()) {
    if (c_.nodePath.capacity() == 0) c_.nodePath.reserve(kPathReserve);
    c_.nodePath.emplace_back(node, WordSet(word));
    return;
  }
  WordSet& words = element->second;
  if (node->hasLetter(kLetterWa) && !words.empty()) {
    // The first word is taken out, extended and put back (it may sort
    // elsewhere afterwards).
    std::string first(*words.begin());
    words.erase(first);
    first += ' ';
    first += word;
    words.insert(std::move(first));
  } else {
    words.insert(word);
  }
}

void CiscoCommandLine::setOrderNo(const ParserTreeNode* node,
                                  const Grammar::CommandOrderTable& table) {
  if (node == nullptr || c_.nodePath.empty() || table.empty()) return;
  static const std::string kDefault = Grammar::kDefaultOrderEntry;
  const std::string& name = node->modeFileName.empty() ? kDefault : node->modeFileName;
  auto entry = table.find(name);
  if (entry == table.end()) return;

  for (const Grammar::OrderTemplate& templ : entry->second) {
    const auto& path = templ.path;
    std::size_t i = 0;
    while (i < path.size() && i < c_.nodePath.size() && path[i].first == c_.nodePath[i].first) ++i;
    // The command begins with the whole template, or the template may end
    // at the point where the two part.
    if (i == path.size() || path[i].second) {
      c_.orderNo = templ.orderNo;
      return;
    }
  }
}

void CiscoCommandLine::setOrderNo(const ParserTreeNode* node, const Grammar& grammar) {
  const Grammar::CommandOrderTable& table = grammar.commandOrder();
  if (node == nullptr || c_.nodePath.empty() || table.empty()) return;
  setOrderNo(grammar.commandOrderIndexOf(node));
}

void CiscoCommandLine::setOrderNo(const Grammar::OrderIndex* index) {
  if (index == nullptr || index->templates == nullptr || c_.nodePath.empty()) return;
  const std::vector<Grammar::OrderTemplate>& templates = *index->templates;
  const ParserTreeNode* first = c_.nodePath.front().first;
  // The first template that fits at once without sharing the first node;
  // those that share it are put to the whole test below.
  constexpr uint32_t kNone = UINT32_MAX;
  uint32_t best = kNone;
  for (uint32_t k : index->fitAtStart) {
    const auto& path = templates[k].path;
    if (path.empty() || path.front().first != first) {
      best = k;
      break;
    }
  }
  auto bucket = index->byFirstNode.find(first);
  if (bucket != index->byFirstNode.end()) {
    for (uint32_t k : bucket->second) {
      if (k > best) break;
      const auto& path = templates[k].path;
      std::size_t i = 0;
      while (i < path.size() && i < c_.nodePath.size() && path[i].first == c_.nodePath[i].first) {
        ++i;
      }
      if (i == path.size() || path[i].second) {
        best = k;
        break;
      }
    }
  }
  if (best != kNone) c_.orderNo = templates[best].orderNo;
}

void CiscoCommandLine::fitNodePath() {
  c_.nodePath.shrink_to_fit();
  for (auto& [node, inner] : nested()) inner->fitNodePath();
}

void CiscoCommandLine::resetKeepingRoom() {
  NodePath path = std::move(c_.nodePath);
  std::string current = std::move(c_.currentCommand);
  path.clear();
  current.clear();
  // Destroyed and made again in place: nothing of the old command but the
  // two rooms can stay behind.
  this->~CiscoCommandLine();
  new (this) CiscoCommandLine();
  c_.nodePath = std::move(path);
  c_.currentCommand = std::move(current);
}

void CiscoCommandLine::clearVisitedOption() {
  c_.orderNo = 0;
  c_.flags = 0;
  parent_ = nullptr;
  c_.nodePath.clear();
  // Nested commands were built from the words just forgotten; keeping them
  // would let a failed attempt leak into the next one.
  nested_.reset();
}

void CiscoCommandLine::getAllChildCommands(std::vector<CiscoCommandLine*>& out) const {
  for (CiscoCommandLine* child : getChildCommands()) {
    out.push_back(child);
    child->getAllChildCommands(out);
  }
}

void CiscoCommandLine::delOnlyChildCmds() {
  // Taken out first: a child's destructor must not find itself listed.
  const std::unique_ptr<std::vector<CiscoCommandLine*>> children = std::move(children_);
  if (children == nullptr) return;
  for (CiscoCommandLine* child : *children) delete child;
}

bool CiscoCommandLine::isExactlyMatch(const CiscoCommandLine* other) const {
  return other != nullptr && c_.currentCommand == other->c_.currentCommand;
}

bool CiscoCommandLine::sameContent(const CiscoCommandLine& other) const {
  const Copied& a = c_;
  const Copied& b = other.c_;
  if (a.lineNo != b.lineNo || a.level != b.level || a.orderNo != b.orderNo || a.flags != b.flags ||
      a.flag != b.flag || a.currentCommand != b.currentCommand ||
      getOriginalCmd() != other.getOriginalCmd() || getOriginalStr() != other.getOriginalStr() ||
      majorText() != other.majorText() || a.nodePath != b.nodePath) {
    return false;
  }
  const NestedMap& mine = nested();
  const NestedMap& theirs = other.nested();
  return std::equal(mine.begin(), mine.end(), theirs.begin(), theirs.end(),
                    [](const auto& x, const auto& y) {
                      return x.first == y.first && x.second->sameContent(*y.second);
                    });
}

bool CiscoCommandLine::isComparable(const CiscoCommandLine* other) const {
  if (other == nullptr || (c_.flags & FLAG_REMOVED) != 0 || c_.nodePath.empty()) return false;
  const NodePath& theirs = other->c_.nodePath;
  const std::size_t common = std::min(c_.nodePath.size(), theirs.size());
  for (std::size_t i = 0; i < common; ++i) {
    const NodePathElement& mine = c_.nodePath[i];
    if (!has(mine.first, kLetterK) && !has(theirs[i].first, kLetterK)) continue;
    if (mine.first != theirs[i].first || mine.second != theirs[i].second) return false;
  }
  for (std::size_t i = common; i < c_.nodePath.size(); ++i) {
    if (has(c_.nodePath[i].first, kLetterK)) return false;
  }
  for (std::size_t i = common; i < theirs.size(); ++i) {
    if (has(theirs[i].first, kLetterK)) return false;
  }
  return true;
}

bool CiscoCommandLine::isNoable(const CiscoCommandLine* noCommand) const {
  if (noCommand == nullptr || (c_.flags & FLAG_REMOVED) != 0 || c_.nodePath.empty()) return false;
  const NodePath& theirs = noCommand->c_.nodePath;
  std::size_t i = 0;
  for (; i < c_.nodePath.size() && i < theirs.size(); ++i) {
    const NodePathElement& mine = c_.nodePath[i];
    const NodePathElement& no = theirs[i];
    if (hasEndWord(mine.second) || hasEndWord(no.second)) break;
    if (mine.first != no.first) return false;
    if (has(no.first, kLetterNe)) return true;
    if (has(no.first, kLetterK) || (has(no.first, kLetterN) && !has(no.first, kLetterM))) {
      if (mine.second != no.second) return false;
    }
  }
  for (std::size_t j = i; j < theirs.size(); ++j) {
    if (has(theirs[j].first, kLetterN)) return false;
  }
  for (std::size_t j = i; j < c_.nodePath.size(); ++j) {
    if (has(c_.nodePath[j].first, kLetterNk)) return false;
  }
  return true;
}

bool CiscoCommandLine::isConflictWith(const CiscoCommandLine* other) const {
  if (other == nullptr || (c_.flags & FLAG_CONFLICT) == 0) return false;
  const NodePath& theirs = other->c_.nodePath;
  for (std::size_t i = 0; i < c_.nodePath.size() && i < theirs.size(); ++i) {
    if (c_.nodePath[i].first != theirs[i].first) return false;
    if (has(theirs[i].first, kLetterCf) && c_.nodePath[i].second != theirs[i].second) return true;
  }
  return false;
}

bool CiscoCommandLine::mergePathValues(const CiscoCommandLine& other) {
  const bool otherIsNo = (other.c_.flags & FLAG_NO) != 0;
  const NodePath& theirs = other.c_.nodePath;
  const std::size_t stop = std::min(c_.nodePath.size(), theirs.size());
  for (std::size_t i = 0; i < stop; ++i) {
    const ParserTreeNode* theirNode = theirs[i].first;
    if (has(theirNode, kLetterK) || !has(theirNode, kLetterM) ||
        !has(c_.nodePath[i].first, kLetterM)) {
      continue;
    }
    WordSet& values = c_.nodePath[i].second;
    if (otherIsNo) {
      for (std::string_view word : theirs[i].second) {
        values.erase(word);
        if (values.empty()) return false;
      }
    } else {
      values.insert(theirs[i].second.begin(), theirs[i].second.end());
    }
  }
  return true;
}

bool CiscoCommandLine::mergeNestedCommands(const CiscoCommandLine& other) {
  const bool otherIsNo = (other.c_.flags & FLAG_NO) != 0;
  bool nestedEndsCommand = false;
  for (const auto& [node, theirNested] : other.nested()) {
    const bool nodeHasN = has(node, kLetterN);
    nestedEndsCommand = nestedEndsCommand || nodeHasN;
    NestedMap& mineMap = nestedToEdit();
    auto mine = mineMap.find(node);
    if (mine == mineMap.end()) {
      if (otherIsNo) continue;
      auto copy = std::make_unique<CiscoCommandLine>(*theirNested);
      copy->parent_ = this;
      mineMap.emplace(node, std::move(copy));
    } else if (!otherIsNo) {
      if (theirNested->getFlag() == MultiValueCommand) {
        mine->second->mergeCommand(theirNested.get());
      } else {
        *mine->second = *theirNested;
      }
    } else if (!(theirNested->getFlag() == MultiValueCommand &&
                 !theirNested->nested().empty() &&
                 mine->second->mergeCommand(theirNested.get())) &&
               nodeHasN) {
      if (nested_->current == mine->second.get()) nested_->current = nullptr;
      mineMap.erase(mine);
    }
  }
  return nestedEndsCommand;
}

bool CiscoCommandLine::survivesNoForm(const CiscoCommandLine& other, bool nestedEndsCommand) const {
  const NodePath& theirs = other.c_.nodePath;
  const std::size_t stop = std::min(c_.nodePath.size(), theirs.size());
  // A "no" form that stops before an option group removes the whole
  // command.  When the walk used up other's path there is no element at the
  // stop position: the last element is examined first in that case.
  if (!nestedEndsCommand && !theirs.empty()) {
    std::size_t at = std::min(stop, theirs.size() - 1);
    if (!theirs[at].first->optionChildren.empty()) return false;
    if (at > 0 && !theirs[at - 1].first->optionChildren.empty()) return false;
  }
  if (!nestedEndsCommand || nested().empty() || c_.nodePath.empty()) return true;
  // The nested part is gone: what is left must be able to end by itself.
  // As above, a used-up path is looked at through its last element.
  const NodePathElement& element = c_.nodePath[std::min(stop, c_.nodePath.size() - 1)];
  return hasEndWord(element.second) || element.first->children.count(kEndKey) != 0;
}

bool CiscoCommandLine::mergeCommand(const CiscoCommandLine* other) {
  if (other == nullptr || getFlag() != MultiValueCommand ||
      other->getFlag() != MultiValueCommand) {
    return true;
  }
  // Gather (or, for a "no" form, drop) the values of every multi-value
  // position, then the nested commands.
  if (!mergePathValues(*other)) return false;
  const bool nestedEndsCommand = mergeNestedCommands(*other);
  const bool otherIsNo = (other->c_.flags & FLAG_NO) != 0;
  if (otherIsNo && !survivesNoForm(*other, nestedEndsCommand)) return false;
  genCommandStr();
  return true;
}

const std::string& CiscoCommandLine::genCommandStr() {
  c_.originalIsCurrent = false;
  std::string& text = c_.rare.editCommand();
  text.clear();
  for (std::size_t i = 0; i < c_.nodePath.size(); ++i) {
    for (std::string_view word : c_.nodePath[i].second) {
      if (i > 0) text += ' ';
      text += word;
    }
  }
  for (auto& [node, inner] : nested()) {
    const std::size_t end = text.find('\n');
    if (end != std::string::npos) text.resize(end);
    text += ' ';
    text += inner->genCommandStr();
  }
  if (text.empty() || text.back() != '\n') text += '\n';
  return text;
}

void releaseCommands(std::vector<CiscoCommandLine*>& commands) {
  // The roots are picked before anything is destroyed: destroying a root
  // destroys listed descendants too.
  std::vector<std::unique_ptr<CiscoCommandLine>> roots;
  for (CiscoCommandLine* command : commands) {
    if (command->getParentCommand() == nullptr) roots.emplace_back(command);
  }
  commands.clear();
}

}  // namespace vexaparser
