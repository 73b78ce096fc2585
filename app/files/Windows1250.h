#pragma once
// Windows-1250, the Central European code page of Windows, in which the results file is
// written: our own table, so that the core needs no converter of the platform.

#include <optional>
#include <string>
#include <string_view>

namespace vortalin {

// The character of a byte from 0x80 to 0xFF; 0 for the five bytes the code page leaves
// undefined (81, 83, 88, 90, 98). The bytes below 0x80 are ASCII.
char32_t Windows1250Character(unsigned char byte);

// The UTF-8 text in Windows-1250 bytes; nullopt when the text is not well-formed UTF-8 or
// holds a character the code page lacks. The invisible Unicode tag characters (U+E0000 to
// U+E007F) are dropped, as the C library's converter drops them.
std::optional<std::string> ToWindows1250(std::string_view utf8);

} // namespace vortalin
