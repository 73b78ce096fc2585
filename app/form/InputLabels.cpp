#include "app/form/InputLabels.h"

#include <algorithm>
#include <array>
#include <span>

namespace vortalin {

namespace {

using enum LabelGender;

// The captions of the main window's and the range dialog's input fields.
constexpr std::array<InputLabel, 25> kInputLabels = {{
    {EditId::Edit1, "Rýchlosť tekutiny (m.s-1)", Feminine},
    {EditId::Edit2, "Hydraulický priemer (m)", Masculine},
    {EditId::Edit3, "Teplota na vstupe (°C)", Feminine},
    {EditId::Edit4, "Teplota na výstupe (°C)", Feminine},
    {EditId::Edit5, "Teplota steny (°C)", Feminine},
    {EditId::Edit8, "Dĺžka (m)", Feminine},
    {EditId::Edit19, "Uhol dopadu (°)", Masculine},
    {EditId::Edit20, "Dĺžka L (m)", Feminine},
    // The symbols agree with the quantity they stand for: d, D, d_a, d_b a diameter
    // (priemer), s1, s2, s3, P_f a pitch (rozstup), h a rise (stúpanie), f a thickness
    // (hrúbka).
    {EditId::Edit21, "d (m)", Masculine},
    {EditId::Edit22, "D (m)", Masculine},
    {EditId::Edit23, "h (m)", Neuter},
    {EditId::Edit24, "d (m)", Masculine},
    {EditId::Edit25, "s1 (m)", Masculine},
    {EditId::Edit26, "d (m)", Masculine},
    {EditId::Edit27, "s1 (m)", Masculine},
    {EditId::Edit28, "s2 (m)", Masculine},
    {EditId::Edit29, "s3 (m)", Masculine},
    {EditId::Edit30, "Počet radov", Masculine},
    {EditId::Edit31, "d_a (mm)", Masculine},
    {EditId::Edit32, "d_b (mm)", Masculine},
    {EditId::Edit33, "f (mm)", Feminine},
    {EditId::Edit34, "P_f (mm)", Masculine},
    {EditId::Form2Edit1, "Od", Feminine},
    {EditId::Form2Edit2, "Do", Feminine},
    {EditId::Form2Edit3, "Počet krokov", Masculine},
}};

const InputLabel* FindLabel(EditId field) {
    const auto* it = std::find_if(kInputLabels.begin(), kInputLabels.end(),
                                  [field](const InputLabel& l) { return l.field == field; });
    return it == kInputLabels.end() ? nullptr : it;
}

// The magnitudes among the inputs, and what else rests on each of them.
constexpr std::array<Magnitude, 17> kMagnitudes = {{
    {EditId::Edit1, true, false},
    {EditId::Edit2, true, false},
    {EditId::Edit8, false, false},
    {EditId::Edit20, false, false},
    {EditId::Edit21, true, false}, // the coil's Re is computed from its tube diameter
    {EditId::Edit22, false, false},
    {EditId::Edit23, false, false},
    {EditId::Edit24, true, true},
    {EditId::Edit25, true, false}, // through the void fraction
    {EditId::Edit26, true, true},
    {EditId::Edit27, true, false},
    {EditId::Edit28, true, false},
    {EditId::Edit30, false, false}, // read under either row-count mode
    {EditId::Edit31, false, false},
    {EditId::Edit32, true, false},
    {EditId::Edit33, false, false},
    {EditId::Edit34, false, false},
}};

// The fields of each geometry's own group box, in the order of the window.
constexpr std::array<EditId, 1> kPipeFields = {EditId::Edit8};
constexpr std::array<EditId, 1> kCrossFlowFields = {EditId::Edit19};
constexpr std::array<EditId, 1> kSlotFields = {EditId::Edit20};
constexpr std::array<EditId, 3> kHelicalFields = {EditId::Edit21, EditId::Edit22, EditId::Edit23};
constexpr std::array<EditId, 2> kRowFields = {EditId::Edit24, EditId::Edit25};
constexpr std::array<EditId, 4> kBankFields = {EditId::Edit26, EditId::Edit27, EditId::Edit28,
                                               EditId::Edit30};
// The shift s3 is a mirrored offset, not a magnitude.
constexpr std::array<EditId, 5> kPartlyStaggeredFields = {
    EditId::Edit26, EditId::Edit27, EditId::Edit28, EditId::Edit29, EditId::Edit30};
constexpr std::array<EditId, 4> kFinnedFields = {EditId::Edit31, EditId::Edit32, EditId::Edit33,
                                                 EditId::Edit34};

constexpr std::array<std::span<const EditId>, kGeometryCount> kGeometryFields = {
    {kPipeFields,
     kCrossFlowFields,
     {},
     kSlotFields,
     kSlotFields,
     kHelicalFields,
     kRowFields,
     kBankFields,
     kBankFields,
     kPartlyStaggeredFields,
     kFinnedFields}};

std::string_view Negative(LabelGender gender) {
    switch (gender) {
    case Masculine:
        return "záporný";
    case Feminine:
        return "záporná";
    case Neuter:
        break;
    }
    return "záporné";
}

} // namespace

std::string_view LabelOf(EditId field) {
    const InputLabel* label = FindLabel(field);
    return label == nullptr ? std::string_view{} : label->label;
}

InputList InputsReadBy(Geometry geometry) {
    InputList fields;
    fields.Add(EditId::Edit1);
    if (UsesHydraulicDiameter(geometry)) {
        fields.Add(EditId::Edit2);
    }
    for (EditId field : {EditId::Edit3, EditId::Edit4, EditId::Edit5}) {
        fields.Add(field);
    }
    for (EditId field : kGeometryFields[static_cast<std::size_t>(geometry)]) {
        fields.Add(field);
    }
    return fields;
}

const Magnitude* MagnitudeOf(EditId field) {
    const auto* it = std::find_if(kMagnitudes.begin(), kMagnitudes.end(),
                                  [field](const Magnitude& m) { return m.field == field; });
    return it == kMagnitudes.end() ? nullptr : it;
}

std::string NegativeMagnitudeMessage(EditId field) {
    const InputLabel* label = FindLabel(field);
    const LabelGender gender = label == nullptr ? Masculine : label->gender;
    return std::string(LabelOf(field)) + " nesmie byť " + std::string(Negative(gender)) + " !!!";
}

std::string FieldConversionMessage(std::string_view fieldName, std::string_view reason,
                                   bool greyedField) {
    std::string message = std::string(fieldName) + ": " + std::string(reason);
    if (greyedField) {
        message += " Vybraná geometria toto pole nepoužíva, no aj jeho text musí byť číslo; "
                   "pole je teraz prístupné na opravu.";
    }
    return message;
}

} // namespace vortalin
