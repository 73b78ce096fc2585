#pragma once
// The chart as a picture file: a PNG of the plot as it is on screen, or a PDF page of the
// same size drawn by the same code, so that lines, markers and texts stay vectors.

#include <QByteArray>
#include <QString>

#include <optional>

namespace vortalin {

class PlotView;

enum class ImageFormat { Png, Pdf };

// The format that the file name's suffix asks for (case-insensitive); nullopt for any
// other suffix.
std::optional<ImageFormat> ImageFormatOf(const QString& path);

// The plot drawn into the bytes of an image file of that format; empty when it could not
// be drawn.
QByteArray RenderImage(PlotView& plot, ImageFormat format, const QString& title);

} // namespace vortalin
