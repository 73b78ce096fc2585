#include "app/ui/TextFitting.h"

#include <QAbstractButton>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QWidget>

#include <algorithm>
#include <array>

namespace vortalin {

namespace {

// Widths tried, in per cent of the normal width, before the font is made smaller.
constexpr std::array kStretches = {100, 95, 90, 87, 84, 81, 78, 75};
constexpr double kSmallestPointSize = 6.0;
constexpr double kPointSizeStep = 0.5;

bool GroupTitleFits(const QGroupBox& group) {
    QStyleOptionGroupBox option;
    option.initFrom(&group);
    option.text = group.title();
    option.textAlignment = group.alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    option.lineWidth = 1;
    const QRect title = group.style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                      QStyle::SC_GroupBoxLabel, &group);
    return title.right() < group.width();
}

bool AllCaptionsFit(const QWidget& form) {
    const QList<QWidget*> controls = form.findChildren<QWidget*>();
    return std::all_of(controls.begin(), controls.end(),
                       [](const QWidget* control) { return CaptionFits(*control); });
}

} // namespace

bool CaptionFits(const QWidget& control) {
    if (const auto* group = qobject_cast<const QGroupBox*>(&control)) {
        return GroupTitleFits(*group);
    }
    if (qobject_cast<const QLabel*>(&control) != nullptr ||
        qobject_cast<const QAbstractButton*>(&control) != nullptr) {
        return control.sizeHint().width() <= control.width();
    }
    return true;
}

void FitCaptions(QWidget& form) {
    QFont font = form.font();
    for (double size = font.pointSizeF(); size >= kSmallestPointSize; size -= kPointSizeStep) {
        font.setPointSizeF(size);
        for (int stretch : kStretches) {
            font.setStretch(stretch);
            form.setFont(font);
            if (AllCaptionsFit(form)) {
                return;
            }
        }
    }
}

} // namespace vortalin
