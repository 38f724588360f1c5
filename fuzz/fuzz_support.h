// Helpers shared by the fuzz targets: the device grammar loaded once per
// process, a scratch file of this process, splitting an input into parts.
#ifndef VEXA_FUZZ_FUZZ_SUPPORT_H_
#define VEXA_FUZZ_FUZZ_SUPPORT_H_

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/vexa_parser_util.h"

namespace vexafuzz {

// Loads the device grammar of the host's resource folder once; aborts when
// it does not load, since every input would then test nothing.
inline void loadDeviceGrammarOnce() {
  static const bool loaded = [] {
    vexaparser::VexaParserUtil::createParserResource();
    try {
      vexaparser::VexaParserUtil::setOverwriteCmds();
    } catch (...) {
    }
    return vexaparser::VexaParserUtil::resourcesReady();
  }();
  if (!loaded) std::abort();
}

// A file name in the temporary folder that belongs to this process alone:
// the temporary folder is shared by every process of the user, and a test
// run replays a target while a fuzzing run of the same target may be going.
// The files are removed when the process ends.
inline std::string scratchPath(const std::string& name) {
  struct Scratch {
    std::vector<std::string> paths;
    ~Scratch() {
      for (const std::string& path : paths) std::remove(path.c_str());
    }
  };
  static Scratch scratch;
  scratch.paths.push_back(vexahost::VexaFileSystem::GetTempFolder() + std::to_string(getpid()) +
                          "-" + name);
  return scratch.paths.back();
}

inline std::string textOf(const uint8_t* data, size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// The parts of text separated by the byte separator (at most count parts;
// the last takes the rest).
inline std::vector<std::string> partsOf(const std::string& text, char separator,
                                        std::size_t count) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (parts.size() + 1 < count) {
    const std::size_t stop = text.find(separator, start);
    if (stop == std::string::npos) break;
    parts.push_back(text.substr(start, stop - start));
    start = stop + 1;
  }
  parts.push_back(text.substr(start));
  while (parts.size() < count) parts.emplace_back();
  return parts;
}

}  // namespace vexafuzz

#endif  // VEXA_FUZZ_FUZZ_SUPPORT_H_
