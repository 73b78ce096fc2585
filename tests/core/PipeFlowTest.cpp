// Flow through a pipe: the three regimes under both heating modes, and the engine's choice
// of block at the regime bounds.

#include "correlations/equations/PipeFlow.h"
#include "app/form/FormRecord.h"
#include "app/form/Selections.h"
#include "correlations/engine/Engine.h"
#include "tests/core/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vortalin {
namespace {

constexpr double kPr = 0.7;
constexpr double kPrW = 0.69;
constexpr double kD = 0.1;
constexpr double kLength = 1;
constexpr double kJustBelow2300 = 2299.9999999;
constexpr double kJustAbove10000 = 10000.0000001;

struct PipeCase {
    HeatingMode mode;
    double Re;
    double Nu;
    Regime regime;
    double length = kLength;
};

const PipeCase kPipeCases[] = {
    {HeatingMode::ConstWallTemp, kJustBelow2300, 8.347, Regime::Laminar},
    {HeatingMode::ConstWallTemp, 2300, 10.907, Regime::Transitional},
    {HeatingMode::ConstWallTemp, 5000, 20.889, Regime::Transitional},
    {HeatingMode::ConstWallTemp, 10000, 39.374, Regime::Transitional},
    {HeatingMode::ConstWallTemp, kJustAbove10000, 39.344, Regime::Turbulent},
    {HeatingMode::ConstHeatFlux, kJustBelow2300, 10.314, Regime::Laminar},
    {HeatingMode::ConstHeatFlux, 2300, 14.472, Regime::Transitional},
    {HeatingMode::ConstHeatFlux, kJustAbove10000, 39.344, Regime::Turbulent},
    // A short pipe, Pe·d/L = 1.4e6: the entrance term (Pe·d/L)^0.333333 carries Nu.
    {HeatingMode::ConstWallTemp, 2000, 180.3215, Regime::Laminar, 1e-4},
};

// Runs the engine on a state with the example's numbers and the pipe selected.
struct EngineRun {
    FormRecord form;
    CalcState state;
    bool ran = false;

    EngineRun(HeatingMode mode, double Re, double length = kLength) {
        form.Select(ButtonOf(mode));
        state.Re = Re;
        state.Pr = kPr;
        state.PrW = kPrW;
        state.Pe = Re * kPr;
        state.d = kD;
        state.length = length;
        state.lambda = 0.026;
        ran = CorrelationEngine(state, form).ComputeHeatTransfer();
    }
};

TEST(PipeFlow, WorkedNusseltNumbersAndRegimeTexts) {
    for (const PipeCase& c : kPipeCases) {
        EngineRun run(c.mode, c.Re, c.length);
        const auto what = ::testing::Message() << "Re " << c.Re << " mode " << int(c.mode);
        ASSERT_TRUE(run.ran) << what;
        EXPECT_NEAR(run.state.Nu, c.Nu, 5e-4) << what; // 3e-6 of Nu in the short pipe
        EXPECT_DOUBLE_EQ(run.state.alpha, run.state.Nu * 0.026 / kD) << what;
        EXPECT_EQ(run.form.StatusText(), RegimeText(c.regime)) << what;
    }
}

TEST(PipeFlow, TransitionalEndsMeetTheirEndValues) {
    // At Re = 2300 only the laminar end value counts, at 10000 only the turbulent one.
    for (HeatingMode mode : {HeatingMode::ConstWallTemp, HeatingMode::ConstHeatFlux}) {
        const double atTurbulentEnd = PipeTransitionalNusselt(10000, kPr, kPrW, kD, kLength, mode);
        const double nuT = (1 + std::pow(kD / kLength, 0.66666)) * 38.5 * kPr /
                           (1 + 12.7 * std::sqrt(0.00385) * (std::pow(kPr, 0.66666) - 1));
        EXPECT_DOUBLE_EQ(atTurbulentEnd, std::pow(kPr / kPrW, 0.11) * nuT);
    }
}

TEST(PipeFlow, HeatingModeDoesNotMatterWhenTurbulent) {
    for (double Re : {10001.0, 50000.0, 900000.0}) {
        EngineRun wall(HeatingMode::ConstWallTemp, Re);
        EngineRun flux(HeatingMode::ConstHeatFlux, Re);
        EXPECT_EQ(wall.state.Nu, flux.state.Nu) << Re;
    }
}

TEST(PipeFlow, NoBlockRunsForANonNumberReynolds) {
    EngineRun run(HeatingMode::ConstWallTemp, std::nan(""));
    EXPECT_FALSE(run.ran);
    EXPECT_EQ(run.form.StatusText(), "");
}

} // namespace
} // namespace vortalin
