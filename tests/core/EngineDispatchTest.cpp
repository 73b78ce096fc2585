// The engine runs the block of the selected geometry and no other: each geometry writes
// exactly the fields and the regime text of its row in the table of blocks.

#include "app/form/FormRecord.h"
#include "app/form/Selections.h"
#include "correlations/engine/Engine.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace vortalin {
namespace {

constexpr double kUnset = -1; // a value no block writes

struct BlockRow {
    Geometry geometry;
    bool writesD;
    bool writesRe;
    const char* regimeText; // "" where the block sets none
};

const std::string kLaminar = "Nachádzate sa v laminárnej oblasti prúdenia.";

const BlockRow kBlocks[] = {
    {Geometry::PipeFlow, false, false, kLaminar.c_str()},
    {Geometry::CrossFlowPipe, false, false, ""},
    {Geometry::Plate, false, false, ""},
    {Geometry::PlanarSlot, false, false, kLaminar.c_str()},
    {Geometry::SlotInsulatedOneSide, false, false, kLaminar.c_str()},
    {Geometry::HelicalPipe, false, true, kLaminar.c_str()},
    {Geometry::SingleRow, true, true, ""},
    {Geometry::InlineBank, true, true, ""},
    {Geometry::StaggeredBank, true, true, ""},
    {Geometry::PartlyStaggeredBank, true, true, ""},
    {Geometry::FinnedBank, false, true, ""},
};

TEST(EngineDispatch, EachGeometryWritesTheFieldsOfItsBlock) {
    static_assert(std::size(kBlocks) == kGeometryCount);
    for (const BlockRow& row : kBlocks) {
        FormRecord form; // the window's defaults, the geometry's own fields included
        form.Select(ButtonOf(row.geometry));
        CalcState s;
        s.w = 0.01;
        s.d = 0.1;
        s.nu = 1.5e-5;
        s.lambda = 0.026;
        s.Pr = s.PrW = 0.7;
        s.Re = 1000;
        s.Pe = 700;
        s.length = s.slotLength = 1;
        s.angle = 90;
        s.Nu = s.alpha = kUnset;
        const std::string name(GeometryName(row.geometry));
        ASSERT_TRUE(CorrelationEngine(s, form).ComputeHeatTransfer()) << name;
        EXPECT_NE(s.Nu, kUnset) << name;
        EXPECT_NE(s.alpha, kUnset) << name;
        EXPECT_EQ(s.d != 0.1, row.writesD) << name;
        EXPECT_EQ(s.Re != 1000, row.writesRe) << name;
        EXPECT_EQ(form.StatusText(), row.regimeText) << name;
    }
}

} // namespace
} // namespace vortalin
