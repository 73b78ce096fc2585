// The parameter sweep from the user's side: the range dialog, the save-to-file toggle with
// its save dialog, the results file written through a temporary file, and the progress bar.

#include "app/ui/VortalinApplication.h"
#include "tests/gui/GuiTestSupport.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <thread>

using vortalin::test::Find;
using vortalin::test::ModalWatcher;
using vortalin::test::TypeInto;

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

// The file's lines, whichever line ends the system writes (CR LF on Windows).
QList<QByteArray> FileLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    QList<QByteArray> lines = file.readAll().split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) {
        lines.removeLast(); // after the last line end
    }
    return lines;
}

// The twelve result fields; every other edit field is an input.
const QStringList kResultFields{"Edit6",  "Edit7",  "Edit9",  "Edit10", "Edit11", "Edit12",
                                "Edit13", "Edit14", "Edit15", "Edit16", "Edit17", "Edit18"};

QByteArray Column(const QByteArray& line, int column) {
    return line.split(';').value(column - 1);
}

// Answers the save dialog as a user does: checks what it offers, then enters a name and
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
        vortalin::test::EnterFileName(*chooser, typedName);
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
    void cleanup() { run_.reset(); }

    void rangeDialogShowsModelessAndKeepsItsValuesWhenClosed();
    void toggleTicksAndUnticksAndCancelKeepsTheFile();
    void computeWritesTheDefaultSweep();
    void sweepFollowsTheRangeDialog();
    void fileThatCannotBeCreatedIsReported();
    void windowStaysAliveDuringALongSweep();
    void resultsFileByTargetKind_data();
    void resultsFileByTargetKind();
    void escapeStopsTheSweepAndLocksTheInputsMeanwhile();
    void closingTheWindowStopsTheSweep();
    void oneStepSweepShowsAFullBar();

private:
    QAction& Item(const char* name) { return *Find<QAction>(run_->windows->form1, name); }
    QLineEdit& RangeEdit(const char* name) { return *Find<QLineEdit>(run_->windows->form2, name); }
    QString ResultsPath(const QString& name) const { return QDir(run_->dir.path()).filePath(name); }
    QStringList FilesInFolder() const { return QDir(run_->dir.path()).entryList(QDir::Files); }
    void ClickCompute() {
        QTest::mouseClick(Find<QPushButton>(run_->windows->form1, "Button1"), Qt::LeftButton);
    }
    // Ticks "Ulož do súboru" and names the results file in the save dialog.
    void SaveTo(const QString& typedName) {
        int shown = 0;
        ModalWatcher watcher(SaveAs(ResultsPath(typedName), &shown));
        vortalin::test::ChooseMenuItem(run_->windows->form1, "daje1", "Ulodosboru1");
        QCOMPARE(shown, 1);
        QVERIFY(Item("Ulodosboru1").isChecked());
    }

    // Starts a sweep of many steps that `during` sees running; returns when the command
    // ended.
    void SweepLong(const std::function<void()>& during) {
        TypeInto(RangeEdit("Edit3"), "100000000");
        QTimer::singleShot(300, during);
        ClickCompute();
    }
    // Every input, selection, menu item and button of both windows with its enabled state.
    QStringList EnabledStates() const {
        QStringList states;
        for (const QWidget* form : {static_cast<QWidget*>(&run_->windows->form1),
                                    static_cast<QWidget*>(&run_->windows->form2)}) {
            for (const QWidget* w : form->findChildren<QWidget*>()) {
                if (w->window() != form) {
                    continue; // the save dialog's own controls
                }
                if (qobject_cast<const QRadioButton*>(w) || qobject_cast<const QPushButton*>(w) ||
                    qobject_cast<const QMenuBar*>(w) ||
                    (qobject_cast<const QLineEdit*>(w) && w->objectName().startsWith("Edit") &&
                     !kResultFields.contains(w->objectName()))) {
                    states << w->objectName() + (w->isEnabled() ? " on" : " off");
                }
            }
            for (const QAction* action : form->findChildren<QAction*>(Qt::FindDirectChildrenOnly)) {
                if (!action->objectName().isEmpty()) {
                    states << action->objectName() + (action->isEnabled() ? " on" : " off");
                }
            }
        }
        return states;
    }

    std::unique_ptr<vortalin::test::WindowsInFolder> run_;
};

