// Script files: the ".cmf" format, saving with check and translation, and
// the companion files that travel with a script.

#include "vexa/designreader/dr_script_file.h"

#include "vexa/designreader/dr_check.h"
#include "vexa/designreader/dr_translator.h"
#include "vexa/host/pathname.h"
#include "vexa/host/stl_helper.h"

namespace vexadr {

namespace {

constexpr char kScriptExtension[] = ".cmf";
constexpr char kVersionMark[] = "!!!Version,";
constexpr char kFavouriteMark[] = "!!!Favourite,";
constexpr char kDescriptionMark[] = "!!!Description:";
constexpr char kContextMark[] = "!!!Context:";
constexpr int kVersion = 200;
// The description starts after its marker, the line end and "!!!".
constexpr size_t kDescriptionOffset = 19;
// The context starts after its marker and the line end.
constexpr size_t kContextOffset = 12;
// The companions in the order they are deleted and renamed.
constexpr const char* kDeleteOrder[] = {".cmf", ".map", ".pl", ".sample1", ".sample2"};
constexpr const char* kRenameOrder[] = {".cmf", ".pl", ".map", ".sample1", ".sample2"};

bool fileExists(const std::string& path) { return vexahost::Pathname(path).exists(); }

// The path up to the last ".cmf"; false when there is none.
bool scriptStem(const std::string& scriptPath, std::string& stem) {
  const size_t at = scriptPath.rfind(kScriptExtension);
  if (at == std::string::npos) return false;
  stem = scriptPath.substr(0, at);
  return true;
}

std::string sampleExtension(int index) { return index == 1 ? ".sample1" : ".sample2"; }

// A text-mode write: every LF becomes CR LF on disk.
bool writeText(const std::string& path, const std::string& text) {
  std::string disk;
  disk.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') disk += '\r';
    disk += c;
  }
  return vexahost::Pathname(path).writeAll(disk);
}

std::string programPathOf(const std::string& path) {
  const size_t dot = path.rfind('.');
  return (dot == std::string::npos ? path : path.substr(0, dot)) + ".pl";
}

// True for a folder name that holds a separator at its end.
bool endsInSeparator(const std::string& path) {
  return !path.empty() && (path.back() == '/' || path.back() == '\\');
}

}  // namespace

DRScriptFile::DRScriptFile(const std::string& path) {
  const vexahost::Pathname file(path);
  std::string text;
  if (!file.exists() || file.isDirectory() || !file.readAll(text)) return;
  filePath_ = path;
  fileName_ = file.fileBase();
  vexahost::StlHelper::replaceString(text, "\r\n", "\n");
  parse(text);
}

DRScriptFile::DRScriptFile(const std::string& context, const std::string& description,
                           bool favourite)
    : description_(description), context_(context), favourite_(favourite) {}

void DRScriptFile::parse(const std::string& text) {
  // The version is read for completeness only; nothing depends on it.
  const size_t favourite = text.find(kFavouriteMark);
  if (favourite != std::string::npos) {
    const size_t begin = favourite + sizeof(kFavouriteMark) - 1;
    const size_t end = text.find('\n', begin);
    favourite_ =
        text.substr(begin, end == std::string::npos ? std::string::npos : end - begin) == "1";
  }

  const size_t description = text.find(kDescriptionMark);
  if (description != std::string::npos && description + kDescriptionOffset <= text.size()) {
    const size_t begin = description + kDescriptionOffset;
    const size_t context = text.find(kContextMark, begin);
    if (context == std::string::npos) {
      description_ = text.substr(begin);
    } else if (context > begin) {
      description_ = text.substr(begin, context - 1 - begin);
    }
    vexahost::StlHelper::replaceString(description_, "\n!!!", "\n");
  }

  const size_t context = text.find(kContextMark);
  if (context == std::string::npos) {
    context_ = text;
  } else if (context + kContextOffset <= text.size()) {
    context_ = text.substr(context + kContextOffset);
  }
}

