#pragma once
// What counts is visible. Of the geometries' own fields, only those the selected geometry
// uses are enabled; the others are greyed as the hydraulic diameter is for the geometries
// with their own diameters (that one follows the geometry buttons' enter handlers), and
// keep their texts. Every input and result explains itself in its tooltip for the
// selections made, and the range dialog greys a variable the geometry does not use.

#include "app/form/Controls.h"

#include <QObject>
#include <QPalette>

#include <array>

class QLineEdit;
class QWidget;

namespace vortalin {

// A field's palette greyed as the hydraulic diameter is: silver behind a text dark enough
// to read (9 : 1 against silver).
QPalette GreyedPalette(QPalette normal);

class FieldStates : public QObject {
    Q_OBJECT
public:
    // Becomes a child of the main window and follows its selections from now on.
    explicit FieldStates(QWidget& mainWindow);

    // The range dialog is created after the main window.
    void AttachRangeDialog(QWidget& rangeDialog);

    // The states of the main window (or of any widget above its FieldStates).
    static FieldStates& Of(const QWidget& mainWindow);

    // Greys or enables the fields and writes every tooltip for the selections now.
    void Refresh();

    // A greyed field whose text is no number: enabled with its ordinary look, so that the
    // user can correct it. The next Refresh greys it again if the geometry still does not
    // use it.
    void OpenForCorrection(EditId field);

private:
    QLineEdit& Edit(EditId field) const;
    void SetGreyed(EditId field, bool greyed);
    void RefreshRangeDialog();

    QWidget& mainWindow_;
    QWidget* rangeDialog_ = nullptr;
    std::array<QPalette, kEditCount> normalPalettes_{};
};

} // namespace vortalin
