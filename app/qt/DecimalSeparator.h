#pragma once
// The decimal separator of the user's locale, as the calculation core takes it.

#include <QLocale>
#include <QString>

namespace vortalin {

inline char LocaleDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    // The core works with single-byte separators; other locales fall back to a point.
    if (point.size() == 1 && (point[0] == QLatin1Char(',') || point[0] == QLatin1Char('.'))) {
        return point[0].toLatin1();
    }
    return '.';
}

} // namespace vortalin
