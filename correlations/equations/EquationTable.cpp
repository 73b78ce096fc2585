#include "correlations/equations/EquationTable.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace vortalin {

namespace {

// In the order of Term.
constexpr std::array<TermInfo, kTermCount> kTermInfo = {{
    {"Re", "", 1},     {"Pr", "", 1},     {"Pr_w", "", 1},       {"Pr/Pr_w", "", 1},
    {"Pe", "", 1},     {"d/L", "", 1},    {"Nu1", "", 1},        {"Nu2", "", 1},
    {"X", "", 1},      {"Nu_L", "", 1},   {"Nu_T", "", 1},       {"γ", "", 1},
    {"ξ", "", 1},      {"ψ_φ", "", 1},    {"K", "", 1},          {"m", "", 1},
    {"n", "", 1},      {"Nu_lam", "", 1}, {"Nu_turb", "", 1},    {"G", "", 1},
    {"D_w", "m", 1},   {"x", "", 1},      {"Re_krit", "", 1},    {"ψ", "", 1},
    {"l", "m", 1},     {"Nu0", "", 1},    {"a", "", 1},          {"b", "", 1},
    {"c", "", 1},      {"f_A", "", 1},    {"n_R", "", 1},        {"d_b", "mm", 1000},
    {"h", "mm", 1000}, {"f", "mm", 1000}, {"P_f", "mm", 1000},   {"s/h", "", 1},
    {"s/f", "", 1},    {"Nu", "", 1},     {"α", "W.m-2.K-1", 1},
}};

// Where the properties are taken, the same for every equation with a wall factor.
constexpr std::string_view kBulkAndWall =
    "ν, λ, ρ, c_p pri strednej teplote tekutiny t_m = (t_vst + t_výst)/2; Pr_w pri teplote "
    "steny (len voda; pre vzduch a zemný plyn Pr_w = Pr)";

constexpr std::string_view kPipeReynolds =
    "Re = w · d / ν; d – hydraulický priemer, w – stredná rýchlosť v rúre";
constexpr std::string_view kSlotReynolds =
    "Re = w · d_h / ν; d_h = 2 · s (šírka štrbiny s), w – stredná rýchlosť v štrbine";
constexpr std::string_view kRowReynolds =
    "Re = w · l / (ψ · ν); l = 3.141592 · d / 2 – obtekaná dĺžka rúrky, w / ψ – rýchlosť vo "
    "voľnom priereze radu (d = l v ďalších výpočtoch)";
constexpr std::string_view kHelicalReynolds =
    "Re = w · d / ν; d – vnútorný priemer rúrky (pole d skrutkovice), w – stredná rýchlosť";

// Ranges stated by the sources. VDI-Wärmeatlas (2010), chapter G1: the turbulent equation
// for 10^4 <= Re <= 10^6, 0.1 <= Pr <= 1000, d/L <= 1; the transitional interpolation for
// 2300 <= Re <= 10^4 and 0.6 <= Pr <= 1000; the wall factor (Pr/Pr_w)^0.11 of liquids for
// 0.1 <= Pr/Pr_w <= 10.
constexpr std::array<ValidityRange, 1> kPipeLaminarRanges = {{
    {Term::Re, -kNoBound, 2300},
}};
constexpr std::array<ValidityRange, 4> kPipeTransitionalRanges = {{
    {Term::Re, 2300, 10000},
    {Term::Pr, 0.6, 1000},
    {Term::DiameterOverLength, -kNoBound, 1},
    {Term::PrRatio, 0.1, 10},
}};
constexpr std::array<ValidityRange, 4> kPipeTurbulentRanges = {{
    {Term::Re, 10000, 1000000},
    {Term::Pr, 0.1, 1000},
    {Term::DiameterOverLength, -kNoBound, 1},
    {Term::PrRatio, 0.1, 10},
}};
// Žukauskas (1972): single cylinder for 0.7 <= Pr <= 500; the three coefficient sets for
// 5 <= Re <= 10^3, 10^3 <= Re <= 2·10^5 and 2·10^5 <= Re <= 2·10^6.
constexpr std::array<ValidityRange, 2> kCrossFlowLowRanges = {{
    {Term::Re, 5, 1000},
    {Term::Pr, 0.7, 500},
}};
constexpr std::array<ValidityRange, 2> kCrossFlowMiddleRanges = {{
    {Term::Re, 1000, 200000},
    {Term::Pr, 0.7, 500},
}};
constexpr std::array<ValidityRange, 2> kCrossFlowHighRanges = {{
    {Term::Re, 200000, 2000000},
    {Term::Pr, 0.7, 500},
}};
// Gnielinski's plate equation, VDI-Wärmeatlas chapter G4: 10 < Re < 10^7, 0.6 <= Pr <= 2000.
constexpr std::array<ValidityRange, 2> kPlateRanges = {{
    {Term::Re, 10, 10000000},
    {Term::Pr, 0.6, 2000},
}};
constexpr std::array<ValidityRange, 1> kSlotRanges = {{
    {Term::Re, -kNoBound, 2300},
}};
// Schmidt (1967) measured turbulent flow in coils up to Re = 1.5·10^5.
constexpr std::array<ValidityRange, 1> kHelicalTurbulentRanges = {{
    {Term::Re, 22000, 150000},
}};
// Gnielinski, VDI-Wärmeatlas chapter G7: rows and banks for 10 <= Re_ψ,l <= 10^6 and
// 0.6 <= Pr <= 1000.
constexpr std::array<ValidityRange, 2> kRowRanges = {{
    {Term::Re, 10, 1000000},
    {Term::Pr, 0.6, 1000},
}};
// Briggs and Young (1963), as given by Kröger (2004): 1100 <= Re <= 18000, root diameter
// 11.13 to 40.89 mm, fin height 1.42 to 16.57 mm, fin thickness 0.33 to 2.02 mm, fin pitch
// 1.30 to 4.06 mm, s/h 0.13 to 0.63, s/f 1.01 to 6.62.
constexpr std::array<ValidityRange, 7> kFinnedRanges = {{
    {Term::Re, 1100, 18000},
    {Term::FinRootDiameter, 0.01113, 0.04089},
    {Term::FinHeight, 0.00142, 0.01657},
    {Term::FinThickness, 0.00033, 0.00202},
    {Term::FinPitch, 0.0013, 0.00406},
    {Term::GapOverHeight, 0.13, 0.63},
    {Term::GapOverThickness, 1.01, 6.62},
}};

constexpr std::string_view kLaminarWallFactorSource =
    "faktor (Pr/Pr_w)^0.14: zdroj nenájdený (najbližší: Sieder a Tate 1936, (η/η_w)^0.14)";

// In the order of EquationId.
constexpr std::array<EquationRow, kEquationCount> kRows = {{
    {EquationId::PipeLaminarWallTemp, "pipe-laminar-wall-temperature",
     "Rúra, laminárne prúdenie, konšt. teplota steny",
     "Nu = (Pr/Pr_w)^0.14 · (3.66³ + 0.7³ + (Nu2 − 0.7)³)^0.33333; "
     "Nu2 = 1.615 · (Pe · d/L)^0.333333",
     kPipeReynolds, kBulkAndWall, kPipeLaminarRanges,
     "Gnielinski, VDI-Wärmeatlas (2010), kap. G1: stredné Nu hydrodynamicky vyvinutého "
     "laminárneho prúdenia pri konšt. teplote steny; faktor (Pr/Pr_w)^0.14: zdroj nenájdený "
     "(najbližší: Sieder a Tate 1936, (η/η_w)^0.14)",
     "Gnielinski, VDI G1",
     "Nu2 = 1.615 · ({Pe} · {d/L})^0.333333 = {Nu2}; Nu = ({Pr}/{Pr_w})^0.14 · (3.66³ + 0.7³ + "
     "({Nu2} − 0.7)³)^0.33333 = {Nu}"},
    {EquationId::PipeLaminarHeatFlux, "pipe-laminar-heat-flux",
     "Rúra, laminárne prúdenie, konšt. tepelný tok",
     "Nu = (Pr/Pr_w)^0.14 · (4.364³ + 0.6³ + (Nu2 − 0.6)³)^0.33333; "
     "Nu2 = 1.953 · (Pe · d/L)^0.333333",
     kPipeReynolds, kBulkAndWall, kPipeLaminarRanges,
     "Gnielinski, VDI-Wärmeatlas (2010), kap. G1: stredné Nu hydrodynamicky vyvinutého "
     "laminárneho prúdenia pri konšt. tepelnom toku; faktor (Pr/Pr_w)^0.14: zdroj nenájdený "
     "(najbližší: Sieder a Tate 1936, (η/η_w)^0.14)",
     "Gnielinski, VDI G1",
     "Nu2 = 1.953 · ({Pe} · {d/L})^0.333333 = {Nu2}; Nu = ({Pr}/{Pr_w})^0.14 · (4.364³ + 0.6³ + "
     "({Nu2} − 0.6)³)^0.33333 = {Nu}"},
    {EquationId::PipeTransitionalWallTemp, "pipe-transitional-wall-temperature",
     "Rúra, prechodová oblasť, konšt. teplota steny",
     "Nu = (Pr/Pr_w)^0.11 · ((1 − γ) · Nu_L + γ · Nu_T); γ = (Re − 2300)/7700; "
     "Nu_L = ((1.615 · X^0.33333 − 0.7)³ + 49.371 + (X^0.5 · (2/(1 + 22 · Pr))^0.166666)³)"
     "^0.33333; X = 2300 · Pr · d/L; Nu_T = (1 + (d/L)^0.66666) · 38.5 · Pr / (1 + 12.7 · "
     "√0.00385 · (Pr^0.66666 − 1))",
     kPipeReynolds, kBulkAndWall, kPipeTransitionalRanges,
     "Gnielinski 1995 (Forsch. Ing.-Wes. 61), VDI-Wärmeatlas (2010), kap. G1: lineárna "
     "interpolácia medzi laminárnou hodnotou pri Re = 2300 a turbulentnou pri Re = 10⁴",
     "Gnielinski 1995, VDI G1",
     "γ = ({Re} − 2300)/7700 = {γ}; X = {X}; Nu_L = {Nu_L}; Nu_T = {Nu_T}; Nu = ({Pr}/{Pr_w})^0.11 "
     "· ((1 − {γ}) · {Nu_L} + {γ} · {Nu_T}) = {Nu}"},
    {EquationId::PipeTransitionalHeatFlux, "pipe-transitional-heat-flux",
     "Rúra, prechodová oblasť, konšt. tepelný tok",
     "Nu = (Pr/Pr_w)^0.11 · ((1 − γ) · Nu_L + γ · Nu_T); γ = (Re − 2300)/7700; "
     "Nu_L = ((1.953 · X^0.33333 − 0.6)³ + 83.326 + (0.924 · Pr^0.33333 · (2300 · d/L)^0.5)³)"
     "^0.33333; X = 2300 · Pr · d/L; Nu_T = (1 + (d/L)^0.66666) · 38.5 · Pr / (1 + 12.7 · "
     "√0.00385 · (Pr^0.66666 − 1))",
     kPipeReynolds, kBulkAndWall, kPipeTransitionalRanges,
     "Gnielinski 1995 (Forsch. Ing.-Wes. 61), VDI-Wärmeatlas (2010), kap. G1: lineárna "
     "interpolácia medzi laminárnou hodnotou pri Re = 2300 a turbulentnou pri Re = 10⁴ "
     "(konšt. tepelný tok)",
     "Gnielinski 1995, VDI G1",
     "γ = ({Re} − 2300)/7700 = {γ}; X = {X}; Nu_L = {Nu_L}; Nu_T = {Nu_T}; Nu = ({Pr}/{Pr_w})^0.11 "
     "· ((1 − {γ}) · {Nu_L} + {γ} · {Nu_T}) = {Nu}"},
    {EquationId::PipeTurbulent, "pipe-turbulent", "Rúra, turbulentné prúdenie",
     "Nu = (Pr/Pr_w)^0.11 · (1 + (d/L)^0.66666) · (ξ/8) · Pe / (1 + 12.7 · √(ξ/8) · "
     "(Pr^0.66666 − 1)); ξ = (1.8 · log10 Re − 1.5)^−2",
     kPipeReynolds, kBulkAndWall, kPipeTurbulentRanges,
     "Gnielinski 1976 (Int. Chem. Eng. 16), VDI-Wärmeatlas (2010), kap. G1, tvar pre "
     "Re ≥ 10⁴; trecí súčiniteľ Konakov 1954; faktor (Pr/Pr_w)^0.11 pre kvapaliny",
     "Gnielinski 1976, VDI G1",
     "ξ = (1.8 · log10 {Re} − 1.5)^−2 = {ξ}; Nu = ({Pr}/{Pr_w})^0.11 · (1 + {d/L}^0.66666) · "
     "({ξ}/8) · {Pe} / (1 + 12.7 · √({ξ}/8) · ({Pr}^0.66666 − 1)) = {Nu}"},
    {EquationId::CrossFlowLow, "cross-flow-low-re", "Priečne obtekanie rúry, Re ≤ 1000",
     "Nu = 0.5 · Re^0.5 · Pr^0.38 · (Pr/Pr_w)^0.25; α = ψ_φ · Nu · λ/d; "
     "ψ_φ = 1 − 0.54 · cos(φ)^3.3333",
     "Re = w · d / ν; d – vonkajší priemer rúry, w – rýchlosť nabiehajúceho prúdu", kBulkAndWall,
     kCrossFlowLowRanges,
     "Žukauskas 1972 (Adv. Heat Transfer 8); uhlový faktor ψ_φ s exponentom 3.3333: zdroj "
     "nenájdený (najbližší: tabuľka ε_φ pre šikmé obtekanie, Micheev 1977, tvar 1 − 0.54 · "
     "cos²φ)",
     "Žukauskas 1972",
     "Nu = {K} · {Re}^{m} · {Pr}^{n} · ({Pr}/{Pr_w})^0.25 = {Nu}; ψ_φ = {ψ_φ}; α = {α}"},
    {EquationId::CrossFlowMiddle, "cross-flow-middle-re",
     "Priečne obtekanie rúry, 1000 < Re ≤ 2E+05",
     "Nu = 0.25 · Re^0.6 · Pr^0.38 · (Pr/Pr_w)^0.25; α = ψ_φ · Nu · λ/d; "
     "ψ_φ = 1 − 0.54 · cos(φ)^3.3333",
     "Re = w · d / ν; d – vonkajší priemer rúry, w – rýchlosť nabiehajúceho prúdu", kBulkAndWall,
     kCrossFlowMiddleRanges,
     "Žukauskas 1972 (Adv. Heat Transfer 8); uhlový faktor ψ_φ s exponentom 3.3333: zdroj "
     "nenájdený (najbližší: tabuľka ε_φ pre šikmé obtekanie, Micheev 1977, tvar 1 − 0.54 · "
     "cos²φ)",
     "Žukauskas 1972",
     "Nu = {K} · {Re}^{m} · {Pr}^{n} · ({Pr}/{Pr_w})^0.25 = {Nu}; ψ_φ = {ψ_φ}; α = {α}"},
    {EquationId::CrossFlowHigh, "cross-flow-high-re", "Priečne obtekanie rúry, Re > 2E+05",
     "Nu = 0.023 · Re^0.8 · Pr^0.37 · (Pr/Pr_w)^0.25; α = ψ_φ · Nu · λ/d; "
     "ψ_φ = 1 − 0.54 · cos(φ)^3.3333",
     "Re = w · d / ν; d – vonkajší priemer rúry, w – rýchlosť nabiehajúceho prúdu", kBulkAndWall,
     kCrossFlowHighRanges,
     "Žukauskas 1972 (Adv. Heat Transfer 8); uhlový faktor ψ_φ s exponentom 3.3333: zdroj "
     "nenájdený (najbližší: tabuľka ε_φ pre šikmé obtekanie, Micheev 1977, tvar 1 − 0.54 · "
     "cos²φ)",
     "Žukauskas 1972",
     "Nu = {K} · {Re}^{m} · {Pr}^{n} · ({Pr}/{Pr_w})^0.25 = {Nu}; ψ_φ = {ψ_φ}; α = {α}"},
    {EquationId::Plate, "plate", "Obtekanie dosky",
     "Nu = √(Nu_lam² + Nu_turb²) · (Pr/Pr_w)^0.25; Nu_lam = 0.664 · √Re · Pr^0.33333; "
     "Nu_turb = 0.037 · Re^0.8 · Pr / (1 + 2.443 · Re^−0.1 · (Pr^0.66666 − 1))",
     "Re = w · L / ν; L – dĺžka dosky v smere prúdenia (pole d), w – rýchlosť nabiehajúceho "
     "prúdu",
     kBulkAndWall, kPlateRanges,
     "Gnielinski 1975 (Forsch. Ing.-Wes. 41), VDI-Wärmeatlas (2010), kap. G4; laminárny člen "
     "Pohlhausen 1921, turbulentný Petukhov",
     "Gnielinski 1975, VDI G4",
     "Nu_lam = {Nu_lam}; Nu_turb = {Nu_turb}; Nu = √({Nu_lam}² + {Nu_turb}²) · "
     "({Pr}/{Pr_w})^0.25 = {Nu}"},
    {EquationId::PlanarSlot, "planar-slot", "Rovinná štrbina, laminárne prúdenie",
     "Nu = (7.541³ + G³)^0.3333 · (Pr/Pr_w)^0.14; G = 1.841 · (Pe · d_h/L)^0.3333", kSlotReynolds,
     kBulkAndWall, kSlotRanges,
     "VDI-Wärmeatlas (2010), kap. G2 (Gnielinski): rovinná štrbina ohrievaná z oboch strán, "
     "Nu∞ = 7.541 (Shah a London 1978); faktor (Pr/Pr_w)^0.14: zdroj nenájdený",
     "VDI G2",
     "G = 1.841 · ({Pe} · {d/L})^0.3333 = {G}; Nu = ({K}³ + {G}³)^0.3333 · ({Pr}/{Pr_w})^0.14 = "
     "{Nu}"},
    {EquationId::SlotInsulatedOneSide, "slot-insulated-one-side",
     "Štrbina jednostranne izolovaná, laminárne prúdenie",
     "Nu = (4.861³ + G³)^0.3333 · (Pr/Pr_w)^0.14; G = 1.841 · (Pe · d_h/L)^0.3333", kSlotReynolds,
     kBulkAndWall, kSlotRanges,
     "VDI-Wärmeatlas (2010), kap. G2 (Gnielinski): rovinná štrbina, jedna stena izolovaná, "
     "Nu∞ = 4.861 (Shah a London 1978); faktor (Pr/Pr_w)^0.14: zdroj nenájdený",
     "VDI G2",
     "G = 1.841 · ({Pe} · {d/L})^0.3333 = {G}; Nu = ({K}³ + {G}³)^0.3333 · ({Pr}/{Pr_w})^0.14 = "
     "{Nu}"},
    {EquationId::HelicalLaminar,
     "helical-laminar",
     "Skrutkovicová rúra, laminárne prúdenie",
     "Nu = (Pr/Pr_w)^0.14 · (3.66 + 0.08 · (1 + 0.8 · x^0.9) · Re^m · Pr^0.33333); "
     "m = 0.5 + 0.2903 · x^0.194; x = d/D_w; D_w = D · (1 + (h/(3.1415 · D))²); "
     "Re < Re_krit = 2300 · (1 + 8.6 · x^0.45)",
     kHelicalReynolds,
     kBulkAndWall,
     {},
     "Gnielinski 1986 (8th IHTC), VDI-Wärmeatlas (2010), kap. G3; Re_krit podľa Schmidta 1967",
     "Gnielinski 1986, VDI G3",
     "D_w = {D_w}; x = {x}; Re_krit = {Re_krit}; m = {m}; Nu = ({Pr}/{Pr_w})^0.14 · (3.66 + "
     "0.08 · (1 + 0.8 · {x}^0.9) · {Re}^{m} · {Pr}^0.33333) = {Nu}"},
    {EquationId::HelicalTransitional,
     "helical-transitional",
     "Skrutkovicová rúra, prechodová oblasť",
     "Nu = (Pr/Pr_w)^0.14 · (γ · Nu_L + (1 − γ) · Nu_T); γ = (22000 − Re)/(22000 − Re_krit); "
     "Nu_L – laminárna rovnica pri Re_krit, Nu_T – turbulentná pri Re = 22000 "
     "(obe s faktorom (Pr/Pr_w)^0.14)",
     kHelicalReynolds,
     kBulkAndWall,
     {},
     "Gnielinski 1986 (8th IHTC), VDI-Wärmeatlas (2010), kap. G3; faktor (Pr/Pr_w)^0.14 aj na "
     "celej interpolácii: zdroj nenájdený (VDI G3 ho má len v koncových hodnotách)",
     "Gnielinski 1986, VDI G3",
     "x = {x}; Re_krit = {Re_krit}; γ = (22000 − {Re})/(22000 − {Re_krit}) = {γ}; Nu_L = {Nu_L}; "
     "Nu_T = {Nu_T}; Nu = ({Pr}/{Pr_w})^0.14 · ({γ} · {Nu_L} + (1 − {γ}) · {Nu_T}) = {Nu}"},
    {EquationId::HelicalTurbulent, "helical-turbulent", "Skrutkovicová rúra, turbulentné prúdenie",
     "Nu = (Pr/Pr_w)^0.14 · (ξ/8) · Pr · Re / (1 + 12.7 · √(ξ/8) · (Pr^0.66666 − 1)); "
     "ξ = 0.3164 / Re^0.25 + 0.03 · x^0.5",
     kHelicalReynolds, kBulkAndWall, kHelicalTurbulentRanges,
     "Gnielinski 1986 (8th IHTC), VDI-Wärmeatlas (2010), kap. G3; trecí súčiniteľ Mishra a "
     "Gupta 1979; rozsah Re podľa meraní Schmidta 1967",
     "Gnielinski 1986, VDI G3",
     "x = {x}; ξ = 0.3164 / {Re}^0.25 + 0.03 · {x}^0.5 = {ξ}; Nu = ({Pr}/{Pr_w})^0.14 · ({ξ}/8) "
     "· {Pr} · {Re} / (1 + 12.7 · √({ξ}/8) · ({Pr}^0.66666 − 1)) = {Nu}"},
    {EquationId::SingleRow, "single-row", "Jeden rad rúrok",
     "Nu = (0.3 + √(Nu_lam² + Nu_turb²)) · (Pr/Pr_w)^n; Nu_lam = 0.664 · √Re · Pr^0.33333; "
     "Nu_turb = 0.037 · Re^0.8 · Pr / (1 + 2.443 · Re^−0.1 · (Pr^0.66666 − 1)); "
     "ψ = 1 − 3.1415 · d / (4 · s1); n = 0.25 (Pr/Pr_w ≥ 1) alebo 0.11",
     kRowReynolds, kBulkAndWall, kRowRanges,
     "Gnielinski, VDI-Wärmeatlas (2010), kap. G7 (rad rúrok; jednotlivá rúra kap. G6)",
     "Gnielinski, VDI G7",
     "ψ = {ψ}; l = {l}; Nu_lam = {Nu_lam}; Nu_turb = {Nu_turb}; Nu = (0.3 + √({Nu_lam}² + "
     "{Nu_turb}²)) · ({Pr}/{Pr_w})^{n} = {Nu}"},
    {EquationId::InlineBank, "inline-bank", "Usporiadaná rúrkovnica",
     "Nu = f_A · Nu0 (≥ 10 radov) alebo (1 + (n_R − 1) · f_A) · Nu0 / n_R; Nu0 – rovnica "
     "jedného radu s ψ zväzku; f_A = 1 + 0.7 / ψ^1.5 · (b/a − 0.3) / (b/a + 0.7)²; "
     "ψ = 1 − 3.1415 / (4 · a) (b ≥ 1) alebo 1 − 3.1415 / (4 · a · b)",
     kRowReynolds, kBulkAndWall, kRowRanges,
     "Gnielinski, VDI-Wärmeatlas (2010), kap. G7: zväzok rúrok, usporiadané uloženie",
     "Gnielinski, VDI G7",
     "a = {a}; b = {b}; ψ = {ψ}; Nu0 = {Nu0}; f_A = {f_A}; n_R = {n_R}; Nu = {Nu}"},
    {EquationId::StaggeredBank, "staggered-bank", "Striedavá rúrkovnica",
     "Nu = f_A · Nu0 (≥ 10 radov) alebo (1 + (n_R − 1) · f_A) · Nu0 / n_R; Nu0 – rovnica "
     "jedného radu s ψ zväzku; f_A = 1 + 2 / (3 · b)",
     kRowReynolds, kBulkAndWall, kRowRanges,
     "Gnielinski, VDI-Wärmeatlas (2010), kap. G7: zväzok rúrok, striedavé uloženie",
     "Gnielinski, VDI G7",
     "a = {a}; b = {b}; ψ = {ψ}; Nu0 = {Nu0}; f_A = 1 + 2 / (3 · {b}) = {f_A}; n_R = {n_R}; "
     "Nu = {Nu}"},
    {EquationId::PartlyStaggeredInline, "partly-staggered-inline-factor",
     "Čiastočne striedavá rúrkovnica, f_A usporiadanej",
     "ako usporiadaná rúrkovnica, keďže c < a/4: f_A = 1 + 0.7 / ψ^1.5 · (b/a − 0.3) / "
     "(b/a + 0.7)²",
     kRowReynolds, kBulkAndWall, kRowRanges,
     "zdroj nenájdený (voľba f_A podľa c < a/4); najbližší: Gnielinski, VDI-Wärmeatlas (2010), "
     "kap. G7, f_A usporiadaného zväzku",
     "zdroj nenájdený; VDI G7",
     "a = {a}; b = {b}; c = {c}; ψ = {ψ}; Nu0 = {Nu0}; f_A = {f_A}; n_R = {n_R}; Nu = {Nu}"},
    {EquationId::PartlyStaggeredStaggered, "partly-staggered-staggered-factor",
     "Čiastočne striedavá rúrkovnica, f_A striedavej",
     "ako striedavá rúrkovnica, keďže c ≥ a/4: f_A = 1 + 2 / (3 · b)", kRowReynolds, kBulkAndWall,
     kRowRanges,
     "zdroj nenájdený (voľba f_A podľa c ≥ a/4); najbližší: Gnielinski, VDI-Wärmeatlas (2010), "
     "kap. G7, f_A striedavého zväzku",
     "zdroj nenájdený; VDI G7",
     "a = {a}; b = {b}; c = {c}; ψ = {ψ}; Nu0 = {Nu0}; f_A = {f_A}; n_R = {n_R}; Nu = {Nu}"},
    {EquationId::FinnedBank, "finned-bank", "Rebrovaná rúrkovnica",
     "Nu = 0.134 · Re^0.681 · Pr^0.33333 · (s/h)^0.2 · (s/f)^0.1134; s = P_f − f; "
     "h = (d_a − d_b)/2; α = Nu · λ / d_b",
     "Re = w · d_b / ν; d_b – priemer rúrky pri päte rebra, w – zadaná rýchlosť (Briggs a "
     "Young: rýchlosť v najužšom priereze)",
     "ν, λ, ρ, c_p pri strednej teplote tekutiny t_m = (t_vst + t_výst)/2; bez korekcie na "
     "teplotu steny",
     kFinnedRanges,
     "Briggs a Young 1963 (Chem. Eng. Prog. Symp. Ser. 59, č. 41): 6 radov, rovnostranný "
     "trojuholník; rozsahy podľa Krögera 2004",
     "Briggs a Young 1963",
     "s/h = {s/h}; s/f = {s/f}; Nu = 0.134 · {Re}^0.681 · {Pr}^0.33333 · {s/h}^0.2 · "
     "{s/f}^0.1134 = {Nu}"},
}};

// Digits of `value` rounded to `digits` significant digits in scientific form, with
// trailing zeros of the mantissa dropped down to `minDigits`.
std::string Scientific(double value, int digits, int minDigits) {
    std::array<char, 64> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::scientific, digits - 1)
                         .ptr;
    std::string text(buffer.data(), end);
    const std::size_t e = text.find('e');
    std::string mantissa = text.substr(0, e);
    const int exponent = std::atoi(text.c_str() + e + 1);
    const std::size_t point = mantissa.find('.');
    if (point != std::string::npos) {
        const std::size_t keep = point + static_cast<std::size_t>(minDigits);
        while (mantissa.size() > keep && mantissa.size() > point + 1 && mantissa.back() == '0') {
            mantissa.pop_back();
        }
        if (mantissa.back() == '.') {
            mantissa.pop_back();
        }
    }
    std::array<char, 8> exp{};
    const auto expEnd =
        std::to_chars(exp.data(), exp.data() + exp.size(), exponent < 0 ? -exponent : exponent).ptr;
    mantissa += exponent < 0 ? "E-" : "E+";
    if (expEnd - exp.data() < 2) {
        mantissa += '0';
    }
    mantissa.append(exp.data(), expEnd);
    return mantissa;
}

