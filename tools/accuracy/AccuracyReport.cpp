// Writes the accuracy page of the property fits, docs/accuracy.md, with one chart per fluid,
// and the table of the fits' largest deviations that the program reads,
// properties/FitDeviationTable.h. Both compare the fits with the reference tables that
// reference_tables.py writes from python3-iapws, so neither can drift from the code.
//
//   vortalin-accuracy TEMPLATE REFERENCE_DIR DOCS_DIR TABLE_HEADER
//
// TEMPLATE is accuracy.md.in; its placeholders @AIR_LARGEST@, @AIR_EXTENDED_BELOW@,
// @AIR_SIMPLE_LAWS@, @AIR_TABLE@, @WATER_LARGEST@ and @WATER_TABLE@ are replaced. REFERENCE_DIR
// holds air.csv and water.csv. The page and its charts accuracy-air.png and accuracy-water.png go
// to DOCS_DIR, the deviation table to TABLE_HEADER.

#include "properties/FitDeviations.h"
#include "properties/FluidProperties.h"
#include "properties/SimilarityNumbers.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

namespace {

using vortalin::FluidProperty;
using vortalin::PropertyFit;
using vortalin::PropertySet;

constexpr std::size_t kProperties = vortalin::kFluidPropertyCount;
using Values = std::array<double, kProperties>; // in the order of FluidProperty

// Column titles of the page's tables and legends of its charts.
constexpr const char* kSymbols[kProperties] = {"ρ", "μ", "ν", "λ", "c_p", "Pr"};
constexpr const char* kNames[kProperties] = {
    "density",       "dynamic viscosity", "kinematic viscosity", "thermal conductivity",
    "specific heat", "Prandtl number"};

// --- references ---

struct ReferencePoint {
    double t = 0; // °C
    Values values{};
};

// A table of reference_tables.py: '#' comments, a header line, then t and the six
// properties per line. nullopt when it cannot be read.
std::optional<std::vector<ReferencePoint>> ReadReference(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return std::nullopt;
    }
    std::vector<ReferencePoint> points;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (line.isEmpty() || line.startsWith('#') || line.startsWith("t_C,")) {
            continue;
        }
        const QStringList fields = line.split(',');
        if (fields.size() != static_cast<qsizetype>(kProperties + 1)) {
            return std::nullopt;
        }
        ReferencePoint point;
        bool ok = true;
        point.t = fields[0].toDouble(&ok);
        for (std::size_t k = 0; ok && k < kProperties; ++k) {
            point.values[k] = fields[static_cast<qsizetype>(k + 1)].toDouble(&ok);
        }
        if (!ok) {
            return std::nullopt;
        }
        points.push_back(point);
    }
    return points;
}

// The simple laws this page compared the air fits with before: dry air as an ideal gas with
// R = 287.05 J/(kg·K) at 101325 Pa, and Sutherland's law with mu0 = 1.716e-5 Pa·s at
// 273.15 K and S = 110.4 K.
double IdealGasDensity(double t) {
    return 101325 / (287.05 * (t + 273.15));
}

double SutherlandViscosity(double t) {
    const double T = t + 273.15;
    return 1.716e-5 * std::pow(T / 273.15, 1.5) * (273.15 + 110.4) / (T + 110.4);
}

// --- fits ---

Values FitValues(PropertyFit fit, double t) {
    const PropertySet p = fit == PropertyFit::AirMain       ? vortalin::AirMainRange(t)
                          : fit == PropertyFit::AirExtended ? vortalin::AirExtendedRange(t)
                                                            : vortalin::WaterPropertiesAt(t);
    return {p.rho,    p.mu, p.nu,
            p.lambda, p.cp, vortalin::PrandtlNumber(p.nu, p.rho, p.cp, p.lambda)};
}

// The fit the program evaluates at t, as AirProperties and WaterProperties choose it.
std::optional<PropertyFit> FitInUse(bool water, double t) {
    if (water) {
        return t > 0 && t < 100 ? std::optional(PropertyFit::Water) : std::nullopt;
    }
    return vortalin::AirFitAt(t);
}

// One reference point compared with one fit: (fit / reference − 1) · 100 per property.
struct Comparison {
    double t = 0;
    PropertyFit fit = PropertyFit::Water;
    Values deviations{};
};

Comparison Compare(PropertyFit fit, const ReferencePoint& point) {
    Comparison c{point.t, fit, {}};
    const Values values = FitValues(fit, point.t);
    for (std::size_t k = 0; k < kProperties; ++k) {
        c.deviations[k] = (values[k] / point.values[k] - 1) * 100;
    }
    return c;
}

