#pragma once
// Properties of the reader of calculation sheets in JSON (what vortalin-report reads on its
// standard input), checked by its fuzz target and by the regression tests.

#include <cstddef>
#include <cstdint>
#include <string>

namespace vortalin::fuzz {

// Any bytes are either no sheet, or a sheet that is written and read again unchanged.
std::string CheckSheetJson(const std::uint8_t* data, std::size_t size);

} // namespace vortalin::fuzz
