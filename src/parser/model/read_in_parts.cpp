#include "parser/model/read_in_parts.h"

#include <algorithm>
#include <atomic>
#include <exception>
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

// Where the line starts that a piece begins with: the first line from
// byte from on that stands at the left margin right after a "!" line,
// holds a command and is not the last; kNoSplit when there is none.  A
// banner line is passed over: its text may run on below it.
std::size_t splitPoint(std::string_view text, std::size_t from) {
  std::size_t at = text.find_first_of("\r\n", from);
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

// The pieces a text is cut into: about one per readPieceBytes(), at least
// two and at most kMostPieces.  Two threads take the pieces in turn as they
// finish, so that a part of the text that reads slower than the rest (long
// access lists, routing processes) is shared.
constexpr std::size_t kMostPieces = 8;

// Where two pieces meet, the terminal of the earlier one reads on into the
// later one for up to this many lines: a line right after a sub-mode may
// leave a terminal that came from the sub-mode in another state than a
// fresh one (it closed levels), while the next line finds both alike.
constexpr std::size_t kOverlap = 4;

// One piece of the text and what its terminal found.
struct Piece {
  std::size_t begin = 0;  // where its first line starts
  std::size_t end = 0;    // where the next piece's first line starts
  // The lines before it and the banner delimiter they leave, as the first
  // terminal will have them (known before the piece is read).
  int before = 0;
  char delimiter = 0;
  // Its lines' commands (the first own of them), then those of the first
  // lines of the next piece.
  std::vector<CiscoCommandLine*> commands;
  std::size_t own = 0;
  std::string errorText;
  int errorLine = 0;
  bool result = false;
  // The states after each of its first lines, and after each line read
  // into the next piece; and the error each of those lines gave (empty for
  // none).
  std::vector<VTY::ReadingState> afterFirst;
  std::vector<VTY::ReadingState> afterNext;
  std::vector<std::string> firstErrors;
  std::vector<std::string> nextErrors;
  // Every line gave one command.
  bool read = false;
};

// Where in list[from, from + count) command is; -1 for nowhere.
long positionIn(const std::vector<CiscoCommandLine*>& list, std::size_t from, std::size_t count,
                const CiscoCommandLine* command) {
  for (std::size_t i = 0; i < count; ++i) {
    if (list[from + i] == command) return static_cast<long>(i);
  }
  return -1;
}

// Whether later was read from its first line on as the terminal of earlier
// read on into it: after some line both terminals are in the same state,
// and the lines up to it gave the same commands, linked alike.  The lines
// earlier read into later link only among themselves.
bool joins(const Piece& earlier, const Piece& later) {
  if (!earlier.read || !later.read) return false;
  const std::size_t own = earlier.own;
  const std::size_t overlap = earlier.commands.size() - own;
  for (std::size_t i = 0; i < overlap; ++i) {
    const CiscoCommandLine* parent = earlier.commands[own + i]->getParentCommand();
    if (parent != nullptr && positionIn(earlier.commands, own, i, parent) < 0) return false;
  }
  const std::size_t lines = std::min({overlap, later.afterFirst.size(), later.commands.size()});
  for (std::size_t j = 0; j < lines; ++j) {
    const CiscoCommandLine* mine = earlier.commands[own + j];
    const CiscoCommandLine* theirs = later.commands[j];
    if (!mine->sameReading(*theirs) || earlier.nextErrors[j] != later.firstErrors[j]) return false;
    const CiscoCommandLine* myParent = mine->getParentCommand();
    const CiscoCommandLine* theirParent = theirs->getParentCommand();
    const long myAt = myParent == nullptr ? -2 : positionIn(earlier.commands, own, j, myParent);
    const long theirAt = theirParent == nullptr ? -2 : positionIn(later.commands, 0, j, theirParent);
    if (myAt != theirAt) return false;
    if (later.afterFirst[j].result && later.afterFirst[j] == earlier.afterNext[j]) return true;
  }
  return false;
}

// Reads the lines of text from at on into piece with vty: up to end (where
// the next piece begins) as its own, then up to kOverlap lines of the next
// piece when there is one.  The states and errors after its first lines
// are noted when first, those after the lines read on always.  False when
// a line did not give exactly one command or none was its own.
bool readInto(Piece& piece, VTY& vty, VTY::LineCursor& cursor, std::size_t& at,
              std::size_t end, bool first, bool onward, std::string_view text) {
  bool oneEach = true;
  std::string_view line;
  for (std::size_t from = at; nextConfigLine(text, at, line); from = at) {
    const bool next = line.data() >= text.data() + end;
    if (next && (!onward || piece.afterNext.size() == kOverlap)) {
      at = from;  // that line is not read yet
      break;
    }
    const std::size_t had = piece.commands.size();
    const int errorsBefore = piece.errorLine;
    piece.errorLine = 0;
    vty.readConfigLine(line, cursor, piece.commands, piece.errorText, piece.errorLine, true);
    oneEach = oneEach && piece.commands.size() == had + 1;
    // The error of this line, if it gave one.
    std::string error =
        piece.errorLine == 0 ? std::string() : std::to_string(piece.errorLine) + piece.errorText;
    if (piece.errorLine == 0) piece.errorLine = errorsBefore;
    if (next) {
      piece.afterNext.push_back(vty.readingState(cursor));
      piece.nextErrors.push_back(std::move(error));
    } else {
      if (first && piece.afterFirst.size() < kOverlap) {
        piece.afterFirst.push_back(vty.readingState(cursor));
        piece.firstErrors.push_back(std::move(error));
      }
      piece.own = piece.commands.size();
    }
    piece.result = cursor.result;
  }
  return oneEach && piece.own > 0;
}

// The commands of piece's lines read into the next piece, released.
void dropOverlap(Piece& piece) {
  std::vector<CiscoCommandLine*> overlap(piece.commands.begin() + static_cast<long>(piece.own),
                                         piece.commands.end());
  piece.commands.resize(piece.own);
  releaseCommands(overlap);
}

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
  // Where the pieces begin: the first at the text's start, each further one
  // at the first fitting line past its share of the bytes.
  const std::size_t perPiece = std::max<std::size_t>(1, readPieceBytes().load());
  const std::size_t wanted =
      std::min(kMostPieces, std::max<std::size_t>(2, text.size() / perPiece));
  std::vector<Piece> pieces(1);
  for (std::size_t k = 1; k < wanted; ++k) {
    const std::size_t from = std::max(text.size() * k / wanted, pieces.back().begin + 1);
    const std::size_t at = from < text.size() ? splitPoint(text, from) : kNoSplit;
    if (at == kNoSplit) break;
    pieces.back().end = at;
    pieces.emplace_back().begin = at;
  }
  pieces.back().end = text.size();
  std::unique_ptr<VTY> probe = makeScratchTerminal(grammar);
  if (probe == nullptr) {
    errorText = VTY::kNotReadyMessage;
    return false;
  }
  const char startDelimiter = probe->readingState(probe->startReading()).mode.bannerDelimiter;
  probe.reset();
  // A terminal as the first terminal is when it reaches piece k (a guess
  // past the first piece).
  const auto terminalFor = [&](std::size_t k, VTY::LineCursor& cursor) {
    std::unique_ptr<VTY> vty = makeScratchTerminal(grammar);
    if (vty != nullptr) {
      if (k > 0) vty->setBannerDelimiter(pieces[k].delimiter);
      cursor = vty->startReading(pieces[k].before + 1);
    }
    return vty;
  };
  if (pieces.size() > 1) {
    partReads().tried.fetch_add(1, std::memory_order_relaxed);
    // Reads piece k with a terminal of its own, and on into the next piece.
    const auto readPiece = [&](std::size_t k) {
      Piece& piece = pieces[k];
      VTY::LineCursor cursor;
      std::unique_ptr<VTY> vty = terminalFor(k, cursor);
      if (vty == nullptr) return;  // never read: the pieces do not join
      std::size_t at = piece.begin;
      piece.read =
          readInto(piece, *vty, cursor, at, piece.end, k > 0, k + 1 < pieces.size(), text);
    };
    // The lines before each piece and the delimiter they leave, in one pass;
    // a wrong guess only makes the states differ where the pieces meet.
    const auto measureHeads = [&] {
      int before = 0;
      char delimiter = startDelimiter;
      std::size_t at = 0;
      std::string_view line;
      for (std::size_t k = 1; k < pieces.size(); ++k) {
        const std::string_view head(text.data(), pieces[k].begin);
        while (nextConfigLine(head, at, line)) {
          ++before;
          delimiter = CommandMode::bannerDelimiterAfter(line, delimiter);
        }
        pieces[k].before = before;
        pieces[k].delimiter = delimiter;
      }
    };
    // The first piece is read at once; the second thread measures the heads
    // meanwhile, and then both take the next piece in turn.
    std::atomic<std::size_t> next{1};
    std::atomic<bool> headsKnown{false};
    std::exception_ptr failed;
    const auto takePieces = [&] {
      for (std::size_t k = next.fetch_add(1); k < pieces.size(); k = next.fetch_add(1)) {
        while (!headsKnown.load(std::memory_order_acquire)) std::this_thread::yield();
        readPiece(k);
      }
    };
    std::thread other([&] {
      const SharingCores sharing;
      try {
        roomForTrees(text.size() / 2);
        measureHeads();
        headsKnown.store(true, std::memory_order_release);
        takePieces();
      } catch (...) {
        headsKnown.store(true, std::memory_order_release);
        next.store(pieces.size());
        failed = std::current_exception();
      }
    });
    try {
      const SharingCores sharing;
      readPiece(0);
      takePieces();
    } catch (...) {
      next.store(pieces.size());
      other.join();
      for (Piece& piece : pieces) releaseCommands(piece.commands);
      throw;
    }
    other.join();
    if (failed) {
      for (Piece& piece : pieces) releaseCommands(piece.commands);
      std::rethrow_exception(failed);
    }
    // Each piece is taken when the next one joins it (the last one, when
    // reached).  Where one does not, one terminal reads on from the start of
    // the piece before it (read from a known state) until its lines join a
    // later piece, or to the end of the text.
    bool allJoined = true;
    bool result = false;
    const auto take = [&](Piece& piece) {
      out.insert(out.end(), piece.commands.begin(), piece.commands.end());
      piece.commands.clear();
      if (piece.errorLine != 0) {
        errorText = std::move(piece.errorText);
        errorLine = piece.errorLine;
      }
      result = piece.result;
    };
    std::size_t k = 0;
    while (k < pieces.size()) {
      if (k + 1 == pieces.size()) {
        take(pieces[k]);
        break;
      }
      if (joins(pieces[k], pieces[k + 1])) {
        dropOverlap(pieces[k]);
        take(pieces[k]);
        ++k;
        continue;
      }
      allJoined = false;
      releaseCommands(pieces[k].commands);
      Piece again;
      VTY::LineCursor cursor;
      std::unique_ptr<VTY> vty = terminalFor(k, cursor);
      if (vty == nullptr) {
        for (Piece& piece : pieces) releaseCommands(piece.commands);
        errorText = VTY::kNotReadyMessage;
        return false;
      }
      std::size_t at = pieces[k].begin;
      std::size_t later = k + 1;
      bool oneEach = true;
      for (; later < pieces.size(); ++later) {
        oneEach = readInto(again, *vty, cursor, at, pieces[later].begin, false, true, text) &&
                  oneEach;
        again.read = oneEach;
        if (joins(again, pieces[later])) break;
        // Not there: the lines read on are its own, and it reads on; the
        // piece is not needed any more.
        releaseCommands(pieces[later].commands);
        again.own = again.commands.size();
        again.afterNext.clear();
        again.nextErrors.clear();
      }
      if (later == pieces.size()) readInto(again, *vty, cursor, at, text.size(), false, false, text);
      if (later < pieces.size()) dropOverlap(again);
      take(again);
      k = later;
    }
    if (allJoined) partReads().joined.fetch_add(1, std::memory_order_relaxed);
    return result;
  }
  // One terminal from the first line to the last.
  VTY::LineCursor cursor;
  std::unique_ptr<VTY> vty = terminalFor(0, cursor);
  if (vty == nullptr) {
    errorText = VTY::kNotReadyMessage;
    return false;
  }
  std::vector<CiscoCommandLine*> commands;
  std::size_t at = 0;
  std::string_view line;
  while (nextConfigLine(text, at, line)) {
    vty->readConfigLine(line, cursor, commands, errorText, errorLine, true);
  }
  out.insert(out.end(), commands.begin(), commands.end());
  return cursor.result;
}

}  // namespace vexaparser::model
