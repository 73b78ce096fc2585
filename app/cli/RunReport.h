#pragma once
// What vortalin-cli reports of one run: the result fields with their labels, and the run as
// one JSON object. A single run and each case of a batch report the same way.

#include "app/compute/Calculator.h"
#include "app/compute/ResultDisplay.h"
#include "app/form/FormRecord.h"

#include <QJsonObject>
#include <QString>

#include <array>

namespace vortalin {

// "texts" (the displayed texts by control name), "status", "messages", "shown", "state"
// (every number of the calculation, null where not finite), "equation" (id, name, formula,
// source and ranges of the equation whose results were shown; null when none were),
// "warnings" (quantity, value, bound and text of each), and "error" when a text that is
// not a number stopped the run.
QJsonObject RunJson(const FormRecord& form, const Calculator& calc, const QString& error);

} // namespace vortalin
