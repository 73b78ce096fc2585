#include "correlations/EquationWarnings.h"

#include <cmath>

namespace vortalin {

namespace {

std::string ValueText(double value, const TermInfo& info, char separator) {
    std::string text = ShortNumber(value * info.scale, separator, 4, 2);
    if (!info.unit.empty()) {
        text += ' ';
        text += info.unit;
    }
    return text;
}

std::string Celsius(double t, char separator) {
    return ShortNumber(t, separator, 6) + " °C";
}

} // namespace

void AddRangeWarnings(const EquationRecord& record, WarningList& warnings) {
    if (!record.Used()) {
        return;
    }
    for (const ValidityRange& range : RowOf(record.Id()).ranges) {
        const double value = record.Value(range.term);
        if (std::isnan(value) || (value >= range.low && value <= range.high)) {
            continue;
        }
        warnings.Add({WarningKind::OutsideRange, InfoOf(range.term).symbol, value,
                      value < range.low ? range.low : range.high, range.low, range.high,
                      range.term});
    }
}

std::string WarningText(const Warning& w, char separator) {
    switch (w.kind) {
    case WarningKind::OutsideRange: {
        const TermInfo& info = InfoOf(w.term);
        return std::string(info.symbol) + " = " + ValueText(w.value, info, separator) +
               " je mimo overeného rozsahu rovnice (" +
               RangeText({w.term, w.low, w.high}, separator) + ").";
    }
    case WarningKind::NoForcedFlow:
        return "w = 0 m/s: tekutina neprúdi, rovnica nútenej konvekcie neplatí.";
    case WarningKind::WallAmongFluid:
        return "Teplota steny " + Celsius(w.value, separator) + " nie je mimo teplôt tekutiny (" +
               ShortNumber(w.low, separator, 6) + " až " + Celsius(w.high, separator) +
               "): teplo netečie jedným smerom.";
    case WarningKind::RowCountBelowTen:
        return "Počet radov " + ShortNumber(w.value, separator, 6) +
               " nezodpovedá voľbe „Počet radov >= 10“.";
    case WarningKind::RowCountTenOrMore:
        return "Počet radov " + ShortNumber(w.value, separator, 6) +
               " nezodpovedá voľbe „Počet radov < 10“.";
    case WarningKind::RowCountNotWhole:
        break;
    }
    return "Počet radov " + ShortNumber(w.value, separator, 6) + " nie je celé číslo.";
}

} // namespace vortalin
