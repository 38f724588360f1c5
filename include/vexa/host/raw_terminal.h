// The user's terminal for an interactive program: raw keyboard mode that is
// put back on every way out, the terminal's width, waiting for and reading
// key bytes, writing text, and the termination signals.
//
// Used by the emulated terminal program (vexa-cli), which hands every key to
// the console's line editor itself and must never leave the user's terminal
// in raw mode, whether it ends normally, through an error or by a signal.
#ifndef VEXA_HOST_RAW_TERMINAL_H_
#define VEXA_HOST_RAW_TERMINAL_H_

#include <cstddef>
#include <string>

namespace vexahost {

// Puts the terminal on fd into raw mode (no echo, no line buffering, no
// signal keys, no output processing, 8-bit bytes, one byte per read) after
// saving its modes, and arranges for restoreTerminalModes to run when the
// process exits.  False when fd is not a terminal or the modes cannot be set.
bool enterRawMode(int fd);

// Puts back the modes saved by enterRawMode; does nothing when none are
// saved.  Async-signal-safe.
void restoreTerminalModes();

// Columns of the terminal on fd; 0 when unknown.
int terminalColumns(int fd);

// Waits at most timeoutMs milliseconds (negative: without limit) for input
// on fd.  1 when input is ready, 0 on timeout, -1 on error or when a signal
// arrived.
int waitForInput(int fd, int timeoutMs);

// Reads what is there, at most size bytes.  The count, 0 at the end of the
// input, -1 on error or when a signal arrived.
long readInput(int fd, char* buffer, std::size_t size);

// Writes all of text to fd (a terminal, a pipe or a file), again after an
// interrupting signal.  False when not everything could be written.
bool writeOutput(int fd, const std::string& text);

// From now on SIGINT, SIGTERM and SIGHUP are recorded instead of ending the
// process (blocking waits and reads return early), and writing to a closed
// pipe fails instead of ending it.  A second signal of a kind already
// recorded restores the terminal modes and ends the process at once with
// status 128 + signal.
void catchTerminationSignals();

// The first termination signal recorded; 0 when none arrived.
int terminationSignal();

}  // namespace vexahost

#endif  // VEXA_HOST_RAW_TERMINAL_H_
