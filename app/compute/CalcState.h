#pragma once
// The calculation record. It exists once per calculator, starts with every number 0 and
// is never reset as a whole: each step overwrites only the fields it owns.

#include "correlations/equations/EquationTerms.h"

#include <string>

namespace vortalin {

// The part of the record that the parameter sweep uses.
struct SweepSettings {
    int saveToFile = 0;   // 1 while "Ulož do súboru" is ticked
    double sweepFrom = 0; // first value of the swept variable
    double sweepTo = 0;   // last value of the swept variable
    int sweepLast = 0;    // number of steps minus one
    int sweepIndex = 0;   // current step
    std::string fileName; // chosen in the save dialog; empty until then
};

struct CalcState {
    // Inputs (ReadInputs / ReadSweepInputs). d is replaced by the tube geometries'
    // streamed length until the next read.
    double w = 0;          // m/s     fluid velocity
    double d = 0;          // m       hydraulic diameter
    double tIn = 0;        // °C      inlet temperature
    double tOut = 0;       // °C      outlet temperature
    double tWall = 0;      // °C      wall temperature
    double length = 0;     // m       pipe length
    double angle = 0;      // degrees angle of incidence
    double slotLength = 0; // m       slot length

    // Temperatures.
    double tMean = 0; // °C mean fluid temperature
    double dtLog = 0; // K  log-mean temperature difference

    // Properties at tMean and at the wall.
    double nu = 0, mu = 0, rho = 0, cp = 0, lambda = 0;
    double nuW = 0, muW = 0, rhoW = 0, cpW = 0, lambdaW = 0;

    // Similarity numbers and results.
    double Pr = 0, PrW = 0, Re = 0, Pe = 0;
    double Nu = 0;    // Nusselt number
    double alpha = 0; // W/(m²·K) heat transfer coefficient

    // The criterion equation the last heat-transfer step used and its terms (cleared by
    // that step; None when no block ran).
    EquationRecord equation;

    SweepSettings sweep;
};

} // namespace vortalin
