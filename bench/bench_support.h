// Inputs shared by the benchmark programs: generated configurations
// (../shared/tools/gen-config) and their 5%-changed variants
// (../shared/tools/make-variant).  Both are empty when the tools are missing.
#ifndef VEXA_BENCH_BENCH_SUPPORT_H_
#define VEXA_BENCH_BENCH_SUPPORT_H_

#include <cstdio>
#include <map>
#include <string>
#include <utility>

#include "vexa/host/pathname.h"
#include "vexa/host/vexa_file_system.h"

namespace vexabench {

// What the shell command writes to its standard output.
inline std::string commandOutput(const std::string& command) {
  std::string text;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, got);
    pclose(pipe);
  }
  return text;
}

// A generated configuration of about lines lines.
inline std::string generatedConfig(long lines, int seed) {
  return commandOutput(std::string(VEXA_GEN_CONFIG) + " --lines " + std::to_string(lines) +
                       " --seed " + std::to_string(seed));
}

// The 5%-changed variant of text (through a scratch file named after name).
inline std::string variantOf(const std::string& text, const std::string& name) {
  const std::string path = vexahost::VexaFileSystem::GetTempFolder() + name;
  vexahost::Pathname(path).writeAll(text);
  std::string variant = commandOutput(std::string(VEXA_MAKE_VARIANT) + " " + path);
  std::remove(path.c_str());
  return variant;
}

// A generated configuration and its variant, made once per size and seed
// for the whole benchmark program.
struct ConfigPair {
  std::string base;
  std::string changed;
};

inline const ConfigPair& configPair(long lines, int seed, const std::string& scratchName) {
  static std::map<std::pair<long, int>, ConfigPair> cache;
  auto found = cache.find({lines, seed});
  if (found != cache.end()) return found->second;
  ConfigPair pair;
  pair.base = generatedConfig(lines, seed);
  pair.changed = variantOf(pair.base, scratchName);
  return cache[{lines, seed}] = std::move(pair);
}

}  // namespace vexabench

#endif  // VEXA_BENCH_BENCH_SUPPORT_H_
