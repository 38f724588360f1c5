// DRTranslator: translates a design-reader script into a Perl program.
//
// The script library (script files and the library tree) runs it after the
// syntax checker (DRCheck) has passed a script: when a script is saved, the
// program is written beside it; before a run, into the temporary folder.
// The translation is a word-by-word rewrite: every word of the script is
// collected, lower-cased and possibly rewritten, into one word list; the
// built-ins (the four searches, "+", "-", isempty, not, print,
// is_in_samenet) read their arguments straight from the lexer and put the
// Perl that replaces them into the list, placing helper lines before the
// current statement.  The written program is a fixed prologue, the
// translated body and the Perl runtime library "DRFunctions" of the host's
// script folder.
//
// Use: construct with the script text and the program path, call
// translateScriptFile() once, then read errorText: empty means the program
// is usable.  The object is copyable.
#ifndef VEXA_DESIGNREADER_DR_TRANSLATOR_H_
#define VEXA_DESIGNREADER_DR_TRANSLATOR_H_

#include <ostream>
#include <string>
#include <vector>

namespace vexadr {

class DRTranslator {
 public:
  // Stores the script text (any bytes; a zero byte ends the script) and the
  // path of the program file to write.
  DRTranslator(const std::string& scriptText, const std::string& programPath);

  // Writes the whole program file: prologue, translated body (nothing when
  // the translation fails), then "close OUTFILE;" and the runtime library
  // (left out when the library cannot be read).  An unwritable program path
  // writes nothing and sets no message.  Messages go to errorText.
  void translateScriptFile();

  // The decimal text of value.
  static std::string getString(int value);

  // The accumulated error messages, each ending in ".\r\n"; empty on success.
  std::string errorText;

 private:
  using WordList = std::vector<std::string>;

  // ---- lexer (dr_translator_lexer.cpp) ----
  char getChar();
  void ungetChar();
  bool isFileEnd() const;
  static bool isSimpleWord(char c);
  std::string getWord();
  std::string getUnSpaceWord();
  static bool isSpaceWord(const std::string& word);
  static int getWordType(const std::string& word);
  // The word lower-cased, unless it is one of the four user-interface lists.
  static std::string lowerWord(const std::string& word);

  // ---- frame (dr_translator.cpp) ----
  // The statement loop: writes the body to out; 0 on success, -1 on failure
  // (then nothing is written).
  int translateScriptFile(std::ostream& out);
  int processComment(WordList& words);
  int processQuo(WordList& words);
  int getFunVariables(WordList& arguments);
  void insertPreLine(const std::string& line, WordList& words);
  // Appends message, the current line number and ".\r\n" to errorText; -1.
  int fail(const std::string& message);
  // Removes the last entry when it is keyword; false otherwise.
  static bool popKeyword(WordList& words, const char* keyword);

  // ---- search statements (dr_translator_search.cpp) ----
  int processSearchLine(WordList& words);
  int processSearchParagraphBegin(WordList& words);
  int processSearchParagraphBetween(WordList& words);
  int processSearchParagraph(WordList& words);
  int printSearchLine(WordList& words, std::string& pattern, WordList& captures,
                      WordList& references, std::string& flag, std::string& scope,
                      std::string extra);
  int printSearchParaGraphBegin(WordList& words, std::string& pattern, WordList& captures,
                                WordList& references, std::string& flag, std::string& scope,
                                std::string extra);
  int printSearchParaGraphBetween(WordList& words, std::string& pattern1, WordList& captures1,
                                  WordList& references1, std::string& pattern2, WordList& captures2,
                                  std::string& flag, std::string& scope, std::string extra);
  int printSearchParaGraph(WordList& words, std::string& pattern1, WordList& captures1,
                           WordList& references1, std::string& pattern2, WordList& captures2,
                           std::string& pattern3, WordList& captures3, std::string& flag,
                           std::string& scope, std::string extra);
  int solveRegular(std::string& pattern, WordList& captures, WordList& references, int mode);
  int changeRegularFormate(std::string& pattern, int mode);
  // Steps common to the four searches: pops the keyword, reads and counts
  // the arguments (patternCount patterns, a flag, an optional scope and an
  // optional extra) and prepares flag, scope and extra; 0 or -1.
  int readSearchArguments(WordList& words, const char* keyword, size_t patternCount,
                          WordList& arguments, std::string& flag, std::string& scope,
                          std::string& extra);

  // ---- expressions and built-ins (dr_translator_expression.cpp) ----
  int checkIllegleExpression(WordList& words, std::string word);
  int checkIllegleMethod(WordList& words);
  int translateAdd(WordList& words);
  int translateReduce(WordList& words);
  int processIsEmpty(WordList& words);
  int processNot(WordList& words);
  int processPrint(WordList& words);
  int processIsInSameNet(WordList& words);
  int translateSetOperator(WordList& words, bool isUnion);
  struct SetCallForm;
  int processSetCall(WordList& words, const SetCallForm& form);

  std::string scriptText_;
  std::string programPath_;
  std::string source_;
  size_t pos_ = 0;
  int line_ = 1;

  friend class DRTranslatorPeer;  // tests reach the lexer and the rewrites
};

}  // namespace vexadr

#endif  // VEXA_DESIGNREADER_DR_TRANSLATOR_H_
