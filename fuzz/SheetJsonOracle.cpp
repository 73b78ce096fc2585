#include "fuzz/SheetJsonOracle.h"

#include "app/report/SheetJson.h"

#include <string_view>

namespace vortalin::fuzz {

std::string CheckSheetJson(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<Sheet> sheet = SheetFromJson(bytes);
    if (!sheet) {
        return {};
    }
    const std::optional<Sheet> again = SheetFromJson(SheetToJson(*sheet));
    if (!again || !(*again == *sheet)) {
        return "a sheet written as JSON does not read back the same";
    }
    return {};
}

} // namespace vortalin::fuzz
