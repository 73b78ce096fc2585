#include "app/form/FieldDescriptions.h"

#include "app/form/InputLabels.h"

#include <algorithm>
#include <array>

namespace vortalin {

namespace {

// Every input and result of the main window, and the range dialog's fields.
constexpr std::array<FieldDescription, 37> kDescriptions = {{
    {EditId::Edit1, "Rýchlosť tekutiny (m.s-1)", "Rýchlosť prúdenia tekutiny w."},
    {EditId::Edit2, "Hydraulický priemer (m)",
     "Charakteristický rozmer d, z ktorého sa počíta Reynoldsovo číslo a súčiniteľ prestupu "
     "tepla."},
    {EditId::Edit3, "Teplota na vstupe (°C)", "Teplota tekutiny na vstupe."},
    {EditId::Edit4, "Teplota na výstupe (°C)", "Teplota tekutiny na výstupe."},
    {EditId::Edit5, "Teplota steny (°C)",
     "Teplota steny, s ktorou si tekutina vymieňa teplo; pri vode sa pri nej počíta aj "
     "Prandtlovo číslo pri stene."},
    {EditId::Edit8, "Dĺžka potrubia L (m)", "Dĺžka potrubia L; do rovníc vstupuje pomerom d/L."},
    {EditId::Edit19, "Uhol dopadu (°)",
     "Uhol medzi smerom prúdenia a osou potrubia, od 20 do 90°; 90° je kolmé obtekanie."},
    {EditId::Edit20, "Dĺžka štrbiny L (m)", "Dĺžka štrbiny L v smere prúdenia."},
    {EditId::Edit21, "Priemer rúrky d (m)",
     "Vnútorný priemer rúrky skrutkovice; nahrádza hydraulický priemer."},
    {EditId::Edit22, "Priemer závitu D (m)", "Priemer závitu skrutkovice D."},
    {EditId::Edit23, "Stúpanie závitu h (m)", "Stúpanie závitu skrutkovice h."},
    {EditId::Edit24, "Priemer rúrky d (m)", "Vonkajší priemer rúrok radu."},
    {EditId::Edit25, "Rozteč rúrok s1 (m)", "Rozteč rúrok v rade, naprieč prúdom."},
    {EditId::Edit26, "Priemer rúrky d (m)", "Vonkajší priemer rúrok rúrkovnice."},
    {EditId::Edit27, "Priečna rozteč s1 (m)", "Rozteč rúrok v rade, naprieč prúdom."},
    {EditId::Edit28, "Pozdĺžna rozteč s2 (m)", "Vzdialenosť radov rúrok v smere prúdu."},
    {EditId::Edit29, "Posunutie radov s3 (m)",
     "Posunutie susedných radov čiastočne striedavej rúrkovnice."},
    {EditId::Edit30, "Počet radov", "Počet radov rúrok v smere prúdu."},
    {EditId::Edit31, "Priemer rebra d_a (mm)", "Vonkajší priemer kruhového rebra, v milimetroch."},
    {EditId::Edit32, "Priemer rúrky d_b (mm)",
     "Vonkajší priemer rúrky pod rebrami, v milimetroch."},
    {EditId::Edit33, "Hrúbka rebra f (mm)", "Hrúbka rebra, v milimetroch."},
    {EditId::Edit34, "Rozteč rebier P_f (mm)", "Vzdialenosť susedných rebier, v milimetroch."},
    {EditId::Edit6, "Stredná teplota tekutiny (°C)",
     "Aritmetický priemer teplôt na vstupe a na výstupe; pri nej sa počítajú vlastnosti "
     "tekutiny."},
    {EditId::Edit7, "Stredná log. teplota (°C)",
     "Stredný logaritmický rozdiel teplôt steny a tekutiny. Je to rozdiel teplôt, nie "
     "teplota: 1 °C rozdielu je 1 K."},
    {EditId::Edit9, "Hustota (kg.m-3)", "Hustota tekutiny pri strednej teplote tekutiny."},
    {EditId::Edit10, "Kinematická viskozita (m2.s-1)",
     "Kinematická viskozita tekutiny pri strednej teplote tekutiny."},
    {EditId::Edit11, "Dynamická viskozita (Pa.s)",
     "Dynamická viskozita tekutiny pri strednej teplote tekutiny."},
    {EditId::Edit12, "Tepelná kapacita (J.kg-1.K-1)",
     "Merná tepelná kapacita tekutiny pri strednej teplote tekutiny."},
    {EditId::Edit13, "Tepelná vodivosť (W.m-1.K-1)",
     "Tepelná vodivosť tekutiny pri strednej teplote tekutiny."},
    {EditId::Edit14, "Reynoldsovo číslo (1)",
     "Re = w·d/ν, s viskozitou pri strednej teplote tekutiny."},
    {EditId::Edit15, "Prandtlovo číslo (1)", "Pr = ν·ρ·cp/λ pri strednej teplote tekutiny."},
    {EditId::Edit18, "Prandtl pri stene (1)", "Prandtlovo číslo pri teplote steny."},
    {EditId::Edit16, "Nusseltovo číslo (1)",
     "Nu z kriteriálnej rovnice vybranej geometrie a režimu prúdenia."},
    {EditId::Edit17, "Súčiniteľ prestupu tepla (W.m-2.K-1)", "α = Nu·λ/d."},
    {EditId::Form2Edit1, "Od", "Prvá hodnota premennej štúdie, v jej jednotke."},
    {EditId::Form2Edit2, "Do", "Posledná hodnota premennej štúdie, v jej jednotke."},
    {EditId::Form2Edit3, "Počet krokov",
     "Počet krokov štúdie; každý krok je jeden riadok súboru výsledkov."},
}};

constexpr std::array<std::string_view, kGeometryCount> kGeometryCaptions = {
    "Prúdenie cez potrubie",       "Priečne obtekanie potrubia", "Obtekanie dosky",
    "Tok v rovinnej štrbine",      "Štrbina jednostranne izol.", "Skrutkovicové potrubie",
    "Prúdenie cez 1 rad",          "Usporiadaná rúrkovnica",     "Rúrkovnica - striedavá",
    "Rúrkovnica - čiastočne str.", "Rebrovaná rúrkovnica",
};

// What the hydraulic-diameter field is for each geometry that uses it.
struct GeometryUse {
    EditId field;
    Geometry geometry;
    std::string_view note;
};

constexpr std::string_view kSlotDiameter = "Pre štrbinu zadajte Dh = 2·s, kde s je šírka štrbiny.";
constexpr std::string_view kApproachVelocity =
    "Pre rady rúrok je to rýchlosť prúdu pred radom; Re sa počíta s rýchlosťou vo voľnom "
    "priereze.";
constexpr std::array<GeometryUse, 9> kGeometryUses = {{
    {EditId::Edit2, Geometry::PipeFlow, "Pre potrubie je to jeho vnútorný priemer d."},
    {EditId::Edit2, Geometry::CrossFlowPipe,
     "Pre obtekané potrubie je to jeho vonkajší priemer d."},
    {EditId::Edit2, Geometry::Plate,
     "Pre dosku je to jej dĺžka L v smere prúdenia (m), nie priemer."},
    {EditId::Edit2, Geometry::PlanarSlot, kSlotDiameter},
    {EditId::Edit2, Geometry::SlotInsulatedOneSide, kSlotDiameter},
    {EditId::Edit1, Geometry::SingleRow, kApproachVelocity},
    {EditId::Edit1, Geometry::InlineBank, kApproachVelocity},
    {EditId::Edit1, Geometry::StaggeredBank, kApproachVelocity},
    {EditId::Edit1, Geometry::PartlyStaggeredBank, kApproachVelocity},
}};

// The length d in Re and alpha of each geometry.
constexpr std::string_view kStreamedLength =
    "d je obtekaná dĺžka rúrky π·d/2; Re sa počíta s rýchlosťou vo voľnom priereze radu.";
constexpr std::array<std::string_view, kGeometryCount> kCharacteristicLengths = {
    "d je hydraulický priemer.",
    "d je priemer potrubia (pole Hydraulický priemer).",
    "d je dĺžka dosky L (pole Hydraulický priemer).",
    "d je hydraulický priemer štrbiny Dh = 2·s.",
    "d je hydraulický priemer štrbiny Dh = 2·s.",
    "d je priemer rúrky skrutkovice.",
    kStreamedLength,
    kStreamedLength,
    kStreamedLength,
    kStreamedLength,
    "d je priemer rúrky d_b.",
};

constexpr std::string_view kNotUsed = "Vybraná geometria toto pole nepoužíva.";
constexpr std::string_view kRowCountNotUsed =
    "Pri voľbe „Počet radov >= 10“ sa počet radov nepoužíva.";
constexpr std::string_view kWallPrandtlOfGases =
    "Vlastnosti vzduchu a zemného plynu sa pri stene nepočítajú: hodnota sa rovná "
    "Prandtlovmu číslu pri strednej teplote tekutiny.";
constexpr std::string_view kWallPrandtlOfWater = "Vlastnosti vody sa počítajú pri teplote steny.";

const FieldDescription* Find(EditId field) {
    const auto* it = std::find_if(kDescriptions.begin(), kDescriptions.end(),
                                  [field](const FieldDescription& d) { return d.field == field; });
    return it == kDescriptions.end() ? nullptr : it;
}

std::size_t Index(Geometry g) {
    return static_cast<std::size_t>(g);
}

void AddLine(std::string& text, std::string_view line) {
    if (!text.empty()) {
        text += '\n';
    }
    text += line;
}

// The name and the sentence about the field.
std::string Basics(EditId field) {
    std::string text(FullNameOf(field));
    AddLine(text, AboutOf(field));
    return text;
}

// "Používa ho: Rúrkovnica - čiastočne str.", "Používajú ho: Usporiadaná rúrkovnica, …".
std::string UsersOf(EditId field) {
    std::string users;
    int count = 0;
    for (std::size_t g = 0; g < kGeometryCount; ++g) {
        if (GeometryReads(static_cast<Geometry>(g), field)) {
            users += count++ == 0 ? "" : ", ";
            users += kGeometryCaptions[g];
        }
    }
    if (count == 0) {
        return users;
    }
    return (count == 1 ? "Používa ho: " : "Používajú ho: ") + users + ".";
}

bool IsRangeDialogField(EditId field) {
    return field == EditId::Form2Edit1 || field == EditId::Form2Edit2 ||
           field == EditId::Form2Edit3;
}

} // namespace

std::string_view FullNameOf(EditId field) {
    const FieldDescription* d = Find(field);
    return d == nullptr ? std::string_view{} : d->name;
}

std::string_view AboutOf(EditId field) {
    const FieldDescription* d = Find(field);
    return d == nullptr ? std::string_view{} : d->about;
}

std::string_view GeometryCaption(Geometry geometry) {
    return kGeometryCaptions[Index(geometry)];
}

bool GeometryReads(Geometry geometry, EditId field) {
    if (IsRangeDialogField(field)) {
        return true;
    }
    const InputList inputs = InputsReadBy(geometry);
    return std::find(inputs.begin(), inputs.end(), field) != inputs.end();
}

std::string InputToolTip(EditId field, const FieldContext& context) {
    std::string text = Basics(field);
    if (!GeometryReads(context.geometry, field)) {
        AddLine(text, kNotUsed);
        AddLine(text, UsersOf(field));
        return text;
    }
    for (const GeometryUse& use : kGeometryUses) {
        if (use.field == field && use.geometry == context.geometry) {
            AddLine(text, use.note);
        }
    }
    if (field == EditId::Edit30 && context.rows == RowCountMode::ManyRows) {
        AddLine(text, kRowCountNotUsed);
    }
    return text;
}

std::string ResultToolTip(EditId field, const FieldContext& context) {
    std::string text = Basics(field);
    if (field == EditId::Edit18) {
        AddLine(text, context.fluid == Fluid::Water ? kWallPrandtlOfWater : kWallPrandtlOfGases);
    }
    if (field == EditId::Edit14 || field == EditId::Edit17) {
        AddLine(text, kCharacteristicLengths[Index(context.geometry)]);
    }
    return text;
}

std::string ConstantStudyNote(Geometry geometry, EditId sweptField) {
    if (GeometryReads(geometry, sweptField)) {
        return {};
    }
    return "Vybraná geometria nepoužíva premennú štúdie „" + std::string(FullNameOf(sweptField)) +
           "“: všetky kroky majú rovnaké výsledky.";
}

} // namespace vortalin
