#pragma once
// The number each field's text reads as, parsed once and kept until the text changes (the
// owner forgets it then). A sweep or a batch reads the same unchanged texts millions of
// times. A text that is no number is not kept: it throws on every read, naming its field.

#include "app/compute/ConversionError.h"
#include "app/form/Controls.h"
#include "app/format/NumberFormat.h"

#include <array>
#include <optional>
#include <string_view>

namespace vortalin {

class ParsedNumbers {
public:
    double Read(EditId field, std::string_view text, char separator) const {
        std::optional<double>& number = numbers_[Index(field)];
        if (!number) {
            number = ConvertField(field, [&] { return ParseNumber(text, separator); });
        }
        return *number;
    }
    void Forget(EditId field) { numbers_[Index(field)].reset(); }
    void ForgetAll() { numbers_.fill(std::nullopt); }

private:
    mutable std::array<std::optional<double>, kEditCount> numbers_;
};

} // namespace vortalin
