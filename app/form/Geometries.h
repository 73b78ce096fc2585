#pragma once
// The flow geometries, one row each, in the order of the group "Typ geometrie". Every other
// view of a geometry is derived from this table: its button and option value, the inputs it
// reads (the refusal of negative magnitudes, the tab order, the copied inputs), the greying
// of Edit2 by its button's enter handler and its sketch.

#include "app/form/Controls.h"
#include "app/form/Selections.h"

#include <array>
#include <span>
#include <string_view>

namespace vortalin {

struct GeometryEntry {
    Geometry option;
    ButtonId button;
    std::string_view value; // command-line option value, case-file and batch value
    // The geometry's own fields that its calculation reads, in the order of the window.
    std::span<const EditId> fields;
    // Whether it reads the hydraulic-diameter field Edit2; the enter handler of its button
    // greys and disables Edit2 where not.
    bool usesHydraulicDiameter;
    // What Edit2 stands for in this geometry (Slovak, for the user); empty where unused.
    std::string_view diameterMeaning;
    bool readsHeatingMode;   // the group "Typ prestupu"
    bool readsRowCountMode;  // the group "Počet radov rúrkovnice"
    std::string_view sketch; // the picture's control and its resource ":/sketches/<name>.svg"
};

namespace geometry_fields {
using enum EditId;
inline constexpr std::array kPipe = {Edit8};
inline constexpr std::array kCrossFlow = {Edit19};
inline constexpr std::array kSlot = {Edit20};
inline constexpr std::array kHelical = {Edit21, Edit22, Edit23};
inline constexpr std::array kRow = {Edit24, Edit25};
inline constexpr std::array kBank = {Edit26, Edit27, Edit28, Edit30};
inline constexpr std::array kPartlyStaggered = {Edit26, Edit27, Edit28, Edit29, Edit30};
inline constexpr std::array kFinned = {Edit31, Edit32, Edit33, Edit34};
} // namespace geometry_fields

// clang-format off
inline constexpr std::array<GeometryEntry, kGeometryCount> kGeometries = [] {
    using namespace geometry_fields;
    using enum Geometry;
    using B = ButtonId;
    constexpr std::string_view kSlotDiameter =
        "Pri štrbine sa zadáva Dh = 2·s (m), kde s je šírka štrbiny.";
    return std::array<GeometryEntry, kGeometryCount>{{
    {PipeFlow, B::RadioButton1, "pipe", kPipe,
     true, "Hydraulický priemer potrubia d (m), pri kruhovom priereze jeho vnútorný priemer.",
     true, false, "Image1"},
    {CrossFlowPipe, B::RadioButton6, "cross-flow", kCrossFlow,
     true, "Vonkajší priemer obtekaného potrubia d (m).", false, false, "Image2"},
    // The plate has no field of its own: its length L is entered as the hydraulic diameter.
    {Plate, B::RadioButton7, "plate", {},
     true, "Pri doske sa sem zadáva jej dĺžka L v smere prúdenia (m).", false, false, "Image3"},
    {PlanarSlot, B::RadioButton8, "slot", kSlot,
     true, kSlotDiameter, false, false, "Image4"},
    {SlotInsulatedOneSide, B::RadioButton9, "slot-insulated", kSlot,
     true, kSlotDiameter, false, false, "Image5"},
    {HelicalPipe, B::RadioButton10, "helical", kHelical,
     false, "", false, false, "Image6"},
    {SingleRow, B::RadioButton11, "tube-row", kRow,
     false, "", false, false, "Image7"},
    {InlineBank, B::RadioButton12, "inline-bank", kBank,
     false, "", false, true, "Image8"},
    {StaggeredBank, B::RadioButton13, "staggered-bank", kBank,
     false, "", false, true, "Image9"},
    {PartlyStaggeredBank, B::RadioButton14, "partly-staggered-bank", kPartlyStaggered,
     false, "", false, true, "Image10"},
    {FinnedBank, B::RadioButton18, "finned-bank", kFinned,
     false, "", false, false, "Image11"},
    }};
}();
// clang-format on

// The row of a geometry, and of a geometry button (nullptr for any other button).
const GeometryEntry& GeometryOf(Geometry geometry);
const GeometryEntry* GeometryOfButton(ButtonId button);

// Whether the geometry uses the hydraulic-diameter field Edit2.
bool UsesHydraulicDiameter(Geometry geometry);

// The inputs the geometry reads, in the order of the window: the velocity, the hydraulic
// diameter where the geometry uses it, the three temperatures and the geometry's own fields.
// A fixed list, as every sweep step asks for it.
class InputList {
public:
    void Add(EditId field) { fields_[size_++] = field; }
    const EditId* begin() const { return fields_.data(); }
    const EditId* end() const { return fields_.data() + size_; }

private:
    std::array<EditId, 12> fields_{};
    std::size_t size_ = 0;
};
InputList InputsReadBy(Geometry geometry);

} // namespace vortalin
