// The script library tree: a node per folder, its scripts and sub-folders,
// read from disk and changed on disk.

#include "vexa/designreader/design_note_parser.h"

#include "vexa/designreader/dr_script_file.h"
#include "vexa/host/pathname.h"
#include "vexa/host/platform.h"

namespace vexadr {

namespace {

std::string withoutTrailingSeparator(const std::string& folder) {
  if (!folder.empty() && (folder.back() == '/' || folder.back() == vexahost::kPathSeparator)) {
    return folder.substr(0, folder.size() - 1);
  }
  return folder;
}

bool holdsSeparator(const std::string& name) {
  return name.find('/') != std::string::npos ||
         name.find(vexahost::kPathSeparator) != std::string::npos;
}

}  // namespace

DesignNoteParser::DesignNoteParser(const std::string& folder)
    : root_(withoutTrailingSeparator(folder)) {}

DesignNoteParser::DesignNoteParser(const std::string& folder, bool build)
    : DesignNoteParser(folder) {
  if (build) genScriptFileTree();
}

DesignNoteParser::~DesignNoteParser() = default;

DesignNoteParser::DesignNoteParser(const DesignNoteParser& other)
    : root_(other.root_), scripts_(other.scripts_) {
  for (const auto& [name, node] : other.subDirects_) {
    subDirects_.emplace(name, std::make_unique<DesignNoteParser>(*node));
  }
}

DesignNoteParser& DesignNoteParser::operator=(const DesignNoteParser& other) {
  if (this != &other) {
    DesignNoteParser copy(other);
    root_ = std::move(copy.root_);
    subDirects_ = std::move(copy.subDirects_);
    scripts_ = std::move(copy.scripts_);
  }
  return *this;
}

std::string DesignNoteParser::getScriptFileFullPath(const std::string& name) const {
  return root_ + vexahost::kPathSeparator + name + ".cmf";
}

bool DesignNoteParser::genScriptFileTree() {
  const vexahost::Pathname folder(root_);
  if (!folder.isDirectory()) return false;
  for (const vexahost::Pathname& entry : folder.dirContents()) {
    const std::string name = entry.file();
    if (name.empty() || name[0] == '.') continue;
    if (entry.isDirectory()) {
      subDirects_[name] = std::make_unique<DesignNoteParser>(entry.data(), true);
    } else if (name.find(".cmf") != std::string::npos) {
      scripts_.insert(name.substr(0, name.rfind('.')));
    }
  }
  return true;
}

bool DesignNoteParser::addSubDirect(const std::string& name) {
  if (name.empty() || holdsSeparator(name) || subDirects_.count(name) != 0) return false;
  const std::string path = root_ + vexahost::kPathSeparator + name;
  if (!vexahost::Pathname(path).makeDirectories()) return false;
  subDirects_[name] = std::make_unique<DesignNoteParser>(path, true);
  return true;
}

bool DesignNoteParser::delSubDirect(const std::string& name) {
  const auto it = subDirects_.find(name);
  if (it == subDirects_.end()) return false;
  vexahost::Pathname(root_ + vexahost::kPathSeparator + name).removeFile(true);
  subDirects_.erase(it);
  return true;
}

bool DesignNoteParser::addScriptFile(const std::string& name, const std::string& context,
                                     const std::string& description) {
  if (name.empty() || context.empty() || scripts_.count(name) != 0) return false;
  DRScriptFile script(context, description, false);
  if (!script.saveScriptFile(getScriptFileFullPath(name))) return false;
  scripts_.insert(name);
  return true;
}

bool DesignNoteParser::delScriptFile(const std::string& name) {
  const auto it = scripts_.find(name);
  if (it == scripts_.end()) return false;
  vexahost::Pathname(getScriptFileFullPath(name)).removeFile(false);
  scripts_.erase(it);
  return true;
}

}  // namespace vexadr
