// Writes the accuracy page of the property fits, docs/accuracy.md, with one chart per fluid:
// the deviation of each fit from an independent reference, computed from the fits
// themselves so that the page cannot drift from the code.
//
//   vortalin-accuracy TEMPLATE OUTPUT_DIR
//
// TEMPLATE is accuracy.md.in; its placeholders @AIR_LARGEST@, @AIR_TABLE@, @WATER_LARGEST@
// and @WATER_TABLE@ are replaced. The charts go to OUTPUT_DIR/accuracy-air.png and
// OUTPUT_DIR/accuracy-water.png.

#include "properties/FluidProperties.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using vortalin::PropertySet;

// --- references ---

double Kelvin(double t) {
    return t + 273.15;
}

// Dry air at 101325 Pa as an ideal gas with R = 287.05 J/(kg·K).
double IdealGasDensity(double t) {
    return 101325 / (287.05 * Kelvin(t));
}

// Sutherland's law for air: mu0 = 1.716e-5 Pa·s at 273.15 K, S = 110.4 K.
double SutherlandViscosity(double t) {
    const double T = Kelvin(t);
    return 1.716e-5 * std::pow(T / 273.15, 1.5) * (273.15 + 110.4) / (T + 110.4);
}

// Liquid water at 0.1 MPa from the IAPWS formulations, rounded.
struct WaterReference {
    double t;      // °C
    double rho;    // kg/m³
    double mu;     // mPa·s
    double lambda; // W/(m·K)
    double cp;     // J/(kg·K)
};

constexpr WaterReference kWaterReferences[] = {
    {10, 999.70, 1.3059, 0.5800, 4192}, {20, 998.21, 1.0016, 0.5984, 4184},
    {50, 988.03, 0.5465, 0.6435, 4181}, {80, 971.79, 0.3544, 0.6701, 4197},
    {95, 961.89, 0.2975, 0.6772, 4212},
};

// --- numbers ---

double Deviation(double fit, double reference) {
    return (fit / reference - 1) * 100;
}

