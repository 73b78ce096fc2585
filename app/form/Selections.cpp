#include "app/form/Selections.h"

#include "app/compute/WindowServices.h"
#include "app/form/Geometries.h"
#include "correlations/engine/EngineWindow.h"

#include <algorithm>

namespace vortalin {

namespace {

template <class Option, std::size_t N>
const Choice<Option>& ChoiceOf(const std::array<Choice<Option>, N>& choices, Option option) {
    return *std::find_if(choices.begin(), choices.end(),
                         [option](const Choice<Option>& c) { return c.option == option; });
}

} // namespace

ButtonId ButtonOf(Geometry g) {
    return GeometryOf(g).button;
}
ButtonId ButtonOf(Fluid f) {
    return ChoiceOf(kFluids, f).button;
}
ButtonId ButtonOf(HeatingMode m) {
    return ChoiceOf(kHeatingModes, m).button;
}
ButtonId ButtonOf(RowCountMode m) {
    return ChoiceOf(kRowCountModes, m).button;
}

Geometry SelectedGeometry(const EngineWindow& window) {
    for (const GeometryEntry& g : kGeometries) {
        if (window.IsSelected(g.button)) {
            return g.option;
        }
    }
    return kGeometries.front().option;
}

Fluid SelectedFluid(const EngineWindow& window) {
    for (const Choice<Fluid>& f : kFluids) {
        if (window.IsSelected(f.button)) {
            return f.option;
        }
    }
    return kFluids.front().option;
}

std::string_view GeometryName(Geometry g) {
    return GeometryOf(g).value;
}

std::string_view FluidName(Fluid f) {
    return ChoiceOf(kFluids, f).value;
}

void GeometryButtonEnter(WindowServices& window, ButtonId geometryButton) {
    const GeometryEntry* entry = GeometryOfButton(geometryButton);
    if (entry == nullptr) {
        return;
    }
    if (entry->usesHydraulicDiameter) {
        window.SetDiameterFieldColour(FieldColour::Window);
        window.SetDiameterFieldEnabled(true);
    } else {
        window.SetDiameterFieldColour(FieldColour::Silver);
        window.SetDiameterFieldEnabled(false);
    }
}

} // namespace vortalin
