#include "correlations/equations/HelicalPipe.h"

#include <cmath>

namespace vortalin {

double HelicalEffectiveCoilDiameter(double D, double h) {
    return D * (1 + std::pow(h / (3.1415 * D), 2));
}

double HelicalCurvatureRatio(double dt, double Dw) {
    return dt / Dw;
}

double HelicalCriticalReynolds(double x) {
    return 2300 * (1 + 8.6 * std::pow(x, 0.45));
}

double HelicalLaminarExponent(double x) {
    return 0.5 + 0.2903 * std::pow(x, 0.194);
}

double HelicalTransitionalWeight(double Re, double Recrit) {
    return (kHelicalTurbulentReynolds - Re) / (kHelicalTurbulentReynolds - Recrit);
}

std::optional<Regime> HelicalRegime(double Re, double Recrit) {
    if (Re > kHelicalTurbulentReynolds) {
        return Regime::Turbulent;
    }
    if (Recrit <= Re) {
        return Regime::Transitional;
    }
    if (Re < Recrit) {
        return Regime::Laminar;
    }
    return std::nullopt;
}

double HelicalLaminarNusselt(double Re, double x, double m, double Pr, double PrW) {
    return std::pow(Pr / PrW, 0.14) *
           (3.66 + 0.08 * (1 + 0.8 * std::pow(x, 0.9)) * std::pow(Re, m) * std::pow(Pr, 0.33333));
}

double HelicalFrictionFactor(double Re, double x) {
    return 0.3164 / std::pow(Re, 0.25) + 0.03 * std::pow(x, 0.5);
}

double HelicalTurbulentNusselt(double Re, double x, double Pr, double PrW, EquationRecord* record) {
    const double xi = HelicalFrictionFactor(Re, x);
    Record(record, Term::Xi, xi);
    const double xi8 = xi * 0.125;
    return std::pow(Pr / PrW, 0.14) * xi8 * Pr * Re /
           (1 + 12.7 * std::sqrt(xi8) * (std::pow(Pr, 0.66666) - 1));
}

double HelicalTransitionalNusselt(double gamma, double Recrit, double x, double m, double Pr,
                                  double PrW, EquationRecord* record) {
    const double nuLc = HelicalLaminarNusselt(Recrit, x, m, Pr, PrW);
    const double nuTc = HelicalTurbulentNusselt(kHelicalTurbulentReynolds, x, Pr, PrW);
    Record(record, Term::NuL, nuLc);
    Record(record, Term::NuT, nuTc);
    return std::pow(Pr / PrW, 0.14) * (gamma * nuLc + (1 - gamma) * nuTc);
}

} // namespace vortalin
