#pragma once
// The results file of a parameter sweep: a Windows-1250 header of 17 titles and one line
// of 17 semicolon-separated numbers per step.

#include "Calculator.h"

#include <string>
#include <string_view>

namespace vortalin {

// The platform's line end, as a text-mode write gives it.
#ifdef _WIN32
inline constexpr std::string_view kLineEnd = "\r\n";
#else
inline constexpr std::string_view kLineEnd = "\n";
#endif

// The header line in Windows-1250 bytes, line end included.
const std::string& ResultsHeader();

// Appends one data line (line end included). A value the step did not compute, or one that
// is not finite, is left as an empty field.
void AppendResultsLine(std::string& out, const CalcState& state, const Freshness& computed,
                       char separator);

} // namespace vortalin
