// Helpers shared by the design-reader tests: the test data folders, whole file reading, running
// Perl, a fixture that points the host at the test copy of the runtime library, and the peers
// that reach the private parts of the checker and the translator.
#ifndef VEXA_TESTS_DESIGNREADER_DR_TEST_SUPPORT_H_
#define VEXA_TESTS_DESIGNREADER_DR_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "vexa/designreader/dr_check.h"
#include "vexa/designreader/dr_translator.h"
#include "vexa/host/vexa_file_system.h"

namespace vexadr {

inline std::string drDataDir() { return std::string(VEXA_TEST_DATA_DIR) + "designreader/"; }
inline std::string drGoldenDir() { return drDataDir() + "translator/"; }
// The resource folder whose scripts/ holds the test copy of DRFunctions.
inline std::string drResourceDir() { return drDataDir() + "resources/"; }

// One input and the text expected from it, for table-driven tests.
struct TextCase {
  std::string text;
  std::string expected;
};

inline std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// Runs the Perl interpreter with the arguments, its output going to log; the exit status.
inline int runPerl(const std::vector<std::string>& arguments, const std::string& log) {
  std::string command = "\"" + vexahost::VexaFileSystem::GetPerlExepath() + "\"";
  for (const std::string& argument : arguments) command += " \"" + argument + "\"";
  return std::system((command + " > \"" + log + "\" 2>&1").c_str());
}

// Each test sees the test copy of the runtime library (library_) and a fresh scratch folder
// (dir_, ending in a separator; a random name keeps parallel runs apart).
class DRResourceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    vexahost::VexaFileSystem::SetSystemResourceFolder(drResourceDir());
    library_ = readFile(drResourceDir() + "scripts/DRFunctions");
    ASSERT_FALSE(library_.empty());
    dir_ = ::testing::TempDir() + "vexa_dr_" + std::to_string(std::random_device{}()) + "/";
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    vexahost::VexaFileSystem::SetSystemResourceFolder(std::string());
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }

  std::string library_;
  std::string dir_;
};

class DRCheckPeer {
 public:
  static int& errorCounter() { return DRCheck::errorCounter_; }
};

class DRTranslatorPeer {
 public:
  using WordList = std::vector<std::string>;
  explicit DRTranslatorPeer(const std::string& script) : translator_(script, std::string()) {}

  // Every word the lexer gives, up to the end of the source.
  WordList words() {
    WordList out;
    while (!translator_.isFileEnd()) out.push_back(translator_.getWord());
    return out;
  }
  int funVariables(WordList& arguments) { return translator_.getFunVariables(arguments); }
  int solveRegular(std::string& pattern, WordList& captures, WordList& references, int mode) {
    return translator_.solveRegular(pattern, captures, references, mode);
  }
  void insertPreLine(const std::string& line, WordList& words) {
    translator_.insertPreLine(line, words);
  }
  // The translated body, or "<failed>" when the statement loop fails.
  std::string body() {
    std::ostringstream out;
    return translator_.translateScriptFile(out) == 0 ? out.str() : std::string("<failed>");
  }
  const std::string& errorText() const { return translator_.errorText; }
  int line() const { return translator_.line_; }

 private:
  DRTranslator translator_;
};

}  // namespace vexadr

#endif  // VEXA_TESTS_DESIGNREADER_DR_TEST_SUPPORT_H_
