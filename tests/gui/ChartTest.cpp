// "Graf parametrickej štúdie" from the user's side: opened from the menu, it shows the last
// completed sweep with the values of the results file, the refused steps as hollow red
// markers with their message, breaks where a value is undefined, and exports PNG and PDF.

#include "app/format/NumberFormat.h"
#include "app/ui/ChartPlot.h"
#include "app/ui/ChartWindow.h"
#include "app/ui/PlotView.h"
#include "app/ui/VortalinApplication.h"
#include "tests/gui/GuiTestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPageSize>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <utility>

using vortalin::test::Find;
using vortalin::test::ModalWatcher;
using vortalin::test::TypeInto;

namespace {

const QString kHint = QStringLiteral("Graf ukáže poslednú parametrickú štúdiu: zapnite Údaje → "
                                     "Ulož do súboru a stlačte Vypočítaj.");

QList<QList<QByteArray>> DataRows(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) { // CR LF on Windows
        return {};
    }
    QList<QList<QByteArray>> rows;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) { // after the header
        if (!lines[i].isEmpty()) {
            rows.append(lines[i].split(';'));
        }
    }
    return rows;
}

QByteArray Fixed(double value, int decimals) {
    return QByteArray::fromStdString(vortalin::FormatFixed(value, 8, decimals, ','));
}

// Goes to the folder of `path` in the save dialog, enters the file's name and presses Enter.
ModalWatcher::DialogHandler TypeName(const QString& path) {
    return [path](QDialog& dialog) {
        auto* chooser = qobject_cast<QFileDialog*>(&dialog);
        QVERIFY(chooser != nullptr);
        chooser->setDirectory(QFileInfo(path).absolutePath());
        vortalin::test::EnterFileName(*chooser, QFileInfo(path).fileName());
    };
}

// The numbers an axis writes, from the smallest value.
QStringList AxisNumbers(const vortalin::ChartAxis& axis) {
    QStringList texts;
    for (const vortalin::AxisTick& tick : axis.ticks) {
        texts << tick.text;
    }
    return texts;
}

// How near the colour is to another one, channel by channel.
bool Near(const QColor& a, const QColor& b, int tolerance = 40) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

const QColor kRefusedRed(0xd6, 0x27, 0x28);
const QColor kWarnedAmber(0xe0, 0x9a, 0x00);

} // namespace

class ChartTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { run_.reset(); }

    void menuOpensTheEmptyChartWithItsHint();
    void fiveStepSweepDrawsTheValuesOfTheFile();
    void refusedStepsAreHollowRedMarkersWithTheirMessage();
    void warnedStepsAreAmberMarkersApartFromRefusedOnes();
    void undefinedStepBreaksTheLine();
    void secondQuantityAndLogarithmicAxes();
    void axisNumbersHaveOneNotation_data();
    void axisNumbersHaveOneNotation();
    void onlyACompletedSweepReplacesTheChart();
    void exportWritesAPngThatLoadsAndAPdfOfVectors();
    void failedExportIsReportedInSlovak();

