#include "app/format/NumberFormat.h"

#include "app/compute/ConversionError.h"
#include "app/format/DecimalDigits.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace vortalin {

namespace {

constexpr int kMaxDigits = 40; // more significant digits or decimals than any caller asks for

// The value rounded (correctly, from its binary value) to `precision` significant digits:
// digits d0 d1 ... and the decimal exponent of d0, value = d0.d1d2... · 10^exponent.
struct Decimal {
    std::array<char, kMaxDigits + 1> digits; // only [0, count) is ever read
    int count = 0;
    int exponent = 0;
};

// The digits and the exponent of a to_chars scientific text, "d[.ddd]e±XX".
void ReadScientific(const char* first, const char* last, Decimal& dec) {
    dec.count = 0;
    const char* p = first;
    for (; p != last && *p != 'e'; ++p) {
        if (*p != '.') {
            dec.digits[static_cast<std::size_t>(dec.count++)] = *p;
        }
    }
    ++p; // 'e'
    const bool negative = *p++ == '-';
    int exponent = 0;
    for (; p != last; ++p) {
        exponent = exponent * 10 + (*p - '0');
    }
    dec.exponent = negative ? -exponent : exponent;
}

// Rounds the digits to those up to position `keep` (counted from the first digit),
// halves away from zero. keep may be 0 (all digits dropped) or negative.
void RoundToKeep(Decimal& dec, int keep) {
    if (keep >= dec.count) {
        return;
    }
    if (keep < 0) {
        dec.count = 0;
        return;
    }
    const bool roundUp = dec.digits[static_cast<std::size_t>(keep)] >= '5';
    dec.count = keep;
    if (!roundUp) {
        return;
    }
    int i = keep - 1;
    for (; i >= 0; --i) {
        char& c = dec.digits[static_cast<std::size_t>(i)];
        if (c != '9') {
            ++c;
            break;
        }
        c = '0';
    }
    if (i < 0) {
        // Carry out of the first digit: 99.96 -> 100.0
        dec.digits[0] = '1';
        std::fill(dec.digits.begin() + 1, dec.digits.begin() + std::max(keep, 1), '0');
        dec.count = std::max(keep, 1);
        ++dec.exponent;
    }
}

Decimal FromDecimalDigits(const DecimalDigits& digits) {
    Decimal dec;
    std::copy_n(digits.digits.begin(), digits.count, dec.digits.begin());
    dec.count = digits.count;
    dec.exponent = digits.exponent;
    return dec;
}

Decimal ToSignificantDigits(double magnitude, int precision) {
    if (const std::optional<DecimalDigits> exact = RoundedDigits(magnitude, precision)) {
        return FromDecimalDigits(*exact);
    }
    Decimal dec;
    std::array<char, 2 * kMaxDigits> buf; // written by to_chars before it is read
    if (precision <= 15 && (magnitude == 0 || std::isnormal(magnitude))) {
        // The shortest digits that identify a normal double lie within half a unit of its
        // 17th digit. So when they are no more than `precision` digits, or at least two
        // more, rounding them gives the digits of the binary value rounded; only one digit
        // more can hide a tie on the other side of the binary value.
        const auto shortest = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                                            std::chars_format::scientific);
        ReadScientific(buf.data(), shortest.ptr, dec);
        if (dec.count <= precision) {
            std::fill(dec.digits.begin() + dec.count, dec.digits.begin() + precision, '0');
            dec.count = precision;
            return dec;
        }
        if (dec.count >= precision + 2) {
            RoundToKeep(dec, precision);
            return dec;
        }
    }
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                                   std::chars_format::scientific, precision - 1);
    ReadScientific(buf.data(), res.ptr, dec);
    return dec;
}

char DigitAt(const Decimal& dec, int index) {
    return index >= 0 && index < dec.count ? dec.digits[static_cast<std::size_t>(index)] : '0';
}

bool AllZero(const Decimal& dec) {
    return std::all_of(dec.digits.begin(), dec.digits.begin() + dec.count,
                       [](char c) { return c == '0'; });
}

void AppendExponentPart(std::string& out, int exponent, int exponentDigits) {
    out += 'E';
    out += exponent < 0 ? '-' : '+';
    std::array<char, 16> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::abs(exponent));
    const int width = static_cast<int>(res.ptr - buf.data());
    out.append(static_cast<std::size_t>(std::max(0, exponentDigits - width)), '0');
    out.append(buf.data(), res.ptr);
}

// The form a fixed-format value takes when its integer part is longer than the precision:
// significant digits without trailing zeros and at least two exponent digits.
void AppendGeneralExponent(std::string& out, bool negative, Decimal dec, char separator) {
    while (dec.count > 1 && dec.digits[static_cast<std::size_t>(dec.count - 1)] == '0') {
        --dec.count;
    }
    if (negative) {
        out += '-';
    }
    out += dec.digits[0];
    if (dec.count > 1) {
        out += separator;
        out.append(dec.digits.data() + 1, static_cast<std::size_t>(dec.count - 1));
    }
    AppendExponentPart(out, dec.exponent, 2);
}

