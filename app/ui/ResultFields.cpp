#include "app/ui/ResultFields.h"

#include "app/compute/ResultDisplay.h"
#include "app/ui/FormControls.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <array>

namespace vortalin {

namespace {

// Widths tried, in per cent of the normal width, before the font is made smaller.
constexpr std::array kStretches = {100, 92, 84, 76, 68, 60};
constexpr double kSmallestPointSize = 6.0;
constexpr double kPointSizeStep = 0.5;
// QLineEdit keeps this many pixels free on each side of its text.
constexpr int kLineEditMargin = 2;

// The font of the form the field belongs to.
QFont FormFont(const QLineEdit& field) {
    return field.parentWidget() != nullptr ? field.parentWidget()->font() : field.font();
}

bool FitsAt(const QLineEdit& field, const QFont& font, const QString& text) {
    return QFontMetrics(font).horizontalAdvance(text) <= TextWidthOf(field);
}

QFont FittingFont(const QLineEdit& field, const QString& text) {
    QFont font = FormFont(field);
    if (FitsAt(field, font, text)) {
        return font;
    }
    const int formStretch = font.stretch() == 0 ? 100 : font.stretch();
    for (double size = font.pointSizeF(); size >= kSmallestPointSize; size -= kPointSizeStep) {
        font.setPointSizeF(size);
        for (int stretch : kStretches) {
            font.setStretch(formStretch * stretch / 100);
            if (FitsAt(field, font, text)) {
                return font;
            }
        }
    }
    return font;
}

} // namespace

int TextWidthOf(const QLineEdit& field) {
    // As QLineEdit lays out its text: the style's contents rectangle, less the text
    // margins, less its own margin on both sides, less one pixel for the cursor.
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.rect = field.rect();
    option.lineWidth =
        field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field)
                         : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    if (field.isReadOnly()) {
        option.state |= QStyle::State_ReadOnly;
    }
    option.features = QStyleOptionFrame::None;
    const QRect contents =
        field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field);
    const QMargins margins = field.textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * kLineEditMargin - 1;
}

bool TextFits(const QLineEdit& field, const QString& text) {
    return FitsAt(field, field.font(), text);
}

void FitResultText(QLineEdit& field) {
    const QString text = field.text();
    field.setFont(FittingFont(field, text));
    field.setCursorPosition(0);
}

void KeepResultsReadable(QWidget& form) {
    for (const DisplayedResult& r : kDisplayedResults) {
        QLineEdit& field = FindEdit(form, r.field);
        QObject::connect(&field, &QLineEdit::textChanged, &field,
                         [&field] { FitResultText(field); });
        FitResultText(field);
    }
}

} // namespace vortalin
