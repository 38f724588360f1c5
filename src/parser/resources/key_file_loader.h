// Loaders of the small resource files: key tables and the command flag file.
//
// Used by the grammar loader.
#ifndef VEXA_SRC_PARSER_RESOURCES_KEY_FILE_LOADER_H_
#define VEXA_SRC_PARSER_RESOURCES_KEY_FILE_LOADER_H_

#include <set>
#include <string>

#include "vexa/parser/grammar.h"

namespace vexaparser {

// Loads every file of folder (not "." / ".." / sub-folders) as a key table
// named "&" + file name.  A missing folder or an unreadable file adds nothing.
void loadKeyTables(const std::string& folder, Grammar& grammar);

// Loads one key file into grammar under "&" + its file name, replacing a
// table of that name.  False (and nothing changed) when it cannot be read.
bool loadKeyFile(const std::string& path, Grammar& grammar);

// Fills keys with the key (ParserToolCase::getKeyStr) of every line of the
// command flag file at path.  Throws ParserException when it cannot be read.
void loadCommandFlags(const std::string& path, std::set<std::string>& keys);

}  // namespace vexaparser

#endif  // VEXA_SRC_PARSER_RESOURCES_KEY_FILE_LOADER_H_
