#pragma once
// Who a case belongs to: the project, the author, who checked it and a note. Optional texts
// of the case file, entered in the window's "Údaje o prípade" and on the command line, and
// printed in the head of the calculation sheet.

#include <array>
#include <string>
#include <string_view>

namespace vortalin {

struct CaseIdentity {
    std::string project;
    std::string author;
    std::string checkedBy;
    std::string note;

    bool operator==(const CaseIdentity&) const = default;
};

// One row per text: the case-file key and command-line option, and the label the window
// and the sheet show.
struct IdentityField {
    std::string_view name;
    std::string_view label;
    std::string CaseIdentity::*text;
    std::string_view help; // one English sentence for --help
};

inline constexpr std::array<IdentityField, 4> kIdentityFields = {{
    {"project", "Projekt", &CaseIdentity::project,
     "Project the case belongs to (calculation sheet)."},
    {"author", "Vypracoval", &CaseIdentity::author,
     "Author of the calculation (calculation sheet)."},
    {"checked-by", "Skontroloval", &CaseIdentity::checkedBy,
     "Who checked the calculation (calculation sheet)."},
    {"note", "Poznámka", &CaseIdentity::note, "A note on the case (calculation sheet)."},
}};

// Texts longer than this are refused by the case reader; a note is a few lines.
inline constexpr std::size_t kMaxIdentityTextLength = 2000;

} // namespace vortalin
