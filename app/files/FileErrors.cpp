#include "app/files/FileErrors.h"

#include <array>
#include <cerrno>
#include <cstring>

namespace vortalin {

namespace {

struct CommonFileError {
    int errorNumber;
    const char* systemText; // the C library's text without a translation
    const char* reason;
};

// Sized by its entries: EDQUOT is not on every platform.
constexpr CommonFileError kCommonFileErrors[] = {
    {ENOENT, "No such file or directory", "priečinok neexistuje"},
    {EACCES, "Permission denied", "chýba povolenie na zápis"},
    {EPERM, "Operation not permitted", "chýba povolenie na zápis"},
    {EROFS, "Read-only file system", "súborový systém je len na čítanie"},
#ifdef _WIN32 // the numbers PlatformFileWindows.cpp gives a read-only file and one open elsewhere
    {ENOTSUP, "Not supported", "súbor je len na čítanie"},
    {EBUSY, "Resource device", "súbor je otvorený v inom programe"},
#endif
    {ENOSPC, "No space left on device", "na disku nie je voľné miesto"},
#ifdef EDQUOT // not in mingw's errno.h: Windows has no disk quotas
    {EDQUOT, "Disk quota exceeded", "prekročená disková kvóta"},
#endif
    {EISDIR, "Is a directory", "v ceste stojí priečinok s rovnakým názvom"},
    {ENOTDIR, "Not a directory", "časť cesty nie je priečinok"},
    {EFBIG, "File too large", "súbor je príliš veľký"},
    {ENAMETOOLONG, "File name too long", "názov súboru je príliš dlhý"},
    {ELOOP, "Too many levels of symbolic links", "symbolické odkazy tvoria slučku"},
    {EPIPE, "Broken pipe", "program na druhej strane rúry skončil"},
    {ENXIO, "No such device or address", "rúru nikto nečíta"},
};

struct ReadError {
    int errorNumber;
    const char* reason;
};

constexpr std::array<ReadError, 4> kReadErrors = {{
    {ENOENT, "súbor neexistuje"},
    {EACCES, "chýba povolenie na čítanie"},
    {EPERM, "chýba povolenie na čítanie"},
    {EISDIR, "je to priečinok"},
}};

// Qt's own text when a folder is opened as a file.
constexpr const char* kQtFolderText = "file to open is a directory";

// The C library's text of an error number. Windows' C library has none for the POSIX
// numbers it does not know (ELOOP, ENXIO, ...).
std::string SystemText(int errorNumber) {
    const char* text = std::strerror(errorNumber);
    return text != nullptr ? text : "Unknown error " + std::to_string(errorNumber);
}

// Whether the text is the system's text of that error, untranslated or in the user's
// language.
bool IsTextOf(const std::string& systemText, int errorNumber) {
    for (const CommonFileError& e : kCommonFileErrors) {
        if (e.errorNumber == errorNumber && systemText == e.systemText) {
            return true;
        }
    }
    return systemText == SystemText(errorNumber);
}

} // namespace

std::string FileErrorReason(int errorNumber) {
    for (const CommonFileError& e : kCommonFileErrors) {
        if (e.errorNumber == errorNumber) {
            return e.reason;
        }
    }
    return SystemText(errorNumber);
}

std::string FileErrorReason(const std::string& systemText) {
    for (const CommonFileError& e : kCommonFileErrors) {
        // The untranslated text, or the text of the user's language.
        if (systemText == e.systemText || systemText == SystemText(e.errorNumber)) {
            return e.reason;
        }
    }
    return systemText;
}

std::string FileReadErrorReason(const std::string& systemText) {
    if (systemText == kQtFolderText) {
        return "je to priečinok";
    }
    for (const ReadError& e : kReadErrors) {
        if (IsTextOf(systemText, e.errorNumber)) {
            return e.reason;
        }
    }
    return FileErrorReason(systemText);
}

} // namespace vortalin
