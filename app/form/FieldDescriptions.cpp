#include "app/form/FieldDescriptions.h"

#include "app/compute/ResultDisplay.h"
#include "app/form/Geometries.h"
#include "app/form/InputFields.h"

#include <algorithm>
#include <array>

namespace vortalin {

namespace {

constexpr std::string_view kNotUsed = "Vybraná geometria toto pole nepoužíva.";
constexpr std::string_view kRowCountNotUsed =
    "Pri voľbe „Počet radov >= 10“ sa počet radov nepoužíva.";
constexpr std::string_view kWallPrandtlOfGases =
    "Vlastnosti vzduchu a zemného plynu sa pri stene nepočítajú: hodnota sa rovná "
    "Prandtlovmu číslu pri strednej teplote tekutiny.";
constexpr std::string_view kWallPrandtlOfWater = "Vlastnosti vody sa počítajú pri teplote steny.";

const ResultLabel* ResultOf(EditId field) {
    const auto* it = std::find_if(kResultLabels.begin(), kResultLabels.end(),
                                  [field](const ResultLabel& r) { return r.field == field; });
    return it == kResultLabels.end() ? nullptr : it;
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
    for (const GeometryEntry& g : kGeometries) {
        if (GeometryReads(g.option, field)) {
            users += count++ == 0 ? "" : ", ";
            users += g.caption;
        }
    }
    if (count == 0) {
        return users;
    }
    return (count == 1 ? "Používa ho: " : "Používajú ho: ") + users + ".";
}

} // namespace

std::string_view FullNameOf(EditId field) {
    if (const InputField* input = InputFieldOf(field)) {
        return input->fullName;
    }
    const ResultLabel* result = ResultOf(field);
    return result == nullptr ? std::string_view{} : result->fullName;
}

std::string_view AboutOf(EditId field) {
    if (const InputField* input = InputFieldOf(field)) {
        return input->description;
    }
    const ResultLabel* result = ResultOf(field);
    return result == nullptr ? std::string_view{} : result->description;
}

std::string_view GeometryCaption(Geometry geometry) {
    return GeometryOf(geometry).caption;
}

std::string InputToolTip(EditId field, const FieldContext& context) {
    std::string text = Basics(field);
    if (!GeometryReads(context.geometry, field)) {
        AddLine(text, kNotUsed);
        AddLine(text, UsersOf(field));
        return text;
    }
    const GeometryEntry& geometry = GeometryOf(context.geometry);
    if (field == EditId::Edit1 && !geometry.velocityMeaning.empty()) {
        AddLine(text, geometry.velocityMeaning);
    }
    if (field == EditId::Edit2 && !geometry.diameterMeaning.empty()) {
        AddLine(text, geometry.diameterMeaning);
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
        AddLine(text, GeometryOf(context.geometry).characteristicLength);
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
