#include "fuzz/Oracles.h"

#include "app/compute/Calculator.h"
#include "app/compute/ConversionError.h"
#include "app/compute/Messages.h"
#include "app/compute/ResultDisplay.h"
#include "app/files/ResultsFile.h"
#include "app/form/FormRecord.h"
#include "app/form/InputFields.h"
#include "app/form/Selections.h"
#include "app/format/NumberFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace vortalin::fuzz {

namespace {

// ---------------------------------------------------------------- shapes of numbers

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t CountDigits(std::string_view s) {
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), IsDigit));
}

// Significant digits of a digit string: without leading and trailing zeros.
std::size_t SignificantDigits(std::string_view digits) {
    const auto first = digits.find_first_not_of("0");
    if (first == std::string_view::npos) {
        return 0;
    }
    const auto last = digits.find_last_not_of("0");
    return last - first + 1;
}

std::string OnlyDigits(std::string_view s) {
    std::string out;
    std::copy_if(s.begin(), s.end(), std::back_inserter(out), IsDigit);
    return out;
}

// -?d,ddd...E[+-]eee with `precision` mantissa digits and at least `exponentDigits`.
bool LooksLikeExponent(std::string_view s, int precision, int exponentDigits, char sep) {
    if (!s.empty() && s.front() == '-') {
        s.remove_prefix(1);
    }
    const auto e = s.find('E');
    if (e == std::string_view::npos || e + 2 > s.size()) {
        return false;
    }
    const std::string_view mantissa = s.substr(0, e);
    const std::string_view exponent = s.substr(e + 2);
    if (s[e + 1] != '+' && s[e + 1] != '-') {
        return false;
    }
    const bool mantissaOk =
        precision == 1
            ? (mantissa.size() == 1 && IsDigit(mantissa[0]))
            : (mantissa.size() == static_cast<std::size_t>(precision) + 1 && IsDigit(mantissa[0]) &&
               mantissa[1] == sep && CountDigits(mantissa) == static_cast<std::size_t>(precision));
    return mantissaOk && exponent.size() >= static_cast<std::size_t>(std::max(exponentDigits, 1)) &&
           CountDigits(exponent) == exponent.size();
}

// The general exponent form of a fixed value too long for its precision.
bool LooksLikeGeneralExponent(std::string_view s, int precision, char sep) {
    if (!s.empty() && s.front() == '-') {
        s.remove_prefix(1);
    }
    const auto e = s.find('E');
    if (e == std::string_view::npos || e + 4 > s.size() || (s[e + 1] != '+' && s[e + 1] != '-')) {
        return false;
    }
    const std::string_view mantissa = s.substr(0, e);
    const std::string_view exponent = s.substr(e + 2);
    const bool mantissaOk =
        IsDigit(mantissa[0]) &&
        (mantissa.size() == 1 || (mantissa[1] == sep && mantissa.size() > 2)) &&
        CountDigits(mantissa) + (mantissa.size() > 1 ? 1 : 0) == mantissa.size();
    return mantissaOk && CountDigits(mantissa) <= static_cast<std::size_t>(precision) &&
           CountDigits(exponent) == exponent.size() && exponent.size() >= 2;
}

// -?digits[,D digits] with at most `precision` significant digits, or the general form.
bool LooksLikeFixed(std::string_view s, int precision, int decimals, char sep) {
    if (LooksLikeGeneralExponent(s, precision, sep)) {
        return true;
    }
    std::string_view body = s;
    if (!body.empty() && body.front() == '-') {
        body.remove_prefix(1);
    }
    const auto point = body.find(sep);
    const std::string_view integer = body.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : body.substr(point + 1);
    const bool shapeOk = !integer.empty() && CountDigits(integer) == integer.size() &&
                         (integer.size() == 1 || integer[0] != '0') &&
                         (decimals == 0 ? point == std::string_view::npos
                                        : fraction.size() == static_cast<std::size_t>(decimals) &&
                                              CountDigits(fraction) == fraction.size());
    return shapeOk && SignificantDigits(OnlyDigits(body)) <= static_cast<std::size_t>(precision);
}

// ---------------------------------------------------------------- number formats

double ReadDouble(const std::uint8_t* data) {
    double v = 0;
    std::memcpy(&v, data, sizeof v);
    return v;
}

