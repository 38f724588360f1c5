// libFuzzer target: the ini reader on any file contents.  For every
// bracketed name in the input, each key the reader lists for that section
// must also be found by name.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "vexa/host/conf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = vexafuzz::scratchPath("ini_fuzz.ini");
  const std::string text = vexafuzz::textOf(data, size);
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
  const vexahost::CConf conf(path);
  std::size_t open = 0;
  while ((open = text.find('[', open)) != std::string::npos) {
    const std::size_t close = text.find(']', open);
    if (close == std::string::npos) break;
    const std::string section = text.substr(open + 1, close - open - 1);
    open = close;
    std::vector<std::string> keys;
    if (!conf.GetIniSectionAllKey(section, keys)) continue;
    for (const std::string& key : keys) {
      char buffer[16];
      if (!conf.GetStringValue(section, key, buffer, sizeof buffer, "")) std::abort();
      conf.GetIntValue(section, key, 7);
    }
  }
  return 0;
}
