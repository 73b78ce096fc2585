// libFuzzer target: the reader of calculation sheets in JSON on any bytes.
#include "fuzz/Oracles.h"
#include "fuzz/SheetJsonOracle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return vortalin::fuzz::AbortOnViolation(vortalin::fuzz::CheckSheetJson(data, size));
}
