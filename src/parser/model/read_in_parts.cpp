#include "parser/model/read_in_parts.h"

#include <exception>
#include <future>
#include <memory>
#include <string_view>
#include <thread>

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

// Where the line starts that the second reader begins with: the first line
// past the middle of the text that stands at the left margin right after a
// "!" line, holds a command and is not the last; kNoSplit when there is none.
// A banner line is passed over: its text may run on below it.
std::size_t splitPoint(std::string_view text) {
  std::size_t at = text.find_first_of("\r\n", text.size() / 2);
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

// What the second reader tells once it has read the line where the parts
// meet: its state after the line, and the line's command.  The command's
// own fields do not change after its line (later lines only add children
// to it), so it can be compared while the second reader goes on.
struct Met {
  VTY::ReadingState state;
  const CiscoCommandLine* command = nullptr;
};

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
                 std::vector<CiscoCommandLine*>& out, std::string& errorText, int& errorLine) {
  std::unique_ptr<VTY> first = makeScratchTerminal(grammar);
  if (first == nullptr) {
    errorText = VTY::kNotReadyMessage;
    return false;
  }
  VTY::LineCursor cursor = first->startReading();
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
        roomForTrees(text.size() - split);
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
        at = split;
        nextConfigLine(text, at, piece);
        vty->readConfigLine(piece, reading, second.commands, second.errorText, second.errorLine,
                            true);
        met.set_value(Met{vty->readingState(reading), second.commands.front()});
        told = true;
        for (std::size_t count = 1; nextConfigLine(text, at, piece); ++count) {
          if (count % kStopCheckEvery == 0 && stop.load(std::memory_order_relaxed)) break;
          vty->readConfigLine(piece, reading, second.commands, second.errorText,
                              second.errorLine, true);
        }
        second.result = reading.result;
      } catch (...) {
        failed = std::current_exception();
        if (!told) met.set_exception(failed);
      }
    });
    bool joined = false;
    try {
      // Up to the line where the parts meet, that line included.
      while (nextConfigLine(text, next, line)) {
        first->readConfigLine(line, cursor, firstPart, errorText, errorLine, true);
        if (line.data() == text.data() + split) break;
      }
      const Met meeting = theirs.get();
      joined = meeting.state.result && meeting.state == first->readingState(cursor) &&
               firstPart.back()->sameReading(*meeting.command);
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
      // The line where the parts meet is taken from the second part.
      first.reset();
      delete firstPart.back();
      firstPart.pop_back();
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
  while (nextConfigLine(text, next, line)) {
    first->readConfigLine(line, cursor, firstPart, errorText, errorLine, true);
  }
  out.insert(out.end(), firstPart.begin(), firstPart.end());
  return cursor.result;
}

}  // namespace vexaparser::model
