// A window that explains itself: the guide on F1 at the selected geometry's page (its
// sketch and the fields it reads), "O programe Vortalin", the study's on-mark and summary
// in the status bar, the progress bar emptied by the next Compute, and the range dialog's
// units, OK and Zrušiť.

#include "app/BuildId.h"
#include "app/form/FieldDescriptions.h"
#include "app/form/InputNames.h"
#include "app/ui/ChartWindow.h"
#include "app/ui/FormControls.h"
#include "app/ui/HelpWindow.h"
#include "app/ui/PlotView.h"
#include "app/ui/StatusBarPanels.h"
#include "app/ui/VortalinApplication.h"
#include "tests/gui/GuiTestSupport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QTextDocument>

using vortalin::ButtonId;
using vortalin::EditId;
using vortalin::Geometry;
using vortalin::test::Find;
using vortalin::test::ModalWatcher;
using vortalin::test::TypeInto;

class GuideTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        run_ = std::make_unique<vortalin::test::WindowsInFolder>();
        QVERIFY(run_->dir.isValid());
    }
    void cleanup() { run_.reset(); }

    void f1ShowsTheSelectedGeometrysPage_data();
    void f1ShowsTheSelectedGeometrysPage();
    void everyPageOfTheGuideOpens();
    void aboutNamesVersionLicenseQtAndAccuracy();
    void studyMarkStaysWhileTheStudyIsOn();
    void completedStudySaysWhatItWrote();
    void confirmationsGoAwayByThemselves();
    void rangeDialogShowsTheUnitAndTakesOkOrCancel();
    void chartNamesFluidAndGeometryAndSavesOnlyAStudy();

private:
    QWidget& Form() const { return run_->windows->form1; }
    QWidget& Dialog() const { return run_->windows->form2; }
    QString Path(const QString& name) const { return QDir(run_->dir.path()).filePath(name); }
    QString Panel(const char* name) const { return Find<QLabel>(Form(), name)->text(); }
    void ClickCompute() { QTest::mouseClick(Find<QPushButton>(Form(), "Button1"), Qt::LeftButton); }
    // "Ulož do súboru" with the results file named in its dialog.
    void StudyOn(ModalWatcher& watcher, const QString& file) {
        watcher.SetDialogHandler([=](QDialog& dialog) {
            vortalin::test::EnterFileName(static_cast<QFileDialog&>(dialog), file);
        });
        vortalin::test::ChooseMenuItem(Form(), "daje1", "Ulodosboru1");
    }

    std::unique_ptr<vortalin::test::WindowsInFolder> run_;
};

void GuideTest::f1ShowsTheSelectedGeometrysPage_data() {
    QTest::addColumn<int>("geometry");
    for (std::size_t i = 0; i < vortalin::kGeometryCount; ++i) {
        QTest::newRow(vortalin::GeometryName(static_cast<Geometry>(i)).data()) << int(i);
    }
}

