#include "app/files/ResultsFile.h"

#include "app/files/Windows1250.h"
#include "app/form/InputFields.h"
#include "app/format/NumberFormat.h"

#include <cmath>
#include <optional>
#include <stdexcept>

namespace vortalin {

namespace {

constexpr std::string_view kHeaderUtf8 =
    "Teplota na vstupe (°C) ;Teplota na výstupe (°C) ;Teplota steny(°C) ;Stredná teplota (°C) "
    ";Stredná log. teplota(°C) ;Rýchlosť tekutiny (m.s-1) ;Hydraulický priemer (m) ;Hustota "
    "(kg.m-3) ;Kin. viskozita (m2.s-1) ;Dyn. viskozita (Pa.s) ;Tepelná kapicita (J.kg-1.K-1) "
    ";Tep. vodivosť (W.m-1.K-1) ;Re (1) ;Pr (1) ;Pr pri stene (1) ;Nu (1) ;Súčiniteľ prestupu "
    "tepla (W.m-2.K-1) ";

std::string HeaderBytes() {
    const std::optional<std::string> bytes = ToWindows1250(kHeaderUtf8);
    if (!bytes) {
        throw std::runtime_error("Hlavičku súboru výsledkov nemožno zapísať vo Windows-1250.");
    }
    return *bytes;
}

} // namespace

bool WasComputed(const ResultsColumn& column, const Freshness& computed) {
    const Magnitude* negative =
        computed.negativeMagnitude ? MagnitudeOf(*computed.negativeMagnitude) : nullptr;
    switch (column.needs) {
    case ResultsColumn::Inputs:
        return true;
    case ResultsColumn::Diameter:
        return negative == nullptr || !negative->feedsStreamedLength;
    case ResultsColumn::Properties:
        return computed.properties;
    case ResultsColumn::Reynolds:
        return computed.properties && (negative == nullptr || !negative->feedsReynolds);
    case ResultsColumn::HeatTransfer:
        break;
    }
    return computed.properties && computed.heatTransfer && negative == nullptr;
}

std::string_view ResultsTitles() {
    return kHeaderUtf8;
}

const std::string& ResultsHeader() {
    static const std::string header = HeaderBytes() + std::string(kLineEnd);
    return header;
}

void AppendResultsLine(std::string& out, const CalcState& state, const Freshness& computed,
                       char separator) {
    bool first = true;
    for (const ResultsColumn& column : kResultsColumns) {
        if (!first) {
            out += ';';
        }
        first = false;
        const double value = ColumnValue(column, state, computed);
        if (std::isnan(value)) {
            continue;
        }
        if (column.format == Column::Fixed) {
            AppendFixed(out, value, kResultsPrecision, column.digits, separator);
        } else {
            AppendExponent(out, value, kResultsPrecision, column.digits, separator);
        }
    }
    out += kLineEnd;
}

} // namespace vortalin
