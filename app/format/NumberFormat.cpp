#include "app/format/NumberFormat.h"

#include "app/compute/ConversionError.h"
#include "app/format/DecimalDigits.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
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

constexpr std::array<std::uint64_t, 20> kPowersOfTen = [] {
    std::array<std::uint64_t, 20> powers{};
    std::uint64_t p = 1;
    for (std::uint64_t& power : powers) {
        power = p;
        p *= 10;
    }
    return powers;
}();

// "00" "01" ... "99".
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

std::uint64_t PowerOfTen(int n) {
    return kPowersOfTen[static_cast<std::size_t>(n)];
}

// The last `count` decimal digits of value, leading zeros included, two at a time, written
// to end at `end`; returns the digits not written (value / 10^count).
std::uint64_t WriteLastDigits(char* end, std::uint64_t value, int count) {
    char* p = end;
    for (; count >= 2; count -= 2, value /= 100) {
        p -= 2;
        std::memcpy(p, &kDigitPairs[static_cast<std::size_t>(2 * (value % 100))], 2);
    }
    if (count == 1) {
        *--p = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return value;
}

// Exactly `count` decimal digits of value, leading zeros included.
char* WriteDigits(char* out, std::uint64_t value, int count) {
    WriteLastDigits(out + count, value, count);
    return out + count;
}

int DigitCount(std::uint64_t value) {
    int count = 1;
    while (count < 19 && value >= PowerOfTen(count)) {
        ++count;
    }
    return count;
}

// The fast path of the fixed format, or nullptr where it leaves the value to the reference:
// the significand is rounded once more, halves away from zero, to the digits the decimals
// keep (as RoundToKeep rounds its digits), which gives the whole text as one integer q,
// the value being q · 10^-decimals.
char* WriteFixedFast(char* out, double value, int precision, int decimals, char separator) {
    constexpr int kMaxKept = 18; // q below 10^19
    Significand s;
    if (value == 0 || decimals < 0 || decimals > kMaxKept ||
        !ScaledSignificand(std::fabs(value), precision, s) || s.exponent + 1 > precision) {
        return nullptr; // zero, the exponent form, or beyond 64 bits
    }
    const int keep = s.exponent + 1 + decimals; // digits from the first one to the last decimal
    if (keep > kMaxKept) {
        return nullptr;
    }
    std::uint64_t q = 0;
    int digits = 1;
    if (keep >= precision) {
        q = s.digits * PowerOfTen(keep - precision);
        digits = keep;
    } else if (keep >= 0) {
        const std::uint64_t unit = PowerOfTen(precision - keep);
        q = s.digits / unit + (s.digits % unit >= unit / 2 ? 1 : 0);
        digits = std::max(1, keep + (q == PowerOfTen(keep) ? 1 : 0));
    }
    if (std::signbit(value) && q != 0) {
        *out++ = '-';
    }
    const int length = std::max(digits, decimals + 1);
    if (decimals == 0) {
        return WriteDigits(out, q, length);
    }
    // The decimals from the end, then the separator and the integer digits before it.
    const int whole = length - decimals;
    char* const end = out + length + 1;
    const std::uint64_t integerPart = WriteLastDigits(end, q, decimals);
    out[whole] = separator;
    WriteLastDigits(out + whole, integerPart, whole);
    return end;
}

char* WriteExponentPart(char* out, int exponent, int exponentDigits) {
    *out++ = 'E';
    *out++ = exponent < 0 ? '-' : '+';
    const auto magnitude = static_cast<std::uint64_t>(std::abs(exponent));
    return WriteDigits(out, magnitude, std::max(exponentDigits, DigitCount(magnitude)));
}

// The fast path of the exponent format, or nullptr.
char* WriteExponentFast(char* out, double value, int precision, int exponentDigits,
                        char separator) {
    Significand s;
    if (exponentDigits < 0 || exponentDigits > kMaxDigits ||
        !ScaledSignificand(std::fabs(value), precision, s)) {
        return nullptr;
    }
    if (std::signbit(value)) {
        *out++ = '-';
    }
    WriteDigits(out + 1, s.digits, precision); // d0 moves one place left for the separator
    out[0] = out[1];
    out[1] = separator;
    out += precision > 1 ? precision + 1 : 1;
    return WriteExponentPart(out, s.exponent, exponentDigits);
}

template <typename Append> char* CopyOut(char* out, Append append) {
    std::string text;
    append(text);
    return std::copy(text.begin(), text.end(), out);
}

} // namespace

void AppendFixedReference(std::string& out, double value, int precision, int decimals,
                          char separator) {
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

void AppendExponentReference(std::string& out, double value, int precision, int exponentDigits,
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

char* WriteFixed(char* out, double value, int precision, int decimals, char separator) {
    if (char* const end = WriteFixedFast(out, value, precision, decimals, separator)) {
        return end;
    }
    return CopyOut(out, [&](std::string& text) {
        AppendFixedReference(text, value, precision, decimals, separator);
    });
}

char* WriteExponent(char* out, double value, int precision, int exponentDigits, char separator) {
    if (char* const end = WriteExponentFast(out, value, precision, exponentDigits, separator)) {
        return end;
    }
    return CopyOut(out, [&](std::string& text) {
        AppendExponentReference(text, value, precision, exponentDigits, separator);
    });
}

void AppendFixed(std::string& out, double value, int precision, int decimals, char separator) {
    std::array<char, kMaxNumberText> text;
    out.append(text.data(), WriteFixed(text.data(), value, precision, decimals, separator));
}

void AppendExponent(std::string& out, double value, int precision, int exponentDigits,
                    char separator) {
    std::array<char, kMaxNumberText> text;
    out.append(text.data(),
               WriteExponent(text.data(), value, precision, exponentDigits, separator));
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