// Every reference point against the fit the program uses there.
std::vector<Comparison> CompareInUse(const std::vector<ReferencePoint>& points, bool water) {
    std::vector<Comparison> comparisons;
    for (const ReferencePoint& point : points) {
        if (const std::optional<PropertyFit> fit = FitInUse(water, point.t)) {
            comparisons.push_back(Compare(*fit, point));
        }
    }
    return comparisons;
}

// --- numbers ---

QString Fixed(double value, int decimals) {
    const QString text = QString::number(value, 'f', decimals);
    // A value that rounds to zero is written without a sign.
    return text.toDouble() == 0 ? QString::number(0.0, 'f', decimals) : text;
}

// A deviation in %, signed.
QString Percent(double deviation, int decimals = 2) {
    const QString text = Fixed(deviation, decimals);
    return text.toDouble() > 0 ? "+" + text : text;
}

// The deviation of the largest magnitude seen, with where it was.
struct Largest {
    double deviation = 0;
    double t = 0;
    bool seen = false;

    void Take(double d, double at) {
        if (!seen || std::fabs(d) > std::fabs(deviation)) {
            deviation = d;
            t = at;
            seen = true;
        }
    }
    QString Text(int decimals = 2) const {
        return Percent(deviation, decimals) + " % at " + Fixed(t, 0) + " °C";
    }
};

std::array<Largest, kProperties> LargestOf(const std::vector<Comparison>& comparisons,
                                           PropertyFit fit, double from, double to) {
    std::array<Largest, kProperties> largest;
    for (const Comparison& c : comparisons) {
        if (c.fit == fit && c.t >= from && c.t <= to) {
            for (std::size_t k = 0; k < kProperties; ++k) {
                largest[k].Take(c.deviations[k], c.t);
            }
        }
    }
    return largest;
}

QString FitName(PropertyFit fit) {
    switch (fit) {
    case PropertyFit::AirMain:
        return "main fit";
    case PropertyFit::AirExtended:
        return "extended fit";
    case PropertyFit::Water:
        break;
    }
    return "water fit";
}

// --- the page ---

struct Series {
    QString name;
    std::vector<QPointF> points;
};

std::vector<Series> ChartOf(const std::vector<Comparison>& comparisons) {
    std::vector<Series> chart;
    for (std::size_t k = 0; k < kProperties; ++k) {
        chart.push_back({kNames[k], {}});
        for (const Comparison& c : comparisons) {
            chart[k].points.emplace_back(c.t, c.deviations[k]);
        }
    }
    return chart;
}

QString HeaderRow(const QString& first, bool withFit) {
    QString row = "| " + first + " |" + (withFit ? " fit |" : "");
    QString rule = "|---:|" + QString(withFit ? "---|" : "");
    for (const char* symbol : kSymbols) {
        row += QString(" Δ") + symbol + " (%) |";
        rule += "---:|";
    }
    return row + "\n" + rule;
}

// One row per reference point: t, the fit (for air) and the six deviations.
QString DeviationTable(const std::vector<Comparison>& comparisons, bool withFit) {
    QStringList rows = {HeaderRow("t (°C)", withFit)};
    for (const Comparison& c : comparisons) {
        QString row = "| " + Fixed(c.t, 0) + " |";
        if (withFit) {
            row += " " + FitName(c.fit).section(' ', 0, 0) + " |";
        }
        for (double d : c.deviations) {
            row += " " + Percent(d) + " |";
        }
        rows << row;
    }
    return rows.join('\n');
}

struct FitSpan {
    PropertyFit fit;
    QString range; // the fit's range as the program applies it
};

// The largest deviation per property of each fit over the reference points it was compared
// at, to three decimals so that the small ones of water show.
QString LargestTable(const std::vector<Comparison>& comparisons, const std::vector<FitSpan>& fits) {
    QString header = "| fit | compared at |";
    QString rule = "|---|---|";
    for (std::size_t k = 0; k < kProperties; ++k) {
        header += QString(" largest Δ") + kSymbols[k] + " |";
        rule += "---:|";
    }
    QStringList rows = {header, rule};
    for (const FitSpan& span : fits) {
        double first = HUGE_VAL, last = -HUGE_VAL;
        for (const Comparison& c : comparisons) {
            if (c.fit == span.fit) {
                first = std::min(first, c.t);
                last = std::max(last, c.t);
            }
        }
        QString row = "| " + FitName(span.fit) + ", " + span.range + " | " + Fixed(first, 0) +
                      " to " + Fixed(last, 0) + " °C |";
        for (const Largest& l : LargestOf(comparisons, span.fit, first, last)) {
            row += " " + l.Text(3) + " |";
        }
        rows << row;
    }
    return rows.join('\n');
}

