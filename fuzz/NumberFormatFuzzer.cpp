// libFuzzer target: the number parser and the two number formats (their fast path held to
// their reference byte for byte).
#include "fuzz/Oracles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return vortalin::fuzz::AbortOnViolation(vortalin::fuzz::CheckNumberFormats(data, size));
}
