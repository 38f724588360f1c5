#include "vexa/host/file_update.h"

#include <errno.h>
#include <fcntl.h>
#include <stdlib.h>
#include <string.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "vexa/host/raw_terminal.h"

namespace vexahost {
namespace {

// The operating system cannot name a path with a NUL byte in it.
bool usable(const std::string& path) {
  return !path.empty() && path.find('\0') == std::string::npos;
}

std::string describe(const std::string& what, const std::string& path, int error) {
  return what + " '" + path + "': " + strerror(error);
}

// The path whose file is to be replaced: a symbolic link is followed.
bool resolveTarget(const std::string& path, std::string& target, std::string& error) {
  struct stat info;
  target = path;
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (resolved == nullptr) {
    error = describe("cannot follow the link", path, errno);
    return false;
  }
  target = resolved;
  ::free(resolved);
  return true;
}

mode_t creationMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

bool appendToFile(const std::string& path, const std::string& text) {
  if (!usable(path)) return false;
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  const bool ok = writeOutput(fd, text);
  return ::close(fd) == 0 && ok;
}

bool readFileHead(const std::string& path, std::size_t maxBytes, std::string& out) {
  out.clear();
  if (!usable(path)) return false;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info;
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    ::close(fd);
    return false;
  }
  std::vector<char> chunk(65536);
  while (out.size() < maxBytes) {
    const std::size_t want = std::min(chunk.size(), maxBytes - out.size());
    const ssize_t n = ::read(fd, chunk.data(), want);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;  // end of file, or nothing waiting (EAGAIN)
    out.append(chunk.data(), static_cast<std::size_t>(n));
  }
  ::close(fd);
  return true;
}

bool replaceFileContents(const std::string& path, const std::string& text, std::string& error) {
  error.clear();
  if (!usable(path)) {
    error = "cannot write '" + path + "': not a usable file name";
    return false;
  }
  std::string target;
  if (!resolveTarget(path, target, error)) return false;
  struct stat info;
  const bool exists = ::stat(target.c_str(), &info) == 0;
  if (exists && !S_ISREG(info.st_mode)) {
    error = "cannot write '" + path + "': not a regular file";
    return false;
  }
  const std::size_t slash = target.rfind('/');
  const std::string folder =
      slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  std::string temp = folder + "." + base + ".tmp-XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    error = describe("cannot create a temporary file beside", path, errno);
    return false;
  }
  bool ok = writeOutput(fd, text);
  int failure = errno;
  if (ok && ::fchmod(fd, exists ? (info.st_mode & 07777) : creationMode()) != 0) {
    ok = false;
    failure = errno;
  }
  if (ok && ::fsync(fd) != 0) {
    ok = false;
    failure = errno;
  }
  if (::close(fd) != 0 && ok) {
    ok = false;
    failure = errno;
  }
  if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
    ok = false;
    failure = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    error = describe("cannot write", path, failure);
    return false;
  }
  return true;
}

bool appendUnderLock(const std::string& path, const std::string& lockPath, const std::string& text,
                     std::string& error) {
  error.clear();
  if (!usable(lockPath)) {
    error = "cannot lock '" + lockPath + "': not a usable file name";
    return false;
  }
  const int lock = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
  if (lock < 0) {
    error = describe("cannot open the lock file", lockPath, errno);
    return false;
  }
  int locked = -1;
  do {
    locked = ::flock(lock, LOCK_EX);
  } while (locked != 0 && errno == EINTR);
  bool ok = locked == 0;
  if (!ok) error = describe("cannot lock", lockPath, errno);
  std::string contents;
  if (ok && ::access(path.c_str(), F_OK) == 0 &&
      !readFileHead(path, std::string().max_size(), contents)) {
    error = "cannot read '" + path + "'";
    ok = false;
  }
  if (ok) {
    if (!contents.empty() && contents.back() != '\n') contents += '\n';
    ok = replaceFileContents(path, contents + text, error);
  }
  ::close(lock);  // releases the lock
  return ok;
}

}  // namespace vexahost
