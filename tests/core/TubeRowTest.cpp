// A single row of tubes in cross-flow: the row equation shared by every tube geometry, the
// row's geometry messages, its two validity checks, and what a sweep writes for it.

#include "correlations/equations/TubeRow.h"
#include "app/compute/Calculator.h"
#include "app/compute/Messages.h"
#include "app/form/FormRecord.h"
#include "app/format/NumberFormat.h"
#include "correlations/engine/Engine.h"
#include "correlations/equations/PlateAndSlots.h"
#include "tests/core/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace vortalin {
namespace {

using Messages = std::vector<std::string>;
using Fields = std::vector<std::string>;

const std::string kTouch = "Chyba !!! Rúrky sa horizontálne dotýkajú !!!";
const std::string kOverlap =
    "Chyba !!! Rúrky sa priestorovo prelínajú !!! Nesprávna geometrická konfigurácia !!!";

// The worked example: dTube 0,01, s1 0,02, w 1 m/s, nu 1.5e-5 m²/s, lambda 0.026 W/(m·K),
// Pr = PrW = 0.7.
TEST(TubeRow, WorkedExampleTermByTerm) {
    const double psi = SingleRowVoidFraction(0.01, 0.02);
    const double flowLength = TubeFlowLength(0.01);
    const double Re = RowReynolds(1, flowLength, 1.5e-5, psi);
    const double Nu = RowNusselt(Re, 0.7, 0.7);
    const std::tuple<const char*, double, double, double> quantities[] = {
        {"psi", psi, 0.6073125, 5e-8},
        {"flowLength", flowLength, 0.01570796, 5e-9},
        {"Re", Re, 1724.31, 5e-3},
        {"NuLam", PlateLaminarNusselt(Re, 0.7), 24.4818, 5e-5},
        {"NuTurb", PlateTurbulentNusselt(Re, 0.7), 13.3309, 5e-5},
        {"Nu", Nu, 28.1760, 5e-5},
        {"alpha", Nu * 0.026 / flowLength, 46.637, 5e-4},
    };
    for (const auto& [name, value, expected, tolerance] : quantities) {
        EXPECT_NEAR(value, expected, tolerance) << name;
    }
}

TEST(TubeRow, WallFactorExponentFollowsTheDirectionOfHeatFlow) {
    const std::tuple<double, double, double> cases[] = {
        {0.7, 0.7, 0.25}, {7, 4, 0.25}, {4, 7, 0.11}};
    for (const auto& [Pr, PrW, n] : cases) {
        EXPECT_EQ(RowWallExponent(Pr, PrW), n);
        EXPECT_DOUBLE_EQ(RowNusselt(1724.31, Pr, PrW),
                         RowNusselt(1724.31, Pr, Pr) * std::pow(Pr / PrW, n));
    }
}

// The engine alone on the example's fluid, with the row selected and the given fields.
TEST(TubeRow, BlockShowsItsMessagesThenComputesOnTheStreamedLength) {
    const std::tuple<const char*, Messages, double> cases[] = {
        {"0,02", {}, 0.6073125},
        {"0,01", {kTouch}, 0.214625},
        {"0,009", {kOverlap}, 1 - 3.1415 / 3.6},
    };
    for (const auto& [s1, messages, psi] : cases) {
        FormRecord form;
        form.Select(ButtonId::RadioButton11);
        form.SetInputText(EditId::Edit25, s1);
        const CalcState s = test::RunEngineOnWorkedExample(form);
        EXPECT_EQ(form.Messages(), messages) << s1;
        EXPECT_EQ(form.StatusText(), "") << s1;
        EXPECT_NEAR(s.d, 0.01570796, 5e-9) << s1;
        EXPECT_NEAR(s.Re, 0.01570796 / (1.5e-5 * psi), 1e-3) << s1;
        EXPECT_DOUBLE_EQ(s.Nu, RowNusselt(s.Re, 0.7, 0.7)) << s1;
        EXPECT_DOUBLE_EQ(s.alpha, s.Nu * 0.026 / s.d) << s1;
    }
}

TEST(TubeRow, ValidityChecksSeeTheRowsReynolds) {
    const std::string pr = "Prandtlovo kritérium je mimo rozsah 0.6 až 1000 !!!";
    const std::string re = "Reynoldsovo kritérium je mimo rozsah 10 až 1.0e6 !!!";
    const std::tuple<double, double, std::string> cases[] = {
        {0.6, 10, ""},    {1000, 1e6, ""},      {0.59999, 500, pr}, {1000.001, 500, pr},
        {0.7, 9.999, re}, {0.7, 1000000.1, re}, {0.5, 5, pr},
    };
    FormRecord form;
    form.Select(ButtonId::RadioButton11);
    Calculator calc(form);
    calc.Button1Click();
    ASSERT_TRUE(calc.ResultsShown());
    EXPECT_EQ(form.Text(EditId::Edit14), "1704"); // w·flowLength/(nu·psi), not w·d/nu = 6588
    for (const auto& [Pr, Re, message] : cases) {
        form.ClearMessages();
        calc.State().Pr = Pr;
        calc.State().Re = Re;
        EXPECT_EQ(calc.CheckValidity(), message.empty()) << Pr << " " << Re;
        EXPECT_EQ(form.Messages(), message.empty() ? Messages{} : Messages{message})
            << Pr << " " << Re;
    }
    form.SetInputText(EditId::Edit1, "0,005"); // row Re about 8.5, w·d/nu about 33
    form.ClearMessages();
    calc.Button1Click();
    EXPECT_EQ(form.Messages(), Messages{re});
}

TEST(TubeRow, UndefinedRowIsRefusedAfterItsOwnMessages) {
    const std::string U = kUndefinedResultMessage;
    // Negative magnitudes are refused as such, after the geometry messages.
    const std::tuple<const char*, const char*, Messages> cases[] = {
        {"0,01", "0,005", {kOverlap, U}}, // psi < 0
        {"0", "0,02", {U}},
        {"0,01", "0", {kOverlap, U}},
        {"0,01", "-0,02", {kOverlap, "s1 (m) nesmie byť záporný !!!"}}, // psi would be above 1
        {"-0,01", "-0,02", {kOverlap, "d (m) nesmie byť záporný !!!"}}, // psi would be positive
    };
    for (const auto& [dTube, s1, messages] : cases) {
        FormRecord form;
        form.Select(ButtonId::RadioButton11);
        form.SetInputText(EditId::Edit24, dTube);
        form.SetInputText(EditId::Edit25, s1);
        Calculator calc(form);
        calc.Button1Click();
        EXPECT_EQ(form.Messages(), messages) << dTube << " " << s1;
        EXPECT_TRUE(std::isnan(calc.State().Re)) << dTube << " " << s1;
        EXPECT_EQ(form.Text(EditId::Edit16), kResetText) << dTube << " " << s1;
    }
    EXPECT_TRUE(std::isnan(RowReynolds(1, TubeFlowLength(0), 1.5e-5, 0.6)));
}

class TubeRowSweep : public ::testing::Test {
protected:
    std::filesystem::path file = std::filesystem::temp_directory_path() /
                                 ("vortalin-row-" + std::to_string(::getpid()) + ".txt");
    FormRecord form;
    Calculator calc{form};

