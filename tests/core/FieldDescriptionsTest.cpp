// The descriptions behind the tooltips, the copied results and the study note: which fields
// each geometry uses, and what the tooltips say where a geometry gives a field its meaning.

#include "app/form/FieldDescriptions.h"
#include "app/compute/ResultDisplay.h"
#include "app/form/InputFields.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace vortalin;

namespace {

bool Contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

const FieldContext kAirPipe{Geometry::PipeFlow, Fluid::Air, RowCountMode::ManyRows};

FieldContext With(Geometry g, Fluid f = Fluid::Air, RowCountMode rows = RowCountMode::ManyRows) {
    return {g, f, rows};
}

} // namespace

// The fields each geometry's calculation uses, written out from the correlation blocks.
TEST(FieldDescriptions, EachGeometryUsesExactlyItsFields) {
    using enum EditId;
    const std::set<EditId> common = {Edit1, Edit3, Edit4, Edit5};
    const auto plus = [&common](std::set<EditId> own) {
        own.insert(common.begin(), common.end());
        return own;
    };
    const std::set<EditId> bank = plus({Edit26, Edit27, Edit28, Edit30});
    const std::array<std::set<EditId>, kGeometryCount> expected = {
        plus({Edit2, Edit8}),           // pipe: d and the length
        plus({Edit2, Edit19}),          // cross-flow: d and the angle
        plus({Edit2}),                  // plate: its length is Edit2
        plus({Edit2, Edit20}),          // planar slot
        plus({Edit2, Edit20}),          // slot insulated on one side
        plus({Edit21, Edit22, Edit23}), // helical pipe
        plus({Edit24, Edit25}),         // tube row
        bank,                           // in-line bank
        bank,                           // staggered bank
        plus({Edit26, Edit27, Edit28, Edit29, Edit30}),
        plus({Edit31, Edit32, Edit33, Edit34}), // finned bank
    };
    for (std::size_t g = 0; g < kGeometryCount; ++g) {
        std::set<EditId> used;
        for (std::size_t f = 0; f < kEditCount; ++f) {
            const auto field = static_cast<EditId>(f);
            if (!LabelOf(field).empty() && ControlName(field).find('.') == std::string_view::npos &&
                GeometryReads(static_cast<Geometry>(g), field)) {
                used.insert(field);
            }
        }
        EXPECT_EQ(used, expected[g]) << GeometryName(static_cast<Geometry>(g));
    }
}

TEST(FieldDescriptions, EveryInputAndResultHasANameAndADescription) {
    for (std::size_t f = 0; f < kEditCount; ++f) {
        const auto field = static_cast<EditId>(f);
        EXPECT_FALSE(FullNameOf(field).empty()) << ControlName(field);
        EXPECT_FALSE(AboutOf(field).empty()) << ControlName(field);
        EXPECT_FALSE(FullNameOf(field).ends_with(':')) << ControlName(field);
    }
    for (const ResultLabel& result : kResultLabels) {
        // The full name is the window's caption without its colon.
        std::string caption = result.label;
        while (caption.back() == ':' || caption.back() == ' ') {
            caption.pop_back();
        }
        EXPECT_EQ(FullNameOf(result.field), caption);
    }
}

TEST(FieldDescriptions, ToolTipsSayWhatTheGeometryDoesWithAField) {
    const struct {
        EditId field;
        FieldContext context;
        const char* says;
    } cases[] = {
        {EditId::Edit2, With(Geometry::Plate), "dĺžka L"},
        {EditId::Edit2, With(Geometry::PlanarSlot), "Dh = 2·s"},
        {EditId::Edit2, With(Geometry::SlotInsulatedOneSide), "Dh = 2·s"},
        {EditId::Edit2, With(Geometry::HelicalPipe), "nepoužíva"},
        {EditId::Edit2, With(Geometry::FinnedBank), "Používajú ho: Prúdenie cez potrubie, Priečne"},
        {EditId::Edit29, With(Geometry::InlineBank), "Používa ho: Rúrkovnica - čiastočne str."},
        {EditId::Edit30, With(Geometry::StaggeredBank), "„Počet radov >= 10“"},
        {EditId::Edit22, With(Geometry::HelicalPipe), "Priemer závitu D (m)"},
        {EditId::Edit1, With(Geometry::InlineBank), "pred radom"},
    };
    for (const auto& c : cases) {
        const std::string tip = InputToolTip(c.field, c.context);
        EXPECT_TRUE(Contains(tip, c.says)) << ControlName(c.field) << ": " << tip;
    }
    EXPECT_FALSE(Contains(InputToolTip(EditId::Edit30, With(Geometry::StaggeredBank, Fluid::Air,
                                                            RowCountMode::FewRows)),
                          "Počet radov >= 10"));
    EXPECT_FALSE(Contains(InputToolTip(EditId::Edit2, kAirPipe), "nepoužíva"));
}

TEST(FieldDescriptions, ResultToolTipsNameWhereTheValueComesFrom) {
    const std::string gasWall = ResultToolTip(EditId::Edit18, With(Geometry::PipeFlow, Fluid::Air));
    EXPECT_TRUE(Contains(gasWall, "rovná Prandtlovmu číslu pri strednej teplote")) << gasWall;
    EXPECT_EQ(ResultToolTip(EditId::Edit18, With(Geometry::PipeFlow, Fluid::NaturalGas)), gasWall);
    EXPECT_TRUE(Contains(ResultToolTip(EditId::Edit18, With(Geometry::PipeFlow, Fluid::Water)),
                         "pri teplote steny"));
    EXPECT_TRUE(Contains(ResultToolTip(EditId::Edit7, kAirPipe), "rozdiel teplôt"));
    EXPECT_TRUE(Contains(ResultToolTip(EditId::Edit14, With(Geometry::Plate)), "dĺžka dosky"));
    EXPECT_TRUE(Contains(ResultToolTip(EditId::Edit17, With(Geometry::FinnedBank)), "d_b"));
    EXPECT_TRUE(Contains(ResultToolTip(EditId::Edit9, kAirPipe), "pri strednej teplote"));
}

TEST(FieldDescriptions, StudyOfAnUnusedVariableIsNamedConstant) {
    EXPECT_EQ(ConstantStudyNote(Geometry::PipeFlow, EditId::Edit2), "");
    EXPECT_EQ(ConstantStudyNote(Geometry::HelicalPipe, EditId::Edit1), "");
    EXPECT_EQ(ConstantStudyNote(Geometry::HelicalPipe, EditId::Edit2),
              "Vybraná geometria nepoužíva premennú štúdie „Hydraulický priemer (m)“: všetky "
              "kroky majú rovnaké výsledky.");
}
