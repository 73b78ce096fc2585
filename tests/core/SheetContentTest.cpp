// The content of a calculation sheet, built from a Compute command on the window record:
// which sections a run gets, which fit and deviation its properties quote, and that only
// the inputs the geometry reads appear.

#include "app/report/SheetContent.h"
#include "app/compute/Calculator.h"
#include "app/form/FormRecord.h"
#include "app/form/Selections.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace vortalin {
namespace {

const SheetHead kHead{"0.5.0", "abc123", "9. 12. 2026 10:00", "c.vortalin"};

// The sheet of one Compute on the record after `setup`.
template <class Setup> Sheet SheetAfter(Setup setup) {
    FormRecord form(',');
    setup(form);
    Calculator calc(form);
    calc.Button1Click();
    const RunSnapshot run = SnapshotOf(form, calc, form.StatusText(), form.Messages(), {});
    return BuildSheet(run, {"Projekt X", "Autor", "", ""}, kHead);
}

std::vector<std::string> Titles(const Sheet& sheet) {
    std::vector<std::string> titles;
    for (const SheetSection& section : sheet.sections) {
        titles.push_back(section.title);
    }
    return titles;
}

const SheetSection& SectionOf(const Sheet& sheet, const std::string& title) {
    for (const SheetSection& section : sheet.sections) {
        if (section.title == title) {
            return section;
        }
    }
    static const SheetSection none;
    ADD_FAILURE() << "no section " << title;
    return none;
}

// The note of the row whose label starts with `label`.
std::string NoteOf(const SheetSection& section, const std::string& label) {
    for (const SheetRow& row : section.rows) {
        if (row.label.rfind(label, 0) == 0) {
            return row.note;
        }
    }
    ADD_FAILURE() << "no row " << label;
    return {};
}

TEST(SheetContent, WithoutARunOnlyTheHeadAndANote) {
    const Sheet sheet = BuildSheet(std::nullopt, {"P", "A", "C", "N"}, kHead);
    ASSERT_EQ(sheet.sections.size(), 1u);
    EXPECT_EQ(sheet.sections[0].paragraphs, std::vector<std::string>{kNoRunText});
    EXPECT_TRUE(sheet.sketch.empty());
    const std::vector<SheetRow> head = {{"Program", "Vortalin 0.5.0 (zostavenie abc123)", ""},
                                        {"Dátum a čas", "9. 12. 2026 10:00", ""},
                                        {"Súbor prípadu", "c.vortalin", ""},
                                        {"Projekt", "P", ""},
                                        {"Vypracoval", "A", ""},
                                        {"Skontroloval", "C", ""},
                                        {"Poznámka", "N", ""}};
    EXPECT_EQ(sheet.header, head);
    EXPECT_EQ(sheet.footer, "Vortalin 0.5.0 · zostavenie abc123");
}

TEST(SheetContent, SectionsByOutcome) {
    const std::vector<std::string> shown = {"Zadanie",
                                            "Vstupné údaje",
                                            "Vlastnosti tekutiny",
                                            "Podobnostné čísla",
                                            "Kriteriálna rovnica",
                                            "Výsledky",
                                            "Hlásenia a upozornenia"};
    EXPECT_EQ(Titles(SheetAfter([](FormRecord&) {})), shown);
    const Sheet refused = SheetAfter([](FormRecord& form) {
        SelectAsClicked(form, ButtonOf(Geometry::Plate));
        form.SetInputText(EditId::Edit1, "0,0001");
    });
    EXPECT_EQ(Titles(refused), (std::vector<std::string>{"Zadanie", "Vstupné údaje", kRefusedTitle,
                                                         "Hlásenia a upozornenia"}));
    const SheetSection& refusal = SectionOf(refused, kRefusedTitle);
    ASSERT_EQ(refusal.paragraphs.size(), 1u);
    EXPECT_NE(refusal.paragraphs[0].find("10 až 1.0e7"), std::string::npos);
    // The refusal is not listed again among the messages.
    EXPECT_EQ(SectionOf(refused, "Hlásenia a upozornenia").paragraphs,
              std::vector<std::string>{"Výpočet nevydal žiadne hlásenie ani upozornenie."});
}

TEST(SheetContent, OnlyTheInputsTheGeometryReads) {
    const Sheet sheet = SheetAfter(
        [](FormRecord& form) { SelectAsClicked(form, ButtonOf(Geometry::HelicalPipe)); });
    std::vector<std::string> labels;
    for (const SheetRow& row : SectionOf(sheet, "Vstupné údaje").rows) {
        labels.push_back(row.label);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"Rýchlosť tekutiny (m.s-1)",
                                                "Teplota na vstupe (°C)", "Teplota na výstupe (°C)",
                                                "Teplota steny (°C)", "d (m)", "D (m)", "h (m)"}));
    EXPECT_EQ(sheet.sketch, "Image6");
    // The short symbols are explained by the field table's description.
    EXPECT_EQ(NoteOf(SectionOf(sheet, "Vstupné údaje"), "D (m)"), "Priemer závitu skrutkovice D.");
    // and the painter may leave them out where the column beside the sketch is too narrow.
    for (const SheetRow& row : SectionOf(sheet, "Vstupné údaje").rows) {
        EXPECT_TRUE(row.noteOnlyIfOneLine) << row.label;
    }
}

