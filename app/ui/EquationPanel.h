#pragma once
// What the main window shows of the criterion equation after each Compute: the equation
// whose results are on screen, by name and source, in a section of the status bar of its
// own (StatusBarPanels' "EquationPanel": formula, Reynolds number, ranges, source and the
// run's numbers in its tooltip); the
// warnings of the run in a strip under the results; and an amber background on the fields
// whose values the warnings name, the warning added to the field's tooltip. A refused run
// shows no equation and no warning. Nothing here opens a message box.

#include "app/compute/Calculator.h"

#include <QObject>
#include <QString>

#include <vector>

class QLabel;
class QLineEdit;
class QMainWindow;

namespace vortalin {

class EquationPanel : public QObject {
    Q_OBJECT
public:
    // Adds the strip "WarningsPanel" to the window; the equation goes to the status bar's
    // section "EquationPanel", which StatusBarPanels lays out.
    explicit EquationPanel(QMainWindow& window);

    // Shows what the last Compute command of `calc` used and warned of.
    void ShowRun(const Calculator& calc, char separator);
    // Shows nothing: no equation, no warning, no marked field.
    void Clear();

private:
    void ShowEquation(const Calculator& calc, char separator);
    void ShowWarnings(const Calculator& calc, char separator);
    void Mark(QLineEdit& field, const QString& warning);
    void UnmarkFields();

    QMainWindow& window_;
    QLabel* warnings_;
    // A marked field, the tooltip it had before and the one the mark gave it.
    struct Marked {
        QLineEdit* field;
        QString before;
        QString marked;
    };
    std::vector<Marked> marked_;
};

} // namespace vortalin
