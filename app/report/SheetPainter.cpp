#include "app/report/SheetPainter.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <functional>

// The sketches are compiled into the library; a static library needs them registered, from
// outside any namespace.
static void RegisterReportSketches() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(report_sketches);
        return true;
    }();
    (void)registered;
}

namespace vortalin {

namespace {

constexpr double kMarginMm = 15;
constexpr double kSketchWidthMm = 52;
constexpr double kSketchHeightMm = 36;
constexpr double kLabelColumnMm = 56;
constexpr double kHeadLabelColumnMm = 28;
constexpr double kValueColumnMm = 36;
constexpr double kGapMm = 3;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QFont SheetFont(double points, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    // Any letter spacing turns off ligatures, so that "fi" stays two letters for whoever
    // copies or searches the text of the PDF.
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.1);
    return font;
}

// Lays out and paints the sheet; without a painter it only measures, to count the pages.
class SheetLayout {
public:
    SheetLayout(const Sheet& sheet, QPaintDevice& device)
        : sheet_(sheet), device_(device), mm_(device.logicalDpiY() / 25.4), width_(device.width()),
          bottom_(device.height() - FooterHeight()) {}

    int CountPages() {
        Run(nullptr, nullptr, 0);
        return page_;
    }

    void Paint(QPainter& painter, QPagedPaintDevice& device, int pages) {
        Run(&painter, &device, pages);
    }

private:
    double Mm(double millimetres) const { return millimetres * mm_; }

    double FooterHeight() const {
        return QFontMetricsF(SheetFont(7.5, false), &device_).height() + 2 * mm_ * 2;
    }

