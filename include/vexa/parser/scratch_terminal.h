// The scratch terminals through which the configuration model reads
// configuration text: a terminal in configuration mode, host name
// "hostName", that matches keywords in full.  Tree building, the command
// order table, the section search and the recognition count all read lines
// through one made here.
#ifndef VEXA_PARSER_SCRATCH_TERMINAL_H_
#define VEXA_PARSER_SCRATCH_TERMINAL_H_

#include <memory>
#include <string>

#include "vexa/parser/grammar.h"
#include "vexa/parser/vty.h"

namespace vexaparser {

struct ScratchOptions {
  // Abbreviated keywords are accepted (completing a search key as a user
  // types it).
  bool runningCLIMode = false;
  // The line that takes the terminal from the execution mode into
  // configuration mode.
  std::string configureLine = "configure terminal \n";
};

// A terminal over grammar (which must be owned by a std::shared_ptr; the
// terminal keeps it alive) that has been through enterConfiguration; its
// output holds what those lines wrote.  It lists no running configuration.
// Null when the grammar lacks a mode tree.
std::unique_ptr<VTY> makeScratchTerminal(const Grammar& grammar,
                                         const ScratchOptions& options = {});
// Gives vty, standing at the view prompt, "enable\n" and
// options.configureLine.
void enterConfiguration(VTY& vty, const ScratchOptions& options = {});

}  // namespace vexaparser

#endif  // VEXA_PARSER_SCRATCH_TERMINAL_H_
