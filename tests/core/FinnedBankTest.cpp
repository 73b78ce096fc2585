// The finned tube bank: the worked example, its five range messages with their bounds and
// order, their absence while saving to a file, and degenerate fins.

#include "correlations/equations/FinnedBank.h"
#include "app/compute/Calculator.h"
#include "app/compute/ConversionError.h"
#include "app/compute/Messages.h"
#include "app/form/FormRecord.h"
#include "correlations/engine/Engine.h"
#include "tests/core/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace vortalin {
namespace {

using Texts = std::vector<std::pair<EditId, const char*>>;
using Messages = std::vector<std::string>;

const std::string R =
    "Chyba !!! Raynoldsovo kritérium je mimo rozsah platnosti KR !!! (1000 až 18000)";
const std::string D =
    "Chyba !!! Vonkajší priemer rúrky je mimo rozsah platnosti KR !!! (11,13 až 40,89 mm)";
const std::string H = "Chyba !!! Výška rebra je mimo rozsah platnosti KR !!! (11,42 až 16,57 mm)";
const std::string F = "Chyba !!! Šírka rebra je mimo rozsah platnosti KR !!! (0,33 až 20,02 mm)";
const std::string P = "Chyba !!! Stúpanie rebra je mimo rozsah platnosti KR !!! (1,3 až 4,06 mm)";

// A window with the finned bank selected, air at tMean = 20 °C and the given fields.
void SetUpFinned(FormRecord& form, const Texts& texts) {
    form.Select(ButtonId::RadioButton18);
    for (const auto& [field, text] :
         {std::pair{EditId::Edit3, "19"}, {EditId::Edit4, "21"}, {EditId::Edit5, "30"}}) {
        form.SetInputText(field, text);
    }
    for (const auto& [field, text] : texts) {
        form.SetInputText(field, text);
    }
}

TEST(FinnedBank, WorkedExampleWithAirAt20Degrees) {
    // w, Re, Nu and alpha (0: not quoted), Re as shown. Edit2 holds 0,5: it plays no part.
    const std::tuple<const char*, double, double, double, const char*> cases[] = {
        {"5", 8285.34, 44.9842, 45.6600, "8285"}, {"1", 1657.07, 0, 0, "1657"}};
    for (const auto& [w, Re, Nu, alpha, shownRe] : cases) {
        FormRecord form;
        SetUpFinned(form, {{EditId::Edit1, w}, {EditId::Edit2, "0,5"}});
        Calculator calc(form);
        calc.Button1Click();
        const CalcState& s = calc.State();
        EXPECT_TRUE(form.Messages().empty()) << w;
        EXPECT_TRUE(calc.ResultsShown()) << w;
        EXPECT_NEAR(s.Re, Re, 5e-3) << w;
        EXPECT_EQ(form.Text(EditId::Edit14), shownRe) << w;
        EXPECT_EQ(s.d, 0.5) << w;
        EXPECT_DOUBLE_EQ(s.alpha, s.Nu * s.lambda / 0.025) << w; // referred to d_b
        EXPECT_NEAR(s.Nu, Nu == 0 ? s.Nu : Nu, 5e-5) << w;
        EXPECT_NEAR(s.alpha, alpha == 0 ? s.alpha : alpha, 5e-5) << w;
    }
}

// The engine alone at the given velocity with nu 1.5e-5 m²/s and Pr 0.7; returns the messages.
Messages RangeMessages(double w, const Texts& texts, int saveToFile = 0) {
    FormRecord form;
    SetUpFinned(form, texts);
    CalcState s;
    s.w = w;
    s.nu = 1.5e-5;
    s.Pr = 0.7;
    s.lambda = 0.026;
    s.sweep.saveToFile = saveToFile;
    CorrelationEngine(s, form).ComputeHeatTransfer();
    EXPECT_TRUE(std::isfinite(s.Nu));
    return form.Messages();
}

TEST(FinnedBank, RangeMessagesBoundsIncluded) {
    // Millimetres; d_a 53,6, d_b 25, f 0,44, P_f 2,46 unless set. The d_b cases keep h = 14,3.
    const std::tuple<const char*, Texts, Messages> cases[] = {
        {"defaults", {}, {}},
        {"d_b 11,13", {{EditId::Edit31, "39,73"}, {EditId::Edit32, "11,13"}}, {}},
        {"d_b 40,89", {{EditId::Edit31, "69,49"}, {EditId::Edit32, "40,89"}}, {}},
        {"d_b 11,12", {{EditId::Edit31, "39,72"}, {EditId::Edit32, "11,12"}}, {D}},
        {"d_b 40,9", {{EditId::Edit31, "69,5"}, {EditId::Edit32, "40,9"}}, {D}},
        {"h 11,42", {{EditId::Edit31, "47,84"}}, {}},
        {"h 16,57", {{EditId::Edit31, "58,14"}}, {}},
        {"h 11,41", {{EditId::Edit31, "47,82"}}, {H}},
        {"h 16,58", {{EditId::Edit31, "58,16"}}, {H}},
        {"f 0,33", {{EditId::Edit33, "0,33"}}, {}},
        {"f 0,32", {{EditId::Edit33, "0,32"}}, {F}},
        {"f 20,02", {{EditId::Edit33, "20,02"}, {EditId::Edit34, "20,5"}}, {P}},
        {"f 20,03", {{EditId::Edit33, "20,03"}, {EditId::Edit34, "20,5"}}, {F, P}},
        {"P_f 1,3", {{EditId::Edit34, "1,3"}}, {}},
        {"P_f 4,06", {{EditId::Edit34, "4,06"}}, {}},
        {"P_f 1,29", {{EditId::Edit34, "1,29"}}, {P}},
        {"P_f 4,07", {{EditId::Edit34, "4,07"}}, {P}},
    };
    for (const auto& [name, texts, messages] : cases) {
        EXPECT_EQ(RangeMessages(5, texts), messages) << name;
    }
    const Texts allOut = {{EditId::Edit31, "60"},
                          {EditId::Edit32, "50"},
                          {EditId::Edit33, "0,2"},
                          {EditId::Edit34, "5"}};
    EXPECT_EQ(RangeMessages(10, allOut), (Messages{R, D, H, F, P}));
    EXPECT_EQ(RangeMessages(10, allOut, 1), Messages{}); // saving to a file
    for (const auto& [Re, messages] : {std::pair{1000.0, Messages{}},
                                       {18000.0, Messages{}},
                                       {999.999, Messages{R}},
                                       {18000.01, Messages{R}}}) {
        EXPECT_EQ(FinnedBankRangeErrors(Re, 0.0536, 0.025, 0.00044, 0.00246), messages) << Re;
    }
}

TEST(FinnedBank, SmallTubeAtLowVelocityShowsTwoMessagesButNoneWhileSaving) {
    const Texts smallTube = {{EditId::Edit31, "38,6"}, {EditId::Edit32, "10"}};
    FormRecord form;
    SetUpFinned(form, smallTube);
    Calculator calc(form);
    calc.Button1Click();
    EXPECT_EQ(form.Messages(), (Messages{R, D}));
    EXPECT_TRUE(calc.ResultsShown());
    EXPECT_LT(calc.State().Re, 1000);

    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("vortalin-finned-" + std::to_string(::getpid()));
    form.ClearMessages();
    form.SetSaveDialogAnswer(file.string());
    calc.Ulodosboru1Click();
    form.SetInputText(EditId::Form2Edit3, "3");
    calc.Button1Click();
    EXPECT_TRUE(form.Messages().empty());
    EXPECT_TRUE(calc.ResultsShown());
    std::ifstream in(file);
    std::string line;
    int lines = 0;
    while (std::getline(in, line)) {
        ++lines;
    }
    EXPECT_EQ(lines, 4); // header and three steps
    std::filesystem::remove(file);
}

TEST(FinnedBank, DegenerateFinsAreRefusedAfterTheirOwnMessages) {
    const std::string U = kUndefinedResultMessage;
    const std::tuple<const char*, Texts, Messages, std::string> cases[] = {
        {"no fin height", {{EditId::Edit31, "25"}}, {H}, U},
        {"fin diameter below the tube's", {{EditId::Edit31, "20"}}, {H}, U},
        {"no fin thickness", {{EditId::Edit33, "0"}}, {F}, U},
        {"no gap between fins", {{EditId::Edit33, "2,46"}}, {}, U},
        {"fins thicker than their pitch", {{EditId::Edit33, "3"}}, {}, U},
        // A negative thickness or pitch is refused as such, after the range messages.
        {"negative thickness, pitch and height (finite)",
         {{EditId::Edit31, "20"}, {EditId::Edit33, "-1"}, {EditId::Edit34, "-3"}},
         {H, F, P},
         "f (mm) nesmie byť záporná !!!"},
        {"no tube", {{EditId::Edit32, "0"}}, {R, D, H}, U},
    };
    for (const auto& [name, texts, messages, refusal] : cases) {
        FormRecord form;
        SetUpFinned(form, texts);
        test::ExpectRefusedAsUndefined(form, messages, name, refusal);
    }
    EXPECT_TRUE(std::isnan(FinnedReynolds(5, 0, 1.5e-5)));
}

TEST(FinnedBank, FieldsAreReadInOrder) {
    const std::vector<EditId> order = {EditId::Edit31, EditId::Edit32, EditId::Edit33,
                                       EditId::Edit34};
    FormRecord form;
    SetUpFinned(form, {});
    for (EditId field : order) {
        form.SetInputText(field, std::string(ControlName(field)) + "?");
    }
    Calculator calc(form);
    test::ExpectFieldsReadInOrder(form, calc, order);
}

} // namespace
} // namespace vortalin
