#pragma once
// The selections of the main window. They are never copied into CalcState: every
// step that needs one asks the window which button is selected when it runs.

#include "app/form/Controls.h"
#include "correlations/equations/SelectionKinds.h"

#include <array>
#include <string_view>

namespace vortalin {

class EngineWindow;
class WindowServices;

// One button of a selection: the value it stands for, the button and the name of the value
// on the command line, in case files and batch tables. The first row of a group is selected
// when the window opens. The geometries have their own, wider table (Geometries.h).
template <class Option> struct Choice {
    Option option;
    ButtonId button;
    std::string_view value;
};

inline constexpr std::array<Choice<Fluid>, 3> kFluids = {{
    {Fluid::Air, ButtonId::RadioButton2, "air"},
    {Fluid::Water, ButtonId::RadioButton5, "water"},
    {Fluid::NaturalGas, ButtonId::RadioButton17, "gas"},
}};
inline constexpr std::array<Choice<HeatingMode>, 2> kHeatingModes = {{
    {HeatingMode::ConstWallTemp, ButtonId::RadioButton3, "wall-temperature"},
    {HeatingMode::ConstHeatFlux, ButtonId::RadioButton4, "heat-flux"},
}};
inline constexpr std::array<Choice<RowCountMode>, 2> kRowCountModes = {{
    {RowCountMode::ManyRows, ButtonId::RadioButton15, "many"},
    {RowCountMode::FewRows, ButtonId::RadioButton16, "few"},
}};

// The buttons of a table of choices or geometries, in its order.
template <class Row, std::size_t N>
constexpr std::array<ButtonId, N> ButtonsOf(const std::array<Row, N>& rows) {
    std::array<ButtonId, N> buttons{};
    for (std::size_t i = 0; i < N; ++i) {
        buttons[i] = rows[i].button;
    }
    return buttons;
}

ButtonId ButtonOf(Geometry g);
ButtonId ButtonOf(Fluid f);
ButtonId ButtonOf(HeatingMode m);
ButtonId ButtonOf(RowCountMode m);

// What the enter handler of a geometry button does to Edit2: silver and disabled for the
// geometries with their own diameters, window colour and enabled for the others.
void GeometryButtonEnter(WindowServices& window, ButtonId geometryButton);

// Selects a button as a click in the window does: the others of its group are cleared and,
// for a geometry button, its enter handler greys or restores Edit2. Form is a record or the
// window's services, both of which can select a button.
template <class Form> void SelectAsClicked(Form& form, ButtonId button) {
    form.Select(button);
    if (GroupOf(button) == ButtonGroup::Geometry) {
        GeometryButtonEnter(form, button);
    }
}

// The selection as the window shows it now (the engine's view of the window suffices).
Geometry SelectedGeometry(const EngineWindow& window);
Fluid SelectedFluid(const EngineWindow& window);

// Readable names used on the command line ("pipe", "cross-flow", ...).
std::string_view GeometryName(Geometry g);
std::string_view FluidName(Fluid f);

} // namespace vortalin
