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
#include <cstdint>
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

// The same digits as one integer: significand · 10^(exponent - precision + 1), the
// significand of exactly `precision` digits.
struct Significand {
    std::uint64_t digits = 0;
    int exponent = 0; // that of the first digit
};

// The fast path of the formats: `precision` (1 to 15) significant digits of a positive
// double, rounded as RoundedDigits rounds them, where x · 10^scale needs no division,
// 0 <= scale <= 27: some twenty decades below 10^precision, every value the display and
// the results file write in fixed form and all their usual exponent values. There
// x · 10^scale = mantissa · 5^scale · 2^(binary exponent + scale) is one exact 64 x 64-bit
// product and a shift, so the rounding is exact with no error bound to watch. False
// outside that range (and for zero, subnormal and non-finite values); then the caller takes
// RoundedDigits.
bool ScaledSignificand(double magnitude, int precision, Significand& out);

} // namespace vortalin
