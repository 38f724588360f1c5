// The configuration a device holds, split into its banners and the rest,
// as remediation and its device model compute it.
//
// Internal to src/remediation/.
#ifndef VEXA_SRC_REMEDIATION_DEVICE_STATE_H_
#define VEXA_SRC_REMEDIATION_DEVICE_STATE_H_

#include <string>
#include <vector>

#include "remediation/banners.h"

namespace vexaremediation {

struct DeviceState {
  std::vector<Banner> banners;  // one per type
  std::string rest;             // every other line, in the library's written form
};

// configuration given to a device from an empty state (see deviceState).
DeviceState stateOf(const std::string& configuration);

// text with the entries of every numbered list in number order, as the
// device keeps them; text itself when nothing moves.
std::string withNumberedEntriesSorted(const std::string& text);

}  // namespace vexaremediation

#endif  // VEXA_SRC_REMEDIATION_DEVICE_STATE_H_
