#pragma once
// Results that no longer belong to the inputs are marked. Once an input or a selection of
// the main window differs from those the shown results were computed from, the result
// fields are drawn in a greyed text and the status bar says so, until the next Compute.
// Changing an input back clears the mark again.

#include "app/form/Controls.h"

#include <QObject>
#include <QPalette>
#include <QStringList>

#include <array>
#include <optional>

class QWidget;

namespace vortalin {

inline constexpr const char* kStaleResultsNote =
    "Výsledky patria k predchádzajúcim vstupom. Stlačte Vypočítaj.";

class StaleResults : public QObject {
    Q_OBJECT
public:
    // Becomes a child of the main window and watches its inputs and selections.
    explicit StaleResults(QWidget& mainWindow);

    // After every Compute command, and whenever the results are taken off the screen:
    // remembers the inputs when results are shown, forgets them otherwise.
    void ComputeEnded(bool resultsShown);

    // Whether results are shown that belong to other inputs.
    bool Stale() const { return stale_; }

private:
    QStringList Inputs() const;
    void Check();
    void Mark(bool stale);

    QWidget& form_;
    std::optional<QStringList> computedFrom_;
    bool stale_ = false;
    std::array<QPalette, kEditCount> normalPalettes_{};
};

} // namespace vortalin
