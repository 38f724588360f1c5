// libFuzzer target: the script-file reader on any file contents.  What is
// read must survive a save and a second read unchanged.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "fuzz_support.h"
#include "vexa/designreader/dr_script_file.h"
#include "vexa/host/vexa_file_system.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string folder = vexahost::VexaFileSystem::GetTempFolder();
  const std::string path = folder + "dr_script_file_fuzz.cmf";
  const std::string copy = folder + "dr_script_file_fuzz_copy.cmf";
  std::ofstream(path, std::ios::binary | std::ios::trunc) << vexafuzz::textOf(data, size);
  const vexadr::DRScriptFile first(path);
  vexadr::DRScriptFile saved(first.getContext(), first.getDescription(), first.isFavourite());
  if (!saved.saveScriptFile(copy)) std::abort();
  const vexadr::DRScriptFile again(copy);
  if (again.getContext() != first.getContext() ||
      again.getDescription() != first.getDescription() ||
      again.isFavourite() != first.isFavourite()) {
    std::abort();
  }
  return 0;
}