    void SetUp() override {
        form.Select(ButtonId::RadioButton11);
        form.SetSaveDialogAnswer(file.string());
        calc.Ulodosboru1Click();
    }
    void TearDown() override { std::filesystem::remove(file); }

    // Sweeps `variable`; returns the fields of the data lines.
    std::vector<Fields> Sweep(ButtonId variable, const char* from, const char* to,
                              const char* steps) {
        form.Select(variable);
        form.SetInputText(EditId::Form2Edit1, from);
        form.SetInputText(EditId::Form2Edit2, to);
        form.SetInputText(EditId::Form2Edit3, steps);
        calc.Button1Click();
        std::ifstream in(file);
        std::vector<Fields> rows;
        std::string line;
        std::getline(in, line); // header
        while (std::getline(in, line)) {
            std::istringstream columns(line + ";");
            rows.emplace_back();
            for (std::string field; std::getline(columns, field, ';');) {
                rows.back().push_back(field);
            }
        }
        return rows;
    }
};

TEST_F(TubeRowSweep, DiameterSweepWritesStreamedLengthAndTheSameResultsOnEveryLine) {
    const std::vector<Fields> rows = Sweep(ButtonId::Form2RadioButton2, "0,05", "0,2", "4");
    ASSERT_EQ(rows.size(), 4u);
    const CalcState& s = calc.State(); // the single-point run after the sweep
    for (const Fields& fields : rows) {
        ASSERT_EQ(fields.size(), 17u);
        EXPECT_EQ(fields[6], "0,0157");  // flowLength, not the swept diameter
        EXPECT_EQ(fields[12], "1704,0"); // not w·d/nu = 3294,1 of the first step
        EXPECT_EQ(fields[15], FormatFixed(s.Nu, 8, 3, ','));
        EXPECT_EQ(fields[16], FormatFixed(s.alpha, 8, 3, ','));
    }
}

TEST_F(TubeRowSweep, MessagesInEveryStepAndAgainAfterwardsAndNoUndefinedNumbers) {
    form.SetInputText(EditId::Edit25, "0,01");
    Sweep(ButtonId::Form2RadioButton1, "1", "2", "3");
    EXPECT_EQ(form.Messages(), Messages(4, kTouch));
    form.SetInputText(EditId::Edit25, "0,005");
    form.ClearMessages();
    const std::vector<Fields> rows = Sweep(ButtonId::Form2RadioButton1, "1", "2", "2");
    ASSERT_EQ(rows.size(), 2u);
    for (const Fields& fields : rows) {
        ASSERT_EQ(fields.size(), 17u);
        EXPECT_EQ(fields[12] + fields[15] + fields[16], ""); // Re, Nu, alpha left empty
    }
}

} // namespace
} // namespace vortalin
