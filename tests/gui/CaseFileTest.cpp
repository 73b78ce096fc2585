// Case files from the user's side: "Ulož" and "Načítaj" with their dialogs, a case saved in
// the window and run by vortalin-cli, refused files, and "Koniec".

#include "app/form/InputNames.h"
#include "app/ui/FormControls.h"
#include "app/ui/ResultsCopy.h"
#include "app/ui/VortalinApplication.h"
#include "tests/gui/GuiTestSupport.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

using vortalin::test::Find;
using vortalin::test::kResultFields;
using vortalin::test::ModalWatcher;
using vortalin::test::Name;
using vortalin::test::TypeInto;
using vortalin::test::Windows;

namespace {

// Answers a file dialog as a user does: checks what it offers, types the name, presses Enter.
ModalWatcher::DialogHandler TypeFileName(const QString& dialogName, const QString& path) {
    return [=](QDialog& dialog) {
        auto* chooser = qobject_cast<QFileDialog*>(&dialog);
        QVERIFY(chooser != nullptr);
        QCOMPARE(chooser->objectName(), dialogName);
        QCOMPARE(chooser->nameFilters(), QStringList{"Prípad Vortalinu (*.vortalin)"});
        QCOMPARE(chooser->defaultSuffix(), QString("vortalin"));
        QVERIFY(!chooser->testOption(QFileDialog::DontConfirmOverwrite)); // asked as usual
        vortalin::test::EnterFileName(*chooser, path);
    };
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class CaseFileTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { run_.reset(); }

    void menuItemsHaveTheirShortcuts();
    void everyInputRoundTripsThroughAFile();
    void windowAndCommandLineGiveTheSameResults_data();
    void windowAndCommandLineGiveTheSameResults();
    void numbersWithTheOtherSeparatorAreConverted();
    void loadingClearsTheShownResults();
    void refusedFileChangesNothing_data();
    void refusedFileChangesNothing();
    void unknownKeysAreNamedOnceAndIgnored();
    void failedSaveIsReported();
    void caseFileArgumentLoadsAsNatajDoes_data();
    void caseFileArgumentLoadsAsNatajDoes();
    void koniecEndsTheProgramWithTheRangeDialogOpen_data();
    void koniecEndsTheProgramWithTheRangeDialogOpen();

private:
    QString Path(const QString& name) const { return QDir(run_->dir.path()).filePath(name); }
    QLineEdit& Field(vortalin::EditId id) const {
        return vortalin::FindEdit(FormOf(vortalin::FormOf(id)), id);
    }
    QRadioButton& Button(vortalin::ButtonId id) const {
        return vortalin::FindButton(FormOf(vortalin::FormOf(id)), id);
    }
    QWidget& FormOf(vortalin::FormId form) const {
        return form == vortalin::FormId::MainWindow ? static_cast<QWidget&>(run_->windows->form1)
                                                    : run_->windows->form2;
    }
    // Every input as the user sees it: texts, selections, and whether Edit2 takes input.
    QStringList Inputs() const;
    QStringList Results() const {
        QStringList texts;
        for (const QString& name : kResultFields) {
            texts << Find<QLineEdit>(run_->windows->form1, name)->text();
        }
        return texts;
    }
    // Everything the user sees, without the text left in the file dialog's name field.
    QStringList Snapshot() const {
        QStringList state =
            vortalin::test::WindowSnapshot(run_->windows->form1, run_->windows->form2);
        state.removeIf([](const QString& line) { return line.startsWith("fileNameEdit="); });
        return state;
    }
    QString Status() const { return Find<QLabel>(run_->windows->form1, "StatusPanel0")->text(); }
    void ClickCompute() {
        QTest::mouseClick(Find<QPushButton>(run_->windows->form1, "Button1"), Qt::LeftButton);
    }
    void Activate(vortalin::FormId form) {
        QWidget& window = FormOf(form);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    void OpenRangeDialog() {
        vortalin::test::ChooseMenuItem(run_->windows->form1, "daje1", "Nastavenierozsahu1");
        QVERIFY(QTest::qWaitForWindowExposed(&run_->windows->form2));
    }
    // "Ulož" or "Načítaj" with the dialog answered by typing the path (when it asks).
    // Returns how often the dialog was shown.
    int Choose(const char* item, const QString& path, ModalWatcher& watcher) {
        const char* name = QByteArray(item) == "Ulo1" ? "SaveDialog2" : "OpenDialog1";
        QSignalSpy closed(Find<QFileDialog>(run_->windows->form1, name), &QDialog::finished);
        watcher.SetDialogHandler(TypeFileName(name, path));
        vortalin::test::ChooseMenuItem(run_->windows->form1, "Sbor1", item);
        return static_cast<int>(closed.count());
    }
    // vortalin-cli's twelve result texts for a case file, with the given separator.
    QStringList CliResults(const QString& caseFile, const QString& separator);

    std::unique_ptr<vortalin::test::WindowsInFolder> run_;
};

void CaseFileTest::init() {
    run_ = std::make_unique<vortalin::test::WindowsInFolder>();
    QVERIFY(run_->dir.isValid());
}

QStringList CaseFileTest::Inputs() const {
    QStringList inputs;
    for (const vortalin::InputField& f : vortalin::kInputFields) {
        inputs << Name(f.name) + "=" + Field(f.field).text();
    }
    for (const vortalin::SelectionName& s : vortalin::kSelectionNames) {
        for (const vortalin::ChoiceValue& c : s.values) {
            if (Button(c.button).isChecked()) {
                inputs << Name(s.name) + "=" + Name(c.value);
            }
        }
    }
    inputs << QString("Edit2 enabled=%1").arg(Field(vortalin::EditId::Edit2).isEnabled());
    return inputs;
}

QStringList CaseFileTest::CliResults(const QString& caseFile, const QString& separator) {
#ifndef VORTALIN_CLI
    (void)caseFile;
    (void)separator;
    return {"vortalin-cli is not built"};
#else
    QProcess cli;
    cli.start(VORTALIN_CLI, {"--case", caseFile, "--decimal-separator", separator, "--json"});
    if (!cli.waitForFinished(30000)) {
        return {"vortalin-cli did not finish"};
    }
    const QJsonObject texts =
        QJsonDocument::fromJson(cli.readAllStandardOutput()).object().value("texts").toObject();
    QStringList results;
    for (const QString& name : kResultFields) {
        results << texts.value(name).toString();
    }
    return results;
#endif
}

void CaseFileTest::menuItemsHaveTheirShortcuts() {
    const std::pair<const char*, const char*> items[] = {
        {"Nataj1", "Ctrl+O"}, {"Ulo1", "Ctrl+S"}, {"Koniec1", "Ctrl+Q"}};
    for (const auto& [item, keys] : items) {
        QCOMPARE(Find<QAction>(run_->windows->form1, item)->shortcut(), QKeySequence(keys));
    }
}

void CaseFileTest::everyInputRoundTripsThroughAFile() {
    ModalWatcher watcher;
    OpenRangeDialog();
    // A text of its own in every field (one is no number), a value other than the default
    // in every selection; each typed and clicked in its own active window.
    int n = 0;
    for (const vortalin::InputField& f : vortalin::kInputFields) {
        const QString text =
            f.field == vortalin::EditId::Edit8 ? QString("dĺžka?") : QString("%1,5").arg(++n);
        Activate(vortalin::FormOf(f.field));
        TypeInto(Field(f.field), text);
    }
    for (const vortalin::SelectionName& s : vortalin::kSelectionNames) {
        const vortalin::ButtonId button = s.values.back().button;
        Activate(vortalin::FormOf(button));
        vortalin::test::Click(Button(button));
    }
    const QStringList typed = Inputs();
    QVERIFY(typed.contains("Edit2 enabled=0")); // the finned bank has its own diameters

    QCOMPARE(Choose("Ulo1", Path("trubky"), watcher), 1);
    QFile saved(Path("trubky.vortalin")); // the default suffix is added
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QJsonObject root = QJsonDocument::fromJson(saved.readAll()).object();
    saved.close(); // Windows removes no file that is open, as below
    QCOMPARE(root.value("format").toString(), QString("vortalin-case"));
    QCOMPARE(root.value("version").toInt(), 1);
    QCOMPARE(root.value("decimal-separator").toString(), QString(","));
    QCOMPARE(root.size(),
             int(3 + vortalin::kInputFields.size() + vortalin::kSelectionNames.size()));
    for (const QString& input : typed.mid(0, typed.size() - 1)) {
        const QString key = input.section('=', 0, 0);
        QCOMPARE(key + "=" + root.value(key).toString(), input);
    }

    run_->windows = std::make_unique<Windows>(); // the program started anew
    QVERIFY(Inputs() != typed);
    QCOMPARE(Choose("Nataj1", Path("trubky.vortalin"), watcher), 1);
    QCOMPARE(Inputs(), typed);
    QVERIFY(watcher.Boxes().isEmpty());
    QCOMPARE(Field(vortalin::EditId::Edit2).palette().color(QPalette::Base), QColor(192, 192, 192));

    // Saved again without asking, to the file it came from.
    TypeInto(Field(vortalin::EditId::Edit1), "7,25");
    QVERIFY(QFile::remove(Path("trubky.vortalin")));
    QCOMPARE(Choose("Ulo1", Path("other"), watcher), 0);
    QVERIFY(QFile::exists(Path("trubky.vortalin")));
}

void CaseFileTest::windowAndCommandLineGiveTheSameResults_data() {
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QStringList>("texts"); // EditN=text pairs typed into the main window
    QTest::newRow("pipe, water, heat flux")
        << QStringList{"RadioButton1", "RadioButton5", "RadioButton4"}
        << QStringList{"Edit1=0,35", "Edit2=0,025", "Edit8=2,5"};
    QTest::newRow("helical pipe, gas")
        << QStringList{"RadioButton10", "RadioButton17"}
        << QStringList{"Edit1=4", "Edit3=35", "Edit4=45", "Edit5=60", "Edit22=0,3"};
    QTest::newRow("staggered bank, few rows")
        << QStringList{"RadioButton13", "RadioButton16"} << QStringList{"Edit30=4", "Edit1=3,5"};
    QTest::newRow("finned bank") << QStringList{"RadioButton18"} << QStringList{"Edit1=2,2"};
}

void CaseFileTest::windowAndCommandLineGiveTheSameResults() {
    QFETCH(QStringList, buttons);
    QFETCH(QStringList, texts);
    ModalWatcher watcher;
    for (const QString& button : buttons) {
        vortalin::test::Click(*Find<QRadioButton>(run_->windows->form1, button));
    }
    for (const QString& pair : texts) {
        TypeInto(*Find<QLineEdit>(run_->windows->form1, pair.section('=', 0, 0)),
                 pair.section('=', 1));
    }
    QCOMPARE(Choose("Ulo1", Path("case.vortalin"), watcher), 1);
    ClickCompute();
    QVERIFY2(watcher.Boxes().isEmpty(),
             qPrintable(watcher.Texts().join('\n') + Inputs().join(' ')));
    const QStringList window = Results();
    QVERIFY(!window.front().startsWith('-'));
    // The command line reads the comma case with either separator of its own.
    QCOMPARE(CliResults(Path("case.vortalin"), ","), window);
    QStringList withPoint = CliResults(Path("case.vortalin"), ".");
    withPoint.replaceInStrings(".", ",");
    QCOMPARE(withPoint, window);
}

void CaseFileTest::numbersWithTheOtherSeparatorAreConverted() {
    ModalWatcher watcher;
    watcher.SetAnswer(QMessageBox::Discard);        // the typed text is not kept
    TypeInto(Field(vortalin::EditId::Edit3), "25"); // replaced by the default: key missing
    WriteFile(Path("bodka.vortalin"), R"({"format": "vortalin-case", "version": 1,
        "decimal-separator": ".", "w": "1.5E-003", "d": "0.05", "t-out": "-2.5",
        "length": "1,5", "angle": "pravý", "to": "0.3", "geometry": "plate"})");
    QCOMPARE(Choose("Nataj1", Path("bodka.vortalin"), watcher), 1);
    QCOMPARE(watcher.Texts(), QStringList{"Uložiť zmeny v prípade Bez názvu?"});
    const QStringList inputs = Inputs();
    for (const char* expected :
         {"w=1,5E-003", "d=0,05", "t-in=20", "t-out=-2,5", "length=1,5", "angle=pravý", "from=0,1",
          "to=0,3", "geometry=plate", "fluid=air", "Edit2 enabled=1"}) {
        QVERIFY2(inputs.contains(expected), expected);
    }
}

void CaseFileTest::loadingClearsTheShownResults() {
    ModalWatcher watcher;
    QCOMPARE(Choose("Ulo1", Path("defaults.vortalin"), watcher), 1);
    ClickCompute();
    QVERIFY(!Results().front().startsWith('-'));
    QVERIFY(!Status().isEmpty());
    QCOMPARE(Choose("Nataj1", Path("defaults.vortalin"), watcher), 1);
    QCOMPARE(Results(), QStringList(kResultFields.size(), QString(14, '-')));
    QCOMPARE(Status(), QString());
    // Nor on the clipboard: only the inputs are copied.
    Find<QAction>(run_->windows->form1, "Kopirovatvysledky1")->trigger();
    QVERIFY(QGuiApplication::clipboard()->text().endsWith(
        QString::fromUtf8(vortalin::kNoResultsCopiedText) + "\n"));
}

void CaseFileTest::refusedFileChangesNothing_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    const QByteArray head = R"({"format": "vortalin-case", "version": 1, )";
    QTest::newRow("empty") << QByteArray() << "súbor je prázdny.";
    QTest::newRow("not JSON") << QByteArray("w = 2\n") << "nie je to platný dokument JSON";
    QTest::newRow("cut off") << head + R"("w": "2")"
                             << "nie je to platný dokument JSON";
    QTest::newRow("not an object") << QByteArray("[1, 2]") << "nie je to prípad Vortalinu";
    QTest::newRow("no format") << QByteArray(R"({"w": "2"})") << "chýba kľúč „format“";
    QTest::newRow("other format") << QByteArray(R"({"format": "tabuľka", "version": 1})")
                                  << "formát „tabuľka“";
    QTest::newRow("newer version") << QByteArray(R"({"format": "vortalin-case", "version": 2})")
                                   << "novšia verzia programu (verzia formátu 2)";
    QTest::newRow("no version") << QByteArray(R"({"format": "vortalin-case"})")
                                << "chýba platná verzia formátu";
    QTest::newRow("unknown geometry") << head + R"("w": "9", "geometry": "rúra"})"
                                      << "„rúra“ nie je známa hodnota kľúča „geometry“";
    QTest::newRow("unknown fluid") << head + R"("fluid": "olej"})"
                                   << "„olej“ nie je známa hodnota kľúča „fluid“";
    QTest::newRow("number for a text") << head + R"("geometry": "plate", "w": 2})"
                                       << "hodnota kľúča „w“ musí byť text";
    QTest::newRow("bad separator") << head + R"("decimal-separator": ";"})"
                                   << "„decimal-separator“ musí byť";
}

