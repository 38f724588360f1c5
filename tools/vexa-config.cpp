// vexa-config: configuration text through the device's command tree.
//
//   vexa-config check FILE... [--list] [--strict]
//   vexa-config normalize FILE
//   vexa-config merge BASE NEW
//   vexa-config fallback CURRENT TARGET [--incremental]
//   vexa-config remediate RUNNING INTENDED [--rollback]
//   vexa-config section FILE KEY... [--type TYPE]
//   vexa-config extract FILE WHAT [ARGUMENTS...]
//
// Results go to standard output, errors to standard error as
// "vexa-config: error: <message>".  Configuration text is written in the
// device's form (common/device_form.h) unless --raw asks for the library's
// text.  Exit status 0 on success, 1 when check --strict found unrecognised
// lines or section and extract found nothing, 2 on usage or I/O errors and
// when the parser resources (the mode files) do not load.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "common/device_form.h"
#include "common/grammar_loader.h"
#include "common/tool_args.h"
#include "vexa/parser/line_recognition.h"
#include "vexa/parser/vexa_parser_get_config.h"
#include "vexa/parser/vexa_parser_util.h"
#include "vexa/parser/vty.h"
#include "vexa/remediation/remediation.h"

namespace {

using vexaparser::VexaParserGetConfig;
using vexaparser::VexaParserUtil;
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
    "      blank, \"end\" and \"version\" lines and a listing's header lines\n"
    "      (\"Building configuration...\", \"Current configuration : N bytes\")\n"
    "      are not counted.\n"
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
    "  remediate RUNNING INTENDED [--rollback]\n"
    "      the change script that takes a device from RUNNING to INTENDED when\n"
    "      pasted line by line: removals first, then additions in INTENDED's\n"
    "      order, order-sensitive lists (access, prefix, AS-path, community\n"
    "      lists) in INTENDED's order, an exit after every sub-mode;\n"
    "      --rollback: the script from INTENDED back to RUNNING\n"
    "  section FILE KEY... [--type TYPE]\n"
    "      the section of FILE that KEY names; the words of KEY may be\n"
    "      abbreviated as at the device (\"int gi0/1\").  TYPE:\n"
    "        block        each matching header, then its block (default)\n"
    "        body         the lines inside each matching block\n"
    "        headers      each matching header line\n"
    "        acl          one access list, numbered and named, with entries\n"
    "        acl-headers  as acl, only the first line of a named list\n"
    "        acl-block    as acl\n"
    "  extract FILE WHAT [ARGUMENTS...]\n"
    "      a typical section of FILE.  WHAT:\n"
    "        interface NAME           one interface (\"Gi0/1\", \"gi 0/1\",\n"
    "                                 \"GigabitEthernet0/1\")\n"
    "        interfaces [NAME...]     the named interfaces in turn; every\n"
    "                                 interface without NAME\n"
    "        acls                     the access lists, one per line\n"
    "        acl KEY                  one access list: a number, the name of a\n"
    "                                 named list, or \"ip access-list ...\"\n"
    "        route-map NAME           every sequence of one route map\n"
    "        nat KEY                  NAT commands (\"inside source\", \"pool P\")\n"
    "        routing-protocols        the routing process header lines\n"
    "        routing-protocol KEY...  one routing process (\"ospf 1\"); several\n"
    "                                 when each KEY is quoted (\"ospf 1\" \"bgp 65000\")\n"
    "        vrfs                     the VRF definition lines\n"
    "        vrf NAME                 the body of one VRF definition\n"
    "\n"
    "FILE may be \"-\" for standard input (once).  Configuration text is\n"
    "written as the device prints it: no trailing blanks, one blank of\n"
    "indentation per level, interface names joined and spelled as the device\n"
    "spells them (\"interface GigabitEthernet0/1\").\n"
    "\n"
    "options:\n"
    "  --raw            write the library's text unchanged instead\n"
    "  --resources DIR  resource folder holding files/ (mode files, key files,\n"
    "                   command order files, commandflag/cisco.flg)\n"
    "  -h, --help       show this help\n"
    "  --version        show the version\n"
    "\n"
    "exit status: 0 success, 1 unrecognized lines with --strict or nothing\n"
    "found by section or extract, 2 usage or I/O error, or resources that did\n"
    "not load.\n";

int usageError(const std::string& message) {
  vexatools::printError(kProgram, message);
  std::cerr << "Try 'vexa-config --help'.\n";
  return kExitUsage;
}

void writeOut(const std::string& text) {
  std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
}

// status, or kExitUsage with an error when standard output could not take
// everything written to it (a full disk, a closed pipe).
int outputStatus(int status) {
  std::cout.flush();
  if (std::cout) return status;
  vexatools::printError(kProgram, "cannot write the output");
  return kExitUsage;
}

// Whether standard input ("-") is named at most once; a usage error if not.
bool stdinOnce(const std::vector<std::string>& paths) {
  int stdinCount = 0;
  for (const std::string& path : paths) stdinCount += path == "-" ? 1 : 0;
  if (stdinCount <= 1) return true;
  usageError("standard input ('-') can be read only once");
  return false;
}

// Reads every named input into texts; false with what went wrong in error.
bool readEach(const std::vector<std::string>& paths, std::vector<std::string>& texts,
              std::string& error) {
  texts.clear();
  for (const std::string& path : paths) {
    std::string text;
    if (!vexatools::readInput(path, text, error)) return false;
    texts.push_back(std::move(text));
  }
  return true;
}

// Whether the named files are large enough for reading them to be worth a
// thread of its own (a small file is read sooner than a thread starts);
// standard input is read as it comes.
bool worthReadingAside(const std::vector<std::string>& paths) {
  constexpr std::uintmax_t kLeast = 64 * 1024;
  std::uintmax_t total = 0;
  for (const std::string& path : paths) {
    std::error_code ec;
    const std::uintmax_t size = path == "-" ? 0 : std::filesystem::file_size(path, ec);
    if (path == "-" || ec) return false;
    total += size;
  }
  return total >= kLeast;
}

// Reads every named input; "-" (standard input) may be named once.
bool readInputs(const std::vector<std::string>& paths, std::vector<std::string>& texts) {
  if (!stdinOnce(paths)) return false;
  std::string error;
  if (readEach(paths, texts, error)) return true;
  vexatools::printError(kProgram, error);
  return false;
}

// Section search reads lines up to LF (a CR LF pair included); a file written
// with CR alone as its line end (old Mac editors, some terminal captures) is
// searched as the same lines ended by LF.
std::string withLfLineEnds(std::string text) {
  for (std::size_t at = text.find('\r'); at != std::string::npos; at = text.find('\r', at + 1)) {
    if (at + 1 == text.size() || text[at + 1] != '\n') text[at] = '\n';
  }
  return text;
}

// ---- check ----

struct CheckCount {
  long lines = 0;
  long recognized = 0;
};

std::string countText(const CheckCount& count) {
  return std::to_string(count.lines) + " lines, " + std::to_string(count.recognized) +
         " recognized, " + std::to_string(count.lines - count.recognized) + " unrecognized";
}

// The lines of text the configuration terminal recognises; with list, each
// one it does not is written as "<file>:<line>: <text>".
CheckCount checkText(const vexaparser::Grammar& grammar, const std::string& name,
                     const std::string& text, bool list) {
  const vexaparser::LineRecognition recognition = vexaparser::recognizeLines(grammar, text);
  if (list) {
    for (const auto& line : recognition.unrecognized) {
      std::cout << name << ':' << line.lineNo << ": ";
      writeOut(line.text);
      std::cout << '\n';
    }
  }
  return {recognition.lines, recognition.recognized};
}

int runCheck(const vexatools::ParsedArgs& args) {
  const std::vector<std::string> files(args.positionals.begin() + 1, args.positionals.end());
  if (files.empty()) return usageError("check needs at least one FILE");
  std::vector<std::string> texts;
  if (!readInputs(files, texts)) return kExitUsage;
  const std::shared_ptr<const vexaparser::Grammar> grammar = vexatools::loadDeviceGrammar(kProgram);
  if (grammar == nullptr) return kExitUsage;
  const bool list = args.has("--list");
  CheckCount total;
  for (std::size_t i = 0; i < files.size(); ++i) {
    const CheckCount count = checkText(*grammar, files[i], texts[i], list);
    std::cout << files[i] << ": " << countText(count) << '\n';
    total.lines += count.lines;
    total.recognized += count.recognized;
  }
  std::cout << "total: " << countText(total) << '\n';
  const bool problem = args.has("--strict") && total.recognized < total.lines;
  return problem ? kExitProblem : kExitOk;
}

// ---- output ----

// Configuration text as the program writes it: the device's form, or the
// library's text with --raw.
void writeConfiguration(const vexatools::ParsedArgs& args, const std::string& text,
                        const vexatools::DeviceFormOptions& options = {}) {
  if (args.has("--raw")) {
    writeOut(text);
  } else {
    writeOut(vexatools::DeviceForm::load().write(text, options));
  }
}

// The same for a normalize, merge or fallback result: the device's form is
// written from the commands the result keeps for its lines.
void writeConfiguration(const vexatools::ParsedArgs& args,
                        const vexaparser::ConfigResult& result) {
  if (args.has("--raw")) {
    writeOut(result.text);
  } else {
    vexatools::DeviceForm::load().write(result, std::cout);
  }
}

// A normalize in the device form written from the lines as the library
// makes them, so that the tree of a large text never stands in memory;
// false (nothing written) when the text cannot be handed over that way.
bool writeNormalizedLines(const vexaparser::Grammar& grammar, const std::string& text) {
  const vexatools::DeviceForm form = vexatools::DeviceForm::load();
  vexatools::DeviceForm::LineWriter frontWriter(form);
  vexatools::DeviceForm::LineWriter backWriter(form);
  // Either part may hold most of the text; room not written to costs
  // nothing.
  std::string front;
  std::string back;
  front.reserve(text.size() + text.size() / 8);
  back.reserve(text.size() + text.size() / 8);
  const auto writeInto = [](vexatools::DeviceForm::LineWriter& writer, std::string& out) {
    return [&writer, &out](std::string_view line, const vexaparser::CiscoCommandLine* command) {
      writer.write(line, command, out);
    };
  };
  const int parts = VexaParserUtil::normalizeLines(grammar, text, writeInto(frontWriter, front),
                                                   writeInto(backWriter, back));
  if (parts == 0) return false;
  writeOut(front);
  if (parts == 2) writeOut(back);
  return true;
}

// ---- normalize, merge, fallback ----

int runTextCommand(const std::string& command, const vexatools::ParsedArgs& args) {
  const std::size_t wanted = command == "normalize" ? 1 : 2;
  const std::vector<std::string> files(args.positionals.begin() + 1, args.positionals.end());
  if (files.size() != wanted) {
    static const std::map<std::string, std::string> kUsage = {
        {"normalize", "normalize FILE"},
        {"merge", "merge BASE NEW"},
        {"fallback", "fallback CURRENT TARGET [--incremental]"},
        {"remediate", "remediate RUNNING INTENDED [--rollback]"}};
    return usageError("usage: vexa-config " + kUsage.at(command));
  }
  if (!stdinOnce(files)) return kExitUsage;
  // Large inputs are read on a second thread while the grammar loads:
  // neither needs the other.  A read error is told first, as if read before.
  std::vector<std::string> texts;
  std::string readError;
  bool read = false;
  std::exception_ptr failed;
  const auto readAll = [&] {
    try {
      read = readEach(files, texts, readError);
    } catch (...) {
      failed = std::current_exception();
    }
  };
  vexaparser::GrammarLoad load;
  if (worthReadingAside(files)) {
    std::thread reader(readAll);
    try {
      load = vexaparser::loadGrammar();
    } catch (...) {
      reader.join();
      throw;
    }
    reader.join();
  } else {
    readAll();
    if (read) load = vexaparser::loadGrammar();
  }
  if (failed) std::rethrow_exception(failed);
  if (!read) {
    vexatools::printError(kProgram, readError);
    return kExitUsage;
  }
  const std::shared_ptr<const vexaparser::Grammar> grammar =
      vexatools::installDeviceGrammar(kProgram, std::move(load));
  if (grammar == nullptr) return kExitUsage;
  // The device form is written from the commands of each line.
  const bool lines = !args.has("--raw");
  if (command == "remediate") {
    const bool back = args.has("--rollback");
    writeConfiguration(args, vexaremediation::remediate(texts[back ? 1 : 0], texts[back ? 0 : 1]));
    return outputStatus(kExitOk);
  }
  // The inputs are not read again: they are handed over, and the library
  // gives their room back as soon as it has read them.
  vexaparser::ConfigResult result;
  if (command == "normalize") {
    // Written tree by tree as the text is read, in the device form or as
    // the library's own text (--raw, which does the same inside).
    bool written = true;
    if (lines) {
      written = writeNormalizedLines(*grammar, texts[0]);
    } else {
      writeOut(VexaParserUtil::normalizeConfigCmds(*grammar, texts[0]));
    }
    if (written) {
      const int status = outputStatus(kExitOk);
      vexatools::endKeepingMemory(status);
      return status;
    }
    result = VexaParserUtil::normalizeConfig(*grammar, std::move(texts[0]), lines);
  } else if (command == "merge") {
    result =
        VexaParserUtil::mergeConfig(*grammar, std::move(texts[1]), std::move(texts[0]), lines);
  } else {
    const unsigned wholeFile = args.has("--incremental") ? 0u : 1u;
    result = VexaParserUtil::fallbackConfig(*grammar, std::move(texts[0]), std::move(texts[1]),
                                            wholeFile, lines);
  }
  writeConfiguration(args, result);
  const int status = outputStatus(kExitOk);
  vexatools::endKeepingMemory(status);
  return status;
}

// ---- section, extract ----

// The block searches copy block lines behind two blanks.
constexpr std::size_t kCopiedIndent = 2;

std::string joinWords(std::vector<std::string>::const_iterator from,
                      std::vector<std::string>::const_iterator to) {
  std::string joined;
  for (auto it = from; it != to; ++it) {
    if (!joined.empty()) joined += ' ';
    joined += *it;
  }
  return joined;
}

bool beginsWithWords(const std::string& text, const std::string& words) {
  return text.compare(0, words.size(), words) == 0 &&
         (text.size() == words.size() || text[words.size()] == ' ');
}

// words, with prefix in front unless they begin with it.
std::string keyWithPrefix(const std::string& prefix, const std::string& words) {
  return beginsWithWords(words, prefix) ? words : prefix + " " + words;
}

// What section and extract found, and how the program writes it.
struct Found {
  std::string text;
  std::size_t copiedIndent = 0;
};

int writeFound(const vexatools::ParsedArgs& args, const Found& found, const std::string& what) {
  if (found.text.empty()) {
    vexatools::printError(kProgram, "nothing found for " + what);
    return kExitProblem;
  }
  writeConfiguration(args, found.text, {found.copiedIndent});
  return kExitOk;
}

bool searchTypeNamed(const std::string& name, vexaparser::SEARCHTYPE& type) {
  static const struct {
    const char* name;
    vexaparser::SEARCHTYPE type;
  } kTypes[] = {{"body", vexaparser::SEARCH_BODY},
                {"headers", vexaparser::SEARCH_HEADERS},
                {"block", vexaparser::SEARCH_BLOCK},
                {"acl", vexaparser::SEARCH_ACL},
                {"acl-headers", vexaparser::SEARCH_ACL_HEADERS},
                {"acl-block", vexaparser::SEARCH_ACL_BLOCK}};
  for (const auto& known : kTypes) {
    if (name == known.name) {
      type = known.type;
      return true;
    }
  }
  return false;
}

int runSection(const vexatools::ParsedArgs& args) {
  const std::vector<std::string>& words = args.positionals;
  if (words.size() < 3) return usageError("usage: vexa-config section FILE KEY... [--type TYPE]");
  vexaparser::SEARCHTYPE type = vexaparser::SEARCH_BLOCK;
  if (args.has("--type") && !searchTypeNamed(args.value("--type"), type)) {
    return usageError("unknown --type '" + args.value("--type") +
                      "' (body, headers, block, acl, acl-headers, acl-block)");
  }
  std::vector<std::string> texts;
  if (!readInputs({words[1]}, texts)) return kExitUsage;
  if (!vexatools::loadDeviceGrammar(kProgram)) return kExitUsage;
  const std::string key = joinWords(words.begin() + 2, words.end());
  Found found;
  VexaParserUtil::GetCmdsFromConfig(withLfLineEnds(texts[0]), found.text, key, type);
  if (type == vexaparser::SEARCH_BODY || type == vexaparser::SEARCH_BLOCK) {
    found.copiedIndent = kCopiedIndent;
  }
  return writeFound(args, found, "'" + key + "'");
}

// The full form of an interface name as a user types it ("Gi0/1" ->
// "gigabitethernet0/1"), which getInterfacesConfig needs; the name itself
// when the grammar does not know it.
std::string fullInterfaceName(const std::string& name) {
  const std::string completed = VexaParserUtil::completeConfigKey("interface " + name);
  const std::string prefix = "interface ";
  if (completed.compare(0, prefix.size(), prefix) != 0 || completed.size() == prefix.size()) {
    return name;
  }
  std::string joined;
  for (char c : completed.substr(prefix.size())) {
    if (c != ' ') joined += c;
  }
  return joined;
}

void extractInterfaces(const std::string& config, const std::vector<std::string>& names,
                       std::string& out) {
  if (names.empty()) {
    VexaParserUtil::GetCmdsFromConfig(config, out, "interface", vexaparser::SEARCH_BLOCK);
    return;
  }
  std::vector<std::string> full;
  for (const std::string& name : names) full.push_back(fullInterfaceName(name));
  std::vector<std::string> blocks;
  VexaParserGetConfig::getInterfacesConfig(config, 0, full, blocks);
  for (const std::string& block : blocks) out += block;
}

void extractAcl(const std::string& config, const std::string& key, std::string& out) {
  const bool number = !key.empty() && key.find_first_not_of("0123456789") == std::string::npos;
  if (number) {
    VexaParserGetConfig::getAclConfig(config, 0, "access-list " + key, out);
  } else if (beginsWithWords(key, "access-list") || beginsWithWords(key, "ip")) {
    VexaParserGetConfig::getAclConfig(config, 0, key, out);
  } else {
    for (const char* kind : {"standard", "extended"}) {
      VexaParserGetConfig::getAclConfig(config, 0,
                                        std::string("ip access-list ") + kind + " " + key, out);
    }
  }
}

// Routing-process keys: each argument with a blank is a key of its own,
// otherwise all arguments form one ("ospf 1").
std::vector<std::string> routingKeys(const std::vector<std::string>& arguments) {
  std::vector<std::string> keys;
  const bool each = std::any_of(arguments.begin(), arguments.end(), [](const std::string& a) {
    return a.find(' ') != std::string::npos;
  });
  if (each) {
    for (const std::string& argument : arguments) keys.push_back(keyWithPrefix("router", argument));
  } else if (!arguments.empty()) {
    keys.push_back(keyWithPrefix("router", joinWords(arguments.begin(), arguments.end())));
  }
  return keys;
}

int runExtract(const vexatools::ParsedArgs& args) {
  const std::vector<std::string>& words = args.positionals;
  if (words.size() < 3) return usageError("usage: vexa-config extract FILE WHAT [ARGUMENTS...]");
  const std::string& what = words[2];
  const std::vector<std::string> arguments(words.begin() + 3, words.end());
  const std::string joined = joinWords(arguments.begin(), arguments.end());
  static const struct {
    const char* name;
    bool needsArgument;
    bool takesArgument;
  } kWhats[] = {{"interface", true, true},
                {"interfaces", false, true},
                {"acls", false, false},
                {"acl", true, true},
                {"route-map", true, true},
                {"nat", true, true},
                {"routing-protocols", false, false},
                {"routing-protocol", true, true},
                {"vrfs", false, false},
                {"vrf", true, true}};
  const auto* known = std::find_if(std::begin(kWhats), std::end(kWhats),
                                   [&what](const auto& w) { return what == w.name; });
  if (known == std::end(kWhats)) return usageError("unknown section '" + what + "' to extract");
  if (known->needsArgument && arguments.empty()) {
    return usageError("extract " + what + " needs an argument");
  }
  if (!known->takesArgument && !arguments.empty()) {
    return usageError("extract " + what + " takes no argument");
  }
  std::vector<std::string> texts;
  if (!readInputs({words[1]}, texts)) return kExitUsage;
  if (!vexatools::loadDeviceGrammar(kProgram)) return kExitUsage;
  const std::string config = withLfLineEnds(texts[0]);

  Found found;
  found.copiedIndent = kCopiedIndent;
  if (what == "interface") {
    VexaParserGetConfig::getInterfaceConfig(config, 0, joined, found.text);
  } else if (what == "interfaces") {
    extractInterfaces(config, arguments, found.text);
  } else if (what == "acls") {
    std::list<std::string> lists;
    VexaParserGetConfig::getAcls(config, 0, lists);
    for (const std::string& list : lists) found.text += list + "\n";
    found.copiedIndent = 0;
  } else if (what == "acl") {
    extractAcl(config, joined, found.text);
    found.copiedIndent = 0;
  } else if (what == "route-map") {
    VexaParserGetConfig::getRouteMapConfig(config, 0, keyWithPrefix("route-map", joined),
                                           found.text);
  } else if (what == "nat") {
    VexaParserGetConfig::getIpNatConfig(config, 0, keyWithPrefix("ip nat", joined), found.text);
  } else if (what == "routing-protocols") {
    VexaParserGetConfig::GetRoutingProtocols(config, 0, found.text);
    found.copiedIndent = 0;
  } else if (what == "routing-protocol") {
    VexaParserGetConfig::GetRoutingProtocolConfig(config, 0, routingKeys(arguments), found.text);
  } else if (what == "vrfs") {
    VexaParserGetConfig::GetAllVrfs(config, 0, found.text);
    found.copiedIndent = 0;
  } else {
    // Both ways of defining a VRF.
    const bool whole = beginsWithWords(joined, "ip vrf") || beginsWithWords(joined, "vrf");
    VexaParserGetConfig::GetVrfCmds(config, 0, whole ? joined : "ip vrf " + joined, found.text);
    if (found.text.empty() && !whole) {
      VexaParserGetConfig::GetVrfCmds(config, 0, "vrf definition " + joined, found.text);
    }
  }
  return writeFound(args, found, what + (joined.empty() ? "" : " '" + joined + "'"));
}

}  // namespace

