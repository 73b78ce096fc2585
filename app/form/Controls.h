#pragma once
// Identifiers of the controls that the calculation reads and writes.
//
// The names follow the form designer's numbering of the main window (Form1) and of
// the range dialog (Form2). The dialog's own Edit1..Edit3 and RadioButton1..RadioButton5
// are distinct controls; they carry the prefix Form2 here.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vortalin {

enum class EditId : std::uint8_t {
    Edit1,
    Edit2,
    Edit3,
    Edit4,
    Edit5,
    Edit6,
    Edit7,
    Edit8,
    Edit9,
    Edit10,
    Edit11,
    Edit12,
    Edit13,
    Edit14,
    Edit15,
    Edit16,
    Edit17,
    Edit18,
    Edit19,
    Edit20,
    Edit21,
    Edit22,
    Edit23,
    Edit24,
    Edit25,
    Edit26,
    Edit27,
    Edit28,
    Edit29,
    Edit30,
    Edit31,
    Edit32,
    Edit33,
    Edit34,
    Form2Edit1, // "Od :"           sweepFrom
    Form2Edit2, // "Do :"           sweepTo
    Form2Edit3, // "Počet krokov:"  number of steps
    Count
};

enum class ButtonId : std::uint8_t {
    RadioButton1,
    RadioButton2,
    RadioButton3,
    RadioButton4,
    RadioButton5,
    RadioButton6,
    RadioButton7,
    RadioButton8,
    RadioButton9,
    RadioButton10,
    RadioButton11,
    RadioButton12,
    RadioButton13,
    RadioButton14,
    RadioButton15,
    RadioButton16,
    RadioButton17,
    RadioButton18,
    Form2RadioButton1, // sweep w
    Form2RadioButton2, // sweep d
    Form2RadioButton3, // sweep tIn
    Form2RadioButton4, // sweep tOut
    Form2RadioButton5, // sweep tWall
    Count
};

inline constexpr std::size_t kEditCount = static_cast<std::size_t>(EditId::Count);
inline constexpr std::size_t kButtonCount = static_cast<std::size_t>(ButtonId::Count);

constexpr std::size_t Index(EditId id) {
    return static_cast<std::size_t>(id);
}
constexpr std::size_t Index(ButtonId id) {
    return static_cast<std::size_t>(id);
}

// Groups of mutually exclusive buttons; exactly one button of each is selected.
enum class ButtonGroup : std::uint8_t { Geometry, Fluid, HeatingMode, RowCountMode, SweepVariable };

ButtonGroup GroupOf(ButtonId button);

// The control's name as the form designer gives it ("Edit12", "RadioButton10";
// the range dialog's controls as "Form2.Edit1", "Form2.RadioButton3").
std::string_view ControlName(EditId id);
std::string_view ControlName(ButtonId id);
std::optional<EditId> EditByName(std::string_view name);
std::optional<ButtonId> ButtonByName(std::string_view name);

// The text of every result field when the window opens (16 hyphens).
inline constexpr const char* kStartText = "----------------";

} // namespace vortalin
