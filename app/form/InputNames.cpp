#include "app/form/InputNames.h"

#include "app/compute/ConversionError.h"

#include <string>

namespace vortalin {

const SelectionName* SelectionByName(std::string_view name) {
    for (const SelectionName& s : kSelectionNames) {
        if (s.name == name) {
            return &s;
        }
    }
    return nullptr;
}

std::optional<ButtonId> ChoiceByValue(const SelectionName& selection, std::string_view value) {
    for (const ChoiceValue& c : selection.values) {
        if (c.value == value) {
            return c.button;
        }
    }
    return std::nullopt;
}

std::string_view ValueOfButton(ButtonId button) {
    for (const SelectionName& s : kSelectionNames) {
        for (const ChoiceValue& c : s.values) {
            if (c.button == button) {
                return c.value;
            }
        }
    }
    return {};
}

std::string ValueList(const SelectionName& selection) {
    std::string list;
    for (const ChoiceValue& c : selection.values) {
        if (!list.empty()) {
            list += '|';
        }
        list += c.value;
    }
    return list;
}

bool SelectedAtStart(ButtonId button) {
    for (const SelectionName& s : kSelectionNames) {
        if (s.values.front().button == button) {
            return true;
        }
    }
    return false;
}

std::string OptionConversionMessage(const ConversionError& failure) {
    const InputField* name = failure.Field() ? InputFieldOf(*failure.Field()) : nullptr;
    return name == nullptr ? std::string(failure.what())
                           : FieldConversionMessage(name->name, failure.what());
}

} // namespace vortalin
