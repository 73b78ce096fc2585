#include "app/ui/FormControls.h"

#include "app/form/Geometries.h"
#include "app/form/InputNames.h"
#include "app/qt/DecimalSeparator.h"

namespace vortalin {

namespace {

constexpr std::string_view kRangeDialogPrefix = "Form2.";

FormId FormOfName(std::string_view controlName) {
    return controlName.starts_with(kRangeDialogPrefix) ? FormId::RangeDialog : FormId::MainWindow;
}

} // namespace

FormId FormOf(EditId id) {
    return FormOfName(ControlName(id));
}

FormId FormOf(ButtonId id) {
    return FormOfName(ControlName(id));
}

QString WidgetName(std::string_view controlName) {
    if (controlName.starts_with(kRangeDialogPrefix)) {
        controlName.remove_prefix(kRangeDialogPrefix.size());
    }
    return QString::fromUtf8(controlName.data(), static_cast<qsizetype>(controlName.size()));
}

QLineEdit& FindEdit(const QWidget& form, EditId id) {
    return FindControl<QLineEdit>(form, ControlName(id));
}

QRadioButton& FindButton(const QWidget& form, ButtonId id) {
    return FindControl<QRadioButton>(form, ControlName(id));
}

Geometry CheckedGeometry(const QWidget& form) {
    for (const GeometryEntry& g : kGeometries) {
        if (FindButton(form, g.button).isChecked()) {
            return g.option;
        }
    }
    return kGeometries.front().option;
}

void ShowDefaults(const QWidget& form, FormId which) {
    const char separator = LocaleDecimalSeparator();
    for (std::size_t i = 0; i < kEditCount; ++i) {
        const auto id = static_cast<EditId>(i);
        if (FormOf(id) == which) {
            QLineEdit& edit = FindEdit(form, id);
            edit.setText(QString::fromStdString(DefaultText(id, separator)));
            edit.setCursorPosition(0);
        }
    }
    for (std::size_t i = 0; i < kButtonCount; ++i) {
        const auto id = static_cast<ButtonId>(i);
        if (FormOf(id) == which && SelectedAtStart(id)) {
            FindButton(form, id).setChecked(true);
        }
    }
}

} // namespace vortalin
