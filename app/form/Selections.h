#pragma once
// The selections of the main window. They are never copied into CalcState: every
// step that needs one asks the window which button is selected when it runs.

#include "app/form/Controls.h"

#include <array>
#include <cstdint>

namespace vortalin {

class WindowServices;

enum class Geometry : std::uint8_t {
    PipeFlow,
    CrossFlowPipe,
    Plate,
    PlanarSlot,
    SlotInsulatedOneSide,
    HelicalPipe,
    SingleRow,
    InlineBank,
    StaggeredBank,
    PartlyStaggeredBank,
    FinnedBank,
};
inline constexpr std::size_t kGeometryCount = 11;

enum class Fluid : std::uint8_t { Air, Water, NaturalGas };
enum class HeatingMode : std::uint8_t { ConstWallTemp, ConstHeatFlux };
enum class RowCountMode : std::uint8_t { ManyRows, FewRows };

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

// The selection as the window shows it now.
Geometry SelectedGeometry(const WindowServices& window);
Fluid SelectedFluid(const WindowServices& window);

// Readable names used on the command line ("pipe", "cross-flow", ...).
std::string_view GeometryName(Geometry g);
std::string_view FluidName(Fluid f);

} // namespace vortalin
