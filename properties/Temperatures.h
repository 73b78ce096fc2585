#pragma once
// Mean fluid temperature and log-mean temperature difference (the similarity numbers are in
// SimilarityNumbers.h).

namespace vortalin {

// tMean = (tIn + tOut) · 0.5, in °C.
double MeanTemperature(double tIn, double tOut);

// dtLog = |(a − b) / ln(a / b)| with a = tWall − tIn, b = tWall − tOut, in K. Positive for
// heating and for cooling. When tIn = tOut the two differences are equal and the log-mean
// is their limit |a| (the formula itself would give 0 / 0). Undefined (NaN or infinite) when
// the wall lies between the end temperatures, or equals all of them.
double LogMeanTemperatureDifference(double tIn, double tOut, double tWall);

} // namespace vortalin
