#pragma once
// Properties of the batch-table and grid readers that must hold for any input, checked by
// the BatchTableFuzzer and, over the stored seeds and findings, by the regression tests.

#include <cstddef>
#include <cstdint>
#include <string>

namespace vortalin::fuzz {

// Input: byte 0 chooses the decimal separator (bit 0) and whether the rest is a table or
// grid axes, one per line (bit 1). A table runs as a batch: a malformed one is refused with
// a message naming a line of it and nothing committed; otherwise every case gives one CSV
// record, exactly the record of the same case run alone, whose numbers read back. Grid
// axes are refused with a message, or give every combination in order.
std::string CheckBatchTable(const std::uint8_t* data, std::size_t size);

} // namespace vortalin::fuzz
