#pragma once
// The results file of a parameter sweep: a Windows-1250 header of 17 titles and one line
// of 17 semicolon-separated numbers per step.

#include "app/compute/Calculator.h"
#include "app/files/ResultsSink.h"

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

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

// The column's value in a step; NaN when the step did not compute it or it is not finite.
inline double ColumnValue(const ResultsColumn& column, const CalcState& state,
                          const Freshness& computed) {
    const double value = state.*column.value;
    if (!WasComputed(column, computed) || !std::isfinite(value)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return value;
}

// Appends one data line (line end included). A value the step did not compute, or one that
// is not finite, is left as an empty field.
void AppendResultsLine(std::string& out, const CalcState& state, const Freshness& computed,
                       char separator);

// Lines collected in one reused buffer and handed to the sink in blocks of about 64 KiB.
class ResultsBlocks {
public:
    explicit ResultsBlocks(ResultsSink& sink);
    // Appends the step's line; false when a block could not be written.
    bool AddLine(const CalcState& state, const Freshness& computed, char separator);
    // Writes what is left; false when that failed.
    bool Finish();

private:
    ResultsSink& sink_;
    std::string block_;
};

} // namespace vortalin
