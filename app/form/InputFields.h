#pragma once
// The input fields of the main window and the range dialog, one row each. Every other view
// of an input is derived from this table: the default texts of the window and the record,
// the window's labels, the names of the command line, the case files and the batch columns,
// the refusal of negative magnitudes and the help and tooltip texts.

#include "app/form/Controls.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vortalin {

// Grammatical gender of the quantity a label names, for the agreement of "záporný".
enum class LabelGender : std::uint8_t { Masculine, Feminine, Neuter };

// A magnitude (a length, diameter, pitch, the velocity, the row count) can never be
// negative where the selected geometry reads it; what else a negative one leaves undefined
// besides Nu and alpha:
struct Magnitude {
    bool feedsReynolds;       // Re is computed from it
    bool feedsStreamedLength; // the tube geometries' streamed length d is computed from it
};

struct InputField {
    EditId field;
    std::string_view defaultText; // with a decimal comma
    std::string_view label;       // the window's caption without its trailing colon
    // The caption with a bare symbol spelled out ("Priemer závitu D (m)"), for the tooltip,
    // the copied results, the guide and the command line's help.
    std::string_view fullName;
    LabelGender gender;
    std::string_view name;           // command-line option, case-file key and batch column
    std::optional<ButtonId> sweptBy; // the range dialog's button that sweeps it
    std::string_view unit;
    std::optional<Magnitude> magnitude; // set for a magnitude; unset where a sign is allowed
    std::string_view help;              // one English sentence for --help
    std::string_view description;       // one or two Slovak sentences for the tooltip
};

