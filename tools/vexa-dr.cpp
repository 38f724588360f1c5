// vexa-dr: design-reader scripts from the command line.
//
//   vexa-dr check SCRIPT|-            checker and translator report
//   vexa-dr translate SCRIPT [-o OUT.pl]
//   vexa-dr run SCRIPT CONFIG [--interface NAME]... [--protocol NAME]...
//               [--ip ADDR]... [--tree] [--raw]
//   vexa-dr library [DIR] [--useful CONFIG]

#include <iostream>
#include <list>
#include <memory>
#include <random>
#include <string>

#include "common/tool_args.h"
#include "vexa/designreader/design_note_parser.h"
#include "vexa/designreader/dr_check.h"
#include "vexa/designreader/dr_result_tree.h"
#include "vexa/designreader/dr_script_file.h"
#include "vexa/designreader/dr_translator.h"
#include "vexa/designreader/ui_variable.h"
#include "vexa/host/pathname.h"
#include "vexa/host/platform.h"
#include "vexa/host/vexa_file_system.h"

namespace {

constexpr char kProgram[] = "vexa-dr";

constexpr char kHelp[] =
    "Usage: vexa-dr COMMAND [ARGS] [--resources DIR]\n"
    "\n"
    "Design-reader scripts: check them, translate them into Perl, run them on\n"
    "device configurations, and list the script library.\n"
    "\n"
    "Commands:\n"
    "  check SCRIPT|-              run the syntax checker and the translator and print\n"
    "                              their report; exit 1 when the report is not empty\n"
    "                              (a .cmf file's header is not part of its script)\n"
    "  translate SCRIPT [-o OUT]   write the Perl program of SCRIPT to OUT (standard\n"
    "                              output without -o); exit 1 on translation errors\n"
    "  run SCRIPT CONFIG           run SCRIPT on the configuration CONFIG with Perl and\n"
    "                              print its findings, one \"LINE: text\" per\n"
    "                              configuration line; exit 1 when the script has errors\n"
    "      --interface NAME        an interface the user picked (repeatable)\n"
    "      --protocol NAME         a protocol the user picked (repeatable)\n"
    "      --ip ADDR               an IP address the user picked (repeatable)\n"
    "      --tree                  print the findings as configuration-like text\n"
    "      --raw                   print the result file as the program wrote it\n"
    "  library [DIR]               list the script library (default: the bundled one,\n"
    "                              RESOURCES/ConfigLetParser); \"*\" marks favourites\n"
    "      --useful CONFIG         list only the favourite scripts that find something\n"
    "                              in CONFIG\n"
    "\n"
    "Options:\n"
    "  --resources DIR   resource folder (the Perl runtime library is read from\n"
    "                    DIR/scripts/DRFunctions)\n"
    "  -h, --help        this text\n"
    "  --version         the version\n"
    "\n"
    "SCRIPT and CONFIG may be - for standard input (one of them).  Scripts are\n"
    "run by the Perl interpreter named by VEXA_PERL, else by perl on PATH.\n"
    "Exit status: 0 success, 1 the script has errors, 2 usage or I/O errors.\n";

using namespace vexatools;
using vexahost::Pathname;
using vexahost::VexaFileSystem;

// Translates text into a program file at path; returns the translator's
// error text.
std::string translateTo(const std::string& text, const std::string& path) {
  vexadr::DRTranslator translator(text, path);
  translator.translateScriptFile();
  return translator.errorText;
}

std::string randomName(const std::string& stem) {
  std::random_device random;
  return stem + std::to_string(random());
}

std::string scratchProgramPath() {
  return VexaFileSystem::GetTempFolder() + randomName("vexa-dr-") + ".pl";
}

// A temporary folder of this process only, made the host's temporary folder
// while it lives, so that runs of vexa-dr side by side never share their
// temporary files.  Removed with everything in it at the end.
class PrivateTempFolder {
 public:
  PrivateTempFolder() {
    const std::string base = VexaFileSystem::GetTempFolder();
    path_ = base + randomName("vexa-dr-run-") + vexahost::kPathSeparator;
    if (Pathname(path_).makeDirectories()) {
      VexaFileSystem::SetTempFolder(path_);
    } else {
      path_.clear();
    }
  }
  ~PrivateTempFolder() {
    if (!path_.empty()) Pathname(path_).removeFile(true);
  }
  PrivateTempFolder(const PrivateTempFolder&) = delete;
  PrivateTempFolder& operator=(const PrivateTempFolder&) = delete;

