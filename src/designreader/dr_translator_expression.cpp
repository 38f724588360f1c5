// Expressions and the built-ins besides the searches: set union and
// difference, isempty, not, print and is_in_samenet, and the two position
// checks that reject words standing where no statement or expression may
// start.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

#include "vexa/designreader/dr_translator.h"
#include "vexa/parser/parser_tool_case.h"

namespace vexadr {

namespace {

constexpr size_t kNone = static_cast<size_t>(-1);

// Index of the nearest entry before index that is not a white-space entry;
// kNone when there is none.  Line breaks therefore never separate
// statements: only ";" and braces do.
size_t previousWord(const std::vector<std::string>& words, size_t index) {
  while (index-- > 0) {
    const std::string& entry = words[index];
    if (entry.empty()) return index;
    const char c = entry[0];
    if (c != ' ' && c != '\r' && c != '\n' && c != '\t') return index;
  }
  return kNone;
}

bool isOneOf(const std::string& word, std::initializer_list<const char*> choices) {
  for (const char* choice : choices) {
    if (word == choice) return true;
  }
  return false;
}

}  // namespace

// How isempty and not differ; they share one translation.
struct DRTranslator::SetCallForm {
  const char* keyword;
  const char* temporary;
  bool acceptsArrayFirst;  // a user-interface list or "@" variable may come first
  const char* badFirst;
  const char* badOperator;
  const char* badLater;
  const char* badFormat;
  const char* replacement;
};

int DRTranslator::checkIllegleExpression(WordList& words, std::string word) {
  if (words.empty()) return 0;
  const size_t previous = previousWord(words, words.size() - 1);
  if (previous == kNone) return 0;
  const std::string& before = words[previous];
  if (getWordType(word) == 6 || word == "if") {
    if (isOneOf(before, {";", "}", "{", "=", "+", "-", "("})) return 0;
  } else if (word == "print") {
    if (isOneOf(before, {";", "}", "{"})) return 0;
  }
  return fail("There is an illegal expression on/before code line ");
}

int DRTranslator::checkIllegleMethod(WordList& words) {
  if (words.empty()) return 0;
  const size_t previous = previousWord(words, words.size() - 1);
  if (previous == kNone) return 0;
  const std::string& before = words[previous];
  if (before == "if" || before == "=") return 0;
  return fail("\"" + before + "\" is an illegal method in expression on code line ");
}

int DRTranslator::translateAdd(WordList& words) { return translateSetOperator(words, true); }

int DRTranslator::translateReduce(WordList& words) { return translateSetOperator(words, false); }

int DRTranslator::translateSetOperator(WordList& words, bool isUnion) {
  if (words.empty() || words.back() != (isUnion ? "+" : "-")) return -1;
  // The statement so far reads target, "=", left operand, operator.
  const size_t leftAt = previousWord(words, words.size() - 1);
  const size_t equalsAt = leftAt == kNone ? kNone : previousWord(words, leftAt);
  const size_t targetAt = equalsAt == kNone ? kNone : previousWord(words, equalsAt);
  const std::string left = leftAt == kNone ? std::string() : words[leftAt];
  const std::string equals = equalsAt == kNone ? std::string() : words[equalsAt];
  const std::string target = targetAt == kNone ? std::string() : words[targetAt];
  if (leftAt != kNone && getWordType(left) != 6) {
    return fail("\"" + left + "\" is an illegal variable in expression on code line ");
  }
  if (equalsAt != kNone && getWordType(equals) != 4) {
    return fail("An illegal expression on code line ");
  }
  if (targetAt != kNone && getWordType(target) != 6) {
    return fail("An illegal expression on code line ");
  }
  std::string right = getUnSpaceWord();
  if (isSpaceWord(right)) right.clear();  // the source ended first
  right = lowerWord(right);
  if (targetAt == kNone) {
    return fail("\"" + right + "\" is an illegal variable in expression on code line ");
  }

  words.erase(words.begin() + static_cast<std::ptrdiff_t>(targetAt), words.end());
  if (left != "#temp1") words.push_back("#temp1 = ();\r\n");
  words.push_back(std::string("#temp1 = ") + (isUnion ? "combineLines" : "removeLines") + "(\\" +
                  left + ", \\" + right + ");\r\n");
  words.push_back(target);
  if (isUnion) words.push_back(" ");
  words.push_back(equals);
  words.push_back(" ");
  words.push_back("#temp1");
  return 0;
}

int DRTranslator::processSetCall(WordList& words, const SetCallForm& form) {
  if (!popKeyword(words, form.keyword)) return -1;
  const std::string open = getUnSpaceWord();
  if (open.empty() || open[0] != '(') return fail("Function lacks left bracket  on code line");

  const std::string temporary = form.temporary;
  const std::string first = lowerWord(getUnSpaceWord());
  const int firstType = getWordType(first);
  if (firstType != 6 && !(form.acceptsArrayFirst && firstType == 5)) return fail(form.badFirst);
  insertPreLine(temporary + " = ();\r\n", words);
  insertPreLine(temporary + " = combineLines(\\" + temporary + ", \\" + first + ");\r\n", words);

  for (;;) {
    if (isFileEnd()) return fail(form.badFormat);
    const std::string op = getWord();
    if (isSpaceWord(op)) continue;
    if (op == ")") break;
    if (op != "+" && op != "-") return fail(form.badOperator);
    const std::string operand = lowerWord(getUnSpaceWord());
    if (getWordType(operand) != 6) return fail(form.badLater);
    insertPreLine(temporary + " = " + (op == "+" ? "combineLines" : "removeLines") + "(\\" +
                      temporary + ", \\" + operand + ");\r\n",
                  words);
  }
  words.push_back(form.replacement);
  return 0;
}

int DRTranslator::processIsEmpty(WordList& words) {
  static const SetCallForm kForm{"isempty",
                                 "#temp3",
                                 true,
                                 "Function isEmpty's argument is wrong on code line",
                                 "Function isEmpty' argument is wrong  on code line",
                                 "Function isEmpty's argument is wrong  on code line",
                                 "Function isEmpty's format is wrong on code line",
                                 "isEmpty(\\#temp3)"};
  return processSetCall(words, kForm);
}

int DRTranslator::processNot(WordList& words) {
  static const SetCallForm kForm{"not",
                                 "#temp2",
                                 false,
                                 "Not variable is wrong on code line",
                                 "Not variable is wrong on code line",
                                 "Not variable is wrong on code line",
                                 "Not format is wrong on code line",
                                 "excludeLines(\\#temp2)"};
  return processSetCall(words, kForm);
}

int DRTranslator::processPrint(WordList& words) {
  if (!popKeyword(words, "print")) return -1;
  const std::string word = getUnSpaceWord();
  const int type = getWordType(word);
  if (!word.empty() && word[0] == '"') {
    // The quoted text is printed exactly as written, without a line break.
    std::string text = word;
    while (!isFileEnd()) {
      const std::string next = getWord();
      text += next;
      if (!next.empty() && next[0] == '"') break;
    }
    words.insert(words.end(), {"print", " ", "OUTFILE ", text});
    return 0;
  }
  if (type == 6) {
    words.insert(words.end(),
                 {"printToFile (\\", vexaparser::ParserToolCase::string2Lower(word), ")"});
    return 0;
  }
  if (type == 5) {
    words.insert(words.end(), {"print OUTFILE (", word, ");\r\n", "print OUTFILE \"\\n\""});
    return 0;
  }
  return fail("Print information formate is wrong on codeline ");
}

int DRTranslator::processIsInSameNet(WordList& words) {
  if (!popKeyword(words, "is_in_samenet")) return -1;
  WordList arguments;
  if (getFunVariables(arguments) != 0) return -1;
  if (arguments.size() < 4) {
    return fail("Function is_in_samenet has wrong argument number on code line ");
  }
  const std::string& fourth = arguments[3];
  // Built by appending: GCC 12 warns falsely (-Wrestrict) on literal + string at -O3.
  std::string fourthValue = fourth;
  if (!fourth.empty() && fourth[0] == '#') {
    fourthValue = "\\@";
    fourthValue.append(fourth, 1, std::string::npos);
  }
  std::string fifthValue = "\"";
  if (arguments.size() == 5) fifthValue += vexaparser::ParserToolCase::string2Lower(arguments[4]);
  fifthValue += '"';
  words.push_back("is_in_samenet(\\" + arguments[0] + ",\\" + arguments[1] + ",\\" + arguments[2] +
                  "," + fourthValue + "," + fifthValue + ")");
  return 0;
}

}  // namespace vexadr
