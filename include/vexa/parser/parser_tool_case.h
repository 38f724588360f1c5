// ParserToolCase: the command text tools shared by the mode-file loaders,
// the terminal, the configuration model and the design-reader translator.
//
// Two families of static operations, all without state but the timer:
//  - text utilities on command lines: splitting, the key / variable / whole
//    forms of a command, cleaning captured device output, access-list header
//    translation, the field split of a mode-file line;
//  - validation of a typed word against a token type of the mode files
//    ("<1-4294967295>", "a.b.c.d", "word", ...), and keyword abbreviation.
//
// Every operation answers any byte string (8-bit bytes, embedded NULs)
// without reading out of bounds; malformed input gives false or an empty or
// unchanged result.  Nothing throws.
//
// isMAC requires the whole token to conform: exactly three groups of four
// hexadecimal digits (either case) separated by dots, 14 characters in all
// ("0011.22aa.BBcc").
#ifndef VEXA_PARSER_PARSER_TOOL_CASE_H_
#define VEXA_PARSER_PARSER_TOOL_CASE_H_

#include <list>
#include <set>
#include <string>
#include <vector>

#include "vexa/parser/command_flag.h"

namespace vexaparser {

class ParserToolCase {
 public:
  // ---- token types and validation ----

  // Bracketed types ("<...>"): ranges, "<hh:mm>", "<month>", "<day>",
  // "<a.b.c.d>", "<h.h.h>", and any other bracketed name (accepts anything).
  static bool isValidInput(const std::string& type, const std::string& input);
  // Bare types ("a.b.c.d", "aa:nn", "id", "+/-<metric>", "h.h.h", ...).
  static bool isNewValidInput(const std::string& type, const std::string& input);
  // Whether isValidInput (for a bracketed type) or isNewValidInput may accept
  // an input other than type itself.  False means both accept type alone, so
  // a table of such keys is answered by a lookup.
  static bool acceptsOtherInput(const std::string& type);
  // Free-text types "hostname or a.b.c.d", "word", "line": any word but "\n".
  static bool isAnyValidInput(const std::string& type, const std::string& input);
  // Whether input abbreviates keyword (case-insensitive prefix); never for a
  // free-text type.
  static bool partialMatched(const std::string& keyword, const std::string& input);
  // a <= b for unsigned numbers written as decimal (or lower-case hexadecimal)
  // digit strings of any length; false when either is not such a string.
  static bool isValidNumber(const std::string& a, const std::string& b);

  // ---- text utilities ----

  // Appends the non-empty tokens of text separated by any delimiter byte.
  static void splitString(const std::string& text, const std::string& delimiters,
                          std::vector<std::string>& out);
  // The same, one new string per token; the caller deletes them.
  static void splitString(const std::string& text, const std::string& delimiters,
                          std::list<std::string*>& out);

  // Every word followed by one blank, then "\n"; "\n" for a blank line.
  static std::string cleanLine(const std::string& line);
  // Drops pager residue ("--More--" and what precedes it, and control
  // characters after it) from a line of captured output.
  static void removeMore(std::string& line);

  // 1 "no " form, 2 "no " form of an overwrite command, 3 append, 4 overwrite;
  // a command is an overwrite command when its key (getKeyStr) is one of
  // overwriteKeys.
  static CiscoCommandLineFlag getCmdFlag(const std::string& command,
                                         const std::set<std::string>& overwriteKeys);
  // The same with the overwrite set of the default grammar (defined with the
  // default grammar, src/parser/model/default_grammar.cpp).
  static CiscoCommandLineFlag getCmdFlag(const std::string& command);
  // Same key; with checkNo, one is the "no" form of the other.
  static bool isTheSameCmd(const std::string& a, const std::string& b, bool checkNo);

  static std::string getFirstKey(const std::string& text);
  // Words not beginning with "<", joined without separator.
  static std::string getKeyStr(const std::string& text);
  // Words beginning with "<", joined without separator.
  static std::string getVariableStr(const std::string& text);
  // All words joined without separator.
  static std::string getWholeStr(const std::string& text);
  // out = text without its first and last character (empty when shorter).
  static void getVarFromPvFormStr(const std::string& text, std::string& out);
  // out = the part between the first "[" and the first "]" after it (or the
  // ends of token); hasOpen/hasClose tell whether "[" / "]" occur.
  static void testOptionToken(const std::string& token, std::string& out, bool& hasOpen,
                              bool& hasClose);
  // Appends every line of text without "!" or "version", each plus " \n".
  static void filterLines(const std::string& text, std::string& out);
  // Whether words (blanks in them optional) form the beginning of command.
  static bool strInCmd(const std::string& command, const std::string& words);
  // Translates the first line of an access list between the numbered and the
  // named syntax: command is rewritten, other receives the other form.
  static void getBothAclCmdsStr(std::string& command, std::string& other);
  // Cuts text after its last "|": head up to and including it, tail the rest.
  static void divideString(const std::string& text, std::string& head, std::string& tail);
  // Field split of a mode-file line: word, help, letters, argument, tail.
  static void parseCmdLine(const std::string& line, std::string& field1, std::string& field2,
                           std::string& field3, std::string& field4, std::string& rest);
  // "ip access-list standard|extended <digits>" (case-insensitive).
  static bool isIpACLWithNo(const std::string& text);
  // First character "<" and last ">"; false for the empty string.
  static bool isPvFormStr(const std::string& text);
  // Every byte lowered in the classic locale.
  static std::string string2Lower(const std::string& text);
  // Drops one kind of trailing character: blanks or carriage returns.
  static std::string string2CutSpace(const std::string& text);

  // Process-wide timer on the processor clock.
  static void timerStart();
  static void timerStop();
  // Seconds between the last timerStart and timerStop.
  static double elapsedTime();

 private:
  static bool isValidRange(const std::string& type, const std::string& input);
  static bool isValidHexRange(const std::string& type, const std::string& input);
  static bool isValidTime(const std::string& input);
  static bool isMonth(const std::string& input);
  static bool isDay(const std::string& input);
  static bool isMAC(const std::string& input);
  static bool isStringNum(const std::string& s);
  static bool isStringHexNum(const std::string& s);
  static bool isStringOnlyHexNum(const std::string& s);

  friend class ParserToolCasePeer;  // tests reach the private checks through it
};

}  // namespace vexaparser

#endif  // VEXA_PARSER_PARSER_TOOL_CASE_H_
