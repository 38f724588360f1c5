// VexaParserUtil: the static entry points of the parser library.
//
// The host calls createParserResource once before it opens the first
// terminal and destroyParserResource after the last one; in between the
// resources (mode trees, prompts, key tables, command order table) are
// read-only.  Later parts of the library add the configuration algorithms
// (building configuration trees, merge, fallback, section search) to this
// class; each group of members is defined in its own source file.
#ifndef VEXA_PARSER_VEXA_PARSER_UTIL_H_
#define VEXA_PARSER_VEXA_PARSER_UTIL_H_

// ---- configuration algebra (src/parser/model/) ----
#include <string>
#include <vector>

#include "vexa/parser/config_hint.h"

namespace vexaparser {

class CiscoCommandLine;

class VexaParserUtil {
 public:
  // ---- parser resources ----

  // Calls createNewParserResource().
  static void createParserResource();
  // Builds the process-wide resources in this order: key tables (every file
  // of "files/keyfiles/" when that folder exists), the view, execution and
  // configuration mode trees with their root prompts ">", "#", "(config)#",
  // then the command order table.  A resource file that cannot be opened ends
  // the call silently at that step; what was built before stays.  Does not
  // read the command flag file (see setOverwriteCmds).
  static void createNewParserResource();
  // Destroys every mode tree and the template commands of the command order
  // table.  Nodes stay in the node pool; key tables, prompts and shared mode
  // files stay too.
  static void destroyParserResource();
  // Both call destroyParserResource() and return true.
  static bool Destroy();
  bool Cleanup();

  // Whether all three mode trees are loaded.  A terminal needs them: it is
  // not supported to create one while this is false, and the terminal
  // refuses (see VTY).
  static bool resourcesReady();

  // Empties the overwrite set (overwriteCommandKeys()) and fills it with
  // ParserToolCase::getKeyStr of every non-empty line of
  // "files/commandflag/cisco.flg".  Throws ParserException when the file
  // cannot be opened (the set is then empty).
  static void setOverwriteCmds();

  // Fills the command order table from "files/commandorder/".  The last step
  // of resource creation.
  static void fillCmdOrderTable();

  // ---- configuration algebra: building, ordering, merge, fallback ----
  // Defined in src/parser/model/.  Every operation that builds trees
  // releases them before it returns; texts go in and come out.  They need
  // the parser resources (resourcesReady()); without them no text can be
  // parsed, and each says below what it returns then.

  // Turns configuration text into one command per non-empty line, appended
  // to out in line order (children included: each is also linked into the
  // children of its mode command).  A scratch terminal ("hostName", not a
  // command line) in configuration mode matches the lines.  When a line
  // fails to parse, errorLine/errorText describe it (the last such line).
  // Returns the result of the last line parsed.  The caller owns every
  // command: release the list with releaseCmdInfo, not deleteCommandTree.
  static bool getCmdInfo(const std::string& text, std::vector<CiscoCommandLine*>& out,
                         std::string& errorText, int& errorLine);
  // Destroys every command of a getCmdInfo list one by one (the list holds
  // the children too) and empties it.
  static void releaseCmdInfo(std::vector<CiscoCommandLine*>& commands);
  // The "?" help of the partial configuration text command at every mode
  // level (VTY::hintCommand on a scratch terminal in configuration mode).
  // False when the resources are not loaded.
  static bool hintCommand(std::string& command, std::string& second,
                          std::vector<ConfigHint>& hints);
  // Orders sibling commands in place: a selection sort in which commands
  // read from a text keep their line order and a new command (line number
  // 0) moves ahead of one with a higher order number.  The comparison is
  // not a strict weak ordering; the result is that of this exact sort.
  static void SortCiscoCommands(std::vector<CiscoCommandLine*>& commands);

  // The configuration text as it stands after newCommands are applied to
  // configuration.  An empty argument returns the other one unchanged;
  // without parser resources configuration comes back unchanged (the
  // stored configuration is never replaced by nothing).
  static std::string mergeConfigCmds(const std::string& newCommands,
                                     const std::string& configuration);
  // The commands that take the configuration current back to target: with
  // wholeFile non-zero a comparison of the two whole configurations, else
  // the incremental variant that also re-adds target lines removed by "no"
  // forms of current.  An empty current returns target unchanged; without
  // parser resources nothing can be compared and the result is empty.
  static std::string fallbackConfigCmds(const std::string& current, const std::string& target,
                                        unsigned wholeFile);
  // text through the configuration tree and back (transformCmds, then
  // expandMergedCmds at level 0): the form merge and fallback write.
  // Without parser resources text comes back unchanged.
  static std::string normalizeConfigCmds(const std::string& text);

 private:
  // getCmdInfo, keeping only the top-level commands in out (the rest hang
  // below them).  A line the terminal left without a parent inside a
  // sub-mode is linked below the command that opened its level.  The caller
  // releases out with deleteCommandTree.
  static bool transformCmds(const std::string& text, std::vector<CiscoCommandLine*>& out,
                            std::string& errorText, int& errorLine);
  // Applies newList to baseList (the children of parent, or the top level
  // when parent is null) by the commands' flags; then sorts baseList.
  static void mergeCiscoCommands(const std::vector<CiscoCommandLine*>& newList,
                                 std::vector<CiscoCommandLine*>& baseList,
                                 CiscoCommandLine* parent);
  // Writes commands back as configuration text, children indented one blank
  // per level, a mode command closed by a "!" line at its own indentation.
  static std::string expandMergedCmds(const std::vector<CiscoCommandLine*>& commands, int level);
  // Whole-file fallback of one level: undo lines of current, then the lines
  // of target missing from current; appended to out (owned by the caller).
  static void fallbackCiscoCommandFile(const std::vector<CiscoCommandLine*>& current,
                                       const std::vector<CiscoCommandLine*>& target,
                                       std::vector<CiscoCommandLine*>& out,
                                       CiscoCommandLine* parent);
  // Incremental fallback of one level (understands "no" forms in current).
  static void fallbackCiscoCommands(const std::vector<CiscoCommandLine*>& current,
                                    const std::vector<CiscoCommandLine*>& target,
                                    std::vector<CiscoCommandLine*>& out, CiscoCommandLine* parent);
  // A new command (owned by the caller) that inverts command: its original
  // command with "no " added or taken away.
  static CiscoCommandLine* createNoCommand(const CiscoCommandLine* command);
};

}  // namespace vexaparser

#endif  // VEXA_PARSER_VEXA_PARSER_UTIL_H_
