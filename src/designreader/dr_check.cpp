// The design-reader syntax checker: a character scan with a bracket stack.

#include "vexa/designreader/dr_check.h"

#include <cctype>
#include <cstdlib>

namespace vexadr {

int DRCheck::errorCounter_ = 0;

namespace {

bool isLetterOrDigit(int c) { return c > 0 && c < 256 && std::isalnum(c) != 0; }

}  // namespace

DRCheck::DRCheck(const std::string& text) : text_(text) {
  // A zero byte ends the text, as the terminating zero does: cutting the copy
  // there leaves exactly one zero, the last character.
  const size_t zero = text_.find('\0');
  if (zero != std::string::npos) text_.resize(zero);
  text_.push_back('\0');
}

const std::string DRCheck::getErrStr() const { return report_; }

int DRCheck::rawChar() {
  if (pos_ >= text_.size()) return 0;
  return static_cast<unsigned char>(text_[pos_++]);
}

void DRCheck::ungetChar(int c, bool lineBreakAsSpace) {
  if (pos_ == 0) return;
  --pos_;
  text_[pos_] = (c == '\n' && lineBreakAsSpace) ? ' ' : static_cast<char>(c);
}

int DRCheck::getChar() {
  int c = rawChar();
  if (c == '!') {
    do {
      c = rawChar();
      if (c == 0) {
        ungetChar(0, false);
        return ' ';
      }
    } while (c != '\n');
    ++line_;
    for (;;) {
      c = rawChar();
      if (c == '\n') {
        ++line_;
      } else if (c != ' ' && c != '\t' && c != '\r' && c != '\v' && c != '\f') {
        break;
      }
    }
    ungetChar(c, false);
    return ' ';
  }
  if (c == ' ' || c == '\t') {
    do c = rawChar();
    while (c == ' ' || c == '\t');
    if (c != '\n') {
      ungetChar(c, false);
      return ' ';
    }
  }
  if (c == '\n') {
    ++line_;
    for (;;) {
      c = rawChar();
      if (c == '\n') {
        ++line_;
      } else if (c != ' ' && c != '\t') {
        break;
      }
    }
    ungetChar(c, false);
    return '\n';
  }
  return c;
}

bool DRCheck::newBrak(int kind) {
  if (depth_ >= kStackPlaces - 1) {
    report_ += "***stack overflow";
    return false;
  }
  ++depth_;
  stack_[depth_].kind = kind;
  stack_[depth_].line = line_;
  return true;
}

bool DRCheck::rmBrak(int count) {
  if (count < 0 || depth_ < count) return false;
  depth_ -= count;
  return true;
}

std::string DRCheck::getStrForBrakType(int kind) const {
  switch (kind) {
    case kBrace:
      return "}";
    case kSquare:
      return "]";
    case kParen:
      return ")";
    case kIf:
      return "if";
    case kIfCondition:
      return "if-condition";
    case kWhileCondition:
      return "while-condition";
    case kThen:
      return "then";
    case kElse:
      return "else";
    default:
      return "";
  }
}

int DRCheck::dealError(int severity) {
  errorSeen_ = true;
  if (severity >= 2) {
    errorCounter_ = 0;
    errorCounter_ = 1;
    return 1;
  }
  if (errorCounter_ < 0) return 0;
  if (errorCounter_ >= 9) {
    errorCounter_ = -1;
    report_ += "Other error messages being suppressed.\n";
    return 0;
  }
  ++errorCounter_;
  return 1;
}

void DRCheck::report(int severity, const std::string& message) {
  if (dealError(severity) != 0) report_ += message;
}

int* DRCheck::balanceOf(int kind) {
  switch (kind) {
    case kBrace:
      return &braces_;
    case kSquare:
      return &squares_;
    case kParen:
      return &parens_;
    default:
      return nullptr;
  }
}

bool DRCheck::checkCloser(int kind) {
  if (topKind() == kind) {
    rmBrak(1);
    return true;
  }
  int match = depth_ - 1;
  while (match >= 1 && stack_[match].kind != kind) --match;
  if (match < 1) {
    if (int* balance = balanceOf(kind)) --*balance;
    report(1, "Muddle detected at unmatched closing " + getStrForBrakType(kind) + " line " +
                  std::to_string(line_) + ".\n");
    return false;
  }
  report(1, "Missing closers detected line " + std::to_string(line_) + ".\n");
  while (depth_ > match) {
    const Entry entry = stack_[depth_];
    report(1, "\tMissing closing " + getStrForBrakType(entry.kind) + " opened line " +
                  std::to_string(entry.line) + ".\n");
    if (int* balance = balanceOf(entry.kind)) ++*balance;
    rmBrak(1);
  }
  rmBrak(1);
  return false;
}

bool DRCheck::checkElse() {
  int c;
  do c = getChar();
  while (c == ' ' || c == '\n');
  if (c == 'e') {
    static const char kRest[] = "lse";
    bool matched = true;
    for (const char* p = kRest; *p != '\0'; ++p) {
      c = getChar();
      if (c != *p) {
        matched = false;
        break;
      }
    }
    if (matched) {
      c = getChar();
      if (!isLetterOrDigit(c)) {
        ungetChar(c, true);
        if (topKind() == kThen) rmBrak(1);
        if (topKind() == kIf) rmBrak(1);
        newBrak(kElse);
        return true;
      }
    }
  }
  ungetChar(c, true);
  ungetChar(' ', false);
  if (topKind() != kIf) return false;
  rmBrak(1);
  while (topKind() == kElse) rmBrak(1);
  if (topKind() == kThen) {
    // The statement of an enclosing "if" has just ended too.
    rmBrak(1);
    checkElse();
  }
  return false;
}

void DRCheck::scanKeywordAfterBlank() {
  const int c = getChar();
  if (c == 'e') {
    ungetChar(c, true);
    checkElse();
    return;
  }
  if (c != 'i') {
    ungetChar(c, true);
    return;
  }
  const int f = getChar();
  if (f != 'f') {
    ungetChar(f, true);
    ungetChar(c, true);
    return;
  }
  const int after = getChar();
  if (isLetterOrDigit(after)) {
    ungetChar(after, true);
    ungetChar(f, true);
    ungetChar(c, true);
    return;
  }
  ungetChar(after, true);
  newBrak(kIf);
  int next;
  do next = getChar();
  while (next == ' ' || next == '\n');
  if (next == '(') {
    newBrak(kIfCondition);
  } else {
    report(1, "Bad if (no condition) line " + std::to_string(line_) + ".\n");
    // Only our own entry: after a stack overflow the top is someone else's.
    if (topKind() == kIf) rmBrak(1);
  }
  ungetChar(next, true);
}

bool DRCheck::scanString() {
  bool brokenReported = false;
  for (;;) {
    int c = rawChar();
    if (c == '\\') {
      c = rawChar();
      if (c != 0) continue;
    }
    if (c == 0) {
      report(2, "*Error: '\"' quoted string not ended by end of file.\n");
      return false;
    }
    if (c == '"') return true;
    if (c == '\n') {
      if (!brokenReported) {
        report(2, "*Error: '\"' quoted string not ended by line " + std::to_string(line_) + ".\n");
        brokenReported = true;
      }
      ++line_;
    }
  }
}

void DRCheck::scanCharLiteral() {
  int c = getChar();
  if (c == '\\') {
    c = getChar();
    if (c != 0 && std::isdigit(c) != 0) {
      for (int more = 0; more < 2; ++more) {
        const int digit = getChar();
        if (digit == 0 || std::isdigit(digit) == 0) {
          ungetChar(digit, true);
          break;
        }
      }
    }
    if (c != 0) c = getChar();
  } else if (c != 0 && c != '\'') {
    c = getChar();
  }
  if (c != '\'') ungetChar(c, true);
}

bool DRCheck::syntaxCheck() {
  int c;
  while ((c = getChar()) != 0) {
    switch (c) {
      case ' ':
      case '\n':
        scanKeywordAfterBlank();
        break;
      case '"':
        if (!scanString()) {
          finishReport();
          return true;
        }
        break;
      case '\'':
        scanCharLiteral();
        break;
      case '(':
        newBrak(kParen);
        break;
      case '[':
        newBrak(kSquare);
        break;
      case '{':
        newBrak(kBrace);
        break;
      case ')':
        checkCloser(kParen);
        if (topKind() == kIfCondition) {
          rmBrak(1);
          newBrak(kThen);
        } else if (topKind() == kWhileCondition) {
          rmBrak(1);
        }
        break;
      case ']':
        checkCloser(kSquare);
        break;
      case '}':
      case ';':
        if (c == '}') {
          checkCloser(kBrace);
        } else {
          ungetChar(' ', false);  // lets a keyword follow the ";" directly
        }
        while (topKind() == kElse) rmBrak(1);
        if (topKind() == kThen) {
          rmBrak(1);
          checkElse();
        }
        break;
      case '=':
        if (depth_ > 0 && (stack_[depth_ - 1].kind == kIfCondition ||
                           stack_[depth_ - 1].kind == kWhileCondition)) {
          const int next = getChar();
          if (next != '=') {
            ungetChar(next, true);
            report(1, "Assignment instead of equals in conditional, line " + std::to_string(line_) +
                          ".\n");
          }
        }
        break;
      default:
        break;
    }
  }
  finishReport();
  return true;
}

void DRCheck::finishReport() {
  while (depth_ > 0) {
    const Entry entry = stack_[depth_];
    report_ += "*Unclosed brak at EOF: " + getStrForBrakType(entry.kind) + " opened on line " +
               std::to_string(entry.line) + ".\n";
    if (int* balance = balanceOf(entry.kind)) ++*balance;
    rmBrak(1);
  }
  if (braces_ != 0 || squares_ != 0 || parens_ != 0 || errorSeen_) {
    dealError(2);
    report_ += "Summary:\n";
  }
  const struct {
    int balance;
    const char* what;
  } counts[] = {
      {braces_, " braces.\n"}, {squares_, " square brackets.\n"}, {parens_, " parentheses.\n"}};
  for (const auto& count : counts) {
    if (count.balance == 0) continue;
    report_ += std::to_string(std::llabs(static_cast<long long>(count.balance)));
    report_ += count.balance > 0 ? " too few closing" : " too few opening";
    report_ += count.what;
  }
  if (errorSeen_ && braces_ == 0 && squares_ == 0 && parens_ == 0) {
    report_ += "\tPossible error(s), but no net delimiter imbalance.\n";
  }
}

}  // namespace vexadr
