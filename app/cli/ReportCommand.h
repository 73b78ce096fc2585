#pragma once
// --report: the calculation sheet of the run, drawn into a PDF by vortalin-report. That
// program links Qt's GUI libraries; vortalin-cli itself stays on QtCore, so a run without
// --report never loads them.

#include "app/report/Sheet.h"

#include <string>

namespace vortalin {

// Runs vortalin-report (beside this program, or in its installed helper folder) on the
// sheet. Returns whether the PDF was written; an earlier file stays as it was otherwise.
// `problem` is the message to print, empty where vortalin-report has printed its own.
bool WriteReport(const Sheet& sheet, const std::string& path, std::string& problem);

} // namespace vortalin
