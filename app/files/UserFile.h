#pragma once
// The one way to write a file the user owns (results file, case file, batch output, chart
// image), shared by the command line and the window. By the kind of the target:
// - a regular file, or no file yet: written to a temporary file in the same folder and put
//   in place of the target only by Commit, keeping its mode; an earlier file stays
//   untouched when writing fails part way or the sink is dropped without a Commit;
// - a symbolic link (a chain of links, a dangling link): the same for the file the links
//   finally name, in that file's folder; the links stay links;
// - a FIFO, a character device, or an open file reached through /dev/stdout or /dev/fd/N:
//   written directly, in order, never replaced;
// - a folder or any other kind: refused (the sink is not open), nothing changes.
// The system's part is behind PlatformFile.h.

#include "app/files/PlatformFile.h"
#include "app/files/ResultsSink.h"

#include <memory>
#include <string>
#include <string_view>

namespace vortalin {

using platform::ReaderWait;

// path is UTF-8. The bytes written are final and are written unchanged. ErrorText gives
// the reason of a failure in Slovak for the common cases.
std::unique_ptr<ResultsSink> OpenUserFile(const std::string& path,
                                          ReaderWait wait = ReaderWait::Forever);

// Writes `bytes` to an opened sink and commits them. Returns an empty string on success,
// otherwise the reason it failed.
std::string WriteAll(ResultsSink& sink, std::string_view bytes);

// Writes a whole file at once by the same rules. Returns an empty string on success,
// otherwise the reason it failed.
std::string WriteUserFile(const std::string& path, std::string_view bytes,
                          ReaderWait wait = ReaderWait::Forever);

// Makes a write beyond the file-size limit (ulimit -f) fail as "file too large" instead of
// ending the program, so that the writer keeps the earlier file and says why. Called once
// at start by each front end.
void FailWritesBeyondTheFileSizeLimit();

// The program's standard output, written directly like a pipe (for `--out -`).
std::unique_ptr<ResultsSink> OpenStandardOutput();

} // namespace vortalin