std::string CheckParse(std::string_view text, char sep) {
    try {
        const double v = ParseNumber(text, sep);
        if (!std::isfinite(v)) {
            return "parse gave a non-finite value";
        }
    } catch (const ConversionError& e) {
        // A text of blanks only is named as an empty field.
        if (text.find_first_not_of(" \t") == std::string_view::npos) {
            return std::string_view(e.what()) == kEmptyFieldText
                       ? std::string()
                       : "an empty text is not named as an empty field";
        }
        // The message is a C string: it names the text up to a NUL byte, if any.
        const std::string_view named = text.substr(0, text.find('\0'));
        if (std::string_view(e.what()).find(named) == std::string_view::npos) {
            return "conversion message does not name the text";
        }
    }
    return {};
}

// Reads a formatted value back. Rounding the largest doubles to fewer digits can give a
// text beyond the range of double (1,8E+308 becomes 2E+308); that alone is no fault.
std::optional<double> ReadBack(const std::string& text, double v, char sep) {
    try {
        return ParseNumber(text, sep);
    } catch (const ConversionError&) {
        if (std::fabs(v) >= 1e307) {
            return std::nullopt;
        }
        throw;
    }
}

// The significant digits and the exponent as the standard library rounds them (%e).
std::string CorrectlyRounded(double v, int precision) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v),
                                   std::chars_format::scientific, precision - 1);
    const std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
    const auto e = text.find('e');
    return OnlyDigits(text.substr(0, e)) + "e" +
           std::to_string(std::stoi(std::string(text.substr(e + 1))));
}

std::string DigitsAndExponentOf(const std::string& formatted) {
    const auto e = formatted.find('E');
    return OnlyDigits(formatted.substr(0, e)) + "e" +
           std::to_string(std::stoi(formatted.substr(e + 1)));
}

// The standard library's shortest round-trip text with the given separator.
std::string ToCharsShortest(double v, char sep) {
    std::array<char, 32> buffer;
    const auto res = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v);
    std::string text(buffer.data(), res.ptr);
    std::replace(text.begin(), text.end(), '.', sep);
    return text;
}

// The fast path of the two formats writes what their reference writes, byte for byte.
std::string CheckFastAgreesWithReference(double v, int precision, int decimals, int exponentDigits,
                                         char sep) {
    std::string fast;
    std::string reference;
    AppendFixed(fast, v, precision, decimals, sep);
    AppendFixedReference(reference, v, precision, decimals, sep);
    if (fast != reference) {
        return "fixed format '" + fast + "' is not the reference's '" + reference + "'";
    }
    fast.clear();
    reference.clear();
    AppendExponent(fast, v, precision, exponentDigits, sep);
    AppendExponentReference(reference, v, precision, exponentDigits, sep);
    if (fast != reference) {
        return "exponent format '" + fast + "' is not the reference's '" + reference + "'";
    }
    return {};
}

std::string CheckFormatsOf(double v, int precision, int decimals, int exponentDigits, char sep) {
    if (std::string problem =
            CheckFastAgreesWithReference(v, precision, decimals, exponentDigits, sep);
        !problem.empty()) {
        return problem;
    }
    const std::string exp = FormatExponent(v, precision, exponentDigits, sep);
    if (!LooksLikeExponent(exp, precision, exponentDigits, sep)) {
        return "exponent format '" + exp + "'";
    }
    if (DigitsAndExponentOf(exp) != CorrectlyRounded(v, precision)) {
        return "exponent format '" + exp + "' is not the correctly rounded value";
    }
    const double magnitude = v == 0 ? 0 : std::floor(std::log10(std::fabs(v)));
    const std::optional<double> back = ReadBack(exp, v, sep);
    if (!back) {
        return {};
    }
    if (std::fabs(*back - v) >
        std::pow(10.0, magnitude - precision + 1) * 0.5000001 + std::fabs(v) * 1e-15) {
        return "exponent format '" + exp + "' does not read back";
    }
    if (precision == 17 && *back != v) {
        return "17 digits do not round-trip: '" + exp + "'";
    }
    std::string shortest;
    AppendShortest(shortest, v, sep);
    if (shortest != ToCharsShortest(v, sep)) {
        return "shortest digits '" + shortest + "' are not those of to_chars";
    }
    const std::string fixed = FormatFixed(v, precision, decimals, sep);
    if (!LooksLikeFixed(fixed, precision, decimals, sep)) {
        return "fixed format '" + fixed + "'";
    }
    const std::optional<double> fixedBack = ReadBack(fixed, v, sep);
    if (!fixedBack) {
        return {};
    }
    const double tolerance = std::pow(10.0, magnitude - precision + 1) + std::pow(10.0, -decimals);
    if (std::fabs(*fixedBack - v) > tolerance * 1.0000001 + std::fabs(v) * 1e-15) {
        return "fixed format '" + fixed + "' does not read back";
    }
    return {};
}