void GuideTest::f1ShowsTheSelectedGeometrysPage() {
    QFETCH(int, geometry);
    const auto g = static_cast<Geometry>(geometry);
    vortalin::test::Click(vortalin::FindButton(Form(), vortalin::ButtonOf(g)));
    QTest::keyClick(&Form(), Qt::Key_F1);
    auto* help = Find<QWidget>(Form(), "HelpWindow");
    QVERIFY(QTest::qWaitForWindowExposed(help));
    auto* browser = Find<QTextBrowser>(*help, "HelpBrowser");
    QCOMPARE(browser->source().fileName(), vortalin::GeometryPage(g));
    const QString text = browser->toPlainText();
    QVERIFY2(text.contains(QString::fromUtf8(vortalin::GeometryCaption(g).data())),
             qPrintable(text.left(200)));
    // Exactly the fields the geometry reads are listed, each with its full name in a cell.
    QMap<QString, int> expected;
    for (const vortalin::InputField& f : vortalin::kInputFields) {
        if (vortalin::FormOf(f.field) != vortalin::FormId::MainWindow) {
            continue;
        }
        const QString name = QString::fromUtf8(vortalin::FullNameOf(f.field).data());
        expected[name] += vortalin::GeometryReads(g, f.field) ? 1 : 0;
    }
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) { // names shared by fields
        QVERIFY2(text.count(it.key() + "\n") == it.value(), qPrintable(it.key()));
    }
    // The sketch is drawn, not a broken image.
    const QString sketch = QString("qrc:/sketches/Image%1.png").arg(geometry + 1);
    const QVariant image = browser->document()->resource(QTextDocument::ImageResource, sketch);
    QVERIFY2(!image.value<QImage>().isNull(), qPrintable(sketch));
    // F1 again, pressed in the guide itself, follows a new selection.
    vortalin::test::Click(vortalin::FindButton(Form(), ButtonId::RadioButton7));
    QTest::keyClick(browser, Qt::Key_F1);
    QCOMPARE(browser->source().fileName(), vortalin::GeometryPage(Geometry::Plate));
}

