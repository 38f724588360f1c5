// VexaParserUtil: creation and release of the parser resources.
#include <memory>
#include <string>

#include "key_file_loader.h"
#include "vexa/host/platform.h"
#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/parser_exception.h"
#include "vexa/parser/parser_resources.h"
#include "vexa/parser/parser_tree.h"
#include "vexa/parser/vexa_parser_util.h"

namespace vexaparser {

namespace {

std::string resourceFilesPath(const std::string& relative) {
  return vexahost::VexaFileSystem::GetSystemResourceFolder() + "files" + vexahost::kPathSeparator +
         relative;
}

void loadModeTree(ParserResources& resources, VTYModeType mode, const std::string& file,
                  const std::string& prompt) {
  auto tree = std::make_unique<ParserTree>(file);
  resources.modePrompts()[tree->root] = prompt;
  resources.modeTrees()[mode] = std::move(tree);
}

}  // namespace

void VexaParserUtil::createParserResource() { createNewParserResource(); }

void VexaParserUtil::createNewParserResource() {
  ParserResources& resources = ParserResources::instance();
  // The trees of an earlier creation are dropped first, so that a creation
  // that stops early never leaves a mixture of old and new trees.
  resources.modeTrees().clear();
  try {
    loadKeyTables(resourceFilesPath(std::string("keyfiles") + vexahost::kPathSeparator), resources);
    loadModeTree(resources, VIEW_MODE, "view_mode.cfm", ">");
    loadModeTree(resources, EXECUTION_MODE, "execution_mode.cfm", "#");
    loadModeTree(resources, CONFIGURATION_MODE, "configuration_mod.cfm", "(config)#");
    fillCmdOrderTable();
  } catch (const ParserException&) {
    // A resource file that cannot be opened ends the creation quietly at
    // that step; what was built stays.  resourcesReady() tells the result.
  }
}

void VexaParserUtil::destroyParserResource() {
  ParserResources& resources = ParserResources::instance();
  resources.modeTrees().clear();
  // The templates are CiscoCommandLine objects, destroyed through the deleter
  // that the configuration model registers when it builds them.
  resources.releaseCmdOrderTemplates();
}

bool VexaParserUtil::Destroy() {
  destroyParserResource();
  return true;
}

bool VexaParserUtil::Cleanup() {
  destroyParserResource();
  return true;
}

bool VexaParserUtil::resourcesReady() {
  const ParserResources& resources = ParserResources::instance();
  return resources.modeTree(VIEW_MODE) != nullptr &&
         resources.modeTree(EXECUTION_MODE) != nullptr &&
         resources.modeTree(CONFIGURATION_MODE) != nullptr;
}

void VexaParserUtil::setOverwriteCmds() {
  std::set<std::string>& keys = ParserResources::instance().overwriteSet();
  keys.clear();
  loadCommandFlags(
      resourceFilesPath(std::string("commandflag") + vexahost::kPathSeparator + "cisco.flg"), keys);
}

}  // namespace vexaparser
