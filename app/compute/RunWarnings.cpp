#include "app/compute/RunWarnings.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vortalin {

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

// Heat flows one way only when the wall is warmer, or colder, than the fluid everywhere
// between inlet and outlet.
void AddWallPremise(const CalcState& s, WarningList& warnings) {
    const double low = std::min(s.tIn, s.tOut);
    const double high = std::max(s.tIn, s.tOut);
    if (s.tWall >= low && s.tWall <= high) {
        warnings.Add(
            {WarningKind::WallAmongFluid, "tWall", s.tWall, kNone, low, high, Term::Count});
    }
}

void AddRowCountPremises(double rowCount, RowCountMode mode, WarningList& warnings) {
    if (mode == RowCountMode::ManyRows && rowCount < 10) {
        warnings.Add(
            {WarningKind::RowCountBelowTen, "rowCount", rowCount, 10, kNone, kNone, Term::Count});
    }
    if (mode == RowCountMode::FewRows && rowCount >= 10) {
        warnings.Add(
            {WarningKind::RowCountTenOrMore, "rowCount", rowCount, 10, kNone, kNone, Term::Count});
    }
    if (std::isfinite(rowCount) && rowCount != std::floor(rowCount)) {
        warnings.Add({WarningKind::RowCountNotWhole, "rowCount", rowCount, kNone, kNone, kNone,
                      Term::Count});
    }
}

} // namespace

bool IsBankEquation(EquationId equation) {
    return equation == EquationId::InlineBank || equation == EquationId::StaggeredBank ||
           equation == EquationId::PartlyStaggeredInline ||
           equation == EquationId::PartlyStaggeredStaggered;
}

void CollectWarnings(const CalcState& s, RowCountMode rowCountMode, WarningList& warnings) {
    warnings.Clear();
    AddRangeWarnings(s.equation, warnings);
    if (s.w == 0) {
        warnings.Add({WarningKind::NoForcedFlow, "w", s.w, 0, kNone, kNone, Term::Count});
    }
    AddWallPremise(s, warnings);
    if (IsBankEquation(s.equation.Id())) {
        AddRowCountPremises(s.equation.Value(Term::RowCount), rowCountMode, warnings);
    }
}

} // namespace vortalin
