#include "correlations/engine/Engine.h"

#include "correlations/equations/HelicalPipe.h"
#include "properties/Temperatures.h"

#include <limits>

namespace vortalin {

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

    // An undefined Re passes none of the tests below; Nu is then undefined as well rather
    // than the value of an earlier run.
    s_.Nu = std::numeric_limits<double>::quiet_NaN();
    if (Re < Recrit) {
        s_.Nu = HelicalLaminarNusselt(Re, x, m, s_.Pr, s_.PrW);
        SetRegime(Regime::Laminar);
    }
    if (Recrit <= Re && Re <= kHelicalTurbulentReynolds) {
        s_.Nu = HelicalTransitionalNusselt(gamma, Recrit, x, m, s_.Pr, s_.PrW);
        SetRegime(Regime::Transitional);
    }
    if (Re > kHelicalTurbulentReynolds) {
        s_.Nu = HelicalTurbulentNusselt(Re, x, s_.Pr, s_.PrW);
        SetRegime(Regime::Turbulent);
    }
    s_.alpha = s_.Nu * s_.lambda / dt;
}

} // namespace vortalin
