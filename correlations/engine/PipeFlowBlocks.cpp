#include "correlations/engine/Engine.h"

#include "correlations/equations/PipeFlow.h"

namespace vortalin {

// --- engine blocks 1 to 5 ---

void CorrelationEngine::PipeLaminarBlock(HeatingMode mode) {
    s_.Nu = PipeLaminarNusselt(s_.Pr, s_.PrW, s_.Pe, s_.d, s_.length, mode);
    s_.alpha = s_.Nu * s_.lambda / s_.d;
    SetRegime(Regime::Laminar);
}

void CorrelationEngine::PipeTurbulentBlock() {
    s_.Nu = PipeTurbulentNusselt(s_.Re, s_.Pr, s_.PrW, s_.Pe, s_.d, s_.length);
    s_.alpha = s_.Nu * s_.lambda / s_.d;
    SetRegime(Regime::Turbulent);
}

void CorrelationEngine::PipeTransitionalBlock(HeatingMode mode) {
    s_.Nu = PipeTransitionalNusselt(s_.Re, s_.Pr, s_.PrW, s_.d, s_.length, mode);
    s_.alpha = s_.Nu * s_.lambda / s_.d;
    SetRegime(Regime::Transitional);
}

} // namespace vortalin
