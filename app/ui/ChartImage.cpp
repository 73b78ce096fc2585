#include "app/ui/ChartImage.h"

#include "app/ui/PlotView.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>

namespace vortalin {

namespace {

// The plot's pixels are drawn as on a screen of 96 dots per inch; a PDF point is 1/72 inch.
constexpr int kPdfResolution = 96;
constexpr double kPointsPerPixel = 72.0 / kPdfResolution;

QByteArray RenderPng(PlotView& plot) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    plot.grab().save(&buffer, "PNG");
    return bytes;
}

QByteArray RenderPdf(const PlotView& plot, const QString& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Vortalin"));
        pdf.setResolution(kPdfResolution);
        pdf.setPageSize(QPageSize(QSizeF(plot.size()) * kPointsPerPixel, QPageSize::Point,
                                  QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&pdf);
        if (!painter.isActive()) {
            return {};
        }
        plot.Paint(painter, plot.size());
    } // the writer finishes the file when it goes
    return bytes;
}

} // namespace

std::optional<ImageFormat> ImageFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) {
        return ImageFormat::Png;
    }
    if (suffix == QLatin1String("pdf")) {
        return ImageFormat::Pdf;
    }
    return std::nullopt;
}

QByteArray RenderImage(PlotView& plot, ImageFormat format, const QString& title) {
    return format == ImageFormat::Png ? RenderPng(plot) : RenderPdf(plot, title);
}

} // namespace vortalin
