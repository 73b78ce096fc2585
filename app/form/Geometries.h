#pragma once
// The flow geometries, one row each, in the order of the group "Typ geometrie". Every other
// view of a geometry is derived from this table: its button and option value, the inputs it
// reads (the refusal of negative magnitudes, the tab order, the copied inputs), the greying
// of Edit2 by its button's enter handler, the greying of the fields it does not read, the
// tooltips and the guide's pages, and its sketch.

#include "app/form/Controls.h"
#include "app/form/Selections.h"

#include <array>
#include <span>
#include <string_view>

namespace vortalin {

struct GeometryEntry {
    Geometry option;
    ButtonId button;
    std::string_view value;   // command-line option value, case-file and batch value
    std::string_view caption; // the button's caption without its trailing blank
    // The geometry's own fields that its calculation reads, in the order of the window.
    std::span<const EditId> fields;
    // Whether it reads the hydraulic-diameter field Edit2; the enter handler of its button
    // greys and disables Edit2 where not.
    bool usesHydraulicDiameter;
    // What Edit2 stands for in this geometry (Slovak, for the tooltip); empty where unused.
    std::string_view diameterMeaning;
    // What the velocity Edit1 is for this geometry, where it needs saying; empty elsewhere.
    std::string_view velocityMeaning;
    // The length d in Re and alpha, for the tooltips of those results.
    std::string_view characteristicLength;
    bool readsHeatingMode;   // the group "Typ prestupu"
    bool readsRowCountMode;  // the group "Počet radov rúrkovnice"
    std::string_view sketch; // the picture's control and its resource ":/sketches/<name>.png"
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
        "Pre štrbinu zadajte Dh = 2·s, kde s je šírka štrbiny.";
    constexpr std::string_view kSlotLength = "d je hydraulický priemer štrbiny Dh = 2·s.";
    constexpr std::string_view kApproachVelocity =
        "Pre rady rúrok je to rýchlosť prúdu pred radom; Re sa počíta s rýchlosťou vo voľnom "
        "priereze.";
    constexpr std::string_view kStreamedLength =
        "d je obtekaná dĺžka rúrky π·d/2; Re sa počíta s rýchlosťou vo voľnom priereze radu.";
    return std::array<GeometryEntry, kGeometryCount>{{
    {PipeFlow, B::RadioButton1, "pipe", "Prúdenie cez potrubie", kPipe,
     true, "Pre potrubie je to jeho vnútorný priemer d.", "",
     "d je hydraulický priemer.", true, false, "Image1"},
    {CrossFlowPipe, B::RadioButton6, "cross-flow", "Priečne obtekanie potrubia", kCrossFlow,
     true, "Pre obtekané potrubie je to jeho vonkajší priemer d.", "",
     "d je priemer potrubia (pole Hydraulický priemer).", false, false, "Image2"},
    // The plate has no field of its own: its length L is entered as the hydraulic diameter.
    {Plate, B::RadioButton7, "plate", "Obtekanie dosky", {},
     true, "Pre dosku je to jej dĺžka L v smere prúdenia (m), nie priemer.", "",
     "d je dĺžka dosky L (pole Hydraulický priemer).", false, false, "Image3"},
    {PlanarSlot, B::RadioButton8, "slot", "Tok v rovinnej štrbine", kSlot,
     true, kSlotDiameter, "", kSlotLength, false, false, "Image4"},
    {SlotInsulatedOneSide, B::RadioButton9, "slot-insulated", "Štrbina jednostranne izol.", kSlot,
     true, kSlotDiameter, "", kSlotLength, false, false, "Image5"},
    {HelicalPipe, B::RadioButton10, "helical", "Skrutkovicové potrubie", kHelical,
     false, "", "", "d je priemer rúrky skrutkovice.", false, false, "Image6"},
    {SingleRow, B::RadioButton11, "tube-row", "Prúdenie cez 1 rad", kRow,
     false, "", kApproachVelocity, kStreamedLength, false, false, "Image7"},
    {InlineBank, B::RadioButton12, "inline-bank", "Usporiadaná rúrkovnica", kBank,
     false, "", kApproachVelocity, kStreamedLength, false, true, "Image8"},
    {StaggeredBank, B::RadioButton13, "staggered-bank", "Rúrkovnica - striedavá", kBank,
     false, "", kApproachVelocity, kStreamedLength, false, true, "Image9"},
    {PartlyStaggeredBank, B::RadioButton14, "partly-staggered-bank", "Rúrkovnica - čiastočne str.",
     kPartlyStaggered, false, "", kApproachVelocity, kStreamedLength, false, true, "Image10"},
    {FinnedBank, B::RadioButton18, "finned-bank", "Rebrovaná rúrkovnica", kFinned,
     false, "", "", "d je priemer rúrky d_b.", false, false, "Image11"},
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

// Whether the geometry's calculation uses the input field: the inputs it reads, and the
// range dialog's fields, which every study reads.
bool GeometryReads(Geometry geometry, EditId field);

} // namespace vortalin
