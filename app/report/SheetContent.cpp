#include "app/report/SheetContent.h"

#include "app/compute/ResultDisplay.h"
#include "app/form/Geometries.h"
#include "app/form/InputFields.h"
#include "app/format/NumberFormat.h"
#include "app/report/Captions.h"
#include "correlations/equations/EquationTable.h"
#include "properties/FitDeviations.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace vortalin {

namespace {

// A fit of the fluid properties as the sheet names it.
struct FitName {
    std::string_view name;
    std::string_view range;
};

// The fit ComputeProperties evaluated at the mean temperature t, and the one with a
// reference to compare it with (none for natural gas).
struct UsedFit {
    FitName name;
    std::optional<PropertyFit> reference;
};

UsedFit FitOf(Fluid fluid, double t) {
    switch (fluid) {
    case Fluid::Air:
        if (AirFitAt(t) == PropertyFit::AirExtended) {
            return {{"Vzduch pri atmosférickom tlaku, rozšírený fit", "106 ≤ t < 2226 °C"},
                    PropertyFit::AirExtended};
        }
        return {{"Vzduch pri atmosférickom tlaku", "−73 < t < 106 °C"}, PropertyFit::AirMain};
    case Fluid::Water:
        return {{"Voda", "0 < t < 100 °C"}, PropertyFit::Water};
    case Fluid::NaturalGas:
        break;
    }
    return {{"Zemný plyn pri tlaku 6,528 MPa", "30 < t < 70 °C"}, std::nullopt};
}

std::string Str(std::string_view text) {
    return std::string(text);
}

// "Hustota (kg.m-3) :" without the colon and the blanks before it.
std::string LabelWithoutColon(std::string_view label) {
    while (!label.empty() && (label.back() == ':' || label.back() == ' ')) {
        label.remove_suffix(1);
    }
    return Str(label);
}

std::string ResultText(const RunSnapshot& run, EditId field) {
    for (const auto& [id, text] : run.results) {
        if (id == field) {
            return text;
        }
    }
    return {};
}

std::string_view ResultLabelOf(EditId field) {
    for (const ResultLabel& result : kResultLabels) {
        if (result.field == field) {
            return result.label;
        }
    }
    return {};
}

SheetRow ResultRow(const RunSnapshot& run, EditId field, std::string note = {}) {
    return {LabelWithoutColon(ResultLabelOf(field)), ResultText(run, field), std::move(note)};
}

std::string Signed(double percent, char separator) {
    std::string text = FormatFixed(percent, 10, 2, separator);
    if (percent > 0) {
        text.insert(text.begin(), '+');
    }
    return text;
}

// "pri 21,000 °C; od IAPWS-95 sa fit odchyľuje najviac o +0,12 % (20 až 40 °C)"
std::string TakenAt(const std::string& where, std::optional<PropertyFit> fit,
                    FluidProperty property, double t, char separator) {
    std::string note = "pri " + where;
    if (!fit) {
        return note + "; fit bez referenčnej rovnice";
    }
    const std::optional<FitDeviation> deviation = LargestDeviation(*fit, property, t);
    if (!deviation) {
        return note + "; odchýlka fitu tu nie je overená";
    }
    return note + "; odchýlka fitu od " + deviation->reference + " najviac " +
           Signed(deviation->percent, separator) + " % (" +
           ShortNumber(deviation->from, separator) + " až " +
           ShortNumber(deviation->to, separator) + " °C)";
}

SheetSection CaseSection(const RunSnapshot& run) {
    SheetSection section{"Zadanie", {}, {}, false};
    section.rows.push_back(
        {Str(TitleOf(ButtonGroup::Geometry)), Str(CaptionOf(ButtonOf(run.geometry))), {}});
    section.rows.push_back(
        {Str(TitleOf(ButtonGroup::Fluid)), Str(CaptionOf(ButtonOf(run.fluid))), {}});
    if (run.geometry == Geometry::PipeFlow) {
        section.rows.push_back(
            {Str(TitleOf(ButtonGroup::HeatingMode)), Str(CaptionOf(ButtonOf(run.heating))), {}});
    }
    if (run.geometry == Geometry::InlineBank || run.geometry == Geometry::StaggeredBank ||
        run.geometry == Geometry::PartlyStaggeredBank) {
        section.rows.push_back(
            {Str(TitleOf(ButtonGroup::RowCountMode)), Str(CaptionOf(ButtonOf(run.rows))), {}});
    }
    return section;
}

// The field table's description of an input; for the hydraulic diameter, what it stands for
// in the run's geometry.
std::string InputNote(const InputField& input, Geometry geometry) {
    if (input.field == EditId::Edit2) {
        return Str(GeometryOf(geometry).diameterMeaning);
    }
    return Str(input.description);
}

SheetSection InputsSection(const RunSnapshot& run) {
    SheetSection section{"Vstupné údaje", {}, {}, false};
    for (const auto& [field, text] : run.inputs) {
        const InputField* input = InputFieldOf(field);
        if (input == nullptr) {
            continue;
        }
        section.rows.push_back({Str(input->label), text, InputNote(*input, run.geometry), true});
    }
    return section;
}

struct PropertyLine {
    EditId field;
    FluidProperty property;
};

constexpr std::array<PropertyLine, 5> kPropertyLines = {{
    {EditId::Edit9, FluidProperty::Density},
    {EditId::Edit10, FluidProperty::KinematicViscosity},
    {EditId::Edit11, FluidProperty::DynamicViscosity},
    {EditId::Edit12, FluidProperty::SpecificHeat},
    {EditId::Edit13, FluidProperty::ThermalConductivity},
}};

std::string MeanTemperature(const RunSnapshot& run) {
    return "t = " + ResultText(run, EditId::Edit6) + " °C";
}

SheetSection PropertiesSection(const RunSnapshot& run) {
    const double t = run.state.tMean;
    const UsedFit fit = FitOf(run.fluid, t);
    SheetSection section{"Vlastnosti tekutiny", {}, {}, false};
    section.rows.push_back(
        {"Fit vlastností", Str(fit.name.name), "platí pre " + Str(fit.name.range)});
    section.rows.push_back(ResultRow(run, EditId::Edit6, "(t_vstup + t_výstup) / 2"));
    section.rows.push_back(
        ResultRow(run, EditId::Edit7, "stredný logaritmický rozdiel teplôt steny a tekutiny"));
    for (const PropertyLine& line : kPropertyLines) {
        section.rows.push_back(ResultRow(
            run, line.field,
            TakenAt(MeanTemperature(run), fit.reference, line.property, t, run.separator)));
    }
    return section;
}

std::string WallPrandtlNote(const RunSnapshot& run) {
    if (run.fluid != Fluid::Water) {
        return "vlastnosti pri stene sa berú pri strednej teplote, Pr_w = Pr";
    }
    const double tWall = run.state.tWall;
    const std::string where = "t_w = " + FormatFixed(tWall, 10, 3, run.separator) + " °C";
    if (!(tWall > 0 && tWall < 100)) {
        return "pri " + where + ", mimo rozsahu fitu vody (0 < t < 100 °C)";
    }
    return TakenAt(where, PropertyFit::Water, FluidProperty::PrandtlNumber, tWall, run.separator);
}

SheetSection CriteriaSection(const RunSnapshot& run, const EquationRow* row) {
    SheetSection section{"Podobnostné čísla", {}, {}, false};
    section.rows.push_back(
        ResultRow(run, EditId::Edit14,
                  row != nullptr ? LocalDecimals(Str(row->reynolds), run.separator) : ""));
    section.rows.push_back(
        ResultRow(run, EditId::Edit15,
                  TakenAt(MeanTemperature(run), FitOf(run.fluid, run.state.tMean).reference,
                          FluidProperty::PrandtlNumber, run.state.tMean, run.separator)));
    section.rows.push_back(ResultRow(run, EditId::Edit18, WallPrandtlNote(run)));
    if (std::isfinite(run.state.Pe)) {
        section.rows.push_back({"Pécletovo číslo (1)",
                                FormatFixed(run.state.Pe, 10, 0, run.separator),
                                "Pe = Re · Pr, s Re = w · d / ν"});
    }
    if (!run.status.empty()) {
        section.rows.push_back({"Oblasť prúdenia", run.status, {}});
    }
    return section;
}

SheetSection EquationSection(const RunSnapshot& run, const EquationRow* row) {
    SheetSection section{"Kriteriálna rovnica", {}, {}, false};
    if (row == nullptr) {
        section.paragraphs.push_back("Výpočet nepoužil žiadnu kriteriálnu rovnicu.");
        return section;
    }
    const char separator = run.separator;
    const auto local = [separator](std::string_view text) {
        return LocalDecimals(Str(text), separator);
    };
    section.rows.push_back({"Rovnica", Str(row->name), {}});
    section.rows.push_back({"Vzorec", local(row->formula), {}});
    section.rows.push_back(
        {"S hodnotami výpočtu", FilledFormula(*row, run.state.equation, separator), {}});
    section.rows.push_back({"Vlastnosti", local(row->properties), {}});
    section.rows.push_back({"Overený rozsah", RangesText(*row, separator), {}});
    section.rows.push_back({"Zdroj", local(row->source), {}});
    return section;
}

SheetSection ResultsSection(const RunSnapshot& run) {
    SheetSection section{"Výsledky", {}, {}, true};
    section.rows.push_back({"Nusseltovo číslo Nu (1)", ResultText(run, EditId::Edit16), {}});
    section.rows.push_back(
        {"Súčiniteľ prestupu tepla α (W.m-2.K-1)", ResultText(run, EditId::Edit17), {}});
    return section;
}

SheetSection MessagesSection(const RunSnapshot& run) {
    SheetSection section{"Hlásenia a upozornenia", {}, {}, false};
    for (const std::string& message : run.messages) {
        section.paragraphs.push_back("Hlásenie: " + message);
    }
    for (const Warning& warning : run.warnings) {
        section.paragraphs.push_back("Upozornenie: " + WarningText(warning, run.separator));
    }
    if (section.paragraphs.empty()) {
        section.paragraphs.emplace_back("Výpočet nevydal žiadne hlásenie ani upozornenie.");
    }
    return section;
}

std::vector<SheetRow> HeadRows(const CaseIdentity& identity, const SheetHead& head) {
    std::vector<SheetRow> rows;
    rows.push_back(
        {"Program", "Vortalin " + head.version + " (zostavenie " + head.build + ")", {}});
    rows.push_back({"Dátum a čas", head.dateTime, {}});
    if (!head.caseFile.empty()) {
        rows.push_back({"Súbor prípadu", head.caseFile, {}});
    }
    for (const IdentityField& field : kIdentityFields) {
        rows.push_back({Str(field.label), identity.*field.text, {}});
    }
    return rows;
}

void AddRunSections(const RunSnapshot& run, std::vector<SheetSection>& sections) {
    sections.push_back(CaseSection(run));
    sections.push_back(InputsSection(run));
    if (run.outcome != RunOutcome::Shown) {
        const bool refused = run.outcome == RunOutcome::Refused;
        sections.push_back({refused ? kRefusedTitle : kStoppedTitle, {}, {run.refusal}, false});
        sections.push_back(MessagesSection(run));
        return;
    }
    const EquationRecord& record = run.state.equation;
    const EquationRow* row = record.Used() ? &RowOf(record.Id()) : nullptr;
    sections.push_back(PropertiesSection(run));
    sections.push_back(CriteriaSection(run, row));
    sections.push_back(EquationSection(run, row));
    sections.push_back(ResultsSection(run));
    sections.push_back(MessagesSection(run));
}

} // namespace

std::string PageText(int page, int pages) {
    return "Strana " + std::to_string(page) + " z " + std::to_string(pages);
}

std::vector<std::string> DistinctMessages(const std::vector<std::string>& shown,
                                          const std::string& refusal) {
    std::vector<std::string> distinct;
    for (const std::string& message : shown) {
        if (message != refusal &&
            std::find(distinct.begin(), distinct.end(), message) == distinct.end()) {
            distinct.push_back(message);
        }
    }
    return distinct;
}

Sheet BuildSheet(const std::optional<RunSnapshot>& run, const CaseIdentity& identity,
                 const SheetHead& head) {
    Sheet sheet;
    sheet.title = kSheetTitle;
    sheet.header = HeadRows(identity, head);
    sheet.footer = "Vortalin " + head.version + " · zostavenie " + head.build;
    if (!run) {
        sheet.sections.push_back({"Výpočet", {}, {kNoRunText}, false});
        return sheet;
    }
    // Image1 to Image11 in the order of the geometries.
    sheet.sketch = "Image" + std::to_string(static_cast<int>(run->geometry) + 1);
    AddRunSections(*run, sheet.sections);
    return sheet;
}

} // namespace vortalin