// The extended air fit where the program does not use it, below −33 °C: why the main fit
// serves down to −73 °C.
QString ExtendedBelow(const std::vector<ReferencePoint>& points) {
    std::vector<Comparison> below;
    for (const ReferencePoint& point : points) {
        if (point.t > -73 && point.t <= -33) {
            below.push_back(Compare(PropertyFit::AirExtended, point));
        }
    }
    if (below.empty()) {
        return {};
    }
    const auto largest = LargestOf(below, PropertyFit::AirExtended, -73, -33);
    QStringList parts;
    for (std::size_t k = 0; k < kProperties; ++k) {
        parts << QString(kSymbols[k]) + " " + largest[k].Text();
    }
    return "From " + Fixed(below.front().t, 0) + " to " + Fixed(below.back().t, 0) +
           " °C the extended fit would deviate by up to " + parts.join(", ") +
           ", which is why the main fit serves there.";
}

// How far the ideal gas and Sutherland's law lie from the reference equations.
QString SimpleLaws(const std::vector<ReferencePoint>& points) {
    Largest gas;
    Largest sutherland;
    for (const ReferencePoint& point : points) {
        gas.Take((IdealGasDensity(point.t) / point.values[0] - 1) * 100, point.t);
        sutherland.Take((SutherlandViscosity(point.t) / point.values[1] - 1) * 100, point.t);
    }
    return "From " + Fixed(points.front().t, 0) + " to " + Fixed(points.back().t, 0) +
           " °C the ideal gas differs from the equation of state of Lemmon et al. by at most " +
           gas.Text() + ", Sutherland's law from the viscosity of Lemmon and Jacobsen by up to " +
           sutherland.Text() + ".";
}

// --- the deviation table ---

// Interval bounds: `from`, the multiples of `step` strictly between, `to`.
std::vector<std::pair<double, double>> Intervals(double from, double to, double step) {
    std::vector<double> edges = {from};
    for (double k = std::floor(from / step) + 1; k * step < to; ++k) {
        edges.push_back(k * step);
    }
    edges.push_back(to);
    std::vector<std::pair<double, double>> intervals;
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
        intervals.emplace_back(edges[i], edges[i + 1]);
    }
    return intervals;
}

struct TableSpan {
    PropertyFit fit;
    const char* array;
    const char* comment;
    double from, to, step;
};

// The rows of one fit, or nullopt when an interval holds no reference point.
std::optional<QString> TableRows(const std::vector<Comparison>& comparisons,
                                 const TableSpan& span) {
    QString rows;
    for (const auto& [from, to] : Intervals(span.from, span.to, span.step)) {
        const auto largest = LargestOf(comparisons, span.fit, from, to);
        if (!largest[0].seen) {
            return std::nullopt;
        }
        QStringList percent;
        for (const Largest& l : largest) {
            percent << Fixed(l.deviation, 3);
        }
        rows += "    {" + QString::number(from, 'g', 10) + ", " + QString::number(to, 'g', 10) +
                ", {" + percent.join(", ") + "}},\n";
    }
    return rows;
}

std::optional<QString> DeviationHeader(const std::vector<Comparison>& air,
                                       const std::vector<Comparison>& water) {
    // 2000 K, where the equation of state of air stops.
    constexpr double kAirReferenceLimit = 1726.85;
    const TableSpan spans[] = {
        {PropertyFit::AirMain, "kAirMain", "The main air fit, -73 < t < 106 °C.", -73, 106, 20},
        {PropertyFit::AirExtended, "kAirExtended",
         "The extended air fit from 106 °C to 2000 K, where its reference stops.", 106,
         kAirReferenceLimit, 20},
        {PropertyFit::Water, "kWater", "The water fit, 0 < t < 100 °C.", 0, 100, 10},
    };
    QString text =
        "#pragma once\n"
        "// Written by vortalin-accuracy (tools/accuracy/) from the property fits and the "
        "reference\n"
        "// tables in tools/accuracy/reference/; do not edit. The test\n"
        "// accuracy.deviation_table_is_current fails when it no longer matches them.\n"
        "\n"
        "namespace vortalin::deviation_table {\n"
        "\n"
        "// The largest deviation of each property, fit / reference - 1 in %, at the "
        "reference\n"
        "// points within [from, to] °C. Columns: density, dynamic viscosity, kinematic "
        "viscosity,\n"
        "// thermal conductivity, specific heat, Prandtl number.\n"
        "struct Interval {\n"
        "    double from;\n"
        "    double to;\n"
        "    double percent[" +
        QString::number(kProperties) +
        "];\n"
        "};\n";
    for (const TableSpan& span : spans) {
        const std::optional<QString> rows =
            TableRows(span.fit == PropertyFit::Water ? water : air, span);
        if (!rows) {
            return std::nullopt;
        }
        text += QString("\n// ") + span.comment + "\ninline constexpr Interval " + span.array +
                "[] = {\n" + *rows + "};\n";
    }
    return text + "\n} // namespace vortalin::deviation_table\n";
}

