// ScratchFeed: the scratch terminal of one section search.
//
// A search hands some lines of a configuration, in order, to one scratch
// terminal (host name "hostName", keywords in full) that stands in
// configuration mode, and reads the command it builds for each line.  What
// the terminal builds depends only on the line and the terminal's state:
// the sub-modes it stands in, an open banner text and the banner delimiter.
// While no banner text is open and no line could have set a delimiter, the
// lines fed since the terminal last stood at the top describe that state
// exactly: a line parsed at level d leaves the levels 1..d that the lines
// before it opened, and may open one more.  So the state is kept as that
// short list of lines, and the answers are kept in the text's ParseMemo by
// (state, line), to be reused by later searches of the same text.  A line
// the memo does not know goes to a live terminal, which first replays the
// state's lines when it does not stand in that state.  Whatever the list
// cannot describe (an open banner text, a possible new delimiter, a line
// with a carriage return inside, a change of the terminal's mode) sends the
// rest of the search to the live terminal alone.
//
// With reuse off every line goes to one live terminal from the start: the
// plain definition, kept for comparison.
//
// Internal to src/parser/model/.
#ifndef VEXA_SRC_PARSER_MODEL_SCRATCH_FEED_H_
#define VEXA_SRC_PARSER_MODEL_SCRATCH_FEED_H_

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "parser/model/section_text.h"

namespace vexaparser {
class CiscoCommandLine;
class VTY;
}  // namespace vexaparser

namespace vexaparser::model {

struct FeedOptions {
  // Answer from the memo where it is exact; off: one live terminal only.
  bool reuse = true;
};

class ScratchFeed {
 public:
  // Lines of text read with grammar; text keeps the memo (for this grammar,
  // sectionTextFor) and both must outlive the feed.
  ScratchFeed(const Grammar& grammar, SectionText& text, const FeedOptions& options);
  ~ScratchFeed();
  ScratchFeed(const ScratchFeed&) = delete;
  ScratchFeed& operator=(const ScratchFeed&) = delete;

  // The command the terminal builds for the line of id
  // (SectionText::fedText) fed in the current state.  The answer stays
  // valid until the next call.  Without a complete grammar every answer is
  // empty.
  const FeedOutcome& feed(uint32_t id);

  // Whether the state is still described by a state of the memo, and which.
  bool described() const { return described_; }
  uint32_t state() const { return state_; }
  // Continues from state (of the memo) as if the lines that lead there had
  // been fed; only while described.
  void jumpTo(uint32_t state) {
    if (state != state_) liveInState_ = false;
    state_ = state;
  }

 private:
  bool startLive();
  bool replayState();
  FeedOutcome feedLive(std::string_view line);
  bool liveStateDescribed(const FeedOutcome& outcome) const;
  const FeedOutcome& feedDescribed(uint32_t id, std::string_view line);
  void releaseCommands();

  const Grammar& grammar_;
  SectionText& text_;
  ParseMemo& memo_;
  // The terminal's state is memo_.states[state_]; false once it cannot be.
  bool described_ = true;
  uint32_t state_ = 0;
  std::unique_ptr<VTY> live_;
  bool liveInState_ = false;
  std::vector<CiscoCommandLine*> commands_;
  FeedOutcome last_;
  unsigned feedsSinceDrain_ = 0;
};

}  // namespace vexaparser::model

#endif  // VEXA_SRC_PARSER_MODEL_SCRATCH_FEED_H_
