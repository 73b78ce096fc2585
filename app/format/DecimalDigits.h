#pragma once
// Exact decimal digits of a double: the binary value rounded to a number of significant
// digits, an exact tie to the even digit (as printf and std::to_chars round it). Computed
// with 128-bit integer arithmetic, about twice as fast as the standard library's general
// algorithm, for the values a heat-transfer calculation meets (x scaled to the precision
// must fit in 128 bits, which holds some twenty decades either side of 1). Outside that
// range, and for zero, subnormal and non-finite values, the function gives nullopt and the
// caller falls back to std::to_chars; where it gives digits, they are those std::to_chars
// gives, digit for digit.

#include <array>
#include <optional>

namespace vortalin {

// d0.d1d2... · 10^exponent with d0 != '0'.
struct DecimalDigits {
    static constexpr int kMaxCount = 17; // enough for any double
    std::array<char, kMaxCount> digits;  // only [0, count) is ever read
    int count = 0;
    int exponent = 0;
};

// `precision` (1 to 17) significant digits of a positive double, correctly rounded from its
// binary value, an exact tie to the even digit.
std::optional<DecimalDigits> RoundedDigits(double magnitude, int precision);

} // namespace vortalin
