#include "app/form/Selections.h"

#include "app/compute/WindowServices.h"
#include "app/form/InputNames.h"
#include "correlations/engine/EngineWindow.h"

namespace vortalin {

ButtonId ButtonOf(Fluid f) {
    switch (f) {
    case Fluid::Air:
        return ButtonId::RadioButton2;
    case Fluid::Water:
        return ButtonId::RadioButton5;
    case Fluid::NaturalGas:
        break;
    }
    return ButtonId::RadioButton17;
}

ButtonId ButtonOf(HeatingMode m) {
    return m == HeatingMode::ConstWallTemp ? ButtonId::RadioButton3 : ButtonId::RadioButton4;
}

ButtonId ButtonOf(RowCountMode m) {
    return m == RowCountMode::ManyRows ? ButtonId::RadioButton15 : ButtonId::RadioButton16;
}

bool UsesHydraulicDiameter(Geometry g) {
    return static_cast<std::size_t>(g) < static_cast<std::size_t>(Geometry::HelicalPipe);
}

Geometry SelectedGeometry(const EngineWindow& window) {
    for (std::size_t i = 0; i < kGeometryCount; ++i) {
        if (window.IsSelected(kGeometryButtons[i])) {
            return static_cast<Geometry>(i);
        }
    }
    return Geometry::PipeFlow;
}

Fluid SelectedFluid(const EngineWindow& window) {
    if (window.IsSelected(ButtonId::RadioButton5)) {
        return Fluid::Water;
    }
    if (window.IsSelected(ButtonId::RadioButton17)) {
        return Fluid::NaturalGas;
    }
    return Fluid::Air;
}

std::string_view GeometryName(Geometry g) {
    return kGeometryValues[static_cast<std::size_t>(g)].value;
}

std::string_view FluidName(Fluid f) {
    return ValueOfButton(ButtonOf(f));
}

void GeometryButtonEnter(WindowServices& window, ButtonId geometryButton) {
    for (std::size_t i = 0; i < kGeometryCount; ++i) {
        if (kGeometryButtons[i] != geometryButton) {
            continue;
        }
        if (UsesHydraulicDiameter(static_cast<Geometry>(i))) {
            window.SetDiameterFieldColour(FieldColour::Window);
            window.SetDiameterFieldEnabled(true);
        } else {
            window.SetDiameterFieldColour(FieldColour::Silver);
            window.SetDiameterFieldEnabled(false);
        }
    }
}

} // namespace vortalin
