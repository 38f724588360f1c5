// Helpers shared by the design-reader tests: the test data folders, whole
// file reading, a scratch folder per test, and the peers that reach the
// private parts of the checker and the translator.
#ifndef VEXA_TESTS_DESIGNREADER_DR_TEST_SUPPORT_H_
#define VEXA_TESTS_DESIGNREADER_DR_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "vexa/designreader/dr_check.h"
#include "vexa/designreader/dr_translator.h"

namespace vexadr {

inline std::string drDataDir() { return std::string(VEXA_TEST_DATA_DIR) + "designreader/"; }
inline std::string drGoldenDir() { return drDataDir() + "translator/"; }
// The resource folder whose scripts/ holds the test copy of DRFunctions.
inline std::string drResourceDir() { return drDataDir() + "resources/"; }

inline std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

// A folder of this test process under the test temporary folder, removed
// when the process ends.  The process id keeps parallel runs of several
// builds apart.
inline const std::filesystem::path& scratchRoot() {
  struct Root {
    Root()
        : path(std::filesystem::path(::testing::TempDir()) /
               ("vexa_dr_tests_" + std::to_string(currentProcessId()))) {}
    ~Root() {
      std::error_code ec;
      std::filesystem::remove_all(path, ec);
    }
    static long currentProcessId() {
#ifdef _WIN32
      return static_cast<long>(_getpid());
#else
      return static_cast<long>(getpid());
#endif
    }
    std::filesystem::path path;
  };
  static const Root root;
  return root.path;
}

// A fresh, empty folder for one test, named after it; ends in a separator.
inline std::string scratchDir() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "_" + info->name();
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  const std::filesystem::path dir = scratchRoot() / name;
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir.string() + "/";
}

class DRCheckPeer {
 public:
  static int& errorCounter() { return DRCheck::errorCounter_; }
};

class DRTranslatorPeer {
 public:
  explicit DRTranslatorPeer(const std::string& script) : translator_(script, std::string()) {}

  // Every word the lexer gives, up to the end of the source.
  std::vector<std::string> words() {
    std::vector<std::string> out;
    while (!translator_.isFileEnd()) out.push_back(translator_.getWord());
    return out;
  }
  std::string unSpaceWord() { return translator_.getUnSpaceWord(); }
  int funVariables(std::vector<std::string>& arguments) {
    return translator_.getFunVariables(arguments);
  }
  int solveRegular(std::string& pattern, std::vector<std::string>& captures,
                   std::vector<std::string>& references, int mode) {
    return translator_.solveRegular(pattern, captures, references, mode);
  }
  void insertPreLine(const std::string& line, std::vector<std::string>& words) {
    translator_.insertPreLine(line, words);
  }
  static int wordType(const std::string& word) { return DRTranslator::getWordType(word); }
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
