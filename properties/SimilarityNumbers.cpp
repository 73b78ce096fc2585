#include "properties/SimilarityNumbers.h"

namespace vortalin {

double PrandtlNumber(double nu, double rho, double cp, double lambda) {
    return nu * rho * cp / lambda;
}

double ReynoldsNumber(double w, double d, double nu) {
    return w * d / nu;
}

} // namespace vortalin
