#include "correlations/FinnedBank.h"

#include "correlations/Engine.h"

#include <array>
#include <cmath>
#include <limits>

namespace vortalin {

namespace {

constexpr double kUndefined = std::numeric_limits<double>::quiet_NaN();

// Inclusive range; false for a value that is not a number.
bool Within(double value, double low, double high) {
    return low <= value && value <= high;
}

struct RangeCheck {
    double value;
    double low;
    double high;
    const char* message;
};

} // namespace

double FinnedReynolds(double w, double d_b, double nu) {
    if (!(d_b > 0)) {
        return kUndefined;
    }
    return w * d_b / nu;
}

double FinHeight(double d_a, double d_b) {
    return (d_a - d_b) * 0.5;
}

double FinnedBankNusselt(double Re, double Pr, double d_a, double d_b, double f, double P_f) {
    if (!(d_a - d_b > 0) || !(f > 0) || !(P_f - f > 0)) {
        return kUndefined;
    }
    return 0.134 * std::pow(Re, 0.681) * std::pow(Pr, 0.33333) *
           std::pow(2 * (P_f - f) / (d_a - d_b), 0.2) * std::pow((P_f - f) / f, 0.1134);
}

std::vector<std::string> FinnedBankRangeErrors(double Re, double d_a, double d_b, double f,
                                               double P_f) {
    const std::array<RangeCheck, 5> checks = {{
        {Re, 1000, 18000, kFinnedReynoldsRangeMessage},
        {d_b, 0.01113, 0.04089, kFinnedTubeDiameterRangeMessage},
        {FinHeight(d_a, d_b), 0.01142, 0.01657, kFinHeightRangeMessage},
        {f, 0.00033, 0.02002, kFinThicknessRangeMessage},
        {P_f, 0.0013, 0.00406, kFinPitchRangeMessage},
    }};
    std::vector<std::string> errors;
    for (const RangeCheck& check : checks) {
        if (!Within(check.value, check.low, check.high)) {
            errors.emplace_back(check.message);
        }
    }
    return errors;
}

// --- engine block 15 ---

void CorrelationEngine::RecordFinnedTerms(double d_a, double d_b, double f, double P_f) {
    EquationRecord& r = s_.equation;
    r.Use(EquationId::FinnedBank);
    const double h = FinHeight(d_a, d_b);
    const double s = P_f - f;
    r.Set(Term::FinRootDiameter, d_b);
    r.Set(Term::FinHeight, h);
    r.Set(Term::FinThickness, f);
    r.Set(Term::FinPitch, P_f);
    r.Set(Term::GapOverHeight, s / h);
    r.Set(Term::GapOverThickness, s / f);
}

void CorrelationEngine::FinnedBankBlock() {
    const double d_a = Read(EditId::Edit31) * kMetresPerMillimetre;
    const double d_b = Read(EditId::Edit32) * kMetresPerMillimetre;
    const double f = Read(EditId::Edit33) * kMetresPerMillimetre;
    const double P_f = Read(EditId::Edit34) * kMetresPerMillimetre;
    s_.Re = FinnedReynolds(s_.w, d_b, s_.nu);
    s_.Nu = FinnedBankNusselt(s_.Re, s_.Pr, d_a, d_b, f, P_f);
    s_.alpha = s_.Nu * s_.lambda / d_b; // referred to the tube diameter, not to d
    RecordFinnedTerms(d_a, d_b, f, P_f);
    // The range messages would interrupt a sweep at every step; they are shown only for a
    // calculation that is not being saved to a file.
    if (s_.sweep.saveToFile == 0) {
        ShowMessages(FinnedBankRangeErrors(s_.Re, d_a, d_b, f, P_f));
    }
}

} // namespace vortalin
