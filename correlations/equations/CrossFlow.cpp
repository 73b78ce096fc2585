#include "correlations/equations/CrossFlow.h"

#include <cmath>

namespace vortalin {

double CrossFlowIncidenceFactor(double angle) {
    constexpr double k = 1.0 / 180; // degrees to radians together with 3.141592; multiplied
    return 1 - 0.54 * std::pow(std::cos(angle * 3.141592 * k), 3.3333);
}

CrossFlowCoefficients CrossFlowCoefficientsFor(double Re) {
    if (Re <= 1000) {
        return {0.5, 0.5, 0.38};
    }
    if (Re <= 200000) {
        return {0.25, 0.6, 0.38};
    }
    return {0.023, 0.8, 0.37};
}

double CrossFlowNusselt(double Re, double Pr, double PrW) {
    const CrossFlowCoefficients c = CrossFlowCoefficientsFor(Re);
    return c.K * std::pow(Re, c.m) * std::pow(Pr, c.n) * std::pow(Pr / PrW, 0.25);
}

double CrossFlowAlpha(double psi, double Nu, double lambda, double d) {
    return psi * Nu * lambda / d;
}

} // namespace vortalin