private:
    QWidget& Chart() { return *Find<QWidget>(run_->windows->form1, "ChartWindow"); }
    vortalin::PlotView& View() { return *Find<vortalin::PlotView>(Chart(), "ChartView"); }
    QComboBox& Combo(const char* name) { return *Find<QComboBox>(Chart(), name); }
    QCheckBox& Toggle(const char* name) { return *Find<QCheckBox>(Chart(), name); }
    QString Path(const QString& name) const { return QDir(run_->dir.path()).filePath(name); }
    // The lines drawn for a curve: one for each run of defined steps.
    std::vector<QList<QPointF>> Lines(std::size_t curve = 0) {
        return vortalin::DefinedRuns(View().Curves().at(curve).points);
    }
    QList<QPointF> Refused() {
        return vortalin::MarkedPoints(View().Curves().at(0).points, vortalin::PointStatus::Refused);
    }
    QList<QPointF> Warned() {
        return vortalin::MarkedPoints(View().Curves().at(0).points, vortalin::PointStatus::Warned);
    }
    QList<QPointF> LinePoints() {
        QList<QPointF> points;
        if (View().Curves().empty()) {
            return points;
        }
        for (const QList<QPointF>& line : Lines()) {
            points += line;
        }
        return points;
    }
    // The plot as it is on screen.
    QImage Picture() { return View().grab().toImage(); }
    void OpenChart() {
        vortalin::test::ChooseMenuItem(run_->windows->form1, "daje1", "Grafparametrickejtdie1");
        QVERIFY(QTest::qWaitForWindowExposed(&Chart()));
    }
    // A sweep over the range from the main window, into results.txt.
    void Sweep(const char* from, const char* to, const char* steps, const char* variable) {
        if (!Find<QAction>(run_->windows->form1, "Ulodosboru1")->isChecked()) {
            ModalWatcher watcher(TypeName(Path("results.txt")));
            vortalin::test::ChooseMenuItem(run_->windows->form1, "daje1", "Ulodosboru1");
        }
        TypeInto(*Find<QLineEdit>(run_->windows->form2, "Edit1"), from);
        TypeInto(*Find<QLineEdit>(run_->windows->form2, "Edit2"), to);
        TypeInto(*Find<QLineEdit>(run_->windows->form2, "Edit3"), steps);
        Find<QRadioButton>(run_->windows->form2, variable)->setChecked(true);
        ModalWatcher watcher;
        QTest::mouseClick(Find<QPushButton>(run_->windows->form1, "Button1"), Qt::LeftButton);
    }

    std::unique_ptr<vortalin::test::WindowsInFolder> run_;
};

void ChartTest::init() {
    run_ = std::make_unique<vortalin::test::WindowsInFolder>();
    QVERIFY(run_->dir.isValid());
}

void ChartTest::menuOpensTheEmptyChartWithItsHint() {
    // The new item follows the two existing ones (the copy of the results comes last).
    const QList<QAction*> items = Find<QMenu>(run_->windows->form1, "daje1")->actions();
    QCOMPARE(items.size(), 4);
    QCOMPARE(items[0]->objectName(), QString("Nastavenierozsahu1"));
    QCOMPARE(items[1]->objectName(), QString("Ulodosboru1"));
    QCOMPARE(items[2]->text(), QString("Graf parametrickej štúdie"));

    OpenChart();
    QWidget& chart = Chart();
    QVERIFY(chart.isVisible());
    QCOMPARE(chart.windowTitle(), QString("Graf parametrickej štúdie"));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(Find<QLabel>(chart, "ChartSummary")->text(), kHint);
    QVERIFY(View().Curves().empty());
    QVERIFY(!View().RightAxis());
    QCOMPARE(AxisNumbers(View().XAxis()), (QStringList{"0,0", "0,2", "0,4", "0,6", "0,8", "1,0"}));
    QVERIFY(!Toggle("LogX").isEnabled());

    // The results by the main window's captions, the heat transfer coefficient first.
    QComboBox& left = Combo("LeftQuantity");
    QCOMPARE(left.currentText(), QString("Súčiniteľ prestupu tepla (W.m-2.K-1)"));
    QCOMPARE(left.count(), 12);
    QCOMPARE(left.itemText(0), QString("Stredná teplota tekutiny (°C)"));
    QCOMPARE(left.itemText(6), QString("Tepelná vodivosť (W.m-1.K-1)"));

    // Closing only hides it; chosen again, it is the same window.
    QPointer<QWidget> alive(&chart);
    chart.close();
    QVERIFY(alive);
    QVERIFY(!chart.isVisible());
    OpenChart();
    QVERIFY(chart.isVisible());
}

void ChartTest::fiveStepSweepDrawsTheValuesOfTheFile() {
    OpenChart();
    Sweep("0,1", "0,2", "5", "RadioButton1");
    const QList<QList<QByteArray>> rows = DataRows(Path("results.txt"));
    QCOMPARE(rows.size(), 5);
    QCOMPARE(View().XAxis().title, QString("Rýchlosť tekutiny (m.s-1)"));
    QCOMPARE(View().Curves().size(), 1U);
    QCOMPARE(Lines().size(), 1U);
    QList<QPointF> points = LinePoints();
    QCOMPARE(points.size(), 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(Fixed(points[i].x(), 4), rows[i][5]);
        QCOMPARE(Fixed(points[i].y(), 3), rows[i][16]); // the heat transfer coefficient
    }
    QVERIFY(Refused().isEmpty());
    QCOMPARE(View().LegendTexts(), QStringList{"Súčiniteľ prestupu tepla (W.m-2.K-1)"});
    // Every step is drawn where its values put it: a dot of the line's colour.
    const QImage picture = Picture();
    for (const QPointF& p : points) {
        const QColor drawn = picture.pixelColor(View().PositionOf(0, p).toPoint());
        QVERIFY2(Near(drawn, QColor(0x1f, 0x5f, 0xbf)), qPrintable(drawn.name()));
    }

    // Another result from the combo box: the Reynolds number of the file.
    Combo("LeftQuantity").setCurrentText("Reynoldsovo číslo (1)");
    points = LinePoints();
    QCOMPARE(points.size(), 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(Fixed(points[i].y(), 1), rows[i][12]);
    }
    QCOMPARE(View().LeftAxis().title, QString("Reynoldsovo číslo (1)"));
}

