#include "app/report/Captions.h"

#include <array>
#include <cstddef>

namespace vortalin {

namespace {

struct Caption {
    ButtonId button;
    std::string_view text;
};

constexpr std::array<Caption, 18> kCaptions = {{
    {ButtonId::RadioButton1, "Prúdenie cez potrubie"},
    {ButtonId::RadioButton2, "Vzduch"},
    {ButtonId::RadioButton3, "Konšt. teplota steny"},
    {ButtonId::RadioButton4, "Konšt. tepelný tok"},
    {ButtonId::RadioButton5, "Voda"},
    {ButtonId::RadioButton6, "Priečne obtekanie potrubia"},
    {ButtonId::RadioButton7, "Obtekanie dosky"},
    {ButtonId::RadioButton8, "Tok v rovinnej štrbine"},
    {ButtonId::RadioButton9, "Štrbina jednostranne izol."},
    {ButtonId::RadioButton10, "Skrutkovicové potrubie"},
    {ButtonId::RadioButton11, "Prúdenie cez 1 rad "},
    {ButtonId::RadioButton12, "Usporiadaná rúrkovnica"},
    {ButtonId::RadioButton13, "Rúrkovnica - striedavá"},
    {ButtonId::RadioButton14, "Rúrkovnica - čiastočne str."},
    {ButtonId::RadioButton15, "Počet radov >= 10"},
    {ButtonId::RadioButton16, "Počet radov < 10"},
    {ButtonId::RadioButton17, "ZP (p=6,528 MPa)"},
    {ButtonId::RadioButton18, "Rebrovaná rúrkovnica"},
}};

} // namespace

std::string_view CaptionOf(ButtonId button) {
    for (const Caption& caption : kCaptions) {
        if (caption.button == button) {
            return caption.text;
        }
    }
    return {};
}

std::string_view TitleOf(ButtonGroup group) {
    switch (group) {
    case ButtonGroup::Geometry:
        return "Typ geometrie";
    case ButtonGroup::Fluid:
        return "Typ tekutiny";
    case ButtonGroup::HeatingMode:
        return "Typ prestupu";
    case ButtonGroup::RowCountMode:
        return "Počet radov rúrkovnice";
    case ButtonGroup::SweepVariable:
        break;
    }
    return "Výber premennej";
}

} // namespace vortalin