  bool ok() const { return !path_.empty(); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// The Perl interpreter must be there before anything runs.
bool perlAvailable() {
  const std::string perl = VexaFileSystem::GetPerlExepath();
  if (!VexaFileSystem::FindExecutable(perl).empty()) return true;
  printError(kProgram, "cannot find the Perl interpreter '" + perl +
                           "': install Perl or set VEXA_PERL to its path");
  return false;
}

// The script text of SCRIPT: standard input as it is, or the context of a
// script file (the text after its header), so that line numbers in messages
// count from the script's first line.
bool readScript(const std::string& script, std::string& text) {
  std::string error;
  if (!readInput(script, text, error)) {
    printError(kProgram, error);
    return false;
  }
  if (script != "-") text = vexadr::DRScriptFile(script).getContext();
  return true;
}

int runCheck(const std::string& script) {
  std::string text;
  if (!readScript(script, text)) return kExitUsage;
  vexadr::DRCheck check(text);
  check.syntaxCheck();
  std::string report = check.getErrStr();
  if (report.empty()) {
    const std::string scratch = scratchProgramPath();
    report = translateTo(text, scratch);
    Pathname(scratch).removeFile(false);
  }
  std::cout << report;
  return report.empty() ? kExitOk : kExitProblem;
}

int runTranslate(const std::string& script, const std::string& output) {
  std::string text;
  if (!readScript(script, text)) return kExitUsage;
  const std::string target = output.empty() ? scratchProgramPath() : output;
  const std::string errors = translateTo(text, target);
  std::string program;
  if (!Pathname(target).readAll(program)) {
    printError(kProgram, "cannot write '" + target + "'");
    return kExitUsage;
  }
  if (output.empty()) {
    std::cout << program;
    Pathname(target).removeFile(false);
  }
  if (!errors.empty()) {
    std::cerr << errors;
    return kExitProblem;
  }
  return kExitOk;
}

// The path of an input file: the file itself, or for "-" standard input
// copied into the private folder as name.  "" (after a message) on failure.
std::string inputPath(const std::string& path, const PrivateTempFolder& temp,
                      const std::string& name) {
  std::string text, error;
  if (path != "-") {
    const Pathname file(path);
    if (file.exists() && !file.isDirectory()) return path;
    if (!readInput(path, text, error)) printError(kProgram, error);
    return std::string();
  }
  readInput(path, text, error);
  const std::string copy = temp.path() + name;
  if (Pathname(copy).writeAll(text)) return copy;
  printError(kProgram, "cannot write '" + copy + "'");
  return std::string();
}

void printFindings(const vexadr::DRResultTree& tree) {
  for (const auto& line : tree.getLines()) {
    if (line->number == -1) {
      std::cout << line->text << "\n";
    } else {
      std::cout << line->number << ": " << line->text << "\n";
    }
    if (line->subTree) printFindings(*line->subTree);
  }
}

void printTree(const vexadr::DRResultTree& tree) {
  std::string text;
  std::list<int> closeLines;
  int lines = 0;
  vexadr::DesignNoteParser::BuildSyntaxStringFromTree(&tree, 0, text, closeLines, lines);
  std::string out;
  for (char c : text) {
    if (c != '\r') out += c;
  }
  std::cout << out;
}

int runScript(const ParsedArgs& args) {
  if (args.positionals[1] == "-" && args.positionals[2] == "-") {
    printError(kProgram, "only one of SCRIPT and CONFIG can be standard input");
    return kExitUsage;
  }
  PrivateTempFolder temp;
  if (!temp.ok()) {
    printError(kProgram,
               "cannot make a temporary folder in '" + VexaFileSystem::GetTempFolder() + "'");
    return kExitUsage;
  }
  const std::string script = inputPath(args.positionals[1], temp, "stdin.cmf");
  const std::string config = inputPath(args.positionals[2], temp, "stdin.cfg");
  if (script.empty() || config.empty()) return kExitUsage;

  const vexadr::DRScriptFile file(script);
  if (file.getContext().empty()) {
    printError(kProgram, "'" + args.positionals[1] + "' holds no script text");
    return kExitUsage;
  }
  const std::string report = vexadr::DesignNoteParser::checkScriptFile(file.getContext());
  if (!report.empty()) {
    std::cerr << report;
    return kExitProblem;
  }
  if (!perlAvailable()) return kExitUsage;

  vexadr::UIVariableForDR variables;
  for (const std::string& name : args.all("--interface")) {
    variables.addVariableValue(vexadr::UIVariableType::InterfaceList, name);
  }
  for (const std::string& name : args.all("--protocol")) {
    variables.addVariableValue(vexadr::UIVariableType::ProtocolList, name);
  }
  for (const std::string& address : args.all("--ip")) {
    variables.addVariableValue(vexadr::UIVariableType::IPAddressList, address);
  }
  const bool picked = !variables.getValues().empty();
  const std::string result =
      vexadr::DesignNoteParser::getDesignNote(script, config, picked ? &variables : nullptr);
  if (args.has("--raw")) {
    std::cout << result;
  } else {
    const std::unique_ptr<vexadr::DRResultTree> tree = vexadr::DRResultTree::fromText(result);
    args.has("--tree") ? printTree(*tree) : printFindings(*tree);
  }
  const int status = vexadr::DesignNoteParser::lastRunStatus();
  if (status != 0) {
    printError(kProgram,
               status < 0 ? "cannot start the Perl interpreter"
                          : "the Perl program failed (exit status " + std::to_string(status) + ")");
    return kExitUsage;
  }
  return kExitOk;
}

void printLibrary(const vexadr::DesignNoteParser& node, const std::string& indent) {
  for (const auto& [name, sub] : node.getSubDirects()) {
    std::cout << indent << name << "/\n";
    printLibrary(*sub, indent + "  ");
  }
  for (const std::string& name : node.getScriptFiles()) {
    const vexadr::DRScriptFile script(node.getScriptFileFullPath(name));
    const std::string& description = script.getDescription();
    std::cout << indent << (script.isFavourite() ? "* " : "  ") << name;
    const std::string summary = description.substr(0, description.find('\n'));
    if (!summary.empty()) std::cout << ": " << summary;
    std::cout << "\n";
  }
}

int runLibrary(const ParsedArgs& args) {
  const std::string folder = args.positionals.size() > 1
                                 ? args.positionals[1]
                                 : VexaFileSystem::GetSystemResourceFolder() + "ConfigLetParser";
  if (!Pathname(folder).isDirectory()) {
    printError(kProgram, "library folder '" + folder + "' is not a folder");
    return kExitUsage;
  }
  if (!args.has("--useful")) {
    printLibrary(vexadr::DesignNoteParser(folder, true), "");
    return kExitOk;
  }
  const std::string config = args.value("--useful");
  const Pathname configFile(config);
  if (!configFile.exists() || configFile.isDirectory()) {
    printError(kProgram, "cannot read '" + config + "'");
    return kExitUsage;
  }
  if (!perlAvailable()) return kExitUsage;
  PrivateTempFolder temp;
  if (!temp.ok()) {
    printError(kProgram, "cannot make a temporary folder");
    return kExitUsage;
  }
  const std::unique_ptr<vexadr::DesignNoteParser> useful =
      vexadr::DesignNoteParser::getUsefulFiles(folder, config);
  if (useful) printLibrary(*useful, "");
  return kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
  ArgRules rules;
  rules.valueOptions = {"-o", "--useful"};
  rules.flagOptions = {"--tree", "--raw"};
  rules.repeatOptions = {"--interface", "--protocol", "--ip"};
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
  const size_t count = args.positionals.size();
  const bool runOptions = args.has("--tree") || args.has("--raw") || args.has("--interface") ||
                          args.has("--protocol") || args.has("--ip");
  if ((command != "translate" && args.has("-o")) ||
      (command != "library" && args.has("--useful")) || (command != "run" && runOptions)) {
    printError(kProgram, "an option does not belong to '" + command + "' (see --help)");
    return kExitUsage;
  }
  if (command == "check" && count == 2) return runCheck(args.positionals[1]);
  if (command == "translate" && count == 2)
    return runTranslate(args.positionals[1], args.value("-o"));
  if (command == "run" && count == 3) return runScript(args);
  if (command == "library" && count <= 2) return runLibrary(args);
  if (command == "check" || command == "translate") {
    printError(kProgram, command + " takes one SCRIPT (see --help)");
  } else if (command == "run") {
    printError(kProgram, "run takes SCRIPT and CONFIG (see --help)");
  } else if (command == "library") {
    printError(kProgram, "library takes at most one DIR (see --help)");
  } else {
    printError(kProgram, "unknown command '" + command + "' (see --help)");
  }
  return kExitUsage;
}
