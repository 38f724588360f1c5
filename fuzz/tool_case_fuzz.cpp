// libFuzzer target: token validation and the command text utilities.  The
// input's first line is a token type (or keyword), its second the typed
// word, the rest text for the utilities.  Besides surviving any bytes:
// split pieces hold no delimiter, lowering is idempotent, and the divided
// head and tail give the text back.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "vexa/parser/parser_tool_case.h"

using vexaparser::ParserToolCase;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> parts = vexafuzz::partsOf(vexafuzz::textOf(data, size), '\n', 3);
  const std::string& type = parts[0];
  const std::string& word = parts[1];
  std::string text = parts[2];

  ParserToolCase::isValidInput(type, word);
  ParserToolCase::isNewValidInput(type, word);
  ParserToolCase::isAnyValidInput(type, word);
  ParserToolCase::partialMatched(type, word);
  ParserToolCase::isValidNumber(type, word);

  std::vector<std::string> pieces;
  ParserToolCase::splitString(text, " \t|", pieces);
  for (const std::string& piece : pieces) {
    if (piece.empty() || piece.find_first_of(" \t|") != std::string::npos) std::abort();
  }
  const std::string lower = ParserToolCase::string2Lower(text);
  if (ParserToolCase::string2Lower(lower) != lower) std::abort();
  std::string head;
  std::string tail;
  ParserToolCase::divideString(text, head, tail);
  if (head + tail != text) std::abort();

  ParserToolCase::cleanLine(text);
  ParserToolCase::getCmdFlag(text);
  ParserToolCase::isTheSameCmd(type, text, true);
  ParserToolCase::getFirstKey(text);
  ParserToolCase::getKeyStr(text);
  ParserToolCase::getVariableStr(text);
  ParserToolCase::getWholeStr(text);
  std::string out;
  ParserToolCase::getVarFromPvFormStr(text, out);
  bool hasOpen = false;
  bool hasClose = false;
  ParserToolCase::testOptionToken(word, out, hasOpen, hasClose);
  ParserToolCase::filterLines(text, out);
  ParserToolCase::strInCmd(text, word);
  std::string other;
  std::string command = text;
  ParserToolCase::getBothAclCmdsStr(command, other);
  std::string f1, f2, f3, f4, rest;
  ParserToolCase::parseCmdLine(text, f1, f2, f3, f4, rest);
  ParserToolCase::isIpACLWithNo(text);
  ParserToolCase::string2CutSpace(text);
  ParserToolCase::removeMore(text);
  return 0;
}
