// The report of a run against QJsonDocument: reading it into a QJsonObject and writing that
// back gives the same bytes only when every object's keys come in QJsonObject's order and
// every number and text is spelt as Qt spells it. The runs cover a shown equation with its
// ranges, warnings with and without a bound, a refused run (equation null) and a text that
// is not a number. A batch's copy of the last equation object must give the same bytes.

#include "app/cli/RunReport.h"
#include "app/form/Controls.h"
#include "app/studies/Batch.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vortalin {
namespace {

struct ReportCase {
    char separator;
    bool water;
    std::vector<std::pair<EditId, std::string>> texts;
};

TEST(RunReport, KeepsQJsonDocumentsBytesWithEquationAndWarnings) {
    const std::vector<ReportCase> cases = {
        {',', false, {}},
        {'.', true, {{EditId::Edit1, "1000"}}},
        {',', true, {{EditId::Edit1, "1000"}}},
        {',', false, {{EditId::Edit1, "0"}}},
        {'.', false, {{EditId::Edit3, "20"}, {EditId::Edit4, "80"}, {EditId::Edit5, "50"}}},
        {',', false, {{EditId::Edit1, "abc"}}},
    };
    EquationCache cache; // shared by the runs as a batch shares it by its cases
    int warned = 0;
    int withoutEquation = 0;
    for (const ReportCase& c : cases) {
        FormRecord form(c.separator);
        if (c.water) {
            form.Select(ButtonId::RadioButton5);
        }
        for (const auto& [field, text] : c.texts) {
            form.SetText(field, text);
        }
        Calculator calc(form);
        const std::string error = ComputeCase(calc);
        std::string ours;
        JsonWriter json(ours, JsonLayout::Compact);
        WriteRunJson(json, {form, calc, error, std::nullopt});
        json.EndDocument();
        std::string cached;
        JsonWriter again(cached, JsonLayout::Compact);
        WriteRunJson(again, {form, calc, error, std::nullopt, &cache});
        EXPECT_EQ(cached, ours);

        const QJsonDocument qt = QJsonDocument::fromJson(QByteArray::fromStdString(ours));
        ASSERT_TRUE(qt.isObject()) << ours;
        EXPECT_EQ(qt.toJson(QJsonDocument::Compact).toStdString(), ours);
        const QJsonObject root = qt.object();
        warned += root.value("warnings").toArray().isEmpty() ? 0 : 1;
        withoutEquation += root.value("equation").isNull() ? 1 : 0;
        EXPECT_EQ(root.value("equation").isNull(), !calc.ResultsShown()) << ours;
    }
    EXPECT_GE(warned, 2);
    EXPECT_GE(withoutEquation, 1);
}

} // namespace
} // namespace vortalin
