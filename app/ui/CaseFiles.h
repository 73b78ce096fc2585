#pragma once
// The case in the window as a document of "Súbor": "Načítaj", "Ulož", "Uložiť ako…" and the
// recent case files, the window's title with the case's file name and a mark of unsaved
// changes, and the question before unsaved changes would be lost.
//
// The case has unsaved changes when an input or a selection of either window differs from
// what the last load or save left, or from the start-up state for a case never saved. So a
// text typed back as it was is no change, and nothing the program writes (results, the
// greyed diameter) counts as one.

#include "app/qt/CaseFile.h"
#include "app/ui/KeptSettings.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>

class QAction;
class QMainWindow;
class QMenu;
class QWidget;

namespace vortalin {

class QtWindowServices;

class CaseFiles : public QObject {
    Q_OBJECT
public:
    // Name of a case that has no file yet.
    static constexpr const char* kUntitledName = "Bez názvu";

    // Adds "Uložiť ako…" and the recent cases to the window's menu "Súbor". `resultsGone`
    // runs after a load, to take the earlier results off the screen.
    CaseFiles(QMainWindow& window, QtWindowServices& services, std::function<void()> resultsGone);

    // The case's identity (project, author, ...) lives with the calculation sheet: `current`
    // gives it for a save, `loaded` takes a loaded case's identity and file, `saved` the
    // file a save wrote.
    void KeepIdentity(std::function<CaseIdentity()> current,
                      std::function<void(const CaseIdentity&, const std::string&)> loaded,
                      std::function<void(const std::string&)> saved);

    // The range dialog exists: its inputs belong to the case from now on, and the inputs as
    // they are now are the unsaved case's starting point.
    void Start(QWidget& rangeDialog);

    void Load();                          // "Načítaj"
    bool Save();                          // "Ulož": true when saved
    bool SaveAs();                        // "Uložiť ako…"
    void OpenRecent(const QString& path); // an item of the recent cases
    void Open(const std::string& path);   // a case named on the command line

    // Before the case is left (the window closes, another case is loaded): when it has
    // unsaved changes, asks whether to save them. Returns whether the case may be left:
    // it was saved, or the user discarded the changes.
    bool MayLeave();

    bool Modified() const;
    // The case's file (UTF-8); empty until it was loaded or saved.
    const std::string& Path() const { return path_; }

private:
    void AddMenuItems(QMenu& fileMenu, QAction& before);
    void WatchInputs(const QWidget& form);
    bool SaveTo(const std::string& path);
    void LoadFrom(const std::string& path);
    void Saved(const std::string& path); // after a load or save
    void ShowRecentCases();
    void ShowTitle();
    QString DisplayName() const;

    QMainWindow& window_;
    QtWindowServices& services_;
    std::function<void()> resultsGone_;
    std::function<CaseIdentity()> currentIdentity_;
    std::function<void(const CaseIdentity&, const std::string&)> identityLoaded_;
    std::function<void(const std::string&)> caseSaved_;
    std::string path_;
    CaseInputs saved_;
    bool started_ = false;
    std::array<QAction*, KeptSettings::kMaxRecentCases> recentItems_{};
};

// The window's title: "Vortalin 0.5" with no case, otherwise the case's name, "*" for
// unsaved changes, and the program: "ohrievac.vortalin* – Vortalin 0.5".
QString CaseWindowTitle(const QString& caseName, bool hasFile, bool modified);

// The message when a recent case's file is gone.
std::string MissingRecentCaseMessage(const std::string& path);

} // namespace vortalin
