#include "common/tool_args.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <system_error>

#include "vexa/host/pathname.h"
#include "vexa/host/vexa_file_system.h"

namespace vexatools {

bool ParsedArgs::has(const std::string& option) const {
  return flags.count(option) != 0 || values.count(option) != 0 || repeated.count(option) != 0;
}

std::string ParsedArgs::value(const std::string& option, const std::string& fallback) const {
  auto it = values.find(option);
  return it == values.end() ? fallback : it->second;
}

const std::vector<std::string>& ParsedArgs::all(const std::string& option) const {
  static const std::vector<std::string> kNone;
  auto it = repeated.find(option);
  return it == repeated.end() ? kNone : it->second;
}

bool parseArgs(int argc, char** argv, const ArgRules& rules, ParsedArgs& out, std::string& error) {
  bool optionsDone = false;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (optionsDone || arg == "-" || arg.size() < 2 || arg[0] != '-') {
      out.positionals.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsDone = true;
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      out.help = true;
      continue;
    }
    if (arg == "--version") {
      out.version = true;
      continue;
    }
    std::string name = arg;
    std::string inlineValue;
    bool hasInline = false;
    if (auto eq = arg.find('='); eq != std::string::npos && arg.rfind("--", 0) == 0) {
      name = arg.substr(0, eq);
      inlineValue = arg.substr(eq + 1);
      hasInline = true;
    }
    const bool takesValue = name == "--resources" || rules.valueOptions.count(name) != 0 ||
                            rules.repeatOptions.count(name) != 0;
    if (!takesValue) {
      if (rules.flagOptions.count(name) == 0 || hasInline) {
        error = "unknown option '" + arg + "'";
        return false;
      }
      out.flags.insert(name);
      continue;
    }
    std::string value;
    if (hasInline) {
      value = inlineValue;
    } else if (i + 1 < argc) {
      value = argv[++i];
    } else {
      error = "option '" + name + "' needs a value";
      return false;
    }
    if (rules.repeatOptions.count(name) != 0) {
      out.repeated[name].push_back(value);
    } else {
      out.values[name] = value;
    }
  }
  return true;
}

int printVersion(const std::string& program) {
  std::cout << program << " (vexa) " << VEXA_VERSION << "\n";
  return kExitOk;
}

void printError(const std::string& program, const std::string& message) {
  std::cerr << program << ": error: " << message << "\n";
}

bool applyResourceOption(const ParsedArgs& args, std::string& error) {
  if (!args.has("--resources")) return true;
  const std::string dir = args.value("--resources");
  if (!vexahost::Pathname(dir).isDirectory()) {
    error = "resource folder '" + dir + "' is not a folder";
    return false;
  }
  vexahost::VexaFileSystem::SetSystemResourceFolder(dir);
  return true;
}

bool readInput(const std::string& path, std::string& text, std::string& error) {
  if (path == "-") {
    std::ostringstream buffer;
    buffer << std::cin.rdbuf();
    text = buffer.str();
    return true;
  }
  vexahost::Pathname file(path);
  if (file.isDirectory()) {
    error = "cannot read '" + path + "': it is a folder";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot read '" + path + "': " + std::strerror(errno);
    return false;
  }
  // Room to grow by an eighth: the library writes a normalized text into
  // the room of the text it read, and the room costs nothing until used.
  std::error_code unknown;
  const std::uintmax_t size = std::filesystem::file_size(path, unknown);
  if (!unknown) text.reserve(static_cast<std::size_t>(size + size / 8));
  if (!vexahost::Pathname::readStream(in, text)) {
    error = "cannot read '" + path + "': read error";
    return false;
  }
  return true;
}

// Whether the build runs under a sanitizer that checks for leaks or races.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || \
    __has_feature(memory_sanitizer) || __has_feature(leak_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

void endKeepingMemory(int status) {
  if (kSanitized) return;
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  std::_Exit(status);
}

}  // namespace vexatools
