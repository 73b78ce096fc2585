#include "correlations/equations/TubeBanks.h"

#include "correlations/equations/TubeRow.h"

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

} // namespace vortalin
