// Reading a large configuration text on two cores at once.
//
// A scratch terminal reads a text line by line, and each line depends on the
// levels the lines before it opened, so the text cannot simply be cut in
// two.  Most configurations, though, are a run of top-level blocks: a line
// at the left margin after a "!" line is nearly always a command of the
// configuration mode itself, read the same whatever block came before it.
//
// readInParts guesses such a line near the middle.  A second terminal reads
// from there on while the first reads up to it and then a few lines more.
// After each of those lines the first terminal's state is compared with the
// second's (VTY::readingState), and the lines' commands, links and errors
// with each other (CiscoCommandLine::sameContent).  Once they agree, the
// second terminal read the rest exactly as the first would have, and its
// commands are taken from there; when they never do, the second part is
// dropped and the first terminal reads on.  Either way the commands are
// those of a reading from the first line to the last.  (The line after a
// sub-mode's block makes the first terminal close levels that the second
// never opened; on the next line both agree.)
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

// How often a text was read in two parts, and how often the parts joined.
struct PartReads {
  std::atomic<unsigned> tried{0};
  std::atomic<unsigned> joined{0};
};
PartReads& partReads();

// Whether text is read in two parts: at least readInPartsBytes()
// (side_by_side.h), a second core, and this thread not already sharing the
// cores with another (sideBySide).
bool worthReadingInParts(const std::string& text);

class LineStream;

// Where a reading in parts hands the commands of each part as they are read
// (line_stream.h) instead of gathering them: the first stream takes the
// first part's, the second (on the second thread) the second part's.
struct PartStreams {
  LineStream* first = nullptr;
  LineStream* second = nullptr;
  // Told back: the second part's commands follow the first's (both streams
  // are finished); else the first stream took every line (and is finished)
  // and the second's are to be dropped.
  bool joined = false;
};

// getCmdInfo over text in two parts at once (above); the same commands,
// errorText, errorLine and result.  With streams the commands go there and
// out stays as it is.
bool readInParts(const Grammar& grammar, const std::string& text,
                 std::vector<CiscoCommandLine*>& out, std::string& errorText, int& errorLine,
                 PartStreams* streams = nullptr);

}  // namespace vexaparser::model

#endif  // VEXA_SRC_PARSER_MODEL_READ_IN_PARTS_H_
