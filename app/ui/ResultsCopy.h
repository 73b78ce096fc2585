#pragma once
// "Kopírovať výsledky": the case and its results as tab-separated text, one item a line
// (label, tab, value), which a spreadsheet pastes into two columns.

#include <QString>

#include <optional>

class QMainWindow;
class QMenu;
class QWidget;

namespace vortalin {

// Tells the user that no results are shown and only the inputs were copied.
inline constexpr const char* kNoResultsCopiedText =
    "Výsledky nie sú zobrazené, skopírované sú len vstupné údaje.";

// What the status bar confirms after a copy.
inline constexpr const char* kResultsCopiedText = "Výsledky skopírované.";
inline constexpr const char* kInputsCopiedText = "Skopírované sú len vstupné údaje.";

// What the item copies: the fluid, the geometry, its heating mode or row count where it has
// one, every input the geometry reads, then the twelve results and the status text, or the
// note that no results are shown. The results on screen stay when the inputs or selections
// change without a Compute, so the text is kept as the Compute that showed them left the
// window: results are never copied beside inputs they were not computed from.
class CopiedResults {
public:
    // After every Compute command: keeps the window's text when the command showed results,
    // forgets the kept text when it did not (refused, stopped, a text that is no number).
    void ComputeEnded(const QWidget& mainWindow, bool resultsShown);

    // The kept text while results are on screen; otherwise the window's inputs as they are
    // now, with the note that no results are shown.
    QString Text(const QWidget& mainWindow) const;
    // Whether Text holds results.
    bool HasResults(const QWidget& mainWindow) const;

private:
    std::optional<QString> kept_;
};

// Adds the item (Ctrl+Shift+C) to the menu; it puts the text of `copied` on the clipboard.
void AddCopyResultsItem(QMainWindow& mainWindow, QMenu& menu, const CopiedResults& copied);

} // namespace vortalin
