#include "Engine.h"

#include <limits>

namespace vortalin {

// Not yet available: the block writes undefined results, which the Compute command refuses.
void CorrelationEngine::SingleRowBlock() {
    s_.Nu = std::numeric_limits<double>::quiet_NaN();
    s_.alpha = s_.Nu;
}

double CorrelationEngine::SingleRowNusselt(double, double) {
    return std::numeric_limits<double>::quiet_NaN();
}

} // namespace vortalin