// ---------------------------------------------------------------- the Compute command

// Fields whose texts the compute input sets, in order.
constexpr std::array<EditId, 25> kComputeFields = {
    EditId::Edit1,  EditId::Edit2,  EditId::Edit3,      EditId::Edit4,      EditId::Edit5,
    EditId::Edit8,  EditId::Edit19, EditId::Edit20,     EditId::Edit21,     EditId::Edit22,
    EditId::Edit23, EditId::Edit24, EditId::Edit25,     EditId::Edit26,     EditId::Edit27,
    EditId::Edit28, EditId::Edit29, EditId::Edit30,     EditId::Edit31,     EditId::Edit32,
    EditId::Edit33, EditId::Edit34, EditId::Form2Edit1, EditId::Form2Edit2, EditId::Form2Edit3,
};

constexpr int kMaxSweepSteps = 6; // keeps one input fast

const std::set<std::string>& KnownMessages() {
    static const std::set<std::string> known = [] {
        std::set<std::string> messages = {
            "Reynoldsovo kritérium je nad limit 1.0e6 !!!",
            "Prandtlovo kritérium je mimo rozsah 0.1 až 1000 !!!",
            "Pomer d/L nesmie byť väčší ako 1 !!!",
            "Prandtlovo kritérium je mimo rozsah 0.6 až 1000 !!!",
            "Reynoldsovo kritérium má hodnotu nižšiu ako 5 !!! \nOdporúčam použiť softvér na "
            "výpočet voľnej konvekcie.",
            "Kriteriálna rovnica nevyhovuje!!! \nReynoldsovo kritérium má hodnotu vyššiu ako 2.0e6 "
            "!!! ",
            "Uhol medzi prúdiacim médiom a potrubím musí byť v rozsahu 20 až 90° !!!",
            "Kriteriálna rovnica nevyhovuje!!! \nReynoldsovo kritérium musí byť v intervale 10 až "
            "1.0e7 !!! \nOdporúčam použiť softvér na výpočet voľnej konvekcie.",
            "Prandtlovo kritérium je mimo rozsah 0.6 až 2000 !!!",
            "Platnosť kriteriálnej rovnice je len v oblasti laminárneho prúdenia (Re<2300).",
            "Stredná teplota vzduchu je mimo teplotný rozsah -73 až 2226°C !!!",
            "Stredná teplota vody je mimo teplotný rozsah 0 až 100°C !!!",
            "Stredná teplota zemného plynu je mimo teplotný rozsah 30 až 70°C !!!",
            "Reynoldsovo kritérium je mimo rozsah 10 až 1.0e6 !!!",
            "Chyba !!! Rúrky sa horizontálne dotýkajú !!!",
            "Chyba !!! Rúrky sa vertikálne dotýkajú !!!",
            "Chyba !!! Rúrky z jednotlivých radov sa dotýkajú !!!",
            "Chyba !!! Rúrky sa priestorovo prelínajú !!! Nesprávna geometrická konfigurácia !!!",
            "Chyba !!! Raynoldsovo kritérium je mimo rozsah platnosti KR !!! (1000 až 18000)",
            "Chyba !!! Vonkajší priemer rúrky je mimo rozsah platnosti KR !!! (11,13 až 40,89 mm)",
            "Chyba !!! Výška rebra je mimo rozsah platnosti KR !!! (11,42 až 16,57 mm)",
            "Chyba !!! Šírka rebra je mimo rozsah platnosti KR !!! (0,33 až 20,02 mm)",
            "Chyba !!! Stúpanie rebra je mimo rozsah platnosti KR !!! (1,3 až 4,06 mm)",
            kUndefinedResultMessage,
            kNoResultsFileMessage,
        };
        for (std::size_t i = 0; i < kEditCount; ++i) {
            if (MagnitudeOf(static_cast<EditId>(i)) != nullptr) {
                messages.insert(NegativeMagnitudeMessage(static_cast<EditId>(i)));
            }
        }
        return messages;
    }();
    return known;
}

