#include "properties/FitDeviations.h"

#include "properties/FitDeviationTable.h"

#include <span>

namespace vortalin {

namespace {

using deviation_table::Interval;

std::span<const Interval> IntervalsOf(PropertyFit fit) {
    switch (fit) {
    case PropertyFit::AirMain:
        return deviation_table::kAirMain;
    case PropertyFit::AirExtended:
        return deviation_table::kAirExtended;
    case PropertyFit::Water:
        break;
    }
    return deviation_table::kWater;
}

constexpr const char* kAirNames[kFluidPropertyCount] = {
    "Lemmon et al. 2000",
    "Lemmon & Jacobsen 2004",
    "Lemmon et al. 2000, Lemmon & Jacobsen 2004",
    "Lemmon & Jacobsen 2004",
    "Lemmon et al. 2000",
    "Lemmon et al. 2000, Lemmon & Jacobsen 2004",
};

constexpr const char* kWaterNames[kFluidPropertyCount] = {
    "IAPWS-95",   "IAPWS 2008", "IAPWS-95, IAPWS 2008",
    "IAPWS 2011", "IAPWS-95",   "IAPWS-95, IAPWS 2008, IAPWS 2011",
};

} // namespace

std::optional<PropertyFit> AirFitAt(double t) {
    if (t > -73 && t < 106) {
        return PropertyFit::AirMain;
    }
    if (t >= 106 && t < 2226) {
        return PropertyFit::AirExtended;
    }
    return std::nullopt;
}

const char* ReferenceName(PropertyFit fit, FluidProperty property) {
    const auto column = static_cast<std::size_t>(property);
    return fit == PropertyFit::Water ? kWaterNames[column] : kAirNames[column];
}

std::optional<FitDeviation> LargestDeviation(PropertyFit fit, FluidProperty property, double t) {
    const auto column = static_cast<std::size_t>(property);
    for (const Interval& interval : IntervalsOf(fit)) {
        if (t >= interval.from && t <= interval.to) {
            return FitDeviation{interval.percent[column], interval.from, interval.to,
                                ReferenceName(fit, property)};
        }
    }
    return std::nullopt;
}

} // namespace vortalin