void ChartTest::refusedStepsAreHollowRedMarkersWithTheirMessage() {
    OpenChart();
    Sweep("100", "200", "11", "RadioButton1"); // Re above 1e6 from 160 m/s
    const QList<QPointF> refused = Refused();
    QCOMPARE(View().LegendTexts(),
             (QStringList{"Súčiniteľ prestupu tepla (W.m-2.K-1)", "mimo platnosti rovnice"}));
    QList<qreal> refusedX;
    for (const QPointF& p : refused) {
        refusedX.append(p.x());
    }
    QCOMPARE(refusedX, (QList<qreal>{160, 170, 180, 190, 200}));
    QCOMPARE(LinePoints().size(), 11); // refused steps are drawn too, only marked
    // A hollow red circle: red on its ring, the line's own colour in its middle.
    const QImage picture = Picture();
    const QPointF centre = View().PositionOf(0, refused.at(2));
    QVERIFY(!Near(picture.pixelColor(centre.toPoint()), kRefusedRed));
    int redOnRing = 0;
    // The pixel under the middle of the ring (radius 5.5, 2 wide): taken by the pixel that
    // contains the point, so that its centre lies within the ring wherever the marker falls
    // between pixels.
    const auto pixelAt = [](QPointF p) {
        return QPoint(int(std::floor(p.x())), int(std::floor(p.y())));
    };
    for (const QPointF& offset :
         {QPointF(5.5, 0), QPointF(-5.5, 0), QPointF(0, 5.5), QPointF(0, -5.5)}) {
        redOnRing += Near(picture.pixelColor(pixelAt(centre + offset)), kRefusedRed) ? 1 : 0;
    }
    QVERIFY2(redOnRing >= 3, qPrintable(QString::number(redOnRing)));
    // An accepted step has no ring.
    const QPointF accepted = View().PositionOf(0, LinePoints().front());
    QVERIFY(!Near(picture.pixelColor((accepted + QPointF(0, -5)).toPoint()), kRefusedRed));
    QVERIFY(Find<QLabel>(Chart(), "ChartSummary")->text().contains("mimo platnosti rovnice: 5"));

    // Hovering a refused step names the check that refuses it.
    // Moved on the chart's own window: the main window may lie over it on the screen.
    const QPoint inWindow = View().mapTo(&Chart(), centre.toPoint());
    QTest::mouseMove(Chart().windowHandle(), inWindow + QPoint(3, 2));
    QTRY_VERIFY(QToolTip::isVisible());
    const QString tip = QToolTip::text();
    QVERIFY2(tip.contains("Reynoldsovo kritérium je nad limit 1.0e6 !!!"), qPrintable(tip));
    QVERIFY2(tip.contains("Rýchlosť tekutiny (m.s-1): 180"), qPrintable(tip));
    QVERIFY2(tip.contains("Súčiniteľ prestupu tepla (W.m-2.K-1): "), qPrintable(tip));
}