std::string Plain(double value, int digits) {
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::max(0, digits - 1 - magnitude);
    std::array<char, 64> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::fixed, decimals)
                         .ptr;
    std::string text(buffer.data(), end);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') {
            text.pop_back();
        }
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text;
}

} // namespace

std::string LocalDecimals(std::string text, char separator) {
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        const bool between = std::isdigit(static_cast<unsigned char>(text[i - 1])) != 0 &&
                             std::isdigit(static_cast<unsigned char>(text[i + 1])) != 0;
        if (text[i] == '.' && between) {
            text[i] = separator;
        }
    }
    return text;
}

namespace {

std::string BoundText(double bound, const TermInfo& info, char separator) {
    return ShortNumber(bound * info.scale, separator, 4);
}

// The term whose symbol stands between the braces of a pattern.
const TermInfo* TermBySymbol(std::string_view symbol, Term& term) {
    for (std::size_t i = 0; i < kTermCount; ++i) {
        if (kTermInfo[i].symbol == symbol) {
            term = static_cast<Term>(i);
            return &kTermInfo[i];
        }
    }
    return nullptr;
}

} // namespace

const TermInfo& InfoOf(Term term) {
    return kTermInfo[static_cast<std::size_t>(term)];
}

std::span<const EquationRow> EquationTable() {
    return kRows;
}

