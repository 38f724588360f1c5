// Measurements of the product grammar on real configurations, shared by the
// corpus tests: the recognition count (the counting rule of "vexa-config
// check"), the configuration lines of a text compared as a multiset, the
// lines of a configuration tree compared without the order of siblings, and
// the deterministic delta of the rollback test.
#ifndef VEXA_TESTS_PARSER_GRAMMAR_CORPUS_SUPPORT_H_
#define VEXA_TESTS_PARSER_GRAMMAR_CORPUS_SUPPORT_H_

#include <map>
#include <string>
#include <vector>

namespace vexaparser::testing {

struct Recognition {
  long lines = 0;       // counted lines
  long recognized = 0;  // counted lines the configuration terminal accepts
  std::vector<std::string> unrecognized;
};

// The rule of "vexa-config check", kept identical: the text is cut at line
// feeds and each piece at carriage returns; every non-empty piece is parsed,
// in order, by one configuration terminal ("hostName", not a command line,
// a command line object attached).  Lines whose first word is empty, begins
// with "!", or is "end" or "version" (any case) are not counted.  A counted
// line is recognized when the parse succeeds and the info line is not empty;
// banner text is recognized that way when its banner command was.
// Needs loaded parser resources.
Recognition recognize(const std::string& text);

// Whether a line carries no configuration: blank, "!" comments, "end",
// "version", and the listing header lines "Building configuration..." and
// "Current configuration : N bytes".
bool isIgnoredLine(const std::string& line);

// A line as compared by the tests: lowered, every run of blanks and tabs
// removed.  The terminal lowers keywords typed in capitals, writes one blank
// between words and a blank at the end, and writes an interface name as its
// type and number ("GigabitEthernet0/1" becomes "gigabitethernet 0/1");
// this form is the same for both, and keeps every other change visible.
std::string comparable(const std::string& line);

// The configuration lines of text (comparable forms of the lines that are
// not ignored) with their counts.
std::map<std::string, int> configurationLines(const std::string& text);

// Every configuration line of text with the lines of the modes that enclose
// it (by indentation), joined by " > ", with counts: a tree compared without
// the order of sibling lines.
std::map<std::string, int> treeLines(const std::string& text);

// The delta of the rollback test for a normalized configuration (one blank
// of indentation per level): some commands removed with "no" at the top, in
// sub-modes and in nested sub-modes, descriptions changed or added in
// interfaces, a changed host name, and new top-level commands and a new
// interface.  Deterministic: chosen by position only.
std::string rollbackDelta(const std::string& normalized);

// Lines of a that b lacks (with their missing counts), one per line, for
// failure messages.
std::string missingLines(const std::map<std::string, int>& a, const std::map<std::string, int>& b);

}  // namespace vexaparser::testing

#endif  // VEXA_TESTS_PARSER_GRAMMAR_CORPUS_SUPPORT_H_