void ChartTest::warnedStepsAreAmberMarkersApartFromRefusedOnes() {
    OpenChart();
    vortalin::test::Click(*Find<QRadioButton>(run_->windows->form1, "RadioButton5")); // water
    TypeInto(*Find<QLineEdit>(run_->windows->form1, "Edit5"), "60");
    Sweep("1", "10", "10", "RadioButton1"); // Re above 10^6 only at 10 m/s
    QVERIFY(Refused().isEmpty());
    const QList<QPointF> warned = Warned();
    QCOMPARE(warned.size(), 1);
    QCOMPARE(warned.front().x(), 10.0);
    QCOMPARE(View().LegendTexts(),
             (QStringList{"Súčiniteľ prestupu tepla (W.m-2.K-1)", "s upozornením"}));
    // A hollow amber circle around the step.
    const QImage picture = Picture();
    const QPointF centre = View().PositionOf(0, warned.front());
    int amberOnRing = 0;
    for (const QPointF& offset : {QPointF(5, 0), QPointF(-5, 0), QPointF(0, 5), QPointF(0, -5)}) {
        amberOnRing += Near(picture.pixelColor((centre + offset).toPoint()), kWarnedAmber) ? 1 : 0;
    }
    QVERIFY2(amberOnRing >= 2, qPrintable(QString::number(amberOnRing)));
    QVERIFY(Find<QLabel>(Chart(), "ChartSummary")
                ->text()
                .contains("mimo platnosti rovnice: 0, s upozornením: 1."));
    const QPoint inWindow = View().mapTo(&Chart(), centre.toPoint());
    QTest::mouseMove(Chart().windowHandle(), inWindow + QPoint(3, 2));
    QTRY_VERIFY(QToolTip::isVisible());
    const QString tip = QToolTip::text();
    QVERIFY2(tip.contains("Upozornenie: Re je mimo overeného rozsahu rovnice (10000 až 1E+06)."),
             qPrintable(tip));
}

void ChartTest::undefinedStepBreaksTheLine() {
    // Between the inlet (20 °C) and the outlet (22 °C) temperature the log-mean temperature
    // difference is undefined; the results file leaves it empty there.
    Sweep("10", "30", "21", "RadioButton5");
    Combo("LeftQuantity").setCurrentText("Stredná log. teplota (°C)");
    const QList<QList<QByteArray>> rows = DataRows(Path("results.txt"));
    QCOMPARE(rows.size(), 21);
    QList<QByteArray> defined;
    for (const QList<QByteArray>& row : rows) {
        if (!row[4].isEmpty()) {
            defined.append(row[4]);
        }
    }
    QVERIFY(defined.size() < rows.size());
    const std::vector<QList<QPointF>> lines = Lines();
    QCOMPARE(lines.size(), 2U); // one line on each side of the gap
    const QList<QPointF> points = LinePoints();
    QCOMPARE(points.size(), defined.size()); // nothing drawn for the undefined step
    for (qsizetype i = 0; i < points.size(); ++i) {
        QCOMPARE(Fixed(points[i].y(), 3), defined[i]);
    }
    QCOMPARE(View().XAxis().title, QString("Teplota steny (°C)"));
    // On screen the line goes on between two defined steps and not across the gap.
    const QImage picture = Picture();
    const auto midway = [this](QPointF a, QPointF b) {
        return ((View().PositionOf(0, a) + View().PositionOf(0, b)) / 2).toPoint();
    };
    const QColor blue(0x1f, 0x5f, 0xbf);
    QVERIFY(Near(picture.pixelColor(midway(lines[0][0], lines[0][1])), blue));
    QVERIFY(!Near(picture.pixelColor(midway(lines[0].back(), lines[1].front())), blue, 90));
}

