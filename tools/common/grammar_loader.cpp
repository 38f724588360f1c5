#include "common/grammar_loader.h"

#include "common/tool_args.h"
#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/parser_exception.h"
#include "vexa/parser/vexa_parser_util.h"

namespace vexatools {

bool loadDeviceGrammar(const std::string& program) {
  using vexaparser::VexaParserUtil;
  VexaParserUtil::createParserResource();
  try {
    VexaParserUtil::setOverwriteCmds();
  } catch (const vexaparser::ParserException&) {
    // Not fatal: commands are then flagged by the mode files alone.
  }
  if (VexaParserUtil::resourcesReady()) return true;
  printError(program, "the parser resources did not load: no complete set of mode files in '" +
                          vexahost::VexaFileSystem::GetSystemResourceFolder() +
                          "files/'; give the resource folder with --resources DIR");
  return false;
}

}  // namespace vexatools
