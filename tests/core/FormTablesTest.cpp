// The table of the geometries says which fields each calculation reads: checked against the
// calculation itself by changing one field at a time and watching the results.

#include "app/compute/Calculator.h"
#include "app/form/FormRecord.h"
#include "app/form/Geometries.h"
#include "app/form/InputFields.h"
#include "app/form/InputNames.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace vortalin {
namespace {

// Every field that some geometry may read besides the five common inputs.
constexpr std::array kGeometryFields = {
    EditId::Edit2,  EditId::Edit8,  EditId::Edit19, EditId::Edit20, EditId::Edit21, EditId::Edit22,
    EditId::Edit23, EditId::Edit24, EditId::Edit25, EditId::Edit26, EditId::Edit27, EditId::Edit28,
    EditId::Edit29, EditId::Edit30, EditId::Edit31, EditId::Edit32, EditId::Edit33, EditId::Edit34};

// What a field can change: the results, the Reynolds number and the messages (the bank's
// arrangement errors). The hydraulic diameter itself stays in d where no block replaces it.
struct Outcome {
    double Nu, alpha, Re;
    std::vector<std::string> messages;
    bool operator==(const Outcome&) const = default;
};

// A state every geometry computes finitely: a slow flow, laminar in the slots, whose
// equation then holds the slot length; fewer than ten rows, so the row count counts.
Outcome Compute(Geometry geometry, EditId changed, const std::string& text) {
    FormRecord form('.');
    SelectAsClicked(form, ButtonOf(geometry));
    form.Select(ButtonOf(RowCountMode::FewRows));
    form.SetInputText(EditId::Edit1, "0.1");
    form.SetInputText(EditId::Edit30, "3");
    if (!text.empty()) {
        form.SetInputText(changed, text);
    }
    Calculator calc(form);
    calc.Button1Click();
    const CalcState& s = calc.State();
    return {s.Nu, s.alpha, s.Re, form.Messages()};
}

// Seven tenths of the default (the partly staggered bank's shift s3 then crosses a quarter
// of s1, where its arrangement factor changes form); five rows instead of three.
std::string Changed(EditId field) {
    if (field == EditId::Edit30) {
        return "5";
    }
    FormRecord defaults('.');
    return std::to_string(0.7 * defaults.NumberFrom(field));
}

TEST(GeometryTable, FieldsListedAreExactlyTheFieldsTheCalculationReads) {
    for (const GeometryEntry& g : kGeometries) {
        const InputList read = InputsReadBy(g.option);
        const Outcome base = Compute(g.option, EditId::Edit1, "");
        for (EditId field : kGeometryFields) {
            const bool listed = std::find(read.begin(), read.end(), field) != read.end();
            const bool matters = !(Compute(g.option, field, Changed(field)) == base);
            EXPECT_EQ(listed, matters) << g.value << " " << ControlName(field);
        }
    }
}

TEST(GeometryTable, EachButtonIsOneGeometryAndEachSketchItsOwn) {
    std::set<ButtonId> buttons;
    std::set<std::string_view> sketches, values;
    for (const GeometryEntry& g : kGeometries) {
        EXPECT_EQ(GroupOf(g.button), ButtonGroup::Geometry) << g.value;
        FormRecord form;
        form.Select(g.button);
        EXPECT_EQ(SelectedGeometry(form), g.option) << g.value;
        EXPECT_EQ(g.usesHydraulicDiameter, !g.diameterMeaning.empty()) << g.value;
        buttons.insert(g.button);
        sketches.insert(g.sketch);
        values.insert(g.value);
    }
    EXPECT_EQ(buttons.size(), kGeometryCount);
    EXPECT_EQ(sketches.size(), kGeometryCount);
    EXPECT_EQ(values.size(), kGeometryCount);
}

TEST(InputTable, NamesLabelsAndDescriptionsAreThereOnce) {
    std::set<std::string_view> names;
    for (const InputField& f : kInputFields) {
        EXPECT_TRUE(names.insert(f.name).second) << f.name;
        EXPECT_EQ(FieldByName(f.name), &f);
        EXPECT_FALSE(f.label.empty()) << f.name;
        EXPECT_FALSE(f.description.empty()) << f.name;
        // The unit a label names in parentheses is the row's unit.
        if (!f.unit.empty() && f.unit != "1") {
            std::string unit = "(";
            unit.append(f.unit).push_back(')');
            EXPECT_NE(f.label.find(unit), std::string_view::npos) << f.name;
        }
    }
    EXPECT_EQ(DefaultText(EditId::Edit16, '.'), kStartText);
    EXPECT_EQ(DefaultText(EditId::Edit2, '.'), "0.1");
}

TEST(InputTable, SweptVariablesAreTheFiveCommonInputs) {
    const std::vector<std::string_view> expected = {"w", "d", "t-in", "t-out", "t-wall"};
    std::vector<std::string_view> swept;
    for (const ChoiceValue& v : kSweepValues) {
        swept.push_back(v.value);
        EXPECT_EQ(GroupOf(v.button), ButtonGroup::SweepVariable) << v.value;
    }
    EXPECT_EQ(swept, expected);
}

} // namespace
} // namespace vortalin
