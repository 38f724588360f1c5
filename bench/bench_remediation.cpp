// remediate against the fallback it builds on, on generated configurations
// (../shared/tools/gen-config) and their 5%-changed variants
// (../shared/tools/make-variant), 10,000 and 100,000 lines: the ratio of
// BM_Remediate to BM_Fallback at the same size is the figure to watch.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "bench_support.h"
#include "vexa/parser/vexa_parser_util.h"
#include "vexa/remediation/remediation.h"

namespace {

using vexaparser::VexaParserUtil;


// A generated running configuration (base) and its intended variant
// (changed).
const vexabench::ConfigPair& pairOf(long lines) {
  return vexabench::configPair(lines, 7, "bench_remediation.cfg");
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
  const vexabench::ConfigPair& pair = pairOf(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(VexaParserUtil::fallbackConfigCmds(pair.base, pair.changed, 1));
  }
}

void BM_Remediate(benchmark::State& state) {
  if (!loadGrammar()) return state.SkipWithError("the device grammar did not load");
  const vexabench::ConfigPair& pair = pairOf(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(vexaremediation::remediate(pair.base, pair.changed));
  }
}

BENCHMARK(BM_Fallback)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Remediate)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
