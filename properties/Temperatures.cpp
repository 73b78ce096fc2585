#include "properties/Temperatures.h"

#include <cmath>

namespace vortalin {

double MeanTemperature(double tIn, double tOut) {
    return (tIn + tOut) * 0.5;
}

double LogMeanTemperatureDifference(double tIn, double tOut, double tWall) {
    const double a = tWall - tIn;
    const double b = tWall - tOut;
    if (a == b && a != 0) {
        return std::fabs(a); // the limit of (a − b) / ln(a / b) as b tends to a
    }
    return std::fabs((a - b) / std::log(a / b));
}

} // namespace vortalin
