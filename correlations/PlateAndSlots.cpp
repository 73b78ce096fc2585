#include "Engine.h"

#include <limits>

namespace vortalin {

// Not yet available: the block writes undefined results, which the Compute command refuses.
void CorrelationEngine::PlateBlock() {
    s_.Nu = std::numeric_limits<double>::quiet_NaN();
    s_.alpha = s_.Nu;
}
void CorrelationEngine::SlotBlock(Geometry) {
    s_.Nu = std::numeric_limits<double>::quiet_NaN();
    s_.alpha = s_.Nu;
}

} // namespace vortalin
