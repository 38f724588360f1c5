// The console loop: connects a line editor (GetLineData) to a terminal
// (VTY).  A host calls parser_main once per key with the terminal, the
// window's editor and the key's bytes, and displays the terminal text that
// comes back.  A completed line is executed in the terminal; configuration
// commands accumulate in the caller's delta text, which the terminal gets
// after every line typed in a configuration mode.
//
// The editor must have had parser_init called once before its first key.
// Every call logs the returned text at level info in the log4cpp category
// "EmulatedCLI"; where that goes is up to the host's log4cpp set-up.
//
// The prompt buffer is process-wide: one window at a time.
#ifndef VEXA_CONSOLE_CONSOLE_LOOP_H_
#define VEXA_CONSOLE_CONSOLE_LOOP_H_

#include <functional>
#include <string>

namespace vexaparser {
class VTY;
}

namespace vexaconsole {

class GetLineData;

// The longest prompt kept (the buffer holds it and a terminating zero).
inline constexpr int kPromptBufferSize = 1024;

// The terminal's host name followed by its prompt, at most 1023 characters,
// in the process-wide prompt buffer (overwritten by the next call).
const char* vtysh_prompt(vexaparser::VTY& terminal);

// Processes one key.  output receives the terminal text of this key.  delta
// (may be null when the terminal never reaches a configuration mode) is the
// caller's delta text.
void parser_main(vexaparser::VTY& terminal, GetLineData& editor, const std::string& keys,
                 std::string& output, std::string* delta);

// What a host's line handler did with a completed line.
enum class LineHandling {
  kPassOn,        // not the host's: the terminal runs the line
  kHandled,       // the host answered it; the next prompt follows at once
  kAwaitingInput  // the host answered it and asks for more input itself
                  // (a password): no prompt until the host calls showPrompt
};

// A host's own commands: gets each completed line (without its line end)
// before the terminal would run it and may append its answer to output.
using LineHandler = std::function<LineHandling(const std::string& line, std::string& output)>;

// parser_main, with handler (may be empty) offered every completed line
// first.  A line the handler answers is neither run nor recorded in delta.
void parser_main(vexaparser::VTY& terminal, GetLineData& editor, const std::string& keys,
                 std::string& output, std::string* delta, const LineHandler& handler);

// Draws the prompt of a new line at once, as parser_main does after a
// completed line; a host calls it before the first key so that the user
// sees the prompt before typing.  output receives the text.
void showPrompt(vexaparser::VTY& terminal, GetLineData& editor, std::string& output);

}  // namespace vexaconsole

#endif  // VEXA_CONSOLE_CONSOLE_LOOP_H_
