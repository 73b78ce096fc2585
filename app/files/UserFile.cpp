#include "app/files/UserFile.h"

#include "app/files/FileErrors.h"

#include <cerrno>

namespace vortalin {

namespace {

// Bytes gathered before a system call: a long sweep does not make one per line.
constexpr std::size_t kBufferSize = 64 * 1024;

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

// Gathers the bytes and hands them to the system a buffer at a time; the first failure is
// kept, and every later write or commit refuses.
class BufferedSink : public ResultsSink {
public:
    bool Write(std::string_view bytes) override {
        if (!IsOpen() || error_ != 0) {
            return false;
        }
        if (bytes.size() >= kBufferSize) {
            // A block as large as the buffer (the results file's) goes to the system as it
            // is, after what was gathered before it: no copy.
            return Flush() && WriteThrough(bytes);
        }
        buffer_.append(bytes);
        return buffer_.size() < kBufferSize || Flush();
    }

    std::string ErrorText() const override { return FileErrorReason(error_); }

protected:
    virtual platform::FileHandle Handle() const = 0;

    bool Flush() {
        const bool written = WriteThrough(buffer_);
        buffer_.clear();
        return written;
    }

    int error_ = 0;

private:
    bool WriteThrough(std::string_view bytes) {
        if (error_ == 0) {
            error_ = platform::WriteBytes(Handle(), bytes);
        }
        return error_ == 0;
    }

    std::string buffer_;
};

// A regular file, through a temporary file beside the file its links finally name, which
// replaces that file only on Commit: when a write fails part way (a full disk, a file-size
// limit, even at the last bytes) or the sink is dropped, the earlier file stays untouched
// and the temporary file goes.
class ReplacingSink final : public BufferedSink {
public:
    explicit ReplacingSink(const std::string& path) {
        error_ = platform::CreateTempFile(path, temp_);
    }
    ~ReplacingSink() override { platform::DiscardTempFile(temp_); }
    ReplacingSink(const ReplacingSink&) = delete;
    ReplacingSink& operator=(const ReplacingSink&) = delete;

    bool IsOpen() const override { return temp_.handle != platform::kNoFile; }

    bool Commit() override {
        if (!IsOpen() || error_ != 0 || !Flush()) {
            platform::DiscardTempFile(temp_);
            return false;
        }
        error_ = platform::ReplaceTarget(temp_);
        return error_ == 0;
    }

private:
    platform::FileHandle Handle() const override { return temp_.handle; }

    platform::TempFile temp_;
};

// A pipe, a device or an open file of another process: written directly, in order.
class StreamSink final : public BufferedSink {
public:
    // Opens the path for appending (a regular file behind /dev/stdout keeps what the shell
    // put there); a FIFO waits for its reader as `wait` says.
    StreamSink(const std::string& path, ReaderWait wait) : ownsHandle_(true) {
        error_ = platform::OpenStream(path, wait, handle_);
    }
    // An open file that stays open after the sink.
    explicit StreamSink(platform::FileHandle open) : handle_(open), ownsHandle_(false) {}

    ~StreamSink() override {
        if (ownsHandle_) {
            platform::CloseFile(handle_);
        }
    }
    StreamSink(const StreamSink&) = delete;
    StreamSink& operator=(const StreamSink&) = delete;

    bool IsOpen() const override { return handle_ != platform::kNoFile; }

    bool Commit() override { return IsOpen() && error_ == 0 && Flush(); }

private:
    platform::FileHandle Handle() const override { return handle_; }

    platform::FileHandle handle_ = platform::kNoFile;
    bool ownsHandle_;
};

// The reason for a target that is neither a file, a pipe nor a character device.
constexpr const char* kNotWritableKindReason = "nie je to súbor, rúra ani znakové zariadenie";

} // namespace

std::unique_ptr<ResultsSink> OpenUserFile(const std::string& path, ReaderWait wait) {
    using platform::TargetKind;
    switch (platform::KindOf(path)) {
    case TargetKind::Folder:
        return std::make_unique<RefusedSink>(FileErrorReason(EISDIR));
    case TargetKind::LinkLoop: // replacing would put a regular file in place of the link
        return std::make_unique<RefusedSink>(FileErrorReason(ELOOP));
    case TargetKind::Other:
        return std::make_unique<RefusedSink>(kNotWritableKindReason);
    case TargetKind::Stream:
        return std::make_unique<StreamSink>(path, wait);
    case TargetKind::File:
        break;
    }
    if (const int refusal = platform::WriteRefusal(path); refusal != 0) {
        return std::make_unique<RefusedSink>(FileErrorReason(refusal)); // an existing file
    }
    return std::make_unique<ReplacingSink>(path);
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
    platform::FailWritesBeyondTheFileSizeLimit();
}

std::unique_ptr<ResultsSink> OpenStandardOutput() {
    return std::make_unique<StreamSink>(platform::StandardOutput());
}

} // namespace vortalin
