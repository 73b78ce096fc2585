#include "ChartPlot.h"

#include <QChart>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace vortalin {

namespace {

// Up to this many steps every step is marked on its line.
constexpr qsizetype kMarkedStepsLimit = 60;
constexpr qreal kLineWidth = 2;
constexpr qreal kStepMarkerSize = 6;
constexpr qreal kRefusedMarkerSize = 11;
constexpr qreal kRefusedMarkerPen = 2;
const QColor kRefusedColour(0xd6, 0x27, 0x28);
// Share of the span added on each side of a linear axis.
constexpr double kMargin = 0.04;
// Factor added on each side of a logarithmic axis.
constexpr double kLogMargin = 1.15;
// Half the span of an axis over a single value, as a share of that value.
constexpr double kSingleValueShare = 0.05;
// Intervals between the numbered ticks of a linear axis, about.
constexpr double kTicks = 6;

// The range with a share of its span added on each side; a single value gets a span of its
// own so that the axis is not empty.
ValueRange Widened(ValueRange range, double share) {
    const double span = range.max - range.min;
    if (span > 0) {
        return {range.min - span * share, range.max + span * share};
    }
    const double half = range.max != 0 ? std::fabs(range.max) * kSingleValueShare : 1;
    return {range.min - half, range.max + half};
}

// 1, 2 or 5 times a power of ten, so that the span holds about kTicks intervals.
double TickInterval(double span) {
    const double raw = span / kTicks;
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    for (double step : {1.0, 2.0, 5.0}) {
        if (step * decade >= raw) {
            return step * decade;
        }
    }
    return 10 * decade;
}

bool Finite(const ChartPoint& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

void HideFromLegend(QChart& chart, QXYSeries& series) {
    for (QLegendMarker* marker : chart.legend()->markers(&series)) {
        marker->setVisible(false);
    }
}

QXYSeries* AddLine(QChart& chart, const QList<QPointF>& run, QAbstractAxis& x, QAbstractAxis& y,
                   const QColor& colour, bool markSteps) {
    auto* line = new QLineSeries;
    QPen pen(colour);
    pen.setWidthF(kLineWidth);
    line->setPen(pen);
    line->setPointsVisible(markSteps || run.size() == 1); // a lone step is only a marker
    line->setMarkerSize(kStepMarkerSize);
    line->replace(run);
    chart.addSeries(line);
    line->attachAxis(&x);
    line->attachAxis(&y);
    return line;
}

QXYSeries* AddRefusedMarkers(QChart& chart, const QList<QPointF>& refused, QAbstractAxis& x,
                             QAbstractAxis& y) {
    auto* markers = new QScatterSeries;
    markers->setName(QString::fromUtf8(kRefusedLegend));
    markers->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    markers->setMarkerSize(kRefusedMarkerSize);
    markers->setBrush(Qt::NoBrush); // hollow: the line stays visible through it
    QPen pen(kRefusedColour);
    pen.setWidthF(kRefusedMarkerPen);
    markers->setPen(pen);
    markers->replace(refused);
    chart.addSeries(markers);
    markers->attachAxis(&x);
    markers->attachAxis(&y);
    return markers;
}

} // namespace

std::vector<QList<QPointF>> DefinedRuns(const std::vector<ChartPoint>& points) {
    std::vector<QList<QPointF>> runs;
    bool inRun = false;
    for (const ChartPoint& p : points) {
        if (!Finite(p)) {
            inRun = false;
            continue;
        }
        if (!inRun) {
            runs.emplace_back();
            inRun = true;
        }
        runs.back().append(QPointF(p.x, p.y));
    }
    return runs;
}

QList<QPointF> RefusedPoints(const std::vector<ChartPoint>& points) {
    QList<QPointF> refused;
    for (const ChartPoint& p : points) {
        if (Finite(p) && p.refusal != SweepSeries::kAccepted) {
            refused.append(QPointF(p.x, p.y));
        }
    }
    return refused;
}

std::optional<ValueRange> RangeOf(const std::vector<double>& values) {
    std::optional<ValueRange> range;
    for (double v : values) {
        if (!std::isfinite(v)) {
            continue;
        }
        if (!range) {
            range = ValueRange{v, v};
        }
        range->min = std::min(range->min, v);
        range->max = std::max(range->max, v);
    }
    return range;
}

bool AllPositive(const std::vector<double>& values) {
    const std::optional<ValueRange> range = RangeOf(values);
    return range && range->min > 0;
}

std::vector<double> XValues(const std::vector<ChartPoint>& points) {
    std::vector<double> xs;
    xs.reserve(points.size());
    for (const ChartPoint& p : points) {
        xs.push_back(p.x);
    }
    return xs;
}

std::vector<double> YValues(const std::vector<ChartPoint>& points) {
    std::vector<double> ys;
    ys.reserve(points.size());
    for (const ChartPoint& p : points) {
        ys.push_back(p.y);
    }
    return ys;
}

QAbstractAxis* NewAxis(std::optional<ValueRange> range, bool logarithmic, const QString& title) {
    QAbstractAxis* axis = nullptr;
    if (logarithmic && range && range->min > 0) {
        auto* log = new QLogValueAxis;
        log->setBase(10);
        log->setMinorTickCount(8);
        log->setLabelFormat(QStringLiteral("%g"));
        log->setRange(range->min / kLogMargin, range->max * kLogMargin);
        axis = log;
    } else {
        auto* linear = new QValueAxis;
        linear->setLabelFormat(QStringLiteral("%.4g"));
        const ValueRange shown = range ? Widened(*range, kMargin) : ValueRange{0, 1};
        linear->setRange(shown.min, shown.max);
        linear->setTickType(QValueAxis::TicksDynamic);
        linear->setTickAnchor(0);
        linear->setTickInterval(TickInterval(shown.max - shown.min));
        axis = linear;
    }
    axis->setTitleText(title);
    return axis;
}

QList<QXYSeries*> PlotResult(QChart& chart, const std::vector<ChartPoint>& points, QAbstractAxis& x,
                             QAbstractAxis& y, const QString& name, const QColor& colour,
                             bool refusedInLegend) {
    QList<QXYSeries*> added;
    const bool markSteps = static_cast<qsizetype>(points.size()) <= kMarkedStepsLimit;
    for (const QList<QPointF>& run : DefinedRuns(points)) {
        QXYSeries* line = AddLine(chart, run, x, y, colour, markSteps);
        if (added.isEmpty()) {
            line->setName(name);
        } else {
            HideFromLegend(chart, *line);
        }
        added.append(line);
    }
    const QList<QPointF> refused = RefusedPoints(points);
    if (!refused.isEmpty()) {
        QXYSeries* markers = AddRefusedMarkers(chart, refused, x, y);
        if (!refusedInLegend) {
            HideFromLegend(chart, *markers);
        }
        added.append(markers);
    }
    return added;
}

} // namespace vortalin
