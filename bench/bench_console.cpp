// Benchmarks of the console loop: one key through parser_main at the
// configuration prompt of a console terminal over the product grammar, with
// the largest configuration of the corpus as the device's baseline.
//
// An ordinary character is the baseline; "?" (the whole configuration-mode
// listing, then the prompt redrawn) and TAB are reported against it.  Run
// with --benchmark_repetitions=N to get medians.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "vexa/console/console_loop.h"
#include "vexa/console/get_line_data.h"
#include "vexa/host/terminal.h"
#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/vexa_parser_util.h"
#include "vexa/parser/vty.h"

namespace {

constexpr char kBaseline[] = "pybatfish__firewall.cfg";  // the corpus's largest file

struct Console {
  std::unique_ptr<vexaparser::VTY> terminal;
  vexaconsole::GetLineData editor;
  std::string delta;
  std::string output;

  void key(char c) {
    vexaconsole::parser_main(*terminal, editor, std::string(1, c), output, &delta);
  }
  void type(const std::string& keys) {
    for (char c : keys) key(c);
  }
};

// A console terminal at the configuration prompt; null when the product
// grammar does not load.
std::unique_ptr<Console> configurationConsole() {
  static const bool loaded = [] {
    vexaparser::VexaParserUtil::createParserResource();
    vexaparser::VexaParserUtil::setOverwriteCmds();
    return vexaparser::VexaParserUtil::resourcesReady();
  }();
  if (!loaded) return nullptr;
  vexahost::setTerminalOverride(true);
  vexahost::VexaFileSystem::GetCurrBaselineFileSystem()->SetConfigFilePath(
      "R1", std::string(VEXA_CORPUS_DIR) + kBaseline);
  auto console = std::make_unique<Console>();
  console->terminal = vexaparser::VTY::create("R1", true);
  console->terminal->setConfigAndDeltaFile("R1", 0);
  console->editor.parser_init("");
  console->type("enable\rconfigure terminal\r");
  return console;
}

// One ordinary character; the line is emptied (untimed) every 50 keys so
// that it never scrolls.
void BM_OrdinaryKey(benchmark::State& state) {
  auto console = configurationConsole();
  if (console == nullptr) {
    state.SkipWithError("the product grammar did not load");
    return;
  }
  int typed = 0;
  for (auto _ : state) {
    console->key('h');
    benchmark::DoNotOptimize(console->output.data());
    if (++typed == 50) {
      state.PauseTiming();
      console->key('\x15');
      typed = 0;
      state.ResumeTiming();
    }
  }
}
BENCHMARK(BM_OrdinaryKey);

// "?" on an empty line: the help listing of the configuration mode.
void BM_HelpKey(benchmark::State& state) {
  auto console = configurationConsole();
  if (console == nullptr) {
    state.SkipWithError("the product grammar did not load");
    return;
  }
  for (auto _ : state) {
    console->key('?');
    benchmark::DoNotOptimize(console->output.data());
  }
  state.counters["bytes_shown"] = static_cast<double>(console->output.size());
}
BENCHMARK(BM_HelpKey);

// TAB after "inter": the line completed to "interface ".  The line is put
// back (untimed) after every key.
void BM_CompletionKey(benchmark::State& state) {
  auto console = configurationConsole();
  if (console == nullptr) {
    state.SkipWithError("the product grammar did not load");
    return;
  }
  for (auto _ : state) {
    state.PauseTiming();
    console->type("\x15inter");
    state.ResumeTiming();
    console->key('\t');
    benchmark::DoNotOptimize(console->output.data());
  }
}
BENCHMARK(BM_CompletionKey);

}  // namespace

BENCHMARK_MAIN();
