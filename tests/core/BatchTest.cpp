// Batch studies: the table reader, the grid, and every case running as a single Compute.

#include "app/studies/Batch.h"
#include "app/compute/ResultDisplay.h"
#include "app/files/ResultsFile.h"
#include "app/form/InputNames.h"
#include "app/format/NumberFormat.h"
#include "tests/core/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace vortalin {
namespace {

// What one case left behind: everything a front end may report of it.
struct Snapshot {
    std::size_t line = 0;
    std::vector<std::string> texts; // the twelve results, then the status
    std::vector<std::string> messages;
    std::string stoppedBy;
    bool shown = false;
    bool properties = false;
    bool heatTransfer = false;
    std::vector<std::uint64_t> state; // bits of every number, so NaNs compare too

    bool operator==(const Snapshot&) const = default;
};

Snapshot Snap(std::size_t line, const FormRecord& form, const Calculator& calc,
              std::string_view stoppedBy) {
    Snapshot s;
    s.line = line;
    for (const DisplayedResult& r : kDisplayedResults) {
        s.texts.push_back(form.Text(r.field));
    }
    s.texts.push_back(form.StatusText());
    s.messages = form.Messages();
    s.stoppedBy = stoppedBy;
    s.shown = calc.ResultsShown();
    s.properties = calc.Computed().properties;
    s.heatTransfer = calc.Computed().heatTransfer;
    const CalcState& st = calc.State();
    for (const double v :
         {st.w,          st.d,     st.tIn,   st.tOut, st.tWall, st.length,  st.angle,
          st.slotLength, st.tMean, st.dtLog, st.nu,   st.mu,    st.rho,     st.cp,
          st.lambda,     st.nuW,   st.muW,   st.rhoW, st.cpW,   st.lambdaW, st.Pr,
          st.PrW,        st.Re,    st.Pe,    st.Nu,   st.alpha}) {
        s.state.push_back(std::bit_cast<std::uint64_t>(v));
    }
    return s;
}

// Records every case of a batch; checks nothing itself.
class SnapshotWriter final : public CaseWriter {
public:
    void AppendHeader(std::string&, std::span<const BatchColumn>) override {}
    void AppendCase(std::string&, const CaseOutcome& o) override {
        cases.push_back(Snap(o.input.line, o.form, o.calc, o.stoppedBy));
        inputs.push_back(o.input);
    }
    std::vector<Snapshot> cases;
    std::vector<BatchCase> inputs;
};

// A sink that keeps everything and says whether it was committed.
class StringSink final : public ResultsSink {
public:
    explicit StringSink(bool failWrites = false) : failWrites_(failWrites) {}
    bool IsOpen() const override { return true; }
    bool Write(std::string_view bytes) override {
        text += bytes;
        return !failWrites_;
    }
    bool Commit() override {
        committed = true;
        return true;
    }
    std::string ErrorText() const override { return "disk full"; }
    std::string text;
    bool committed = false;

private:
    bool failWrites_;
};

// The same case run alone: the base record copied, the case applied, a new calculator.
Snapshot RunAlone(const std::vector<BatchColumn>& columns, const BatchCase& c,
                  const FormRecord& base) {
    FormRecord form = base;
    EXPECT_EQ(ApplyCase(columns, c, form), std::nullopt);
    Calculator calc(form);
    const std::string stoppedBy = ComputeCase(calc);
    return Snap(c.line, form, calc, stoppedBy);
}

BatchResult RunTable(const std::string& table, CaseWriter& writer, ResultsSink& sink,
                     const FormRecord& base = FormRecord(',')) {
    std::istringstream in(table);
    BatchError error;
    const std::unique_ptr<CaseSource> cases = OpenTable(in, base.DecimalSeparator(), error);
    if (!cases) {
        return {BatchResult::Status::MalformedTable, 0, error.Text()};
    }
    return RunBatch(*cases, base, writer, sink);
}

// Every geometry with every fluid and both heating modes and row counts, at velocities
// that give shown, refused and undefined results, interleaved with cases that stop at a
// text that is not a number (in the left column or in a geometry's own field) and cases
// whose tube arrangement draws messages. Each case must leave the next one untouched.
std::string StudyOverEveryGeometry() {
    std::string table = "geometry;fluid;heating;rows;w;t-in;t-wall;row-s1;coil-d;fin-pf\n";
    const char* velocities[] = {"1", "0,3", "40", "0,001", "1E+300"};
    int i = 0;
    for (const ChoiceValue& geometry : kGeometryValues) {
        for (const ChoiceValue& fluid : kFluidValues) {
            table += std::string(geometry.value) + ';' + std::string(fluid.value) + ';' +
                     (i % 2 ? "heat-flux" : "wall-temperature") + ';' + (i % 3 ? "many" : "few") +
                     ';' + velocities[i % 5] + ';' + (i % 4 ? "20" : "-300") + ';' +
                     (i % 7 ? "30" : "80") + ';' + (i % 6 ? "0,05" : "0,01") + ';' +
                     (i % 9 ? "0,2" : "x") + ';' + (i % 8 ? "3" : "0") + '\n';
            if (i % 5 == 0) {
                table += "# a comment\n\n" + std::string(geometry.value) +
                         ";air;heat-flux;few;abc;20;30;0,05;0,2;3\n";
            }
            ++i;
        }
    }
    return table + "tube-row;air;wall-temperature;many;1;20;30;0,01;0,2;3\n"; // tubes touch
}

TEST(Batch, ShortestDigitsAreThoseOfToCharsWithTheSeparator) {
    std::vector<double> values = {
        0.0,  -0.0,  0.5,     -0.5,   9999.5, 10000,   100000,
        1e15, 1e300, -1e-300, 5e-324, 0.1,    1.0 / 3, 6588.2659791292135};
    for (int n = -10001; n <= 10001; ++n) {
        values.push_back(n);
    }
    for (const double v : values) {
        std::array<char, 32> expected;
        const auto res = std::to_chars(expected.data(), expected.data() + expected.size(), v);
        std::string text(expected.data(), res.ptr);
        std::string comma;
        AppendShortest(comma, v, ',');
        std::string point;
        AppendShortest(point, v, '.');
        EXPECT_EQ(point, text);
        std::replace(text.begin(), text.end(), '.', ',');
        EXPECT_EQ(comma, text);
    }
}

TEST(Batch, EveryCaseRunsAsASingleComputeOnTheBaseRecord) {
    FormRecord base(',');
    base.SetInputText(EditId::Edit8, "2"); // an option given besides the table
    SnapshotWriter writer;
    StringSink sink;
    const BatchResult result = RunTable(StudyOverEveryGeometry(), writer, sink, base);
    ASSERT_EQ(result.status, BatchResult::Status::Done) << result.message;
    ASSERT_EQ(result.cases, writer.cases.size());
    EXPECT_EQ(result.cases, 33u + 7u + 1u);
    EXPECT_TRUE(sink.committed);
    std::vector<BatchColumn> columns;
    std::string error;
    for (const char* name : {"geometry", "fluid", "heating", "rows", "w", "t-in", "t-wall",
                             "row-s1", "coil-d", "fin-pf"}) {
        columns.push_back(*BatchColumnByName(name, error));
    }
    int shown = 0, refused = 0, stopped = 0, warned = 0;
    for (std::size_t i = 0; i < writer.cases.size(); ++i) {
        const Snapshot alone = RunAlone(columns, writer.inputs[i], base);
        EXPECT_EQ(writer.cases[i], alone) << "line " << writer.inputs[i].line;
        shown += alone.shown;
        stopped += !alone.stoppedBy.empty();
        refused += !alone.shown && alone.stoppedBy.empty();
        warned += alone.shown && !alone.messages.empty();
    }
    // The study covers every kind of outcome.
    EXPECT_GT(shown, 5);
    EXPECT_GT(refused, 5);
    EXPECT_GT(stopped, 5);
    EXPECT_GT(warned, 0);
}

TEST(Batch, CsvGivesTheInputsTheSeventeenQuantitiesShownAndMessages) {
    CsvCaseWriter writer(',');
    StringSink sink;
    const std::string table = "w;geometry\n1;pipe\n0,5;slot\n1,5;pipe\nx;pipe\n";
    ASSERT_EQ(RunTable(table, writer, sink).status, BatchResult::Status::Done);
    std::istringstream out(sink.text);
    std::string header, defaults, slot, faster, bad;
    std::getline(out, header);
    std::getline(out, defaults);
    std::getline(out, slot);
    std::getline(out, faster);
    std::getline(out, bad);
    EXPECT_EQ(header, "line;w;geometry;" + std::string(ResultsTitles()) +
                          ";shown;message;equation;warnings");

    // Every quantity reads back to exactly the number the calculation holds.
    FormRecord form(',');
    Calculator calc(form);
    calc.Button1Click();
    const std::vector<std::string> fields = test::SplitFields(defaults);
    ASSERT_EQ(fields.size(), 3u + 17u + 4u);
    EXPECT_EQ(fields[0], "2");
    EXPECT_EQ(fields[1], "1");
    EXPECT_EQ(fields[2], "pipe");
    for (std::size_t k = 0; k < kResultsColumns.size(); ++k) {
        EXPECT_EQ(ParseNumber(fields[3 + k], ','), calc.State().*kResultsColumns[k].value)
            << fields[3 + k];
    }
    EXPECT_EQ(fields[20], "1");
    EXPECT_EQ(fields[21], "");
    // The defaults are transitional pipe flow inside every range of its equation.
    EXPECT_EQ(fields[22], "pipe-transitional-wall-temperature");
    EXPECT_EQ(fields[23], "");

    // A refused slot: its properties, no Nu and alpha, the refusal.
    const std::vector<std::string> slotFields = test::SplitFields(slot);
    EXPECT_NE(slotFields[3 + 7], "");
    EXPECT_EQ(slotFields[3 + 15], "");
    EXPECT_EQ(slotFields[3 + 16], "");
    EXPECT_EQ(slotFields[20], "0");
    EXPECT_EQ(slotFields[21],
              "Platnosť kriteriálnej rovnice je len v oblasti laminárneho prúdenia (Re<2300).");
    EXPECT_EQ(slotFields[22], ""); // a refused case names no equation
    // w = 1,5 m/s: Re about 9900, still transitional.
    EXPECT_EQ(test::SplitFields(faster)[22], "pipe-transitional-wall-temperature");

    // The case after a conversion failure and the failure itself.
    EXPECT_EQ(test::SplitFields(faster)[0], "4");
    EXPECT_EQ(bad, "5;x;pipe;;;;;;;;;;;;;;;;;;0;w: 'x' nie je platné číslo.;;");
}

TEST(Batch, FieldsWithTheSeparatorAQuoteOrALineBreakAreQuoted) {
    CsvCaseWriter writer('.');
    StringSink sink;
    const std::string table =
        "w,geometry,d\n0.00001,cross-flow,0.1\n1,pipe,\"0.1\"\"\"\n1,pipe, 0.1;\n";
    ASSERT_EQ(RunTable(table, writer, sink, FormRecord('.')).status, BatchResult::Status::Done);
    // The refusal below Re 5 holds a line break.
    EXPECT_NE(sink.text.find("\n2;0.00001;cross-flow;0.1;"), std::string::npos);
    EXPECT_NE(sink.text.find(";0;\"Reynoldsovo kritérium má hodnotu nižšiu ako 5 !!! \n"
                             "Odporúčam použiť softvér na výpočet voľnej konvekcie.\";;\n3;"),
              std::string::npos);
    EXPECT_NE(sink.text.find("\n3;1;pipe;\"0.1\"\"\";"), std::string::npos);
    EXPECT_NE(sink.text.find(";0;\"d: '0.1\"\"' nie je platné číslo.\";;\n4;1;pipe;\" 0.1;\";"),
              std::string::npos)
        << sink.text;
}

struct BadTable {
    const char* table;
    std::size_t line;
    const char* message;
};

class MalformedTable : public testing::TestWithParam<BadTable> {};

TEST_P(MalformedTable, IsRejectedNamingItsLineAndNothingIsCommitted) {
    const BadTable& bad = GetParam();
    CsvCaseWriter writer(',');
    StringSink sink;
    const BatchResult result = RunTable(bad.table, writer, sink);
    EXPECT_EQ(result.status, BatchResult::Status::MalformedTable);
    const std::string expected =
        bad.line == 0 ? bad.message : "line " + std::to_string(bad.line) + ": " + bad.message;
    EXPECT_EQ(result.message, expected);
    EXPECT_FALSE(sink.committed);
}

INSTANTIATE_TEST_SUITE_P(
    Batch, MalformedTable,
    testing::Values(BadTable{"", 0, "the table has no header line"},
                    BadTable{"# only a comment\n\n", 0, "the table has no header line"},
                    BadTable{"\n\nw;foo\n1;2\n", 3, "unknown column 'foo'"},
                    BadTable{"w;from\n", 1, "'from' sets up a sweep and is no batch column"},
                    BadTable{"w;sweep\n", 1, "'sweep' sets up a sweep and is no batch column"},
                    BadTable{"w;d;w\n", 1, "column 'w' appears twice"},
                    BadTable{"w;d\n1;2\n\n3\n", 4, "1 field where the header has 2"},
                    BadTable{"w,d\r\n1,2\r\n1,2,3\r\n", 3, "3 fields where the header has 2"},
                    BadTable{"w;geometry\n1;pipe\n# x\n2;rocket\n", 4,
                             "unknown geometry 'rocket' (expected pipe|cross-flow|plate|slot|"
                             "slot-insulated|helical|tube-row|inline-bank|staggered-bank|"
                             "partly-staggered-bank|finned-bank)"},
                    BadTable{"w;fluid\n1;\n", 2, "unknown fluid '' (expected air|water|gas)"},
                    BadTable{"w;d\n\"1;2\n", 2, "unterminated quote"},
                    BadTable{"w;d\n\"1\"x;2\n", 2, "text after a closing quote"}));

TEST(Batch, HeaderSeparatorBomCommentsAndBlankLines) {
    SnapshotWriter writer;
    StringSink sink;
    const std::string table = "\xEF\xBB\xBF# study\r\n\r\n d , geometry \r\n  \r\n"
                              "0.05, plate\r\n#\r\n\"0,2\",tube-row\r\n";
    ASSERT_EQ(RunTable(table, writer, sink).status, BatchResult::Status::Done);
    ASSERT_EQ(writer.inputs.size(), 2u);
    EXPECT_EQ(writer.inputs[0].line, 5u);
    EXPECT_EQ(writer.inputs[0].texts, (std::vector<std::string>{"0.05", " plate"}));
    EXPECT_EQ(writer.cases[0].stoppedBy,
              "d: '0.05' nie je platné číslo. Desatinný oddeľovač je čiarka.");
    EXPECT_EQ(writer.inputs[1].line, 7u);
    EXPECT_EQ(writer.inputs[1].texts, (std::vector<std::string>{"0,2", "tube-row"}));
    EXPECT_TRUE(writer.cases[1].shown);

    // One column: a decimal comma stays in the number.
    SnapshotWriter oneColumn;
    ASSERT_EQ(RunTable("w\n0,5\n", oneColumn, sink).status, BatchResult::Status::Done);
    EXPECT_EQ(oneColumn.inputs.at(0).texts, (std::vector<std::string>{"0,5"}));
    EXPECT_TRUE(oneColumn.cases.at(0).shown);
}

TEST(Batch, AHeaderAloneGivesTheHeaderAlone) {
    CsvCaseWriter writer(',');
    StringSink sink;
    const BatchResult result = RunTable("w\n", writer, sink);
    EXPECT_EQ(result.status, BatchResult::Status::Done);
    EXPECT_EQ(result.cases, 0u);
    EXPECT_EQ(sink.text,
              "line;w;" + std::string(ResultsTitles()) + ";shown;message;equation;warnings\n");
    EXPECT_TRUE(sink.committed);
}

TEST(Batch, AnOutputThatCannotBeWrittenStopsTheBatch) {
    CsvCaseWriter writer(',');
    StringSink sink(true);
    std::string table = "w\n";
    for (int i = 0; i < 2000; ++i) {
        table += "1\n";
    }
    const BatchResult result = RunTable(table, writer, sink);
    EXPECT_EQ(result.status, BatchResult::Status::OutputFailed);
    EXPECT_EQ(result.message, "disk full");
    EXPECT_LT(result.cases, 2000u); // stopped at the first piece the sink refused
    EXPECT_FALSE(sink.committed);
}

std::vector<std::vector<std::string>> GridTexts(const std::vector<std::string>& axisTexts,
                                                char separator) {
    BatchError error;
    const std::unique_ptr<CaseSource> grid = OpenGrid(axisTexts, separator, error);
    EXPECT_NE(grid, nullptr) << error.Text();
    std::vector<std::vector<std::string>> texts;
    BatchCase next;
    while (grid && grid->Next(next, error) == CaseSource::Step::Case) {
        EXPECT_EQ(next.line, texts.size() + 1);
        texts.push_back(next.texts);
    }
    return texts;
}

TEST(Batch, GridRunsEveryCombinationTheLastAxisFastest) {
    using Texts = std::vector<std::vector<std::string>>;
    EXPECT_EQ(
        GridTexts({"w=1:3:3", "d=0,1:0,2:2"}, ','),
        (Texts{
            {"1", "0,1"}, {"1", "0,2"}, {"2", "0,1"}, {"2", "0,2"}, {"3", "0,1"}, {"3", "0,2"}}));
    EXPECT_EQ(GridTexts({"t-in=5:5:1", "w=2:1:2", "length=0.5:1:2"}, '.'),
              (Texts{{"5", "2", "0.5"}, {"5", "2", "1"}, {"5", "1", "0.5"}, {"5", "1", "1"}}));
    // Evenly spaced as the sweep's steps, each read back exactly.
    const Texts thirds = GridTexts({"w=0:0,3:4"}, ',');
    ASSERT_EQ(thirds.size(), 4u);
    EXPECT_EQ(thirds[1][0], "0,09999999999999999"); // (1 * 0.3) / 3, not 0.1
    EXPECT_EQ(GridTexts({"w=1:10:10", "d=0,01:0,1:10"}, ',').size(), 100u);
}

TEST(Batch, MalformedGridsAreRejected) {
    for (const auto& [axisText, message] : std::vector<std::pair<std::string, std::string>>{
             {"w", "expected NAME=FROM:TO:STEPS"},
             {"w=1:2", "expected NAME=FROM:TO:STEPS"},
             {"w=1:2:3:4", "expected NAME=FROM:TO:STEPS"},
             {"speed=1:2:3", "unknown column 'speed'"},
             {"geometry=1:2:3", "'geometry' is a selection; a grid steps number fields"},
             {"steps=1:2:3", "'steps' sets up a sweep and is no batch column"},
             {"w=1.5:2:3", "'1.5' nie je platné číslo. Desatinný oddeľovač je čiarka."},
             {"w=1:2:2,5", "'2,5' nie je platné celé číslo."},
             {"w=1:2:0", "STEPS must be at least 1"}}) {
        BatchError error;
        EXPECT_EQ(OpenGrid({axisText}, ',', error), nullptr);
        EXPECT_EQ(error.Text(), "--grid " + axisText + ": " + message);
    }
    BatchError error;
    EXPECT_EQ(OpenGrid({"w=1:2:2", "d=1:2:2", "w=3:4:2"}, ',', error), nullptr);
    EXPECT_EQ(error.Text(), "--grid w=3:4:2: the grid has 'w' already");
}

} // namespace
} // namespace vortalin
