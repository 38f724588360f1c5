// The translator frame: the program file, the statement loop, comments,
// quoted text, the argument reader of the built-ins and the placing of
// helper lines before the current statement.

#include "vexa/designreader/dr_translator.h"

#include <sstream>
#include <string>

#include "vexa/host/pathname.h"
#include "vexa/host/vexa_file_system.h"

namespace vexadr {

namespace {

// The fixed head of every generated program.  It is written as it stands,
// without the "#" to "@" replacement of the body.
constexpr char kPrologue[] =
    "\r\n"
    "#Read the config file into a perl hash variable.\r\n"
    "%allLines;\r\n"
    "@matchResults;\r\n"
    "@matchResultsBegin;\r\n"
    "@matchResultsEnd;\r\n"
    "@matchResultsMiddle;\r\n"
    "@UI_InterfaceList;\r\n"
    "@UI_ProtocolList;\r\n"
    "@UI_InterfaceNameList;\r\n"
    "@UI_IPAddressList;\r\n"
    "\r\n"
    "hashConfigFile();\r\n"
    "\r\n"
    "readUIFiles();\r\n"
    "$resultFile = $ARGV[1];\r\n"
    "if(open(OUTFILE, \">$resultFile\")) {\r\n"
    "}\r\n"
    "else {\r\n"
    "\tprint \"Can't open result file!\";\r\n"
    "\treturn;\r\n"
    "}\r\n"
    "\r\n"
    "\r\n";

constexpr char kLibraryName[] = "DRFunctions";

}  // namespace

DRTranslator::DRTranslator(const std::string& scriptText, const std::string& programPath)
    : scriptText_(scriptText), programPath_(programPath), source_(scriptText) {
  // The lexer reads up to the terminating zero: a zero byte ends the script.
  const size_t zero = source_.find('\0');
  if (zero != std::string::npos) source_.resize(zero);
}

std::string DRTranslator::getString(int value) { return std::to_string(value); }

int DRTranslator::fail(const std::string& message) {
  errorText += message + getString(line_) + ".\r\n";
  return -1;
}

bool DRTranslator::popKeyword(WordList& words, const char* keyword) {
  if (words.empty() || words.back() != keyword) return false;
  words.pop_back();
  return true;
}

void DRTranslator::translateScriptFile() {
  const vexahost::Pathname program(programPath_);
  if (!program.isDirectory()) program.removeFile(false);
  // Opening the file for writing: an unwritable path ends the translation
  // before it starts, with nothing written and no message.
  if (!program.writeAll(std::string())) return;

  std::ostringstream text;
  text << kPrologue;
  translateScriptFile(text);  // a failure is known by errorText alone

  std::string library;
  const vexahost::Pathname libraryFile(vexahost::VexaFileSystem::GetScriptFilePath(kLibraryName));
  if (libraryFile.readAll(library)) text << "\r\nclose OUTFILE;\n" << library;
  program.writeAll(text.str());
}

int DRTranslator::translateScriptFile(std::ostream& out) {
  WordList words;
  int result = 0;
  while (result == 0 && !isFileEnd()) {
    const std::string word = lowerWord(getWord());
    if (word.empty()) {
      // Only a byte 255 gives an empty word before the end of the source.
      result = -1;
      break;
    }
    words.push_back(word);
    if (word == "+") {
      result = translateAdd(words);
    } else if (word == "-") {
      result = translateReduce(words);
    } else if (word == "!") {
      result = processComment(words);
    } else if (word == "\"") {
      result = processQuo(words);
    } else if (word == "not") {
      result = processNot(words);
    } else if (word == "isempty") {
      result = processIsEmpty(words);
    } else if (word == "search_line") {
      result = processSearchLine(words);
    } else if (word == "search_paragraph_begin") {
      result = processSearchParagraphBegin(words);
    } else if (word == "search_paragraph_between") {
      result = processSearchParagraphBetween(words);
    } else if (word == "search_paragraph") {
      result = processSearchParagraph(words);
    } else if (word == "print") {
      result = checkIllegleExpression(words, word);
      if (result == 0) result = processPrint(words);
    } else if (word == "(") {
      result = checkIllegleMethod(words);
    } else if (word[0] == '#' || word == "if") {
      result = checkIllegleExpression(words, word);
    } else if (word == "is_in_samenet") {
      result = processIsInSameNet(words);
    }
  }
  if (result != 0) return -1;

  std::string body;
  for (const std::string& entry : words) body += entry;
  // Set variables may be written with "#" in scripts and the generated
  // fragments use "#" too; in Perl every one of them is an array.
  for (char& c : body) {
    if (c == '#') c = '@';
  }
  out << body;
  return 0;
}

int DRTranslator::processComment(WordList& words) {
  if (!popKeyword(words, "!")) return -1;
  while (!isFileEnd()) {
    const std::string word = getWord();
    // A line feed goes with the comment; after a carriage return the line
    // feed is left to the statement loop, so the line break stays.
    if (!word.empty() && (word[0] == '\n' || word[0] == '\r')) return 0;
  }
  return -1;
}

int DRTranslator::processQuo(WordList& words) {
  if (words.empty() || words.back() != "\"") return -1;
  // The text is copied whole, opening quote included, so that it reaches
  // the program as the literal the script wrote.
  while (!isFileEnd()) {
    const std::string word = getWord();
    words.push_back(word);
    if (!word.empty() && word[0] == '"') return 0;
  }
  return -1;
}

int DRTranslator::getFunVariables(WordList& arguments) {
  if (getUnSpaceWord() != "(") return fail("Function lacks left bracket on code line ");
  std::string text;
  int depth = 1;
  for (;;) {
    if (isFileEnd()) return fail("Function lacks right bracketon code line ");
    const std::string word = getWord();
    if (word == "(") {
      ++depth;
    } else if (word == ")" && --depth == 0) {
      break;
    }
    text += word;
  }
  size_t start = 0;
  for (;;) {
    const size_t comma = text.find(',', start);
    std::string argument =
        text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    const char* const kBlank = " \t\r\n";
    const size_t first = argument.find_first_not_of(kBlank);
    if (first == std::string::npos) {
      argument = "\"\"";
    } else {
      argument = argument.substr(first, argument.find_last_not_of(kBlank) - first + 1);
    }
    arguments.push_back(argument);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return 0;
}

void DRTranslator::insertPreLine(const std::string& line, WordList& words) {
  size_t at = 0;
  for (size_t i = words.size(); i-- > 1;) {
    const std::string& entry = words[i];
    if (entry == ";" || entry == "\n" || entry == "}" || entry == "{") {
      at = i + 1;
      break;
    }
  }
  words.insert(words.begin() + static_cast<std::ptrdiff_t>(at), {line, "\n"});
}

}  // namespace vexadr
