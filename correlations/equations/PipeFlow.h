#pragma once
// Forced convection inside a straight pipe (hydraulic diameter d, length L).
// Regimes: laminar Re < 2300, transitional 2300 <= Re <= 10000, turbulent Re > 10000.

#include "correlations/equations/EquationTerms.h"
#include "correlations/equations/Regime.h"
#include "correlations/equations/SelectionKinds.h"

#include <optional>

namespace vortalin {

// Regime of pipe flow, the bounds exactly as compared:
//   laminar Re < 2300, transitional 2300 <= Re <= 10000, turbulent Re > 10000.
// A Re that is not a number has no regime.
std::optional<Regime> PipeRegime(double Re);

// Every Nusselt function records its terms into `record` when one is given.

// Laminar, thermally developing flow in a hydrodynamically developed profile (the mean
// Nusselt superposition of VDI-Wärmeatlas chapter G1, Gnielinski):
//   Nu = (Pr/PrW)^0.14 · (Nu1³ + a³ + (Nu2 − a)³)^0.33333,  Nu2 = c · (Pe·d/L)^0.333333
// with Nu1 = 3.66, c = 1.615, a = 0.7 at constant wall temperature and
// Nu1 = 4.364, c = 1.953, a = 0.6 at constant heat flux. Valid for Re < 2300.
double PipeLaminarNusselt(double Pr, double PrW, double Pe, double d, double length,
                          HeatingMode mode, EquationRecord* record = nullptr);

// Turbulent (Gnielinski, Konakov friction factor ξ = (1.8·log10 Re − 1.5)^−2):
//   Nu = (Pr/PrW)^0.11 · (1 + (d/L)^0.66666) · (ξ/8)·Pe / (1 + 12.7·√(ξ/8)·(Pr^0.66666 − 1))
// Valid for 10^4 < Re < 10^6, 0.1 < Pr < 1000, d/L <= 1; same for both heating modes.
double PipeTurbulentNusselt(double Re, double Pr, double PrW, double Pe, double d, double length,
                            EquationRecord* record = nullptr);

// Transitional (Gnielinski's interpolation between the laminar value at Re = 2300 and the
// turbulent value at Re = 10^4):
//   Nu = (Pr/PrW)^0.11 · ((1 − γ)·NuL + γ·NuT),  γ = (Re − 2300)/7700
// NuL carries a fourth term under its cube root; NuT uses ξ/8 = 0.00385 as written.
// Valid for 2300 <= Re <= 10^4, 0.6 < Pr < 1000, d/L <= 1.
double PipeTransitionalNusselt(double Re, double Pr, double PrW, double d, double length,
                               HeatingMode mode, EquationRecord* record = nullptr);

} // namespace vortalin
