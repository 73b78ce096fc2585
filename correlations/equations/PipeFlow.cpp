#include "correlations/equations/PipeFlow.h"

#include <cmath>

namespace vortalin {

namespace {

// Constants of the laminar superposition for each heating mode.
struct LaminarConstants {
    double nuFullyDeveloped; // Nu1
    double entranceFactor;   // factor of the entrance term
    double offset;           // a, subtracted from the entrance term and cubed on its own
};

LaminarConstants LaminarConstantsFor(HeatingMode mode) {
    if (mode == HeatingMode::ConstWallTemp) {
        return {3.66, 1.615, 0.7};
    }
    return {4.364, 1.953, 0.6};
}

// Laminar end value of the transitional interpolation (laminar equation at Re = 2300
// with its fourth term).
double TransitionalLaminarEnd(double Pr, double d, double length, HeatingMode mode) {
    const double X = 2300 * Pr * d / length;
    if (mode == HeatingMode::ConstWallTemp) {
        return std::pow(std::pow(1.615 * std::pow(X, 0.33333) - 0.7, 3) + 49.371 +
                            std::pow(std::pow(X, 0.5) * std::pow(2 / (1 + 22 * Pr), 0.166666), 3),
                        0.33333);
    }
    return std::pow(
        std::pow(1.953 * std::pow(X, 0.33333) - 0.6, 3) + 83.326 +
            std::pow(0.924 * std::pow(Pr, 0.33333) * std::pow(2300 * d / length, 0.5), 3),
        0.33333);
}

// Turbulent end value of the transitional interpolation (ξ/8 = 0.00385 at Re = 10^4).
double TransitionalTurbulentEnd(double Pr, double d, double length) {
    return (1 + std::pow(d / length, 0.66666)) * 38.5 * Pr /
           (1 + 12.7 * std::sqrt(0.00385) * (std::pow(Pr, 0.66666) - 1));
}

} // namespace

std::optional<Regime> PipeRegime(double Re) {
    if (Re < 2300) {
        return Regime::Laminar;
    }
    if (Re > 10000) {
        return Regime::Turbulent;
    }
    if (Re >= 2300 && Re <= 10000) {
        return Regime::Transitional;
    }
    return std::nullopt;
}

double PipeLaminarNusselt(double Pr, double PrW, double Pe, double d, double length,
                          HeatingMode mode, EquationRecord* record) {
    const LaminarConstants c = LaminarConstantsFor(mode);
    const double nu1 = c.nuFullyDeveloped;
    const double nu2 = c.entranceFactor * std::pow(Pe * d / length, 0.333333);
    Record(record, Term::Pe, Pe);
    Record(record, Term::DiameterOverLength, d / length);
    Record(record, Term::Nu2, nu2);
    return std::pow(Pr / PrW, 0.14) *
           std::pow(std::pow(nu1, 3) + std::pow(c.offset, 3) + std::pow(nu2 - c.offset, 3),
                    0.33333);
}

double PipeTurbulentNusselt(double Re, double Pr, double PrW, double Pe, double d, double length,
                            EquationRecord* record) {
    const double xi = std::pow(1.8 * std::log10(Re) - 1.5, -2);
    Record(record, Term::Xi, xi);
    Record(record, Term::Pe, Pe);
    Record(record, Term::DiameterOverLength, d / length);
    const double xi8 = xi * 0.125;
    return std::pow(Pr / PrW, 0.11) * (1 + std::pow(d / length, 0.66666)) * xi8 * Pe /
           (1 + 12.7 * std::sqrt(xi8) * (std::pow(Pr, 0.66666) - 1));
}

double PipeTransitionalNusselt(double Re, double Pr, double PrW, double d, double length,
                               HeatingMode mode, EquationRecord* record) {
    constexpr double k = 1.0 / 7700; // 1/(10000 − 2300), multiplied rather than divided
    const double gamma = (Re - 2300) * k;
    const double nuL = TransitionalLaminarEnd(Pr, d, length, mode);
    const double nuT = TransitionalTurbulentEnd(Pr, d, length);
    Record(record, Term::Gamma, gamma);
    Record(record, Term::X, 2300 * Pr * d / length);
    Record(record, Term::NuL, nuL);
    Record(record, Term::NuT, nuT);
    Record(record, Term::DiameterOverLength, d / length);
    return std::pow(Pr / PrW, 0.11) * ((1 - gamma) * nuL + gamma * nuT);
}

} // namespace vortalin
