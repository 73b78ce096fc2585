// A single row of tubes in cross-flow: the row equation shared by every tube geometry, the
// row's geometry messages, its two validity checks, and what a sweep writes for it.

#include "correlations/TubeRow.h"
#include "app/Calculator.h"
#include "app/FormRecord.h"
#include "app/Messages.h"
#include "app/NumberFormat.h"
#include "correlations/Engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace vortalin {
namespace {

namespace fs = std::filesystem;

// The worked example: dTube 0,01, s1 0,02, w 1 m/s, nu 1.5e-5 m²/s, lambda 0.026 W/(m·K),
// Pr = PrW = 0.7.
constexpr double kDTube = 0.01;
constexpr double kS1 = 0.02;
constexpr double kW = 1;
constexpr double kNu = 1.5e-5;
constexpr double kLambda = 0.026;
constexpr double kPr = 0.7;

// Runs the engine alone on a state holding the example's fluid, with the row selected.
struct RowRun {
    FormRecord form{','};
    CalcState state;

    RowRun(const char* dTube, const char* s1, double Pr = kPr, double PrW = kPr) {
        form.Select(ButtonId::RadioButton11);
        form.SetInputText(EditId::Edit24, dTube);
        form.SetInputText(EditId::Edit25, s1);
        state.w = kW;
        state.nu = kNu;
        state.lambda = kLambda;
        state.Pr = Pr;
        state.PrW = PrW;
        state.d = 0.1; // the hydraulic diameter, which the row replaces
        state.Re = 6666;
        CorrelationEngine(state, form).ComputeHeatTransfer();
    }
};

TEST(TubeRow, WorkedExampleTermByTerm) {
    const double psi = SingleRowVoidFraction(kDTube, kS1);
    const double flowLength = TubeFlowLength(kDTube);
    const double Re = RowReynolds(kW, flowLength, kNu, psi);
    const double Nu = RowNusselt(Re, kPr, kPr);
    struct Quantity {
        const char* name;
        double value;
        double expected;
        double tolerance;
    };
    const Quantity quantities[] = {
        {"psi", psi, 0.6073125, 5e-8},
        {"flowLength", flowLength, 0.01570796, 5e-9},
        {"Re", Re, 1724.31, 5e-3},
        {"NuLam", RowLaminarNusselt(Re, kPr), 24.4818, 5e-5},
        {"NuTurb", RowTurbulentNusselt(Re, kPr), 13.3309, 5e-5},
        {"Nu0", Nu, 28.1760, 5e-5},
        {"alpha", Nu * kLambda / flowLength, 46.637, 5e-4},
    };
    for (const Quantity& q : quantities) {
        EXPECT_NEAR(q.value, q.expected, q.tolerance) << q.name;
    }
}

TEST(TubeRow, BlockWritesStreamedLengthReynoldsAndResults) {
    RowRun run("0,01", "0,02");
    EXPECT_TRUE(run.form.Messages().empty());
    EXPECT_EQ(run.form.StatusText(), "");
    EXPECT_NEAR(run.state.d, 0.01570796, 5e-9);
    EXPECT_NEAR(run.state.Re, 1724.31, 5e-3);
    EXPECT_NEAR(run.state.Nu, 28.1760, 5e-5);
    EXPECT_NEAR(run.state.alpha, 46.637, 5e-4);
}

TEST(TubeRow, WallFactorExponentFollowsTheDirectionOfHeatFlow) {
    struct Case {
        double Pr, PrW, n;
    };
    const Case cases[] = {
        {0.7, 0.7, 0.25}, {7.0, 4.0, 0.25}, {4.0, 7.0, 0.11}, {0.7, 0.7000001, 0.11}};
    for (const Case& c : cases) {
        EXPECT_EQ(RowWallExponent(c.Pr, c.PrW), c.n) << c.Pr << " / " << c.PrW;
        // The whole row equation carries (Pr/PrW)^n on top of the isothermal value.
        const double isothermal = RowNusselt(1724.31, c.Pr, c.Pr);
        EXPECT_DOUBLE_EQ(RowNusselt(1724.31, c.Pr, c.PrW),
                         isothermal * std::pow(c.Pr / c.PrW, c.n));
    }
}

TEST(TubeRow, GeometryMessagesAndTheComputationThatFollows) {
    struct Case {
        const char* s1;
        std::vector<std::string> messages;
        double psi; // NaN where the overlap leaves no free cross-section
    };
    const std::string horizontal = "Chyba !!! Rúrky sa horizontálne dotýkajú !!!";
    const std::string overlap =
        "Chyba !!! Rúrky sa priestorovo prelínajú !!! Nesprávna geometrická konfigurácia !!!";
    const Case cases[] = {
        {"0,02", {}, 0.6073125},
        {"0,01", {horizontal}, 0.214625},
        {"0,009", {overlap}, 1 - 3.1415 * 0.01 / (4 * 0.009)},
        {"0,005", {overlap}, std::nan("")},
    };
    for (const Case& c : cases) {
        RowRun run("0,01", c.s1);
        EXPECT_EQ(run.form.Messages(), c.messages) << c.s1;
        // Messages never stop the block: d, Re, Nu and alpha are written whatever they said.
        EXPECT_NEAR(run.state.d, 0.01570796, 5e-9) << c.s1;
        if (std::isnan(c.psi)) {
            EXPECT_TRUE(std::isnan(run.state.Re)) << c.s1;
            EXPECT_TRUE(std::isnan(run.state.Nu)) << c.s1;
            continue;
        }
        EXPECT_NEAR(SingleRowVoidFraction(0.01, run.form.NumberFrom(EditId::Edit25)), c.psi, 1e-12)
            << c.s1;
        EXPECT_NEAR(run.state.Re, 0.01570796 / (kNu * c.psi), 1e-3) << c.s1;
        EXPECT_DOUBLE_EQ(run.state.Nu, RowNusselt(run.state.Re, kPr, kPr)) << c.s1;
        EXPECT_DOUBLE_EQ(run.state.alpha, run.state.Nu * kLambda / run.state.d) << c.s1;
    }
}

TEST(TubeRow, UndefinedGeometriesGiveNaNNotANumberThatLooksValid) {
    struct Case {
        double dTube, s1;
    };
    const Case cases[] = {{0.01, 0.005}, {0.01, 0.0078537}, {0, 0.02},     {-0.01, 0.02},
                          {0.01, 0},     {0.01, -0.02},     {-0.01, -0.02}};
    for (const Case& c : cases) {
        const double psi = SingleRowVoidFraction(c.dTube, c.s1);
        const double Re = RowReynolds(kW, TubeFlowLength(c.dTube), kNu, psi);
        EXPECT_TRUE(std::isnan(Re)) << c.dTube << " " << c.s1;
        EXPECT_TRUE(std::isnan(RowNusselt(Re, kPr, kPr))) << c.dTube << " " << c.s1;
    }
    EXPECT_TRUE(std::isnan(RowReynolds(kW, TubeFlowLength(0), kNu, 0.6073125)));
    // Just above the overlap limit s1 = 0.785375 · dTube the row is still defined.
    EXPECT_GT(SingleRowVoidFraction(0.01, 0.0078538), 0);
    EXPECT_TRUE(std::isfinite(RowReynolds(kW, TubeFlowLength(0.01), kNu, 1e-6)));
}

// The whole Compute command on the window's defaults with the row selected.
struct RowCompute {
    FormRecord form{','};
    Calculator calc{form};

