#include "app/ui/PlotView.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace vortalin {

namespace {

// Pixels of the drawing (at 96 dots per inch).
constexpr double kPad = 10;
constexpr double kTickLength = 5;
constexpr double kTickGap = 4;
constexpr double kTitleGap = 6;
constexpr double kLegendGap = 10;
constexpr double kLegendRowGap = 4;
constexpr double kLegendSample = 26;
constexpr double kLegendSampleGap = 6;
constexpr double kLegendSpacing = 20;
constexpr double kLabelSpacing = 10; // at least between two numbers of the x axis
constexpr double kLineWidth = 2;
constexpr double kStepDot = 6;
constexpr double kMarkerSize = 11;
constexpr double kMarkerPen = 2;
// Up to this many steps every step is marked on its line.
constexpr std::size_t kMarkedStepsLimit = 60;
constexpr QSize kPreferredSize(640, 420);

const QColor kBackground(Qt::white);
const QColor kText(0x20, 0x20, 0x20);
const QColor kFrame(0x80, 0x80, 0x80);
const QColor kGrid(0xdc, 0xdc, 0xdc);
const QColor kMinorGrid(0xf0, 0xf0, 0xf0);

// A legend entry: a curve's line in its colour (with a dot when its steps are dotted), or
// the marker of a kind of step.
struct LegendEntry {
    QString text;
    QColor colour;
    std::optional<PointStatus> status;
    bool dotted = false;
};

bool StepsDotted(const PlotCurve& curve) {
    return curve.points.size() <= kMarkedStepsLimit;
}

const StatusMarker& MarkerOf(PointStatus status) {
    return *std::find_if(kStatusMarkers.begin(), kStatusMarkers.end(),
                         [status](const StatusMarker& m) { return m.status == status; });
}

double EntryWidth(const LegendEntry& entry, const QFontMetricsF& metrics) {
    return kLegendSample + kLegendSampleGap + metrics.horizontalAdvance(entry.text);
}

// The entries of each legend row: as many a row as fit into the width.
std::vector<std::vector<LegendEntry>> LegendRows(const std::vector<LegendEntry>& entries,
                                                 double width, const QFontMetricsF& metrics) {
    std::vector<std::vector<LegendEntry>> rows;
    double used = 0;
    for (const LegendEntry& entry : entries) {
        const double needed = EntryWidth(entry, metrics);
        if (rows.empty() || used + kLegendSpacing + needed > width) {
            rows.emplace_back();
            used = -kLegendSpacing;
        }
        rows.back().push_back(entry);
        used += kLegendSpacing + needed;
    }
    return rows;
}

double WidestTick(const ChartAxis& axis, const QFontMetricsF& metrics) {
    double widest = 0;
    for (const AxisTick& tick : axis.ticks) {
        widest = std::max(widest, metrics.horizontalAdvance(tick.text));
    }
    return widest;
}

// Every how many ticks an axis is numbered so that its numbers do not touch: each needs
// `extent` pixels along an axis of `length` pixels.
std::size_t NumberEvery(const ChartAxis& axis, double length, double extent) {
    if (axis.ticks.size() < 2) {
        return 1;
    }
    double closest = length;
    for (std::size_t i = 1; i < axis.ticks.size(); ++i) {
        const double apart =
            std::fabs(axis.Fraction(axis.ticks[i].value) - axis.Fraction(axis.ticks[i - 1].value)) *
            length;
        closest = std::min(closest, apart);
    }
    return closest > 0 ? static_cast<std::size_t>(std::max(1.0, std::ceil(extent / closest))) : 1;
}

// The minor ticks of a logarithmic axis: 2 to 9 times each power of ten inside its range.
std::vector<double> MinorLogTicks(const ChartAxis& axis) {
    std::vector<double> values;
    if (!axis.logarithmic) {
        return values;
    }
    const double first = std::floor(std::log10(axis.shown.min));
    const double last = std::ceil(std::log10(axis.shown.max));
    for (double decade = first; decade < last && values.size() < 1000; ++decade) {
        for (int digit = 2; digit <= 9; ++digit) {
            const double value = digit * std::pow(10.0, decade);
            if (value > axis.shown.min && value < axis.shown.max) {
                values.push_back(value);
            }
        }
    }
    return values;
}

QFont TitleFont(QFont font) {
    font.setBold(true);
    return font;
}

void PaintMarker(QPainter& painter, QPointF centre, const QColor& colour) {
    QPen pen(colour);
    pen.setWidthF(kMarkerPen);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush); // hollow: the line stays visible through it
    painter.drawEllipse(centre, kMarkerSize / 2, kMarkerSize / 2);
}

