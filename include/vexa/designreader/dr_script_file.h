// DRScriptFile: one design-reader script stored as a ".cmf" file.
//
// A script file holds a short header (version, favourite flag, description)
// and the script text, called its context:
//
//   !!!Version,200
//   !!!Favourite,0|1
//   !!!Description:
//   !!!<description line>        (one such line per description line)
//   !!!Context:
//   <context, verbatim, without a final line end>
//
// Lines end in CR LF on disk; the reader turns CR LF into LF.  A file
// without the markers is a plain script: favourite, empty description, the
// whole text as context.  Saving checks the context (DRCheck) and, when it
// passes, writes the translated Perl program (DRTranslator) beside the
// script as stem + ".pl".  The companions stem + ".map", ".sample1" and
// ".sample2" travel with the script when it is deleted or renamed.
//
// Used by the script library (DesignNoteParser) and by the host to edit
// scripts.  The object keeps no open file.
#ifndef VEXA_DESIGNREADER_DR_SCRIPT_FILE_H_
#define VEXA_DESIGNREADER_DR_SCRIPT_FILE_H_

#include <string>

namespace vexadr {

class DRScriptFile {
 public:
  // Reads the script at path.  A missing or unreadable file leaves every
  // string empty and the favourite flag true.
  explicit DRScriptFile(const std::string& path);
  // A script in memory, without file name or path.
  DRScriptFile(const std::string& context, const std::string& description, bool favourite);

  // The base name of the path without extension ("x/Foo.cmf" -> "Foo").
  const std::string& getFileName() const { return fileName_; }
  const std::string& getDescription() const { return description_; }
  const std::string& getContext() const { return context_; }
  const std::string& getFilePath() const { return filePath_; }
  bool isFavourite() const { return favourite_; }

  // Store the value; with saveNow, save() too (its result is not reported).
  void setContext(const std::string& text, bool saveNow);
  void setDescription(const std::string& text, bool saveNow);
  void setFavourite(bool favourite, bool saveNow);

  // saveScriptFile(file path); false for a script without a file path.
  bool save();
  // Writes the script to path, removes a stale program beside it, and
  // writes a fresh one when the context passes the checker and the
  // translator.  False only when the file cannot be created.  The object's
  // file name and path do not change.
  bool saveScriptFile(const std::string& path);

  // ---- companions (all paths are full paths) ----

  // stem + ".sample1" (index 1) or ".sample2" (index 2) when the script
  // exists, its path holds ".cmf" and that file exists; otherwise "".
  static std::string getSampleFileFullPath(const std::string& scriptPath, int index);
  // Copies source over stem + ".sample1" (index 1) or ".sample2" (any other
  // index).  False when source or script is missing or the path holds no
  // ".cmf"; otherwise true, whether or not the copy worked.
  static bool setSampleFile(const std::string& scriptPath, const std::string& sourcePath,
                            int index);
  // stem + ".map" when the script, ".cmf" in its path and the map exist.
  static std::string getSampleMapFullPath(const std::string& scriptPath);
  // Copies source over stem + ".map"; false when script or source is
  // missing or the path holds no ".cmf".
  static bool setSampleMap(const std::string& scriptPath, const std::string& sourcePath);
  // Deletes stem + ".cmf", ".map", ".pl", ".sample1", ".sample2", passing
  // over files that are missing.  Nothing happens when the script does not
  // exist or its path holds no ".cmf".
  static void delScriptFile(const std::string& scriptPath);
  // Deletes every script (with companions) below folder, recursively, then
  // the folder itself.  Entries whose names begin with "." are left alone.
  static void delScriptFiles(const std::string& folder);
  // Moves folder + oldName + ext to folder + newName + ext for ".cmf",
  // ".pl", ".map", ".sample1", ".sample2"; folder ends in a separator.  A
  // move whose source is missing or whose target exists is skipped.  False
  // when folder or the old script is missing or newName is empty.
  static bool renameScriptFile(const std::string& folder, const std::string& oldName,
                               const std::string& newName);

 private:
  void parse(const std::string& text);
  // The whole file text of this script, with LF line ends.
  std::string formatText() const;

  std::string fileName_;
  std::string description_;
  std::string context_;
  std::string filePath_;
  bool favourite_ = true;
};

}  // namespace vexadr

#endif  // VEXA_DESIGNREADER_DR_SCRIPT_FILE_H_