// The hydraulic diameter's note says what it stands for in the run's geometry.
TEST(SheetContent, DiameterNoteFollowsTheGeometry) {
    const Sheet plate =
        SheetAfter([](FormRecord& form) { SelectAsClicked(form, ButtonOf(Geometry::Plate)); });
    EXPECT_EQ(NoteOf(SectionOf(plate, "Vstupné údaje"), "Hydraulický priemer"),
              "Pre dosku je to jej dĺžka L v smere prúdenia (m), nie priemer.");
    const Sheet pipe = SheetAfter([](FormRecord&) {});
    EXPECT_NE(NoteOf(SectionOf(pipe, "Vstupné údaje"), "Hydraulický priemer")
                  .find("Pre potrubie je to jeho vnútorný priemer d."),
              std::string::npos);
}

// Which fit the properties come from and what the sheet says of its deviation.
struct FitCase {
    Fluid fluid;
    const char* tIn;
    const char* tOut;
    const char* tWall;
    const char* fitName;
    const char* densityNote; // a part of the density's note
    const char* wallNote;    // a part of Pr_w's note
};

class SheetFits : public ::testing::TestWithParam<FitCase> {};

TEST_P(SheetFits, PropertiesQuoteTheirFit) {
    const FitCase& c = GetParam();
    const Sheet sheet = SheetAfter([&c](FormRecord& form) {
        SelectAsClicked(form, ButtonOf(c.fluid));
        form.SetInputText(EditId::Edit3, c.tIn);
        form.SetInputText(EditId::Edit4, c.tOut);
        form.SetInputText(EditId::Edit5, c.tWall);
    });
    const SheetSection& properties = SectionOf(sheet, "Vlastnosti tekutiny");
    EXPECT_EQ(properties.rows.at(0).value, c.fitName);
    EXPECT_NE(NoteOf(properties, "Hustota").find(c.densityNote), std::string::npos)
        << NoteOf(properties, "Hustota");
    const std::string wall = NoteOf(SectionOf(sheet, "Podobnostné čísla"), "Prandtl pri stene");
    EXPECT_NE(wall.find(c.wallNote), std::string::npos) << wall;
}

INSTANTIATE_TEST_SUITE_P(
    EveryFit, SheetFits,
    ::testing::Values(
        FitCase{Fluid::Air, "20", "22", "30", "Vzduch pri atmosférickom tlaku",
                "odchýlka fitu od Lemmon et al. 2000 najviac +0,12 % (20 až 40 °C)", "Pr_w = Pr"},
        FitCase{Fluid::Air, "500", "520", "600", "Vzduch pri atmosférickom tlaku, rozšírený fit",
                "pri t = 510,000 °C; odchýlka fitu od Lemmon et al. 2000", "Pr_w = Pr"},
        FitCase{Fluid::Water, "20", "22", "60", "Voda", "od IAPWS-95 najviac",
                "pri t_w = 60,000 °C; odchýlka fitu od IAPWS-95, IAPWS 2008, IAPWS 2011"},
        FitCase{Fluid::Water, "20", "22", "120", "Voda", "od IAPWS-95 najviac",
                "mimo rozsahu fitu vody"},
        FitCase{Fluid::NaturalGas, "40", "50", "60", "Zemný plyn pri tlaku 6,528 MPa",
                "fit bez referenčnej rovnice", "Pr_w = Pr"}));

TEST(SheetContent, MessagesOnceAndWithoutTheRefusal) {
    EXPECT_EQ(DistinctMessages({"a", "b", "a", "r", "c", "b"}, "r"),
              (std::vector<std::string>{"a", "b", "c"}));
}

} // namespace
} // namespace vortalin
