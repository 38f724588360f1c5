// The default grammar and the documented entry points that work on it:
// ParserResources, VexaParserUtil's resource statics, VTY's constructors
// without a grammar, and the one-argument forms of
// CiscoCommandLine::setOrderNo and ParserToolCase::getCmdFlag.  Everything
// here reads or replaces the default and hands it on; the work is done by
// the explicit-grammar forms.
#include <memory>
#include <set>
#include <string>
#include <utility>

#include "parser/resources/key_file_loader.h"
#include "vexa/host/platform.h"
#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/grammar_loader.h"
#include "vexa/parser/parser_resources.h"
#include "vexa/parser/parser_tool_case.h"
#include "vexa/parser/running_config.h"
#include "vexa/parser/vexa_parser_util.h"
#include "vexa/parser/vty.h"

namespace vexaparser {

// ---- ParserResources ----

ParserResources& ParserResources::instance() {
  // Built on first use, destroyed at process end with every grammar it
  // kept, so the leak checker sees every node freed.
  static ParserResources resources;
  return resources;
}

ParserResources::ParserResources()
    : current_(std::make_shared<Grammar>(std::string())) {}

ParserResources::~ParserResources() = default;

void ParserResources::install(std::shared_ptr<Grammar> grammar) {
  retired_.push_back(std::move(current_));
  current_ = std::move(grammar);
}

// ---- VexaParserUtil: creating and dropping the default ----

void VexaParserUtil::createParserResource() { createNewParserResource(); }

void VexaParserUtil::createNewParserResource() {
  ParserResources& resources = ParserResources::instance();
  GrammarOptions options;
  options.commandFlags = false;
  GrammarLoad load = loadGrammar(options);
  // The overwrite set is read on request only (setOverwriteCmds) and
  // outlives the grammar it was read for.
  load.grammar->setOverwriteKeys(resources.current_->overwriteKeys());
  resources.install(std::move(load.grammar));
  resources.loadError_ = std::move(load.error);
}

void VexaParserUtil::destroyParserResource() {
  ParserResources& resources = ParserResources::instance();
  auto empty = std::make_shared<Grammar>(resources.current_->folder());
  empty->setOverwriteKeys(resources.current_->overwriteKeys());
  resources.install(std::move(empty));
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
  return ParserResources::instance().grammar()->hasAllModes();
}

void VexaParserUtil::setOverwriteCmds() {
  Grammar& grammar = *ParserResources::instance().current_;
  grammar.setOverwriteKeys({});
  std::set<std::string> keys;
  loadCommandFlags(vexahost::VexaFileSystem::GetSystemResourceFolder() + "files" +
                       vexahost::kPathSeparator + "commandflag" + vexahost::kPathSeparator +
                       "cisco.flg",
                   keys);
  grammar.setOverwriteKeys(std::move(keys));
}

void VexaParserUtil::fillCmdOrderTable() { fillCommandOrder(*ParserResources::instance().current_); }

// ---- the documented one-grammar forms ----

VTY::VTY() : VTY(kScratchHostName, false) {}

VTY::VTY(const std::string& hostName, bool runningCLIMode)
    : VTY(ParserResources::instance().grammar(),
          TerminalOptions{hostName, runningCLIMode, hostRunningConfigLister()}) {}

std::unique_ptr<VTY> VTY::create(const std::string& hostName, bool runningCLIMode) {
  if (!VexaParserUtil::resourcesReady()) return nullptr;
  return std::make_unique<VTY>(hostName, runningCLIMode);
}

void CiscoCommandLine::setOrderNo(ParserTreeNode* node) {
  setOrderNo(node, ParserResources::instance().grammar()->commandOrder());
}

CiscoCommandLineFlag ParserToolCase::getCmdFlag(const std::string& command) {
  return getCmdFlag(command, ParserResources::instance().grammar()->overwriteKeys());
}

}  // namespace vexaparser
