// The long check of the fast formats: random doubles over the magnitudes the results file
// and the window show (10^-25 to 10^15, either sign), each written in every format they
// use by the fast path and by the reference, which must agree byte for byte.
//
//   build/bench/vortalin_format_agreement [COUNT [SEED]]   (scripts/format-agreement.sh)
//
// Prints the number of values and formats compared; exits with 1 at the first difference.

#include "app/format/NumberFormat.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>

namespace vortalin {
namespace {

struct Format {
    bool exponent;
    int precision;
    int digits; // decimals, or exponent digits
};

// The results file's columns and the display's fields.
constexpr std::array<Format, 8> kFormatsInUse = {{{false, 8, 1},
                                                  {false, 8, 3},
                                                  {false, 8, 4},
                                                  {true, 8, 4},
                                                  {false, 10, 0},
                                                  {false, 10, 3},
                                                  {false, 10, 4},
                                                  {true, 4, 3}}};

// A double of random mantissa and sign, its binary exponent even over 2^-84 to 2^50.
double RandomValue(std::mt19937_64& random) {
    constexpr int kLowest = -84;
    constexpr int kSpan = 50 - kLowest;
    const std::uint64_t bits = random();
    const auto exponent =
        static_cast<std::uint64_t>(1023 + kLowest + static_cast<int>(bits >> 56) % kSpan);
    return std::bit_cast<double>((bits & 0x800FFFFFFFFFFFFFULL) | (exponent << 52));
}

bool Agree(double v, const Format& f, std::string& fast, std::string& reference) {
    fast.clear();
    reference.clear();
    if (f.exponent) {
        AppendExponent(fast, v, f.precision, f.digits, ',');
        AppendExponentReference(reference, v, f.precision, f.digits, ',');
    } else {
        AppendFixed(fast, v, f.precision, f.digits, ',');
        AppendFixedReference(reference, v, f.precision, f.digits, ',');
    }
    return fast == reference;
}

int Run(std::uint64_t count, std::uint64_t seed) {
    std::mt19937_64 random(seed);
    std::string fast;
    std::string reference;
    for (std::uint64_t i = 0; i < count; ++i) {
        const double v = RandomValue(random);
        for (const Format& f : kFormatsInUse) {
            if (!Agree(v, f, fast, reference)) {
                std::printf("%.17g P%d D%d: fast %s, reference %s\n", v, f.precision, f.digits,
                            fast.c_str(), reference.c_str());
                return 1;
            }
        }
    }
    std::printf("%llu values x %zu formats: fast and reference agree\n",
                static_cast<unsigned long long>(count), kFormatsInUse.size());
    return 0;
}

} // namespace
} // namespace vortalin

int main(int argc, char* argv[]) {
    const std::uint64_t count = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 100000000;
    const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20261209;
    return vortalin::Run(count, seed);
}
