// libFuzzer target: the design-reader translator on any byte string.
// Each input is translated into one program file in the host's temporary
// folder (VEXA_TEMP_DIR, else a private folder under /tmp), the runtime
// library appended from the resource folder (VEXA_RESOURCE_DIR).  The
// program must start with the prologue, and an error text must consist of
// complete messages.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_support.h"
#include "vexa/designreader/dr_translator.h"
#include "vexa/host/pathname.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = vexafuzz::scratchPath("dr_translator_fuzz.pl");
  const std::string script(reinterpret_cast<const char*>(data), size);
  vexadr::DRTranslator translator(script, path);
  translator.translateScriptFile();

  const std::string& errors = translator.errorText;
  if (!errors.empty() && errors.compare(errors.size() - 3, 3, ".\r\n") != 0) std::abort();
  std::string program;
  if (vexahost::Pathname(path).readAll(program) &&
      program.rfind("\r\n#Read the config file", 0) != 0) {
    std::abort();
  }
  return 0;
}
