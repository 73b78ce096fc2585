#pragma once
// The table of criterion equations: one row per equation and regime the engine can pick,
// with its formula, the characteristic length and velocity of its Reynolds number, where
// the properties are taken, the validity ranges its source states and the source itself.
//
// The ranges are those of the literature, not the refusals of the validity check: a run
// that passes the check but leaves one of these ranges gets a warning, never a refusal.

#include "correlations/equations/EquationTerms.h"

#include <limits>
#include <span>
#include <string>
#include <string_view>

namespace vortalin {

// Symbol, unit and display scale of a term: a length in metres is shown in millimetres
// where the window takes millimetres.
struct TermInfo {
    std::string_view symbol; // as in formulas, warnings and the JSON "quantity"
    std::string_view unit;   // empty for dimensionless terms
    double scale;            // display value = value · scale
};
const TermInfo& InfoOf(Term term);

// A closed interval of a term; an open end is infinite.
struct ValidityRange {
    Term term;
    double low;
    double high;
};
inline constexpr double kNoBound = std::numeric_limits<double>::infinity();

struct EquationRow {
    EquationId id;
    std::string_view key;      // identifier, also on the command line and in batch output
    std::string_view name;     // short Slovak name
    std::string_view formula;  // the formula with its symbols
    std::string_view reynolds; // characteristic length and velocity of Re
    std::string_view properties;
    std::span<const ValidityRange> ranges; // empty where the source states none
    std::string_view source;
    std::string_view citation; // the source in a few words, for a status line
    // The formula over named terms: "{Gamma}" stands for the recorded value of Term::Gamma.
    std::string_view pattern;
};

std::span<const EquationRow> EquationTable();
const EquationRow& RowOf(EquationId id);

// "10000 až 1E+06" with the given decimal separator, in the term's display unit.
std::string RangeText(const ValidityRange& range, char separator);
// Every range of the row, "Re: 10000 až 1E+06; Pr: 0,1 až 1000", or "neuvádza" for none.
std::string RangesText(const EquationRow& row, char separator);
// The row's pattern with the recorded values put in; a term the run did not record
// stays as its symbol.
std::string FilledFormula(const EquationRow& row, const EquationRecord& record, char separator);

// A short number for texts: up to `digits` significant digits, plain for moderate
// magnitudes, in exponent form beyond them ("5E+06"; with minDigits 2 "1,0E+08").
std::string ShortNumber(double value, char separator, int digits = 4, int minDigits = 1);
// The decimal points between digits of a table text replaced by the given separator.
std::string LocalDecimals(std::string text, char separator);

} // namespace vortalin
