#include "app/files/FileErrors.h"
#include "app/files/PlatformFile.h"
#include "app/files/WindowsText.h"

#include <atomic>
#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace vortalin::platform {

namespace {

constexpr const char* kOpenElsewhere = "súbor je otvorený v inom programe";
constexpr const char* kReadOnly = "súbor je len na čítanie";

// The reason of a failed Windows call, in the words of the common errno cases.
std::string ReasonOf(DWORD error) {
    switch (error) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        return kOpenElsewhere;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
        return FileErrorReason(ENOENT);
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        return FileErrorReason(EACCES);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return FileErrorReason(ENOSPC);
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BUFFER_OVERFLOW:
        return FileErrorReason(ENAMETOOLONG);
    case ERROR_DIRECTORY:
        return FileErrorReason(ENOTDIR);
    default:
        break;
    }
    return "chyba systému Windows " + std::to_string(error);
}

bool IsReadOnly(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
           (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

// A name for the next temporary file: the process and a counter, so that two writers never
// pick the same name; CREATE_NEW refuses one that exists anyway.
std::string TemporaryName(const std::string& target, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    return target + "." + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++) +
           "-" + std::to_string(attempt) + ".tmp";
}

} // namespace

TemporaryFile CreateTemporaryBeside(const std::string& target) {
    TemporaryFile temporary;
    constexpr unsigned kAttempts = 100;
    for (unsigned attempt = 0; attempt < kAttempts; ++attempt) {
        const std::string name = TemporaryName(target, attempt);
        const HANDLE handle = CreateFileW(Utf16(name).c_str(), GENERIC_WRITE, 0, nullptr,
                                          CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS) {
                continue;
            }
            temporary.error = ReasonOf(GetLastError());
            return temporary;
        }
        // Binary: the bytes are final, line ends included.
        const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY | _O_WRONLY);
        temporary.stream = fd < 0 ? nullptr : _fdopen(fd, "wb");
        if (temporary.stream == nullptr) {
            temporary.error = FileErrorReason(errno);
            fd < 0 ? CloseHandle(handle) : _close(fd);
            DeleteFileW(Utf16(name).c_str());
            return temporary;
        }
        temporary.path = name;
        return temporary;
    }
    temporary.error = FileErrorReason(EEXIST);
    return temporary;
}

std::string ReplacementRefusal(const std::string& target) {
    const std::wstring path = Utf16(target);
    if (IsReadOnly(path)) {
        return kReadOnly;
    }
    // Replacing a file needs the right to delete it, which a program that has it open
    // (a spreadsheet showing the results file) does not share.
    const HANDLE handle =
        CreateFileW(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        CloseHandle(handle);
        return {};
    }
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND ? std::string() : ReasonOf(error);
}

std::string ReplaceWith(const std::string& temporary, const std::string& target) {
    if (const std::string refusal = ReplacementRefusal(target); !refusal.empty()) {
        return refusal;
    }
    if (!MoveFileExW(Utf16(temporary).c_str(), Utf16(target).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return ReasonOf(GetLastError());
    }
    return {};
}

void RemoveFile(const std::string& path) {
    DeleteFileW(Utf16(path).c_str());
}

} // namespace vortalin::platform
