// The fast path of the fixed and exponent formats against their reference, digit for digit,
// at and next to every kind of rounding boundary.

#include "app/format/DecimalDigits.h"
#include "app/format/NumberFormat.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace vortalin {
namespace {

// digits · 10^exponent, correctly rounded to a double.
double FromDecimal(const std::string& digits, int exponent) {
    const std::string text = digits + "e" + std::to_string(exponent);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// v and the two doubles on either side of it.
void AddWithNeighbours(std::vector<double>& values, double v) {
    double below = v;
    double above = v;
    values.push_back(v);
    for (int i = 0; i < 2; ++i) {
        below = std::nextafter(below, 0.0);
        above = std::nextafter(above, 1e300);
        values.insert(values.end(), {below, above});
    }
}

std::string RandomDigits(std::mt19937_64& random, int count) {
    std::string digits(1, static_cast<char>('1' + random() % 9));
    while (static_cast<int>(digits.size()) < count) {
        digits += static_cast<char>('0' + random() % 10);
    }
    return digits;
}

// For `precision` significant digits and `decimals` places, with the first digit's exponent
// from 10^-22 to 10^15: the power of ten; a tie of the rounding to the precision, also one
// that carries into the next power; a tie of the second rounding to the decimals, one just
// below it in decimal (which the first rounding lifts onto it) and one that carries through
// every kept digit; and exact binary ties, odd multiples of 2^-j. Each with its neighbours.
std::vector<double> BoundaryValues(int precision, int decimals, std::mt19937_64& random) {
    std::vector<double> values;
    const std::string nines(static_cast<std::size_t>(precision), '9');
    for (int first = -22; first <= 15; ++first) {
        const std::string prefix = RandomDigits(random, precision);
        AddWithNeighbours(values, FromDecimal("1", first));
        AddWithNeighbours(values, FromDecimal(prefix + "5", first - precision));
        AddWithNeighbours(values, FromDecimal(nines + "5", first - precision));
        const int keep = first + 1 + decimals;
        if (keep >= 0 && keep < precision) {
            const auto kept = static_cast<std::size_t>(keep);
            const std::string belowTie(static_cast<std::size_t>(precision - keep), '9');
            AddWithNeighbours(values, FromDecimal(prefix.substr(0, kept) + "5", first - keep));
            AddWithNeighbours(
                values, FromDecimal(prefix.substr(0, kept) + "4" + belowTie, first - precision));
            AddWithNeighbours(values, FromDecimal(nines.substr(0, kept) + "5", first - keep));
        }
    }
    for (int j = 1; j <= 40; ++j) {
        AddWithNeighbours(values, std::ldexp(static_cast<double>(2 * (random() % 100000) + 1), -j));
    }
    return values;
}

using Append = void (*)(std::string&, double, int, int, char);

std::string Written(Append append, double v, int precision, int digits) {
    std::string text;
    append(text, v, precision, digits, ',');
    return text;
}

// The fast significand, where it gives one, is the standard library's correctly rounded
// %.{precision-1}e of the value.
bool FastDigitsAgree(double v, int precision, int& fast) {
    Significand s;
    if (!ScaledSignificand(v, precision, s)) {
        return true;
    }
    ++fast;
    std::array<char, 64> text;
    const auto end = std::to_chars(text.data(), text.data() + text.size(), v,
                                   std::chars_format::scientific, precision - 1)
                         .ptr;
    std::string digits(text.data(), end);
    const std::size_t e = digits.find('e');
    const int exponent = std::stoi(digits.substr(e + 1));
    digits.erase(e);
    std::erase(digits, '.');
    return exponent == s.exponent && digits == std::to_string(s.digits);
}

TEST(FastFormat, AgreesWithTheReferenceAtEveryKindOfRoundingBoundary) {
    std::mt19937_64 random(20261209);
    int fast = 0;
    int all = 0;
    for (int precision = 1; precision <= 15; ++precision) {
        for (int decimals = 0; decimals <= 5; ++decimals) {
            for (const double v : BoundaryValues(precision, decimals, random)) {
                ++all;
                ASSERT_TRUE(FastDigitsAgree(v, precision, fast)) << v << " P" << precision;
                for (const double x : {v, -v}) {
                    ASSERT_EQ(Written(AppendFixed, x, precision, decimals),
                              Written(AppendFixedReference, x, precision, decimals))
                        << x << " P" << precision << " D" << decimals;
                    ASSERT_EQ(Written(AppendExponent, x, precision, decimals),
                              Written(AppendExponentReference, x, precision, decimals))
                        << x << " P" << precision << " E" << decimals;
                }
            }
        }
    }
    EXPECT_GT(fast, all / 2) << "the fast path decides most of these values";
}

// The formats the results file and the display use, over the magnitudes they show.
TEST(FastFormat, AgreesWithTheReferenceOnRandomValuesOfEveryFormatInUse) {
    struct Format {
        Append fast;
        Append reference;
        int precision;
        int digits;
    };
    const Append fixed = AppendFixed;
    const Append fixedReference = AppendFixedReference;
    const Append exponent = AppendExponent;
    const Append exponentReference = AppendExponentReference;
    const Format formats[] = {{fixed, fixedReference, 8, 1},  {fixed, fixedReference, 8, 3},
                              {fixed, fixedReference, 8, 4},  {exponent, exponentReference, 8, 4},
                              {fixed, fixedReference, 10, 0}, {fixed, fixedReference, 10, 3},
                              {fixed, fixedReference, 10, 4}, {exponent, exponentReference, 4, 3}};
    std::mt19937_64 random(27);
    std::uniform_real_distribution<double> decades(-25, 12);
    for (int i = 0; i < 50000; ++i) {
        const double v = std::pow(10.0, decades(random)) * (random() % 2 ? 1 : -1);
        for (const Format& f : formats) {
            ASSERT_EQ(Written(f.fast, v, f.precision, f.digits),
                      Written(f.reference, v, f.precision, f.digits))
                << v << " P" << f.precision << " D" << f.digits;
        }
    }
}

} // namespace
} // namespace vortalin
