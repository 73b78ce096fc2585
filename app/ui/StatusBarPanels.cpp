#include "app/ui/StatusBarPanels.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QStatusBar>
#include <QStyle>

#include <stdexcept>

namespace vortalin {

namespace {

constexpr int kShortestElidedChars = 6; // what a shortened panel keeps at least

// A label that shortens its text with "…" instead of widening its window; text() stays
// whole.
class ElidingLabel final : public QLabel {
public:
    using QLabel::QLabel;

    QSize minimumSizeHint() const override {
        QSize size = QLabel::minimumSizeHint();
        size.setWidth(fontMetrics().averageCharWidth() * kShortestElidedChars);
        return size;
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        drawFrame(&painter);
        const QRect area = contentsRect();
        const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
        style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(),
                              shown, foregroundRole());
    }
};

QLabel& AddLabel(QStatusBar& bar, QLabel* label, const char* name, bool permanent) {
    label->setObjectName(QString::fromLatin1(name));
    if (permanent) {
        // A thin line sets each panel apart from the text before it.
        label->setStyleSheet(QStringLiteral("QLabel { border-left: 1px solid palette(mid); "
                                            "padding-left: 6px; }"));
        bar.addPermanentWidget(label);
    } else {
        bar.addWidget(label, 1);
    }
    return *label;
}

void Show(QLabel& panel, const QString& text, const QString& toolTip) {
    panel.setText(text);
    panel.setToolTip(toolTip.isEmpty() ? text : toolTip);
    panel.setVisible(!text.isEmpty());
}

} // namespace

StatusBarPanels::StatusBarPanels(QStatusBar& bar)
    : QObject(&bar), stale_(AddLabel(bar, new QLabel(&bar), "StaleResultsPanel", true)),
      equation_(AddLabel(bar, new ElidingLabel(&bar), "EquationPanel", true)),
      message_(AddLabel(bar, new QLabel(&bar), "MessagePanel", true)),
      studySummary_(AddLabel(bar, new ElidingLabel(&bar), "StudySummaryPanel", true)),
      studyMark_(AddLabel(bar, new QLabel(&bar), "StudyPanel", true)) {
    setObjectName(QStringLiteral("StatusBarPanels"));
    // The ordinary widget stretches across what the permanent ones on the right leave.
    AddLabel(bar, new QLabel(&bar), "StatusPanel0", false);
    for (QLabel* panel : {&stale_, &equation_, &message_, &studySummary_, &studyMark_}) {
        panel->hide();
    }
    messageTimer_.setSingleShot(true);
    connect(&messageTimer_, &QTimer::timeout, this, [this] { Show(message_, {}, {}); });
}

StatusBarPanels& StatusBarPanels::Of(const QWidget& mainWindow) {
    auto* panels = mainWindow.findChild<StatusBarPanels*>(QStringLiteral("StatusBarPanels"));
    if (panels == nullptr) {
        throw std::logic_error("Hlavné okno nemá stavový riadok.");
    }
    return *panels;
}

void StatusBarPanels::SetStaleNote(const QString& text) {
    Show(stale_, text, {});
}

void StatusBarPanels::SetEquation(const QString& text, const QString& toolTip) {
    Show(equation_, text, toolTip);
}

void StatusBarPanels::Confirm(const QString& text) {
    Show(message_, text, {});
    messageTimer_.start(kConfirmationMs);
}

void StatusBarPanels::SetStudySummary(const QString& text, const QString& toolTip) {
    Show(studySummary_, text, toolTip);
}

void StatusBarPanels::SetStudyMark(const QString& text, const QString& toolTip) {
    Show(studyMark_, text, toolTip);
}

} // namespace vortalin
