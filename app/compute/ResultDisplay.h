#pragma once
// The twelve results on screen: which field shows which value in which format.

#include "app/compute/CalcState.h"
#include "app/form/Controls.h"

#include <array>
#include <string_view>

namespace vortalin {

// Fixed format with `digits` decimals, or exponent format with at least `digits` exponent
// digits; `precision` significant digits.
struct DisplayedResult {
    EditId field;
    double CalcState::*value;
    bool exponent;
    int precision;
    int digits;
};

// In the order ShowResults writes them.
inline constexpr std::array<DisplayedResult, 12> kDisplayedResults = {{
    {EditId::Edit6, &CalcState::tMean, false, 10, 3},
    {EditId::Edit7, &CalcState::dtLog, false, 10, 3},
    {EditId::Edit9, &CalcState::rho, false, 10, 3},
    {EditId::Edit10, &CalcState::nu, true, 4, 3},
    {EditId::Edit11, &CalcState::mu, true, 4, 3},
    {EditId::Edit12, &CalcState::cp, false, 10, 3},
    {EditId::Edit13, &CalcState::lambda, false, 10, 4},
    {EditId::Edit14, &CalcState::Re, false, 10, 0},
    {EditId::Edit15, &CalcState::Pr, false, 10, 4},
    {EditId::Edit16, &CalcState::Nu, false, 10, 4},
    {EditId::Edit17, &CalcState::alpha, false, 10, 4},
    {EditId::Edit18, &CalcState::PrW, false, 10, 4},
}};

// The result fields in their order on screen, with their labels exactly as the window
// shows them, their full names (the label without its colon, for the tooltip and the copied
// results) and a sentence for the tooltip.
struct ResultLabel {
    EditId field;
    const char* label;
    std::string_view fullName;
    std::string_view description;
};

// clang-format off
inline constexpr std::array<ResultLabel, 12> kResultLabels = {{
    {EditId::Edit6, "Stredná teplota tekutiny (°C) :", "Stredná teplota tekutiny (°C)",
     "Aritmetický priemer teplôt na vstupe a na výstupe; pri nej sa počítajú vlastnosti "
     "tekutiny."},
    {EditId::Edit7, "Stredná log. teplota (°C) :", "Stredná log. teplota (°C)",
     "Stredný logaritmický rozdiel teplôt steny a tekutiny. Je to rozdiel teplôt, nie "
     "teplota: 1 °C rozdielu je 1 K."},
    {EditId::Edit9, "Hustota (kg.m-3) :", "Hustota (kg.m-3)",
     "Hustota tekutiny pri strednej teplote tekutiny."},
    {EditId::Edit10, "Kinematická viskozita (m2.s-1) :", "Kinematická viskozita (m2.s-1)",
     "Kinematická viskozita tekutiny pri strednej teplote tekutiny."},
    {EditId::Edit11, "Dynamická viskozita (Pa.s) :", "Dynamická viskozita (Pa.s)",
     "Dynamická viskozita tekutiny pri strednej teplote tekutiny."},
    {EditId::Edit12, "Tepelná kapacita (J.kg-1.K-1):", "Tepelná kapacita (J.kg-1.K-1)",
     "Merná tepelná kapacita tekutiny pri strednej teplote tekutiny."},
    {EditId::Edit13, "Tepelná vodivosť (W.m-1.K-1)", "Tepelná vodivosť (W.m-1.K-1)",
     "Tepelná vodivosť tekutiny pri strednej teplote tekutiny."},
    {EditId::Edit14, "Reynoldsovo číslo (1) :", "Reynoldsovo číslo (1)",
     "Re = w·d/ν, s viskozitou pri strednej teplote tekutiny."},
    {EditId::Edit15, "Prandtlovo číslo (1) :", "Prandtlovo číslo (1)",
     "Pr = ν·ρ·cp/λ pri strednej teplote tekutiny."},
    {EditId::Edit18, "Prandtl pri stene (1):", "Prandtl pri stene (1)",
     "Prandtlovo číslo pri teplote steny."},
    {EditId::Edit16, "Nusseltovo číslo (1) :", "Nusseltovo číslo (1)",
     "Nu z kriteriálnej rovnice vybranej geometrie a režimu prúdenia."},
    {EditId::Edit17, "Súčiniteľ prestupu tepla (W.m-2.K-1):",
     "Súčiniteľ prestupu tepla (W.m-2.K-1)", "α = Nu·λ/d."},
}};
// clang-format on

} // namespace vortalin
