#pragma once
// What writing a file the user owns needs of the operating system, in one place for each
// platform (PlatformFilePosix.cpp, PlatformFileWindows.cpp). Paths are UTF-8 on both; the
// bytes written are written unchanged (no line-end translation).

#include <cstdio>
#include <string>

namespace vortalin::platform {

// A new, empty temporary file in the folder of `target`, open for writing; when `stream`
// is null, `error` says why it could not be created.
struct TemporaryFile {
    std::FILE* stream = nullptr;
    std::string path;
    std::string error;
};
TemporaryFile CreateTemporaryBeside(const std::string& target);

// Why `target` cannot be replaced at all (for example it is open in another program or
// read-only), or an empty string. Asked before anything is written.
std::string ReplacementRefusal(const std::string& target);

// Puts the closed file `temporary` in place of `target` in one step, replacing an earlier
// file. Returns an empty string on success, otherwise the reason.
std::string ReplaceWith(const std::string& temporary, const std::string& target);

// Removes a file; quietly does nothing when it cannot.
void RemoveFile(const std::string& path);

} // namespace vortalin::platform