int main(int argc, char** argv) {
  vexatools::ArgRules rules;
  rules.flagOptions = {"--list", "--strict", "--incremental", "--raw", "--rollback"};
  rules.valueOptions = {"--type"};
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
  const bool isText = command == "normalize" || command == "merge" || command == "fallback" ||
                      command == "remediate";
  const bool isSection = command == "section" || command == "extract";
  if (!isCheck && !isText && !isSection) return usageError("unknown command '" + command + "'");
  if (!isCheck && (args.has("--list") || args.has("--strict"))) {
    return usageError("--list and --strict belong to check");
  }
  if (command != "fallback" && args.has("--incremental")) {
    return usageError("--incremental belongs to fallback");
  }
  if (command != "section" && args.has("--type")) return usageError("--type belongs to section");
  if (command != "remediate" && args.has("--rollback")) {
    return usageError("--rollback belongs to remediate");
  }
  if (isCheck && args.has("--raw")) return usageError("--raw does not apply to check");
  if (!vexatools::applyResourceOption(args, error)) {
    vexatools::printError(kProgram, error);
    return kExitUsage;
  }
  int status = kExitOk;
  if (isCheck) {
    status = runCheck(args);
  } else if (isText) {
    status = runTextCommand(command, args);
  } else {
    status = command == "section" ? runSection(args) : runExtract(args);
  }
  VexaParserUtil::destroyParserResource();
  // The text commands answer for their output themselves (they may end the
  // process there).
  return isText ? status : outputStatus(status);
}
