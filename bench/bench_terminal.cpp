// Benchmarks of the terminal: lines per second through parse, and the cost
// of the "?" listing at nodes with few and with many children.
//
// The grammar is the small hand-written test grammar of the terminal tests
// (tests/data/parser/cli/basic), copied into a private folder below the
// temporary folder and extended with commands "wide10", "wide100" and
// "wide1000" that have that many keyword children each.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "vexa/host/pathname.h"
#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/parser_resources.h"
#include "vexa/parser/vexa_parser_util.h"
#include "vexa/parser/vty.h"

namespace {

using vexahost::Pathname;
using vexaparser::CiscoCommandLine;
using vexaparser::VTY;

constexpr const char* kGrammarFiles[] = {
    "view_mode.cfm",
    "execution_mode.cfm",
    "configuration_mod.cfm",
    "interface.cfm",
    "router.cfm",
    "af.cfm",
    "keyfiles/interfacefile.cfm",
    "keyfiles/speed.cfm",
};

std::string wideCommand(int children) {
  std::string text = "wide" + std::to_string(children) + "|a command with many children||\n";
  for (int i = 0; i < children; ++i) {
    char key[16];
    std::snprintf(key, sizeof key, "w%05d", i);
    text += std::string(key) + "|child number " + std::to_string(i) + "||\n<cr>|end||\n!\n!\n";
  }
  return text + "!\n";
}

// Writes the grammar and loads it; false when anything failed.
bool loadBenchGrammar() {
  const std::string source = std::string(VEXA_TEST_DATA_DIR) + "parser/cli/basic/files/";
  const std::string folder = vexahost::VexaFileSystem::GetTempFolder() + "bench_terminal/";
  if (!Pathname(folder + "files/keyfiles/").makeDirectories()) return false;
  for (const char* file : kGrammarFiles) {
    std::string text;
    if (!Pathname(source + file).readAll(text)) return false;
    if (std::string(file) == "configuration_mod.cfm") {
      for (int children : {10, 100, 1000}) text += wideCommand(children);
    }
    if (!Pathname(folder + "files/" + file).writeAll(text)) return false;
  }
  vexahost::VexaFileSystem::SetSystemResourceFolder(folder);
  vexaparser::VexaParserUtil::createParserResource();
  return vexaparser::VexaParserUtil::resourcesReady();
}

bool grammarReady() {
  static const bool ready = loadBenchGrammar();
  return ready;
}

// A configuration block over the grammar, typed in full as configuration
// text replays it.
const std::vector<std::string>& configurationLines() {
  static const std::vector<std::string> lines = {
      "hostname r1 \n",
      "interface fastethernet0/1 \n",
      " description link to the core switch \n",
      " ip address 10.1.1.1 255.255.255.0 \n",
      " ip access-group 101 in log \n",
      " speed 100 \n",
      " no shutdown \n",
      "router bgp 65000 \n",
      " neighbor 10.1.1.2 remote-as 65001 weight 100 \n",
      " address-family ipv4 \n",
      "  network 10.1.0.0 \n",
      "ip route 0.0.0.0 0.0.0.0 10.1.1.254 \n",
      "logging 10.9.9.9 \n",
  };
  return lines;
}

void enterConfiguration(VTY& vty) {
  vty.parse("enable \n", true, nullptr);
  vty.parse("configure terminal \n", true, nullptr);
  std::string discard;
  vty.getOutputString(discard);
}

// Lines per second through a scratch terminal, each with its command object
// as the configuration model gives them.
void BM_ParseConfigurationLines(benchmark::State& state) {
  if (!grammarReady()) {
    state.SkipWithError("grammar not loaded");
    return;
  }
  VTY vty;
  enterConfiguration(vty);
  const auto& lines = configurationLines();
  std::size_t ok = 0;
  for (auto _ : state) {
    for (const std::string& line : lines) {
      CiscoCommandLine command;
      ok += vty.parse(line, true, &command) ? 1 : 0;
    }
  }
  if (ok != lines.size() * state.iterations()) state.SkipWithError("a line failed");
  state.SetItemsProcessed(static_cast<int64_t>(lines.size() * state.iterations()));
}
BENCHMARK(BM_ParseConfigurationLines);

// The same in a console terminal with abbreviated keywords.
void BM_ParseAbbreviatedLines(benchmark::State& state) {
  if (!grammarReady()) {
    state.SkipWithError("grammar not loaded");
    return;
  }
  VTY vty("Router", true);
  enterConfiguration(vty);
  const std::vector<std::string> lines = {
      "host r1 \n",
      "int fa0/1 \n",
      "desc uplink \n",
      "ip add 10.1.1.1 255.0.0.0 \n",
      "no shut \n",
      "router bgp 1 \n",
      "nei 1.1.1.1 rem 2 w 3 \n",
      "exit \n",
      "ip ro 0.0.0.0 0.0.0.0 1.1.1.1 \n",
  };
  std::size_t ok = 0;
  for (auto _ : state) {
    for (const std::string& line : lines) ok += vty.parse(line, true, nullptr) ? 1 : 0;
  }
  if (ok != lines.size() * state.iterations()) state.SkipWithError("a line failed");
  state.SetItemsProcessed(static_cast<int64_t>(lines.size() * state.iterations()));
}
BENCHMARK(BM_ParseAbbreviatedLines);

// "?" after a command whose node has state.range(0) children.
void BM_HelpAtWideNode(benchmark::State& state) {
  if (!grammarReady()) {
    state.SkipWithError("grammar not loaded");
    return;
  }
  VTY vty("Router", true);
  enterConfiguration(vty);
  const std::string line = "wide" + std::to_string(state.range(0)) + " ?";
  std::string out;
  for (auto _ : state) {
    vty.hook(line);
    vty.getOutputString(out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.range(0) * state.iterations());
}
BENCHMARK(BM_HelpAtWideNode)->Arg(10)->Arg(100)->Arg(1000);

// Tab completion of an abbreviation that ten children share (every child is
// a candidate to check).
void BM_CompleteAtWideNode(benchmark::State& state) {
  if (!grammarReady()) {
    state.SkipWithError("grammar not loaded");
    return;
  }
  VTY vty("Router", true);
  enterConfiguration(vty);
  const std::string line = "wide" + std::to_string(state.range(0)) + " w0000\t";
  std::string out;
  for (auto _ : state) {
    vty.hook(line);
    vty.getOutputString(out);
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_CompleteAtWideNode)->Arg(10)->Arg(100)->Arg(1000);

}  // namespace

BENCHMARK_MAIN();
