// Section search and extraction on generated configurations of 1,000 to
// 100,000 lines (../shared/tools/gen-config), against normalizing the same
// text in the same run:
//  - BM_Normalize/<lines>: normalizeConfigCmds, the baseline;
//  - BM_ExtractEveryInterface/<lines>: getInterfacesConfig with the name of
//    every interface of the text, on a text the library has not seen;
//  - BM_ExtractOneByOne/<lines>: one configuration, 1,000 getInterfaceConfig
//    calls for names spread over it, the first call included.
// The counter vs_normalize is the processor time of one iteration divided
// by that of one normalize of the same text (the best of three, measured
// before): processor time, because the machine may be shared.  Needs the
// device grammar (the default resource folder).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "bench_support.h"
#include "vexa/parser/vexa_parser_get_config.h"
#include "vexa/parser/vexa_parser_util.h"

namespace {

using vexaparser::VexaParserGetConfig;
using vexaparser::VexaParserUtil;

constexpr int kCalls = 1000;

struct Generated {
  std::string text;
  std::vector<std::string> interfaces;  // names as written in the text
  double normalizeSeconds = 0;
};

double processorSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

const Generated& generated(int lines) {
  static std::map<int, Generated> cache;
  auto found = cache.find(lines);
  if (found != cache.end()) return found->second;
  Generated& made = cache[lines];
  made.text = vexabench::generatedConfig(lines, 7);
  for (std::size_t at = 0; at < made.text.size();) {
    const std::size_t end = std::min(made.text.find('\n', at), made.text.size());
    if (made.text.compare(at, 10, "interface ") == 0) {
      made.interfaces.push_back(made.text.substr(at + 10, end - at - 10));
    }
    at = end + 1;
  }
  // The best of three: the first run also pays for warming up.
  for (int run = 0; run < 3; ++run) {
    const double start = processorSeconds();
    benchmark::DoNotOptimize(VexaParserUtil::normalizeConfigCmds(made.text));
    const double seconds = processorSeconds() - start;
    if (run == 0 || seconds < made.normalizeSeconds) made.normalizeSeconds = seconds;
  }
  return made;
}

// A copy of text the library has not seen: the kept answers of earlier
// iterations do not count.
std::string unseen(const std::string& text) {
  static long serial = 0;
  return text + "! " + std::to_string(++serial) + "\n";
}

void report(benchmark::State& state, const Generated& config, double seconds) {
  state.counters["vs_normalize"] =
      seconds / static_cast<double>(state.iterations()) / config.normalizeSeconds;
  state.counters["interfaces"] = static_cast<double>(config.interfaces.size());
  state.SetComplexityN(state.range(0));
}

void BM_Normalize(benchmark::State& state) {
  const Generated& config = generated(static_cast<int>(state.range(0)));
  double seconds = 0;
  for (auto _ : state) {
    const double start = processorSeconds();
    benchmark::DoNotOptimize(VexaParserUtil::normalizeConfigCmds(config.text));
    seconds += processorSeconds() - start;
  }
  report(state, config, seconds);
}

void BM_ExtractEveryInterface(benchmark::State& state) {
  const Generated& config = generated(static_cast<int>(state.range(0)));
  double seconds = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const std::string text = unseen(config.text);
    state.ResumeTiming();
    const double start = processorSeconds();
    std::vector<std::string> blocks;
    VexaParserGetConfig::getInterfacesConfig(text, 0, config.interfaces, blocks);
    seconds += processorSeconds() - start;
    if (blocks.size() != config.interfaces.size()) state.SkipWithError("an interface was lost");
  }
  report(state, config, seconds);
}

void BM_ExtractOneByOne(benchmark::State& state) {
  const Generated& config = generated(static_cast<int>(state.range(0)));
  double seconds = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const std::string text = unseen(config.text);
    state.ResumeTiming();
    const double start = processorSeconds();
    for (int call = 0; call < kCalls; ++call) {
      std::string block;
      const std::size_t pick = static_cast<std::size_t>(call) * config.interfaces.size() / kCalls;
      VexaParserGetConfig::getInterfaceConfig(text, 0, config.interfaces[pick], block);
      if (block.empty()) state.SkipWithError("an interface was not found");
    }
    seconds += processorSeconds() - start;
  }
  report(state, config, seconds);
}

}  // namespace

int main(int argc, char** argv) {
  VexaParserUtil::createParserResource();
  if (!VexaParserUtil::resourcesReady()) {
    std::fprintf(stderr, "bench_section: the device grammar did not load\n");
    return 1;
  }
  for (auto* bench :
       {benchmark::RegisterBenchmark("BM_Normalize", BM_Normalize),
        benchmark::RegisterBenchmark("BM_ExtractEveryInterface", BM_ExtractEveryInterface),
        benchmark::RegisterBenchmark("BM_ExtractOneByOne", BM_ExtractOneByOne)}) {
    bench->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  VexaParserUtil::destroyParserResource();
  return 0;
}
