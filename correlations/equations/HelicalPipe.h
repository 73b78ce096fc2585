#pragma once
// Forced convection inside a helically coiled tube (tube diameter dt, coil diameter D,
// pitch h). The curvature of the coil delays the transition to turbulence and raises
// heat transfer against a straight pipe.
// Regimes: laminar Re < Recrit, transitional Recrit <= Re <= 22000, turbulent Re > 22000.

#include "correlations/equations/EquationTerms.h"
#include "correlations/equations/Regime.h"

#include <optional>

namespace vortalin {

// Upper bound of the transitional regime; the turbulent equation holds above it.
inline constexpr double kHelicalTurbulentReynolds = 22000;

// Effective coil diameter, the coil diameter corrected for the pitch:
//   Dw = D · (1 + (h / (3.1415 · D))²)
// Dw ≈ 0.1004053 m for D = 0.1 m, h = 0.02 m.
double HelicalEffectiveCoilDiameter(double D, double h);

// Curvature ratio of the coil:
//   x = dt / Dw
double HelicalCurvatureRatio(double dt, double Dw);

// Critical Reynolds number of a coiled tube (Schmidt):
//   Recrit = 2300 · (1 + 8.6 · x^0.45)
// Recrit ≈ 9305.45 for x ≈ 0.0995963; it exceeds 22000 for x above about 0.991.
double HelicalCriticalReynolds(double x);

// Reynolds exponent of the laminar equation:
//   m = 0.5 + 0.2903 · x^0.194
double HelicalLaminarExponent(double x);

// Weight of the laminar end in the transitional interpolation:
//   γ = (22000 − Re) / (22000 − Recrit)
// γ = 1 at Re = Recrit and 0 at Re = 22000.
double HelicalTransitionalWeight(double Re, double Recrit);

// Regime of a coiled tube, the bounds exactly as compared:
//   turbulent Re > 22000, transitional Recrit <= Re <= 22000, laminar Re < Recrit.
// When Recrit exceeds 22000 there is no transitional range: a Re below 22000 is laminar,
// one above it turbulent. No regime for a Re (or Recrit) that is not a number.
std::optional<Regime> HelicalRegime(double Re, double Recrit);

// Laminar flow in a coiled tube (Schmidt, in Gnielinski's form):
//   Nu = (Pr/PrW)^0.14 · (3.66 + 0.08 · (1 + 0.8 · x^0.9) · Re^m · Pr^0.33333)
// Valid for Re < Recrit, 0.6 ≤ Pr ≤ 2000.
double HelicalLaminarNusselt(double Re, double x, double m, double Pr, double PrW);

// Friction factor of a coiled tube in turbulent flow (Blasius plus the curvature term of
// Mishra and Gupta):
//   ξ = 0.3164 / Re^0.25 + 0.03 · x^0.5
double HelicalFrictionFactor(double Re, double x);

// Turbulent flow in a coiled tube (Gnielinski):
//   Nu = (Pr/PrW)^0.14 · (ξ/8) · Pr · Re / (1 + 12.7 · √(ξ/8) · (Pr^0.66666 − 1))
// with ξ/8 evaluated as ξ · 0.125. Valid for 22000 < Re, 0.6 ≤ Pr ≤ 2000.
double HelicalTurbulentNusselt(double Re, double x, double Pr, double PrW,
                               EquationRecord* record = nullptr);

// Transitional flow in a coiled tube (Gnielinski's interpolation between the laminar value
// NuLc at Recrit and the turbulent value NuTc at 22000):
//   Nu = (Pr/PrW)^0.14 · (γ · NuLc + (1 − γ) · NuTc)
// NuLc and NuTc carry the wall factor (Pr/PrW)^0.14 themselves, so it enters twice.
// Valid for Recrit ≤ Re ≤ 22000.
double HelicalTransitionalNusselt(double gamma, double Recrit, double x, double m, double Pr,
                                  double PrW, EquationRecord* record = nullptr);

} // namespace vortalin
