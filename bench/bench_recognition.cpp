// BM_RecognizeCorpus and BM_RecognizeWideCorpus: counted lines per second
// through one configuration terminal over the product grammar, with the
// rule of "vexa-config check": every line of every corpus file parsed in
// order with its command object, as the configuration model reads a file.
// The figure tracks what grammar growth costs the matcher (wider nodes, more
// typed positions); compare it before and after a grammar change.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "vexa/host/pathname.h"
#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/parser_resources.h"
#include "vexa/parser/vexa_parser_util.h"
#include "vexa/parser/vty.h"

namespace {

using vexaparser::CiscoCommandLine;
using vexaparser::VTY;

std::string resourceFolder() { return std::string(VEXA_TEST_DATA_DIR) + "../../resources/"; }

bool grammarReady() {
  static const bool ready = [] {
    vexahost::VexaFileSystem::SetSystemResourceFolder(resourceFolder());
    vexaparser::VexaParserUtil::createParserResource();
    return vexaparser::VexaParserUtil::resourcesReady();
  }();
  return ready;
}

// The non-empty lines of every file of a corpus folder, one list per file.
std::vector<std::vector<std::string>> corpusLines(const std::string& folder) {
  std::vector<std::vector<std::string>> files;
  for (const vexahost::Pathname& entry : vexahost::Pathname(folder).dirContents()) {
    if (entry.isDirectory() || entry.file() == "MANIFEST.tsv") continue;
    std::string text;
    if (!entry.readAll(text)) continue;
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
      const std::size_t stop = std::min(text.find_first_of("\r\n", start), text.size());
      if (stop > start) lines.push_back(text.substr(start, stop - start));
      start = stop + 1;
    }
    files.push_back(std::move(lines));
  }
  return files;
}

void recognizeCorpus(benchmark::State& state, const std::string& folder) {
  if (!grammarReady()) {
    state.SkipWithError("the product grammar did not load");
    return;
  }
  const std::vector<std::vector<std::string>> files = corpusLines(folder);
  std::size_t lines = 0;
  std::size_t recognized = 0;
  for (auto _ : state) {
    lines = 0;
    recognized = 0;
    for (const std::vector<std::string>& file : files) {
      std::unique_ptr<VTY> vty = VTY::create("hostName", false);
      vty->parse("enable\n", true, nullptr);
      vty->parse("configure terminal \n", true, nullptr);
      // Later lines link to earlier mode commands: all live to the end.
      std::vector<std::unique_ptr<CiscoCommandLine>> commands;
      commands.reserve(file.size());
      for (const std::string& line : file) {
        commands.push_back(std::make_unique<CiscoCommandLine>());
        recognized += vty->parse(line, true, commands.back().get()) ? 1 : 0;
        ++lines;
      }
    }
  }
  state.SetItemsProcessed(static_cast<int64_t>(lines * state.iterations()));
  state.counters["lines"] = static_cast<double>(lines);
  state.counters["parsed"] = static_cast<double>(recognized);
}

void BM_RecognizeCorpus(benchmark::State& state) { recognizeCorpus(state, VEXA_CORPUS_DIR); }
BENCHMARK(BM_RecognizeCorpus)->Unit(benchmark::kMillisecond);

void BM_RecognizeWideCorpus(benchmark::State& state) {
  recognizeCorpus(state, std::string(VEXA_TEST_DATA_DIR) + "corpus/ios-wide/");
}
BENCHMARK(BM_RecognizeWideCorpus)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
