// The parameter sweep from the user's side: the range dialog, the save-to-file toggle with
// its save dialog, the results file written through a temporary file, and the progress bar.

#include "GuiTestSupport.h"
#include "VortalinApplication.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

using vortalin::test::Find;
using vortalin::test::ModalWatcher;
using vortalin::test::TypeInto;
using vortalin::test::Windows;

namespace {

// The header of the results file in Windows-1250: ° is B0, ý FD, á E1, č E8, ľ BE, ť 9D,
// ú FA.
const QByteArray kHeader =
    "Teplota na vstupe (\xB0"
    "C) ;Teplota na v\xFD"
    "stupe (\xB0"
    "C) ;Teplota steny(\xB0"
    "C) ;Stredn\xE1"
    " teplota (\xB0"
    "C) ;Stredn\xE1"
    " log. teplota(\xB0"
    "C) ;R\xFD"
    "chlos\x9D"
    " tekutiny (m.s-1) ;Hydraulick\xFD"
    " priemer (m) ;Hustota (kg.m-3) ;Kin. viskozita (m2.s-1) ;Dyn. viskozita (Pa.s) ;Tepeln\xE1"
    " kapicita (J.kg-1.K-1) ;Tep. vodivos\x9D"
    " (W.m-1.K-1) ;Re (1) ;Pr (1) ;Pr pri stene (1) ;Nu (1) ;S\xFA"
    "\xE8"
    "inite\xBE"
    " prestupu tepla (W.m-2.K-1) ";

// Step 0 of the defaults: velocity 0,1 m/s in the pipe, laminar.
const QByteArray kDefaultStep0 = "20,000;22,000;30,000;21,000;8,963;0,1000;0,1000;1,202;"
                                 "1,5178501E-0005;1,8241987E-0005;1004,688;0,0254;658,8;0,720;"
                                 "0,720;5,705;1,452";

QList<QByteArray> FileLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<QByteArray> lines = file.readAll().split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) {
        lines.removeLast(); // after the last line end
    }
    return lines;
}

QByteArray Column(const QByteArray& line, int column) {
    return line.split(';').value(column - 1);
}

// Answers the save dialog as a user does: checks what it offers, then types a name and
// presses Enter.
ModalWatcher::DialogHandler SaveAs(const QString& typedName, int* shown) {
    return [typedName, shown](QDialog& dialog) {
        ++*shown;
        auto* chooser = qobject_cast<QFileDialog*>(&dialog);
        QVERIFY(chooser != nullptr);
        QCOMPARE(chooser->objectName(), QString("SaveDialog1"));
        QCOMPARE(chooser->acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(chooser->defaultSuffix(), QString("txt"));
        QCOMPARE(chooser->nameFilters(), QStringList{"Textový súbor (*.txt)"});
        QVERIFY(chooser->testOption(QFileDialog::DontConfirmOverwrite));
        QVERIFY(chooser->testOption(QFileDialog::DontUseNativeDialog));
        auto* name = chooser->findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(name != nullptr);
        // The completer's popup, filled while the folder is read, would take the Enter key
        // at a moment that depends on timing; the test types the whole name without it.
        name->setCompleter(nullptr);
        TypeInto(*name, typedName);
        QTest::keyClick(name, Qt::Key_Return);
    };
}

ModalWatcher::DialogHandler Cancel(int* shown) {
    return [shown](QDialog& dialog) {
        ++*shown;
        QTest::keyClick(&dialog, Qt::Key_Escape);
    };
}

} // namespace

class SweepTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() {
        windows_.reset();
        dir_.reset();
    }

    void rangeDialogShowsModelessAndKeepsItsValuesWhenClosed();
    void toggleTicksAndUnticksAndCancelKeepsTheFile();
    void computeWritesTheDefaultSweep();
    void sweepFollowsTheRangeDialog();
    void fileThatCannotBeCreatedIsReported();
    void windowStaysAliveDuringALongSweep();

private:
    QAction& Item(const char* name) { return *Find<QAction>(windows_->form1, name); }
    QLineEdit& RangeEdit(const char* name) { return *Find<QLineEdit>(windows_->form2, name); }
    QString ResultsPath(const QString& name) const { return QDir(dir_->path()).filePath(name); }
    QStringList FilesInFolder() const { return QDir(dir_->path()).entryList(QDir::Files); }
    void ClickCompute() {
        QTest::mouseClick(Find<QPushButton>(windows_->form1, "Button1"), Qt::LeftButton);
    }
    // Ticks "Ulož do súboru" and names the results file in the save dialog.
    void SaveTo(const QString& typedName) {
        int shown = 0;
        ModalWatcher watcher(SaveAs(ResultsPath(typedName), &shown));
        vortalin::test::ChooseMenuItem(windows_->form1, "daje1", "Ulodosboru1");
        QCOMPARE(shown, 1);
        QVERIFY(Item("Ulodosboru1").isChecked());
    }

    std::unique_ptr<Windows> windows_;
    std::unique_ptr<QTemporaryDir> dir_; // a fresh folder for each test
};

void SweepTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    windows_ = std::make_unique<Windows>();
}

void SweepTest::rangeDialogShowsModelessAndKeepsItsValuesWhenClosed() {
    TForm2& form2 = windows_->form2;
    QPointer<TForm2> alive(&form2);
    vortalin::test::ChooseMenuItem(windows_->form1, "daje1", "Nastavenierozsahu1");
    QVERIFY(QTest::qWaitForWindowExposed(&form2));
    QVERIFY(form2.isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(form2.frameGeometry().size(), QSize(359, 153));

    TypeInto(RangeEdit("Edit1"), "15");
    TypeInto(RangeEdit("Edit3"), "4");
    vortalin::test::Click(*Find<QRadioButton>(form2, "RadioButton3"));
    // The main window stays usable while the dialog is open.
    TypeInto(*Find<QLineEdit>(windows_->form1, "Edit5"), "35");

    form2.close();
    QVERIFY(alive);
    QVERIFY(!form2.isVisible());
    QVERIFY(windows_->form1.isVisible());

    vortalin::test::ChooseMenuItem(windows_->form1, "daje1", "Nastavenierozsahu1");
    QVERIFY(form2.isVisible());
    QCOMPARE(RangeEdit("Edit1").text(), QString("15"));
    QCOMPARE(RangeEdit("Edit2").text(), QString("0,2"));
    QCOMPARE(RangeEdit("Edit3").text(), QString("4"));
    QVERIFY(Find<QRadioButton>(form2, "RadioButton3")->isChecked());
    QVERIFY(!Find<QRadioButton>(form2, "RadioButton1")->isChecked());

    // Chosen again while shown, it stays a single window.
    vortalin::test::ChooseMenuItem(windows_->form1, "daje1", "Nastavenierozsahu1");
    QVERIFY(form2.isVisible());
    QCOMPARE(QApplication::topLevelWidgets().count(&form2), 1);
}

void SweepTest::toggleTicksAndUnticksAndCancelKeepsTheFile() {
    QAction& toggle = Item("Ulodosboru1");
    int shown = 0;
    {
        // First use, cancelled: ticked, with no file yet.
        ModalWatcher watcher(Cancel(&shown));
        vortalin::test::ChooseMenuItem(windows_->form1, "daje1", "Ulodosboru1");
        QCOMPARE(shown, 1);
        QVERIFY(toggle.isChecked());
        vortalin::test::ChooseMenuItem(windows_->form1, "daje1", "Ulodosboru1");
        QCOMPARE(shown, 1); // unticking shows no dialog
        QVERIFY(!toggle.isChecked());
    }
    SaveTo("prvy"); // without an extension: the dialog adds ".txt"
    {
        ModalWatcher watcher(Cancel(&shown));
        vortalin::test::ChooseMenuItem(windows_->form1, "daje1", "Ulodosboru1");
        QVERIFY(!toggle.isChecked());
        vortalin::test::ChooseMenuItem(windows_->form1, "daje1", "Ulodosboru1");
        QCOMPARE(shown, 2);
        QVERIFY(toggle.isChecked()); // cancelled, and still on
        ClickCompute();
        QVERIFY(watcher.Boxes().isEmpty());
    }
    // The earlier name is kept: the sweep went to prvy.txt.
    QCOMPARE(FileLines(ResultsPath("prvy.txt")).size(), 11);
    QCOMPARE(FilesInFolder(), QStringList{"prvy.txt"});
}

void SweepTest::computeWritesTheDefaultSweep() {
    SaveTo("vysledky.txt");
    ModalWatcher watcher;
    ClickCompute();
    QVERIFY(watcher.Boxes().isEmpty());

    const QList<QByteArray> lines = FileLines(ResultsPath("vysledky.txt"));
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines[0], kHeader);
    QCOMPARE(lines[1], kDefaultStep0);
    const QByteArray velocities[] = {"0,1000", "0,1111", "0,1222", "0,1333", "0,1444",
                                     "0,1556", "0,1667", "0,1778", "0,1889", "0,2000"};
    for (int step = 0; step < 10; ++step) {
        QCOMPARE(lines[step + 1].count(';'), 16);
        QCOMPARE(Column(lines[step + 1], 6), velocities[step]);
    }
    // The temporary file is gone, the bar stands at its end and the single-point run that
    // follows the sweep shows the main window's own values.
    QCOMPARE(FilesInFolder(), QStringList{"vysledky.txt"});
    auto* bar = Find<QProgressBar>(windows_->form1, "ProgressBar1");
    QCOMPARE(bar->maximum(), 9);
    QCOMPARE(bar->value(), 9);
    QCOMPARE(Find<QLineEdit>(windows_->form1, "Edit14")->text(), QString("6588"));
    QCOMPARE(Find<QLineEdit>(windows_->form1, "Edit1")->text(), QString("1"));

    // A second Compute re-creates the file from scratch.
    ClickCompute();
    QCOMPARE(FileLines(ResultsPath("vysledky.txt")).size(), 11);
    QCOMPARE(bar->value(), 9);
}