void ChartTest::secondQuantityAndLogarithmicAxes() {
    OpenChart();
    Sweep("0,5", "20", "40", "RadioButton1");
    QVERIFY(!Toggle("LogRight").isEnabled());
    Toggle("RightShown").setChecked(true);
    QVERIFY(View().RightAxis());
    QCOMPARE(View().Curves().size(), 2U);
    QVERIFY(View().Curves().back().onRightAxis);
    QCOMPARE(View().RightAxis()->title, QString("Reynoldsovo číslo (1)"));
    QVERIFY(Toggle("LogRight").isEnabled());
    // Each curve is drawn against its own axis: both span the plot's height.
    const QRectF plot = View().PlotArea();
    for (std::size_t curve : {0U, 1U}) {
        double top = plot.bottom();
        double bottom = plot.top();
        for (const QList<QPointF>& line : Lines(curve)) {
            for (const QPointF& p : line) {
                top = std::min(top, View().PositionOf(curve, p).y());
                bottom = std::max(bottom, View().PositionOf(curve, p).y());
            }
        }
        QVERIFY(bottom - top > 0.8 * plot.height());
    }

    // Positive velocities and coefficients: both may be logarithmic.
    QVERIFY(Toggle("LogX").isEnabled());
    Toggle("LogX").setChecked(true);
    Toggle("LogLeft").setChecked(true);
    QVERIFY(View().XAxis().logarithmic);
    QVERIFY(View().LeftAxis().logarithmic);
    QVERIFY(!View().RightAxis()->logarithmic);
    // Both logarithmic axes are numbered at the powers of ten, the linear one plainly.
    QCOMPARE(AxisNumbers(View().XAxis()), (QStringList{"1", "10"}));
    QCOMPARE(AxisNumbers(View().LeftAxis()), QStringList{"10"});
    QCOMPARE(AxisNumbers(*View().RightAxis()), (QStringList{"0", "50000", "100000"}));

    // Inlet temperatures from below zero: no logarithmic x axis.
    Sweep("-20", "20", "9", "RadioButton3");
    QVERIFY(!Toggle("LogX").isEnabled());
    QVERIFY(!Toggle("LogX").isChecked());
    QVERIFY(!View().XAxis().logarithmic);
}

void ChartTest::axisNumbersHaveOneNotation_data() {
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<bool>("logarithmic");
    QTest::addColumn<QStringList>("numbers");
    const QStringList micro{"1E-06", "2E-06", "3E-06", "4E-06", "5E-06"};
    QTest::newRow("millionths") << 1e-6 << 5e-6 << false << micro;
    QTest::newRow("thousandths") << 0.001 << 0.005 << false
                                 << QStringList{"0,001", "0,002", "0,003", "0,004", "0,005"};
    QTest::newRow("halves") << 0.0 << 2.5 << false
                            << QStringList{"0,0", "0,5", "1,0", "1,5", "2,0", "2,5"};
    QTest::newRow("below zero") << -20.0 << 20.0 << false
                                << QStringList{"-20", "-10", "0", "10", "20"};
    QTest::newRow("ten thousands")
        << 0.0 << 20000.0 << false << QStringList{"0", "5000", "10000", "15000", "20000"};
    QTest::newRow("up to a million")
        << 2e5 << 1e6 << false
        << QStringList{"2,0E+05", "4,0E+05", "6,0E+05", "8,0E+05", "1,0E+06"};
    QTest::newRow("hundred millions")
        << 0.0 << 1.5e8 << false << QStringList{"0,0E+00", "5,0E+07", "1,0E+08", "1,5E+08"};
    QTest::newRow("log decades") << 0.5 << 200.0 << true << QStringList{"1", "10", "100"};
    QTest::newRow("log fractions") << 0.01 << 50.0 << true << QStringList{"0,01", "0,1", "1", "10"};
    QTest::newRow("log millionths")
        << 1e-6 << 1e-3 << true << QStringList{"1E-06", "1E-05", "1E-04", "1E-03"};
    QTest::newRow("log hundred millions")
        << 1e3 << 1e8 << true << QStringList{"1E+03", "1E+04", "1E+05", "1E+06", "1E+07", "1E+08"};
}

void ChartTest::axisNumbersHaveOneNotation() {
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(bool, logarithmic);
    QFETCH(QStringList, numbers);
    const vortalin::ChartAxis y =
        vortalin::NewAxis(vortalin::ValueRange{min, max}, logarithmic, QString());
    QCOMPARE(y.logarithmic, logarithmic);
    QCOMPARE(AxisNumbers(y), numbers);
    // The plot draws them where their values lie, from the bottom of the frame to its top.
    vortalin::PlotView view(nullptr);
    view.resize(420, 640);
    const std::vector<vortalin::ChartPoint> points{{0, min, vortalin::SweepSeries::kAccepted},
                                                   {1, max, vortalin::SweepSeries::kAccepted}};
    view.Show(vortalin::NewAxis(vortalin::ValueRange{0, 1}, false, QString()), y, std::nullopt,
              {{QString(), Qt::blue, false, points}});
    const QRectF plot = view.PlotArea();
    double previous = plot.bottom();
    for (const vortalin::AxisTick& tick : y.ticks) {
        const double at = view.PositionOf(0, QPointF(0, tick.value)).y();
        QVERIFY(at < previous && at >= plot.top());
        previous = at;
    }
}

