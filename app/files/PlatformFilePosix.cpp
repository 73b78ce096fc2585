#include "app/files/FileErrors.h"
#include "app/files/PlatformFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace vortalin::platform {

namespace {

// mkstemp creates the file readable by its owner only; the new file gets the mode of the
// file it replaces, or the usual mode of a new file.
mode_t TargetMode(const std::string& target) {
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        return existing.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

TemporaryFile CreateTemporaryBeside(const std::string& target) {
    TemporaryFile temporary;
    std::string pattern = target + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        temporary.error = FileErrorReason(errno);
        return temporary;
    }
    temporary.path.assign(name.data());
    ::fchmod(fd, TargetMode(target));
    temporary.stream = ::fdopen(fd, "w");
    if (temporary.stream == nullptr) {
        temporary.error = FileErrorReason(errno);
        ::close(fd);
        std::remove(temporary.path.c_str());
        temporary.path.clear();
    }
    return temporary;
}

std::string ReplacementRefusal(const std::string&) {
    return {}; // a rename replaces a file whoever has it open
}

std::string ReplaceWith(const std::string& temporary, const std::string& target) {
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        return FileErrorReason(errno);
    }
    return {};
}

void RemoveFile(const std::string& path) {
    std::remove(path.c_str());
}

} // namespace vortalin::platform