void GuideTest::everyPageOfTheGuideOpens() {
    // From the contents every link leads to a page with text; no link leaves the program.
    const QString index = vortalin::HelpPageHtml("index.html");
    QVERIFY(!index.isEmpty());
    QRegularExpression link(R"(href="([^"#]+))");
    int pages = 0;
    for (const QRegularExpressionMatch& m : link.globalMatch(index)) {
        const QString page = m.captured(1);
        QVERIFY2(!page.contains(':'), qPrintable(page));
        const QString html = vortalin::HelpPageHtml(page);
        QVERIFY2(html.contains("<h1>"), qPrintable(page));
        QVERIFY2(!html.contains("<!--"), qPrintable(page)); // every place filled
        ++pages;
    }
    QCOMPARE(pages, 4 + int(vortalin::kGeometryCount));
    QCOMPARE(vortalin::HelpPageHtml("nie-je.html"), QString());
}

void GuideTest::aboutNamesVersionLicenseQtAndAccuracy() {
    ModalWatcher watcher;
    vortalin::test::ChooseMenuItem(Form(), "Pomocnik1", "OprogrameVortalin1");
    QCOMPARE(watcher.Boxes().size(), 1);
    QCOMPARE(watcher.Boxes().front().title, QString("O programe Vortalin"));
    const QString text = watcher.Texts().front();
    for (const QString& part : {QString("Vortalin 0.5.0"), QString("LicenseRef-proprietary"),
                                QString("Všetky práva vyhradené"), "Qt " + QString(qVersion()),
                                QString("docs/accuracy.md"),
                                "(zostavenie " + QString::fromUtf8(vortalin::BuildId()) + ")"}) {
        QVERIFY2(text.contains(part), qPrintable(part + " missing in " + text));
    }
}

void GuideTest::studyMarkStaysWhileTheStudyIsOn() {
    ModalWatcher watcher;
    QCOMPARE(Panel("StudyPanel"), QString());
    StudyOn(watcher, Path("vysledky.txt"));
    QCOMPARE(Panel("StudyPanel"), QString("Štúdia zapnutá: vysledky.txt"));
    QVERIFY(Find<QLabel>(Form(), "StudyPanel")
                ->toolTip()
                .contains(QDir::toNativeSeparators(Path("vysledky.txt"))));
    ClickCompute(); // the specified status text stays where it was
    QCOMPARE(Panel("StatusPanel0"), QString("Nachádzate sa v prechodovej oblasti prúdenia."));
    QCOMPARE(Panel("StudyPanel"), QString("Štúdia zapnutá: vysledky.txt"));
    vortalin::test::ChooseMenuItem(Form(), "daje1", "Ulodosboru1"); // off
    QCOMPARE(Panel("StudyPanel"), QString());
    QVERIFY(!Find<QLabel>(Form(), "StudyPanel")->isVisible());
    // On again with the dialog cancelled: the earlier file is still the study's.
    watcher.SetDialogHandler([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    vortalin::test::ChooseMenuItem(Form(), "daje1", "Ulodosboru1");
    QCOMPARE(Panel("StudyPanel"), QString("Štúdia zapnutá: vysledky.txt"));
    QVERIFY(watcher.Boxes().isEmpty());
}

void GuideTest::completedStudySaysWhatItWrote() {
    ModalWatcher watcher;
    // A slot swept from 0,1 to 1 m/s: from 0,4 m/s on Re passes 2300, outside the equation.
    vortalin::test::Click(vortalin::FindButton(Form(), ButtonId::RadioButton8));
    TypeInto(*Find<QLineEdit>(Dialog(), "Edit2"), "1");
    StudyOn(watcher, Path("studia.txt"));
    ClickCompute();
    QCOMPARE(Panel("StudySummaryPanel"),
             QString("Parametrická štúdia: 10 krokov zapísaných do studia.txt, z toho 7 mimo "
                     "platnosti rovnice."));
    QCOMPARE(Panel("StudyPanel"), QString("Štúdia zapnutá: studia.txt"));
    auto* bar = Find<QProgressBar>(Form(), "ProgressBar1");
    QCOMPARE(bar->value(), bar->maximum());

    // Off, and the next Compute empties the bar and the summary.
    vortalin::test::ChooseMenuItem(Form(), "daje1", "Ulodosboru1");
    ClickCompute();
    QCOMPARE(bar->value(), bar->minimum());
    QCOMPARE(Panel("StudySummaryPanel"), QString());
    // Three steps: the count agrees with its noun.
    TypeInto(*Find<QLineEdit>(Dialog(), "Edit3"), "3");
    TypeInto(*Find<QLineEdit>(Dialog(), "Edit2"), "0,2");
    StudyOn(watcher, Path("tri.txt"));
    ClickCompute();
    QCOMPARE(Panel("StudySummaryPanel"),
             QString("Parametrická štúdia: 3 kroky zapísané do tri.txt, z toho 0 mimo platnosti "
                     "rovnice."));
}

void GuideTest::confirmationsGoAwayByThemselves() {
    auto& panels = vortalin::StatusBarPanels::Of(Form());
    panels.Confirm("Hotovo.");
    auto* message = Find<QLabel>(Form(), "MessagePanel");
    QCOMPARE(message->text(), QString("Hotovo."));
    QVERIFY(message->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!message->isVisible(), vortalin::StatusBarPanels::kConfirmationMs * 2);
    QCOMPARE(message->text(), QString());
    // A long summary never widens the window; its tooltip keeps the whole text.
    const QSize before = Form().size();
    panels.SetStudySummary(QString(400, 'x'));
    QTest::qWait(50);
    QCOMPARE(Form().size(), before);
    QCOMPARE(Find<QLabel>(Form(), "StudySummaryPanel")->toolTip(), QString(400, 'x'));
}

void GuideTest::rangeDialogShowsTheUnitAndTakesOkOrCancel() {
    vortalin::test::ChooseMenuItem(Form(), "daje1", "Nastavenierozsahu1");
    QVERIFY(QTest::qWaitForWindowExposed(&Dialog()));
    const std::pair<const char*, const char*> units[] = {{"RadioButton1", "(m.s-1)"},
                                                         {"RadioButton2", "(m)"},
                                                         {"RadioButton3", "(°C)"},
                                                         {"RadioButton5", "(°C)"}};
    for (const auto& [button, unit] : units) {
        vortalin::test::Click(*Find<QRadioButton>(Dialog(), button));
        QCOMPARE(Find<QLabel>(Dialog(), "UnitLabel1")->text(), QString(unit));
        QCOMPARE(Find<QLabel>(Dialog(), "UnitLabel2")->text(), QString(unit));
    }
    // Enter keeps what was typed; Esc after more typing puts it back.
    TypeInto(*Find<QLineEdit>(Dialog(), "Edit1"), "25");
    QTest::keyClick(Find<QLineEdit>(Dialog(), "Edit1"), Qt::Key_Return);
    QVERIFY(!Dialog().isVisible());
    vortalin::test::ChooseMenuItem(Form(), "daje1", "Nastavenierozsahu1");
    QVERIFY(QTest::qWaitForWindowExposed(&Dialog()));
    TypeInto(*Find<QLineEdit>(Dialog(), "Edit1"), "99");
    TypeInto(*Find<QLineEdit>(Dialog(), "Edit3"), "7");
    vortalin::test::Click(*Find<QRadioButton>(Dialog(), "RadioButton1"));
    QTest::keyClick(&Dialog(), Qt::Key_Escape);
    QVERIFY(!Dialog().isVisible());
    QCOMPARE(Find<QLineEdit>(Dialog(), "Edit1")->text(), QString("25"));
    QCOMPARE(Find<QLineEdit>(Dialog(), "Edit3")->text(), QString("10"));
    QVERIFY(Find<QRadioButton>(Dialog(), "RadioButton5")->isChecked());
    // Zrušiť does the same; closing the window keeps the values.
    vortalin::test::ChooseMenuItem(Form(), "daje1", "Nastavenierozsahu1");
    TypeInto(*Find<QLineEdit>(Dialog(), "Edit2"), "50");
    QTest::mouseClick(Find<QPushButton>(Dialog(), "CancelButton"), Qt::LeftButton);
    QCOMPARE(Find<QLineEdit>(Dialog(), "Edit2")->text(), QString("0,2"));
    vortalin::test::ChooseMenuItem(Form(), "daje1", "Nastavenierozsahu1");
    TypeInto(*Find<QLineEdit>(Dialog(), "Edit2"), "50");
    Dialog().close();
    QCOMPARE(Find<QLineEdit>(Dialog(), "Edit2")->text(), QString("50"));
}

void GuideTest::chartNamesFluidAndGeometryAndSavesOnlyAStudy() {
    ModalWatcher watcher;
    vortalin::test::ChooseMenuItem(Form(), "daje1", "Grafparametrickejtdie1");
    auto* chart = Find<QWidget>(Form(), "ChartWindow");
    auto* save = Find<QPushButton>(*chart, "SaveImage");
    auto* view = Find<vortalin::PlotView>(*chart, "ChartView");
    QVERIFY(!save->isEnabled()); // nothing to save yet
    QCOMPARE(view->Title(), QString());
    vortalin::test::Click(*Find<QRadioButton>(Form(), "RadioButton5"));  // water
    vortalin::test::Click(*Find<QRadioButton>(Form(), "RadioButton10")); // helical pipe
    TypeInto(*Find<QLineEdit>(Form(), "Edit3"), "40");
    TypeInto(*Find<QLineEdit>(Form(), "Edit4"), "45");
    TypeInto(*Find<QLineEdit>(Form(), "Edit5"), "60");
    StudyOn(watcher, Path("voda.txt"));
    ClickCompute();
    QVERIFY(save->isEnabled());
    QCOMPARE(view->Title(), QString("Voda – Skrutkovicové potrubie"));
    // The saved picture carries the title as well.
    QCOMPARE(qobject_cast<vortalin::ChartWindow*>(chart)->SaveImage(Path("graf.pdf")), QString());
    QFile pdf(Path("graf.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QByteArray title; // the document's title, as PDF keeps it: UTF-16, big-endian
    for (const QChar c : QString("Voda – Skrutkovicové potrubie")) {
        title += char(c.unicode() >> 8);
        title += char(c.unicode() & 0xff);
    }
    QVERIFY(bytes.contains(title));
}

VORTALIN_GUI_TEST_MAIN(GuideTest)
#include "GuideTest.moc"