int ClampDigits(int n, int lowest) {
    return std::clamp(n, lowest, kMaxDigits);
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

[[noreturn]] void ThrowNotANumber(std::string_view text, char separator) {
    if (TrimBlanks(text).empty()) {
        throw ConversionError(kEmptyFieldText);
    }
    std::string message = "'" + std::string(text) + "' nie je platné číslo.";
    // A number written with the other separator is the usual slip: say which one counts.
    const char other = separator == ',' ? '.' : ',';
    if ((separator == ',' || separator == '.') && ReadNumber(text, other)) {
        message +=
            separator == ',' ? " Desatinný oddeľovač je čiarka." : " Desatinný oddeľovač je bodka.";
    }
    throw ConversionError(message);
}

[[noreturn]] void ThrowNotAnInteger(std::string_view text) {
    if (TrimBlanks(text).empty()) {
        throw ConversionError(kEmptyFieldText);
    }
    throw ConversionError("'" + std::string(text) + "' nie je platné celé číslo.");
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

void AppendFixed(std::string& out, double value, int precision, int decimals, char separator) {
    precision = ClampDigits(precision, 1);
    decimals = ClampDigits(decimals, 0);
    const bool negative = std::signbit(value);
    Decimal dec;
    if (value == 0) {
        dec.digits[0] = '0';
        dec.count = 1;
    } else {
        dec = ToSignificantDigits(std::fabs(value), precision);
        if (dec.exponent + 1 > precision) {
            AppendGeneralExponent(out, negative, dec, separator);
            return;
        }
        RoundToKeep(dec, dec.exponent + 1 + decimals);
    }
    // Sign, at most `precision` integer digits, separator and decimals.
    std::array<char, 2 * kMaxDigits + 2> text;
    char* p = text.data();
    if (negative && !AllZero(dec)) {
        *p++ = '-';
    }
    if (dec.exponent < 0 || dec.count == 0) {
        *p++ = '0';
    } else {
        for (int i = 0; i <= dec.exponent; ++i) {
            *p++ = DigitAt(dec, i);
        }
    }
    if (decimals > 0) {
        *p++ = separator;
        for (int j = 1; j <= decimals; ++j) {
            *p++ = DigitAt(dec, dec.exponent + j);
        }
    }
    out.append(text.data(), p);
}

void AppendExponent(std::string& out, double value, int precision, int exponentDigits,
                    char separator) {
    precision = ClampDigits(precision, 1);
    exponentDigits = ClampDigits(exponentDigits, 0);
    Decimal dec = ToSignificantDigits(std::fabs(value), precision);
    if (std::signbit(value) && !AllZero(dec)) {
        out += '-';
    }
    out += dec.digits[0];
    if (dec.count > 1) {
        out += separator;
        out.append(dec.digits.data() + 1, static_cast<std::size_t>(dec.count - 1));
    }
    AppendExponentPart(out, dec.exponent, exponentDigits);
}

std::string FormatFixed(double value, int precision, int decimals, char separator) {
    std::string out;
    AppendFixed(out, value, precision, decimals, separator);
    return out;
}

std::string FormatExponent(double value, int precision, int exponentDigits, char separator) {
    std::string out;
    AppendExponent(out, value, precision, exponentDigits, separator);
    return out;
}

void AppendShortest(std::string& out, double value, char separator) {
    std::array<char, 32> buffer; // the longest shortest form, -2.2250738585072014e-308, fits
    if (std::fabs(value) < 10000 && value == std::trunc(value) && !std::signbit(value)) {
        // to_chars writes such whole numbers in fixed form (never longer than "1e+03"); as
        // an integer they come out the same, several times faster.
        const auto res =
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<int>(value));
        out.append(buffer.data(), res.ptr);
        return;
    }
    const auto res = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    char* const point = std::find(buffer.data(), res.ptr, '.'); // there is at most one
    if (point != res.ptr) {
        *point = separator;
    }
    out.append(buffer.data(), res.ptr);
}

std::optional<double> ReadNumber(std::string_view text, char separator) {
    const std::string_view t = TrimBlanks(text);
    // Normalise to the C form that from_chars reads: '.' as separator, no leading '+'.
    std::string normal;
    normal.reserve(t.size());
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        if (t[i] == '-') {
            normal += '-';
        }
        ++i;
    }
    int mantissaDigits = 0;
    for (; i < t.size() && IsDigit(t[i]); ++i, ++mantissaDigits) {
        normal += t[i];
    }
    if (i < t.size() && t[i] == separator) {
        normal += '.';
        for (++i; i < t.size() && IsDigit(t[i]); ++i, ++mantissaDigits) {
            normal += t[i];
        }
    }
    if (mantissaDigits == 0) {
        return std::nullopt;
    }
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        normal += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            normal += t[i++];
        }
        int exponentDigits = 0;
        for (; i < t.size() && IsDigit(t[i]); ++i, ++exponentDigits) {
            normal += t[i];
        }
        if (exponentDigits == 0) {
            return std::nullopt;
        }
    }
    if (i != t.size()) {
        return std::nullopt;
    }
    double value = 0;
    const auto res = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (res.ec != std::errc() || res.ptr != normal.data() + normal.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

double ParseNumber(std::string_view text, char separator) {
    if (const std::optional<double> value = ReadNumber(text, separator)) {
        return *value;
    }
    ThrowNotANumber(text, separator);
}

int ParseInteger(std::string_view text) {
    std::string_view t = TrimBlanks(text);
    if (!t.empty() && t.front() == '+') {
        t.remove_prefix(1);
        if (!t.empty() && t.front() == '-') {
            ThrowNotAnInteger(text);
        }
    }
    int value = 0;
    const auto res = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || res.ec != std::errc() || res.ptr != t.data() + t.size()) {
        ThrowNotAnInteger(text);
    }
    return value;
}

} // namespace vortalin
