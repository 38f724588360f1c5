#include "vexa/parser/parser_tree.h"

#include "mode_file_loader.h"
#include "vexa/parser/parser_exception.h"
#include "vexa/parser/parser_resources.h"

namespace vexaparser {

ParserTree::ParserTree(const std::string& fileName, bool /*flag*/) {
  ParserResources& resources = ParserResources::instance();
  root = resources.newNode();
  root->modeMark = true;
  ModeFileLoader loader(*this, resources);
  try {
    loader.loadFile(fileName, root);
  } catch (const ParserException&) {
    buildStack = {};
    throw;
  }
}

}  // namespace vexaparser
