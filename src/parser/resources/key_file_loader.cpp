#include "key_file_loader.h"

#include <vector>

#include "mode_file_loader.h"
#include "vexa/host/pathname.h"
#include "vexa/parser/parser_exception.h"
#include "vexa/parser/parser_tool_case.h"

namespace vexaparser {

void loadKeyTables(const std::string& folder, Grammar& grammar) {
  vexahost::Pathname dir(folder);
  if (!dir.isDirectory()) return;  // no key-file folder: no key tables
  for (const vexahost::Pathname& entry : dir.dirContents()) {
    if (entry.isDirectory()) continue;
    loadKeyFile(entry.data(), grammar);
  }
}

bool loadKeyFile(const std::string& path, Grammar& grammar) {
  std::vector<std::string> lines;
  try {
    lines = ModeFileLoader::readLines(path);
  } catch (const ParserException&) {
    return false;  // an unreadable key file is skipped
  }
  Grammar::KeyTable table;
  for (const std::string& line : lines) {
    if (line.empty()) continue;
    std::vector<std::string> fields;
    ParserToolCase::splitString(ParserToolCase::string2Lower(line), "|", fields);
    if (fields.size() < 2) continue;
    table[fields[0]] = fields[1];
  }
  // Built by appending: g++ 12 warns falsely (-Wrestrict) on "&" + string.
  std::string name = "&";
  name += vexahost::Pathname(path).file();
  grammar.setKeyTable(name, std::move(table));
  return true;
}

void loadCommandFlags(const std::string& path, std::set<std::string>& keys) {
  for (const std::string& line : ModeFileLoader::readLines(path)) {
    if (line.empty()) continue;
    std::string key = ParserToolCase::getKeyStr(line);
    // A line of blanks (or of "<...>" words only) has an empty key; entering
    // it would mark every command of variable words only as an overwrite.
    if (!key.empty()) keys.insert(std::move(key));
  }
}

}  // namespace vexaparser
