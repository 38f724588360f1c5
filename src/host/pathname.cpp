#include "vexa/host/pathname.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <system_error>

#include "vexa/host/platform.h"

namespace vexahost {
namespace fs = std::filesystem;

namespace {

// '/' separates components on every platform, kPathSeparator as well.
bool isSeparator(char c) { return c == '/' || c == kPathSeparator; }

// The operating system cannot name a path with a NUL byte in it; such a path
// names nothing rather than a shorter path.
bool usable(const std::string& path) {
  return !path.empty() && path.find('\0') == std::string::npos;
}

}  // namespace

bool Pathname::exists() const {
  if (!usable(path_)) return false;
  std::error_code ec;
  return fs::exists(fs::path(path_), ec);
}

bool Pathname::isDirectory() const {
  if (!usable(path_)) return false;
  std::error_code ec;
  return fs::is_directory(fs::path(path_), ec);
}

std::vector<Pathname> Pathname::dirContents() const {
  std::vector<std::string> names;
  if (!usable(path_)) return {};
  std::error_code ec;
  fs::directory_iterator it(fs::path(path_), ec);
  const fs::directory_iterator end;
  while (!ec && it != end) {
    names.push_back(it->path().filename().string());
    it.increment(ec);
  }
  std::sort(names.begin(), names.end());

  std::string prefix = path_;
  if (!isSeparator(prefix.back())) prefix += kPathSeparator;
  std::vector<Pathname> result;
  result.reserve(names.size());
  for (const std::string& name : names) {
    if (name == "." || name == "..") continue;
    result.emplace_back(prefix + name);
  }
  return result;
}

std::string Pathname::file() const {
  std::size_t end = path_.size();
  while (end > 0 && isSeparator(path_[end - 1])) --end;
  std::size_t begin = end;
  while (begin > 0 && !isSeparator(path_[begin - 1])) --begin;
  return path_.substr(begin, end - begin);
}

std::string Pathname::fileBase() const {
  std::string name = file();
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

bool Pathname::removeFile(bool recursive) const {
  if (!usable(path_)) return false;
  std::error_code ec;
  const fs::path p(path_);
  // symlink_status: a link is removed itself, never what it points to.
  if (!fs::exists(fs::symlink_status(p, ec))) return false;
  if (recursive) {
    fs::remove_all(p, ec);
  } else {
    fs::remove(p, ec);
  }
  return !ec;
}

bool Pathname::makeDirectories() const {
  if (!usable(path_)) return false;
  std::error_code ec;
  fs::create_directories(fs::path(path_), ec);
  return fs::is_directory(fs::path(path_), ec);
}

bool Pathname::copyTo(const std::string& target) const {
  if (!usable(path_) || !usable(target)) return false;
  std::error_code ec;
  return fs::copy_file(fs::path(path_), fs::path(target), fs::copy_options::overwrite_existing,
                       ec) &&
         !ec;
}

bool Pathname::moveTo(const std::string& target) const {
  if (!usable(path_) || !usable(target)) return false;
  std::error_code ec;
  const fs::path from(path_);
  const fs::path to(target);
  fs::rename(from, to, ec);
  if (!ec) return true;
  // Across file systems a rename fails; a file is then copied and removed.
  if (ec != std::errc::cross_device_link || !fs::is_regular_file(from, ec)) return false;
  if (!copyTo(target)) return false;
  return fs::remove(from, ec) && !ec;
}

bool Pathname::readAll(std::string& out) const {
  out.clear();
  if (!usable(path_)) return false;
  // A C stream: the grammar alone reads some three hundred files at start,
  // and opening a C++ file stream costs several times more.
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path_.c_str(), "rb"),
                                                      &std::fclose);
  if (file == nullptr) return false;
  // The size of a regular file, to read it into one block; other files
  // (a folder, a device, a pipe) have none and are read as they come.
  std::error_code ec;
  const std::uintmax_t size = fs::file_size(fs::path(path_), ec);
  if (!ec && size > 0 && size < out.max_size()) out.reserve(static_cast<std::size_t>(size));
  char piece[16384];
  std::size_t got = 0;
  while ((got = std::fread(piece, 1, sizeof piece, file.get())) > 0) out.append(piece, got);
  // A folder opens but cannot be read.
  if (std::ferror(file.get()) != 0) {
    out.clear();
    return false;
  }
  return true;
}

bool Pathname::readStream(std::istream& in, std::string& out) {
  out.clear();
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size > 0) {
    in.seekg(0, std::ios::beg);
    out.resize(static_cast<std::size_t>(size));
    in.read(out.data(), size);
    out.resize(static_cast<std::size_t>(in.gcount()));
    // Whatever was appended since the size was taken.
    if (in) out.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  } else {
    in.clear();
    in.seekg(0, std::ios::beg);
    in.clear();
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return !in.bad();
}

bool Pathname::writeAll(const std::string& text) const {
  if (!usable(path_)) return false;
  std::ofstream outFile(path_, std::ios::binary | std::ios::trunc);
  if (!outFile) return false;
  outFile.write(text.data(), static_cast<std::streamsize>(text.size()));
  outFile.close();
  return !outFile.fail();
}

}  // namespace vexahost
