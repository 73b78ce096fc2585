#pragma once
// The texts of a calculation sheet: the head with the program and the case's identity, the
// case, its inputs, the fluid properties with the fits they come from, the similarity
// numbers, the criterion equation with the run's numbers put in, the results and every
// message and warning. Nothing is computed again: numbers are the screen's texts, the
// recorded terms of the equation and the table of the fits' deviations.

#include "app/report/CaseIdentity.h"
#include "app/report/RunSnapshot.h"
#include "app/report/Sheet.h"

#include <optional>
#include <string>

namespace vortalin {

// What the head says besides the identity.
struct SheetHead {
    std::string version;  // "0.5.0"
    std::string build;    // the commit the program was built from, or "neznámy"
    std::string dateTime; // "9. 12. 2026 08:40"
    std::string caseFile; // the case file's name; empty when the case has none
};

// The sheet of a run; without one (no Compute yet) the sheet says so and shows no numbers.
Sheet BuildSheet(const std::optional<RunSnapshot>& run, const CaseIdentity& identity,
                 const SheetHead& head);

// Texts of the sheet that tests and front ends look for.
inline constexpr const char* kSheetTitle = "Vortalin – výpočtový protokol";
inline constexpr const char* kNoRunText =
    "Zatiaľ nebol vykonaný žiadny výpočet: protokol neobsahuje výsledky.";
inline constexpr const char* kRefusedTitle = "Výpočet bol odmietnutý";
inline constexpr const char* kStoppedTitle = "Výpočet sa nedokončil";

} // namespace vortalin
