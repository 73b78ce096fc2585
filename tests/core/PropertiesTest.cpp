// Property fits of air, water and natural gas, the temperatures and the similarity numbers.

#include "properties/FluidProperties.h"
#include "properties/SimilarityNumbers.h"
#include "properties/Temperatures.h"
#include "tests/core/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vortalin {
namespace {

using test::HalfUlpOfDigits;

struct PropertyCase {
    const char* what;
    PropertySet actual;
    double nu, mu, rho, cp, lambda; // NaN: not quoted
    int digits = 6;                 // significant digits quoted
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
        {"water 95", *WaterProperties(95), n, 3.12420e-4, n, 4210.58, 0.678974},
        // Near the top of the fit every term of the density polynomial counts.
        {"water 95 density", *WaterProperties(95), n, n, 961.875935, n, n, 9},
        {"gas 50", *NaturalGasProperties(50), 3.06189e-7, 1.28848e-5, 42.0812, 2657.68, 0.0432514},
    };
    for (const PropertyCase& c : cases) {
        ExpectQuoted(c.what, c.actual.nu, c.nu, c.digits);
        ExpectQuoted(c.what, c.actual.mu, c.mu, c.digits);
        ExpectQuoted(c.what, c.actual.rho, c.rho, c.digits);
        ExpectQuoted(c.what, c.actual.cp, c.cp, c.digits);
        ExpectQuoted(c.what, c.actual.lambda, c.lambda, c.digits);
    }
    const PropertySet wall = WaterPropertiesAt(60);
    EXPECT_NEAR(PrandtlNumber(wall.nu, wall.rho, wall.cp, wall.lambda), 2.86881, 5e-6);
    const PropertySet air = *AirProperties(20);
    EXPECT_NEAR(PrandtlNumber(air.nu, air.rho, air.cp, air.lambda), 0.720392, 5e-7);
}

TEST(FluidProperties, RangesAreOpenAndPickTheRightFit) {
    // Air: the main fit covers -73 < t < 106, the extended fit 106 <= t < 2226; the
    // bounds -73 and 2226 belong to none.
    for (double t : {-72.9, -50.0, -33.0, -32.9, 105.9}) {
        EXPECT_EQ(AirProperties(t)->nu, AirMainRange(t).nu) << t;
        EXPECT_EQ(AirProperties(t)->cp, AirMainRange(t).cp) << t;
    }
    for (double t : {106.0, 1000.0, 2225.9}) {
        EXPECT_EQ(AirProperties(t)->nu, AirExtendedRange(t).nu) << t;
        EXPECT_EQ(AirProperties(t)->cp, AirExtendedRange(t).cp) << t;
    }
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

// Air at 101325 Pa against the ideal gas, rho = 101325 / (287.05 · T), and Sutherland's
// law, mu = 1.716e-5 · (T/273.15)^1.5 · (273.15 + 110.4) / (T + 110.4), with T in K.
TEST(FluidProperties, AirAgainstTheIdealGasAndSutherlandsLaw) {
    const double n = std::nan("");
    struct Case {
        double t;
        double nu, Pr;        // the fit's values, quoted to 5 and 3 digits (NaN: not quoted)
        double nuDev, rhoDev; // largest |deviation| from the references allowed, in %
    } const cases[] = {
        {-72.9, 7.4326e-6, 0.696, 1.5, 3.2}, // the main fit at its cold end
        {-50, 9.1620e-6, 0.714, 0.6, 1.2},
        {-33, 1.0512e-5, 0.720, 0.2, 0.4},
        {-32.9, 1.0521e-5, 0.720, 0.2, 0.4},
        {20, n, n, 0.2, 0.2},
        {105.9, n, n, 0.3, 0.4},
        {106, n, n, 1.3, 1.7}, // the extended fit from here on
        {500, n, n, 4.0, 4.0},
        {1000, n, n, 3.8, 3.8},
        {2225.9, n, n, 10.2, 19.3}, // the extended fit at its hot end
    };
    for (const Case& c : cases) {
        const PropertySet air = *AirProperties(c.t);
        const double T = c.t + 273.15;
        const double rho = 101325 / (287.05 * T);
        const double mu = 1.716e-5 * std::pow(T / 273.15, 1.5) * (273.15 + 110.4) / (T + 110.4);
        EXPECT_LE(std::fabs(air.nu / (mu / rho) - 1) * 100, c.nuDev) << c.t;
        EXPECT_LE(std::fabs(air.rho / rho - 1) * 100, c.rhoDev) << c.t;
        ExpectQuoted("nu", air.nu, c.nu, 5);
        ExpectQuoted("Pr", PrandtlNumber(air.nu, air.rho, air.cp, air.lambda), c.Pr, 3);
    }
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
    // Equal end temperatures: the limit |tWall − tIn|, for heating and cooling alike.
    EXPECT_EQ(LogMeanTemperatureDifference(20, 20, 30), 10);
    EXPECT_EQ(LogMeanTemperatureDifference(20, 20, 5), 15);
    EXPECT_TRUE(std::isnan(LogMeanTemperatureDifference(20, 20, 20)));
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
