#pragma once
// Cross-flow over banks of plain tubes: in-line, staggered and partly staggered.
//
// A bank is computed as one row (RowNusselt of TubeRow.h) with the void fraction of the bank,
// and the row result is raised by an arrangement factor fA and corrected for the number of
// rows (Gnielinski's method for tube banks). Dimensionless pitches: a = s1 / dTube
// (transverse, within a row), b = s2 / dTube (longitudinal, between rows), and for the partly
// staggered bank c = s3 / dTube (sideways shift of every second row).
//
// Undefined cases (non-positive pitches, psi <= 0, a non-positive row count) give NaN.

#include "correlations/equations/SelectionKinds.h"

#include <string>
#include <vector>

namespace vortalin {

// Geometry messages of the banks besides those of the single row (TubeRow.h).
inline constexpr const char* kVerticalContactMessage = "Chyba !!! Rúrky sa vertikálne dotýkajú !!!";
inline constexpr const char* kRowsContactMessage =
    "Chyba !!! Rúrky z jednotlivých radov sa dotýkajú !!!";

// Void fraction of a bank:
//   psi = 1 − 3.1415 / (4 · a)        for b >= 1
//   psi = 1 − 3.1415 / (4 · a · b)    for b < 1 (rows closer than one diameter)
// Both forms agree at b = 1. Defined for a > 0 and b > 0 (NaN otherwise).
double BankVoidFraction(double a, double b);

// Arrangement factor of the in-line bank:
//   fA = 1 + 0.7 / psi^1.5 · (b/a − 0.3) / (b/a + 0.7)²
// fA = 1 at b/a = 0.3, above 1 for a larger b/a, below 1 for a smaller one.
// Defined for a > 0, b > 0 and psi > 0 (NaN otherwise).
double InlineArrangementFactor(double a, double b, double psi);

// Arrangement factor of the staggered bank:
//   fA = 1 + 2 / (3 · b)
// Defined for b > 0 (NaN otherwise).
double StaggeredArrangementFactor(double b);

// Arrangement factor of the partly staggered bank, chosen by the shift c:
//   a · 0.25 > c (shift below a quarter of the transverse pitch): the in-line factor;
//   a · 0.25 <= c: the staggered factor.
double PartlyStaggeredArrangementFactor(double a, double b, double psi, double c);
// Whether the partly staggered bank takes the in-line factor: a · 0.25 > c.
bool PartlyStaggeredTakesInlineFactor(double a, double c);

// Row-count correction of a bank whose single-row Nusselt number is Nu0:
//   ManyRows (10 rows or more):  Nu = fA · Nu0
//   FewRows (fewer than 10):     Nu = (1 + (rowCount − 1) · fA) · Nu0 / rowCount
// The first row sees the undisturbed flow; the rows behind it gain fA. rowCount is a real
// number, used unchanged; under FewRows it must be > 0 (NaN otherwise), under ManyRows it
// is not used.
double RowCorrectedNusselt(double Nu0, double fA, RowCountMode mode, double rowCount);

// Arrangement errors of an in-line bank, in the order they are reported: horizontal
// contact (s1 == dTube, exact), vertical contact (s2 == dTube, exact), overlap (s1 < dTube
// or else s2 < dTube, reported once).
std::vector<std::string> InlineBankGeometryErrors(double dTube, double s1, double s2);

// Arrangement errors of a staggered bank (every second row shifted by s1/2), in order:
// horizontal contact (s1 == dTube), vertical contact (2·s2 == dTube), overlap (s1 < dTube or
// else 2·s2 < dTube, once), then for the nearest tubes of the neighbouring row at
// √((s1·0.5)² + s2²): contact between rows (== dTube) or overlap (< dTube).
std::vector<std::string> StaggeredBankGeometryErrors(double dTube, double s1, double s2);

// Arrangement errors of a partly staggered bank (every second row shifted by s3): the
// first three checks of the staggered bank, then contact between rows or overlap for the
// neighbours at √(s3² + s2²) and then for those at √((s1 − s3)² + s2²).
std::vector<std::string> PartlyStaggeredBankGeometryErrors(double dTube, double s1, double s2,
                                                           double s3);

} // namespace vortalin