void PaintDot(QPainter& painter, QPointF centre, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(centre, kStepDot / 2, kStepDot / 2);
}

QPen LinePen(const QColor& colour) {
    QPen pen(colour);
    pen.setWidthF(kLineWidth);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

} // namespace

PlotView::PlotView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    x_ = NewAxis(std::nullopt, false, QString());
    left_ = x_;
}

void PlotView::Show(ChartAxis x, ChartAxis left, std::optional<ChartAxis> right,
                    std::vector<PlotCurve> curves) {
    x_ = std::move(x);
    left_ = std::move(left);
    right_ = std::move(right);
    curves_ = std::move(curves);
    update();
}

std::vector<PointStatus> PlotView::StatusesShown() const {
    std::vector<PointStatus> shown;
    for (const StatusMarker& marker : kStatusMarkers) {
        const bool used = std::any_of(curves_.begin(), curves_.end(), [&](const PlotCurve& c) {
            return !MarkedPoints(c.points, marker.status).isEmpty();
        });
        if (used) {
            shown.push_back(marker.status);
        }
    }
    return shown;
}

QStringList PlotView::LegendTexts() const {
    QStringList texts;
    for (const PlotCurve& curve : curves_) {
        texts << curve.name;
    }
    for (PointStatus status : StatusesShown()) {
        texts << QString::fromUtf8(MarkerOf(status).legend);
    }
    return texts;
}

PlotView::Layout PlotView::LayoutFor(QSizeF size, const QFontMetricsF& metrics) const {
    const double line = metrics.height();
    const double tickRoom = kTickLength + kTickGap;
    const auto yRoom = [&](const ChartAxis& axis) {
        return kPad + (axis.title.isEmpty() ? 0 : line + kTitleGap) + WidestTick(axis, metrics) +
               tickRoom;
    };
    const double left = yRoom(left_);
    const double right = right_ ? yRoom(*right_) : kPad + WidestTick(x_, metrics) / 2;
    std::vector<LegendEntry> entries;
    for (const QString& text : LegendTexts()) {
        entries.push_back({text, QColor(), std::nullopt, false});
    }
    const auto rows =
        static_cast<double>(LegendRows(entries, size.width() - 2 * kPad, metrics).size());
    const double legend = rows > 0 ? kLegendGap + rows * (line + kLegendRowGap) : 0;
    const double xTitle = x_.title.isEmpty() ? 0 : kTitleGap + line;
    const double bottom = tickRoom + line + xTitle + legend + kPad;
    // The title takes whole pixels, so that the plot below it stays on the same pixel grid.
    const double top = kPad + line / 2 + (title_.isEmpty() ? 0 : std::ceil(line) + kTitleGap);
    Layout layout;
    layout.plot = QRectF(QPointF(left, top), QPointF(size.width() - right, size.height() - bottom));
    layout.legendTop = layout.plot.bottom() + tickRoom + line + xTitle + kLegendGap;
    return layout;
}

const ChartAxis& PlotView::YAxisOf(const PlotCurve& curve) const {
    return curve.onRightAxis && right_ ? *right_ : left_;
}

QPointF PlotView::Position(const QRectF& plot, const ChartAxis& y, QPointF value) const {
    return {plot.left() + x_.Fraction(value.x()) * plot.width(),
            plot.bottom() - y.Fraction(value.y()) * plot.height()};
}

QRectF PlotView::PlotArea() const {
    return LayoutFor(size(), QFontMetricsF(font(), this)).plot;
}

QPointF PlotView::PositionOf(std::size_t curve, QPointF value) const {
    return Position(PlotArea(), YAxisOf(curves_.at(curve)), value);
}

std::optional<PlotView::Step> PlotView::StepNear(QPointF position, double radius) const {
    const QRectF plot = PlotArea();
    std::optional<Step> nearest;
    double best = radius * radius;
    for (std::size_t c = 0; c < curves_.size(); ++c) {
        const ChartAxis& y = YAxisOf(curves_[c]);
        for (std::size_t i = 0; i < curves_[c].points.size(); ++i) {
            const ChartPoint& p = curves_[c].points[i];
            if (!std::isfinite(p.x) || !p.Defined()) {
                continue;
            }
            const QPointF d = Position(plot, y, QPointF(p.x, p.y)) - position;
            const double distance = QPointF::dotProduct(d, d);
            if (distance <= best) {
                best = distance;
                nearest = Step{c, i};
            }
        }
    }
    return nearest;
}

