// The chart data of a sweep: the points equal the results file's values, the refused steps
// are those the single-point run refuses, undefined values stay undefined, and a long sweep
// keeps a bounded number of points with every extreme.

#include "app/studies/SweepSeries.h"
#include "app/compute/Calculator.h"
#include "app/compute/ConversionError.h"
#include "app/files/ResultsFile.h"
#include "app/form/FormRecord.h"
#include "app/format/NumberFormat.h"
#include "tests/core/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <unistd.h>
#include <vector>

namespace vortalin {
namespace {

namespace fs = std::filesystem;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::vector<std::vector<std::string>> DataFields(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::vector<std::string>> rows;
    std::string line;
    std::getline(in, line); // the header
    while (std::getline(in, line)) {
        rows.push_back(test::SplitFields(line));
    }
    return rows;
}

// The chart value as the results file writes it ("" for an undefined one).
std::string AsInFile(std::size_t result, double y) {
    if (std::isnan(y)) {
        return "";
    }
    const std::size_t column =
        static_cast<std::size_t>(std::find_if(kResultsColumns.begin(), kResultsColumns.end(),
                                              [&](const ResultsColumn& c) {
                                                  return c.value == kDisplayedResults[result].value;
                                              }) -
                                 kResultsColumns.begin());
    const ResultsColumn& c = kResultsColumns[column];
    return c.format == Column::Fixed ? FormatFixed(y, kResultsPrecision, c.digits, ',')
                                     : FormatExponent(y, kResultsPrecision, c.digits, ',');
}

std::size_t FileColumnOf(std::size_t result) {
    for (std::size_t c = 0; c < kResultsColumns.size(); ++c) {
        if (kResultsColumns[c].value == kDisplayedResults[result].value) {
            return c;
        }
    }
    return kResultsColumns.size();
}

// The shortest text that reads back as exactly x, with a decimal comma.
std::string ExactText(double x) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, x).ptr;
    std::string text(buffer, end);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

struct SweepCase {
    const char* name;
    std::vector<ButtonId> selected; // geometry, fluid, swept variable
    EditId sweptField;
    std::size_t fileColumn; // of the swept variable
    const char* from;
    const char* to;
    int steps;
    long long refused;     // steps the validity checks refuse
    const char* gapResult; // a result undefined at some step between defined ones
};

const SweepCase kCases[] = {
    {"five pipe velocities", {}, EditId::Edit1, 5, "0,1", "0,2", 5, 0, nullptr},
    {"pipe velocity beyond Re 1e6", {}, EditId::Edit1, 5, "100", "200", 11, 5, nullptr},
    {"plate velocity below Re 10",
     {ButtonId::RadioButton7},
     EditId::Edit1,
     5,
     "0,0001",
     "0,01",
     12,
     2,
     nullptr},
    {"slot velocity beyond the laminar range",
     {ButtonId::RadioButton8},
     EditId::Edit1,
     5,
     "0,1",
     "1",
     10,
     7,
     nullptr},
    {"gas outlet temperature across its fit",
     {ButtonId::RadioButton17, ButtonId::Form2RadioButton4},
     EditId::Edit4,
     1,
     "0",
     "150",
     16,
     9,
     nullptr},
    {"wall temperature between inlet and outlet",
     {ButtonId::Form2RadioButton5},
     EditId::Edit5,
     2,
     "10",
     "30",
     21,
     0,
     "dtLog"},
    {"water inlet temperature beyond boiling",
     {ButtonId::RadioButton5, ButtonId::Form2RadioButton3},
     EditId::Edit3,
     0,
     "50",
     "250",
     9,
     3,
     nullptr},
};

std::size_t ResultIndex(const std::string& name) {
    const char* names[] = {"tMean",  "dtLog", "rho", "nu", "mu",    "cp",
                           "lambda", "Re",    "Pr",  "Nu", "alpha", "PrW"};
    return static_cast<std::size_t>(std::find(std::begin(names), std::end(names), name) -
                                    std::begin(names));
}

// A sweep of one case on the window record, into a temporary results file.
struct SweepRun {
    fs::path file;
    FormRecord form{','};
    Calculator calc{form};