    RowCompute() { form.Select(ButtonId::RadioButton11); }
};

TEST(TubeRow, ValidityChecksOfPrandtlAndReynolds) {
    const std::string prMessage = "Prandtlovo kritérium je mimo rozsah 0.6 až 1000 !!!";
    const std::string reMessage = "Reynoldsovo kritérium je mimo rozsah 10 až 1.0e6 !!!";
    struct Case {
        double Pr, Re;
        std::string message; // empty: the results may be shown
    };
    const Case cases[] = {
        {0.6, 10, ""},
        {1000, 1000000, ""},
        {0.59999, 500, prMessage},
        {1000.001, 500, prMessage},
        {0.7, 9.999, reMessage},
        {0.7, 1000000.1, reMessage},
        {0.5, 5, prMessage},
    };
    RowCompute run;
    run.calc.Button1Click();
    ASSERT_TRUE(run.calc.ResultsShown());
    for (const Case& c : cases) {
        run.form.ClearMessages();
        run.calc.State().Pr = c.Pr;
        run.calc.State().Re = c.Re;
        EXPECT_EQ(run.calc.CheckValidity(), c.message.empty()) << c.Pr << " " << c.Re;
        const std::vector<std::string> expected =
            c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message};
        EXPECT_EQ(run.form.Messages(), expected) << c.Pr << " " << c.Re;
    }
}

TEST(TubeRow, LowVelocityIsRefusedByTheRowsReynoldsNotByThePipes) {
    RowCompute run;
    run.form.SetInputText(EditId::Edit1, "0,005"); // row Re about 8.5; w·d/nu about 33
    run.calc.Button1Click();
    EXPECT_FALSE(run.calc.ResultsShown());
    EXPECT_EQ(run.form.Messages(),
              std::vector<std::string>{"Reynoldsovo kritérium je mimo rozsah 10 až 1.0e6 !!!"});
    EXPECT_LT(run.calc.State().Re, 10);
}

TEST(TubeRow, ShownResultsUseTheRowsReynolds) {
    RowCompute run;
    run.calc.Button1Click();
    ASSERT_TRUE(run.calc.ResultsShown());
    const CalcState& s = run.calc.State();
    EXPECT_NEAR(s.d, 0.01570796, 5e-9);
    EXPECT_DOUBLE_EQ(s.Re, s.w * s.d / (s.nu * 0.6073125));
    EXPECT_EQ(run.form.Text(EditId::Edit14), FormatFixed(s.Re, 10, 0, ','));
    EXPECT_EQ(run.form.Text(EditId::Edit16), FormatFixed(s.Nu, 10, 4, ','));
    EXPECT_EQ(run.form.StatusText(), "");
}

