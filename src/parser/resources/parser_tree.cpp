#include "vexa/parser/parser_tree.h"

#include <memory>

#include "mode_file_loader.h"
#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/grammar.h"
#include "vexa/parser/parser_exception.h"

namespace vexaparser {

ParserTree::ParserTree(const std::string& fileName, bool /*flag*/) {
  auto grammar = std::make_shared<Grammar>(vexahost::VexaFileSystem::GetSystemResourceFolder());
  *this = ParserTree(*grammar, fileName);
  nodeOwner = std::move(grammar);
}

ParserTree::ParserTree(Grammar& grammar, const std::string& fileName, std::string* failedAt) {
  root = grammar.newNode();
  root->modeMark = true;
  ModeFileLoader loader(*this, grammar);
  try {
    loader.loadFile(fileName, root);
  } catch (const ParserException&) {
    buildStack = {};
    if (failedAt != nullptr) *failedAt = loader.failedAt();
    throw;
  }
}

}  // namespace vexaparser
