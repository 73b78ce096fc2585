#pragma once
// Mean fluid temperature, log-mean temperature difference and the similarity numbers.

namespace vortalin {

// tMean = (tIn + tOut) · 0.5, in °C.
double MeanTemperature(double tIn, double tOut);

// dtLog = |(a − b) / ln(a / b)| with a = tWall − tIn, b = tWall − tOut, in K. Positive for
// heating and for cooling. When tIn = tOut the two differences are equal and the log-mean
// is their limit |a| (the formula itself would give 0 / 0). Undefined (NaN or infinite) when
// the wall lies between the end temperatures, or equals all of them.
double LogMeanTemperatureDifference(double tIn, double tOut, double tWall);

// Pr = ((nu · rho) · cp) / lambda: the dynamic viscosity enters as nu · rho.
double PrandtlNumber(double nu, double rho, double cp, double lambda);

// Re = w · d / nu.
double ReynoldsNumber(double w, double d, double nu);

} // namespace vortalin
