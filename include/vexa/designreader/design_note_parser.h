// DesignNoteParser: the design-reader script library, one folder per node,
// and the runs of its scripts.
//
// A node holds a folder (stored without a trailing separator), the names of
// its scripts (the ".cmf" files, without extension) and a node per
// sub-folder.  The host lists and edits the library through nodes.
//
// The static operations run scripts: a script is translated into a Perl
// program, the user's picks are written as variable files (UIVariableForDR),
// the host's Perl interpreter runs the program (VexaFileSystem::ExecuteCmd,
// never through a shell) with the configuration file, a result file and the
// variable folder, and the result file is read back as text or as a
// DRResultTree.  Every temporary file of a run (program, result file,
// variable folder) is gone when the call returns, whether or not the run
// worked.  Two runs of the same script must not overlap in one temporary
// folder: the temporary names derive from the script name.
//
// Nothing throws; failures are answered with false, "" or null.
#ifndef VEXA_DESIGNREADER_DESIGN_NOTE_PARSER_H_
#define VEXA_DESIGNREADER_DESIGN_NOTE_PARSER_H_

#include <list>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace vexadr {

class DRResultTree;
class UIVariableForDR;

class DesignNoteParser {
 public:
  using SubDirects = std::map<std::string, std::unique_ptr<DesignNoteParser>>;
  using ScriptNames = std::set<std::string>;

  // A node for folder (one trailing separator dropped); with build, read
  // from disk at once (genScriptFileTree).
  DesignNoteParser(const std::string& folder, bool build);
  ~DesignNoteParser();
  // Copies are deep: each copy owns its own sub-folder nodes.
  DesignNoteParser(const DesignNoteParser& other);
  DesignNoteParser& operator=(const DesignNoteParser& other);

  const std::string& getRootDirct() const { return root_; }
  const SubDirects& getSubDirects() const { return subDirects_; }
  const ScriptNames& getScriptFiles() const { return scripts_; }
  // root + separator + name + ".cmf".
  std::string getScriptFileFullPath(const std::string& name) const;

  // Adds what the folder holds: files with ".cmf" in their names as scripts
  // (name up to the last "."), sub-folders as nodes read recursively;
  // entries beginning with "." are skipped.  False when the folder is
  // missing.
  bool genScriptFileTree();
  // Creates the sub-folder and its node; false for an empty name, a name
  // with a separator, a name already present or a folder that cannot be
  // made.
  bool addSubDirect(const std::string& name);
  // Removes the sub-folder from disk with everything in it, and its node;
  // false when the name is not present.
  bool delSubDirect(const std::string& name);
  // Saves a new script (not a favourite) as name + ".cmf"; false for an
  // empty name or context, a name already present, or a failed save.
  bool addScriptFile(const std::string& name, const std::string& context,
                     const std::string& description);
  // Deletes name + ".cmf" only (companions stay) and forgets the name;
  // false when the name is not present.
  bool delScriptFile(const std::string& name);

  // ---- runs (design_note_run.cpp) ----

  // The checker's report, or when it is empty the translator's error text;
  // empty when the script is usable.  Nothing is run.
  static std::string checkScriptFile(const std::string& text);
  // Translates the script into the temporary folder, runs it on the
  // configuration and returns the result file's text; "" when a path is
  // empty or missing, the context is empty, or no result file was written.
  // variables may be null.
  static std::string getDesignNote(const std::string& scriptPath, const std::string& configPath,
                                   const UIVariableForDR* variables);
  // Runs the program saved beside the script (stem + ".pl"; it is not made
  // here) and reads the result into a tree owned by the caller; null when a
  // path is missing, the program is missing, the context is empty or no
  // result file was written.
  static std::unique_ptr<DRResultTree> getDesignNoteTree(const std::string& scriptPath,
                                                         const std::string& configPath,
                                                         const UIVariableForDR* variables);
  // Runs each script into a tree and merges the numbered lines (the first
  // script to report a line number wins): the texts in line-number order,
  // each followed by CR LF.
  static std::string getResultByMultiFilters(const std::vector<std::string>& scriptPaths,
                                             const std::string& configPath,
                                             const UIVariableForDR* variables);
  // getUsefulFiles(resource folder + "ConfigLetParser", configPath).
  static std::unique_ptr<DesignNoteParser> getUsefulFiles(const std::string& configPath);
  // The part of the library below folder that holds the favourite scripts
  // whose run finds something in the configuration; null when none does.
  static std::unique_ptr<DesignNoteParser> getUsefulFiles(const std::string& folder,
                                                          const std::string& configPath);
  // Appends tree as configuration-like text: each top-level numbered line
  // with its paragraph between lines "!", CR LF line ends.  lineCounter
  // counts the text lines; closeLines gets the text line of each top-level
  // closing-tag line.  False for a null tree.
  static bool BuildSyntaxStringFromTree(const DRResultTree* tree, int depth, std::string& text,
                                        std::list<int>& closeLines, int& lineCounter);

  // The exit status of the last interpreter run (-1 when it could not be
  // started), for callers that want to tell a failed run from an empty
  // one.  Process-wide, like the rest of the run state.
  static int lastRunStatus();

 private:
  // A node built from parts, without reading the disk.
  explicit DesignNoteParser(const std::string& folder);

  std::string root_;
  SubDirects subDirects_;
  ScriptNames scripts_;
};

}  // namespace vexadr

#endif  // VEXA_DESIGNREADER_DESIGN_NOTE_PARSER_H_