    explicit SweepRun(const SweepCase& c)
        : file(fs::temp_directory_path() / ("vortalin-series-" + std::to_string(::getpid()) + "-" +
                                            std::to_string(counter++) + ".txt")) {
        for (ButtonId b : c.selected) {
            form.Select(b);
        }
        form.SetInputText(EditId::Form2Edit1, c.from);
        form.SetInputText(EditId::Form2Edit2, c.to);
        form.SetInputText(EditId::Form2Edit3, std::to_string(c.steps));
        form.SetSaveDialogAnswer(file.string());
        calc.Ulodosboru1Click();
    }
    ~SweepRun() { fs::remove(file); }
    SweepRun(const SweepRun&) = delete;
    SweepRun& operator=(const SweepRun&) = delete;

    // What the single-point run refuses with the swept field at exactly x.
    std::optional<std::string> SinglePointRefusal(EditId field, double x) const {
        FormRecord single = form;
        single.SetInputText(field, ExactText(x));
        Calculator singleCalc(single);
        singleCalc.Button1Click();
        return singleCalc.RefusalMessage();
    }

    static inline int counter = 0;
};

TEST(SweepSeries, EveryStepIsAPointEqualToTheFileAndRefusedAsTheSinglePointRun) {
    for (const SweepCase& c : kCases) {
        SCOPED_TRACE(c.name);
        SweepRun run(c);
        Calculator& calc = run.calc;
        calc.Button1Click();
        ASSERT_FALSE(calc.SweepFailed());
        const std::shared_ptr<const SweepSeries> series = calc.LastSweep();
        ASSERT_NE(series, nullptr);
        const auto rows = DataFields(run.file);
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(c.steps));
        EXPECT_EQ(series->Steps(), c.steps);
        EXPECT_EQ(series->SweptField(), c.sweptField);
        EXPECT_EQ(series->RefusedSteps(), c.refused);
        for (std::size_t r = 0; r < SweepSeries::kResultCount; ++r) {
            const std::vector<ChartPoint>& points = series->Points(r);
            ASSERT_EQ(points.size(), rows.size());
            for (std::size_t i = 0; i < points.size(); ++i) {
                EXPECT_EQ(FormatFixed(points[i].x, kResultsPrecision,
                                      kResultsColumns[c.fileColumn].digits, ','),
                          rows[i][c.fileColumn]);
                EXPECT_EQ(AsInFile(r, points[i].y), rows[i][FileColumnOf(r)]) << r << " " << i;
            }
        }
        // The refusal of each step, as the single-point run finds it at the same value.
        const std::vector<ChartPoint>& alpha = series->Points(ResultIndex("alpha"));
        for (const ChartPoint& p : alpha) {
            const std::optional<std::string> expected = run.SinglePointRefusal(c.sweptField, p.x);
            const std::optional<std::string> got =
                p.refusal == SweepSeries::kAccepted
                    ? std::nullopt
                    : std::optional<std::string>(series->Refusals().at(p.refusal));
            EXPECT_EQ(got, expected) << p.x;
        }
        if (c.gapResult != nullptr) {
            const std::vector<ChartPoint>& points = series->Points(ResultIndex(c.gapResult));
            const auto firstDefined = std::find_if(points.begin(), points.end(),
                                                   [](const ChartPoint& p) { return p.Defined(); });
            const auto lastDefined =
                std::find_if(points.rbegin(), points.rend(), [](const auto& p) {
                    return p.Defined();
                }).base();
            EXPECT_TRUE(std::any_of(firstDefined, lastDefined,
                                    [](const ChartPoint& p) { return !p.Defined(); }));
        }
    }
}

