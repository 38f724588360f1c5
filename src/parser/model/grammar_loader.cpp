// loadGrammar and the command order table.
#include "vexa/parser/grammar_loader.h"

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "parser/resources/grammar_image.h"
#include "parser/resources/key_file_loader.h"
#include "vexa/host/pathname.h"
#include "vexa/host/platform.h"
#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/parser_exception.h"
#include "vexa/parser/vexa_parser_util.h"

namespace vexaparser {

namespace {

std::string filesPath(const std::string& folder, const std::string& relative) {
  return folder + "files" + vexahost::kPathSeparator + relative;
}

std::string filesPath(const Grammar& grammar, const std::string& relative) {
  return filesPath(grammar.folder(), relative);
}

struct ModeFile {
  VTYModeType mode;
  const char* file;
  const char* prompt;
};
constexpr ModeFile kModeFiles[] = {{VIEW_MODE, "view_mode.cfm", ">"},
                                   {EXECUTION_MODE, "execution_mode.cfm", "#"},
                                   {CONFIGURATION_MODE, "configuration_mod.cfm", "(config)#"}};

// The template of an order file's command: its node path, and where it may
// end.
Grammar::OrderTemplate templateOf(const CiscoCommandLine& command, int32_t number) {
  Grammar::OrderTemplate templ;
  templ.orderNo = number;
  for (const auto& [node, words] : command.getNodePath()) {
    templ.path.emplace_back(node, words.count(kEndKey) != 0);
  }
  return templ;
}

std::vector<Grammar::OrderTemplate> templatesOf(const Grammar& grammar, const std::string& text) {
  std::vector<CiscoCommandLine*> commands;
  std::string errorText;
  int errorLine = 0;
  VexaParserUtil::getCmdInfo(grammar, text, commands, errorText, errorLine);
  std::vector<Grammar::OrderTemplate> templates;
  int32_t number = 0;
  for (const CiscoCommandLine* command : commands) {
    ++number;  // a line that matched nothing uses up its number all the same
    if (!command->getNodePath().empty()) templates.push_back(templateOf(*command, number));
  }
  releaseCommands(commands);
  return templates;
}

}  // namespace

void fillCommandOrder(Grammar& grammar) {
  Grammar::CommandOrderTable table;
  const vexahost::Pathname folder(filesPath(grammar, "commandorder"));
  // Folder entries come sorted by name: when two order files give the same
  // key, the first listed wins.
  for (const vexahost::Pathname& entry : folder.dirContents()) {
    const std::string name = entry.file();
    if (name.empty() || name.front() == '.' || entry.isDirectory()) continue;
    std::vector<Grammar::OrderTemplate> templates;
    std::string text;
    if (entry.readAll(text)) templates = templatesOf(grammar, text);
    table.emplace(entry.fileBase(), std::move(templates));
  }
  grammar.setCommandOrder(std::move(table));
}

namespace {

// Key tables, mode trees and the order table from the resource files; false
// with error set when a mode file cannot be opened.
bool loadFromFiles(Grammar& grammar, std::string& error) {
  loadKeyTables(filesPath(grammar, std::string("keyfiles") + vexahost::kPathSeparator), grammar);
  for (const ModeFile& mode : kModeFiles) {
    std::string failedAt;
    try {
      const ParserTree tree(grammar, mode.file, &failedAt);
      grammar.setModePrompt(tree.root, mode.prompt);
      grammar.setModeTree(mode.mode, tree);
    } catch (const ParserException& e) {
      error = failedAt.empty() ? e.getMessage() : failedAt + ": " + e.getMessage();
      return false;
    }
  }
  fillCommandOrder(grammar);
  return true;
}

}  // namespace

GrammarLoad loadGrammar(const GrammarOptions& options) {
  GrammarLoad load;
  const std::string folder = options.folder.empty()
                                 ? vexahost::VexaFileSystem::GetSystemResourceFolder()
                                 : options.folder;
  std::string imagePath;
  uint64_t fingerprint = 0;
  // The overwrite set is not in the image: read from its file, beside the
  // image's decoding when there is one.
  std::set<std::string> keys;
  bool keysRead = false;
  const auto readKeys = [&] {
    try {
      loadCommandFlags(
          filesPath(folder, std::string("commandflag") + vexahost::kPathSeparator + "cisco.flg"),
          keys);
    } catch (const ParserException&) {
      // Not an error: commands are then flagged by the mode files alone.
    }
    keysRead = true;
  };
  if (options.image) imagePath = GrammarImage::imagePath(folder);
  if (!imagePath.empty()) {
    load.grammar = GrammarImage::readCurrent(
        folder, imagePath, fingerprint, options.commandFlags ? readKeys : std::function<void()>());
    if (fingerprint == GrammarImage::kRacy) imagePath.clear();
  }
  if (load.grammar == nullptr) {
    load.grammar = std::make_shared<Grammar>(folder);
    if (!loadFromFiles(*load.grammar, load.error)) return load;
    if (!imagePath.empty()) GrammarImage::write(*load.grammar, fingerprint, imagePath);
  }
  Grammar& grammar = *load.grammar;
  if (options.commandFlags) {
    if (!keysRead) readKeys();
    grammar.setOverwriteKeys(std::move(keys));
  }
  return load;
}

}  // namespace vexaparser
