#pragma once
// What the command line does differently on POSIX and on Windows, in one place for each
// (CliPlatformPosix.cpp, CliPlatformWindows.cpp): the console, the stop requests of a
// running sweep, and whether a path names the program's standard output.

#include <csignal>
#include <string>

namespace vortalin {

// Called once at start. On Windows: UTF-8 output, so that Slovak texts print as they are,
// and standard output and error written byte for byte as on Linux.
void PrepareConsole();

// Whether `path` is "-" or names the very file that standard output writes to.
bool NamesStandardOutput(const std::string& path);

// While one exists, a stop request (SIGINT or SIGTERM; on Windows Ctrl+C, Ctrl+Break or
// the console closing) asks the running sweep to stop instead of ending the program at
// once, so that the sweep can drop its temporary file; a second request ends the program
// as usual. A pipe whose reader went away is a failed write, not the end.
class StopRequests {
public:
    StopRequests();
    ~StopRequests();
    StopRequests(const StopRequests&) = delete;
    StopRequests& operator=(const StopRequests&) = delete;

    // The signal number of the request that arrived (SIGINT for Ctrl+C), or 0.
    static int Received();
};

// The name of a stop request's signal as the messages give it ("SIGINT").
inline const char* StopName(int signal) {
    return signal == SIGINT ? "SIGINT" : signal == SIGTERM ? "SIGTERM" : "signal";
}

// Ends the program as the stop request would have ended it without a sweep.
[[noreturn]] void EndAsStopped(int signal);

} // namespace vortalin
