#include "app/files/ResultsSink.h"

#include "app/files/FileErrors.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace vortalin {

namespace {

// The plain writer of the core, for the builds without Qt (core tests, fuzz targets,
// benchmarks): the front ends write through app/qt/UserFile. Writes into a temporary file
// in the target's folder, so that the final rename stays on
// one file system and replaces the target in one step.
class AtomicFile final : public ResultsSink {
public:
    explicit AtomicFile(std::string path) : path_(std::move(path)) {
        std::string pattern = path_ + ".XXXXXX";
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        const int fd = mkstemp(name.data());
        if (fd < 0) {
            error_ = FileErrorReason(errno);
            return;
        }
        tempPath_.assign(name.data());
        fchmod(fd, TargetMode());
        file_ = fdopen(fd, "w");
        if (file_ == nullptr) {
            error_ = FileErrorReason(errno);
            std::remove(tempPath_.c_str());
            tempPath_.clear();
        }
    }

    ~AtomicFile() override {
        if (file_ != nullptr) {
            std::fclose(file_);
        }
        if (!tempPath_.empty()) {
            std::remove(tempPath_.c_str());
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
        if (std::rename(tempPath_.c_str(), path_.c_str()) != 0) {
            error_ = FileErrorReason(errno);
            return false;
        }
        tempPath_.clear();
        return true;
    }

    std::string ErrorText() const override { return error_; }

private:
    // mkstemp creates the file readable by its owner only; the results file gets the
    // mode of the file it replaces, or the usual mode of a new file.
    mode_t TargetMode() const {
        struct stat existing {};
        if (stat(path_.c_str(), &existing) == 0) {
            return existing.st_mode & 07777;
        }
        const mode_t mask = umask(0);
        umask(mask);
        return 0666 & ~mask;
    }

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