void SweepTest::sweepFollowsTheRangeDialog() {
    SaveTo("teploty.txt");
    vortalin::test::ChooseMenuItem(windows_->form1, "daje1", "Nastavenierozsahu1");
    vortalin::test::Click(*Find<QRadioButton>(windows_->form2, "RadioButton3"));
    TypeInto(RangeEdit("Edit1"), "15");
    TypeInto(RangeEdit("Edit2"), "18");
    TypeInto(RangeEdit("Edit3"), "4");
    windows_->form2.close();

    ModalWatcher watcher;
    ClickCompute();
    QVERIFY(watcher.Boxes().isEmpty());
    const QList<QByteArray> lines = FileLines(ResultsPath("teploty.txt"));
    QCOMPARE(lines.size(), 5);
    const QByteArray inlet[] = {"15,000", "16,000", "17,000", "18,000"};
    for (int step = 0; step < 4; ++step) {
        QCOMPARE(Column(lines[step + 1], 1), inlet[step]);
        QCOMPARE(Column(lines[step + 1], 6), QByteArray("1,0000"));
    }
    QCOMPARE(Find<QLineEdit>(windows_->form1, "Edit3")->text(), QString("20"));
    QCOMPARE(Find<QProgressBar>(windows_->form1, "ProgressBar1")->value(), 3);

    // A step count that is not a whole number stops the command with its message.
    vortalin::test::ChooseMenuItem(windows_->form1, "daje1", "Nastavenierozsahu1");
    TypeInto(RangeEdit("Edit3"), "2,5");
    ClickCompute();
    QCOMPARE(watcher.Boxes().size(), 1);
    QVERIFY2(watcher.Boxes().front().text.contains("'2,5'"), qPrintable(watcher.Texts().join("")));
}

void SweepTest::fileThatCannotBeCreatedIsReported() {
    QDir(dir_->path()).mkdir("zmazany");
    SaveTo("zmazany/vysledky.txt");
    QVERIFY(QDir(ResultsPath("zmazany")).removeRecursively());

    ModalWatcher watcher;
    ClickCompute();
    QCOMPARE(watcher.Boxes().size(), 1);
    QVERIFY2(watcher.Boxes().front().text.contains("nepodarilo vytvoriť"),
             qPrintable(watcher.Texts().join("")));
    QVERIFY(watcher.Boxes().front().text.contains(ResultsPath("zmazany/vysledky.txt")));
    // The single-point run still shows its results.
    QCOMPARE(Find<QLineEdit>(windows_->form1, "Edit14")->text(), QString("6588"));
}

void SweepTest::windowStaysAliveDuringALongSweep() {
    SaveTo("dlhy.txt");
    TypeInto(RangeEdit("Edit3"), "5000");
    auto* compute = Find<QPushButton>(windows_->form1, "Button1");
    auto* bar = Find<QProgressBar>(windows_->form1, "ProgressBar1");
    // A timer that falls due during the sweep sees the command still running, with the
    // button disabled and the bar part way.
    int barDuringSweep = -1;
    bool buttonEnabledDuringSweep = true;
    QTimer::singleShot(0, [&] {
        barDuringSweep = bar->value();
        buttonEnabledDuringSweep = compute->isEnabled();
    });
    ModalWatcher watcher;
    ClickCompute();
    QVERIFY(watcher.Boxes().isEmpty());
    QVERIFY(!buttonEnabledDuringSweep);
    QVERIFY(barDuringSweep >= 0 && barDuringSweep < 4999);
    QVERIFY(compute->isEnabled());
    QCOMPARE(bar->value(), 4999);
    QCOMPARE(FileLines(ResultsPath("dlhy.txt")).size(), 5001);
}

VORTALIN_GUI_TEST_MAIN(SweepTest)
#include "SweepTest.moc"
