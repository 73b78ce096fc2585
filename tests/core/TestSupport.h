#pragma once
// Helpers shared by the core tests.

#include <cmath>

namespace vortalin::test {

// Half a unit in the last of `digits` significant digits of `expected`: the tolerance of a
// worked example quoted to that many digits.
inline double HalfUlpOfDigits(double expected, int digits) {
    const double magnitude = std::floor(std::log10(std::fabs(expected)));
    return 0.5000001 * std::pow(10.0, magnitude - digits + 1);
}

} // namespace vortalin::test
