#pragma once
// What vortalin-cli reports of one run: the result fields with their labels, and the run as
// one JSON object. A single run and each case of a batch report the same way.

#include "app/Calculator.h"
#include "app/FormRecord.h"

#include <QJsonObject>
#include <QString>

#include <array>

namespace vortalin {

// The result fields in their on-screen order, with their labels.
struct ResultLine {
    EditId field;
    const char* label;
};

constexpr std::array<ResultLine, 12> kResultLines = {{
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
    {EditId::Edit16, "Nuseltovo číslo (1) :"},
    {EditId::Edit17, "Súčiniteľ prestupu tepla (W.m-2.K-1):"},
}};

// "texts" (the displayed texts by control name), "status", "messages", "shown" and "state"
// (every number of the calculation, null where not finite), and "error" when a text that
// is not a number stopped the run.
QJsonObject RunJson(const FormRecord& form, const Calculator& calc, const QString& error);

} // namespace vortalin
