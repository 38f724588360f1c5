// The translator's lexer: words of the design-reader language.
//
// A word is one special character, a run of spaces, or a run of any other
// characters up to a special character or a space.  Words keep their
// spacing, so the concatenated words reproduce the script's layout.

#include <string>

#include "vexa/designreader/dr_translator.h"
#include "vexa/parser/parser_tool_case.h"

namespace vexadr {

char DRTranslator::getChar() {
  if (pos_ >= source_.size()) return '\0';
  return source_[pos_++];
}

void DRTranslator::ungetChar() {
  if (pos_ > 0) --pos_;
}

bool DRTranslator::isFileEnd() const { return pos_ >= source_.size(); }

bool DRTranslator::isSimpleWord(char c) {
  switch (c) {
    case '+':
    case '-':
    case '{':
    case '}':
    case '(':
    case ')':
    case '[':
    case ']':
    case '!':
    case ',':
    case ';':
    case '\'':
    case '"':
    case '\t':
    case '\r':
    case '\n':
    case '\\':
      return true;
    default:
      return false;
  }
}

std::string DRTranslator::getWord() {
  if (isFileEnd()) return std::string();
  char c = getChar();
  // Script variables may be written with "$" as well as "@".
  if (c == '$') c = '@';
  if (static_cast<unsigned char>(c) == 255) return std::string();
  if (isSimpleWord(c)) {
    if (c == '\n') ++line_;
    return std::string(1, c);
  }
  std::string word(1, c);
  const bool spaces = c == ' ';
  while (!isFileEnd()) {
    c = getChar();
    const bool ends = spaces ? c != ' ' : (c == ' ' || isSimpleWord(c));
    if (ends) {
      ungetChar();
      break;
    }
    word.push_back(c == '$' ? '@' : c);
  }
  return word;
}

std::string DRTranslator::getUnSpaceWord() {
  std::string word;
  while (!isFileEnd()) {
    word = getWord();
    if (!isSpaceWord(word)) return word;
  }
  return word;
}

bool DRTranslator::isSpaceWord(const std::string& word) {
  if (word.empty()) return false;
  const char c = word[0];
  return c == ' ' || c == '\r' || c == '\n' || c == '\t';
}

int DRTranslator::getWordType(const std::string& word) {
  if (word.empty()) return -1;
  switch (word[0]) {
    case ' ':
      return 1;
    case '+':
      return 2;
    case '-':
      return 3;
    case '=':
      return 4;
    case '@':
      return 5;
    case '#':
      return 6;
    default:
      return 0;
  }
}

std::string DRTranslator::lowerWord(const std::string& word) {
  if (word == "@UI_InterfaceList" || word == "@UI_ProtocolList" ||
      word == "@UI_InterfaceNameList" || word == "@UI_IPAddressList") {
    return word;
  }
  return vexaparser::ParserToolCase::string2Lower(word);
}

}  // namespace vexadr
