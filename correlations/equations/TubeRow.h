#pragma once
// Cross-flow over one row of parallel tubes (outside diameter dTube, axes s1 apart), and the
// row equation that the tube banks use as their base.
//
// A row is described by its void fraction psi and by the streamed length of one tube,
// flowLength = half its circumference. Reynolds is formed with flowLength and the velocity
// in the free cross-section (w / psi); the laminar and the turbulent boundary-layer terms are
// superposed (Gnielinski's method for bodies in cross-flow). flowLength is the characteristic
// length of every tube geometry: it replaces the hydraulic diameter and alpha is formed with it.
//
// Undefined cases (a void fraction psi <= 0, a tube diameter or pitch <= 0) give NaN, never a
// made-up finite number.

#include "correlations/equations/EquationTerms.h"

#include <string>
#include <vector>

namespace vortalin {

// Geometry messages shared by the single row and the tube banks.
inline constexpr const char* kHorizontalContactMessage =
    "Chyba !!! Rúrky sa horizontálne dotýkajú !!!";
inline constexpr const char* kOverlapMessage =
    "Chyba !!! Rúrky sa priestorovo prelínajú !!! Nesprávna geometrická konfigurácia !!!";

// Streamed length of one tube, half its circumference:
//   flowLength = 3.141592 · dTube · 0.5
// (this approximation of pi belongs to flowLength; the void fractions use 3.1415).
double TubeFlowLength(double dTube);

// Void fraction of a single row:
//   psi = 1 − 3.1415 · dTube / (4 · s1)
// Share of the row's frontal area left free between the tubes. Defined for dTube > 0 and
// s1 > 0 (NaN otherwise); it is <= 0 once s1 <= 0.785375 · dTube, where the tubes overlap.
double SingleRowVoidFraction(double dTube, double s1);

// Exponent of the wall factor (Pr/PrW)^n:
//   n = 0.25 for Pr/PrW >= 1 (fluid heated), n = 0.11 for Pr/PrW < 1 (fluid cooled).
double RowWallExponent(double Pr, double PrW);

// Reynolds number of a row, built on the streamed length and the free cross-section:
//   Re = w · flowLength / (nu · psi)
// NaN unless flowLength > 0 and psi > 0: without a free cross-section or a tube there is
// no flow past the row to speak of.
double RowReynolds(double w, double flowLength, double nu, double psi);

// The laminar and turbulent terms are those of a flat plate over the streamed length
// (PlateLaminarNusselt and PlateTurbulentNusselt): NuLam = 0.664 · √Re · Pr^0.33333 and
// NuTurb = 0.037 · Re^0.8 · Pr / (1 + 2.443 · Re^(−0.1) · (Pr^0.66666 − 1)).

// Nusselt number of one row, wall factor included (Gnielinski superposition):
//   Nu0 = (0.3 + √(NuLam² + NuTurb²)) · (Pr/PrW)^n
// No regime split: both terms are combined the same way at every Re. Handbook validity
// 10 <= Re <= 10^6, 0.6 <= Pr <= 1000 (the single row checks these after the calculation).
double RowNusselt(double Re, double Pr, double PrW, EquationRecord* record = nullptr);

// Arrangement errors of a single row, in the order they are reported: the tubes touch
// (s1 == dTube, exact) or overlap (s1 < dTube). At most one of the two.
std::vector<std::string> SingleRowGeometryErrors(double dTube, double s1);

} // namespace vortalin
