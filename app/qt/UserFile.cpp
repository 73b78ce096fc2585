#include "UserFile.h"

#include <QSaveFile>
#include <QString>

namespace vortalin {

namespace {

class SaveFileSink final : public ResultsSink {
public:
    explicit SaveFileSink(const std::string& path) : file_(QString::fromStdString(path)) {
        file_.open(QIODevice::WriteOnly);
    }

    bool IsOpen() const override { return file_.isOpen(); }

    bool Write(std::string_view bytes) override {
        const auto size = static_cast<qint64>(bytes.size());
        return file_.isOpen() && file_.write(bytes.data(), size) == size;
    }

    // A failed write makes QSaveFile refuse the commit, so the target stays as it was.
    bool Commit() override { return file_.isOpen() && file_.commit(); }

    std::string ErrorText() const override { return file_.errorString().toStdString(); }

private:
    QSaveFile file_; // dropped without a commit, it removes its temporary file
};

} // namespace

std::unique_ptr<ResultsSink> OpenUserFile(const std::string& path) {
    return std::make_unique<SaveFileSink>(path);
}

std::string WriteUserFile(const std::string& path, std::string_view bytes) {
    const std::unique_ptr<ResultsSink> file = OpenUserFile(path);
    if (file->IsOpen() && file->Write(bytes) && file->Commit()) {
        return {};
    }
    return file->ErrorText();
}

} // namespace vortalin
