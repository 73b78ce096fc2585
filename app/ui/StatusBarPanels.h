#pragma once
// The main window's status bar, laid out once for everything that reports there. From left
// to right:
//
//   StatusPanel0       the calculation's own status text: the flow regime after a Compute,
//                      the hint how to stop a running study. Only QtWindowServices writes it
//                      (WindowServices::SetStatusText); nothing here changes it.
//   StaleResultsPanel  while the results on screen belong to inputs changed since
//                      (SetStaleNote).
//   EquationPanel      the criterion equation of the results on screen, by name and source,
//                      its formula and ranges in the tooltip (SetEquation; EquationPanel
//                      fills it). The run's warnings are not here but in the strip
//                      "WarningsPanel" under the results, the one place of the warnings.
//   MessagePanel       short confirmations such as "Výsledky skopírované." (Confirm); each
//                      goes away by itself after a few seconds.
//   StudySummaryPanel  what the last parameter study wrote (SetStudySummary).
//   StudyPanel         while "Ulož do súboru" is on: "Štúdia zapnutá: <file>" (SetStudyMark).
//
// A panel without text is hidden, so that it takes no room. The summary and the equation
// give way (shortened with "…", the whole text in their tooltip) when the bar is too narrow
// for everything, so that they never widen the window.
//
// The window keeps one StatusBarPanels as a child of its status bar; code that has the main
// window finds it with StatusBarPanels::Of(window).

#include <QObject>
#include <QString>
#include <QTimer>

class QLabel;
class QStatusBar;
class QWidget;

namespace vortalin {

class StatusBarPanels : public QObject {
    Q_OBJECT
public:
    // How long a confirmation stays.
    static constexpr int kConfirmationMs = 4000;

    // Adds the panels to the bar; StatusPanel0 must not exist yet.
    explicit StatusBarPanels(QStatusBar& bar);

    // The panels of the main window (or of any widget above its status bar).
    static StatusBarPanels& Of(const QWidget& mainWindow);

    void SetStaleNote(const QString& text);
    void SetEquation(const QString& text, const QString& toolTip = {});
    void Confirm(const QString& text);
    void SetStudySummary(const QString& text, const QString& toolTip = {});
    void SetStudyMark(const QString& text, const QString& toolTip = {});

private:
    QLabel& stale_;
    QLabel& equation_;
    QLabel& message_;
    QLabel& studySummary_;
    QLabel& studyMark_;
    QTimer messageTimer_;
};

} // namespace vortalin
