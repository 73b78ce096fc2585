// In-line, staggered and partly staggered tube banks: void fraction, arrangement factors,
// row-count correction, the geometry messages in their order, and undefined banks.

#include "correlations/equations/TubeBanks.h"
#include "app/compute/Calculator.h"
#include "app/compute/ConversionError.h"
#include "app/compute/Messages.h"
#include "app/form/FormRecord.h"
#include "app/form/Selections.h"
#include "correlations/engine/Engine.h"
#include "correlations/equations/TubeRow.h"
#include "tests/core/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vortalin {
namespace {

using Texts = std::vector<std::pair<EditId, const char*>>;
using Messages = std::vector<std::string>;

constexpr ButtonId kInline = ButtonId::RadioButton12;
constexpr ButtonId kStaggered = ButtonId::RadioButton13;
constexpr ButtonId kPartly = ButtonId::RadioButton14;
constexpr RowCountMode kMany = RowCountMode::ManyRows;
constexpr RowCountMode kFew = RowCountMode::FewRows;

const std::string H = "Chyba !!! Rúrky sa horizontálne dotýkajú !!!";
const std::string V = "Chyba !!! Rúrky sa vertikálne dotýkajú !!!";
const std::string R = "Chyba !!! Rúrky z jednotlivých radov sa dotýkajú !!!";
const std::string O =
    "Chyba !!! Rúrky sa priestorovo prelínajú !!! Nesprávna geometrická konfigurácia !!!";

// Selects a bank and changes the window's default bank fields by `texts`.
void SetUpBank(FormRecord& form, ButtonId geometry, RowCountMode mode, const Texts& texts) {
    form.Select(geometry);
    form.Select(ButtonOf(mode));
    for (const auto& [field, text] : texts) {
        form.SetInputText(field, text);
    }
}

TEST(TubeBanks, VoidFractionAndArrangementFactors) {
    const double psi = 0.6073125; // a = b = 2
    const std::tuple<const char*, double, double, double> cases[] = {
        {"psi, b = 2", BankVoidFraction(2, 2), psi, 5e-8},
        {"psi, b exactly 1 (b >= 1 form)", BankVoidFraction(2, 1), 1 - 3.1415 / 8, 0},
        {"psi, b < 1", BankVoidFraction(2, 0.6), 0.3455208, 5e-8},
        {"in-line fA", InlineArrangementFactor(2, 2, psi), 1.35824, 5e-6},
        {"in-line fA, b/a = 0.3 (exact)", InlineArrangementFactor(2, 0.6, 0.3455208), 1, 0},
        {"staggered fA", StaggeredArrangementFactor(2), 1.33333, 5e-6},
        {"partly, c = a/4: staggered", PartlyStaggeredArrangementFactor(2, 2, psi, 0.5), 4 / 3.0,
         0},
        {"partly, c < a/4: in-line", PartlyStaggeredArrangementFactor(2, 2, psi, 0.4),
         InlineArrangementFactor(2, 2, psi), 0},
    };
    for (const auto& [name, value, expected, tolerance] : cases) {
        EXPECT_NEAR(value, expected, tolerance) << name;
    }
    // A larger b/a than 0.3 raises the row, a smaller one lowers it.
    EXPECT_GT(InlineArrangementFactor(2, 0.7, 0.5), 1);
    EXPECT_LT(InlineArrangementFactor(2, 0.5, 0.5), 1);
    for (double undefined :
         {BankVoidFraction(0, 2), BankVoidFraction(-2, -2), BankVoidFraction(2, 0),
          InlineArrangementFactor(2, 2, 0), StaggeredArrangementFactor(-1),
          RowCorrectedNusselt(28.176, 1.35824, kFew, 0)}) {
        EXPECT_TRUE(std::isnan(undefined));
    }
}

TEST(TubeBanks, WorkedExamples) {
    const std::tuple<const char*, ButtonId, RowCountMode, Texts, double, double> cases[] = {
        {"in-line", kInline, kMany, {}, 38.2699, 63.345},
        {"in-line, 0 rows unused", kInline, kMany, {{EditId::Edit30, "0"}}, 38.2699, 63.345},
        {"in-line, 5 rows", kInline, kFew, {{EditId::Edit30, "5"}}, 36.2511, 60.003},
        {"in-line, 1 row", kInline, kFew, {{EditId::Edit30, "1"}}, 28.1760, 0},
        {"in-line, 10 rows", kInline, kFew, {{EditId::Edit30, "10"}}, 37.2605, 0},
        {"in-line, 2,5 rows", kInline, kFew, {{EditId::Edit30, "2,5"}}, 34.2323, 0},
        {"staggered", kStaggered, kMany, {}, 37.5680, 62.183},
        {"partly, s3 0,005", kPartly, kMany, {}, 37.5680, 62.183},
        {"partly, s3 0,004", kPartly, kMany, {{EditId::Edit29, "0,004"}}, 38.2699, 63.345},
    };
    for (const auto& [name, geometry, mode, texts, Nu, alpha] : cases) {
        FormRecord form;
        SetUpBank(form, geometry, mode, texts);
        const CalcState s = test::RunEngineOnWorkedExample(form);
        EXPECT_TRUE(form.Messages().empty()) << name;
        EXPECT_EQ(form.StatusText(), "") << name;
        EXPECT_NEAR(s.d, 0.01570796, 5e-9) << name;
        EXPECT_NEAR(s.Re, 1724.31, 5e-3) << name;
        EXPECT_NEAR(s.Nu, Nu, 5e-5) << name;
        EXPECT_DOUBLE_EQ(s.alpha, s.Nu * 0.026 / s.d) << name;
        EXPECT_NEAR(s.alpha, alpha == 0 ? s.alpha : alpha, 5e-4) << name;
    }
    // b/a = 0.3 gives fA = 1 exactly: the bank is its row.
    FormRecord neutral;
    SetUpBank(neutral, kInline, kMany, {{EditId::Edit27, "0,05"}, {EditId::Edit28, "0,015"}});
    const CalcState s = test::RunEngineOnWorkedExample(neutral);
    EXPECT_EQ(s.Nu, RowNusselt(s.Re, 0.7, 0.7));
}

TEST(TubeBanks, GeometryMessagesInTheirOrder) {
    // Pitches of 5/16, 8/16 and 3/16 m make the distances between rows exact.
    const Texts triangle = {
        {EditId::Edit26, "0,3125"}, {EditId::Edit27, "0,5"}, {EditId::Edit28, "0,1875"}};
    Texts bothSides = triangle;
    bothSides.emplace_back(EditId::Edit29, "0,25");
    auto pitches = [](const char* s1, const char* s2, const char* s3 = "0,005") {
        return Texts{{EditId::Edit27, s1}, {EditId::Edit28, s2}, {EditId::Edit29, s3}};
    };
    const std::tuple<const char*, ButtonId, Texts, Messages> cases[] = {
        {"in-line, defaults", kInline, {}, {}},
        {"in-line, both contacts", kInline, pitches("0,01", "0,01"), {H, V}},
        {"in-line, s1 = d, s2 below", kInline, pitches("0,01", "0,008"), {H, O}},
        {"in-line, s1 below, s2 = d", kInline, pitches("0,009", "0,01"), {V, O}},
        {"in-line, both below: once", kInline, pitches("0,009", "0,009"), {O}},
        {"staggered, s2 = d/2", kStaggered, pitches("0,02", "0,005"), {V}},
        {"staggered, s2 = d", kStaggered, pitches("0,02", "0,01"), {}},
        {"staggered, 1.2 and 0.6 d", kStaggered, pitches("0,012", "0,006"), {O}},
        {"staggered, s1 = d, s2 = d/2", kStaggered, pitches("0,01", "0,005"), {H, V, O}},
        {"staggered, overlap twice", kStaggered, pitches("0,008", "0,004"), {O, O}},
        {"staggered, rows touch", kStaggered, triangle, {R}},
        {"partly, defaults", kPartly, {}, {}},
        {"partly, s3 = 0, s2 = d", kPartly, pitches("0,02", "0,01", "0"), {R}},
        {"partly, near side", kPartly, pitches("0,02", "0,006", "0,005"), {O}},
        {"partly, far side", kPartly, pitches("0,02", "0,006", "0,015"), {O}},
        {"partly, both sides touch", kPartly, bothSides, {R, R}},
        {"partly, s2 = d/2, both sides", kPartly, pitches("0,015", "0,005", "0,0075"), {V, O, O}},
    };
    for (const auto& [name, geometry, texts, messages] : cases) {
        FormRecord form;
        SetUpBank(form, geometry, kMany, texts);
        const CalcState s = test::RunEngineOnWorkedExample(form);
        EXPECT_EQ(form.Messages(), messages) << name;
        // The block goes on after its messages: d is written, and Nu wherever the bank
        // keeps a free cross-section.
        const double dTube = form.NumberFrom(EditId::Edit26);
        const double psi = BankVoidFraction(form.NumberFrom(EditId::Edit27) / dTube,
                                            form.NumberFrom(EditId::Edit28) / dTube);
        EXPECT_EQ(s.d, TubeFlowLength(dTube)) << name;
        EXPECT_EQ(std::isfinite(s.Nu), psi > 0) << name;
    }
}

TEST(TubeBanks, FieldsAreReadInOrderAndRowCountUnderEitherMode) {
    const std::vector<EditId> plain = {EditId::Edit26, EditId::Edit27, EditId::Edit28,
                                       EditId::Edit30};
    const std::vector<EditId> shift = {EditId::Edit26, EditId::Edit27, EditId::Edit28,
                                       EditId::Edit29, EditId::Edit30};
    const std::tuple<ButtonId, RowCountMode, std::vector<EditId>> cases[] = {
        {kInline, kMany, plain},
        {kInline, kFew, plain},
        {kStaggered, kMany, plain},
        {kPartly, kFew, shift}};
    for (const auto& [geometry, mode, order] : cases) {
        FormRecord form;
        SetUpBank(form, geometry, mode, {});
        for (EditId field : shift) {
            form.SetInputText(field, std::string(ControlName(field)) + "?");
        }
        Calculator calc(form);
        test::ExpectFieldsReadInOrder(form, calc, order);
        EXPECT_NO_THROW(calc.Button1Click()); // Edit29 is still bad for the other two banks
        EXPECT_TRUE(calc.ResultsShown());
    }
}

TEST(TubeBanks, UndefinedBanksAreRefusedAfterTheirOwnMessages) {
    const std::string U = kUndefinedResultMessage;
    const std::tuple<const char*, ButtonId, RowCountMode, Texts, Messages, std::string> cases[] = {
        {"no free cross-section", kInline, kMany, {{EditId::Edit27, "0,005"}}, {O}, U},
        {"dTube 0", kInline, kMany, {{EditId::Edit26, "0"}}, {}, U},
        {"0 rows", kInline, kFew, {{EditId::Edit30, "0"}}, {}, U},
        // Negative magnitudes are refused as such, after the geometry messages.
        {"-2 rows",
         kStaggered,
         kFew,
         {{EditId::Edit30, "-2"}},
         {},
         "Počet radov nesmie byť záporný !!!"},
        {"s2 0", kStaggered, kMany, {{EditId::Edit28, "0"}}, {O, R}, U},
        {"negative pitches",
         kPartly,
         kMany,
         {{EditId::Edit27, "-0,02"}, {EditId::Edit28, "-0,02"}},
         {O},
         "s1 (m) nesmie byť záporný !!!"},
    };
    for (const auto& [name, geometry, mode, texts, messages, refusal] : cases) {
        FormRecord form;
        SetUpBank(form, geometry, mode, texts);
        test::ExpectRefusedAsUndefined(form, messages, name, refusal);
    }
}

} // namespace
} // namespace vortalin
