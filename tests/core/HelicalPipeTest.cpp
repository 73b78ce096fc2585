// Helical pipe: the coil's geometry, the three regimes with their bounds, and the block as
// the Compute command runs it (its own Re from the tube diameter of the coil).

#include "correlations/equations/HelicalPipe.h"
#include "app/compute/Calculator.h"
#include "app/form/FormRecord.h"
#include "properties/SimilarityNumbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace vortalin {
namespace {

TEST(HelicalPipe, NusseltAcrossTheRegimesOfTheDefaultCoil) {
    // dt = 0.01 m, D = 0.1 m, h = 0.02 m; Pr = 0.7, PrW = 0.69.
    const double Dw = HelicalEffectiveCoilDiameter(0.1, 0.02);
    const double x = HelicalCurvatureRatio(0.01, Dw);
    const double Recrit = HelicalCriticalReynolds(x);
    const double m = HelicalLaminarExponent(x);
    EXPECT_NEAR(Dw, 0.1004053, 5e-8);
    EXPECT_NEAR(x, 0.0995963, 5e-8);
    EXPECT_NEAR(Recrit, 9305.45, 5e-3);

    enum class Step { Laminar, Transitional, Turbulent };
    struct Case {
        Step step;
        double Re, Nu, tolerance;
    };
    const Case cases[] = {
        {Step::Laminar, 1000, 12.592, 5e-4},
        {Step::Laminar, 9000, 43.918, 5e-4},
        {Step::Transitional, 15000, 62.210, 5e-4},
        {Step::Transitional, 22000, 83.439, 5e-4}, // γ = 0: the wall factor twice
        {Step::Turbulent, std::nextafter(22000.0, 1e9), 83.271, 5e-4},
        {Step::Turbulent, 50000, 161.04, 5e-3},
    };
    for (const Case& c : cases) {
        const double gamma = HelicalTransitionalWeight(c.Re, Recrit);
        const double Nu = c.step == Step::Laminar ? HelicalLaminarNusselt(c.Re, x, m, 0.7, 0.69)
                          : c.step == Step::Transitional
                              ? HelicalTransitionalNusselt(gamma, Recrit, x, m, 0.7, 0.69)
                              : HelicalTurbulentNusselt(c.Re, x, 0.7, 0.69);
        EXPECT_NEAR(Nu, c.Nu, c.tolerance) << "Re " << c.Re;
    }
}

// The whole Compute command, air at 21 °C, helical pipe with tube diameter dt.
struct Coil {
    FormRecord form{'.'};
    Calculator calc{form};

    Coil(const char* w, const char* dt, const char* hydraulicDiameter = "0.1") {
        form.Select(ButtonId::RadioButton10);
        form.SetInputText(EditId::Edit1, w);
        form.SetInputText(EditId::Edit2, hydraulicDiameter);
        form.SetInputText(EditId::Edit21, dt);
        calc.Button1Click();
    }
};

TEST(HelicalPipeCompute, ShowsItsOwnReynoldsNumberWhateverTheHydraulicDiameter) {
    const Coil wide("1", "0.01", "0.1");
    const Coil narrow("1", "0.01", "0.013");
    EXPECT_EQ(wide.calc.State().Re, ReynoldsNumber(1, 0.01, wide.calc.State().nu));
    EXPECT_NE(wide.calc.State().Pe, narrow.calc.State().Pe); // Pe still comes from d
    const std::pair<EditId, const char*> shown[] = {
        {EditId::Edit14, "659"}, {EditId::Edit16, "10.4143"}, {EditId::Edit17, "26.4999"}};
    for (const auto& [field, text] : shown) {
        EXPECT_EQ(wide.form.Text(field), text) << ControlName(field);
        EXPECT_EQ(narrow.form.Text(field), text) << ControlName(field);
    }
}

TEST(HelicalPipeCompute, RegimeTextAndAlphaFromTheTubeDiameter) {
    struct Case {
        const char *w, *dt, *status;
    };
    // With dt = D = 0.1, x ≈ 0.996 and Recrit ≈ 22044 exceeds 22000: no Re is transitional,
    // and between the two both the laminar and the turbulent step run, the turbulent last.
    const Case cases[] = {
        {"1", "0.01", "laminárnej"},       // Re 659
        {"30", "0.01", "prechodovej"},     // Re 19765, Recrit 9305
        {"50", "0.01", "turbulentnej"},    // Re 32941
        {"3.3390", "0.1", "laminárnej"},   // Re 21998
        {"3.3423", "0.1", "turbulentnej"}, // Re 22020
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("w ") + c.w + ", dt " + c.dt);
        const Coil coil(c.w, c.dt);
        const CalcState& s = coil.calc.State();
        EXPECT_TRUE(coil.calc.ResultsShown());
        EXPECT_EQ(coil.form.StatusText(),
                  std::string("Nachádzate sa v ") + c.status + " oblasti prúdenia.");
        EXPECT_DOUBLE_EQ(s.alpha / s.Nu, s.lambda / std::stod(c.dt));
    }
}

} // namespace
} // namespace vortalin
