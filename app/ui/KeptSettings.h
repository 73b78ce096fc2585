#pragma once
// What the window keeps between runs, with QSettings in the platform's usual place (on
// Linux ~/.config/vortalin/vortalin.conf, on Windows the registry key
// HKEY_CURRENT_USER\Software\vortalin\vortalin): the recently used case files and the
// folder last used for each kind of file. Nothing of the calculation is kept.
//
// The stored values may be anything another version or a hand edit left there: what does
// not read as an absolute path is ignored.

#include <QString>
#include <QStringList>

#include <cstdint>

namespace vortalin {

// The kinds of files whose dialogs remember their own folder.
enum class FileKind : std::uint8_t { Case, StudyResults, ChartPicture };

class KeptSettings {
public:
    static constexpr qsizetype kMaxRecentCases = 8;

    // The recent case files, the most recent first; at most kMaxRecentCases, no duplicates.
    static QStringList RecentCases();
    // Puts the file first in the list (it was just loaded or saved).
    static void AddRecentCase(const QString& path);
    // Takes the file off the list (it no longer exists).
    static void ForgetRecentCase(const QString& path);

    // The folder the dialog for this kind of file last chose a file in; empty before.
    static QString LastFolder(FileKind kind);
    // Remembers the folder of a file just chosen.
    static void KeepFolderOf(FileKind kind, const QString& filePath);
};

// The list as kept: absolute paths, cleaned, without duplicates, at most kMaxRecentCases.
QStringList CleanRecentList(const QStringList& paths);

} // namespace vortalin
