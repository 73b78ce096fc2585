#include "app/form/InputNames.h"

#include "app/compute/ConversionError.h"
#include "app/form/InputLabels.h"

#include <string>

namespace vortalin {

const FieldName* FieldByName(std::string_view name) {
    for (const FieldName& f : kFieldNames) {
        if (f.name == name) {
            return &f;
        }
    }
    return nullptr;
}

const FieldName* NameOfField(EditId field) {
    for (const FieldName& f : kFieldNames) {
        if (f.field == field) {
            return &f;
        }
    }
    return nullptr;
}

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

std::string OptionConversionMessage(const ConversionError& failure) {
    const FieldName* name = failure.Field() ? NameOfField(*failure.Field()) : nullptr;
    return name == nullptr ? std::string(failure.what())
                           : FieldConversionMessage(name->name, failure.what());
}

} // namespace vortalin
