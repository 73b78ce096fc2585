#!/usr/bin/python3
"""Writes the reference tables that the accuracy page compares the property fits with.

    /usr/bin/python3 reference_tables.py OUTPUT_DIR

writes OUTPUT_DIR/air.csv and OUTPUT_DIR/water.csv from python3-iapws (Debian's package,
seen by /usr/bin/python3):

- air.csv: dry air at 101325 Pa every 10 °C from -70 to 1720 °C (the equation of state of
  Lemmon et al. (2000) holds up to 2000 K = 1726.85 °C), with the viscosity and thermal
  conductivity of Lemmon and Jacobsen (2004);
- water.csv: liquid water at 101325 Pa every 1 °C from 1 to 99 °C, IAPWS-95 with the IAPWS
  viscosity (2008) and thermal conductivity (2011) formulations.

Columns: t in °C, density in kg/m³, dynamic viscosity in Pa·s, kinematic viscosity
nu = mu / rho in m²/s, thermal conductivity in W/(m·K), specific heat capacity at constant
pressure in J/(kg·K) and Pr = cp · mu / lambda. Every number is written with ten
significant digits, so that the same packages write the same bytes.
"""

import os
import sys

from iapws import IAPWS95
from iapws.humidAir import Air

# iapws takes T in K and P in MPa, and gives cp in kJ/(kg·K).
PRESSURE_MPA = 0.101325
KELVIN = 273.15

AIR_TEMPERATURES = range(-70, 1721, 10)
WATER_TEMPERATURES = range(1, 100)

HEADER = "t_C,rho_kg_m3,mu_Pa_s,nu_m2_s,lambda_W_mK,cp_J_kgK,Pr"


def number(value):
    return "%.9e" % value


def row(t, state):
    cp = state.cp * 1000
    nu = state.mu / state.rho
    pr = cp * state.mu / state.k
    values = [state.rho, state.mu, nu, state.k, cp, pr]
    return ",".join(["%d" % t] + [number(v) for v in values])


def air_state(t):
    state = Air(T=t + KELVIN, P=PRESSURE_MPA)
    if state.status != 1:
        raise SystemExit("iapws gives no state of air at %d °C" % t)
    return state


def water_state(t):
    state = IAPWS95(T=t + KELVIN, P=PRESSURE_MPA)
    if state.status != 1 or state.phase != "Liquid":
        raise SystemExit("iapws gives no liquid water at %d °C" % t)
    return state


def write_table(path, comments, temperatures, state_at):
    lines = ["# " + c for c in comments] + [HEADER]
    lines += [row(t, state_at(t)) for t in temperatures]
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


def main(argv):
    if len(argv) != 2:
        raise SystemExit("usage: %s OUTPUT_DIR" % argv[0])
    directory = argv[1]
    write_table(
        os.path.join(directory, "air.csv"),
        [
            "Dry air at 101325 Pa from python3-iapws.",
            "Density and cp: Lemmon, Jacobsen, Penoncello, Friend (2000) equation of state;",
            "viscosity and thermal conductivity: Lemmon and Jacobsen (2004).",
            "Written by tools/accuracy/reference_tables.py; do not edit.",
        ],
        AIR_TEMPERATURES,
        air_state,
    )
    write_table(
        os.path.join(directory, "water.csv"),
        [
            "Liquid water at 101325 Pa from python3-iapws.",
            "Density and cp: IAPWS-95; viscosity: IAPWS 2008; thermal conductivity: IAPWS 2011.",
            "Written by tools/accuracy/reference_tables.py; do not edit.",
        ],
        WATER_TEMPERATURES,
        water_state,
    )


if __name__ == "__main__":
    main(sys.argv)
