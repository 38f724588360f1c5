// Runs of design-reader scripts: checking, translating into the temporary
// folder, starting the Perl interpreter, reading the result back, merging
// several scripts' findings and finding the scripts that find something.

#include "vexa/designreader/design_note_parser.h"

#include <cstdint>

#include "vexa/designreader/dr_check.h"
#include "vexa/designreader/dr_result_tree.h"
#include "vexa/designreader/dr_script_file.h"
#include "vexa/designreader/dr_translator.h"
#include "vexa/designreader/ui_variable.h"
#include "vexa/host/pathname.h"
#include "vexa/host/vexa_file_system.h"

namespace vexadr {

namespace {

using vexahost::Pathname;
using vexahost::VexaFileSystem;

int lastStatus = 0;

bool isFile(const std::string& path) {
  const Pathname file(path);
  return !path.empty() && file.exists() && !file.isDirectory();
}

// The text of a double-quoted argument that the Windows splitting rules give
// back unchanged: a quote inside is written \" and the backslashes before a
// quote (the closing one included) are doubled.  For paths without quotes
// and without a trailing backslash this is the text itself.
std::string quotedBody(const std::string& text) {
  std::string out;
  size_t slashes = 0;
  for (char c : text) {
    if (c == '\\') {
      ++slashes;
    } else {
      if (c == '"') out.append(slashes + 1, '\\');
      slashes = 0;
    }
    out += c;
  }
  out.append(slashes, '\\');
  return out;
}

std::string translate(const std::string& context, const std::string& programPath) {
  DRTranslator translator(context, programPath);
  translator.translateScriptFile();
  return translator.errorText;
}

// The temporary files of one interpreter run other than the program: the
// result file and the variable folder.  Both are removed when the run object
// goes, whatever happened in between.
class ScriptRun {
 public:
  ScriptRun(const std::string& scriptName, const UIVariableForDR* variables) {
    const std::string temp = VexaFileSystem::GetTempFolder();
    resultPath_ = temp + scriptName + ".drtmp";
    // A stale result of an earlier run must not pass for this run's.
    Pathname(resultPath_).removeFile(false);
    if (variables != nullptr) {
      variableFolder_ = temp + std::to_string(reinterpret_cast<std::uintptr_t>(variables));
      Pathname(variableFolder_).removeFile(true);
      if (Pathname(variableFolder_).makeDirectories()) variables->save(variableFolder_);
    }
  }
  ~ScriptRun() {
    Pathname(resultPath_).removeFile(false);
    if (!variableFolder_.empty()) Pathname(variableFolder_).removeFile(true);
  }
  ScriptRun(const ScriptRun&) = delete;
  ScriptRun& operator=(const ScriptRun&) = delete;

  // Runs the interpreter on program with the configuration, the result file
  // and the variable folder as its three arguments; waits for it.
  void execute(const std::string& program, const std::string& configPath) {
    const std::string perl = "\"" + quotedBody(VexaFileSystem::GetPerlExepath()) + "\"";
    const std::string arguments = "\"" + quotedBody(program) + "\" \"" + quotedBody(configPath) +
                                  "\" \"" + quotedBody(resultPath_) + "\" \"" +
                                  quotedBody(variableFolder_) + "\\\\\"";
    lastStatus = VexaFileSystem::ExecuteCmd(perl, arguments, false, true);
  }

  const std::string& resultPath() const { return resultPath_; }

