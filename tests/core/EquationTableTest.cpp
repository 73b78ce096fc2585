// The table of criterion equations: which row each run uses and what it records, the
// warnings at the bounds of every range, the published limiting values of the equations,
// and the warnings of the physical premises.

#include "correlations/equations/EquationTable.h"
#include "app/compute/Calculator.h"
#include "app/compute/EquationReport.h"
#include "app/form/FormRecord.h"
#include "app/studies/SweepSeries.h"
#include "correlations/equations/EquationWarnings.h"
#include "correlations/equations/PipeFlow.h"
#include "correlations/equations/PlateAndSlots.h"
#include "tests/core/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <span>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace vortalin {
namespace {

// The terms a pattern names between braces.
std::vector<std::string> PatternSymbols(std::string_view pattern) {
    std::vector<std::string> symbols;
    for (std::size_t open = pattern.find('{'); open != std::string_view::npos;
         open = pattern.find('{', open + 1)) {
        symbols.emplace_back(pattern.substr(open + 1, pattern.find('}', open) - open - 1));
    }
    return symbols;
}

bool IsTermSymbol(const std::string& symbol, Term& found) {
    for (std::size_t t = 0; t < kTermCount; ++t) {
        if (InfoOf(static_cast<Term>(t)).symbol == symbol) {
            found = static_cast<Term>(t);
            return true;
        }
    }
    return false;
}

TEST(EquationTable, EveryRowIsCompleteAndNamesOnlyKnownTerms) {
    ASSERT_EQ(EquationTable().size(), kEquationCount);
    std::set<std::string_view> keys;
    for (std::size_t i = 0; i < kEquationCount; ++i) {
        const EquationRow& row = EquationTable()[i];
        EXPECT_EQ(static_cast<std::size_t>(row.id), i) << row.key;
        EXPECT_TRUE(keys.insert(row.key).second) << "duplicate " << row.key;
        for (std::string_view text : {row.name, row.formula, row.reynolds, row.properties,
                                      row.source, row.citation, row.pattern}) {
            EXPECT_FALSE(text.empty()) << row.key;
        }
        for (const std::string& symbol : PatternSymbols(row.pattern)) {
            Term term{};
            EXPECT_TRUE(IsTermSymbol(symbol, term)) << row.key << ": {" << symbol << "}";
        }
        for (const ValidityRange& range : row.ranges) {
            EXPECT_LT(range.low, range.high) << row.key;
        }
    }
}

// Inside every range no warning; just outside a finite bound exactly one, naming the
// quantity and the bound crossed.
TEST(EquationTable, WarningsFireExactlyAtTheBoundsOfEveryRange) {
    for (const EquationRow& row : EquationTable()) {
        for (const ValidityRange& range : row.ranges) {
            for (const double bound : {range.low, range.high}) {
                if (std::isinf(bound)) {
                    continue;
                }
                const double outward = bound == range.low ? -kNoBound : kNoBound;
                const std::string where = std::string(row.key) + " " +
                                          std::string(InfoOf(range.term).symbol) + " " +
                                          std::to_string(bound);
                EquationRecord record;
                record.Use(row.id);
                record.Set(range.term, bound);
                WarningList warnings;
                AddRangeWarnings(record, warnings);
                EXPECT_TRUE(warnings.Empty()) << where;

                record.Set(range.term, std::nextafter(bound, outward));
                AddRangeWarnings(record, warnings);
                ASSERT_EQ(warnings.Size(), 1u) << where;
                EXPECT_EQ(warnings[0].kind, WarningKind::OutsideRange) << where;
                EXPECT_EQ(warnings[0].quantity, InfoOf(range.term).symbol) << where;
                EXPECT_EQ(warnings[0].bound, bound) << where;
            }
        }
    }
}

TEST(EquationTable, AnUnusedEquationOrAnUnrecordedTermWarnsOfNothing) {
    EquationRecord record; // no block ran
    record.Set(Term::Re, 1e12);
    WarningList warnings;
    AddRangeWarnings(record, warnings);
    EXPECT_TRUE(warnings.Empty());
    record.Clear();
    record.Use(EquationId::FinnedBank); // nothing recorded: NaN is skipped
    AddRangeWarnings(record, warnings);
    EXPECT_TRUE(warnings.Empty());
}

using Texts = std::vector<std::pair<EditId, const char*>>;

// One Compute on the window record after selecting buttons and typing texts.
struct ComputedCase {
    ComputedCase(const std::vector<ButtonId>& select, const Texts& texts) {
        for (ButtonId b : select) {
            form.Select(b);
        }
        for (const auto& [field, text] : texts) {
            form.SetInputText(field, text);
        }
        calc.Button1Click();
    }
    FormRecord form{','};
    Calculator calc{form};
};

struct RowCase {
    EquationId expected;
    std::vector<ButtonId> select;
    Texts texts;
};

// One run per row, air at the window's defaults unless changed: the engine names the row
// it used and records every term of the row's pattern and ranges.
const std::vector<RowCase> kRowCases = {
    {EquationId::PipeLaminarWallTemp, {}, {{EditId::Edit1, "0,1"}}},
    {EquationId::PipeLaminarHeatFlux, {ButtonId::RadioButton4}, {{EditId::Edit1, "0,1"}}},
    {EquationId::PipeTransitionalWallTemp, {}, {}},
    {EquationId::PipeTransitionalHeatFlux, {ButtonId::RadioButton4}, {}},
    {EquationId::PipeTurbulent, {}, {{EditId::Edit1, "5"}}},
    {EquationId::CrossFlowLow, {ButtonId::RadioButton6}, {{EditId::Edit1, "0,1"}}},
    {EquationId::CrossFlowMiddle, {ButtonId::RadioButton6}, {}},
    {EquationId::CrossFlowHigh, {ButtonId::RadioButton6}, {{EditId::Edit1, "50"}}},
    {EquationId::Plate, {ButtonId::RadioButton7}, {}},
    {EquationId::PlanarSlot, {ButtonId::RadioButton8}, {{EditId::Edit1, "0,1"}}},
    {EquationId::SlotInsulatedOneSide, {ButtonId::RadioButton9}, {{EditId::Edit1, "0,1"}}},
    {EquationId::HelicalLaminar, {ButtonId::RadioButton10}, {}},
    {EquationId::HelicalTransitional, {ButtonId::RadioButton10}, {{EditId::Edit1, "20"}}},
    {EquationId::HelicalTurbulent, {ButtonId::RadioButton10}, {{EditId::Edit1, "50"}}},
    {EquationId::SingleRow, {ButtonId::RadioButton11}, {}},
    {EquationId::InlineBank, {ButtonId::RadioButton12}, {}},
    {EquationId::StaggeredBank, {ButtonId::RadioButton13}, {}},
    {EquationId::PartlyStaggeredInline, {ButtonId::RadioButton14}, {{EditId::Edit29, "0,004"}}},
    {EquationId::PartlyStaggeredStaggered, {ButtonId::RadioButton14}, {}},
    {EquationId::FinnedBank, {ButtonId::RadioButton18}, {{EditId::Edit1, "5"}}},
};

TEST(EquationTable, EachRunRecordsTheRowItUsedAndEveryTermOfIt) {
    std::set<EquationId> covered;
    for (const RowCase& c : kRowCases) {
        ComputedCase run(c.select, c.texts);
        const Calculator& calc = run.calc;
        const EquationRow& row = RowOf(c.expected);
        ASSERT_TRUE(calc.ResultsShown()) << row.key;
        EXPECT_EQ(calc.State().equation.Id(), c.expected) << row.key;
        ASSERT_EQ(ShownEquation(calc), &row) << row.key;
        for (const std::string& symbol : PatternSymbols(row.pattern)) {
            Term term{};
            ASSERT_TRUE(IsTermSymbol(symbol, term));
            EXPECT_TRUE(std::isfinite(calc.State().equation.Value(term)))
                << row.key << ": " << symbol;
        }
        for (const ValidityRange& range : row.ranges) {
            EXPECT_TRUE(calc.State().equation.Has(range.term))
                << row.key << ": " << InfoOf(range.term).symbol;
        }
        const std::string filled = FilledFormula(row, calc.State().equation, ',');
        EXPECT_EQ(filled.find('{'), std::string::npos) << filled;
        covered.insert(c.expected);
    }
    EXPECT_EQ(covered.size(), kEquationCount);
}

TEST(EquationTable, TheFilledFormulaCarriesTheRunsNumbers) {
    FormRecord form(',');
    Calculator calc(form);
    calc.Button1Click(); // defaults: Re 6588, transitional
    const std::string filled =
        FilledFormula(RowOf(EquationId::PipeTransitionalWallTemp), calc.State().equation, ',');
    EXPECT_NE(filled.find("γ = (6588,3 − 2300)/7700 = 0,55692"), std::string::npos) << filled;
    EXPECT_NE(filled.find("= 27,081"), std::string::npos) << filled;
}

// Published limiting values. For hydrodynamically developed laminar flow the mean Nusselt
// number tends, as Pe·d/L tends to 0, to the fully developed value: 3.66 at constant wall
// temperature and 4.364 at constant heat flux in a pipe; 7.541 (both walls heated) and
// 4.861 (one wall insulated) between parallel plates (Shah and London, "Laminar Flow Forced
// Convection in Ducts", 1978; VDI-Wärmeatlas G1, G2). The superpositions reach them to the
// three digits the exponents 0.33333 and 0.3333 leave.
TEST(EquationTable, LaminarEquationsTendToTheFullyDevelopedValues) {
    const double tiny = 1e-12;
    EXPECT_NEAR(PipeLaminarNusselt(0.7, 0.7, tiny, 0.1, 1, HeatingMode::ConstWallTemp), 3.66,
                0.005);
    EXPECT_NEAR(PipeLaminarNusselt(0.7, 0.7, tiny, 0.1, 1, HeatingMode::ConstHeatFlux), 4.364,
                0.005);
    const double slotEntrance = SlotEntranceTerm(tiny, 0.01, 1);
    EXPECT_NEAR(SlotNusselt(SlotFullyDevelopedNusselt(Geometry::PlanarSlot), slotEntrance, 1, 1),
                7.541, 0.005);
    EXPECT_NEAR(
        SlotNusselt(SlotFullyDevelopedNusselt(Geometry::SlotInsulatedOneSide), slotEntrance, 1, 1),
        4.861, 0.005);
}

// The laminar boundary layer of a flat plate: Pohlhausen's mean Nu = 0.664·Re^½·Pr^⅓,
// e.g. Re = 10^4, Pr = 0.7 gives 59.0 (Incropera and DeWitt, section 7.2).
TEST(EquationTable, PlateLaminarTermIsPohlhausensSolution) {
    EXPECT_NEAR(PlateLaminarNusselt(1e4, 0.7), 59.0, test::HalfUlpOfDigits(59.0, 3));
}

TEST(EquationTable, NumbersAndRangesAreWrittenShortly) {
    const std::vector<std::pair<double, const char*>> cases = {
        {2300, "2300"}, {18000, "18000"},   {1e6, "1E+06"}, {5e6, "5E+06"},   {0.6, "0,6"},
        {0.33, "0,33"}, {1.5e5, "1,5E+05"}, {0, "0"},       {-12.5, "-12,5"}, {2.5e-4, "2,5E-04"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(ShortNumber(value, ','), text) << value;
    }
    EXPECT_EQ(RangeText({Term::Re, 10000, 1000000}, ','), "10000 až 1E+06");
    EXPECT_EQ(RangeText({Term::FinHeight, 0.00142, 0.01657}, ','), "1,42 až 16,57 mm");
    EXPECT_EQ(RangeText({Term::DiameterOverLength, -kNoBound, 1}, '.'), "do 1");
}

// The example of a water pipe far beyond the turbulent equation's range.
TEST(EquationTable, WarningTextNamesValueAndRange) {
    Warning w{WarningKind::OutsideRange, "Re", 1.002e8, 1e6, 1e4, 1e6, Term::Re};
    EXPECT_EQ(WarningText(w, ','),
              "Re = 1,0E+08 je mimo overeného rozsahu rovnice (10000 až 1E+06).");
    w = {WarningKind::OutsideRange, "f", 0.0021, 0.00202, 0.00033, 0.00202, Term::FinThickness};
    EXPECT_EQ(WarningText(w, ','),
              "f = 2,1 mm je mimo overeného rozsahu rovnice (0,33 až 2,02 mm).");
}

struct PremiseCase {
    const char* name;
    std::vector<ButtonId> select;
    Texts texts;
    std::vector<std::string> warnings; // the texts, in order
};

const std::vector<PremiseCase> kPremiseCases = {
    {"defaults", {}, {}, {}},
    {"no flow",
     {},
     {{EditId::Edit1, "0"}},
     {"w = 0 m/s: tekutina neprúdi, rovnica nútenej konvekcie neplatí."}},
    {"wall between",
     {},
     {{EditId::Edit5, "21"}},
     {"Teplota steny 21 °C nie je mimo teplôt tekutiny (20 až 22 °C): teplo netečie jedným "
      "smerom."}},
    {"wall at the outlet temperature",
     {},
     {{EditId::Edit5, "22"}},
     {"Teplota steny 22 °C nie je mimo teplôt tekutiny (20 až 22 °C): teplo netečie jedným "
      "smerom."}},
    {"water at 1000 m/s",
     {ButtonId::RadioButton5},
     {{EditId::Edit1, "1000"}, {EditId::Edit5, "60"}},
     {"Re = 1,0E+08 je mimo overeného rozsahu rovnice (10000 až 1E+06)."}},
    {"many rows with one",
     {ButtonId::RadioButton12},
     {},
     {"Počet radov 1 nezodpovedá voľbe „Počet radov >= 10“."}},
    {"many rows with ten", {ButtonId::RadioButton12}, {{EditId::Edit30, "10"}}, {}},
    {"few rows with twelve",
     {ButtonId::RadioButton13, ButtonId::RadioButton16},
     {{EditId::Edit30, "12"}},
     {"Počet radov 12 nezodpovedá voľbe „Počet radov < 10“."}},
    {"few rows with 2,5",
     {ButtonId::RadioButton14, ButtonId::RadioButton16},
     {{EditId::Edit30, "2,5"}},
     {"Počet radov 2,5 nie je celé číslo."}},
    {"a single row has no row count", {ButtonId::RadioButton11}, {{EditId::Edit30, "2,5"}}, {}},
    {"refused run warns of nothing", {}, {{EditId::Edit1, "0"}, {EditId::Edit8, "0"}}, {}},
};

TEST(EquationTable, PremisesOfForcedConvectionWarnWithoutStoppingTheRun) {
    for (const PremiseCase& c : kPremiseCases) {
        ComputedCase run(c.select, c.texts);
        const Calculator& calc = run.calc;
        std::vector<std::string> texts;
        for (const Warning& w : calc.Warnings()) {
            texts.push_back(WarningText(w, ','));
        }
        EXPECT_EQ(texts, c.warnings) << c.name;
        if (!c.warnings.empty()) {
            EXPECT_TRUE(calc.ResultsShown()) << c.name; // a warning never suppresses results
        }
    }
}

TEST(EquationTable, ARefusedRunShowsNoEquation) {
    FormRecord form(',');
    form.Select(ButtonId::RadioButton8); // a slot at Re 6588: refused
    Calculator calc(form);
    calc.Button1Click();
    EXPECT_FALSE(calc.ResultsShown());
    EXPECT_EQ(ShownEquation(calc), nullptr);
    EXPECT_TRUE(calc.Warnings().Empty());
}

TEST(EquationTable, SweepCountsWarnedStepsApartFromRefusedOnesAndSharesTheirTexts) {
    SweepSeries series(EditId::Edit1, 4);
    CalcState s;
    s.equation.Use(EquationId::PipeTurbulent);
    const Freshness fresh{true, true, std::nullopt};
    WarningList warnings;
    const auto step = [&](double Re, bool refused) {
        warnings.Clear();
        s.equation.Set(Term::Re, Re);
        AddRangeWarnings(s.equation, warnings);
        series.Add(Re, s, fresh, refused ? std::optional<std::string>("odmietnuté") : std::nullopt,
                   warnings);
    };
    step(5e5, false); // inside
    step(2e6, false); // warned
    step(3e6, false); // warned, same rule
    step(4e6, true);  // refused: not counted as warned
    series.Finish();
    EXPECT_EQ(series.RefusedSteps(), 1);
    EXPECT_EQ(series.WarnedSteps(), 2);
    ASSERT_EQ(series.WarningTexts().size(), 1u);
    EXPECT_EQ(series.WarningTexts()[0], "Re je mimo overeného rozsahu rovnice (10000 až 1E+06).");
    const std::vector<ChartPoint>& points = series.Points(0);
    ASSERT_EQ(points.size(), 4u);
    EXPECT_EQ(points[0].warning, SweepSeries::kNoWarning);
    EXPECT_EQ(points[1].warning, 0);
    EXPECT_EQ(points[2].warning, 0);
    EXPECT_EQ(points[3].warning, SweepSeries::kNoWarning);
}

} // namespace
} // namespace vortalin

