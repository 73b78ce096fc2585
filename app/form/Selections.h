#pragma once
// The selections of the main window. They are never copied into CalcState: every
// step that needs one asks the window which button is selected when it runs.

#include "app/form/Controls.h"
#include "correlations/equations/SelectionKinds.h"

#include <array>
#include <string_view>

namespace vortalin {

class EngineWindow;

// The geometry buttons in the order of the group "Typ geometrie".
inline constexpr std::array<ButtonId, kGeometryCount> kGeometryButtons = {
    ButtonId::RadioButton1,  ButtonId::RadioButton6,  ButtonId::RadioButton7,
    ButtonId::RadioButton8,  ButtonId::RadioButton9,  ButtonId::RadioButton10,
    ButtonId::RadioButton11, ButtonId::RadioButton12, ButtonId::RadioButton13,
    ButtonId::RadioButton14, ButtonId::RadioButton18,
};

constexpr ButtonId ButtonOf(Geometry g) {
    return kGeometryButtons[static_cast<std::size_t>(g)];
}
ButtonId ButtonOf(Fluid f);
ButtonId ButtonOf(HeatingMode m);
ButtonId ButtonOf(RowCountMode m);

// Whether the geometry uses the hydraulic-diameter field Edit2. The helical pipe and
// every tube geometry take their own diameters, so Edit2 is greyed out for them.
bool UsesHydraulicDiameter(Geometry g);

// The selection as the window shows it now (the engine's view of the window suffices).
Geometry SelectedGeometry(const EngineWindow& window);
Fluid SelectedFluid(const EngineWindow& window);

// Readable names used on the command line ("pipe", "cross-flow", ...).
std::string_view GeometryName(Geometry g);
std::string_view FluidName(Fluid f);

} // namespace vortalin
