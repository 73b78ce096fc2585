#pragma once
// The calculation sheet in the window: "Súbor → Údaje o prípade…" (project, author, checked
// by, note), "Tlačiť…" (Ctrl+P, the system's print dialog) and "Exportovať protokol do
// PDF…". Both print the case of the last Compute command as it left the window: inputs
// typed since do not reach the sheet.

#include "app/report/CaseIdentity.h"
#include "app/report/RunSnapshot.h"
#include "app/report/Sheet.h"

#include <QObject>

#include <optional>
#include <string>

class QAction;
class QMainWindow;
class QMenu;

namespace vortalin {

class QtWindowServices;

class SheetCommands : public QObject {
    Q_OBJECT
public:
    // Adds the three items to the menu before `before` (nullptr: at its end) and creates
    // the PDF save dialog ("SaveDialog3") and the identity dialog ("CaseIdentityDialog").
    SheetCommands(QMainWindow& mainWindow, QMenu& menu, QAction* before,
                  QtWindowServices& services);

    // After every Compute command, with the state the command left.
    void ComputeEnded(RunSnapshot run) { lastRun_ = std::move(run); }
    // A loaded case takes the results off the screen: the sheet has no run until the next
    // Compute.
    void CaseLoaded(const CaseIdentity& identity);

    const CaseIdentity& Identity() const { return identity_; }
    // The case file named in the head of the sheet; empty for none.
    void SetCaseFile(const std::string& path) { caseFile_ = path; }

    void EditIdentity(); // "Údaje o prípade…"
    void Print();        // "Tlačiť…"
    void ExportPdf();    // "Exportovať protokol do PDF…"

private:
    Sheet SheetNow() const;

    QMainWindow& mainWindow_;
    QtWindowServices& services_;
    std::optional<RunSnapshot> lastRun_;
    CaseIdentity identity_;
    std::string caseFile_;
};

} // namespace vortalin
