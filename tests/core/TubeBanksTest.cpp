// In-line, staggered and partly staggered tube banks: void fraction, arrangement factors,
// row-count correction, the geometry messages in their order, and undefined banks.

#include "correlations/TubeBanks.h"
#include "app/Calculator.h"
#include "app/ConversionError.h"
#include "app/FormRecord.h"
#include "app/Messages.h"
#include "correlations/Engine.h"
#include "correlations/TubeRow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace vortalin {
namespace {

using Texts = std::vector<std::pair<EditId, const char*>>;
using Messages = std::vector<std::string>;

constexpr ButtonId kInline = ButtonId::RadioButton12;
constexpr ButtonId kStaggered = ButtonId::RadioButton13;
constexpr ButtonId kPartly = ButtonId::RadioButton14;

// The worked example's fluid: w 1 m/s, nu 1.5e-5 m²/s, lambda 0.026 W/(m·K), Pr = PrW = 0.7.
constexpr double kNu = 1.5e-5;
constexpr double kLambda = 0.026;
constexpr double kPr = 0.7;
constexpr double kPsi = 0.6073125; // a = b = 2
constexpr double kNu0 = 28.1760;
constexpr double kFa = 1.35824;

// Runs the engine alone with a bank selected, the window's default bank fields changed by
// `texts`, on a state holding the example's fluid.
struct BankRun {
    FormRecord form{','};
    CalcState state;

