#include "app/qt/UserFile.h"

namespace vortalin {

std::string WriteAll(ResultsSink& sink, std::string_view bytes) {
    if (sink.IsOpen() && sink.Write(bytes) && sink.Commit()) {
        return {};
    }
    return sink.ErrorText();
}

std::string WriteUserFile(const std::string& path, std::string_view bytes, ReaderWait wait) {
    return WriteAll(*OpenUserFile(path, wait), bytes);
}

} // namespace vortalin
