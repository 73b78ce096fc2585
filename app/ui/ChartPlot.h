#pragma once
// What the chart of a sweep draws, as plain data: the lines of one result that break
// wherever it is undefined, the marked steps by their status, and the axes with their
// numbered ticks. PlotView paints it; nothing here knows about widgets.

#include "app/studies/SweepSeries.h"

#include <QColor>
#include <QList>
#include <QLocale>
#include <QPointF>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace vortalin {

// How the chart marks a step. Every status but Accepted has its own marker and legend text
// (kStatusMarkers); a new kind of step is one value here and one row there.
enum class PointStatus { Accepted, Refused, Warned };

PointStatus StatusOf(const ChartPoint& point);

// A marked kind of step: a hollow circle in its colour, named in the legend.
struct StatusMarker {
    PointStatus status;
    QColor colour;
    const char* legend;
};

// Legend texts of the refused steps and of the steps that pass with a warning.
inline constexpr const char* kRefusedLegend = "mimo platnosti rovnice";
inline constexpr const char* kWarnedLegend = "s upozornením";

inline const std::array<StatusMarker, 2> kStatusMarkers = {{
    {PointStatus::Refused, QColor(0xd6, 0x27, 0x28), kRefusedLegend},
    // Amber: the results of the step stand, with a warning.
    {PointStatus::Warned, QColor(0xe0, 0x9a, 0x00), kWarnedLegend},
}};

// The runs of consecutive steps whose x and y are both finite; an undefined step ends a run.
std::vector<QList<QPointF>> DefinedRuns(const std::vector<ChartPoint>& points);

// The defined steps of the given status.
QList<QPointF> MarkedPoints(const std::vector<ChartPoint>& points, PointStatus status);

// Smallest and largest finite value; nullopt when there is none.
struct ValueRange {
    double min;
    double max;
};
std::optional<ValueRange> RangeOf(const std::vector<double>& values);
// Whether a logarithmic axis can show every value: all of them finite and above zero.
bool AllPositive(const std::vector<double>& values);

std::vector<double> XValues(const std::vector<ChartPoint>& points);
std::vector<double> YValues(const std::vector<ChartPoint>& points);

// The program's locale (its decimal comma) without a group separator: a blank inside a
// number on an axis or in a tooltip would read as two numbers.
QLocale ChartLocale();

// A numbered tick of an axis.
struct AxisTick {
    double value;
    QString text;
};

// One axis of the chart: the range it shows, its scale, title and numbered ticks.
struct ChartAxis {
    ValueRange shown{0, 1};
    bool logarithmic = false;
    QString title;
    std::vector<AxisTick> ticks; // from the smallest value

    // Where the value lies along the axis: 0 at its start, 1 at its end.
    double Fraction(double value) const;
};

// A new axis over the range, linear or logarithmic, with the title; the range is widened a
// little so that no marker sits on the frame. Linear axes are numbered at round steps (1, 2
// or 5 times a power of ten), logarithmic ones at the powers of ten. All numbers of an axis
// are written alike: plainly while the longest needs at most six digits and four decimals
// ("0 5000 10000", "0,001 0,002"), otherwise all in the exponent form ("5,0E-06 1,0E-05").
// Without a range the axis shows 0 to 1.
ChartAxis NewAxis(std::optional<ValueRange> range, bool logarithmic, const QString& title);

} // namespace vortalin
