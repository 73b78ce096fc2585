// Cross-flow over a single pipe: the incidence factor, the Reynolds rows of the power law,
// and the block as the Compute command runs it.

#include "correlations/equations/CrossFlow.h"
#include "app/compute/Calculator.h"
#include "app/compute/Messages.h"
#include "app/form/FormRecord.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace vortalin {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(CrossFlow, IncidenceFactorFromTheAngle) {
    // 3.141592 falls short of π: cos at 90° is +3.3e-7, whose 3.3333rd power vanishes
    // against 1. Beyond 90° the cosine is negative and ψ undefined.
    const std::pair<double, double> cases[] = {{20, 0.561118}, {45, 0.829909}, {60, 0.946424},
                                               {90, 1.0},      {90.1, kNaN},   {120, kNaN}};
    for (const auto& [angle, psi] : cases) {
        if (std::isnan(psi)) {
            EXPECT_TRUE(std::isnan(CrossFlowIncidenceFactor(angle))) << angle;
        } else {
            EXPECT_NEAR(CrossFlowIncidenceFactor(angle), psi, 5e-7) << angle;
        }
    }
}

TEST(CrossFlow, NusseltStepsDownAtReynolds1000AndAlphaFollowsTheAngle) {
    // Pr = PrW = 0.72; alpha with lambda = 0.0253756 W/(m·K) and d = 0.1 m. Above Re 2e5
    // the last band holds: Nu = 0.023 · Re^0.8 · Pr^0.37.
    struct Case {
        double Re, angle, Nu, alpha;
    };
    const Case cases[] = {
        {1000, 90, 13.9559, kNaN},
        {std::nextafter(1000.0, 2000.0), 90, 13.9228, kNaN},
        {10000, 90, 55.4276, 14.0651},
        {10000, 45, 55.4276, 11.6727},
        // the last band, above Re 2e5
        {500000, 90, 738.1028, kNaN},
    };
    for (const Case& c : cases) {
        const double Nu = CrossFlowNusselt(c.Re, 0.72, 0.72);
        EXPECT_NEAR(Nu, c.Nu, 5e-5) << "Re " << c.Re;
        if (!std::isnan(c.alpha)) {
            const double psi = CrossFlowIncidenceFactor(c.angle);
            EXPECT_NEAR(CrossFlowAlpha(psi, Nu, 0.0253756, 0.1), c.alpha, 5e-5) << c.angle;
        }
    }
    // Water heated by a warmer wall, Pr/PrW = 2: the wall factor is 2^0.25.
    EXPECT_NEAR(CrossFlowNusselt(1e5, 6, 3) / CrossFlowNusselt(1e5, 6, 6), std::pow(2, 0.25),
                1e-12);
}

TEST(CrossFlowCompute, AngleRangeIsCheckedBeforeAnUndefinedResult) {
    // Window defaults, air at 21 °C, Re = 6588.27, Pr = 0.72026:
    // Nu = 0.25 · Re^0.6 · Pr^0.38 = 43.1567 at every angle; alpha = ψ · Nu · lambda / d.
    struct Case {
        const char* angle;
        const char* alpha; // Edit17; hyphens when refused with the angle message
    };
    const Case cases[] = {{"20", "6,1619"},     {"90", "10,9815"},   {"19,9", kResetText},
                          {"90,1", kResetText}, {"120", kResetText}, {"-30", kResetText}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        FormRecord form(',');
        form.Select(ButtonId::RadioButton6);
        form.SetInputText(EditId::Edit19, c.angle);
        Calculator calc(form);
        calc.Button1Click();
        const bool shown = c.alpha != kResetText;
        EXPECT_EQ(calc.ResultsShown(), shown);
        EXPECT_EQ(form.Messages(),
                  shown ? std::vector<std::string>{}
                        : std::vector<std::string>{
                              "Uhol medzi prúdiacim médiom a potrubím musí byť v rozsahu 20 až "
                              "90° !!!"});
        EXPECT_EQ(form.Text(EditId::Edit16), shown ? "43,1567" : kResetText);
        EXPECT_EQ(form.Text(EditId::Edit17), c.alpha);
        EXPECT_EQ(form.StatusText(), "");
    }
}

} // namespace
} // namespace vortalin
