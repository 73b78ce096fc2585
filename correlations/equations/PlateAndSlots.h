#pragma once
// Forced convection along a flat plate and laminar flow in a planar slot.
// For the plate the characteristic length is the plate length L, entered as d; for the
// slots d is the hydraulic diameter 2·s of the gap s, and slotLength the length L in
// the flow direction.

#include "correlations/equations/EquationTerms.h"
#include "correlations/equations/SelectionKinds.h"

namespace vortalin {

// Laminar boundary layer on a flat plate (Pohlhausen), mean over the length:
//   Nu_lam = 0.664 · √Re · Pr^0.33333
double PlateLaminarNusselt(double Re, double Pr);

// Turbulent boundary layer on a flat plate (Petukhov / Gnielinski form), mean over the length:
//   Nu_turb = 0.037 · Re^0.8 · Pr / (1 + 2.443 · Re^−0.1 · (Pr^0.66666 − 1))
double PlateTurbulentNusselt(double Re, double Pr);

// Flat plate over the whole Reynolds range (Gnielinski's blend of both boundary layers):
//   Nu = √(Nu_lam² + Nu_turb²) · (Pr/PrW)^0.25
// Valid for 10 ≤ Re ≤ 10^7 and 0.6 ≤ Pr ≤ 2000.
double PlateNusselt(double Re, double Pr, double PrW, EquationRecord* record = nullptr);

// Fully developed laminar Nusselt number of a planar slot, the constant term K of the slot
// equation: 7.541 with both walls heated (PlanarSlot), 4.861 with one wall insulated
// (SlotInsulatedOneSide).
double SlotFullyDevelopedNusselt(Geometry slot);

// Thermal entrance term of a planar slot:
//   G = 1.841 · (Pe · d / slotLength)^0.3333
// Undefined (inf or NaN) for a slotLength of zero.
double SlotEntranceTerm(double Pe, double d, double slotLength);

// The slot equation holds for laminar flow only, Re < 2300 (false for a Re that is not a
// number).
bool SlotFlowIsLaminar(double Re);

// Laminar flow in a planar slot, superposition of the fully developed and entrance values:
//   Nu = (K³ + G³)^0.3333 · (Pr/PrW)^0.14
// Valid for Re < 2300. Tends to K^0.9999 as Pe · d / slotLength tends to 0.
double SlotNusselt(double K, double G, double Pr, double PrW);

} // namespace vortalin