QColor PlotView::TitleColour(bool rightAxis) const {
    for (const PlotCurve& curve : curves_) {
        if (curve.onRightAxis == rightAxis) {
            return curve.colour;
        }
    }
    return kText;
}

void PlotView::PaintGrid(QPainter& painter, const QRectF& plot) const {
    const auto vertical = [&](double value) {
        const double at = plot.left() + x_.Fraction(value) * plot.width();
        painter.drawLine(QPointF(at, plot.top()), QPointF(at, plot.bottom()));
    };
    const auto horizontal = [&](double value) {
        const double at = plot.bottom() - left_.Fraction(value) * plot.height();
        painter.drawLine(QPointF(plot.left(), at), QPointF(plot.right(), at));
    };
    painter.setPen(QPen(kMinorGrid, 1));
    for (double value : MinorLogTicks(x_)) {
        vertical(value);
    }
    for (double value : MinorLogTicks(left_)) {
        horizontal(value);
    }
    painter.setPen(QPen(kGrid, 1));
    for (const AxisTick& tick : x_.ticks) {
        vertical(tick.value);
    }
    for (const AxisTick& tick : left_.ticks) {
        horizontal(tick.value);
    }
}

void PlotView::PaintCurve(QPainter& painter, const QRectF& plot, const PlotCurve& curve) const {
    const ChartAxis& y = YAxisOf(curve);
    const bool markSteps = StepsDotted(curve);
    for (const QList<QPointF>& run : DefinedRuns(curve.points)) {
        QPolygonF line;
        line.reserve(run.size());
        for (const QPointF& value : run) {
            line << Position(plot, y, value);
        }
        painter.setPen(LinePen(curve.colour));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(line);
        if (markSteps || run.size() == 1) { // a lone step is only a dot
            for (const QPointF& at : line) {
                PaintDot(painter, at, curve.colour);
            }
        }
    }
    for (const StatusMarker& marker : kStatusMarkers) {
        for (const QPointF& value : MarkedPoints(curve.points, marker.status)) {
            PaintMarker(painter, Position(plot, y, value), marker.colour);
        }
    }
}

void PlotView::PaintXAxis(QPainter& painter, const QRectF& plot,
                          const QFontMetricsF& metrics) const {
    const double line = metrics.height();
    const std::size_t every =
        NumberEvery(x_, plot.width(), WidestTick(x_, metrics) + kLabelSpacing);
    painter.setPen(QPen(kFrame, 1));
    for (std::size_t i = 0; i < x_.ticks.size(); ++i) {
        const double at = plot.left() + x_.Fraction(x_.ticks[i].value) * plot.width();
        painter.setPen(QPen(kFrame, 1));
        painter.drawLine(QPointF(at, plot.bottom()), QPointF(at, plot.bottom() + kTickLength));
        if (i % every == 0) {
            painter.setPen(kText);
            const double width = metrics.horizontalAdvance(x_.ticks[i].text) + 2;
            painter.drawText(
                QRectF(at - width / 2, plot.bottom() + kTickLength + kTickGap, width, line),
                Qt::AlignCenter, x_.ticks[i].text);
        }
    }
    if (!x_.title.isEmpty()) {
        painter.setFont(TitleFont(painter.font()));
        painter.setPen(kText);
        const double top = plot.bottom() + kTickLength + kTickGap + line + kTitleGap;
        painter.drawText(QRectF(plot.left(), top, plot.width(), line), Qt::AlignCenter,
                         metrics.elidedText(x_.title, Qt::ElideRight, plot.width()));
        painter.setFont(font());
    }
}