TEST(TubeRow, UndefinedRowIsRefusedAfterItsOwnMessages) {
    struct Case {
        const char* dTube;
        const char* s1;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"0,01", "0,005", {kOverlapMessage, kUndefinedResultMessage}},
        {"0", "0,02", {kUndefinedResultMessage}},
        {"0,01", "0", {kOverlapMessage, kUndefinedResultMessage}},
        {"-0,01", "-0,02", {kOverlapMessage, kUndefinedResultMessage}},
    };
    for (const Case& c : cases) {
        RowCompute run;
        run.form.SetInputText(EditId::Edit24, c.dTube);
        run.form.SetInputText(EditId::Edit25, c.s1);
        run.calc.Button1Click();
        EXPECT_FALSE(run.calc.ResultsShown()) << c.dTube << " " << c.s1;
        EXPECT_EQ(run.form.Messages(), c.messages) << c.dTube << " " << c.s1;
        for (EditId field : {EditId::Edit14, EditId::Edit16, EditId::Edit17}) {
            EXPECT_EQ(run.form.Text(field), kResetText) << c.dTube << " " << c.s1;
        }
    }
}

// --- the row in a sweep ---

std::vector<std::vector<std::string>> DataFields(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::vector<std::string>> rows;
    std::string line;
    std::getline(in, line); // header
    while (std::getline(in, line)) {
        std::vector<std::string> fields;
        std::istringstream columns(line);
        for (std::string field; std::getline(columns, field, ';');) {
            fields.push_back(field);
        }
        if (!line.empty() && line.back() == ';') {
            fields.emplace_back();
        }
        rows.push_back(fields);
    }
    return rows;
}

class TubeRowSweep : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() /
                   ("vortalin-row-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::path file = dir / "rad.txt";
    RowCompute run;

    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
        run.form.SetSaveDialogAnswer(file.string());
        run.calc.Ulodosboru1Click();
    }
    void TearDown() override { fs::remove_all(dir); }

    void Sweep(ButtonId variable, const char* from, const char* to, const char* steps) {
        run.form.Select(variable);
        run.form.SetInputText(EditId::Form2Edit1, from);
        run.form.SetInputText(EditId::Form2Edit2, to);
        run.form.SetInputText(EditId::Form2Edit3, steps);
        run.calc.Button1Click();
    }
};

TEST_F(TubeRowSweep, DiameterSweepWritesStreamedLengthAndTheSameResultsOnEveryLine) {
    Sweep(ButtonId::Form2RadioButton2, "0,05", "0,2", "4");
    const auto rows = DataFields(file);
    ASSERT_EQ(rows.size(), 4u);
    const CalcState& s = run.calc.State(); // the single-point run after the sweep
    for (const auto& fields : rows) {
        ASSERT_EQ(fields.size(), 17u);
        EXPECT_EQ(fields[6], "0,0157"); // flowLength, not the swept diameter
        EXPECT_EQ(fields[12], FormatFixed(s.Re, 8, 1, ','));
        EXPECT_EQ(fields[15], FormatFixed(s.Nu, 8, 3, ','));
        EXPECT_EQ(fields[16], FormatFixed(s.alpha, 8, 3, ','));
    }
    EXPECT_EQ(rows[0][12], "1704,0"); // air at 21 °C, not w·d/nu = 3294,1 of the first step
}

TEST_F(TubeRowSweep, VelocitySweepWritesTheRowsReynoldsOfEachStep) {
    Sweep(ButtonId::Form2RadioButton1, "1", "3", "3");
    const auto rows = DataFields(file);
    ASSERT_EQ(rows.size(), 3u);
    const CalcState& s = run.calc.State();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const double w = 1.0 + static_cast<double>(i);
        EXPECT_EQ(rows[i][6], "0,0157");
        EXPECT_EQ(rows[i][12], FormatFixed(w * s.d / (s.nu * 0.6073125), 8, 1, ',')) << i;
    }
}

TEST_F(TubeRowSweep, GeometryMessageIsShownInEveryStepAndAgainAfterwards) {
    run.form.SetInputText(EditId::Edit25, "0,01");
    Sweep(ButtonId::Form2RadioButton1, "1", "2", "3");
    EXPECT_EQ(run.form.Messages(), std::vector<std::string>(4, kHorizontalContactMessage));
    EXPECT_TRUE(run.calc.ResultsShown());
    EXPECT_EQ(DataFields(file).size(), 3u);
}

TEST_F(TubeRowSweep, UndefinedRowLeavesItsReynoldsAndResultsEmpty) {
    run.form.SetInputText(EditId::Edit25, "0,005");
    Sweep(ButtonId::Form2RadioButton1, "1", "2", "2");
    const auto rows = DataFields(file);
    ASSERT_EQ(rows.size(), 2u);
    for (const auto& fields : rows) {
        ASSERT_EQ(fields.size(), 17u);
        EXPECT_EQ(fields[6], "0,0157");
        for (std::size_t column : {12u, 15u, 16u}) {
            EXPECT_EQ(fields[column], "") << "column " << column + 1;
        }
    }
}

} // namespace
} // namespace vortalin
