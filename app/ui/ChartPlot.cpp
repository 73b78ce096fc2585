#include "app/ui/ChartPlot.h"

#include <QChart>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
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
// Amber: a step whose results stand, with a warning.
const QColor kWarnedColour(0xe0, 0x9a, 0x00);
// Share of the span added on each side of a linear axis.
constexpr double kMargin = 0.04;
// Factor added on each side of a logarithmic axis.
constexpr double kLogMargin = 1.15;
// Half the span of an axis over a single value, as a share of that value.
constexpr double kSingleValueShare = 0.05;
// Intervals between the numbered ticks of a linear axis, about.
constexpr double kTicks = 6;
// The longest number an axis writes plainly, in digits, and its most decimals; beyond either
// every number of the axis is written with an exponent.
constexpr int kPlainDigits = 6;
constexpr int kPlainDecimals = 4;

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

// The power of ten of the value's leading digit.
int DecadeOf(double value) {
    return static_cast<int>(std::floor(std::log10(std::fabs(value))));
}

// Whether numbers up to `largest`, written to `decimals` places, are short enough to read
// without an exponent.
bool Plain(double largest, int decimals) {
    const int integerDigits = std::max(1, DecadeOf(largest) + 1);
    return decimals <= kPlainDecimals && integerDigits + decimals <= kPlainDigits;
}

// With localized numbers Qt Charts reads a label format only with its precision written
// ("%.0f"); a bare "%g" numbers nothing.

// The numbers of a linear axis at multiples of the interval: all with the decimals the
// interval needs ("0,5 1,0 1,5"), or, when too long, all in the exponent form with as many
// digits of the mantissa ("5,0E-06 1,0E-05 1,5E-05").
QString LinearLabelFormat(ValueRange shown, double interval) {
    const double largest = std::max(std::fabs(shown.min), std::fabs(shown.max));
    const int finest = DecadeOf(interval);
    const int decimals = std::max(0, -finest);
    if (Plain(largest, decimals)) {
        return QStringLiteral("%.%1f").arg(decimals);
    }
    return QStringLiteral("%.%1E").arg(std::max(0, DecadeOf(largest) - finest));
}

// The numbers of a logarithmic axis, the powers of ten: plainly ("0,1 1 10 100"; "g" drops
// the zeros after the last digit and keeps up to kPlainDigits digits and 4 decimals without
// an exponent) or, when too long, all as "1E-06".
QString LogLabelFormat(ValueRange shown) {
    const int lowestLabel = static_cast<int>(std::ceil(std::log10(shown.min)));
    if (Plain(shown.max, std::max(0, -lowestLabel))) {
        return QStringLiteral("%.%1g").arg(kPlainDigits);
    }
    return QStringLiteral("%.0E");
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

// Hollow circles over the steps of one kind, refused or warned.
QXYSeries* AddMarkers(QChart& chart, const QList<QPointF>& steps, QAbstractAxis& x,
                      QAbstractAxis& y, const char* legend, const QColor& colour) {
    auto* markers = new QScatterSeries;
    markers->setName(QString::fromUtf8(legend));
    markers->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    markers->setMarkerSize(kRefusedMarkerSize);
    markers->setBrush(Qt::NoBrush); // hollow: the line stays visible through it
    QPen pen(colour);
    pen.setWidthF(kRefusedMarkerPen);
    markers->setPen(pen);
    markers->replace(steps);
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

QList<QPointF> WarnedPoints(const std::vector<ChartPoint>& points) {
    QList<QPointF> warned;
    for (const ChartPoint& p : points) {
        if (Finite(p) && p.refusal == SweepSeries::kAccepted &&
            p.warning != SweepSeries::kNoWarning) {
            warned.append(QPointF(p.x, p.y));
        }
    }
    return warned;
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

QLocale ChartLocale() {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

void LocalizeAxes(QChart& chart) {
    chart.setLocale(ChartLocale());
    chart.setLocalizeNumbers(true);
}

QAbstractAxis* NewAxis(std::optional<ValueRange> range, bool logarithmic, const QString& title) {
    QAbstractAxis* axis = nullptr;
    if (logarithmic && range && range->min > 0) {
        auto* log = new QLogValueAxis;
        log->setBase(10);
        log->setMinorTickCount(8);
        const ValueRange shown{range->min / kLogMargin, range->max * kLogMargin};
        log->setRange(shown.min, shown.max);
        log->setLabelFormat(LogLabelFormat(shown));
        axis = log;
    } else {
        auto* linear = new QValueAxis;
        const ValueRange shown = range ? Widened(*range, kMargin) : ValueRange{0, 1};
        const double interval = TickInterval(shown.max - shown.min);
        linear->setRange(shown.min, shown.max);
        linear->setTickType(QValueAxis::TicksDynamic);
        linear->setTickAnchor(0);
        linear->setTickInterval(interval);
        linear->setLabelFormat(LinearLabelFormat(shown, interval));
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
    const auto mark = [&](const QList<QPointF>& steps, const char* legend, const QColor& colour) {
        if (steps.isEmpty()) {
            return;
        }
        QXYSeries* markers = AddMarkers(chart, steps, x, y, legend, colour);
        if (!refusedInLegend) {
            HideFromLegend(chart, *markers);
        }
        added.append(markers);
    };
    mark(RefusedPoints(points), kRefusedLegend, kRefusedColour);
    mark(WarnedPoints(points), kWarnedLegend, kWarnedColour);
    return added;
}

} // namespace vortalin
