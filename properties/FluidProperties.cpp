#include "properties/FluidProperties.h"

#include <cmath>

namespace vortalin {

namespace {

double Sq(double t) {
    return std::pow(t, 2);
}

// Water: dynamic viscosity. The base of the power is the constant 2.7183 as the fit gives it.
double WaterViscosity(double t) {
    return 2.596 * 1e-4 + 11.046 * 1e6 * std::pow(2.7183, -2 * std::pow((t + 1331) / 395, 2));
}

// Water: density, a polynomial of degree 8 summed term by term.
double WaterDensity(double t) {
    return 9.998415 * 1e2 + 6.6581623 * 1e-2 * t - 8.8248454 * 1e-3 * std::pow(t, 2) +
           7.9528412 * 1e-5 * std::pow(t, 3) - 3.493653 * 1e-7 * std::pow(t, 4) -
           9.317552 * 1e-9 * std::pow(t, 5) + 2.015097 * 1e-10 * std::pow(t, 6) -
           1.5909145 * 1e-12 * std::pow(t, 7) + 4.6264098 * 1e-15 * std::pow(t, 8);
}

double WaterHeatCapacity(double t) {
    return 9.111 * 1e-2 * std::pow(t, 2) + (4220.2 - 3.38 * t) - 9.4213 * 1e-4 * std::pow(t, 3) +
           3.646 * 1e-6 * std::pow(t, 4);
}

double WaterConductivity(double t) {
    return (0.002112 * t + 0.5565) - 8.661 * 1e-6 * Sq(t);
}

} // namespace

PropertySet AirMainRange(double t) {
    PropertySet p;
    p.nu = (0.0000098174 * Sq(t) + (0.0087586 * t + 1.32959)) * 0.00001;
    p.rho = 0.000012452 * Sq(t) + (1.2956 - 0.0047267 * t);
    p.mu = p.nu * p.rho;
    p.lambda = (0.00007241 * t + 0.02395) - 5.648 * 1e-8 * Sq(t);
    p.cp = 0.00059793 * Sq(t) + (1004.45 - 0.0012104 * t);
    return p;
}

PropertySet AirExtendedRange(double t) {
    PropertySet p;
    p.nu = (0.000005861 * Sq(t) + (0.010887 * t + 1.1702)) * 0.00001;
    p.rho = 1.336 * 1e6 / (4 * Sq(t + 531.436) + 5.7674) + 0.124487;
    p.mu = p.nu * p.rho;
    p.lambda = (0.000065732 * t + 0.023985) - 7.1714 * 1e-9 * Sq(t);
    p.cp = 0.000747802 * Sq(t) + (1004.07 - 0.007930825 * t) - 1.04056 * 1e-6 * std::pow(t, 3) +
           6.5985 * 1e-10 * std::pow(t, 4) - 2.045211 * 1e-13 * std::pow(t, 5) +
           2.4983 * 1e-17 * std::pow(t, 6);
    return p;
}

std::optional<PropertySet> AirProperties(double t) {
    // The extended fit was made for high temperatures; below -33 °C it gives a viscosity up
    // to 46 % low, while the main fit stays within 1.5 % of Sutherland's law down to -73 °C.
    if (t > -73 && t < 106) {
        return AirMainRange(t);
    }
    if (t >= 106 && t < 2226) {
        return AirExtendedRange(t);
    }
    return std::nullopt;
}

PropertySet WaterPropertiesAt(double t) {
    PropertySet p;
    p.mu = WaterViscosity(t);
    p.rho = WaterDensity(t);
    p.cp = WaterHeatCapacity(t);
    p.lambda = WaterConductivity(t);
    p.nu = p.mu / p.rho;
    return p;
}

std::optional<PropertySet> WaterProperties(double t) {
    if (t > 0 && t < 100) {
        return WaterPropertiesAt(t);
    }
    return std::nullopt;
}

std::optional<PropertySet> NaturalGasProperties(double t) {
    if (!(t > 30 && t < 70)) {
        return std::nullopt;
    }
    PropertySet p;
    p.mu = (0.0000521949 * Sq(t) + (0.0203818 * t + 11.7352)) * 0.000001;
    p.rho = 0.00113955 * Sq(t) + (54.0341 - 0.296036 * t);
    p.nu = p.mu / p.rho;
    p.lambda = (0.000303265 * Sq(t) + (0.0911984 * t + 37.9333)) * 0.001;
    p.cp = (0.0000545836 * Sq(t) + (2.862 - 0.00681548 * t)) * 1000;
    return p;
}

} // namespace vortalin
