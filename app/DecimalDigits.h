#pragma once
// Exact decimal digits of a double: the binary value rounded to a number of significant
// digits (ties to even, as printf and std::to_chars round it), and the shortest digits that
// read back to the same double (of those, the nearest to it, as std::to_chars chooses them).
// They are computed with 128-bit integer arithmetic, several times faster than the
// standard library's general algorithms, for the values a heat-transfer calculation meets
// (about 1e-11 to 1e27). Outside that range, for zero, subnormal and non-finite values the
// functions give nullopt and the caller falls back to std::to_chars; where they give digits,
// they are those std::to_chars gives, digit for digit.

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

// The fewest significant digits that read back to the same positive double, without
// trailing zeros.
std::optional<DecimalDigits> ShortestDigits(double magnitude);

} // namespace vortalin