namespace vortalin {
namespace {

// The fields the window marks for each warning: the value's own input or result field.
TEST(EquationTable, EachWarningNamesTheFieldsOfItsValue) {
    const auto range = [](Term term) {
        return Warning{WarningKind::OutsideRange, "", 0, 0, 0, 0, term};
    };
    const auto rule = [](WarningKind kind) { return Warning{kind, "", 0, 0, 0, 0, Term::Count}; };
    const std::vector<std::tuple<Warning, EquationId, std::vector<EditId>>> cases = {
        {range(Term::Re), EquationId::PipeTurbulent, {EditId::Edit14}},
        {range(Term::Pr), EquationId::CrossFlowLow, {EditId::Edit15}},
        {range(Term::PrRatio), EquationId::PipeTurbulent, {EditId::Edit15, EditId::Edit18}},
        {range(Term::DiameterOverLength),
         EquationId::PipeTurbulent,
         {EditId::Edit2, EditId::Edit8}},
        {range(Term::DiameterOverLength), EquationId::PlanarSlot, {EditId::Edit2, EditId::Edit20}},
        {range(Term::FinRootDiameter), EquationId::FinnedBank, {EditId::Edit32}},
        {range(Term::FinHeight), EquationId::FinnedBank, {EditId::Edit31, EditId::Edit32}},
        {range(Term::FinThickness), EquationId::FinnedBank, {EditId::Edit33}},
        {range(Term::FinPitch), EquationId::FinnedBank, {EditId::Edit34}},
        {range(Term::GapOverHeight), EquationId::FinnedBank, {EditId::Edit33, EditId::Edit34}},
        {rule(WarningKind::NoForcedFlow), EquationId::Plate, {EditId::Edit1}},
        {rule(WarningKind::WallAmongFluid), EquationId::Plate, {EditId::Edit5}},
        {rule(WarningKind::RowCountNotWhole), EquationId::InlineBank, {EditId::Edit30}},
        {range(Term::Nu0), EquationId::InlineBank, {}},
    };
    for (const auto& [warning, equation, fields] : cases) {
        const std::span<const EditId> found = FieldsOf(warning, equation);
        EXPECT_EQ(std::vector<EditId>(found.begin(), found.end()), fields)
            << InfoOf(warning.term).symbol << " " << RowOf(equation).key;
    }
}

// Over every geometry and velocities from creeping to very fast flow: a shown run warns of
// a range exactly when its recorded value lies outside it, and names the row it used.
TEST(EquationTable, RangeWarningsAgreeWithTheRecordedValuesOverEveryGeometry) {
    int warned = 0;
    for (const RowCase& c : kRowCases) {
        for (const char* w : {"0,001", "0,3", "3", "30", "300"}) {
            Texts texts = c.texts;
            texts.emplace_back(EditId::Edit1, w);
            ComputedCase run(c.select, texts);
            if (!run.calc.ResultsShown()) {
                continue;
            }
            const EquationRecord& r = run.calc.State().equation;
            ASSERT_TRUE(r.Used());
            for (const ValidityRange& range : RowOf(r.Id()).ranges) {
                const double v = r.Value(range.term);
                const bool outside = v < range.low || v > range.high;
                const bool named = std::any_of(
                    run.calc.Warnings().begin(), run.calc.Warnings().end(), [&](const Warning& x) {
                        return x.kind == WarningKind::OutsideRange && x.term == range.term;
                    });
                EXPECT_EQ(named, outside) << RowOf(r.Id()).key << " w " << w << " "
                                          << InfoOf(range.term).symbol << " = " << v;
                warned += named;
            }
        }
    }
    EXPECT_GT(warned, 5);
}

TEST(EquationTable, DetailsGiveEveryPartOfTheRowAndTheRunsNumbers) {
    FormRecord form(',');
    form.Select(ButtonId::RadioButton18);
    Calculator calc(form);
    calc.Button1Click();
    const std::string details =
        EquationDetails(RowOf(EquationId::FinnedBank), calc.State().equation, ',');
    for (const char* part : {"Rebrovaná rúrkovnica\n", "Vzorec: Nu = 0,134 · Re^0,681",
                             "Reynoldsovo číslo: Re = w · d_b", "Vlastnosti: ",
                             "Overený rozsah: Re: 1100 až 18000; d_b: 11,13 až 40,89 mm",
                             "Zdroj: Briggs a Young 1963", "S hodnotami výpočtu: s/h = 0,14126"}) {
        EXPECT_NE(details.find(part), std::string::npos) << part << "\n" << details;
    }
}

} // namespace
} // namespace vortalin
