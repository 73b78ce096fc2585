#pragma once
// What the front ends report of the equation a Compute command used and of its warnings.

#include "app/compute/Calculator.h"
#include "app/form/Controls.h"
#include "correlations/equations/EquationTable.h"

#include <span>

#include <string>
#include <string_view>

namespace vortalin {

// The row of the equation whose results the last Compute command showed; nullptr when it
// showed none (a refused run uses no equation as far as the user is concerned).
const EquationRow* ShownEquation(const Calculator& calc);

// The identifier, the name and the source in a few words, as one line:
// "pipe-turbulent – Rúra, turbulentné prúdenie (Gnielinski 1976, VDI G1)".
std::string EquationLine(const EquationRow& row);

// The input or result fields that hold the value a warning names, for marking them; empty
// for a term no field shows.
std::span<const EditId> FieldsOf(const Warning& warning, EquationId equation);

// Everything the table says of the row, one item a line, and the formula with the run's
// numbers put in: the text of a tooltip or a calculation sheet.
std::string EquationDetails(const EquationRow& row, const EquationRecord& record, char separator);

// The warning texts joined with `joint`, appended to `out`.
void AppendWarningTexts(std::string& out, const WarningList& warnings, char separator,
                        std::string_view joint);

} // namespace vortalin
