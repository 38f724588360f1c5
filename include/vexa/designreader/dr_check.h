// DRCheck: the syntax checker of design-reader scripts.
//
// The script library runs it on a script's text before translating the
// script into Perl (when a script is saved and when a check is asked for).
// It works on characters, not on the tokens of the language: it knows "!"
// comments, double-quoted strings with backslash escapes, single-quoted
// character literals, braces, square brackets and parentheses, and the
// keywords "if" and "else".  Everything it finds goes into a human-readable
// report; an empty report means the script passed.
//
// Use: construct with the text, call syntaxCheck() once, read getErrStr().
// A process-wide counter limits the number of ordinary error messages in a
// row and carries over from one check to the next; it is not protected
// against concurrent use (one thread at a time drives the design reader).
#ifndef VEXA_DESIGNREADER_DR_CHECK_H_
#define VEXA_DESIGNREADER_DR_CHECK_H_

#include <array>
#include <string>

namespace vexadr {

class DRCheck {
 public:
  // Copies text (any bytes; a zero byte ends the text for the checker).
  explicit DRCheck(const std::string& text);

  // Scans the whole text once and fills the report.  Always returns true;
  // the result is judged by the report alone.
  bool syntaxCheck();

  // The report; empty when no problem was found.
  const std::string getErrStr() const;

  // The character reader: returns the next character (0..255) with comments
  // and runs of blanks folded (see dr_check.cpp); 0 at the end of the text,
  // and again on every further call.
  int getChar();
  // Steps the read position back by one and stores c there; a line break is
  // stored as a space when lineBreakAsSpace is true, so that a line break
  // read twice counts once.  Does nothing at the start of the text.
  void ungetChar(int c, bool lineBreakAsSpace);

 private:
  // Kinds of bracket-stack entries.
  static constexpr int kBrace = 1;
  static constexpr int kSquare = 2;
  static constexpr int kParen = 3;
  static constexpr int kIf = 4;
  static constexpr int kIfCondition = 5;
  static constexpr int kWhileCondition = 6;
  static constexpr int kThen = 7;
  static constexpr int kElse = 8;
  // Places of the stack, the permanent bottom entry included.
  static constexpr int kStackPlaces = 64;

  struct Entry {
    int kind = 0;
    int line = 0;
  };

  // Pushes an entry of kind opened on the current line; false (and
  // "***stack overflow" in the report) when 63 entries are already open.
  bool newBrak(int kind);
  // Pops count innermost entries; false and nothing done when fewer are open.
  bool rmBrak(int count);
  // The closer rule for a closing bracket of kind.
  bool checkCloser(int kind);
  // The else rule: an "else" may follow the statement that just ended.
  bool checkElse();
  // The name that messages print for kind ("}", "]", ")", "if", ...).
  std::string getStrForBrakType(int kind) const;
  // The error gate: severity 2 fatal, 1 ordinary.  Non-zero means "write
  // the message".
  int dealError(int severity);

  // Helpers of the scan.
  int rawChar();  // next character without the comment and blank rules
  int topKind() const { return stack_[depth_].kind; }
  void report(int severity, const std::string& message);
  int* balanceOf(int kind);
  bool scanString();  // false when the text ended inside the string
  void scanCharLiteral();
  void scanKeywordAfterBlank();
  void finishReport();

  std::string text_;  // private copy, always ending in a zero character
  size_t pos_ = 0;    // read position; at most text_.size()
  int line_ = 1;
  std::array<Entry, kStackPlaces> stack_{};
  int depth_ = 0;
  int braces_ = 0;
  int squares_ = 0;
  int parens_ = 0;
  bool errorSeen_ = false;
  std::string report_;

  // The process-wide error-message counter (see dealError).
  static int errorCounter_;

  friend class DRCheckPeer;  // tests reach the counter through it
};

}  // namespace vexadr

#endif  // VEXA_DESIGNREADER_DR_CHECK_H_
