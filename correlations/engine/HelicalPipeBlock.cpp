#include "correlations/engine/Engine.h"

#include "correlations/equations/HelicalPipe.h"
#include "properties/SimilarityNumbers.h"

#include <limits>
#include <optional>

namespace vortalin {

// --- engine block 10 ---

// The coil's own fields give the tube diameter dt, which replaces the hydraulic diameter:
// Re is recomputed from dt and stored, so the checks, the display and the results file
// all see the coil's Re. The regime follows from Re and Recrit (HelicalRegime); when
// Recrit exceeds 22000, a Re above 22000 is turbulent.
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

    // An undefined Re (or Recrit) has no regime; Nu is then undefined as well rather than
    // the value of an earlier run, and no regime text is set.
    s_.Nu = std::numeric_limits<double>::quiet_NaN();
    const std::optional<Regime> regime = HelicalRegime(Re, Recrit);
    if (regime) {
        switch (*regime) {
        case Regime::Laminar:
            s_.Nu = HelicalLaminarNusselt(Re, x, m, s_.Pr, s_.PrW);
            r.Use(EquationId::HelicalLaminar);
            r.Set(Term::M, m);
            break;
        case Regime::Transitional:
            s_.Nu = HelicalTransitionalNusselt(gamma, Recrit, x, m, s_.Pr, s_.PrW, &r);
            r.Use(EquationId::HelicalTransitional);
            r.Set(Term::Gamma, gamma);
            break;
        case Regime::Turbulent:
            s_.Nu = HelicalTurbulentNusselt(Re, x, s_.Pr, s_.PrW, &r);
            r.Use(EquationId::HelicalTurbulent);
            break;
        }
        SetRegime(*regime);
    }
    s_.alpha = s_.Nu * s_.lambda / dt;
}

} // namespace vortalin
