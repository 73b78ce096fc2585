#include "app/compute/EquationReport.h"

namespace vortalin {

const EquationRow* ShownEquation(const Calculator& calc) {
    const EquationRecord& record = calc.State().equation;
    if (!calc.ResultsShown() || !record.Used()) {
        return nullptr;
    }
    return &RowOf(record.Id());
}

std::string EquationLine(const EquationRow& row, char separator) {
    std::string line(row.name);
    line += " (";
    line += LocalDecimals(std::string(row.source), separator);
    line += ')';
    return line;
}

void AppendWarningTexts(std::string& out, const WarningList& warnings, char separator,
                        std::string_view joint) {
    bool first = true;
    for (const Warning& warning : warnings) {
        if (!first) {
            out += joint;
        }
        out += WarningText(warning, separator);
        first = false;
    }
}

} // namespace vortalin
