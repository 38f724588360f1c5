#include "common/grammar_loader.h"

#include "common/tool_args.h"
#include "vexa/parser/grammar_loader.h"
#include "vexa/parser/parser_resources.h"

namespace vexatools {

std::shared_ptr<const vexaparser::Grammar> loadDeviceGrammar(const std::string& program) {
  return installDeviceGrammar(program, vexaparser::loadGrammar());
}

std::shared_ptr<const vexaparser::Grammar> installDeviceGrammar(const std::string& program,
                                                                vexaparser::GrammarLoad load) {
  if (!load.error.empty()) {
    printError(program, "the parser resources did not load: " + load.error +
                            "; give the resource folder with --resources DIR");
    return nullptr;
  }
  vexaparser::ParserResources::instance().install(load.grammar);
  return load.grammar;
}

}  // namespace vexatools
