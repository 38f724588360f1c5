// VexaParserUtil: the static entry points of the parser library.
//
// The host calls createParserResource once before it opens the first
// terminal and destroyParserResource after the last one; in between the
// default grammar (mode trees, prompts, key tables, command order table,
// overwrite set; parser_resources.h) is only read.  The configuration
// algorithms (building configuration trees, merge, fallback, section
// search) are statics too: each comes in the documented form, which works
// on the default grammar, and in a form that takes the grammar explicitly.
// Each group of members is defined in its own source file.
#ifndef VEXA_PARSER_VEXA_PARSER_UTIL_H_
#define VEXA_PARSER_VEXA_PARSER_UTIL_H_

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "vexa/parser/config_hint.h"
#include "vexa/parser/config_result.h"

namespace vexaparser {

class CiscoCommandLine;
class Grammar;

// The kind of a configuration section search (GetCmdsFromConfig); the
// values are stored by callers.
enum SEARCHTYPE {
  SEARCH_BODY = 0,         // the lines inside each matching block
  SEARCH_HEADERS = 1,      // each matching header line, as read
  SEARCH_BLOCK = 2,        // each matching header completed, then its block
  SEARCH_NONE = 3,         // nothing
  SEARCH_ACL = 4,          // one access list in both syntaxes, named entries too
  SEARCH_ACL_HEADERS = 5,  // as SEARCH_ACL, only the first line of a named list
  SEARCH_ACL_BLOCK = 6,    // as SEARCH_ACL
};

class VexaParserUtil {
 public:
  // ---- parser resources (the default grammar) ----

  // Calls createNewParserResource().
  static void createParserResource();
  // Loads the default grammar (loadGrammar) from the host's resource folder:
  // key tables (every file of "files/keyfiles/" when that folder exists), the
  // view, execution and configuration mode trees with their root prompts
  // ">", "#", "(config)#", then the command order table.  It replaces the
  // grammar of an earlier creation and keeps its overwrite set.  A resource
  // file that cannot be opened ends the load silently at that step; what was
  // built before stays (ParserResources::loadError() tells what failed).
  // Does not read the command flag file (see setOverwriteCmds).
  static void createNewParserResource();
  // Drops the default grammar's mode trees and command order table: the
  // default becomes an empty grammar that keeps only the overwrite set.
  // Nodes stay valid (the grammar is kept until process end).
  static void destroyParserResource();
  // Both call destroyParserResource() and return true.
  static bool Destroy();
  bool Cleanup();

  // Whether all three mode trees of the default grammar are loaded.  A
  // terminal needs them: it is not supported to create one while this is
  // false, and the terminal refuses (see VTY).
  static bool resourcesReady();

  // Empties the default grammar's overwrite set and fills it with
  // ParserToolCase::getKeyStr of every non-empty line of
  // "files/commandflag/cisco.flg" of the host's resource folder.  Throws
  // ParserException when the file cannot be opened (the set is then empty).
  static void setOverwriteCmds();

  // Fills the default grammar's command order table from
  // "files/commandorder/" (fillCommandOrder, grammar_loader.h).  The last
  // step of resource creation.
  static void fillCmdOrderTable();

  // ---- configuration algebra: building, ordering, merge, fallback ----
  // Defined in src/parser/model/.  Every operation that builds trees
  // releases them before it returns (the ...Config forms hand them over in
  // their result); texts go in and come out.  They need a
  // grammar with all three mode trees; without one no text can be parsed,
  // and each says below what it returns then.

  // Turns configuration text into one command per non-empty line, appended
  // to out in line order (children included: each is also linked into the
  // children of its mode command).  A scratch terminal (scratch_terminal.h)
  // matches the lines.  When a line fails to parse, errorLine/errorText
  // describe it (the last such line).  Returns the result of the last line
  // parsed.  The caller owns every command: release the list with
  // releaseCmdInfo.
  static bool getCmdInfo(const std::string& text, std::vector<CiscoCommandLine*>& out,
                         std::string& errorText, int& errorLine);
  static bool getCmdInfo(const Grammar& grammar, const std::string& text,
                         std::vector<CiscoCommandLine*>& out, std::string& errorText,
                         int& errorLine);
  // releaseCommands: destroys the commands of a getCmdInfo list (children
  // with their parents) and empties it.
  static void releaseCmdInfo(std::vector<CiscoCommandLine*>& commands);
  // The "?" help of the partial configuration text command at every mode
  // level (VTY::hintCommand on a scratch terminal in configuration mode).
  // False when the grammar is not complete.
  static bool hintCommand(std::string& command, std::string& second,
                          std::vector<ConfigHint>& hints);
  static bool hintCommand(const Grammar& grammar, std::string& command, std::string& second,
                          std::vector<ConfigHint>& hints);
  // Orders sibling commands in place: a selection sort in which commands
  // read from a text keep their line order and a new command (line number
  // 0) moves ahead of one with a higher order number.  The comparison is
  // not a strict weak ordering; the result is that of this exact sort.
  static void SortCiscoCommands(std::vector<CiscoCommandLine*>& commands);

