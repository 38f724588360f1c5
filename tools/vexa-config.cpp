// vexa-config: configuration text through the device's command tree.
//
//   vexa-config check FILE... [--list] [--strict]
//   vexa-config normalize FILE
//   vexa-config merge BASE NEW
//   vexa-config fallback CURRENT TARGET [--incremental]
//
// Results go to standard output, errors to standard error as
// "vexa-config: error: <message>".  Exit status 0 on success, 1 when check
// --strict found unrecognised lines, 2 on usage or I/O errors and when the
// parser resources (the mode files) do not load.
#include <cctype>
#include <cstddef>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "common/tool_args.h"
#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/parser_exception.h"
#include "vexa/parser/vexa_parser_util.h"
#include "vexa/parser/vty.h"

namespace {

using vexaparser::CiscoCommandLine;
using vexaparser::VexaParserUtil;
using vexaparser::VTY;
using vexatools::kExitOk;
using vexatools::kExitProblem;
using vexatools::kExitUsage;

constexpr char kProgram[] = "vexa-config";

constexpr char kHelp[] =
    "usage: vexa-config COMMAND ARGUMENTS [OPTIONS]\n"
    "\n"
    "Configuration text through the device's command tree, as the emulated\n"
    "command line recognises it.\n"
    "\n"
    "commands:\n"
    "  check FILE... [--list] [--strict]\n"
    "      Per file \"<file>: N lines, R recognized, U unrecognized\", then\n"
    "      \"total: N lines, R recognized, U unrecognized\".  Comment (\"!\"),\n"
    "      blank, \"end\" and \"version\" lines are not counted.\n"
    "      --list    also one \"<file>:<line>: <text>\" per unrecognized line\n"
    "      --strict  exit with status 1 when a line is unrecognized\n"
    "  normalize FILE\n"
    "      the configuration text through the tree and back\n"
    "  merge BASE NEW\n"
    "      the merged configuration: NEW's commands applied to BASE\n"
    "  fallback CURRENT TARGET [--incremental]\n"
    "      the commands that take CURRENT back to TARGET; the two whole files\n"
    "      are compared, or with --incremental CURRENT is read as commands\n"
    "      typed on top of TARGET (\"no\" forms re-add what they removed)\n"
    "\n"
    "FILE may be \"-\" for standard input (once).\n"
    "\n"
    "options:\n"
    "  --resources DIR  resource folder holding files/ (mode files, key files,\n"
    "                   command order files, commandflag/cisco.flg)\n"
    "  -h, --help       show this help\n"
    "  --version        show the version\n"
    "\n"
    "exit status: 0 success, 1 unrecognized lines with --strict,\n"
    "2 usage or I/O error, or resources that did not load.\n";

int usageError(const std::string& message) {
  vexatools::printError(kProgram, message);
  std::cerr << "Try 'vexa-config --help'.\n";
  return kExitUsage;
}

void writeOut(const std::string& text) {
  std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
}

// Reads every named input; "-" (standard input) may be named once.
bool readInputs(const std::vector<std::string>& paths, std::vector<std::string>& texts) {
  int stdinCount = 0;
  for (const std::string& path : paths) stdinCount += path == "-" ? 1 : 0;
  if (stdinCount > 1) {
    usageError("standard input ('-') can be read only once");
    return false;
  }
  texts.clear();
  for (const std::string& path : paths) {
    std::string text;
    std::string error;
    if (!vexatools::readInput(path, text, error)) {
      vexatools::printError(kProgram, error);
      return false;
    }
    texts.push_back(std::move(text));
  }
  return true;
}

// Loads the grammar.  A missing command flag file only leaves the overwrite
// set empty; missing mode files make every operation meaningless.
bool loadResources() {
  VexaParserUtil::createParserResource();
  try {
    VexaParserUtil::setOverwriteCmds();
  } catch (const vexaparser::ParserException&) {
    // Not fatal: commands are then flagged by the mode files alone.
  }
  if (VexaParserUtil::resourcesReady()) return true;
  vexatools::printError(kProgram,
                        "the parser resources did not load: no complete set of mode files "
                        "(view_mode.cfm, execution_mode.cfm, configuration_mod.cfm and the "
                        "sub-mode files they name) in '" +
                            vexahost::VexaFileSystem::GetSystemResourceFolder() +
                            "files/'; give the resource folder with --resources DIR");
  return false;
}

// ---- check ----

std::string lowerFirstWord(const std::string& line) {
  std::size_t start = line.find_first_not_of(" \t");
  if (start == std::string::npos) return std::string();
  std::size_t stop = line.find_first_of(" \t", start);
  std::string word =
      line.substr(start, stop == std::string::npos ? std::string::npos : stop - start);
  for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return word;
}

// Lines that hold no command to recognise.
bool isCountedLine(const std::string& line) {
  const std::string word = lowerFirstWord(line);
  return !word.empty() && word.front() != '!' && word != "end" && word != "version";
}

struct CheckCount {
  long lines = 0;
  long recognized = 0;
};

std::string countText(const CheckCount& count) {
  return std::to_string(count.lines) + " lines, " + std::to_string(count.recognized) +
         " recognized, " + std::to_string(count.lines - count.recognized) + " unrecognized";
}

// Replays text line by line through a configuration terminal, as the tree
// builder does, and counts the lines it accepts as commands.  Lines are cut
// at line feeds and carriage returns; a "<file>:<line>" names the line in
// the file (a CR LF pair ends one line).
CheckCount checkText(const std::string& name, const std::string& text, bool list) {
  CheckCount count;
  std::unique_ptr<VTY> vty = VTY::create("hostName", false);
  vty->parse("enable\n", true, nullptr);
  vty->parse("configure terminal \n", true, nullptr);
  // Commands stay alive until the end: the terminal links later lines to
  // earlier mode commands.  Each is destroyed on its own afterwards.
  std::vector<CiscoCommandLine*> commands;
  long lineNo = 1;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string physical = text.substr(start, end - start);
    std::size_t pieceStart = 0;
    while (pieceStart <= physical.size()) {
      std::size_t pieceEnd = physical.find('\r', pieceStart);
      if (pieceEnd == std::string::npos) pieceEnd = physical.size();
      const std::string line = physical.substr(pieceStart, pieceEnd - pieceStart);
      if (!line.empty()) {
        commands.push_back(new CiscoCommandLine());
        const bool parsed = vty->parse(line, true, commands.back());
        std::string info;
        vty->getInfoLine(info);
        if (isCountedLine(line)) {
          ++count.lines;
          if (parsed && !info.empty()) {
            ++count.recognized;
          } else if (list) {
            std::cout << name << ':' << lineNo << ": ";
            writeOut(line);
            std::cout << '\n';
          }
        }
      }
      pieceStart = pieceEnd + 1;
    }
    start = end + 1;
    ++lineNo;
  }
  vty.reset();
  VexaParserUtil::releaseCmdInfo(commands);
  return count;
}

