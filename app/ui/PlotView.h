#pragma once
// The plot of the sweep chart, drawn with QPainter: a frame with the x axis below, the left
// y axis and an optional right one, grid lines at the numbered ticks, each result as lines
// that break where it is undefined, small dots on the steps of a short sweep, a hollow
// circle on every marked step (the refused ones) and a legend below. The same drawing goes
// to the screen, to a PNG and to a PDF page.

#include "app/ui/ChartPlot.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <cstddef>
#include <optional>
#include <vector>

class QFontMetricsF;
class QPainter;

namespace vortalin {

// One result on the chart.
struct PlotCurve {
    QString name; // its legend text
    QColor colour;
    bool onRightAxis = false;
    std::vector<ChartPoint> points;
};

class PlotView : public QWidget {
    Q_OBJECT
public:
    explicit PlotView(QWidget* parent);

    // Shows the axes and curves in place of those shown before. A curve on the right axis
    // needs the right axis.
    void Show(ChartAxis x, ChartAxis left, std::optional<ChartAxis> right,
              std::vector<PlotCurve> curves);

    // The title above the plot: what the chart shows; none while empty.
    void SetTitle(const QString& title);
    const QString& Title() const { return title_; }

    const ChartAxis& XAxis() const { return x_; }
    const ChartAxis& LeftAxis() const { return left_; }
    const std::optional<ChartAxis>& RightAxis() const { return right_; }
    const std::vector<PlotCurve>& Curves() const { return curves_; }
    // The legend's entries in their order: the curves, then each kind of marked step shown.
    QStringList LegendTexts() const;

    // The frame inside the axes, in this widget's coordinates.
    QRectF PlotArea() const;
    // Where a value (x, y) of the curve is drawn in this widget.
    QPointF PositionOf(std::size_t curve, QPointF value) const;

    // The defined step drawn nearest to the position, within the radius (in pixels).
    struct Step {
        std::size_t curve;
        std::size_t point; // index into the curve's points
    };
    std::optional<Step> StepNear(QPointF position, double radius) const;

    // Draws the whole chart into a painter's device of the given size.
    void Paint(QPainter& painter, QSizeF size) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Where the parts of the chart go in a picture of a given size.
    struct Layout {
        QRectF plot;
        double legendTop = 0;
    };

    Layout LayoutFor(QSizeF size, const QFontMetricsF& metrics) const;
    const ChartAxis& YAxisOf(const PlotCurve& curve) const;
    QPointF Position(const QRectF& plot, const ChartAxis& y, QPointF value) const;
    QColor TitleColour(bool rightAxis) const;
    void PaintTitle(QPainter& painter, double width, const QFontMetricsF& metrics) const;
    void PaintGrid(QPainter& painter, const QRectF& plot) const;
    void PaintCurve(QPainter& painter, const QRectF& plot, const PlotCurve& curve) const;
    void PaintXAxis(QPainter& painter, const QRectF& plot, const QFontMetricsF& metrics) const;
    void PaintYAxis(QPainter& painter, const QRectF& plot, const QFontMetricsF& metrics,
                    bool rightAxis) const;
    void PaintLegend(QPainter& painter, const Layout& layout, double width,
                     const QFontMetricsF& metrics) const;
    std::vector<PointStatus> StatusesShown() const;

    ChartAxis x_;
    ChartAxis left_;
    std::optional<ChartAxis> right_;
    std::vector<PlotCurve> curves_;
    QString title_;
};

} // namespace vortalin
