// libFuzzer target: section search and extraction on any configuration
// text.  The input's first line is the key, the rest the configuration;
// every search type and every extraction runs on it.

#include <cstddef>
#include <cstdint>
#include <list>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "vexa/parser/vexa_parser_get_config.h"
#include "vexa/parser/vexa_parser_util.h"

using vexaparser::VexaParserGetConfig;
using vexaparser::VexaParserUtil;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vexafuzz::loadDeviceGrammarOnce();
  const std::vector<std::string> parts = vexafuzz::partsOf(vexafuzz::textOf(data, size), '\n', 2);
  const std::string& key = parts[0];
  const std::string& configuration = parts[1];
  std::string out;
  for (int type = vexaparser::SEARCH_BODY; type <= vexaparser::SEARCH_ACL_BLOCK; ++type) {
    VexaParserUtil::GetCmdsFromConfig(configuration, out, key,
                                      static_cast<vexaparser::SEARCHTYPE>(type));
  }
  VexaParserGetConfig::getInterfaceConfig(configuration, 0, key, out);
  std::vector<std::string> found;
  VexaParserGetConfig::getInterfacesConfig(configuration, 0, {key, "Loopback0"}, found);
  std::list<std::string> acls;
  VexaParserGetConfig::getAcls(configuration, 0, acls);
  VexaParserGetConfig::getAclConfig(configuration, 0, key, out);
  VexaParserGetConfig::getRouteMapConfig(configuration, 0, key, out);
  VexaParserGetConfig::getIpNatConfig(configuration, 0, key, out);
  VexaParserGetConfig::GetRoutingProtocols(configuration, 0, out);
  VexaParserGetConfig::GetRoutingProtocolConfig(configuration, 0, key, out);
  VexaParserGetConfig::GetAllVrfs(configuration, 0, out);
  VexaParserGetConfig::GetVrfCmds(configuration, 0, key, out);
  return 0;
}
