#include "app/compute/EquationReport.h"

#include <array>

namespace vortalin {

namespace {

constexpr std::array<EditId, 1> kReynoldsField = {EditId::Edit14};
constexpr std::array<EditId, 1> kPrandtlField = {EditId::Edit15};
constexpr std::array<EditId, 2> kPrandtlRatioFields = {EditId::Edit15, EditId::Edit18};
constexpr std::array<EditId, 2> kPipeLengthFields = {EditId::Edit2, EditId::Edit8};
constexpr std::array<EditId, 2> kSlotLengthFields = {EditId::Edit2, EditId::Edit20};
constexpr std::array<EditId, 1> kFinRootField = {EditId::Edit32};
constexpr std::array<EditId, 2> kFinHeightFields = {EditId::Edit31, EditId::Edit32};
constexpr std::array<EditId, 1> kFinThicknessField = {EditId::Edit33};
constexpr std::array<EditId, 1> kFinPitchField = {EditId::Edit34};
constexpr std::array<EditId, 2> kFinGapFields = {EditId::Edit33, EditId::Edit34};
constexpr std::array<EditId, 1> kVelocityField = {EditId::Edit1};
constexpr std::array<EditId, 1> kWallField = {EditId::Edit5};
constexpr std::array<EditId, 1> kRowCountField = {EditId::Edit30};

bool IsSlot(EquationId equation) {
    return equation == EquationId::PlanarSlot || equation == EquationId::SlotInsulatedOneSide;
}

std::span<const EditId> FieldsOfTerm(Term term, EquationId equation) {
    switch (term) {
    case Term::Re:
        return kReynoldsField;
    case Term::Pr:
        return kPrandtlField;
    case Term::PrRatio:
        return kPrandtlRatioFields;
    case Term::DiameterOverLength:
        return IsSlot(equation) ? std::span<const EditId>(kSlotLengthFields) : kPipeLengthFields;
    case Term::FinRootDiameter:
        return kFinRootField;
    case Term::FinHeight:
        return kFinHeightFields;
    case Term::FinThickness:
        return kFinThicknessField;
    case Term::FinPitch:
        return kFinPitchField;
    case Term::GapOverHeight:
    case Term::GapOverThickness:
        return kFinGapFields;
    default:
        return {};
    }
}

} // namespace

std::span<const EditId> FieldsOf(const Warning& warning, EquationId equation) {
    switch (warning.kind) {
    case WarningKind::OutsideRange:
        return FieldsOfTerm(warning.term, equation);
    case WarningKind::NoForcedFlow:
        return kVelocityField;
    case WarningKind::WallAmongFluid:
        return kWallField;
    case WarningKind::RowCountBelowTen:
    case WarningKind::RowCountTenOrMore:
    case WarningKind::RowCountNotWhole:
        break;
    }
    return kRowCountField;
}

std::string EquationDetails(const EquationRow& row, const EquationRecord& record, char separator) {
    const auto line = [separator](std::string_view title, std::string_view text) {
        return std::string(title) + LocalDecimals(std::string(text), separator) + '\n';
    };
    return std::string(row.name) + '\n' + line("Vzorec: ", row.formula) +
           line("Reynoldsovo číslo: ", row.reynolds) + line("Vlastnosti: ", row.properties) +
           "Overený rozsah: " + RangesText(row, separator) + '\n' + line("Zdroj: ", row.source) +
           "S hodnotami výpočtu: " + FilledFormula(row, record, separator);
}

const EquationRow* ShownEquation(const Calculator& calc) {
    const EquationRecord& record = calc.State().equation;
    if (!calc.ResultsShown() || !record.Used()) {
        return nullptr;
    }
    return &RowOf(record.Id());
}

std::string EquationLine(const EquationRow& row) {
    std::string line(row.key);
    line += " – ";
    line += row.name;
    line += " (";
    line += row.citation;
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
