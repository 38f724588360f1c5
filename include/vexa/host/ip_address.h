// IpAddress: address checks of the host's network library.
//
// isValidIpAddress accepts exactly a dotted quad: four groups of 1 to 3
// decimal digits separated by single dots, each group 0 to 255 (leading
// zeros allowed, "010" is 10), nothing before or after.
// isValidIpAddressAndMaskLen accepts such an address, "/", and a mask length
// of 1 or 2 decimal digits from 0 to 32.
#ifndef VEXA_HOST_IP_ADDRESS_H_
#define VEXA_HOST_IP_ADDRESS_H_

#include <string>

namespace vexahost {

class IpAddress {
 public:
  static bool isValidIpAddress(const std::string& text);
  static bool isValidIpAddressAndMaskLen(const std::string& text);
};

}  // namespace vexahost

#endif  // VEXA_HOST_IP_ADDRESS_H_