    BankRun(ButtonId geometry, RowCountMode mode, const Texts& texts) {
        form.Select(geometry);
        form.Select(ButtonOf(mode));
        for (const auto& [field, text] : texts) {
            form.SetInputText(field, text);
        }
        state.w = 1;
        state.nu = kNu;
        state.lambda = kLambda;
        state.Pr = kPr;
        state.PrW = kPr;
        state.d = 0.1;
        CorrelationEngine(state, form).ComputeHeatTransfer();
    }
};

TEST(TubeBanks, VoidFractionTakesTheLongitudinalPitchOnlyBelowOneDiameter) {
    struct Case {
        double a, b, psi;
    };
    const Case cases[] = {
        {2, 2, kPsi},
        {2, 1, kPsi}, // b exactly 1: the b >= 1 form, which the other form meets there
        {2, 0.999, 0.6069194},
        {2, 0.6, 0.3455208},
        {1, 1, 0.214625},
        {0.75, 5, 1 - 3.1415 / 3}, // overlap: no free cross-section left
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(BankVoidFraction(c.a, c.b), c.psi, 5e-8) << c.a << " " << c.b;
    }
    EXPECT_EQ(BankVoidFraction(2, 1), 1 - 3.1415 / (4 * 2.0));
    for (const auto& [a, b] : {std::pair{0.0, 2.0}, {-2.0, 2.0}, {2.0, 0.0}, {2.0, -0.5}}) {
        EXPECT_TRUE(std::isnan(BankVoidFraction(a, b))) << a << " " << b;
    }
}

TEST(TubeBanks, ArrangementFactors) {
    struct Case {
        const char* name;
        double fA, expected, tolerance;
    };
    const double psiAtB06 = BankVoidFraction(2, 0.6);
    const Case cases[] = {
        {"in-line, a = b = 2", InlineArrangementFactor(2, 2, kPsi), kFa, 5e-6},
        {"in-line, b/a = 0.3 (exact)", InlineArrangementFactor(2, 0.6, psiAtB06), 1, 0},
        {"staggered, b = 2", StaggeredArrangementFactor(2), 1.33333, 5e-6},
        {"staggered, b = 0.5", StaggeredArrangementFactor(0.5), 1 + 2 / 1.5, 0},
        {"partly, c = a/4 (staggered)", PartlyStaggeredArrangementFactor(2, 2, kPsi, 0.5),
         StaggeredArrangementFactor(2), 0},
        {"partly, c just below a/4 (in-line)", PartlyStaggeredArrangementFactor(2, 2, kPsi, 0.4),
         InlineArrangementFactor(2, 2, kPsi), 0},
        {"partly, no shift (in-line)", PartlyStaggeredArrangementFactor(2, 2, kPsi, 0),
         InlineArrangementFactor(2, 2, kPsi), 0},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(c.fA, c.expected, c.tolerance) << c.name;
    }
    // A longer bank (larger b/a) than b/a = 0.3 raises the row, a shorter one lowers it.
    EXPECT_GT(InlineArrangementFactor(2, 0.7, BankVoidFraction(2, 0.7)), 1);
    EXPECT_LT(InlineArrangementFactor(2, 0.5, BankVoidFraction(2, 0.5)), 1);
    for (double undefined : {InlineArrangementFactor(2, 2, 0), InlineArrangementFactor(2, 2, -0.1),
                             InlineArrangementFactor(0, 2, kPsi), StaggeredArrangementFactor(0),
                             StaggeredArrangementFactor(-1)}) {
        EXPECT_TRUE(std::isnan(undefined));
    }
}

TEST(TubeBanks, RowCountCorrection) {
    struct Case {
        RowCountMode mode;
        double rowCount;
        double expected; // NaN: undefined
    };
    const double nan = std::nan("");
    const Case cases[] = {
        {RowCountMode::ManyRows, 1, kFa * kNu0},
        {RowCountMode::ManyRows, 0, kFa * kNu0}, // not used under ManyRows
        {RowCountMode::FewRows, 1, kNu0},        // one row takes no arrangement factor
        {RowCountMode::FewRows, 10, (1 + 9 * kFa) * kNu0 / 10},
        {RowCountMode::FewRows, 2.5, (1 + 1.5 * kFa) * kNu0 / 2.5},
        {RowCountMode::FewRows, 0, nan},
        {RowCountMode::FewRows, -2, nan},
    };
    for (const Case& c : cases) {
        const double Nu = RowCorrectedNusselt(kNu0, kFa, c.mode, c.rowCount);
        if (std::isnan(c.expected)) {
            EXPECT_TRUE(std::isnan(Nu)) << c.rowCount;
        } else {
            EXPECT_DOUBLE_EQ(Nu, c.expected) << int(c.mode) << " " << c.rowCount;
        }
    }
    // Ten rows: the two choices do not meet.
    EXPECT_NE(RowCorrectedNusselt(kNu0, kFa, RowCountMode::FewRows, 10),
              RowCorrectedNusselt(kNu0, kFa, RowCountMode::ManyRows, 10));
}

TEST(TubeBanks, WorkedExamples) {
    struct Case {
        const char* name;
        ButtonId geometry;
        RowCountMode mode;
        Texts texts;
        double Nu, NuTolerance;
        double alpha; // 0: not quoted
    };
    const Case cases[] = {
        {"in-line, many rows", kInline, RowCountMode::ManyRows, {}, 38.2699, 5e-5, 63.345},
        {"in-line, 5 rows",
         kInline,
         RowCountMode::FewRows,
         {{EditId::Edit30, "5"}},
         36.2511,
         5e-5,
         60.003},
        {"in-line, 1 row", kInline, RowCountMode::FewRows, {{EditId::Edit30, "1"}}, kNu0, 5e-5, 0},
        {"in-line, 10 rows",
         kInline,
         RowCountMode::FewRows,
         {{EditId::Edit30, "10"}},
         37.2605,
         5e-5,
         0},
        {"in-line, 2,5 rows",
         kInline,
         RowCountMode::FewRows,
         {{EditId::Edit30, "2,5"}},
         34.2323,
         5e-5,
         0},
        {"in-line, b/a = 0.3",
         kInline,
         RowCountMode::ManyRows,
         {{EditId::Edit27, "0,05"}, {EditId::Edit28, "0,015"}}, // fA = 1: Nu is the row's Nu0
         RowNusselt(RowReynolds(1, TubeFlowLength(0.01), kNu, BankVoidFraction(5, 1.5)), kPr, kPr),
         0,
         0},
        {"staggered, many rows", kStaggered, RowCountMode::ManyRows, {}, 37.5680, 5e-5, 62.183},
        {"partly staggered, s3 0,005", kPartly, RowCountMode::ManyRows, {}, 37.5680, 5e-5, 62.183},
        {"partly staggered, s3 0,004",
         kPartly,
         RowCountMode::ManyRows,
         {{EditId::Edit29, "0,004"}},
         38.2699,
         5e-5,
         63.345},
    };
    for (const Case& c : cases) {
        BankRun run(c.geometry, c.mode, c.texts);
        EXPECT_TRUE(run.form.Messages().empty()) << c.name;
        EXPECT_EQ(run.form.StatusText(), "") << c.name;
        EXPECT_NEAR(run.state.d, 0.01570796, 5e-9) << c.name;
        EXPECT_NEAR(run.state.Nu, c.Nu, c.NuTolerance) << c.name;
        EXPECT_DOUBLE_EQ(run.state.alpha, run.state.Nu * kLambda / run.state.d) << c.name;
        if (c.alpha != 0) {
            EXPECT_NEAR(run.state.alpha, c.alpha, 5e-4) << c.name;
        }
    }
    // Re is the row's, built on the bank's void fraction.
    EXPECT_NEAR(BankRun(kInline, RowCountMode::ManyRows, {}).state.Re, 1724.31, 5e-3);
}

TEST(TubeBanks, GeometryMessagesInTheirOrder) {
    const std::string H = "Chyba !!! Rúrky sa horizontálne dotýkajú !!!";
    const std::string V = "Chyba !!! Rúrky sa vertikálne dotýkajú !!!";
    const std::string R = "Chyba !!! Rúrky z jednotlivých radov sa dotýkajú !!!";
    const std::string O =
        "Chyba !!! Rúrky sa priestorovo prelínajú !!! Nesprávna geometrická konfigurácia !!!";
    struct Case {
        const char* name;
        ButtonId geometry;
        Texts texts; // dTube 0,01, s1 0,02, s2 0,02, s3 0,005 unless set
        Messages messages;
        bool defined; // whether the bank still has a free cross-section
    };
    // Pitches of 5/16, 8/16 and 3/16 m make the distances between rows exact.
    const Texts exactTriangle = {
        {EditId::Edit26, "0,3125"}, {EditId::Edit27, "0,5"}, {EditId::Edit28, "0,1875"}};
    Texts bothSidesTouch = exactTriangle;
    bothSidesTouch.push_back({EditId::Edit29, "0,25"});
    const Case cases[] = {
        {"in-line, defaults", kInline, {}, {}, true},
        {"in-line, s1 = dTube", kInline, {{EditId::Edit27, "0,01"}}, {H}, true},
        {"in-line, both contacts",
         kInline,
         {{EditId::Edit27, "0,01"}, {EditId::Edit28, "0,01"}},
         {H, V},
         true},
        {"in-line, s1 = dTube, s2 below",
         kInline,
         {{EditId::Edit27, "0,01"}, {EditId::Edit28, "0,008"}},
         {H, O},
         true},
        {"in-line, s1 below, s2 = dTube",
         kInline,
         {{EditId::Edit27, "0,009"}, {EditId::Edit28, "0,01"}},
         {V, O},
         true},
        {"in-line, both below: one overlap",
         kInline,
         {{EditId::Edit27, "0,009"}, {EditId::Edit28, "0,009"}},
         {O},
         true},
        {"staggered, s2 = dTube/2", kStaggered, {{EditId::Edit28, "0,005"}}, {V}, true},
        {"staggered, s2 = dTube", kStaggered, {{EditId::Edit28, "0,01"}}, {}, true},
        {"staggered, 1.2 and 0.6 diameters",
         kStaggered,
         {{EditId::Edit27, "0,012"}, {EditId::Edit28, "0,006"}},
         {O},
         false},
        {"staggered, s1 = dTube, s2 = dTube/2",
         kStaggered,
         {{EditId::Edit27, "0,01"}, {EditId::Edit28, "0,005"}},
         {H, V, O},
         false},
        {"staggered, overlap within and between rows",
         kStaggered,
         {{EditId::Edit27, "0,008"}, {EditId::Edit28, "0,004"}},
         {O, O},
         false},
        {"staggered, rows touch", kStaggered, exactTriangle, {R}, true},
        {"partly, defaults", kPartly, {}, {}, true},
        {"partly, no shift, s2 = dTube",
         kPartly,
         {{EditId::Edit28, "0,01"}, {EditId::Edit29, "0"}},
         {R},
         true},
        {"partly, near side overlaps",
         kPartly,
         {{EditId::Edit28, "0,006"}, {EditId::Edit29, "0,005"}},
         {O},
         true},
        {"partly, far side overlaps",
         kPartly,
         {{EditId::Edit28, "0,006"}, {EditId::Edit29, "0,015"}},
         {O},
         true},
        {"partly, both sides touch", kPartly, bothSidesTouch, {R, R}, true},
        {"partly, s2 = dTube/2 and both sides overlap",
         kPartly,
         {{EditId::Edit27, "0,015"}, {EditId::Edit28, "0,005"}, {EditId::Edit29, "0,0075"}},
         {V, O, O},
         false},
    };
    for (const Case& c : cases) {
        BankRun run(c.geometry, RowCountMode::ManyRows, c.texts);
        EXPECT_EQ(run.form.Messages(), c.messages) << c.name;
        // The block goes on after its messages: the results are written in any case.
        EXPECT_NEAR(run.state.d, TubeFlowLength(run.form.NumberFrom(EditId::Edit26)), 1e-15)
            << c.name;
        EXPECT_EQ(std::isfinite(run.state.Nu), c.defined) << c.name;
        EXPECT_EQ(std::isfinite(run.state.alpha), c.defined) << c.name;
    }
}

TEST(TubeBanks, FieldsAreReadInOrderAndRowCountUnderEitherMode) {
    struct Case {
        ButtonId geometry;
        RowCountMode mode;
        std::vector<EditId> order; // Edit29 is read by the partly staggered bank only
    };
    const std::vector<EditId> plain = {EditId::Edit26, EditId::Edit27, EditId::Edit28,
                                       EditId::Edit30};
    const std::vector<EditId> withShift = {EditId::Edit26, EditId::Edit27, EditId::Edit28,
                                           EditId::Edit29, EditId::Edit30};
    const Case cases[] = {
        {kInline, RowCountMode::ManyRows, plain},    {kInline, RowCountMode::FewRows, plain},
        {kStaggered, RowCountMode::ManyRows, plain}, {kPartly, RowCountMode::ManyRows, withShift},
        {kPartly, RowCountMode::FewRows, withShift},
    };
    for (const Case& c : cases) {
        FormRecord form(',');
        form.Select(c.geometry);
        form.Select(ButtonOf(c.mode));
        for (EditId field : withShift) {
            form.SetInputText(field, std::string(ControlName(field)) + "?");
        }
        Calculator calc(form);
        for (EditId field : c.order) {
            try {
                calc.Button1Click();
                ADD_FAILURE() << ControlName(field) << " was not read";
            } catch (const ConversionError& e) {
                EXPECT_NE(std::string(e.what()).find(ControlName(field)), std::string::npos)
                    << e.what();
            }
            form.SetInputText(field, DefaultText(field, ','));
        }
        EXPECT_NO_THROW(calc.Button1Click()) << ControlName(c.geometry);
        EXPECT_TRUE(calc.ResultsShown()) << ControlName(c.geometry);
    }
}

TEST(TubeBanks, UndefinedBanksAreRefusedAfterTheirOwnMessages) {
    struct Case {
        const char* name;
        ButtonId geometry;
        RowCountMode mode;
        Texts texts;
        Messages messages; // the block's own, before the undefined-result message
    };
    const Case cases[] = {
        {"in-line, no free cross-section",
         kInline,
         RowCountMode::ManyRows,
         {{EditId::Edit27, "0,005"}},
         {kOverlapMessage}},
        {"in-line, dTube 0", kInline, RowCountMode::ManyRows, {{EditId::Edit26, "0"}}, {}},
        {"in-line, 0 rows", kInline, RowCountMode::FewRows, {{EditId::Edit30, "0"}}, {}},
        {"staggered, -2 rows", kStaggered, RowCountMode::FewRows, {{EditId::Edit30, "-2"}}, {}},
        {"staggered, s2 0",
         kStaggered,
         RowCountMode::ManyRows,
         {{EditId::Edit28, "0"}},
         {kOverlapMessage, kRowsContactMessage}},
        {"partly, negative pitches",
         kPartly,
         RowCountMode::ManyRows,
         {{EditId::Edit27, "-0,02"}, {EditId::Edit28, "-0,02"}},
         {kOverlapMessage}},
    };
    for (const Case& c : cases) {
        FormRecord form(',');
        form.Select(c.geometry);
        form.Select(ButtonOf(c.mode));
        for (const auto& [field, text] : c.texts) {
            form.SetInputText(field, text);
        }
        Calculator calc(form);
        calc.Button1Click();
        Messages expected = c.messages;
        expected.push_back(kUndefinedResultMessage);
        EXPECT_EQ(form.Messages(), expected) << c.name;
        EXPECT_FALSE(calc.ResultsShown()) << c.name;
        EXPECT_EQ(form.Text(EditId::Edit16), kResetText) << c.name;
    }
}

TEST(TubeBanks, ZeroRowCountDoesNotMatterUnderManyRows) {
    FormRecord form(',');
    form.Select(kInline);
    form.SetInputText(EditId::Edit30, "0");
    Calculator calc(form);
    calc.Button1Click();
    EXPECT_TRUE(form.Messages().empty());
    EXPECT_TRUE(calc.ResultsShown());
}

} // namespace
} // namespace vortalin
