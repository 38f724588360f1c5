// How the configuration algebra grows with the size of a configuration: the
// four text operations of vexa-config on generated configurations of 1,000,
// 10,000 and 100,000 lines (../shared/tools/gen-config) and their
// 5%-changed variants (../shared/tools/make-variant), the same inputs the
// peer comparison (../shared/tools/peer-bench) uses:
//  - BM_Normalize/<lines>:           normalizeConfigCmds(F)
//  - BM_NormalizeLines/<lines>:      normalizeLines(F), the lines gathered
//                                    into a text per part (vexa-config's
//                                    normalize)
//  - BM_Merge/<lines>:               mergeConfigCmds(F_new, F)
//  - BM_Fallback/<lines>:            fallbackConfigCmds(F, F_new, whole file)
//  - BM_FallbackIncremental/<lines>: fallbackConfigCmds(F, F_new, incremental)
//  - BM_LoadGrammar:                 loadGrammar() of the device grammar.
// After the runs a linearity report gives, per operation, the time ratios
// 1k -> 10k and 10k -> 100k (10 would be exactly linear).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <iomanip>
#include <iostream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "bench_support.h"
#include "vexa/parser/grammar_loader.h"
#include "vexa/parser/parser_resources.h"
#include "vexa/parser/vexa_parser_util.h"

namespace {

using vexaparser::VexaParserUtil;

constexpr int kSizes[] = {1000, 10000, 100000};


// A generated configuration of about lines lines (seed 1, as peer-bench)
// and its variant.
const vexabench::ConfigPair& generated(int lines) {
  return vexabench::configPair(lines, 1, "bench_scaling.cfg");
}

void BM_Normalize(benchmark::State& state) {
  const vexabench::ConfigPair& pair = generated(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(VexaParserUtil::normalizeConfigCmds(pair.base));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_NormalizeLines(benchmark::State& state) {
  const vexabench::ConfigPair& pair = generated(static_cast<int>(state.range(0)));
  const vexaparser::Grammar& grammar = *vexaparser::ParserResources::instance().grammar();
  for (auto _ : state) {
    std::string parts[2];
    const auto into = [](std::string& text) {
      return [&text](std::string_view line, const vexaparser::CiscoCommandLine*) {
        text += line;
        text += '\n';
      };
    };
    benchmark::DoNotOptimize(
        VexaParserUtil::normalizeLines(grammar, pair.base, into(parts[0]), into(parts[1])));
    benchmark::DoNotOptimize(parts);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Merge(benchmark::State& state) {
  const vexabench::ConfigPair& pair = generated(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(VexaParserUtil::mergeConfigCmds(pair.changed, pair.base));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Fallback(benchmark::State& state) {
  const vexabench::ConfigPair& pair = generated(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(VexaParserUtil::fallbackConfigCmds(pair.base, pair.changed, 1));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_FallbackIncremental(benchmark::State& state) {
  const vexabench::ConfigPair& pair = generated(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(VexaParserUtil::fallbackConfigCmds(pair.base, pair.changed, 0));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LoadGrammar(benchmark::State& state) {
  for (auto _ : state) {
    vexaparser::GrammarLoad load = vexaparser::loadGrammar();
    if (!load.error.empty()) state.SkipWithError(load.error.c_str());
    benchmark::DoNotOptimize(load.grammar.get());
  }
}

// The console report, then the ratios of the times of consecutive sizes.
class LinearityReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
      const std::string name = run.benchmark_name();
      const std::size_t slash = name.find('/');
      if (slash == std::string::npos) continue;
      seconds_[name.substr(0, slash)][std::stoi(name.substr(slash + 1))] =
          run.GetAdjustedRealTime() / 1e3;  // the runs report milliseconds
    }
  }
  void Finalize() override {
    std::ostream& out = GetOutputStream();
    out << "\nlinearity (time ratio per 10x lines; 10 is linear):\n";
    for (const auto& [operation, bySize] : seconds_) {
      out << "  " << std::left << std::setw(24) << operation << std::right;
      for (std::size_t i = 1; i < std::size(kSizes); ++i) {
        auto small = bySize.find(kSizes[i - 1]);
        auto large = bySize.find(kSizes[i]);
        if (small == bySize.end() || large == bySize.end() || small->second <= 0) continue;
        out << "  " << kSizes[i - 1] << "->" << kSizes[i] << ": " << std::fixed
            << std::setprecision(2) << large->second / small->second;
      }
      auto first = bySize.find(kSizes[0]);
      auto last = bySize.find(kSizes[std::size(kSizes) - 1]);
      if (first != bySize.end() && last != bySize.end() && first->second > 0) {
        out << "  overall: " << std::fixed << std::setprecision(2) << last->second / first->second;
      }
      out << '\n';
    }
    ConsoleReporter::Finalize();
  }

 private:
  std::map<std::string, std::map<int, double>> seconds_;
};

}  // namespace

int main(int argc, char** argv) {
  VexaParserUtil::createParserResource();
  if (!VexaParserUtil::resourcesReady()) {
    std::cerr << "bench_scaling: the device grammar did not load\n";
    return 1;
  }
  benchmark::RegisterBenchmark("BM_LoadGrammar", BM_LoadGrammar)->Unit(benchmark::kMillisecond);
  for (auto* bench :
       {benchmark::RegisterBenchmark("BM_Normalize", BM_Normalize),
        benchmark::RegisterBenchmark("BM_NormalizeLines", BM_NormalizeLines),
        benchmark::RegisterBenchmark("BM_Merge", BM_Merge),
        benchmark::RegisterBenchmark("BM_Fallback", BM_Fallback),
        benchmark::RegisterBenchmark("BM_FallbackIncremental", BM_FallbackIncremental)}) {
    for (int lines : kSizes) bench->Arg(lines);
    bench->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  LinearityReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  VexaParserUtil::destroyParserResource();
  return 0;
}
