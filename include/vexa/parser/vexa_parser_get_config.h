// VexaParserGetConfig: typical sections of a device configuration for the
// host application's other programs: one or several interfaces, the access
// lists, route maps, NAT commands, routing processes and VRFs.
//
// Each operation is a fixed section search (VexaParserUtil::
// GetCmdsFromConfig) with a little post-processing.  Every operation takes
// the configuration text first and an integer second, which is accepted for
// the host's signature and not read; results are appended to the last
// argument unless said otherwise.  Lines end in a line feed.  Searches of
// the same text one after another reuse what the first one read.
#ifndef VEXA_PARSER_VEXA_PARSER_GET_CONFIG_H_
#define VEXA_PARSER_VEXA_PARSER_GET_CONFIG_H_

#include <list>
#include <string>
#include <vector>

namespace vexaparser {

class VexaParserGetConfig {
 public:
  // The block of interface name ("interface " and the lowered name, any
  // abbreviation the terminal completes), its header completed.  Nothing
  // for an empty name.
  static void getInterfaceConfig(const std::string& configuration, int unused,
                                 const std::string& name, std::string& out);
  // One block per name found, in the order of names, cut from the blocks of
  // every interface: a name is lowered and given a blank before its first
  // digit, so "FastEthernet0/1" finds "interface fastethernet 0/1" (full
  // type names only).  A name not found, or without a digit, adds nothing:
  // out is not aligned with names.
  static void getInterfacesConfig(const std::string& configuration, int unused,
                                  const std::vector<std::string>& names,
                                  std::vector<std::string>& out);
  // The access lists, in the order of the text: each named list's header
  // line as the terminal completes it (blank before the line end kept), and
  // "access-list N" for a numbered list unless out holds it already.
  static void getAcls(const std::string& configuration, int unused, std::list<std::string>& out);
  // The lines of one access list (SEARCH_ACL): key "access-list 10" finds
  // the numbered lines and the named standard list 10 with its entries.
  static void getAclConfig(const std::string& configuration, int unused, const std::string& key,
                           std::string& out);
  // Route-map blocks (SEARCH_BLOCK), e.g. key "route-map MAP".
  static void getRouteMapConfig(const std::string& configuration, int unused,
                                const std::string& key, std::string& out);
  // NAT command blocks (SEARCH_BLOCK), e.g. key "ip nat inside source".
  static void getIpNatConfig(const std::string& configuration, int unused, const std::string& key,
                             std::string& out);
  // The header lines of every routing process ("router ...", as read).
  static void GetRoutingProtocols(const std::string& configuration, int unused, std::string& out);
  // key, a line feed and the body of that routing process (SEARCH_BODY);
  // nothing at all when the body is empty or the process does not exist.
  static void GetRoutingProtocolConfig(const std::string& configuration, int unused,
                                       const std::string& key, std::string& out);
  // The one-key operation for each key in order, each appended when not
  // empty.
  static void GetRoutingProtocolConfig(const std::string& configuration, int unused,
                                       const std::vector<std::string>& keys, std::string& out);
  // out becomes the "ip vrf" definition lines (as read), without the VRF
  // assignments inside interfaces (lines that hold "forwarding").
  static void GetAllVrfs(const std::string& configuration, int unused, std::string& out);
  // The body of one VRF definition (SEARCH_BODY), e.g. key "ip vrf RED".
  static void GetVrfCmds(const std::string& configuration, int unused, const std::string& key,
                         std::string& out);
};

}  // namespace vexaparser

#endif  // VEXA_PARSER_VEXA_PARSER_GET_CONFIG_H_
