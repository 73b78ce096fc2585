#pragma once
// Drawing one result of a sweep into a Qt chart: the defined steps as lines that break
// wherever the result is undefined, and the refused steps as hollow red markers.

#include "app/studies/SweepSeries.h"

#include <QColor>
#include <QList>
#include <QLocale>
#include <QPointF>
#include <QString>

#include <vector>

class QAbstractAxis;
class QChart;
class QXYSeries;

namespace vortalin {

// The runs of consecutive steps whose x and y are both finite; an undefined step ends a run.
std::vector<QList<QPointF>> DefinedRuns(const std::vector<ChartPoint>& points);

// The defined steps that the validity checks refuse.
QList<QPointF> RefusedPoints(const std::vector<ChartPoint>& points);
// The defined steps that pass the checks with a warning.
QList<QPointF> WarnedPoints(const std::vector<ChartPoint>& points);

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

// Numbers on the chart's axes in ChartLocale().
void LocalizeAxes(QChart& chart);

// A new axis over the range, linear or logarithmic, with the title; the range is widened a
// little so that no marker sits on the frame. Linear axes are numbered at round steps (1, 2
// or 5 times a power of ten), logarithmic ones at the powers of ten. All numbers of an axis
// are written alike: plainly while the longest needs at most six digits and four decimals
// ("0 5000 10000", "0,001 0,002"), otherwise all in the exponent form ("5,0E-06 1,0E-05").
QAbstractAxis* NewAxis(std::optional<ValueRange> range, bool logarithmic, const QString& title);

// Legend text of the refused steps.
inline constexpr const char* kRefusedLegend = "mimo platnosti rovnice";
// Legend text of the steps with a warning.
inline constexpr const char* kWarnedLegend = "s upozornením";

// Adds one result's series to the chart on the given axes; returns every series added
// (lines first, then the refused and the warned markers when there are any) so that the
// caller can connect their hover signals. The first line carries the legend entry `name`;
// the markers have legend entries when `refusedInLegend`.
QList<QXYSeries*> PlotResult(QChart& chart, const std::vector<ChartPoint>& points, QAbstractAxis& x,
                             QAbstractAxis& y, const QString& name, const QColor& colour,
                             bool refusedInLegend);

} // namespace vortalin
