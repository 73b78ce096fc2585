#include "correlations/engine/Engine.h"

#include "correlations/equations/PipeFlow.h"

#include <optional>

namespace vortalin {

// --- engine blocks 1 to 5 ---

// Blocks 1 and 2 (laminar, by heating mode), 3 (turbulent, either mode), 4 and 5
// (transitional, by heating mode). The heating mode matters only below the turbulent
// bound.
bool CorrelationEngine::PipeFlowBlock() {
    const std::optional<Regime> regime = PipeRegime(s_.Re);
    if (!regime) {
        return false;
    }
    switch (*regime) {
    case Regime::Laminar:
        PipeLaminarBlock(SelectedHeatingMode());
        break;
    case Regime::Transitional:
        PipeTransitionalBlock(SelectedHeatingMode());
        break;
    case Regime::Turbulent:
        PipeTurbulentBlock();
        break;
    }
    return true;
}

void CorrelationEngine::PipeLaminarBlock(HeatingMode mode) {
    s_.equation.Use(mode == HeatingMode::ConstWallTemp ? EquationId::PipeLaminarWallTemp
                                                       : EquationId::PipeLaminarHeatFlux);
    s_.Nu = PipeLaminarNusselt(s_.Pr, s_.PrW, s_.Pe, s_.d, s_.length, mode, Terms());
    s_.alpha = s_.Nu * s_.lambda / s_.d;
    SetRegime(Regime::Laminar);
}

void CorrelationEngine::PipeTurbulentBlock() {
    s_.equation.Use(EquationId::PipeTurbulent);
    s_.Nu = PipeTurbulentNusselt(s_.Re, s_.Pr, s_.PrW, s_.Pe, s_.d, s_.length, Terms());
    s_.alpha = s_.Nu * s_.lambda / s_.d;
    SetRegime(Regime::Turbulent);
}

void CorrelationEngine::PipeTransitionalBlock(HeatingMode mode) {
    s_.equation.Use(mode == HeatingMode::ConstWallTemp ? EquationId::PipeTransitionalWallTemp
                                                       : EquationId::PipeTransitionalHeatFlux);
    s_.Nu = PipeTransitionalNusselt(s_.Re, s_.Pr, s_.PrW, s_.d, s_.length, mode, Terms());
    s_.alpha = s_.Nu * s_.lambda / s_.d;
    SetRegime(Regime::Transitional);
}

} // namespace vortalin
