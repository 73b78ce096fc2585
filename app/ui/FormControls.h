#pragma once
// Finding the widgets that stand for the calculation's controls. The calculation names
// the range dialog's controls "Form2.Edit1", "Form2.RadioButton3"; in the dialog itself
// they are plain "Edit1", "RadioButton3", as the form designer numbers them.

#include "app/form/Controls.h"
#include "app/form/Selections.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QString>
#include <QWidget>

#include <stdexcept>
#include <string>
#include <string_view>

namespace vortalin {

enum class FormId : std::uint8_t { MainWindow, RangeDialog };

FormId FormOf(EditId id);
FormId FormOf(ButtonId id);

// The widget's objectName inside its own form.
QString WidgetName(std::string_view controlName);

// The form's widget of the given class and name; a missing control is a fault of the
// form that start-up reports.
template <class Widget> Widget& FindControl(const QWidget& form, std::string_view controlName) {
    auto* widget = form.findChild<Widget*>(WidgetName(controlName));
    if (widget == nullptr) {
        throw std::runtime_error("Vo formulári " + form.objectName().toStdString() +
                                 " chýba ovládací prvok " + std::string(controlName) + ".");
    }
    return *widget;
}

QLineEdit& FindEdit(const QWidget& form, EditId id);
QRadioButton& FindButton(const QWidget& form, ButtonId id);

// The geometry whose button is checked in the main window.
Geometry CheckedGeometry(const QWidget& mainWindow);

// Puts the default texts (with the locale's decimal separator) and the start-up selection
// into the fields and buttons of one form.
void ShowDefaults(const QWidget& form, FormId which);

} // namespace vortalin
