#pragma once
// Number formats of the result display and the results file, and strict number parsing.
// They never depend on the C locale: the decimal separator is always a parameter.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vortalin {

// Fixed format: the value is rounded to `precision` significant digits, then to `decimals`
// digits after the separator (halves away from zero), and written with exactly `decimals`
// digits after the separator and at least one before it; no separator when decimals is 0.
// When the integer part would need more than `precision` digits the value is written in the
// general exponent form instead: up to `precision` significant digits without trailing
// zeros, "E", the exponent's sign and at least two exponent digits (1,5E+12).
// The value must be finite.
std::string FormatFixed(double value, int precision, int decimals, char separator);

// Exponent format: one digit, the separator, precision - 1 further digits, "E", the sign of
// the exponent (always written) and at least `exponentDigits` exponent digits.
// 0.000015112 with precision 4 and 3 exponent digits gives 1,511E-005. The value must be
// finite.
std::string FormatExponent(double value, int precision, int exponentDigits, char separator);

// Appending variants.
void AppendFixed(std::string& out, double value, int precision, int decimals, char separator);
void AppendExponent(std::string& out, double value, int precision, int exponentDigits,
                    char separator);

// The longest text WriteFixed or WriteExponent writes.
inline constexpr std::size_t kMaxNumberText = 96;

// The same formats written at `out`, which has room for kMaxNumberText characters; each
// returns the end of its text. The hot path of the results file and the display: the
// common values are rounded by ScaledSignificand and laid out from one integer, the others
// by the reference below.
char* WriteFixed(char* out, double value, int precision, int decimals, char separator);
char* WriteExponent(char* out, double value, int precision, int exponentDigits, char separator);

// The reference of the two formats: the same texts built digit by digit from RoundedDigits
// (or std::to_chars where that gives none). The tests and the fuzzer hold the fast path to
// it byte for byte.
void AppendFixedReference(std::string& out, double value, int precision, int decimals,
                          char separator);
void AppendExponentReference(std::string& out, double value, int precision, int exponentDigits,
                             char separator);

// The shortest digits that read back to exactly the same double (to_chars' choice of
// fixed or exponent form, "1.5e-05"), with the given separator; "inf" or "nan" for a value
// that is not finite.
void AppendShortest(std::string& out, double value, char separator);

// The conversion text of an empty field (or one of blanks only).
inline constexpr const char* kEmptyFieldText = "pole je prázdne.";

// A decimal number: optional sign, digits with the given separator, optional exponent
// (e or E, optional sign, digits); blanks around it are ignored. Anything else, the empty
// text included, throws ConversionError with a Slovak message naming the text (and, when
// the text is a number with the other separator, which separator counts), or saying that
// the field is empty. So does a value beyond the range of double.
double ParseNumber(std::string_view text, char separator);
// The same without the message: nullopt for a text ParseNumber refuses.
std::optional<double> ReadNumber(std::string_view text, char separator);

// A whole number in the range of int: optional sign and decimal digits; ConversionError
// otherwise.
int ParseInteger(std::string_view text);

} // namespace vortalin
