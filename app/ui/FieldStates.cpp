#include "app/ui/FieldStates.h"

#include "app/compute/ResultDisplay.h"
#include "app/form/FieldDescriptions.h"
#include "app/form/InputNames.h"
#include "app/ui/FormControls.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

#include <stdexcept>

namespace vortalin {

namespace {

const QColor kSilver(192, 192, 192);
const QColor kGreyedText(32, 32, 32);

// The study variable a geometry may not use, and why the dialog then greys it.
constexpr ButtonId kDiameterSweep = ButtonId::Form2RadioButton2;
constexpr const char* kDiameterSweepGreyed =
    "Vybraná geometria hydraulický priemer nepoužíva: jeho štúdia by mala vo všetkých krokoch "
    "rovnaké výsledky.";

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

FieldContext CheckedContext(const QWidget& form) {
    const auto checked = [&form](ButtonId b) { return FindButton(form, b).isChecked(); };
    Fluid fluid = Fluid::Air;
    if (checked(ButtonOf(Fluid::Water))) {
        fluid = Fluid::Water;
    } else if (checked(ButtonOf(Fluid::NaturalGas))) {
        fluid = Fluid::NaturalGas;
    }
    const RowCountMode rows =
        checked(ButtonOf(RowCountMode::FewRows)) ? RowCountMode::FewRows : RowCountMode::ManyRows;
    return {CheckedGeometry(form), fluid, rows};
}

bool IsResult(EditId field) {
    for (const DisplayedResult& r : kDisplayedResults) {
        if (r.field == field) {
            return true;
        }
    }
    return false;
}

// The inputs whose enabled state follows the geometry: every field some geometry leaves
// unused, except the hydraulic diameter, whose state the enter handlers set.
bool FollowsGeometry(EditId field) {
    if (FormOf(field) != FormId::MainWindow || IsResult(field) || field == EditId::Edit2) {
        return false;
    }
    for (std::size_t g = 0; g < kGeometryCount; ++g) {
        if (!GeometryReads(static_cast<Geometry>(g), field)) {
            return true;
        }
    }
    return false;
}

} // namespace

QPalette GreyedPalette(QPalette palette) {
    palette.setColor(QPalette::Base, kSilver); // in every colour group, the disabled one too
    palette.setColor(QPalette::Disabled, QPalette::Text, kGreyedText);
    return palette;
}

FieldStates::FieldStates(QWidget& mainWindow) : QObject(&mainWindow), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("FieldStates"));
    for (std::size_t i = 0; i < kEditCount; ++i) {
        if (FormOf(static_cast<EditId>(i)) == FormId::MainWindow) {
            normalPalettes_[i] = Edit(static_cast<EditId>(i)).palette();
        }
    }
    for (std::size_t i = 0; i < kButtonCount; ++i) {
        if (FormOf(static_cast<ButtonId>(i)) == FormId::MainWindow) {
            connect(&FindButton(mainWindow, static_cast<ButtonId>(i)), &QRadioButton::toggled, this,
                    [this](bool checked) {
                        if (checked) {
                            Refresh();
                        }
                    });
        }
    }
    Refresh();
}

void FieldStates::AttachRangeDialog(QWidget& rangeDialog) {
    rangeDialog_ = &rangeDialog;
    RefreshRangeDialog();
}

FieldStates& FieldStates::Of(const QWidget& mainWindow) {
    auto* states = mainWindow.findChild<FieldStates*>(QStringLiteral("FieldStates"));
    if (states == nullptr) {
        throw std::logic_error("Hlavné okno nesleduje stav polí.");
    }
    return *states;
}

QLineEdit& FieldStates::Edit(EditId field) const {
    return FindEdit(FormOf(field) == FormId::MainWindow ? mainWindow_ : *rangeDialog_, field);
}

void FieldStates::SetGreyed(EditId field, bool greyed) {
    QLineEdit& edit = Edit(field);
    const QPalette& normal = normalPalettes_[Index(field)];
    edit.setPalette(greyed ? GreyedPalette(normal) : normal);
    edit.setEnabled(!greyed);
}

void FieldStates::Refresh() {
    const FieldContext context = CheckedContext(mainWindow_);
    for (std::size_t i = 0; i < kEditCount; ++i) {
        const auto field = static_cast<EditId>(i);
        if (FormOf(field) != FormId::MainWindow) {
            continue;
        }
        if (FollowsGeometry(field)) {
            SetGreyed(field, !GeometryReads(context.geometry, field));
        }
        Edit(field).setToolTip(FromUtf8(IsResult(field) ? ResultToolTip(field, context)
                                                        : InputToolTip(field, context)));
    }
    RefreshRangeDialog();
}

void FieldStates::RefreshRangeDialog() {
    if (rangeDialog_ == nullptr) {
        return;
    }
    const FieldContext context = CheckedContext(mainWindow_);
    for (const InputField& f : kInputFields) {
        if (FormOf(f.field) == FormId::RangeDialog) {
            Edit(f.field).setToolTip(FromUtf8(InputToolTip(f.field, context)));
        }
    }
    const bool diameterUsed = GeometryReads(context.geometry, EditId::Edit2);
    QRadioButton& diameter = FindButton(*rangeDialog_, kDiameterSweep);
    diameter.setEnabled(diameterUsed);
    diameter.setToolTip(diameterUsed ? QString() : QString::fromUtf8(kDiameterSweepGreyed));
}

void FieldStates::OpenForCorrection(EditId field) {
    if (FormOf(field) == FormId::MainWindow && !Edit(field).isEnabled()) {
        SetGreyed(field, false);
    }
}

} // namespace vortalin
