// The configuration algebra on real and generated configurations:
//  - BM_GetCmdInfo/<file>: turning each corpus file into command trees
//    (lines per second);
//  - BM_MergeCorpus / BM_FallbackCorpus: a delta of about a tenth of the
//    lines of the largest corpus file merged into it, and the fallback from
//    the merged text back to the file (whole-file and incremental);
//  - BM_Sort*: SortCiscoCommands on 10,000 sibling commands;
//  - BM_*Generated/<lines>: the same steps on generated configurations of
//    1,000 to 100,000 lines (../shared/tools/gen-config), to show how the
//    cost grows.
// The grammar is the device grammar of resources/files/ when it loads, else
// (or with VEXA_BENCH_GRAMMAR=test) the small test grammar of
// tests/data/parser/model/; the context line "grammar" says which.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench_support.h"
#include "vexa/host/pathname.h"
#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/parser_exception.h"
#include "vexa/parser/vexa_parser_util.h"

namespace {

using vexaparser::CiscoCommandLine;
using vexaparser::VexaParserUtil;

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

long countLines(const std::string& text) { return static_cast<long>(splitLines(text).size()); }

// About every tenth line of text, each indented line under the mode line it
// belongs to; descriptions are changed and a new interface is added every
// hundred lines, so that merge and fallback have real work to do.
std::string deltaOf(const std::string& text) {
  const std::vector<std::string> lines = splitLines(text);
  std::string delta;
  std::string header;
  std::string lastHeader;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const bool indented = !line.empty() && line[0] == ' ';
    if (!indented && !line.empty() && line[0] != '!') header = line;
    if (i % 100 == 50) {
      delta += "interface BenchNew" + std::to_string(i) + "\n description added\n";
      lastHeader.clear();
    }
    if (i % 10 != 0 || line.empty() || line[0] == '!') continue;
    if (indented && header != lastHeader) {
      delta += header + "\n";
      lastHeader = header;
    }
    if (!indented) lastHeader = line;
    delta += line;
    if (line.find("description") != std::string::npos) delta += " changed";
    delta += "\n";
  }
  return delta;
}

std::string readFile(const std::string& path) {
  std::string text;
  vexahost::Pathname(path).readAll(text);
  return text;
}

std::string generated(int lines) {
  static std::map<int, std::string> cache;
  auto found = cache.find(lines);
  if (found != cache.end()) return found->second;
  return cache[lines] = vexabench::generatedConfig(lines, 7);
}

struct CorpusFile {
  std::string name;
  std::string text;
};

std::vector<CorpusFile> corpusFiles() {
  std::vector<CorpusFile> files;
  for (const vexahost::Pathname& entry : vexahost::Pathname(VEXA_CORPUS_DIR).dirContents()) {
    const std::string name = entry.file();
    if (name.size() < 4 || name.compare(name.size() - 4, 4, ".cfg") != 0) continue;
    files.push_back({name, readFile(entry.data())});
  }
  return files;
}

const CorpusFile& largestCorpusFile() {
  static const CorpusFile largest = [] {
    CorpusFile best;
    for (CorpusFile& file : corpusFiles()) {
      if (file.text.size() > best.text.size()) best = std::move(file);
    }
    return best;
  }();
  return largest;
}

// ---- building ----