  // The configuration text as it stands after newCommands are applied to
  // configuration.  An empty argument returns the other one unchanged;
  // without a complete grammar configuration comes back unchanged (the
  // stored configuration is never replaced by nothing).
  static std::string mergeConfigCmds(const std::string& newCommands,
                                     const std::string& configuration);
  static std::string mergeConfigCmds(const Grammar& grammar, const std::string& newCommands,
                                     const std::string& configuration);
  // The commands that take the configuration current back to target: with
  // wholeFile non-zero a comparison of the two whole configurations, else
  // the incremental variant that also re-adds target lines removed by "no"
  // forms of current.  An empty current returns target unchanged; without
  // a complete grammar nothing can be compared and the result is empty.
  static std::string fallbackConfigCmds(const std::string& current, const std::string& target,
                                        unsigned wholeFile);
  static std::string fallbackConfigCmds(const Grammar& grammar, const std::string& current,
                                        const std::string& target, unsigned wholeFile);
  // text through the configuration tree and back (transformCmds, then
  // expandMergedCmds at level 0): the form merge and fallback write.
  // Without a complete grammar text comes back unchanged.
  static std::string normalizeConfigCmds(const std::string& text);
  static std::string normalizeConfigCmds(const Grammar& grammar, const std::string& text);
  // The three above with the trees each line was written from
  // (config_result.h): the same text, for writers that need to know what
  // each line is without parsing the text again.  With lines false the
  // result holds the text alone (what the three above return).
  static ConfigResult normalizeConfig(const Grammar& grammar, const std::string& text,
                                      bool lines = true);
  static ConfigResult mergeConfig(const Grammar& grammar, const std::string& newCommands,
                                  const std::string& configuration, bool lines = true);
  static ConfigResult fallbackConfig(const Grammar& grammar, const std::string& current,
                                     const std::string& target, unsigned wholeFile,
                                     bool lines = true);
  // The same three taking their texts over: each text is emptied as soon as
  // it has been read, so that a large text and the trees built from it do
  // not stand in memory together (a program that read a file for one of
  // these hands it over).  The results are those of the three above.  The
  // two texts of a merge or fallback are two different strings (they may
  // be read at the same time on two threads).
  static ConfigResult normalizeConfig(const Grammar& grammar, std::string&& text,
                                      bool lines = true);
  static ConfigResult mergeConfig(const Grammar& grammar, std::string&& newCommands,
                                  std::string&& configuration, bool lines = true);
  static ConfigResult fallbackConfig(const Grammar& grammar, std::string&& current,
                                     std::string&& target, unsigned wholeFile, bool lines = true);
  // One line of a normalized text as it is written: the line without its
  // line end, and the command that wrote it (null for a "!" line).  The
  // command and the commands it stands below live during the call only.
  using NormalizedLine =
      std::function<void(std::string_view line, const CiscoCommandLine* command)>;
  // The lines of normalizeConfig(grammar, text) handed over as they are
  // written (each with a line feed, they make its text), without the tree
  // ever standing whole in memory: only the top-level trees still open
  // live.  A large text is read in two parts on two threads: first gets
  // the lines from the start on, second (on the second thread) those from
  // where the parts meet.  Returns 2 when second's lines follow first's, 1
  // when first got them all (drop what second got), 0 when the text cannot
  // be handed over line by line (a command that writes other than one
  // line): drop what both got and take normalizeConfig.
  static int normalizeLines(const Grammar& grammar, const std::string& text,
                            const NormalizedLine& first, const NormalizedLine& second);

  // ---- configuration section search ----
  // Defined in src/parser/model/section_search.cpp; docs/config-algebra.md
  // describes the reading.  Configuration lines end at a line feed (a
  // carriage return before it belongs to the line end); lines that are
  // empty or blank are skipped.  Results are exactly those of feeding the
  // lines to one scratch terminal; repeated searches of the same text under
  // the same grammar reuse what earlier searches learned about it.

