// The grammar image: a loaded grammar kept in one binary file, so that the
// next process reads its nodes back instead of reading the mode files again.
//
// An image belongs to one resource folder and one build of the library: its
// header holds a fingerprint of every file below the folder's "files/" and
// of the library file itself (names, sizes, inodes and times).  An image whose
// fingerprint differs, or that is cut short or damaged (its checksum), is
// not used: the grammar is then read from the mode files and the image
// written again.  Images live in the host's cache folder
// (VexaFileSystem::GetCacheFolder), one per resource folder and library file.
//
// Internal to src/parser/.
#ifndef VEXA_SRC_PARSER_RESOURCES_GRAMMAR_IMAGE_H_
#define VEXA_SRC_PARSER_RESOURCES_GRAMMAR_IMAGE_H_

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "vexa/parser/grammar.h"

namespace vexaparser {

class GrammarImage {
 public:
  // The image file of the resource folder for this library (empty without
  // a cache folder).
  static std::string imagePath(const std::string& resourceFolder);
  // The fingerprint of the resource folder's files (names, sizes, inodes
  // and times) and of this library file; kRacy when one of them changed so
  // recently that a further change might not show in its times.
  static uint64_t fingerprint(const std::string& resourceFolder);
  static constexpr uint64_t kRacy = 0;
  // How recent a change makes the fingerprint kRacy (two seconds: file
  // times may tick coarsely).  Tests move it.
  static std::atomic<int64_t>& settleNanos();

  // Writes grammar (complete: its mode trees, prompts, key tables, shared
  // files and order table; the overwrite set is not kept) to path, as
  // vexahost::replaceFileContents replaces a file.  False when it cannot be
  // written.
  static bool write(const Grammar& grammar, uint64_t fingerprint, const std::string& path);
  // The grammar of the image at path for resourceFolder, or null when there
  // is no usable image with that fingerprint.
  static std::shared_ptr<Grammar> read(const std::string& resourceFolder, uint64_t fingerprint,
                                       const std::string& path);
  // The same for the folder's current fingerprint, taken while the image is
  // decoded; fingerprint is set either way (kRacy: no image is used).
  // alongside, when given, runs once during the call, beside the decoding
  // when there is an image to decode.
  static std::shared_ptr<Grammar> readCurrent(const std::string& resourceFolder,
                                              const std::string& path, uint64_t& fingerprint,
                                              const std::function<void()>& alongside = {});

 private:
  static std::shared_ptr<Grammar> readTaking(const std::string& resourceFolder,
                                             const std::string& path,
                                             const std::function<uint64_t()>& take,
                                             uint64_t& fingerprint,
                                             const std::function<void()>& alongside);
};

}  // namespace vexaparser

#endif  // VEXA_SRC_PARSER_RESOURCES_GRAMMAR_IMAGE_H_