std::string DRScriptFile::formatText() const {
  std::string description = "!!!" + description_;
  vexahost::StlHelper::replaceString(description, "\n", "\n!!!");
  return std::string(kVersionMark) + std::to_string(kVersion) + "\n" + kFavouriteMark +
         (favourite_ ? "1" : "0") + "\n" + kDescriptionMark + "\n" + description + "\n" +
         kContextMark + "\n" + context_;
}

void DRScriptFile::setContext(const std::string& text, bool saveNow) {
  context_ = text;
  if (saveNow) save();
}

void DRScriptFile::setDescription(const std::string& text, bool saveNow) {
  description_ = text;
  if (saveNow) save();
}

void DRScriptFile::setFavourite(bool favourite, bool saveNow) {
  favourite_ = favourite;
  if (saveNow) save();
}

bool DRScriptFile::save() { return !filePath_.empty() && saveScriptFile(filePath_); }

bool DRScriptFile::saveScriptFile(const std::string& path) {
  if (!writeText(path, formatText())) return false;
  const std::string program = programPathOf(path);
  vexahost::Pathname(program).removeFile(false);

  DRCheck check(context_);
  check.syntaxCheck();
  if (!check.getErrStr().empty()) return true;
  DRTranslator translator(context_, program);
  translator.translateScriptFile();
  if (!translator.errorText.empty()) vexahost::Pathname(program).removeFile(false);
  return true;
}

std::string DRScriptFile::getSampleFileFullPath(const std::string& scriptPath, int index) {
  std::string stem;
  if (!fileExists(scriptPath) || !scriptStem(scriptPath, stem) || (index != 1 && index != 2)) {
    return std::string();
  }
  const std::string sample = stem + sampleExtension(index);
  return fileExists(sample) ? sample : std::string();
}

bool DRScriptFile::setSampleFile(const std::string& scriptPath, const std::string& sourcePath,
                                 int index) {
  std::string stem;
  if (!fileExists(sourcePath) || !fileExists(scriptPath) || !scriptStem(scriptPath, stem)) {
    return false;
  }
  vexahost::Pathname(sourcePath).copyTo(stem + sampleExtension(index));
  return true;
}

std::string DRScriptFile::getSampleMapFullPath(const std::string& scriptPath) {
  std::string stem;
  if (!fileExists(scriptPath) || !scriptStem(scriptPath, stem)) return std::string();
  const std::string map = stem + ".map";
  return fileExists(map) ? map : std::string();
}

bool DRScriptFile::setSampleMap(const std::string& scriptPath, const std::string& sourcePath) {
  std::string stem;
  if (!fileExists(scriptPath) || !scriptStem(scriptPath, stem) || !fileExists(sourcePath)) {
    return false;
  }
  vexahost::Pathname(sourcePath).copyTo(stem + ".map");
  return true;
}

void DRScriptFile::delScriptFile(const std::string& scriptPath) {
  std::string stem;
  if (!fileExists(scriptPath) || !scriptStem(scriptPath, stem)) return;
  for (const char* extension : kDeleteOrder) {
    const vexahost::Pathname companion(stem + extension);
    if (!companion.isDirectory()) companion.removeFile(false);
  }
}

void DRScriptFile::delScriptFiles(const std::string& folder) {
  std::string path = folder;
  if (endsInSeparator(path)) path.pop_back();
  const vexahost::Pathname place(path);
  if (!place.isDirectory()) return;
  for (const vexahost::Pathname& entry : place.dirContents()) {
    const std::string name = entry.file();
    if (name.empty() || name[0] == '.') continue;
    if (entry.isDirectory()) {
      delScriptFiles(entry.data());
    } else {
      delScriptFile(entry.data());
    }
  }
  place.removeFile(true);
}

bool DRScriptFile::renameScriptFile(const std::string& folder, const std::string& oldName,
                                    const std::string& newName) {
  if (!vexahost::Pathname(folder).isDirectory() || !fileExists(folder + oldName + ".cmf") ||
      newName.empty()) {
    return false;
  }
  for (const char* extension : kRenameOrder) {
    const vexahost::Pathname from(folder + oldName + extension);
    const std::string to = folder + newName + extension;
    if (from.exists() && !fileExists(to)) from.moveTo(to);
  }
  return true;
}

}  // namespace vexadr
