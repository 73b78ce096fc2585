// Fixed and exponent formats of the display and the results file, and strict parsing.

#include "app/format/NumberFormat.h"
#include "app/compute/ConversionError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace vortalin {
namespace {

struct FixedCase {
    double value;
    int precision;
    int decimals;
    const char* expected;
};

TEST(FormatFixed, RoundsToPrecisionThenToDecimals) {
    const FixedCase cases[] = {
        {21, 10, 3, "21,000"},
        {8.9627, 10, 3, "8,963"},
        {6588.27, 10, 0, "6588"},
        {812.4, 10, 0, "812"},
        {812.5, 10, 0, "813"}, // ties go away from zero
        {-812.5, 10, 0, "-813"},
        {0.5, 10, 0, "1"},
        {0.25, 10, 1, "0,3"},      // exactly representable tie
        {9.9995, 10, 3, "10,000"}, // below the tie in binary, a tie after 10 digits: carries
        {9.9995, 4, 3, "9,999"},   // ... but not once four digits leave no tie
        {99.96, 3, 1, "100,0"},    // carry through every digit
        {0.0004, 10, 3, "0,000"},
        {0.0005, 10, 3, "0,001"},
        {-0.0004, 10, 3, "0,000"}, // no sign on a value that rounds to zero
        {-21.5, 10, 3, "-21,500"},
        {0, 10, 4, "0,0000"},
        {0, 10, 0, "0"},
        {-0.0, 10, 2, "0,00"},
        {1004.68812, 10, 3, "1004,688"},
        {0.02537, 10, 4, "0,0254"},
        {123456789.987654321, 10, 3, "123456790,000"}, // ten significant digits only
        {1234567890.4, 10, 0, "1234567890"},           // integer part of exactly ten digits
        {12345678901.0, 10, 0, "1,23456789E+10"},      // longer: exponent form, zeros dropped
        {12345678901.0, 8, 1, "1,2345679E+10"},
        {1e12, 10, 4, "1E+12"},
        {-3.5e15, 10, 1, "-3,5E+15"},
        {131765320.4, 8, 1, "1,3176532E+08"}, // one-digit exponent padded to two
        {1.5e-20, 10, 4, "0,0000"},
        {658.83, 8, 1, "658,8"},
        {0.1 + 0.1 / 9, 8, 4, "0,1111"},
    };
    for (const FixedCase& c : cases) {
        EXPECT_EQ(FormatFixed(c.value, c.precision, c.decimals, ','), c.expected)
            << c.value << " P" << c.precision << " D" << c.decimals;
    }
    EXPECT_EQ(FormatFixed(21, 10, 3, '.'), "21.000");
}

struct ExponentCase {
    double value;
    int precision;
    int digits;
    const char* expected;
};

TEST(FormatExponent, WritesSignificantDigitsAndSignedPaddedExponent) {
    const ExponentCase cases[] = {
        {0.000015112, 4, 3, "1,511E-005"},
        {0.000015112, 8, 4, "1,5112000E-0005"},
        {1.5178501e-5, 4, 3, "1,518E-005"},
        {1.8241987e-5, 8, 4, "1,8241987E-0005"},
        {123456, 4, 3, "1,235E+005"},
        {-123456, 4, 0, "-1,235E+5"},
        {9.9996, 4, 3, "1,000E+001"}, // rounding carries into the exponent
        {0, 4, 3, "0,000E+000"},
        {1e-300, 4, 3, "1,000E-300"},
        {1e-300, 4, 1, "1,000E-300"}, // more exponent digits than asked when needed
        {5, 1, 2, "5E+00"},           // one significant digit: no separator
    };
    for (const ExponentCase& c : cases) {
        EXPECT_EQ(FormatExponent(c.value, c.precision, c.digits, ','), c.expected)
            << c.value << " P" << c.precision << " E" << c.digits;
    }
    EXPECT_EQ(FormatExponent(0.000015112, 4, 3, '.'), "1.511E-005");
}

// The exponent format as the standard library's correctly rounded %e gives it.
std::string ReferenceExponent(double v, int precision) {
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, precision - 1);
    std::string text(buf, res.ptr);
    const auto e = text.find('e');
    std::string mantissa = text.substr(0, e);
    for (char& c : mantissa) {
        c = c == '.' ? ',' : c;
    }
    const int exponent = std::stoi(text.substr(e + 1));
    std::string digits = std::to_string(std::abs(exponent));
    digits.insert(0, digits.size() < 3 ? 3 - digits.size() : 0, '0');
    return mantissa + "E" + (exponent < 0 ? "-" : "+") + digits;
}