QString Fixed(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

// Signed to two decimals; a deviation that rounds to zero is written 0.00 without a sign.
QString Percent(double deviation) {
    if (std::fabs(deviation) < 0.005) {
        return Fixed(0, 2);
    }
    return (deviation > 0 ? QStringLiteral("+") : QString()) + Fixed(deviation, 2);
}

// The largest |deviation| seen, with where it was.
struct Largest {
    double deviation = 0;
    double t = 0;
    QString property;

    void Take(double d, double at, const QString& what) {
        if (std::fabs(d) > std::fabs(deviation)) {
            deviation = d;
            t = at;
            property = what;
        }
    }
    QString Text() const {
        return Percent(deviation) + " % in " + property + " at " + Fixed(t, 0) + " °C";
    }
};

struct Series {
    QString name;
    std::vector<QPointF> points;
};

// --- air ---

constexpr double kAirFirst = -70;
constexpr double kAirLast = 2220;
constexpr double kAirStep = 10;
constexpr double kAirExtendedFrom = 106; // where the extended fit takes over

struct AirPage {
    QString table;
    QString largest;
    std::vector<Series> chart;
};

AirPage Air() {
    AirPage page;
    page.chart = {{"density", {}}, {"dynamic viscosity", {}}, {"kinematic viscosity", {}}};
    QStringList rows = {
        "| t (°C) | fit | ρ (kg/m³) | ρ ideal gas | Δρ (%) | μ (10⁻⁵ Pa·s) | μ Sutherland | "
        "Δμ (%) | ν (10⁻⁵ m²/s) | ν = μ/ρ reference | Δν (%) |",
        "|---:|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|"};
    Largest all;
    Largest main;
    for (int i = 0; kAirFirst + i * kAirStep <= kAirLast; ++i) {
        const double t = kAirFirst + i * kAirStep;
        const PropertySet fit = *vortalin::AirProperties(t);
        const double rho = IdealGasDensity(t);
        const double mu = SutherlandViscosity(t);
        const double nu = mu / rho;
        const double deviations[] = {Deviation(fit.rho, rho), Deviation(fit.mu, mu),
                                     Deviation(fit.nu, nu)};
        const bool mainFit = t < kAirExtendedFrom;
        for (std::size_t k = 0; k < page.chart.size(); ++k) {
            page.chart[k].points.emplace_back(t, deviations[k]);
            all.Take(deviations[k], t, page.chart[k].name);
            if (mainFit) {
                main.Take(deviations[k], t, page.chart[k].name);
            }
        }
        rows << "| " + Fixed(t, 0) + " | " + (mainFit ? "main" : "extended") + " | " +
                    Fixed(fit.rho, 4) + " | " + Fixed(rho, 4) + " | " + Percent(deviations[0]) +
                    " | " + Fixed(fit.mu * 1e5, 4) + " | " + Fixed(mu * 1e5, 4) + " | " +
                    Percent(deviations[1]) + " | " + Fixed(fit.nu * 1e5, 4) + " | " +
                    Fixed(nu * 1e5, 4) + " | " + Percent(deviations[2]) + " |";
    }
    page.table = rows.join('\n');
    page.largest = "For air the largest deviation is " + all.Text() +
                   " (extended fit), while the main fit (−70 to 100 °C in this table) stays "
                   "within " +
                   Fixed(std::fabs(main.deviation), 2) + " %, largest in " + main.property +
                   " at " + Fixed(main.t, 0) + " °C.";
    return page;
}

// --- water ---

struct WaterPage {
    QString table;
    QString largest;
    std::vector<Series> chart;
};

WaterPage Water() {
    WaterPage page;
    page.chart = {{"density", {}},
                  {"dynamic viscosity", {}},
                  {"thermal conductivity", {}},
                  {"specific heat", {}}};
    QStringList rows = {"| t (°C) | ρ (kg/m³) | reference | Δρ (%) | μ (mPa·s) | reference | "
                        "Δμ (%) | λ (W/(m·K)) | reference | Δλ (%) | c_p (J/(kg·K)) | "
                        "reference | Δc_p (%) |",
                        "|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|"};
    Largest all;
    for (const WaterReference& r : kWaterReferences) {
        const PropertySet fit = *vortalin::WaterProperties(r.t);
        const double fits[] = {fit.rho, fit.mu * 1e3, fit.lambda, fit.cp};
        const double references[] = {r.rho, r.mu, r.lambda, r.cp};
        const int decimals[] = {2, 4, 4, 0};
        QString row = "| " + Fixed(r.t, 0) + " |";
        for (std::size_t k = 0; k < page.chart.size(); ++k) {
            const double d = Deviation(fits[k], references[k]);
            page.chart[k].points.emplace_back(r.t, d);
            all.Take(d, r.t, page.chart[k].name);
            row += " " + Fixed(fits[k], decimals[k]) + " | " + Fixed(references[k], decimals[k]) +
                   " | " + Percent(d) + " |";
        }
        rows << row;
    }
    page.table = rows.join('\n');
    page.largest = "For water the largest deviation is " + all.Text() + ".";
    return page;
}

// --- output ---

// A line chart of deviation against temperature, drawn with QPainter: axes with round
// ticks, a grid, one coloured line per series (with dots when markers) and a legend.
class Chart {
public:
    Chart(QString title, const std::vector<Series>& series, bool markers)
        : title_(std::move(title)), series_(series), markers_(markers) {
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
                                         QColor(0x2c, 0xa0, 0x2c), QColor(0x94, 0x67, 0xbd)};
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
        for (double x = xFirst; x <= xMax_ + xStep_ / 2; x += xStep_) {
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
        for (double x = xFirst; x <= xMax_ + xStep_ / 2; x += xStep_) {
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
            if (markers_) {
                painter.setBrush(ColourOf(i));
                for (const QPointF& p : line) {
                    painter.drawEllipse(p, 4, 4);
                }
                painter.setBrush(Qt::NoBrush);
            }
        }
    }
    void DrawLegend(QPainter& painter) const {
        const double x = kLeft + 16;
        double y = kTop + 16;
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
    bool markers_;
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
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s TEMPLATE OUTPUT_DIR\n", argv[0]);
        return EXIT_FAILURE;
    }
    QString page = ReadText(QString::fromLocal8Bit(argv[1]));
    const QString dir = QString::fromLocal8Bit(argv[2]);
    if (page.isEmpty()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return EXIT_FAILURE;
    }
    const AirPage air = Air();
    const WaterPage water = Water();
    page.replace("@AIR_LARGEST@", air.largest)
        .replace("@AIR_TABLE@", air.table)
        .replace("@WATER_LARGEST@", water.largest)
        .replace("@WATER_TABLE@", water.table);
    const bool written =
        WriteText(dir + "/accuracy.md", page) &&
        Chart("Air at 101325 Pa: fits against the ideal gas and Sutherland's law", air.chart, false)
            .Save(dir + "/accuracy-air.png") &&
        Chart("Water at 0.1 MPa: fit against the IAPWS values", water.chart, true)
            .Save(dir + "/accuracy-water.png");
    if (!written) {
        std::fprintf(stderr, "cannot write the page or its charts in %s\n", argv[2]);
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
