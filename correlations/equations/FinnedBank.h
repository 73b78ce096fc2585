#pragma once
// Cross-flow over a bank of tubes with circular fins (six rows, tubes on equilateral
// triangles). Lengths: d_a fin outer diameter, d_b tube diameter at the fin base, f fin
// thickness, P_f fin pitch, all in metres here (the window takes millimetres); fin height
// h = (d_a − d_b) / 2, gap between fins s = P_f − f.
//
// Undefined cases (a tube diameter, fin height, fin thickness or gap <= 0) give NaN.

#include <string>
#include <vector>

namespace vortalin {

// Range messages, in the order they are checked.
inline constexpr const char* kFinnedReynoldsRangeMessage =
    "Chyba !!! Raynoldsovo kritérium je mimo rozsah platnosti KR !!! (1000 až 18000)";
inline constexpr const char* kFinnedTubeDiameterRangeMessage =
    "Chyba !!! Vonkajší priemer rúrky je mimo rozsah platnosti KR !!! (11,13 až 40,89 mm)";
inline constexpr const char* kFinHeightRangeMessage =
    "Chyba !!! Výška rebra je mimo rozsah platnosti KR !!! (11,42 až 16,57 mm)";
inline constexpr const char* kFinThicknessRangeMessage =
    "Chyba !!! Šírka rebra je mimo rozsah platnosti KR !!! (0,33 až 20,02 mm)";
inline constexpr const char* kFinPitchRangeMessage =
    "Chyba !!! Stúpanie rebra je mimo rozsah platnosti KR !!! (1,3 až 4,06 mm)";

// Reynolds number of the finned bank, built on the tube diameter at the fin base:
//   Re = w · d_b / nu
// Defined for d_b > 0 (NaN otherwise).
double FinnedReynolds(double w, double d_b, double nu);

// Fin height as the range check takes it:
//   h = (d_a − d_b) · 0.5
double FinHeight(double d_a, double d_b);

// Nusselt number of a finned tube bank (Briggs and Young's correlation):
//   Nu = 0.134 · Re^0.681 · Pr^0.33333 · (2 · (P_f − f) / (d_a − d_b))^0.2 · ((P_f − f) / f)^0.1134
// i.e. 0.134 · Re^0.681 · Pr^0.33333 · (s/h)^0.2 · (s/f)^0.1134, referred to d_b. No wall
// correction. Valid for 1000 <= Re <= 18000, 11.13 <= d_b <= 40.89 mm, 11.42 <= h <= 16.57 mm,
// 0.33 <= f <= 20.02 mm, 1.3 <= P_f <= 4.06 mm (FinnedBankRangeErrors). NaN unless
// d_a > d_b, f > 0 and P_f > f.
double FinnedBankNusselt(double Re, double Pr, double d_a, double d_b, double f, double P_f);

// The validity limits violated by a finned bank, each with its own message, in order:
// Re, d_b, h, f, P_f. Bounds are inclusive and compared in metres; a value that is not a
// number lies outside every range.
std::vector<std::string> FinnedBankRangeErrors(double Re, double d_a, double d_b, double f,
                                               double P_f);

} // namespace vortalin
