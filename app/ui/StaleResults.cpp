#include "app/ui/StaleResults.h"

#include "app/compute/ResultDisplay.h"
#include "app/form/InputNames.h"
#include "app/ui/FormControls.h"
#include "app/ui/StatusBarPanels.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

namespace vortalin {

namespace {

bool OnMainWindow(EditId field) {
    return FormOf(field) == FormId::MainWindow;
}

bool OnMainWindow(ButtonId button) {
    return FormOf(button) == FormId::MainWindow;
}

// The greyed text of a result that belongs to other inputs.
QPalette StalePalette(QPalette palette) {
    const QColor greyed = palette.color(QPalette::Disabled, QPalette::Text);
    palette.setColor(QPalette::Active, QPalette::Text, greyed);
    palette.setColor(QPalette::Inactive, QPalette::Text, greyed);
    return palette;
}

} // namespace

StaleResults::StaleResults(QWidget& mainWindow) : QObject(&mainWindow), form_(mainWindow) {
    for (const InputField& f : kInputFields) {
        if (OnMainWindow(f.field)) {
            connect(&FindEdit(form_, f.field), &QLineEdit::textChanged, this, [this] { Check(); });
        }
    }
    for (std::size_t i = 0; i < kButtonCount; ++i) {
        const auto button = static_cast<ButtonId>(i);
        if (OnMainWindow(button)) {
            connect(&FindButton(form_, button), &QRadioButton::toggled, this, [this] { Check(); });
        }
    }
    for (const DisplayedResult& r : kDisplayedResults) {
        normalPalettes_[Index(r.field)] = FindEdit(form_, r.field).palette();
    }
}

// Every text and selection of the main window that a Compute reads.
QStringList StaleResults::Inputs() const {
    QStringList inputs;
    for (const InputField& f : kInputFields) {
        if (OnMainWindow(f.field)) {
            inputs << FindEdit(form_, f.field).text();
        }
    }
    QString checked;
    for (std::size_t i = 0; i < kButtonCount; ++i) {
        const auto button = static_cast<ButtonId>(i);
        if (OnMainWindow(button)) {
            checked += FindButton(form_, button).isChecked() ? QLatin1Char('1') : QLatin1Char('0');
        }
    }
    return inputs << checked;
}

void StaleResults::ComputeEnded(bool resultsShown) {
    computedFrom_.reset();
    if (resultsShown) {
        computedFrom_ = Inputs();
    }
    Mark(false);
}

void StaleResults::Check() {
    // A selection changes in two steps (one button off, the other on); the second decides.
    Mark(computedFrom_.has_value() && *computedFrom_ != Inputs());
}

void StaleResults::Mark(bool stale) {
    if (stale == stale_) {
        return;
    }
    stale_ = stale;
    for (const DisplayedResult& r : kDisplayedResults) {
        const QPalette& normal = normalPalettes_[Index(r.field)];
        FindEdit(form_, r.field).setPalette(stale ? StalePalette(normal) : normal);
    }
    StatusBarPanels::Of(form_).SetStaleNote(stale ? QString::fromUtf8(kStaleResultsNote)
                                                  : QString());
}

} // namespace vortalin
