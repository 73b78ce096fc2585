// The Windows half of the writer of the user's files. Paths are UTF-8 and go to the wide
// functions as UTF-16. A regular file is written to a temporary file in the target's
// folder and put in place with MoveFileExW; a target that is read-only, or open in another
// program without sharing (the everyday case: a results file shown in a spreadsheet), is
// refused before anything is written, with the earlier file untouched. Windows' error
// codes are mapped onto errno values (ENOTSUP: read-only file, EBUSY: open in another
// program), whose Slovak words FileErrors gives. Devices (NUL, CON, ...) and pipes are
// written directly.

#include "app/files/PlatformFile.h"
#include "app/files/WindowsText.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <string>

#include <windows.h>

namespace vortalin::platform {

namespace {

// The errno value of a failed Windows call.
int ErrnoOf(DWORD error) {
    switch (error) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        return EBUSY;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
        return EACCES;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BUFFER_OVERFLOW:
        return ENAMETOOLONG;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA:
        return EPIPE;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_INVALID_NAME:
        return EINVAL;
    default:
        break;
    }
    return EIO;
}

int LastErrno() {
    return ErrnoOf(GetLastError());
}

HANDLE Win(FileHandle handle) {
    return reinterpret_cast<HANDLE>(handle);
}

FileHandle Handle(HANDLE handle) {
    return handle == INVALID_HANDLE_VALUE ? kNoFile : reinterpret_cast<FileHandle>(handle);
}

DWORD Attributes(const std::string& path) {
    return GetFileAttributesW(Utf16(path).c_str());
}

// A device such as NUL or CON, or a pipe: opened, it is not a disk file.
bool IsStream(const std::string& path) {
    const HANDLE handle =
        CreateFileW(Utf16(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    const DWORD type = GetFileType(handle);
    CloseHandle(handle);
    return type == FILE_TYPE_CHAR || type == FILE_TYPE_PIPE;
}

// A name for the next temporary file: the process and a counter, so that two writers never
// pick the same name; CREATE_NEW refuses one that exists anyway.
std::string TemporaryName(const std::string& target, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    return target + "." + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++) +
           "-" + std::to_string(attempt) + ".tmp";
}

} // namespace

TargetKind KindOf(const std::string& path) {
    const DWORD attributes = Attributes(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        // No file yet, or a device: the temporary file creates the file or says why not.
        return IsStream(path) ? TargetKind::Stream : TargetKind::File;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return TargetKind::Folder;
    }
    return IsStream(path) ? TargetKind::Stream : TargetKind::File;
}

int WriteRefusal(const std::string& path) {
    const DWORD attributes = Attributes(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return 0; // none yet
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
        (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return ENOTSUP; // FileErrors: a read-only file, on Windows
    }
    // Replacing a file needs the right to delete it, which a program that has it open
    // (a spreadsheet showing the results file) does not share.
    const HANDLE handle = CreateFileW(Utf16(path).c_str(), DELETE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        CloseHandle(handle);
        return 0;
    }
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND ? 0 : ErrnoOf(error);
}

int CreateTempFile(const std::string& path, TempFile& temp) {
    temp.targetPath = path;
    constexpr unsigned kAttempts = 100;
    for (unsigned attempt = 0; attempt < kAttempts; ++attempt) {
        const std::string name = TemporaryName(path, attempt);
        const HANDLE handle = CreateFileW(Utf16(name).c_str(), GENERIC_WRITE, 0, nullptr,
                                          CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS) {
                continue;
            }
            return LastErrno();
        }
        temp.handle = Handle(handle);
        temp.tempPath = name;
        return 0;
    }
    return EEXIST;
}

int ReplaceTarget(TempFile& temp) {
    FlushFileBuffers(Win(temp.handle)); // a system that cannot is not a failure
    const bool closed = CloseHandle(Win(temp.handle)) != 0;
    const int closeError = closed ? 0 : LastErrno();
    temp.handle = kNoFile;
    // Another program may have opened the target since the writer began.
    int error = closed ? WriteRefusal(temp.targetPath) : closeError;
    if (error == 0 && !MoveFileExW(Utf16(temp.tempPath).c_str(), Utf16(temp.targetPath).c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = LastErrno();
    }
    if (error != 0) {
        DiscardTempFile(temp);
        return error;
    }
    temp.tempPath.clear();
    return 0;
}

void DiscardTempFile(TempFile& temp) {
    if (temp.handle != kNoFile) {
        CloseHandle(Win(temp.handle));
        temp.handle = kNoFile;
    }
    if (!temp.tempPath.empty()) {
        DeleteFileW(Utf16(temp.tempPath).c_str());
        temp.tempPath.clear();
    }
}

int OpenStream(const std::string& path, ReaderWait, FileHandle& handle) {
    const HANDLE opened =
        CreateFileW(Utf16(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    handle = Handle(opened);
    return opened == INVALID_HANDLE_VALUE ? LastErrno() : 0;
}

FileHandle StandardOutput() {
    std::fflush(stdout); // what the C library holds comes first
    return Handle(GetStdHandle(STD_OUTPUT_HANDLE));
}

void CloseFile(FileHandle handle) {
    if (handle != kNoFile) {
        CloseHandle(Win(handle));
    }
}

int WriteBytes(FileHandle handle, std::string_view bytes) {
    constexpr std::size_t kChunk = 1 << 20;
    while (!bytes.empty()) {
        const DWORD size = static_cast<DWORD>(bytes.size() < kChunk ? bytes.size() : kChunk);
        DWORD written = 0;
        if (!WriteFile(Win(handle), bytes.data(), size, &written, nullptr)) {
            return LastErrno();
        }
        if (written == 0) {
            return EIO;
        }
        bytes.remove_prefix(written);
    }
    return 0;
}

void FailWritesBeyondTheFileSizeLimit() {} // Windows has no file-size limit of a process

} // namespace vortalin::platform
