// libFuzzer target: the design-reader syntax checker on any byte string.
// The report must close with a complete line; everything else (no crash,
// no hang, no read past the end) is watched by the sanitizers.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "vexa/designreader/dr_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  vexadr::DRCheck checker(text);
  checker.syntaxCheck();
  const std::string report = checker.getErrStr();
  if (!report.empty() && report.back() != '\n') std::abort();
  return 0;
}
