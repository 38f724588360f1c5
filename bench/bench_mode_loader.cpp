// BM_LoadModeFile: the cost of loading a mode file into a syntax tree, by
// file size.  The generated file mixes the constructs of real mode files
// (keywords with token types and end lines, option groups, loops, complex
// blocks, sub-modes, repeated prefixes) in fixed-size blocks, so its size
// is the only thing that changes between the runs; the complexity report
// tells whether the loader stays linear.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <utility>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "vexa/host/pathname.h"
#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/grammar.h"
#include "vexa/parser/parser_tree.h"

namespace {

using vexaparser::Grammar;
using vexaparser::ParserTree;

std::string benchFolder() {
  return vexahost::VexaFileSystem::GetTempFolder() + "bench_mode_loader/";
}

// One block of each kind; "{n}" is replaced by the block number so that keys
// stay distinct, "{p}" by the number of the keyword chain five blocks back.
constexpr const char* kBlocks[] = {
    // keyword chain with token types and end lines
    "cmd{n}|command {n}|k||\n"
    "sub{n}|sub keyword|k/o||\n<1-65535>|a number|||\n<cr>|||\n!\n!\n"
    "word|free text|||\n<line>|text|wa||\n<cr>|||\n!\n!\n!\n!\n!\n",
    // option group of three members
    "opt{n}|options|k||\n<a.b.c.d>|address|||\n"
    "alpha|a|ob||\n<word>|w|oe||\n<cr>|||\n!\n!\n!\n"
    "beta|b|ob||\n<1-10>|n|oe||\n<cr>|||\n!\n!\n!\n"
    "gamma|g|ob/oe||\n<cr>|||\n!\n!\n!\n!\n",
    // loop
    "loop{n}|loop|k||\n<a.b.c.d>|address|lb||\n"
    "remote-as|ras|||\n<1-65535>|as|le||\n<cr>|||\n!\n!\n!\n!\n!\n",
    // complex block
    "#|cx|k||\nfastethernet{n}|fe||\ngigabitethernet{n}|ge||\n#|\n"
    "<0-9>|port|||\n<cr>|||\n!\n!\n!\n",
    // sub-mode on the end line
    "iface{n}|interface|k||\n<word>|name|||\n<cr>|||@(config-if)# bench_if.cfm\n!\n!\n!\n",
    // repeated prefix of an earlier keyword chain
    "cmd{p}|again|||\nextra|added later|||\n<cr>|||\n!\n!\n!\n",
};

std::string block(int i) {
  std::string text = kBlocks[i % 6];
  for (const auto& [marker, value] : {std::pair<std::string, int>{"{n}", i}, {"{p}", i - 5}}) {
    for (std::size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at)) {
      text.replace(at, marker.size(), std::to_string(value));
    }
  }
  return text;
}

int countLines(const std::string& text) {
  int lines = 0;
  for (char c : text) lines += c == '\n';
  return lines;
}

// The file name for a file of about `lines` lines, written on first use.
std::string modeFile(int lines) {
  static std::map<int, std::string> written;
  auto it = written.find(lines);
  if (it != written.end()) return it->second;
  vexahost::Pathname(benchFolder() + "files").makeDirectories();
  std::string text;
  for (int i = 0; countLines(text) < lines; ++i) text += block(i);
  std::string name = "bench_" + std::to_string(lines) + ".cfm";
  vexahost::Pathname(benchFolder() + "files/" + name).writeAll(text);
  vexahost::Pathname(benchFolder() + "files/bench_if.cfm")
      .writeAll(
          "shutdown|shut|n||\n<cr>|||\n!\n!\n"
          "description|desc|ob||\n<line>|text|oe||\n<cr>|||\n!\n!\n!\n"
          "ip|ip|k||\naddress|addr|||\n<a.b.c.d>|a|||\n<a.b.c.d>|m|||\n<cr>|||\n!\n!\n!\n!\n!\n");
  written[lines] = name;
  return name;
}

void BM_LoadModeFile(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  const std::string file = modeFile(lines);
  std::size_t nodes = 0;
  std::size_t topLevel = 0;
  for (auto _ : state) {
    // A grammar per load: every load starts from scratch, and freeing the
    // grammar between iterations keeps memory flat.
    state.PauseTiming();
    auto grammar = std::make_unique<Grammar>(benchFolder());
    state.ResumeTiming();
    ParserTree tree(*grammar, file);
    benchmark::DoNotOptimize(tree.root);
    state.PauseTiming();
    topLevel = tree.root->children.size();
    nodes = grammar->nodeCount();
    grammar.reset();
    state.ResumeTiming();
  }
  state.SetComplexityN(lines);
  state.SetItemsProcessed(state.iterations() * lines);
  state.counters["nodes"] = static_cast<double>(nodes);
  state.counters["top"] = static_cast<double>(topLevel);
}
BENCHMARK(BM_LoadModeFile)
    ->Arg(5000)
    ->Arg(10000)
    ->Arg(20000)
    ->Arg(40000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace

int main(int argc, char** argv) {
#ifdef __GLIBC__
  // Every iteration frees a whole grammar.  Without this glibc hands the
  // memory back to the system and the next load pays page faults again,
  // which only the larger files would suffer; a real process loads once.
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  mallopt(M_MMAP_THRESHOLD, 1 << 30);
#endif
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
