// libFuzzer target: the script-file reader on any file contents.  What is
// read must survive a save and a second read unchanged.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "fuzz_support.h"
#include "vexa/designreader/dr_script_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = vexafuzz::scratchPath("dr_script_file_fuzz.cmf");
  static const std::string copy = vexafuzz::scratchPath("dr_script_file_fuzz_copy.cmf");
  // Saving writes the translated program beside the copy.
  static const std::string program = vexafuzz::scratchPath("dr_script_file_fuzz_copy.pl");
  std::ofstream(path, std::ios::binary | std::ios::trunc) << vexafuzz::textOf(data, size);
  // Any file reads; a file the reader has once read and written back then
  // reads as what was written.  (A hand-made file whose marks overlap, say a
  // context mark inside the description line, is read by the marks' fixed
  // offsets and need not survive its first rewrite.)  Each description line
  // is written behind "!!!", and the reader finds the context at the first
  // "!!!Context:" of the file: a description whose written lines hold that
  // mark ("Context:...", "!Context:...", "a!!!Context:") cannot be stored;
  // the reader then only has to answer.
  const vexadr::DRScriptFile first(path);
  std::string lines = "\n" + first.getDescription();
  for (size_t at = 0; (at = lines.find('\n', at)) != std::string::npos; at += 4) {
    lines.replace(at, 1, "\n!!!");
  }
  if (lines.find("!!!Context:") != std::string::npos) return 0;
  vexadr::DRScriptFile saved(first.getContext(), first.getDescription(), first.isFavourite());
  if (!saved.saveScriptFile(copy)) std::abort();
  const vexadr::DRScriptFile written(copy);
  vexadr::DRScriptFile resaved(written.getContext(), written.getDescription(),
                               written.isFavourite());
  if (!resaved.saveScriptFile(copy)) std::abort();
  const vexadr::DRScriptFile again(copy);
  if (again.getContext() != written.getContext() ||
      again.getDescription() != written.getDescription() ||
      again.isFavourite() != written.isFavourite()) {
    std::abort();
  }
  return 0;
}
