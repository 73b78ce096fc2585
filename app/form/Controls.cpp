#include "app/form/Controls.h"

#include <array>

namespace vortalin {

namespace {

constexpr std::array<std::string_view, kEditCount> kEditNames = {
    "Edit1",  "Edit2",  "Edit3",       "Edit4",       "Edit5",       "Edit6",  "Edit7",  "Edit8",
    "Edit9",  "Edit10", "Edit11",      "Edit12",      "Edit13",      "Edit14", "Edit15", "Edit16",
    "Edit17", "Edit18", "Edit19",      "Edit20",      "Edit21",      "Edit22", "Edit23", "Edit24",
    "Edit25", "Edit26", "Edit27",      "Edit28",      "Edit29",      "Edit30", "Edit31", "Edit32",
    "Edit33", "Edit34", "Form2.Edit1", "Form2.Edit2", "Form2.Edit3",
};

constexpr std::array<std::string_view, kButtonCount> kButtonNames = {
    "RadioButton1",       "RadioButton2",       "RadioButton3",       "RadioButton4",
    "RadioButton5",       "RadioButton6",       "RadioButton7",       "RadioButton8",
    "RadioButton9",       "RadioButton10",      "RadioButton11",      "RadioButton12",
    "RadioButton13",      "RadioButton14",      "RadioButton15",      "RadioButton16",
    "RadioButton17",      "RadioButton18",      "Form2.RadioButton1", "Form2.RadioButton2",
    "Form2.RadioButton3", "Form2.RadioButton4", "Form2.RadioButton5",
};

} // namespace

ButtonGroup GroupOf(ButtonId button) {
    switch (button) {
    case ButtonId::RadioButton2:
    case ButtonId::RadioButton5:
    case ButtonId::RadioButton17:
        return ButtonGroup::Fluid;
    case ButtonId::RadioButton3:
    case ButtonId::RadioButton4:
        return ButtonGroup::HeatingMode;
    case ButtonId::RadioButton15:
    case ButtonId::RadioButton16:
        return ButtonGroup::RowCountMode;
    case ButtonId::Form2RadioButton1:
    case ButtonId::Form2RadioButton2:
    case ButtonId::Form2RadioButton3:
    case ButtonId::Form2RadioButton4:
    case ButtonId::Form2RadioButton5:
        return ButtonGroup::SweepVariable;
    default:
        return ButtonGroup::Geometry;
    }
}

std::string_view ControlName(EditId id) {
    return kEditNames[Index(id)];
}
std::string_view ControlName(ButtonId id) {
    return kButtonNames[Index(id)];
}

std::optional<EditId> EditByName(std::string_view name) {
    for (std::size_t i = 0; i < kEditCount; ++i) {
        if (kEditNames[i] == name) {
            return static_cast<EditId>(i);
        }
    }
    return std::nullopt;
}

std::optional<ButtonId> ButtonByName(std::string_view name) {
    for (std::size_t i = 0; i < kButtonCount; ++i) {
        if (kButtonNames[i] == name) {
            return static_cast<ButtonId>(i);
        }
    }
    return std::nullopt;
}

} // namespace vortalin
