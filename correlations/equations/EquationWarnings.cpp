#include "correlations/equations/EquationWarnings.h"

#include <cmath>

namespace vortalin {

namespace {

// Four significant digits in plain form; two in exponent form ("1,0E+08"), enough to
// see how far a value lies outside a range.
std::string ValueText(double value, const TermInfo& info, char separator) {
    const double shown = value * info.scale;
    const double magnitude = std::fabs(shown);
    const bool plain = magnitude == 0 || (magnitude >= 1e-3 && magnitude < 1e5);
    std::string text = ShortNumber(shown, separator, plain ? 4 : 2, 2);
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

std::string WarningRuleText(const Warning& w, char separator) {
    switch (w.kind) {
    case WarningKind::OutsideRange:
        return std::string(InfoOf(w.term).symbol) + " je mimo overeného rozsahu rovnice (" +
               RangeText({w.term, w.low, w.high}, separator) + ").";
    case WarningKind::WallAmongFluid:
        return "Teplota steny nie je mimo teplôt tekutiny: teplo netečie jedným smerom.";
    case WarningKind::RowCountBelowTen:
        return "Počet radov nezodpovedá voľbe „Počet radov >= 10“.";
    case WarningKind::RowCountTenOrMore:
        return "Počet radov nezodpovedá voľbe „Počet radov < 10“.";
    case WarningKind::RowCountNotWhole:
        return "Počet radov nie je celé číslo.";
    case WarningKind::NoForcedFlow:
        break;
    }
    return WarningText(w, separator);
}

std::uint64_t WarningRulesKey(EquationId equation, const WarningList& warnings) {
    // A range warning is known by its equation and term (one range per term and equation),
    // the other rules by their kind: one bit each below bit 48, the equation above.
    static_assert(kTermCount + 8 <= 48, "terms and kinds fit below the equation's bits");
    std::uint64_t key = std::uint64_t{static_cast<std::uint8_t>(equation)} << 48;
    for (const Warning& w : warnings) {
        const unsigned bit =
            w.kind == WarningKind::OutsideRange
                ? static_cast<unsigned>(w.term)
                : static_cast<unsigned>(kTermCount) + static_cast<unsigned>(w.kind);
        key |= std::uint64_t{1} << bit;
    }
    return key;
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
