#pragma once
// Thermophysical property fits of the three fluids, as functions of the temperature t in °C.
// Each fit holds in an open temperature range only; outside it there is no value.

#include <optional>

namespace vortalin {

struct PropertySet {
    double nu = 0;     // m²/s      kinematic viscosity
    double mu = 0;     // Pa·s      dynamic viscosity
    double rho = 0;    // kg/m³     density
    double cp = 0;     // J/(kg·K)  specific heat capacity
    double lambda = 0; // W/(m·K)   thermal conductivity
};

// Dry air at atmospheric pressure. Main fit for −73 < t < 106, extended fit for
// 106 <= t < 2226. nullopt outside both.
std::optional<PropertySet> AirProperties(double t);
PropertySet AirMainRange(double t);
PropertySet AirExtendedRange(double t);

// Liquid water, fit for 0 < t < 100 (nullopt outside). The unchecked variant evaluates
// the same formulas at any temperature; it serves the wall properties.
std::optional<PropertySet> WaterProperties(double t);
PropertySet WaterPropertiesAt(double t);

// Natural gas at 6.528 MPa, fit for 30 < t < 70 (nullopt outside).
std::optional<PropertySet> NaturalGasProperties(double t);

} // namespace vortalin
