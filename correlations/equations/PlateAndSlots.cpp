#include "correlations/equations/PlateAndSlots.h"

#include <cmath>

namespace vortalin {

double PlateLaminarNusselt(double Re, double Pr) {
    return 0.664 * std::sqrt(Re) * std::pow(Pr, 0.33333);
}

double PlateTurbulentNusselt(double Re, double Pr) {
    return 0.037 * std::pow(Re, 0.8) * Pr /
           (1 + 2.443 * std::pow(Re, -0.1) * (std::pow(Pr, 0.66666) - 1));
}

double PlateNusselt(double Re, double Pr, double PrW, EquationRecord* record) {
    const double nuLam = PlateLaminarNusselt(Re, Pr);
    const double nuTurb = PlateTurbulentNusselt(Re, Pr);
    Record(record, Term::NuLam, nuLam);
    Record(record, Term::NuTurb, nuTurb);
    return std::sqrt(std::pow(nuLam, 2) + std::pow(nuTurb, 2)) * std::pow(Pr / PrW, 0.25);
}

double SlotFullyDevelopedNusselt(Geometry slot) {
    return slot == Geometry::SlotInsulatedOneSide ? 4.861 : 7.541;
}

double SlotEntranceTerm(double Pe, double d, double slotLength) {
    return 1.841 * std::pow(Pe * d / slotLength, 0.3333);
}

bool SlotFlowIsLaminar(double Re) {
    return Re < 2300;
}

double SlotNusselt(double K, double G, double Pr, double PrW) {
    return std::pow(std::pow(K, 3) + std::pow(G, 3), 0.3333) * std::pow(Pr / PrW, 0.14);
}

} // namespace vortalin