void CaseFileTest::refusedFileChangesNothing() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    ModalWatcher watcher;
    OpenRangeDialog();
    ClickCompute();
    const QStringList before = Snapshot();
    WriteFile(Path("zlý.vortalin"), bytes);
    QCOMPARE(Choose("Nataj1", Path("zlý.vortalin"), watcher), 1);
    QCOMPARE(watcher.Boxes().size(), 1);
    const QString text = watcher.Boxes().front().text;
    QVERIFY2(text.startsWith("Prípad zo súboru „" + Path("zlý.vortalin") + "“ sa nedá načítať: "),
             qPrintable(text));
    QVERIFY2(text.contains(problem), qPrintable(text));
    QCOMPARE(Snapshot(), before);
}

void CaseFileTest::unknownKeysAreNamedOnceAndIgnored() {
    ModalWatcher watcher;
    WriteFile(Path("navyše.vortalin"), R"({"format": "vortalin-case", "version": 1,
        "w": "3", "farba": "modrá", "poznámka": "skúška", "geometry": "slot"})");
    QCOMPARE(Choose("Nataj1", Path("navyše.vortalin"), watcher), 1);
    QCOMPARE(watcher.Texts(), QStringList{"Súbor „" + Path("navyše.vortalin") +
                                          "“ obsahuje neznáme kľúče „farba“, „poznámka“; "
                                          "program ich vynechal."});
    QVERIFY(Inputs().contains("w=3"));
    QVERIFY(Inputs().contains("geometry=slot"));
}

