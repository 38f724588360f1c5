// Runs vexa-config as a user does (arguments, standard input, output, error,
// exit status), over the test grammar unless productGrammar() is named.
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

class VexaConfigTest : public ::testing::Test {
 protected:
  ToolRun run(Args args, const std::string& input = "") {
    if (args.empty() || args.front() != "--resources") {
      args.insert(args.end(), {"--resources", std::string(VEXA_TEST_DATA_DIR) + "parser/model"});
    }
    std::string command = quote(std::string(VEXA_BIN_DIR) + "vexa-config");
    for (const std::string& arg : args) command += " " + quote(arg);
    command += " < " + quote(dir_.write("stdin", input)) + " > " + quote(dir_.path() + "out") +
               " 2> " + quote(dir_.path() + "err");
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, dir_.read("out"), dir_.read("err")};
  }
  static Args productGrammar() { return {"--resources", VEXA_SOURCE_RESOURCE_DIR}; }

  vexahost::testing::TempDir dir_;
};

}  // namespace vexatools::testing

#endif  // VEXA_TESTS_TOOLS_VEXA_CONFIG_TEST_SUPPORT_H_
