// Where the console loop's log lines go.  The loop writes one line per key
// at level info in the log4cpp category "EmulatedCLI"; a host with its own
// log4cpp set-up needs none of this.  A program that owns the user's screen
// sends the lines to a file or nowhere, never to the screen.
#ifndef VEXA_CONSOLE_CONSOLE_LOG_H_
#define VEXA_CONSOLE_CONSOLE_LOG_H_

#include <string>

namespace vexaconsole {

// The category's name.
inline constexpr char kLogCategory[] = "EmulatedCLI";

// Appends the category's lines (time, level, category, message) to the file
// at path, and to nothing else.  False with a message in error when the file
// cannot be opened for appending.
bool logConsoleToFile(const std::string& path, std::string& error);

// The category's lines go nowhere: no appender, not passed to the root.
void logConsoleNowhere();

}  // namespace vexaconsole

#endif  // VEXA_CONSOLE_CONSOLE_LOG_H_
