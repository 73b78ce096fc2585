// "Graf parametrickej štúdie" from the user's side: opened from the menu, it shows the last
// completed sweep with the values of the results file, the refused steps as hollow red
// markers with their message, breaks where a value is undefined, and exports PNG and SVG.

#include "app/format/NumberFormat.h"
#include "app/ui/ChartPlot.h"
#include "app/ui/ChartWindow.h"
#include "app/ui/VortalinApplication.h"
#include "tests/gui/GuiTestSupport.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGraphicsTextItem>
#include <QImage>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QToolTip>
#include <QValueAxis>
#include <QXmlStreamReader>

#include <algorithm>
#include <utility>

using vortalin::test::Find;
using vortalin::test::ModalWatcher;
using vortalin::test::TypeInto;

namespace {

const QString kHint = QStringLiteral("Graf ukáže poslednú parametrickú štúdiu: zapnite Údaje → "
                                     "Ulož do súboru a stlačte Vypočítaj.");

QList<QList<QByteArray>> DataRows(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
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

// The numbers written along the axis on one side of the plot, from the smallest value: the
// texts of the scene there but the axis titles and the legend entries.
QStringList AxisNumbers(QChartView& view, Qt::Alignment side) {
    QChart& chart = *view.chart();
    QStringList others;
    for (const QAbstractAxis* axis : chart.axes()) {
        others << axis->titleText();
    }
    for (const QLegendMarker* marker : chart.legend()->markers()) {
        others << marker->label();
    }
    const QRectF plot = chart.plotArea();
    QList<std::pair<qreal, QString>> numbers; // by their place along the axis
    for (QGraphicsItem* item : view.scene()->items()) {
        const auto* label = qgraphicsitem_cast<QGraphicsTextItem*>(item);
        if (label == nullptr || !label->isVisible() || label->toPlainText().isEmpty() ||
            others.contains(label->toPlainText())) {
            continue;
        }
        const QPointF centre = label->sceneBoundingRect().center();
        if ((side == Qt::AlignBottom && centre.y() > plot.bottom()) ||
            (side == Qt::AlignLeft && centre.x() < plot.left()) ||
            (side == Qt::AlignRight && centre.x() > plot.right())) {
            numbers.append(
                {side == Qt::AlignBottom ? centre.x() : -centre.y(), label->toPlainText()});
        }
    }
    std::sort(numbers.begin(), numbers.end());
    QStringList texts;
    for (const auto& number : numbers) {
        texts << number.second;
    }
    return texts;
}

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
    void exportWritesAPngThatLoadsAndAnSvgThatParses();
    void failedExportIsReportedInSlovak();

private:
    QWidget& Chart() { return *Find<QWidget>(run_->windows->form1, "ChartWindow"); }
    QChart& Plot() { return *Find<QChartView>(Chart(), "ChartView")->chart(); }
    QComboBox& Combo(const char* name) { return *Find<QComboBox>(Chart(), name); }
    QCheckBox& Toggle(const char* name) { return *Find<QCheckBox>(Chart(), name); }
    QString Path(const QString& name) const { return QDir(run_->dir.path()).filePath(name); }
    QList<QLineSeries*> Lines() {
        QList<QLineSeries*> lines;
        for (QAbstractSeries* s : Plot().series()) {
            if (auto* line = qobject_cast<QLineSeries*>(s)) {
                lines.append(line);
            }
        }
        return lines;
    }
    QScatterSeries* Markers(const QString& legend) {
        for (QAbstractSeries* s : Plot().series()) {
            auto* markers = qobject_cast<QScatterSeries*>(s);
            if (markers != nullptr && markers->name() == legend) {
                return markers;
            }
        }
        return nullptr;
    }
    QScatterSeries* Refused() { return Markers("mimo platnosti rovnice"); }
    QScatterSeries* Warned() { return Markers("s upozornením"); }
    // The tooltip of a marked step, hovered on the chart's own window (the main window may
    // lie over it on the screen).
    QString HoverText(QScatterSeries& markers, int index) {
        auto* view = Find<QChartView>(Chart(), "ChartView");
        const QPointF scene = Plot().mapToPosition(markers.points().at(index), &markers);
        const QPoint inWindow = view->viewport()->mapTo(&Chart(), view->mapFromScene(scene));
        QTest::mouseMove(Chart().windowHandle(), inWindow + QPoint(3, 2));
        if (!QTest::qWaitFor([] { return QToolTip::isVisible(); })) {
            return QString();
        }
        return QToolTip::text();
    }
    QList<QPointF> LinePoints() {
        QList<QPointF> points;
        for (QLineSeries* line : Lines()) {
            points += line->points();
        }
        return points;
    }
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
    QVERIFY(Plot().series().isEmpty());
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
    QCOMPARE(Plot().axes(Qt::Horizontal).front()->titleText(),
             QString("Rýchlosť tekutiny (m.s-1)"));
    QCOMPARE(Lines().size(), 1);
    QList<QPointF> points = LinePoints();
    QCOMPARE(points.size(), 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(Fixed(points[i].x(), 4), rows[i][5]);
        QCOMPARE(Fixed(points[i].y(), 3), rows[i][16]); // the heat transfer coefficient
    }
    QCOMPARE(Refused(), nullptr);

    // Another result from the combo box: the Reynolds number of the file.
    Combo("LeftQuantity").setCurrentText("Reynoldsovo číslo (1)");
    points = LinePoints();
    QCOMPARE(points.size(), 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(Fixed(points[i].y(), 1), rows[i][12]);
    }
    QCOMPARE(Plot().axes(Qt::Vertical).front()->titleText(), QString("Reynoldsovo číslo (1)"));
}

void ChartTest::refusedStepsAreHollowRedMarkersWithTheirMessage() {
    OpenChart();
    Sweep("100", "200", "11", "RadioButton1"); // Re above 1e6 from 160 m/s
    QScatterSeries* refused = Refused();
    QVERIFY(refused != nullptr);
    QCOMPARE(refused->name(), QString("mimo platnosti rovnice"));
    QCOMPARE(refused->brush().style(), Qt::NoBrush);
    QCOMPARE(refused->pen().color(), QColor(0xd6, 0x27, 0x28));
    QList<qreal> refusedX;
    for (const QPointF& p : refused->points()) {
        refusedX.append(p.x());
    }
    QCOMPARE(refusedX, (QList<qreal>{160, 170, 180, 190, 200}));
    QCOMPARE(LinePoints().size(), 11); // refused steps are drawn too, only marked
    QVERIFY(Find<QLabel>(Chart(), "ChartSummary")->text().contains("mimo platnosti rovnice: 5"));
    QCOMPARE(Warned(), nullptr);

    // Hovering a refused step names the check that refuses it.
    const QString tip = HoverText(*refused, 2);
    QVERIFY2(tip.contains("Reynoldsovo kritérium je nad limit 1.0e6 !!!"), qPrintable(tip));
    QVERIFY2(tip.contains("Rýchlosť tekutiny (m.s-1): 180"), qPrintable(tip));
    QVERIFY2(tip.contains("Súčiniteľ prestupu tepla (W.m-2.K-1): "), qPrintable(tip));
}

void ChartTest::warnedStepsAreAmberMarkersApartFromRefusedOnes() {
    OpenChart();
    Find<QRadioButton>(run_->windows->form1, "RadioButton5")->setChecked(true); // water
    TypeInto(*Find<QLineEdit>(run_->windows->form1, "Edit5"), "60");
    Sweep("1", "10", "10", "RadioButton1"); // Re above 10^6 only at 10 m/s
    QCOMPARE(Refused(), nullptr);
    QScatterSeries* warned = Warned();
    QVERIFY(warned != nullptr);
    QCOMPARE(warned->pen().color(), QColor(0xe0, 0x9a, 0x00));
    QCOMPARE(warned->points().size(), 1);
    QCOMPARE(warned->points().front().x(), 10.0);
    QVERIFY(Find<QLabel>(Chart(), "ChartSummary")
                ->text()
                .contains("mimo platnosti rovnice: 0, s upozornením: 1."));
    const QString tip = HoverText(*warned, 0);
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
    QCOMPARE(Lines().size(), 2); // one line on each side of the gap
    const QList<QPointF> points = LinePoints();
    QCOMPARE(points.size(), defined.size()); // nothing drawn for the undefined step
    for (qsizetype i = 0; i < points.size(); ++i) {
        QCOMPARE(Fixed(points[i].y(), 3), defined[i]);
    }
    QCOMPARE(Plot().axes(Qt::Horizontal).front()->titleText(), QString("Teplota steny (°C)"));
}

void ChartTest::secondQuantityAndLogarithmicAxes() {
    OpenChart();
    Sweep("0,5", "20", "40", "RadioButton1");
    QVERIFY(!Toggle("LogRight").isEnabled());
    Toggle("RightShown").setChecked(true);
    QCOMPARE(Plot().axes(Qt::Vertical).size(), 2);
    QCOMPARE(Plot().axes(Qt::Vertical, Lines().back()).front()->titleText(),
             QString("Reynoldsovo číslo (1)"));
    QVERIFY(Toggle("LogRight").isEnabled());

    // Positive velocities and coefficients: both may be logarithmic.
    QVERIFY(Toggle("LogX").isEnabled());
    Toggle("LogX").setChecked(true);
    Toggle("LogLeft").setChecked(true);
    QVERIFY(qobject_cast<QLogValueAxis*>(Plot().axes(Qt::Horizontal).front()) != nullptr);
    QVERIFY(qobject_cast<QLogValueAxis*>(Plot().axes(Qt::Vertical, Lines().front()).front()));
    QVERIFY(qobject_cast<QValueAxis*>(Plot().axes(Qt::Vertical, Lines().back()).front()));
    // Both logarithmic axes are numbered at the powers of ten, the linear one plainly.
    auto* view = Find<QChartView>(Chart(), "ChartView");
    QTRY_COMPARE(AxisNumbers(*view, Qt::AlignBottom), (QStringList{"1", "10"}));
    QTRY_COMPARE(AxisNumbers(*view, Qt::AlignLeft), QStringList{"10"});
    QTRY_COMPARE(AxisNumbers(*view, Qt::AlignRight), (QStringList{"0", "50000", "100000"}));

    // Inlet temperatures from below zero: no logarithmic x axis.
    Sweep("-20", "20", "9", "RadioButton3");
    QVERIFY(!Toggle("LogX").isEnabled());
    QVERIFY(!Toggle("LogX").isChecked());
    QVERIFY(qobject_cast<QValueAxis*>(Plot().axes(Qt::Horizontal).front()) != nullptr);
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
    auto* chart = new QChart;
    vortalin::LocalizeAxes(*chart);
    chart->legend()->hide();
    QChartView view(chart);
    view.resize(420, 640);
    QAbstractAxis* x = vortalin::NewAxis(vortalin::ValueRange{0, 1}, false, QString());
    QAbstractAxis* y = vortalin::NewAxis(vortalin::ValueRange{min, max}, logarithmic, QString());
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    const std::vector<vortalin::ChartPoint> points{{0, min, vortalin::SweepSeries::kAccepted},
                                                   {1, max, vortalin::SweepSeries::kAccepted}};
    vortalin::PlotResult(*chart, points, *x, *y, QString(), Qt::blue, false);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTRY_COMPARE(AxisNumbers(view, Qt::AlignLeft), numbers);
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

void ChartTest::exportWritesAPngThatLoadsAndAnSvgThatParses() {
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
    QCOMPARE(png.size(), Find<QChartView>(Chart(), "ChartView")->size());
    {
        ModalWatcher watcher(TypeName(Path("graf.svg")));
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(watcher.Boxes().isEmpty());
    }
    QFile svgFile(Path("graf.svg"));
    QVERIFY(svgFile.open(QIODevice::ReadOnly));
    const QByteArray svg = svgFile.readAll();
    QXmlStreamReader xml(svg);
    int vectorShapes = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            (xml.name() == QLatin1String("polyline") || xml.name() == QLatin1String("path"))) {
            ++vectorShapes;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(vectorShapes > 0);
    QVERIFY(svg.contains("Súčiniteľ prestupu tepla"));
    QVERIFY(QSvgRenderer(svg).isValid());
    QCOMPARE(QDir(run_->dir.path()).entryList(QDir::Files),
             (QStringList{"graf.png", "graf.svg", "results.txt"}));
}

void ChartTest::failedExportIsReportedInSlovak() {
    OpenChart();
    Sweep("0,1", "0,2", "5", "RadioButton1");
    {
        ModalWatcher watcher(TypeName(Path("graf.jpg")));
        QTest::mouseClick(Find<QPushButton>(Chart(), "SaveImage"), Qt::LeftButton);
        QCOMPARE(watcher.Boxes().size(), 1);
        QVERIFY(watcher.Boxes().front().text.contains("zvoľte príponu .png alebo .svg"));
    }
    QVERIFY(!QFile::exists(Path("graf.jpg")));
    // A folder in the way of the file.
    QVERIFY(QDir(run_->dir.path()).mkdir("obrazok.svg"));
    auto* chart = Find<vortalin::ChartWindow>(run_->windows->form1, "ChartWindow");
    const QString error = chart->SaveImage(Path("obrazok.svg"));
    QVERIFY2(error.startsWith("Obrázok „" + Path("obrazok.svg") + "“ sa nepodarilo uložiť ("),
             qPrintable(error));
    QVERIFY(QFileInfo(Path("obrazok.svg")).isDir());
}

VORTALIN_GUI_TEST_MAIN(ChartTest)
#include "ChartTest.moc"