int runCheck(const vexatools::ParsedArgs& args) {
  const std::vector<std::string> files(args.positionals.begin() + 1, args.positionals.end());
  if (files.empty()) return usageError("check needs at least one FILE");
  std::vector<std::string> texts;
  if (!readInputs(files, texts)) return kExitUsage;
  if (!loadResources()) return kExitUsage;
  const bool list = args.has("--list");
  CheckCount total;
  for (std::size_t i = 0; i < files.size(); ++i) {
    const CheckCount count = checkText(files[i], texts[i], list);
    std::cout << files[i] << ": " << countText(count) << '\n';
    total.lines += count.lines;
    total.recognized += count.recognized;
  }
  std::cout << "total: " << countText(total) << '\n';
  const bool problem = args.has("--strict") && total.recognized < total.lines;
  return problem ? kExitProblem : kExitOk;
}

// ---- normalize, merge, fallback ----

int runTextCommand(const std::string& command, const vexatools::ParsedArgs& args) {
  const std::size_t wanted = command == "normalize" ? 1 : 2;
  const std::vector<std::string> files(args.positionals.begin() + 1, args.positionals.end());
  if (files.size() != wanted) {
    static const char* const kUsage[] = {"normalize FILE", "merge BASE NEW",
                                         "fallback CURRENT TARGET [--incremental]"};
    const char* usage = command == "normalize" ? kUsage[0]
                        : command == "merge"   ? kUsage[1]
                                               : kUsage[2];
    return usageError(std::string("usage: vexa-config ") + usage);
  }
  std::vector<std::string> texts;
  if (!readInputs(files, texts)) return kExitUsage;
  if (!loadResources()) return kExitUsage;
  if (command == "normalize") {
    writeOut(VexaParserUtil::normalizeConfigCmds(texts[0]));
  } else if (command == "merge") {
    writeOut(VexaParserUtil::mergeConfigCmds(texts[1], texts[0]));
  } else {
    const unsigned wholeFile = args.has("--incremental") ? 0u : 1u;
    writeOut(VexaParserUtil::fallbackConfigCmds(texts[0], texts[1], wholeFile));
  }
  return kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
  vexatools::ArgRules rules;
  rules.flagOptions = {"--list", "--strict", "--incremental"};
  vexatools::ParsedArgs args;
  std::string error;
  if (!vexatools::parseArgs(argc, argv, rules, args, error)) return usageError(error);
  if (args.help) {
    std::cout << kHelp;
    return kExitOk;
  }
  if (args.version) return vexatools::printVersion(kProgram);
  if (args.positionals.empty()) return usageError("no command given");
  const std::string command = args.positionals.front();
  const bool isCheck = command == "check";
  const bool isText = command == "normalize" || command == "merge" || command == "fallback";
  if (!isCheck && !isText) return usageError("unknown command '" + command + "'");
  if (!isCheck && (args.has("--list") || args.has("--strict"))) {
    return usageError("--list and --strict belong to check");
  }
  if (command != "fallback" && args.has("--incremental")) {
    return usageError("--incremental belongs to fallback");
  }
  if (!vexatools::applyResourceOption(args, error)) {
    vexatools::printError(kProgram, error);
    return kExitUsage;
  }
  const int status = isCheck ? runCheck(args) : runTextCommand(command, args);
  VexaParserUtil::destroyParserResource();
  std::cout.flush();
  return status;
}
