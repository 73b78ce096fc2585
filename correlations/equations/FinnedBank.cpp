#include "correlations/equations/FinnedBank.h"

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

} // namespace vortalin
