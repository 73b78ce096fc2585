#pragma once
// The twelve results on screen: which field shows which value in which format.

#include "app/compute/CalcState.h"
#include "app/form/Controls.h"

#include <array>

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
// shows them.
struct ResultLabel {
    EditId field;
    const char* label;
};

inline constexpr std::array<ResultLabel, 12> kResultLabels = {{
    {EditId::Edit6, "Stredná teplota tekutiny (°C) :"},
    {EditId::Edit7, "Stredná log. teplota (°C) :"},
    {EditId::Edit9, "Hustota (kg.m-3) :"},
    {EditId::Edit10, "Kinematická viskozita (m2.s-1) :"},
    {EditId::Edit11, "Dynamická viskozita (Pa.s) :"},
    {EditId::Edit12, "Tepelná kapacita (J.kg-1.K-1):"},
    {EditId::Edit13, "Tepelná vodivosť (W.m-1.K-1)"},
    {EditId::Edit14, "Reynoldsovo číslo (1) :"},
    {EditId::Edit15, "Prandtlovo číslo (1) :"},
    {EditId::Edit18, "Prandtl pri stene (1):"},
    {EditId::Edit16, "Nusseltovo číslo (1) :"},
    {EditId::Edit17, "Súčiniteľ prestupu tepla (W.m-2.K-1):"},
}};

} // namespace vortalin
