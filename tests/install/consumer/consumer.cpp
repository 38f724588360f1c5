// Loads the installed grammar and puts a small configuration through the
// configuration tree; prints the resource folder it used and the result.
#include <iostream>
#include <string>

#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/vexa_parser_util.h"

int main() {
  using vexaparser::VexaParserUtil;
  VexaParserUtil::createParserResource();
  std::cout << "resources: " << vexahost::VexaFileSystem::GetSystemResourceFolder() << "\n";
  if (!VexaParserUtil::resourcesReady()) {
    std::cout << "grammar not loaded\n";
    return 1;
  }
  const std::string merged = VexaParserUtil::mergeConfigCmds("hostname edge2\n", "hostname edge1\n");
  std::cout << merged;
  VexaParserUtil::destroyParserResource();
  return merged.find("hostname edge2") != std::string::npos ? 0 : 1;
}
