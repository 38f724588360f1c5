// Terminal services of the host layer: whether the process talks to a
// terminal, and the console interrupt key.
//
// Used by the console's line editor, which edits in place only on a terminal
// and turns the interrupt key into an interrupt of the running program.
// Tests force the terminal answer with setTerminalOverride instead of
// depending on how they were started.
#ifndef VEXA_HOST_TERMINAL_H_
#define VEXA_HOST_TERMINAL_H_

#include <optional>

namespace vexahost {

// True when both standard input and standard output are terminals, or the
// value set by setTerminalOverride while one is set.
bool isTerminal();

// Forces the answer of isTerminal (true or false); std::nullopt goes back to
// asking the operating system.  Process-wide.
void setTerminalOverride(std::optional<bool> value);

// Sends the console interrupt (SIGINT) to every process of the caller's
// process group, the caller included.  False when it could not be sent.
bool sendConsoleInterrupt();

}  // namespace vexahost

#endif  // VEXA_HOST_TERMINAL_H_
