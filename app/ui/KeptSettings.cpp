#include "app/ui/KeptSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace vortalin {

namespace {

constexpr QLatin1StringView kRecentCasesKey("recentCases");

QSettings Settings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("vortalin"),
                     QStringLiteral("vortalin"));
}

QString FolderKey(FileKind kind) {
    switch (kind) {
    case FileKind::Case:
        return QStringLiteral("folders/cases");
    case FileKind::StudyResults:
        return QStringLiteral("folders/studyResults");
    case FileKind::ChartPicture:
        return QStringLiteral("folders/chartPictures");
    }
    return {};
}

// A kept path, or an empty text for junk.
QString CleanPath(const QString& path) {
    if (path.isEmpty() || path.contains(QChar::Null) || !QDir::isAbsolutePath(path)) {
        return {};
    }
    return QDir::cleanPath(path);
}

void StoreRecent(const QStringList& paths) {
    Settings().setValue(kRecentCasesKey, CleanRecentList(paths));
}

} // namespace

QStringList CleanRecentList(const QStringList& paths) {
    QStringList kept;
    for (const QString& path : paths) {
        const QString clean = CleanPath(path);
        if (!clean.isEmpty() && !kept.contains(clean) &&
            kept.size() < KeptSettings::kMaxRecentCases) {
            kept << clean;
        }
    }
    return kept;
}

QStringList KeptSettings::RecentCases() {
    // A single text (one path) reads as a list of one; any other kind of value as empty.
    return CleanRecentList(Settings().value(kRecentCasesKey).toStringList());
}

void KeptSettings::AddRecentCase(const QString& path) {
    QStringList paths = RecentCases();
    const QString clean = CleanPath(QFileInfo(path).absoluteFilePath());
    paths.removeAll(clean);
    paths.prepend(clean);
    StoreRecent(paths);
}

void KeptSettings::ForgetRecentCase(const QString& path) {
    QStringList paths = RecentCases();
    paths.removeAll(CleanPath(path));
    StoreRecent(paths);
}

QString KeptSettings::LastFolder(FileKind kind) {
    const QString folder = CleanPath(Settings().value(FolderKey(kind)).toString());
    return QFileInfo(folder).isDir() ? folder : QString();
}

void KeptSettings::KeepFolderOf(FileKind kind, const QString& filePath) {
    Settings().setValue(FolderKey(kind), QFileInfo(filePath).absolutePath());
}

} // namespace vortalin
