#pragma once
// A calculation sheet as JSON: how vortalin-cli hands the sheet of its run to the program
// that draws it (vortalin-report), so that the command line itself never loads Qt's GUI
// libraries.

#include "app/report/Sheet.h"
#include "app/report/SheetContent.h"

#include <optional>
#include <string>
#include <string_view>

namespace vortalin {

// The head of a sheet made now: this program's version and build, the local date and time,
// and the name of the case file (without its folder; empty for none).
SheetHead CurrentSheetHead(const std::string& caseFilePath);

std::string SheetToJson(const Sheet& sheet);
// nullopt for bytes that are no sheet.
std::optional<Sheet> SheetFromJson(std::string_view bytes);

} // namespace vortalin
