#pragma once
// A text that does not convert to a number. It ends the running command and is shown
// by the application's general error handler with its own message.

#include <stdexcept>
#include <string>

namespace vortalin {

class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace vortalin