void CaseFileTest::failedSaveIsReported() {
    ModalWatcher watcher;
    QVERIFY(QDir().mkpath(Path("priečinok")));
    QCOMPARE(Choose("Ulo1", Path("priečinok/prípad.vortalin"), watcher), 1);
    QVERIFY(QFile::exists(Path("priečinok/prípad.vortalin")));
    QVERIFY(QDir(Path("priečinok")).removeRecursively()); // the next save cannot succeed
    QCOMPARE(Choose("Ulo1", QString(), watcher), 0);      // saved to its file without asking
    QCOMPARE(watcher.Boxes().size(), 1);
    QVERIFY2(watcher.Texts().front().startsWith("Prípad sa nepodarilo uložiť do súboru „" +
                                                Path("priečinok/prípad.vortalin") + "“ ("),
             qPrintable(watcher.Texts().front()));
}

void CaseFileTest::caseFileArgumentLoadsAsNatajDoes_data() {
    QTest::addColumn<QByteArray>("bytes");      // none: no file at all
    QTest::addColumn<QStringList>("arguments"); // after the program's name; %1 is the file
    QTest::addColumn<QStringList>("inputs");    // expected among the inputs afterwards
    const QByteArray slot = R"({"format": "vortalin-case", "version": 1, "w": "3",
        "geometry": "slot", "fluid": "water"})";
    const QStringList loaded{"w=3", "geometry=slot", "fluid=water"};
    const QStringList defaults{"w=1", "geometry=pipe", "fluid=air"};
    QTest::newRow("a case") << slot << QStringList{"%1"} << loaded;
    QTest::newRow("after the end of options") << slot << QStringList{"--", "%1"} << loaded;
    QTest::newRow("with an option before it") << slot << QStringList{"--verbose", "%1"} << loaded;
    QTest::newRow("no file named") << slot << QStringList{} << defaults;
    QTest::newRow("refused file") << QByteArray(R"({"format": "tabuľka"})") << QStringList{"%1"}
                                  << defaults;
    QTest::newRow("missing file") << QByteArray() << QStringList{"%1"} << defaults;
}

