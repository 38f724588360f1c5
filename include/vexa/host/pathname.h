// Pathname: a path string with the few file-system questions the system asks.
//
// Used by the resource loaders (key-file and command-order folders) and the
// design-reader script library.  All answers are results; nothing throws.
// "/" separates components everywhere, kPathSeparator as well.  A path with
// a NUL byte in it names nothing: every question answers false or empty.
#ifndef VEXA_HOST_PATHNAME_H_
#define VEXA_HOST_PATHNAME_H_

#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

namespace vexahost {

class Pathname {
 public:
  Pathname() = default;
  explicit Pathname(std::string path) : path_(std::move(path)) {}

  bool exists() const;
  bool isDirectory() const;

  // The entries of a folder, sorted by name (byte order), each as the folder
  // path joined with the entry name; "." and ".." are not listed.  Empty for
  // a path that is not a readable folder.
  std::vector<Pathname> dirContents() const;

  // Last component with its extension ("a/b.cfm" -> "b.cfm"); a trailing
  // separator is ignored.
  std::string file() const;
  // Last component without its extension (the text from the last "."), so
  // "a.tar.gz" -> "a.tar" and ".profile" -> "".
  std::string fileBase() const;
  // The whole path as given.
  const std::string& data() const { return path_; }

  // Deletes the file, or with recursive the folder and everything in it; a
  // symbolic link is removed itself, never what it points to.  Without
  // recursive a folder is removed only when empty.  False when the path does
  // not exist or something could not be removed.
  bool removeFile(bool recursive) const;

  // Small file services of the host layer.
  bool makeDirectories() const;                  // like mkdir -p
  bool copyTo(const std::string& target) const;  // overwrites target
  bool moveTo(const std::string& target) const;  // overwrites target
  // Whole file contents into out; false when the file cannot be read.
  bool readAll(std::string& out) const;
  // Writes text as the whole file; false on failure.
  bool writeAll(const std::string& text) const;
  // An open stream to its end into out: a regular file in one go, anything
  // without a size (a pipe, a terminal) byte by byte.  False on a read error.
  static bool readStream(std::istream& in, std::string& out);

 private:
  std::string path_;
};

}  // namespace vexahost

#endif  // VEXA_HOST_PATHNAME_H_
