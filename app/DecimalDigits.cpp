#include "DecimalDigits.h"

#include <bit>
#include <charconv>
#include <cstdint>

namespace vortalin {

namespace {

// __extension__: GCC and Clang have 128-bit integers; -Wpedantic would warn of them.
__extension__ using Wide = unsigned __int128;

constexpr int kMaxPowerOfFive = 27; // the largest power of five in 64 bits
constexpr int kWideBits = 128;

constexpr std::array<std::uint64_t, kMaxPowerOfFive + 1> PowersOfFive() {
    std::array<std::uint64_t, kMaxPowerOfFive + 1> powers{};
    std::uint64_t p = 1;
    for (std::uint64_t& power : powers) {
        power = p;
        p *= 5;
    }
    return powers;
}
constexpr auto kPowersOfFive = PowersOfFive();

constexpr std::array<std::uint64_t, DecimalDigits::kMaxCount + 1> PowersOfTen() {
    std::array<std::uint64_t, DecimalDigits::kMaxCount + 1> powers{};
    std::uint64_t p = 1;
    for (std::uint64_t& power : powers) {
        power = p;
        p *= 10;
    }
    return powers;
}
constexpr auto kPowersOfTen = PowersOfTen();

int BitWidth(Wide v) {
    const auto high = static_cast<std::uint64_t>(v >> 64);
    return high != 0 ? 64 + std::bit_width(high) : std::bit_width(static_cast<std::uint64_t>(v));
}

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

// x · 10^scale as the exact fraction numerator / denominator, and one unit in the last
// place of x scaled alike as unit / denominator (so numerator = mantissa · unit).
struct Scaled {
    Wide numerator = 0;
    Wide denominator = 1;
    Wide unit = 1;
};

// Multiplies `v` by 2^shift when the product keeps within `maxBits` bits.
bool ShiftWithin(Wide& v, int shift, int maxBits) {
    if (BitWidth(v) + shift > maxBits) {
        return false;
    }
    v <<= shift;
    return true;
}

// nullopt when the fraction does not fit the 128-bit arithmetic below.
std::optional<Scaled> Scale(const Binary& b, int scale) {
    // 10^scale · 2^e = 5^scale · 2^(scale + e): the power of five goes to the unit for a
    // positive scale, to the denominator for a negative one; the power of two likewise by
    // its sign. The numerator (53 bits more than the unit) and twice the denominator must
    // stay within 128 bits.
    constexpr int kUnitBits = kWideBits - 1 - 53;
    constexpr int kDenominatorBits = kWideBits - 2;
    const int fives = scale < 0 ? -scale : scale;
    if (fives > kMaxPowerOfFive) {
        return std::nullopt;
    }
    Scaled s;
    (scale >= 0 ? s.unit : s.denominator) = kPowersOfFive[static_cast<std::size_t>(fives)];
    const int twos = scale + b.exponent;
    if (twos >= 0 ? !ShiftWithin(s.unit, twos, kUnitBits)
                  : !ShiftWithin(s.denominator, -twos, kDenominatorBits)) {
        return std::nullopt;
    }
    s.numerator = s.unit * b.mantissa;
    return s;
}

// The integer nearest x · 10^scale (an exact tie to the even one), and whether it reads
// back to x: whether it lies within half a unit in the last place of x (on that half,
// reading rounds to the even mantissa).
struct Nearest {
    std::uint64_t value = 0;
    bool readsBack = false;
};

// x · 10^scale divided out: its integer part and the remainder in units of 1 / denominator.
struct Quotient {
    Wide whole = 0;
    Wide remainder = 0;
};

Quotient Divide(const Scaled& s) {
    if ((s.denominator & (s.denominator - 1)) == 0) { // a power of two: shift and mask
        return {s.numerator >> (BitWidth(s.denominator) - 1), s.numerator & (s.denominator - 1)};
    }
    return {s.numerator / s.denominator, s.numerator % s.denominator};
}

Nearest RoundScaled(const Scaled& s, const Quotient& q, const Binary& b) {
    const Wide twice = 2 * q.remainder;
    const bool up = twice > s.denominator || (twice == s.denominator && (q.whole & 1) != 0);
    const Wide distance = up ? s.denominator - q.remainder : q.remainder;
    const bool evenMantissa = (b.mantissa & 1) == 0;
    Nearest n;
    n.value = static_cast<std::uint64_t>(q.whole) + (up ? 1 : 0);
    n.readsBack = 2 * distance < s.unit || (2 * distance == s.unit && evenMantissa);
    return n;
}

// floor(log10(x)), or one less, from the binary exponent alone (x ≥ 2^(e + 52) and
// log10(2) ≈ 78913 / 2^18).
int DecimalExponentEstimate(const Binary& b) {
    return ((b.exponent + 52) * 78913) >> 18;
}

// x rounded to `precision` significant digits as an integer of that many digits and the
// decimal exponent of its first digit.
struct Rounded {
    Nearest nearest;
    int exponent = 0;
};

std::optional<Rounded> RoundToPrecision(const Binary& b, int precision) {
    const std::uint64_t limit = kPowersOfTen[static_cast<std::size_t>(precision)];
    int exponent = DecimalExponentEstimate(b);
    for (int tries = 0; tries < 3; ++tries) {
        const std::optional<Scaled> scaled = Scale(b, precision - 1 - exponent);
        if (!scaled) {
            return std::nullopt;
        }
        const Quotient q = Divide(*scaled);
        if (q.whole >= limit || q.whole < limit / 10) { // the estimate was one off
            exponent += q.whole >= limit ? 1 : -1;
            continue;
        }
        Rounded r{RoundScaled(*scaled, q, b), exponent};
        if (r.nearest.value == limit) { // 9.99… rounded up to 10.0…
            r.nearest.value /= 10;
            ++r.exponent;
        }
        return r;
    }
    return std::nullopt;
}

DecimalDigits DigitsOf(std::uint64_t value, int exponent) {
    DecimalDigits d;
    const auto res = std::to_chars(d.digits.data(), d.digits.data() + d.digits.size(), value);
    d.count = static_cast<int>(res.ptr - d.digits.data());
    d.exponent = exponent;
    return d;
}

} // namespace

std::optional<DecimalDigits> RoundedDigits(double magnitude, int precision) {
    const std::optional<Binary> b = Decompose(magnitude);
    if (!b || precision < 1 || precision > DecimalDigits::kMaxCount) {
        return std::nullopt;
    }
    const std::optional<Rounded> r = RoundToPrecision(*b, precision);
    if (!r) {
        return std::nullopt;
    }
    return DigitsOf(r->nearest.value, r->exponent);
}

std::optional<DecimalDigits> ShortestDigits(double magnitude) {
    const std::optional<Binary> b = Decompose(magnitude);
    // At a power of two the next double below is nearer than the one above; that uneven
    // interval is left to the standard library.
    if (!b || b->mantissa == (std::uint64_t{1} << 52)) {
        return std::nullopt;
    }
    // Any decimal of at most 15 digits that reads back to x is x rounded to 15 digits (the
    // 15-digit grid is far coarser than the doubles), so its trailing zeros stripped give
    // the shortest. Otherwise the nearest 16-digit decimal, else the nearest 17-digit one,
    // which always reads back.
    for (int precision = 15; precision <= DecimalDigits::kMaxCount; ++precision) {
        const std::optional<Rounded> r = RoundToPrecision(*b, precision);
        if (!r) {
            return std::nullopt;
        }
        if (r->nearest.readsBack) {
            std::uint64_t value = r->nearest.value;
            while (value % 10 == 0) {
                value /= 10;
            }
            return DigitsOf(value, r->exponent);
        }
    }
    return std::nullopt;
}

} // namespace vortalin
