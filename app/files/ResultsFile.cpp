#include "app/files/ResultsFile.h"

#include "app/files/Windows1250.h"
#include "app/form/InputFields.h"
#include "app/format/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

namespace vortalin {

namespace {

constexpr std::size_t kBlockSize = 64 * 1024;
constexpr std::size_t kLongestLine = kResultsColumns.size() * (kMaxNumberText + 1) + 2;

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

std::array<bool, 5> ComputedNeeds(const Freshness& computed) {
    std::array<bool, 5> needs{};
    for (std::size_t need = 0; need < needs.size(); ++need) {
        const ResultsColumn column{nullptr, Column::Fixed, 0,
                                   static_cast<ResultsColumn::Needs>(need)};
        needs[need] = WasComputed(column, computed);
    }
    return needs;
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
    const std::array<bool, 5> needs = ComputedNeeds(computed);
    std::array<char, kResultsColumns.size() * (kMaxNumberText + 1) + kLineEnd.size()> line;
    char* p = line.data();
    for (const ResultsColumn& column : kResultsColumns) {
        if (&column != &kResultsColumns.front()) {
            *p++ = ';';
        }
        const double value = state.*column.value;
        if (!needs[column.needs] || !std::isfinite(value)) {
            continue;
        }
        p = column.format == Column::Fixed
                ? WriteFixed(p, value, kResultsPrecision, column.digits, separator)
                : WriteExponent(p, value, kResultsPrecision, column.digits, separator);
    }
    p = std::copy(kLineEnd.begin(), kLineEnd.end(), p);
    out.append(line.data(), p);
}

ResultsBlocks::ResultsBlocks(ResultsSink& sink) : sink_(sink) {
    block_.reserve(kBlockSize + kLongestLine);
}

bool ResultsBlocks::AddLine(const CalcState& state, const Freshness& computed, char separator) {
    AppendResultsLine(block_, state, computed, separator);
    return block_.size() < kBlockSize || Finish();
}

bool ResultsBlocks::Finish() {
    const bool written = block_.empty() || sink_.Write(block_);
    block_.clear();
    return written;
}

} // namespace vortalin