// --- output ---

// A line chart of deviation against temperature, drawn with QPainter: axes with round
// ticks, a grid, one coloured line per series and a legend.
class Chart {
public:
    Chart(QString title, const std::vector<Series>& series)
        : title_(std::move(title)), series_(series) {
        for (const Series& s : series_) {
            for (const QPointF& p : s.points) {
                xMin_ = std::min(xMin_, p.x());
                xMax_ = std::max(xMax_, p.x());
                yMin_ = std::min(yMin_, p.y());
                yMax_ = std::max(yMax_, p.y());
            }
        }
        yStep_ = RoundStep((yMax_ - yMin_) / 8);
        yMin_ = std::floor(yMin_ / yStep_) * yStep_;
        yMax_ = std::ceil(yMax_ / yStep_) * yStep_;
        xStep_ = RoundStep((xMax_ - xMin_) / 10);
    }

    bool Save(const QString& path) const {
        QImage image(kWidth, kHeight, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        DrawFrame(painter);
        DrawSeries(painter);
        DrawLegend(painter);
        painter.end();
        return image.save(path);
    }

private:
    static constexpr int kWidth = 960, kHeight = 540;
    static constexpr int kLeft = 80, kRight = 20, kTop = 50, kBottom = 60;

    // 1, 2 or 5 times a power of ten, not below `raw`.
    static double RoundStep(double raw) {
        const double power = std::pow(10.0, std::floor(std::log10(raw)));
        for (double m : {1.0, 2.0, 5.0}) {
            if (m * power >= raw) {
                return m * power;
            }
        }
        return 10 * power;
    }
    QPointF Map(double x, double y) const {
        const double w = kWidth - kLeft - kRight;
        const double h = kHeight - kTop - kBottom;
        return {kLeft + (x - xMin_) / (xMax_ - xMin_) * w,
                kTop + (yMax_ - y) / (yMax_ - yMin_) * h};
    }
    static QColor ColourOf(std::size_t i) {
        static const QColor colours[] = {QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28),
                                         QColor(0x2c, 0xa0, 0x2c), QColor(0x94, 0x67, 0xbd),
                                         QColor(0xff, 0x7f, 0x0e), QColor(0x8c, 0x56, 0x4b)};
        return colours[i % std::size(colours)];
    }
    void DrawFrame(QPainter& painter) const {
        QFont font = painter.font();
        font.setPixelSize(14);
        painter.setFont(font);
        painter.setPen(QColor(0xdd, 0xdd, 0xdd));
        for (double y = yMin_; y <= yMax_ + yStep_ / 2; y += yStep_) {
            painter.drawLine(Map(xMin_, y), Map(xMax_, y));
        }
        const double xFirst = std::ceil(xMin_ / xStep_) * xStep_;
        for (double x = xFirst; x <= xMax_ + xStep_ / 1e6; x += xStep_) {
            painter.drawLine(Map(x, yMin_), Map(x, yMax_));
        }
        painter.setPen(Qt::black);
        painter.drawLine(Map(xMin_, 0), Map(xMax_, 0));
        painter.drawRect(QRectF(Map(xMin_, yMax_), Map(xMax_, yMin_)));
        for (double y = yMin_; y <= yMax_ + yStep_ / 2; y += yStep_) {
            const QPointF at = Map(xMin_, y);
            painter.drawText(QRectF(0, at.y() - 10, kLeft - 8, 20),
                             Qt::AlignRight | Qt::AlignVCenter,
                             QString::number(std::abs(y) < yStep_ / 1e6 ? 0 : y));
        }
        for (double x = xFirst; x <= xMax_ + xStep_ / 1e6; x += xStep_) {
            const QPointF at = Map(x, yMin_);
            painter.drawText(QRectF(at.x() - 40, at.y() + 4, 80, 20), Qt::AlignCenter,
                             QString::number(x));
        }
        painter.drawText(QRectF(kLeft, kHeight - 28, kWidth - kLeft - kRight, 24), Qt::AlignCenter,
                         "mean temperature t (°C)");
        painter.save();
        painter.translate(18, kTop + (kHeight - kTop - kBottom) / 2.0);
        painter.rotate(-90);
        painter.drawText(QRectF(-200, -12, 400, 24), Qt::AlignCenter,
                         "deviation from the reference (%)");
        painter.restore();
        QFont bold = font;
        bold.setBold(true);
        bold.setPixelSize(16);
        painter.setFont(bold);
        painter.drawText(QRectF(0, 10, kWidth, 30), Qt::AlignCenter, title_);
        painter.setFont(font);
    }
    void DrawSeries(QPainter& painter) const {
        for (std::size_t i = 0; i < series_.size(); ++i) {
            painter.setPen(QPen(ColourOf(i), 2));
            QPolygonF line;
            for (const QPointF& p : series_[i].points) {
                line << Map(p.x(), p.y());
            }
            painter.drawPolyline(line);
        }
    }
    void DrawLegend(QPainter& painter) const {
        const double x = kLeft + 16;
        double y = kTop + 16;
        // On a white box, so that the lines behind it do not run through the names.
        painter.setPen(QColor(0xaa, 0xaa, 0xaa));
        painter.setBrush(QColor(255, 255, 255, 225));
        painter.drawRect(QRectF(x - 8, y - 12, 210, 22.0 * series_.size() + 2));
        painter.setBrush(Qt::NoBrush);
        for (std::size_t i = 0; i < series_.size(); ++i, y += 22) {
            painter.setPen(QPen(ColourOf(i), 3));
            painter.drawLine(QPointF(x, y), QPointF(x + 28, y));
            painter.setPen(Qt::black);
            painter.drawText(QRectF(x + 36, y - 10, 300, 20), Qt::AlignLeft | Qt::AlignVCenter,
                             series_[i].name);
        }
    }