    // A wrapped text in a column; returns its height. Long formulas wrap anywhere when no
    // word boundary fits.
    double Text(const QString& text, const QFont& font, double x, double y, double width) {
        QTextLayout layout(text, font, &device_);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        double height = 0;
        const double leading = QFontMetricsF(font, &device_).leading();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, height));
            height += line.height() + leading;
        }
        layout.endLayout();
        if (painter_ != nullptr) {
            layout.draw(painter_, QPointF(x, y));
        }
        return height;
    }

    double Measure(const QString& text, const QFont& font, double width) {
        QPainter* painter = painter_;
        painter_ = nullptr;
        const double height = Text(text, font, 0, 0, width);
        painter_ = painter;
        return height;
    }

    // Starts a new page when a block of this height no longer fits.
    void Reserve(double height) {
        if (y_ + height <= bottom_ || y_ == 0) {
            return;
        }
        Footer();
        ++page_;
        y_ = 0;
        if (device_ptr_ != nullptr) {
            device_ptr_->newPage();
        }
    }

    void Footer() {
        if (painter_ == nullptr) {
            return;
        }
        const QFont font = SheetFont(7.5, false);
        const double y = device_.height() - QFontMetricsF(font, &device_).height();
        painter_->setPen(QPen(Qt::gray, Mm(0.2)));
        painter_->drawLine(QPointF(0, y - Mm(1.5)), QPointF(width_, y - Mm(1.5)));
        painter_->setPen(Qt::black);
        painter_->setFont(font);
        const QString page = Q(PageText(page_, pages_));
        const double pageWidth = QFontMetricsF(font, &device_).horizontalAdvance(page);
        Text(Q(sheet_.footer), font, 0, y, width_ - pageWidth - Mm(kGapMm));
        Text(page, font, width_ - pageWidth, y, pageWidth + 1);
    }

    double Row(const SheetRow& row, double x, double width, bool prominent,
               double labelColumn = kLabelColumnMm) {
        const QFont label = SheetFont(prominent ? 12 : 8, true);
        const QFont value = SheetFont(prominent ? 12 : 8, prominent);
        const QFont note = SheetFont(7, false);
        const double labelWidth = Mm(prominent ? 100 : labelColumn);
        const double valueX = x + labelWidth + Mm(kGapMm);
        const double valueWidth =
            row.note.empty() ? x + width - valueX : Mm(prominent ? 40 : kValueColumnMm);
        const double noteX = valueX + valueWidth + Mm(kGapMm);
        const double noteWidth = x + width - noteX;
        double noteHeight = row.note.empty() ? 0.0 : Measure(Q(row.note), note, noteWidth);
        const bool noteShown =
            !row.note.empty() &&
            !(row.noteOnlyIfOneLine && noteHeight > Measure(QStringLiteral("X"), note, noteWidth));
        if (!noteShown) {
            noteHeight = 0;
        }
        const double height = std::max({Measure(Q(row.label), label, labelWidth),
                                        Measure(Q(row.value), value, valueWidth), noteHeight});
        Reserve(height);
        Text(Q(row.label), label, x, y_, labelWidth);
        Text(Q(row.value), value, valueX, y_, valueWidth);
        if (noteShown) {
            Text(Q(row.note), note, noteX, y_ + Mm(0.3), noteWidth);
        }
        return height + Mm(prominent ? 1.5 : 0.4);
    }

    void Head() {
        const QFont title = SheetFont(15, true);
        y_ += Text(Q(sheet_.title), title, 0, y_, width_) + Mm(2);
        for (const SheetRow& row : sheet_.header) {
            y_ += Row(row, 0, width_, false, kHeadLabelColumnMm);
        }
        y_ += Mm(2);
    }

    // The sketch stands at the right of the first section; the rows beside it are narrower.
    void FloatSketch() {
        if (sheet_.sketch.empty()) {
            return;
        }
        const QRectF box(width_ - Mm(kSketchWidthMm), y_, Mm(kSketchWidthMm), Mm(kSketchHeightMm));
        Sketch(box);
        floatBottom_ = box.bottom();
    }

    // The width left for a row that starts at the current height.
    double RowWidth() const {
        return y_ < floatBottom_ ? width_ - Mm(kSketchWidthMm + kGapMm) : width_;
    }

    // The sketch, a picture of four times the window's size: sharp enough on paper.
    void Sketch(const QRectF& box) {
        if (painter_ == nullptr) {
            return;
        }
        RegisterReportSketches();
        const QImage image(QStringLiteral(":/report-sketches/%1.png").arg(Q(sheet_.sketch)));
        if (image.isNull()) {
            return;
        }
        QSizeF size = image.size();
        size.scale(box.size(), Qt::KeepAspectRatio);
        painter_->drawImage(QRectF(box.topLeft(), size), image);
    }

    // The first section's title spans the page and the sketch stands under it.
    void Section(const SheetSection& section, bool first) {
        const QFont title = SheetFont(10, true);
        const double titleHeight = Measure(Q(section.title), title, width_);
        // A title stays with the first line under it.
        Reserve(titleHeight + Mm(8));
        const double titleWidth = RowWidth();
        y_ += Text(Q(section.title), title, 0, y_, titleWidth);
        if (painter_ != nullptr) {
            painter_->setPen(QPen(Qt::darkGray, Mm(0.25)));
            painter_->drawLine(QPointF(0, y_), QPointF(titleWidth, y_));
            painter_->setPen(Qt::black);
        }
        y_ += Mm(1);
        if (first) {
            FloatSketch();
        }
        for (const SheetRow& row : section.rows) {
            y_ += Row(row, 0, RowWidth(), section.prominent);
        }
        const QFont paragraph = SheetFont(8, false);
        for (const std::string& text : section.paragraphs) {
            const double width = RowWidth();
            const double height = Measure(Q(text), paragraph, width);
            Reserve(height);
            y_ += Text(Q(text), paragraph, 0, y_, width) + Mm(0.6);
        }
        y_ += Mm(2.5);
    }

    void Run(QPainter* painter, QPagedPaintDevice* device, int pages) {
        painter_ = painter;
        device_ptr_ = device;
        pages_ = pages;
        page_ = 1;
        y_ = 0;
        floatBottom_ = 0;
        Head();
        for (const SheetSection& section : sheet_.sections) {
            Section(section, &section == &sheet_.sections.front());
        }
        Footer();
    }

    const Sheet& sheet_;
    QPaintDevice& device_;
    double mm_;
    double width_;
    double bottom_;
    QPainter* painter_ = nullptr;
    QPagedPaintDevice* device_ptr_ = nullptr;
    int pages_ = 0;
    int page_ = 1;
    double y_ = 0;
    double floatBottom_ = 0;
};

} // namespace

void PaintSheet(const Sheet& sheet, QPagedPaintDevice& device) {
    const int pages = SheetLayout(sheet, device).CountPages();
    QPainter painter(&device);
    SheetLayout(sheet, device).Paint(painter, device, pages);
}

QByteArray SheetPdf(const Sheet& sheet) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(Q(sheet.title));
        writer.setCreator(Q(sheet.footer));
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                         QPageLayout::Millimeter));
        PaintSheet(sheet, writer);
    }
    return bytes;
}

std::string WriteSheetPdf(const Sheet& sheet, const std::string& path, ReaderWait wait) {
    const QByteArray pdf = SheetPdf(sheet);
    return WriteUserFile(
        path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())), wait);
}

std::string SheetNotSavedMessage(const std::string& path, const std::string& reason) {
    return "Protokol sa nepodarilo uložiť do súboru „" + path + "“ (" + reason +
           "). Doterajší obsah súboru zostal nezmenený.";
}

} // namespace vortalin
