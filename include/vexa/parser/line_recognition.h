// How many lines of a configuration text the configuration terminal
// recognises: the count of "vexa-config check" and of the grammar's corpus
// measurements.
#ifndef VEXA_PARSER_LINE_RECOGNITION_H_
#define VEXA_PARSER_LINE_RECOGNITION_H_

#include <string>
#include <vector>

#include "vexa/parser/grammar.h"

namespace vexaparser {

struct LineRecognition {
  // Counted lines: command lines (configLineKind, config_line.h); blank,
  // comment, "end" and "version" lines and the header of a running-config
  // listing ("Building configuration...", "Current configuration : ...")
  // are not counted.
  long lines = 0;
  // Counted lines the terminal accepts as commands.
  long recognized = 0;
  struct Line {
    long lineNo = 0;  // the physical line: line feeds before it, plus one
    std::string text;
  };
  // The counted lines it does not recognise, in text order.
  std::vector<Line> unrecognized;
};

// Reads text through one scratch terminal of grammar (scratch_terminal.h),
// line by line as the tree builder does: the text is cut at line feeds and
// each piece at carriage returns; every non-empty piece is parsed in order,
// a command line object attached.  A counted line is recognised when it
// parses and the terminal's info line is not empty (banner text: when its
// banner command was).  Nothing is counted without a complete grammar.
LineRecognition recognizeLines(const Grammar& grammar, const std::string& text);

}  // namespace vexaparser

#endif  // VEXA_PARSER_LINE_RECOGNITION_H_
