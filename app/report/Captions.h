#pragma once
// The captions of the window's selection buttons and the titles of their groups, exactly as
// the window shows them, for texts made without the window (the calculation sheet).

#include "app/form/Controls.h"

#include <string_view>

namespace vortalin {

// "Prúdenie cez potrubie", "Vzduch", ...; the trailing blank of "Prúdenie cez 1 rad " kept.
std::string_view CaptionOf(ButtonId button);
// "Typ geometrie", "Typ tekutiny", "Typ prestupu", "Počet radov rúrkovnice".
std::string_view TitleOf(ButtonGroup group);

} // namespace vortalin
