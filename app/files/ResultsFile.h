#pragma once
// The results file of a parameter sweep: a Windows-1250 header of 17 titles and one line
// of 17 semicolon-separated numbers per step.

#include "app/compute/Calculator.h"
#include "app/files/ResultsSink.h"
#include "app/format/NumberFormat.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace vortalin {

// The platform's line end, as a text-mode write gives it.
#ifdef _WIN32
inline constexpr std::string_view kLineEnd = "\r\n";
#else
inline constexpr std::string_view kLineEnd = "\n";
#endif

enum class Column { Fixed, Exponent };

// One column: the field, how it is formatted, and what it needs of the step: nothing but
// the inputs, a diameter no negative tube diameter gave, the fluid's properties, also a Re
// from no negative magnitude, or the correlation's results from no negative magnitude.
struct ResultsColumn {
    double CalcState::*value;
    Column format;
    int digits; // decimals, or exponent digits
    enum Needs { Inputs, Diameter, Properties, Reynolds, HeatTransfer } needs;
};

// Significant digits of every column.
inline constexpr int kResultsPrecision = 8;

// The 17 columns in their order.
inline constexpr std::array<ResultsColumn, 17> kResultsColumns = {{
    {&CalcState::tIn, Column::Fixed, 3, ResultsColumn::Inputs},
    {&CalcState::tOut, Column::Fixed, 3, ResultsColumn::Inputs},
    {&CalcState::tWall, Column::Fixed, 3, ResultsColumn::Inputs},
    {&CalcState::tMean, Column::Fixed, 3, ResultsColumn::Inputs},
    {&CalcState::dtLog, Column::Fixed, 3, ResultsColumn::Inputs},
    {&CalcState::w, Column::Fixed, 4, ResultsColumn::Inputs},
    {&CalcState::d, Column::Fixed, 4, ResultsColumn::Diameter},
    {&CalcState::rho, Column::Fixed, 3, ResultsColumn::Properties},
    {&CalcState::nu, Column::Exponent, 4, ResultsColumn::Properties},
    {&CalcState::mu, Column::Exponent, 4, ResultsColumn::Properties},
    {&CalcState::cp, Column::Fixed, 3, ResultsColumn::Properties},
    {&CalcState::lambda, Column::Fixed, 4, ResultsColumn::Properties},
    {&CalcState::Re, Column::Fixed, 1, ResultsColumn::Reynolds},
    {&CalcState::Pr, Column::Fixed, 3, ResultsColumn::Properties},
    {&CalcState::PrW, Column::Fixed, 3, ResultsColumn::Properties},
    {&CalcState::Nu, Column::Fixed, 3, ResultsColumn::HeatTransfer},
    {&CalcState::alpha, Column::Fixed, 3, ResultsColumn::HeatTransfer},
}};

// The header line in Windows-1250 bytes, line end included.
const std::string& ResultsHeader();
// The 17 titles in UTF-8, separated by ';', without a line end.
std::string_view ResultsTitles();

// Whether the step computed the column's value (it may still be not finite).
bool WasComputed(const ResultsColumn& column, const Freshness& computed);

// WasComputed for each kind of need at once, indexed by ResultsColumn::Needs.
std::array<bool, 5> ComputedNeeds(const Freshness& computed);

// A column's value if the step computed it and it is finite, otherwise NaN.
inline double ComputedValueOrNaN(bool computed, double value) {
    return computed && std::isfinite(value) ? value : std::numeric_limits<double>::quiet_NaN();
}

// The column's value in a step; NaN when the step did not compute it (as `needs`, from
// ComputedNeeds, says) or it is not finite.
inline double ColumnValue(const ResultsColumn& column, const CalcState& state,
                          const std::array<bool, 5>& needs) {
    return ComputedValueOrNaN(needs[column.needs], state.*column.value);
}

// The same, for one column alone.
inline double ColumnValue(const ResultsColumn& column, const CalcState& state,
                          const Freshness& computed) {
    return ComputedValueOrNaN(WasComputed(column, computed), state.*column.value);
}

// The longest data line, line end included.
inline constexpr std::size_t kLongestResultsLine =
    kResultsColumns.size() * (kMaxNumberText + 1) + kLineEnd.size();

// Writes the data lines of one sweep. A value the step did not compute, or one that is not
// finite, is left as an empty field. Each column's last text is kept: in a sweep most
// columns hold the same number line after line (a sweep of the velocity changes four of the
// seventeen), and since a text depends on nothing but the value's bits and the separator,
// a value equal bit for bit to the column's previous one is copied instead of formatted.
class ResultsLineWriter {
public:
    // Writes one data line (line end included) at `out`, which has room for
    // kLongestResultsLine characters; returns its end. The characters of that room past the
    // line's end may be changed too.
    char* Write(char* out, const CalcState& state, const Freshness& computed, char separator);

private:
    // The last text a column wrote that fits kSlot characters (every text of the results
    // file does: at most 16), kept and copied back as one block of kSlot characters: a copy
    // of a fixed size is a few moves, a copy of the text's length a call of memcpy.
    static constexpr std::size_t kSlot = 32;
    struct ColumnText {
        std::uint64_t bits = kNoValue;
        char separator = 0;
        std::size_t length = 0;
        std::array<char, kSlot> text{};
    };
    // A NaN's bits: no finite value, so none yet.
    static constexpr std::uint64_t kNoValue = 0x7FF8000000000000;
    static_assert(kSlot <= kMaxNumberText + 1, "a slot copied back stays within its column");

    char* WriteColumn(char* out, const ResultsColumn& column, double value, char separator,
                      ColumnText& last);

    std::array<ColumnText, kResultsColumns.size()> last_{};
};

// Appends one data line (line end included), every column formatted.
void AppendResultsLine(std::string& out, const CalcState& state, const Freshness& computed,
                       char separator);

// Lines written straight into one reused buffer and handed to the sink in blocks of about
// 64 KiB.
class ResultsBlocks {
public:
    explicit ResultsBlocks(ResultsSink& sink);
    // Writes the step's line; false when a block could not be written.
    bool AddLine(const CalcState& state, const Freshness& computed, char separator);
    // Writes what is left; false when that failed.
    bool Finish();

private:
    ResultsSink& sink_;
    ResultsLineWriter writer_;
    std::vector<char> block_;
    std::size_t size_ = 0; // bytes of block_ in use
};

} // namespace vortalin
