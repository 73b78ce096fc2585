#pragma once
// Properties of the case-file reader, checked by its fuzz target and, over the stored seeds
// and findings, by the regression tests. Needs the QtCore library of the front ends.

#include <cstddef>
#include <cstdint>
#include <string>

namespace vortalin::fuzz {

// Input: bit 0 of byte 0 chooses the reader's decimal separator (',' or '.'); the rest is
// the file. A refused file gives a short, printable Slovak message and leaves a window
// record exactly as it was; an accepted one sets every input of the record, keeps its
// identity texts (project, author, ...) within their length, and the case written back from
// the record and the identity reads again to the same inputs and identity.
std::string CheckCaseFile(const std::uint8_t* data, std::size_t size);

} // namespace vortalin::fuzz
