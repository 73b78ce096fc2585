#include "correlations/TubeBanks.h"

#include "correlations/Engine.h"
#include "correlations/TubeRow.h"

#include <cmath>
#include <limits>

namespace vortalin {

namespace {

constexpr double kUndefined = std::numeric_limits<double>::quiet_NaN();

// Contact and overlap of tubes within a row (pitch s1) and of tubes lying directly behind
// one another (at rowDistance: s2 in the in-line bank, 2·s2 where every second row is
// shifted). Overlap is reported once even when both distances are too short.
void AppendPitchErrors(std::vector<std::string>& errors, double dTube, double s1,
                       double rowDistance) {
    if (s1 == dTube) {
        errors.emplace_back(kHorizontalContactMessage);
    }
    if (rowDistance == dTube) {
        errors.emplace_back(kVerticalContactMessage);
    }
    if (s1 < dTube || rowDistance < dTube) {
        errors.emplace_back(kOverlapMessage);
    }
}

// Contact and overlap with the nearest tubes of the neighbouring (shifted) row, whose axes
// lie axisDistance away.
void AppendNeighbourRowErrors(std::vector<std::string>& errors, double dTube, double axisDistance) {
    if (axisDistance == dTube) {
        errors.emplace_back(kRowsContactMessage);
    }
    if (axisDistance < dTube) {
        errors.emplace_back(kOverlapMessage);
    }
}

// Axis distance of two tubes offset by `sideways` across and s2 along the flow.
double AxisDistance(double sideways, double s2) {
    return std::sqrt(std::pow(sideways, 2) + std::pow(s2, 2));
}

} // namespace

double BankVoidFraction(double a, double b) {
    if (!(a > 0) || !(b > 0)) {
        return kUndefined;
    }
    if (b >= 1) {
        return 1 - 3.1415 / (4 * a);
    }
    return 1 - 3.1415 / (4 * a * b);
}

double InlineArrangementFactor(double a, double b, double psi) {
    if (!(a > 0) || !(b > 0) || !(psi > 0)) {
        return kUndefined;
    }
    return 1 + 0.7 / std::pow(psi, 1.5) * (b / a - 0.3) / std::pow(b / a + 0.7, 2);
}

double StaggeredArrangementFactor(double b) {
    if (!(b > 0)) {
        return kUndefined;
    }
    return 1 + 2 / (3 * b);
}

bool PartlyStaggeredTakesInlineFactor(double a, double c) {
    return a * 0.25 > c;
}

double PartlyStaggeredArrangementFactor(double a, double b, double psi, double c) {
    if (PartlyStaggeredTakesInlineFactor(a, c)) {
        return InlineArrangementFactor(a, b, psi);
    }
    return StaggeredArrangementFactor(b);
}

double RowCorrectedNusselt(double Nu0, double fA, RowCountMode mode, double rowCount) {
    if (mode == RowCountMode::ManyRows) {
        return fA * Nu0;
    }
    if (!(rowCount > 0)) {
        return kUndefined;
    }
    return (1 + (rowCount - 1) * fA) * Nu0 / rowCount;
}

std::vector<std::string> InlineBankGeometryErrors(double dTube, double s1, double s2) {
    std::vector<std::string> errors;
    AppendPitchErrors(errors, dTube, s1, s2);
    return errors;
}

std::vector<std::string> StaggeredBankGeometryErrors(double dTube, double s1, double s2) {
    std::vector<std::string> errors;
    AppendPitchErrors(errors, dTube, s1, 2 * s2);
    AppendNeighbourRowErrors(errors, dTube, AxisDistance(s1 * 0.5, s2));
    return errors;
}

std::vector<std::string> PartlyStaggeredBankGeometryErrors(double dTube, double s1, double s2,
                                                           double s3) {
    std::vector<std::string> errors;
    AppendPitchErrors(errors, dTube, s1, 2 * s2);
    AppendNeighbourRowErrors(errors, dTube, AxisDistance(s3, s2));
    AppendNeighbourRowErrors(errors, dTube, AxisDistance(s1 - s3, s2));
    return errors;
}

// --- engine: what the three banks share, and blocks 12 to 14 ---

CorrelationEngine::BankInputs CorrelationEngine::ReadBankInputs(bool readsShift) {
    BankInputs bank;
    bank.dTube = Read(EditId::Edit26);
    bank.s1 = Read(EditId::Edit27);
    bank.s2 = Read(EditId::Edit28);
    bank.s3 = readsShift ? Read(EditId::Edit29) : 0;
    bank.rowCount = Read(EditId::Edit30); // read under either row-count mode
    return bank;
}

double CorrelationEngine::RowCorrection(double Nu0, double fA, double rowCount) {
    const RowCountMode mode =
        Selected(ButtonOf(RowCountMode::FewRows)) ? RowCountMode::FewRows : RowCountMode::ManyRows;
    return RowCorrectedNusselt(Nu0, fA, mode, rowCount);
}

void CorrelationEngine::BankBlock(const BankInputs& bank, ArrangementFactor arrangementFactor) {
    const double a = bank.s1 / bank.dTube;
    const double b = bank.s2 / bank.dTube;
    const double c = bank.s3 / bank.dTube;
    const double psi = BankVoidFraction(a, b);
    const double Nu0 = SingleRowNusselt(bank.dTube, psi); // also sets d and Re
    const double fA = arrangementFactor(a, b, psi, c);
    s_.Nu = RowCorrection(Nu0, fA, bank.rowCount);
    s_.alpha = s_.Nu * s_.lambda / s_.d;
    EquationRecord& r = s_.equation;
    r.Set(Term::PitchA, a);
    r.Set(Term::PitchB, b);
    r.Set(Term::PitchC, c);
    r.Set(Term::ArrangementFactor, fA);
    r.Set(Term::RowCount, bank.rowCount);
}

void CorrelationEngine::InlineBankBlock() {
    const BankInputs bank = ReadBankInputs(false);
    ShowMessages(InlineBankGeometryErrors(bank.dTube, bank.s1, bank.s2));
    s_.equation.Use(EquationId::InlineBank);
    BankBlock(bank, [](double a, double b, double psi, double) {
        return InlineArrangementFactor(a, b, psi);
    });
}

void CorrelationEngine::StaggeredBankBlock() {
    const BankInputs bank = ReadBankInputs(false);
    ShowMessages(StaggeredBankGeometryErrors(bank.dTube, bank.s1, bank.s2));
    s_.equation.Use(EquationId::StaggeredBank);
    BankBlock(bank, [](double, double b, double, double) { return StaggeredArrangementFactor(b); });
}

void CorrelationEngine::PartlyStaggeredBankBlock() {
    const BankInputs bank = ReadBankInputs(true);
    ShowMessages(PartlyStaggeredBankGeometryErrors(bank.dTube, bank.s1, bank.s2, bank.s3));
    BankBlock(bank, PartlyStaggeredArrangementFactor);
    const EquationRecord& r = s_.equation;
    s_.equation.Use(PartlyStaggeredTakesInlineFactor(r.Value(Term::PitchA), r.Value(Term::PitchC))
                        ? EquationId::PartlyStaggeredInline
                        : EquationId::PartlyStaggeredStaggered);
}

} // namespace vortalin