// In the order of the window: the common inputs, the geometries' fields, the range dialog.
// The symbols of the geometry fields agree with the quantity they stand for: d, D, d_a,
// d_b a diameter (priemer), s1, s2, s3, P_f a pitch (rozstup), h a rise (stúpanie), f a
// thickness (hrúbka).
// clang-format off
inline constexpr std::array<InputField, 25> kInputFields = [] {
    using enum EditId;
    using enum LabelGender;
    constexpr Magnitude kMagnitude{false, false};
    constexpr Magnitude kFeedsReynolds{true, false};
    constexpr Magnitude kFeedsStreamedLength{true, true};
    return std::array<InputField, 25>{{
    {Edit1, "1", "Rýchlosť tekutiny (m.s-1)",
     "Rýchlosť tekutiny (m.s-1)", Feminine,
     "w", ButtonId::Form2RadioButton1, "m.s-1", kFeedsReynolds,
     "Fluid velocity in m/s (Edit1).",
     "Rýchlosť prúdenia tekutiny w."},
    {Edit2, "0,1", "Hydraulický priemer (m)",
     "Hydraulický priemer (m)", Masculine,
     "d", ButtonId::Form2RadioButton2, "m", kFeedsReynolds,
     "Hydraulic diameter in m (Edit2).",
     "Charakteristický rozmer d, z ktorého sa počíta Reynoldsovo číslo a súčiniteľ prestupu "
     "tepla."},
    {Edit3, "20", "Teplota na vstupe (°C)",
     "Teplota na vstupe (°C)", Feminine,
     "t-in", ButtonId::Form2RadioButton3, "°C", std::nullopt,
     "Inlet temperature in °C (Edit3).",
     "Teplota tekutiny na vstupe."},
    {Edit4, "22", "Teplota na výstupe (°C)",
     "Teplota na výstupe (°C)", Feminine,
     "t-out", ButtonId::Form2RadioButton4, "°C", std::nullopt,
     "Outlet temperature in °C (Edit4).",
     "Teplota tekutiny na výstupe."},
    {Edit5, "30", "Teplota steny (°C)",
     "Teplota steny (°C)", Feminine,
     "t-wall", ButtonId::Form2RadioButton5, "°C", std::nullopt,
     "Wall temperature in °C (Edit5).",
     "Teplota steny, s ktorou si tekutina vymieňa teplo; pri vode sa pri nej počíta aj "
     "Prandtlovo číslo pri stene."},
    {Edit8, "1", "Dĺžka (m)",
     "Dĺžka potrubia L (m)", Feminine,
     "length", std::nullopt, "m", kMagnitude,
     "Pipe length in m (Edit8).",
     "Dĺžka potrubia L; do rovníc vstupuje pomerom d/L."},
    {Edit19, "90", "Uhol dopadu (°)",
     "Uhol dopadu (°)", Masculine,
     "angle", std::nullopt, "°", std::nullopt,
     "Angle of incidence in degrees, cross-flow (Edit19).",
     "Uhol medzi smerom prúdenia a osou potrubia, od 20 do 90°; 90° je kolmé obtekanie."},
    {Edit20, "1", "Dĺžka L (m)",
     "Dĺžka štrbiny L (m)", Feminine,
     "slot-length", std::nullopt, "m", kMagnitude,
     "Slot length in m (Edit20).",
     "Dĺžka štrbiny L v smere prúdenia."},
    {Edit21, "0,01", "d (m)",
     "Priemer rúrky d (m)", Masculine,
     "coil-tube-d", std::nullopt, "m", kFeedsReynolds, // the coil's Re
     "Helical pipe: tube diameter d in m (Edit21).",
     "Vnútorný priemer rúrky skrutkovice; nahrádza hydraulický priemer."},
    {Edit22, "0,1", "D (m)",
     "Priemer závitu D (m)", Masculine,
     "coil-d", std::nullopt, "m", kMagnitude,
     "Helical pipe: coil diameter D in m (Edit22).",
     "Priemer závitu skrutkovice D."},
    {Edit23, "0,02", "h (m)",
     "Stúpanie závitu h (m)", Neuter,
     "coil-pitch", std::nullopt, "m", kMagnitude,
     "Helical pipe: pitch h in m (Edit23).",
     "Stúpanie závitu skrutkovice h."},
    {Edit24, "0,01", "d (m)",
     "Priemer rúrky d (m)", Masculine,
     "row-d", std::nullopt, "m", kFeedsStreamedLength,
     "Tube row: tube diameter d in m (Edit24).",
     "Vonkajší priemer rúrok radu."},
    {Edit25, "0,02", "s1 (m)",
     "Rozteč rúrok s1 (m)", Masculine,
     "row-s1", std::nullopt, "m", kFeedsReynolds, // through the void fraction
     "Tube row: pitch s1 in m (Edit25).",
     "Rozteč rúrok v rade, naprieč prúdom."},
    {Edit26, "0,01", "d (m)",
     "Priemer rúrky d (m)", Masculine,
     "bank-d", std::nullopt, "m", kFeedsStreamedLength,
     "Tube banks: tube diameter d in m (Edit26).",
     "Vonkajší priemer rúrok rúrkovnice."},
    {Edit27, "0,02", "s1 (m)",
     "Priečna rozteč s1 (m)", Masculine,
     "bank-s1", std::nullopt, "m", kFeedsReynolds,
     "Tube banks: transverse pitch s1 in m (Edit27).",
     "Rozteč rúrok v rade, naprieč prúdom."},
    {Edit28, "0,02", "s2 (m)",
     "Pozdĺžna rozteč s2 (m)", Masculine,
     "bank-s2", std::nullopt, "m", kFeedsReynolds,
     "Tube banks: longitudinal pitch s2 in m (Edit28).",
     "Vzdialenosť radov rúrok v smere prúdu."},
    {Edit29, "0,005", "s3 (m)",
     "Posunutie radov s3 (m)", Masculine,
     "bank-s3", std::nullopt, "m", std::nullopt, // a mirrored shift
     "Partly staggered bank: shift s3 in m (Edit29).",
     "Posunutie susedných radov čiastočne striedavej rúrkovnice."},
    {Edit30, "1", "Počet radov",
     "Počet radov", Masculine,
     "row-count", std::nullopt, "1", kMagnitude, // under either mode
     "Tube banks: number of rows (Edit30).",
     "Počet radov rúrok v smere prúdu."},
    {Edit31, "53,6", "d_a (mm)",
     "Priemer rebra d_a (mm)", Masculine,
     "fin-da", std::nullopt, "mm", kMagnitude,
     "Finned bank: fin diameter d_a in mm (Edit31).",
     "Vonkajší priemer kruhového rebra, v milimetroch."},
    {Edit32, "25", "d_b (mm)",
     "Priemer rúrky d_b (mm)", Masculine,
     "fin-db", std::nullopt, "mm", kFeedsReynolds,
     "Finned bank: tube diameter d_b in mm (Edit32).",
     "Vonkajší priemer rúrky pod rebrami, v milimetroch."},
    {Edit33, "0,44", "f (mm)",
     "Hrúbka rebra f (mm)", Feminine,
     "fin-f", std::nullopt, "mm", kMagnitude,
     "Finned bank: fin thickness f in mm (Edit33).",
     "Hrúbka rebra, v milimetroch."},
    {Edit34, "2,46", "P_f (mm)",
     "Rozteč rebier P_f (mm)", Masculine,
     "fin-pf", std::nullopt, "mm", kMagnitude,
     "Finned bank: fin pitch P_f in mm (Edit34).",
     "Vzdialenosť susedných rebier, v milimetroch."},
    {Form2Edit1, "0,1", "Od",
     "Od", Feminine,
     "from", std::nullopt, "", std::nullopt,
     "Sweep: first value (range dialog \"Od :\").",
     "Prvá hodnota premennej štúdie, v jej jednotke."},
    {Form2Edit2, "0,2", "Do",
     "Do", Feminine,
     "to", std::nullopt, "", std::nullopt,
     "Sweep: last value (range dialog \"Do :\").",
     "Posledná hodnota premennej štúdie, v jej jednotke."},
    {Form2Edit3, "10", "Počet krokov",
     "Počet krokov", Masculine,
     "steps", std::nullopt, "1", std::nullopt,
     "Sweep: number of steps (range dialog \"Počet krokov:\").",
     "Počet krokov štúdie; každý krok je jeden riadok súboru výsledkov."},
    }};
}();
// clang-format on

