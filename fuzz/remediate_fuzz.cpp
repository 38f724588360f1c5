// libFuzzer target: remediation on any pair of configurations (separated by
// a NUL byte).  When a device accepts both configurations (typed into an
// empty device, no line is rejected), the script, applied by the device model
// to what a device holds for the first, must leave what it holds for the
// second, with no line rejected.  Other pairs only have to be answered.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "vexa/remediation/remediation.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vexafuzz::loadDeviceGrammarOnce();
  const std::vector<std::string> parts = vexafuzz::partsOf(vexafuzz::textOf(data, size), '\0', 2);
  const std::string script = vexaremediation::remediate(parts[0], parts[1]);
  for (const std::string& part : parts) {
    if (!vexaremediation::applyScript("", part).rejectedLines.empty()) return 0;
  }
  const vexaremediation::AppliedScript applied =
      vexaremediation::applyScript(vexaremediation::deviceState(parts[0]), script);
  if (!applied.rejectedLines.empty()) std::abort();
  if (!vexaremediation::sameConfiguration(applied.configuration,
                                          vexaremediation::deviceState(parts[1]), nullptr)) {
    std::abort();
  }
  return 0;
}
