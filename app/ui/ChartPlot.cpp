#include "app/ui/ChartPlot.h"

#include <algorithm>
#include <cmath>

namespace vortalin {

namespace {

// Share of the span added on each side of a linear axis.
constexpr double kMargin = 0.04;
// Factor added on each side of a logarithmic axis.
constexpr double kLogMargin = 1.15;
// Half the span of an axis over a single value, as a share of that value.
constexpr double kSingleValueShare = 0.05;
// Intervals between the numbered ticks of a linear axis, about.
constexpr double kTicks = 6;
// No axis numbers more ticks than this, whatever its range.
constexpr int kMostTicks = 100;
// The longest number an axis writes plainly, in digits, and its most decimals; beyond either
// every number of the axis is written with an exponent.
constexpr int kPlainDigits = 6;
constexpr int kPlainDecimals = 4;
// Tolerance of the tick positions, as a share of the interval (or of a decade).
constexpr double kTickSlack = 1e-9;

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

// How every number of one axis is written: QLocale's format letter and precision.
struct Notation {
    char format;
    int precision;
};

// The numbers of a linear axis at multiples of the interval: all with the decimals the
// interval needs ("0,5 1,0 1,5"), or, when too long, all in the exponent form with as many
// digits of the mantissa ("5,0E-06 1,0E-05 1,5E-05").
Notation LinearNotation(ValueRange shown, double interval) {
    const double largest = std::max(std::fabs(shown.min), std::fabs(shown.max));
    const int finest = DecadeOf(interval);
    const int decimals = std::max(0, -finest);
    if (Plain(largest, decimals)) {
        return {'f', decimals};
    }
    return {'E', std::max(0, DecadeOf(largest) - finest)};
}

// The numbers of a logarithmic axis, the powers of ten: plainly ("0,1 1 10 100"; "g" drops
// the zeros after the last digit and keeps up to kPlainDigits digits and 4 decimals without
// an exponent) or, when too long, all as "1E-06".
Notation LogNotation(ValueRange shown) {
    const int lowestLabel = static_cast<int>(std::ceil(std::log10(shown.min)));
    if (Plain(shown.max, std::max(0, -lowestLabel))) {
        return {'g', kPlainDigits};
    }
    return {'E', 0};
}

AxisTick Tick(double value, Notation notation) {
    return {value, ChartLocale().toString(value, notation.format, notation.precision)};
}

// Ticks at the multiples of the interval (anchored at zero) inside the range.
std::vector<AxisTick> LinearTicks(ValueRange shown, double interval) {
    const Notation notation = LinearNotation(shown, interval);
    std::vector<AxisTick> ticks;
    const double first = std::ceil(shown.min / interval - kTickSlack);
    for (int k = 0; k < kMostTicks; ++k) {
        const double value = (first + k) * interval;
        if (!(value <= shown.max + interval * kTickSlack)) {
            break;
        }
        ticks.push_back(Tick(value, notation));
    }
    return ticks;
}

// Ticks at the powers of ten inside the range.
std::vector<AxisTick> LogTicks(ValueRange shown) {
    const Notation notation = LogNotation(shown);
    std::vector<AxisTick> ticks;
    const double first = std::ceil(std::log10(shown.min) - kTickSlack);
    const double last = std::floor(std::log10(shown.max) + kTickSlack);
    for (int k = 0; k < kMostTicks && first + k <= last; ++k) {
        ticks.push_back(Tick(std::pow(10.0, first + k), notation));
    }
    return ticks;
}

bool Finite(const ChartPoint& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

} // namespace

PointStatus StatusOf(const ChartPoint& point) {
    if (point.refusal != SweepSeries::kAccepted) {
        return PointStatus::Refused;
    }
    return point.warning != SweepSeries::kNoWarning ? PointStatus::Warned : PointStatus::Accepted;
}

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

QList<QPointF> MarkedPoints(const std::vector<ChartPoint>& points, PointStatus status) {
    QList<QPointF> marked;
    for (const ChartPoint& p : points) {
        if (Finite(p) && StatusOf(p) == status) {
            marked.append(QPointF(p.x, p.y));
        }
    }
    return marked;
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

double ChartAxis::Fraction(double value) const {
    if (logarithmic) {
        const double low = std::log10(shown.min);
        return (std::log10(value) - low) / (std::log10(shown.max) - low);
    }
    return (value - shown.min) / (shown.max - shown.min);
}

ChartAxis NewAxis(std::optional<ValueRange> range, bool logarithmic, const QString& title) {
    ChartAxis axis;
    axis.title = title;
    if (logarithmic && range && range->min > 0) {
        axis.logarithmic = true;
        axis.shown = {range->min / kLogMargin, range->max * kLogMargin};
        axis.ticks = LogTicks(axis.shown);
    } else {
        axis.shown = range ? Widened(*range, kMargin) : ValueRange{0, 1};
        axis.ticks = LinearTicks(axis.shown, TickInterval(axis.shown.max - axis.shown.min));
    }
    return axis;
}

} // namespace vortalin
