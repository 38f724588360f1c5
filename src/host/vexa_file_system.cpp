#include "vexa/host/vexa_file_system.h"

#include <dlfcn.h>
#include <errno.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <thread>

#include "vexa/host/platform.h"

extern char** environ;

// Both are defined for the host library by the build; these fallbacks only
// keep the file compiling elsewhere.
#ifndef VEXA_SOURCE_RESOURCE_DIR
#define VEXA_SOURCE_RESOURCE_DIR "resources/"
#endif
#ifndef VEXA_INSTALLED_RESOURCE_DIR
#define VEXA_INSTALLED_RESOURCE_DIR ""
#endif
// The installed resource folder relative to the folder the library is
// installed in ("../share/vexa/" for a lib/ beside share/).
#ifndef VEXA_LIBDIR_TO_RESOURCE_DIR
#define VEXA_LIBDIR_TO_RESOURCE_DIR ""
#endif

namespace vexahost {
namespace fs = std::filesystem;

namespace {

// Values set through the API; empty means "not set".
struct HostSettings {
  std::string resourceFolder;
  std::string tempFolder;
  std::string cacheFolder;
  std::string perlPath;
};

HostSettings& settings() {
  static HostSettings value;
  return value;
}

std::string environmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}

std::string withSeparator(std::string folder) {
  if (folder.empty() || (folder.back() != kPathSeparator && folder.back() != '/')) {
    folder += kPathSeparator;
  }
  return folder;
}

bool isDirectory(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_directory(fs::path(path), ec);
}

// A folder that holds the grammar: an installed or source resource folder.
bool isResourceFolder(const std::string& folder) {
  return isDirectory(withSeparator(folder) + "files");
}

// The resource folder installed beside the library that holds this code,
// found from the library's own location so that an installed tree can be
// moved as a whole; empty when there is none (a build tree, a test program).
std::string resourceFolderBesideLibrary() {
  static const std::string folder = [] {
    const std::string relative = VEXA_LIBDIR_TO_RESOURCE_DIR;
    Dl_info info{};
    if (relative.empty() ||
        dladdr(reinterpret_cast<void*>(&resourceFolderBesideLibrary), &info) == 0 ||
        info.dli_fname == nullptr) {
      return std::string();
    }
    std::error_code ec;
    const fs::path library = fs::canonical(fs::path(info.dli_fname), ec);
    if (ec) return std::string();
    const fs::path candidate = (library.parent_path() / relative).lexically_normal();
    return isResourceFolder(candidate.string()) ? withSeparator(candidate.string()) : std::string();
  }();
  return folder;
}

// The private temporary folder "vexa-<uid>" under $TMPDIR or /tmp.  A folder
// of that name that is not ours (another owner, a symbolic link, not a
// folder) is never used: a fresh private folder is made beside it instead and
// kept for the life of the process (for that $TMPDIR).
std::string privateTempFolder() {
  static std::string fallbackBase;
  static std::string fallback;

  std::string base = environmentValue("TMPDIR");
  if (base.empty() || !isDirectory(base)) base = "/tmp";
  base = withSeparator(base);
  if (base == fallbackBase && isDirectory(fallback)) return fallback;
  const uid_t uid = getuid();
  const std::string folder = base + "vexa-" + std::to_string(uid);

  mkdir(folder.c_str(), 0700);
  struct stat info {};
  if (lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == uid) {
    if ((info.st_mode & 077) != 0) chmod(folder.c_str(), 0700);
    return withSeparator(folder);
  }
  std::string pattern = folder + "-XXXXXX";
  if (mkdtemp(pattern.data()) != nullptr) {
    fallbackBase = base;
    fallback = withSeparator(pattern);
    return fallback;
  }
  return base;  // Last resort: the shared folder itself.
}

bool isExecutableFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

// The full path of an executable named `name` found on PATH, or empty.
std::string searchPath(const std::string& name) {
  const std::string path = environmentValue("PATH");
  if (path.empty()) return std::string();
  std::size_t begin = 0;
  while (begin <= path.size()) {
    std::size_t end = path.find(':', begin);
    if (end == std::string::npos) end = path.size();
    // An empty PATH entry means the current folder.
    std::string folder = end > begin ? path.substr(begin, end - begin) : std::string(".");
    const std::string candidate = withSeparator(folder) + name;
    if (isExecutableFile(candidate)) return candidate;
    begin = end + 1;
  }
  return std::string();
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

// ---- per-device file system ----

std::string VexaFileSystem::GetConfigFilePath(const std::string& device, int /*type*/,
                                              bool /*create*/) const {
  const auto it = configPaths_.find(device);
  return it != configPaths_.end() ? it->second : std::string();
}

std::string VexaFileSystem::GetConfigDeltaFilePath(const std::string& device) const {
  const auto it = deltaPaths_.find(device);
  return it != deltaPaths_.end() ? it->second : std::string();
}

void VexaFileSystem::SetConfigFilePath(const std::string& device, const std::string& path) {
  if (path.empty()) {
    configPaths_.erase(device);
  } else {
    configPaths_[device] = path;
  }
}

void VexaFileSystem::SetConfigDeltaFilePath(const std::string& device, const std::string& path) {
  if (path.empty()) {
    deltaPaths_.erase(device);
  } else {
    deltaPaths_[device] = path;
  }
}

void VexaFileSystem::Clear() {
  configPaths_.clear();
  deltaPaths_.clear();
}

VexaFileSystem* VexaFileSystem::GetCurrProjectFileSystem() {
  static VexaFileSystem project;
  return &project;
}

VexaFileSystem* VexaFileSystem::GetCurrBaselineFileSystem() {
  static VexaFileSystem baseline;
  return &baseline;
}

// ---- folders ----

std::string VexaFileSystem::GetSystemResourceFolder() {
  if (!settings().resourceFolder.empty()) return withSeparator(settings().resourceFolder);
  const std::string fromEnvironment = environmentValue("VEXA_RESOURCE_DIR");
  if (!fromEnvironment.empty()) return withSeparator(fromEnvironment);
  const std::string besideLibrary = resourceFolderBesideLibrary();
  if (!besideLibrary.empty()) return besideLibrary;
  // A build tree uses its own sources before any installed copy.
  if (isResourceFolder(VEXA_SOURCE_RESOURCE_DIR)) return withSeparator(VEXA_SOURCE_RESOURCE_DIR);
  const std::string installed = VEXA_INSTALLED_RESOURCE_DIR;
  if (isDirectory(installed)) return withSeparator(installed);
  return withSeparator(VEXA_SOURCE_RESOURCE_DIR);
}

void VexaFileSystem::SetSystemResourceFolder(const std::string& folder) {
  settings().resourceFolder = folder;
}

std::string VexaFileSystem::GetTempFolder() {
  std::string folder = settings().tempFolder;
  if (folder.empty()) folder = environmentValue("VEXA_TEMP_DIR");
  if (folder.empty()) return privateTempFolder();
  // A configured folder is created when missing, so that files can be written
  // into it right away.
  std::error_code ec;
  fs::create_directories(fs::path(folder), ec);
  return withSeparator(folder);
}

void VexaFileSystem::SetTempFolder(const std::string& folder) { settings().tempFolder = folder; }

std::string VexaFileSystem::GetCacheFolder() {
  if (!settings().cacheFolder.empty()) return withSeparator(settings().cacheFolder);
  if (std::getenv("VEXA_CACHE_DIR") != nullptr) {
    const std::string own = environmentValue("VEXA_CACHE_DIR");
    return own.empty() ? own : withSeparator(own);  // set but empty: no cache
  }
  const std::string xdg = environmentValue("XDG_CACHE_HOME");
  if (!xdg.empty()) return withSeparator(withSeparator(xdg) + "vexa");
  const std::string home = environmentValue("HOME");
  if (home.empty()) return home;
  return withSeparator(withSeparator(home) + ".cache" + kPathSeparator + "vexa");
}

void VexaFileSystem::SetCacheFolder(const std::string& folder) { settings().cacheFolder = folder; }

std::string VexaFileSystem::GetScriptFilePath(const std::string& name) {
  return GetSystemResourceFolder() + "scripts" + kPathSeparator + name;
}

std::string VexaFileSystem::GetPerlExepath() {
  if (!settings().perlPath.empty()) return settings().perlPath;
  const std::string fromEnvironment = environmentValue("VEXA_PERL");
  if (!fromEnvironment.empty()) return fromEnvironment;
  const std::string found = searchPath("perl");
  return found.empty() ? std::string("perl") : found;
}

void VexaFileSystem::SetPerlExepath(const std::string& path) { settings().perlPath = path; }

std::string VexaFileSystem::FindExecutable(const std::string& program) {
  if (program.empty() || program.find('\0') != std::string::npos) return std::string();
  if (program.find('/') == std::string::npos && program.find(kPathSeparator) == std::string::npos) {
    return searchPath(program);
  }
  return isExecutableFile(program) ? program : std::string();
}

// ---- programs ----

std::vector<std::string> VexaFileSystem::SplitCommandLine(const std::string& text) {
  std::vector<std::string> words;
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (true) {
    while (i < n && isBlank(text[i])) ++i;
    if (i >= n) break;

    std::string word;
    bool quoted = false;
    while (i < n && (quoted || !isBlank(text[i]))) {
      if (text[i] == '\\') {
        std::size_t slashes = 0;
        while (i < n && text[i] == '\\') {
          ++slashes;
          ++i;
        }
        if (i < n && text[i] == '"') {
          word.append(slashes / 2, '\\');
          if (slashes % 2 == 1) {
            word += '"';
            ++i;
          }
          // With an even count the quote is handled as a quote below.
        } else {
          word.append(slashes, '\\');
        }
        continue;
      }
      if (text[i] == '"') {
        if (quoted && i + 1 < n && text[i + 1] == '"') {
          word += '"';
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
        continue;
      }
      word += text[i++];
    }
    words.push_back(std::move(word));
  }
  return words;
}

int VexaFileSystem::ExecuteCmd(const std::string& program, const std::string& arguments,
                               bool /*showWindow*/, bool wait) {
  std::vector<std::string> words;
  // A program text that names an existing file as a whole is that file, so
  // a path with blanks needs no quotes; otherwise its first word is the
  // program and the others are leading arguments.
  std::error_code ec;
  if (!program.empty() && program.find('\0') == std::string::npos &&
      fs::is_regular_file(fs::path(program), ec)) {
    words.push_back(program);
  } else {
    words = SplitCommandLine(program);
  }
  if (words.empty() || words.front().empty()) return -1;
  for (std::string& word : SplitCommandLine(arguments)) words.push_back(std::move(word));

  std::vector<char*> argv;
  argv.reserve(words.size() + 1);
  for (std::string& word : words) {
    // An argument cannot carry a NUL byte to the program; refuse rather than
    // pass a shortened one.
    if (word.find('\0') != std::string::npos) return -1;
    argv.push_back(word.data());
  }
  argv.push_back(nullptr);

  pid_t pid = 0;
  if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;

  if (!wait) {
    // Nobody waits for the program, so a detached thread collects its exit
    // status and no zombie process is left behind.
    std::thread([pid] {
      int status = 0;
      while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
      }
    }).detach();
    return 0;
  }

  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

}  // namespace vexahost
