// Loading the device grammar for a command-line program: the mode files,
// key files and command order files of the resource folder, and the command
// flag file when it is there.
#ifndef VEXA_TOOLS_COMMON_GRAMMAR_LOADER_H_
#define VEXA_TOOLS_COMMON_GRAMMAR_LOADER_H_

#include <memory>
#include <string>

#include "vexa/parser/grammar.h"
#include "vexa/parser/grammar_loader.h"

namespace vexatools {

// Loads the grammar of the host's resource folder and makes it the default
// grammar of the library's documented entry points.  A missing command flag
// file only leaves the overwrite set empty.  Null, after printing
// "<program>: error: the parser resources did not load: " and what failed
// (the file that could not be opened, and the mode-file line that named it),
// when the mode files do not load.
std::shared_ptr<const vexaparser::Grammar> loadDeviceGrammar(const std::string& program);

// The same with a load already made (vexaparser::loadGrammar), for a program
// that loads the grammar while it does something else.
std::shared_ptr<const vexaparser::Grammar> installDeviceGrammar(const std::string& program,
                                                                vexaparser::GrammarLoad load);

}  // namespace vexatools

#endif  // VEXA_TOOLS_COMMON_GRAMMAR_LOADER_H_
