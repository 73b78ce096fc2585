// The finned tube bank: the worked example, its five range messages with their bounds and
// order, their absence while saving to a file, and degenerate fins.

#include "correlations/FinnedBank.h"
#include "app/Calculator.h"
#include "app/ConversionError.h"
#include "app/FormRecord.h"
#include "app/Messages.h"
#include "app/NumberFormat.h"
#include "correlations/Engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace vortalin {
namespace {

namespace fs = std::filesystem;

using Texts = std::vector<std::pair<EditId, const char*>>;
using Messages = std::vector<std::string>;

const std::string R =
    "Chyba !!! Raynoldsovo kritérium je mimo rozsah platnosti KR !!! (1000 až 18000)";
const std::string D =
    "Chyba !!! Vonkajší priemer rúrky je mimo rozsah platnosti KR !!! (11,13 až 40,89 mm)";
const std::string H = "Chyba !!! Výška rebra je mimo rozsah platnosti KR !!! (11,42 až 16,57 mm)";
const std::string F = "Chyba !!! Šírka rebra je mimo rozsah platnosti KR !!! (0,33 až 20,02 mm)";
const std::string P = "Chyba !!! Stúpanie rebra je mimo rozsah platnosti KR !!! (1,3 až 4,06 mm)";

void SetTexts(FormRecord& form, const Texts& texts) {
    for (const auto& [field, text] : texts) {
        form.SetInputText(field, text);
    }
}

// The whole Compute command with the finned bank selected and air at tMean = 20 °C.
struct FinnedCompute {
    FormRecord form{','};
    Calculator calc{form};

    explicit FinnedCompute(const Texts& texts = {}) {
        form.Select(ButtonId::RadioButton18);
        SetTexts(form, {{EditId::Edit3, "19"}, {EditId::Edit4, "21"}, {EditId::Edit5, "30"}});
        SetTexts(form, texts);
    }
};

// The engine alone on a state with a given velocity, nu 1.5e-5 m²/s and Pr 0.7.
struct FinnedRun {
    FormRecord form{','};
    CalcState state;

