// Loading the device grammar for a command-line program: the mode files,
// key files and command order files of the resource folder, and the command
// flag file when it is there.
#ifndef VEXA_TOOLS_COMMON_GRAMMAR_LOADER_H_
#define VEXA_TOOLS_COMMON_GRAMMAR_LOADER_H_

#include <string>

namespace vexatools {

// Loads the grammar.  A missing command flag file only leaves the overwrite
// set empty.  False, after printing "<program>: error: ..." naming the
// resource folder, when the mode files do not load.
bool loadDeviceGrammar(const std::string& program);

}  // namespace vexatools

#endif  // VEXA_TOOLS_COMMON_GRAMMAR_LOADER_H_
