#include "common/device_form.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <string_view>
#include <thread>
#include <unordered_map>
#include <utility>
#include <vector>

#include "vexa/host/pathname.h"
#include "vexa/host/platform.h"
#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/config_line.h"
#include "vexa/parser/node_matcher.h"
#include "vexa/parser/parser_tool_case.h"
#include "vexa/parser/vexa_parser_util.h"

namespace vexatools {

namespace {

using vexaparser::CiscoCommandLine;

// An interface reference as the matcher recorded it.
struct InterfaceRef {
  std::string type;    // the table key ("gigabitethernet")
  std::string number;  // "0/1", "1/0/1.100"
};

std::string lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Whether a syntax-tree node takes interface types (its key set names the
// interface key table), remembered per node: a text of many lines passes
// the same few hundred nodes over and over.
class InterfaceNodes {
 public:
  bool takesTypes(const vexaparser::ParserTreeNode* node) {
    auto [entry, isNew] = known_.try_emplace(node, false);
    if (isNew) entry->second = node->keySet.count(kInterfaceTable) != 0;
    return entry->second;
  }

 private:
  const std::string kInterfaceTable = vexaparser::NodeMatcher::kInterfaceTable;
  std::unordered_map<const vexaparser::ParserTreeNode*, bool> known_;
};

// The interface references of command (and of its nested commands), in the
// order their words were matched: a word at an interface-type node followed
// by the number at the next node.
void collectRefs(const CiscoCommandLine& command, InterfaceNodes& nodes,
                 std::vector<InterfaceRef>& refs) {
  const CiscoCommandLine::NodePath& path = command.getNodePath();
  for (std::size_t i = 0; i + 1 < path.size(); ++i) {
    const vexaparser::ParserTreeNode* node = path[i].first;
    if (node == nullptr || path[i].second.empty() || path[i + 1].second.empty()) continue;
    const std::string_view number = *path[i + 1].second.begin();
    // Most words are no number: the node is looked up only before one.
    if (number.empty() || !std::isdigit(static_cast<unsigned char>(number.front()))) continue;
    if (!nodes.takesTypes(node)) continue;
    refs.push_back({lowered(std::string(*path[i].second.begin())), std::string(number)});
  }
  for (const auto& [node, nested] : command.getNestedCommands()) {
    if (nested != nullptr) collectRefs(*nested, nodes, refs);
  }
}

// Whether word (any case) names the interface type key, in full or
// abbreviated.
bool namesType(const std::string& word, const std::string& key) {
  return !word.empty() && word.size() <= key.size() && lowered(word) == key.substr(0, word.size());
}

struct Token {
  std::size_t start;
  std::size_t end;
};

void tokensOf(const std::string& text, std::vector<Token>& tokens) {
  tokens.clear();
  for (std::size_t at = 0; at < text.size();) {
    while (at < text.size() && isBlank(text[at])) ++at;
    if (at >= text.size()) break;
    const std::size_t start = at;
    while (at < text.size() && !isBlank(text[at])) ++at;
    tokens.push_back({start, at});
  }
}

// Rewrites the first place at or after token from where body names ref,
// split ("gigabitethernet 0/1", "gi 0/1") or joined ("Gi0/1"), as spelled.
// Returns the token after the rewritten place, or 0 when none was found.
std::size_t joinRef(std::string& body, const InterfaceRef& ref, const std::string& spelled,
                    std::size_t from) {
  std::vector<Token> tokens;
  tokensOf(body, tokens);
  for (std::size_t t = from; t < tokens.size(); ++t) {
    const std::string word = body.substr(tokens[t].start, tokens[t].end - tokens[t].start);
    std::size_t stop = 0;
    if (t + 1 < tokens.size() && namesType(word, ref.type) &&
        body.compare(tokens[t + 1].start, tokens[t + 1].end - tokens[t + 1].start, ref.number) ==
            0) {
      stop = tokens[t + 1].end;
    } else {
      std::string type;
      std::string number;
      if (vexaparser::NodeMatcher::splitInterfaceName(word, type, number) && number == ref.number &&
          namesType(type, ref.type)) {
        stop = tokens[t].end;
      }
    }
    if (stop != 0) {
      body.replace(tokens[t].start, stop - tokens[t].start, spelled);
      return t + 1;
    }
  }
  return 0;
}

// The first word of text.
std::string_view firstWord(std::string_view text) { return text.substr(0, text.find(' ')); }

// Keywords the device prints with capitals, which the matcher keeps
// lowered (a keyword in capitals only matches lowered): the word, where it
// is written that way (the command's first words) and the first position
// it may take there (the names before it keep their case).
struct KeywordSpelling {
  std::string_view command;
  std::string_view word;
  std::string_view device;
  std::size_t from;
};
constexpr KeywordSpelling kKeywordSpellings[] = {
    {"snmp-server community", "ro", "RO", 3},
    {"snmp-server community", "rw", "RW", 3},
    {"ip community-list", "local-as", "local-AS", 4},
    {"set community", "local-as", "local-AS", 2},
    {"ip inspect", "waas", "WAAS", 2},
    {"hpm", "topn", "topN", 1},
    {"type echo protocol", "ipicmpecho", "ipIcmpEcho", 3},
    {"history filter", "overthreshold", "overThreshold", 2},
    {"ip ips notify", "sdee", "SDEE", 3},
};

// Whether text begins with the words of command (the library's texts have
// one blank between words).
bool beginsWith(std::string_view text, std::string_view command) {
  return text.compare(0, command.size(), command) == 0 &&
         (text.size() == command.size() || text[command.size()] == ' ');
}

// Rewrites body, a recognised line as written, in the device's capitals:
// the keywords above, "encapsulation dot1Q" on an interface (a service
// instance prints "dot1q"), the hexadecimal lines of a certificate and a
// banner's closing "^C" (both only match lowered).  tokens is scratch space.
void deviceCase(std::string& body, const CiscoCommandLine& command, std::vector<Token>& tokens) {
  if (body.size() == 2 && body[0] == '^' && body[1] == 'c') {
    body[1] = 'C';
    return;
  }
  const bool hasNo = body.size() > 3 && body[0] == 'n' && body[1] == 'o' && body[2] == ' ';
  const std::size_t offset = hasNo ? 3 : 0;
  const std::string_view rest = std::string_view(body).substr(offset);
  for (const KeywordSpelling& spelling : kKeywordSpellings) {
    // Most lines part at the first letter.
    if (rest.empty() || rest[0] != spelling.command[0] || !beginsWith(rest, spelling.command)) {
      continue;
    }
    tokensOf(body, tokens);
    const std::size_t first = offset == 0 ? 0 : 1;
    const auto word = [&](std::size_t i) {
      return std::string_view(body).substr(tokens[i].start, tokens[i].end - tokens[i].start);
    };
    for (std::size_t i = first + spelling.from; i < tokens.size(); ++i) {
      if (word(i) == spelling.word && word(i - 1) != "view") {
        body.replace(tokens[i].start, spelling.device.size(), spelling.device);  // same length
      }
    }
  }
  // Only an encapsulation or a hexadecimal line can depend on the mode.
  const CiscoCommandLine* parent = command.getParentCommand();
  if (parent == nullptr || rest.empty() ||
      (rest[0] != 'e' && std::isxdigit(static_cast<unsigned char>(rest[0])) == 0)) {
    return;
  }
  const std::string_view mode = firstWord(parent->getCurrentCommand());
  constexpr std::string_view kDot1q = "encapsulation dot1q";
  if (mode == "interface" && beginsWith(rest, kDot1q)) {
    body[offset + kDot1q.size() - 1] = 'Q';
  } else if (mode == "certificate" && std::all_of(body.begin(), body.end(), [](char c) {
               return c == ' ' || std::isxdigit(static_cast<unsigned char>(c)) != 0;
             })) {
    for (char& c : body) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
}

// Modes whose lines the device writes at another indentation than their
// level: from the given distance below the mode command on, lines move by
// shift blanks.  The settings of an IP SLA operation stand at the level of
// the operation ("ip sla 1", " icmp-echo 10.0.0.1", " frequency 30"); the
// lines of a public-key chain and of a MIB expression stand one deeper
// ("ip ssh pubkey-chain", "  username NAME", "   key-hash ssh-rsa ...").
struct ModeIndent {
  std::string_view mode;
  int from;
  int shift;
};
constexpr ModeIndent kModeIndents[] = {
    {"ip sla", 2, -1},
    {"ip ssh pubkey-chain", 1, 1},
    {"snmp mib expression", 1, 1},
};

// The level the device writes a recognised line at, from its level in the
// tree: "exit-address-family" and its kin stand at the level of the command
// that opened the mode they close, and the modes above move their lines.
std::size_t deviceLevel(const CiscoCommandLine& command, const std::string& body) {
  int level = std::max(0, command.getLevel());
  if (level > 0 && body.compare(0, 5, "exit-") == 0) --level;
  int distance = 1;
  for (const CiscoCommandLine* mode = command.getParentCommand(); mode != nullptr;
       mode = mode->getParentCommand(), ++distance) {
    const std::string& text = mode->getCurrentCommand();
    for (const ModeIndent& indent : kModeIndents) {
      if (distance >= indent.from && !text.empty() && text[0] == indent.mode[0] &&
          beginsWith(text, indent.mode)) {
        level += indent.shift;
      }
    }
  }
  return static_cast<std::size_t>(std::max(0, level));
}

// The command of every line of result, or null when it does not know them.
const std::vector<const CiscoCommandLine*>* knownLines(const vexaparser::ConfigResult& result) {
  return result.linesKnown() ? &result.lineCommands : nullptr;
}

}  // namespace

DeviceForm DeviceForm::load() {
  const std::string path = vexahost::VexaFileSystem::GetSystemResourceFolder() + "files" +
                           vexahost::kPathSeparator + "keyfiles" + vexahost::kPathSeparator +
                           "interfacefile.cfm";
  std::string text;
  std::map<std::string, std::string> spellings;
  if (!vexahost::Pathname(path).readAll(text)) return DeviceForm(std::move(spellings));
  std::vector<std::string> lines;
  vexaparser::ParserToolCase::splitString(text, "\r\n", lines);
  for (const std::string& line : lines) {
    std::vector<std::string> fields;
    vexaparser::ParserToolCase::splitString(line, "|", fields);
    if (fields.size() < 3) continue;
    std::string spelled = fields[2];
    spelled.erase(0, spelled.find_first_not_of(" \t"));
    spelled.erase(std::min(spelled.size(), spelled.find_last_not_of(" \t") + 1));
    if (!spelled.empty()) spellings[lowered(fields[0])] = spelled;
  }
  return DeviceForm(std::move(spellings));
}

std::string DeviceForm::spelling(const std::string& key) const {
  auto known = spellings_.find(key);
  return known == spellings_.end() ? key : known->second;
}

std::string DeviceForm::write(const std::string& text, const DeviceFormOptions& options) const {
  std::string out;
  writeLines(text, options, nullptr, out, nullptr);
  return out;
}

std::string DeviceForm::write(const vexaparser::ConfigResult& result,
                              const DeviceFormOptions& options) const {
  std::string out;
  writeLines(result.text, options, knownLines(result), out, nullptr);
  return out;
}

void DeviceForm::write(const vexaparser::ConfigResult& result, std::ostream& stream,
                       const DeviceFormOptions& options) const {
  std::string out;
  writeLines(result.text, options, knownLines(result), out, &stream);
}

struct DeviceForm::LineWriter::Scratch {
  std::string body;
  std::vector<InterfaceRef> refs;
  InterfaceNodes interfaceNodes;
  std::vector<Token> tokens;
};

DeviceForm::LineWriter::LineWriter(const DeviceForm& form, const DeviceFormOptions& options)
    : form_(form), options_(options), scratch_(std::make_unique<Scratch>()) {}

DeviceForm::LineWriter::~LineWriter() = default;

void DeviceForm::LineWriter::write(std::string_view line, const CiscoCommandLine* command,
                                   std::string& out) {
  // Blanks cut by hand: find_first_not_of calls memchr per character.
  std::size_t start = 0;
  while (start < line.size() && isBlank(line[start])) ++start;
  if (start == line.size()) return;
  std::size_t stop = line.size();
  while (isBlank(line[stop - 1])) --stop;
  std::string& body = scratch_->body;
  body.assign(line.substr(start, stop - start));
  std::size_t level = start >= options_.copiedIndent ? start - options_.copiedIndent : start;
  if (command != nullptr && command->getTreeNodeSize() > 0 &&
      command->getFlag() != vexaparser::UnknownCommand) {
    level = deviceLevel(*command, body);
    deviceCase(body, *command, scratch_->tokens);
    std::vector<InterfaceRef>& refs = scratch_->refs;
    refs.clear();
    collectRefs(*command, scratch_->interfaceNodes, refs);
    std::size_t from = 0;
    for (const InterfaceRef& ref : refs) {
      const std::string spelled = form_.spelling(ref.type) + ref.number;
      std::size_t next = joinRef(body, ref, spelled, from);
      if (next == 0 && from > 0) next = joinRef(body, ref, spelled, 0);
      if (next != 0) from = next;
    }
  }
  out.append(level, ' ');
  out += body;
  out += '\n';
}

void DeviceForm::writeLines(const std::string& text, const DeviceFormOptions& options,
                            const std::vector<const CiscoCommandLine*>* known, std::string& out,
                            std::ostream* stream) const {
  // A piece handed to the stream at a time.
  constexpr std::size_t kPiece = 64 * 1024;
  // From this size on, the second half of a text written to a stream is
  // written on a second thread meanwhile, into a text of its own.
  constexpr std::size_t kHalvesFrom = 256 * 1024;
  // The lines are the non-empty pieces between carriage returns and line
  // feeds; the terminal reads the same pieces, one command each.  Counted
  // first, then read again one at a time (no list of them is kept).
  const std::size_t lineCount = vexaparser::countConfigLines(text);
  // The commands of the lines: as the caller knows them, or as a terminal
  // reads the text.
  std::vector<CiscoCommandLine*> read;
  const bool given = known != nullptr && known->size() == lineCount;
  if (!given && vexaparser::VexaParserUtil::resourcesReady()) {
    std::string errorText;
    int errorLine = 0;
    vexaparser::VexaParserUtil::getCmdInfo(text, read, errorText, errorLine);
  }
  const bool haveCommands = given || read.size() == lineCount;
  const auto commandOf = [&](std::size_t at) -> const CiscoCommandLine* {
    return !haveCommands ? nullptr : given ? (*known)[at] : read[at];
  };

  // The lines of part (whose first line is line first of the text) into
  // into, handed to stream (when not null) a piece at a time.
  const auto writePart = [&](std::string_view part, std::size_t first, std::string& into,
                             std::ostream* to) {
    into.reserve(to != nullptr ? kPiece + 4096 : part.size());
    LineWriter writer(*this, options);
    std::size_t i = first;
    vexaparser::forEachConfigLine(part, [&](std::string_view line) {
      writer.write(line, commandOf(i++), into);
      if (to != nullptr && into.size() >= kPiece) {
        to->write(into.data(), static_cast<std::streamsize>(into.size()));
        into.clear();
      }
    });
    if (to != nullptr) {
      to->write(into.data(), static_cast<std::streamsize>(into.size()));
      into.clear();
    }
  };

  const std::string_view all(text);
  const std::size_t middle =
      stream != nullptr && text.size() >= kHalvesFrom && std::thread::hardware_concurrency() >= 2
          ? all.find('\n', text.size() / 2)
          : std::string_view::npos;
  if (middle == std::string_view::npos) {
    writePart(all, 0, out, stream);
  } else {
    // Lines end at line feeds and carriage returns alike: the halves meet
    // after a line feed, so each reads the same lines as the whole.
    const std::string_view front = all.substr(0, middle + 1);
    const std::size_t frontLines = vexaparser::countConfigLines(front);
    std::string back;
    std::exception_ptr failed;
    std::thread other([&] {
      try {
        writePart(all.substr(middle + 1), frontLines, back, nullptr);
      } catch (...) {
        failed = std::current_exception();
      }
    });
    try {
      writePart(front, 0, out, stream);
    } catch (...) {
      other.join();
      throw;
    }
    other.join();
    if (failed) std::rethrow_exception(failed);
    stream->write(back.data(), static_cast<std::streamsize>(back.size()));
  }
  vexaparser::VexaParserUtil::releaseCmdInfo(read);
}

}  // namespace vexatools
