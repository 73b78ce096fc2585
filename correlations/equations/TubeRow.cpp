#include "correlations/equations/TubeRow.h"

#include "correlations/equations/PlateAndSlots.h"

#include <cmath>
#include <limits>

namespace vortalin {

namespace {

constexpr double kUndefined = std::numeric_limits<double>::quiet_NaN();

} // namespace

double TubeFlowLength(double dTube) {
    return 3.141592 * dTube * 0.5;
}

double SingleRowVoidFraction(double dTube, double s1) {
    if (!(dTube > 0) || !(s1 > 0)) {
        return kUndefined;
    }
    return 1 - 3.1415 * dTube / (4 * s1);
}

double RowWallExponent(double Pr, double PrW) {
    return Pr / PrW >= 1 ? 0.25 : 0.11;
}

double RowReynolds(double w, double flowLength, double nu, double psi) {
    if (!(flowLength > 0) || !(psi > 0)) {
        return kUndefined;
    }
    return w * flowLength / (nu * psi);
}

double RowNusselt(double Re, double Pr, double PrW, EquationRecord* record) {
    const double n = RowWallExponent(Pr, PrW);
    const double nuLam = PlateLaminarNusselt(Re, Pr);
    const double nuTurb = PlateTurbulentNusselt(Re, Pr);
    Record(record, Term::N, n);
    Record(record, Term::NuLam, nuLam);
    Record(record, Term::NuTurb, nuTurb);
    return (0.3 + std::sqrt(std::pow(nuLam, 2) + std::pow(nuTurb, 2))) * std::pow(Pr / PrW, n);
}

std::vector<std::string> SingleRowGeometryErrors(double dTube, double s1) {
    std::vector<std::string> errors;
    if (s1 == dTube) {
        errors.emplace_back(kHorizontalContactMessage);
    }
    if (s1 < dTube) {
        errors.emplace_back(kOverlapMessage);
    }
    return errors;
}

} // namespace vortalin
