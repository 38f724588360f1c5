// Design-reader runs, timed as whole processes, the way a user runs them:
//  - BM_PerlReadsConfig: Perl alone reading a 100,000-line configuration into a
//    hash, line by line, as the runtime library does -- the baseline;
//  - BM_RunScript/<script>: "vexa-dr run SCRIPT CONFIG" with an interface, an
//    address and a protocol picked, on the same file.  Each iteration runs the
//    baseline right before the script, so that both see the same machine: the
//    counter x_perl_read is the script's processor time (user and system, of
//    vexa-dr and the Perl it starts) over the baseline's, x_perl_read_wall the
//    same for elapsed time;
//  - BM_LibraryUseful/<config>: "vexa-dr library DIR --useful CONFIG" over a
//    library of 40 favourite scripts (the bundled favourites, repeated), on
//    the largest corpus file and on the generated one.
// The configuration comes from ../shared/tools/gen-config --lines 100000; the
// benchmarks that need it skip when it cannot be made.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "vexa/designreader/design_note_parser.h"
#include "vexa/designreader/dr_script_file.h"
#include "vexa/host/pathname.h"
#include "vexa/host/vexa_file_system.h"

namespace {

using vexahost::Pathname;

const std::string kResources = std::string(VEXA_TEST_DATA_DIR) + "../../resources/";
const char kLargestCorpusFile[] = "pybatfish__firewall.cfg";
constexpr int kLibrarySize = 40;

struct Setup {
  std::string bin;      // the folder of the programs, vexa-dr among them
  std::string work;     // a scratch folder, removed at the end
  std::string config;   // the generated configuration; "" when it could not be made
  std::string library;  // the 40-script library
  double baseline = 0;  // seconds Perl needs to read the configuration
};

Setup& setup() {
  static Setup value;
  return value;
}

std::string quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

struct Cost {
  double wall = 0;
  double cpu = 0;  // user and system time of the processes the command ran
};

double childCpu() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The cost of one shell command (its output discarded).
Cost cost(const std::string& command) {
  const double cpu = childCpu();
  const auto start = std::chrono::steady_clock::now();
  const int status = std::system((command + " > /dev/null").c_str());
  const double wall =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (status != 0) std::fprintf(stderr, "bench: '%s' failed (%d)\n", command.c_str(), status);
  return {wall, childCpu() - cpu};
}

std::string perlRead() {
  return quote(vexahost::VexaFileSystem::GetPerlExepath()) +
         " -e 'open(my $in, \"<\", $ARGV[0]) or die; binmode($in); my %h; my $n = 0;"
         " while (my $l = <$in>) { chomp $l; $l =~ s/\\r\\z//; $h{++$n} = $l; }' " +
         quote(setup().config);
}

std::string vexaDr(const std::string& arguments) {
  return quote(setup().bin + "vexa-dr") + " --resources " + quote(kResources) + " " + arguments;
}

void prepare(const char* argv0) {
  Setup& s = setup();
  const std::string self = argv0;
  s.bin = self.substr(0, self.rfind('/') + 1);
  s.work = vexahost::VexaFileSystem::GetTempFolder() + "bench-dr-" +
           std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + "/";
  Pathname(s.work).makeDirectories();

  const std::string config = s.work + "generated.cfg";
  const std::string command = std::string(VEXA_GEN_CONFIG) + " --lines 100000 --seed 7 > " +
                              quote(config) + " 2> /dev/null";
  std::string text;
  if (std::system(command.c_str()) == 0 && Pathname(config).readAll(text) && !text.empty()) {
    s.config = config;
  }

  // The bundled favourites, repeated under new names until there are 40.
  s.library = s.work + "library/";
  std::vector<std::string> favourites;
  const vexadr::DesignNoteParser bundled(kResources + "ConfigLetParser", true);
  for (const auto& [folder, node] : bundled.getSubDirects()) {
    for (const std::string& name : node->getScriptFiles()) {
      if (vexadr::DRScriptFile(node->getScriptFileFullPath(name)).isFavourite()) {
        favourites.push_back(node->getScriptFileFullPath(name));
      }
    }
  }
  Pathname(s.library).makeDirectories();
  for (int i = 0; i < kLibrarySize && !favourites.empty(); ++i) {
    const std::string& source = favourites[i % favourites.size()];
    Pathname(source).copyTo(s.library + std::to_string(i) + "_" + Pathname(source).file());
  }
}

void BM_PerlReadsConfig(benchmark::State& state) {
  if (setup().config.empty()) return state.SkipWithError("gen-config is not available");
  double cpu = 0;
  for (auto _ : state) {
    const Cost spent = cost(perlRead());
    cpu += spent.cpu;
    state.SetIterationTime(spent.wall);
  }
  state.counters["cpu_ms"] = 1000 * cpu / static_cast<double>(state.iterations());
}

void BM_RunScript(benchmark::State& state, const std::string& script) {
  if (setup().config.empty()) return state.SkipWithError("gen-config is not available");
  const std::string command =
      vexaDr("run " + quote(script) + " " + quote(setup().config) +
             " --interface GigabitEthernet0/0/1 --ip 10.0.0.6 --protocol ospf");
  Cost run, baseline;
  for (auto _ : state) {
    const Cost before = cost(perlRead());
    const Cost spent = cost(command);
    baseline = {baseline.wall + before.wall, baseline.cpu + before.cpu};
    run = {run.wall + spent.wall, run.cpu + spent.cpu};
    state.SetIterationTime(spent.wall);
  }
  state.counters["x_perl_read"] = run.cpu / baseline.cpu;
  state.counters["x_perl_read_wall"] = run.wall / baseline.wall;
}

void BM_LibraryUseful(benchmark::State& state, const std::string& config) {
  if (config.empty()) return state.SkipWithError("gen-config is not available");
  const std::string command =
      vexaDr("library " + quote(setup().library) + " --useful " + quote(config));
  for (auto _ : state) state.SetIterationTime(cost(command).wall);
  state.counters["scripts"] = kLibrarySize;
}

}  // namespace

int main(int argc, char** argv) {
  prepare(argv[0]);
  benchmark::RegisterBenchmark("BM_PerlReadsConfig", BM_PerlReadsConfig)
      ->Iterations(5)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
  const vexadr::DesignNoteParser bundled(kResources + "ConfigLetParser", true);
  for (const auto& [folder, node] : bundled.getSubDirects()) {
    for (const std::string& name : node->getScriptFiles()) {
      benchmark::RegisterBenchmark(("BM_RunScript/" + folder + "/" + name).c_str(), BM_RunScript,
                                   node->getScriptFileFullPath(name))
          ->Iterations(3)
          ->UseManualTime()
          ->Unit(benchmark::kMillisecond);
    }
  }
  const std::string corpus = std::string(VEXA_CORPUS_DIR) + kLargestCorpusFile;
  for (const std::string& config : {corpus, setup().config}) {
    benchmark::RegisterBenchmark(("BM_LibraryUseful/" + (config.empty() ? std::string("generated")
                                                                        : Pathname(config).file()))
                                     .c_str(),
                                 BM_LibraryUseful, config)
        ->Iterations(1)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  Pathname(setup().work).removeFile(true);
  return 0;
}
