#include "parser/model/read_in_parts.h"

#include <algorithm>
#include <exception>
#include <future>
#include <memory>
#include <string_view>
#include <thread>

#include "parser/model/line_stream.h"
#include "parser/model/side_by_side.h"
#include "vexa/parser/command_mode.h"
#include "vexa/parser/config_line.h"
#include "vexa/parser/scratch_terminal.h"
#include "vexa/parser/vty.h"

namespace vexaparser::model {

namespace {

constexpr std::size_t kNoSplit = static_cast<std::size_t>(-1);

// The second reader looks whether it is still wanted this often.
constexpr std::size_t kStopCheckEvery = 256;

// A place in text with about as many line feeds before it as after it.
// Reading costs by the line more than by the byte, and the lines of a
// configuration differ in length from one section to the next (short
// interface settings, long access-list entries): a cut at the middle byte
// can leave one reader a fifth more lines than the other.
std::size_t middleByLines(std::string_view text) {
  const std::size_t half = text.size() / 2;
  const std::size_t before = countConfigLines(text.substr(0, half));
  const std::size_t after = countConfigLines(text.substr(half));
  std::size_t at = half;
  if (before > after) {
    for (std::size_t move = (before - after) / 2; move > 0 && at > 0; --move) {
      const std::size_t found = text.rfind('\n', at - 1);
      if (found == std::string_view::npos) break;
      at = found;
    }
  } else {
    for (std::size_t move = (after - before) / 2; move > 0 && at < text.size(); --move) {
      const std::size_t found = text.find('\n', at + 1);
      if (found == std::string_view::npos) break;
      at = found;
    }
  }
  return at;
}

// Where the line starts that the second reader begins with: the first line
// past the middle of the text (by lines) that stands at the left margin right after a
// "!" line, holds a command and is not the last; kNoSplit when there is none.
// A banner line is passed over: its text may run on below it.
std::size_t splitPoint(std::string_view text) {
  std::size_t at = text.find_first_of("\r\n", middleByLines(text));
  if (at == std::string_view::npos) return kNoSplit;
  ++at;  // a line starts here: the lines from here on are the text's own
  std::string_view previous;
  std::string_view line;
  if (!nextConfigLine(text, at, previous)) return kNoSplit;
  while (nextConfigLine(text, at, line)) {
    const bool candidate = line.front() != ' ' && line.front() != '\t' &&
                           configLineKind(line) == ConfigLineKind::kCommand &&
                           !mayNameBannerDelimiter(line) &&
                           configLineKind(previous) == ConfigLineKind::kComment;
    if (candidate && at < text.size()) return static_cast<std::size_t>(line.data() - text.data());
    previous = line;
  }
  return kNoSplit;
}

// Where the parts meet, the first reader reads on for up to this many lines
// in all.  The line where they meet often comes right after a sub-mode: the
// first terminal then closes levels on it and stands in another state than
// the second, which starts there, while on the next line both agree.
constexpr std::size_t kOverlap = 4;

// What a reader tells of one of the lines from where the parts meet: its
// state after the line, the line's command, where among those lines the
// command's parent is (kNoParent for none, kElsewhere for an earlier line),
// and the error the line gave (empty for none).  A command's own fields do
// not change after its line (later lines only add children to it), so it
// can be compared while the second reader goes on.
constexpr long kNoParent = -2;
constexpr long kElsewhere = -1;
struct MetLine {
  VTY::ReadingState state;
  const CiscoCommandLine* command = nullptr;
  long parentAt = kNoParent;
  std::string error;
};
using Met = std::vector<MetLine>;

// Reads line into commands with vty and tells of it as a MetLine; the
// line's own commands begin at metFrom.  errorText and errorLine keep the
// last error, as a reading does.
MetLine readTelling(VTY& vty, std::string_view line, VTY::LineCursor& cursor,
                    std::vector<CiscoCommandLine*>& commands, std::size_t metFrom,
                    std::string& errorText, int& errorLine) {
  const int errorBefore = errorLine;
  errorLine = 0;
  vty.readConfigLine(line, cursor, commands, errorText, errorLine, true);
  MetLine told;
  told.state = vty.readingState(cursor);
  told.command = commands.back();
  if (errorLine != 0) {
    told.error = std::to_string(errorLine) + errorText;
  } else {
    errorLine = errorBefore;
  }
  if (const CiscoCommandLine* parent = told.command->getParentCommand()) {
    told.parentAt = kElsewhere;
    for (std::size_t i = metFrom; i + 1 < commands.size(); ++i) {
      if (commands[i] == parent) told.parentAt = static_cast<long>(i - metFrom);
    }
  }
  return told;
}

// The first of the lines after which the two readers agree: their states
// equal and the line read without failing, and every line up to it read
// alike (content, links among these lines, error); -1 for none.  The first
// reader's lines link only among themselves.
long meetingLine(const Met& mine, const Met& theirs) {
  for (const MetLine& line : mine) {
    if (line.parentAt == kElsewhere) return -1;
  }
  const std::size_t lines = std::min(mine.size(), theirs.size());
  for (std::size_t j = 0; j < lines; ++j) {
    const MetLine& a = mine[j];
    const MetLine& b = theirs[j];
    if (a.parentAt != b.parentAt || a.error != b.error || !a.command->sameContent(*b.command)) {
      return -1;
    }
    if (b.state.result && a.state == b.state) return static_cast<long>(j);
  }
  return -1;
}

// What the second reader gives back.
struct SecondPart {
  std::vector<CiscoCommandLine*> commands;
  std::string errorText;
  int errorLine = 0;
  bool result = false;
};

}  // namespace

PartReads& partReads() {
  static PartReads reads;
  return reads;
}

bool worthReadingInParts(const std::string& text) {
  return text.size() >= readInPartsBytes().load(std::memory_order_relaxed) && !sharingCores() &&
         std::thread::hardware_concurrency() >= 2;
}

bool readInParts(const Grammar& grammar, const std::string& text,
                 std::vector<CiscoCommandLine*>& out, std::string& errorText, int& errorLine,
                 PartStreams* streams) {
  LineStream* const firstStream = streams == nullptr ? nullptr : streams->first;
  LineStream* const secondStream = streams == nullptr ? nullptr : streams->second;
  // Commands read go on to the stream of their part, if there is one.
  const auto handOn = [](LineStream* stream, std::vector<CiscoCommandLine*>& commands,
                         const VTY::LineCursor& reading) {
    if (stream != nullptr) stream->takeAll(commands, openCommands(reading));
  };
  std::unique_ptr<VTY> first = makeScratchTerminal(grammar);
  if (first == nullptr) {
    errorText = VTY::kNotReadyMessage;
    return false;
  }
  VTY::LineCursor cursor = first->startReading();
  if (firstStream != nullptr) cursor.spare = firstStream->spare();
  const std::size_t split = splitPoint(text);
  // Where the first reader goes on in the text.
  std::size_t next = 0;
  std::string_view line;
  std::vector<CiscoCommandLine*> firstPart;
  if (split != kNoSplit) {
    partReads().tried.fetch_add(1, std::memory_order_relaxed);
    const char startDelimiter = first->readingState(cursor).mode.bannerDelimiter;
    SecondPart second;
    std::promise<Met> met;
    std::future<Met> theirs = met.get_future();
    std::atomic<bool> stop{false};
    std::exception_ptr failed;
    std::thread other([&] {
      const SharingCores sharing;
      bool told = false;
      try {
        roomToGrow(treeRoom(text.size() - split));
        std::unique_ptr<VTY> vty = makeScratchTerminal(grammar);
        if (vty == nullptr) {
          met.set_value(Met());  // its result is false: never joined
          return;
        }
        // The lines before the split number this part's lines, and leave the
        // banner delimiter the first terminal will have by then; a wrong
        // guess only makes the states differ.
        const std::string_view head(text.data(), split);
        int before = 0;
        char delimiter = startDelimiter;
        std::size_t at = 0;
        std::string_view piece;
        while (nextConfigLine(head, at, piece)) {
          ++before;
          delimiter = CommandMode::bannerDelimiterAfter(piece, delimiter);
        }
        vty->setBannerDelimiter(delimiter);
        VTY::LineCursor reading = vty->startReading(before + 1);
        if (secondStream != nullptr) reading.spare = secondStream->spare();
        at = split;
        Met lines;
        while (lines.size() < kOverlap && nextConfigLine(text, at, piece)) {
          lines.push_back(readTelling(*vty, piece, reading, second.commands, 0, second.errorText,
                                      second.errorLine));
        }
        if (secondStream != nullptr) secondStream->keepFirst(second.commands.size());
        met.set_value(std::move(lines));
        told = true;
        handOn(secondStream, second.commands, reading);
        for (std::size_t count = 1; nextConfigLine(text, at, piece); ++count) {
          if (count % kStopCheckEvery == 0 && stop.load(std::memory_order_relaxed)) break;
          vty->readConfigLine(piece, reading, second.commands, second.errorText,
                              second.errorLine, true);
          handOn(secondStream, second.commands, reading);
        }
        second.result = reading.result;
      } catch (...) {
        failed = std::current_exception();
        if (!told) met.set_exception(failed);
      }
    });
    bool joined = false;
    // Where the first reader's lines from the meeting on begin.
    std::size_t metFrom = 0;
    try {
      // Up to the line where the parts meet, then a few lines on.
      Met mine;
      while (mine.size() < kOverlap && nextConfigLine(text, next, line)) {
        if (line.data() < text.data() + split) {
          first->readConfigLine(line, cursor, firstPart, errorText, errorLine, true);
          handOn(firstStream, firstPart, cursor);
          continue;
        }
        if (mine.empty()) metFrom = firstPart.size();
        mine.push_back(
            readTelling(*first, line, cursor, firstPart, metFrom, errorText, errorLine));
      }
      const Met meeting = theirs.get();
      joined = firstPart.size() == metFrom + mine.size() && meetingLine(mine, meeting) >= 0;
    } catch (...) {
      stop = true;
      other.join();
      releaseCommands(firstPart);
      releaseCommands(second.commands);
      throw;
    }
    if (!joined) stop = true;
    other.join();
    if (failed) {
      releaseCommands(firstPart);
      releaseCommands(second.commands);
      std::rethrow_exception(failed);
    }
    if (joined) {
      partReads().joined.fetch_add(1, std::memory_order_relaxed);
      // The lines from where the parts meet are taken from the second part.
      first.reset();
      std::vector<CiscoCommandLine*> overlap(firstPart.begin() + static_cast<long>(metFrom),
                                             firstPart.end());
      firstPart.resize(metFrom);
      releaseCommands(overlap);
      if (streams != nullptr) {
        firstStream->finish();
        secondStream->finish();
        streams->joined = true;
      }
      out.insert(out.end(), firstPart.begin(), firstPart.end());
      out.insert(out.end(), second.commands.begin(), second.commands.end());
      if (second.errorLine != 0) {
        errorText = std::move(second.errorText);
        errorLine = second.errorLine;
      }
      return second.result;
    }
    releaseCommands(second.commands);
  }
  handOn(firstStream, firstPart, cursor);
  while (nextConfigLine(text, next, line)) {
    first->readConfigLine(line, cursor, firstPart, errorText, errorLine, true);
    handOn(firstStream, firstPart, cursor);
  }
  if (firstStream != nullptr) firstStream->finish();
  out.insert(out.end(), firstPart.begin(), firstPart.end());
  return cursor.result;
}

}  // namespace vexaparser::model
