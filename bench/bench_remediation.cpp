// remediate against the fallback it builds on, on generated configurations
// (../shared/tools/gen-config) and their 5%-changed variants
// (../shared/tools/make-variant), 10,000 and 100,000 lines: the ratio of
// BM_Remediate to BM_Fallback at the same size is the figure to watch.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "vexa/parser/vexa_parser_util.h"
#include "vexa/remediation/remediation.h"

namespace {

using vexaparser::VexaParserUtil;

std::string commandOutput(const std::string& command) {
  std::string text;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, got);
    pclose(pipe);
  }
  return text;
}

struct Pair {
  std::string running;
  std::string intended;
};

const Pair& pairOf(long lines) {
  static std::map<long, Pair> cache;
  auto found = cache.find(lines);
  if (found != cache.end()) return found->second;
  const std::string path = "/tmp/vexa-bench-remediation-" + std::to_string(lines) + ".cfg";
  commandOutput(std::string(VEXA_GEN_CONFIG) + " --lines " + std::to_string(lines) +
                " --seed 7 > " + path);
  Pair pair;
  pair.running = commandOutput("cat " + path);
  pair.intended = commandOutput(std::string(VEXA_MAKE_VARIANT) + " " + path);
  std::remove(path.c_str());
  return cache[lines] = pair;
}

bool loadGrammar() {
  static const bool loaded = [] {
    VexaParserUtil::createParserResource();
    VexaParserUtil::setOverwriteCmds();
    return VexaParserUtil::resourcesReady();
  }();
  return loaded;
}

void BM_Fallback(benchmark::State& state) {
  if (!loadGrammar()) return state.SkipWithError("the device grammar did not load");
  const Pair& pair = pairOf(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(VexaParserUtil::fallbackConfigCmds(pair.running, pair.intended, 1));
  }
}

void BM_Remediate(benchmark::State& state) {
  if (!loadGrammar()) return state.SkipWithError("the device grammar did not load");
  const Pair& pair = pairOf(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(vexaremediation::remediate(pair.running, pair.intended));
  }
}

BENCHMARK(BM_Fallback)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Remediate)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
