#pragma once
// One name for each input and selection, everywhere: the command line's long options, the
// keys of a case file and the columns of a batch table all use these names. The names of
// the fields are in their table (InputFields.h), those of the selections' values in theirs
// (Selections.h, Geometries.h); here are the views the front ends walk through.

#include "app/form/Controls.h"
#include "app/form/Geometries.h"
#include "app/form/InputFields.h"
#include "app/form/Selections.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vortalin {

// A selection ("fluid", "geometry", "heating", "rows", "sweep") and its named values.
struct ChoiceValue {
    std::string_view value;
    ButtonId button;
};

struct SelectionName {
    std::string_view name;
    ButtonGroup group;
    std::span<const ChoiceValue> values; // the first is selected when the window opens
};

// The named values of a table of choices or geometries, in its order.
template <class Row, std::size_t N>
constexpr std::array<ChoiceValue, N> ValuesOf(const std::array<Row, N>& rows) {
    std::array<ChoiceValue, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        values[i] = {rows[i].value, rows[i].button};
    }
    return values;
}

// The swept variable is named after the input it sweeps.
constexpr std::array<ChoiceValue, 5> SweepValues() {
    std::array<ChoiceValue, 5> values{};
    std::size_t count = 0;
    for (const InputField& input : kInputFields) {
        if (input.sweptBy) {
            values[count++] = {input.name, *input.sweptBy};
        }
    }
    return values;
}

inline constexpr std::array kFluidValues = ValuesOf(kFluids);
inline constexpr std::array kGeometryValues = ValuesOf(kGeometries);
inline constexpr std::array kHeatingValues = ValuesOf(kHeatingModes);
inline constexpr std::array kRowsValues = ValuesOf(kRowCountModes);
inline constexpr std::array kSweepValues = SweepValues();

inline constexpr std::array<SelectionName, 5> kSelectionNames = {{
    {"fluid", ButtonGroup::Fluid, kFluidValues},
    {"geometry", ButtonGroup::Geometry, kGeometryValues},
    {"heating", ButtonGroup::HeatingMode, kHeatingValues},
    {"rows", ButtonGroup::RowCountMode, kRowsValues},
    {"sweep", ButtonGroup::SweepVariable, kSweepValues},
}};

// Look-ups by name; nullptr / nullopt for an unknown name or value.
const SelectionName* SelectionByName(std::string_view name);
std::optional<ButtonId> ChoiceByValue(const SelectionName& selection, std::string_view value);
// The value name of a selected button ("water" for RadioButton5), empty when none fits.
std::string_view ValueOfButton(ButtonId button);
// "air|water|gas" for help texts and messages.
std::string ValueList(const SelectionName& selection);

// Whether a button is selected when the window opens: the first of its selection.
bool SelectedAtStart(ButtonId button);

class ConversionError;

// A conversion failure naming the field by its option name ("d: 'abc' nie je platné číslo.").
std::string OptionConversionMessage(const ConversionError& failure);

} // namespace vortalin
