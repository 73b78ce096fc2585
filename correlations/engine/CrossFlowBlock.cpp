#include "correlations/engine/Engine.h"

#include "correlations/equations/CrossFlow.h"

namespace vortalin {

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
