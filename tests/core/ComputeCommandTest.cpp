// The Compute command end to end on the window record: validity checks in their order,
// conversion failures, temperatures no fit covers, undefined results.

#include "app/compute/Calculator.h"
#include "app/compute/ConversionError.h"
#include "app/compute/Messages.h"
#include "app/form/FormRecord.h"
#include "app/form/Geometries.h"
#include "app/form/InputFields.h"
#include "app/form/Selections.h"
#include "app/format/NumberFormat.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace vortalin {
namespace {

constexpr std::array<EditId, 12> kOutputs = {
    EditId::Edit6,  EditId::Edit7,  EditId::Edit9,  EditId::Edit10, EditId::Edit11, EditId::Edit12,
    EditId::Edit13, EditId::Edit14, EditId::Edit15, EditId::Edit16, EditId::Edit17, EditId::Edit18,
};

const char* const kMessage1 = "Reynoldsovo kritérium je nad limit 1.0e6 !!!";
const char* const kMessage9 =
    "Kriteriálna rovnica nevyhovuje!!! \nReynoldsovo kritérium musí byť v intervale 10 až 1.0e7 "
    "!!! \nOdporúčam použiť softvér na výpočet voľnej konvekcie.";
const char* const kMessage13 = "Stredná teplota vzduchu je mimo teplotný rozsah -73 až 2226°C !!!";
const char* const kMessage14 = "Stredná teplota vody je mimo teplotný rozsah 0 až 100°C !!!";
const char* const kGasMessage =
    "Stredná teplota zemného plynu je mimo teplotný rozsah 30 až 70°C !!!";

class ComputeCommand : public ::testing::Test {
protected:
    FormRecord form{','};
    Calculator calc{form};