// Values where decimal digits are easily got wrong: next to a tie of their rounding (2.675 is
// 2.67499999... in binary), exact ties, the doubles around powers of ten and of two (where
// digits carry over and the spacing of doubles changes), the ends of the range, whole
// numbers, and random values in the range a calculation meets and anywhere.
std::vector<double> DigitSamples() {
    std::vector<double> values = {2.675,
                                  1.005,
                                  0.125,
                                  0.375,
                                  2.5,
                                  9.9995,
                                  1.45,
                                  0.015,
                                  1e23,
                                  5e-324,
                                  1.7976931348623157e308,
                                  123456.5,
                                  0.1,
                                  1.0 / 3,
                                  9007199254740993.0};
    for (int e = -30; e <= 30; ++e) {
        for (const double start : {std::pow(10.0, e), std::ldexp(1.0, 3 * e)}) {
            double below = start;
            double above = start;
            for (int i = 0; i < 3; ++i) {
                values.insert(values.end(), {below, above});
                below = std::nextafter(below, 0.0);
                above = std::nextafter(above, 1e300);
            }
        }
    }
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> mantissa(1, 10);
    std::uniform_int_distribution<int> exponent(-30, 30);
    std::uniform_int_distribution<int> whole(1, 1 << 20);
    for (int i = 0; i < 20000; ++i) {
        values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
        values.push_back(std::ldexp(whole(random) + 0.5, -whole(random) % 12)); // exact ties
        std::uint64_t bits = random();
        double any = 0;
        std::memcpy(&any, &bits, sizeof any);
        if (std::isfinite(any)) {
            values.push_back(any);
        }
    }
    return values;
}

TEST(FormatExponent, AgreesWithCorrectRoundingOfTheBinaryValue) {
    for (const double v : DigitSamples()) {
        for (int precision = 1; precision <= 17; ++precision) {
            ASSERT_EQ(FormatExponent(v, precision, 3, ','), ReferenceExponent(v, precision))
                << v << " P" << precision;
        }
    }
}

TEST(ParseNumber, AcceptsSignedDecimalsWithTheGivenSeparatorAndExponent) {
    const std::pair<const char*, double> cases[] = {
        {"0,1", 0.1},       {"-0,1", -0.1}, {"+2", 2},    {"20", 20},         {"1,5e3", 1500},
        {"1,5E-3", 0.0015}, {"2e+2", 200},  {",5", 0.5},  {"5,", 5},          {" 7 ", 7},
        {"53,6", 53.6},     {"0", 0},       {"-0", -0.0}, {"1e-300", 1e-300},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(ParseNumber(text, ','), value) << text;
    }
    EXPECT_EQ(ParseNumber("0.1", '.'), 0.1);
}

TEST(ParseNumber, RejectsEverythingElseNamingTheText) {
    const char* bad[] = {"abc", "1,5,5", "1e",  "e5",  ",",     "-",   "+-1",
                         "1 2", "0x10",  "inf", "nan", "1e999", "--1", "1,5a"};
    for (const char* text : bad) {
        try {
            ParseNumber(text, ',');
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(text) + "' nie je platné číslo.");
        }
    }
    EXPECT_THROW(ParseNumber("0,1", '.'), ConversionError);
}

// The two slips a user makes most: the other decimal separator, and a field left empty.
TEST(ParseNumber, SaysWhichSeparatorCountsAndThatAFieldIsEmpty) {
    const struct {
        const char* text;
        char separator;
        const char* message;
    } cases[] = {
        {"0.5", ',', "'0.5' nie je platné číslo. Desatinný oddeľovač je čiarka."},
        {"-1.5e3", ',', "'-1.5e3' nie je platné číslo. Desatinný oddeľovač je čiarka."},
        {"0,5", '.', "'0,5' nie je platné číslo. Desatinný oddeľovač je bodka."},
        {" 2,25 ", '.', "' 2,25 ' nie je platné číslo. Desatinný oddeľovač je bodka."},
        {"1.5.5", ',', "'1.5.5' nie je platné číslo."}, // no number with either separator
        {"1e5.5", ',', "'1e5.5' nie je platné číslo."},
        {"1,5", ',', nullptr},
        {"", ',', "pole je prázdne."},
        {" \t ", '.', "pole je prázdne."},
    };
    for (const auto& c : cases) {
        try {
            ParseNumber(c.text, c.separator);
            EXPECT_EQ(c.message, nullptr) << "accepted '" << c.text << "'";
        } catch (const ConversionError& e) {
            ASSERT_NE(c.message, nullptr) << c.text;
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
    try {
        ParseInteger(" ");
        ADD_FAILURE() << "accepted a blank";
    } catch (const ConversionError& e) {
        EXPECT_EQ(std::string(e.what()), "pole je prázdne.");
    }
}

TEST(ParseInteger, AcceptsWholeNumbersOnly) {
    EXPECT_EQ(ParseInteger("10"), 10);
    EXPECT_EQ(ParseInteger("-3"), -3);
    EXPECT_EQ(ParseInteger("+0"), 0);
    EXPECT_EQ(ParseInteger(" 12 "), 12);
    for (const char* text : {"", "1,5", "1.5", "1e2", "abc", "99999999999", "+-1", "--1"}) {
        EXPECT_THROW(ParseInteger(text), ConversionError) << text;
    }
}

} // namespace
} // namespace vortalin