TEST(SweepSeries, OnlyACompletedSweepReplacesTheChart) {
    SweepRun run(kCases[0]);
    FormRecord& form = run.form;
    Calculator& calc = run.calc;
    EXPECT_EQ(calc.LastSweep(), nullptr);
    calc.Button1Click();
    const std::shared_ptr<const SweepSeries> first = calc.LastSweep();
    ASSERT_NE(first, nullptr);

    form.SetInputText(EditId::Form2Edit2, "x");
    EXPECT_THROW(calc.Button1Click(), ConversionError);
    EXPECT_EQ(calc.LastSweep(), first);

    form.SetInputText(EditId::Form2Edit2, "0,2");
    form.SetInputText(EditId::Edit4, "?"); // stops the first step
    EXPECT_THROW(calc.Button1Click(), ConversionError);
    EXPECT_EQ(calc.LastSweep(), first);

    form.SetInputText(EditId::Edit4, "22");
    form.SetSaveDialogAnswer(
        (fs::temp_directory_path() / "vortalin-no-such-dir" / "v.txt").string());
    calc.Ulodosboru1Click(); // off
    calc.Ulodosboru1Click(); // on, with the unreachable file
    calc.Button1Click();
    EXPECT_TRUE(calc.SweepFailed());
    EXPECT_EQ(calc.LastSweep(), first);

    // A completed sweep of no steps is a sweep too: the chart empties.
    form.SetSaveDialogAnswer(run.file.string());
    calc.Ulodosboru1Click();
    calc.Ulodosboru1Click();
    form.SetInputText(EditId::Form2Edit3, "0");
    calc.Button1Click();
    ASSERT_NE(calc.LastSweep(), first);
    EXPECT_EQ(calc.LastSweep()->Steps(), 0);
    EXPECT_TRUE(calc.LastSweep()->Points(0).empty());
}

// Across the laminar, transitional and turbulent pipe flow: more steps than points, so the
// buckets decide. Every point is still a step of the file, and each result's smallest and
// largest value in the file is among the points.
TEST(SweepSeries, LongSweepKeepsBoundedPointsOfTheFileWithEveryExtreme) {
    constexpr int kSteps = 30001;
    SweepRun run({"long", {}, EditId::Edit1, 5, "0,1", "3", kSteps, 0, nullptr});
    run.calc.Button1Click();
    const std::shared_ptr<const SweepSeries> series = run.calc.LastSweep();
    ASSERT_NE(series, nullptr);
    EXPECT_GT(series->BucketSize(), 1);
    const auto rows = DataFields(run.file);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kSteps));
    for (std::size_t r = 0; r < SweepSeries::kResultCount; ++r) {
        SCOPED_TRACE(r);
        const std::vector<ChartPoint>& points = series->Points(r);
        EXPECT_LE(points.size(), SweepSeries::kMaxPoints);
        // At least one point from every bucket.
        EXPECT_GE(points.size() * static_cast<std::size_t>(series->BucketSize()),
                  static_cast<std::size_t>(kSteps));
        const std::size_t column = FileColumnOf(r);
        double fileMin = std::numeric_limits<double>::infinity();
        double fileMax = -fileMin;
        for (const auto& row : rows) {
            const double v = ParseNumber(row[column], ',');
            fileMin = std::min(fileMin, v);
            fileMax = std::max(fileMax, v);
        }
        double chartMin = std::numeric_limits<double>::infinity();
        double chartMax = -chartMin;
        double lastX = -1;
        for (const ChartPoint& p : points) {
            EXPECT_GT(p.x, lastX); // in step order, each step once
            lastX = p.x;
            const auto step =
                static_cast<std::size_t>(std::lround((p.x - 0.1) / 2.9 * (kSteps - 1)));
            ASSERT_LT(step, rows.size());
            EXPECT_EQ(AsInFile(r, p.y), rows[step][column]);
            chartMin = std::min(chartMin, p.y);
            chartMax = std::max(chartMax, p.y);
        }
        EXPECT_EQ(AsInFile(r, chartMin), AsInFile(r, fileMin));
        EXPECT_EQ(AsInFile(r, chartMax), AsInFile(r, fileMax));
    }
}