void ChartTest::onlyACompletedSweepReplacesTheChart() {
    Sweep("0,1", "0,2", "5", "RadioButton1");
    const QList<QPointF> before = LinePoints();
    QCOMPARE(before.size(), 5);
    // The step count is not a whole number: the command stops before the sweep completes.
    ModalWatcher watcher;
    TypeInto(*Find<QLineEdit>(run_->windows->form2, "Edit3"), "2,5");
    QTest::mouseClick(Find<QPushButton>(run_->windows->form1, "Button1"), Qt::LeftButton);
    QCOMPARE(watcher.Boxes().size(), 1);
    QCOMPARE(LinePoints(), before);
    // A Compute without the sweep keeps it too.
    vortalin::test::ChooseMenuItem(run_->windows->form1, "daje1", "Ulodosboru1");
    TypeInto(*Find<QLineEdit>(run_->windows->form2, "Edit3"), "7");
    QTest::mouseClick(Find<QPushButton>(run_->windows->form1, "Button1"), Qt::LeftButton);
    QCOMPARE(LinePoints(), before);
}

void ChartTest::exportWritesAPngThatLoadsAndAPdfOfVectors() {
    OpenChart();
    Sweep("0,1", "0,2", "5", "RadioButton1");
    auto* save = Find<QPushButton>(Chart(), "SaveImage");
    {
        ModalWatcher watcher(TypeName(Path("graf.png")));
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(watcher.Boxes().isEmpty());
    }
    QImage png(Path("graf.png"));
    QVERIFY(!png.isNull());
    QCOMPARE(png.size(), View().size());
    QCOMPARE(png.convertToFormat(QImage::Format_RGB32),
             Picture().convertToFormat(QImage::Format_RGB32));
    {
        ModalWatcher watcher(TypeName(Path("graf.pdf")));
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(watcher.Boxes().isEmpty());
    }
    QFile pdfFile(Path("graf.pdf"));
    QVERIFY(pdfFile.open(QIODevice::ReadOnly));
    const QByteArray pdf = pdfFile.readAll();
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
    // One page of the plot's size (at 96 pixels an inch), drawn in vectors, no picture.
    QCOMPARE(pdf.count("/Type /Page\n"), 1);
    const QRegularExpressionMatch box =
        QRegularExpression(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])")
            .match(QString::fromLatin1(pdf));
    QVERIFY(box.hasMatch());
    // A page is a whole number of points: the size within a pixel.
    QVERIFY(std::abs(box.captured(1).toDouble() * 96 / 72 - View().width()) <= 1);
    QVERIFY(std::abs(box.captured(2).toDouble() * 96 / 72 - View().height()) <= 1);
    QVERIFY(!pdf.contains("/Subtype /Image"));
    QVERIFY(pdf.contains("/FontFile2")); // the texts' font is embedded
    QCOMPARE(QDir(run_->dir.path()).entryList(QDir::Files),
             (QStringList{"graf.pdf", "graf.png", "results.txt"}));
}

void ChartTest::failedExportIsReportedInSlovak() {
    OpenChart();
    Sweep("0,1", "0,2", "5", "RadioButton1");
    {
        ModalWatcher watcher(TypeName(Path("graf.jpg")));
        QTest::mouseClick(Find<QPushButton>(Chart(), "SaveImage"), Qt::LeftButton);
        QCOMPARE(watcher.Boxes().size(), 1);
        QVERIFY(watcher.Boxes().front().text.contains("zvoľte príponu .png alebo .pdf"));
    }
    QVERIFY(!QFile::exists(Path("graf.jpg")));
    // A folder in the way of the file.
    QVERIFY(QDir(run_->dir.path()).mkdir("obrazok.pdf"));
    auto* chart = Find<vortalin::ChartWindow>(run_->windows->form1, "ChartWindow");
    const QString error = chart->SaveImage(Path("obrazok.pdf"));
    QVERIFY2(error.startsWith("Obrázok „" + Path("obrazok.pdf") + "“ sa nepodarilo uložiť ("),
             qPrintable(error));
    QVERIFY(QFileInfo(Path("obrazok.pdf")).isDir());
}

VORTALIN_GUI_TEST_MAIN(ChartTest)
#include "ChartTest.moc"
