#include "app/files/ResultsFile.h"

#include "app/files/Windows1250.h"
#include "app/form/InputFields.h"
#include "app/format/NumberFormat.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <optional>
#include <stdexcept>

namespace vortalin {

namespace {

constexpr std::size_t kBlockSize = 64 * 1024;

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

bool NeedMet(ResultsColumn::Needs need, const Freshness& computed, const Magnitude* negative) {
    switch (need) {
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

const Magnitude* NegativeMagnitude(const Freshness& computed) {
    return computed.negativeMagnitude ? MagnitudeOf(*computed.negativeMagnitude) : nullptr;
}

} // namespace

bool WasComputed(const ResultsColumn& column, const Freshness& computed) {
    return NeedMet(column.needs, computed, NegativeMagnitude(computed));
}

std::array<bool, 5> ComputedNeeds(const Freshness& computed) {
    const Magnitude* negative = NegativeMagnitude(computed);
    std::array<bool, 5> needs{};
    for (std::size_t need = 0; need < needs.size(); ++need) {
        needs[need] = NeedMet(static_cast<ResultsColumn::Needs>(need), computed, negative);
    }
    return needs;
}

namespace {

char* WriteValue(char* out, const ResultsColumn& column, double value, char separator) {
    return column.format == Column::Fixed
               ? WriteFixed(out, value, kResultsPrecision, column.digits, separator)
               : WriteExponent(out, value, kResultsPrecision, column.digits, separator);
}

// Writes a data line at `out`: the columns separated by ';', each value the step computed
// and that is finite through write(out, column, its index, value), and the line end.
template <typename WriteColumnValue>
char* WriteLine(char* out, const CalcState& state, const Freshness& computed,
                WriteColumnValue write) {
    const std::array<bool, 5> needs = ComputedNeeds(computed);
    char* p = out;
    for (std::size_t i = 0; i < kResultsColumns.size(); ++i) {
        const ResultsColumn& column = kResultsColumns[i];
        if (i != 0) {
            *p++ = ';';
        }
        if (const double value = ColumnValue(column, state, needs); !std::isnan(value)) {
            p = write(p, column, i, value);
        }
    }
    return std::copy(kLineEnd.begin(), kLineEnd.end(), p);
}

} // namespace

std::string_view ResultsTitles() {
    return kHeaderUtf8;
}

const std::string& ResultsHeader() {
    static const std::string header = HeaderBytes() + std::string(kLineEnd);
    return header;
}

char* ResultsLineWriter::Write(char* out, const CalcState& state, const Freshness& computed,
                               char separator) {
    return WriteLine(
        out, state, computed,
        [this, separator](char* p, const ResultsColumn& column, std::size_t index, double value) {
            return WriteColumn(p, column, value, separator, last_[index]);
        });
}

char* ResultsLineWriter::WriteColumn(char* out, const ResultsColumn& column, double value,
                                     char separator, ColumnText& last) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    if (bits == last.bits && separator == last.separator) {
        // The whole slot in one copy of a fixed size: what it puts past the text, the rest
        // of the line overwrites, or it lies past the line's end.
        std::memcpy(out, last.text.data(), kSlot);
        return out + last.length;
    }
    char* const end = WriteValue(out, column, value, separator);
    const auto length = static_cast<std::size_t>(end - out);
    if (length <= kSlot) {
        std::memcpy(last.text.data(), out, kSlot); // the text and what follows it, likewise
        last.bits = bits;
        last.separator = separator;
        last.length = length;
    }
    return end;
}

void AppendResultsLine(std::string& out, const CalcState& state, const Freshness& computed,
                       char separator) {
    std::array<char, kLongestResultsLine> line;
    char* const end =
        WriteLine(line.data(), state, computed,
                  [&](char* p, const ResultsColumn& column, std::size_t, double value) {
                      return WriteValue(p, column, value, separator);
                  });
    out.append(line.data(), end);
}

ResultsBlocks::ResultsBlocks(ResultsSink& sink)
    : sink_(sink), block_(kBlockSize + kLongestResultsLine) {}

bool ResultsBlocks::AddLine(const CalcState& state, const Freshness& computed, char separator) {
    char* const end = writer_.Write(block_.data() + size_, state, computed, separator);
    size_ = static_cast<std::size_t>(end - block_.data());
    return size_ < kBlockSize || Finish();
}

bool ResultsBlocks::Finish() {
    const bool written = size_ == 0 || sink_.Write(std::string_view(block_.data(), size_));
    size_ = 0;
    return written;
}

} // namespace vortalin
