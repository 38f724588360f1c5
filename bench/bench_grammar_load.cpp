// BM_LoadProductGrammar: the cost of building the parser resources from the
// product grammar in resources/files/ (key tables, the view, execution and
// configuration mode trees with every sub-mode file, the command order
// table) and reading the command flag file, as a host does once at start:
// from the mode files, and from the grammar image of an earlier load.
// BM_ReadGrammarFiles reads the same files into memory without parsing them:
// the baseline that the loading figure is compared with.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "vexa/host/pathname.h"
#include "vexa/parser/grammar_loader.h"

namespace {

// The source tree's resources/ (the benchmark runs from the build tree).
std::string resourceFolder() { return std::string(VEXA_TEST_DATA_DIR) + "../../resources/"; }

// Every file below resources/files/, recursively.
void collectFiles(const vexahost::Pathname& folder, std::vector<std::string>& out) {
  for (const vexahost::Pathname& entry : folder.dirContents()) {
    if (entry.isDirectory()) {
      collectFiles(entry, out);
    } else {
      out.push_back(entry.data());
    }
  }
}

void BM_ReadGrammarFiles(benchmark::State& state) {
  std::vector<std::string> files;
  collectFiles(vexahost::Pathname(resourceFolder() + "files"), files);
  std::size_t bytes = 0;
  for (auto _ : state) {
    bytes = 0;
    for (const std::string& file : files) {
      std::string text;
      vexahost::Pathname(file).readAll(text);
      bytes += text.size();
      benchmark::DoNotOptimize(text.data());
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
  state.counters["files"] = static_cast<double>(files.size());
}
BENCHMARK(BM_ReadGrammarFiles)->Unit(benchmark::kMillisecond);

// Argument 0: from the mode files; 1: from the grammar image that the
// first load writes (as every start after the first does).
void BM_LoadProductGrammar(benchmark::State& state) {
  std::size_t nodes = 0;
  const bool image = state.range(0) != 0;
  if (image) vexaparser::loadGrammar(vexaparser::GrammarOptions{resourceFolder(), true, true});
  for (auto _ : state) {
    const vexaparser::GrammarLoad load =
        vexaparser::loadGrammar(vexaparser::GrammarOptions{resourceFolder(), true, image});
    if (!load.error.empty()) {
      state.SkipWithError(load.error.c_str());
      break;
    }
    state.PauseTiming();
    // Freeing the grammar is not part of loading it.
    nodes = load.grammar->nodeCount();
    state.ResumeTiming();
  }
  state.counters["nodes"] = static_cast<double>(nodes);
}
BENCHMARK(BM_LoadProductGrammar)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
