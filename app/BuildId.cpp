#include "app/BuildId.h"

// Rewritten by every build when the commit changes; only this file includes it.
#include "app/BuildIdentifier.h"

namespace vortalin {

const char* BuildId() {
    return VORTALIN_BUILD_ID;
}

} // namespace vortalin
