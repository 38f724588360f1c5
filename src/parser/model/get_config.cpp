// VexaParserGetConfig: the extraction operations, each a fixed section
// search with its post-processing.
#include <algorithm>
#include <cctype>
#include <string_view>
#include <utility>

#include "vexa/parser/parser_tool_case.h"
#include "vexa/parser/vexa_parser_get_config.h"
#include "vexa/parser/vexa_parser_util.h"

namespace vexaparser {

namespace {

constexpr std::string_view kInterfacePrefix = "interface ";

// The header getInterfacesConfig looks for: "interface " and the name with
// its upper-case letters lowered and a blank before its first digit; empty
// for a name without a digit, which names no interface.
std::string interfaceHeaderOf(const std::string& name) {
  std::string lowered = name;
  for (char& c : lowered) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  auto digit = std::find_if(lowered.begin(), lowered.end(),
                            [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
  if (digit == lowered.end()) return std::string();
  lowered.insert(digit, ' ');
  return std::string(kInterfacePrefix) + lowered;
}

// The blocks of every interface, and where each occurrence of "interface "
// lies in them, so that finding a header (which begins with those words)
// and the next occurrence after it needs no scan of the whole text.
class InterfaceBlocks {
 public:
  explicit InterfaceBlocks(std::string all) : all_(std::move(all)) {
    for (std::size_t at = all_.find(kInterfacePrefix); at != std::string::npos;
         at = all_.find(kInterfacePrefix, at + 1)) {
      starts_.push_back(at);
      std::size_t lineEnd = all_.find('\n', at);
      if (lineEnd == std::string::npos) lineEnd = all_.size();
      byText_.emplace_back(std::string_view(all_).substr(at, lineEnd - at), at);
    }
    std::sort(byText_.begin(), byText_.end());
  }

  // The text from the first occurrence of header to the next occurrence
  // of "interface " after it (or the end); empty when header is absent.
  std::string piece(const std::string& header) const {
    std::size_t found = std::string::npos;
    if (header.find('\n') != std::string::npos) {
      found = all_.find(header);
    } else {
      // An occurrence lies within one line, so it is the front of the rest
      // of the line at one of the starts.
      auto it = std::lower_bound(byText_.begin(), byText_.end(),
                                 std::make_pair(std::string_view(header), std::size_t{0}));
      for (; it != byText_.end() && it->first.substr(0, header.size()) == header; ++it) {
        found = std::min(found, it->second);
      }
    }
    if (found == std::string::npos) return std::string();
    auto next = std::lower_bound(starts_.begin(), starts_.end(), found + header.size());
    const std::size_t end = next == starts_.end() ? all_.size() : *next;
    return all_.substr(found, end - found);
  }

 private:
  std::string all_;
  std::vector<std::size_t> starts_;
  std::vector<std::pair<std::string_view, std::size_t>> byText_;
};

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace

void VexaParserGetConfig::getInterfaceConfig(const std::string& configuration, int,
                                             const std::string& name, std::string& out) {
  if (name.empty()) return;
  VexaParserUtil::GetCmdsFromConfig(
      configuration, out, std::string(kInterfacePrefix) + ParserToolCase::string2Lower(name),
      SEARCH_BLOCK);
}

void VexaParserGetConfig::getInterfacesConfig(const std::string& configuration, int,
                                              const std::vector<std::string>& names,
                                              std::vector<std::string>& out) {
  std::string all;
  VexaParserUtil::GetCmdsFromConfig(configuration, all, std::string(kInterfacePrefix),
                                    SEARCH_BLOCK);
  const InterfaceBlocks blocks(std::move(all));
  for (const std::string& name : names) {
    const std::string header = interfaceHeaderOf(name);
    if (header.empty()) continue;
    std::string piece = blocks.piece(header);
    if (!piece.empty()) out.push_back(std::move(piece));
  }
}

void VexaParserGetConfig::getAcls(const std::string& configuration, int,
                                  std::list<std::string>& out) {
  std::string text;
  VexaParserUtil::GetCmdsFromConfig(configuration, text, "access-list", SEARCH_ACL_HEADERS);
  for (const std::string& line : splitLines(text)) {
    if (line.empty()) continue;
    if (line.front() == 'i') {
      out.push_back(line);
      continue;
    }
    const std::size_t firstBlank = line.find(' ');
    const std::size_t secondBlank =
        firstBlank == std::string::npos ? std::string::npos : line.find(' ', firstBlank + 1);
    if (secondBlank == std::string::npos) continue;
    std::string list = line.substr(0, secondBlank);
    if (std::find(out.begin(), out.end(), list) == out.end()) out.push_back(std::move(list));
  }
}

void VexaParserGetConfig::getAclConfig(const std::string& configuration, int,
                                       const std::string& key, std::string& out) {
  VexaParserUtil::GetCmdsFromConfig(configuration, out, key, SEARCH_ACL);
}

void VexaParserGetConfig::getRouteMapConfig(const std::string& configuration, int,
                                            const std::string& key, std::string& out) {
  VexaParserUtil::GetCmdsFromConfig(configuration, out, key, SEARCH_BLOCK);
}

void VexaParserGetConfig::getIpNatConfig(const std::string& configuration, int,
                                         const std::string& key, std::string& out) {
  VexaParserUtil::GetCmdsFromConfig(configuration, out, key, SEARCH_BLOCK);
}

void VexaParserGetConfig::GetRoutingProtocols(const std::string& configuration, int,
                                              std::string& out) {
  VexaParserUtil::GetCmdsFromConfig(configuration, out, "router", SEARCH_HEADERS);
}

void VexaParserGetConfig::GetRoutingProtocolConfig(const std::string& configuration, int,
                                                   const std::string& key, std::string& out) {
  std::string body;
  VexaParserUtil::GetCmdsFromConfig(configuration, body, key, SEARCH_BODY);
  if (body.empty()) return;
  out += key;
  out += '\n';
  out += body;
}

void VexaParserGetConfig::GetRoutingProtocolConfig(const std::string& configuration, int unused,
                                                   const std::vector<std::string>& keys,
                                                   std::string& out) {
  for (const std::string& key : keys) {
    std::string one;
    GetRoutingProtocolConfig(configuration, unused, key, one);
    out += one;
  }
}

void VexaParserGetConfig::GetAllVrfs(const std::string& configuration, int, std::string& out) {
  std::string found;
  VexaParserUtil::GetCmdsFromConfig(configuration, found, "ip vrf", SEARCH_HEADERS);
  out.clear();
  for (const std::string& line : splitLines(found)) {
    if (line.find("forwarding") != std::string::npos) continue;
    out += line;
    out += '\n';
  }
}

void VexaParserGetConfig::GetVrfCmds(const std::string& configuration, int, const std::string& key,
                                     std::string& out) {
  VexaParserUtil::GetCmdsFromConfig(configuration, out, key, SEARCH_BODY);
}

}  // namespace vexaparser
