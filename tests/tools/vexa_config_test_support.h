// Runs the built programs as a user does (arguments, standard input, output,
// error, exit status); vexa-config over the test grammar unless the
// arguments are onProduct().
#ifndef VEXA_TESTS_TOOLS_VEXA_CONFIG_TEST_SUPPORT_H_
#define VEXA_TESTS_TOOLS_VEXA_CONFIG_TEST_SUPPORT_H_

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "host/temp_dir.h"

namespace vexatools::testing {

using Args = std::vector<std::string>;

struct ToolRun {
  int status = -1;
  std::string out, err;
};

inline std::string quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// The program of the build's bin folder and its arguments, each quoted.
inline std::string commandLine(const std::string& program, const Args& args) {
  std::string command = quote(std::string(VEXA_BIN_DIR) + program);
  for (const std::string& arg : args) command += " " + quote(arg);
  return command;
}

// The arguments after --resources naming the product's resource folder.
inline Args onProduct(Args args) {
  args.insert(args.begin(), {"--resources", VEXA_SOURCE_RESOURCE_DIR});
  return args;
}

// Runs a shell command with input on standard input, its files in dir.
inline ToolRun runCommand(const vexahost::testing::TempDir& dir, std::string command,
                          const std::string& input = "") {
  command += " < " + quote(dir.write("stdin", input)) + " > " + quote(dir.path() + "out") +
             " 2> " + quote(dir.path() + "err");
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, dir.read("out"), dir.read("err")};
}

class VexaConfigTest : public ::testing::Test {
 protected:
  ToolRun run(Args args, const std::string& input = "") {
    if (args.empty() || args.front() != "--resources") {
      args.insert(args.end(), {"--resources", std::string(VEXA_TEST_DATA_DIR) + "parser/model"});
    }
    return runCommand(dir_, commandLine("vexa-config", args), input);
  }

  vexahost::testing::TempDir dir_;
};

}  // namespace vexatools::testing

#endif  // VEXA_TESTS_TOOLS_VEXA_CONFIG_TEST_SUPPORT_H_
