// Hostile configurations and resource folders through the programs, on the
// product grammar: megabyte lines, 8-bit and NUL bytes, CR-only line ends,
// deep nesting, a 100,000-line file, a broken mode file.  Each
// program answers with a result or its error message, never a crash, and a
// line of the input is never dropped from normalized output.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include "tools/vexa_config_test_support.h"

namespace vexatools::testing {
namespace {

using namespace std::string_literals;

// The number of times word occurs in text.
std::size_t occurrences(const std::string& text, const std::string& word) {
  std::size_t count = 0;
  for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
    ++count;
  }
  return count;
}

std::string nestedModes(int depth) {
  std::string text;
  for (int level = 0; level < depth; ++level) {
    text += std::string(static_cast<std::size_t>(level), ' ') + "interface Loopback" +
            std::to_string(level) + "\n";
  }
  return text;
}

std::string manyInterfaces(int lines) {
  std::string text = "hostname big\n";
  for (int i = 0; 3 * i + 4 <= lines; ++i) {
    text += "interface Loopback" + std::to_string(i) + "\n description marker\n ip address 10." +
            std::to_string(i / 65536 % 256) + "." + std::to_string(i / 256 % 256) + "." +
            std::to_string(i % 256) + " 255.255.255.255\n";
  }
  return text;
}

TEST_F(VexaConfigTest, HostileConfigurationsKeepEveryMarkedLine) {
  const std::string megabyte(1 << 20, 'x');
  // clang-format off
  const struct { std::string name, text, marker; std::size_t markers; } cases[] = {
      {"megabyte-line", "interface Loopback1\n description " + megabyte + "\n", megabyte, 1},
      {"eight-bit", "interface Loopback0\n description \xe4\xf6\xff marker\nbanner motd ^C\x80\xfe\n^C\n", "marker", 1},
      {"nul-bytes", "interface Loopback0\nsnmp-server contact x\0marker\n"s, "marker", 1},
      {"cr-only", "hostname r\rinterface Loopback2\r description marker\r", "marker", 1},
      {"no-final-end", "interface Loopback3\n description marker", "marker", 1},
      {"nested-50", nestedModes(50), "interface Loopback", 50},
      {"lines-100000", manyInterfaces(100000), "marker", 33333}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string file = dir_.write(c.name + ".cfg", c.text);
    const ToolRun normalized = run(onProduct({"normalize", file}));
    EXPECT_EQ(normalized.status, 0) << normalized.err;
    EXPECT_EQ(occurrences(normalized.out, c.marker), c.markers);
    const ToolRun checked = run(onProduct({"check", file}));
    EXPECT_EQ(checked.status, 0) << checked.err;
    EXPECT_NE(checked.out.find("total: "), std::string::npos);
    if (c.text.size() > 100000) continue;  // the algebra's size cases live in bench/
    for (const Args& args : {Args{"merge", file, file}, Args{"fallback", file, file},
                             Args{"section", file, "interface"}}) {
      const ToolRun r = run(onProduct(args));
      EXPECT_EQ(r.status, 0) << args.front() << ": " << r.err;
      if (args.front() == "section") {
        EXPECT_NE(r.out.find("interface"), std::string::npos);
      }
    }
  }
}

// A resource folder whose interface mode file is garbage or empty still
// loads (the broken lines are rejected) and loses nothing of the
// configuration.  A mode file that is missing: the usage table of
// vexa_config_test.cpp (the program's message) and GrammarLoadTest (the
// loader's naming of the file and the line that wanted it).
TEST_F(VexaConfigTest, BrokenModeFileInTheResourceFolder) {
  namespace fs = std::filesystem;
  const std::string config = dir_.write("r.cfg", "hostname r\ninterface Loopback0\n description marker\n");
  const std::string garbage = "|||[[[]]]\0\xff<1-0>|\n@@@ x.cfm\n!\n!\n!\n"s;
  for (const auto& [name, text] : {std::pair{"garbage"s, garbage}, std::pair{"empty"s, ""s}}) {
    SCOPED_TRACE(name);
    const fs::path folder = fs::path(dir_.path()) / name;
    fs::copy(VEXA_SOURCE_RESOURCE_DIR, folder, fs::copy_options::recursive);
    ASSERT_TRUE(fs::exists(folder / "files" / "interface.cfm"));
    dir_.write(name + "/files/interface.cfm", text);
    const ToolRun r = run({"--resources", folder.string(), "normalize", config});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(occurrences(r.out, "marker"), 1u);
  }
}

// An output that cannot take the text (a full disk) is an error, not a
// silent success with the configuration lost.
TEST_F(VexaConfigTest, AFullOutputIsAnError) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  const std::string config = dir_.write("r.cfg", manyInterfaces(3000));
  for (const Args& args : {Args{"normalize", config}, Args{"merge", config, config},
                           Args{"check", config}}) {
    const int status = std::system((commandLine("vexa-config", onProduct(args)) +
                                    " > /dev/full 2> " + quote(dir_.path() + "err"))
                                       .c_str());
    ASSERT_TRUE(WIFEXITED(status)) << args.front();
    EXPECT_EQ(WEXITSTATUS(status), 2) << args.front();
    EXPECT_EQ(dir_.read("err"), "vexa-config: error: cannot write the output\n") << args.front();
  }
}

}  // namespace
}  // namespace vexatools::testing
