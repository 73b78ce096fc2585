// libFuzzer target: the whole Compute command on a window record filled from the input.
#include "fuzz/Oracles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return vortalin::fuzz::AbortOnViolation(vortalin::fuzz::CheckCompute(data, size));
}
