#pragma once
// The input fields as the user sees them: each field's label in the window, and which of
// them are magnitudes (lengths, diameters, pitches, the velocity, the row count) that the
// selected geometry reads and that can therefore never be negative.

#include "app/form/Controls.h"
#include "app/form/Selections.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vortalin {

// Grammatical gender of the quantity a label names, for the agreement of "záporný".
enum class LabelGender : std::uint8_t { Masculine, Feminine, Neuter };

struct InputLabel {
    EditId field;
    std::string_view label; // the window's caption without its trailing colon
    LabelGender gender;
};

// The label of an input field ("Hydraulický priemer (m)"); empty for a result field.
std::string_view LabelOf(EditId field);

// What a negative magnitude leaves undefined besides Nu and alpha.
struct Magnitude {
    EditId field;
    bool feedsReynolds;       // Re is computed from it
    bool feedsStreamedLength; // the tube geometries' streamed length d is computed from it
};

// The inputs the geometry reads, in the order of the window: the velocity, the hydraulic
// diameter where the geometry uses it, the three temperatures and the geometry's own fields.
// A fixed list, as every sweep step asks for it.
class InputList {
public:
    void Add(EditId field) { fields_[size_++] = field; }
    const EditId* begin() const { return fields_.data(); }
    const EditId* end() const { return fields_.data() + size_; }

private:
    std::array<EditId, 12> fields_{};
    std::size_t size_ = 0;
};
InputList InputsReadBy(Geometry geometry);
// The entry of a magnitude; nullptr for an input that is none (a temperature, the angle, s3).
const Magnitude* MagnitudeOf(EditId field);

// "Hydraulický priemer (m) nesmie byť záporný !!!"
std::string NegativeMagnitudeMessage(EditId field);

// "Hydraulický priemer (m): 'abc' nie je platné číslo.", with a hint where the field is
// greyed because the selected geometry does not use it (its text is converted all the same).
std::string FieldConversionMessage(std::string_view fieldName, std::string_view reason,
                                   bool greyedField = false);

} // namespace vortalin