// The index in kInputFields of each field's row, by the field's identifier (kNoInputRow for
// a result field): a sweep step looks up the rows of the inputs it reads.
inline constexpr std::uint8_t kNoInputRow = 0xFF;
inline constexpr std::array<std::uint8_t, static_cast<std::size_t>(EditId::Count)> kInputRowOf =
    [] {
        std::array<std::uint8_t, static_cast<std::size_t>(EditId::Count)> rows{};
        rows.fill(kNoInputRow);
        for (std::size_t row = 0; row < kInputFields.size(); ++row) {
            rows[static_cast<std::size_t>(kInputFields[row].field)] =
                static_cast<std::uint8_t>(row);
        }
        return rows;
    }();

// The row of an input field; nullptr for a result field.
constexpr const InputField* InputFieldOf(EditId field) {
    const auto id = static_cast<std::size_t>(field);
    if (id >= kInputRowOf.size() || kInputRowOf[id] == kNoInputRow) {
        return nullptr;
    }
    return &kInputFields[kInputRowOf[id]];
}
static_assert(
    [] {
        for (std::size_t row = 0; row < kInputFields.size(); ++row) {
            if (kInputRowOf[static_cast<std::size_t>(kInputFields[row].field)] != row) {
                return false; // a second row of the same field
            }
        }
        return true;
    }(),
    "every row of the inputs is found by its field");
// The row of an input by its name ("w", "t-in", "fin-pf", "from", ...); nullptr if unknown.
const InputField* FieldByName(std::string_view name);

// The default text of a field with the decimal separator in use ("0,1" or "0.1"); the
// result fields start at kStartText.
std::string DefaultText(EditId id, char decimalSeparator);

// The label of an input field ("Hydraulický priemer (m)"); empty for a result field.
std::string_view LabelOf(EditId field);

// The magnitude an input is; nullptr for an input that is none (a temperature, the angle,
// s3, the range).
const Magnitude* MagnitudeOf(EditId field);

// "Hydraulický priemer (m) nesmie byť záporný !!!"
std::string NegativeMagnitudeMessage(EditId field);

// "Hydraulický priemer (m): 'abc' nie je platné číslo.", with a hint where the field is
// greyed because the selected geometry does not use it (its text is converted all the same).
std::string FieldConversionMessage(std::string_view fieldName, std::string_view reason,
                                   bool greyedField = false);

} // namespace vortalin
