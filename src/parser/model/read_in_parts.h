// Reading a large configuration text on two cores at once.
//
// A scratch terminal reads a text line by line, and each line depends on the
// levels the lines before it opened, so the text cannot simply be cut in
// two.  Most configurations, though, are a run of top-level blocks: a line
// at the left margin after a "!" line is nearly always a command of the
// configuration mode itself, read the same whatever block came before it.
//
// readInParts cuts the text into pieces at such lines, about one per
// readPieceBytes() (two to eight), and two threads read them, each piece
// with a terminal of its own that guesses the state it starts in; a piece's
// terminal then reads on into the next piece for a few lines.  Where two
// pieces meet, the terminals are compared after each of those lines
// (VTY::readingState, and the lines' commands with
// CiscoCommandLine::sameReading and their errors): once they agree, the
// later piece was read from there on exactly as the earlier terminal would
// have read it, and its commands are taken.  Where they never agree, one
// terminal reads on from the start of the earlier piece until its lines
// agree with a later piece's, or to the end.  Either way the commands are
// those of a reading from the first line to the last.  Taking the pieces
// in turn shares a part of the text that reads slower than the rest (long
// access lists, routing processes) between the two threads.
//
// Internal to src/parser/model/.
#ifndef VEXA_SRC_PARSER_MODEL_READ_IN_PARTS_H_
#define VEXA_SRC_PARSER_MODEL_READ_IN_PARTS_H_

#include <atomic>
#include <cstddef>
#include <string>
#include <vector>

#include "parser/model/side_by_side.h"
#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/grammar.h"

namespace vexaparser::model {

// How often a text was read in pieces, and how often every piece joined
// the one before it.
struct PartReads {
  std::atomic<unsigned> tried{0};
  std::atomic<unsigned> joined{0};
};
PartReads& partReads();

// Whether text is read in pieces: at least readInPartsBytes()
// (side_by_side.h), a second core, and this thread not already sharing the
// cores with another (sideBySide).
bool worthReadingInParts(const std::string& text);

// getCmdInfo over text in pieces at once (above); the same commands,
// errorText, errorLine and result.
bool readInParts(const Grammar& grammar, const std::string& text,
                 std::vector<CiscoCommandLine*>& out, std::string& errorText, int& errorLine);

}  // namespace vexaparser::model

#endif  // VEXA_SRC_PARSER_MODEL_READ_IN_PARTS_H_