const EquationRow& RowOf(EquationId id) {
    return kRows[static_cast<std::size_t>(id)];
}

std::string ShortNumber(double value, char separator, int digits, int minDigits) {
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "nan" : value > 0 ? "inf" : "-inf";
    }
    if (value == 0) {
        return "0";
    }
    const double magnitude = std::fabs(value);
    const bool plain = magnitude >= 1e-3 && magnitude < 1e5;
    const std::string text = plain ? Plain(value, digits) : Scientific(value, digits, minDigits);
    return LocalDecimals(text, separator);
}

std::string RangeText(const ValidityRange& range, char separator) {
    const TermInfo& info = InfoOf(range.term);
    std::string text;
    if (range.low == -kNoBound) {
        text = "do " + BoundText(range.high, info, separator);
    } else if (range.high == kNoBound) {
        text = "od " + BoundText(range.low, info, separator);
    } else {
        text = BoundText(range.low, info, separator);
        text += " až ";
        text += BoundText(range.high, info, separator);
    }
    if (!info.unit.empty()) {
        text += ' ';
        text.append(info.unit);
    }
    return text;
}

std::string RangesText(const EquationRow& row, char separator) {
    if (row.ranges.empty()) {
        return "zdroj neuvádza";
    }
    std::string text;
    for (const ValidityRange& range : row.ranges) {
        if (!text.empty()) {
            text += "; ";
        }
        text += std::string(InfoOf(range.term).symbol) + ": " + RangeText(range, separator);
    }
    return text;
}

std::string FilledFormula(const EquationRow& row, const EquationRecord& record, char separator) {
    std::string out;
    const std::string_view pattern = row.pattern;
    std::size_t at = 0;
    while (at < pattern.size()) {
        const std::size_t open = pattern.find('{', at);
        if (open == std::string_view::npos) {
            out += LocalDecimals(std::string(pattern.substr(at)), separator);
            break;
        }
        out += LocalDecimals(std::string(pattern.substr(at, open - at)), separator);
        const std::size_t close = pattern.find('}', open);
        const std::string_view symbol = pattern.substr(open + 1, close - open - 1);
        Term term{};
        const TermInfo* info = TermBySymbol(symbol, term);
        if (info != nullptr && record.Has(term)) {
            out += ShortNumber(record.Value(term) * info->scale, separator, 5);
        } else {
            out += symbol;
        }
        at = close + 1;
    }
    return out;
}

} // namespace vortalin
