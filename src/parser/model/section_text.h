// SectionText: one configuration text as the section searches read it, cut
// into lines once, with the indexes that let a search visit only the lines
// that can matter to it.
//
// The searches (GetCmdsFromConfig and the extraction operations on top of
// it) read the text line by line, examine the lines that begin with the
// key's first word and hand them to a scratch terminal.  Callers ask for one
// section after another of the same configuration, so the cut text, the
// indexes and what the scratch terminal answered (the ParseMemo) are kept
// for the last few texts (sectionTextFor) and reused while the text and the
// loaded grammar stay the same.
//
// Internal to src/parser/model/.  Not thread-safe, like the rest of the
// parser.
#ifndef VEXA_SRC_PARSER_MODEL_SECTION_TEXT_H_
#define VEXA_SRC_PARSER_MODEL_SECTION_TEXT_H_

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "vexa/parser/grammar.h"

namespace vexaparser::model {

// What the scratch terminal built for one line in one state (ScratchFeed).
struct FeedOutcome {
  // The command's original command; empty for a line the terminal does not
  // parse (a blank line, a line beginning with "end") or recognise ("!").
  std::string original;
  int level = 0;
  // The line parsed: the terminal's state moved on.  A failed line leaves
  // the state as it was.
  bool parsed = false;
};

// The scratch terminal's answers for one text, by state and line.  A state
// is the list of lines fed since the terminal last stood at the top of
// configuration mode, interned as a number (0: at the top); see
// ScratchFeed.
struct ParseMemo {
  struct StateHash {
    std::size_t operator()(const std::vector<uint32_t>& state) const;
  };
  struct Answer {
    FeedOutcome outcome;
    uint32_t next = 0;  // the state after the line
  };
  ParseMemo() : states(1) { stateIds.emplace(states.front(), 0); }
  // The number of state, interned when new.
  uint32_t intern(const std::vector<uint32_t>& state);

  std::vector<std::vector<uint32_t>> states;
  std::unordered_map<std::vector<uint32_t>, uint32_t, StateHash> stateIds;
  // (state << 32 | line id) -> answer.
  std::unordered_map<uint64_t, Answer> answers;
  // By line id: the state of the last answer looked up for the line, and
  // that answer.  Searches of one text mostly meet a line in the same state
  // as before, and a vector is read faster than the map.
  std::vector<std::pair<uint32_t, const Answer*>> lastByLine;
};

// The candidates of one first word read with no section matched: the
// state after each and what the terminal built for it, and where each
// built text could match a key, so that a search can jump to the next
// candidate its key matches.  The run stops at the first candidate whose
// state a ScratchFeed cannot describe.
struct PlainRun {
  int searches = 0;  // searches that asked for it
  bool built = false;
  std::vector<uint32_t> states;             // after candidate k
  std::vector<const FeedOutcome*> answers;  // for candidate k, kept in the ParseMemo
  // ParserToolCase::strInCmd(command, key) holds only when the key without
  // its blanks, tabs and line feeds is the command's text so stripped up to
  // the end of one of its words.  Each such stripped beginning -> the
  // candidates k whose command has it, ascending.
  std::unordered_map<std::string, std::vector<uint32_t>> byWordPrefix;
  // The same for the candidate lines themselves (lowered, leading blanks
  // cut), which a sub-interface key also matches.
  std::unordered_map<std::string, std::vector<uint32_t>> lineByWordPrefix;
};

// The banner reading of the section search: a line that begins with the
// word "banner" opens a banner whose delimiter is the first character of
// its third word; the following lines are banner text up to and including
// a line whose first character is the delimiter.
class BannerScan {
 public:
  // Whether the line (lowered, lowered and trimmed of leading blanks) is
  // part of a banner; advances the state.
  bool consume(std::string_view lowered, std::string_view trimmed);
  bool open() const { return open_; }
  void close() { open_ = false; }

 private:
  bool open_ = false;
  char delimiter_ = 0;
};

class SectionText {
 public:
  explicit SectionText(std::string configuration);
  SectionText(const SectionText&) = delete;
  SectionText& operator=(const SectionText&) = delete;

  const std::string& text() const { return text_; }
  std::size_t lineCount() const { return lines_.size(); }

  // Line i as read: without its line feed and a carriage return before it.
  std::string_view read(std::size_t i) const;
  // Line i with pager residue removed (ParserToolCase::removeMore).
  std::string_view cleaned(std::size_t i) const;
  // The cleaned line holds nothing but blanks, tabs and carriage returns.
  bool blank(std::size_t i) const { return lines_[i].blank; }
  // The cleaned line lowered.
  std::string lowered(std::size_t i) const;
  // The text a search hands to the scratch terminal for line i: the block
  // search feeds the cleaned line, the access-list search the line as read
  // without trailing blanks.  Each form has its own id.
  static uint32_t blockLineId(std::size_t i) { return static_cast<uint32_t>(2 * i); }
  static uint32_t aclLineId(std::size_t i) { return static_cast<uint32_t>(2 * i + 1); }
  std::string_view fedText(uint32_t id) const;
  // Byte range of line i in text(), its line feed included.
  std::size_t lineStart(std::size_t i) const { return lines_[i].start; }
  std::size_t lineEnd(std::size_t i) const;

  // The lines a plain top-level reading examines as candidates for a key
  // whose first word is word (lowered): not blank, not banner text, and
  // beginning (after leading blanks and tabs, lowered) with that word.
  const std::vector<uint32_t>& candidates(const std::string& word);
  // The plain top-level reading (no section matched) is inside a banner
  // when it reaches line i.
  bool bannerOpenBefore(std::size_t i) const { return lines_[i].bannerOpenBefore; }
  // The lines whose text as read begins with prefix, in line order.
  std::vector<uint32_t> linesBeginningWith(const std::string& prefix) const;

  ParseMemo& memo() { return memo_; }
  // The plain run of the candidates of word; filled by its first user.
  PlainRun& plainRun(const std::string& word) { return plainRuns_[word]; }

 private:
  struct Line {
    std::size_t start = 0;
    std::size_t length = 0;     // without the line end
    int32_t cleanedIndex = -1;  // into cleaned_ when pager residue was removed
    bool blank = false;
    bool bannerSkipped = false;
    bool bannerOpenBefore = false;
  };

  std::string text_;
  std::vector<Line> lines_;
  std::vector<std::string> cleaned_;
  // Lowered first word (after leading blanks) -> lines, for candidates().
  std::unordered_map<std::string, std::vector<uint32_t>> byFirstWord_;
  std::unordered_map<std::string, std::vector<uint32_t>> candidates_;
  // First token as read (up to a blank or tab; empty for an indented line)
  // -> lines, for linesBeginningWith().
  std::map<std::string, std::vector<uint32_t>, std::less<>> byFirstToken_;
  ParseMemo memo_;
  std::unordered_map<std::string, PlainRun> plainRuns_;
};

// The kept SectionText of text, made when none matches: the same text read
// under the same grammar.  The reference stays valid until the next call.
SectionText& sectionTextFor(const Grammar& grammar, const std::string& text);

// Begins with word followed by a blank, a tab or the end.
bool beginsWithWord(std::string_view text, std::string_view word);
// text without its leading blanks and tabs.
std::string_view withoutLeadingBlanks(std::string_view text);
// ParserToolCase::string2CutSpace on a view.
std::string_view cutTrailingBlanks(std::string_view line);

}  // namespace vexaparser::model

#endif  // VEXA_SRC_PARSER_MODEL_SECTION_TEXT_H_
