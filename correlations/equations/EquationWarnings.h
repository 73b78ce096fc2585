#pragma once
// Warnings: a run that the validity check let through, but whose values leave the range in
// which the literature validated the equation it used, or which breaks a physical premise
// of forced convection. A warning never suppresses a result.
//
// Checking costs a few comparisons per run; a warning keeps only its quantity, value and
// bounds, and its Slovak sentence is built when someone asks for it.

#include "correlations/equations/EquationTable.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vortalin {

enum class WarningKind : std::uint8_t {
    OutsideRange,      // a term of the used equation outside the literature's range
    NoForcedFlow,      // w = 0
    WallAmongFluid,    // tWall between tIn and tOut, or equal to one of them
    RowCountBelowTen,  // "Počet radov >= 10" selected with fewer rows
    RowCountTenOrMore, // "Počet radov < 10" selected with ten or more rows
    RowCountNotWhole,
};

struct Warning {
    WarningKind kind;
    std::string_view quantity; // "Re", "d_b", "w", "tWall", "rowCount", ...
    double value;              // in SI units
    double bound;              // the bound crossed; NaN where the rule has none
    double low;                // the range, for the text
    double high;
    Term term; // for OutsideRange: the term whose display unit the text uses
};

// The warnings of one run, without allocating.
class WarningList {
public:
    static constexpr std::size_t kCapacity = 12;

    void Clear() { size_ = 0; }
    void Add(const Warning& warning) {
        if (size_ < kCapacity) {
            items_[size_++] = warning;
        }
    }
    std::size_t Size() const { return size_; }
    bool Empty() const { return size_ == 0; }
    const Warning* begin() const { return items_.data(); }
    const Warning* end() const { return items_.data() + size_; }
    const Warning& operator[](std::size_t i) const { return items_[i]; }

private:
    std::array<Warning, kCapacity> items_{};
    std::size_t size_ = 0;
};

// Adds a warning for every range of the used equation that a recorded term leaves. Bounds
// are inclusive: a value on a bound is inside. Terms the run did not record are skipped.
void AddRangeWarnings(const EquationRecord& record, WarningList& warnings);

// The warning as one short Slovak sentence, with the given decimal separator.
std::string WarningText(const Warning& warning, char separator);
// The rule the warning breaks, without the run's value: the same text for every step of a
// study that breaks it ("Re je mimo overeného rozsahu rovnice (10000 až 1E+06).").
std::string WarningRuleText(const Warning& warning, char separator);
// One number per equation and combination of rules broken: equal for steps whose
// WarningRuleTexts agree.
std::uint64_t WarningRulesKey(EquationId equation, const WarningList& warnings);

} // namespace vortalin
