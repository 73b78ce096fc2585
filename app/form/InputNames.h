#pragma once
// One name for each input, everywhere: the command line's long options, the keys of a case
// file and the columns of a batch table all use these names.

#include "app/form/Controls.h"
#include "app/form/Selections.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vortalin {

// An input field by its name ("w", "t-in", "fin-pf", "from", ...).
struct FieldName {
    std::string_view name;
    EditId field;
    std::string_view help; // one English sentence for --help
};

inline constexpr std::array<FieldName, 25> kFieldNames = {{
    {"w", EditId::Edit1, "Fluid velocity in m/s (Edit1)."},
    {"d", EditId::Edit2, "Hydraulic diameter in m (Edit2)."},
    {"t-in", EditId::Edit3, "Inlet temperature in °C (Edit3)."},
    {"t-out", EditId::Edit4, "Outlet temperature in °C (Edit4)."},
    {"t-wall", EditId::Edit5, "Wall temperature in °C (Edit5)."},
    {"length", EditId::Edit8, "Pipe length in m (Edit8)."},
    {"angle", EditId::Edit19, "Angle of incidence in degrees, cross-flow (Edit19)."},
    {"slot-length", EditId::Edit20, "Slot length in m (Edit20)."},
    {"coil-tube-d", EditId::Edit21, "Helical pipe: tube diameter d in m (Edit21)."},
    {"coil-d", EditId::Edit22, "Helical pipe: coil diameter D in m (Edit22)."},
    {"coil-pitch", EditId::Edit23, "Helical pipe: pitch h in m (Edit23)."},
    {"row-d", EditId::Edit24, "Tube row: tube diameter d in m (Edit24)."},
    {"row-s1", EditId::Edit25, "Tube row: pitch s1 in m (Edit25)."},
    {"bank-d", EditId::Edit26, "Tube banks: tube diameter d in m (Edit26)."},
    {"bank-s1", EditId::Edit27, "Tube banks: transverse pitch s1 in m (Edit27)."},
    {"bank-s2", EditId::Edit28, "Tube banks: longitudinal pitch s2 in m (Edit28)."},
    {"bank-s3", EditId::Edit29, "Partly staggered bank: shift s3 in m (Edit29)."},
    {"row-count", EditId::Edit30, "Tube banks: number of rows (Edit30)."},
    {"fin-da", EditId::Edit31, "Finned bank: fin diameter d_a in mm (Edit31)."},
    {"fin-db", EditId::Edit32, "Finned bank: tube diameter d_b in mm (Edit32)."},
    {"fin-f", EditId::Edit33, "Finned bank: fin thickness f in mm (Edit33)."},
    {"fin-pf", EditId::Edit34, "Finned bank: fin pitch P_f in mm (Edit34)."},
    {"from", EditId::Form2Edit1, "Sweep: first value (range dialog \"Od :\")."},
    {"to", EditId::Form2Edit2, "Sweep: last value (range dialog \"Do :\")."},
    {"steps", EditId::Form2Edit3, "Sweep: number of steps (range dialog \"Počet krokov:\")."},
}};

// A selection ("fluid", "geometry", "heating", "rows", "sweep") and its named values.
struct ChoiceValue {
    std::string_view value;
    ButtonId button;
};

struct SelectionName {
    std::string_view name;
    ButtonGroup group;
    std::span<const ChoiceValue> values;
};

inline constexpr std::array<ChoiceValue, 3> kFluidValues = {{
    {"air", ButtonId::RadioButton2},
    {"water", ButtonId::RadioButton5},
    {"gas", ButtonId::RadioButton17},
}};
inline constexpr std::array<ChoiceValue, 11> kGeometryValues = {{
    {"pipe", ButtonId::RadioButton1},
    {"cross-flow", ButtonId::RadioButton6},
    {"plate", ButtonId::RadioButton7},
    {"slot", ButtonId::RadioButton8},
    {"slot-insulated", ButtonId::RadioButton9},
    {"helical", ButtonId::RadioButton10},
    {"tube-row", ButtonId::RadioButton11},
    {"inline-bank", ButtonId::RadioButton12},
    {"staggered-bank", ButtonId::RadioButton13},
    {"partly-staggered-bank", ButtonId::RadioButton14},
    {"finned-bank", ButtonId::RadioButton18},
}};
static_assert([] {
    for (std::size_t i = 0; i < kGeometryValues.size(); ++i) {
        if (kGeometryValues[i].button != kGeometryButtons[i]) {
            return false;
        }
    }
    return kGeometryValues.size() == kGeometryCount;
}());
inline constexpr std::array<ChoiceValue, 2> kHeatingValues = {{
    {"wall-temperature", ButtonId::RadioButton3},
    {"heat-flux", ButtonId::RadioButton4},
}};
inline constexpr std::array<ChoiceValue, 2> kRowsValues = {{
    {"many", ButtonId::RadioButton15},
    {"few", ButtonId::RadioButton16},
}};
inline constexpr std::array<ChoiceValue, 5> kSweepValues = {{
    {"w", ButtonId::Form2RadioButton1},
    {"d", ButtonId::Form2RadioButton2},
    {"t-in", ButtonId::Form2RadioButton3},
    {"t-out", ButtonId::Form2RadioButton4},
    {"t-wall", ButtonId::Form2RadioButton5},
}};

inline constexpr std::array<SelectionName, 5> kSelectionNames = {{
    {"fluid", ButtonGroup::Fluid, kFluidValues},
    {"geometry", ButtonGroup::Geometry, kGeometryValues},
    {"heating", ButtonGroup::HeatingMode, kHeatingValues},
    {"rows", ButtonGroup::RowCountMode, kRowsValues},
    {"sweep", ButtonGroup::SweepVariable, kSweepValues},
}};

// Look-ups by name; nullptr / nullopt for an unknown name or value.
const FieldName* FieldByName(std::string_view name);
const FieldName* NameOfField(EditId field);
const SelectionName* SelectionByName(std::string_view name);
std::optional<ButtonId> ChoiceByValue(const SelectionName& selection, std::string_view value);
// The value name of a selected button ("water" for RadioButton5), empty when none fits.
std::string_view ValueOfButton(ButtonId button);
// "air|water|gas" for help texts and messages.
std::string ValueList(const SelectionName& selection);

class ConversionError;

// A conversion failure naming the field by its option name ("d: 'abc' nie je platné číslo.").
std::string OptionConversionMessage(const ConversionError& failure);

} // namespace vortalin