    void Set(EditId field, const char* text) { form.SetInputText(field, text); }
    void SetTemperatures(const char* tIn, const char* tOut, const char* tWall) {
        Set(EditId::Edit3, tIn);
        Set(EditId::Edit4, tOut);
        Set(EditId::Edit5, tWall);
    }
    void ExpectAllOutputs(const std::string& text) {
        for (EditId field : kOutputs) {
            EXPECT_EQ(form.Text(field), text) << ControlName(field);
        }
    }
    // Runs the pipeline, then puts Re where the check under test needs it.
    bool CheckWithReynolds(double Re) {
        calc.ResetOutputs();
        calc.ReadInputs();
        calc.ComputeTemperatures();
        calc.ComputeProperties();
        calc.ComputeCriteria();
        calc.ComputeHeatTransfer();
        calc.State().Re = Re;
        return calc.CheckValidity();
    }
};

TEST_F(ComputeCommand, PipeChecksLeaveTheBandBoundsAlone) {
    // Re exactly on a band's bound falls into neither band, whatever Pr and d/L are.
    Set(EditId::Edit8, "0,05"); // d/L = 2
    for (double Re : {2300.0, 10000.0, 1000000.0}) {
        form.ClearMessages();
        EXPECT_TRUE(CheckWithReynolds(Re)) << Re;
        EXPECT_TRUE(form.Messages().empty()) << Re;
    }
    const std::pair<double, const char*> fired[] = {
        {2300.5, "Pomer d/L nesmie byť väčší ako 1 !!!"},
        {9999.5, "Pomer d/L nesmie byť väčší ako 1 !!!"},
        {10000.5, "Pomer d/L nesmie byť väčší ako 1 !!!"},
        {1000000.5, kMessage1},
    };
    for (const auto& [Re, message] : fired) {
        form.ClearMessages();
        EXPECT_FALSE(CheckWithReynolds(Re)) << Re;
        EXPECT_EQ(form.Messages(), std::vector<std::string>{message}) << Re;
    }
}

TEST_F(ComputeCommand, ReynoldsLimitOfAirDependsOnTheMeanTemperature) {
    SetTemperatures("50", "50", "60"); // tMean 50: check 1 applies
    EXPECT_FALSE(CheckWithReynolds(2000000));
    EXPECT_EQ(form.Messages(), std::vector<std::string>{kMessage1});
    form.ClearMessages();
    SetTemperatures("200", "200", "260"); // tMean 200: no pipe check applies
    EXPECT_TRUE(CheckWithReynolds(2000000));
    EXPECT_TRUE(form.Messages().empty());
}

TEST_F(ComputeCommand, PrandtlBandsOfThePipe) {
    form.Select(ButtonId::RadioButton5); // water at 21 °C: Pr about 7, inside both bands
    EXPECT_TRUE(CheckWithReynolds(5000));
    calc.State().Pr = 0.5; // below 0.6, above 0.1
    EXPECT_FALSE(calc.CheckValidity());
    EXPECT_EQ(form.Messages().back(), "Prandtlovo kritérium je mimo rozsah 0.6 až 1000 !!!");
    calc.State().Re = 20000;
    EXPECT_TRUE(calc.CheckValidity());
    calc.State().Pr = 0.09;
    EXPECT_FALSE(calc.CheckValidity());
    EXPECT_EQ(form.Messages().back(), "Prandtlovo kritérium je mimo rozsah 0.1 až 1000 !!!");
}

TEST_F(ComputeCommand, APlateShowsOnlyTheFirstCheckThatFires) {
    form.Select(ButtonId::RadioButton7);
    calc.Button1Click(); // computes the plate's properties
    form.ClearMessages();
    calc.State().Pr = 3000;
    calc.State().Re = 5;
    EXPECT_FALSE(calc.CheckValidity());
    EXPECT_EQ(form.Messages(), std::vector<std::string>{kMessage9});
}

TEST_F(ComputeCommand, UncoveredTemperatureIsTheRefusalInEveryGeometryWhateverRanBefore) {
    // With no fit covering tMean, Re and Pr are not this run's: the fluid's temperature
    // message comes before every check that judges them, on a first run and after a run of
    // another fluid that computed its properties.
    const struct {
        ButtonId fluid;
        const char *tIn, *tOut, *tWall;
        const char* message;
        ButtonId before; // the fluid of the earlier run, at the window's temperatures
    } cases[] = {
        {ButtonId::RadioButton2, "-100", "-100", "20", kMessage13, ButtonId::RadioButton5},
        {ButtonId::RadioButton2, "-80", "-80", "20", kMessage13, ButtonId::RadioButton5},
        {ButtonId::RadioButton2, "3000", "3000", "20", kMessage13, ButtonId::RadioButton5},
        {ButtonId::RadioButton2, "-73", "-73", "20", kMessage13, ButtonId::RadioButton5},
        {ButtonId::RadioButton2, "2226", "2226", "20", kMessage13, ButtonId::RadioButton5},
        {ButtonId::RadioButton5, "-5", "-5", "20", kMessage14, ButtonId::RadioButton2},
        {ButtonId::RadioButton5, "0", "0", "20", kMessage14, ButtonId::RadioButton2},
        {ButtonId::RadioButton5, "100", "100", "20", kMessage14, ButtonId::RadioButton2},
        {ButtonId::RadioButton5, "101", "101", "20", kMessage14, ButtonId::RadioButton2},
        {ButtonId::RadioButton5, "110", "110", "20", kMessage14, ButtonId::RadioButton2},
        {ButtonId::RadioButton17, "30", "30", "40", kGasMessage, ButtonId::RadioButton2},
        {ButtonId::RadioButton17, "70", "70", "40", kGasMessage, ButtonId::RadioButton5},
        {ButtonId::RadioButton17, "20", "20", "40", kGasMessage, ButtonId::RadioButton2},
    };
    for (const auto& c : cases) {
        for (ButtonId geometry : ButtonsOf(kGeometries)) {
            SCOPED_TRACE(std::string(ControlName(geometry)) + " " +
                         std::string(ControlName(c.fluid)) + " " + c.tIn);
            FormRecord fresh(',');
            Calculator run(fresh);
            fresh.Select(geometry);
            const auto runTheCase = [&] {
                fresh.Select(c.fluid);
                fresh.SetInputText(EditId::Edit3, c.tIn);
                fresh.SetInputText(EditId::Edit4, c.tOut);
                fresh.SetInputText(EditId::Edit5, c.tWall);
                fresh.ClearMessages();
                run.Button1Click();
                EXPECT_FALSE(run.ResultsShown());
                EXPECT_EQ(fresh.Messages(), std::vector<std::string>{c.message});
                EXPECT_EQ(fresh.StatusText(), "");
            };
            runTheCase();
            fresh.Select(c.before);
            for (EditId field : {EditId::Edit3, EditId::Edit4, EditId::Edit5}) {
                fresh.SetInputText(field, DefaultText(field, ','));
            }
            run.Button1Click();
            ASSERT_TRUE(run.Computed().properties);
            runTheCase();
        }
    }
}

TEST_F(ComputeCommand, AirAtMinus50TakesTheMainFitInAPipeAndAlongAPlate) {
    // Main fit at -50 °C: rho 1.563065, nu 9.16201e-6, cp 1006.005, lambda 0.0201883,
    // Pr 0.71362; Re = 1 · 0.1 / nu = 10914.6.
    for (ButtonId geometry : {ButtonId::RadioButton1, ButtonId::RadioButton7}) {
        FormRecord fresh(',');
        Calculator run(fresh);
        fresh.Select(geometry);
        fresh.SetInputText(EditId::Edit3, "-49");
        fresh.SetInputText(EditId::Edit4, "-51");
        run.Button1Click();
        EXPECT_TRUE(run.ResultsShown()) << ControlName(geometry);
        const std::pair<EditId, const char*> shown[] = {
            {EditId::Edit9, "1,563"},     {EditId::Edit10, "9,162E-006"},
            {EditId::Edit12, "1006,005"}, {EditId::Edit13, "0,0202"},
            {EditId::Edit14, "10915"},    {EditId::Edit15, "0,7136"},
        };
        for (const auto& [field, text] : shown) {
            EXPECT_EQ(fresh.Text(field), text) << ControlName(geometry) << ControlName(field);
        }
    }
}

TEST_F(ComputeCommand, ARefusedRunNeverShowsTheValuesOfAnEarlierOne) {
    calc.Button1Click();
    ASSERT_TRUE(calc.ResultsShown());
    form.Select(ButtonId::RadioButton17); // natural gas at 21 °C: no fit
    calc.Button1Click();
    EXPECT_FALSE(calc.ResultsShown());
    ExpectAllOutputs(kResetText);
    EXPECT_EQ(form.Messages(), std::vector<std::string>{kGasMessage});
    EXPECT_EQ(form.StatusText(), ""); // no regime judged on properties from before
    // Air inside its range, gas inside its range: both computed again.
    form.Select(ButtonId::RadioButton2);
    calc.Button1Click();
    EXPECT_EQ(form.Text(EditId::Edit6), "21,000");
    form.Select(ButtonId::RadioButton17);
    SetTemperatures("40", "60", "80");
    calc.Button1Click();
    EXPECT_TRUE(calc.ResultsShown());
    EXPECT_EQ(form.Text(EditId::Edit6), "50,000");
}

TEST_F(ComputeCommand, ConversionFailureStopsAtTheFieldAndKeepsLaterOnes) {
    const struct {
        EditId field;
        const char* text;
    } cases[] = {{EditId::Edit1, ""},
                 {EditId::Edit3, "1.5"},
                 {EditId::Edit5, "abc"},
                 {EditId::Edit20, "1,5x"}};
    for (const auto& c : cases) {
        FormRecord fresh(',');
        Calculator run(fresh);
        run.Button1Click();
        const CalcState before = run.State();
        fresh.SetInputText(EditId::Edit1, "2");   // read before every failing field but Edit1
        fresh.SetInputText(EditId::Edit19, "45"); // after every failing field but Edit20
        fresh.SetInputText(c.field, c.text);
        try {
            run.Button1Click();
            ADD_FAILURE() << "no failure for '" << c.text << "'";
        } catch (const ConversionError& e) {
            // An empty field is named as empty, any other text is quoted.
            const std::string named =
                *c.text == '\0' ? std::string(kEmptyFieldText) : "'" + std::string(c.text) + "'";
            EXPECT_NE(std::string(e.what()).find(named), std::string::npos);
        }
        EXPECT_FALSE(run.ResultsShown());
        for (EditId field : kOutputs) {
            EXPECT_EQ(fresh.Text(field), kResetText);
        }
        EXPECT_EQ(fresh.StatusText(), "");
        EXPECT_EQ(run.State().w, c.field == EditId::Edit1 ? before.w : 2);
        EXPECT_EQ(run.State().angle, c.field == EditId::Edit20 ? 45 : before.angle);
        EXPECT_EQ(run.State().tMean, before.tMean); // nothing computed after the failure
    }
}

TEST_F(ComputeCommand, DisabledDiameterFieldIsStillConverted) {
    form.Select(ButtonId::RadioButton10);
    GeometryButtonEnter(form, ButtonId::RadioButton10);
    EXPECT_FALSE(form.DiameterFieldEnabled());
    EXPECT_EQ(form.DiameterFieldColour(), FieldColour::Silver);
    Set(EditId::Edit2, "x");
    EXPECT_THROW(calc.Button1Click(), ConversionError);
    ExpectAllOutputs(kResetText);
}

TEST_F(ComputeCommand, EqualEndTemperaturesShowTheLimitOfTheLogMeanDifference) {
    SetTemperatures("21", "21", "30");
    calc.Button1Click();
    EXPECT_TRUE(calc.ResultsShown());
    EXPECT_EQ(form.Text(EditId::Edit7), "9,000");
    EXPECT_EQ(form.Text(EditId::Edit6), "21,000");
    EXPECT_EQ(form.Text(EditId::Edit16), "27,0810");
}

TEST_F(ComputeCommand, UndefinedLogMeanDifferenceIsShownAsSuchWithTheOtherResults) {
    SetTemperatures("20", "22", "21"); // the wall between the end temperatures
    calc.Button1Click();
    EXPECT_TRUE(calc.ResultsShown());
    EXPECT_EQ(form.Text(EditId::Edit7), kUndefinedValueText);
    EXPECT_EQ(form.Text(EditId::Edit6), "21,000");
}

TEST_F(ComputeCommand, UndefinedNusseltNumberIsRefusedAfterTheChecks) {
    Set(EditId::Edit1, "0,1"); // laminar
    Set(EditId::Edit8, "0");   // zero length: the entrance term is infinite
    calc.Button1Click();
    EXPECT_FALSE(calc.ResultsShown());
    EXPECT_EQ(form.Messages(), std::vector<std::string>{kUndefinedResultMessage});
    ExpectAllOutputs(kResetText);
    EXPECT_EQ(form.StatusText(), "Nachádzate sa v laminárnej oblasti prúdenia.");
}

TEST_F(ComputeCommand, AFiredCheckKeepsTheRegimeTextAndShowsFourteenHyphens) {
    Set(EditId::Edit1, "50");   // Re about 329000, turbulent
    Set(EditId::Edit8, "0,05"); // d/L = 2
    calc.Button1Click();
    EXPECT_FALSE(calc.ResultsShown());
    EXPECT_EQ(form.Messages(), std::vector<std::string>{"Pomer d/L nesmie byť väčší ako 1 !!!"});
    EXPECT_EQ(form.StatusText(), "Nachádzate sa v turbulentnej oblasti prúdenia.");
    ExpectAllOutputs(kResetText);
}

TEST_F(ComputeCommand, PointSeparatorReadsAndWritesPoints) {
    FormRecord dotted('.');
    Calculator run(dotted);
    EXPECT_EQ(dotted.Text(EditId::Edit2), "0.1");
    run.Button1Click();
    EXPECT_EQ(dotted.Text(EditId::Edit10), "1.518E-005");
    EXPECT_EQ(dotted.Text(EditId::Edit16), "27.0810");
}

// A refusal that is about one input names it, so that the window can put the focus there.
TEST_F(ComputeCommand, RefusalNamesTheInputItIsAbout) {
    const struct {
        ButtonId geometry;
        EditId field;
        const char* text;
        std::optional<EditId> named;
    } cases[] = {
        {ButtonId::RadioButton1, EditId::Edit2, "-0,1", EditId::Edit2},
        {ButtonId::RadioButton12, EditId::Edit27, "-0,02", EditId::Edit27},
        {ButtonId::RadioButton6, EditId::Edit19, "10", EditId::Edit19},
        {ButtonId::RadioButton7, EditId::Edit1, "0,0001", std::nullopt}, // Re below 10
        {ButtonId::RadioButton1, EditId::Edit1, "1", std::nullopt},      // shown
    };
    for (const auto& c : cases) {
        FormRecord record(',');
        SelectAsClicked(record, c.geometry);
        record.SetInputText(c.field, c.text);
        Calculator run(record);
        run.Button1Click();
        EXPECT_EQ(run.RefusedField(), c.named) << ControlName(c.field) << " " << c.text;
        EXPECT_EQ(run.ResultsShown(), !run.RefusalMessage().has_value());
    }
}

} // namespace
} // namespace vortalin
