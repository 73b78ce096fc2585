#include "correlations/engine/Engine.h"

#include "correlations/equations/PlateAndSlots.h"

namespace vortalin {

// --- engine blocks 7 to 9 ---

// The plate's length is the diameter input d. No regime text: one equation covers
// every regime.
void CorrelationEngine::PlateBlock() {
    s_.equation.Use(EquationId::Plate);
    s_.Nu = PlateNusselt(s_.Re, s_.Pr, s_.PrW, Terms());
    s_.alpha = s_.Nu * s_.lambda / s_.d;
}

// Runs only for laminar flow (SlotFlowIsLaminar); otherwise nothing is written and a
// turbulent slot flow is left to the validity checks, which refuse it.
bool CorrelationEngine::SlotBlock(Geometry slot) {
    if (!SlotFlowIsLaminar(s_.Re)) {
        return false;
    }
    const double K = SlotFullyDevelopedNusselt(slot);
    const double G = SlotEntranceTerm(s_.Pe, s_.d, s_.slotLength);
    s_.Nu = SlotNusselt(K, G, s_.Pr, s_.PrW);
    s_.equation.Use(slot == Geometry::SlotInsulatedOneSide ? EquationId::SlotInsulatedOneSide
                                                           : EquationId::PlanarSlot);
    s_.equation.Set(Term::K, K);
    s_.equation.Set(Term::G, G);
    s_.equation.Set(Term::Pe, s_.Pe);
    s_.equation.Set(Term::DiameterOverLength, s_.d / s_.slotLength);
    s_.alpha = s_.Nu * s_.lambda / s_.d;
    SetRegime(Regime::Laminar);
    return true;
}

} // namespace vortalin
