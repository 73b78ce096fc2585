#pragma once
// Mean fluid temperature and log-mean temperature difference (the similarity numbers are in
// SimilarityNumbers.h).

namespace vortalin {

// tMean = (tIn + tOut) · 0.5, in °C.
double MeanTemperature(double tIn, double tOut);

// dtLog = |(a − b) / ln(a / b)| with a = tWall − tIn, b = tWall − tOut, in K. Positive for
// heating and for cooling; undefined (NaN or infinite) when the wall temperature equals an
// end temperature, when tIn = tOut, or when the wall lies between them.
double LogMeanTemperatureDifference(double tIn, double tOut, double tWall);

} // namespace vortalin
