#pragma once
// Forced convection across a single pipe (outer diameter d) whose axis makes the angle of
// incidence with the direction of flow. The Nusselt number is that of perpendicular
// cross-flow; the angle corrects only the heat transfer coefficient.

namespace vortalin {

// Incidence factor (correction for oblique flow across a cylinder):
//   ψ = 1 − 0.54 · cos(angle · 3.141592 · k)^3.3333,  k = 1/180
// Gives ψ = 1 at 90° (perpendicular flow) and 0.561118 at 20°. Valid for 20° to 90°;
// beyond 90° the cosine is negative and ψ is undefined (NaN).
double CrossFlowIncidenceFactor(double angle);

// Coefficients of the cross-flow equation Nu = K · Re^m · Pr^n for one Reynolds range.
struct CrossFlowCoefficients {
    double K;
    double m;
    double n;
};

// Coefficients by Reynolds range (Žukauskas-type power law):
//   Re ≤ 1000:            K = 0.5,   m = 0.5, n = 0.38
//   1000 < Re ≤ 200000:   K = 0.25,  m = 0.6, n = 0.38
//   Re > 200000:          K = 0.023, m = 0.8, n = 0.37
// Nu steps down slightly at Re = 1000 (13.9559 to 13.9228 for Pr = 0.72).
CrossFlowCoefficients CrossFlowCoefficientsFor(double Re);

// Perpendicular cross-flow over a single cylinder:
//   Nu = K · Re^m · Pr^n · (Pr/PrW)^0.25
// Valid for 5 ≤ Re ≤ 2·10^6. Does not contain the incidence factor ψ.
double CrossFlowNusselt(double Re, double Pr, double PrW);

// Heat transfer coefficient of oblique cross-flow:
//   alpha = ψ · Nu · lambda / d
double CrossFlowAlpha(double psi, double Nu, double lambda, double d);

} // namespace vortalin