  // Appends to out the section of configuration that key names, one line
  // feed after every line; see SEARCHTYPE.  key is completed first
  // (completeConfigKey), so abbreviations and interface names as a user
  // types them are found in the text as the device writes them.  An empty
  // key, SEARCH_NONE, a key nothing can be completed from and a grammar that
  // is not complete append nothing.
  static void GetCmdsFromConfig(const std::string& configuration, std::string& out,
                                const std::string& key, SEARCHTYPE type);
  static void GetCmdsFromConfig(const Grammar& grammar, const std::string& configuration,
                                std::string& out, const std::string& key, SEARCHTYPE type);
  // ParserToolCase::isTheSameCmd: same key; with checkNo, one is the "no"
  // form of the other.
  static bool isTheSameCmd(const std::string& a, const std::string& b, bool checkNo);
  // Removes the block of interface name (as a user types it: "Gi0/1") from
  // the configuration file at path: its header line and every line up to
  // the line that ends the block, as the block search reads it (comment
  // lines inside included).  The file is rewritten through a temporary file
  // in its own folder that then replaces it.  True when the file was read
  // and, if it held the interface, rewritten; false for a file that cannot
  // be read, a name the terminal does not recognise as one interface
  // ("Gi", ""), a grammar that is not complete, or a failed write or
  // replace, and the file is then left untouched.  An interface the file
  // does not hold changes nothing and gives true.
  static bool removeInterfaceFromConfigFile(const std::string& path, const std::string& name);
  static bool removeInterfaceFromConfigFile(const Grammar& grammar, const std::string& path,
                                            const std::string& name);
  // The key as the section search completes it: its words joined by single
  // blanks, read by a configuration terminal that runs as a command line
  // (abbreviations expanded, "Gi0/1" split into type and number), without
  // the line end and one trailing blank.  A key the terminal does not
  // recognise comes back as its joined words; empty when the key has no
  // words, begins with "end", or the grammar is not complete.
  static std::string completeConfigKey(const std::string& key);
  static std::string completeConfigKey(const Grammar& grammar, const std::string& key);

 private:
  // The ...Config functions; a text whose own string is given (given...)
  // is the caller's to give up, and is emptied once it has been read.
  static ConfigResult normalizeText(const Grammar& grammar, const std::string& text,
                                    std::string* givenText, bool lines);
  static ConfigResult mergeTexts(const Grammar& grammar, const std::string& newCommands,
                                 const std::string& configuration, std::string* givenNew,
                                 std::string* givenConfiguration, bool lines);
  static ConfigResult fallbackTexts(const Grammar& grammar, const std::string& current,
                                    const std::string& target, std::string* givenCurrent,
                                    std::string* givenTarget, unsigned wholeFile, bool lines);
  // getCmdInfo, keeping only the top-level commands in out (the rest hang
  // below them).  A line the terminal left without a parent inside a
  // sub-mode is linked below the command that opened its level.  The caller
  // releases out with releaseCommands.
  static bool transformCmds(const Grammar& grammar, const std::string& text,
                            std::vector<CiscoCommandLine*>& out, std::string& errorText,
                            int& errorLine);
  // Applies newList to baseList (the children of parent, or the top level
  // when parent is null) by the commands' flags; then sorts baseList.
  static void mergeCiscoCommands(const std::vector<CiscoCommandLine*>& newList,
                                 std::vector<CiscoCommandLine*>& baseList,
                                 CiscoCommandLine* parent);
  // Writes commands back as configuration text, children indented one blank
  // per level, a mode command closed by a "!" line at its own indentation.
  static std::string expandMergedCmds(const std::vector<CiscoCommandLine*>& commands, int level);
  // expandMergedCmds at level 0 into result; with lines, the command of
  // each line too.
  static void expandInto(const std::vector<CiscoCommandLine*>& commands, ConfigResult& result,
                         bool lines);
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
  // A new command that inverts command: its original command with "no "
  // added or taken away.
  static std::unique_ptr<CiscoCommandLine> createNoCommand(const CiscoCommandLine* command);
  // The block search (SEARCH_BODY, SEARCH_HEADERS, SEARCH_BLOCK) with a
  // completed key, over the default grammar.
  static void GetSpecialCmdsFromConfig(const std::string& configuration, const std::string& key,
                                       std::string& out, SEARCHTYPE type);
  // The access-list search (SEARCH_ACL to SEARCH_ACL_BLOCK) with a completed
  // key, over the default grammar.
  static void GetAclCmdsFromConfig(const std::string& configuration, const std::string& key,
                                   std::string& out, SEARCHTYPE type);
};

}  // namespace vexaparser

#endif  // VEXA_PARSER_VEXA_PARSER_UTIL_H_
