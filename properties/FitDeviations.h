#pragma once
// How far each property fit deviates from its reference equation (IAPWS-95 and the IAPWS
// transport formulations for water, Lemmon et al. and Lemmon & Jacobsen for air), read from
// the table that vortalin-accuracy (tools/accuracy/) writes. Nothing is computed here: the
// figures are the largest deviations found at the reference points (every 10 °C for air,
// every 1 °C for water) in each interval of a fit's range.

#include <cstddef>
#include <cstdint>
#include <optional>

namespace vortalin {

// The property fits that have a reference: the two air fits and the water fit. Natural gas
// has none.
enum class PropertyFit : std::uint8_t { AirMain, AirExtended, Water };

// In the order of the columns of the deviation table.
enum class FluidProperty : std::uint8_t {
    Density,
    DynamicViscosity,
    KinematicViscosity,
    ThermalConductivity,
    SpecificHeat,
    PrandtlNumber,
};
inline constexpr std::size_t kFluidPropertyCount = 6;

struct FitDeviation {
    double percent = 0; // the largest deviation, fit / reference − 1 in %, signed
    double from = 0;    // the interval of temperatures (°C) it was taken over
    double to = 0;
    const char* reference = ""; // short name of the reference, e.g. "IAPWS-95"
};

// The air fit that AirProperties evaluates at t: the main fit for −73 < t < 106, the
// extended fit for 106 <= t < 2226, nullopt outside both.
std::optional<PropertyFit> AirFitAt(double t);

// The largest deviation of `fit` in `property` over the interval of the table that holds t
// (an interval's bounds belong to it). nullopt where no interval holds t: outside the fit's
// range or where the reference holds no longer (air above 2000 K, 1726.85 °C).
std::optional<FitDeviation> LargestDeviation(PropertyFit fit, FluidProperty property, double t);

// The reference a property of a fit is compared with: one name, or the names of the
// references a derived property (ν, Pr) is formed from, separated by ", ".
const char* ReferenceName(PropertyFit fit, FluidProperty property);

} // namespace vortalin
