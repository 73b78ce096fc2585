// The regime decisions of the equations, at and beside their bounds, and the regime texts.
// Plain numbers in, a regime out: no window, record or control is involved.

#include "correlations/equations/HelicalPipe.h"
#include "correlations/equations/PipeFlow.h"
#include "correlations/equations/PlateAndSlots.h"
#include "correlations/equations/Regime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace vortalin {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::optional<Regime> kNone = std::nullopt;
constexpr Regime kLam = Regime::Laminar;
constexpr Regime kTrans = Regime::Transitional;
constexpr Regime kTurb = Regime::Turbulent;

TEST(PipeRegime, BoundsAsCompared) {
    const struct {
        double Re;
        std::optional<Regime> regime;
    } cases
        [] =
            {
                {-1, kLam},      {std::nextafter(2300.0, 0.0), kLam},
                {2300, kTrans}, // both bounds belong to the transitional range
                {10000, kTrans}, {std::nextafter(10000.0, 1e9), kTurb},
                {1e7, kTurb},    {kNaN, kNone},
            };
    for (const auto& c : cases) {
        EXPECT_EQ(PipeRegime(c.Re), c.regime) << c.Re;
    }
}

TEST(HelicalRegime, BoundsAsComparedAlsoWhenRecritExceedsTheTurbulentBound) {
    const struct {
        double Re;
        double Recrit;
        std::optional<Regime> regime;
    } cases[] = {
        {9000, 9305.45, kLam},
        {9305.45, 9305.45, kTrans},
        {22000, 9305.45, kTrans},
        {std::nextafter(22000.0, 1e9), 9305.45, kTurb},
        // Recrit above 22000: no transitional range.
        {22000, 22044, kLam},
        {22010, 22044, kTurb},
        {30000, 22044, kTurb},
        {kNaN, 9305.45, kNone},
        {1000, kNaN, kNone},
        {30000, kNaN, kTurb},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HelicalRegime(c.Re, c.Recrit), c.regime) << c.Re << " " << c.Recrit;
    }
}

TEST(SlotFlowIsLaminar, BelowTheLaminarBoundOnly) {
    EXPECT_TRUE(SlotFlowIsLaminar(std::nextafter(2300.0, 0.0)));
    EXPECT_FALSE(SlotFlowIsLaminar(2300));
    EXPECT_FALSE(SlotFlowIsLaminar(kNaN));
}

TEST(RegimeText, TheThreeStatusTexts) {
    EXPECT_EQ(RegimeText(kLam), "Nachádzate sa v laminárnej oblasti prúdenia.");
    EXPECT_EQ(RegimeText(kTrans), "Nachádzate sa v prechodovej oblasti prúdenia.");
    EXPECT_EQ(RegimeText(kTurb), "Nachádzate sa v turbulentnej oblasti prúdenia.");
}

} // namespace
} // namespace vortalin
