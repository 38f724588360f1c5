// loadGrammar: reads the resource files of a folder into a Grammar.
//
// The files below "files/" of the resource folder: every key file of
// "keyfiles/", the mode files of the view, execution and configuration
// modes (and the sub-mode and shared files they name), the command order
// files of "commandorder/", and the command flag file
// "commandflag/cisco.flg".  Programs and tests load their grammar here;
// VexaParserUtil::createParserResource loads the default grammar with it.
#ifndef VEXA_PARSER_GRAMMAR_LOADER_H_
#define VEXA_PARSER_GRAMMAR_LOADER_H_

#include <memory>
#include <string>

#include "vexa/parser/grammar.h"

namespace vexaparser {

struct GrammarOptions {
  // The resource folder holding "files/", ending in a separator; empty:
  // vexahost::VexaFileSystem::GetSystemResourceFolder().
  std::string folder;
  // Read the command flag file into the overwrite set when it exists (a
  // missing one leaves the set empty).
  bool commandFlags = true;
  // Keep the loaded grammar as an image in the cache folder and read it
  // from there while neither the resource files nor the library change
  // (src/parser/resources/grammar_image.h): the same grammar, read faster.
  bool image = true;
};

struct GrammarLoad {
  // The grammar: complete on success; after a failure what was read before
  // the step that failed (key tables, the mode trees loaded so far).  Never
  // null.
  std::shared_ptr<Grammar> grammar;
  // Empty on success; else what failed: "error: can't open file: " and the
  // path, after "<file>:<line>: " naming the mode-file line that referred to
  // it when it was a sub-mode or shared file.
  std::string error;
};

// Loads key tables, the three mode trees (prompts ">", "#", "(config)#"),
// the command order table and, as asked, the overwrite set.  A mode file
// that cannot be opened ends the load at that mode; a key file or an order
// file that cannot be read is skipped (an order file gives an entry without
// templates).
GrammarLoad loadGrammar(const GrammarOptions& options = {});

// Fills grammar's command order table from "files/commandorder/" of its
// folder: each order file's commands, read by a scratch terminal over the
// grammar's mode trees, numbered 1, 2, 3 ... in file order (a line without
// any matched node uses up its number and is left out), kept under the file
// name up to its last "."; when two files give the same name the first in
// name order wins.
void fillCommandOrder(Grammar& grammar);

}  // namespace vexaparser

#endif  // VEXA_PARSER_GRAMMAR_LOADER_H_
