#include "correlations/PlateAndSlots.h"

#include "correlations/Engine.h"

#include <cmath>

namespace vortalin {

double PlateLaminarNusselt(double Re, double Pr) {
    return 0.664 * std::sqrt(Re) * std::pow(Pr, 0.33333);
}

double PlateTurbulentNusselt(double Re, double Pr) {
    return 0.037 * std::pow(Re, 0.8) * Pr /
           (1 + 2.443 * std::pow(Re, -0.1) * (std::pow(Pr, 0.66666) - 1));
}

double PlateNusselt(double Re, double Pr, double PrW, EquationRecord* record) {
    const double nuLam = PlateLaminarNusselt(Re, Pr);
    const double nuTurb = PlateTurbulentNusselt(Re, Pr);
    Record(record, Term::NuLam, nuLam);
    Record(record, Term::NuTurb, nuTurb);
    return std::sqrt(std::pow(nuLam, 2) + std::pow(nuTurb, 2)) * std::pow(Pr / PrW, 0.25);
}

double SlotFullyDevelopedNusselt(Geometry slot) {
    return slot == Geometry::SlotInsulatedOneSide ? 4.861 : 7.541;
}

double SlotEntranceTerm(double Pe, double d, double slotLength) {
    return 1.841 * std::pow(Pe * d / slotLength, 0.3333);
}

double SlotNusselt(double K, double G, double Pr, double PrW) {
    return std::pow(std::pow(K, 3) + std::pow(G, 3), 0.3333) * std::pow(Pr / PrW, 0.14);
}

// --- engine blocks 7 to 9 ---

// The plate's length is the diameter input d. No regime text: one equation covers
// every regime.
void CorrelationEngine::PlateBlock() {
    s_.equation.Use(EquationId::Plate);
    s_.Nu = PlateNusselt(s_.Re, s_.Pr, s_.PrW, Terms());
    s_.alpha = s_.Nu * s_.lambda / s_.d;
}

// Runs only for laminar flow (the engine's guard is Re < 2300); a turbulent slot flow is
// left to the validity checks, which refuse it.
void CorrelationEngine::SlotBlock(Geometry slot) {
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
}

} // namespace vortalin