std::string ResultsPath() {
    static const std::string path = [] {
#ifdef _WIN32 // no mkdtemp: a folder named by the process
        const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                          ("vortalin-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        return (dir / "vysledky.txt").string();
#else
        char pattern[] = "/tmp/vortalin-fuzz-XXXXXX";
        const char* dir = ::mkdtemp(pattern);
        return std::string(dir != nullptr ? dir : "/tmp") + "/vysledky.txt";
#endif
    }();
    return path;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct ComputeInput {
    Fluid fluid;
    Geometry geometry;
    HeatingMode heating;
    RowCountMode rows;
    bool save;
    int sweepVariable;
    char separator;
};

ComputeInput DecodeSelections(const std::uint8_t* data) {
    ComputeInput in{};
    in.fluid = static_cast<Fluid>(data[0] % 3);
    in.geometry = static_cast<Geometry>(data[1] % kGeometryCount);
    in.heating = (data[2] & 1) != 0 ? HeatingMode::ConstHeatFlux : HeatingMode::ConstWallTemp;
    in.rows = (data[2] & 2) != 0 ? RowCountMode::FewRows : RowCountMode::ManyRows;
    in.save = (data[2] & 4) != 0;
    in.separator = (data[2] & 8) != 0 ? '.' : ',';
    in.sweepVariable = data[3] % 5;
    return in;
}

void FillTexts(FormRecord& form, const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (EditId field : kComputeFields) {
        if (rest.empty()) {
            break;
        }
        const auto end = rest.find('\n');
        form.SetInputText(field, std::string(rest.substr(0, end)));
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
    // A long sweep proves nothing more than a short one.
    try {
        if (ParseInteger(form.Text(EditId::Form2Edit3)) > kMaxSweepSteps) {
            form.SetInputText(EditId::Form2Edit3, std::to_string(kMaxSweepSteps));
        }
    } catch (const ConversionError&) {
    }
}

std::string CheckDisplayed(const FormRecord& form, const Calculator& calc, char sep) {
    for (const DisplayedResult& f : kDisplayedResults) {
        const std::string& text = form.Text(f.field);
        if (!calc.ResultsShown()) {
            if (text != kResetText) {
                return std::string(ControlName(f.field)) + " shows '" + text + "' for no result";
            }
            continue;
        }
        const double value = calc.State().*f.value;
        const std::string expected = !std::isfinite(value) ? kUndefinedValueText
                                     : f.exponent
                                         ? FormatExponent(value, f.precision, f.digits, sep)
                                         : FormatFixed(value, f.precision, f.digits, sep);
        const bool shaped = !std::isfinite(value) ||
                            (f.exponent ? LooksLikeExponent(text, f.precision, f.digits, sep)
                                        : LooksLikeFixed(text, f.precision, f.digits, sep));
        if (text != expected || !shaped) {
            return std::string(ControlName(f.field)) + " shows '" + text + "'";
        }
    }
    if (calc.ResultsShown() &&
        (!calc.Computed().properties || !calc.Computed().heatTransfer ||
         calc.Computed().negativeMagnitude || !std::isfinite(calc.State().Nu) ||
         !std::isfinite(calc.State().alpha))) {
        return "results shown that the run did not compute";
    }
    return {};
}

std::string CheckMessages(const FormRecord& form, const Calculator& calc) {
    for (const std::string& m : form.Messages()) {
        if (KnownMessages().count(m) == 0 && m != calc.SweepError()) {
            return "unknown message '" + m + "'";
        }
    }
    return {};
}

std::string CheckResultsLine(const std::string& line, char sep) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t end; (end = line.find(';', start)) != std::string::npos; start = end + 1) {
        fields.push_back(line.substr(start, end - start));
    }
    fields.push_back(line.substr(start));
    if (fields.size() != 17) {
        return "results line with " + std::to_string(fields.size()) + " fields: " + line;
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const ResultsColumn& column = kResultsColumns[i];
        const std::string& f = fields[i];
        if (!f.empty() && !(column.format == Column::Exponent
                                ? LooksLikeExponent(f, kResultsPrecision, column.digits, sep)
                                : LooksLikeFixed(f, kResultsPrecision, column.digits, sep))) {
            return "results field " + std::to_string(i + 1) + " '" + f + "'";
        }
        if (i < 3 && f.empty()) {
            return "results line without its inputs: " + line;
        }
    }
    return {};
}

std::string CheckResultsFile(const FormRecord& form, const Calculator& calc, bool failed,
                             const std::string& path, char sep) {
    const bool exists = std::ifstream(path).good();
    if (failed || calc.SweepFailed()) {
        return exists ? "results file written although the sweep did not complete" : "";
    }
    if (!exists) {
        return "no results file after a completed sweep";
    }
    const std::string content = ReadAll(path);
    if (content.compare(0, ResultsHeader().size(), ResultsHeader()) != 0) {
        return "results file without its header";
    }
    std::size_t lines = 0;
    std::size_t start = ResultsHeader().size();
    for (std::size_t end; (end = content.find(kLineEnd, start)) != std::string::npos;
         start = end + kLineEnd.size()) {
        ++lines;
        const std::string problem = CheckResultsLine(content.substr(start, end - start), sep);
        if (!problem.empty()) {
            return problem;
        }
    }
    if (start != content.size()) {
        return "results file ends without a line end";
    }
    const int steps = ParseInteger(form.Text(EditId::Form2Edit3));
    if (lines != static_cast<std::size_t>(std::max(steps, 0))) {
        return "results file with " + std::to_string(lines) + " lines for " +
               std::to_string(steps) + " steps";
    }
    return {};
}

} // namespace

