// The POSIX half of the writer of the user's files (Linux: /proc recognises the links to
// open files).

#include "app/files/PlatformFile.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace vortalin::platform {

namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinks = 40; // as the kernel follows

fs::path FolderOf(const fs::path& path) {
    return path.parent_path().empty() ? fs::path(".") : path.parent_path();
}

// Whether a link on the way from path to its file is one of the kernel's links to an open
// file (/dev/stdout -> /proc/self/fd/1 -> ...). Such a target belongs to the process that
// opened it: it is written through, never replaced.
bool ReachedThroughOpenFileLink(const fs::path& path) {
    fs::path current = path;
    std::error_code error;
    for (int i = 0; i < kMaxLinks && fs::is_symlink(fs::symlink_status(current, error)); ++i) {
        const fs::path folder = FolderOf(current);
        struct statfs system {};
        if (::statfs(folder.c_str(), &system) == 0 && system.f_type == PROC_SUPER_MAGIC) {
            return true;
        }
        const fs::path target = fs::read_symlink(current, error);
        if (error) {
            return false;
        }
        current = target.is_absolute() ? target : folder / target;
    }
    return false;
}

// The file a chain of links finally names, existing or not; the path itself if no link.
fs::path FinalTarget(const fs::path& path) {
    fs::path current = path;
    std::error_code error;
    for (int i = 0; i < kMaxLinks && fs::is_symlink(fs::symlink_status(current, error)); ++i) {
        const fs::path target = fs::read_symlink(current, error);
        if (error) {
            break;
        }
        current = target.is_absolute() ? target : FolderOf(current) / target;
    }
    return current;
}

// The mode of the file replaced, or the usual mode of a new file (mkstemp creates the
// file readable by its owner only).
mode_t ModeFor(const std::string& target) {
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        return existing.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

int Descriptor(FileHandle handle) {
    return static_cast<int>(handle);
}

// Opens for appending; waiting forever for a FIFO's reader is what any writer of a FIFO
// does; briefly, the open is tried without blocking for about a second, so that a window
// never freezes on a FIFO nobody reads (it fails with ENXIO then).
int OpenForWriting(const std::string& path, ReaderWait wait) {
    constexpr int kFlags = O_WRONLY | O_APPEND | O_CLOEXEC | O_NOCTTY;
    if (wait == ReaderWait::Forever) {
        return ::open(path.c_str(), kFlags);
    }
    constexpr int kTries = 50;
    constexpr auto kPause = std::chrono::milliseconds(20);
    for (int i = 1;; ++i) {
        const int fd = ::open(path.c_str(), kFlags | O_NONBLOCK);
        if (fd >= 0) {
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK); // writes may block again
            return fd;
        }
        if (errno != ENXIO || i == kTries) {
            return -1;
        }
        std::this_thread::sleep_for(kPause);
    }
}

} // namespace

TargetKind KindOf(const std::string& path) {
    struct stat target {};
    if (::stat(path.c_str(), &target) != 0) {
        // No file yet, a dangling link, or a folder that cannot be reached: the temporary
        // file creates the file or says why it cannot. Links that lead back to themselves
        // name no file at all.
        return errno == ELOOP ? TargetKind::LinkLoop : TargetKind::File;
    }
    if (S_ISDIR(target.st_mode)) {
        return TargetKind::Folder;
    }
    if (S_ISFIFO(target.st_mode) || S_ISCHR(target.st_mode)) {
        return TargetKind::Stream;
    }
    if (S_ISREG(target.st_mode)) {
        return ReachedThroughOpenFileLink(path) ? TargetKind::Stream : TargetKind::File;
    }
    return TargetKind::Other;
}

int WriteRefusal(const std::string& path) {
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) {
        return errno;
    }
    return 0;
}

int CreateTempFile(const std::string& path, TempFile& temp) {
    temp.targetPath = FinalTarget(path).string();
    const std::string pattern = temp.targetPath + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        return errno;
    }
    temp.handle = fd;
    temp.tempPath.assign(name.data());
    ::fchmod(fd, ModeFor(temp.targetPath));
    return 0;
}

int ReplaceTarget(TempFile& temp) {
    ::fsync(Descriptor(temp.handle)); // a system that cannot is not a failure
    const int closed = ::close(Descriptor(temp.handle));
    const int closeError = errno;
    temp.handle = kNoFile;
    if (closed != 0 || std::rename(temp.tempPath.c_str(), temp.targetPath.c_str()) != 0) {
        const int error = closed != 0 ? closeError : errno;
        DiscardTempFile(temp);
        return error;
    }
    temp.tempPath.clear();
    return 0;
}

void DiscardTempFile(TempFile& temp) {
    if (temp.handle != kNoFile) {
        ::close(Descriptor(temp.handle));
        temp.handle = kNoFile;
    }
    if (!temp.tempPath.empty()) {
        std::remove(temp.tempPath.c_str());
        temp.tempPath.clear();
    }
}

int OpenStream(const std::string& path, ReaderWait wait, FileHandle& handle) {
    const int fd = OpenForWriting(path, wait);
    handle = fd;
    return fd < 0 ? errno : 0;
}

FileHandle StandardOutput() {
    return STDOUT_FILENO;
}

void CloseFile(FileHandle handle) {
    if (handle != kNoFile) {
        ::close(Descriptor(handle));
    }
}

int WriteBytes(FileHandle handle, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(Descriptor(handle), bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return written < 0 ? errno : EIO;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

void FailWritesBeyondTheFileSizeLimit() {
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace vortalin::platform
