// The table of the fits' largest deviations from their references and its lookup.

#include "properties/FitDeviations.h"
#include "properties/FluidProperties.h"
#include "properties/SimilarityNumbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace vortalin {
namespace {

constexpr FluidProperty kAll[] = {
    FluidProperty::Density,
    FluidProperty::DynamicViscosity,
    FluidProperty::KinematicViscosity,
    FluidProperty::ThermalConductivity,
    FluidProperty::SpecificHeat,
    FluidProperty::PrandtlNumber,
};

TEST(FitDeviations, AirFitAtFollowsTheRangesOfAirProperties) {
    const std::pair<double, std::optional<PropertyFit>> cases[] = {
        {-73, std::nullopt},
        {-72.9, PropertyFit::AirMain},
        {-33, PropertyFit::AirMain}, // the main fit serves below -33 °C too
        {105.9, PropertyFit::AirMain},
        {106, PropertyFit::AirExtended},
        {2225.9, PropertyFit::AirExtended},
        {2226, std::nullopt},
    };
    for (const auto& [t, fit] : cases) {
        EXPECT_EQ(AirFitAt(t), fit) << t;
    }
}

TEST(FitDeviations, LookupFindsTheIntervalOfTheTemperature) {
    // Percent values from a spot check of the fits against python3-iapws, to 0.05.
    struct Case {
        PropertyFit fit;
        FluidProperty property;
        double t;
        double from, to, percent;
        const char* reference;
    } const cases[] = {
        {PropertyFit::Water, FluidProperty::DynamicViscosity, 99.5, 90, 100, 7.3, "IAPWS 2008"},
        {PropertyFit::Water, FluidProperty::DynamicViscosity, 60, 50, 60, -4.2, "IAPWS 2008"},
        {PropertyFit::Water, FluidProperty::Density, 0.5, 0, 10, 0, "IAPWS-95"},
        {PropertyFit::AirExtended, FluidProperty::Density, 1710, 1700, 1720, 7.5,
         "Lemmon et al. 2000"},
        {PropertyFit::AirExtended, FluidProperty::Density, 1726.85, 1720, 1726.85, 7.5,
         "Lemmon et al. 2000"},
        {PropertyFit::AirMain, FluidProperty::ThermalConductivity, 105, 100, 106, -3.1,
         "Lemmon & Jacobsen 2004"},
        {PropertyFit::AirMain, FluidProperty::PrandtlNumber, -72.9, -73, -60, -3.6,
         "Lemmon et al. 2000, Lemmon & Jacobsen 2004"},
    };
    for (const Case& c : cases) {
        const std::optional<FitDeviation> d = LargestDeviation(c.fit, c.property, c.t);
        ASSERT_TRUE(d) << c.t;
        EXPECT_EQ(d->from, c.from) << c.t;
        EXPECT_EQ(d->to, c.to) << c.t;
        EXPECT_NEAR(d->percent, c.percent, 0.05) << c.t;
        EXPECT_STREQ(d->reference, c.reference) << c.t;
    }
}

TEST(FitDeviations, NoFigureWhereNoReferenceCoversTheFit) {
    const std::pair<PropertyFit, double> cases[] = {
        {PropertyFit::Water, -0.1},       {PropertyFit::Water, 100.1},
        {PropertyFit::AirMain, -73.1},    {PropertyFit::AirMain, 110},
        {PropertyFit::AirExtended, 100},  {PropertyFit::AirExtended, 1727},
        {PropertyFit::AirExtended, 2225},
    };
    for (const auto& [fit, t] : cases) {
        for (FluidProperty property : kAll) {
            EXPECT_FALSE(LargestDeviation(fit, property, t)) << t;
        }
    }
}

// --- the table against the fits and the reference tables ---

struct ReferencePoint {
    double t;
    double values[kFluidPropertyCount];
};

std::vector<ReferencePoint> ReadReference(const std::string& name) {
    std::ifstream in(std::string(VORTALIN_REFERENCE_DIR) + "/" + name);
    std::vector<ReferencePoint> points;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#' || line.rfind("t_C,", 0) == 0) {
            continue;
        }
        std::istringstream fields(line);
        ReferencePoint p{};
        char comma = 0;
        fields >> p.t;
        for (double& v : p.values) {
            fields >> comma >> v;
        }
        points.push_back(p);
    }
    return points;
}

double Deviation(PropertyFit fit, FluidProperty property, const ReferencePoint& point) {
    const PropertySet p = fit == PropertyFit::Water     ? WaterPropertiesAt(point.t)
                          : fit == PropertyFit::AirMain ? AirMainRange(point.t)
                                                        : AirExtendedRange(point.t);
    const double values[] = {p.rho,    p.mu, p.nu,
                             p.lambda, p.cp, PrandtlNumber(p.nu, p.rho, p.cp, p.lambda)};
    const auto k = static_cast<std::size_t>(property);
    return (values[k] / point.values[k] - 1) * 100;
}

// Every reference point lies in an interval whose figure is the deviation of the largest
// magnitude among the points of that interval (to the three decimals written).
void ExpectTableMatches(const std::vector<ReferencePoint>& points, bool water) {
    for (FluidProperty property : kAll) {
        std::map<std::pair<double, double>, std::pair<double, double>> intervals;
        for (const ReferencePoint& point : points) {
            const std::optional<PropertyFit> fit =
                water ? std::optional(PropertyFit::Water) : AirFitAt(point.t);
            ASSERT_TRUE(fit) << point.t;
            const std::optional<FitDeviation> d = LargestDeviation(*fit, property, point.t);
            ASSERT_TRUE(d) << point.t;
            ASSERT_LE(d->from, point.t);
            ASSERT_GE(d->to, point.t);
            // Check each interval once, with all the points it holds.
            if (!intervals.emplace(std::pair(d->from, d->to), std::pair(d->percent, 0)).second) {
                continue;
            }
            double largest = 0;
            for (const ReferencePoint& other : points) {
                if (other.t >= d->from && other.t <= d->to && (water || AirFitAt(other.t) == fit)) {
                    const double deviation = Deviation(*fit, property, other);
                    largest = std::fabs(deviation) > std::fabs(largest) ? deviation : largest;
                }
            }
            EXPECT_NEAR(d->percent, largest, 0.0005001)
                << "property " << static_cast<int>(property) << " from " << d->from;
        }
    }
}

TEST(FitDeviations, TableHoldsTheLargestDeviationOfEachInterval) {
    const std::vector<ReferencePoint> air = ReadReference("air.csv");
    const std::vector<ReferencePoint> water = ReadReference("water.csv");
    ASSERT_EQ(air.size(), 180U);  // -70 to 1720 °C every 10 °C
    ASSERT_EQ(water.size(), 99U); // 1 to 99 °C every 1 °C
    ExpectTableMatches(air, false);
    ExpectTableMatches(water, true);
}

} // namespace
} // namespace vortalin
