// Flat plate and planar slots: the blended plate equation, the slot superposition with its
// two constant terms, and both blocks as the Compute command runs them.

#include "correlations/equations/PlateAndSlots.h"
#include "app/compute/Calculator.h"
#include "app/compute/Messages.h"
#include "app/form/FormRecord.h"
#include "app/form/Selections.h"
#include "properties/FluidProperties.h"
#include "properties/SimilarityNumbers.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace vortalin {
namespace {

TEST(Plate, LaminarTurbulentAndBlendedNusselt) {
    struct Case {
        double Re;
        double nuLam, nuTurb, nu;
        double tolLam, tolTurb, tolNu; // half a unit of the last digit given
    };
    const Case cases[] = {
        {1000, 18.8197, 8.81426, 20.7815, 5e-5, 5e-6, 5e-5},
        {1e5, 188.197, 314.130, 366.191, 5e-4, 5e-4, 5e-4},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(PlateLaminarNusselt(c.Re, 0.72), c.nuLam, c.tolLam) << c.Re;
        EXPECT_NEAR(PlateTurbulentNusselt(c.Re, 0.72), c.nuTurb, c.tolTurb) << c.Re;
        EXPECT_NEAR(PlateNusselt(c.Re, 0.72, 0.72), c.nu, c.tolNu) << c.Re;
    }
    // Water heated by a warmer wall, Pr/PrW = 2: the plate's wall factor is 2^0.25.
    EXPECT_NEAR(PlateNusselt(5000, 6, 3) / PlateNusselt(5000, 6, 6), std::pow(2, 0.25), 1e-12);
}

TEST(Slots, EntranceRegionAndFullyDevelopedLimit) {
    struct Case {
        Geometry slot;
        double nuAt7_2; // Pe · d / slotLength = 720 · 0.01 / 1
        double limit;   // Pe · d / slotLength -> 0: K^0.9999, just below K
    };
    const Case cases[] = {{Geometry::PlanarSlot, 7.79399, 7.53948},
                          {Geometry::SlotInsulatedOneSide, 5.42542, 4.86023}};
    for (const Case& c : cases) {
        const double K = SlotFullyDevelopedNusselt(c.slot);
        const double G = SlotEntranceTerm(720, 0.01, 1);
        EXPECT_NEAR(SlotNusselt(K, G, 0.7, 0.7), c.nuAt7_2, 5e-6) << GeometryName(c.slot);
        EXPECT_NEAR(SlotNusselt(K, SlotEntranceTerm(0, 0.01, 1), 0.7, 0.7), c.limit, 5e-6);
        // The slots' wall factor is (Pr/PrW)^0.14.
        EXPECT_NEAR(SlotNusselt(K, G, 6, 3) / SlotNusselt(K, G, 6, 6), std::pow(2, 0.14), 1e-12);
    }
}

// --- through the Compute command, air (decimal point in the texts) ---

std::string Text(double value) {
    char text[32];
    return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

// The velocity text whose Re = w · d / nu, for air at the mean temperature t, is not below
// Re and within a few bits of it.
std::string VelocityFor(double Re, double d, double t = 21) {
    const double nu = AirProperties(t)->nu;
    double w = Re * nu / d * (1 - 1e-15);
    while (ReynoldsNumber(w, d, nu) < Re) {
        w = std::nextafter(w, 1e9);
    }
    return Text(w);
}

struct FlatRun {
    double Re;
    const char* slotLength;
    bool shown;
    const char* status;
    std::vector<std::string> messages;
};

void Check(Geometry geometry, double t, const FlatRun& run) {
    SCOPED_TRACE(std::string(GeometryName(geometry)) + ", Re " + Text(run.Re) + ", " + Text(t) +
                 " °C, slot length " + run.slotLength);
    FormRecord form('.');
    form.Select(ButtonOf(geometry));
    form.SetInputText(EditId::Edit3, Text(t));
    form.SetInputText(EditId::Edit4, Text(t));
    form.SetInputText(EditId::Edit20, run.slotLength);
    Calculator calc(form);
    // A laminar run first leaves Nu and alpha in the record; a refused run must not show them.
    form.SetInputText(EditId::Edit1, VelocityFor(1000, 0.1, t));
    calc.Button1Click();
    form.ClearMessages();
    form.SetInputText(EditId::Edit1, VelocityFor(run.Re, 0.1, t));
    calc.Button1Click();
    EXPECT_NEAR(calc.State().Re, run.Re, 1e-9);
    EXPECT_EQ(calc.ResultsShown(), run.shown);
    EXPECT_EQ(form.Messages(), run.messages);
    EXPECT_EQ(form.StatusText(), run.status);
    if (!run.shown) {
        EXPECT_EQ(form.Text(EditId::Edit16), kResetText);
        EXPECT_EQ(form.Text(EditId::Edit17), kResetText);
    }
}

TEST(SlotsCompute, LaminarOnlyAndUndefinedForZeroLength) {
    const std::string laminar = "Nachádzate sa v laminárnej oblasti prúdenia.";
    const std::string turbulentSlot =
        "Platnosť kriteriálnej rovnice je len v oblasti laminárneho prúdenia (Re<2300).";
    const FlatRun runs[] = {
        {2299.9, "1", true, laminar.c_str(), {}},
        {2300, "1", false, "", {turbulentSlot}},
        {1000, "0", false, laminar.c_str(), {kUndefinedResultMessage}},
    };
    for (Geometry slot : {Geometry::PlanarSlot, Geometry::SlotInsulatedOneSide}) {
        for (const FlatRun& run : runs) {
            Check(slot, 21, run);
        }
    }
}

TEST(PlateCompute, ReynoldsRangeIsCheckedBeforePrandtl) {
    // No fluid reaches a Pr outside the plate's 0.6 to 2000 (air at −50 °C has Pr 0.714):
    // the Prandtl check is tried on a set Pr, after the Reynolds check.
    const std::string reynolds = "Kriteriálna rovnica nevyhovuje!!! \nReynoldsovo kritérium musí "
                                 "byť v intervale 10 až 1.0e7 "
                                 "!!! \nOdporúčam použiť softvér na výpočet voľnej konvekcie.";
    const std::string prandtl = "Prandtlovo kritérium je mimo rozsah 0.6 až 2000 !!!";
    Check(Geometry::Plate, 21, {5, "1", false, "", {reynolds}});
    Check(Geometry::Plate, 21, {10, "1", true, "", {}});
    Check(Geometry::Plate, 21, {9.99e6, "1", true, "", {}});
    Check(Geometry::Plate, 21, {1.001e7, "1", false, "", {reynolds}});
    Check(Geometry::Plate, -50, {5, "1", false, "", {reynolds}});
    Check(Geometry::Plate, -50, {1000, "1", true, "", {}});
    FormRecord form('.');
    form.Select(ButtonId::RadioButton7);
    Calculator calc(form);
    calc.Button1Click();
    const std::pair<double, double> ReAndPr[] = {{5, 0.5}, {1000, 0.5}, {1000, 2000.5}};
    for (const auto& [Re, Pr] : ReAndPr) {
        form.ClearMessages();
        calc.State().Re = Re;
        calc.State().Pr = Pr;
        EXPECT_FALSE(calc.CheckValidity());
        EXPECT_EQ(form.Messages(), std::vector<std::string>{Re < 10 ? reynolds : prandtl});
    }
    for (const double Re : {10.0, 1e7}) { // the bounds belong to the range
        calc.State().Re = Re;
        calc.State().Pr = 0.7;
        EXPECT_TRUE(calc.CheckValidity()) << Re;
    }
}

} // namespace
} // namespace vortalin
