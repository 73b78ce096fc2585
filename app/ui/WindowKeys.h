#pragma once
// The main window from the keyboard: Return or Enter in an input field (or on the focused
// "Vypočítaj") computes, and Tab walks the inputs, the fluid, the geometry buttons, the
// selected geometry's own fields and "Vypočítaj". The result fields take the focus only
// from a click, so that their text can be selected and copied.

class QPushButton;
class QWidget;

namespace vortalin {

// Installs both on the main window; the Tab chain follows the geometry selection.
void SetUpKeyboard(QWidget& mainWindow, QPushButton& compute);

// Puts the selected geometry's fields into the Tab chain and takes the others out.
void UpdateTabChain(QWidget& mainWindow);

} // namespace vortalin