void SweepTest::init() {
    run_ = std::make_unique<vortalin::test::WindowsInFolder>();
    QVERIFY(run_->dir.isValid());
}

void SweepTest::rangeDialogShowsModelessAndKeepsItsValuesWhenClosed() {
    TForm2& form2 = run_->windows->form2;
    QPointer<TForm2> alive(&form2);
    vortalin::test::ChooseMenuItem(run_->windows->form1, "daje1", "Nastavenierozsahu1");
    QVERIFY(QTest::qWaitForWindowExposed(&form2));
    QVERIFY(form2.isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(form2.frameGeometry().size(), QSize(359, 153));

    TypeInto(RangeEdit("Edit1"), "15");
    TypeInto(RangeEdit("Edit3"), "4");
    vortalin::test::Click(*Find<QRadioButton>(form2, "RadioButton3"));
    // The main window stays usable while the dialog is open.
    TypeInto(*Find<QLineEdit>(run_->windows->form1, "Edit5"), "35");

    form2.close();
    QVERIFY(alive);
    QVERIFY(!form2.isVisible());
    QVERIFY(run_->windows->form1.isVisible());

    vortalin::test::ChooseMenuItem(run_->windows->form1, "daje1", "Nastavenierozsahu1");
    QVERIFY(form2.isVisible());
    QCOMPARE(RangeEdit("Edit1").text(), QString("15"));
    QCOMPARE(RangeEdit("Edit2").text(), QString("0,2"));
    QCOMPARE(RangeEdit("Edit3").text(), QString("4"));
    QVERIFY(Find<QRadioButton>(form2, "RadioButton3")->isChecked());
    QVERIFY(!Find<QRadioButton>(form2, "RadioButton1")->isChecked());

    // Chosen again while shown, it stays a single window.
    vortalin::test::ChooseMenuItem(run_->windows->form1, "daje1", "Nastavenierozsahu1");
    QVERIFY(form2.isVisible());
    QCOMPARE(QApplication::topLevelWidgets().count(&form2), 1);
}

void SweepTest::toggleTicksAndUnticksAndCancelKeepsTheFile() {
    QAction& toggle = Item("Ulodosboru1");
    int shown = 0;
    {
        // First use, cancelled: ticked, with no file yet.
        ModalWatcher watcher(Cancel(&shown));
        vortalin::test::ChooseMenuItem(run_->windows->form1, "daje1", "Ulodosboru1");
        QCOMPARE(shown, 1);
        QVERIFY(toggle.isChecked());
        vortalin::test::ChooseMenuItem(run_->windows->form1, "daje1", "Ulodosboru1");
        QCOMPARE(shown, 1); // unticking shows no dialog
        QVERIFY(!toggle.isChecked());
    }
    SaveTo("prvy"); // without an extension: the dialog adds ".txt"
    {
        ModalWatcher watcher(Cancel(&shown));
        vortalin::test::ChooseMenuItem(run_->windows->form1, "daje1", "Ulodosboru1");
        QVERIFY(!toggle.isChecked());
        vortalin::test::ChooseMenuItem(run_->windows->form1, "daje1", "Ulodosboru1");
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
    auto* bar = Find<QProgressBar>(run_->windows->form1, "ProgressBar1");
    QCOMPARE(bar->maximum(), 9);
    QCOMPARE(bar->value(), 9);
    QCOMPARE(Find<QLineEdit>(run_->windows->form1, "Edit14")->text(), QString("6588"));
    QCOMPARE(Find<QLineEdit>(run_->windows->form1, "Edit1")->text(), QString("1"));

    // A second Compute re-creates the file from scratch.
    ClickCompute();
    QCOMPARE(FileLines(ResultsPath("vysledky.txt")).size(), 11);
    QCOMPARE(bar->value(), 9);
}

void SweepTest::sweepFollowsTheRangeDialog() {
    SaveTo("teploty.txt");
    vortalin::test::ChooseMenuItem(run_->windows->form1, "daje1", "Nastavenierozsahu1");
    vortalin::test::Click(*Find<QRadioButton>(run_->windows->form2, "RadioButton3"));
    TypeInto(RangeEdit("Edit1"), "15");
    TypeInto(RangeEdit("Edit2"), "18");
    TypeInto(RangeEdit("Edit3"), "4");
    run_->windows->form2.close();

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
    QCOMPARE(Find<QLineEdit>(run_->windows->form1, "Edit3")->text(), QString("20"));
    QCOMPARE(Find<QProgressBar>(run_->windows->form1, "ProgressBar1")->value(), 3);

    // A step count that is not a whole number stops the command with its message.
    vortalin::test::ChooseMenuItem(run_->windows->form1, "daje1", "Nastavenierozsahu1");
    TypeInto(RangeEdit("Edit3"), "2,5");
    ClickCompute();
    QCOMPARE(watcher.Boxes().size(), 1);
    QVERIFY2(watcher.Boxes().front().text.contains("'2,5'"), qPrintable(watcher.Texts().join("")));
}

void SweepTest::fileThatCannotBeCreatedIsReported() {
    QDir(run_->dir.path()).mkdir("zmazany");
    SaveTo("zmazany/vysledky.txt");
    QVERIFY(QDir(ResultsPath("zmazany")).removeRecursively());

    ModalWatcher watcher;
    ClickCompute();
    QCOMPARE(watcher.Boxes().size(), 1);
    QVERIFY2(watcher.Boxes().front().text.contains("nepodarilo vytvoriť"),
             qPrintable(watcher.Texts().join("")));
    QVERIFY(watcher.Boxes().front().text.contains(ResultsPath("zmazany/vysledky.txt")));
    // The single-point run still shows its results.
    QCOMPARE(Find<QLineEdit>(run_->windows->form1, "Edit14")->text(), QString("6588"));
}

void SweepTest::windowStaysAliveDuringALongSweep() {
    SaveTo("dlhy.txt");
    TypeInto(RangeEdit("Edit3"), "5000");
    auto* compute = Find<QPushButton>(run_->windows->form1, "Button1");
    auto* bar = Find<QProgressBar>(run_->windows->form1, "ProgressBar1");
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

// How the target of the results file is prepared (in the test's folder, after it was
// chosen in the save dialog) and what must hold after the sweep.
enum class TargetKind { Regular, LinkChain, DanglingLink, Fifo, LonelyFifo, CharDevice, Folder };

void SweepTest::resultsFileByTargetKind_data() {
    QTest::addColumn<TargetKind>("kind");
    QTest::newRow("regular file, mode kept") << TargetKind::Regular;
    QTest::newRow("chain of links") << TargetKind::LinkChain;
    QTest::newRow("dangling link") << TargetKind::DanglingLink;
    QTest::newRow("FIFO with a reader") << TargetKind::Fifo;
    QTest::newRow("FIFO nobody reads") << TargetKind::LonelyFifo;
    QTest::newRow("character device") << TargetKind::CharDevice;
    QTest::newRow("folder") << TargetKind::Folder;
}

void SweepTest::resultsFileByTargetKind() {
#ifdef _WIN32 // FIFOs, links and devices are POSIX kinds; Windows has its own cli checks
    QSKIP("POSIX file kinds");
#else
    QFETCH(TargetKind, kind);
    const QString target = ResultsPath("ciel.txt");
    const QByteArray path = target.toLocal8Bit();
    QDir folder(run_->dir.path());
    SaveTo("ciel.txt");
    std::string fifoRead;
    std::thread reader;
    switch (kind) {
    case TargetKind::Regular:
        QVERIFY(QFile(target).open(QIODevice::WriteOnly));
        QCOMPARE(::chmod(path.constData(), 0640), 0);
        break;
    case TargetKind::LinkChain: // ciel.txt -> odkaz -> spolocne/vysledky.txt
        QVERIFY(folder.mkdir("spolocne"));
        QVERIFY(QFile(ResultsPath("spolocne/vysledky.txt")).open(QIODevice::WriteOnly));
        QVERIFY(QFile::link("spolocne/vysledky.txt", ResultsPath("odkaz")));
        QVERIFY(QFile::link("odkaz", target));
        break;
    case TargetKind::DanglingLink:
        QVERIFY(QFile::link("novy.txt", target));
        break;
    case TargetKind::Fifo:
        QCOMPARE(::mkfifo(path.constData(), 0600), 0);
        reader = std::thread([&fifoRead, path] {
            std::ifstream in(path.constData(), std::ios::binary);
            fifoRead.assign(std::istreambuf_iterator<char>(in), {});
        });
        break;
    case TargetKind::LonelyFifo:
        QCOMPARE(::mkfifo(path.constData(), 0600), 0);
        break;
    case TargetKind::CharDevice: // through a link of ours, never /dev/null itself
        QVERIFY(QFile::link("/dev/null", target));
        break;
    case TargetKind::Folder:
        QVERIFY(folder.mkdir("ciel.txt"));
        break;
    }
    ModalWatcher watcher;
    ClickCompute();
    if (reader.joinable()) {
        reader.join();
    }
    const QFileInfo after(target);
    switch (kind) {
    case TargetKind::Regular: {
        QCOMPARE(FileLines(target).size(), 11);
        struct stat file {};
        QCOMPARE(::stat(path.constData(), &file), 0);
        QCOMPARE(file.st_mode & 07777, 0640u);
        break;
    }
    case TargetKind::LinkChain:
        QVERIFY(after.isSymLink());
        QVERIFY(QFileInfo(ResultsPath("odkaz")).isSymLink());
        QCOMPARE(FileLines(ResultsPath("spolocne/vysledky.txt")).size(), 11);
        break;
    case TargetKind::DanglingLink:
        QVERIFY(after.isSymLink());
        QCOMPARE(FileLines(ResultsPath("novy.txt")).size(), 11);
        break;
    case TargetKind::Fifo: {
        struct stat node {};
        QCOMPARE(::lstat(path.constData(), &node), 0);
        QVERIFY(S_ISFIFO(node.st_mode));
        QCOMPARE(QByteArray::fromStdString(fifoRead).count('\n'), 11);
        break;
    }
    case TargetKind::CharDevice:
        QVERIFY(after.isSymLink());
        QVERIFY(QFileInfo("/dev/null").exists() && !QFileInfo("/dev/null").isFile());
        break;
    case TargetKind::LonelyFifo:
    case TargetKind::Folder: {
        QVERIFY(kind == TargetKind::Folder ? after.isDir() : !after.isFile());
        const QString reason = kind == TargetKind::Folder
                                   ? "v ceste stojí priečinok s rovnakým názvom"
                                   : "rúru nikto nečíta";
        QCOMPARE(watcher.Boxes().size(), 1);
        QCOMPARE(watcher.Boxes().front().text,
                 "Súbor výsledkov „" + target + "“ sa nepodarilo vytvoriť (" + reason +
                     "). Parametrická štúdia sa neuložila, predchádzajúci súbor zostal "
                     "nezmenený.");
        break;
    }
    }
    if (kind != TargetKind::Folder && kind != TargetKind::LonelyFifo) {
        QVERIFY2(watcher.Boxes().isEmpty(), qPrintable(watcher.Texts().join("")));
    }
    // Nothing else appeared beside the target: no temporary file stays.
    const QStringList expected{"ciel.txt", "novy.txt", "odkaz", "spolocne"};
    for (const QString& name :
         folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden)) {
        QVERIFY2(expected.contains(name), qPrintable(name));
    }
#endif
}

void SweepTest::escapeStopsTheSweepAndLocksTheInputsMeanwhile() {
    // A geometry with its own diameters: Edit2 is disabled before and after the sweep.
    vortalin::test::Click(*Find<QRadioButton>(run_->windows->form1, "RadioButton10"));
    SaveTo("vysledky.txt");
    QFile earlier(ResultsPath("vysledky.txt"));
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("predtym\n") == 8);
    earlier.close();
    vortalin::test::ChooseMenuItem(run_->windows->form1, "daje1", "Nastavenierozsahu1");
    const QStringList before = EnabledStates();
    QVERIFY(before.contains("Edit2 off"));

    QStringList during;
    QString hint;
    int barDuringSweep = -1;
    QElapsedTimer sinceEscape;
    ModalWatcher watcher;
    SweepLong([&] {
        during = EnabledStates();
        hint = Find<QLabel>(run_->windows->form1, "StatusPanel0")->text();
        barDuringSweep = Find<QProgressBar>(run_->windows->form1, "ProgressBar1")->value();
        sinceEscape.start();
        QTest::keyClick(&run_->windows->form2, Qt::Key_Escape);
    });
    const qint64 stopMs = sinceEscape.elapsed();
    qInfo("Esc stopped the sweep after %lld ms (the message box included)", stopMs);

    QCOMPARE(hint, QString("Esc zastaví parametrickú štúdiu."));
    QVERIFY(!during.isEmpty());
    for (const QString& state : during) {
        QVERIFY2(state.endsWith(" off"), qPrintable(state));
    }
    QCOMPARE(EnabledStates(), before);
    QVERIFY(barDuringSweep >= 0);
    QCOMPARE(watcher.Texts(), QStringList{"Parametrická štúdia bola zastavená. Nič sa neuložilo, "
                                          "predchádzajúci súbor zostal nezmenený."});
    // The earlier file is untouched, nothing else stays, the bar is reset and the command
    // ended without its single-point run.
    QCOMPARE(FileLines(ResultsPath("vysledky.txt")), QList<QByteArray>{"predtym"});
    QCOMPARE(FilesInFolder(), QStringList{"vysledky.txt"});
    QCOMPARE(Find<QProgressBar>(run_->windows->form1, "ProgressBar1")->value(), 0);
    QCOMPARE(Find<QLineEdit>(run_->windows->form1, "Edit14")->text(), QString("--------------"));
    QCOMPARE(Find<QLabel>(run_->windows->form1, "StatusPanel0")->text(), QString());
}

void SweepTest::closingTheWindowStopsTheSweep() {
    SaveTo("vysledky.txt");
    QElapsedTimer sinceClose;
    bool closedAtOnce = true;
    ModalWatcher watcher;
    watcher.SetAnswer(QMessageBox::Discard); // the study's settings were typed, never saved
    SweepLong([&] {
        sinceClose.start();
        closedAtOnce = run_->windows->form1.close();
    });
    qInfo("closing the window ended the sweep after %lld ms", sinceClose.elapsed());
    QVERIFY(!closedAtOnce);                     // the close waited for the sweep to stop...
    QVERIFY(!run_->windows->form1.isVisible()); // ...and then happened
    // No stop message: only the question about the unsaved case, once the sweep has ended.
    QCOMPARE(watcher.Texts(), QStringList{"Uložiť zmeny v prípade Bez názvu?"});
    QCOMPARE(FilesInFolder(), QStringList{});
}

void SweepTest::oneStepSweepShowsAFullBar() {
    SaveTo("jeden.txt");
    TypeInto(RangeEdit("Edit3"), "1");
    ClickCompute();
    auto* bar = Find<QProgressBar>(run_->windows->form1, "ProgressBar1");
    QCOMPARE(bar->value(), bar->maximum());
    QCOMPARE(FileLines(ResultsPath("jeden.txt")).size(), 2);
}

VORTALIN_GUI_TEST_MAIN(SweepTest)
#include "SweepTest.moc"
