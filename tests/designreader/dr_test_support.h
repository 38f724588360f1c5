// Helpers shared by the design-reader tests: the test data, whole file reading, case files of
// scripts or results with the texts expected from them, running Perl, the fixtures that point
// the host at the product's resources or at the test copy of the runtime library, and the peers
// that reach the private parts of the checker and the translator.
#ifndef VEXA_TESTS_DESIGNREADER_DR_TEST_SUPPORT_H_
#define VEXA_TESTS_DESIGNREADER_DR_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/temp_dir.h"
#include "vexa/designreader/design_note_parser.h"
#include "vexa/designreader/dr_check.h"
#include "vexa/designreader/dr_result_tree.h"
#include "vexa/designreader/dr_translator.h"
#include "vexa/designreader/ui_variable.h"
#include "vexa/host/vexa_file_system.h"

namespace vexadr {

inline std::string drData(const std::string& name) {
  return std::string(VEXA_TEST_DATA_DIR) + "designreader/" + name;
}
inline std::string drGoldenDir() { return drData("translator/"); }
inline std::string bundledLibrary() {
  return std::string(VEXA_SOURCE_RESOURCE_DIR) + "ConfigLetParser/";
}
inline std::string corpusFile(const std::string& name) {
  return std::string(VEXA_CORPUS_DIR) + name;
}

// One input and the text expected from it, for table-driven tests.
struct TextCase {
  std::string text;
  std::string expected;
};

// One case of a case file: its title, its input and the text expected from it.
struct Case {
  std::string title, input, expected;
};

using vexahost::testing::readFile;

// Reads a case file: comment lines first, then cases, each a line "=== title", its input lines,
// a line "---" and its expected lines (line ends kept).
inline std::vector<Case> readCases(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<Case> cases;
  bool expected = false;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("=== ", 0) == 0) {
      cases.push_back({line.substr(4), "", ""});
      expected = false;
    } else if (!cases.empty() && line == "---" && !expected) {
      expected = true;
    } else if (!cases.empty()) {
      (expected ? cases.back().expected : cases.back().input) += line + "\n";
    }
  }
  return cases;
}

// Runs the Perl interpreter with the arguments, its output going to log; the exit status.
inline int runPerl(const std::vector<std::string>& arguments, const std::string& log) {
  std::string command = "\"" + vexahost::VexaFileSystem::GetPerlExepath() + "\"";
  for (const std::string& argument : arguments) command += " \"" + argument + "\"";
  return std::system((command + " > \"" + log + "\" 2>&1").c_str());
}

// Scripts run with the product's runtime library and bundled scripts, in a temporary folder of
// the test's own that must be empty after every run.
class DRLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    using vexahost::VexaFileSystem;
    VexaFileSystem::SetSystemResourceFolder(VEXA_SOURCE_RESOURCE_DIR);
    VexaFileSystem::SetTempFolder(temp());
    VexaFileSystem::SetPerlExepath(std::string());
  }
  void TearDown() override {
    using vexahost::VexaFileSystem;
    VexaFileSystem::SetSystemResourceFolder(std::string());
    VexaFileSystem::SetTempFolder(std::string());
    VexaFileSystem::SetPerlExepath(std::string());
  }

  static bool perlMissing() {
    return vexahost::VexaFileSystem::FindExecutable(vexahost::VexaFileSystem::GetPerlExepath())
        .empty();
  }
  std::string temp() const { return dir_.path() + "tmp/"; }
  // What a run left in the temporary folder; nothing, after every run.
  std::vector<std::string> leftovers() const {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(temp(), ec)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }
  // Runs script text (saved as name.cmf) on configuration text.
  std::string run(const std::string& script, const std::string& config,
                  const UIVariableForDR* variables = nullptr, const std::string& name = "t") {
    return DesignNoteParser::getDesignNote(dir_.write(name + ".cmf", script),
                                           dir_.write(name + ".cfg", config), variables);
  }

  vexahost::testing::TempDir dir_;
};

#define VEXA_REQUIRE_PERL() \
  if (perlMissing()) GTEST_SKIP() << "no Perl interpreter"

// The same, but with the test copy of the runtime library (library_) as the resource folder.
class DRResourceTest : public DRLibraryTest {
 protected:
  void SetUp() override {
    DRLibraryTest::SetUp();
    vexahost::VexaFileSystem::SetSystemResourceFolder(drData("resources/"));
    library_ = readFile(drData("resources/scripts/DRFunctions"));
    ASSERT_FALSE(library_.empty());
  }

  std::string library_;
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