void PlotView::PaintYAxis(QPainter& painter, const QRectF& plot, const QFontMetricsF& metrics,
                          bool rightAxis) const {
    const ChartAxis& axis = rightAxis ? *right_ : left_;
    const double line = metrics.height();
    const double edge = rightAxis ? plot.right() : plot.left();
    const double outward = rightAxis ? 1 : -1;
    const double widest = WidestTick(axis, metrics);
    const std::size_t every = NumberEvery(axis, plot.height(), line);
    for (std::size_t i = 0; i < axis.ticks.size(); ++i) {
        const double at = plot.bottom() - axis.Fraction(axis.ticks[i].value) * plot.height();
        painter.setPen(QPen(kFrame, 1));
        painter.drawLine(QPointF(edge, at), QPointF(edge + outward * kTickLength, at));
        if (i % every == 0) {
            painter.setPen(kText);
            const double near = edge + outward * (kTickLength + kTickGap);
            const QRectF box = rightAxis
                                   ? QRectF(near, at - line / 2, widest + 2, line)
                                   : QRectF(near - widest - 2, at - line / 2, widest + 2, line);
            painter.drawText(box, (rightAxis ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                             axis.ticks[i].text);
        }
    }
    if (axis.title.isEmpty()) {
        return;
    }
    const double centre = edge + outward * (kTickLength + kTickGap + widest + kTitleGap + line / 2);
    painter.save();
    painter.setFont(TitleFont(painter.font()));
    painter.setPen(TitleColour(rightAxis));
    painter.translate(centre, plot.center().y());
    painter.rotate(rightAxis ? 90 : -90);
    painter.drawText(QRectF(-plot.height() / 2, -line / 2, plot.height(), line), Qt::AlignCenter,
                     metrics.elidedText(axis.title, Qt::ElideRight, plot.height()));
    painter.restore();
}

void PlotView::PaintLegend(QPainter& painter, const Layout& layout, double width,
                           const QFontMetricsF& metrics) const {
    std::vector<LegendEntry> entries;
    for (const PlotCurve& curve : curves_) {
        entries.push_back({curve.name, curve.colour, std::nullopt, StepsDotted(curve)});
    }
    for (PointStatus status : StatusesShown()) {
        const StatusMarker& marker = MarkerOf(status);
        entries.push_back({QString::fromUtf8(marker.legend), marker.colour, status, false});
    }
    const double line = metrics.height();
    double top = layout.legendTop;
    for (const std::vector<LegendEntry>& row : LegendRows(entries, width - 2 * kPad, metrics)) {
        double used = -kLegendSpacing;
        for (const LegendEntry& entry : row) {
            used += kLegendSpacing + EntryWidth(entry, metrics);
        }
        double left = (width - used) / 2;
        for (const LegendEntry& entry : row) {
            const QPointF middle(left + kLegendSample / 2, top + line / 2);
            if (entry.status) {
                PaintMarker(painter, middle, entry.colour);
            } else {
                painter.setPen(LinePen(entry.colour));
                painter.drawLine(QPointF(left, middle.y()),
                                 QPointF(left + kLegendSample, middle.y()));
                if (entry.dotted) {
                    PaintDot(painter, middle, entry.colour);
                }
            }
            painter.setPen(kText);
            const double textLeft = left + kLegendSample + kLegendSampleGap;
            painter.drawText(QRectF(textLeft, top, metrics.horizontalAdvance(entry.text) + 2, line),
                             Qt::AlignLeft | Qt::AlignVCenter, entry.text);
            left += EntryWidth(entry, metrics) + kLegendSpacing;
        }
        top += line + kLegendRowGap;
    }
}

void PlotView::Paint(QPainter& painter, QSizeF size) const {
    painter.setFont(font());
    const QFontMetricsF metrics(font(), painter.device());
    const Layout layout = LayoutFor(size, metrics);
    const QRectF& plot = layout.plot;
    painter.fillRect(QRectF(QPointF(0, 0), size), kBackground);
    painter.setRenderHint(QPainter::Antialiasing, false);
    PaintGrid(painter, plot);
    painter.setPen(QPen(kFrame, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    PaintXAxis(painter, plot, metrics);
    PaintYAxis(painter, plot, metrics, false);
    if (right_) {
        PaintYAxis(painter, plot, metrics, true);
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.save();
    painter.setClipRect(plot.adjusted(-kMarkerSize, -kMarkerSize, kMarkerSize, kMarkerSize));
    for (const PlotCurve& curve : curves_) {
        PaintCurve(painter, plot, curve);
    }
    painter.restore();
    PaintLegend(painter, layout, size.width(), metrics);
    PaintTitle(painter, size.width(), metrics);
}

void PlotView::SetTitle(const QString& title) {
    title_ = title;
    update();
}

void PlotView::PaintTitle(QPainter& painter, double width, const QFontMetricsF& metrics) const {
    if (title_.isEmpty()) {
        return;
    }
    QFont bold = painter.font();
    bold.setBold(true);
    painter.save();
    painter.setFont(bold);
    painter.setPen(kText);
    painter.drawText(QRectF(kPad, kPad, width - 2 * kPad, metrics.height()),
                     Qt::AlignHCenter | Qt::AlignVCenter, title_);
    painter.restore();
}

void PlotView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    Paint(painter, size());
}

QSize PlotView::sizeHint() const {
    return kPreferredSize;
}

} // namespace vortalin
