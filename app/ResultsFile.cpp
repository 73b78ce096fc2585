#include "ResultsFile.h"

#include "NumberFormat.h"

#include <array>
#include <cmath>
#include <iconv.h>
#include <stdexcept>

namespace vortalin {

namespace {

constexpr std::string_view kHeaderUtf8 =
    "Teplota na vstupe (°C) ;Teplota na výstupe (°C) ;Teplota steny(°C) ;Stredná teplota (°C) "
    ";Stredná log. teplota(°C) ;Rýchlosť tekutiny (m.s-1) ;Hydraulický priemer (m) ;Hustota "
    "(kg.m-3) ;Kin. viskozita (m2.s-1) ;Dyn. viskozita (Pa.s) ;Tepelná kapicita (J.kg-1.K-1) "
    ";Tep. vodivosť (W.m-1.K-1) ;Re (1) ;Pr (1) ;Pr pri stene (1) ;Nu (1) ;Súčiniteľ prestupu "
    "tepla (W.m-2.K-1) ";

std::string ToWindows1250(std::string_view utf8) {
    iconv_t cd = iconv_open("WINDOWS-1250", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error("Kódovanie Windows-1250 nie je k dispozícii.");
    }
    std::string in(utf8);
    std::string out(in.size(), '\0');
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    const std::size_t res = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (res == static_cast<std::size_t>(-1) || inLeft != 0) {
        throw std::runtime_error("Hlavičku súboru výsledkov nemožno zapísať vo Windows-1250.");
    }
    out.resize(out.size() - outLeft);
    return out;
}

enum class Column { Fixed, Exponent };

// One column: the field, how it is formatted, and whether it needs the fluid's properties
// or the correlation's results of the step.
struct ResultsColumn {
    double CalcState::*value;
    Column format;
    int digits; // decimals, or exponent digits
    enum Needs { Inputs, Properties, HeatTransfer } needs;
};

constexpr int kFilePrecision = 8;

constexpr std::array<ResultsColumn, 17> kColumns = {{
    {&CalcState::tIn, Column::Fixed, 3, ResultsColumn::Inputs},
    {&CalcState::tOut, Column::Fixed, 3, ResultsColumn::Inputs},
    {&CalcState::tWall, Column::Fixed, 3, ResultsColumn::Inputs},
    {&CalcState::tMean, Column::Fixed, 3, ResultsColumn::Inputs},
    {&CalcState::dtLog, Column::Fixed, 3, ResultsColumn::Inputs},
    {&CalcState::w, Column::Fixed, 4, ResultsColumn::Inputs},
    {&CalcState::d, Column::Fixed, 4, ResultsColumn::Inputs},
    {&CalcState::rho, Column::Fixed, 3, ResultsColumn::Properties},
    {&CalcState::nu, Column::Exponent, 4, ResultsColumn::Properties},
    {&CalcState::mu, Column::Exponent, 4, ResultsColumn::Properties},
    {&CalcState::cp, Column::Fixed, 3, ResultsColumn::Properties},
    {&CalcState::lambda, Column::Fixed, 4, ResultsColumn::Properties},
    {&CalcState::Re, Column::Fixed, 1, ResultsColumn::Properties},
    {&CalcState::Pr, Column::Fixed, 3, ResultsColumn::Properties},
    {&CalcState::PrW, Column::Fixed, 3, ResultsColumn::Properties},
    {&CalcState::Nu, Column::Fixed, 3, ResultsColumn::HeatTransfer},
    {&CalcState::alpha, Column::Fixed, 3, ResultsColumn::HeatTransfer},
}};

bool WasComputed(ResultsColumn::Needs needs, const Freshness& computed) {
    switch (needs) {
    case ResultsColumn::Inputs:
        return true;
    case ResultsColumn::Properties:
        return computed.properties;
    case ResultsColumn::HeatTransfer:
        break;
    }
    return computed.properties && computed.heatTransfer;
}

} // namespace

const std::string& ResultsHeader() {
    static const std::string header = ToWindows1250(kHeaderUtf8) + std::string(kLineEnd);
    return header;
}

void AppendResultsLine(std::string& out, const CalcState& state, const Freshness& computed,
                       char separator) {
    bool first = true;
    for (const ResultsColumn& column : kColumns) {
        if (!first) {
            out += ';';
        }
        first = false;
        const double value = state.*column.value;
        if (!WasComputed(column.needs, computed) || !std::isfinite(value)) {
            continue;
        }
        if (column.format == Column::Fixed) {
            AppendFixed(out, value, kFilePrecision, column.digits, separator);
        } else {
            AppendExponent(out, value, kFilePrecision, column.digits, separator);
        }
    }
    out += kLineEnd;
}

} // namespace vortalin
