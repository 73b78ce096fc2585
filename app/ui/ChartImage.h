#pragma once
// The chart as a picture file: a PNG of the widget as it is on screen, or an SVG drawn
// through Qt SVG's generator, so that lines and markers stay vectors.

#include <QByteArray>
#include <QString>

#include <optional>

class QWidget;

namespace vortalin {

enum class ImageFormat { Png, Svg };

// The format that the file name's suffix asks for (case-insensitive); nullopt for any
// other suffix.
std::optional<ImageFormat> ImageFormatOf(const QString& path);

// The widget drawn into the bytes of an image file of that format.
QByteArray RenderImage(QWidget& widget, ImageFormat format, const QString& title);

} // namespace vortalin
