// libFuzzer target: the case-file reader on any bytes, applied to a window record.
#include "fuzz/CaseFileOracle.h"
#include "fuzz/Oracles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return vortalin::fuzz::AbortOnViolation(vortalin::fuzz::CheckCaseFile(data, size));
}
