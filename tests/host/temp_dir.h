// Test helpers shared by the suites: whole files read, a temporary folder removed
// with everything in it afterwards, and an environment variable set for one scope.
#ifndef VEXA_TESTS_HOST_TEMP_DIR_H_
#define VEXA_TESTS_HOST_TEMP_DIR_H_

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace vexahost::testing {

// The bytes of the file at path; empty when it cannot be read.
inline std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vexa-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern + "/";
  }
  ~TempDir() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder, ending in "/"; empty when it could not be made.
  const std::string& path() const { return path_; }
  // Writes text as the file `name` below the folder (parents created); returns its full path.
  std::string write(const std::string& name, const std::string& text) const {
    std::filesystem::create_directories(std::filesystem::path(path_ + name).parent_path());
    std::ofstream(path_ + name, std::ios::binary) << text;
    return path_ + name;
  }
  // The bytes of the file `name` below the folder; empty when it cannot be read.
  std::string read(const std::string& name) const { return readFile(path_ + name); }

 private:
  std::string path_;
};

// Sets (value non-null) or clears an environment variable until the end of the scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = getenv(name)) old_ = old;
    value != nullptr ? setenv(name, value, 1) : unsetenv(name);
  }
  ~ScopedEnv() { old_ ? setenv(name_.c_str(), old_->c_str(), 1) : unsetenv(name_.c_str()); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

}  // namespace vexahost::testing

#endif  // VEXA_TESTS_HOST_TEMP_DIR_H_
