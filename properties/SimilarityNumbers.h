#pragma once
// The similarity numbers formed from the fluid's properties.

namespace vortalin {

// Pr = ((nu · rho) · cp) / lambda: the dynamic viscosity enters as nu · rho.
double PrandtlNumber(double nu, double rho, double cp, double lambda);

// Re = w · d / nu.
double ReynoldsNumber(double w, double d, double nu);

} // namespace vortalin