void runGetCmdInfo(benchmark::State& state, const std::string& text) {
  for (auto _ : state) {
    std::vector<CiscoCommandLine*> commands;
    std::string errorText;
    int errorLine = 0;
    VexaParserUtil::getCmdInfo(text, commands, errorText, errorLine);
    benchmark::DoNotOptimize(commands.data());
    VexaParserUtil::releaseCmdInfo(commands);
  }
  state.SetItemsProcessed(state.iterations() * countLines(text));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

void BM_GetCmdInfoGenerated(benchmark::State& state) {
  runGetCmdInfo(state, generated(static_cast<int>(state.range(0))));
  state.SetComplexityN(state.range(0));
}

// ---- merge and fallback ----

void runMerge(benchmark::State& state, const std::string& base) {
  const std::string delta = deltaOf(base);
  for (auto _ : state) {
    benchmark::DoNotOptimize(VexaParserUtil::mergeConfigCmds(delta, base));
  }
  state.SetItemsProcessed(state.iterations() * countLines(base));
  state.counters["delta_lines"] = static_cast<double>(countLines(delta));
}

void runFallback(benchmark::State& state, const std::string& base, unsigned wholeFile) {
  const std::string merged = VexaParserUtil::mergeConfigCmds(deltaOf(base), base);
  std::size_t outLines = 0;
  for (auto _ : state) {
    const std::string undo = VexaParserUtil::fallbackConfigCmds(merged, base, wholeFile);
    outLines = splitLines(undo).size();
    benchmark::DoNotOptimize(undo.data());
  }
  state.SetItemsProcessed(state.iterations() * countLines(base));
  state.counters["fallback_lines"] = static_cast<double>(outLines);
}

void BM_MergeCorpus(benchmark::State& state) { runMerge(state, largestCorpusFile().text); }
void BM_FallbackCorpus(benchmark::State& state) { runFallback(state, largestCorpusFile().text, 1); }
void BM_FallbackIncrementalCorpus(benchmark::State& state) {
  runFallback(state, largestCorpusFile().text, 0);
}

void BM_MergeGenerated(benchmark::State& state) {
  runMerge(state, generated(static_cast<int>(state.range(0))));
  state.SetComplexityN(state.range(0));
}
void BM_FallbackGenerated(benchmark::State& state) {
  runFallback(state, generated(static_cast<int>(state.range(0))), 1);
  state.SetComplexityN(state.range(0));
}
void BM_FallbackIncrementalGenerated(benchmark::State& state) {
  runFallback(state, generated(static_cast<int>(state.range(0))), 0);
  state.SetComplexityN(state.range(0));
}

// ---- ordering ----

// count commands: line numbers 1..n in order, except that every
// newEvery-th one is new (line 0) with a rank from the order table.
void runSort(benchmark::State& state, int newEvery) {
  const int count = static_cast<int>(state.range(0));
  std::vector<std::unique_ptr<CiscoCommandLine>> owned;
  std::vector<CiscoCommandLine*> commands;
  std::mt19937 random(42);
  for (int i = 0; i < count; ++i) {
    owned.push_back(std::make_unique<CiscoCommandLine>());
    const bool fresh = newEvery > 0 && i % newEvery == 0;
    owned.back()->setLineNo(fresh ? 0 : i + 1);
    owned.back()->setOrderNo(static_cast<int32_t>(random() % 40));
    commands.push_back(owned.back().get());
  }
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<CiscoCommandLine*> work = commands;
    state.ResumeTiming();
    VexaParserUtil::SortCiscoCommands(work);
    benchmark::DoNotOptimize(work.data());
  }
  state.SetItemsProcessed(state.iterations() * count);
  state.SetComplexityN(count);
}

void BM_SortInLineOrder(benchmark::State& state) { runSort(state, 0); }
void BM_SortWithTenthNew(benchmark::State& state) { runSort(state, 10); }

std::string loadGrammar() {
  // VEXA_BENCH_GRAMMAR=test measures with the test grammar even where the
  // device grammar exists (figures comparable across grammar changes).
  const char* choice = std::getenv("VEXA_BENCH_GRAMMAR");
  const bool testGrammar = choice != nullptr && std::string(choice) == "test";
  if (!testGrammar) VexaParserUtil::createParserResource();
  if (testGrammar || !VexaParserUtil::resourcesReady()) {
    vexahost::VexaFileSystem::SetSystemResourceFolder(std::string(VEXA_TEST_DATA_DIR) +
                                                      "parser/model/");
    VexaParserUtil::createParserResource();
  }
  try {
    VexaParserUtil::setOverwriteCmds();
  } catch (const vexaparser::ParserException&) {
  }
  return vexahost::VexaFileSystem::GetSystemResourceFolder();
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::AddCustomContext("grammar", loadGrammar());
  benchmark::AddCustomContext("largest corpus file", largestCorpusFile().name);
  for (const CorpusFile& file : corpusFiles()) {
    const std::string text = file.text;
    benchmark::RegisterBenchmark(("BM_GetCmdInfo/" + file.name).c_str(),
                                 [text](benchmark::State& state) { runGetCmdInfo(state, text); })
        ->Unit(benchmark::kMicrosecond);
  }
  benchmark::RegisterBenchmark("BM_MergeCorpus", BM_MergeCorpus)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("BM_FallbackCorpus", BM_FallbackCorpus)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("BM_FallbackIncrementalCorpus", BM_FallbackIncrementalCorpus)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("BM_SortInLineOrder", BM_SortInLineOrder)
      ->Arg(10000)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("BM_SortWithTenthNew", BM_SortWithTenthNew)
      ->Arg(1000)
      ->Arg(10000)
      ->Unit(benchmark::kMicrosecond)
      ->Complexity();
  for (auto* bench :
       {benchmark::RegisterBenchmark("BM_GetCmdInfoGenerated", BM_GetCmdInfoGenerated),
        benchmark::RegisterBenchmark("BM_MergeGenerated", BM_MergeGenerated),
        benchmark::RegisterBenchmark("BM_FallbackGenerated", BM_FallbackGenerated),
        benchmark::RegisterBenchmark("BM_FallbackIncrementalGenerated",
                                     BM_FallbackIncrementalGenerated)}) {
    bench->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  VexaParserUtil::destroyParserResource();
  return 0;
}