    FinnedRun(double w, const Texts& texts, int saveToFile = 0) {
        form.Select(ButtonId::RadioButton18);
        SetTexts(form, texts);
        state.w = w;
        state.nu = 1.5e-5;
        state.Pr = 0.7;
        state.lambda = 0.026;
        state.sweep.saveToFile = saveToFile;
        CorrelationEngine(state, form).ComputeHeatTransfer();
    }
};

TEST(FinnedBank, WorkedExampleWithAirAt20Degrees) {
    struct Case {
        const char* w;
        double Re, Nu, alpha; // Nu and alpha 0: not quoted
        const char* shownRe;
    };
    const Case cases[] = {
        {"5", 8285.34, 44.9842, 45.6600, "8285"},
        {"1", 1657.07, 0, 0, "1657"},
    };
    for (const Case& c : cases) {
        // The hydraulic diameter plays no part: Re is built on d_b.
        FinnedCompute run({{EditId::Edit1, c.w}, {EditId::Edit2, "0,5"}});
        run.calc.Button1Click();
        const CalcState& s = run.calc.State();
        EXPECT_TRUE(run.form.Messages().empty()) << c.w;
        EXPECT_TRUE(run.calc.ResultsShown()) << c.w;
        EXPECT_EQ(run.form.StatusText(), "") << c.w;
        EXPECT_NEAR(s.Re, c.Re, 5e-3) << c.w;
        EXPECT_EQ(run.form.Text(EditId::Edit14), c.shownRe) << c.w;
        EXPECT_DOUBLE_EQ(s.alpha, s.Nu * s.lambda / 0.025) << c.w; // referred to d_b
        EXPECT_EQ(s.d, 0.5) << c.w;                                // d is left alone
        if (c.Nu != 0) {
            EXPECT_NEAR(s.Nu, c.Nu, 5e-5) << c.w;
            EXPECT_NEAR(s.alpha, c.alpha, 5e-5) << c.w;
        }
    }
}

TEST(FinnedBank, RangeMessagesBoundsIncluded) {
    struct Case {
        const char* name;
        double w;
        Texts texts; // millimetres; d_a 53,6, d_b 25, f 0,44, P_f 2,46 unless set
        Messages messages;
    };
    const Case cases[] = {
        {"defaults", 5, {}, {}},
        {"d_b at 11,13", 5, {{EditId::Edit31, "39,73"}, {EditId::Edit32, "11,13"}}, {}},
        {"d_b at 40,89", 5, {{EditId::Edit31, "69,49"}, {EditId::Edit32, "40,89"}}, {}},
        {"d_b below", 5, {{EditId::Edit31, "39,72"}, {EditId::Edit32, "11,12"}}, {D}},
        {"d_b above", 5, {{EditId::Edit31, "69,5"}, {EditId::Edit32, "40,9"}}, {D}},
        {"h at 11,42", 5, {{EditId::Edit31, "47,84"}}, {}},
        {"h at 16,57", 5, {{EditId::Edit31, "58,14"}}, {}},
        {"h below", 5, {{EditId::Edit31, "47,82"}}, {H}},
        {"h above", 5, {{EditId::Edit31, "58,16"}}, {H}},
        {"f at 0,33", 5, {{EditId::Edit33, "0,33"}}, {}},
        {"f at 20,02", 5, {{EditId::Edit33, "20,02"}}, {}},
        {"f below", 5, {{EditId::Edit33, "0,32"}}, {F}},
        {"f above", 5, {{EditId::Edit33, "20,03"}}, {F}},
        {"P_f at 1,3", 5, {{EditId::Edit34, "1,3"}}, {}},
        {"P_f at 4,06", 5, {{EditId::Edit34, "4,06"}}, {}},
        {"P_f below", 5, {{EditId::Edit34, "1,29"}}, {P}},
        {"P_f above", 5, {{EditId::Edit34, "4,07"}}, {P}},
        {"all five, in order",
         10,
         {{EditId::Edit31, "60"},
          {EditId::Edit32, "50"},
          {EditId::Edit33, "0,2"},
          {EditId::Edit34, "5"}},
         {R, D, H, F, P}},
    };
    for (const Case& c : cases) {
        FinnedRun run(c.w, c.texts);
        EXPECT_EQ(run.form.Messages(), c.messages) << c.name;
    }
}

TEST(FinnedBank, ReynoldsBoundsAreInclusive) {
    struct Case {
        double Re;
        bool inRange;
    };
    const Case cases[] = {
        {1000, true}, {18000, true}, {999.999, false}, {18000.01, false}, {std::nan(""), false}};
    for (const Case& c : cases) {
        const Messages expected = c.inRange ? Messages{} : Messages{R};
        EXPECT_EQ(FinnedBankRangeErrors(c.Re, 0.0536, 0.025, 0.00044, 0.00246), expected) << c.Re;
    }
}

TEST(FinnedBank, SmallTubeAtLowVelocityShowsTwoMessagesThenTheResults) {
    FinnedCompute run({{EditId::Edit31, "38,6"}, {EditId::Edit32, "10"}});
    run.calc.Button1Click();
    EXPECT_EQ(run.form.Messages(), (Messages{R, D}));
    EXPECT_TRUE(run.calc.ResultsShown());
    EXPECT_LT(run.calc.State().Re, 1000);
}

TEST(FinnedBank, NoRangeMessageWhileSavingToAFile) {
    FinnedRun engineOnly(10, {{EditId::Edit31, "60"}, {EditId::Edit32, "50"}}, 1);
    EXPECT_TRUE(engineOnly.form.Messages().empty());
    EXPECT_TRUE(std::isfinite(engineOnly.state.Nu));

    const fs::path dir =
        fs::temp_directory_path() / ("vortalin-finned-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path file = dir / "rebra.txt";
    FinnedCompute run({{EditId::Edit31, "38,6"}, {EditId::Edit32, "10"}});
    run.form.SetSaveDialogAnswer(file.string());
    run.calc.Ulodosboru1Click();
    SetTexts(run.form,
             {{EditId::Form2Edit1, "0,5"}, {EditId::Form2Edit2, "1"}, {EditId::Form2Edit3, "3"}});
    run.calc.Button1Click();
    EXPECT_TRUE(run.form.Messages().empty());
    EXPECT_TRUE(run.calc.ResultsShown());

    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 4u); // header and three steps
    const CalcState& s = run.calc.State();
    // The last step (w = 1) is the single-point run's velocity: its Re is the one on d_b.
    EXPECT_NE(lines[3].find(";" + FormatFixed(s.Re, 8, 1, ',') + ";"), std::string::npos)
        << lines[3];
    fs::remove_all(dir);
}

TEST(FinnedBank, DegenerateFinsAreRefusedAfterTheirOwnMessages) {
    struct Case {
        const char* name;
        Texts texts;
        Messages messages; // the block's own, before the undefined-result message
    };
    const Case cases[] = {
        {"no fin height", {{EditId::Edit31, "25"}}, {H}},
        {"fin diameter below the tube's", {{EditId::Edit31, "20"}}, {H}},
        {"no fin thickness", {{EditId::Edit33, "0"}}, {F}},
        {"no gap between fins", {{EditId::Edit33, "2,46"}}, {}},
        {"fins thicker than their pitch", {{EditId::Edit33, "3"}}, {}},
        {"negative thickness, pitch and height",
         {{EditId::Edit31, "20"}, {EditId::Edit33, "-1"}, {EditId::Edit34, "-3"}},
         {H, F, P}},
        {"no tube", {{EditId::Edit32, "0"}}, {R, D, H}},
    };
    for (const Case& c : cases) {
        FinnedCompute run(c.texts);
        run.calc.Button1Click();
        Messages expected = c.messages;
        expected.push_back(kUndefinedResultMessage);
        EXPECT_EQ(run.form.Messages(), expected) << c.name;
        EXPECT_FALSE(run.calc.ResultsShown()) << c.name;
        EXPECT_EQ(run.form.Text(EditId::Edit16), kResetText) << c.name;
        EXPECT_EQ(run.form.Text(EditId::Edit17), kResetText) << c.name;
    }
}

TEST(FinnedBank, UndefinedGeometriesGiveNaNRatherThanZeroOrInfinity) {
    struct Case {
        const char* name;
        double d_a, d_b, f, P_f; // metres
    };
    const Case cases[] = {
        {"no fin height (would be infinite)", 0.025, 0.025, 0.00044, 0.00246},
        {"no gap (would be 0)", 0.0536, 0.025, 0.00246, 0.00246},
        {"no thickness (would be infinite)", 0.0536, 0.025, 0, 0.00246},
        {"all negative (would be finite)", 0.020, 0.025, -0.001, -0.003},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(std::isnan(FinnedBankNusselt(8285.34, 0.7, c.d_a, c.d_b, c.f, c.P_f)))
            << c.name;
    }
    EXPECT_NEAR(FinnedBankNusselt(8285.34, 0.7, 0.0536, 0.025, 0.00044, 0.00246),
                0.134 * std::pow(8285.34, 0.681) * std::pow(0.7, 0.33333) *
                    std::pow(0.00202 / 0.0143, 0.2) * std::pow(0.00202 / 0.00044, 0.1134),
                1e-9);
    for (double d_b : {0.0, -0.025}) {
        EXPECT_TRUE(std::isnan(FinnedReynolds(5, d_b, 1.5e-5))) << d_b;
    }
}

TEST(FinnedBank, FieldsAreReadInOrder) {
    const EditId order[] = {EditId::Edit31, EditId::Edit32, EditId::Edit33, EditId::Edit34};
    FinnedCompute run;
    for (EditId field : order) {
        run.form.SetInputText(field, std::string(ControlName(field)) + "?");
    }
    for (EditId field : order) {
        try {
            run.calc.Button1Click();
            ADD_FAILURE() << ControlName(field) << " was not read";
        } catch (const ConversionError& e) {
            EXPECT_NE(std::string(e.what()).find(ControlName(field)), std::string::npos)
                << e.what();
        }
        run.form.SetInputText(field, DefaultText(field, ','));
    }
    EXPECT_NO_THROW(run.calc.Button1Click());
}

} // namespace
} // namespace vortalin
