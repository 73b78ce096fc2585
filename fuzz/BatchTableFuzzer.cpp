// libFuzzer target: a batch table (or grid axes) read and run case by case.
#include "fuzz/BatchOracle.h"
#include "fuzz/Oracles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return vortalin::fuzz::AbortOnViolation(vortalin::fuzz::CheckBatchTable(data, size));
}