    QString title_;
    std::vector<Series> series_;
    double xMin_ = HUGE_VAL, xMax_ = -HUGE_VAL, yMin_ = 0, yMax_ = 0; // 0 always in view
    double xStep_ = 1, yStep_ = 1;
};

QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

bool WriteText(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(text.toUtf8()) >= 0 && file.flush();
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s TEMPLATE REFERENCE_DIR DOCS_DIR TABLE_HEADER\n", argv[0]);
        return EXIT_FAILURE;
    }
    QString page = ReadText(QString::fromLocal8Bit(argv[1]));
    const QString references = QString::fromLocal8Bit(argv[2]);
    const QString docs = QString::fromLocal8Bit(argv[3]);
    if (page.isEmpty()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return EXIT_FAILURE;
    }
    const auto airPoints = ReadReference(references + "/air.csv");
    const auto waterPoints = ReadReference(references + "/water.csv");
    if (!airPoints || !waterPoints || airPoints->empty() || waterPoints->empty()) {
        std::fprintf(stderr, "cannot read the reference tables in %s\n", argv[2]);
        return EXIT_FAILURE;
    }
    const std::vector<Comparison> air = CompareInUse(*airPoints, false);
    const std::vector<Comparison> water = CompareInUse(*waterPoints, true);
    const std::optional<QString> table = DeviationHeader(air, water);
    if (!table) {
        std::fprintf(stderr, "an interval of the deviation table holds no reference point\n");
        return EXIT_FAILURE;
    }
    page.replace("@AIR_LARGEST@",
                 LargestTable(air, {{PropertyFit::AirMain, "-73 < t < 106 °C"},
                                    {PropertyFit::AirExtended, "106 <= t < 2226 °C"}}))
        .replace("@AIR_EXTENDED_BELOW@", ExtendedBelow(*airPoints))
        .replace("@AIR_SIMPLE_LAWS@", SimpleLaws(*airPoints))
        .replace("@AIR_TABLE@", DeviationTable(air, true))
        .replace("@WATER_LARGEST@", LargestTable(water, {{PropertyFit::Water, "0 < t < 100 °C"}}))
        .replace("@WATER_TABLE@", DeviationTable(water, false));
    const bool written =
        WriteText(docs + "/accuracy.md", page) &&
        WriteText(QString::fromLocal8Bit(argv[4]), *table) &&
        Chart("Air at 101325 Pa: fits against Lemmon et al. and Lemmon & Jacobsen", ChartOf(air))
            .Save(docs + "/accuracy-air.png") &&
        Chart("Water at 101325 Pa: fit against IAPWS-95 and the IAPWS transport formulations",
              ChartOf(water))
            .Save(docs + "/accuracy-water.png");
    if (!written) {
        std::fprintf(stderr, "cannot write the page, its charts or the deviation table\n");
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
