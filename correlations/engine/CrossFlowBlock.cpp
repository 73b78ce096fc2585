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
}

} // namespace vortalin
