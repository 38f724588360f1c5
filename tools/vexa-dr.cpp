// vexa-dr: design-reader scripts from the command line.
//
//   vexa-dr check SCRIPT|-            checker and translator report
//   vexa-dr translate SCRIPT [-o OUT.pl]

#include <cstdio>
#include <iostream>
#include <random>
#include <string>

#include "common/tool_args.h"
#include "vexa/designreader/dr_check.h"
#include "vexa/designreader/dr_translator.h"
#include "vexa/host/pathname.h"
#include "vexa/host/platform.h"
#include "vexa/host/vexa_file_system.h"

namespace {

constexpr char kProgram[] = "vexa-dr";

constexpr char kHelp[] =
    "Usage: vexa-dr COMMAND [ARGS] [--resources DIR]\n"
    "\n"
    "Design-reader scripts: check them and translate them into Perl.\n"
    "\n"
    "Commands:\n"
    "  check SCRIPT|-              run the syntax checker and the translator and print\n"
    "                              their report; exit 1 when the report is not empty\n"
    "  translate SCRIPT [-o OUT]   write the Perl program of SCRIPT to OUT (standard\n"
    "                              output without -o); exit 1 on translation errors\n"
    "\n"
    "Options:\n"
    "  --resources DIR   resource folder (the Perl runtime library is read from\n"
    "                    DIR/scripts/DRFunctions)\n"
    "  -h, --help        this text\n"
    "  --version         the version\n"
    "\n"
    "SCRIPT may be - for standard input.  Exit status: 0 success, 1 the script has\n"
    "errors, 2 usage or I/O errors.\n";

using namespace vexatools;

// Translates text into a program file at path; returns the translator's
// error text.
std::string translateTo(const std::string& text, const std::string& path) {
  vexadr::DRTranslator translator(text, path);
  translator.translateScriptFile();
  return translator.errorText;
}

std::string scratchProgramPath() {
  std::random_device random;
  return vexahost::VexaFileSystem::GetTempFolder() + "vexa-dr-" + std::to_string(random()) +
         ".pl";
}

int runCheck(const std::string& script) {
  std::string text, error;
  if (!readInput(script, text, error)) {
    printError(kProgram, error);
    return kExitUsage;
  }
  vexadr::DRCheck check(text);
  check.syntaxCheck();
  std::string report = check.getErrStr();
  if (report.empty()) {
    const std::string scratch = scratchProgramPath();
    report = translateTo(text, scratch);
    vexahost::Pathname(scratch).removeFile(false);
  }
  std::cout << report;
  return report.empty() ? kExitOk : kExitProblem;
}

int runTranslate(const std::string& script, const std::string& output) {
  std::string text, error;
  if (!readInput(script, text, error)) {
    printError(kProgram, error);
    return kExitUsage;
  }
  const std::string target = output.empty() ? scratchProgramPath() : output;
  const std::string errors = translateTo(text, target);
  std::string program;
  if (!vexahost::Pathname(target).readAll(program)) {
    printError(kProgram, "cannot write '" + target + "'");
    return kExitUsage;
  }
  if (output.empty()) {
    std::cout << program;
    vexahost::Pathname(target).removeFile(false);
  }
  if (!errors.empty()) {
    std::cerr << errors;
    return kExitProblem;
  }
  return kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
  ArgRules rules;
  rules.valueOptions = {"-o"};
  ParsedArgs args;
  std::string error;
  if (!parseArgs(argc, argv, rules, args, error)) {
    printError(kProgram, error + " (see --help)");
    return kExitUsage;
  }
  if (args.help) {
    std::cout << kHelp;
    return kExitOk;
  }
  if (args.version) return vexatools::printVersion(kProgram);
  if (!applyResourceOption(args, error)) {
    printError(kProgram, error);
    return kExitUsage;
  }
  if (args.positionals.empty()) {
    printError(kProgram, "missing command (see --help)");
    return kExitUsage;
  }
  const std::string command = args.positionals[0];
  if (command == "check" && args.positionals.size() == 2) return runCheck(args.positionals[1]);
  if (command == "translate" && args.positionals.size() == 2) {
    return runTranslate(args.positionals[1], args.value("-o"));
  }
  if (command == "check" || command == "translate") {
    printError(kProgram, command + " takes one SCRIPT (see --help)");
  } else {
    printError(kProgram, "unknown command '" + command + "' (see --help)");
  }
  return kExitUsage;
}