int AbortOnViolation(const std::string& problem) {
    if (!problem.empty()) {
        std::fprintf(stderr, "property violated: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}

std::string CheckNumberFormats(const std::uint8_t* data, std::size_t size) {
    if (size < 11) {
        return {};
    }
    const int precision = 1 + data[0] % 17;
    const int decimals = data[1] % 12;
    const int exponentDigits = data[2] % 6;
    const double v = ReadDouble(data + 3);
    const std::string_view text(reinterpret_cast<const char*>(data + 11), size - 11);
    for (char sep : {',', '.'}) {
        std::string problem = CheckParse(text, sep);
        if (problem.empty() && std::isfinite(v)) {
            problem = CheckFormatsOf(v, precision, decimals, exponentDigits, sep);
        }
        if (!problem.empty()) {
            return problem;
        }
    }
    return {};
}

std::string CheckCompute(const std::uint8_t* data, std::size_t size) {
    if (size < 4) {
        return {};
    }
    const ComputeInput in = DecodeSelections(data);
    FormRecord form(in.separator);
    form.Select(ButtonOf(in.fluid));
    form.Select(ButtonOf(in.geometry));
    GeometryButtonEnter(form, ButtonOf(in.geometry));
    form.Select(ButtonOf(in.heating));
    form.Select(ButtonOf(in.rows));
    form.Select(static_cast<ButtonId>(Index(ButtonId::Form2RadioButton1) +
                                      static_cast<std::size_t>(in.sweepVariable)));
    FillTexts(form, data + 4, size - 4);

    Calculator calc(form);
    const std::string path = ResultsPath();
    std::remove(path.c_str());
    if (in.save) {
        form.SetSaveDialogAnswer(path);
        calc.Ulodosboru1Click();
    }
    bool conversionFailed = false;
    try {
        calc.Button1Click();
    } catch (const ConversionError&) {
        conversionFailed = true;
    }
    std::string problem = CheckDisplayed(form, calc, in.separator);
    if (problem.empty()) {
        problem = CheckMessages(form, calc);
    }
    if (problem.empty() && in.save) {
        // A conversion failure before the sweep's header means no file; after the sweep
        // completed (in the single-point run) the file stands.
        const bool sweepCompleted = !conversionFailed || std::ifstream(path).good();
        problem = CheckResultsFile(form, calc, !sweepCompleted, path, in.separator);
    }
    return problem;
}

} // namespace vortalin::fuzz
