#include "app/files/ResultsSink.h"

#include "app/files/FileErrors.h"
#include "app/files/PlatformFile.h"

#include <cerrno>
#include <cstdio>
#include <string>

namespace vortalin {

namespace {

// The plain writer of the core, for the builds without Qt (core tests, fuzz targets,
// benchmarks) and for the regular files of the Windows front ends. Writes into a temporary
// file in the target's folder, so that the final replacement stays on one file system and
// replaces the target in one step.
class AtomicFile final : public ResultsSink {
public:
    explicit AtomicFile(std::string path) : path_(std::move(path)) {
        error_ = platform::ReplacementRefusal(path_);
        if (!error_.empty()) {
            return;
        }
        platform::TemporaryFile temporary = platform::CreateTemporaryBeside(path_);
        file_ = temporary.stream;
        tempPath_ = temporary.path;
        error_ = temporary.error;
    }

    ~AtomicFile() override {
        if (file_ != nullptr) {
            std::fclose(file_);
        }
        if (!tempPath_.empty()) {
            platform::RemoveFile(tempPath_);
        }
    }

    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool IsOpen() const override { return file_ != nullptr; }

    bool Write(std::string_view bytes) override {
        if (file_ == nullptr || !error_.empty()) {
            return false;
        }
        if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
            error_ = FileErrorReason(errno);
            return false;
        }
        return true;
    }

    bool Commit() override {
        if (file_ == nullptr || !error_.empty()) {
            return false;
        }
        const bool flushed = std::fflush(file_) == 0;
        const int flushErrno = errno;
        const bool closed = std::fclose(file_) == 0;
        file_ = nullptr;
        if (!flushed || !closed) {
            error_ = FileErrorReason(flushed ? errno : flushErrno);
            return false;
        }
        error_ = platform::ReplaceWith(tempPath_, path_);
        if (!error_.empty()) {
            return false;
        }
        tempPath_.clear();
        return true;
    }

    std::string ErrorText() const override { return error_; }

private:
    std::string path_;
    std::string tempPath_;
    std::FILE* file_ = nullptr;
    std::string error_;
};

} // namespace

std::unique_ptr<ResultsSink> OpenAtomicFile(const std::string& path) {
    return std::make_unique<AtomicFile>(path);
}

} // namespace vortalin
