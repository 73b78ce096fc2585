#include "app/form/InputFields.h"

#include <algorithm>

namespace vortalin {

namespace {

std::string_view Negative(LabelGender gender) {
    switch (gender) {
    case LabelGender::Masculine:
        return "záporný";
    case LabelGender::Feminine:
        return "záporná";
    case LabelGender::Neuter:
        break;
    }
    return "záporné";
}

} // namespace

const InputField* FieldByName(std::string_view name) {
    const auto* it = std::find_if(kInputFields.begin(), kInputFields.end(),
                                  [name](const InputField& f) { return f.name == name; });
    return it == kInputFields.end() ? nullptr : it;
}

std::string DefaultText(EditId id, char decimalSeparator) {
    const InputField* input = InputFieldOf(id);
    std::string text(input == nullptr ? std::string_view(kStartText) : input->defaultText);
    std::replace(text.begin(), text.end(), ',', decimalSeparator);
    return text;
}

std::string_view LabelOf(EditId field) {
    const InputField* input = InputFieldOf(field);
    return input == nullptr ? std::string_view{} : input->label;
}

const Magnitude* MagnitudeOf(EditId field) {
    const InputField* input = InputFieldOf(field);
    return input == nullptr || !input->magnitude ? nullptr : &*input->magnitude;
}

std::string NegativeMagnitudeMessage(EditId field) {
    const InputField* input = InputFieldOf(field);
    const LabelGender gender = input == nullptr ? LabelGender::Masculine : input->gender;
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
