// Negative magnitudes (velocity, diameters, lengths, pitches, row count) are refused by the
// field's label; temperatures, the angle and the shift s3 are not magnitudes.

#include "app/compute/Calculator.h"
#include "app/compute/ConversionError.h"
#include "app/compute/Messages.h"
#include "app/files/ResultsFile.h"
#include "app/form/FormRecord.h"
#include "app/form/Geometries.h"
#include "app/form/InputFields.h"
#include "app/form/InputNames.h"
#include "tests/core/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace vortalin {
namespace {

// The field's default with a minus sign: the same magnitude, negative.
std::string Negated(EditId field) {
    std::string text = DefaultText(field, ',');
    text.insert(text.begin(), '-');
    return text;
}

bool Contains(const std::vector<std::string>& messages, const std::string& m) {
    return std::find(messages.begin(), messages.end(), m) != messages.end();
}

TEST(NegativeMagnitude, EveryFieldOfEveryGeometry) {
    int refused = 0;
    for (std::size_t g = 0; g < kGeometryCount; ++g) {
        const Geometry geometry = static_cast<Geometry>(g);
        for (EditId field : InputsReadBy(geometry)) {
            const std::string name =
                std::string(GeometryName(geometry)) + " " + std::string(ControlName(field));
            FormRecord form;
            form.Select(ButtonOf(geometry));
            form.Select(ButtonId::RadioButton16); // few rows: the row count is used
            form.SetInputText(field, Negated(field));
            Calculator calc(form);
            calc.Button1Click();
            const std::string message = NegativeMagnitudeMessage(field);
            if (MagnitudeOf(field) == nullptr) {
                for (const std::string& m : form.Messages()) {
                    EXPECT_EQ(m.find("nesmie byť záporn"), std::string::npos) << name;
                }
                EXPECT_FALSE(calc.Computed().negativeMagnitude) << name;
                continue;
            }
            ++refused;
            ASSERT_FALSE(form.Messages().empty()) << name;
            EXPECT_EQ(form.Messages().back(), message) << name;
            EXPECT_FALSE(calc.ResultsShown()) << name;
            EXPECT_EQ(form.Text(EditId::Edit17), kResetText) << name;
            if (MagnitudeOf(field)->feedsReynolds) { // no regime judged on a negative Re
                EXPECT_EQ(form.StatusText(), "") << name;
            }
        }
    }
    // pipe 3, cross-flow and plate 2 each, slots 3 each, helical 4, row 3, banks 5 each, fins 5
    EXPECT_EQ(refused, 3 + 2 * 2 + 3 * 2 + 4 + 3 + 5 * 3 + 5);
}

TEST(NegativeMagnitude, MessagesNameTheLabelInAgreement) {
    EXPECT_EQ(NegativeMagnitudeMessage(EditId::Edit2),
              "Hydraulický priemer (m) nesmie byť záporný !!!");
    EXPECT_EQ(NegativeMagnitudeMessage(EditId::Edit1),
              "Rýchlosť tekutiny (m.s-1) nesmie byť záporná !!!");
    EXPECT_EQ(NegativeMagnitudeMessage(EditId::Edit23), "h (m) nesmie byť záporné !!!");
    EXPECT_EQ(NegativeMagnitudeMessage(EditId::Edit30), "Počet radov nesmie byť záporný !!!");
    EXPECT_EQ(MagnitudeOf(EditId::Edit29), nullptr); // s3: a mirrored shift
    EXPECT_EQ(MagnitudeOf(EditId::Edit19), nullptr);
}

TEST(NegativeMagnitude, ZeroAndGreyedDiameterAreNotRefused) {
    FormRecord pipe;
    pipe.SetInputText(EditId::Edit8, "0");
    Calculator(pipe).Button1Click();
    EXPECT_FALSE(Contains(pipe.Messages(), NegativeMagnitudeMessage(EditId::Edit8)));

    FormRecord helical; // Edit2 is read but the coil takes its own tube diameter
    helical.Select(ButtonId::RadioButton10);
    helical.SetInputText(EditId::Edit2, "-0,1");
    Calculator calc(helical);
    calc.Button1Click();
    EXPECT_TRUE(calc.ResultsShown()) << (helical.Messages().empty() ? "" : helical.Messages()[0]);
}

TEST(NegativeMagnitude, ConversionMessagesNameTheField) {
    EXPECT_EQ(FieldConversionMessage(LabelOf(EditId::Edit2), "'abc' nie je platné číslo."),
              "Hydraulický priemer (m): 'abc' nie je platné číslo.");
    FormRecord form;
    form.SetInputText(EditId::Edit25, "");
    form.Select(ButtonId::RadioButton11);
    try {
        Calculator(form).Button1Click();
        ADD_FAILURE() << "no conversion error";
    } catch (const ConversionError& e) {
        ASSERT_TRUE(e.Field());
        EXPECT_EQ(*e.Field(), EditId::Edit25);
        EXPECT_EQ(FieldConversionMessage(InputFieldOf(*e.Field())->name, e.what()),
                  "row-s1: pole je prázdne.");
    }
}

// A sweep step with a negative magnitude keeps its inputs and properties and leaves what
// rests on the negative value empty.
TEST(NegativeMagnitude, SweepLeavesDependentColumnsEmpty) {
    namespace fs = std::filesystem;
    const fs::path file =
        fs::temp_directory_path() / ("vortalin-negative-" + std::to_string(::getpid()) + ".txt");
    struct Case {
        ButtonId geometry;
        EditId field;
        const char* text;
        std::vector<std::size_t> emptyColumns; // 0-based
    };
    const Case cases[] = {
        {ButtonId::RadioButton1, EditId::Edit8, "-1", {15, 16}},
        {ButtonId::RadioButton11, EditId::Edit24, "-0,01", {6, 12, 15, 16}},
        {ButtonId::RadioButton12, EditId::Edit27, "-0,02", {12, 15, 16}},
        {ButtonId::RadioButton18, EditId::Edit33, "-0,44", {15, 16}},
    };
    for (const Case& c : cases) {
        FormRecord form;
        form.Select(c.geometry);
        form.SetInputText(c.field, c.text);
        form.SetInputText(EditId::Form2Edit3, "1");
        form.SetSaveDialogAnswer(file.string());
        Calculator calc(form);
        calc.Ulodosboru1Click();
        calc.Button1Click();
        std::ifstream in(file, std::ios::binary);
        const std::string content{std::istreambuf_iterator<char>(in), {}};
        const std::string line =
            test::WithLineFeeds(content.substr(ResultsHeader().size())); // CR LF on Windows
        std::vector<std::size_t> empty;
        std::size_t column = 0;
        for (std::size_t start = 0; start < line.size(); ++column) {
            const std::size_t end = std::min(line.find_first_of(";\n", start), line.size());
            if (end == start) {
                empty.push_back(column);
            }
            start = end + 1;
        }
        EXPECT_EQ(column, kResultsColumns.size()) << line;
        EXPECT_EQ(empty, c.emptyColumns) << ControlName(c.field) << ": " << line;
    }
    fs::remove(file);
}

} // namespace
} // namespace vortalin