// Two million steps straight into the collector, each result with its own planted peak and
// dip, an undefined stretch and a refused stretch.
TEST(SweepSeriesBound, TwoMillionStepsKeepAtMostTenThousandPointsWithTheGlobalExtremes) {
    constexpr long long kSteps = 2000000;
    constexpr long long kUndefinedFrom = 700000, kUndefinedTo = 700050;
    constexpr long long kRefusedFrom = 1500000, kRefusedTo = 1600000;
    const auto peakStep = [](std::size_t r) {
        return 123457LL + 150001LL * static_cast<long long>(r);
    };
    const auto dipStep = [](std::size_t r) {
        return 1999999LL - 140003LL * static_cast<long long>(r);
    };
    const auto xOf = [](long long step) { return 0.5 + static_cast<double>(step) * 1e-6; };

    SweepSeries series(EditId::Edit1, kSteps);
    CalcState state;
    const std::optional<std::string> refusal = std::string("mimo");
    for (long long i = 0; i < kSteps; ++i) {
        for (std::size_t r = 0; r < SweepSeries::kResultCount; ++r) {
            double y = std::sin(static_cast<double>(i) * 1e-4 * static_cast<double>(r + 1));
            if (i == peakStep(r)) {
                y = 10 + static_cast<double>(r);
            } else if (i == dipStep(r)) {
                y = -10 - static_cast<double>(r);
            }
            state.*kDisplayedResults[r].value = y;
        }
        const bool undefined = i >= kUndefinedFrom && i < kUndefinedTo;
        if (undefined) {
            state.tMean = kNaN; // an input-based result that is not finite
        }
        const Freshness computed{true, !undefined, std::nullopt};
        const bool refused = i >= kRefusedFrom && i < kRefusedTo;
        series.Add(xOf(i), state, computed, refused ? refusal : std::nullopt);
    }
    series.Finish();

    EXPECT_EQ(series.Steps(), kSteps);
    EXPECT_EQ(series.RefusedSteps(), kRefusedTo - kRefusedFrom);
    ASSERT_EQ(series.Refusals(), std::vector<std::string>{"mimo"});
    const std::size_t resultsUndefined[] = {ResultIndex("tMean"), ResultIndex("Nu"),
                                            ResultIndex("alpha")};
    for (std::size_t r = 0; r < SweepSeries::kResultCount; ++r) {
        SCOPED_TRACE(r);
        const std::vector<ChartPoint>& points = series.Points(r);
        EXPECT_LE(points.size(), SweepSeries::kMaxPoints);
        const auto has = [&](long long step, double y) {
            return std::any_of(points.begin(), points.end(),
                               [&](const ChartPoint& p) { return p.x == xOf(step) && p.y == y; });
        };
        EXPECT_TRUE(has(peakStep(r), 10 + static_cast<double>(r)));
        EXPECT_TRUE(has(dipStep(r), -10 - static_cast<double>(r)));
        const bool breaks = std::find(std::begin(resultsUndefined), std::end(resultsUndefined),
                                      r) != std::end(resultsUndefined);
        long long undefinedPoints = 0;
        for (const ChartPoint& p : points) {
            const bool inRefused = p.x >= xOf(kRefusedFrom) && p.x < xOf(kRefusedTo);
            EXPECT_EQ(p.refusal == 0, inRefused) << p.x;
            if (!p.Defined()) {
                ++undefinedPoints;
                EXPECT_TRUE(p.x >= xOf(kUndefinedFrom) && p.x < xOf(kUndefinedTo)) << p.x;
            }
        }
        EXPECT_EQ(undefinedPoints > 0, breaks);
        EXPECT_TRUE(
            std::is_sorted(points.begin(), points.end(),
                           [](const ChartPoint& a, const ChartPoint& b) { return a.x < b.x; }));
    }
}

} // namespace
} // namespace vortalin
