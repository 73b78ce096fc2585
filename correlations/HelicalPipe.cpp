#include "correlations/HelicalPipe.h"

#include "correlations/Engine.h"
#include "properties/Temperatures.h"

#include <cmath>
#include <limits>

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

// --- engine block 10 ---

// The coil's own fields give the tube diameter dt, which replaces the hydraulic diameter:
// Re is recomputed from dt and stored, so the checks, the display and the results file
// all see the coil's Re. The three regime steps are independent tests, not an else-chain:
// when Recrit exceeds 22000 both the laminar and the turbulent step run and the turbulent
// one, running last, stands.
void CorrelationEngine::HelicalPipeBlock() {
    const double dt = Read(EditId::Edit21);
    const double D = Read(EditId::Edit22);
    const double h = Read(EditId::Edit23);
    const double Dw = HelicalEffectiveCoilDiameter(D, h);
    const double x = HelicalCurvatureRatio(dt, Dw);
    const double Recrit = HelicalCriticalReynolds(x);
    s_.Re = ReynoldsNumber(s_.w, dt, s_.nu);
    const double Re = s_.Re;
    const double gamma = HelicalTransitionalWeight(Re, Recrit);
    const double m = HelicalLaminarExponent(x);
    EquationRecord& r = s_.equation;
    r.Set(Term::CoilDiameter, Dw);
    r.Set(Term::CurvatureRatio, x);
    r.Set(Term::CriticalRe, Recrit);

    // An undefined Re passes none of the tests below; Nu is then undefined as well rather
    // than the value of an earlier run.
    s_.Nu = std::numeric_limits<double>::quiet_NaN();
    if (Re < Recrit) {
        s_.Nu = HelicalLaminarNusselt(Re, x, m, s_.Pr, s_.PrW);
        r.Use(EquationId::HelicalLaminar);
        r.Set(Term::M, m);
        SetRegime(Regime::Laminar);
    }
    if (Recrit <= Re && Re <= kHelicalTurbulentReynolds) {
        s_.Nu = HelicalTransitionalNusselt(gamma, Recrit, x, m, s_.Pr, s_.PrW, &r);
        r.Use(EquationId::HelicalTransitional);
        r.Set(Term::Gamma, gamma);
        SetRegime(Regime::Transitional);
    }
    if (Re > kHelicalTurbulentReynolds) {
        s_.Nu = HelicalTurbulentNusselt(Re, x, s_.Pr, s_.PrW, &r);
        r.Use(EquationId::HelicalTurbulent);
        SetRegime(Regime::Turbulent);
    }
    s_.alpha = s_.Nu * s_.lambda / dt;
}

} // namespace vortalin
