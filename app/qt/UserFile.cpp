#include "app/qt/UserFile.h"

#include "app/files/FileErrors.h"

#include <QSaveFile>
#include <QString>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace vortalin {

namespace {

namespace fs = std::filesystem;

enum class TargetKind { File, Stream, Folder, LinkLoop, Other };

// Whether a link on the way from path to its file is one of the kernel's links to an open
// file (/dev/stdout -> /proc/self/fd/1 -> ...). Such a target belongs to the process that
// opened it: it is written through, never replaced.
bool ReachedThroughOpenFileLink(const fs::path& path) {
    constexpr int kMaxLinks = 40; // as the kernel follows
    fs::path current = path;
    std::error_code error;
    for (int i = 0; i < kMaxLinks && fs::is_symlink(fs::symlink_status(current, error)); ++i) {
        const fs::path folder = current.parent_path().empty() ? "." : current.parent_path();
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

TargetKind KindOf(const std::string& path) {
    struct stat target {};
    if (::stat(path.c_str(), &target) != 0) {
        // No file yet, a dangling link, or a folder that cannot be reached: the temporary
        // file writer creates the file or says why it cannot. Links that lead back to
        // themselves name no file at all.
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
    return TargetKind::Other; // a block device, a socket
}

// A target that is not written at all.
class RefusedSink final : public ResultsSink {
public:
    explicit RefusedSink(std::string reason) : reason_(std::move(reason)) {}
    bool IsOpen() const override { return false; }
    bool Write(std::string_view) override { return false; }
    bool Commit() override { return false; }
    std::string ErrorText() const override { return reason_; }

private:
    std::string reason_;
};

// A regular file through a temporary file beside the target. QSaveFile follows the chain
// of links to the final file (a dangling link included) and creates the temporary file in
// that file's folder, with the mode of the file it replaces. Its direct-write fallback
// stays off: it would overwrite a regular file in place when its folder refuses new files.
class SaveFileSink final : public ResultsSink {
public:
    explicit SaveFileSink(const std::string& path) : file_(QString::fromStdString(path)) {
        file_.open(QIODevice::WriteOnly);
    }

    bool IsOpen() const override { return file_.isOpen(); }

    bool Write(std::string_view bytes) override {
        const auto size = static_cast<qint64>(bytes.size());
        if (!file_.isOpen()) {
            return false;
        }
        if (file_.write(bytes.data(), size) != size) {
            KeepError(errno);
            return false;
        }
        return true;
    }

    // A failed write makes QSaveFile refuse the commit, so the target stays as it was. The
    // last buffered bytes are flushed here first: QSaveFile's commit would put the file in
    // place even when that final write fails (a full disk), leaving it cut short.
    bool Commit() override {
        if (!file_.isOpen()) {
            return false;
        }
        if (!file_.flush()) {
            KeepError(errno);
            file_.cancelWriting(); // the temporary file goes with the sink
            return false;
        }
        if (file_.commit()) {
            return true;
        }
        KeepError(errno);
        return false;
    }

    std::string ErrorText() const override {
        return error_.empty() ? FileErrorReason(file_.errorString().toStdString()) : error_;
    }

private:
    // The reason of the first failure, kept: committing or closing resets the file's error.
    // Qt's text is taken unless it knows no reason, then the system's error number.
    void KeepError(int errorNumber) {
        if (!error_.empty()) {
            return;
        }
        const std::string text = file_.errorString().toStdString();
        const bool vague = text.empty() || text == "Unknown error";
        error_ = vague && errorNumber != 0 ? FileErrorReason(errorNumber) : FileErrorReason(text);
    }

    QSaveFile file_; // dropped without a commit, it removes its temporary file
    std::string error_;
};

// Opens a pipe or device for writing. Waiting forever for a FIFO's reader is what any writer
// of a FIFO does; briefly, the open is tried without blocking for about a second, so that
// a window never freezes on a FIFO nobody reads (it fails with ENXIO then).
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

// A pipe, a device or an open file of another process: written directly, in order,
// through a buffer so that a long sweep does not make a system call per line.
class StreamSink final : public ResultsSink {
public:
    // Opens the path for appending (a regular file behind /dev/stdout keeps what the shell
    // put there); a FIFO waits for its reader as `wait` says.
    StreamSink(const std::string& path, ReaderWait wait)
        : fd_(OpenForWriting(path, wait)), ownsFd_(true) {
        if (fd_ < 0) {
            error_ = errno;
        }
    }
    // An open descriptor that stays open after the sink.
    explicit StreamSink(int openFd) : fd_(openFd), ownsFd_(false) {}

    ~StreamSink() override {
        if (ownsFd_ && fd_ >= 0) {
            ::close(fd_);
        }
    }
    StreamSink(const StreamSink&) = delete;
    StreamSink& operator=(const StreamSink&) = delete;

    bool IsOpen() const override { return fd_ >= 0; }

    bool Write(std::string_view bytes) override {
        if (fd_ < 0 || error_ != 0) {
            return false;
        }
        buffer_.append(bytes);
        return buffer_.size() < kBufferSize || Flush();
    }

    bool Commit() override { return fd_ >= 0 && error_ == 0 && Flush(); }

    std::string ErrorText() const override { return FileErrorReason(error_); }

private:
    static constexpr std::size_t kBufferSize = 64 * 1024;

    bool Flush() {
        std::string_view rest = buffer_;
        while (!rest.empty()) {
            const ssize_t written = ::write(fd_, rest.data(), rest.size());
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                error_ = written < 0 ? errno : EIO;
                return false;
            }
            rest.remove_prefix(static_cast<std::size_t>(written));
        }
        buffer_.clear();
        return true;
    }

    int fd_;
    bool ownsFd_;
    int error_ = 0;
    std::string buffer_;
};

// The reason for a target that is neither a file, a pipe nor a character device.
constexpr const char* kNotWritableKindReason = "nie je to súbor, rúra ani znakové zariadenie";

} // namespace

std::unique_ptr<ResultsSink> OpenUserFile(const std::string& path, ReaderWait wait) {
    switch (KindOf(path)) {
    case TargetKind::Folder:
        return std::make_unique<RefusedSink>(FileErrorReason(EISDIR));
    case TargetKind::LinkLoop: // QSaveFile would put a regular file in place of the link
        return std::make_unique<RefusedSink>(FileErrorReason(ELOOP));
    case TargetKind::Other:
        return std::make_unique<RefusedSink>(kNotWritableKindReason);
    case TargetKind::Stream:
        return std::make_unique<StreamSink>(path, wait);
    case TargetKind::File:
        break;
    }
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) {
        // An existing file the user may not write (QSaveFile would say so in English).
        return std::make_unique<RefusedSink>(FileErrorReason(errno));
    }
    return std::make_unique<SaveFileSink>(path);
}

std::string WriteAll(ResultsSink& sink, std::string_view bytes) {
    if (sink.IsOpen() && sink.Write(bytes) && sink.Commit()) {
        return {};
    }
    return sink.ErrorText();
}

std::string WriteUserFile(const std::string& path, std::string_view bytes, ReaderWait wait) {
    return WriteAll(*OpenUserFile(path, wait), bytes);
}

void FailWritesBeyondTheFileSizeLimit() {
    std::signal(SIGXFSZ, SIG_IGN);
}

std::unique_ptr<ResultsSink> OpenStandardOutput() {
    return std::make_unique<StreamSink>(STDOUT_FILENO);
}

} // namespace vortalin
