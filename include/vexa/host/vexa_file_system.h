// VexaFileSystem: the host application's folders, its per-device file
// systems, and running programs.
//
// Two kinds of use:
//  - the static folders and services (resource folder, temporary folder,
//    script path, Perl path, ExecuteCmd) that the whole system reaches;
//  - the project and baseline file systems, two process-wide objects that a
//    host (our tools, or a test) configures with the stored configuration and
//    delta file of each device; the running-configuration listing reads them.
//
// Folders are returned ending in kPathSeparator so that relative names are
// appended directly.  Each folder can be set through this API or through an
// environment variable (VEXA_RESOURCE_DIR, VEXA_TEMP_DIR, VEXA_CACHE_DIR,
// VEXA_PERL); a value
// set through the API wins, and setting an empty value restores the default.
#ifndef VEXA_HOST_VEXA_FILE_SYSTEM_H_
#define VEXA_HOST_VEXA_FILE_SYSTEM_H_

#include <map>
#include <string>
#include <vector>

namespace vexahost {

class VexaFileSystem {
 public:
  // ---- per-device file system (project or baseline) ----

  // Path of the device's stored configuration; empty when none is set.
  // type and create are accepted for the host's signature and not read.
  std::string GetConfigFilePath(const std::string& device, int type = 0, bool create = false) const;
  // Path of the device's delta file; empty when none is set.
  std::string GetConfigDeltaFilePath(const std::string& device) const;

  void SetConfigFilePath(const std::string& device, const std::string& path);
  void SetConfigDeltaFilePath(const std::string& device, const std::string& path);
  // Forgets every device.
  void Clear();

  // The process-wide file systems of the current project and its baseline.
  static VexaFileSystem* GetCurrProjectFileSystem();
  static VexaFileSystem* GetCurrBaselineFileSystem();

  // ---- folders ----

  // The folder set through this API, else VEXA_RESOURCE_DIR, else the
  // resource folder installed beside the library (share/vexa/ found from the
  // library's own location, so an installed tree may be moved), else the
  // source tree's resources/ folder compiled in for the build tree, else the
  // data folder of the configured install prefix.
  static std::string GetSystemResourceFolder();
  static void SetSystemResourceFolder(const std::string& folder);

  // VEXA_TEMP_DIR, else a private folder "vexa-<uid>" under $TMPDIR or /tmp,
  // created (mode 0700) on first use.  A configured folder is created when
  // missing.  When "vexa-<uid>" exists but is not the user's own folder, a
  // fresh "vexa-<uid>-XXXXXX" is made instead and kept for the process.
  static std::string GetTempFolder();
  static void SetTempFolder(const std::string& folder);

  // Where files that can be made again are kept between runs (the grammar
  // images): the folder set through this API, else VEXA_CACHE_DIR, else
  // $XDG_CACHE_HOME/vexa, else $HOME/.cache/vexa.  Empty (no cache) when
  // VEXA_CACHE_DIR is set but empty, or no folder is known.  Not created
  // here: a writer creates it.
  static std::string GetCacheFolder();
  static void SetCacheFolder(const std::string& folder);

  // Resource folder + "scripts" + separator + name.
  static std::string GetScriptFilePath(const std::string& name);

  // VEXA_PERL, else "perl" found on PATH (its full path), else "perl".
  static std::string GetPerlExepath();
  static void SetPerlExepath(const std::string& path);

  // Where program would be started from: a path with a separator that names
  // an executable file is itself, a bare name is searched on PATH; "" when
  // neither gives an executable file.
  static std::string FindExecutable(const std::string& program);

  // ---- programs ----

  // Runs program with the argument text.  The program text and the argument
  // text are split by the Windows command-line rules (SplitCommandLine); the
  // first word of the program text is the executable, searched on PATH when
  // it has no separator.  A program text that names an existing file as a
  // whole is taken as it is, so a path with blanks needs no quotes.  The
  // program is started directly, never through a shell, with the caller's
  // standard input, output and error.  With wait true the call returns when the program has ended.
  // showWindow is accepted for the host's signature and not read.
  // Returns the program's exit status (0 to 255), 128 + signal number when it
  // was killed by a signal, 0 when not waited for, and -1 when it could not be
  // started (no program word, an argument with a NUL byte, spawn failed).
  static int ExecuteCmd(const std::string& program, const std::string& arguments,
                        bool showWindow = false, bool wait = true);

  // Splits a command line into arguments by the Windows rules:
  //  - blanks and tabs outside double quotes separate arguments;
  //  - a double quote toggles quoting and is removed ("" inside quotes gives a
  //    literal quote);
  //  - 2n backslashes followed by a quote give n backslashes and the quote
  //    toggles; 2n+1 backslashes followed by a quote give n backslashes and a
  //    literal quote; backslashes not followed by a quote are literal (so a
  //    trailing backslash stays).
  //  - an empty quoted argument ("") is kept as an empty argument.
  static std::vector<std::string> SplitCommandLine(const std::string& text);

 private:
  std::map<std::string, std::string> configPaths_;
  std::map<std::string, std::string> deltaPaths_;
};

}  // namespace vexahost

#endif  // VEXA_HOST_VEXA_FILE_SYSTEM_H_
