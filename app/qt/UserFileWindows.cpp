// The writer of the user's files on Windows. A regular file (or no file yet) is written
// through the core's temporary-file writer: a temporary file in the target's folder put in
// place with MoveFileExW, paths as UTF-16. A target open in another program without
// sharing (the everyday case: a results file shown in a spreadsheet) or read-only is
// refused before anything is written, with the earlier file untouched. A folder, and the
// devices (NUL, CON, COM1, ...), are not files: the folder is refused, a device written
// directly.

#include "app/qt/UserFile.h"

#include "app/files/FileErrors.h"
#include "app/files/WindowsText.h"

#include <cerrno>
#include <cstdio>

#include <io.h>
#include <windows.h>

namespace vortalin {

namespace {

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

// Standard output or a device: written directly, in order, through the C library's buffer.
class StreamSink final : public ResultsSink {
public:
    StreamSink(std::FILE* stream, bool owned) : stream_(stream), owned_(owned) {
        if (stream_ == nullptr) {
            error_ = errno;
        }
    }
    ~StreamSink() override {
        if (owned_ && stream_ != nullptr) {
            std::fclose(stream_);
        }
    }
    StreamSink(const StreamSink&) = delete;
    StreamSink& operator=(const StreamSink&) = delete;

    bool IsOpen() const override { return stream_ != nullptr; }
    bool Write(std::string_view bytes) override {
        if (stream_ == nullptr || error_ != 0) {
            return false;
        }
        if (std::fwrite(bytes.data(), 1, bytes.size(), stream_) != bytes.size()) {
            error_ = errno != 0 ? errno : EIO;
            return false;
        }
        return true;
    }
    bool Commit() override {
        if (stream_ == nullptr || error_ != 0) {
            return false;
        }
        if (std::fflush(stream_) != 0) {
            error_ = errno != 0 ? errno : EIO;
            return false;
        }
        return true;
    }
    std::string ErrorText() const override { return FileErrorReason(error_); }

private:
    std::FILE* stream_;
    bool owned_;
    int error_ = 0;
};

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// A device such as NUL or CON: opened, it is neither a disk file nor missing.
bool IsDevice(const std::wstring& path) {
    const HANDLE handle =
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool device = GetFileType(handle) == FILE_TYPE_CHAR;
    CloseHandle(handle);
    return device;
}

} // namespace

std::unique_ptr<ResultsSink> OpenUserFile(const std::string& path, ReaderWait) {
    const std::wstring wide = Utf16(path);
    if (IsFolder(wide)) {
        return std::make_unique<RefusedSink>(FileErrorReason(EISDIR));
    }
    if (IsDevice(wide)) {
        return std::make_unique<StreamSink>(_wfopen(wide.c_str(), L"wb"), true);
    }
    return OpenAtomicFile(path);
}

void FailWritesBeyondTheFileSizeLimit() {} // Windows has no file-size limit of a process

std::unique_ptr<ResultsSink> OpenStandardOutput() {
    return std::make_unique<StreamSink>(stdout, false);
}

} // namespace vortalin
