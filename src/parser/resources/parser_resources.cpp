#include "vexa/parser/parser_resources.h"

#include "vexa/parser/command_flag.h"

namespace vexaparser {

ParserResources& ParserResources::instance() {
  // A function-local static: built on first use, destroyed at process end
  // together with the node pool, so the leak checker sees every node freed.
  static ParserResources resources;
  return resources;
}

ParserResources::~ParserResources() { releaseCmdOrderTemplates(); }

ParserTreeNode* ParserResources::newNode() { return &pool_.emplace_back(); }

const ParserTree* ParserResources::modeTree(VTYModeType mode) const {
  auto it = modeTrees_.find(mode);
  return it == modeTrees_.end() ? nullptr : it->second.get();
}

std::string ParserResources::modePrompt(const ParserTreeNode* node) const {
  auto it = modePrompts_.find(node);
  return it == modePrompts_.end() ? std::string() : it->second;
}

const ParserResources::KeyTable* ParserResources::keyTable(const std::string& name) const {
  auto it = keyTables_.find(name);
  return it == keyTables_.end() ? nullptr : &it->second;
}

void ParserResources::releaseCmdOrderTemplates() {
  for (auto& [name, templates] : cmdOrderTable_) {
    // Templates exist only once the configuration model has registered its
    // deleter; without one the vectors can only be empty.
    if (commandDeleter_ != nullptr) {
      for (CiscoCommandLine* command : templates) commandDeleter_(command);
    }
    templates.clear();
  }
  cmdOrderTable_.clear();
}

std::set<std::string>& ParserResources::overwriteSet() { return overwriteCommandKeys(); }

void ParserResources::clearAll() {
  modeTrees_.clear();
  modePrompts_.clear();
  keyTables_.clear();
  sharedModeFiles_.clear();
  releaseCmdOrderTemplates();
  overwriteSet().clear();
}

void ParserResources::releaseEverything() {
  clearAll();
  pool_.clear();
}

}  // namespace vexaparser
