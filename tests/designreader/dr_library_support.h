// Helpers of the script-library tests: a fixture that runs scripts with the product's runtime
// library and bundled scripts, in a temporary folder of its own that must be empty after every
// run, and case files of scripts or results with the texts expected from them.
#ifndef VEXA_TESTS_DESIGNREADER_DR_LIBRARY_SUPPORT_H_
#define VEXA_TESTS_DESIGNREADER_DR_LIBRARY_SUPPORT_H_

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "host/temp_dir.h"
#include "vexa/designreader/design_note_parser.h"
#include "vexa/designreader/dr_result_tree.h"
#include "vexa/designreader/ui_variable.h"
#include "vexa/host/vexa_file_system.h"

namespace vexadr {

inline std::string bundledLibrary() {
  return std::string(VEXA_SOURCE_RESOURCE_DIR) + "ConfigLetParser/";
}
inline std::string corpusFile(const std::string& name) {
  return std::string(VEXA_CORPUS_DIR) + name;
}
inline std::string drData(const std::string& name) {
  return std::string(VEXA_TEST_DATA_DIR) + "designreader/" + name;
}

// One case of a case file: its title, its input and the text expected from it.
struct Case {
  std::string title, input, expected;
};

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

}  // namespace vexadr

#endif  // VEXA_TESTS_DESIGNREADER_DR_LIBRARY_SUPPORT_H_