// `vortalin FILE`, as the desktop starts it on a case file: the file is loaded, or refused
// with the very message that "Načítaj" gives for it.
void CaseFileTest::caseFileArgumentLoadsAsNatajDoes() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, inputs);
    const QString file = Path("prípad.vortalin");
    QStringList natajMessages; // none when there is no file for its dialog
    QStringList natajInputs = Inputs();
    if (!bytes.isEmpty()) { // the open dialog takes only a file that exists
        WriteFile(file, bytes);
        ModalWatcher watcher;
        QCOMPARE(Choose("Nataj1", file, watcher), 1);
        natajMessages = watcher.Texts();
        natajInputs = Inputs();
        run_->windows = std::make_unique<Windows>(); // the program started anew
    }
    ModalWatcher atStart;
    run_->windows->forms->OpenCaseArgument(QStringList{"vortalin"} +
                                           arguments.replaceInStrings("%1", file));
    for (const QString& input : inputs) {
        QVERIFY2(Inputs().contains(input), qPrintable(input + " in " + Inputs().join(' ')));
    }
    if (arguments.isEmpty()) {
        QVERIFY(atStart.Boxes().isEmpty());
    } else if (bytes.isEmpty()) {
        QCOMPARE(atStart.Boxes().size(), 1);
        QVERIFY(atStart.Texts().front().startsWith("Prípad zo súboru „" + file +
                                                   "“ sa nedá načítať: súbor sa nedá otvoriť ("));
    } else {
        QCOMPARE(atStart.Texts(), natajMessages);
        QCOMPARE(Inputs(), natajInputs);
    }
}

void CaseFileTest::koniecEndsTheProgramWithTheRangeDialogOpen_data() {
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("menu, range dialog active") << false;
    QTest::newRow("Ctrl+Q in the main window") << true;
}

void CaseFileTest::koniecEndsTheProgramWithTheRangeDialogOpen() {
    QFETCH(bool, byKeyboard);
    OpenRangeDialog();
    if (byKeyboard) {
        Activate(vortalin::FormId::MainWindow);
    }
    // Koniec is chosen once the program's event loop runs.
    QTimer::singleShot(0, this, [this, byKeyboard] {
        if (byKeyboard) {
            QTest::keyClick(&run_->windows->form1, Qt::Key_Q, Qt::ControlModifier);
        } else {
            vortalin::test::ChooseMenuItem(run_->windows->form1, "Sbor1", "Koniec1");
        }
    });
    // Should the program not end, the test ends the event loop itself with another code.
    QTimer::singleShot(10000, this, [] { QCoreApplication::exit(7); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!run_->windows->form1.isVisible());
}

VORTALIN_GUI_TEST_MAIN(CaseFileTest)
#include "CaseFileTest.moc"
