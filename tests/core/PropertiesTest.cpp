// Property fits of air, water and natural gas, the temperatures and the similarity numbers.

#include "TestSupport.h"
#include "properties/FluidProperties.h"
#include "properties/Temperatures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vortalin {
namespace {

using test::HalfUlpOfDigits;

struct PropertyCase {
    const char* what;
    PropertySet actual;
    double nu, mu, rho, cp, lambda; // NaN: not quoted
};

void ExpectQuoted(const char* what, double actual, double expected, int digits) {
    if (!std::isnan(expected)) {
        EXPECT_NEAR(actual, expected, HalfUlpOfDigits(expected, digits)) << what;
    }
}

TEST(FluidProperties, MatchTheWorkedValues) {
    const double n = std::nan("");
    const PropertyCase cases[] = {
        {"air 20", *AirProperties(20), 1.50869e-5, 1.81955e-5, 1.20605, 1004.66, 0.0253756},
        {"air 1000", *AirProperties(1000), 1.79182e-4, n, 0.266900, 1183.69, 0.0825456},
        {"water 20", *WaterProperties(20), 1.02399e-6, 1.02215e-3, 998.205, 4182.09, 0.595276},
        {"water wall 60", WaterPropertiesAt(60), n, 4.46530e-4, 983.197, 4189.15, 0.652040},
        {"gas 50", *NaturalGasProperties(50), 3.06189e-7, 1.28848e-5, 42.0812, 2657.68, 0.0432514},
    };
    for (const PropertyCase& c : cases) {
        ExpectQuoted(c.what, c.actual.nu, c.nu, 6);
        ExpectQuoted(c.what, c.actual.mu, c.mu, 6);
        ExpectQuoted(c.what, c.actual.rho, c.rho, 6);
        ExpectQuoted(c.what, c.actual.cp, c.cp, 6);
        ExpectQuoted(c.what, c.actual.lambda, c.lambda, 6);
    }
    const PropertySet wall = WaterPropertiesAt(60);
    EXPECT_NEAR(PrandtlNumber(wall.nu, wall.rho, wall.cp, wall.lambda), 2.86881, 5e-6);
    const PropertySet air = *AirProperties(20);
    EXPECT_NEAR(PrandtlNumber(air.nu, air.rho, air.cp, air.lambda), 0.720392, 5e-7);
}

TEST(FluidProperties, RangesAreOpenAndPickTheRightFit) {
    // Air: the bounds -33 and 106 belong to the extended fit, -73 and 2226 to none.
    EXPECT_EQ(AirProperties(-33)->nu, AirExtendedRange(-33).nu);
    EXPECT_EQ(AirProperties(106)->nu, AirExtendedRange(106).nu);
    EXPECT_EQ(AirProperties(-32.9)->nu, AirMainRange(-32.9).nu);
    EXPECT_EQ(AirProperties(105.9)->nu, AirMainRange(105.9).nu);
    for (double t : {-73.0, 2226.0, -100.0, 3000.0}) {
        EXPECT_FALSE(AirProperties(t)) << t;
    }
    for (double t : {0.0, 100.0, -5.0}) {
        EXPECT_FALSE(WaterProperties(t)) << t;
    }
    for (double t : {30.0, 70.0, 20.0}) {
        EXPECT_FALSE(NaturalGasProperties(t)) << t;
    }
    EXPECT_TRUE(WaterProperties(0.1));
    EXPECT_TRUE(NaturalGasProperties(69.9));
    // The wall set of water is evaluated at any temperature.
    EXPECT_TRUE(std::isfinite(WaterPropertiesAt(120).mu));
}

TEST(FluidProperties, DynamicAndKinematicViscosityAgree) {
    for (double t : {-50.0, 0.0, 20.0, 500.0}) {
        const PropertySet air = *AirProperties(t);
        EXPECT_EQ(air.mu, air.nu * air.rho) << t;
    }
    for (const PropertySet& p : {*WaterProperties(40), *NaturalGasProperties(40)}) {
        EXPECT_EQ(p.nu, p.mu / p.rho);
    }
}

TEST(Temperatures, MeanAndLogMeanDifference) {
    struct Case {
        double tIn, tOut, tWall, tMean, dtLog;
    } const cases[] = {
        {20, 40, 80, 30, 49.32607}, // heating
        {80, 40, 20, 60, 36.40957}, // cooling stays positive
        {40, 20, 80, 30, 49.32607}, // swapping the ends changes nothing
        {20, 22, 30, 21, 8.96284},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MeanTemperature(c.tIn, c.tOut), c.tMean);
        EXPECT_NEAR(LogMeanTemperatureDifference(c.tIn, c.tOut, c.tWall), c.dtLog, 5e-6);
    }
    // tIn = tOut and a wall between the ends have no log-mean difference: not a number,
    // never a made-up value. A wall at one end gives the limit 0.
    EXPECT_TRUE(std::isnan(LogMeanTemperatureDifference(20, 20, 30)));
    EXPECT_TRUE(std::isnan(LogMeanTemperatureDifference(20, 30, 25)));
    EXPECT_EQ(LogMeanTemperatureDifference(20, 30, 30), 0);
}

TEST(Criteria, ReynoldsAndPecletOfTheDefaultAir) {
    const PropertySet air = *AirProperties(20);
    const double pr = PrandtlNumber(air.nu, air.rho, air.cp, air.lambda);
    const double re = ReynoldsNumber(1, 0.1, air.nu);
    EXPECT_NEAR(re, 6628.27, 5e-3);
    EXPECT_NEAR(pr * re, 4774.95, 5e-3);
}

} // namespace
} // namespace vortalin
