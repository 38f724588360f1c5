// The one way out of the line editor when it cannot go on: a line that would
// overflow the editor's buffer, a terminal narrower than the editor allows,
// a history copy that cannot be allocated.
//
// The editor writes the message (it begins "\n*** Error: ") to its output
// text and then calls the process-wide handler.  The default handler prints
// the message to standard error and ends the process with status 1; the
// command-line programs keep it.  A host application may install its own,
// for example to close the window instead of the process.
#ifndef VEXA_CONSOLE_FATAL_ERROR_H_
#define VEXA_CONSOLE_FATAL_ERROR_H_

#include <string>

namespace vexaconsole {

using FatalErrorHandler = void (*)(const std::string& message);

// Prints message to standard error and ends the process with status 1.
[[noreturn]] void defaultFatalErrorHandler(const std::string& message);

// Installs handler (null: the default) and returns the one it replaces.  A
// handler that returns lets the editor refuse the operation that failed:
// the line stays as it was.
FatalErrorHandler setFatalErrorHandler(FatalErrorHandler handler);

// Calls the installed handler with message.
void reportFatalError(const std::string& message);

}  // namespace vexaconsole

#endif  // VEXA_CONSOLE_FATAL_ERROR_H_
