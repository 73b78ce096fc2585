#pragma once
// Properties that must hold for any input, checked by the fuzz targets and, over the stored
// seeds and findings, by the regression tests. Each returns an empty string when every
// property holds, otherwise what went wrong.

#include <cstddef>
#include <cstdint>
#include <string>

namespace vortalin::fuzz {

// Input: byte 0 precision, byte 1 decimals, byte 2 exponent digits, bytes 3..10 a double,
// the rest a text to parse. Parsing never crashes and gives finite numbers only; both
// formats give exactly the digits asked for and read back to the value they round.
std::string CheckNumberFormats(const std::uint8_t* data, std::size_t size);

// Input: bytes 0..3 select fluid, geometry, heating mode, row count, save-to-file, swept
// variable and decimal separator; the rest is split at line feeds into the texts of the
// input fields (see ComputeFields in Oracles.cpp). The whole Compute command runs on a
// window record; the displayed texts, the messages and the results file are checked.
std::string CheckCompute(const std::uint8_t* data, std::size_t size);

// What a fuzz target does with a check's answer: a violated property stops the run with
// the problem printed, so that libFuzzer keeps the input.
int AbortOnViolation(const std::string& problem);

} // namespace vortalin::fuzz
