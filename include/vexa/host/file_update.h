// Small file updates of the host layer for state that lives across
// sessions: appending one record, reading the head of a file that may be
// anything (a device, a huge or garbage file), and replacing a whole file so
// that it is never seen half-written.
//
// Used by the console's history file and by the emulated terminal program
// for its delta file, which the network front end shares between
// processes.  All answers are results; nothing throws.
#ifndef VEXA_HOST_FILE_UPDATE_H_
#define VEXA_HOST_FILE_UPDATE_H_

#include <cstddef>
#include <string>

namespace vexahost {

// Appends text to the file, creating it (mode 0666 less the umask) when
// missing.  Never waits for a reader (a FIFO without one fails).  False when
// the file cannot be opened or not all of text was written.
bool appendToFile(const std::string& path, const std::string& text);

// Reads at most maxBytes from the start of the file into out.  Never blocks
// on a FIFO or device without data.  False, with out empty, when the path
// cannot be opened for reading or is a folder.
bool readFileHead(const std::string& path, std::size_t maxBytes, std::string& out);

// Replaces the file's whole contents with text: text goes to a new temporary
// file in the same folder, which is flushed to disk and then renamed over
// the file.  A symbolic link is followed, so the file it names is replaced.
// On any failure (folder not writable, disk full, the path names something
// other than a regular file) the old file is left as it was, the temporary
// file is removed, and false is returned with the reason in error.  A new
// file gets mode 0666 less the umask, an existing one keeps its mode.
bool replaceFileContents(const std::string& path, const std::string& text, std::string& error);

// Appends text to the file as replaceFileContents replaces it, while holding
// an exclusive lock (flock) on lockPath, which is created when missing.
// Processes that update one file this way never lose each other's
// additions, and readers always see a whole file.  A missing file counts as
// empty.  False with the reason in error when the lock cannot be taken or
// the file cannot be read or written; the file is then unchanged.
bool appendUnderLock(const std::string& path, const std::string& lockPath, const std::string& text,
                     std::string& error);

}  // namespace vexahost

#endif  // VEXA_HOST_FILE_UPDATE_H_
