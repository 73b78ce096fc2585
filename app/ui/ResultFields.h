#pragma once
// The result fields keep their place and width. A text too wide for a field at the form's
// font is drawn in a narrower (and, as a last resort, smaller) font until it fits, so
// nothing is cut off. (The tooltip says what the field shows; FieldStates writes it.)

#include <QString>

class QLineEdit;
class QWidget;

namespace vortalin {

// The width a line edit has for its text.
int TextWidthOf(const QLineEdit& field);

// Whether the text fits the field at the field's current font.
bool TextFits(const QLineEdit& field, const QString& text);

// The field's font for its current text.
void FitResultText(QLineEdit& field);

// Keeps every result field of the main window fitted as its text changes.
void KeepResultsReadable(QWidget& mainWindow);

} // namespace vortalin
