#include "Engine.h"

#include <limits>

namespace vortalin {

// Not yet available: the block writes undefined results, which the Compute command refuses.
void CorrelationEngine::InlineBankBlock() {
    s_.Nu = std::numeric_limits<double>::quiet_NaN();
    s_.alpha = s_.Nu;
}
void CorrelationEngine::StaggeredBankBlock() {
    s_.Nu = std::numeric_limits<double>::quiet_NaN();
    s_.alpha = s_.Nu;
}
void CorrelationEngine::PartlyStaggeredBankBlock() {
    s_.Nu = std::numeric_limits<double>::quiet_NaN();
    s_.alpha = s_.Nu;
}

} // namespace vortalin
