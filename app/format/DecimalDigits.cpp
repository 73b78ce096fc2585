#include "app/format/DecimalDigits.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace vortalin {

namespace {

// __extension__: GCC and Clang have 128-bit integers; -Wpedantic would warn of them.
__extension__ using Wide = unsigned __int128;

constexpr int kMaxPowerOfFive = 27; // the largest power of five in 64 bits
constexpr int kWideBits = 128;

// base^0 to base^(N - 1).
template <std::size_t N> constexpr std::array<std::uint64_t, N> PowersOf(std::uint64_t base) {
    std::array<std::uint64_t, N> powers{};
    std::uint64_t p = 1;
    for (std::uint64_t& power : powers) {
        power = p;
        p *= base;
    }
    return powers;
}
constexpr auto kPowersOfFive = PowersOf<kMaxPowerOfFive + 1>(5);
constexpr auto kPowersOfTen = PowersOf<DecimalDigits::kMaxCount + 1>(10);

// A positive normal double as mantissa · 2^exponent, the mantissa of 53 bits.
struct Binary {
    std::uint64_t mantissa = 0;
    int exponent = 0;
};

std::optional<Binary> Decompose(double x) {
    constexpr std::uint64_t kFractionMask = (std::uint64_t{1} << 52) - 1;
    const auto bits = std::bit_cast<std::uint64_t>(x);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    if ((bits >> 63) != 0 || biased == 0 || biased == 0x7FF) {
        return std::nullopt; // negative, zero, subnormal, infinite or NaN
    }
    return Binary{(bits & kFractionMask) | (kFractionMask + 1), biased - 1075};
}

// x · 10^scale as the exact fraction numerator / denominator. The denominator is most
// often a power of two, 2^shift; shift is -1 otherwise.
struct Scaled {
    Wide numerator = 0;
    Wide denominator = 1;
    int shift = 0;
};

// nullopt when the fraction does not fit the 128-bit arithmetic below.
std::optional<Scaled> Scale(const Binary& b, int scale) {
    // 10^scale · 2^e = 5^scale · 2^(scale + e): the power of five goes to the numerator's
    // factor for a positive scale, to the denominator for a negative one; the power of two
    // likewise by its sign. The numerator (the 53-bit mantissa times that factor) and twice
    // the denominator must stay within 128 bits.
    constexpr int kFactorBits = kWideBits - 1 - 53;
    constexpr int kDenominatorBits = kWideBits - 2;
    const int fives = scale < 0 ? -scale : scale;
    if (fives > kMaxPowerOfFive) {
        return std::nullopt;
    }
    const std::uint64_t powerOfFive = kPowersOfFive[static_cast<std::size_t>(fives)];
    const int fiveBits = std::bit_width(powerOfFive);
    const int twos = scale + b.exponent;
    if (twos >= 0 ? fiveBits * (scale >= 0) + twos > kFactorBits
                  : fiveBits * (scale < 0) - twos > kDenominatorBits) {
        return std::nullopt;
    }
    Wide factor = scale >= 0 ? powerOfFive : 1;
    Scaled s;
    s.denominator = scale >= 0 ? 1 : powerOfFive;
    if (twos >= 0) {
        factor <<= twos;
    } else {
        s.denominator <<= -twos;
    }
    s.shift = scale >= 0 ? (twos < 0 ? -twos : 0) : -1;
    s.numerator = factor * b.mantissa;
    return s;
}

// x · 10^scale divided out: its integer part and the remainder in units of 1 / denominator.
struct Quotient {
    Wide whole = 0;
    Wide remainder = 0;
};

Quotient Divide(const Scaled& s) {
    if (s.shift >= 0) { // a power of two: shift and mask
        return {s.numerator >> s.shift, s.numerator & (s.denominator - 1)};
    }
    return {s.numerator / s.denominator, s.numerator % s.denominator};
}

// The integer nearest x · 10^scale, an exact tie to the even one.
std::uint64_t RoundScaled(const Scaled& s, const Quotient& q) {
    const auto whole = static_cast<std::uint64_t>(q.whole);
    const Wide twice = 2 * q.remainder;
    const bool up = twice > s.denominator || (twice == s.denominator && (whole & 1) != 0);
    return whole + (up ? 1 : 0);
}

// floor(log10(x)), rarely one less: log2(x) = e + 52 + log2(1 + f) with the fraction f of
// the mantissa, and f ≤ log2(1 + f) ≤ f + 0.09, so the estimate errs low by at most 0.03.
int DecimalExponentEstimate(const Binary& b) {
    constexpr double kLog10Of2 = 0.30102999566398120;
    constexpr double kHiddenBit = 4503599627370496.0; // 2^52
    const double log2Below = b.exponent + 52 + (static_cast<double>(b.mantissa) / kHiddenBit - 1);
    return static_cast<int>(std::floor(log2Below * kLog10Of2));
}

// x scaled so that its integer part has exactly `precision` digits: x · 10^scale with
// scale = precision - 1 - exponent, exponent that of x's first digit.
struct ScaledToPrecision {
    Scaled scaled;
    Quotient quotient;
    int exponent = 0;
};

std::optional<ScaledToPrecision> ScaleToPrecision(const Binary& b, int precision) {
    const std::uint64_t limit = kPowersOfTen[static_cast<std::size_t>(precision)];
    int exponent = DecimalExponentEstimate(b);
    for (int tries = 0; tries < 3; ++tries) {
        const std::optional<Scaled> scaled = Scale(b, precision - 1 - exponent);
        if (!scaled) {
            return std::nullopt;
        }
        const Quotient q = Divide(*scaled);
        if (q.whole < limit && q.whole >= limit / 10) {
            return ScaledToPrecision{*scaled, q, exponent};
        }
        exponent += q.whole >= limit ? 1 : -1; // the estimate was one off
    }
    return std::nullopt;
}

// The `count` digits of value (which has that many).
DecimalDigits DigitsOf(std::uint64_t value, int count, int exponent) {
    DecimalDigits d;
    d.count = count;
    d.exponent = exponent;
    for (int i = count; i-- > 0; value /= 10) {
        d.digits[static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
    }
    return d;
}

// floor(log10(2^e)) for |e| <= 1650 (78913 / 2^18 lies just below log10(2)).
constexpr int FloorLog10OfPowerOfTwo(int e) {
    return (e * 78913) >> 18;
}

// x · 10^scale = mantissa · 5^scale · 2^-shift (0 <= scale <= 27, shift > 0): its integer
// part and whether it rounds up from there, an exact tie to the even integer.
struct ScaledProduct {
    Wide whole = 0;
    bool up = false;
};

ScaledProduct MultiplyOut(const Binary& b, int scale, int shift) {
    const Wide product = Wide{b.mantissa} * kPowersOfFive[static_cast<std::size_t>(scale)];
    const Wide half = Wide{1} << (shift - 1);
    const Wide remainder = product & ((half << 1) - 1);
    const Wide whole = product >> shift;
    return {whole, remainder > half || (remainder == half && (whole & 1) != 0)};
}

// 10^k for -32 <= k < 24, each within some ulps: enough to guess on which side of a power
// of ten a value lies, the guess being checked exactly.
constexpr int kLowestGuessPower = -32;
constexpr std::array<double, 56> kApproximatePowersOfTen = [] {
    std::array<double, 56> powers{};
    double p = 1e-32;
    for (double& power : powers) {
        power = p;
        p *= 10;
    }
    return powers;
}();

// The exponent of x's first digit, rarely one off: 10^e <= 2^(exponent + 52) <= x < 10^(e + 2),
// so it is e or e + 1.
int FirstDigitExponentGuess(double x, const Binary& b) {
    const int lowest = FloorLog10OfPowerOfTwo(b.exponent + 52);
    const int next = lowest + 1 - kLowestGuessPower;
    if (next < 0 || next >= static_cast<int>(kApproximatePowersOfTen.size())) {
        return lowest;
    }
    return x >= kApproximatePowersOfTen[static_cast<std::size_t>(next)] ? lowest + 1 : lowest;
}

} // namespace

bool ScaledSignificand(double magnitude, int precision, Significand& out) {
    constexpr int kMaxFastPrecision = 15;
    const std::optional<Binary> b = Decompose(magnitude);
    if (!b || precision < 1 || precision > kMaxFastPrecision) {
        return false;
    }
    const std::uint64_t limit = kPowersOfTen[static_cast<std::size_t>(precision)];
    int exponent = FirstDigitExponentGuess(magnitude, *b);
    for (int tries = 0; tries < 2; ++tries) {
        const int scale = precision - 1 - exponent;
        const int shift = -(b->exponent + scale);
        if (scale < 0 || scale > kMaxPowerOfFive || shift <= 0 || shift >= kWideBits) {
            return false; // a division, or an integer of 16 digits or more: the general path
        }
        const ScaledProduct p = MultiplyOut(*b, scale, shift);
        if (p.whole >= limit || p.whole < limit / 10) {
            exponent += p.whole >= limit ? 1 : -1; // the guess was one off
            continue;
        }
        const std::uint64_t rounded = static_cast<std::uint64_t>(p.whole) + (p.up ? 1 : 0);
        out.digits = rounded == limit ? limit / 10 : rounded; // 9.99… rounded up to 10.0…
        out.exponent = rounded == limit ? exponent + 1 : exponent;
        return true;
    }
    return false;
}

std::optional<DecimalDigits> RoundedDigits(double magnitude, int precision) {
    const std::optional<Binary> b = Decompose(magnitude);
    if (!b || precision < 1 || precision > DecimalDigits::kMaxCount) {
        return std::nullopt;
    }
    const std::optional<ScaledToPrecision> x = ScaleToPrecision(*b, precision);
    if (!x) {
        return std::nullopt;
    }
    std::uint64_t value = RoundScaled(x->scaled, x->quotient);
    int exponent = x->exponent;
    if (value == kPowersOfTen[static_cast<std::size_t>(precision)]) {
        value /= 10; // 9.99… rounded up to 10.0…
        ++exponent;
    }
    return DigitsOf(value, precision, exponent);
}

} // namespace vortalin
