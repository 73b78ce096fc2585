#include "correlations/CrossFlow.h"

#include "correlations/Engine.h"

#include <cmath>

namespace vortalin {

double CrossFlowIncidenceFactor(double angle) {
    constexpr double k = 1.0 / 180; // degrees to radians together with 3.141592; multiplied
    return 1 - 0.54 * std::pow(std::cos(angle * 3.141592 * k), 3.3333);
}

CrossFlowCoefficients CrossFlowCoefficientsFor(double Re) {
    if (Re <= 1000) {
        return {0.5, 0.5, 0.38};
    }
    if (Re <= 200000) {
        return {0.25, 0.6, 0.38};
    }
    return {0.023, 0.8, 0.37};
}

double CrossFlowNusselt(double Re, double Pr, double PrW) {
    const CrossFlowCoefficients c = CrossFlowCoefficientsFor(Re);
    return c.K * std::pow(Re, c.m) * std::pow(Pr, c.n) * std::pow(Pr / PrW, 0.25);
}

double CrossFlowAlpha(double psi, double Nu, double lambda, double d) {
    return psi * Nu * lambda / d;
}

// --- engine block 6 ---

// The block sets no regime text and checks nothing itself: the Reynolds range and the
// angle are judged by the validity checks afterwards. An angle beyond 90° leaves alpha
// undefined, which those checks refuse before it could be shown.
void CorrelationEngine::CrossFlowPipeBlock() {
    const double psi = CrossFlowIncidenceFactor(s_.angle);
    s_.Nu = CrossFlowNusselt(s_.Re, s_.Pr, s_.PrW);
    s_.alpha = CrossFlowAlpha(psi, s_.Nu, s_.lambda, s_.d);
    const CrossFlowCoefficients c = CrossFlowCoefficientsFor(s_.Re);
    s_.equation.Use(s_.Re <= 1000     ? EquationId::CrossFlowLow
                    : s_.Re <= 200000 ? EquationId::CrossFlowMiddle
                                      : EquationId::CrossFlowHigh);
    s_.equation.Set(Term::IncidencePsi, psi);
    s_.equation.Set(Term::K, c.K);
    s_.equation.Set(Term::M, c.m);
    s_.equation.Set(Term::N, c.n);
}

} // namespace vortalin
