#pragma once
// The warnings of a run the validity check let through: the used equation's literature
// ranges, and the physical premises of the calculation that no check refuses.

#include "app/compute/CalcState.h"
#include "app/form/Selections.h"
#include "correlations/equations/EquationWarnings.h"

namespace vortalin {

// Whether the equation is that of a tube bank, whose row count the premises judge.
bool IsBankEquation(EquationId equation);

// Replaces `warnings` by those of the run in `s`: the ranges first, in the row's order,
// then velocity 0, a wall temperature that is not outside the fluid's temperatures, and
// for the tube banks a row count that contradicts the row-count selection or is not whole.
// `rowCountMode` is the selection of the window, looked at for a bank only.
void CollectWarnings(const CalcState& s, RowCountMode rowCountMode, WarningList& warnings);

} // namespace vortalin
