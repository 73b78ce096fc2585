// libFuzzer target: the number parser and the two number formats.
#include "Oracles.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string problem = vortalin::fuzz::CheckNumberFormats(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "property violated: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
