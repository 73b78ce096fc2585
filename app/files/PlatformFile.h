#pragma once
// The operating system's part of writing the user's files, behind the one writer
// (UserFile.h): what a path names, a temporary file that replaces the target in one step,
// and a stream written directly. Everything here reports failures as errno values, which
// FileErrorReason turns into the user's words; an implementation for a system with other
// error codes maps them onto these. POSIX: PlatformFilePosix.cpp.

#include <cstdint>
#include <string>
#include <string_view>

namespace vortalin::platform {

// What a path names, for the writer's choice of how to write it.
enum class TargetKind : std::uint8_t {
    File,     // a regular file, no file yet, or a link chain ending in one (or dangling)
    Stream,   // a pipe, a character device, or an open file of another process
    Folder,   // refused
    LinkLoop, // links leading back to themselves: refused
    Other,    // anything else (a block device, a socket): refused
};
TargetKind KindOf(const std::string& path);

// The error number why an existing file may not be written, 0 when it may (or is none).
int WriteRefusal(const std::string& path);

// An open file of the system (a descriptor or a handle); kNoFile when none.
using FileHandle = std::intptr_t;
inline constexpr FileHandle kNoFile = -1;

// A temporary file beside the file that path finally names (links followed), with the
// access rights of the file it replaces or those of a new file.
struct TempFile {
    FileHandle handle = kNoFile;
    std::string tempPath;
    std::string targetPath; // the file the links end at
};
// Creates it; returns 0 or the error number.
int CreateTempFile(const std::string& path, TempFile& temp);
// Puts the written temporary file in place of its target in one step (after flushing it to
// the disk); returns 0 or the error number. On failure the temporary file is removed.
int ReplaceTarget(TempFile& temp);
// Closes and removes a temporary file that is not to replace anything.
void DiscardTempFile(TempFile& temp);

// How long opening a FIFO waits for its reader: forever (as a command-line program does), or
// about a second (a window must not freeze; then the open fails, "nobody reads the pipe").
enum class ReaderWait : std::uint8_t { Forever, Briefly };
// Opens a stream target for appending; returns 0 or the error number.
int OpenStream(const std::string& path, ReaderWait wait, FileHandle& handle);
// The program's standard output.
FileHandle StandardOutput();
void CloseFile(FileHandle handle);

// Writes every byte (retrying short and interrupted writes); returns 0 or the error number.
int WriteBytes(FileHandle handle, std::string_view bytes);

// Makes a write beyond a file-size limit fail with an error number instead of ending the
// program.
void FailWritesBeyondTheFileSizeLimit();

} // namespace vortalin::platform
