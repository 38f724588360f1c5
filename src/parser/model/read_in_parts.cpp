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

// The first line from the middle on that stands at the left margin right
// after a "!" line and holds a command; kNoSplit when there is none.  A
// banner line is passed over: its text may run on below it.
std::size_t splitPoint(const std::vector<std::string_view>& lines) {
  for (std::size_t i = lines.size() / 2; i > 0 && i + 1 < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (line.front() == ' ' || line.front() == '\t') continue;
    if (configLineKind(line) != ConfigLineKind::kCommand || mayNameBannerDelimiter(line)) continue;
    if (configLineKind(lines[i - 1]) == ConfigLineKind::kComment) return i;
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
  std::vector<std::string_view> lines;
  forEachConfigLine(text, [&lines](std::string_view line) { lines.push_back(line); });
  VTY::LineCursor cursor = first->startReading();
  const std::size_t split = splitPoint(lines);
  std::size_t next = 0;
  std::vector<CiscoCommandLine*> firstPart;
  if (split != kNoSplit) {
    partReads().tried.fetch_add(1, std::memory_order_relaxed);
    // The second terminal starts with the banner delimiter the first will
    // have by then; a wrong guess only makes the states differ.
    char delimiter = first->readingState(cursor).mode.bannerDelimiter;
    for (std::size_t i = 0; i < split; ++i) {
      delimiter = CommandMode::bannerDelimiterAfter(lines[i], delimiter);
    }
    SecondPart second;
    std::promise<Met> met;
    std::future<Met> theirs = met.get_future();
    std::atomic<bool> stop{false};
    std::exception_ptr failed;
    std::thread other([&] {
      const SharingCores sharing;
      bool told = false;
      try {
        std::unique_ptr<VTY> vty = makeScratchTerminal(grammar);
        if (vty == nullptr) {
          met.set_value(Met());  // its result is false: never joined
          return;
        }
        vty->setBannerDelimiter(delimiter);
        VTY::LineCursor at = vty->startReading(static_cast<int>(split) + 1);
        vty->readConfigLine(lines[split], at, second.commands, second.errorText,
                            second.errorLine, true);
        met.set_value(Met{vty->readingState(at), second.commands.front()});
        told = true;
        for (std::size_t i = split + 1; i < lines.size(); ++i) {
          if (i % kStopCheckEvery == 0 && stop.load(std::memory_order_relaxed)) break;
          vty->readConfigLine(lines[i], at, second.commands, second.errorText, second.errorLine,
                              true);
        }
        second.result = at.result;
      } catch (...) {
        failed = std::current_exception();
        if (!told) met.set_exception(failed);
      }
    });
    bool joined = false;
    try {
      for (; next <= split; ++next) {
        first->readConfigLine(lines[next], cursor, firstPart, errorText, errorLine, true);
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
  for (; next < lines.size(); ++next) {
    first->readConfigLine(lines[next], cursor, firstPart, errorText, errorLine, true);
  }
  out.insert(out.end(), firstPart.begin(), firstPart.end());
  return cursor.result;
}

}  // namespace vexaparser::model
