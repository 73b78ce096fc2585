#include "app/ui/ResultsCopy.h"

#include "app/compute/Messages.h"
#include "app/compute/ResultDisplay.h"
#include "app/form/FieldDescriptions.h"
#include "app/form/Geometries.h"
#include "app/form/InputFields.h"
#include "app/form/Selections.h"
#include "app/ui/FormControls.h"
#include "app/ui/StatusBarPanels.h"

#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>

#include <span>

namespace vortalin {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void AddLine(QString& text, const QString& label, const QString& value) {
    text += label + QLatin1Char('\t') + value + QLatin1Char('\n');
}

// The title of the group box and the caption of its selected button.
void AddSelection(QString& text, const QWidget& form, const char* group,
                  std::span<const ButtonId> buttons) {
    for (ButtonId button : buttons) {
        const QRadioButton& radio = FindButton(form, button);
        if (radio.isChecked()) {
            AddLine(text, FindControl<QGroupBox>(form, group).title(), radio.text().trimmed());
        }
    }
}

bool ResultsShown(const QWidget& form) {
    const QString text = FindEdit(form, kResultLabels.front().field).text();
    return text != QLatin1String(kResetText) && text != QLatin1String(kStartText);
}

// The fluid, the geometry, its heating mode or row count where it has one, and every input
// the geometry reads, as the window shows them now.
QString InputsCopyText(const QWidget& form) {
    const Geometry geometry = CheckedGeometry(form);
    const GeometryEntry& entry = GeometryOf(geometry);
    QString text;
    AddSelection(text, form, "GroupBox2", ButtonsOf(kFluids));
    AddSelection(text, form, "GroupBox1", ButtonsOf(kGeometries));
    if (entry.readsHeatingMode) {
        AddSelection(text, form, "GroupBox3", ButtonsOf(kHeatingModes));
    }
    if (entry.readsRowCountMode) {
        AddSelection(text, form, "GroupBox4", ButtonsOf(kRowCountModes));
    }
    for (EditId field : InputsReadBy(geometry)) {
        AddLine(text, FromUtf8(FullNameOf(field)), FindEdit(form, field).text());
    }
    return text;
}

// The inputs, then the note that no results are shown.
QString InputsOnlyText(const QWidget& form) {
    return InputsCopyText(form) + QString::fromUtf8(kNoResultsCopiedText) + QLatin1Char('\n');
}

// The inputs, the twelve results and the status text, as the window shows them now.
QString ResultsCopyText(const QWidget& form) {
    QString text = InputsCopyText(form);
    for (const ResultLabel& result : kResultLabels) {
        AddLine(text, FromUtf8(FullNameOf(result.field)), FindEdit(form, result.field).text());
    }
    const QString status = FindControl<QLabel>(form, "StatusPanel0").text();
    if (!status.isEmpty()) {
        text += status + QLatin1Char('\n');
    }
    return text;
}

} // namespace

void CopiedResults::ComputeEnded(const QWidget& form, bool resultsShown) {
    kept_.reset();
    if (resultsShown) {
        kept_ = ResultsCopyText(form);
    }
}

bool CopiedResults::HasResults(const QWidget& form) const {
    // Loading a case takes the results off the screen without a Compute.
    return kept_ && ResultsShown(form);
}

QString CopiedResults::Text(const QWidget& form) const {
    return HasResults(form) ? *kept_ : InputsOnlyText(form);
}

void AddCopyResultsItem(QMainWindow& form, QMenu& menu, const CopiedResults& copied) {
    auto* item = new QAction(QStringLiteral("Kopírovať výsledky"), &form);
    item->setObjectName(QStringLiteral("Kopirovatvysledky1"));
    item->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+C")));
    item->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(item, &QAction::triggered, &form, [&form, &copied] {
        QGuiApplication::clipboard()->setText(copied.Text(form));
        StatusBarPanels::Of(form).Confirm(
            QString::fromUtf8(copied.HasResults(form) ? kResultsCopiedText : kInputsCopiedText));
    });
    menu.addAction(item);
    form.addAction(item); // the shortcut works with the menu closed
}

} // namespace vortalin
