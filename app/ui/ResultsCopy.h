#pragma once
// "Kopírovať výsledky": the case and its results as tab-separated text, one item a line
// (label, tab, value), which a spreadsheet pastes into two columns.

#include <QString>

class QMainWindow;
class QMenu;
class QWidget;

namespace vortalin {

// Tells the user that no results are shown and only the inputs were copied.
inline constexpr const char* kNoResultsCopiedText =
    "Výsledky nie sú zobrazené, skopírované sú len vstupné údaje.";

// The fluid, the geometry, its heating mode or row count where it has one, every input the
// geometry reads, then the twelve results and the status text, or the note that no results
// are shown.
QString ResultsCopyText(const QWidget& mainWindow);

// Adds the item (Ctrl+Shift+C) to the menu; it puts the text on the clipboard.
void AddCopyResultsItem(QMainWindow& mainWindow, QMenu& menu);

} // namespace vortalin
