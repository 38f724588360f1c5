// Replays the inputs of the fuzz targets without libFuzzer:
//   vexa_fuzz_replay TARGET PATH...
// gives every file named, and every file of every folder named, to TARGET's
// entry point once (a missing folder is skipped).  The normal test run uses
// it to replay the seed inputs and the inputs a fuzzing run once found
// failing; a failed check aborts, which fails the test.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#define VEXA_FUZZ_ENTRY(name) \
  extern "C" int vexa_fuzz_entry_##name(const uint8_t* data, size_t size);
#include "fuzz_entries.inc"
#undef VEXA_FUZZ_ENTRY

namespace {

using Entry = int (*)(const uint8_t*, size_t);

struct Target {
  const char* name;
  Entry entry;
};

#define VEXA_FUZZ_ENTRY(name) {#name, vexa_fuzz_entry_##name},
const Target kTargets[] = {
#include "fuzz_entries.inc"
};
#undef VEXA_FUZZ_ENTRY

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  const Target* target = nullptr;
  for (const Target& candidate : kTargets) {
    if (argc > 1 && std::strcmp(argv[1], candidate.name) == 0) target = &candidate;
  }
  if (target == nullptr) {
    std::fprintf(stderr, "usage: vexa_fuzz_replay TARGET PATH...  (no such target)\n");
    return 2;
  }
  std::vector<fs::path> inputs;
  for (int i = 2; i < argc; ++i) {
    const fs::path path(argv[i]);
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
      for (const fs::directory_entry& entry : fs::directory_iterator(path, ec)) {
        if (entry.is_regular_file()) inputs.push_back(entry.path());
      }
    } else if (fs::is_regular_file(path, ec)) {
      inputs.push_back(path);
    }
  }
  std::sort(inputs.begin(), inputs.end());
  for (const fs::path& path : inputs) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::printf("%s\n", path.c_str());
    std::fflush(stdout);
    target->entry(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  }
  std::printf("%zu inputs replayed\n", inputs.size());
  return inputs.empty() ? 1 : 0;
}
