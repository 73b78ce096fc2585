// The results file's line writer, which copies a column's text when its value repeats:
// line after line it must write what a writer formatting every column writes.

#include "app/files/ResultsFile.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>

namespace vortalin {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Step {
    const char* what;
    double w, tIn, re, nu;
    char separator;
    bool properties = true;
    std::optional<EditId> negative = std::nullopt;
};

CalcState StateOf(const Step& step) {
    CalcState s;
    s.tIn = step.tIn;
    s.tOut = 22;
    s.tWall = 30;
    s.w = step.w;
    s.d = 0.1;
    s.Re = step.re;
    s.nu = step.nu;
    s.Nu = 5.705;
    s.alpha = 1.452;
    return s;
}

std::string EveryColumnFormatted(const CalcState& state, const Freshness& computed,
                                 char separator) {
    std::string line;
    AppendResultsLine(line, state, computed, separator);
    return line;
}

TEST(ResultsLineWriter, RepeatedValuesWriteWhatFormattingWrites) {
    // One writer over all the steps, in this order: each step differs from the one before in
    // what a copied text must not survive.
    const std::array<Step, 11> steps = {{
        {"first line", 0.1, 20, 658.8, 1.5178501e-5, ','},
        {"the same values", 0.1, 20, 658.8, 1.5178501e-5, ','},
        {"the other separator", 0.1, 20, 658.8, 1.5178501e-5, '.'},
        {"back to the comma", 0.1, 20, 658.8, 1.5178501e-5, ','},
        // 0.100049995 lies just above the tie of its eighth digit (0,1001), the double below
        // it just below (0,1000).
        {"a velocity one bit below a rounding boundary", std::nextafter(0.100049995, 0.0), 20,
         658.8, 1.5178501e-5, ','},
        {"the velocity one bit up, across it", 0.100049995, 20, 658.8, 1.5178501e-5, ','},
        {"the inlet at the velocity's value: columns keep their own texts", 0.1, 0.1, 658.8,
         1.5178501e-5, ','},
        {"Re not finite: an empty field", 0.1, 0.1, kNaN, 1.5178501e-5, ','},
        {"Re again", 0.1, 0.1, 658.8, 1.5178501e-5, ','},
        {"no fit covered the mean temperature", 0.1, 0.1, 658.8, 1.5178501e-5, ',', false},
        {"a negative velocity leaves Re and the results empty", -0.1, 0.1, 658.8, 1.5178501e-5, ',',
         true, EditId::Edit1},
    }};
    ResultsLineWriter writer;
    std::array<char, kLongestResultsLine> line{};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        const CalcState state = StateOf(step);
        const Freshness computed{step.properties, true, step.negative};
        const std::string written(line.data(),
                                  writer.Write(line.data(), state, computed, step.separator));
        EXPECT_EQ(written, EveryColumnFormatted(state, computed, step.separator));
    }
}

} // namespace
} // namespace vortalin
