#pragma once
// The kinds a calculation is chosen by: the flow geometry, the fluid, the heating mode of
// the pipe and the row-count mode of the tube banks. Plain values, known to the equations;
// which button of the window selects each is the form's business (app/form/Selections.h).

#include <cstddef>
#include <cstdint>

namespace vortalin {

enum class Geometry : std::uint8_t {
    PipeFlow,
    CrossFlowPipe,
    Plate,
    PlanarSlot,
    SlotInsulatedOneSide,
    HelicalPipe,
    SingleRow,
    InlineBank,
    StaggeredBank,
    PartlyStaggeredBank,
    FinnedBank,
};
inline constexpr std::size_t kGeometryCount = 11;

enum class Fluid : std::uint8_t { Air, Water, NaturalGas };
enum class HeatingMode : std::uint8_t { ConstWallTemp, ConstHeatFlux };
enum class RowCountMode : std::uint8_t { ManyRows, FewRows };

} // namespace vortalin
