#pragma once
// "Graf parametrickej štúdie": the chart of the last completed parameter sweep. A modeless
// window that closing only hides; it shows whatever sweep it was last given and draws it
// anew when the user picks another result or axis scale. The data come from the sweep
// itself (SweepSeries): the window only draws them.

#include "app/studies/SweepSeries.h"
#include "app/ui/ChartPlot.h"

#include <QString>
#include <QWidget>

#include <array>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QFileDialog;
class QLabel;
class QPushButton;
class QPoint;

namespace vortalin {

class PlotView;
struct PlotCurve;

class ChartWindow : public QWidget {
    Q_OBJECT
public:
    // The axis titles are the captions of the main window's fields (without the colon).
    explicit ChartWindow(QWidget* parent);

    // Shows a completed sweep in place of the one shown before; `subject` names what was
    // studied ("Vzduch – Prúdenie cez potrubie") above the plot and in a saved picture.
    void ShowSweep(std::shared_ptr<const SweepSeries> sweep, const QString& subject = {});

    // Writes the chart to a PNG or PDF file, by the suffix of the path; returns the Slovak
    // message of a failure, or an empty string when the file was written.
    QString SaveImage(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    QWidget* CreateChoiceRow();
    QWidget* CreateScaleRow();
    void CreateImageDialog();
    void ReadCaptions();
    void Redraw();
    void UpdateScaleToggles();
    ChartAxis YAxis(std::size_t result, bool logarithmic) const;
    PlotCurve Curve(std::size_t result, bool rightAxis) const;
    void ShowPointTip(const QPoint& pointer);
    QString PointText(std::size_t result, const ChartPoint& point) const;
    QString Summary() const;
    QString XCaption() const;
    std::size_t ChosenResult(const QComboBox& box) const;
    void ChooseImageFile();

    std::shared_ptr<const SweepSeries> sweep_;
    std::array<QString, kEditCount> captions_;
    QComboBox* leftQuantity_ = nullptr;
    QCheckBox* rightShown_ = nullptr;
    QComboBox* rightQuantity_ = nullptr;
    QCheckBox* logX_ = nullptr;
    QCheckBox* logLeft_ = nullptr;
    QCheckBox* logRight_ = nullptr;
    PlotView* view_ = nullptr;
    QLabel* summary_ = nullptr;
    QFileDialog* imageDialog_ = nullptr;
    QPushButton* saveImage_ = nullptr; // offered only while a sweep is shown
    std::vector<std::size_t> plotted_; // the result of each curve of the plot
};

} // namespace vortalin
