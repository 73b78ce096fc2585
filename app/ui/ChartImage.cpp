#include "app/ui/ChartImage.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QSvgGenerator>
#include <QWidget>

#include <optional>

namespace vortalin {

namespace {

QByteArray RenderPng(QWidget& widget) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    widget.grab().save(&buffer, "PNG");
    return bytes;
}

QByteArray RenderSvg(QWidget& widget, const QString& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(widget.size());
    svg.setViewBox(QRect(QPoint(0, 0), widget.size()));
    svg.setTitle(title);
    QPainter painter(&svg);
    widget.render(&painter);
    painter.end();
    return bytes;
}

} // namespace

std::optional<ImageFormat> ImageFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) {
        return ImageFormat::Png;
    }
    if (suffix == QLatin1String("svg")) {
        return ImageFormat::Svg;
    }
    return std::nullopt;
}

QByteArray RenderImage(QWidget& widget, ImageFormat format, const QString& title) {
    return format == ImageFormat::Png ? RenderPng(widget) : RenderSvg(widget, title);
}

} // namespace vortalin
