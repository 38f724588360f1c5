// The four search built-ins: argument rules, the rewriting of a script
// pattern into a Perl regular expression, and the Perl placed before, in
// place of and after a search call.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "vexa/designreader/dr_translator.h"
#include "vexa/parser/parser_tool_case.h"

namespace vexadr {

namespace {

// A capture of one run of non-blank characters.
const std::string kCaptureGroup = "([^ \\t\\r\\n]*)";

// The text from the first "(" at or after pos to the first ")" at or after
// pos.  When that ")" stands before the "(", the text runs to the end of the
// pattern.  False when either is missing.
bool findGroup(const std::string& pattern, size_t pos, size_t& open, size_t& length,
               size_t& close) {
  open = pattern.find('(', pos);
  close = pattern.find(')', pos);
  if (open == std::string::npos || close == std::string::npos) return false;
  length = close >= open ? close - open + 1 : pattern.size() - open;
  return true;
}

size_t nameEnd(const std::string& pattern, size_t at) {
  const size_t end = pattern.find_first_of(" \"", at);
  return end == std::string::npos ? pattern.size() : end;
}

// What one emitter puts around its call.
struct SearchEmit {
  std::string keyword;                // "search_line", ...
  std::vector<std::string> patterns;  // rewritten, in call order
  // Result global (without sign) and the captures that are split out of it.
  std::vector<std::pair<std::string, const std::vector<std::string>*>> results;
  const std::vector<std::string>* references = nullptr;  // of the first pattern
  std::string flag;
  std::string scope;
  std::string extra;
};

SearchEmit makeEmit(const char* keyword, const std::vector<std::string>& references,
                    const std::string& flag, const std::string& scope, const std::string& extra) {
  SearchEmit emit;
  emit.keyword = keyword;
  emit.references = &references;
  emit.flag = flag;
  emit.scope = scope;
  emit.extra = extra;
  return emit;
}

void emitSearch(std::vector<std::string>& words, const SearchEmit& emit,
                const std::function<void(const std::string&)>& insert) {
  const bool scoped = !emit.scope.empty() && (emit.scope[0] == '@' || emit.scope[0] == '#');
  const std::string scopeRef = scoped ? "\\" + emit.scope : emit.scope;
  if (scoped) {
    // The search and its captures run only when the scope set is not empty.
    insert("\n");
    insert("if (" + emit.scope + ")");
    insert("{");
  }
  for (const auto& [global, captures] : emit.results) {
    insert("@" + global + " = (\"\") x " +
           DRTranslator::getString(static_cast<int>(captures->size())) + ";\r\n");
  }
  std::string call = emit.keyword + "(";
  for (const std::string& pattern : emit.patterns) call += pattern + ",";
  call += emit.flag + "," + scopeRef + "," + emit.extra + ");\r";

  const std::vector<std::string>& references = *emit.references;
  if (references.empty()) {
    words.push_back(call);
    words.push_back("\n");
  } else {
    // One search per index of the referenced arrays, run only when they all
    // have the size of the first one; the sets found are united.
    const std::string& first = references.front();
    std::string loop = "$tempSize = " + first + ";\n";
    for (const std::string& reference : references) {
      loop += "if($tempSize != " + reference + ")\n" + "{}\nels";
    }
    loop += "e\n{\n";
    loop += "#searchset = ();\r\n";
    loop += "#oneset = ();\r\n";
    loop += "for($index = 0; $index <" + first + "; $index++)\n{\n";
    loop += "#oneset = " + call + "\n";
    loop += "#searchset = combineLines(\\#searchset, \\#oneset);\r\n";
    loop += "}\r\n";
    insert(loop);
    words.push_back("#searchset;\r");
    words.push_back("\n");
    insert("}\n");
  }
  for (const auto& [global, captures] : emit.results) {
    for (size_t i = 0; i < captures->size(); ++i) {
      words.push_back((*captures)[i] + " = split (/ /, $" + global + "[" +
                      DRTranslator::getString(static_cast<int>(i)) + "]);\r");
      words.push_back("\n");
    }
  }
  if (scoped) insert("}");
}

}  // namespace

int DRTranslator::solveRegular(std::string& pattern, WordList& captures, WordList& references,
                               int mode) {
  size_t open = 0;
  size_t length = 0;
  size_t close = 0;
  for (size_t pos = 0; findGroup(pattern, pos, open, length, close); pos = close + 1) {
    std::string group = pattern.substr(open, length);
    group.erase(group.find('('), 1);
    const size_t closeInGroup = group.find(')');
    if (closeInGroup != std::string::npos) group.erase(closeInGroup, 1);
    captures.push_back(group);
  }
  for (size_t at = pattern.find('@'); at != std::string::npos; at = pattern.find('@', at + 1)) {
    if (at > 0 && pattern[at - 1] == '(') continue;  // names a capture
    references.push_back(pattern.substr(at, nameEnd(pattern, at) - at));
  }
  return changeRegularFormate(pattern, mode);
}

int DRTranslator::changeRegularFormate(std::string& pattern, int mode) {
  size_t open = 0;
  size_t length = 0;
  size_t close = 0;
  size_t pos = 0;
  while (findGroup(pattern, pos, open, length, close)) {
    pattern.replace(open, length, kCaptureGroup);
    pos = pattern.rfind(kCaptureGroup) + kCaptureGroup.size() + 1;
  }
  const std::string index = mode == 0 ? "[$index]" : "[0]";
  for (size_t at = pattern.find('@'); at != std::string::npos; at = pattern.find('@', at + 1)) {
    pattern[at] = '$';
    pattern.insert(nameEnd(pattern, at), index);
  }
  return 0;
}

int DRTranslator::readSearchArguments(WordList& words, const char* keyword, size_t patternCount,
                                      WordList& arguments, std::string& flag, std::string& scope,
                                      std::string& extra) {
  using vexaparser::ParserToolCase;
  if (!popKeyword(words, keyword)) return -1;
  if (getFunVariables(arguments) != 0) return -1;
  if (arguments.size() < patternCount + 1 || arguments.size() > patternCount + 3) {
    return fail("Function has wrong argument number on code line ");
  }
  flag = ParserToolCase::string2Lower(arguments[patternCount]);
  if (flag != "first" && flag != "continuous" && flag != "all") {
    return fail("Function has wrong flag argument on code line ");
  }
  flag = "\"" + flag + "\"";
  scope = "\"\"";
  if (arguments.size() > patternCount + 1) {
    scope = ParserToolCase::string2Lower(arguments[patternCount + 1]);
    if (scope.empty()) scope = "\"\"";
  }
  extra = "\"\"";
  if (arguments.size() > patternCount + 2) {
    std::string text = ParserToolCase::string2Lower(arguments[patternCount + 2]);
    for (int quote = 0; quote < 2; ++quote) {
      const size_t at = text.find('"');
      if (at != std::string::npos) text.erase(at, 1);
    }
    extra = "\"" + text + "\"";
  }
  return 0;
}

int DRTranslator::processSearchLine(WordList& words) {
  WordList arguments;
  std::string flag;
  std::string scope;
  std::string extra;
  if (readSearchArguments(words, "search_line", 1, arguments, flag, scope, extra) != 0) return -1;
  WordList captures;
  WordList references;
  solveRegular(arguments[0], captures, references, 0);
  return printSearchLine(words, arguments[0], captures, references, flag, scope, extra);
}

int DRTranslator::processSearchParagraphBegin(WordList& words) {
  WordList arguments;
  std::string flag;
  std::string scope;
  std::string extra;
  if (readSearchArguments(words, "search_paragraph_begin", 1, arguments, flag, scope, extra) != 0) {
    return -1;
  }
  WordList captures;
  WordList references;
  solveRegular(arguments[0], captures, references, 0);
  return printSearchParaGraphBegin(words, arguments[0], captures, references, flag, scope, extra);
}

int DRTranslator::processSearchParagraphBetween(WordList& words) {
  WordList arguments;
  std::string flag;
  std::string scope;
  std::string extra;
  if (readSearchArguments(words, "search_paragraph_between", 2, arguments, flag, scope, extra) !=
      0) {
    return -1;
  }
  WordList captures1;
  WordList references1;
  WordList captures2;
  WordList references2;
  solveRegular(arguments[0], captures1, references1, 0);
  solveRegular(arguments[1], captures2, references2, 1);
  return printSearchParaGraphBetween(words, arguments[0], captures1, references1, arguments[1],
                                     captures2, flag, scope, extra);
}

int DRTranslator::processSearchParagraph(WordList& words) {
  WordList arguments;
  std::string flag;
  std::string scope;
  std::string extra;
  if (readSearchArguments(words, "search_paragraph", 3, arguments, flag, scope, extra) != 0) {
    return -1;
  }
  WordList captures1;
  WordList references1;
  WordList captures2;
  WordList references2;
  WordList captures3;
  WordList references3;
  solveRegular(arguments[0], captures1, references1, 0);
  solveRegular(arguments[1], captures2, references2, 1);
  solveRegular(arguments[2], captures3, references3, 1);
  return printSearchParaGraph(words, arguments[0], captures1, references1, arguments[1], captures2,
                              arguments[2], captures3, flag, scope, extra);
}

int DRTranslator::printSearchLine(WordList& words, std::string& pattern, WordList& captures,
                                  WordList& references, std::string& flag, std::string& scope,
                                  std::string extra) {
  SearchEmit emit = makeEmit("search_line", references, flag, scope, extra);
  emit.patterns = {pattern};
  emit.results = {{"matchResults", &captures}};
  emitSearch(words, emit, [&](const std::string& line) { insertPreLine(line, words); });
  return 0;
}

int DRTranslator::printSearchParaGraphBegin(WordList& words, std::string& pattern,
                                            WordList& captures, WordList& references,
                                            std::string& flag, std::string& scope,
                                            std::string extra) {
  SearchEmit emit = makeEmit("search_paragraph_begin", references, flag, scope, extra);
  emit.patterns = {pattern};
  emit.results = {{"matchResultsBegin", &captures}};
  emitSearch(words, emit, [&](const std::string& line) { insertPreLine(line, words); });
  return 0;
}

int DRTranslator::printSearchParaGraphBetween(WordList& words, std::string& pattern1,
                                              WordList& captures1, WordList& references1,
                                              std::string& pattern2, WordList& captures2,
                                              std::string& flag, std::string& scope,
                                              std::string extra) {
  SearchEmit emit = makeEmit("search_paragraph_between", references1, flag, scope, extra);
  emit.patterns = {pattern1, pattern2};
  emit.results = {{"matchResultsBegin", &captures1}, {"matchResultsEnd", &captures2}};
  emitSearch(words, emit, [&](const std::string& line) { insertPreLine(line, words); });
  return 0;
}

int DRTranslator::printSearchParaGraph(WordList& words, std::string& pattern1, WordList& captures1,
                                       WordList& references1, std::string& pattern2,
                                       WordList& captures2, std::string& pattern3,
                                       WordList& captures3, std::string& flag, std::string& scope,
                                       std::string extra) {
  // Only the references of the first pattern drive the per-index loop.
  SearchEmit emit = makeEmit("search_paragraph", references1, flag, scope, extra);
  emit.patterns = {pattern1, pattern2, pattern3};
  emit.results = {{"matchResultsBegin", &captures1},
                  {"matchResultsEnd", &captures2},
                  {"matchResultsMiddle", &captures3}};
  emitSearch(words, emit, [&](const std::string& line) { insertPreLine(line, words); });
  return 0;
}

}  // namespace vexadr
