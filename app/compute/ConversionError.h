#pragma once
// A text that does not convert to a number. It ends the running command and is shown
// by the application's general error handler with its own message; the front ends name
// the field it came from, each in its own way (the window by its label, the command line
// by its option name).

#include "app/form/Controls.h"

#include <optional>
#include <stdexcept>
#include <string>

namespace vortalin {

class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const std::string& message) : std::runtime_error(message) {}

    // The input field whose text failed, once the reader of that field has added it.
    std::optional<EditId> Field() const { return field_; }
    void SetField(EditId field) { field_ = field; }

private:
    std::optional<EditId> field_;
};

// Runs the conversion of a field's text; a failure carries the field.
template <class Convert> auto ConvertField(EditId field, Convert&& convert) {
    try {
        return convert();
    } catch (ConversionError& e) {
        e.SetField(field);
        throw;
    }
}

} // namespace vortalin
