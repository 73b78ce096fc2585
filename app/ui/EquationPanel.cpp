#include "app/ui/EquationPanel.h"

#include "app/compute/EquationReport.h"
#include "app/ui/FormControls.h"
#include "app/ui/StatusBarPanels.h"

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>

#include <algorithm>

namespace vortalin {

namespace {

// Amber: a warning, as against the red of the refusals.
constexpr const char* kMarkedStyle = "QLineEdit { background-color: #ffc24d; }";
constexpr const char* kStripStyle = "QLabel { background-color: #ffe2a6; color: #5c3b00; }";
// The strip lies under the result fields and the geometry group, across the window.
const QRect kStripGeometry(8, 548, 937, 18);

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

EquationPanel::EquationPanel(QMainWindow& window)
    : QObject(&window), window_(window), warnings_(new QLabel(window.centralWidget())) {
    warnings_->setObjectName(QStringLiteral("WarningsPanel"));
    warnings_->setGeometry(kStripGeometry);
    warnings_->setStyleSheet(QLatin1String(kStripStyle));
    warnings_->setTextFormat(Qt::PlainText);
    Clear();
}

void EquationPanel::ShowRun(const Calculator& calc, char separator) {
    Clear();
    ShowEquation(calc, separator);
    ShowWarnings(calc, separator);
}

void EquationPanel::Clear() {
    UnmarkFields();
    StatusBarPanels::Of(window_).SetEquation(QString());
    warnings_->clear();
    warnings_->setToolTip(QString());
    warnings_->hide();
}

void EquationPanel::ShowEquation(const Calculator& calc, char separator) {
    const EquationRow* row = ShownEquation(calc);
    if (row == nullptr) {
        return;
    }
    StatusBarPanels::Of(window_).SetEquation(
        QStringLiteral("Rovnica: %1 · %2").arg(Utf8(row->name), Utf8(row->citation)),
        QString::fromStdString(EquationDetails(*row, calc.State().equation, separator)));
}

void EquationPanel::ShowWarnings(const Calculator& calc, char separator) {
    const WarningList& warnings = calc.Warnings();
    if (warnings.Empty()) {
        return;
    }
    QStringList texts;
    for (const Warning& w : warnings) {
        const QString text = QString::fromStdString(WarningText(w, separator));
        texts << text;
        for (EditId id : FieldsOf(w, calc.State().equation.Id())) {
            Mark(FindEdit(window_, id), text);
        }
    }
    const QString all = texts.join(QLatin1Char(' '));
    warnings_->setText(warnings_->fontMetrics().elidedText(
        QStringLiteral("Upozornenie: ") + all, Qt::ElideRight, kStripGeometry.width() - 4));
    warnings_->setToolTip(texts.join(QLatin1Char('\n')));
    warnings_->show();
}

void EquationPanel::Mark(QLineEdit& field, const QString& warning) {
    auto known = std::find_if(marked_.begin(), marked_.end(),
                              [&field](const Marked& m) { return m.field == &field; });
    if (known == marked_.end()) {
        marked_.push_back({&field, field.toolTip(), QString()});
        known = marked_.end() - 1;
        field.setStyleSheet(QLatin1String(kMarkedStyle));
    }
    const QString current = field.toolTip();
    known->marked = current.isEmpty() ? warning : current + QLatin1Char('\n') + warning;
    field.setToolTip(known->marked);
}

void EquationPanel::UnmarkFields() {
    for (const Marked& m : marked_) {
        m.field->setStyleSheet(QString());
        // A result field writes its own tooltip with every new text; only a tooltip the
        // mark still stands in is given back.
        if (m.field->toolTip() == m.marked) {
            m.field->setToolTip(m.before);
        }
    }
    marked_.clear();
}

} // namespace vortalin
