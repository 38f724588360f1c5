// Command-line handling shared by the vexa-* programs.
//
// Every program prints --help, writes results to standard output and errors
// to standard error as "<program>: error: <message>", and exits 0 on
// success, 1 when the job ran but found a problem, 2 on usage or I/O errors.
// Every program takes --resources DIR, which overrides the resource folder.
#ifndef VEXA_TOOLS_COMMON_TOOL_ARGS_H_
#define VEXA_TOOLS_COMMON_TOOL_ARGS_H_

#include <map>
#include <set>
#include <string>
#include <vector>

namespace vexatools {

inline constexpr int kExitOk = 0;
inline constexpr int kExitProblem = 1;
inline constexpr int kExitUsage = 2;

// What a program accepts: options that take a value, options that do not,
// and options that may be given several times (with a value).
struct ArgRules {
  std::set<std::string> valueOptions;     // "--config"
  std::set<std::string> flagOptions;      // "--strict"
  std::set<std::string> repeatOptions;    // "--interface"
};

// The parsed command line.  Options are accepted anywhere among the
// positionals, as "--name value" or "--name=value"; "--" ends the options;
// "-" alone is a positional (standard input).
struct ParsedArgs {
  std::vector<std::string> positionals;
  std::map<std::string, std::string> values;
  std::map<std::string, std::vector<std::string>> repeated;
  std::set<std::string> flags;
  bool help = false;
  bool version = false;

  bool has(const std::string& option) const;
  std::string value(const std::string& option, const std::string& fallback = "") const;
  const std::vector<std::string>& all(const std::string& option) const;
};

// Parses argv[1..argc).  "--help"/"-h", "--version" and "--resources DIR"
// are always accepted.  On an unknown option or a missing value returns false with the
// reason in error.
bool parseArgs(int argc, char** argv, const ArgRules& rules, ParsedArgs& out, std::string& error);

// Prints "<program> (vexa) <version>" to standard output; returns kExitOk.
int printVersion(const std::string& program);

// Prints "<program>: error: <message>" to standard error.
void printError(const std::string& program, const std::string& message);

// Applies --resources DIR to the host's resource folder.  Returns false with
// an error message when DIR is not a folder.
bool applyResourceOption(const ParsedArgs& args, std::string& error);

// Ends the process with status once standard output and standard error are
// flushed, without destroying what the program still holds: the system
// takes the memory back in one piece, where destroying the trees of a large
// configuration one command at a time costs a tenth of the run.  A build
// with a sanitizer returns instead and the program ends normally, so that
// the sanitizer's leak check still sees everything freed.
void endKeepingMemory(int status);

// Reads a whole file, or standard input for "-".  Returns false with an
// error message ("cannot read 'x': No such file or directory") on failure.
bool readInput(const std::string& path, std::string& text, std::string& error);

}  // namespace vexatools

#endif  // VEXA_TOOLS_COMMON_TOOL_ARGS_H_