 private:
  std::string resultPath_;
  std::string variableFolder_;
};

}  // namespace

int DesignNoteParser::lastRunStatus() { return lastStatus; }

std::string DesignNoteParser::checkScriptFile(const std::string& text) {
  DRCheck check(text);
  check.syntaxCheck();
  std::string errors = check.getErrStr();
  if (errors.empty()) {
    const std::string program = VexaFileSystem::GetTempFolder() + "DRCheck.pl";
    errors += translate(text, program);
    Pathname(program).removeFile(false);
  }
  return errors;
}

std::string DesignNoteParser::getDesignNote(const std::string& scriptPath,
                                            const std::string& configPath,
                                            const UIVariableForDR* variables) {
  if (!isFile(scriptPath) || !isFile(configPath)) return std::string();
  const DRScriptFile script(scriptPath);
  if (script.getContext().empty()) return std::string();

  const std::string program = VexaFileSystem::GetTempFolder() + script.getFileName() + ".pl";
  translate(script.getContext(), program);
  std::string text;
  {
    ScriptRun run(script.getFileName(), variables);
    run.execute(program, configPath);
    if (!Pathname(run.resultPath()).readAll(text)) text.clear();
  }
  Pathname(program).removeFile(false);
  return text;
}

std::unique_ptr<DRResultTree> DesignNoteParser::getDesignNoteTree(
    const std::string& scriptPath, const std::string& configPath,
    const UIVariableForDR* variables) {
  if (!isFile(scriptPath) || !isFile(configPath)) return nullptr;
  const size_t dot = scriptPath.rfind('.');
  const std::string program =
      (dot == std::string::npos ? scriptPath : scriptPath.substr(0, dot)) + ".pl";
  if (!isFile(program)) return nullptr;
  const DRScriptFile script(scriptPath);
  if (script.getContext().empty()) return nullptr;

  ScriptRun run(script.getFileName(), variables);
  run.execute(program, configPath);
  if (!isFile(run.resultPath())) return nullptr;
  return std::make_unique<DRResultTree>(run.resultPath());
}

std::string DesignNoteParser::getResultByMultiFilters(const std::vector<std::string>& scriptPaths,
                                                      const std::string& configPath,
                                                      const UIVariableForDR* variables) {
  std::map<int, std::string> lines;
  for (const std::string& path : scriptPaths) {
    const std::unique_ptr<DRResultTree> tree = getDesignNoteTree(path, configPath, variables);
    if (tree) tree->getAllLines(lines);
  }
  std::string text;
  for (const auto& [number, line] : lines) text += line + "\r\n";
  return text;
}

std::unique_ptr<DesignNoteParser> DesignNoteParser::getUsefulFiles(const std::string& configPath) {
  if (!isFile(configPath)) return nullptr;
  return getUsefulFiles(VexaFileSystem::GetSystemResourceFolder() + "ConfigLetParser", configPath);
}

std::unique_ptr<DesignNoteParser> DesignNoteParser::getUsefulFiles(const std::string& folder,
                                                                   const std::string& configPath) {
  std::unique_ptr<DesignNoteParser> kept(new DesignNoteParser(folder));
  const Pathname place(kept->root_);
  if (!place.isDirectory() || !isFile(configPath)) return nullptr;
  for (const Pathname& entry : place.dirContents()) {
    const std::string name = entry.file();
    if (name.empty() || name[0] == '.') continue;
    if (entry.isDirectory()) {
      std::unique_ptr<DesignNoteParser> sub = getUsefulFiles(entry.data(), configPath);
      if (sub) kept->subDirects_[name] = std::move(sub);
    } else if (name.find(".cmf") != std::string::npos) {
      const DRScriptFile script(entry.data());
      if (script.isFavourite() && !script.getContext().empty() &&
          !getDesignNote(entry.data(), configPath, nullptr).empty()) {
        kept->scripts_.insert(name.substr(0, name.rfind('.')));
      }
    }
  }
  if (kept->scripts_.empty() && kept->subDirects_.empty()) return nullptr;
  return kept;
}

bool DesignNoteParser::BuildSyntaxStringFromTree(const DRResultTree* tree, int depth,
                                                 std::string& text, std::list<int>& closeLines,
                                                 int& lineCounter) {
  if (tree == nullptr) return false;
  static const std::string kSeparator = "!\r\n";
  for (const auto& line : tree->getLines()) {
    if (!line) continue;
    const bool numbered = line->number != -1;
    if (depth == 0 && numbered && text.size() > 3 &&
        text.compare(text.size() - kSeparator.size(), kSeparator.size(), kSeparator) != 0) {
      text += kSeparator;
      ++lineCounter;
    }
    text += line->text + "\r\n";
    ++lineCounter;
    if (depth == 0 && line->tagKind == 2) closeLines.push_back(lineCounter);
    if (line->subTree)
      BuildSyntaxStringFromTree(line->subTree.get(), depth + 1, text, closeLines, lineCounter);
    if (depth == 0 && numbered) {
      text += kSeparator;
      ++lineCounter;
    }
  }
  return true;
}

}  // namespace vexadr
