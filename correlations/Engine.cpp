#include "correlations/Engine.h"

namespace vortalin {

bool CorrelationEngine::ComputeHeatTransfer() {
    // Every guard is tested on every run, in this order; a block whose guard holds runs
    // whole. There is no else-chain: the guards themselves keep the geometries apart, and
    // the five pipe guards split the Re axis without gaps.
    bool ran = false;
    s_.equation.Clear();
    const auto run = [this, &ran](bool guard, auto&& block) {
        if (guard) {
            block();
            RecordCommonTerms();
            ran = true;
        }
    };
    const bool pipe = Selected(ButtonId::RadioButton1);
    const bool wallTemp = Selected(ButtonId::RadioButton3);
    const bool heatFlux = Selected(ButtonId::RadioButton4);

    run(pipe && wallTemp && s_.Re < 2300, [&] { PipeLaminarBlock(HeatingMode::ConstWallTemp); });
    run(pipe && heatFlux && s_.Re < 2300, [&] { PipeLaminarBlock(HeatingMode::ConstHeatFlux); });
    run(pipe && s_.Re > 10000, [&] { PipeTurbulentBlock(); });
    run(pipe && wallTemp && s_.Re >= 2300 && s_.Re <= 10000,
        [&] { PipeTransitionalBlock(HeatingMode::ConstWallTemp); });
    run(pipe && heatFlux && s_.Re >= 2300 && s_.Re <= 10000,
        [&] { PipeTransitionalBlock(HeatingMode::ConstHeatFlux); });
    run(Selected(ButtonId::RadioButton6), [&] { CrossFlowPipeBlock(); });
    run(Selected(ButtonId::RadioButton7), [&] { PlateBlock(); });
    run(Selected(ButtonId::RadioButton8) && s_.Re < 2300, [&] { SlotBlock(Geometry::PlanarSlot); });
    run(Selected(ButtonId::RadioButton9) && s_.Re < 2300,
        [&] { SlotBlock(Geometry::SlotInsulatedOneSide); });
    run(Selected(ButtonId::RadioButton10), [&] { HelicalPipeBlock(); });
    run(Selected(ButtonId::RadioButton11), [&] { SingleRowBlock(); });
    run(Selected(ButtonId::RadioButton12), [&] { InlineBankBlock(); });
    run(Selected(ButtonId::RadioButton13), [&] { StaggeredBankBlock(); });
    run(Selected(ButtonId::RadioButton14), [&] { PartlyStaggeredBankBlock(); });
    run(Selected(ButtonId::RadioButton18), [&] { FinnedBankBlock(); });
    return ran;
}

void CorrelationEngine::RecordCommonTerms() {
    // After the block, so that the Re of the geometries that replace it is the one recorded.
    EquationRecord& r = s_.equation;
    r.Set(Term::Re, s_.Re);
    r.Set(Term::Pr, s_.Pr);
    r.Set(Term::PrW, s_.PrW);
    r.Set(Term::PrRatio, s_.Pr / s_.PrW);
    r.Set(Term::Nu, s_.Nu);
    r.Set(Term::Alpha, s_.alpha);
}

} // namespace vortalin
